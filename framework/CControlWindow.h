#pragma once

#include "framework/CWindow.h"

namespace RVK {

// Base of the control objects that create a control of a platform class as a child
// window and then bind to it by subclassing.
class CControlWindow : public CWindow {
    RVK_DECLARE_RUNTIME_CLASS()

    CControlWindow();
    CControlWindow(const char* title, INT_PTR id);
    ~CControlWindow() override;

    // Creates the control, then attaches to it and calls OnCreated.
    HWND Create(const char* title, int x, int y, int cx, int cy, HWND parent, HMENU menu) override;
    HWND Create(int x, int y, int cx, int cy, HWND parent) override;
    // Controls use platform classes: nothing is registered.
    bool RegisterWndClass() override;

    // WM_SETFONT with redraw; the font stays owned by the caller.
    virtual void SetFont(HFONT font);
    virtual HWND CreateControl(const char* text, int x, int y, int cx, int cy, HWND parent,
                               HMENU id);
    virtual bool OnCreated();

protected:
    HFONT m_hFont;
};

} // namespace RVK

// Base of the controls of the common-control library, which must make their class
// available before the first control is created.
class CCommCtrl : public RVK::CControlWindow {
    RVK_DECLARE_RUNTIME_CLASS()

    CCommCtrl();
    ~CCommCtrl() override;

    virtual void InitControlClass() = 0;
};
