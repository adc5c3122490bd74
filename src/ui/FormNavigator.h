#pragma once

#include "game/Context.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace veltrane {

// The navigator: every system of the current sector with its position and
// distance; level 2 marks what is in reach, level 3 can set a course.
class FormNavigator : public QDialog {
    Q_OBJECT
  public:
    using TPictures = std::function<std::optional<QImage>(const std::string& relative, bool transparent)>;
    using TTranslate = std::function<void(QWidget* form)>;

    FormNavigator(TContext& ctx, TPictures pictures, TTranslate translate, std::function<void()> click,
                  QWidget* parent = nullptr);

    // Shows the dialog modally. "Set course" answers the system of the row
    // selected, or 0 when none was (the game says why); "Close" answers nothing.
    std::optional<int> Choose();
    // Escape and the close box do what "Close" does.
    void reject() override;

    QLabel* lblTitle() const { return title_; }
    QLabel* imgNavPic(int level) const { return pictures_.at(static_cast<std::size_t>(level - 1)); } // 1..3
    QTreeWidget* lvwSystemList() const { return list_; }
    QPushButton* btnSetCourse() const { return setCourse_; }
    QPushButton* btnOK() const { return ok_; }

  private:
    void Fill();

    TContext& ctx_;
    TPictures load_;
    TTranslate translate_;
    std::function<void()> click_;
    QLabel* title_;
    std::array<QLabel*, 3> pictures_{};
    QTreeWidget* list_;
    QPushButton* setCourse_;
    QPushButton* ok_;
};

// The navigation button: the dialog, then the flight to the system chosen.

} // namespace veltrane
