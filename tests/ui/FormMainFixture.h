#pragma once

// A main window on fakes: pictures made up in memory (each file its own
// colour, so a test can tell which one a control shows), sounds and dialogs
// recorded, language scripts written to a scratch program folder.

#include "core/MediaPaths.h"
#include "lang/ContentLoader.h"
#include "lang/ScriptLookup.h"
#include "ui/FormMain.h"
#include "ui/TranslateForm.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace veltrane::test {

class RecordingSound : public ISoundPort {
  public:
    void PlaySoundEffect(const std::string& fileName) override { effects.push_back(fileName); }
    void PlayButtonSound() override { effects.push_back("button.wav"); }
    void UpdateBackgroundMusic() override { ++musicUpdates; }
    std::vector<std::string> effects;
    int musicUpdates = 0;
};

class RecordingMessages : public IMessagePort {
  public:
    bool ShowMessDlg(const std::string& text, const std::string& caption, TMessageKind kind) override {
        const char* letter = kind == TMessageKind::Confirm ? "c" : kind == TMessageKind::Warning ? "w" : "i";
        asked.push_back(text + "|" + caption + "|" + letter);
        return answer;
    }
    void ShowIncomingMessage(const std::string& format, int) override { asked.push_back(format); }
    void ShowInfoMessage(const std::string& text) override { asked.push_back(text); }
    void ShowDirectionMessage(const std::string& text, std::optional<int>) override { asked.push_back(text); }
    // The sector dialog: the first choice, as a player pressing OK at once.
    std::string Choose(const std::string& text, const std::vector<std::string>& items) {
        asked.push_back(text);
        return items.empty() ? std::string() : items.front();
    }
    std::vector<std::string> asked;
    bool answer = true;
};

// A colour per file name, so equal pictures mean the same file.
inline QColor ColourOf(const std::string& relative) {
    const std::size_t h = std::hash<std::string>{}(relative);
    return QColor(int(h & 0xFF), int((h >> 8) & 0xFF), int((h >> 16) & 0xFF));
}

// Points the media resolver at the program folder when the pictures and the
// English script are built there; false (and nothing changed) otherwise.
inline bool UseShippedProgramFolder() {
    const std::string folder = VELTRANE_PROGRAM_DIR "/";
    if (!std::filesystem::exists(folder + "Pics/BottomCenter.jpg") ||
        !std::filesystem::exists(folder + "LScripts/English.lng"))
        return false;
    SetProgramFolder(folder);
    return true;
}

class FormMainTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        options.WindowType = 1;
        options.Language = "English.lng";
    }

    // The window is made on first use so tests can arrange the fakes first.
    FormMain& Window() {
        if (!window_)
            window_ = std::make_unique<FormMain>(options, sound, Services());
        return *window_;
    }

    TFormMainServices Services() {
        TFormMainServices s;
        s.ProgramFolder = ProgramFolder();
        s.UserFolder = userFolder;
        s.LoadPicture = [this](const std::string& relative, bool) -> Result<QImage> {
            requested.push_back(relative);
            if (missing.count(relative))
                return Error{"Picture file " + relative + " not found."};
            QImage picture(8, 8, QImage::Format_RGB32);
            picture.fill(ColourOf(relative));
            return picture;
        };
        s.ReportProblem = [this](const std::string& message) { problems.push_back(message); };
        s.OpenScript = [](const std::string& path) -> std::unique_ptr<ITextSource> {
            return std::make_unique<TScriptFile>(path);
        };
        s.LoadContent = [](const ITextSource& script, TGameState& world, TContentTables& tables, TRandom& r) {
            return LoadContentTables(script, world, tables, r);
        };
        s.Translate = [this](QWidget* form, const ITextSource& script) {
            TranslateForm(form, script, [this](const QString& m) { problems.push_back(m.toStdString()); });
        };
        s.MakeMessagePort = [this](FormMain&) -> std::unique_ptr<IMessagePort> {
            auto port = std::make_unique<RecordingMessages>();
            messages = port.get();
            return port;
        };
        s.InitAudio = [this] { ++audioInits; };
        s.ShutdownAudio = [this] { ++audioShutdowns; };
        s.Seed = seed;
        s.AskChoice = [this](const std::string& text, const std::vector<std::string>& items) {
            return messages->Choose(text, items);
        };
        s.RunOptionsDialog = [this](FormMain& window, TOptionsPage page) {
            ++optionsRuns;
            optionsPages.push_back(page);
            // The dialog's "New game" is a command of its own.
            if (optionsResult == TOptionsResult::NewGame)
                window.Post(MakeCommand(TCommandKind::NewGame, {}, "yes"));
            return optionsResult;
        };
        return s;
    }

    std::string ProgramFolder() const { return folder_.path().toStdString() + "/"; }

    void WriteScript(const std::string& name, const std::string& text) {
        QDir(folder_.path()).mkpath("LScripts");
        std::ofstream(ProgramFolder() + "LScripts/" + name, std::ios::trunc) << text;
    }

    template <typename T> T* Find(const char* name) {
        T* control = Window().findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    int RequestsFor(const std::string& relative) const {
        return static_cast<int>(std::count(requested.begin(), requested.end(), relative));
    }

    TGameOptions options;
    std::string userFolder; // empty: nothing is written there, no autosave either
    std::uint64_t seed = 20240611;
    RecordingSound sound;
    RecordingMessages* messages = nullptr;
    std::set<std::string> missing;
    std::vector<std::string> requested;
    std::vector<std::string> problems;
    int audioInits = 0;
    int audioShutdowns = 0;
    int optionsRuns = 0;
    std::vector<TOptionsPage> optionsPages;
    TOptionsResult optionsResult = TOptionsResult::Nothing;

  private:
    QTemporaryDir folder_;
    std::unique_ptr<FormMain> window_;
};

} // namespace veltrane::test
