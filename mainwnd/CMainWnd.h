#pragma once

#include <windows.h>

#include <string>

#include "calendar/CDate.h"
#include "framework/CBrush.h"
#include "framework/CButton.h"
#include "framework/CFont.h"
#include "framework/CMenu.h"
#include "framework/CStatic.h"
#include "framework/CString.h"
#include "framework/CToolTip.h"
#include "framework/CWaitable.h"
#include "framework/CWindow.h"
#include "mainwnd/MainWndLayout.h"
#include "memo/CMemoDays.h"
#include "memo/CMemoFolderWatch.h"
#include "memo/CMemoTextCache.h"

namespace RVK {
class CDC;
}

// The program's one top-level window: the month view of the selected date, the column
// of navigation buttons and unit labels, the menus, and every command the user gives.
// The month view follows the memo folder and the date by itself: the message loop waits
// on the folder's change notification for it, and a timer wakes it at midnight. A tip over
// a day cell shows the day, its holiday and the start of its memo.
class CMainWnd : public RVK::CWindow, public RVK::CWaitable {
    RVK_DECLARE_RUNTIME_CLASS()

    CMainWnd();
    CMainWnd(const CMainWnd&) = delete;
    CMainWnd& operator=(const CMainWnd&) = delete;
    // Destroys a window that still exists while the handlers still are this class's, and
    // releases the menus no window took over.
    ~CMainWnd() override;

    LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam) override;
    // Moves the day tip to the cell under the mouse and relays the move to it.
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam) override;
    // The day tip asks for its text.
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCtlColorStatic(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
    int GetIconId() override;

    // The memo folder's change notification.
    HANDLE GetWaitHandle() override;
    // The memo folder changed: the notification is armed again and the month view
    // repainted, at once for the first change and then at most once per span while more
    // keep coming.
    void OnSignalled() override;

    // Reads the eleven colours anew and repaints with them; false without settings.
    virtual bool ReloadColors();

    virtual int OnCmdOpenMemo();
    virtual int OnCmdDeleteMemo();
    virtual int OnCmdExit();
    virtual int OnCmdOptions();
    virtual int OnCmdColors();
    virtual int OnCmdRefresh();
    // 更新: forgets the memo days kept so far, then repaints, so the folder is read anew.
    virtual int OnCmdRereadMemos();
    virtual int OnCmdMemoList();
    virtual int OnCmdPrevYear();
    virtual int OnCmdNextYear();
    virtual int OnCmdPrevMonth();
    virtual int OnCmdNextMonth();
    virtual int OnCmdPrevWeek();
    virtual int OnCmdNextWeek();
    virtual int OnCmdPrevDay();
    virtual int OnCmdNextDay();
    virtual int OnCmdToday();
    virtual int OnCmdSelectDate();
    virtual int OnCmdShowHolidays();
    virtual int OnCmdHelp();
    virtual int OnCmdVersion();
    // The memo search dialog; jumps to the day of the result the user chose.
    virtual int OnCmdSearchMemo();
    // Select the nearest earlier or later day that has a memo, in any month or year;
    // without one nothing changes.
    virtual int OnCmdPrevMemo();
    virtual int OnCmdNextMemo();

    virtual int OnVkReturn();
    virtual int OnVkPrior();
    virtual int OnVkNext();
    virtual int OnVkHome();
    virtual int OnVkLeft();
    virtual int OnVkUp();
    virtual int OnVkRight();
    virtual int OnVkDown();
    virtual int OnVkDelete();
    virtual int OnVkF();
    virtual int OnVkL();
    virtual int OnVkF1();
    virtual int OnVkF3();
    virtual int OnVkF5();
    virtual int OnVkS();
    virtual int OnVkOemComma();
    virtual int OnVkOemPeriod();

    // Asks for a date and selects it when the user confirms; always true.
    virtual bool SelectDateByDialog();

    // The day of the shown month whose cell holds the client point.
    virtual bool DayFromPoint(int x, int y, CDate& day);

    // Memo files: one per day in the memo folder. Results are platform error codes:
    // 0 done (or nothing to delete), 6 not created, 13 no path or not deleted.
    virtual RVK::CString GetMemoPath(CDate date);
    // The same path in UTF-16, for the W calls; empty when there is no settings object.
    virtual std::wstring GetMemoPathW(CDate date);
    virtual RVK::CString GetHelpPath();
    virtual int OpenMemo(CDate date);
    virtual int DeleteMemo(CDate date);

protected:
    // Today as the month view and the today command see it.
    virtual CDate GetToday();
    // GetSystemTimeAsFileTime: the time from which the midnight timer is set.
    virtual FILETIME GetNow();
    // ShellExecuteA with the verb "open", no owner, shown normally. (Not named after the
    // call: shellapi.h turns that name into a macro in some files only.)
    virtual void ShellOpen(const char* path);
    // ShellExecuteW the same way, for a path the ANSI code page may not spell.
    virtual void ShellOpenW(const wchar_t* path);

    RVK::CFont m_font;
    RVK::CMenu m_menuBar;
    RVK::CMenu m_menuFile;
    RVK::CMenu m_menuSettings;
    RVK::CMenu m_menuView;
    RVK::CMenu m_menuJump;
    RVK::CMenu m_menuHelp;
    RVK::CMenu m_menuContext;
    RVK::CButton m_buttons[MainWndLayout::kButtonCount];
    RVK::CStatic m_labels[MainWndLayout::kLabelCount];
    CDate m_date;
    RVK::CBrush m_brBack;
    // m_brBack's colour.
    COLORREF m_crCalendarBack;
    COLORREF m_crCalendarText;
    COLORREF m_crWeekdayText;
    COLORREF m_crSundayText;
    COLORREF m_crSatdayText;
    COLORREF m_crSeldayBack;
    COLORREF m_crTodayEdge;
    COLORREF m_crMemodayMark;
    COLORREF m_crMemodayEdge;
    COLORREF m_crButtonBack;
    COLORREF m_crButtonText;
    // The class background from before this window; put back when it goes.
    HBRUSH m_hbrOldClassBack;
    bool m_bMenuBarAttached;
    // Whether holidays are drawn in the Sunday colour.
    bool m_bShowHolidays;

private:
    bool LoadColors();
    void BuildMenus();
    void CreateControls();
    void DestroyContextMenu();
    void ForgetMenus();
    void ReleaseMenus();
    void UpdateHolidayChecks();
    void SelectDayAt(POINT point);
    void SelectFirstOfMonth(int year, int month);
    COLORREF DayTextColor(int dayOfWeek) const;
    COLORREF DayNumberColor(const CDate& day) const;
    // The memo days kept, forgotten first when the folder watch no longer vouches for
    // them; null without settings. For the month view's paint.
    CMemoDays* KeptMemoDays();
    // The same for a question between paints, such as a tip's or a jump's.
    CMemoDays* MemoDaysNow();
    // The memo days of `day`'s month, for the paint. Sets the walk of the whole folder going
    // when it is due.
    CMemoDays::MonthDays FindMemoDays(const CDate& day);
    void OnMemoWalkTimer();
    void OnEnabled();
    // After Kalvo's own creates and deletes, and on the user's 更新: the folder watch may
    // not have noticed the change yet.
    void ForgetMemoDays();
    int JumpToMemo(bool later);
    void PaintHeader(RVK::CDC& dc);
    void PaintDays(RVK::CDC& dc, const CDate& first, const CDate& today);
    void PaintDay(RVK::CDC& dc, const CDate& day, const CDate& today, bool hasMemo, int column,
                  int row);
    void ArmMidnightTimer();
    void OnDayMayHaveChanged();
    void OnMemoRepaintTimer();
    // The grid cell that holds the client point, whether a day is drawn there or not;
    // false outside the grid.
    bool CellFromPoint(POINT point, RECT& cell) const;
    bool CreateDayTip();
    void OnMouseLeave();
    std::wstring MakeDayTip(const CDate& day);

    // The memo days read since the memo folder last changed.
    CMemoDays m_memoDays;
    CMemoFolderWatch m_memoWatch;
    // The memo repaint timer runs: a change now waits for it.
    bool m_bMemoRepaintHeld;
    // The memo folder changed since the month view was last asked to repaint.
    bool m_bMemoChangedMeanwhile;
    // Memo text kept from one search to the next.
    CMemoTextCache m_memoTexts;
    // Made at the first mouse move over the grid; its tool is the cell under the mouse.
    RVK::CToolTip m_dayTip;
    // The tool's cell; empty while the mouse is off the grid.
    RECT m_rcTipCell;
    // The tip's last text, which the tooltip reads while it shows.
    std::wstring m_strDayTip;
    // TrackMouseEvent was asked for the WM_MOUSELEAVE that ends the tip.
    bool m_bMouseTracked;
};
