#include "EngineFixture.h"

#include "game/CommandScript.h"
#include "lang/TextCatalogue.h"

namespace veltrane::test {
namespace {

class Commands : public InTheCity {
  protected:
    std::string Run(const std::string& line) {
        auto out = script.Execute(line);
        if (!out)
            return "error: " + out.error().message;
        std::string joined;
        for (const std::string& l : *out)
            joined += l + "\n";
        return joined;
    }
    TCommandScript script{game.Game()};
};

TEST_F(Commands, ACityVisitFromTheCommandLine) {
    World().Cargo = {{"Orb", 3}, {"Key", 4}};
    World().Captain.Energy = 40;
    World().Captain.Budget = 2000;
    EXPECT_EQ(Run("city 1").rfind("refused: ", 0), 0u) << "not the capital";
    EXPECT_EQ(Run("city 0").rfind("ok: ", 0), 0u);
    EXPECT_EQ(Run("sell all").rfind("ok: ", 0), 0u);
    EXPECT_TRUE(World().Cargo.empty());
    EXPECT_EQ(Run("sell 1").rfind("refused: ", 0), 0u) << "nothing left to sell";
    Run("refuel 30");
    EXPECT_EQ(World().Captain.Energy, 70);
    // Buying says nothing of its own: the line still tells why the last sale sold nothing.
    EXPECT_EQ(Run("buy  power "), "ok: " + std::string(texts::NoSelection.DefaultText()) + "\n");
    EXPECT_EQ(World().Captain.Scanner, 2);
    Visit().Offers = {{"Far", "20", 2}};
    Run("accept 1");
    EXPECT_EQ(World().Transport.size(), 1u);
    EXPECT_EQ(Run("back").rfind("ok: ", 0), 0u);
    EXPECT_EQ(game.Session().CurrentView, TView::Landscape);
    EXPECT_NE(Run("order").find("message: Find artefacts"), std::string::npos);
}

TEST_F(Commands, MalformedLinesAreErrorsAndCommentsAreNothing) {
    EXPECT_EQ(Run("  # just a note"), "");
    EXPECT_EQ(Run(""), "");
    for (const char* bad : {"warp 3", "sell 0", "fly 0", "fly 151", "land x", "buy", "wait -1", "accept all"})
        EXPECT_EQ(Run(bad).rfind("error: ", 0), 0u) << bad;
}

} // namespace
} // namespace veltrane::test
