#pragma once

// The real window on the shipped pictures and script, time on a manual clock,
// dialogs and sounds recorded: a pass through the game as a player plays it.

#include "FormMainFixture.h"
#include "ModalDriver.h"

#include "core/MediaPaths.h"
#include "game/Headless.h"
#include "ui/DialogScaler.h"
#include "ui/FormOptions.h"
#include "ui/GameServices.h"
#include "ui/MetalStyle.h"
#include "ui/StatusPanel.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

namespace veltrane::test {

class ShippedPass : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!UseShippedProgramFolder())
            GTEST_FAIL() << "the pictures and scripts are not built into " VELTRANE_PROGRAM_DIR;
        InstallMetalStyle(*qApp); // as the program does at start
        // VELTRANE_PASS_FULL_SCREEN runs the passes full screen, on whatever screen the platform has.
        options.WindowType = std::getenv("VELTRANE_PASS_FULL_SCREEN") ? 0 : 1;
        options.RandomEvents = 100; // no chance events in this pass
        TFormMainServices services = DefaultFormMainServices([] {});
        services.UserFolder =
            home.path().toStdString() + "/"; // settings and saved games stay in the test's own folder
        services.ReportProblem = [this](const std::string& m) { problems.push_back(m); };
        services.MakeMessagePort = [this](FormMain&) -> std::unique_ptr<IMessagePort> {
            auto port = std::make_unique<RecordingMessages>();
            messages = port.get();
            return port;
        };
        services.AskChoice = [this](const std::string& text, const std::vector<std::string>& items) {
            return messages->Choose(text, items);
        };
        services.Time = &clock;
        services.CosmeticSeed = 1;
        services.Seed = 4711;
        window = std::make_unique<FormMain>(options, sound, std::move(services));
        window->show();
        window->timMainTimer();
        // The start-up step opens the real options dialog; the captain starts right away.
        QTimer::singleShot(0, [] {
            if (auto* dialog = testing::ModalDialog<FormOptions>())
                QTest::mouseClick(dialog->btnStart(), Qt::LeftButton);
        });
        window->timMainTimer();
    }
    void TearDown() override {
        window.reset();
        SetProgramFolder("");
    }

    void Shot(const char* name) { ShotOf(window.get(), name); }
    // A picture of the window `shown` is drawn in (a scaled dialog's larger window) as the player sees it.
    static void ShotOf(QWidget* shown, const QString& name) {
        const char* dir = std::getenv("VELTRANE_SHOTS");
        if (!dir)
            return;
        QWidget* drawnIn = shown->window();
        if (const QGraphicsProxyWidget* proxy = drawnIn->graphicsProxyWidget())
            drawnIn = proxy->scene()->views().front()->window();
        drawnIn->grab().save(QString("%1/%2.png").arg(dir, name));
    }

    // A control of the play area, wherever the play area is drawn.
    template <class T> T* Control(const char* name) const {
        return window->Background()->findChild<T*>(name);
    }

    // Scans the current system through the window and makes the first planet
    // one can land on inhabited by `lifeform`, its first city the capital.
    int ScanAndMakeACapital(int lifeform) {
        QTest::mouseClick(window->StatusArea()->btnSystem(), Qt::LeftButton);
        QTest::mouseClick(Control<QPushButton>("btnScan"), Qt::LeftButton);
        auto& planets = window->World().Here().Planets;
        int p = 0;
        while (planets[static_cast<std::size_t>(p)].Surface == kGasSurface)
            ++p;
        TPlanet& planet = planets[static_cast<std::size_t>(p)];
        planet.Lifeform = static_cast<std::uint8_t>(lifeform);
        planet.Surface = planet.Surface == 1 ? 4 : planet.Surface; // barren planets have no cities to show
        for (TCity& c : planet.Cities)
            c.Size = 2;
        planet.Cities[0].Size = 1;
        return p;
    }

    std::string Info() const { return window->StatusArea()->lblInfo()->text().toStdString(); }

    QTemporaryDir home;
    TGameOptions options;
    RecordingSound sound;
    RecordingMessages* messages = nullptr;
    TManualClock clock;
    std::vector<std::string> problems;
    std::unique_ptr<FormMain> window;
};

} // namespace veltrane::test
