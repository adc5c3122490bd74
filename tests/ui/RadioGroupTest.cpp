#include "ui/RadioGroup.h"

#include <gtest/gtest.h>

#include <QGridLayout>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace veltrane {
namespace {

TEST(RadioGroup, StartsWithoutAChoice) {
    TRadioGroup group("Window type", {"Full screen", "Standard"}, 2);
    EXPECT_EQ(group.count(), 2);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(group.title(), "Window type");
}

TEST(RadioGroup, ItemIndexSelectsExactlyOneButton) {
    TRadioGroup group("", {"a", "b", "c"}, 1);
    group.setItemIndex(2);
    EXPECT_EQ(group.itemIndex(), 2);
    group.setItemIndex(0);
    EXPECT_TRUE(group.button(0)->isChecked());
    EXPECT_FALSE(group.button(2)->isChecked());
}

TEST(RadioGroup, OutOfRangeIndexClearsTheChoice) {
    TRadioGroup group("", {"a", "b"}, 1);
    group.setItemIndex(1);
    QSignalSpy changed(&group, &TRadioGroup::itemIndexChanged);
    group.setItemIndex(5);
    EXPECT_EQ(group.itemIndex(), -1);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), -1);
    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
}

TEST(RadioGroup, PlayerClickEmitsClickedButSettingDoesNot) {
    TRadioGroup group("", {"Full screen", "Standard"}, 2);
    group.show();
    QSignalSpy clicked(&group, &TRadioGroup::clicked);
    group.setItemIndex(0);
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseClick(group.button(1), Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);
    EXPECT_EQ(group.itemIndex(), 1);
}

TEST(RadioGroup, RetextingKeepsTheChoice) {
    TRadioGroup group("", {"a", "b"}, 1);
    group.setItemIndex(1);
    group.setItems({"x", "y"});
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_EQ(group.button(0)->text(), "x");
}

TEST(RadioGroup, ShorterListDropsAChoiceBeyondIt) {
    TRadioGroup group("", {"a", "b", "c"}, 1);
    group.setItemIndex(2);
    group.setItems({"a", "b"});
    EXPECT_EQ(group.count(), 2);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(group.button(2), nullptr);

    group.setItemIndex(1);
    group.setItems({"a", "b", "c", "d"});
    EXPECT_EQ(group.itemIndex(), 1);
}

TEST(RadioGroup, SetItemTextOutOfRangeChangesNothing) {
    TRadioGroup group("", {"a"}, 1);
    group.setItemText(1, "b");
    group.setItemText(-1, "b");
    EXPECT_EQ(group.items(), QStringList{"a"});
}

TEST(RadioGroup, ItemsFillColumnAfterColumn) {
    TRadioGroup group("", {"1", "2", "3", "4", "5"}, 2);
    auto* grid = qobject_cast<QGridLayout*>(group.layout());
    ASSERT_NE(grid, nullptr);
    auto cell = [&](int i) {
        int row, column, rs, cs;
        grid->getItemPosition(grid->indexOf(group.button(i)), &row, &column, &rs, &cs);
        return std::pair{row, column};
    };
    // Three per column: 1 2 3 down the first, 4 5 down the second.
    EXPECT_EQ(cell(2), std::pair(2, 0));
    EXPECT_EQ(cell(3), std::pair(0, 1));
    group.setColumns(5);
    EXPECT_EQ(cell(4), std::pair(0, 4));
    group.setColumns(0); // treated as one column
    EXPECT_EQ(group.columns(), 1);
    EXPECT_EQ(cell(4), std::pair(4, 0));
}

} // namespace
} // namespace veltrane
