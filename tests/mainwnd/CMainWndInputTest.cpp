#include "tests/mainwnd/MainWndTestSupport.h"

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace MainWndLayout;

namespace {

class CMainWndInputTest : public MainWndTest {
protected:
    POINT ScreenPoint(int x, int y) {
        POINT point = {x, y};
        ClientToScreen(Window(), &point);
        return point;
    }
};

const CDate kLast = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);

} // namespace

TEST_F(CMainWndInputTest, KeysMoveTheSelectedDateWithAndWithoutCtrlAndStopAtBothEnds) {
    struct KeyMove {
        WPARAM key;
        bool ctrl;
        CDate from;
        CDate to;
    };
    const KeyMove moves[] = {
        {VK_LEFT, false, MakeDate(2014, 3, 1), MakeDate(2014, 2, 28)},
        {VK_LEFT, true, MakeDate(2014, 3, 31), MakeDate(2014, 2, 1)},
        {VK_RIGHT, false, MakeDate(2014, 1, 31), MakeDate(2014, 2, 1)},
        {VK_RIGHT, true, MakeDate(2014, 1, 30), MakeDate(2014, 2, 1)},
        {VK_UP, false, MakeDate(2014, 3, 5), MakeDate(2014, 2, 26)},
        {VK_UP, true, MakeDate(2014, 1, 31), MakeDate(2013, 1, 1)},
        {VK_DOWN, false, MakeDate(2013, 12, 27), MakeDate(2014, 1, 3)},
        {VK_DOWN, true, MakeDate(2012, 2, 29), MakeDate(2013, 2, 1)},
        {VK_PRIOR, false, MakeDate(2014, 1, 15), MakeDate(2013, 12, 1)},
        {VK_NEXT, false, MakeDate(2013, 12, 15), MakeDate(2014, 1, 1)},
        {VK_HOME, true, MakeDate(2000, 5, 5), MakeDate(2013, 12, 27)},
        // The first supported date: 0001-01-01.
        {VK_PRIOR, false, MakeDate(1, 1, 20), MakeDate(1, 1, 1)},
        {VK_UP, true, MakeDate(1, 3, 20), MakeDate(1, 3, 1)},
        {VK_LEFT, false, MakeDate(1, 1, 1), MakeDate(1, 1, 1)},
        // The last supported date: forward moves stop on it.
        {VK_NEXT, false, MakeDate(CDate::kLastYear, 7, 5), kLast},
        {VK_DOWN, true, MakeDate(CDate::kLastYear - 1, 8, 20), kLast},
        {VK_DOWN, true, MakeDate(CDate::kLastYear - 1, 7, 20), MakeDate(CDate::kLastYear, 7, 1)},
        {VK_RIGHT, false, kLast, kLast},
        {VK_DOWN, false, MakeDate(CDate::kLastYear, 7, 10), kLast},
    };
    for (const KeyMove& move : moves) {
        wnd->Selected() = move.from;
        EXPECT_EQ(Key(move.key, move.ctrl), 0);
        EXPECT_EQ(wnd->Selected(), move.to)
            << "key " << move.key << (move.ctrl ? " with Ctrl from " : " from ") << move.from;
    }
    // Each move repaints the month view only.
    ValidateRect(Window(), nullptr);
    Key(VK_F5);
    const RECT pending = PendingPaint();
    const RECT monthArea = {0, 0, 232, 300};
    EXPECT_TRUE(EqualRect(&pending, &monthArea));
}

TEST_F(CMainWndInputTest, ButtonsAndTheWheelMoveByTheirSteps) {
    const std::pair<int, CDate> buttons[] = {
        {kCmdPrevYear, MakeDate(2013, 3, 1)},  {kCmdNextYear, MakeDate(2015, 3, 1)},
        {kCmdPrevMonth, MakeDate(2014, 2, 1)}, {kCmdNextMonth, MakeDate(2014, 4, 1)},
        {kCmdPrevWeek, MakeDate(2014, 3, 5)},  {kCmdNextWeek, MakeDate(2014, 3, 19)},
        {kCmdPrevDay, MakeDate(2014, 3, 11)},  {kCmdNextDay, MakeDate(2014, 3, 13)},
        {kCmdToday, MakeDate(2013, 12, 27)},
    };
    for (const auto& [id, to] : buttons) {
        wnd->Selected() = MakeDate(2014, 3, 12);
        SendMessageA(GetDlgItem(Window(), id), BM_CLICK, 0, 0);
        EXPECT_EQ(wnd->Selected(), to) << id;
    }
    struct WheelMove {
        short distance;
        WORD keys;
        CDate to;
    };
    const WheelMove turns[] = {
        {120, MK_SHIFT, MakeDate(2013, 3, 1)},
        {-120, MK_SHIFT, MakeDate(2015, 3, 1)},
        {120, MK_CONTROL, MakeDate(2014, 2, 1)},
        {-360, MK_CONTROL, MakeDate(2014, 4, 1)},
        {120, MK_SHIFT | MK_CONTROL, MakeDate(2014, 3, 5)},
        {-1, 0, MakeDate(2014, 3, 19)},
        {240, MK_LBUTTON, MakeDate(2014, 3, 5)},
        {0, MK_SHIFT, MakeDate(2014, 3, 12)},
    };
    for (const WheelMove& turn : turns) {
        wnd->Selected() = MakeDate(2014, 3, 12);
        SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(turn.keys, turn.distance),
                     MAKELPARAM(100, 100));
        EXPECT_EQ(wnd->Selected(), turn.to) << turn.distance << " keys " << turn.keys;
    }
}

TEST_F(CMainWndInputTest, EachWayInReachesOnlyItsDialogCommand) {
    constexpr int kNone = -1;
    struct Way {
        const char* what;
        std::function<void()> act;
        int dialog;
    };
    const Way ways[] = {
        {"Ctrl+Enter", [&] { Key(VK_RETURN, true); }, TestMainWnd::kDateDialog},
        {"Ctrl+F", [&] { Key('F', true); }, TestMainWnd::kDateDialog},
        {"F3", [&] { Key(VK_F3); }, TestMainWnd::kDateDialog},
        {"Ctrl+F3", [&] { Key(VK_F3, true); }, TestMainWnd::kDateDialog},
        {"button", [&] { SendMessageA(GetDlgItem(Window(), kCmdSelectDate), BM_CLICK, 0, 0); },
         TestMainWnd::kDateDialog},
        {"menu", [&] { Command(kCmdSelectDate); }, TestMainWnd::kDateDialog},
        {"title's first point", [&] { Click(WM_LBUTTONDBLCLK, 60, 44); }, TestMainWnd::kDateDialog},
        {"title's last point", [&] { Click(WM_LBUTTONDBLCLK, 188, 68); }, TestMainWnd::kDateDialog},
        {"right of the title", [&] { Click(WM_LBUTTONDBLCLK, 189, 60); }, kNone},
        {"below the title", [&] { Click(WM_LBUTTONDBLCLK, 100, 69); }, kNone},
        {"below the days", [&] { Click(WM_LBUTTONDBLCLK, 100, 280); }, kNone},
        {"F", [&] { Key('F'); }, kNone},
        {"Home", [&] { Key(VK_HOME); }, kNone},
        {"L", [&] { Key('L'); }, kNone},
        {"Ctrl+L", [&] { Key('L', true); }, TestMainWnd::kMemoListDialog},
        {"memo list", [&] { Command(kCmdMemoList); }, TestMainWnd::kMemoListDialog},
        {"colours", [&] { Command(kCmdColors); }, TestMainWnd::kColorDialog},
    };
    for (const Way& way : ways) {
        wnd->Selected() = MakeDate(2013, 12, 5);
        auto expected = wnd->dialogs;
        if (way.dialog != kNone) {
            ++expected[way.dialog];
        }
        way.act();
        EXPECT_EQ(wnd->dialogs, expected) << way.what;
        EXPECT_EQ(wnd->Selected(), MakeDate(2013, 12, 5)) << way.what;
    }
    EXPECT_TRUE(wnd->opened.empty());
}

// The two real clicks: the window class lets the platform make them a double click.
TEST_F(CMainWndInputTest, EnterTheCommandAndDoubleClicksOpenTheMemoAndDeleteRecyclesIt) {
    wnd->Selected() = MakeDate(2013, 12, 5);
    Key(VK_RETURN);
    Command(kCmdOpenMemo);
    Click(WM_LBUTTONDBLCLK, 100, 200);
    const POINT point = ScreenPoint(150, 120);
    SetCursorPos(point.x, point.y);
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    ASSERT_EQ(SendInput(4, clicks, sizeof(INPUT)), 4u);
    for (int i = 0; i < 20 && wnd->opened.size() < 4; ++i) {
        Sleep(50);
        Pump();
    }
    const std::string fifth = folder.File(MemoFile("20131205.txt"));
    EXPECT_EQ(wnd->opened, (std::vector<std::string>{
                               fifth, fifth, folder.File(MemoFile("20131224.txt")), fifth}));
    EXPECT_TRUE(MemoExists("20131224.txt"));

    Key(VK_DELETE, true);
    EXPECT_FALSE(MemoExists("20131205.txt"));
    WriteMemo("20131205.txt", "again");
    Key(VK_DELETE);
    EXPECT_FALSE(MemoExists("20131205.txt"));
    const std::multiset<std::string> trashed = {TakeFromTrash("20131205.txt"),
                                                TakeFromTrash("20131205.txt")};
    EXPECT_EQ(trashed, (std::multiset<std::string>{"", "again"}));
}

TEST_F(CMainWndInputTest, ClicksSelectTheDayUnderThemAndTheRightButtonShowsTheContextMenu) {
    const HMENU context = wnd->ContextMenu();
    wnd->Selected() = MakeDate(2013, 12, 5);
    SetFocus(GetDlgItem(Window(), kCmdToday));
    Click(WM_LBUTTONDOWN, 100, 200);
    EXPECT_EQ(wnd->Selected(), MakeDate(2013, 12, 24));
    EXPECT_EQ(GetFocus(), Window());
    Click(WM_LBUTTONDOWN, 100, 280);
    Click(WM_LBUTTONDOWN, 300, 300);
    EXPECT_EQ(wnd->Selected(), MakeDate(2013, 12, 24));

    // On a day the menu shows at the point, and the item chosen there runs its command.
    HWND menu = nullptr;
    RECT place = {};
    HMENU shown = nullptr;
    UiScript script;
    script.Then("menu", [&] { return (menu = FindShown(nullptr, nullptr, "#32768")) != nullptr; });
    script.Do("choose Exit", [&] {
        GetWindowRect(menu, &place);
        shown = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
        PostMessageA(Window(), WM_CHAR, 'q', 0);
    });
    script.Run([&] { Click(WM_RBUTTONDOWN, 150, 120); });
    EXPECT_EQ(wnd->Selected(), MakeDate(2013, 12, 5));
    EXPECT_EQ(shown, context);
    const POINT at = ScreenPoint(150, 120);
    EXPECT_EQ(place.left, at.x);
    EXPECT_EQ(place.top, at.y);
    Pump();
    EXPECT_TRUE(QuitPosted());
    EXPECT_FALSE(IsMenu(context));
}

TEST_F(CMainWndInputTest, OptionsAndVersionShowInformationOwnedByTheWindow) {
    const std::tuple<int, const char*, const char*> boxes[] = {
        {kCmdOptions, "すみません", "この機能は現在作成中です m(_ _)m"},
        {kCmdVersion, "Kalvo３", "バージョン 0.03 β"},
    };
    const HWND owner = Window();
    for (const auto& [id, caption, text] : boxes) {
        SeenBox seen;
        UiScript script;
        script.AnswerBox(owner, seen);
        script.Run([&, id = id] { Command(id); });
        EXPECT_EQ(seen.caption, caption);
        EXPECT_EQ(seen.text, text);
    }
}

TEST_F(CMainWndInputTest, KeysPaintsAndHelpWriteTheirTraceLinesAndHelpNeedsItsFile) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(SendMessageA(Window(), WM_KEYDOWN, VK_F1, 0x003B0001), 13);
    Repaint();
    folder.WriteFile("使い方.txt", "help");
    EXPECT_EQ(Command(kCmdHelp), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "CMainWnd::OnKeyDown wp: 112 lp: 3866625\n"
                                                      "CMainWnd::OnCmdHelp\n"
                                                      "CMainWnd::OnPaint()\n"
                                                      "CMainWnd::OnCmdHelp\n");
    EXPECT_EQ(wnd->opened, std::vector<std::string>{folder.File("使い方.txt")});
}
