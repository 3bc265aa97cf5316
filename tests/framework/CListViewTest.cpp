#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/CListView.h"

// A report list with two text columns in a top-level window of its own.
TEST(CListViewTest, CheckStatesNeedTheCheckBoxStyleAndTextsComeBackCutTo259Bytes) {
    RVK::CWindow parent("list", 0);
    CListView list;
    ASSERT_NE(parent.Create(0, 0, 300, 200, nullptr), nullptr);
    ASSERT_NE(list.Create(0, 0, 300, 200, parent.GetHandle()), nullptr);
    ASSERT_EQ(list.InsertColumn(0, 120, "名前"), 0);
    ASSERT_EQ(list.InsertColumn(1, 120, "メモ"), 1);
    const auto text = [&](int index, int subItem) {
        return std::string(static_cast<const char*>(list.GetItemText(index, subItem)));
    };

    const std::string longText(300, 'm');
    EXPECT_EQ(list.InsertItem(10, longText.c_str()), 0);
    EXPECT_EQ(list.GetCheck(0), -1);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.InsertItem(0, "2013年12月27日"), 0);
    list.InsertItem(2, "20140102.txt");
    EXPECT_EQ(list.GetCheck(0), 0);
    EXPECT_TRUE(list.SetCheck(0, true));
    EXPECT_EQ(list.GetCheck(0), 1);
    EXPECT_EQ(list.GetCheck(2), 0);
    EXPECT_TRUE(list.SetCheck(0, false));
    EXPECT_EQ(list.GetCheck(0), 0);

    EXPECT_EQ(text(1, 0), longText.substr(0, 259));
    EXPECT_TRUE(list.SetItemText(0, 1, RVK::CString("金曜日")));
    EXPECT_EQ(text(0, 1), "金曜日");
    EXPECT_EQ(text(1, 1), "");
    EXPECT_EQ(text(5, 0), "");
}
