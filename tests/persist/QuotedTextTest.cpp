#include "persist/QuotedText.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

struct QuoteCase {
    const char* name;
    std::string text;
    std::size_t maxChars;
    std::string quoted;
};

class QuotedTextCase : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuotedTextCase, EscapesAndCuts) {
    EXPECT_EQ(QuotedText(GetParam().text, GetParam().maxChars), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(FileText, QuotedTextCase,
                         ::testing::Values(QuoteCase{"Escapes", "a\tb\r\n\x1B[2J\x7F\"\\", 60,
                                                     R"("a\tb\r\n\x1B[2J\x7F\"\\")"},
                                           QuoteCase{"C1ControlsAndStrayBytes", "\xC2\x81\xFF\xE2\x82", 60,
                                                     R"("\x81\xFF\xE2\x82")"},
                                           QuoteCase{"CutsByCharactersNotBytes", "\xC3\xA4\xC3\xB6\xC3\xBC",
                                                     2, "\"\xC3\xA4\xC3\xB6...\""},
                                           QuoteCase{"ExactlyTheLimitIsNotCut", "abc", 3, "\"abc\""}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace veltrane
