#include "tests/mainwnd/MainWndTestSupport.h"

#include "tests/support/GdiCanvas.h"

namespace {

class CMainWndLayoutTest : public MainWndTest {
protected:
    // A spot of a button's face: inside its raised edge, left of its centred text.
    COLORREF ButtonFace(int id) {
        RECT place = {};
        GetWindowRect(GetDlgItem(Window(), id), &place);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&place), 2);
        return Pixel(place.left + 3, place.bottom - 4);
    }
};

} // namespace

TEST_F(CMainWndLayoutTest, BackgroundLabelsAndButtonsShowTheirColours) {
    OpenWindow();
    Repaint();
    EXPECT_EQ(Pixel(300, 350), TestColors::kCalendarBack);
    EXPECT_EQ(Pixel(4, 4), TestColors::kCalendarBack);
    // The label "年": its own background is not filled, its text in the text colour.
    EXPECT_GT(CountPixels({280, 72, 344, 96}, TestColors::kCalendarText), 0);
    EXPECT_EQ(Pixel(281, 73), TestColors::kCalendarBack);
    EXPECT_EQ(ButtonFace(1203), TestColors::kButtonBack);
    EXPECT_GT(CountPixels({248, 200, 376, 224}, TestColors::kButtonText), 0);
}

TEST_F(CMainWndLayoutTest, ReloadColorsRecoloursEverythingAtOnce) {
    OpenWindow();
    const COLORREF back = RGB(0x30, 0x30, 0x00);
    const COLORREF text = RGB(0x00, 0xFF, 0x80);
    const COLORREF button = RGB(0x11, 0x22, 0x99);
    const COLORREF buttonText = RGB(0xFF, 0x80, 0xFF);
    const COLORREF sunday = RGB(0xC0, 0x00, 0xC0);
    WriteColor("CALENDAR_BACK_COLOR", back);
    WriteColor("CALENDAR_TEXT_COLOR", text);
    WriteColor("BUTTON_BACK_COLOR", button);
    WriteColor("BUTTON_TEXT_COLOR", buttonText);
    WriteColor("SUNDAY_TEXT_COLOR", sunday);
    Repaint();
    EXPECT_EQ(Pixel(300, 350), TestColors::kCalendarBack);

    EXPECT_TRUE(wnd->ReloadColors());
    Pump();
    EXPECT_EQ(Pixel(300, 350), back);
    EXPECT_EQ(Pixel(20, 40), back);
    EXPECT_GT(CountPixels({16, 80, 32, 96}, sunday), 0);
    EXPECT_GT(CountPixels({280, 72, 344, 96}, text), 0);
    EXPECT_EQ(Pixel(281, 73), back);
    for (int id = 1203; id <= 1212; ++id) {
        EXPECT_EQ(ButtonFace(id), button) << id;
    }
    EXPECT_GT(CountPixels({248, 232, 376, 256}, buttonText), 0);
}

TEST_F(CMainWndLayoutTest, PaintingLeavesNoDrawingObjectBehind) {
    OpenWindow();
    Repaint();
    const int before = FreeGdiHandles();
    for (int i = 0; i < 5; ++i) {
        Repaint();
    }
    EXPECT_EQ(FreeGdiHandles(), before);
}

// Both menus show one 設定 and one 移動 menu. The context menu goes first, without taking
// them along; the window then takes the bar and the menus in it.
TEST_F(CMainWndLayoutTest, TheSharedMenusAreReleasedOnceWithTheWindow) {
    OpenWindow();
    const HMENU bar = GetMenu(Window());
    const HMENU settings = GetSubMenu(bar, 1);
    const HMENU jump = GetSubMenu(GetSubMenu(bar, 2), 2);
    const HMENU context = wnd->ContextMenu();
    EXPECT_EQ(GetSubMenu(context, 3), settings);
    EXPECT_EQ(GetSubMenu(context, 4), jump);
    EXPECT_EQ(GetMenuItemID(jump, 10), 1210u);

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
}

TEST(CMainWndMenusTest, AWindowNeverCreatedLeavesNoMenuBehind) {
    HMENU context = nullptr;
    {
        TestMainWnd wnd;
        context = wnd.ContextMenu();
        EXPECT_TRUE(IsMenu(context));
    }
    EXPECT_FALSE(IsMenu(context));
}
