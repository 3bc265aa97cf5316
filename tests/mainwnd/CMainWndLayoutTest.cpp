#include "tests/mainwnd/MainWndTestSupport.h"

namespace {

using CMainWndLayoutTest = MainWndTest;

} // namespace

// Today's edge, the selected fill and memo marks are drawn each time. Other windows of the
// session may make the platform cache an object meanwhile, so the test asks for less than
// one object per paint.
TEST_F(CMainWndLayoutTest, PaintingLeavesNoDrawingObjectBehind) {
    constexpr int kPaints = 20;
    WriteMemo("20131205.txt");
    WriteMemo("20131227.txt");
    ShowDate(MakeDate(2013, 12, 6));
    const int before = FreeGdiHandles();
    for (int i = 0; i < kPaints; ++i) {
        Repaint();
    }
    EXPECT_LT(before - FreeGdiHandles(), kPaints);
}

// Both menus show one 設定 and one 移動 menu. The context menu goes first, without taking
// them along; the window then takes the bar and the menus in it. A window never created
// leaves no menu behind.
TEST_F(CMainWndLayoutTest, TheSharedMenusAreReleasedOnceWithTheWindow) {
    const HMENU bar = GetMenu(Window());
    const HMENU settings = GetSubMenu(bar, 1);
    const HMENU jump = GetSubMenu(GetSubMenu(bar, 2), 2);
    const HMENU context = wnd->ContextMenu();
    EXPECT_EQ(GetSubMenu(context, 3), settings);
    EXPECT_EQ(GetSubMenu(context, 4), jump);

    Command(MainWndLayout::kCmdExit);
    Pump();
    EXPECT_TRUE(QuitPosted());
    EXPECT_FALSE(IsMenu(context));
    EXPECT_TRUE(IsMenu(settings));
    EXPECT_TRUE(IsMenu(jump));
    wnd.reset();
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(settings));
    EXPECT_FALSE(IsMenu(jump));

    auto never = std::make_unique<TestMainWnd>();
    const HMENU unused = never->ContextMenu();
    EXPECT_TRUE(IsMenu(unused));
    never.reset();
    EXPECT_FALSE(IsMenu(unused));
}
