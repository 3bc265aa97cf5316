#include "mainwnd/CMainWnd.h"

#include <cstdio>

#include "framework/CFileFind.h"

using namespace MainWndLayout;

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kMonthsPerYear = 12;

constexpr const char* kOptionsText = "この機能は現在作成中です m(_ _)m";
constexpr const char* kOptionsCaption = "すみません";
constexpr const char* kVersionText = "バージョン 0.03 β";

constexpr int kHelpMissing = 13;

using Operation = int (CMainWnd::*)();

// A command id or a key code with the operation that serves it.
struct Route {
    UINT_PTR code;
    Operation operation;
};

constexpr Route kCommands[] = {
    {kCmdOpenMemo, &CMainWnd::OnCmdOpenMemo},
    {kCmdDeleteMemo, &CMainWnd::OnCmdDeleteMemo},
    {kCmdExit, &CMainWnd::OnCmdExit},
    {kCmdOptions, &CMainWnd::OnCmdOptions},
    {kCmdColors, &CMainWnd::OnCmdColors},
    {kCmdRefresh, &CMainWnd::OnCmdRereadMemos},
    {kCmdMemoList, &CMainWnd::OnCmdMemoList},
    {kCmdPrevYear, &CMainWnd::OnCmdPrevYear},
    {kCmdNextYear, &CMainWnd::OnCmdNextYear},
    {kCmdPrevMonth, &CMainWnd::OnCmdPrevMonth},
    {kCmdNextMonth, &CMainWnd::OnCmdNextMonth},
    {kCmdPrevWeek, &CMainWnd::OnCmdPrevWeek},
    {kCmdNextWeek, &CMainWnd::OnCmdNextWeek},
    {kCmdPrevDay, &CMainWnd::OnCmdPrevDay},
    {kCmdNextDay, &CMainWnd::OnCmdNextDay},
    {kCmdToday, &CMainWnd::OnCmdToday},
    {kCmdSelectDate, &CMainWnd::OnCmdSelectDate},
    {kCmdShowHolidays, &CMainWnd::OnCmdShowHolidays},
    {kCmdPrevMemo, &CMainWnd::OnCmdPrevMemo},
    {kCmdNextMemo, &CMainWnd::OnCmdNextMemo},
    {kCmdHelp, &CMainWnd::OnCmdHelp},
    {kCmdVersion, &CMainWnd::OnCmdVersion},
    {kCmdSearchMemo, &CMainWnd::OnCmdSearchMemo},
};

constexpr Route kKeys[] = {
    {VK_RETURN, &CMainWnd::OnVkReturn},
    {VK_PRIOR, &CMainWnd::OnVkPrior},
    {VK_NEXT, &CMainWnd::OnVkNext},
    {VK_HOME, &CMainWnd::OnVkHome},
    {VK_LEFT, &CMainWnd::OnVkLeft},
    {VK_UP, &CMainWnd::OnVkUp},
    {VK_RIGHT, &CMainWnd::OnVkRight},
    {VK_DOWN, &CMainWnd::OnVkDown},
    {VK_DELETE, &CMainWnd::OnVkDelete},
    {'F', &CMainWnd::OnVkF},
    {'L', &CMainWnd::OnVkL},
    {VK_F1, &CMainWnd::OnVkF1},
    {VK_F3, &CMainWnd::OnVkF3},
    {VK_F5, &CMainWnd::OnVkF5},
    {'S', &CMainWnd::OnVkS},
    {VK_OEM_COMMA, &CMainWnd::OnVkOemComma},
    {VK_OEM_PERIOD, &CMainWnd::OnVkOemPeriod},
};

template <size_t N> Operation Find(const Route (&routes)[N], UINT_PTR code) {
    for (const Route& route : routes) {
        if (route.code == code) {
            return route.operation;
        }
    }
    return nullptr;
}

CDate FirstDate() { return CDate(0); }

CDate LastDate() {
    CDate last(0);
    last.SetDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);
    return last;
}

bool IsCtrlDown() { return (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }

// The point of a mouse message: two unsigned 16-bit halves, x low and y high.
POINT PointOf(LPARAM lParam) {
    return {static_cast<LONG>(LOWORD(lParam)), static_cast<LONG>(HIWORD(lParam))};
}

} // namespace

LRESULT CMainWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const Operation command = Find(kCommands, LOWORD(wParam));
    if (command == nullptr) {
        return CWindow::OnCommand(wParam, lParam);
    }
    return (this->*command)();
}

LRESULT CMainWnd::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    std::printf("CMainWnd::OnKeyDown wp: %llu lp: %lld\n", static_cast<unsigned long long>(wParam),
                static_cast<long long>(lParam));
    std::fflush(stdout);
    const Operation keyOperation = Find(kKeys, wParam);
    if (keyOperation == nullptr) {
        return CWindow::OnKeyDown(wParam, lParam);
    }
    return (this->*keyOperation)();
}

LRESULT CMainWnd::OnLButtonDown(WPARAM, LPARAM lParam) {
    ::SetFocus(m_hWnd);
    SelectDayAt(PointOf(lParam));
    return 0;
}

LRESULT CMainWnd::OnRButtonDown(WPARAM, LPARAM lParam) {
    POINT point = PointOf(lParam);
    SelectDayAt(point);
    ::ClientToScreen(m_hWnd, &point);
    ::TrackPopupMenu(m_menuContext.GetHandle(), 0, point.x, point.y, 0, m_hWnd, nullptr);
    return 0;
}

LRESULT CMainWnd::OnLButtonDblClk(WPARAM, LPARAM lParam) {
    const POINT point = PointOf(lParam);
    CDate day(m_date);
    if (DayFromPoint(point.x, point.y, day)) {
        return OpenMemo(day);
    }
    if (::PtInRect(&kTitleArea, point)) {
        SelectDateByDialog();
    }
    return 0;
}

LRESULT CMainWnd::OnMouseWheel(WPARAM wParam, LPARAM) {
    const short distance = static_cast<short>(HIWORD(wParam));
    const WORD keys = LOWORD(wParam);
    if (distance == 0) {
        return 0;
    }
    const bool away = distance > 0;
    if (keys == MK_SHIFT) {
        return away ? OnCmdPrevYear() : OnCmdNextYear();
    }
    if (keys == MK_CONTROL) {
        return away ? OnCmdPrevMonth() : OnCmdNextMonth();
    }
    return away ? OnCmdPrevWeek() : OnCmdNextWeek();
}

void CMainWnd::SelectDayAt(POINT point) {
    CDate day(m_date);
    if (DayFromPoint(point.x, point.y, day)) {
        m_date = day;
        OnCmdRefresh();
    }
}

int CMainWnd::OnVkReturn() { return IsCtrlDown() ? OnCmdSelectDate() : OnCmdOpenMemo(); }
int CMainWnd::OnVkPrior() { return OnCmdPrevMonth(); }
int CMainWnd::OnVkNext() { return OnCmdNextMonth(); }
int CMainWnd::OnVkHome() { return IsCtrlDown() ? OnCmdToday() : 0; }
int CMainWnd::OnVkLeft() { return IsCtrlDown() ? OnCmdPrevMonth() : OnCmdPrevDay(); }
int CMainWnd::OnVkUp() { return IsCtrlDown() ? OnCmdPrevYear() : OnCmdPrevWeek(); }
int CMainWnd::OnVkRight() { return IsCtrlDown() ? OnCmdNextMonth() : OnCmdNextDay(); }
int CMainWnd::OnVkDown() { return IsCtrlDown() ? OnCmdNextYear() : OnCmdNextWeek(); }
int CMainWnd::OnVkDelete() { return OnCmdDeleteMemo(); }
int CMainWnd::OnVkF() { return IsCtrlDown() ? OnCmdSelectDate() : 0; }
int CMainWnd::OnVkL() { return IsCtrlDown() ? OnCmdMemoList() : 0; }
int CMainWnd::OnVkF1() { return OnCmdHelp(); }
int CMainWnd::OnVkF3() { return OnCmdSelectDate(); }
int CMainWnd::OnVkF5() { return OnCmdRereadMemos(); }
int CMainWnd::OnVkS() { return IsCtrlDown() ? OnCmdSearchMemo() : 0; }
// "," and "." carry "<" and ">", like the buttons; Ctrl changes nothing.
int CMainWnd::OnVkOemComma() { return OnCmdPrevMemo(); }
int CMainWnd::OnVkOemPeriod() { return OnCmdNextMemo(); }

int CMainWnd::OnCmdOpenMemo() {
    OpenMemo(m_date);
    return 0;
}

int CMainWnd::OnCmdDeleteMemo() {
    DeleteMemo(m_date);
    return 0;
}

int CMainWnd::OnCmdExit() {
    PostMessage(WM_DESTROY, 0, 0);
    return 0;
}

int CMainWnd::OnCmdOptions() {
    ::MessageBoxA(m_hWnd, kOptionsText, kOptionsCaption, MB_ICONINFORMATION);
    return 0;
}

int CMainWnd::OnCmdVersion() {
    ::MessageBoxA(m_hWnd, kVersionText, kTitle, MB_ICONINFORMATION);
    return 0;
}

int CMainWnd::OnCmdHelp() {
    std::fputs("CMainWnd::OnCmdHelp\n", stdout);
    std::fflush(stdout);
    const RVK::CString path = GetHelpPath();
    if (path.IsEmpty()) {
        return kHelpMissing;
    }
    RVK::CFileFind find;
    if (!find.FindFile(path)) {
        return kHelpMissing;
    }
    ShellOpen(path);
    return 0;
}

// A year back lands on the first of the same month; year 1 has no year before it, so
// there only the day changes.
int CMainWnd::OnCmdPrevYear() {
    const int year = m_date.GetYear();
    m_date.SetDay(1);
    m_date.SetYear(year - 1);
    return OnCmdRefresh();
}

int CMainWnd::OnCmdNextYear() {
    SelectFirstOfMonth(m_date.GetYear() + 1, m_date.GetMonth());
    return OnCmdRefresh();
}

int CMainWnd::OnCmdPrevMonth() {
    int year = m_date.GetYear();
    int month = m_date.GetMonth() - 1;
    if (month < 1) {
        month = kMonthsPerYear;
        --year;
    }
    SelectFirstOfMonth(year, month);
    return OnCmdRefresh();
}

int CMainWnd::OnCmdNextMonth() {
    int year = m_date.GetYear();
    int month = m_date.GetMonth() + 1;
    if (month > kMonthsPerYear) {
        month = 1;
        ++year;
    }
    SelectFirstOfMonth(year, month);
    return OnCmdRefresh();
}

// Selects the first day of a month, or the nearest supported date when the month lies
// before the first or after the last one.
void CMainWnd::SelectFirstOfMonth(int year, int month) {
    CDate first(m_date);
    if (first.SetDate(year, month, 1)) {
        m_date = first;
    } else {
        m_date = year < 1 ? FirstDate() : LastDate();
    }
}

int CMainWnd::OnCmdPrevWeek() {
    m_date -= kDaysPerWeek;
    return OnCmdRefresh();
}

int CMainWnd::OnCmdNextWeek() {
    m_date += kDaysPerWeek;
    return OnCmdRefresh();
}

int CMainWnd::OnCmdPrevDay() {
    --m_date;
    return OnCmdRefresh();
}

int CMainWnd::OnCmdNextDay() {
    ++m_date;
    return OnCmdRefresh();
}

int CMainWnd::OnCmdToday() {
    m_date = GetToday();
    return OnCmdRefresh();
}

int CMainWnd::OnCmdPrevMemo() { return JumpToMemo(false); }

int CMainWnd::OnCmdNextMemo() { return JumpToMemo(true); }

int CMainWnd::JumpToMemo(bool later) {
    CMemoDays* days = MemoDaysNow();
    CDate found(m_date);
    if (days == nullptr || !days->FindNearest(m_date, later, found)) {
        return 0;
    }
    m_date = found;
    return OnCmdRefresh();
}
