#include "lang/TextCatalogue.h"

#include "lang/MapSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

using namespace veltrane;
using veltrane::testing::TMapSource;

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

TEST(TextCatalogue, EveryBuiltInTextFitsItsOwnArguments) {
    // A default that does not fit would break the game even without any script.
    for (const TText& t : AllTexts()) {
        auto r = Format(t.Default, t.Args.Samples());
        EXPECT_TRUE(r.ok()) << t.Name << ": " << (r.ok() ? "" : r.error().message);
    }
}

TEST(TextCatalogue, NamesAreUniqueAndKeysShareOnlyCompatibleUses) {
    std::set<std::string> names;
    std::map<std::string, std::vector<const TText*>> byKey;
    for (const TText& t : AllTexts()) {
        EXPECT_TRUE(names.insert(t.Name).second) << "duplicate name " << t.Name;
        byKey[Lower(t.Section) + "|" + Lower(t.Key)].push_back(&t);
    }
    // A key looked up twice must be formatted with the same arguments, or once shown as it stands.
    for (const auto& [key, uses] : byKey) {
        const TArgList* formatted = nullptr;
        for (const TText* t : uses) {
            if (t->Args.empty())
                continue;
            if (formatted) {
                EXPECT_TRUE(*formatted == t->Args) << key;
            }
            formatted = &t->Args;
        }
    }
    EXPECT_EQ(byKey["messages|bringartefacts"].size(), 2u);
    EXPECT_EQ(byKey["captions|artefact"].size(), 2u) << "\"Artefact\" and \"artefact\" are one script key";
}

TEST(TextCatalogue, NumberedFamiliesExpandToTheirRanges) {
    std::map<std::string, int> perFamily;
    for (const TText& t : AllTexts()) {
        auto bracket = t.Name.find('[');
        if (bracket != std::string::npos)
            ++perFamily[t.Name.substr(0, bracket)];
    }
    EXPECT_EQ(perFamily["ArtefactName"], 100);
    EXPECT_EQ(perFamily["EventText"], 20);
    EXPECT_EQ(perFamily["UpgradeTreeItem"], 20);
    EXPECT_EQ(perFamily["EconomyKind"], 20);
    EXPECT_EQ(perFamily["CityInfo"], 30);
    EXPECT_EQ(perFamily["PoliceBadText"], 9);

    TText first = TText::From("x", texts::UpgradeTreeItem, 0);
    EXPECT_EQ(first.Key, "Item0");
    TText art = TText::From("x", texts::ArtefactName, 100);
    EXPECT_EQ(art.Section, "Artefact100");
    EXPECT_EQ(art.Key, "Name");
    EXPECT_EQ(art.Default, "Name") << "an artefact without a name shows its key";
    TText event = TText::From("x", texts::EventText, 7);
    EXPECT_EQ(event.Section, "Events");
    EXPECT_EQ(event.Key, "Text7");
    EXPECT_EQ(event.Default, "Text7");
}

TEST(TextCatalogue, LookupGivesScriptValueThenDefault) {
    TMapSource script{{"Messages|AYS", "Sind Sie sicher?"}, {"messages|scanning completed.", ""}};
    EXPECT_EQ(Lookup(script, texts::AYS), "Sind Sie sicher?");
    EXPECT_EQ(Lookup(script, texts::ScanningCompleted), "") << "present but empty is not absent";
    EXPECT_EQ(Lookup(script, texts::GoodLuck), "Good luck!") << "key is its own default";
    EXPECT_EQ(Lookup(script, texts::NamePrompt), "Name:");
    EXPECT_EQ(Lookup(script, texts::WarningTitle), "Warnung");
    EXPECT_EQ(Lookup(script, texts::UpgradeTreeItem, 19), "???");
    EXPECT_EQ(Lookup(script, texts::PoliceGoodText, 3), "GoodText3");
}

TEST(TextCatalogue, FormatTextReportsWhereABrokenTextLives) {
    TMapSource script{{"Messages|NowSector", "Sektor %s erreicht."}};
    auto r = FormatText(script, texts::NowSector, {std::int64_t{3}});
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().message.find("[Messages] NowSector"), std::string::npos) << r.error().message;

    auto ok = FormatText(TMapSource{}, texts::NowSector, {std::int64_t{3}});
    ASSERT_TRUE(ok.ok());
    EXPECT_EQ(*ok, "You are now in sector 3.");

    TMapSource events{{"Events|Text2", "Pirates took %d G$."}};
    auto ev = FormatText(events, texts::EventText, 2, {std::int64_t{12}});
    ASSERT_TRUE(ev.ok());
    EXPECT_EQ(*ev, "Pirates took 12 G$.");
}

TEST(TextCatalogue, FormatTextOrDefaultFallsBackToTheBuiltInText) {
    TMapSource broken{{"Messages|Arrived", "Angekommen in %d."}};
    EXPECT_EQ(FormatTextOrDefault(broken, texts::Arrived, {std::string("Belor")}),
              "You arrived at system Belor.");
    TMapSource good{{"Messages|Arrived", "Angekommen in %s."}};
    EXPECT_EQ(FormatTextOrDefault(good, texts::Arrived, {std::string("Belor")}), "Angekommen in Belor.");
}

TEST(TextCatalogue, ArgumentListsDescribeThemselves) {
    EXPECT_EQ(kNoArgs.Describe(), "none");
    EXPECT_EQ(kSixStr.Describe(), "6 x Str");
    EXPECT_EQ(texts::BringArtefacts.Args.Describe(), "Str, Int");
    EXPECT_EQ(kOneInt.Samples().size(), 1u);
    EXPECT_TRUE(std::holds_alternative<std::int64_t>(kOneInt.Samples()[0]));
}

TEST(TextCatalogue, ControlsCarryTheirPartsAndFormatTheirCaptions) {
    const TControlText* wt = FindControl("formoptions", "RBXWINDOWTYPE");
    ASSERT_NE(wt, nullptr);
    EXPECT_EQ(wt->PartCount(), 2);
    EXPECT_TRUE(wt->Carries(kPropItems));
    EXPECT_FALSE(wt->Carries(kPropColumns));

    ASSERT_NE(FindControl("FormOptions", "lvwGameList"), nullptr);
    EXPECT_EQ(FindControl("FormOptions", "lvwGameList")->PartCount(), 4);
    ASSERT_NE(FindControl("FormNavigator", "lvwSystemList"), nullptr);
    EXPECT_EQ(FindControl("FormNavigator", "lvwSystemList")->PartCount(), 4);
    EXPECT_EQ(FindControl("FormMain", "lvwTransDisplay")->PartCount(), 2);
    EXPECT_EQ(FindControl("FormMain", "lvwCargo")->PartCount(), 1);
    EXPECT_EQ(FindControl("FormMain", "btnExit")->PartCount(), 0);
    EXPECT_EQ(FindControl("FormMain", "rbxWindowType"), nullptr) << "controls belong to their own window";
    EXPECT_EQ(FindControl("FormMain", "")->Kind, TControlKind::Window);

    std::set<std::string> seen;
    for (const TControlText& c : AllControls()) {
        EXPECT_TRUE(seen.insert(Lower(std::string(c.Form) + "." + std::string(c.Control))).second)
            << c.Form << "." << c.Control;
        auto r = Format(c.Caption, c.CaptionArgs.Samples());
        if (!c.CaptionArgs.empty()) {
            EXPECT_TRUE(r.ok()) << c.Control;
        }
        if (c.Carries(kPropItems) || c.Carries(kPropColumns)) {
            EXPECT_GT(c.PartCount(), 0) << c.Control << " must say how many parts it has";
        }
    }
}
