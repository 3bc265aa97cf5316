#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "app/CSystemData.h"
#include "dialogs/CMemoListDlg.h"
#include "tests/mainwnd/MainWndTestSupport.h"
#include "tests/memo/NoRecycleBin.h"

namespace {

constexpr char kCaption[] = "メモ一覧ダイアログ";
constexpr int kSelectAll = 1201;
constexpr int kClear = 1202;
constexpr int kDelete = 1203;

using Names = std::set<std::string>;
using WideNames = std::set<std::wstring>;
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
    // LVM_GETITEMTEXTW: the name as the list shows it.
    std::wstring NameAt(int index) {
        wchar_t text[MAX_PATH] = {};
        LVITEMW item = {};
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        SendMessageW(List(), LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    WideNames Checked() {
        WideNames checked;
        for (int i = 0; i < m_listView.GetItemCount(); ++i) {
            if (m_listView.GetCheck(i) > 0) {
                checked.insert(NameAt(i));
            }
        }
        return checked;
    }
    void CheckAllBut(const WideNames& names) {
        for (int i = 0; i < m_listView.GetItemCount(); ++i) {
            m_listView.SetCheck(i, names.count(NameAt(i)) == 0);
        }
    }
    HWND List() const { return m_listView.GetHandle(); }
};

// Creates a memo through the UTF-16 calls, with a name the ANSI calls cannot spell.
void WriteMemoW(const std::wstring& name) {
    const std::wstring path = CSystemData::GetInstance()->GetMemoDirW() + L"\\" + name;
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
}

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

// The ANSI search spells "¥" as "\\": "..¥victim.txt" read as "..\\victim.txt" named a
// file beside the memo folder, and "x¥..¥20131227.txt" the memo of 27 December. Names are
// listed and deleted exactly as the file system spells them, a Korean one too.
TEST_F(CMemoListDlgTest, NamesTheCodePageCannotSpellAreListedAndDeletedExactly) {
    const WideNames odd = {L"..\u00A5victim.txt", L"x\u00A5..\u00A520131227.txt",
                           L"\uD55C\uAE00.txt"};
    for (const std::wstring& name : odd) {
        WriteMemoW(name);
    }
    WriteMemo("20131227.txt", "the real memo");
    WriteMemo("ab.txt", "ab");
    folder.WriteFile("victim.txt", "beside the program");
    WideNames listed;
    TestMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    script.WaitFor(dialog, kCaption).Do("check all but the two; delete", [&] {
        for (int i = 0; i < 5; ++i) {
            listed.insert(dlg.NameAt(i));
        }
        dlg.CheckAllBut({L"20131227.txt", L"ab.txt"});
        ClickButton(dialog, kDelete);
    });
    script.Then("deleted", [&] { return NamesIn(folder.File("memo")).size() == 2; });
    script.Do("no message; OK", [&] {
        EXPECT_EQ(FindShown(nullptr, dialog), nullptr);
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(script.RunModal(dlg), IDOK);
    WideNames expected = odd;
    expected.insert({L"20131227.txt", L"ab.txt"});
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(NamesIn(folder.File("memo")), (Names{"20131227.txt", "ab.txt"}));
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt")), "the real memo");
    EXPECT_EQ(folder.ReadFile("victim.txt"), "beside the program");
}

// The bin is there but takes no file: the shell would ask once per file. Kalvo asks once
// per press, and "no" keeps every memo of the press.
TEST_F(CMemoListDlgTest, ABinThatRefusesEveryFileAsksOncePerPress) {
    const NoRecycleBin refusing("\\files");
    for (const char* name : {"20140101.txt", "20140102.txt", "20140103.txt"}) {
        WriteMemo(name, name);
    }
    CMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    std::string questions[2];
    const auto deleteAll = [&] {
        ClickButton(dialog, kSelectAll);
        ClickButton(dialog, kDelete);
    };
    script.WaitFor(dialog, kCaption).Do("select all, delete", deleteAll);
    AnswerDeleteForGood(script, dialog, IDNO, questions[0]);
    script.Do("all kept, no message; select all, delete", [&] {
        EXPECT_EQ(NamesIn(folder.File("memo")).size(), 3u);
        EXPECT_EQ(FindShown(nullptr, dialog), nullptr);
        deleteAll();
    });
    AnswerDeleteForGood(script, dialog, IDYES, questions[1]);
    script.Then("deleted", [&] { return NamesIn(folder.File("memo")).empty(); });
    script.Do("no message; OK", [&] {
        EXPECT_EQ(FindShown(nullptr, dialog), nullptr);
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(script.RunModal(dlg), IDOK);
    EXPECT_EQ(questions[0], kDeleteForGoodQuestion);
    EXPECT_EQ(questions[1], kDeleteForGoodQuestion);
}

// The list keeps no checks of its own: a click on the box, the space key and the list's
// own LVM_SETITEMSTATE each turn the one item's check over, once. Typing finds a name.
TEST_F(CMemoListDlgTest, ClickSpaceAndTheListsOwnMessageEachToggleOneCheck) {
    for (const char* name : {"20140101.txt", "20140102.txt", "20140103.txt"}) {
        WriteMemo(name);
    }
    TestMemoListDlg dlg;
    const auto click = [&] {
        LVHITTESTINFO hit = {};
        RECT bounds = {};
        bounds.left = LVIR_BOUNDS;
        SendMessageA(dlg.List(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&bounds));
        hit.pt = {bounds.left, (bounds.top + bounds.bottom) / 2};
        while (hit.flags != LVHT_ONITEMSTATEICON && hit.pt.x < bounds.right) {
            ++hit.pt.x;
            SendMessageA(dlg.List(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        }
        PostMessageA(dlg.List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
        PostMessageA(dlg.List(), WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
    };
    const auto space = [&] {
        SetFocus(dlg.List());
        LVITEMA focus = {};
        focus.state = focus.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
        SendMessageA(dlg.List(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&focus));
        PressKey(VK_SPACE);
    };
    const auto message = [&](bool checked) {
        LVITEMA check = {};
        check.stateMask = LVIS_STATEIMAGEMASK;
        check.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
        SendMessageA(dlg.List(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&check));
    };
    const std::function<void()> toggles[] = {
        click, space, click, space, [&] { message(true); }, [&] { message(false); }};
    UiScript script;
    HWND dialog = nullptr;
    script.WaitFor(dialog, kCaption);
    for (int i = 0; i < 6; ++i) {
        const bool checked = i % 2 == 0;
        script.Do("toggle", toggles[i]).Then(checked ? "checked" : "unchecked", [&dlg, checked] {
            return dlg.Checked() == (checked ? WideNames{dlg.NameAt(1)} : WideNames{});
        });
    }
    script.Do("find a name; OK", [&] {
        const std::wstring third = dlg.NameAt(2);
        LVFINDINFOW find = {};
        find.flags = LVFI_STRING;
        find.psz = third.c_str();
        EXPECT_EQ(SendMessageW(dlg.List(), LVM_FINDITEMW, 0, reinterpret_cast<LPARAM>(&find)), 2);
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(script.RunModal(dlg), IDOK);
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
    script.Then("deleted", [&] { return !MemoExists("20131205.txt"); }).Do("close box", [&] {
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
