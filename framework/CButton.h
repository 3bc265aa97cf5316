#pragma once

#include "framework/CControlWindow.h"

namespace RVK {

// A push button ("BUTTON") that keeps its own face and text colours, normal and disabled.
class CButtonBase : public CControlWindow {
    RVK_DECLARE_RUNTIME_CLASS()

    CButtonBase(const char* title, INT_PTR id);
    CButtonBase(const CButtonBase&) = delete;
    CButtonBase& operator=(const CButtonBase&) = delete;
    ~CButtonBase() override;

    LRESULT CtlColor(WPARAM wParam, LPARAM lParam) override;
    const char* GetWndClassName() override;

    virtual HWND Create(const char* text, int x, int y, int cx, int cy, HWND parent, int id,
                        bool ownerDraw);
    virtual void SetBackColor(COLORREF color);
    virtual void SetForeColor(COLORREF color);
    virtual void SetBackColors(COLORREF normal, COLORREF disabled);
    virtual void SetForeColors(COLORREF normal, COLORREF disabled);

    using CControlWindow::Create;

protected:
    void Repaint();

    bool m_bOwnerDraw;
    COLORREF m_crText;
    COLORREF m_crBack;
    HBRUSH m_hbrBack;
    COLORREF m_crTextDisabled;
    COLORREF m_crBackDisabled;
    HBRUSH m_hbrBackDisabled;
};

// The button the program uses: owner-drawn in its colours, or a plain push button.
class CButton : public CButtonBase {
    RVK_DECLARE_RUNTIME_CLASS()

    CButton(const char* title = nullptr, INT_PTR id = 0);
    ~CButton() override;

    DWORD GetCreateStyle() override;
    // Draws the owner-drawn face, edge, focus rectangle and centred text.
    LRESULT CtlColor(WPARAM wParam, LPARAM lParam) override;
};

} // namespace RVK
