// Random command sequences, valid and refused, with ticks between them and
// saves and loads in a home of their own, sent to the real window and to the
// game without a window: every command must answer the same lines, and each
// sequence must end in the same saved game.

#include "BotWindow.h"
#include "FormMainFixture.h"
#include "SavedBytes.h"

#include "game/Headless.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <random>
#include <string>
#include <vector>

namespace veltrane::test {
namespace {

constexpr int kSequences = 200;
constexpr int kCommandsPerSequence = 40;
constexpr std::uint64_t kFirstSeed = 900;

// One command line as a player's action might give it: a third are ticks, a
// third fit the page shown, so the sequences reach the surface and the city.
std::string RandomLine(std::mt19937& pick, TView view) {
    auto among = [&pick](std::initializer_list<const char*> words) {
        return std::string(
            *(words.begin() + std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(pick)));
    };
    auto number = [&pick](int low, int high) {
        return std::to_string(std::uniform_int_distribution<int>(low, high)(pick));
    };
    const int third = std::uniform_int_distribution<int>(0, 2)(pick);
    if (third == 0)
        return "tick";
    int kind = std::uniform_int_distribution<int>(0, 25)(pick);
    if (third == 1 && view == TView::System)
        kind = std::uniform_int_distribution<int>(6, 7)(pick);
    else if (third == 1 && view == TView::Landscape)
        kind = std::uniform_int_distribution<int>(0, 3)(pick) == 0 ? 8 : 10; // the city, mostly
    else if (third == 1 && view == TView::City)
        kind = std::uniform_int_distribution<int>(11, 17)(pick);
    switch (kind) {
    case 0:
        return "select " + number(0, 151);
    case 1:
        return "fly " + number(1, 150);
    case 2:
        return "course " + number(1, 150);
    case 3:
        return among({"map", "sun", "system", "order", "scan", "hq", "cityinfo", "alieninfo"});
    case 4:
        return "sector" + among({"", " 1", " 2", " 3", " 4"});
    case 5:
        return "filter " + number(1, 4);
    case 6:
        return "planet " + number(0, 6);
    case 7:
        return "land " + number(0, 6);
    case 8:
        return among({"artefact", "pickup", "pack", "module", "leave"});
    case 9:
        return "cityname " + number(0, 4);
    case 10:
        return "city " + number(0, 4);
    case 11:
        return "panel " + among({"sell", "refuel", "upgrade", "transport"});
    case 12:
        return among({"goback", "back", "fill"});
    case 13:
        return "sell " + among({"1", "2", "1 2", "all"});
    case 14:
        return "slider " + number(0, 100);
    case 15:
        return "install" + among({"", " 1", " 3", " 7", " 20"});
    case 16:
        return "accept " + among({"1", "2", "1 3"});
    case 17:
        return "cargo" + among({"", " 1", " 2"});
    case 18:
        return "save " + among({"Alpha", "Beta", "\"Gamma #1\""});
    case 19:
        return "load " + among({"Alpha", "Beta", "\"Gamma #1\"", "Nowhere"});
    case 20:
        return "delete " + among({"Alpha", "Beta"});
    case 21:
        return "captain " + among({"Zora Kell", "\"Ann \\\"Ace\\\" Lee\""});
    case 22:
        return "portrait " + number(1, 4);
    case 23:
        return "events " + number(1, 100);
    case 24:
        return "newgame " + among({"yes", "no"});
    default:
        return "options";
    }
}

// Each sequence opens with a scan and a landing, so it starts beyond the map.
const std::vector<std::string> kOpening{"newgame yes", "options", "system", "scan", "land 0"};

TEST(Differential, RandomSequencesAnswerTheSameInTheWindowAndWithout) {
    if (!BotWindow::ShippedContentPresent())
        GTEST_FAIL() << "the pictures and scripts are not built into " VELTRANE_PROGRAM_DIR;
    QTemporaryDir windowHome, headlessHome;
    SetProgramFolder(VELTRANE_PROGRAM_DIR "/");
    TGameOptions options;
    options.WindowType = 1;
    THeadlessSound sound;
    TManualClock clock;
    TFormMainServices services = DefaultFormMainServices([] {});
    services.UserFolder = windowHome.path().toStdString() + "/";
    services.LoadPicture = BotWindow::CachedPictures(std::move(services.LoadPicture));
    RecordingMessages* messages = nullptr;
    services.MakeMessagePort = [&messages](FormMain&) -> std::unique_ptr<IMessagePort> {
        auto port = std::make_unique<RecordingMessages>();
        messages = port.get();
        return port;
    };
    services.RunOptionsDialog = [](FormMain&, TOptionsPage) { return TOptionsResult::Nothing; };
    services.Time = &clock;
    services.CosmeticSeed = 1;
    services.Seed = kFirstSeed;
    FormMain window(options, sound, std::move(services));
    window.show();

    THeadlessGame headless(kFirstSeed, nullptr, ShippedGameSetup(headlessHome.path().toStdString() + "/"));
    headless.Options().WindowType = 1;
    headless.Options().Hints = true; // as the window has them: the first-time hints answer alike too
    ASSERT_TRUE(headless.Game().Start());

    std::mt19937 pick(20261208);
    int refused = 0, done = 0;
    for (int s = 0; s < kSequences; ++s) {
        for (int i = 0; i < static_cast<int>(kOpening.size()) + kCommandsPerSequence; ++i) {
            const std::string line = i < static_cast<int>(kOpening.size())
                                         ? kOpening[static_cast<std::size_t>(i)]
                                         : RandomLine(pick, headless.Session().CurrentView);
            auto command = ParseCommand(line);
            if (!command) // a usage error reaches no front end
                continue;
            const std::vector<std::string> inWindow = ReportLines(window.Post(*command));
            const std::vector<std::string> without = ReportLines(headless.Execute(*command));
            ASSERT_EQ(inWindow, without) << "sequence " << s << ", " << line;
            (inWindow.front().starts_with("refused") ? refused : done) += 1;
        }
        const std::string a = SavedBytes(window.Game()), b = SavedBytes(headless.Game());
        ASSERT_TRUE(a == b) << "sequence " << s << ": " << FirstDifference(a, b);
    }
    // The sequences reach both kinds of answer in earnest.
    EXPECT_GT(refused, kSequences * 5);
    EXPECT_GT(done, kSequences * 15);
    SetProgramFolder("");
}

} // namespace
} // namespace veltrane::test
