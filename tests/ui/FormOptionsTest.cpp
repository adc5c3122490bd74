// One pass through the real options dialog on a headless game: the dialog is
// modal, so each test acts from inside its loop and then closes it.

#include "ui/FormOptions.h"
#include "game/Headless.h"
#include "lang/ScriptLookup.h"
#include "persist/Settings.h"
#include "ui/SavedGamesPage.h"
#include "ui/TranslateForm.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace veltrane::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

bool Contains(const std::vector<std::string>& shown, const std::string& part) {
    return std::any_of(shown.begin(), shown.end(),
                       [&](const std::string& s) { return s.find(part) != s.npos; });
}

class FormOptionsPass : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(game.NewGame());
        fs::create_directories(Program() + "LScripts");
        for (const char* script : {"English.lng", "German.lng"})
            fs::copy_file(std::string(VELTRANE_SOURCE_DIR "/data/LScripts/") + script,
                          Program() + "LScripts/" + script);
    }
    void TearDown() override { SetLanguageFile(""); }

    std::string User() const { return user.path().toStdString() + "/"; }
    std::string Program() const { return program.path().toStdString() + "/"; }
    fs::path Games() const { return fs::path(User()) / "Games"; }

    // Runs the dialog; `inside` acts from within its loop, then the close box closes it.
    TOptionsResult RunDialog(const std::function<void(FormOptions&)>& inside) {
        TOptionsServices s;
        s.UserFolder = User();
        s.ProgramFolder = Program();
        s.LoadPicture = [this](const std::string& relative, bool) {
            pictures.push_back(relative);
            QImage image(64, 64, QImage::Format_RGB32);
            image.fill(QColor(70, 90, 120));
            return std::optional<QImage>(image);
        };
        s.Translate = [](QWidget* form, const ITextSource& script) {
            TranslateForm(form, script, [](const QString&) {});
        };
        s.AskName = [this](const std::string&, const std::string&, const std::string& proposal) {
            proposals.push_back(proposal);
            std::optional<std::string> name;
            if (!names.empty())
                name = names.front(), names.pop_front();
            return name;
        };
        FormOptions dialog(game.Game(), s);
        QTimer::singleShot(0, &dialog, [&] {
            inside(dialog);
            if (dialog.isVisible())
                dialog.close();
        });
        return dialog.Run();
    }

    static void Select(SavedGamesPage* page, const std::string& gameName) {
        for (int r = 0; r < page->lvwGameList()->topLevelItemCount(); ++r)
            if (page->lvwGameList()->topLevelItem(r)->text(0).toStdString() == gameName)
                page->lvwGameList()->setCurrentItem(page->lvwGameList()->topLevelItem(r));
    }

    QTemporaryDir user, program;
    THeadlessGame game{7, nullptr, TGameSetup{Program(), User(), {}, {}, {}, {}, {}, {}}};
    std::vector<std::string> pictures, proposals;
    std::deque<std::string> names;
};

TEST_F(FormOptionsPass, CloseBoxKeepsTheCaptainStopsTheClockAndRewritesTheSettingsUnchanged) {
    const TGameOptions before = game.Options();
    const TOptionsResult mark = RunDialog([&](FormOptions& d) {
        EXPECT_FALSE(game.Clock.TimerRunning(TTimer::Main));
        EXPECT_EQ(d.lbxLanguage()->currentItem()->data(Qt::UserRole).toString(), "English.lng");
        EXPECT_TRUE(d.memPresident()->toPlainText().startsWith("Welcome aboard"));
        d.edtCaptainName()->clear();
        QTest::keyClicks(d.edtCaptainName(), "Zora Kell");
        d.updCaptain()->setValue(3);
        EXPECT_EQ(pictures.back(), "Pics/Captain3.jpg");
        EXPECT_EQ(game.World().Captain.ImageIndex, 3);
        d.updCaptain()->stepBy(5);
        EXPECT_EQ(game.World().Captain.ImageIndex, 4);
        d.updCaptain()->stepBy(-9);
        EXPECT_EQ(d.updCaptain()->value(), 1);
        d.updCaptain()->stepBy(1);
        if (const char* dir = std::getenv("VELTRANE_SHOTS"))
            for (int page = 0; page < 3; ++page) {
                d.pgcOptions()->setCurrentIndex(page);
                d.grab().save(QString("%1/options%2.png").arg(dir).arg(page));
            }
    });
    EXPECT_EQ(mark, TOptionsResult::Nothing);
    EXPECT_TRUE(game.Clock.TimerRunning(TTimer::Main));
    EXPECT_EQ(game.World().Captain.Name, "Zora Kell");
    EXPECT_EQ(game.World().Captain.ImageIndex, 2);
    EXPECT_EQ(LoadSettings(User()), before);
    EXPECT_NE(ReadAll(fs::path(User()) / kSettingsFileName).find("Resolution="), std::string::npos);
}

TEST_F(FormOptionsPass, SavedGamesListSortsOverwritesAndDeletesOnlyOnYesAndShowsLongTimes) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    RunDialog([&](FormOptions& d) {
        SavedGamesPage* page = d.tabGameList();
        EXPECT_EQ(page->lvwGameList()->topLevelItemCount(), 0); // no folder yet
        game.World().GameSeconds = 27 * 3600 + 4 * 60 + 9;
        names = {"Beta", "alpha"};
        QTest::mouseClick(page->btnSaveGame(), Qt::LeftButton);
        page->lvwGameList()->clearSelection();
        QTest::mouseClick(page->btnSaveGame(), Qt::LeftButton);
        ASSERT_EQ(page->lvwGameList()->topLevelItemCount(), 2);
        // The player's alphabet, not byte order ("B" < "a").
        EXPECT_EQ(page->lvwGameList()->topLevelItem(0)->text(0), "alpha");
        EXPECT_EQ(page->lvwGameList()->topLevelItem(1)->text(2), "27:04:09");
        EXPECT_TRUE(page->lvwGameList()->isColumnHidden(3));

        Select(page, "Beta");
        const fs::path beta = Games() / page->Rows()[1].FileName;
        const std::string saved = ReadAll(beta);
        game.World().Captain.Budget += 1234;
        for (const bool yes : {false, true}) {
            game.Messages.Answer = yes;
            names = {"Beta"};
            QTest::mouseClick(page->btnSaveGame(), Qt::LeftButton);
            EXPECT_EQ(proposals.back(), "Beta");
            EXPECT_TRUE(Contains(game.Messages.Shown, "Beta already exists"));
            EXPECT_EQ(ReadAll(beta) == saved, !yes);
            EXPECT_EQ(page->Rows().size(), 2u);
        }
        for (const bool yes : {false, true}) {
            game.Messages.Answer = yes;
            Select(page, "Beta");
            QTest::mouseClick(page->btnDelGame(), Qt::LeftButton);
            EXPECT_EQ(fs::exists(beta), !yes);
            EXPECT_EQ(page->lvwGameList()->topLevelItemCount(), yes ? 1 : 2);
        }
    });
    QLocale::setDefault(QLocale::c());
}

TEST_F(FormOptionsPass, RefusedAndMissingFilesLeaveTheGameAndNewGameWinsOverALoad) {
    const TOptionsResult mark = RunDialog([&](FormOptions& d) {
        SavedGamesPage* page = d.tabGameList();
        names = {"Keep", "Gone"};
        QTest::mouseClick(page->btnSaveGame(), Qt::LeftButton);
        QTest::mouseClick(page->btnSaveGame(), Qt::LeftButton);
        std::ofstream(Games() / "damaged.sav")
            << "[General]\nGame name=Damaged\n[Sector1|System1]\nName=A\0B\n"s;
        page->Refresh();
        fs::remove(Games() / page->Rows()[1].FileName); // "Gone", listed but no longer there
        const TGameState original = game.World();
        game.World().Captain.Budget = 1;
        const TGameState running = game.World();

        Select(page, "Gone");
        QTest::mouseClick(page->btnLoadGame(), Qt::LeftButton);
        EXPECT_TRUE(Contains(game.Messages.Shown, "not found"));
        Select(page, "Damaged");
        QTest::mouseClick(page->btnLoadGame(), Qt::LeftButton);
        EXPECT_TRUE(Contains(game.Messages.Shown, "damaged.sav"));
        EXPECT_EQ(game.World().Captain.Budget, running.Captain.Budget);
        EXPECT_EQ(game.World().GalaxyName, running.GalaxyName);

        Select(page, "Keep");
        QTreeWidget* list = page->lvwGameList();
        const QPoint row = list->visualItemRect(list->currentItem()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        EXPECT_EQ(game.World().Captain.Budget, original.Captain.Budget);
        EXPECT_EQ(d.ResultMark(), TOptionsResult::Loaded);
        EXPECT_TRUE(Contains(game.Messages.Shown, "loaded successfully"));
        QTest::mouseClick(page->btnNewGame(), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(mark, TOptionsResult::NewGame);
}

TEST_F(FormOptionsPass, ChoosingGermanRetranslatesTheDialogAtOnce) {
    RunDialog([&](FormOptions& d) {
        QListWidget* list = d.lbxLanguage();
        const QList<QListWidgetItem*> german = list->findItems("Deutsch", Qt::MatchExactly);
        ASSERT_EQ(german.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(german.front()).center());
        EXPECT_EQ(d.windowTitle(), "Spieloptionen");
        EXPECT_EQ(d.tabGameList()->btnSaveGame()->text(), "Spiel speichern");
        EXPECT_TRUE(d.memPresident()->toPlainText().startsWith("Willkommen"));
    });
    EXPECT_EQ(LoadSettings(User()).Language, "German.lng");
}

TEST_F(FormOptionsPass, LanguagesShowTheirOwnNamesWhileTheSettingKeepsTheFile) {
    std::ofstream(Program() + "LScripts/Klingon.lng") << "[Messages]\nWelcome=nuqneH\n";
    game.Options().Language = "klingon.lng"; // the setting matches without regard to case
    RunDialog([&](FormOptions& d) {
        QListWidget* list = d.lbxLanguage();
        ASSERT_NE(list->currentItem(), nullptr);
        EXPECT_EQ(list->currentItem()->text(), "Klingon");
        const QList<QListWidgetItem*> german = list->findItems("Deutsch", Qt::MatchExactly);
        ASSERT_EQ(german.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(german.front()).center());
    });
    EXPECT_EQ(game.Options().Language, "German.lng");
}

} // namespace
} // namespace veltrane::test
