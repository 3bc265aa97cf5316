#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "dialogs/CMemoListDlg.h"
#include "tests/mainwnd/MainWndTestSupport.h"
#include "tests/memo/NoRecycleBin.h"

namespace {

constexpr char kCaption[] = "メモ一覧ダイアログ";
constexpr int kSelectAll = 1201;
constexpr int kClear = 1202;
constexpr int kDelete = 1203;

using Names = std::set<std::string>;
using CMemoListDlgTest = SettingsTest;

// The memo list with its list open to the test.
class TestMemoListDlg : public CMemoListDlg {
public:
    // The names listed, each checked one with a "+" after it.
    Names Listed() {
        Names listed;
        for (int i = 0; i < m_listView.GetItemCount(); ++i) {
            listed.insert(std::string(m_listView.GetItemText(i, 0)) +
                          (m_listView.GetCheck(i) > 0 ? "+" : ""));
        }
        return listed;
    }
    void Check(const Names& names) {
        for (int i = 0; i < m_listView.GetItemCount(); ++i) {
            m_listView.SetCheck(i, names.count(std::string(m_listView.GetItemText(i, 0))) != 0);
        }
    }
};

// The entries of a folder, without "." and "..".
Names NamesIn(const std::string& folder) {
    Names names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &entry)) {
        names.insert(entry.cFileName);
    }
    FindClose(search);
    names.erase(".");
    names.erase("..");
    return names;
}

} // namespace

// Every ".txt" entry is listed, a folder too. The folder, a file gone before the press
// and a file in use cannot be deleted; the other checked files are, and one message
// names the three.
TEST_F(CMemoListDlgTest, ChecksAllOrNoneAndDeletesExactlyTheCheckedFiles) {
    folder.MakeFolder(MemoFile("20140101.txt"));
    folder.WriteFile(MemoFile("20140101.txt\\inside.txt"), "kept");
    for (const char* name : {"20140102.txt", "20140103.txt", "20140104.txt", "20140105.txt",
                             "20140106.txt", "notes.doc"}) {
        WriteMemo(name, name);
    }
    const HANDLE inUse = CreateFileA(folder.File(MemoFile("20140103.txt")).c_str(), GENERIC_READ,
                                     FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
    const Names all = {"20140101.txt", "20140102.txt", "20140103.txt",
                       "20140104.txt", "20140105.txt", "20140106.txt"};
    const Names left = {"20140101.txt", "20140103.txt", "20140106.txt"};
    TestMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    SeenBox failure;
    script.WaitFor(dialog, kCaption).Do("listed; select all", [&] {
        EXPECT_EQ(dlg.Listed(), all);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
        ClickButton(dialog, kSelectAll);
    });
    script.Do("all checked; clear", [&] {
        const Names listed = dlg.Listed();
        for (const std::string& name : all) {
            EXPECT_EQ(listed.count(name + "+"), 1u) << name;
        }
        ClickButton(dialog, kClear);
    });
    script.Do("none checked; check all but one, one goes meanwhile; delete", [&] {
        EXPECT_EQ(dlg.Listed(), all);
        dlg.Check({"20140101.txt", "20140102.txt", "20140103.txt", "20140104.txt", "20140105.txt"});
        EXPECT_TRUE(DeleteFileA(folder.File(MemoFile("20140102.txt")).c_str()));
        ClickButton(dialog, kDelete);
    });
    script.AnswerBox(dialog, failure).Do("list reloaded; delete with none checked", [&] {
        EXPECT_EQ(dlg.Listed(), left);
        ClickButton(dialog, kDelete);
    });
    script.Do("no message; close box", [&] {
        EXPECT_EQ(FindShown(nullptr, dialog), nullptr);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(script.RunModal(dlg), IDCANCEL);
    CloseHandle(inUse);
    EXPECT_EQ(failure.caption, "エラー");
    EXPECT_EQ(failure.text.rfind("次のファイルの削除に失敗しました\n", 0), 0u) << failure.text;
    EXPECT_EQ(std::count(failure.text.begin(), failure.text.end(), '\n'), 3) << failure.text;
    for (const char* name : {"20140101.txt", "20140102.txt", "20140103.txt"}) {
        EXPECT_NE(failure.text.find(name), std::string::npos) << name;
    }
    EXPECT_EQ(NamesIn(folder.File("memo")),
              (Names{"20140101.txt", "20140103.txt", "20140106.txt", "notes.doc"}));
    EXPECT_EQ(folder.ReadFile(MemoFile("20140101.txt\\inside.txt")), "kept");
    EXPECT_EQ(TakeFromTrash("20140104.txt"), "20140104.txt");
}

// Without a Recycle Bin one question covers a whole press. Files kept on "no" are not
// failures; a read-only file is, and stays whatever the answer.
TEST_F(CMemoListDlgTest, WithoutARecycleBinAPressAsksOnceForAllItsFiles) {
    const NoRecycleBin noBin;
    for (const char* name : {"20140101.txt", "20140102.txt", "20140103.txt"}) {
        WriteMemo(name, name);
    }
    const std::string readOnly = folder.File(MemoFile("20140102.txt"));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    CMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    std::string questions[2];
    SeenBox failures[2];
    const auto deleteAll = [&] {
        ClickButton(dialog, kSelectAll);
        ClickButton(dialog, kDelete);
    };
    script.WaitFor(dialog, kCaption).Do("select all, delete", deleteAll);
    AnswerDeleteForGood(script, dialog, IDNO, questions[0]);
    script.AnswerBox(dialog, failures[0]).Do("select all, delete", [&] {
        EXPECT_EQ(NamesIn(folder.File("memo")).size(), 3u);
        deleteAll();
    });
    AnswerDeleteForGood(script, dialog, IDYES, questions[1]);
    script.AnswerBox(dialog, failures[1]).Do("OK", [&] { ClickButton(dialog, IDOK); });
    EXPECT_EQ(script.RunModal(dlg), IDOK);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(questions[i], kDeleteForGoodQuestion);
        EXPECT_EQ(failures[i].text, "次のファイルの削除に失敗しました\n20140102.txt");
    }
    EXPECT_EQ(NamesIn(folder.File("memo")), Names{"20140102.txt"});
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A message box naming hundreds of files would run off the screen: twenty names, then
// how many more.
TEST_F(CMemoListDlgTest, NamesAtMostTwentyFailures) {
    for (int i = 0; i < 22; ++i) {
        folder.MakeFolder(MemoFile("folder" + std::to_string(i) + ".txt"));
    }
    CMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    SeenBox failure;
    script.WaitFor(dialog, kCaption).Do("select all, delete", [&] {
        ClickButton(dialog, kSelectAll);
        ClickButton(dialog, kDelete);
    });
    script.AnswerBox(dialog, failure).Do("OK", [&] { ClickButton(dialog, IDOK); });
    EXPECT_EQ(script.RunModal(dlg), IDOK);
    EXPECT_EQ(std::count(failure.text.begin(), failure.text.end(), '\n'), 21) << failure.text;
    EXPECT_NE(failure.text.find("ほか2件"), std::string::npos) << failure.text;
    EXPECT_EQ(NamesIn(folder.File("memo")).size(), 22u);
}

// A name the ANSI code page cannot spell comes back from the directory search as "??.txt".
// Deleting it by that name must not take the other files its '?' would match.
TEST_F(CMemoListDlgTest, ANameWithoutAnAnsiSpellingDeletesNothingElse) {
    WriteMemo("ab.txt");
    WriteMemo("20140101.txt");
    wchar_t memoFolder[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, folder.File("memo\\").c_str(), -1, memoFolder, MAX_PATH);
    const HANDLE file = CreateFileW((std::wstring(memoFolder) + L"\xD55C\xAE00.txt").c_str(),
                                    GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    TestMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    SeenBox failure;
    script.WaitFor(dialog, kCaption).Do("check all but ab.txt; delete", [&] {
        dlg.Check({"20140101.txt", "??.txt"});
        ClickButton(dialog, kDelete);
    });
    script.AnswerBox(dialog, failure).Do("OK", [&] { ClickButton(dialog, IDOK); });
    EXPECT_EQ(script.RunModal(dlg), IDOK);
    EXPECT_NE(failure.text.find("??.txt"), std::string::npos) << failure.text;
    EXPECT_EQ(NamesIn(folder.File("memo")), (Names{"ab.txt", "??.txt"}));
}

// December 2013 starts on a Sunday: the 5th's memo mark is centred at (162, 110).
TEST_F(MainWndTest, TheMemoListRefreshesTheMonthEvenWhenClosedByTheCloseBox) {
    wnd->realDialogs = true;
    WriteMemo("20131205.txt");
    ShowDate(MakeDate(2013, 12, 20));
    ASSERT_EQ(Pixel(162, 110), TestColors::kMemodayMark);
    const HWND main = Window();
    HWND dialog = nullptr;
    UiScript script;
    script.WaitFor(dialog, kCaption, main).Do("move off the month, delete the memo", [&] {
        SetWindowPos(dialog, nullptr, 600, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ClickButton(dialog, kSelectAll);
        ClickButton(dialog, kDelete);
    });
    script.Do("close box", [&] {
        EXPECT_FALSE(MemoExists("20131205.txt"));
        ValidateRect(main, nullptr);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    script.Run([&] { Key('L', true); });
    RECT pending = {};
    EXPECT_TRUE(GetUpdateRect(main, &pending, FALSE));
    EXPECT_TRUE(PtInRect(&pending, {162, 110}));
    EXPECT_EQ(Pixel(162, 110), TestColors::kCalendarBack);
}

// A list that was never made must not make the whole screen repaint.
TEST_F(MainWndTest, AMemoListWithoutItsListRepaintsNothing) {
    Repaint();
    CMemoListDlg dlg;
    EXPECT_EQ(dlg.SelectAll(), 0);
    const RECT pending = PendingPaint();
    EXPECT_TRUE(IsRectEmpty(&pending));
}
