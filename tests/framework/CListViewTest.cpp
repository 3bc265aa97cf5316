#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/CListView.h"

namespace {

// A report list with two text columns in a top-level window of its own.
class CListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(parent.Create(0, 0, 300, 200, nullptr), nullptr);
        ASSERT_NE(list.Create(0, 0, 300, 200, parent.GetHandle()), nullptr);
        ASSERT_EQ(list.InsertColumn(0, 120, "名前"), 0);
        ASSERT_EQ(list.InsertColumn(1, 120, "メモ"), 1);
    }
    std::string Text(int index, int subItem = 0) {
        return static_cast<const char*>(list.GetItemText(index, subItem));
    }

    RVK::CWindow parent{"list", 0};
    CListView list;
};

} // namespace

TEST_F(CListViewTest, CheckStatesNeedTheCheckBoxStyle) {
    list.InsertItem(0, "20131227.txt");
    EXPECT_EQ(list.GetCheck(0), -1);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    list.InsertItem(1, "20140101.txt");
    list.InsertItem(2, "20140102.txt");
    EXPECT_EQ(list.GetCheck(1), 0);
    EXPECT_TRUE(list.SetCheck(1, true));
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetCheck(2), 0);
    EXPECT_TRUE(list.SetCheck(1, false));
    EXPECT_EQ(list.GetCheck(1), 0);
}

TEST_F(CListViewTest, TextsComeBackCutTo259BytesAtTheIndexTheyWereGiven) {
    const std::string longText(300, 'm');
    EXPECT_EQ(list.InsertItem(10, longText.c_str()), 0);
    EXPECT_EQ(list.InsertItem(0, "2013年12月27日"), 0);
    EXPECT_EQ(Text(1), longText.substr(0, 259));
    EXPECT_TRUE(list.SetItemText(0, 1, RVK::CString("金曜日")));
    EXPECT_EQ(Text(0, 1), "金曜日");
    EXPECT_EQ(Text(1, 1), "");
    EXPECT_EQ(Text(5), "");
}
