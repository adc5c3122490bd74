#include "lang/Format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using veltrane::Format;
using veltrane::FormatArg;

namespace {

std::string Ok(std::string_view fmt, const std::vector<FormatArg>& args) {
    auto r = Format(fmt, args);
    EXPECT_TRUE(r.ok()) << (r.ok() ? "" : r.error().message);
    return r.ok() ? *r : "<error>";
}

std::string Err(std::string_view fmt, const std::vector<FormatArg>& args) {
    auto r = Format(fmt, args);
    EXPECT_FALSE(r.ok()) << "formatted to \"" << (r.ok() ? *r : "") << "\"";
    return r.ok() ? "" : r.error().message;
}

} // namespace

TEST(Format, FillsTheProgramsOwnForms) {
    EXPECT_EQ(Ok("Budget: %d G$", {std::int64_t{150}}), "Budget: 150 G$");
    EXPECT_EQ(Ok("Welcome to %s City, Sir.", {std::string("Taroka")}), "Welcome to Taroka City, Sir.");
    EXPECT_EQ(Ok("%.2f", {1.5}), "1.50");
    EXPECT_EQ(Ok("100%% sure", {}), "100% sure");
    EXPECT_EQ(Ok("%s, %s and %d", {std::string("a"), std::string("b"), std::int64_t{-7}}), "a, b and -7");
    EXPECT_EQ(Ok("", {}), "");
    EXPECT_EQ(Ok("no placeholders", {std::int64_t{1}}), "no placeholders");
}

TEST(Format, SurplusArgumentsAreIgnored) {
    EXPECT_EQ(Ok("%d", {std::int64_t{1}, std::string("spare"), 2.0}), "1");
}

TEST(Format, WidthPadsAndMinusLeftJustifies) {
    EXPECT_EQ(Ok("[%5d]", {std::int64_t{42}}), "[   42]");
    EXPECT_EQ(Ok("[%-5d]", {std::int64_t{42}}), "[42   ]");
    EXPECT_EQ(Ok("[%-10s]", {std::string("Sol")}), "[Sol       ]");
    EXPECT_EQ(Ok("[%8.2f]", {3.14159}), "[    3.14]");
    EXPECT_EQ(Ok("[%2d]", {std::int64_t{12345}}), "[12345]") << "width never cuts";
    // Delphi has no zero flag: "05" is simply the width 5.
    EXPECT_EQ(Ok("[%05d]", {std::int64_t{7}}), "[    7]");
}

TEST(Format, PrecisionCutsTextsAndPadsIntegersWithZeros) {
    EXPECT_EQ(Ok("%.3s", {std::string("Andromeda")}), "And");
    EXPECT_EQ(Ok("%.0s|", {std::string("gone")}), "|");
    EXPECT_EQ(Ok("%.3d", {std::int64_t{5}}), "005");
    EXPECT_EQ(Ok("%.3d", {std::int64_t{-5}}), "-005");
    EXPECT_EQ(Ok("%6.3d", {std::int64_t{5}}), "   005");
}

TEST(Format, WidthAndPrecisionCountCharactersNotBytes) {
    // "Größe" is 5 characters but 7 bytes: padding and cutting must not split "ö" or "ß".
    EXPECT_EQ(Ok("[%7s]", {std::string("Größe")}), "[  Größe]");
    EXPECT_EQ(Ok("%.3s", {std::string("Größe")}), "Grö");
    EXPECT_EQ(Ok("%.4s", {std::string("Größe")}), "Größ");
}

TEST(Format, RealsRoundHalfAwayFromZero) {
    EXPECT_EQ(Ok("%.2f", {0.125}), "0.13");
    EXPECT_EQ(Ok("%.2f", {-0.125}), "-0.13");
    EXPECT_EQ(Ok("%.2f", {2.995}), "3.00") << "2.995 shows as 3.00: a price of 2.995 or more";
    EXPECT_EQ(Ok("%.2f", {2.994}), "2.99");
    EXPECT_EQ(Ok("%.2f", {9.999}), "10.00") << "the carry adds a digit";
    EXPECT_EQ(Ok("%.2f", {0.5}), "0.50");
    // Rounding works on the stored value: the double nearest 2.675 lies just below it.
    EXPECT_EQ(Ok("%.2f", {2.675}), "2.67");
    EXPECT_EQ(Ok("%.2f", {1.005}), "1.00");
    EXPECT_EQ(Ok("%.0f", {2.5}), "3");
    EXPECT_EQ(Ok("%.0f", {0.4}), "0");
    EXPECT_EQ(Ok("%f", {1234.5}), "1234.50") << "default precision is 2";
    EXPECT_EQ(Ok("%.2f", {0.001}), "0.00");
    EXPECT_EQ(Ok("%.2f", {-0.001}), "0.00") << "no minus sign on a zero result";
    EXPECT_EQ(Ok("%.3f", {1e-7}), "0.000");
    EXPECT_EQ(Ok("%.1f", {12345678901234567.0}), "12345678901234568.0");
}

TEST(Format, OtherDelphiTypes) {
    EXPECT_EQ(Ok("%x", {std::int64_t{255}}), "FF");
    EXPECT_EQ(Ok("%.4x", {std::int64_t{255}}), "00FF");
    EXPECT_EQ(Ok("%u", {std::int64_t{42}}), "42");
    EXPECT_EQ(Ok("%u", {std::int64_t{-1}}), "4294967295") << "a negative 32-bit number reads as its bits";
    EXPECT_EQ(Ok("%n", {1234567.891}), "1,234,567.89");
    EXPECT_EQ(Ok("%.0n", {999.5}), "1,000");
    EXPECT_EQ(Ok("%n", {-1234.5}), "-1,234.50");
    EXPECT_EQ(Ok("%e", {1234.5}), "1.23450000000000E+003");
    EXPECT_EQ(Ok("%.3e", {-0.00012345}), "-1.23E-004");
    EXPECT_EQ(Ok("%g", {1234.5}), "1234.5");
    EXPECT_EQ(Ok("%g", {0.0001}), "0.0001");
    EXPECT_EQ(Ok("%g", {1e20}), "1E20");
    EXPECT_EQ(Ok("%g", {0.0}), "0");
    EXPECT_EQ(Ok("%.3g", {2.0 / 3.0}), "0.667");
    EXPECT_EQ(Ok("%D %S", {std::int64_t{3}, std::string("x")}), "3 x") << "type letters ignore case";
}

TEST(Format, IndexFormPicksArgumentsAndTheNextContinuesAfterIt) {
    std::vector<FormatArg> args{std::string("Sol"), std::int64_t{3}};
    EXPECT_EQ(Ok("%1:d/%0:s", args), "3/Sol");
    EXPECT_EQ(Ok("%0:s %s %0:s", {std::string("a"), std::string("b")}), "a b a");
    EXPECT_EQ(Ok("%1:-5d|", args), "3    |");
    auto msg = Err("%2:s", args);
    EXPECT_NE(msg.find("argument 3"), std::string::npos) << msg;
}

TEST(Format, StarTakesWidthAndPrecisionFromArguments) {
    EXPECT_EQ(Ok("[%*d]", {std::int64_t{4}, std::int64_t{7}}), "[   7]");
    EXPECT_EQ(Ok("%.*s", {std::int64_t{2}, std::string("abc")}), "ab");
    Err("%*d", {std::string("4"), std::int64_t{7}});
    Err("%*d", {std::int64_t{100000}, std::int64_t{7}});
}

TEST(Format, ArgumentOfTheWrongKindIsAnErrorNamingSpecifierAndArgument) {
    auto msg = Err("You got %d G$", {std::string("ten")});
    EXPECT_NE(msg.find("\"%d\""), std::string::npos) << msg;
    EXPECT_NE(msg.find("argument 1"), std::string::npos) << msg;
    EXPECT_NE(msg.find("text"), std::string::npos) << msg;

    msg = Err("%s then %s", {std::string("a"), std::int64_t{2}});
    EXPECT_NE(msg.find("argument 2"), std::string::npos) << msg;

    Err("%f", {std::int64_t{2}});
    Err("%d", {2.5});
    Err("%x", {std::string("ff")});
    Err("%e", {std::string("1")});
}

TEST(Format, MissingArgumentIsAnError) {
    auto msg = Err("%s and %s", {std::string("only one")});
    EXPECT_NE(msg.find("argument 2"), std::string::npos) << msg;
    EXPECT_NE(msg.find("only 1"), std::string::npos) << msg;
    Err("%d", {});
}

TEST(Format, MalformedSpecifiersAreErrors) {
    auto msg = Err("100%", {});
    EXPECT_NE(msg.find("lone"), std::string::npos) << msg;
    msg = Err("%q", {std::int64_t{1}});
    EXPECT_NE(msg.find("\"%q\""), std::string::npos) << msg;
    Err("%5", {std::int64_t{1}});
    Err("%-", {std::int64_t{1}});
    Err("%.", {std::int64_t{1}});
    Err("%1:", {std::int64_t{1}, std::int64_t{2}});
    Err("% d", {std::int64_t{1}});
    Err("%m", {1.0});
    Err("%p", {std::int64_t{1}});
}

TEST(Format, HostileWidthsAreRefusedNotAllocated) {
    auto msg = Err("%99999999d", {std::int64_t{1}});
    EXPECT_NE(msg.find("limit"), std::string::npos) << msg;
    Err("%.99999999999999999999999f", {1.0});
    Err("%1001s", {std::string("x")});
    EXPECT_EQ(Ok("%1000s", {std::string("x")}).size(), 1000u);
    Err("%99999999999:s", {std::string("x")});
}

TEST(Format, NonFiniteRealsHaveNames) {
    EXPECT_EQ(Ok("%.2f", {std::numeric_limits<double>::infinity()}), "INF");
    EXPECT_EQ(Ok("%.2f", {-std::numeric_limits<double>::infinity()}), "-INF");
    EXPECT_EQ(Ok("%e", {std::numeric_limits<double>::quiet_NaN()}), "NAN");
}
