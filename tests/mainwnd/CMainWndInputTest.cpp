#include "tests/mainwnd/MainWndTestSupport.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

using namespace MainWndLayout;

namespace {

// A key, with or without Ctrl, and the date it leads to from a starting date.
struct KeyMove {
    WPARAM key;
    bool ctrl;
    CDate from;
    CDate to;
};

// A wheel turn with its key state and the date it leads to from 2014-03-12.
struct WheelMove {
    short distance;
    WORD keys;
    CDate to;
};

class CMainWndInputTest : public MainWndTest {
protected:
    void SetUp() override {
        MainWndTest::SetUp();
        OpenWindow();
    }
    CDate& Selected() { return wnd->Selected(); }
    POINT ScreenPoint(int x, int y) {
        POINT point = {x, y};
        ClientToScreen(Window(), &point);
        return point;
    }
};

const CDate kLast = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);

} // namespace

TEST_F(CMainWndInputTest, KeysMoveTheSelectedDateWithAndWithoutCtrl) {
    const KeyMove moves[] = {
        {VK_LEFT, false, MakeDate(2014, 3, 1), MakeDate(2014, 2, 28)},
        {VK_LEFT, true, MakeDate(2014, 3, 31), MakeDate(2014, 2, 1)},
        {VK_RIGHT, false, MakeDate(2014, 1, 31), MakeDate(2014, 2, 1)},
        {VK_RIGHT, true, MakeDate(2014, 1, 31), MakeDate(2014, 2, 1)},
        {VK_UP, false, MakeDate(2014, 3, 5), MakeDate(2014, 2, 26)},
        {VK_UP, true, MakeDate(2014, 1, 31), MakeDate(2013, 1, 1)},
        {VK_DOWN, false, MakeDate(2013, 12, 27), MakeDate(2014, 1, 3)},
        {VK_DOWN, true, MakeDate(2012, 2, 29), MakeDate(2013, 2, 1)},
        {VK_PRIOR, false, MakeDate(2014, 1, 15), MakeDate(2013, 12, 1)},
        {VK_PRIOR, true, MakeDate(2014, 1, 15), MakeDate(2013, 12, 1)},
        {VK_NEXT, false, MakeDate(2013, 12, 15), MakeDate(2014, 1, 1)},
        {VK_NEXT, true, MakeDate(2013, 12, 15), MakeDate(2014, 1, 1)},
        {VK_HOME, false, MakeDate(2000, 5, 5), MakeDate(2000, 5, 5)},
        {VK_HOME, true, MakeDate(2000, 5, 5), MakeDate(2013, 12, 27)},
        // The lower limit: 0001-01-01.
        {VK_PRIOR, false, MakeDate(1, 1, 20), MakeDate(1, 1, 1)},
        {VK_UP, true, MakeDate(1, 3, 20), MakeDate(1, 3, 1)},
        {VK_LEFT, false, MakeDate(1, 1, 1), MakeDate(1, 1, 1)},
        {VK_UP, false, MakeDate(1, 1, 3), MakeDate(1, 1, 1)},
        // The upper limit: forward moves stop on the last supported date.
        {VK_NEXT, false, MakeDate(CDate::kLastYear, 7, 5), kLast},
        {VK_RIGHT, true, MakeDate(CDate::kLastYear, 6, 30), MakeDate(CDate::kLastYear, 7, 1)},
        {VK_DOWN, true, MakeDate(CDate::kLastYear - 1, 8, 20), kLast},
        {VK_DOWN, true, MakeDate(CDate::kLastYear - 1, 7, 20), MakeDate(CDate::kLastYear, 7, 1)},
        {VK_DOWN, true, MakeDate(CDate::kLastYear, 3, 20), kLast},
        {VK_RIGHT, false, kLast, kLast},
        {VK_DOWN, false, MakeDate(CDate::kLastYear, 7, 10), kLast},
    };
    for (const KeyMove& move : moves) {
        Selected() = move.from;
        EXPECT_EQ(PressKey(move.key, move.ctrl), 0);
        EXPECT_EQ(Selected(), move.to)
            << "key " << move.key << (move.ctrl ? " with Ctrl from " : " from ")
            << testing::PrintToString(move.from);
    }
}

TEST_F(CMainWndInputTest, KeysReachTheDialogCommandsOnlyAsTheirTableSays) {
    Selected() = MakeDate(2013, 12, 5);
    PressKey(VK_RETURN, true);
    PressKey('F', true);
    PressKey(VK_F3);
    PressKey(VK_F3, true);
    EXPECT_EQ(wnd->dateDialogs, 4);
    PressKey('F');
    PressKey(VK_HOME);
    EXPECT_EQ(wnd->dateDialogs, 4);

    PressKey('L');
    EXPECT_EQ(wnd->memoListDialogs, 0);
    PressKey('L', true);
    EXPECT_EQ(wnd->memoListDialogs, 1);
    EXPECT_TRUE(wnd->opened.empty());
    EXPECT_EQ(Selected(), MakeDate(2013, 12, 5));
}

TEST_F(CMainWndInputTest, EnterOpensAndDeleteRemovesTheSelectedMemo) {
    Selected() = MakeDate(2013, 12, 5);
    PressKey(VK_RETURN);
    ASSERT_EQ(wnd->opened.size(), 1u);
    EXPECT_EQ(wnd->opened[0], folder.File(MemoFile("20131205.txt")));
    EXPECT_TRUE(MemoExists("20131205.txt"));

    PressKey(VK_DELETE, true);
    EXPECT_FALSE(MemoExists("20131205.txt"));
    WriteMemo("20131205.txt", "again");
    PressKey(VK_DELETE);
    EXPECT_FALSE(MemoExists("20131205.txt"));
    std::vector<std::string> trashed = {TakeFromTrash("20131205.txt"),
                                        TakeFromTrash("20131205.txt")};
    std::sort(trashed.begin(), trashed.end());
    EXPECT_EQ(trashed, (std::vector<std::string>{"", "again"}));
}

TEST_F(CMainWndInputTest, EveryKeyPressWritesItsTraceLine) {
    testing::internal::CaptureStdout();
    SendMessageA(Window(), WM_KEYDOWN, 'Q', 0x00100001);
    SendMessageA(Window(), WM_KEYDOWN, VK_F5, 0x003F0001);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "CMainWnd::OnKeyDown wp: 81 lp: 1048577\n"
                   "CMainWnd::OnKeyDown wp: 116 lp: 4128769\n");
}

TEST_F(CMainWndInputTest, RefreshRepaintsOnlyTheMonthArea) {
    ForgetPendingPaint();
    PressKey(VK_F5);
    const RECT pending = PendingPaint();
    const RECT area = {0, 0, 232, 300};
    EXPECT_TRUE(EqualRect(&pending, &area));
    ForgetPendingPaint();
    Command(kCmdNextDay);
    const RECT afterMove = PendingPaint();
    EXPECT_TRUE(EqualRect(&afterMove, &area));
}

TEST_F(CMainWndInputTest, LeftClickSelectsADayAndTakesTheFocusBack) {
    Selected() = MakeDate(2013, 12, 5);
    SetFocus(GetDlgItem(Window(), kCmdToday));
    ASSERT_NE(GetFocus(), Window());

    Click(WM_LBUTTONDOWN, 100, 200);
    EXPECT_EQ(Selected(), MakeDate(2013, 12, 24));
    EXPECT_EQ(GetFocus(), Window());
    Click(WM_LBUTTONDOWN, 100, 280);
    Click(WM_LBUTTONDOWN, 300, 300);
    EXPECT_EQ(Selected(), MakeDate(2013, 12, 24));
    PressKey(VK_RIGHT);
    EXPECT_EQ(Selected(), MakeDate(2013, 12, 25));
}

TEST_F(CMainWndInputTest, DoubleClickOpensTheDayOrAsksForADateOverTheTitle) {
    Selected() = MakeDate(2013, 12, 5);
    Click(WM_LBUTTONDBLCLK, 100, 200);
    ASSERT_EQ(wnd->opened.size(), 1u);
    EXPECT_EQ(wnd->opened[0], folder.File(MemoFile("20131224.txt")));
    EXPECT_TRUE(MemoExists("20131224.txt"));

    Click(WM_LBUTTONDBLCLK, 100, 280);
    EXPECT_EQ(wnd->dateDialogs, 0);
    Click(WM_LBUTTONDBLCLK, 60, 44);
    Click(WM_LBUTTONDBLCLK, 188, 68);
    EXPECT_EQ(wnd->dateDialogs, 2);
    Click(WM_LBUTTONDBLCLK, 189, 60);
    Click(WM_LBUTTONDBLCLK, 100, 69);
    EXPECT_EQ(wnd->dateDialogs, 2);
    EXPECT_EQ(wnd->opened.size(), 1u);
}

// Real mouse input: the window class lets the platform turn two clicks into a double
// click.
TEST_F(CMainWndInputTest, TwoRealClicksOnADayOpenItsMemo) {
    Selected() = MakeDate(2013, 12, 5);
    const POINT point = ScreenPoint(150, 120);
    SetCursorPos(point.x, point.y);
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    ASSERT_EQ(SendInput(4, clicks, sizeof(INPUT)), 4u);
    for (int i = 0; i < 20 && wnd->opened.empty(); ++i) {
        Sleep(50);
        Pump();
    }
    ASSERT_EQ(wnd->opened.size(), 1u);
    EXPECT_EQ(wnd->opened[0], folder.File(MemoFile("20131205.txt")));
}

TEST_F(CMainWndInputTest, RightClickSelectsTheDayAndShowsTheContextMenuThere) {
    Selected() = MakeDate(2013, 12, 5);
    HMENU shown = nullptr;
    RECT menuPlace = {};
    WhileShown(
        "#32768",
        [&](HWND menu) {
            shown = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
            GetWindowRect(menu, &menuPlace);
            EndMenu();
        },
        [&] { Click(WM_RBUTTONDOWN, 100, 200); });
    EXPECT_EQ(Selected(), MakeDate(2013, 12, 24));
    EXPECT_EQ(shown, wnd->ContextMenu());
    const POINT at = ScreenPoint(100, 200);
    EXPECT_EQ(menuPlace.left, at.x);
    EXPECT_EQ(menuPlace.top, at.y);

    // Off the grid the selection stays, and the menu still shows.
    shown = nullptr;
    WhileShown(
        "#32768",
        [&](HWND menu) {
            shown = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
            EndMenu();
        },
        [&] { Click(WM_RBUTTONDOWN, 300, 300); });
    EXPECT_EQ(shown, wnd->ContextMenu());
    EXPECT_EQ(Selected(), MakeDate(2013, 12, 24));
}

TEST_F(CMainWndInputTest, AnItemChosenInTheContextMenuRunsItsCommand) {
    Selected() = MakeDate(2013, 12, 5);
    bool chosen = false;
    WhileShown(
        "#32768",
        [&](HWND) {
            if (!chosen) {
                chosen = true;
                PostMessageA(Window(), WM_CHAR, 'q', 0);
            }
        },
        [&] { Click(WM_RBUTTONDOWN, 150, 120); });
    Pump();
    EXPECT_TRUE(QuitPosted());
    EXPECT_FALSE(IsMenu(wnd->ContextMenu()));
}

TEST_F(CMainWndInputTest, WheelMovesOneStepPerMessageByItsKeyState) {
    const WheelMove moves[] = {
        {120, MK_SHIFT, MakeDate(2013, 3, 1)},
        {-120, MK_SHIFT, MakeDate(2015, 3, 1)},
        {120, MK_CONTROL, MakeDate(2014, 2, 1)},
        {-360, MK_CONTROL, MakeDate(2014, 4, 1)},
        {120, MK_SHIFT | MK_CONTROL, MakeDate(2014, 3, 5)},
        {-1, 0, MakeDate(2014, 3, 19)},
        {240, MK_LBUTTON, MakeDate(2014, 3, 5)},
        {0, MK_SHIFT, MakeDate(2014, 3, 12)},
    };
    for (const WheelMove& move : moves) {
        Selected() = MakeDate(2014, 3, 12);
        Wheel(move.distance, move.keys);
        EXPECT_EQ(Selected(), move.to) << move.distance << " keys " << move.keys;
    }
}

TEST_F(CMainWndInputTest, ButtonsAndMenuItemsSendTheirCommands) {
    struct ButtonMove {
        int id;
        CDate to;
    };
    const ButtonMove moves[] = {
        {kCmdPrevYear, MakeDate(2013, 3, 1)},  {kCmdNextYear, MakeDate(2015, 3, 1)},
        {kCmdPrevMonth, MakeDate(2014, 2, 1)}, {kCmdNextMonth, MakeDate(2014, 4, 1)},
        {kCmdPrevWeek, MakeDate(2014, 3, 5)},  {kCmdNextWeek, MakeDate(2014, 3, 19)},
        {kCmdPrevDay, MakeDate(2014, 3, 11)},  {kCmdNextDay, MakeDate(2014, 3, 13)},
        {kCmdToday, MakeDate(2013, 12, 27)},   {kCmdSelectDate, MakeDate(2014, 3, 12)},
    };
    for (const ButtonMove& move : moves) {
        Selected() = MakeDate(2014, 3, 12);
        SendMessageA(GetDlgItem(Window(), move.id), BM_CLICK, 0, 0);
        Pump();
        EXPECT_EQ(Selected(), move.to) << move.id;
    }
    EXPECT_EQ(wnd->dateDialogs, 1);
    Command(kCmdColors);
    Command(kCmdMemoList);
    EXPECT_EQ(wnd->colorDialogs, 1);
    EXPECT_EQ(wnd->memoListDialogs, 1);
    Command(kCmdOpenMemo);
    EXPECT_EQ(wnd->opened.size(), 1u);
}

TEST_F(CMainWndInputTest, OptionsAndVersionShowInformationOwnedByTheWindow) {
    struct Box {
        int id;
        const char* caption;
        const char* text;
    };
    const Box boxes[] = {
        {kCmdOptions, "すみません", "この機能は現在作成中です m(_ _)m"},
        {kCmdVersion, "Kalvo３", "バージョン 0.03 β"},
    };
    const CDate before = Selected();
    for (const Box& box : boxes) {
        std::string texts;
        HWND owner = nullptr;
        WhileShown(
            "#32770",
            [&](HWND shown) {
                texts = TextsOf(shown);
                owner = GetWindow(shown, GW_OWNER);
                PostMessageA(shown, WM_COMMAND, IDOK, 0);
            },
            [&] { Command(box.id); });
        EXPECT_EQ(texts.rfind(box.caption, 0), 0u) << texts;
        EXPECT_NE(texts.find(box.text), std::string::npos) << texts;
        EXPECT_EQ(owner, Window());
    }
    EXPECT_EQ(Selected(), before);
}

TEST_F(CMainWndInputTest, HelpOpensTheHelpFileOnlyWhenItExists) {
    testing::internal::CaptureStdout();
    std::cout << std::endl;
    EXPECT_EQ(PressKey(VK_F1), 13);
    EXPECT_TRUE(wnd->opened.empty());
    folder.WriteFile("使い方.txt", "help");
    EXPECT_EQ(PressKey(VK_F1, true), 0);
    EXPECT_EQ(Command(kCmdHelp), 0);
    const std::string out = testing::internal::GetCapturedStdout();
    size_t traces = 0;
    for (size_t at = out.find("\nCMainWnd::OnCmdHelp\n"); at != std::string::npos;
         at = out.find("\nCMainWnd::OnCmdHelp\n", at + 1)) {
        ++traces;
    }
    EXPECT_EQ(traces, 3u) << out;
    ASSERT_EQ(wnd->opened.size(), 2u);
    EXPECT_EQ(wnd->opened[0], folder.File("使い方.txt"));
}

// The real window's "today" is the local date, at construction and for the command.
TEST(CMainWndTodayTest, TheSelectedDateStartsAndReturnsOnTheLocalDate) {
    class LocalMainWnd : public CMainWnd {
    public:
        CDate Selected() const { return m_date; }
    } wnd;
    EXPECT_EQ(wnd.Selected(), CDate());
    wnd.Create(CW_USEDEFAULT, CW_USEDEFAULT, 400, 400, nullptr);
    wnd.OnCmdPrevYear();
    EXPECT_NE(wnd.Selected(), CDate());
    wnd.OnCmdToday();
    EXPECT_EQ(wnd.Selected(), CDate());
}
