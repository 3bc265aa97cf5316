#include "tests/mainwnd/MainWndTestSupport.h"

#include <string>

namespace {

struct ExpectedControl {
    const char* className;
    int id;
    const char* text;
    RECT place;
};

constexpr ExpectedControl kControls[] = {
    {"Button", 1203, "<", {248, 72, 280, 96}},
    {"Button", 1204, ">", {344, 72, 376, 96}},
    {"Button", 1205, "<", {248, 104, 280, 128}},
    {"Button", 1206, ">", {344, 104, 376, 128}},
    {"Button", 1207, "<", {248, 136, 280, 160}},
    {"Button", 1208, ">", {344, 136, 376, 160}},
    {"Button", 1209, "<", {248, 168, 280, 192}},
    {"Button", 1210, ">", {344, 168, 376, 192}},
    {"Button", 1211, "本日へ移動", {248, 200, 376, 224}},
    {"Button", 1212, "指定日へ移動", {248, 232, 376, 256}},
    {"Static", 2000, "年", {280, 72, 344, 96}},
    {"Static", 2000, "月", {280, 104, 344, 128}},
    {"Static", 2000, "週", {280, 136, 344, 160}},
    {"Static", 2000, "日", {280, 168, 344, 192}},
};

struct ChildList {
    std::vector<HWND> children;
};

BOOL CALLBACK AddChild(HWND child, LPARAM lParam) {
    reinterpret_cast<ChildList*>(lParam)->children.push_back(child);
    return TRUE;
}

RECT ClientPlace(HWND child) {
    RECT place = {};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

std::string MenuText(HMENU menu, UINT pos) {
    char text[128] = {};
    GetMenuStringA(menu, pos, text, sizeof text, MF_BYPOSITION);
    return text;
}

class CMainWndLayoutTest : public MainWndTest {
protected:
    std::vector<HWND> Children() {
        ChildList list;
        EnumChildWindows(Window(), AddChild, reinterpret_cast<LPARAM>(&list));
        return list.children;
    }
    // A spot of a button's face: inside its raised edge, left of its centred text.
    COLORREF ButtonFace(int id) {
        const RECT place = ClientPlace(GetDlgItem(Window(), id));
        return Pixel(place.left + 3, place.bottom - 4);
    }
};

} // namespace

TEST_F(CMainWndLayoutTest, TenOwnerDrawnButtonsAndFourCentredLabelsShareOneFont) {
    OpenWindow();
    char title[32] = {};
    GetWindowTextA(Window(), title, sizeof title);
    EXPECT_STREQ(title, "Kalvo３");

    const std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), std::size(kControls));
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(children[0], WM_GETFONT, 0, 0));
    EXPECT_NE(font, nullptr);
    for (size_t i = 0; i < children.size(); ++i) {
        const ExpectedControl& expected = kControls[i];
        char className[32] = {};
        GetClassNameA(children[i], className, sizeof className);
        EXPECT_STREQ(className, expected.className) << i;
        EXPECT_EQ(GetDlgCtrlID(children[i]), expected.id) << i;
        EXPECT_EQ(TextsOf(children[i]), expected.text) << i;
        const RECT place = ClientPlace(children[i]);
        EXPECT_TRUE(EqualRect(&place, &expected.place)) << i;
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(children[i], WM_GETFONT, 0, 0)), font);
        const LONG_PTR style = GetWindowLongPtrA(children[i], GWL_STYLE);
        if (expected.id == MainWndLayout::kLabelId) {
            EXPECT_EQ(style & (SS_TYPEMASK | SS_CENTERIMAGE), SS_CENTER | SS_CENTERIMAGE) << i;
        } else {
            EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW) << i;
        }
    }
    LOGFONTA face = {};
    GetObjectA(font, sizeof face, &face);
    EXPECT_EQ(face.lfHeight, 14);
    EXPECT_STREQ(face.lfFaceName, "ＭＳ ゴシック");
}

TEST_F(CMainWndLayoutTest, BackgroundLabelsAndButtonsShowTheirColours) {
    OpenWindow();
    Repaint();
    EXPECT_EQ(Pixel(300, 350), TestColors::kCalendarBack);
    EXPECT_EQ(Pixel(4, 4), TestColors::kCalendarBack);
    // The label "年": its own background is not filled, its text in the text colour.
    const RECT label = {280, 72, 344, 96};
    EXPECT_GT(CountPixels(label, TestColors::kCalendarText), 0);
    EXPECT_EQ(Pixel(281, 73), TestColors::kCalendarBack);
    EXPECT_EQ(ButtonFace(1203), TestColors::kButtonBack);
    EXPECT_EQ(ButtonFace(1211), TestColors::kButtonBack);
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

TEST_F(CMainWndLayoutTest, MenuBarAndContextMenuShareTheSettingsAndJumpMenus) {
    OpenWindow();
    const HMENU bar = GetMenu(Window());
    ASSERT_NE(bar, nullptr);
    const HMENU context = wnd->ContextMenu();
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(MenuText(bar, 0), "ファイル(&F)");
    EXPECT_EQ(MenuText(bar, 3), "ヘルプ(&H)");
    const HMENU settings = GetSubMenu(bar, 1);
    const HMENU view = GetSubMenu(bar, 2);
    const HMENU jump = GetSubMenu(view, 2);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 4);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 0), 3), 1003u);
    EXPECT_EQ(GetMenuItemCount(jump), 11);
    EXPECT_EQ(MenuText(jump, 5), "前の月へ移動 [Ctrl] + [←] / [PgUp]");
    EXPECT_EQ(GetMenuItemID(jump, 10), 1210u);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(bar, 3), 1), 1302u);

    ASSERT_EQ(GetMenuItemCount(context), 9);
    EXPECT_EQ(GetSubMenu(context, 3), settings);
    EXPECT_EQ(GetSubMenu(context, 4), jump);
    EXPECT_EQ(MenuText(context, 3), "設定(&S)");
    EXPECT_EQ(MenuText(context, 5), "更新(&R)");
    EXPECT_EQ(GetMenuItemID(context, 8), 1003u);
    EXPECT_EQ(GetMenuState(context, 7, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
}

// The context menu goes when the window does; the shared menus stay the menu bar's
// until the window takes the bar along.
TEST_F(CMainWndLayoutTest, DestroyingTheWindowReleasesEveryMenuOnce) {
    OpenWindow();
    const HMENU bar = GetMenu(Window());
    const HMENU settings = GetSubMenu(bar, 1);
    const HMENU jump = GetSubMenu(GetSubMenu(bar, 2), 2);
    const HMENU context = wnd->ContextMenu();

    Command(MainWndLayout::kCmdExit);
    Pump();
    EXPECT_TRUE(QuitPosted());
    EXPECT_FALSE(IsMenu(context));
    EXPECT_TRUE(IsMenu(settings));
    EXPECT_TRUE(IsMenu(jump));
    EXPECT_EQ(GetSubMenu(bar, 1), settings);

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
