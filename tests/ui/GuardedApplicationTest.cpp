#include "ui/GuardedApplication.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace veltrane {
namespace {

TEST(GuardEvent, AnEscapingFaultIsReportedAndTheGameGoesOn) {
    std::vector<std::string> reported;
    auto report = [&](const std::string& m) { reported.push_back(m); };
    EXPECT_TRUE(GuardEvent([] { return true; }, report));
    EXPECT_FALSE(GuardEvent([]() -> bool { throw std::out_of_range("number 0 outside 1..150"); }, report));
    EXPECT_FALSE(GuardEvent([]() -> bool { throw 42; }, report));
    EXPECT_FALSE(GuardEvent([]() -> bool { throw std::runtime_error("x"); }, {}));
    EXPECT_EQ(reported,
              (std::vector<std::string>{"Error: number 0 outside 1..150", "Error: an unknown fault"}));
}

} // namespace
} // namespace veltrane
