#include "FormMainFixture.h"

#include "lang/TextCatalogue.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>

namespace veltrane::test {
namespace {

// The script lint checks translations against the catalogue's list of the main
// window's controls; the window must really have them, or a translation that
// lints clean would silently change nothing.
class Catalogue : public FormMainTest {};

QString DesignText(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return group->title().trimmed();
    return {};
}

TEST_F(Catalogue, EveryTranslatableControlExistsInTheWindow) {
    int checked = 0;
    for (const TControlText& entry : AllControls()) {
        if (entry.Form != "FormMain" || entry.Control.empty())
            continue;
        const QString name = QString::fromUtf8(entry.Control.data(), static_cast<int>(entry.Control.size()));
        QWidget* control = Window().findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        ++checked;
        if (entry.Kind == TControlKind::ListView) {
            auto* list = qobject_cast<QTreeWidget*>(control);
            ASSERT_NE(list, nullptr) << name.toStdString();
            EXPECT_EQ(list->columnCount(), entry.PartCount()) << name.toStdString();
        }
    }
    EXPECT_GT(checked, 30);
}

TEST_F(Catalogue, DesignCaptionsAreTheCataloguesEnglish) {
    int compared = 0;
    for (const TControlText& entry : AllControls()) {
        if (entry.Form != "FormMain" || entry.Control.empty() || entry.Caption.empty() ||
            !entry.Carries(kPropCaption) || !entry.CaptionArgs.empty())
            continue;
        const QString name = QString::fromUtf8(entry.Control.data(), static_cast<int>(entry.Control.size()));
        QWidget* control = Window().findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        const QString text = DesignText(control);
        if (text.isNull())
            continue; // panels keep their caption elsewhere
        EXPECT_EQ(text.toStdString(), std::string(entry.Caption)) << name.toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 20);
}

} // namespace
} // namespace veltrane::test
