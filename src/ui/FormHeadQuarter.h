#pragma once

#include "game/Headquarter.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace veltrane {

// The headquarter's welcome: who greets the captain, the artefacts delivered
// so far with their pictures, and the greeting scrolling up its message box.
class FormHeadQuarter : public QDialog {
    Q_OBJECT
  public:
    using TPictures = std::function<std::optional<QImage>(const std::string& relative, bool transparent)>;

    FormHeadQuarter(const THeadquarterVisit& visit, TPictures pictures, std::function<void()> buttonSound,
                    QWidget* parent = nullptr);

    QLabel* lblMessage() const { return message_; }
    QTreeWidget* lvwHQArtefacts() const { return list_; }
    QPushButton* btnHQYes() const { return ok_; }
    QTimer* timScroller() const { return scroller_; }

    // Escape and the close box do what "OK" does.
    void reject() override;

  private:
    QLabel* message_;
    QTreeWidget* list_;
    QPushButton* ok_;
    QTimer* scroller_;
};

} // namespace veltrane
