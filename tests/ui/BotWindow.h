#pragma once

// The real window on the shipped pictures and script for a bot: a seeded new
// game, time on a manual clock, sounds silent and the window's own dialogs,
// answered by clicks. Shared by the bot's test and its benchmark.

#include "BotDialogs.h"

#include "core/MediaPaths.h"
#include "core/Random.h"
#include "game/Headless.h"
#include "ui/FormMain.h"
#include "ui/FormOptions.h"
#include "ui/GameServices.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace veltrane::test {

class BotWindow {
  public:
    // False when the pictures and scripts were not built into the program folder.
    static bool ShippedContentPresent() {
        const std::string folder = VELTRANE_PROGRAM_DIR "/";
        return std::filesystem::exists(folder + "Pics/BottomCenter.jpg") &&
               std::filesystem::exists(folder + "LScripts/English.lng");
    }

    BotWindow(std::uint64_t seed, const std::string& userFolder) {
        SetProgramFolder(VELTRANE_PROGRAM_DIR "/");
        options.WindowType = 1;
        TFormMainServices services = DefaultFormMainServices([] {});
        services.UserFolder = userFolder;
        services.ReportProblem = [this](const std::string& m) { problems.push_back(m); };
        services.LoadPicture = CachedPictures(std::move(services.LoadPicture));
        services.Time = &clock;
        services.CosmeticSeed = seed;
        services.Seed = seed;
        window = std::make_unique<FormMain>(options, sound, std::move(services));
        window->show();
    }
    ~BotWindow() {
        window.reset();
        SetProgramFolder("");
    }
    // The shipped pictures never change while the tests run: each file is
    // decoded once for all games of the process instead of on every landing.
    static TPictureFileLoader CachedPictures(TPictureFileLoader load) {
        return [load = std::move(load)](const std::string& relative, bool transparent) {
            static std::map<std::pair<std::string, bool>, Result<QImage>> decoded;
            const auto key = std::make_pair(relative, transparent);
            auto found = decoded.find(key);
            if (found == decoded.end())
                found = decoded.emplace(key, load(relative, transparent)).first;
            return found->second;
        };
    }

    BotWindow(const BotWindow&) = delete;
    BotWindow& operator=(const BotWindow&) = delete;

    TGameOptions options;
    THeadlessSound sound;
    TManualClock clock;
    BotDialogs dialogs;
    std::vector<std::string> problems;
    std::unique_ptr<FormMain> window;
};

} // namespace veltrane::test
