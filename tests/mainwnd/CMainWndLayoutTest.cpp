#include "tests/mainwnd/MainWndTestSupport.h"

#include "app/CSystemData.h"

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
    // The background, the label "年" (its text only, its own background not filled) and
    // every button, each in its colour.
    void ExpectColours(COLORREF back, COLORREF text, COLORREF button, COLORREF buttonText) {
        EXPECT_EQ(Pixel(300, 350), back);
        EXPECT_EQ(Pixel(4, 4), back);
        EXPECT_GT(Count({280, 72, 344, 96}, text), 0);
        EXPECT_EQ(Pixel(281, 73), back);
        for (int id = MainWndLayout::kCmdPrevYear; id <= MainWndLayout::kCmdSelectDate; ++id) {
            EXPECT_EQ(ButtonFace(id), button) << id;
        }
        EXPECT_GT(Count({248, 200, 376, 224}, buttonText), 0);
    }
};

} // namespace

// The colours are read at creation and again only when ReloadColors asks.
TEST_F(CMainWndLayoutTest, ReloadColorsRecoloursEverythingAtOnce) {
    Repaint();
    ExpectColours(TestColors::kCalendarBack, TestColors::kCalendarText, TestColors::kButtonBack,
                  TestColors::kButtonText);
    const COLORREF back = RGB(0x30, 0x30, 0x00);
    const COLORREF text = RGB(0x00, 0xFF, 0x80);
    const COLORREF button = RGB(0x11, 0x22, 0x99);
    const COLORREF buttonText = RGB(0xFF, 0x80, 0xFF);
    const COLORREF sunday = RGB(0xC0, 0x00, 0xC0);
    CSystemData* settings = CSystemData::GetInstance();
    settings->SetCalendarBackColor(back);
    settings->SetCalendarTextColor(text);
    settings->SetButtonBackColor(button);
    settings->SetButtonTextColor(buttonText);
    settings->SetSundayTextColor(sunday);
    Repaint();
    EXPECT_EQ(Pixel(300, 350), TestColors::kCalendarBack);

    EXPECT_TRUE(wnd->ReloadColors());
    Pump();
    ExpectColours(back, text, button, buttonText);
    EXPECT_GT(Count({16, 80, 32, 96}, sunday), 0);
}

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
