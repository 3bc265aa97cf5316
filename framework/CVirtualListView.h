#pragma once

#include "framework/CListView.h"

// A list view whose items live with its owner (LVS_OWNERDATA): the list keeps only their
// count, selection and focus, and asks the owner for what it shows (LVN_GETDISPINFOW). A
// list of tens of thousands of items thus opens and closes at once. Its notifications
// carry UTF-16, so that names are shown exactly as the file system keeps them.
// Where the owner keeps the check boxes (LVS_EX_CHECKBOXES, with LVIS_STATEIMAGEMASK in the
// callback mask), every change of a check reaches it as one LVN_ITEMCHANGED with the new
// state image: a click on the box, the space key and LVM_SETITEMSTATE alike. The control
// itself tells of such changes on some versions and not on others.
class CVirtualListView : public CListView {
    RVK_DECLARE_RUNTIME_CLASS()

    CVirtualListView();
    ~CVirtualListView() override;

    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam) override;
    DWORD GetCreateStyle() override;
    bool OnCreated() override;

    // LVM_GETCALLBACKMASK.
    virtual UINT GetCallbackMask();

private:
    bool OwnerKeepsChecks();
    bool ToggleCheckAt(LPARAM point);
    void ToggleCheck(int index);
    LRESULT SetItemStateOwned(WPARAM index, LPARAM lParam);
    void NotifyCheck(int index, UINT newState);
};
