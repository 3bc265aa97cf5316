#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialogs/CMemoSearchDlg.h"
#include "memo/CMemoTextCache.h"
#include "tests/mainwnd/MainWndTestSupport.h"

namespace {

constexpr char kCaption[] = "メモの検索";
constexpr int kWords = 1001;
constexpr int kSearch = 1002;
constexpr int kResults = 1003;
constexpr int kStatus = 1004;

using CMemoSearchDlgTest = MainWndTest;

std::string Status(HWND dialog) { return WindowText(GetDlgItem(dialog, kStatus)); }

int Listed(HWND dialog) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, kResults), LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ItemText(HWND dialog, int item, int column) {
    wchar_t text[256] = {};
    LVITEMW asked = {};
    asked.iSubItem = column;
    asked.pszText = text;
    asked.cchTextMax = 256;
    SendMessageW(GetDlgItem(dialog, kResults), LVM_GETITEMTEXTW, item,
                 reinterpret_cast<LPARAM>(&asked));
    return text;
}

// Types the words with the W call, as a paste would bring them, and presses 検索.
void SearchFor(HWND dialog, const wchar_t* words) {
    SetWindowTextW(GetDlgItem(dialog, kWords), words);
    ClickButton(dialog, kSearch);
}

UiScript::Step StatusIs(HWND& dialog, const char* status) {
    return [&dialog, status] { return Status(dialog) == status; };
}

} // namespace

// December 2013 starts on a Sunday. "²" is no "2": words that Shift-JIS cannot spell are
// searched as they are.
TEST_F(CMemoSearchDlgTest, ListsTheMemosWithTheWordsAndJumpsToTheOneChosen) {
    folder.WriteFile(MemoFile("20131205.txt"), u8"Kalvo\r\n会議の予定");
    folder.WriteFile(MemoFile("20131203.txt"), "nothing");
    folder.WriteFile(MemoFile("20131202.txt"), "x2y");
    folder.WriteFile(MemoFile("20131201.txt"), u8"予定 x²y");
    folder.MakeFolder(MemoFile("20131206.txt"));
    wnd->realDialogs = true;
    const auto runSearch = [&](const std::function<void(UiScript&, HWND&)>& steps) {
        UiScript script;
        HWND dialog = nullptr;
        script.WaitFor(dialog, kCaption, Window());
        steps(script, dialog);
        script.Run([&] { Command(MainWndLayout::kCmdSearchMemo); });
    };
    runSearch([](UiScript& script, HWND& dialog) {
        script.Do("only spaces", [&] {
            // On Windows an ANSI edit box keeps only what the code page spells.
            EXPECT_TRUE(IsWindowUnicode(GetFocus()));
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kWords));
            SearchFor(dialog, L" 　 ");
        });
        script.Then("no search", StatusIs(dialog, "検索する言葉を入力してください"));
        script.Do("予定", [&] { SearchFor(dialog, L"予定"); });
        script.Then("two found", StatusIs(dialog, "2件見つかりました（読み取れないメモ 1件）"));
        script.Do("newest first; the superscript two", [&] {
            EXPECT_EQ(Listed(dialog), 2);
            EXPECT_EQ(ItemText(dialog, 0, 0), L"2013年12月05日（木）");
            EXPECT_EQ(ItemText(dialog, 0, 1), L"会議の予定");
            EXPECT_EQ(ItemText(dialog, 1, 1), L"予定 x\u00B2y");
            SearchFor(dialog, L"\u00B2");
        });
        script.Then("one found", StatusIs(dialog, "1件見つかりました（読み取れないメモ 1件）"));
        script.Do("Enter on the list", [&] {
            EXPECT_EQ(ItemText(dialog, 0, 0), L"2013年12月01日（日）");
            SetFocus(GetDlgItem(dialog, kResults));
            PressKey(VK_RETURN);
        });
    });
    EXPECT_EQ(wnd->Selected(), MakeDate(2013, 12, 1));
    const RECT monthArea = {0, 0, 232, 300};
    const RECT pending = PendingPaint();
    EXPECT_TRUE(EqualRect(&pending, &monthArea));
    runSearch([](UiScript& script, HWND& dialog) {
        script.Do("予定", [&] { SearchFor(dialog, L"予定"); });
        script.Then("two found", StatusIs(dialog, "2件見つかりました（読み取れないメモ 1件）"));
        script.Do("移動: the first is chosen", [&] { ClickButton(dialog, IDOK); });
    });
    EXPECT_EQ(wnd->Selected(), MakeDate(2013, 12, 5));
    runSearch([](UiScript& script, HWND& dialog) {
        script.Do("予定", [&] { SearchFor(dialog, L"予定"); });
        script.Then("two found", StatusIs(dialog, "2件見つかりました（読み取れないメモ 1件）"));
        script.Do("double click on the second", [&] {
            const HWND list = GetDlgItem(dialog, kResults);
            RECT item = {LVIR_LABEL, 0, 0, 0};
            SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
            SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                         MAKELPARAM(item.left + 4, item.top + 4));
        });
    });
    EXPECT_EQ(wnd->Selected(), MakeDate(2013, 12, 1));
    char text[64] = {};
    GetMenuStringA(GetMenu(Window()), MainWndLayout::kCmdSearchMemo, text, sizeof text,
                   MF_BYCOMMAND);
    EXPECT_STREQ(text, "メモを検索…");
}

// A memo of half a gigabyte, sparse so that it costs no time to make, keeps a search busy
// for seconds: a second 検索 stops it within a chunk, and so does Esc, which closes the
// dialog.
TEST_F(CMemoSearchDlgTest, ASecondSearchOrEscStopsARunningSearch) {
    folder.WriteFile(MemoFile("20131201.txt"), "word");
    const std::string big = folder.File(MemoFile("20131231.txt"));
    const HANDLE file = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = 1LL << 29;
    EXPECT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    CMemoTextCache cache;
    CMemoSearchDlg dlg(cache);
    UiScript script;
    HWND dialog = nullptr;
    script.WaitFor(dialog, kCaption).Do("word", [&] { SearchFor(dialog, L"word"); });
    script.Then("in the big memo", StatusIs(dialog, "2件中 0件を検索しました"));
    script.Do("検索 again", [&] { ClickButton(dialog, kSearch); });
    script.Then("stopped", StatusIs(dialog, "中止しました（2件中 0件を検索、0件見つかりました）"));
    script.Do("word", [&] { SearchFor(dialog, L"word"); });
    script.Then("in the big memo", StatusIs(dialog, "2件中 0件を検索しました"));
    script.Do("Esc", [&] { PressKey(VK_ESCAPE); });
    EXPECT_EQ(script.RunModal(dlg), IDCANCEL);
    EXPECT_TRUE(DeleteFileA(big.c_str()));
}
