#include "tests/mainwnd/MainWndTestSupport.h"

#include "app/CSystemData.h"

namespace {

// A client rectangle from a corner and a size.
RECT Box(int x, int y, int cx, int cy) { return {x, y, x + cx, y + cy}; }

// The cell of a grid column and row, and the box its day number is drawn in.
RECT Cell(int column, int row) { return Box(8 + 32 * column, 104 + 32 * row, 32, 32); }
RECT NumberBox(int column, int row) { return Box(16 + 32 * column, 112 + 32 * row, 16, 16); }
RECT MarkBox(int column, int row) { return Box(30 + 32 * column, 106 + 32 * row, 8, 8); }
POINT MarkCentre(int column, int row) { return {34 + 32 * column, 110 + 32 * row}; }

class CMainWndPaintTest : public MainWndTest {
protected:
    bool HasColor(const RECT& area, COLORREF color) const { return CountPixels(area, color) > 0; }
    bool IsEdged(const RECT& cell, COLORREF color) const {
        const int middleX = (cell.left + cell.right) / 2;
        const int middleY = (cell.top + cell.bottom) / 2;
        return Pixel(cell.left, middleY) == color && Pixel(cell.right - 1, middleY) == color &&
               Pixel(middleX, cell.top) == color && Pixel(middleX, cell.bottom - 1) == color;
    }
    bool IsEmpty(const RECT& cell) const {
        const int size = (cell.right - cell.left) * (cell.bottom - cell.top);
        return CountPixels(cell, TestColors::kCalendarBack) == size;
    }
    bool HasMark(int column, int row) const {
        const POINT centre = MarkCentre(column, row);
        const RECT box = MarkBox(column, row);
        // Edge pixels on all four sides of the box, and nothing of the mark outside it.
        const COLORREF edge = TestColors::kMemodayEdge;
        const RECT outside = {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
        return Pixel(centre.x, centre.y) == TestColors::kMemodayMark &&
               HasColor({box.left, box.top, box.right, box.top + 1}, edge) &&
               HasColor({box.left, box.bottom - 1, box.right, box.bottom}, edge) &&
               HasColor({box.left, box.top, box.left + 1, box.bottom}, edge) &&
               HasColor({box.right - 1, box.top, box.right, box.bottom}, edge) &&
               CountPixels(outside, edge) == CountPixels(box, edge);
    }
    CDate Hit(int x, int y) {
        CDate day(wnd->Selected());
        if (!wnd->DayFromPoint(x, y, day)) {
            return MakeDate(1, 1, 1);
        }
        return day;
    }
};

} // namespace

TEST_F(CMainWndPaintTest, December2013StartsOnSundayWithFillEdgeMarkAndWeekdayColours) {
    WriteMemo("20131205.txt");
    WriteMemo("20131231.txt", "written");
    OpenWindow();
    wnd->today = MakeDate(2013, 12, 27);
    ShowDate(MakeDate(2013, 12, 5));

    // The 5th: column 4, row 0, selected and with a memo; its number is drawn last.
    EXPECT_EQ(Pixel(137, 134), TestColors::kSeldayBack);
    EXPECT_TRUE(HasMark(4, 0));
    EXPECT_TRUE(HasColor(NumberBox(4, 0), TestColors::kWeekdayText));
    // The 27th, a Friday in column 5, row 3: edged as today, not filled.
    EXPECT_TRUE(IsEdged(Cell(5, 3), TestColors::kTodayEdge));
    EXPECT_EQ(Pixel(Cell(5, 3).left + 2, Cell(5, 3).bottom - 3), TestColors::kCalendarBack);
    // Sunday the 1st, Saturday the 7th; the 31st in column 2, row 4, with its mark.
    EXPECT_TRUE(HasColor(NumberBox(0, 0), TestColors::kSundayText));
    EXPECT_FALSE(HasColor(NumberBox(0, 0), TestColors::kWeekdayText));
    EXPECT_TRUE(HasColor(NumberBox(6, 0), TestColors::kSatdayText));
    EXPECT_TRUE(HasColor(NumberBox(2, 4), TestColors::kWeekdayText));
    EXPECT_TRUE(HasMark(2, 4));
    EXPECT_FALSE(HasMark(3, 0));
    // No cell after the 31st, and no sixth row.
    EXPECT_TRUE(IsEmpty(Cell(3, 4)));
    EXPECT_TRUE(IsEmpty(Cell(0, 5)));
    // Title and header.
    EXPECT_TRUE(HasColor(Box(60, 44, 128, 24), TestColors::kCalendarText));
    EXPECT_TRUE(HasColor(Box(16, 80, 16, 16), TestColors::kSundayText));
    EXPECT_TRUE(HasColor(Box(48, 80, 16, 16), TestColors::kWeekdayText));
    EXPECT_TRUE(HasColor(Box(208, 80, 16, 16), TestColors::kSatdayText));

    EXPECT_EQ(Hit(150, 120), MakeDate(2013, 12, 5));
    EXPECT_EQ(Hit(8, 104), MakeDate(2013, 12, 1));
}

TEST_F(CMainWndPaintTest, March2014StartsOnSaturdayAndUsesSixRows) {
    WriteMemo("20140301.txt");
    OpenWindow();
    wnd->today = MakeDate(2014, 3, 1);
    ShowDate(MakeDate(2014, 3, 31));

    // The 1st in column 6, row 0: today, with a memo, in the Saturday colour.
    EXPECT_TRUE(IsEdged(Cell(6, 0), TestColors::kTodayEdge));
    EXPECT_TRUE(HasMark(6, 0));
    EXPECT_TRUE(HasColor(NumberBox(6, 0), TestColors::kSatdayText));
    // The 31st in column 1, row 5: selected, reaching down to y = 295.
    EXPECT_EQ(Pixel(41, 294), TestColors::kSeldayBack);
    EXPECT_TRUE(HasColor(NumberBox(1, 5), TestColors::kWeekdayText));
    EXPECT_EQ(Pixel(41, 296), TestColors::kCalendarBack);
    EXPECT_TRUE(IsEmpty(Cell(0, 0)));
    EXPECT_TRUE(IsEmpty(Cell(2, 5)));

    CDate day(wnd->Selected());
    EXPECT_FALSE(wnd->DayFromPoint(8, 104, day));
    EXPECT_FALSE(wnd->DayFromPoint(232, 120, day));
    EXPECT_FALSE(wnd->DayFromPoint(50, 296, day));
    EXPECT_FALSE(wnd->DayFromPoint(80, 280, day));
    EXPECT_FALSE(wnd->DayFromPoint(7, 120, day));
    EXPECT_FALSE(wnd->DayFromPoint(100, 103, day));
    EXPECT_EQ(day, MakeDate(2014, 3, 31));
    EXPECT_EQ(Hit(231, 104), MakeDate(2014, 3, 1));
    EXPECT_EQ(Hit(40, 295), MakeDate(2014, 3, 31));
    EXPECT_EQ(Hit(100, 200), MakeDate(2014, 3, 18));
}

TEST_F(CMainWndPaintTest, MarksFollowTheFilesAtEachPaint) {
    OpenWindow();
    ShowDate(MakeDate(2013, 12, 5));
    EXPECT_FALSE(HasMark(2, 1));

    WriteMemo("20131210.txt");
    Repaint();
    EXPECT_TRUE(HasMark(2, 1));

    ASSERT_TRUE(DeleteFileA(folder.File(MemoFile("20131210.txt")).c_str()));
    Repaint();
    EXPECT_FALSE(HasMark(2, 1));

    // A folder of a memo's name counts as a memo too.
    folder.MakeFolder(MemoFile("20131211.txt"));
    Repaint();
    EXPECT_TRUE(HasMark(3, 1));
}

TEST_F(CMainWndPaintTest, TodayOutsideTheShownMonthEdgesNothing) {
    OpenWindow();
    wnd->today = MakeDate(2014, 1, 6);
    ShowDate(MakeDate(2013, 12, 6));
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            EXPECT_FALSE(HasColor(Cell(column, row), TestColors::kTodayEdge)) << column << row;
        }
    }
}

TEST_F(CMainWndPaintTest, SelectedTodayIsFilledThenEdged) {
    OpenWindow();
    wnd->today = MakeDate(2013, 12, 5);
    ShowDate(MakeDate(2013, 12, 5));
    EXPECT_TRUE(IsEdged(Cell(4, 0), TestColors::kTodayEdge));
    EXPECT_EQ(Pixel(137, 134), TestColors::kSeldayBack);
}

// The last supported month ends on its 12th; painting it must end, and its later cells
// hold no days.
TEST_F(CMainWndPaintTest, LastSupportedMonthShowsItsDaysUpToTheLastDate) {
    OpenWindow();
    const CDate last = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);
    ShowDate(last);
    const int column = (MakeDate(CDate::kLastYear, CDate::kLastMonth, 1).GetDayOfWeek() + 11) % 7;
    const int row = (MakeDate(CDate::kLastYear, CDate::kLastMonth, 1).GetDayOfWeek() + 11) / 7;
    EXPECT_EQ(Pixel(Cell(column, row).left + 1, Cell(column, row).bottom - 2),
              TestColors::kSeldayBack);
    const RECT after = Cell((column + 1) % 7, row + (column + 1) / 7);
    EXPECT_TRUE(IsEmpty(after));
    CDate day(wnd->Selected());
    EXPECT_FALSE(wnd->DayFromPoint(after.left + 1, after.top + 1, day));
    EXPECT_EQ(Hit(Cell(column, row).left, Cell(column, row).top), last);
}

TEST_F(CMainWndPaintTest, EveryPaintWritesItsTraceLine) {
    OpenWindow();
    testing::internal::CaptureStdout();
    Repaint();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "CMainWnd::OnPaint()\n");
}

TEST(CMainWndColorsTest, WithoutSettingsTheFixedColoursPaint) {
    TestMainWnd wnd;
    wnd.Create(CW_USEDEFAULT, CW_USEDEFAULT, 400, 400, nullptr);
    wnd.ShowWindow(SW_SHOWNORMAL);
    wnd.Selected() = MakeDate(2013, 12, 5);
    InvalidateRect(wnd.GetHandle(), nullptr, TRUE);
    UpdateWindow(wnd.GetHandle());
    HDC dc = GetDC(wnd.GetHandle());
    EXPECT_EQ(GetPixel(dc, 20, 40), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 137, 134), RGB(64, 64, 128));
    EXPECT_EQ(GetPixel(dc, 300, 350), RGB(0, 0, 0));
    ReleaseDC(wnd.GetHandle(), dc);
    EXPECT_TRUE(wnd.GetMemoPath(MakeDate(2013, 12, 5)).IsEmpty());
    EXPECT_FALSE(wnd.ReloadColors());
}
