#include "framework/CButton.h"

#include <cstdio>

namespace RVK {

namespace {

constexpr char kClassName[] = "BUTTON";
constexpr DWORD kPushStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kOwnerDrawStyle = kPushStyle | BS_OWNERDRAW;
// The focus rectangle, and the text with it, sits this far inside the border.
constexpr int kFocusInset = 4;
constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

void ReplaceBrush(HBRUSH& brush, COLORREF color) {
    ::DeleteObject(brush);
    brush = ::CreateSolidBrush(color);
}

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CButtonBase, CControlWindow)

CButtonBase::CButtonBase(const char* title, INT_PTR id)
    : CControlWindow(title, id), m_bOwnerDraw(false), m_crText(::GetSysColor(COLOR_BTNTEXT)),
      m_crBack(::GetSysColor(COLOR_BTNFACE)), m_hbrBack(::CreateSolidBrush(m_crBack)),
      m_crTextDisabled(::GetSysColor(COLOR_GRAYTEXT)),
      m_crBackDisabled(::GetSysColor(COLOR_BTNFACE)),
      m_hbrBackDisabled(::CreateSolidBrush(m_crBackDisabled)) {}

CButtonBase::~CButtonBase() {
    ::DeleteObject(m_hbrBack);
    ::DeleteObject(m_hbrBackDisabled);
}

LRESULT CButtonBase::CtlColor(WPARAM, LPARAM) {
    std::fputs("CButtonBase::CtlColor\n", stdout);
    std::fflush(stdout);
    return 0;
}

const char* CButtonBase::GetWndClassName() { return kClassName; }

HWND CButtonBase::Create(const char* text, int x, int y, int cx, int cy, HWND parent, int id,
                         bool ownerDraw) {
    m_bOwnerDraw = ownerDraw;
    return CreateControl(text, x, y, cx, cy, parent, reinterpret_cast<HMENU>(INT_PTR{id}));
}

void CButtonBase::SetBackColor(COLORREF color) {
    m_crBack = color;
    ReplaceBrush(m_hbrBack, color);
    Repaint();
}

void CButtonBase::SetForeColor(COLORREF color) {
    m_crText = color;
    Repaint();
}

void CButtonBase::SetBackColors(COLORREF normal, COLORREF disabled) {
    m_crBack = normal;
    ReplaceBrush(m_hbrBack, normal);
    m_crBackDisabled = disabled;
    ReplaceBrush(m_hbrBackDisabled, disabled);
    Repaint();
}

void CButtonBase::SetForeColors(COLORREF normal, COLORREF disabled) {
    m_crText = normal;
    m_crTextDisabled = disabled;
    Repaint();
}

// Without a window there is nothing to repaint; a null window would mean every window.
void CButtonBase::Repaint() {
    if (m_hWnd == nullptr) {
        return;
    }
    const RECT client = GetClientRect();
    InvalidateRect(&client, TRUE);
}

RVK_IMPLEMENT_RUNTIME_CLASS(CButton, CButtonBase)

CButton::CButton(const char* title, INT_PTR id) : CButtonBase(title, id) {}

CButton::~CButton() = default;

DWORD CButton::GetCreateStyle() { return m_bOwnerDraw ? kOwnerDrawStyle : kPushStyle; }

LRESULT CButton::CtlColor(WPARAM, LPARAM lParam) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT rect = item.rcItem;
    ::FillRect(item.hDC, &rect, disabled ? m_hbrBackDisabled : m_hbrBack);
    ::DrawEdge(item.hDC, &rect, (item.itemState & ODS_SELECTED) != 0 ? EDGE_SUNKEN : EDGE_RAISED,
               BF_RECT);
    if ((item.itemState & ODS_FOCUS) != 0) {
        ::InflateRect(&rect, -kFocusInset, -kFocusInset);
        ::DrawFocusRect(item.hDC, &rect);
    }
    ::SetTextColor(item.hDC, disabled ? m_crTextDisabled : m_crText);
    ::SetBkMode(item.hDC, TRANSPARENT);
    const CString text = GetWindowText();
    ::DrawTextA(item.hDC, text, -1, &rect, kTextFormat);
    return 1;
}

} // namespace RVK
