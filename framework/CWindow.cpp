#include "framework/CWindow.h"

#include <shellapi.h>

namespace RVK {

namespace {

// The window property that holds the address of a window's object.
constexpr char kBindingProperty[] = "CPP_CLASS";

constexpr char kDefaultClassName[] = "CWindow";
constexpr int kDefaultIconId = 32512;
constexpr UINT kDefaultClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;

// A dialog is told apart by its dialog procedure. Other classes may keep their own data
// at the same offset of the window's extra bytes (a label or button keeps its image
// there), so the procedure is only read from windows with a dialog's extra bytes.
bool IsDialogWindow(HWND hwnd) {
    return ::GetClassLongPtrA(hwnd, GCL_CBWNDEXTRA) >= DLGWINDOWEXTRA &&
           ::GetWindowLongPtrA(hwnd, DWLP_DLGPROC) != 0;
}

// Only a window whose messages pass through WndProc can have been bound with the user
// data; anyone else's window keeps its own data there.
bool RunsThroughWndProc(HWND hwnd) {
    const auto ownProc = reinterpret_cast<LONG_PTR>(&CWindowBase::WndProc);
    return ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == ownProc ||
           (IsDialogWindow(hwnd) && ::GetWindowLongPtrA(hwnd, DWLP_DLGPROC) == ownProc);
}

// Every message of a bound window looks up its object. The property is the binding that
// others may read, but GetPropA asks the window server on some platforms, while the user
// data, which mirrors it, is read within the process.
CWindowBase* BoundObject(HWND hwnd) {
    if (RunsThroughWndProc(hwnd)) {
        if (auto* object =
                reinterpret_cast<CWindowBase*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA))) {
            return object;
        }
    }
    return static_cast<CWindowBase*>(::GetPropA(hwnd, kBindingProperty));
}

// The object a creating window or an initialising dialog was given, if any.
CWindowBase* CreationObject(UINT msg, LPARAM lParam) {
    if (msg == WM_NCCREATE || msg == WM_CREATE) {
        return static_cast<CWindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    }
    if (msg == WM_INITDIALOG) {
        return reinterpret_cast<CWindowBase*>(lParam);
    }
    return nullptr;
}

CWindow* AsWindow(CWindowBase* object) {
    return object != nullptr && object->IsKindOf(CWindow::ClassRecord())
               ? static_cast<CWindow*>(object)
               : nullptr;
}

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CWindowBase, CObject)

CWindowBase::CWindowBase(const char* title, INT_PTR id)
    : m_hWnd(nullptr), m_pfnOldProc(0), m_bDialog(FALSE), m_ps(), m_pszTitle(title), m_nId(id) {}

CWindowBase::~CWindowBase() {
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
}

LRESULT CWindowBase::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnOldProc != 0) {
        return ::CallWindowProcA(reinterpret_cast<WNDPROC>(m_pfnOldProc), hwnd, msg, wParam,
                                 lParam);
    }
    if (m_bDialog) {
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWindowBase::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindowBase* object = BoundObject(hwnd);
    if (object == nullptr) {
        object = CreationObject(msg, lParam);
        if (object != nullptr) {
            object->Attach(hwnd);
        }
    }
    if (object == nullptr) {
        return IsDialogWindow(hwnd) ? 0 : ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    const LRESULT result = object->WindowProc(hwnd, msg, wParam, lParam);
    if (msg == WM_DESTROY) {
        object->Detach();
    }
    return result;
}

bool CWindowBase::Attach(HWND hwnd) {
    if (hwnd == nullptr) {
        return false;
    }
    m_hWnd = hwnd;
    m_bDialog = IsDialogWindow(hwnd) ? TRUE : FALSE;
    ::SetPropA(hwnd, kBindingProperty, this);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const int index = m_bDialog ? DWLP_DLGPROC : GWLP_WNDPROC;
    const auto ownProc = reinterpret_cast<LONG_PTR>(&CWindowBase::WndProc);
    if (::GetWindowLongPtrA(hwnd, index) != ownProc) {
        m_pfnOldProc = ::SetWindowLongPtrA(hwnd, index, ownProc);
    }
    return true;
}

bool CWindowBase::Detach() {
    if (m_hWnd == nullptr) {
        return false;
    }
    if (m_pfnOldProc != 0) {
        ::SetWindowLongPtrA(m_hWnd, m_bDialog ? DWLP_DLGPROC : GWLP_WNDPROC, m_pfnOldProc);
    }
    ::RemovePropA(m_hWnd, kBindingProperty);
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    return true;
}

HDC CWindowBase::BeginPaint() { return ::BeginPaint(m_hWnd, &m_ps); }

BOOL CWindowBase::CloseWindow() { return ::CloseWindow(m_hWnd); }

HWND CWindowBase::CreateWindowEx(DWORD exStyle, const char* className, const char* windowName,
                                 DWORD style, int x, int y, int cx, int cy, HWND parent, HMENU menu,
                                 HINSTANCE instance, void* param) {
    return ::CreateWindowExA(exStyle, className, windowName, style, x, y, cx, cy, parent, menu,
                             instance, param);
}

BOOL CWindowBase::DestroyWindow() { return ::DestroyWindow(m_hWnd); }

void CWindowBase::DragAcceptFiles(BOOL accept) { ::DragAcceptFiles(m_hWnd, accept); }

BOOL CWindowBase::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }

BOOL CWindowBase::EndPaint() { return ::EndPaint(m_hWnd, &m_ps); }

ULONG_PTR CWindowBase::GetClassLong(int index) { return ::GetClassLongPtrA(m_hWnd, index); }

HWND CWindowBase::GetParent() { return ::GetParent(m_hWnd); }

LONG_PTR CWindowBase::GetWindowLong(int index) { return ::GetWindowLongPtrA(m_hWnd, index); }

RECT CWindowBase::GetWindowRect() {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWindowBase::GetClientRect() {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

int CWindowBase::GetWindowText(char* buffer, int capacity) {
    return ::GetWindowTextA(m_hWnd, buffer, capacity);
}

CString CWindowBase::GetWindowText() {
    CString text;
    const int capacity = GetWindowTextLength() + 1;
    char* buffer = text.GetBuffer(capacity);
    if (buffer != nullptr) {
        GetWindowText(buffer, capacity);
        text.FreeExtra();
    }
    return text;
}

int CWindowBase::GetWindowTextLength() { return ::GetWindowTextLengthA(m_hWnd); }

BOOL CWindowBase::InvalidateRect(const RECT* rect, BOOL erase) {
    return ::InvalidateRect(m_hWnd, rect, erase);
}

BOOL CWindowBase::InvalidateRgn(HRGN region, BOOL erase) {
    return ::InvalidateRgn(m_hWnd, region, erase);
}

BOOL CWindowBase::IsChild(HWND parent) { return ::IsChild(parent, m_hWnd); }

BOOL CWindowBase::IsIconic() { return ::IsIconic(m_hWnd); }

BOOL CWindowBase::IsWindow() { return ::IsWindow(m_hWnd); }

BOOL CWindowBase::IsWindowUnicode() { return ::IsWindowUnicode(m_hWnd); }

BOOL CWindowBase::IsWindowVisible() { return ::IsWindowVisible(m_hWnd); }

BOOL CWindowBase::IsZoomed() { return ::IsZoomed(m_hWnd); }

BOOL CWindowBase::IsForegroundWindow() { return m_hWnd == ::GetForegroundWindow(); }

BOOL CWindowBase::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

BOOL CWindowBase::MoveWindow(int x, int y, int cx, int cy, BOOL repaint) {
    return ::MoveWindow(m_hWnd, x, y, cx, cy, repaint);
}

BOOL CWindowBase::OpenIcon() { return ::OpenIcon(m_hWnd); }

BOOL CWindowBase::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(m_hWnd, msg, wParam, lParam);
}

HWND CWindowBase::SetActiveWindow() { return ::SetActiveWindow(m_hWnd); }

ULONG_PTR CWindowBase::SetClassLong(int index, LONG_PTR value) {
    return ::SetClassLongPtrA(m_hWnd, index, value);
}

BOOL CWindowBase::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

HWND CWindowBase::SetParent(HWND parent) { return ::SetParent(m_hWnd, parent); }

UINT_PTR CWindowBase::SetTimer(UINT_PTR id, UINT elapse) {
    return ::SetTimer(m_hWnd, id, elapse, nullptr);
}

LRESULT CWindowBase::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, msg, wParam, lParam);
}

BOOL CWindowBase::SetMenu(HMENU menu) { return ::SetMenu(m_hWnd, menu); }

LONG_PTR CWindowBase::SetWindowLong(int index, LONG_PTR value) {
    return ::SetWindowLongPtrA(m_hWnd, index, value);
}

BOOL CWindowBase::SetWindowText(const char* text) { return ::SetWindowTextA(m_hWnd, text); }

BOOL CWindowBase::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }

HWND CWindowBase::GetDlgItem(int id) { return ::GetDlgItem(m_hWnd, id); }

RVK_IMPLEMENT_RUNTIME_CLASS(CWindow, CWindowBase)

namespace {

struct MessageEntry {
    UINT msg;
    LRESULT (CWindow::*handler)(WPARAM, LPARAM);
};

// Searched from the top for each message; a code occurs once.
constexpr MessageEntry kMessageTable[] = {
    {WM_INITDIALOG, &CWindow::OnInitDialog},
    {WM_CREATE, &CWindow::OnCreate},
    {WM_CLOSE, &CWindow::OnClose},
    {WM_DESTROY, &CWindow::OnDestroy},
    {WM_COMMAND, &CWindow::OnCommand},
    {WM_PAINT, &CWindow::OnPaint},
    {WM_LBUTTONDBLCLK, &CWindow::OnLButtonDblClk},
    {WM_LBUTTONDOWN, &CWindow::OnLButtonDown},
    {WM_LBUTTONUP, &CWindow::OnLButtonUp},
    {WM_RBUTTONDOWN, &CWindow::OnRButtonDown},
    {WM_RBUTTONUP, &CWindow::OnRButtonUp},
    {WM_KEYDOWN, &CWindow::OnKeyDown},
    {WM_KEYUP, &CWindow::OnKeyUp},
    {WM_CHAR, &CWindow::OnChar},
    {WM_TIMER, &CWindow::OnTimer},
    {WM_MOUSEMOVE, &CWindow::OnMouseMove},
    {WM_MOUSEWHEEL, &CWindow::OnMouseWheel},
    {WM_DROPFILES, &CWindow::OnDropFiles},
    {WM_CTLCOLORDLG, &CWindow::OnCtlColorDlg},
    {WM_CTLCOLORSTATIC, &CWindow::OnCtlColorStatic},
    {WM_NOTIFY, &CWindow::OnNotify},
    {WM_VSCROLL, &CWindow::OnVScroll},
    {WM_HSCROLL, &CWindow::OnHScroll},
    {WM_DRAWITEM, &CWindow::OnDrawItem},
};

} // namespace

CWindow::CWindow(const char* title, INT_PTR id) : CWindowBase(title, id) {}

CWindow::~CWindow() = default;

LRESULT CWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    for (const MessageEntry& entry : kMessageTable) {
        if (entry.msg == msg) {
            return (this->*entry.handler)(wParam, lParam);
        }
    }
    return CWindowBase::WindowProc(hwnd, msg, wParam, lParam);
}

LRESULT CWindow::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CWindowBase::WindowProc(m_hWnd, msg, wParam, lParam);
}

// The handlers without behaviour of their own: default processing of their message.
#define RVK_DEFAULT_HANDLER(handler, code)                                                         \
    LRESULT CWindow::handler(WPARAM wParam, LPARAM lParam) { return Default(code, wParam, lParam); }

RVK_DEFAULT_HANDLER(OnInitDialog, WM_INITDIALOG)
RVK_DEFAULT_HANDLER(OnCreate, WM_CREATE)
RVK_DEFAULT_HANDLER(OnClose, WM_CLOSE)
RVK_DEFAULT_HANDLER(OnDestroy, WM_DESTROY)
RVK_DEFAULT_HANDLER(OnCommand, WM_COMMAND)
RVK_DEFAULT_HANDLER(OnPaint, WM_PAINT)
RVK_DEFAULT_HANDLER(OnLButtonDown, WM_LBUTTONDOWN)
RVK_DEFAULT_HANDLER(OnLButtonUp, WM_LBUTTONUP)
RVK_DEFAULT_HANDLER(OnRButtonDown, WM_RBUTTONDOWN)
RVK_DEFAULT_HANDLER(OnRButtonUp, WM_RBUTTONUP)
RVK_DEFAULT_HANDLER(OnLButtonDblClk, WM_LBUTTONDBLCLK)
RVK_DEFAULT_HANDLER(OnKeyDown, WM_KEYDOWN)
RVK_DEFAULT_HANDLER(OnKeyUp, WM_KEYUP)
RVK_DEFAULT_HANDLER(OnChar, WM_CHAR)
RVK_DEFAULT_HANDLER(OnTimer, WM_TIMER)
RVK_DEFAULT_HANDLER(OnMouseMove, WM_MOUSEMOVE)
RVK_DEFAULT_HANDLER(OnMouseWheel, WM_MOUSEWHEEL)
RVK_DEFAULT_HANDLER(OnDropFiles, WM_DROPFILES)
RVK_DEFAULT_HANDLER(OnCtlColorDlg, WM_CTLCOLORDLG)
RVK_DEFAULT_HANDLER(OnCtlColorStatic, WM_CTLCOLORSTATIC)
RVK_DEFAULT_HANDLER(OnNotify, WM_NOTIFY)
RVK_DEFAULT_HANDLER(OnVScroll, WM_VSCROLL)
RVK_DEFAULT_HANDLER(OnHScroll, WM_HSCROLL)

#undef RVK_DEFAULT_HANDLER

LRESULT CWindow::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item == nullptr) {
        return 0;
    }
    CWindow* child = GetDlgItemWnd(static_cast<int>(item->CtlID));
    return child != nullptr ? child->CtlColor(wParam, lParam) : 0;
}

LRESULT CWindow::CtlColor(WPARAM, LPARAM) { return 0; }

HWND CWindow::Create(const char* title, int x, int y, int cx, int cy, HWND parent, HMENU menu) {
    RegisterWndClass();
    return CreateWindowEx(GetCreateExStyle(), GetWndClassName(), title, GetCreateStyle(), x, y, cx,
                          cy, parent, menu, ::GetModuleHandleA(nullptr), this);
}

HWND CWindow::Create(int x, int y, int cx, int cy, HWND parent) {
    return Create(m_pszTitle, x, y, cx, cy, parent, reinterpret_cast<HMENU>(m_nId));
}

DWORD CWindow::GetCreateExStyle() { return 0; }

DWORD CWindow::GetCreateStyle() { return WS_OVERLAPPEDWINDOW; }

LONG_PTR CWindow::GetExStyle() { return GetWindowLong(GWL_EXSTYLE); }

LONG_PTR CWindow::GetStyle() { return GetWindowLong(GWL_STYLE); }

const char* CWindow::GetWndClassName() { return kDefaultClassName; }

LONG_PTR CWindow::SetExStyle(LONG_PTR exStyle) { return SetWindowLong(GWL_EXSTYLE, exStyle); }

ULONG_PTR CWindow::SetBkBrush(HBRUSH brush) {
    return SetClassLong(GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
}

ULONG_PTR CWindow::SetClassCursor(HCURSOR cursor) {
    return SetClassLong(GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
}

ULONG_PTR CWindow::SetClassIcon(HICON icon) {
    return SetClassLong(GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

CWindow* CWindow::GetParentWnd() { return AsWindow(BoundObject(GetParent())); }

CWindow* CWindow::GetDlgItemWnd(int id) {
    HWND child = GetDlgItem(id);
    return child != nullptr ? AsWindow(BoundObject(child)) : nullptr;
}

bool CWindow::RegisterWndClass() {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = kDefaultClassStyle;
    wc.lpfnWndProc = &CWindowBase::WndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = instance;
    wc.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(GetIconId()));
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = GetWndClassName();
    wc.hIconSm = ::LoadIconA(instance, MAKEINTRESOURCEA(kDefaultIconId));
    return ::RegisterClassExA(&wc) != 0;
}

int CWindow::GetIconId() { return kDefaultIconId; }

} // namespace RVK
