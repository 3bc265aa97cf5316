#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/CInputBox.h"
#include "tests/framework/ScriptedDialog.h"

TEST(CInputBoxTest, AnEditControlOfTheTemplateBoundToABoxStillEdits) {
    RVK::CInputBox box;
    std::string typed;
    std::string replaced;
    LRESULT selection = 0;
    LRESULT undoable = -1;
    ScriptedDialog dialog;
    dialog.script = [&](ScriptedDialog& d) {
        ASSERT_TRUE(box.Attach(d.Edit()));
        // Posted, the caret move applies after the text set here.
        box.SetCaretAfterSecond();
        box.SetWindowText("abcd");
        box.LimitText(6);
        for (const char c : {'Z', 'x', 'y'}) {
            ::PostMessageA(box.GetHandle(), WM_CHAR, c, 1);
        }
        d.PostKey(VK_ESCAPE);
    };
    dialog.beforeCancel = [&](ScriptedDialog&) {
        typed = static_cast<const char*>(box.GetWindowText());
        selection = box.GetSel();
        box.LimitText(0);
        box.EmptyUndoBuffer();
        box.ReplaceSel("年");
        replaced = static_cast<const char*>(box.GetWindowText());
        undoable = box.CanUndo();
    };
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    // 'y' is over the limit.
    EXPECT_EQ(typed, "abZxcd");
    EXPECT_EQ(selection, MAKELONG(4, 4));
    EXPECT_EQ(replaced, "abZx年cd");
    EXPECT_EQ(undoable, 0);
}
