#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "framework/CListView.h"

namespace {

// A report list with two text columns in a top-level window of its own.
class CListViewTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 200;
    static constexpr int kColumnWidth = 120;

    void SetUp() override {
        ASSERT_NE(parent.Create(0, 0, kWidth, kHeight, nullptr), nullptr);
        ASSERT_NE(list.Create(0, 0, kWidth, kHeight, parent.GetHandle()), nullptr);
        ASSERT_EQ(list.InsertColumn(0, kColumnWidth, "名前"), 0);
        ASSERT_EQ(list.InsertColumn(1, kColumnWidth, "メモ"), 1);
    }
    void Add(std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            list.InsertItem(list.GetItemCount(), text);
        }
    }
    std::string Text(int index, int subItem = 0) {
        return static_cast<const char*>(list.GetItemText(index, subItem));
    }

    RVK::CWindow parent{"list", 0};
    CListView list;
};

} // namespace

TEST_F(CListViewTest, CheckStatesNeedTheCheckBoxStyle) {
    Add({"20131227.txt"});
    EXPECT_EQ(list.GetCheck(0), -1);
    list.SetExtendedStyle(LVS_EX_GRIDLINES);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetExtendedStyle(), DWORD{LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT});

    Add({"20140101.txt", "20140102.txt"});
    EXPECT_EQ(list.GetCheck(1), 0);
    EXPECT_TRUE(list.SetCheck(1, true));
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetCheck(2), 0);
    EXPECT_TRUE(list.SetCheck(1, false));
    EXPECT_EQ(list.GetCheck(1), 0);
}

TEST_F(CListViewTest, TextsComeBackCutTo259Bytes) {
    const std::string longText(300, 'm');
    Add({longText.c_str(), "2013年12月27日"});
    EXPECT_EQ(Text(0), longText.substr(0, 259));
    EXPECT_EQ(Text(1), "2013年12月27日");
    EXPECT_TRUE(list.SetItemText(1, 1, RVK::CString("金曜日")));
    EXPECT_EQ(Text(1, 1), "金曜日");
    EXPECT_EQ(Text(0, 1), "");
    EXPECT_EQ(Text(5), "");
}

TEST_F(CListViewTest, SelectionAndInsertionPositions) {
    Add({"a", "b", "c", "d"});
    EXPECT_EQ(list.GetSelectedCount(), 0);
    EXPECT_EQ(list.GetFirstSelected(), -1);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 2);
    EXPECT_EQ(list.GetFirstSelected(), 1);

    EXPECT_EQ(list.InsertItem(10, "z"), 4);
    EXPECT_EQ(list.InsertItem(0, "first"), 0);
    EXPECT_EQ(Text(1), "a");
    EXPECT_EQ(Text(5), "z");
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}
