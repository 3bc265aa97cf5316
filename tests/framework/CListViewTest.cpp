#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "framework/CListView.h"

namespace {

constexpr int kListWidth = 300;
constexpr int kListHeight = 200;
constexpr int kListId = 500;
constexpr int kColumnWidth = 120;

// A list view in report mode with two text columns, in a top-level window of its own.
class CListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(parent.Create("list", 0, 0, kListWidth + 40, kListHeight + 60, nullptr, nullptr),
                  nullptr);
        ASSERT_NE(list.Create(nullptr, 0, 0, kListWidth, kListHeight, parent.GetHandle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId))),
                  nullptr);
        ASSERT_EQ(list.InsertColumn(0, kColumnWidth, "名前"), 0);
        ASSERT_EQ(list.InsertColumn(1, kColumnWidth, "メモ"), 1);
    }

    void AddItems(std::initializer_list<const char*> texts) {
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
    AddItems({"20131227.txt"});
    EXPECT_EQ(list.GetCheck(0), -1);

    list.SetExtendedStyle(LVS_EX_GRIDLINES);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetExtendedStyle(),
              static_cast<DWORD>(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT));

    AddItems({"20140101.txt", "20140102.txt"});
    EXPECT_EQ(list.GetCheck(1), 0);
    EXPECT_TRUE(list.SetCheck(1, true));
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetCheck(2), 0);
    EXPECT_TRUE(list.SetCheck(1, false));
    EXPECT_EQ(list.GetCheck(1), 0);
}

TEST_F(CListViewTest, TextsAreReadBackCutTo259Bytes) {
    const std::string longText(300, 'm');
    AddItems({longText.c_str(), "2013年12月27日"});
    EXPECT_EQ(Text(0), longText.substr(0, 259));
    EXPECT_EQ(Text(1), "2013年12月27日");

    EXPECT_TRUE(list.SetItemText(1, 1, RVK::CString("金曜日")));
    EXPECT_EQ(Text(1, 1), "金曜日");
    EXPECT_EQ(Text(0, 1), "");
    EXPECT_EQ(Text(5), "");
}

TEST_F(CListViewTest, SelectionIsCountedAcrossTheList) {
    AddItems({"a", "b", "c", "d"});
    EXPECT_EQ(list.GetSelectedCount(), 0);
    EXPECT_EQ(list.GetFirstSelected(), -1);

    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 2);
    EXPECT_EQ(list.GetFirstSelected(), 1);
    EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), 3);
}

TEST_F(CListViewTest, InsertingBeyondTheEndAppendsAndDeletingEmptiesTheList) {
    AddItems({"a", "b"});
    EXPECT_EQ(list.InsertItem(10, "z"), 2);
    EXPECT_EQ(list.InsertItem(0, "first"), 0);
    EXPECT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(Text(1), "a");
    EXPECT_EQ(Text(3), "z");

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(Text(0), "a");
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}
