#include "framework/CListView.h"

RVK_IMPLEMENT_RUNTIME_CLASS(CListView, CCommCtrl)

namespace {

// GetItemText reads through a buffer of this size, so texts come back cut to one byte less.
constexpr int kItemTextBufferSize = 260;
// The state image index sits in bits 12-15 of an item's state; 1 unchecked, 2 checked.
constexpr int kStateImageShift = 12;
constexpr UINT kStateImageUnchecked = 1;
constexpr UINT kStateImageChecked = 2;
// LVM_GETNEXTITEM takes its flags in the low 16 bits of lParam.
constexpr UINT kNextItemFlagsMask = 0xFFFF;

} // namespace

CListView::CListView() { InitControlClass(); }

CListView::~CListView() = default;

DWORD CListView::GetCreateExStyle() { return WS_EX_CLIENTEDGE; }

DWORD CListView::GetCreateStyle() { return WS_CHILD | WS_VISIBLE | LVS_REPORT; }

const char* CListView::GetWndClassName() { return WC_LISTVIEWA; }

// InitCommonControlsEx.
void CListView::InitControlClass() {
    INITCOMMONCONTROLSEX init = {};
    init.dwSize = sizeof(init);
    init.dwICC = ICC_LISTVIEW_CLASSES;
    ::InitCommonControlsEx(&init);
}

int CListView::InsertColumnRaw(int index, LVCOLUMNA* column) {
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(column)));
}

int CListView::InsertItemRaw(LVITEMA* item) {
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CListView::SetItem(LVITEMA* item) {
    return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CListView::GetItem(LVITEMA* item) {
    return static_cast<BOOL>(SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CListView::DeleteItem(int index) {
    return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, index, 0));
}

BOOL CListView::DeleteAllItems() {
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS, 0, 0));
}

int CListView::GetItemCount() { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT, 0, 0)); }

BOOL CListView::SetItemState(int index, UINT state, UINT mask) {
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListView::SetItemTextRaw(int index, int subItem, const char* text) {
    LVITEMA item = {};
    item.iSubItem = subItem;
    item.pszText = const_cast<char*>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)));
}

int CListView::GetItemTextRaw(int index, int subItem, char* buffer, int size) {
    LVITEMA item = {};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = size;
    return static_cast<int>(SendMessage(LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)));
}

// LVM_SETITEMSTATE on the state image bits.
BOOL CListView::SetCheck(int index, bool checked) {
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = CheckStateImage(checked);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item)));
}

// LVM_GETITEMSTATE on the state image bits.
int CListView::GetCheck(int index) {
    return CheckOfState(
        static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK)));
}

int CListView::GetNextItem(UINT flags) {
    return static_cast<int>(
        SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), flags & kNextItemFlagsMask));
}

int CListView::GetNextItem(int start, UINT flags) {
    return static_cast<int>(
        SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags & kNextItemFlagsMask));
}

DWORD CListView::SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
}

DWORD CListView::GetExtendedStyle() {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

HIMAGELIST CListView::SetImageList(HIMAGELIST list, int which) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(list)));
}

// A left-aligned text column.
int CListView::InsertColumn(int index, int subItem, int width, const char* text) {
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(text);
    column.iSubItem = subItem;
    return InsertColumnRaw(index, &column);
}

int CListView::InsertColumn(int index, int width, const char* text) {
    return InsertColumn(index, index, width, text);
}

// Answers the index the item was actually given, or -1.
int CListView::InsertItem(int index, const char* text) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(text);
    return InsertItemRaw(&item);
}

BOOL CListView::SetItemText(int index, int subItem, RVK::CString text) {
    return SetItemTextRaw(index, subItem, text);
}

// The buffer starts zeroed so that an item or sub-item without text reads as empty.
RVK::CString CListView::GetItemText(int index, int subItem) {
    char buffer[kItemTextBufferSize] = {};
    GetItemTextRaw(index, subItem, buffer, kItemTextBufferSize);
    buffer[kItemTextBufferSize - 1] = '\0';
    return RVK::CString(buffer);
}

int CListView::GetFirstSelected() { return GetNextItem(-1, LVNI_SELECTED); }

int CListView::GetSelectedCount() {
    int count = 0;
    for (int item = GetNextItem(-1, LVNI_SELECTED); item >= 0;
         item = GetNextItem(item, LVNI_SELECTED)) {
        ++count;
    }
    return count;
}

BOOL CListView::SetItemCountEx(int count, DWORD flags) {
    return static_cast<BOOL>(SendMessage(LVM_SETITEMCOUNT, count, flags));
}

BOOL CListView::SetCallbackMask(UINT mask) {
    return static_cast<BOOL>(SendMessage(LVM_SETCALLBACKMASK, mask, 0));
}

BOOL CListView::SetUnicodeFormat(BOOL unicode) {
    return static_cast<BOOL>(SendMessage(CCM_SETUNICODEFORMAT, unicode, 0));
}

BOOL CListView::RedrawItems(int first, int last) {
    return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, first, last));
}

UINT CListView::CheckStateImage(bool checked) {
    return (checked ? kStateImageChecked : kStateImageUnchecked) << kStateImageShift;
}

int CListView::CheckOfState(UINT state) {
    return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> kStateImageShift) - 1;
}
