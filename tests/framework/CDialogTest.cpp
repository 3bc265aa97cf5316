#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "framework/CDialog.h"
#include "tests/framework/DialogTestResources.h"
#include "tests/framework/ScriptedDialog.h"

namespace {

constexpr WORD kMissingResource = 999;

// The width of an icon's image, 0 once the icon is released.
int IconWidth(HICON icon) {
    ICONINFO info = {};
    BITMAP bitmap = {};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return 0;
    }
    ::GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

} // namespace

TEST(CDialogTest, EnterEscapeAndTheCloseBoxEndTheModalDialog) {
    ScriptedDialog byEnter;
    byEnter.script = [](ScriptedDialog& d) { d.PostKey(VK_RETURN); };
    EXPECT_EQ(byEnter.DoModal(nullptr), IDOK);
    EXPECT_EQ(byEnter.okCalls, 1);

    ScriptedDialog byEscape;
    byEscape.script = [](ScriptedDialog& d) { d.PostKey(VK_ESCAPE); };
    EXPECT_EQ(byEscape.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(byEscape.cancelCalls, 1);

    // OnClose ends the dialog itself, before the dialog manager could make it a Cancel.
    ScriptedDialog byCloseBox;
    byCloseBox.script = [](ScriptedDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); };
    EXPECT_EQ(byCloseBox.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(byCloseBox.cancelCalls, 0);
    EXPECT_NE(std::count(byCloseBox.messages.begin(), byCloseBox.messages.end(), WM_CLOSE), 0);
}

TEST(CDialogTest, OKThatDoesNotEndKeepsItOpenAndOtherCommandsReachOnCommand) {
    ScriptedDialog dialog;
    dialog.keepOpenOnOK = true;
    LPARAM other = 0;
    LPARAM edit = 0;
    dialog.script = [&](ScriptedDialog& d) {
        other = reinterpret_cast<LPARAM>(d.GetDlgItem(IDC_TEST_OTHER));
        edit = reinterpret_cast<LPARAM>(d.Edit());
        d.PostKey(VK_RETURN);
        // An accelerator's OK is still OK: only the command id counts.
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, 1), 0);
        ::PostMessageA(d.GetDlgItem(IDC_TEST_OTHER), BM_CLICK, 0, 0);
        ::PostMessageA(d.Edit(), WM_CHAR, 'x', 1);
        d.PostKey(VK_ESCAPE);
    };
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(dialog.okCalls, 2);
    const auto& commands = dialog.commands;
    const auto received = [&](WPARAM wParam, LPARAM lParam) {
        return std::count(commands.begin(), commands.end(), std::make_pair(wParam, lParam));
    };
    EXPECT_EQ(received(MAKEWPARAM(IDC_TEST_OTHER, BN_CLICKED), other), 1);
    EXPECT_EQ(received(MAKEWPARAM(IDC_TEST_EDIT, EN_CHANGE), edit), 1);
    EXPECT_EQ(std::count_if(commands.begin(), commands.end(),
                            [](const auto& c) { return LOWORD(c.first) <= IDCANCEL; }),
              0);
}

TEST(CDialogTest, BindingStartsAtInitDialogWithoutSubclassingAndNeedsATemplate) {
    ScriptedDialog dialog;
    const HWND hwnd = dialog.CreateModeless(nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(::GetPropA(hwnd, "CPP_CLASS"), &dialog);
    EXPECT_TRUE(dialog.IsDialogBound());
    EXPECT_EQ(dialog.ReplacedProc(), 0);
    // The template's font came with WM_SETFONT before WM_INITDIALOG, to no object.
    ASSERT_FALSE(dialog.messages.empty());
    EXPECT_EQ(dialog.messages.front(), static_cast<UINT>(WM_INITDIALOG));
    // Bound, a message without a handler is still left to the dialog manager.
    EXPECT_EQ(RVK::CWindowBase::WndProc(hwnd, WM_SETFONT, 0, 0), 0);

    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(::GetPropA(hwnd, "CPP_CLASS"), nullptr);

    ScriptedDialog missing(kMissingResource);
    EXPECT_EQ(missing.DoModal(nullptr), -1);
    EXPECT_TRUE(missing.messages.empty());
}

TEST(CDialogTest, SetIconGivesTheSmallIconAndTheDialogReleasesWhatItLoaded) {
    HICON first = nullptr;
    HICON second = nullptr;
    int firstWidth = 0;
    {
        ScriptedDialog dialog;
        dialog.script = [&](ScriptedDialog& d) {
            d.SetIcon(IDI_TEST_ICON);
            first = reinterpret_cast<HICON>(d.SendMessage(WM_GETICON, ICON_SMALL, 0));
            firstWidth = IconWidth(first);
            d.SetIcon(IDI_TEST_ICON);
            second = reinterpret_cast<HICON>(d.SendMessage(WM_GETICON, ICON_SMALL, 0));
            d.PostKey(VK_ESCAPE);
        };
        EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
        EXPECT_EQ(firstWidth, 32);
        EXPECT_EQ(IconWidth(first), 0);
        EXPECT_EQ(IconWidth(second), 32);
    }
    EXPECT_EQ(IconWidth(second), 0);
}
