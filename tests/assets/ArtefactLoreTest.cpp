// The relics' pictures follow the names in the language script.
#include "ArtefactLore.h"

#include <gtest/gtest.h>

using namespace veltrane::assetgen;
using Subject = ArtefactLore::Subject;

TEST(ArtefactLore, ReadsNamedArtefactSectionsOnly) {
    const auto entries = ArtefactLore::parse("[Captions]\r\nName=Not a relic\r\n"
                                             "[Artefact2]\r\nInfo=Lore first.\r\nName= Jade Frog \r\n"
                                             "[Artefact3]\nInfo=A section without a name.\n"
                                             "[Artefact10]\nName=Orb of Tides");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries.at(2).name, "Jade Frog");
    EXPECT_EQ(entries.at(2).info, "Lore first.");
    EXPECT_EQ(entries.at(10).name, "Orb of Tides");
    EXPECT_FALSE(entries.contains(3));
}

TEST(ArtefactLore, TheThingNamedBeforeOfWinsOverWordsAfterIt) {
    const std::pair<const char*, Subject> cases[] = {
        {"Crown of the Tide Kings", Subject::Crown}, // not a tide
        {"Eye of the Galaxy", Subject::Eye},
        {"Mask of the Laughing Comet", Subject::Mask}, // not a comet
        {"Platinum Gear Crown", Subject::Crown},       // the last known word of the head
        {"Clockwork Beetle", Subject::Creature},
        {"Keystone of the Bridge", Subject::Tablet}, // a whole word, not "key"
        {"Navigator's Astrolabe", Subject::Device},  // possessive
        {"Twin Statuettes", Subject::Idol},
        {"Oracle Bones", Subject::Skull},
        {"Heart of the Nebula", Subject::Gem},
        {"Last Letter of Captain Vey", Subject::Scroll},
    };
    for (const auto& [name, subject] : cases) {
        const auto motif = ArtefactLore::motifOf(name);
        ASSERT_TRUE(motif) << name;
        EXPECT_EQ(motif->subject, subject) << name;
    }
    EXPECT_EQ(ArtefactLore::motifOf("Harmony Stones")->word, "stones");
    EXPECT_EQ(ArtefactLore::motifOf("Rune Stones")->word, "stones");
    EXPECT_EQ(ArtefactLore::motifOf("Tears of a Pearl")->word, "pearl"); // nothing known before "of"
    EXPECT_FALSE(ArtefactLore::motifOf("Nothing Whatsoever"));
    EXPECT_FALSE(ArtefactLore::motifOf(""));
}

TEST(ArtefactLore, FirstWordOfMatchesWholeWordsAndPlurals) {
    const QStringList metals{"gold", "iron", "sapphire"};
    EXPECT_EQ(ArtefactLore::firstWordOf("Set with seven sapphires, and gold.", metals), "sapphire");
    EXPECT_EQ(ArtefactLore::firstWordOf("Irony and goldfish", metals), "");
}

TEST(ArtefactLore, EveryShippedRelicNamesSomethingWeCanPaint) {
    // A relic renamed in the script to something the painter does not know shows up here.
    const auto& lore = ArtefactLore::shipped();
    ASSERT_EQ(lore.size(), 100u) << "the English script is not built in";
    for (const auto& [n, entry] : lore) {
        EXPECT_TRUE(ArtefactLore::motifOf(entry.name)) << "artefact" << n << " " << entry.name.toStdString();
    }
}
