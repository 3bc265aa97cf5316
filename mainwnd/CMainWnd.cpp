#include "mainwnd/CMainWnd.h"

#include <iterator>

#include "app/CSystemData.h"

using namespace MainWndLayout;

RVK_IMPLEMENT_RUNTIME_CLASS(CMainWnd, RVK::CWindow)

namespace {

// One item of a menu: a command, or a separator when the id is 0.
struct MenuItem {
    const char* text;
    int id;
};

constexpr MenuItem kFileItems[] = {
    {"メモを開く(&O) [Enter]", kCmdOpenMemo},
    {"メモを削除(&D) [Delete]", kCmdDeleteMemo},
    {"", 0},
    {"終了(&Q)", kCmdExit},
};
constexpr MenuItem kSettingsItems[] = {
    {"動作設定", kCmdOptions},
    {"色設定", kCmdColors},
};
constexpr MenuItem kViewItems[] = {
    {"更新(&R) [F5]", kCmdRefresh},
    {"メモ一覧(&L) [Ctrl] + [L]", kCmdMemoList},
};
constexpr const char* kJumpTitle = "移動(&J)";
constexpr const char* kShowHolidaysText = "祝日を表示";
// Below the 移動 menu, which follows kViewItems.
constexpr MenuItem kViewTail[] = {
    {"", 0},
    {kShowHolidaysText, kCmdShowHolidays},
};
constexpr UINT kViewTailPos = std::size(kViewItems) + 1;
constexpr UINT kViewHolidaysPos = kViewTailPos + 1;
// A group of its own below 祝日を表示.
constexpr MenuItem kViewSearchItems[] = {
    {"", 0},
    {"メモを検索…", kCmdSearchMemo},
};
constexpr UINT kViewSearchPos = kViewHolidaysPos + 1;
// With the search, which also takes the selection to a memo.
constexpr MenuItem kViewMemoJumps[] = {
    {"前のメモへ", kCmdPrevMemo},
    {"次のメモへ", kCmdNextMemo},
};
constexpr UINT kViewMemoJumpsPos = kViewSearchPos + std::size(kViewSearchItems);
constexpr MenuItem kJumpItems[] = {
    {"本日へ移動 [Ctrl] + [Home]", kCmdToday},
    {"指定日へ移動 [Ctrl] + [F]", kCmdSelectDate},
    {"", 0},
    {"前の年へ移動 [Ctrl] + [↑]", kCmdPrevYear},
    {"次の年へ移動 [Ctrl] + [↓]", kCmdNextYear},
    {"前の月へ移動 [Ctrl] + [←] / [PgUp]", kCmdPrevMonth},
    {"次の月へ移動 [Ctrl] + [→] / [PgDn]", kCmdNextMonth},
    {"前の週へ移動 [↑]", kCmdPrevWeek},
    {"次の週へ移動 [↓]", kCmdNextWeek},
    {"前の日へ移動 [←]", kCmdPrevDay},
    {"次の日へ移動 [→]", kCmdNextDay},
};
constexpr MenuItem kHelpItems[] = {
    {"使い方 [F1]", kCmdHelp},
    {"バージョン", kCmdVersion},
};

// The context menu: its own items around the shared 設定 and 移動 menus.
constexpr MenuItem kContextHead[] = {
    {"メモを開く(&O) [Enter]", kCmdOpenMemo},
    {"メモを削除(&D) [Delete]", kCmdDeleteMemo},
    {"", 0},
};
constexpr const char* kContextSettingsTitle = "設定(&S)";
constexpr UINT kContextSettingsPos = 3;
constexpr UINT kContextJumpPos = 4;
constexpr MenuItem kContextTail[] = {
    {"更新(&R)", kCmdRefresh},
    {"メモ一覧(&L)", kCmdMemoList},
    {kShowHolidaysText, kCmdShowHolidays},
    {"", 0},
    {"終了(&Q)", kCmdExit},
};
// After 更新 and メモ一覧, which follow the 移動 menu.
constexpr UINT kContextHolidaysPos = kContextJumpPos + 3;

template <size_t N> void InsertItems(RVK::CMenu& menu, UINT first, const MenuItem (&items)[N]) {
    for (size_t i = 0; i < N; ++i) {
        menu.InsertItem(first + static_cast<UINT>(i), items[i].text, items[i].id);
    }
}

// Empties a menu item's submenu link without destroying the submenu.
void UnlinkSubmenu(RVK::CMenu& menu, UINT pos) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = nullptr;
    menu.SetMenuItemInfo(pos, TRUE, &info);
}

bool ReadShowHolidays() {
    const CSystemData* settings = CSystemData::GetInstance();
    return settings != nullptr && settings->GetShowHolidays();
}

} // namespace

CMainWnd::CMainWnd()
    : CWindow(kTitle, 0), m_menuContext(true), m_crCalendarBack(kCalendarBack),
      m_crCalendarText(kCalendarText), m_crWeekdayText(kWeekdayText), m_crSundayText(kSundayText),
      m_crSatdayText(kSatdayText), m_crSeldayBack(kSeldayBack), m_crTodayEdge(kTodayEdge),
      m_crMemodayMark(kMemodayMark), m_crMemodayEdge(kMemodayEdge), m_crButtonBack(kButtonBack),
      m_crButtonText(kButtonText), m_hbrOldClassBack(nullptr), m_bMenuBarAttached(false),
      m_bShowHolidays(ReadShowHolidays()), m_bMemoRepaintHeld(false),
      m_bMemoChangedMeanwhile(false), m_rcTipCell(), m_bMouseTracked(false) {
    LoadColors();
    m_brBack = RVK::CBrush(kSolidBrush, m_crCalendarBack);
    m_font.CreateFont(kControlFontHeight, kFontFace, 0, 0, 0, 0);
}

CMainWnd::~CMainWnd() {
    if (IsWindow()) {
        DestroyWindow();
    }
    ReleaseMenus();
}

int CMainWnd::GetIconId() { return kIconId; }

bool CMainWnd::LoadColors() {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return false;
    }
    m_crCalendarBack = settings->GetCalendarBackColor();
    m_crCalendarText = settings->GetCalendarTextColor();
    m_crWeekdayText = settings->GetWeekdayTextColor();
    m_crSundayText = settings->GetSundayTextColor();
    m_crSatdayText = settings->GetSatdayTextColor();
    m_crSeldayBack = settings->GetSeldayBackColor();
    m_crTodayEdge = settings->GetTodayEdgeColor();
    m_crMemodayMark = settings->GetMemodayMarkColor();
    m_crMemodayEdge = settings->GetMemodayEdgeColor();
    m_crButtonBack = settings->GetButtonBackColor();
    m_crButtonText = settings->GetButtonTextColor();
    return true;
}

LRESULT CMainWnd::OnCreate(WPARAM wParam, LPARAM lParam) {
    // The class background is put back when the window goes, so the class never
    // refers to this window's brush after the brush is deleted.
    m_hbrOldClassBack = reinterpret_cast<HBRUSH>(SetBkBrush(m_brBack.GetHandle()));
    BuildMenus();
    m_bMenuBarAttached = SetMenu(m_menuBar.GetHandle()) != FALSE;
    CreateControls();
    ArmMidnightTimer();
    return CWindow::OnCreate(wParam, lParam);
}

void CMainWnd::BuildMenus() {
    m_menuBar.InsertPopup(0, "ファイル(&F)", m_menuFile.GetHandle());
    m_menuBar.InsertPopup(1, "設定(&S)", m_menuSettings.GetHandle());
    m_menuBar.InsertPopup(2, "表示(&D)", m_menuView.GetHandle());
    m_menuBar.InsertPopup(3, "ヘルプ(&H)", m_menuHelp.GetHandle());
    InsertItems(m_menuFile, 0, kFileItems);
    InsertItems(m_menuSettings, 0, kSettingsItems);
    InsertItems(m_menuView, 0, kViewItems);
    m_menuView.InsertPopup(std::size(kViewItems), kJumpTitle, m_menuJump.GetHandle());
    InsertItems(m_menuView, kViewTailPos, kViewTail);
    InsertItems(m_menuView, kViewSearchPos, kViewSearchItems);
    InsertItems(m_menuView, kViewMemoJumpsPos, kViewMemoJumps);
    InsertItems(m_menuJump, 0, kJumpItems);
    InsertItems(m_menuHelp, 0, kHelpItems);

    InsertItems(m_menuContext, 0, kContextHead);
    m_menuContext.InsertPopup(kContextSettingsPos, kContextSettingsTitle,
                              m_menuSettings.GetHandle());
    m_menuContext.InsertPopup(kContextJumpPos, kJumpTitle, m_menuJump.GetHandle());
    InsertItems(m_menuContext, kContextJumpPos + 1, kContextTail);
    UpdateHolidayChecks();
}

// Both menus carry the check mark of the holiday display.
void CMainWnd::UpdateHolidayChecks() {
    m_menuView.CheckItem(kViewHolidaysPos, m_bShowHolidays);
    m_menuContext.CheckItem(kContextHolidaysPos, m_bShowHolidays);
}

// A button takes its colours before it exists: set afterwards, each would ask the window
// server to repaint a window that nobody can see yet.
void CMainWnd::CreateControls() {
    for (int i = 0; i < kButtonCount; ++i) {
        const ControlPlace& place = kButtons[i];
        m_buttons[i].SetBackColor(m_crButtonBack);
        m_buttons[i].SetForeColor(m_crButtonText);
        m_buttons[i].Create(place.text, place.x, place.y, place.width, kControlHeight, m_hWnd,
                            place.id, true);
        m_buttons[i].SetFont(m_font.GetHFont());
    }
    for (int i = 0; i < kLabelCount; ++i) {
        const ControlPlace& place = kLabels[i];
        m_labels[i].Create(place.text, place.x, place.y, place.width, kControlHeight, m_hWnd,
                           place.id, kAlignCenter);
        m_labels[i].SetFont(m_font.GetHFont());
    }
}

LRESULT CMainWnd::OnDestroy(WPARAM wParam, LPARAM lParam) {
    m_dayTip.Destroy();
    DestroyContextMenu();
    if (m_bMenuBarAttached) {
        // The window destroys its menu bar, and with it every menu inserted there.
        ForgetMenus();
    }
    if (m_hbrOldClassBack != nullptr) {
        SetBkBrush(m_hbrOldClassBack);
        m_hbrOldClassBack = nullptr;
    }
    ::PostQuitMessage(0);
    return CWindow::OnDestroy(wParam, lParam);
}

// The context menu shares the 設定 and 移動 menus with the menu bar. Destroying a menu
// destroys its submenus, so they are unlinked first: the bar still owns them.
void CMainWnd::DestroyContextMenu() {
    if (m_menuContext.GetHandle() == nullptr) {
        return;
    }
    UnlinkSubmenu(m_menuContext, kContextJumpPos);
    UnlinkSubmenu(m_menuContext, kContextSettingsPos);
    ::DestroyMenu(m_menuContext.GetHandle());
    m_menuContext.SetHandle(nullptr);
}

void CMainWnd::ForgetMenus() {
    for (RVK::CMenu* menu :
         {&m_menuBar, &m_menuFile, &m_menuSettings, &m_menuView, &m_menuJump, &m_menuHelp}) {
        menu->SetHandle(nullptr);
    }
}

// Menus that no window took over: the bar takes along whatever was inserted into it.
void CMainWnd::ReleaseMenus() {
    DestroyContextMenu();
    if (m_menuBar.GetHandle() != nullptr) {
        ::DestroyMenu(m_menuBar.GetHandle());
    }
    for (RVK::CMenu* menu : {&m_menuFile, &m_menuSettings, &m_menuView, &m_menuJump, &m_menuHelp}) {
        if (menu->GetHandle() != nullptr && ::IsMenu(menu->GetHandle())) {
            ::DestroyMenu(menu->GetHandle());
        }
    }
    ForgetMenus();
}

LRESULT CMainWnd::OnCtlColorStatic(WPARAM wParam, LPARAM lParam) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    const HWND label = reinterpret_cast<HWND>(lParam);
    if (::GetWindowLongPtrA(label, GWLP_ID) == kLabelId) {
        ::SetTextColor(dc, m_crCalendarText);
        ::SetBkColor(dc, m_crCalendarBack);
    }
    return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

bool CMainWnd::ReloadColors() {
    if (!LoadColors()) {
        return false;
    }
    m_brBack = RVK::CBrush(kSolidBrush, m_crCalendarBack);
    SetBkBrush(m_brBack.GetHandle());
    for (RVK::CButton& button : m_buttons) {
        button.SetBackColor(m_crButtonBack);
        button.SetForeColor(m_crButtonText);
    }
    InvalidateRect(nullptr, TRUE);
    return true;
}

// The choice is kept at once, so the next start shows the calendar the same way.
int CMainWnd::OnCmdShowHolidays() {
    m_bShowHolidays = !m_bShowHolidays;
    if (CSystemData* settings = CSystemData::GetInstance()) {
        settings->SetShowHolidays(m_bShowHolidays);
    }
    UpdateHolidayChecks();
    return OnCmdRefresh();
}

// The month view changes: a tip that shows may belong to another day now.
int CMainWnd::OnCmdRefresh() {
    m_dayTip.Pop();
    InvalidateRect(&kRepaintArea, FALSE);
    return 0;
}

int CMainWnd::OnCmdRereadMemos() {
    ForgetMemoDays();
    return OnCmdRefresh();
}
