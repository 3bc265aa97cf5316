#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "dialogs/CMemoListDlg.h"
#include "tests/dialogs/MemoFolder.h"
#include "tests/dialogs/UiScript.h"

namespace {

constexpr char kCaption[] = "メモ一覧ダイアログ";
constexpr char kErrorCaption[] = "エラー";
constexpr char kFailureHeading[] = "次のファイルの削除に失敗しました";
constexpr int kSelectAll = 1201;
constexpr int kClear = 1202;
constexpr int kDelete = 1203;

HWND ListOf(HWND dialog) { return FindWindowExA(dialog, nullptr, "SysListView32", nullptr); }

int ItemCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

std::string ItemText(HWND list, int index) {
    char text[MAX_PATH] = {};
    LVITEMA item = {};
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::set<std::string> ItemNames(HWND list) {
    std::set<std::string> names;
    for (int i = 0; i < ItemCount(list); ++i) {
        names.insert(ItemText(list, i));
    }
    return names;
}

bool IsChecked(HWND list, int index) {
    const LRESULT state = SendMessageA(list, LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK);
    return (state >> 12) == 2;
}

int CheckedCount(HWND list) {
    int count = 0;
    for (int i = 0; i < ItemCount(list); ++i) {
        count += IsChecked(list, i) ? 1 : 0;
    }
    return count;
}

// Ticks the check box of every listed name in `names`.
void CheckNames(HWND list, const std::set<std::string>& names) {
    for (int i = 0; i < ItemCount(list); ++i) {
        if (names.count(ItemText(list, i)) != 0) {
            LVITEMA item = {};
            item.stateMask = LVIS_STATEIMAGEMASK;
            item.state = INDEXTOSTATEIMAGEMASK(2);
            SendMessageA(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&item));
        }
    }
}

void WaitForDialog(UiScript& script, HWND& dialog) {
    script.Then("dialog shown", [&dialog] { return (dialog = FindDialog(kCaption)) != nullptr; });
}

TEST(CMemoListDlgTest, ListsEveryTxtEntryAndChecksAllOrNone) {
    MemoFolder memos;
    memos.AddFile("20131227.txt");
    memos.AddFile("20131228.txt");
    memos.AddFile("memo.txt");
    memos.AddFile("notes.doc");
    memos.AddFolder("20140101.txt");
    const std::set<std::string> listed = {"20131227.txt", "20131228.txt", "memo.txt",
                                          "20140101.txt"};
    const std::set<std::string> onDisk = memos.Names();

    CMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    WaitForDialog(script, dialog);
    script.Do("look at the list", [&] {
        HWND list = ListOf(dialog);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(ItemNames(list), listed);
        EXPECT_EQ(CheckedCount(list), 0);
        EXPECT_EQ(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
                  LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), 360);
        RECT frame;
        GetWindowRect(list, &frame);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
        EXPECT_EQ(frame.left, 8);
        EXPECT_EQ(frame.top, 8);
        EXPECT_EQ(frame.right - frame.left, 400);
        EXPECT_EQ(frame.bottom - frame.top, 188);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
        ClickButton(dialog, kSelectAll);
    });
    script.Do("all checked; clear", [&] {
        EXPECT_EQ(CheckedCount(ListOf(dialog)), 4);
        ClickButton(dialog, kClear);
    });
    script.Do("none checked; OK", [&] {
        EXPECT_EQ(CheckedCount(ListOf(dialog)), 0);
        EXPECT_EQ(ItemCount(ListOf(dialog)), 4);
        ClickButton(dialog, IDOK);
    });
    script.Start();
    EXPECT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_TRUE(script.Finish()) << script.Error();
    EXPECT_EQ(memos.Names(), onDisk);
}

TEST(CMemoListDlgTest, DeletesExactlyTheCheckedFiles) {
    MemoFolder memos;
    for (const char* name :
         {"20131201.txt", "20131202.txt", "20131203.txt", "20131204.txt", "memo.txt"}) {
        memos.AddFile(name);
    }
    const std::set<std::string> kept = {"20131202.txt", "20131204.txt", "memo.txt"};

    CMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    WaitForDialog(script, dialog);
    script.Do("check two, delete", [&] {
        CheckNames(ListOf(dialog), {"20131201.txt", "20131203.txt"});
        ClickButton(dialog, kDelete);
    });
    script.Do("both gone, list reloaded; delete with none checked", [&] {
        EXPECT_EQ(FindOwnedDialog(dialog), nullptr);
        EXPECT_EQ(memos.Names(), kept);
        EXPECT_EQ(ItemNames(ListOf(dialog)), kept);
        EXPECT_EQ(CheckedCount(ListOf(dialog)), 0);
        ClickButton(dialog, kDelete);
    });
    script.Do("nothing deleted; Escape", [&] {
        EXPECT_EQ(FindOwnedDialog(dialog), nullptr);
        EXPECT_EQ(memos.Names(), kept);
        EXPECT_EQ(ItemNames(ListOf(dialog)), kept);
        PressKey(VK_ESCAPE);
    });
    script.Start();
    EXPECT_EQ(dlg.DoModal(nullptr), IDCANCEL);
    EXPECT_TRUE(script.Finish()) << script.Error();
}

// A folder named like a memo, a file gone before the press and a file in use cannot be
// deleted; the files checked besides them are, and one message names the three.
TEST(CMemoListDlgTest, GoesOnAfterAFailedDeletionAndNamesTheFailures) {
    MemoFolder memos;
    memos.AddFolder("20140101.txt");
    memos.Base().WriteFile("memo\\20140101.txt\\inside.txt", "kept");
    for (const char* name :
         {"20140102.txt", "20140103.txt", "20140104.txt", "20140105.txt", "20140106.txt"}) {
        memos.AddFile(name);
    }
    const std::set<std::string> failing = {"20140101.txt", "20140102.txt", "20140103.txt"};
    HANDLE inUse = CreateFileA(memos.Path("20140103.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);

    CMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    std::string message;
    WaitForDialog(script, dialog);
    script.Do("check all but one; another program removes one; delete", [&] {
        CheckNames(ListOf(dialog), {"20140101.txt", "20140102.txt", "20140103.txt", "20140104.txt",
                                    "20140105.txt"});
        EXPECT_TRUE(DeleteFileA(memos.Path("20140102.txt").c_str()));
        ClickButton(dialog, kDelete);
    });
    script.Then("one message", [&] {
        HWND box = FindOwnedDialog(dialog);
        if (box == nullptr) {
            return false;
        }
        EXPECT_EQ(WindowText(box), kErrorCaption);
        message = MessageBoxText(box);
        ClickButton(box, IDOK);
        return true;
    });
    script.Then("message closed", [&] { return FindOwnedDialog(dialog) == nullptr; });
    script.Do("list reloaded; close box", [&] {
        EXPECT_EQ(ItemNames(ListOf(dialog)),
                  (std::set<std::string>{"20140101.txt", "20140103.txt", "20140106.txt"}));
        EXPECT_EQ(CheckedCount(ListOf(dialog)), 0);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    script.Start();
    EXPECT_EQ(dlg.DoModal(nullptr), IDCANCEL);
    EXPECT_TRUE(script.Finish()) << script.Error();
    CloseHandle(inUse);

    EXPECT_EQ(message.rfind(kFailureHeading, 0), 0u) << message;
    for (const std::string& name : failing) {
        EXPECT_NE(message.find(name), std::string::npos) << name;
    }
    EXPECT_EQ(message.find("20140104.txt"), std::string::npos);
    EXPECT_EQ(memos.Names(),
              (std::set<std::string>{"20140101.txt", "20140103.txt", "20140106.txt"}));
    EXPECT_EQ(memos.Base().ReadFile("memo\\20140101.txt\\inside.txt"), "kept");
}

// A message box naming hundreds of files would run off the screen: twenty names, then
// how many more.
TEST(CMemoListDlgTest, NamesAtMostTwentyFailures) {
    MemoFolder memos;
    for (int i = 0; i < 22; ++i) {
        memos.AddFolder("folder" + std::to_string(i) + ".txt");
    }
    CMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    std::string message;
    WaitForDialog(script, dialog);
    script.Do("select all, delete", [&] {
        ClickButton(dialog, kSelectAll);
        ClickButton(dialog, kDelete);
    });
    script.Then("message", [&] {
        HWND box = FindOwnedDialog(dialog);
        if (box != nullptr) {
            message = MessageBoxText(box);
            ClickButton(box, IDOK);
            ClickButton(dialog, IDOK);
        }
        return box != nullptr;
    });
    script.Start();
    EXPECT_EQ(dlg.DoModal(nullptr), IDOK);
    EXPECT_TRUE(script.Finish()) << script.Error();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 21) << message;
    EXPECT_NE(message.find("ほか2件"), std::string::npos) << message;
    EXPECT_EQ(memos.Names().size(), 22u);
}

} // namespace
