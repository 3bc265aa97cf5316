#include "framework/CVirtualListView.h"

#include <windowsx.h>

RVK_IMPLEMENT_RUNTIME_CLASS(CVirtualListView, CListView)

namespace {

// LVM_SETITEMSTATE's index for a change to every item.
constexpr int kAllItems = -1;

} // namespace

CVirtualListView::CVirtualListView() = default;

CVirtualListView::~CVirtualListView() = default;

LRESULT CVirtualListView::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == LVM_SETITEMSTATE && lParam != 0 && OwnerKeepsChecks()) {
        return SetItemStateOwned(wParam, lParam);
    }
    return CListView::WindowProc(hwnd, msg, wParam, lParam);
}

LRESULT CVirtualListView::OnLButtonDown(WPARAM wParam, LPARAM lParam) {
    return ToggleCheckAt(lParam) ? 0 : Default(WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT CVirtualListView::OnLButtonDblClk(WPARAM wParam, LPARAM lParam) {
    return ToggleCheckAt(lParam) ? 0 : Default(WM_LBUTTONDBLCLK, wParam, lParam);
}

// Space alone turns the focused item's check over; with Ctrl it still selects.
LRESULT CVirtualListView::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    if (wParam == VK_SPACE && ::GetKeyState(VK_CONTROL) >= 0 && OwnerKeepsChecks()) {
        const int focused = GetNextItem(LVNI_FOCUSED);
        if (focused >= 0) {
            ToggleCheck(focused);
            return 0;
        }
    }
    return Default(WM_KEYDOWN, wParam, lParam);
}

// Owner data cannot be switched on once the list exists.
DWORD CVirtualListView::GetCreateStyle() { return CListView::GetCreateStyle() | LVS_OWNERDATA; }

// A parent made with the ANSI calls would otherwise be asked in ANSI, where a name the code
// page cannot spell comes out as look-alikes or question marks.
bool CVirtualListView::OnCreated() {
    SetUnicodeFormat(TRUE);
    return true;
}

UINT CVirtualListView::GetCallbackMask() {
    return static_cast<UINT>(SendMessage(LVM_GETCALLBACKMASK, 0, 0));
}

bool CVirtualListView::OwnerKeepsChecks() {
    return (GetExtendedStyle() & LVS_EX_CHECKBOXES) != 0 &&
           (GetCallbackMask() & LVIS_STATEIMAGEMASK) != 0;
}

// LVM_HITTEST: a click on an item's check box, and on nothing else of it.
bool CVirtualListView::ToggleCheckAt(LPARAM point) {
    if (!OwnerKeepsChecks()) {
        return false;
    }
    LVHITTESTINFO hit = {};
    hit.pt = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const int index = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (index < 0 || (hit.flags & LVHT_ONITEM) != LVHT_ONITEMSTATEICON) {
        return false;
    }
    ::SetFocus(m_hWnd);
    ToggleCheck(index);
    return true;
}

void CVirtualListView::ToggleCheck(int index) { SetCheck(index, GetCheck(index) != 1); }

// The state image goes to the owner; whatever else the request changes, selection or
// focus, goes to the control, which never sees a check change and so never reports one.
LRESULT CVirtualListView::SetItemStateOwned(WPARAM index, LPARAM lParam) {
    LVITEMA item = *reinterpret_cast<const LVITEMA*>(lParam);
    if ((item.stateMask & LVIS_STATEIMAGEMASK) != 0) {
        NotifyCheck(static_cast<int>(index), item.state & LVIS_STATEIMAGEMASK);
    }
    item.stateMask &= ~LVIS_STATEIMAGEMASK;
    if (item.stateMask == 0) {
        return TRUE;
    }
    return Default(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

// WM_NOTIFY with LVN_ITEMCHANGED to the parent, as the control sends it.
void CVirtualListView::NotifyCheck(int index, UINT newState) {
    NMLISTVIEW change = {};
    change.hdr.hwndFrom = m_hWnd;
    change.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    change.hdr.code = LVN_ITEMCHANGED;
    change.iItem = index;
    change.uNewState = newState;
    change.uOldState = index == kAllItems ? 0 : CheckStateImage(GetCheck(index) == 1);
    change.uChanged = LVIF_STATE;
    ::SendMessageA(GetParent(), WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
}
