#include "mainwnd/CMainWnd.h"

#include "calendar/CHolidayCalendar.h"
#include "framework/Utf16.h"
#include "memo/CMemoReader.h"
#include "memo/MemoTip.h"

using namespace MainWndLayout;

namespace {

constexpr wchar_t kLineEnd[] = L"\r\n";

} // namespace

// The tip is made only when the mouse first comes over the grid, so that start-up does no
// more than before. A new cell hides the tip of the one before; the tooltip shows the new
// one's after the usual delay.
LRESULT CMainWnd::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    const POINTS at = MAKEPOINTS(lParam);
    RECT cell = {};
    const bool onGrid = CellFromPoint({at.x, at.y}, cell);
    if (m_dayTip.GetHandle() == nullptr && (!onGrid || !CreateDayTip())) {
        return 0;
    }
    if (!::EqualRect(&cell, &m_rcTipCell)) {
        m_rcTipCell = cell;
        m_dayTip.SetToolRect(cell);
        m_dayTip.Pop();
    }
    if (!m_bMouseTracked) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, 0};
        m_bMouseTracked = ::TrackMouseEvent(&track) != FALSE;
    }
    m_dayTip.RelayEvent(WM_MOUSEMOVE, wParam, lParam);
    return 0;
}

bool CMainWnd::CreateDayTip() { return m_dayTip.Create(m_hWnd, kDayTipWidth, kDayTipShowMs); }

// WM_MOUSELEAVE: the mouse left the client area, maybe onto a button or another window.
void CMainWnd::OnMouseLeave() {
    m_bMouseTracked = false;
    m_rcTipCell = RECT{};
    m_dayTip.SetToolRect(m_rcTipCell);
    m_dayTip.Pop();
}

// The text is made anew each time the tip is about to show, from the day the tool's cell
// holds now. The tooltip copies it at once.
LRESULT CMainWnd::OnNotify(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || m_dayTip.GetHandle() == nullptr ||
        header->hwndFrom != m_dayTip.GetHandle() || header->code != TTN_GETDISPINFOW) {
        return CWindow::OnNotify(wParam, lParam);
    }
    CDate day(m_date);
    m_strDayTip =
        DayFromPoint(m_rcTipCell.left, m_rcTipCell.top, day) ? MakeDayTip(day) : std::wstring();
    reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = m_strDayTip.data();
    return 0;
}

// The long date, the holiday when holidays are shown, and the start of the memo, read from
// the disk now, so that what an editor saved shows at once. Empty, for no tip, on a day
// with neither a memo nor a shown holiday.
std::wstring CMainWnd::MakeDayTip(const CDate& day) {
    const char* holiday = m_bShowHolidays ? CHolidayCalendar::GetHolidayName(day) : nullptr;
    CMemoDays* days = MemoDaysNow();
    const bool hasMemo =
        days != nullptr && (days->GetMonth(day.GetYear(), day.GetMonth()) >> day.GetDay() & 1) != 0;
    if (holiday == nullptr && !hasMemo) {
        return std::wstring();
    }
    std::wstring tip = RVK::WidenProgramText(day.Format());
    if (holiday != nullptr) {
        tip += kLineEnd;
        tip += RVK::WidenProgramText(holiday);
    }
    if (hasMemo) {
        CMemoReader reader;
        tip += kLineEnd;
        tip += ReadMemoTip(reader, GetMemoPathW(day).c_str());
    }
    return tip;
}
