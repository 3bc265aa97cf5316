#include "framework/CToolTip.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CToolTip, CObject)

namespace {

constexpr UINT_PTR kToolId = 1;

} // namespace

CToolTip::CToolTip() : m_hWnd(nullptr), m_hWndOwner(nullptr) {}

CToolTip::~CToolTip() { Destroy(); }

// InitCommonControlsEx registers the tooltip class before its first window.
bool CToolTip::Create(HWND owner, int maxWidth, int showMs) {
    INITCOMMONCONTROLSEX init = {};
    init.dwSize = sizeof init;
    init.dwICC = ICC_BAR_CLASSES;
    if (!::InitCommonControlsEx(&init)) {
        return false;
    }
    m_hWndOwner = owner;
    m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    if (m_hWnd == nullptr) {
        return false;
    }
    TTTOOLINFOW tool = ToolInfo(RECT{});
    if (!::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
        Destroy();
        return false;
    }
    ::SendMessageW(m_hWnd, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    ::SendMessageW(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(showMs, 0));
    return true;
}

void CToolTip::Destroy() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
        ::DestroyWindow(m_hWnd);
    }
    m_hWnd = nullptr;
}

void CToolTip::RelayEvent(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr) {
        return;
    }
    MSG relayed = {};
    relayed.hwnd = m_hWndOwner;
    relayed.message = msg;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void CToolTip::SetToolRect(const RECT& rect) {
    if (m_hWnd != nullptr) {
        TTTOOLINFOW tool = ToolInfo(rect);
        ::SendMessageW(m_hWnd, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CToolTip::Pop() {
    if (m_hWnd != nullptr) {
        ::SendMessageW(m_hWnd, TTM_POP, 0, 0);
    }
}

// The size of the structure without its last, reserved member: the common controls of
// every version take it.
TTTOOLINFOW CToolTip::ToolInfo(const RECT& rect) const {
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = m_hWndOwner;
    tool.uId = kToolId;
    tool.rect = rect;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

} // namespace RVK
