#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/CInputBox.h"
#include "tests/framework/DialogTestResources.h"
#include "tests/framework/ScriptedDialog.h"

using RVK::CInputBox;

namespace {

void PostChars(HWND edit, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        ::PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
    }
}

std::string PlatformText(HWND hwnd) {
    char text[64] = {};
    ::GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

} // namespace

TEST(CInputBoxTest, ABoundEditControlOfTheTemplateStillEditsByDefault) {
    CInputBox box;
    std::string typed;
    std::string typedSeenByPlatform;
    LRESULT selection = 0;
    ScriptedDialog dialog;
    dialog.script = [&](ScriptedDialog& d) {
        ASSERT_TRUE(box.Attach(d.Item(IDC_TEST_EDIT)));
        box.SetWindowText("abcd");
        box.SetCaretAfterSecond();
        PostChars(box.GetHandle(), "Z");
        d.PostKey(box.GetHandle(), VK_ESCAPE);
    };
    dialog.beforeEnd = [&](ScriptedDialog&) {
        typed = static_cast<const char*>(box.GetWindowText());
        typedSeenByPlatform = PlatformText(box.GetHandle());
        selection = box.GetSel();
    };
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(typed, "abZcd");
    EXPECT_EQ(typedSeenByPlatform, "abZcd");
    EXPECT_EQ(selection, MAKELONG(3, 3));
}

TEST(CInputBoxTest, TheLimitAndTheReplacementWorkOnTheBoundControl) {
    CInputBox box;
    std::string limited;
    std::string replaced;
    LRESULT modified = 0;
    LRESULT undoable = -1;
    ScriptedDialog dialog;
    dialog.script = [&](ScriptedDialog& d) {
        ASSERT_TRUE(box.Attach(d.Item(IDC_TEST_EDIT)));
        box.LimitText(4);
        PostChars(box.GetHandle(), "2014-");
        d.PostKey(box.GetHandle(), VK_ESCAPE);
    };
    dialog.beforeEnd = [&](ScriptedDialog&) {
        limited = static_cast<const char*>(box.GetWindowText());
        modified = box.GetModify();
        box.LimitText(0);
        box.EmptyUndoBuffer();
        box.ReplaceSel("年１２月");
        replaced = static_cast<const char*>(box.GetWindowText());
        undoable = box.CanUndo();
    };
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(limited, "2014");
    EXPECT_NE(modified, 0);
    EXPECT_EQ(replaced, "2014年１２月");
    // The replacement is made as one that cannot be undone.
    EXPECT_EQ(undoable, 0);
}
