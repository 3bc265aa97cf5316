#pragma once

#include <windows.h>

#include "framework/CObject.h"

namespace RVK {

// One platform menu: a bar or a drop-down/pop-up menu, built item by item by position.
// The object never destroys its menu: a bar goes with its window, a drop-down with its
// bar, and the owner destroys a free pop-up menu itself.
class CMenu : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    // CreatePopupMenu when `popup`, else CreateMenu.
    explicit CMenu(bool popup = false);
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu() override;

    // InsertMenuItemA.
    virtual BOOL InsertMenuItem(UINT item, BOOL byPosition, MENUITEMINFOA* info);
    // SetMenuItemInfoA.
    virtual BOOL SetMenuItemInfo(UINT item, BOOL byPosition, MENUITEMINFOA* info);
    // GetMenuItemInfoA.
    virtual BOOL GetMenuItemInfo(UINT item, BOOL byPosition, MENUITEMINFOA* info);
    // EnableMenuItem: answers the previous state.
    virtual BOOL EnableMenuItem(UINT item, UINT flags);
    // Replaces the handle without destroying the old menu.
    virtual void SetHandle(HMENU menu);
    virtual BOOL InsertPopup(UINT pos, const char* text, HMENU subMenu);
    // An id of 0 inserts a separator.
    virtual BOOL InsertItem(UINT pos, const char* text, UINT id);
    // Sets the item's whole state: checked, or 0.
    virtual BOOL CheckItem(UINT pos, BOOL check);
    virtual BOOL SetItemText(UINT item, BOOL byPosition, const char* text);

    HMENU GetHandle() const { return m_hMenu; }

protected:
    HMENU m_hMenu;
    bool m_bPopup;
};

} // namespace RVK
