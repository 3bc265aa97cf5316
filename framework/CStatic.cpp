#include "framework/CStatic.h"

namespace RVK {

namespace {

constexpr DWORD kBaseStyle = WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE;
constexpr int kAlignCentre = 1;
constexpr int kAlignRight = 2;
constexpr char kClassName[] = "STATIC";

DWORD AlignmentStyle(int align) {
    switch (align) {
    case kAlignCentre:
        return SS_CENTER;
    case kAlignRight:
        return SS_RIGHT;
    default:
        return SS_LEFT;
    }
}

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CStatic, CControlWindow)

CStatic::CStatic()
    : m_crText(RGB(0, 0, 0)), m_crBack(::GetSysColor(COLOR_BTNFACE)),
      m_hbrBack(::CreateSolidBrush(m_crBack)), m_nAlign(0) {}

CStatic::~CStatic() { ::DeleteObject(m_hbrBack); }

LRESULT CStatic::CtlColor(WPARAM wParam, LPARAM) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, m_crText);
    ::SetBkColor(dc, m_crBack);
    return reinterpret_cast<LRESULT>(m_hbrBack);
}

DWORD CStatic::GetCreateStyle() { return kBaseStyle | AlignmentStyle(m_nAlign); }

const char* CStatic::GetWndClassName() { return kClassName; }

HWND CStatic::Create(const char* text, int x, int y, int cx, int cy, HWND parent, int id,
                     int align) {
    m_nAlign = align;
    return CreateControl(text, x, y, cx, cy, parent, reinterpret_cast<HMENU>(INT_PTR{id}));
}

void CStatic::SetBackColor(COLORREF color) {
    ::DeleteObject(m_hbrBack);
    m_crBack = color;
    m_hbrBack = ::CreateSolidBrush(color);
    Repaint();
}

void CStatic::SetForeColor(COLORREF color) {
    m_crText = color;
    Repaint();
}

// Without a window there is nothing to repaint; a null window would mean every window.
void CStatic::Repaint() {
    if (m_hWnd == nullptr) {
        return;
    }
    const RECT client = GetClientRect();
    InvalidateRect(&client, TRUE);
}

} // namespace RVK
