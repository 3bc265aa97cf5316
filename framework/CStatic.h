#pragma once

#include "framework/CControlWindow.h"

namespace RVK {

// A text label ("STATIC") with its own text and background colours and alignment.
class CStatic : public CControlWindow {
    RVK_DECLARE_RUNTIME_CLASS()

    CStatic();
    CStatic(const CStatic&) = delete;
    CStatic& operator=(const CStatic&) = delete;
    ~CStatic() override;

    // Sets the colours on the device context in wParam and answers the background brush.
    LRESULT CtlColor(WPARAM wParam, LPARAM lParam) override;
    DWORD GetCreateStyle() override;
    const char* GetWndClassName() override;

    // Alignment: 0 left, 1 centred, 2 right.
    virtual HWND Create(const char* text, int x, int y, int cx, int cy, HWND parent, int id,
                        int align);
    virtual void SetBackColor(COLORREF color);
    virtual void SetForeColor(COLORREF color);

    using CControlWindow::Create;

protected:
    void Repaint();

    COLORREF m_crText;
    COLORREF m_crBack;
    HBRUSH m_hbrBack;
    int m_nAlign;
};

} // namespace RVK
