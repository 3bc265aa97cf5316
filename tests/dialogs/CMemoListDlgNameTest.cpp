#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "dialogs/CMemoListDlg.h"
#include "tests/dialogs/MemoFolder.h"
#include "tests/dialogs/UiScript.h"

namespace {

constexpr char kCaption[] = "メモ一覧ダイアログ";
constexpr int kDelete = 1203;

// A name the ANSI code page cannot spell: the directory search gives "??.txt" for it.
constexpr wchar_t kUnspellableName[] = L"\xD55C\xAE00.txt";
constexpr char kUnspellableAnsiName[] = "??.txt";

// A file whose name has no Shift-JIS spelling comes back from the ANSI directory search
// with '?' in it. Deleting it by that name must not delete the other files that the '?'
// would match as a wildcard.
TEST(CMemoListDlgNameTest, ANameWithoutAnAnsiSpellingDeletesNothingElse) {
    MemoFolder memos;
    memos.AddFile("ab.txt");
    memos.AddFile("20140101.txt");
    wchar_t folder[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, memos.Path("").c_str(), -1, folder, MAX_PATH);
    HANDLE file = CreateFileW((std::wstring(folder) + kUnspellableName).c_str(), GENERIC_WRITE, 0,
                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    ASSERT_EQ(memos.Names(),
              (std::set<std::string>{"20140101.txt", "ab.txt", kUnspellableAnsiName}));

    CMemoListDlg dlg;
    UiScript script;
    HWND dialog = nullptr;
    std::string message;
    script.Then("dialog shown", [&dialog] { return (dialog = FindDialog(kCaption)) != nullptr; });
    script.Do("delete the memo and the unspellable name", [&] {
        HWND list = FindWindowExA(dialog, nullptr, "SysListView32", nullptr);
        for (int i = 0; i < static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); ++i) {
            char text[MAX_PATH] = {};
            LVITEMA item = {};
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
            if (std::string(text) != "ab.txt") {
                item.stateMask = LVIS_STATEIMAGEMASK;
                item.state = INDEXTOSTATEIMAGEMASK(2);
                SendMessageA(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&item));
            }
        }
        ClickButton(dialog, kDelete);
    });
    script.Then("the name is reported", [&] {
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
    EXPECT_NE(message.find(kUnspellableAnsiName), std::string::npos) << message;
    EXPECT_EQ(memos.Names(), (std::set<std::string>{"ab.txt", kUnspellableAnsiName}));
}

} // namespace
