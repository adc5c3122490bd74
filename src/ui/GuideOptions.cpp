#include "GuideOptions.h"

#include "lang/GuideTexts.h"
#include "persist/Settings.h"

#include <QCheckBox>
#include <QPushButton>

namespace veltrane {

GuideOptions::GuideOptions(QWidget* page, TGame& game, FormGuide::TLoader loader, std::function<void()> click)
    : QObject(page), game_(game) {
    // Beneath the version check's row of the information panel.
    guide_ = new QPushButton(page);
    guide_->setObjectName("btnGuide");
    guide_->setGeometry(60, 198, 281, 30);
    connect(guide_, &QPushButton::clicked, this,
            [this, page, loader = std::move(loader), click = std::move(click)] {
                if (click)
                    click();
                FormGuide guide(game_, loader, page->window(), script_);
                guide.Run();
            });
    hints_ = new QCheckBox(page);
    hints_->setObjectName("chbHints");
    hints_->setGeometry(60, 268, 281, 20);
    hints_->setChecked(game_.Options().Hints);
}

void GuideOptions::Retext(const ITextSource& script) {
    script_ = &script;
    guide_->setText(QString::fromStdString(Lookup(script, texts::GuideButton)));
    hints_->setText(QString::fromStdString(Lookup(script, texts::HintsSwitch)));
}

Status GuideOptions::Apply(const std::string& userFolder) {
    TGameOptions& options = game_.Options();
    const bool on = hints_->isChecked();
    if (on && !options.Hints)
        options.HintsSeen.clear();
    options.Hints = on;
    return SaveGuideSettings(userFolder, options);
}

} // namespace veltrane
