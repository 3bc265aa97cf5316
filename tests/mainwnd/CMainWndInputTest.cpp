#include "tests/mainwnd/MainWndTestSupport.h"

#include <functional>
#include <string>
#include <tuple>
#include <vector>

using namespace MainWndLayout;

namespace {

class CMainWndInputTest : public MainWndTest {
protected:
    // Types a date into the date dialog, moved off the window so that its end exposes
    // nothing, and confirms it.
    void TypeDateInDialog(const char* year, const char* month, const char* day) {
        wnd->realDialogs = true;
        HWND dialog = nullptr;
        UiScript script;
        script.WaitFor(dialog, "日付選択ダイアログ", Window()).Do("type, OK", [&] {
            SetWindowPos(dialog, nullptr, -2000, -2000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            const char* fields[] = {year, month, day};
            for (int i = 0; i < 3; ++i) {
                TypeText(GetDlgItem(dialog, 1001 + i), fields[i]);
            }
            ValidateRect(Window(), nullptr);
            ClickButton(dialog, IDOK);
        });
        script.Run([&] { Key(VK_F3); });
        wnd->realDialogs = false;
    }
    POINT ScreenPoint(int x, int y) {
        POINT point = {x, y};
        ClientToScreen(Window(), &point);
        return point;
    }
};

const CDate kLast = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);

} // namespace

// A move that changes the date repaints the month view, and only it, at once; the other
// ways in reach only their dialog, if any, and leave the date alone.
TEST_F(CMainWndInputTest, EachWayInMovesOrAsksAsItShouldAndAMoveRepaintsTheMonth) {
    const auto key = [this](WPARAM k, bool ctrl) { return [=] { Key(k, ctrl); }; };
    const auto button = [this](int id) {
        return [=] { SendMessageA(GetDlgItem(Window(), id), BM_CLICK, 0, 0); };
    };
    const auto command = [this](int id) { return [=] { Command(id); }; };
    const auto click = [this](UINT message, int x, int y) { return [=] { Click(message, x, y); }; };
    const auto wheel = [this](short distance, WORD keys) {
        return [=] {
            SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(keys, distance), MAKELPARAM(100, 100));
        };
    };
    constexpr int kNone = -1;
    constexpr int kDate = TestMainWnd::kDateDialog;
    const CDate mid = MakeDate(2014, 3, 12);
    const CDate fifth = MakeDate(2013, 12, 5);
    const struct {
        const char* what;
        std::function<void()> act;
        CDate from;
        CDate to;
        int dialog = kNone;
    } ways[] = {
        {"Left", key(VK_LEFT, false), MakeDate(2014, 3, 1), MakeDate(2014, 2, 28)},
        {"Ctrl+Left", key(VK_LEFT, true), MakeDate(2014, 3, 31), MakeDate(2014, 2, 1)},
        {"Right", key(VK_RIGHT, false), MakeDate(2014, 1, 31), MakeDate(2014, 2, 1)},
        {"Ctrl+Right", key(VK_RIGHT, true), MakeDate(2014, 1, 30), MakeDate(2014, 2, 1)},
        {"Up", key(VK_UP, false), MakeDate(2014, 3, 5), MakeDate(2014, 2, 26)},
        {"Ctrl+Up", key(VK_UP, true), MakeDate(2014, 1, 31), MakeDate(2013, 1, 1)},
        {"Down", key(VK_DOWN, false), MakeDate(2013, 12, 27), MakeDate(2014, 1, 3)},
        {"Ctrl+Down", key(VK_DOWN, true), MakeDate(2012, 2, 29), MakeDate(2013, 2, 1)},
        {"PageUp", key(VK_PRIOR, false), MakeDate(2014, 1, 15), MakeDate(2013, 12, 1)},
        {"PageDown", key(VK_NEXT, false), MakeDate(2013, 12, 15), MakeDate(2014, 1, 1)},
        {"Ctrl+Home", key(VK_HOME, true), MakeDate(2000, 5, 5), MakeDate(2013, 12, 27)},
        {"PageUp in 1-1", key(VK_PRIOR, false), MakeDate(1, 1, 20), MakeDate(1, 1, 1)},
        {"Ctrl+Up in year 1", key(VK_UP, true), MakeDate(1, 3, 20), MakeDate(1, 3, 1)},
        {"Left on the first day", key(VK_LEFT, false), MakeDate(1, 1, 1), MakeDate(1, 1, 1)},
        {"Up in the first week", key(VK_UP, false), MakeDate(1, 1, 3), MakeDate(1, 1, 1)},
        {"Ctrl+Down to the end", key(VK_DOWN, true), MakeDate(CDate::kLastYear - 1, 8, 20), kLast},
        {"Right on the last day", key(VK_RIGHT, false), kLast, kLast},
        {"Down to the end", key(VK_DOWN, false), MakeDate(CDate::kLastYear, 7, 10), kLast},
        {"year back", button(kCmdPrevYear), mid, MakeDate(2013, 3, 1)},
        {"year on", button(kCmdNextYear), mid, MakeDate(2015, 3, 1)},
        {"month back", button(kCmdPrevMonth), mid, MakeDate(2014, 2, 1)},
        {"month on", button(kCmdNextMonth), mid, MakeDate(2014, 4, 1)},
        {"week back", button(kCmdPrevWeek), mid, MakeDate(2014, 3, 5)},
        {"week on", button(kCmdNextWeek), mid, MakeDate(2014, 3, 19)},
        {"day back", button(kCmdPrevDay), mid, MakeDate(2014, 3, 11)},
        {"day on", button(kCmdNextDay), mid, MakeDate(2014, 3, 13)},
        {"today", button(kCmdToday), mid, MakeDate(2013, 12, 27)},
        {"Shift+wheel away", wheel(120, MK_SHIFT), mid, MakeDate(2013, 3, 1)},
        {"Shift+wheel back", wheel(-120, MK_SHIFT), mid, MakeDate(2015, 3, 1)},
        {"Ctrl+wheel away", wheel(120, MK_CONTROL), mid, MakeDate(2014, 2, 1)},
        {"Ctrl+wheel back", wheel(-360, MK_CONTROL), mid, MakeDate(2014, 4, 1)},
        {"Ctrl+Shift+wheel", wheel(120, MK_SHIFT | MK_CONTROL), mid, MakeDate(2014, 3, 5)},
        {"wheel back a bit", wheel(-1, 0), mid, MakeDate(2014, 3, 19)},
        {"wheel not turned", wheel(0, MK_SHIFT), mid, mid},
        {"click", click(WM_LBUTTONDOWN, 100, 200), fifth, MakeDate(2013, 12, 24)},
        {"typed date", [&] { TypeDateInDialog("2012", "2", "29"); }, mid, MakeDate(2012, 2, 29),
         kDate},
        {"Ctrl+Enter", key(VK_RETURN, true), fifth, fifth, kDate},
        {"Ctrl+F", key('F', true), fifth, fifth, kDate},
        {"F3", key(VK_F3, false), fifth, fifth, kDate},
        {"button", button(kCmdSelectDate), fifth, fifth, kDate},
        {"menu", command(kCmdSelectDate), fifth, fifth, kDate},
        {"title's first point", click(WM_LBUTTONDBLCLK, 60, 44), fifth, fifth, kDate},
        {"title's last point", click(WM_LBUTTONDBLCLK, 188, 68), fifth, fifth, kDate},
        {"right of the title", click(WM_LBUTTONDBLCLK, 189, 60), fifth, fifth},
        {"below the title", click(WM_LBUTTONDBLCLK, 100, 69), fifth, fifth},
        {"below the days", click(WM_LBUTTONDBLCLK, 100, 280), fifth, fifth},
        {"F", key('F', false), fifth, fifth},
        {"Home", key(VK_HOME, false), fifth, fifth},
        {"L", key('L', false), fifth, fifth},
        {"Ctrl+L", key('L', true), fifth, fifth, TestMainWnd::kMemoListDialog},
        {"memo list", command(kCmdMemoList), fifth, fifth, TestMainWnd::kMemoListDialog},
        {"colours", command(kCmdColors), fifth, fifth, TestMainWnd::kColorDialog},
        {"S", key('S', false), fifth, fifth},
        {"Ctrl+S", key('S', true), fifth, fifth, TestMainWnd::kSearchDialog},
        {"search", command(kCmdSearchMemo), fifth, fifth, TestMainWnd::kSearchDialog},
    };
    const RECT monthArea = {0, 0, 232, 300};
    for (const auto& way : ways) {
        wnd->Selected() = way.from;
        auto dialogs = wnd->dialogs;
        if (way.dialog != kNone) {
            ++dialogs[way.dialog];
        }
        ValidateRect(Window(), nullptr);
        way.act();
        EXPECT_EQ(wnd->dialogs, dialogs) << way.what;
        EXPECT_EQ(wnd->Selected(), way.to) << way.what;
        const RECT pending = PendingPaint();
        EXPECT_TRUE(way.from == way.to || EqualRect(&pending, &monthArea)) << way.what;
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
    EXPECT_EQ(TakeFromTrash("20131205.txt") + TakeFromTrash("20131205.txt"), "again");
}

TEST_F(CMainWndInputTest, ClicksSelectTheDayUnderThemAndTheRightButtonShowsTheContextMenu) {
    const HMENU context = wnd->ContextMenu();
    wnd->Selected() = MakeDate(2013, 12, 5);
    SetFocus(GetDlgItem(Window(), kCmdToday));
    Click(WM_LBUTTONDOWN, 100, 200);
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
