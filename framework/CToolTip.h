#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/CObject.h"

namespace RVK {

// A common-controls tooltip (tooltips_class32) with one tool: a rectangle of its owner's
// client area, whose text the owner gives each time the tip is about to show, in answer to
// TTN_GETDISPINFOW. The window is made with the W call, so that the text is UTF-16 all the
// way; the owner answers the tooltip's WM_NOTIFYFORMAT with NFR_UNICODE and relays its
// mouse moves. The tooltip never subclasses its owner. Owns its window.
class CToolTip : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    CToolTip();
    CToolTip(const CToolTip&) = delete;
    CToolTip& operator=(const CToolTip&) = delete;
    ~CToolTip() override;

    // InitCommonControlsEx, CreateWindowExW of a tooltip owned by `owner`, and TTM_ADDTOOLW
    // of the one tool, with an empty rectangle. Lines wrap at `maxWidth` pixels; a tip
    // stays up to `showMs` milliseconds while the mouse rests. False when the control
    // cannot be made.
    virtual bool Create(HWND owner, int maxWidth, int showMs);
    // DestroyWindow, unless the owner's end took the window along.
    virtual void Destroy();
    // TTM_RELAYEVENT of one of the owner's mouse messages.
    virtual void RelayEvent(UINT msg, WPARAM wParam, LPARAM lParam);
    // TTM_NEWTOOLRECTW: the tool's rectangle in the owner's client area; empty for none.
    virtual void SetToolRect(const RECT& rect);
    // TTM_POP: hides the tip that shows.
    virtual void Pop();

    HWND GetHandle() const { return m_hWnd; }

private:
    // The tool's TTTOOLINFOW, with the rectangle.
    TTTOOLINFOW ToolInfo(const RECT& rect) const;

    HWND m_hWnd;
    HWND m_hWndOwner;
};

} // namespace RVK
