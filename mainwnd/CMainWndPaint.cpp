#include "mainwnd/CMainWnd.h"

#include <cstdio>

#include "calendar/CHolidayCalendar.h"
#include "framework/CDC.h"

using namespace MainWndLayout;

namespace {

constexpr int kSunday = 0;
constexpr const char* kWeekdayNames[] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr int kSaturday = 6;

// Days of the month that can be shown: all of them, except in the last supported month,
// which ends on the last supported day (stepping past it would stay on it forever).
int DaysShown(const CDate& first) {
    if (first.GetYear() == CDate::kLastYear && first.GetMonth() == CDate::kLastMonth) {
        return CDate::kLastDay;
    }
    return first.GetDaysInMonth();
}

CDate FirstOfMonth(const CDate& date) {
    CDate first(date);
    first.SetDay(1);
    return first;
}

int CellLeft(int column) { return kGridOrigin.x + kCellSize * column; }
int CellTop(int row) { return kGridOrigin.y + kCellSize * row; }

} // namespace

LRESULT CMainWnd::OnPaint(WPARAM, LPARAM) {
    std::fputs("CMainWnd::OnPaint()\n", stdout);
    std::fflush(stdout);
    RVK::CDC dc(BeginPaint());
    // Everything selected below is deselected again before EndPaint, so that the fonts,
    // pens and brushes can really be deleted afterwards.
    const int saved = ::SaveDC(dc.GetHDC());
    RVK::CFont titleFont(kTitleFontHeight, kFontFace, true);
    dc.SelectObject(titleFont.GetHFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crCalendarText);
    dc.FillRect(kPanel.left, kPanel.top, kPanel.right - kPanel.left, kPanel.bottom - kPanel.top,
                m_crCalendarBack);

    const CDate today = GetToday();
    const CDate first = FirstOfMonth(m_date);
    RVK::CString title;
    title.Format("%04d年%02d月", first.GetYear(), first.GetMonth());
    dc.DrawText(kTitleAt.x, kTitleAt.y, title, 0);

    RVK::CFont dayFont(kDayFontHeight, kFontFace, true);
    dc.SelectObject(dayFont.GetHFont());
    PaintHeader(dc);
    PaintDays(dc, first, today);

    ::RestoreDC(dc.GetHDC(), saved);
    EndPaint();
    return 0;
}

COLORREF CMainWnd::DayTextColor(int dayOfWeek) const {
    if (dayOfWeek == kSunday) {
        return m_crSundayText;
    }
    return dayOfWeek == kSaturday ? m_crSatdayText : m_crWeekdayText;
}

// Holidays, when shown, take the Sunday colour whatever their weekday.
COLORREF CMainWnd::DayNumberColor(const CDate& day) const {
    if (m_bShowHolidays && CHolidayCalendar::GetHolidayName(day) != nullptr) {
        return m_crSundayText;
    }
    return DayTextColor(day.GetDayOfWeek());
}

void CMainWnd::PaintHeader(RVK::CDC& dc) {
    for (int column = 0; column < kColumns; ++column) {
        dc.SetTextColor(DayTextColor(column));
        dc.DrawText(CellLeft(column) + kTextInset, kHeaderTop, kWeekdayNames[column], 0);
    }
}

void CMainWnd::PaintDays(RVK::CDC& dc, const CDate& first, const CDate& today) {
    CDate day(first);
    int column = first.GetDayOfWeek();
    int row = 0;
    const int days = DaysShown(first);
    const CMemoDays::MonthDays memoDays = FindMemoDays(first);
    for (int n = 1; n <= days; ++n, ++day) {
        PaintDay(dc, day, today, (memoDays >> n & 1) != 0, column, row);
        column = (column + 1) % kColumns;
        if (column == 0) {
            ++row;
        }
    }
}

// Fill, edge, mark, number: each drawn over the one before.
void CMainWnd::PaintDay(RVK::CDC& dc, const CDate& day, const CDate& today, bool hasMemo,
                        int column, int row) {
    const int left = CellLeft(column);
    const int top = CellTop(row);
    if (day == m_date) {
        dc.FillRect(left, top, kCellSize, kCellSize, m_crSeldayBack);
    }
    if (day == today) {
        dc.SelectObject(RVK::CPen(kSolidPen, kOnePixelWide, m_crTodayEdge));
        dc.SelectObject(RVK::CBrush(kHollowBrush, 0));
        dc.Rectangle(left, top, kCellSize, kCellSize);
    }
    if (hasMemo) {
        dc.SelectObject(RVK::CPen(kSolidPen, kOnePixelWide, m_crMemodayEdge));
        dc.SelectObject(RVK::CBrush(kSolidBrush, m_crMemodayMark));
        dc.Ellipse(left + kMarkBox.left, top + kMarkBox.top, kMarkBox.right - kMarkBox.left,
                   kMarkBox.bottom - kMarkBox.top);
    }
    dc.SetTextColor(DayNumberColor(day));
    RVK::CString number;
    number.Format("%02d", day.GetDay());
    dc.DrawText(left + kTextInset, top + kTextInset, number, 0);
}

bool CMainWnd::DayFromPoint(int x, int y, CDate& day) {
    const int gridRight = CellLeft(kColumns);
    const int gridBottom = CellTop(kRows);
    if (x < kGridOrigin.x || x >= gridRight || y < kGridOrigin.y || y >= gridBottom) {
        return false;
    }
    const int column = (x - kGridOrigin.x) / kCellSize;
    const int row = (y - kGridOrigin.y) / kCellSize;
    const CDate first = FirstOfMonth(m_date);
    const int number = column + kColumns * row - first.GetDayOfWeek() + 1;
    if (number < 1 || number > DaysShown(first)) {
        return false;
    }
    day = first;
    day.SetDay(number);
    return true;
}

bool CMainWnd::CellFromPoint(POINT point, RECT& cell) const {
    if (point.x < kGridOrigin.x || point.x >= CellLeft(kColumns) || point.y < kGridOrigin.y ||
        point.y >= CellTop(kRows)) {
        return false;
    }
    const int left = CellLeft((point.x - kGridOrigin.x) / kCellSize);
    const int top = CellTop((point.y - kGridOrigin.y) / kCellSize);
    cell = {left, top, left + kCellSize, top + kCellSize};
    return true;
}

CDate CMainWnd::GetToday() { return CDate(); }
