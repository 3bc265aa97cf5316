#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/CControlWindow.h"

// The common-control list view ("SysListView32") in report mode.
class CListView : public CCommCtrl {
    RVK_DECLARE_RUNTIME_CLASS()

    CListView();
    ~CListView() override;

    DWORD GetCreateExStyle() override;
    DWORD GetCreateStyle() override;
    const char* GetWndClassName() override;
    // InitCommonControlsEx with ICC_LISTVIEW_CLASSES.
    void InitControlClass() override;

    // LVM_INSERTCOLUMNA.
    virtual int InsertColumnRaw(int index, LVCOLUMNA* column);
    // LVM_INSERTITEMA.
    virtual int InsertItemRaw(LVITEMA* item);
    // LVM_SETITEMA.
    virtual BOOL SetItem(LVITEMA* item);
    // LVM_GETITEMA.
    virtual BOOL GetItem(LVITEMA* item);
    // LVM_DELETEITEM.
    virtual BOOL DeleteItem(int index);
    // LVM_DELETEALLITEMS.
    virtual BOOL DeleteAllItems();
    // LVM_GETITEMCOUNT.
    virtual int GetItemCount();
    // LVM_SETITEMSTATE.
    virtual BOOL SetItemState(int index, UINT state, UINT mask);
    // LVM_SETITEMTEXTA.
    virtual BOOL SetItemTextRaw(int index, int subItem, const char* text);
    // LVM_GETITEMTEXTA: answers the text's length.
    virtual int GetItemTextRaw(int index, int subItem, char* buffer, int size);
    virtual BOOL SetCheck(int index, bool checked);
    // 1 checked, 0 unchecked, -1 without a state image.
    virtual int GetCheck(int index);
    // LVM_GETNEXTITEM.
    virtual int GetNextItem(UINT flags);
    virtual int GetNextItem(int start, UINT flags);
    // LVM_SETEXTENDEDLISTVIEWSTYLE: replaces the whole extended style.
    virtual DWORD SetExtendedStyle(DWORD style);
    // LVM_GETEXTENDEDLISTVIEWSTYLE.
    virtual DWORD GetExtendedStyle();
    // LVM_SETIMAGELIST.
    virtual HIMAGELIST SetImageList(HIMAGELIST list, int which);
    virtual int InsertColumn(int index, int subItem, int width, const char* text);
    virtual int InsertColumn(int index, int width, const char* text);
    virtual int InsertItem(int index, const char* text);
    virtual BOOL SetItemText(int index, int subItem, RVK::CString text);
    // At most 259 bytes of the item's text.
    virtual RVK::CString GetItemText(int index, int subItem);
    virtual int GetFirstSelected();
    virtual int GetSelectedCount();
    // LVM_SETITEMCOUNT: how many items a list with LVS_OWNERDATA shows.
    virtual BOOL SetItemCountEx(int count, DWORD flags);
    // LVM_SETCALLBACKMASK: the item states the owner keeps and answers for.
    virtual BOOL SetCallbackMask(UINT mask);
    // CCM_SETUNICODEFORMAT: whether notifications carry UTF-16 texts.
    virtual BOOL SetUnicodeFormat(BOOL unicode);
    // LVM_REDRAWITEMS.
    virtual BOOL RedrawItems(int first, int last);

    // The state image bits of a check box in an item's state.
    static UINT CheckStateImage(bool checked);
    // 1 checked, 0 unchecked, -1 without a state image, from an item's state.
    static int CheckOfState(UINT state);
};
