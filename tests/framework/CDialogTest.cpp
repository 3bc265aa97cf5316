#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "framework/CDialog.h"
#include "tests/framework/DialogTestResources.h"
#include "tests/framework/ScriptedDialog.h"

namespace {

constexpr WORD kMissingResource = 999;

bool Contains(const std::vector<std::pair<WPARAM, LPARAM>>& commands, WPARAM wParam,
              LPARAM lParam) {
    return std::find(commands.begin(), commands.end(), std::make_pair(wParam, lParam)) !=
           commands.end();
}

// What reached a dialog procedure before WM_INITDIALOG, seen from a message hook.
struct EarlyMessage {
    UINT msg;
    bool bound;
};

std::vector<EarlyMessage> g_earlyMessages;
bool g_initDialogSeen = false;
LRESULT g_earlySetFontAnswer = -1;

bool IsDialogWithProcedure(HWND hwnd) {
    char className[16] = {};
    ::GetClassNameA(hwnd, className, sizeof(className));
    return std::strcmp(className, "#32770") == 0 && ::GetWindowLongPtrA(hwnd, DWLP_DLGPROC) != 0;
}

LRESULT CALLBACK RecordEarlyMessages(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && !g_initDialogSeen && IsDialogWithProcedure(sent->hwnd)) {
        if (sent->message == WM_INITDIALOG) {
            g_initDialogSeen = true;
        } else {
            g_earlyMessages.push_back(
                {sent->message, ::GetPropA(sent->hwnd, "CPP_CLASS") != nullptr});
        }
        if (sent->message == WM_SETFONT) {
            g_earlySetFontAnswer =
                RVK::CWindowBase::WndProc(sent->hwnd, sent->message, sent->wParam, sent->lParam);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// The width of an icon's image, 0 once the icon is released.
int IconWidth(HICON icon) {
    ICONINFO info = {};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap = {};
    ::GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

HICON SmallIcon(ScriptedDialog& dialog) {
    return reinterpret_cast<HICON>(dialog.SendMessage(WM_GETICON, ICON_SMALL, 0));
}

} // namespace

TEST(CDialogTest, EnterEscapeAndTheCloseBoxEndTheModalDialog) {
    ScriptedDialog byEnter;
    byEnter.script = [](ScriptedDialog& d) { d.PostKey(d.Item(IDC_TEST_EDIT), VK_RETURN); };
    EXPECT_EQ(byEnter.DoModal(nullptr), IDOK);
    EXPECT_EQ(byEnter.okCalls, 1);

    ScriptedDialog byEscape;
    byEscape.script = [](ScriptedDialog& d) { d.PostKey(d.Item(IDC_TEST_EDIT), VK_ESCAPE); };
    EXPECT_EQ(byEscape.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(byEscape.cancelCalls, 1);

    // The close box ends the dialog in OnClose, before the dialog manager could turn the
    // close into a Cancel command.
    ScriptedDialog byCloseBox;
    byCloseBox.script = [](ScriptedDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); };
    EXPECT_EQ(byCloseBox.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(byCloseBox.closeCalls, 1);
    EXPECT_EQ(byCloseBox.cancelCalls, 0);
    EXPECT_EQ(byCloseBox.okCalls, 0);
}

TEST(CDialogTest, ADerivedOnOKThatDoesNotEndKeepsTheDialogOpen) {
    ScriptedDialog dialog;
    dialog.keepOpenOnOK = true;
    dialog.script = [](ScriptedDialog& d) {
        d.PostKey(d.Item(IDC_TEST_EDIT), VK_RETURN);
        // OK sent as an accelerator still is OK: only the command id counts.
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, 1), 0);
        d.PostKey(d.Item(IDC_TEST_EDIT), VK_ESCAPE);
    };
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(dialog.okCalls, 2);
    for (const auto& command : dialog.commands) {
        EXPECT_NE(LOWORD(command.first), IDOK);
    }
}

TEST(CDialogTest, OtherCommandsReachOnCommandWithTheirFullParameters) {
    ScriptedDialog dialog;
    HWND button = nullptr;
    HWND edit = nullptr;
    dialog.script = [&](ScriptedDialog& d) {
        button = d.Item(IDC_TEST_OTHER);
        edit = d.Item(IDC_TEST_EDIT);
        ::PostMessageA(button, BM_CLICK, 0, 0);
        ::PostMessageA(edit, WM_CHAR, 'x', 1);
        d.PostKey(edit, VK_ESCAPE);
    };
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_TRUE(Contains(dialog.commands, MAKEWPARAM(IDC_TEST_OTHER, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button)));
    EXPECT_TRUE(Contains(dialog.commands, MAKEWPARAM(IDC_TEST_EDIT, EN_CHANGE),
                         reinterpret_cast<LPARAM>(edit)));
    EXPECT_EQ(dialog.cancelCalls, 1);
}

TEST(CDialogTest, TheDialogIsBoundOnInitDialogWithoutSubclassing) {
    g_earlyMessages.clear();
    g_initDialogSeen = false;
    const HHOOK hook =
        ::SetWindowsHookExA(WH_CALLWNDPROC, RecordEarlyMessages, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    ScriptedDialog dialog;
    const HWND hwnd = dialog.CreateModeless(nullptr);
    ::UnhookWindowsHookEx(hook);
    ASSERT_NE(hwnd, nullptr);

    EXPECT_EQ(dialog.GetHandle(), hwnd);
    EXPECT_EQ(::GetPropA(hwnd, "CPP_CLASS"), &dialog);
    EXPECT_TRUE(dialog.IsDialogBound());
    EXPECT_EQ(dialog.ReplacedProc(), 0);
    EXPECT_EQ(::GetWindowLongPtrA(hwnd, DWLP_DLGPROC),
              reinterpret_cast<LONG_PTR>(&RVK::CWindowBase::WndProc));

    // WM_SETFONT comes before WM_INITDIALOG: it finds no object and is answered 0.
    ASSERT_FALSE(g_earlyMessages.empty());
    EXPECT_TRUE(std::any_of(g_earlyMessages.begin(), g_earlyMessages.end(),
                            [](const EarlyMessage& m) { return m.msg == WM_SETFONT; }));
    EXPECT_TRUE(std::none_of(g_earlyMessages.begin(), g_earlyMessages.end(),
                             [](const EarlyMessage& m) { return m.bound; }));
    EXPECT_EQ(g_earlySetFontAnswer, 0);
    ASSERT_FALSE(dialog.messages.empty());
    EXPECT_EQ(dialog.messages.front(), static_cast<UINT>(WM_INITDIALOG));

    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(::GetPropA(hwnd, "CPP_CLASS"), nullptr);
    EXPECT_TRUE(dialog.UpdateData());
}

TEST(CDialogTest, AMissingTemplateRunsNoHandler) {
    ScriptedDialog dialog(kMissingResource);
    EXPECT_EQ(dialog.DoModal(nullptr), -1);
    EXPECT_TRUE(dialog.messages.empty());
    EXPECT_EQ(dialog.CreateModeless(nullptr), nullptr);
}

TEST(CDialogTest, SetIconGivesTheSmallIconAndTheDialogReleasesWhatItLoaded) {
    HICON first = nullptr;
    HICON second = nullptr;
    int firstWidth = 0;
    int firstWidthAfterReplace = -1;
    HICON missing = nullptr;
    {
        ScriptedDialog dialog;
        dialog.script = [&](ScriptedDialog& d) {
            d.SetIcon(IDI_TEST_ICON);
            first = SmallIcon(d);
            firstWidth = IconWidth(first);
            d.SetIcon(IDI_TEST_ICON);
            second = SmallIcon(d);
            firstWidthAfterReplace = IconWidth(first);
            d.PostKey(d.Item(IDC_TEST_EDIT), VK_ESCAPE);
        };
        EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
        EXPECT_EQ(IconWidth(second), 32);

        ScriptedDialog without;
        without.script = [&](ScriptedDialog& d) {
            d.SetIcon(kMissingResource);
            missing = SmallIcon(d);
            d.PostKey(d.Item(IDC_TEST_EDIT), VK_ESCAPE);
        };
        EXPECT_EQ(without.DoModal(nullptr), IDCANCEL);
    }
    EXPECT_EQ(firstWidth, 32);
    EXPECT_NE(second, first);
    EXPECT_EQ(firstWidthAfterReplace, 0);
    EXPECT_EQ(IconWidth(second), 0);
    EXPECT_EQ(missing, nullptr);
}
