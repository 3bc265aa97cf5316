#include "framework/CMenu.h"

namespace RVK {

namespace {

// An item description with only the fields named by `mask` meaningful.
MENUITEMINFOA MakeItemInfo(UINT mask) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    return info;
}

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CMenu, CObject)

CMenu::CMenu(bool popup) : m_hMenu(popup ? ::CreatePopupMenu() : ::CreateMenu()), m_bPopup(popup) {}

CMenu::~CMenu() = default;

BOOL CMenu::InsertMenuItem(UINT item, BOOL byPosition, MENUITEMINFOA* info) {
    return ::InsertMenuItemA(m_hMenu, item, byPosition, info);
}

BOOL CMenu::SetMenuItemInfo(UINT item, BOOL byPosition, MENUITEMINFOA* info) {
    return ::SetMenuItemInfoA(m_hMenu, item, byPosition, info);
}

BOOL CMenu::GetMenuItemInfo(UINT item, BOOL byPosition, MENUITEMINFOA* info) {
    return ::GetMenuItemInfoA(m_hMenu, item, byPosition, info);
}

BOOL CMenu::EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }

void CMenu::SetHandle(HMENU menu) { m_hMenu = menu; }

BOOL CMenu::InsertPopup(UINT pos, const char* text, HMENU subMenu) {
    MENUITEMINFOA info = MakeItemInfo(MIIM_TYPE | MIIM_SUBMENU);
    info.fType = MFT_STRING;
    info.hSubMenu = subMenu;
    info.dwTypeData = const_cast<char*>(text);
    info.cch = ::lstrlenA(text);
    return InsertMenuItem(pos, TRUE, &info);
}

BOOL CMenu::InsertItem(UINT pos, const char* text, UINT id) {
    if (id == 0) {
        MENUITEMINFOA info = MakeItemInfo(MIIM_TYPE);
        info.fType = MFT_SEPARATOR;
        return InsertMenuItem(pos, TRUE, &info);
    }
    MENUITEMINFOA info = MakeItemInfo(MIIM_TYPE | MIIM_ID);
    info.fType = MFT_STRING;
    info.wID = id;
    info.dwTypeData = const_cast<char*>(text);
    info.cch = ::lstrlenA(text);
    return InsertMenuItem(pos, TRUE, &info);
}

BOOL CMenu::CheckItem(UINT pos, BOOL check) {
    MENUITEMINFOA info = MakeItemInfo(MIIM_STATE);
    info.fState = check ? MFS_CHECKED : 0;
    return SetMenuItemInfo(pos, TRUE, &info);
}

BOOL CMenu::SetItemText(UINT item, BOOL byPosition, const char* text) {
    MENUITEMINFOA info = MakeItemInfo(MIIM_STRING);
    info.dwTypeData = const_cast<char*>(text);
    return SetMenuItemInfo(item, byPosition, &info);
}

} // namespace RVK
