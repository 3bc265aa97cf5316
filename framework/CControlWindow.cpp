#include "framework/CControlWindow.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CControlWindow, CWindow)

CControlWindow::CControlWindow() : CControlWindow(nullptr, 0) {}

CControlWindow::CControlWindow(const char* title, INT_PTR id)
    : CWindow(title, id), m_hFont(nullptr) {}

CControlWindow::~CControlWindow() = default;

HWND CControlWindow::Create(const char* title, int x, int y, int cx, int cy, HWND parent,
                            HMENU menu) {
    HWND hwnd = CWindow::Create(title, x, y, cx, cy, parent, menu);
    Attach(hwnd);
    OnCreated();
    return hwnd;
}

HWND CControlWindow::Create(int x, int y, int cx, int cy, HWND parent) {
    return CWindow::Create(x, y, cx, cy, parent);
}

bool CControlWindow::RegisterWndClass() { return false; }

void CControlWindow::SetFont(HFONT font) {
    m_hFont = font;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HWND CControlWindow::CreateControl(const char* text, int x, int y, int cx, int cy, HWND parent,
                                   HMENU id) {
    return Create(text, x, y, cx, cy, parent, id);
}

bool CControlWindow::OnCreated() { return true; }

} // namespace RVK

RVK_IMPLEMENT_RUNTIME_CLASS(CCommCtrl, RVK::CControlWindow)

CCommCtrl::CCommCtrl() = default;

CCommCtrl::~CCommCtrl() = default;
