#include "mainwnd/CMainWnd.h"

using namespace MainWndLayout;

namespace {

// FILETIME counts 100 ns steps.
constexpr ULONGLONG kTicksPerMillisecond = 10000;
constexpr ULONGLONG kTicksPerDay = 24ULL * 60 * 60 * 1000 * kTicksPerMillisecond;

ULONGLONG Ticks(const FILETIME& time) {
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

FILETIME FromTicks(ULONGLONG ticks) {
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// The first local midnight after `now`, both in UTC. The local day's start moves on by a
// day and goes back to UTC by the time zone's rules for that date, so that a change to or
// from summer time before midnight is counted.
bool NextMidnight(const FILETIME& now, ULONGLONG& midnight) {
    SYSTEMTIME utc;
    SYSTEMTIME local;
    FILETIME dayStart;
    if (!::FileTimeToSystemTime(&now, &utc) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        return false;
    }
    local.wHour = local.wMinute = local.wSecond = local.wMilliseconds = 0;
    if (!::SystemTimeToFileTime(&local, &dayStart)) {
        return false;
    }
    const FILETIME nextDayStart = FromTicks(Ticks(dayStart) + kTicksPerDay);
    SYSTEMTIME nextLocal;
    SYSTEMTIME nextUtc;
    FILETIME result;
    if (!::FileTimeToSystemTime(&nextDayStart, &nextLocal) ||
        !::TzSpecificLocalTimeToSystemTime(nullptr, &nextLocal, &nextUtc) ||
        !::SystemTimeToFileTime(&nextUtc, &result)) {
        return false;
    }
    midnight = Ticks(result);
    return true;
}

bool IsResume(WPARAM powerEvent) {
    return powerEvent == PBT_APMRESUMEAUTOMATIC || powerEvent == PBT_APMRESUMESUSPEND;
}

} // namespace

// WM_TIMECHANGE, WM_POWERBROADCAST, WM_MOUSELEAVE and WM_NOTIFYFORMAT have no handler of
// their own in the framework. The day tip, a Unicode control, asks with WM_NOTIFYFORMAT how
// to notify this ANSI window: in UTF-16 too.
LRESULT CMainWnd::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMECHANGE || (msg == WM_POWERBROADCAST && IsResume(wParam))) {
        OnDayMayHaveChanged();
    }
    if (msg == WM_MOUSELEAVE) {
        OnMouseLeave();
        return 0;
    }
    if (msg == WM_ENABLE && wParam != FALSE) {
        OnEnabled();
    }
    if (msg == WM_NOTIFYFORMAT && lParam == NF_QUERY && m_dayTip.GetHandle() != nullptr &&
        reinterpret_cast<HWND>(wParam) == m_dayTip.GetHandle()) {
        return NFR_UNICODE;
    }
    return CWindow::WindowProc(hwnd, msg, wParam, lParam);
}

LRESULT CMainWnd::OnTimer(WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
    case kMidnightTimer:
        OnDayMayHaveChanged();
        return 0;
    case kMemoRepaintTimer:
        OnMemoRepaintTimer();
        return 0;
    case kMemoWalkTimer:
        OnMemoWalkTimer();
        return 0;
    default:
        return CWindow::OnTimer(wParam, lParam);
    }
}

// Today may be another day: at midnight, after a change of the clock or the time zone, and
// after sleep, which may have lasted past midnight and delays timers. The selected date
// stays: it is the user's.
void CMainWnd::OnDayMayHaveChanged() {
    OnCmdRefresh();
    ArmMidnightTimer();
}

// One timer for the next midnight, set anew each time it fires: a timer that fired early
// is set again for what is left.
void CMainWnd::ArmMidnightTimer() {
    const FILETIME now = GetNow();
    ULONGLONG midnight = 0;
    const ULONGLONG wait =
        NextMidnight(now, midnight) && midnight > Ticks(now) ? midnight - Ticks(now) : kTicksPerDay;
    SetTimer(kMidnightTimer, static_cast<UINT>(wait / kTicksPerMillisecond) + kMidnightMargin);
}

FILETIME CMainWnd::GetNow() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    return now;
}

HANDLE CMainWnd::GetWaitHandle() { return m_memoWatch.GetHandle(); }

// A sync tool that writes a thousand memos costs a repaint per span, not one per memo. The
// paint reads the memo folder after the notification was armed: Wine reports changes below
// the watched folder only in folders opened since.
void CMainWnd::OnSignalled() {
    m_memoWatch.Rearm();
    if (m_bMemoRepaintHeld) {
        m_bMemoChangedMeanwhile = true;
        return;
    }
    OnCmdRefresh();
    m_bMemoRepaintHeld = SetTimer(kMemoRepaintTimer, kMemoRepaintSpan) != 0;
}

// The timer stops after a span without changes.
void CMainWnd::OnMemoRepaintTimer() {
    if (m_bMemoChangedMeanwhile) {
        m_bMemoChangedMeanwhile = false;
        OnCmdRefresh();
        return;
    }
    KillTimer(kMemoRepaintTimer);
    m_bMemoRepaintHeld = false;
}
