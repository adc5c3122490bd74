#include "FormMainFixture.h"
#include "game/Views.h"

#include "core/MediaPaths.h"
#include "ui/GameServices.h"

#include <QLabel>
#include <QPushButton>

#include <cstdlib>
#include <filesystem>

namespace veltrane::test {
namespace {

// The window as the game brings it up: real pictures and the shipped English
// script from the program folder, dialogs and sounds still recorded.
class ShippedWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!UseShippedProgramFolder())
            GTEST_FAIL() << "the pictures and scripts are not built into " VELTRANE_PROGRAM_DIR;
        options.WindowType = 1;
    }
    void TearDown() override { SetProgramFolder(""); }

    TGameOptions options;
    RecordingSound sound;
    std::vector<std::string> problems;
};

TEST_F(ShippedWindow, ComesUpWithoutASingleProblem) {
    TFormMainServices services = DefaultFormMainServices([] {});
    services.ReportProblem = [this](const std::string& m) { problems.push_back(m); };
    services.Translate = [this](QWidget* form, const ITextSource& script) {
        TranslateForm(form, script, [this](const QString& m) { problems.push_back(m.toStdString()); });
    };
    services.MakeMessagePort = [](FormMain&) { return std::make_unique<RecordingMessages>(); };
    services.RunOptionsDialog = nullptr; // nobody to close it
    services.Seed = 4711;
    FormMain window(options, sound, std::move(services));
    window.show();
    window.timMainTimer();
    window.timMainTimer();
    window.ShowInfoLine("Welcome aboard, Captain.", kWhite);

    EXPECT_EQ(problems, std::vector<std::string>{});
    EXPECT_EQ(window.imlPlanets().size(), 24u);
    EXPECT_EQ(window.imlEquipment().size(), 16u);
    EXPECT_FALSE(window.findChild<QLabel*>("imgCaptain")->pixmap().isNull());
    EXPECT_FALSE(window.findChild<QPushButton*>("btnStarMap")->icon().isNull());
    // The shipped script names the artefacts; the built-in default would be "Name".
    EXPECT_NE(window.World().Artefacts[1].Name, "Name");

    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(1024, 768));
    if (const char* path = std::getenv("VELTRANE_SCREENSHOT")) {
        shot.save(path);
        // The other pages too, for looking at their layout.
        for (auto [view, name] : {std::pair{TView::System, "system"}, std::pair{TView::City, "city"}}) {
            veltrane::ShowView(window.Game().Ctx(), view);
            window.grab().save(QString("%1.%2.png").arg(path).arg(name));
        }
    }
}

} // namespace
} // namespace veltrane::test
