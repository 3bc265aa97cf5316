#include "tests/mainwnd/MainWndTestSupport.h"

namespace {

// A client rectangle from a corner and a size.
RECT Box(int x, int y, int cx, int cy) { return {x, y, x + cx, y + cy}; }

// The cell of a grid column and row, and the box its day number is drawn in.
RECT Cell(int column, int row) { return Box(8 + 32 * column, 104 + 32 * row, 32, 32); }
RECT NumberBox(int column, int row) { return Box(16 + 32 * column, 112 + 32 * row, 16, 16); }

using CMainWndLayoutTest = MainWndTest;

// Dates the folder's last change an hour back, as if nothing had changed in it lately, so
// that what was read from it may be kept.
void BackdateFolder(const std::string& path) {
    HANDLE folder = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    constexpr ULONGLONG kHour = 3600ULL * 10000000ULL;
    ULARGE_INTEGER time;
    GetSystemTimeAsFileTime(reinterpret_cast<FILETIME*>(&time));
    time.QuadPart -= kHour;
    const FILETIME hourAgo = {time.LowPart, time.HighPart};
    EXPECT_TRUE(SetFileTime(folder, nullptr, nullptr, &hourAgo));
    CloseHandle(folder);
}

// The clock at a local time of December 2013, as the midnight timer reads it.
FILETIME December2013At(int day, int hour, int minute, int second, int millisecond) {
    const SYSTEMTIME local = {
        2013, 12, 0, WORD(day), WORD(hour), WORD(minute), WORD(second), WORD(millisecond)};
    SYSTEMTIME utc;
    FILETIME time = {};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    SystemTimeToFileTime(&utc, &time);
    return time;
}

class CMainWndPaintTest : public MainWndTest {
protected:
    bool Has(const RECT& area, COLORREF color) const { return Count(area, color) > 0; }
    bool IsEdged(const RECT& cell) const {
        const int middleX = (cell.left + cell.right) / 2;
        const int middleY = (cell.top + cell.bottom) / 2;
        const COLORREF edge = TestColors::kTodayEdge;
        return Pixel(cell.left, middleY) == edge && Pixel(cell.right - 1, middleY) == edge &&
               Pixel(middleX, cell.top) == edge && Pixel(middleX, cell.bottom - 1) == edge;
    }
    bool IsEmpty(const RECT& cell) const {
        const int size = (cell.right - cell.left) * (cell.bottom - cell.top);
        return Count(cell, TestColors::kCalendarBack) == size;
    }
    // The mark's fill at its centre, its edge at the middle of each side of its 8-pixel box,
    // and nothing of it outside the box.
    bool HasMark(int column, int row) const {
        const RECT box = Box(30 + 32 * column, 106 + 32 * row, 8, 8);
        const COLORREF edge = TestColors::kMemodayEdge;
        return Pixel(box.left + 4, box.top + 4) == TestColors::kMemodayMark &&
               Has({box.left, box.top + 3, box.right, box.top + 5}, edge) &&
               Has({box.left + 3, box.top, box.left + 5, box.bottom}, edge) &&
               Count({box.left - 1, box.top - 1, box.right + 1, box.bottom + 1}, edge) ==
                   Count(box, edge);
    }
    // The day under a client point, or 0001-01-01 when there is none.
    CDate Hit(int x, int y) {
        CDate day(wnd->Selected());
        return wnd->DayFromPoint(x, y, day) ? day : MakeDate(1, 1, 1);
    }
};

} // namespace

TEST_F(CMainWndPaintTest, December2013StartsOnSundayWithFillEdgeMarkAndWeekdayColours) {
    WriteMemo("20131205.txt");
    WriteMemo("20131231.txt", "written");
    wnd->today = MakeDate(2013, 12, 27);
    ShowDate(MakeDate(2013, 12, 5));

    // The 5th: column 4, row 0, selected and with a memo; its number is drawn last.
    EXPECT_EQ(Pixel(137, 134), TestColors::kSeldayBack);
    EXPECT_TRUE(HasMark(4, 0));
    EXPECT_TRUE(Has(NumberBox(4, 0), TestColors::kWeekdayText));
    // The 27th, a Friday in column 5, row 3: edged as today, not filled.
    EXPECT_TRUE(IsEdged(Cell(5, 3)));
    EXPECT_EQ(Pixel(Cell(5, 3).left + 2, Cell(5, 3).bottom - 3), TestColors::kCalendarBack);
    // Sunday the 1st, Saturday the 7th; the 31st in column 2, row 4, with its mark.
    EXPECT_TRUE(Has(NumberBox(0, 0), TestColors::kSundayText));
    EXPECT_FALSE(Has(NumberBox(0, 0), TestColors::kWeekdayText));
    EXPECT_TRUE(Has(NumberBox(6, 0), TestColors::kSatdayText));
    EXPECT_TRUE(Has(NumberBox(2, 4), TestColors::kWeekdayText));
    EXPECT_TRUE(HasMark(2, 4));
    EXPECT_FALSE(HasMark(3, 0));
    // No cell after the 31st, and no sixth row.
    EXPECT_TRUE(IsEmpty(Cell(3, 4)));
    EXPECT_TRUE(IsEmpty(Cell(0, 5)));
    // The header.
    EXPECT_TRUE(Has(Box(16, 80, 16, 16), TestColors::kSundayText));
    EXPECT_TRUE(Has(Box(48, 80, 16, 16), TestColors::kWeekdayText));
    EXPECT_TRUE(Has(Box(208, 80, 16, 16), TestColors::kSatdayText));

    EXPECT_EQ(Hit(150, 120), MakeDate(2013, 12, 5));
    EXPECT_EQ(Hit(8, 104), MakeDate(2013, 12, 1));
}

TEST_F(CMainWndPaintTest, March2014StartsOnSaturdayAndUsesSixRows) {
    WriteMemo("20140301.txt");
    wnd->today = MakeDate(2014, 3, 1);
    ShowDate(MakeDate(2014, 3, 31));

    // The 1st in column 6, row 0: today, with a memo, in the Saturday colour.
    EXPECT_TRUE(IsEdged(Cell(6, 0)));
    EXPECT_TRUE(HasMark(6, 0));
    EXPECT_TRUE(Has(NumberBox(6, 0), TestColors::kSatdayText));
    // The 31st in column 1, row 5: selected, reaching down to y = 295.
    EXPECT_EQ(Pixel(41, 294), TestColors::kSeldayBack);
    EXPECT_TRUE(Has(NumberBox(1, 5), TestColors::kWeekdayText));
    EXPECT_EQ(Pixel(41, 296), TestColors::kCalendarBack);
    EXPECT_TRUE(IsEmpty(Cell(0, 0)));
    EXPECT_TRUE(IsEmpty(Cell(2, 5)));

    const CDate none = MakeDate(1, 1, 1);
    for (const POINT& outside : {POINT{8, 104}, POINT{232, 120}, POINT{50, 296}, POINT{80, 280},
                                 POINT{7, 120}, POINT{100, 103}}) {
        EXPECT_EQ(Hit(outside.x, outside.y), none) << outside.x << "," << outside.y;
    }
    EXPECT_EQ(Hit(231, 104), MakeDate(2014, 3, 1));
    EXPECT_EQ(Hit(40, 295), MakeDate(2014, 3, 31));
    EXPECT_EQ(Hit(100, 200), MakeDate(2014, 3, 18));
}

// Files made and removed by others show at the very next paint. Names are compared as the
// platform compares them, without regard to case; a folder of a memo's name counts as a
// memo too, and a name that is only close to a memo's does not.
TEST_F(CMainWndPaintTest, MarksFollowTheFilesAtEachPaint) {
    BackdateFolder(folder.File("memo"));
    ShowDate(MakeDate(2013, 12, 5));
    Repaint();
    EXPECT_FALSE(HasMark(2, 1));
    WriteMemo("20131210.txt");
    Repaint();
    EXPECT_TRUE(HasMark(2, 1));
    ASSERT_TRUE(DeleteFileA(folder.File(MemoFile("20131210.txt")).c_str()));
    Repaint();
    EXPECT_FALSE(HasMark(2, 1));
    BackdateFolder(folder.File("memo"));
    Repaint();
    folder.MakeFolder(MemoFile("20131211.txt"));
    WriteMemo("20131212.TXT");
    WriteMemo("2013121.txt");
    Repaint();
    EXPECT_TRUE(HasMark(3, 1));
    EXPECT_TRUE(HasMark(4, 1));
    EXPECT_FALSE(HasMark(0, 0));
}

// Today outside the shown month edges nothing; selected, it is filled, then edged.
TEST_F(CMainWndPaintTest, TodayIsEdgedOnlyInItsMonthAndOverTheSelectedFill) {
    wnd->today = MakeDate(2014, 1, 6);
    ShowDate(MakeDate(2013, 12, 6));
    EXPECT_EQ(Count(Box(8, 104, 224, 192), TestColors::kTodayEdge), 0);

    wnd->today = MakeDate(2013, 12, 5);
    ShowDate(MakeDate(2013, 12, 5));
    EXPECT_TRUE(IsEdged(Cell(4, 0)));
    EXPECT_EQ(Pixel(137, 134), TestColors::kSeldayBack);
}

// At midnight, after a change of the clock and after a resume from sleep, today's edge moves
// to the new day and the timer is set anew: to fire within a second after the next midnight,
// however far off. The selected date stays.
TEST_F(CMainWndPaintTest, TodaysEdgeMovesAtMidnightAfterAClockChangeAndAfterSleep) {
    ShowDate(MakeDate(2013, 12, 5));
    const UINT wakes[] = {WM_TIMER, WM_TIMECHANGE, WM_POWERBROADCAST, WM_POWERBROADCAST};
    const WPARAM details[] = {MainWndLayout::kMidnightTimer, 0, PBT_APMRESUMEAUTOMATIC,
                              PBT_APMRESUMESUSPEND};
    for (int i = 0; i < 4; ++i) {
        const int day = 28 + i;
        wnd->today = MakeDate(2013, 12, day);
        wnd->now = December2013At(day, 23 - 5 * i, 59, 59, 700);
        wnd->timers.clear();
        SendMessageA(Window(), wakes[i], details[i], 0);
        EXPECT_TRUE(IsEdged(Cell((day - 1) % 7, (day - 1) / 7))) << i;
        const UINT late = wnd->timers[MainWndLayout::kMidnightTimer] - 5 * i * 3600 * 1000;
        EXPECT_TRUE(late >= 300 && late < 1300) << i << ": " << late;
    }
    EXPECT_EQ(wnd->Selected(), MakeDate(2013, 12, 5));
}

// The last supported month ends on its 12th; painting it must end, and its later cells
// hold no days.
TEST_F(CMainWndPaintTest, LastSupportedMonthShowsItsDaysUpToTheLastDate) {
    const CDate last = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);
    ShowDate(last);
    const int cell = MakeDate(CDate::kLastYear, CDate::kLastMonth, 1).GetDayOfWeek() + 11;
    const RECT lastCell = Cell(cell % 7, cell / 7);
    EXPECT_EQ(Pixel(lastCell.left + 1, lastCell.bottom - 2), TestColors::kSeldayBack);
    EXPECT_EQ(Hit(lastCell.left, lastCell.top), last);
    const RECT after = Cell((cell + 1) % 7, (cell + 1) / 7);
    EXPECT_TRUE(IsEmpty(after));
    EXPECT_EQ(Hit(after.left + 1, after.top + 1), MakeDate(1, 1, 1));
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
