#pragma once

#include "FormGuide.h"
#include "game/Game.h"
#include "lang/TextSource.h"

#include <QObject>

#include <functional>
#include <string>

class QCheckBox;
class QPushButton;
class QWidget;

namespace veltrane {

// The options dialog's way to the guide: a button that opens it and the
// switch for the first-time hints, on the information page.
class GuideOptions : public QObject {
    Q_OBJECT
  public:
    GuideOptions(QWidget* page, TGame& game, FormGuide::TLoader loader, std::function<void()> click);

    // The texts in the dialog's language.
    void Retext(const ITextSource& script);
    // The switch into the settings as the dialog closes, and the [Guide] section
    // written. Switching the hints on again starts them over.
    Status Apply(const std::string& userFolder);

    QPushButton* btnGuide() const { return guide_; }
    QCheckBox* chbHints() const { return hints_; }

  private:
    TGame& game_;
    QPushButton* guide_;
    QCheckBox* hints_;
    const ITextSource* script_ = nullptr;
};

} // namespace veltrane
