#include "core/OneBased.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

TEST(OneBased, CountsFromOneToItsSize) {
    OneBased<int, 4> table;
    table[1] = 10;
    table[4] = 40;
    EXPECT_EQ(table[1], 10);
    EXPECT_EQ(table[4], 40);
    EXPECT_EQ(*table.begin(), 10);
    EXPECT_TRUE((OneBased<int, 4>::InRange(4)));
    EXPECT_FALSE((OneBased<int, 4>::InRange(0)));
}

TEST(OneBased, RefusesNumbersOutsideTheTable) {
    OneBased<int, 4> table;
    EXPECT_THROW(table[0], std::out_of_range);
    EXPECT_THROW(table[5], std::out_of_range);
    EXPECT_THROW(table[-1], std::out_of_range);
}

} // namespace
} // namespace veltrane
