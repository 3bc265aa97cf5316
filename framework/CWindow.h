#pragma once

#include <windows.h>

#include "framework/CObject.h"
#include "framework/CString.h"

namespace RVK {

// Binds one object to one platform window through the window property "CPP_CLASS" and
// wraps the per-window platform calls. The static WndProc is at once the window procedure
// of the classes the framework registers, the dialog procedure of its dialogs and the
// replacement procedure of the controls it subclasses.
class CWindowBase : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    CWindowBase(const char* title, INT_PTR id);
    CWindowBase(const CWindowBase&) = delete;
    CWindowBase& operator=(const CWindowBase&) = delete;
    // Destroys a window that still exists.
    ~CWindowBase() override;

    // Default processing: the replaced procedure, else 0 for a dialog, else DefWindowProcA.
    virtual LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // BeginPaint into m_ps.
    virtual HDC BeginPaint();
    // CloseWindow: minimises the window.
    virtual BOOL CloseWindow();
    // CreateWindowExA with exactly these values.
    virtual HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName,
                                DWORD style, int x, int y, int cx, int cy, HWND parent, HMENU menu,
                                HINSTANCE instance, void* param);
    virtual BOOL DestroyWindow();
    virtual void DragAcceptFiles(BOOL accept);
    virtual BOOL EnableWindow(BOOL enable);
    // EndPaint with m_ps.
    virtual BOOL EndPaint();
    // GetClassLongPtrA: class values are pointer-sized on 64-bit Windows.
    virtual ULONG_PTR GetClassLong(int index);
    virtual HWND GetParent();
    // GetWindowLongPtrA.
    virtual LONG_PTR GetWindowLong(int index);
    virtual RECT GetWindowRect();
    virtual RECT GetClientRect();
    // GetWindowTextA into the caller's buffer.
    virtual int GetWindowText(char* buffer, int capacity);
    virtual CString GetWindowText();
    virtual int GetWindowTextLength();
    virtual BOOL InvalidateRect(const RECT* rect, BOOL erase);
    virtual BOOL InvalidateRgn(HRGN region, BOOL erase);
    // Whether this window is a descendant of `parent`.
    virtual BOOL IsChild(HWND parent);
    virtual BOOL IsIconic();
    virtual BOOL IsWindow();
    virtual BOOL IsWindowUnicode();
    virtual BOOL IsWindowVisible();
    virtual BOOL IsZoomed();
    virtual BOOL IsForegroundWindow();
    // KillTimer of one of this window's timers.
    virtual BOOL KillTimer(UINT_PTR id);
    virtual BOOL MoveWindow(int x, int y, int cx, int cy, BOOL repaint);
    virtual BOOL OpenIcon();
    // PostMessageA.
    virtual BOOL PostMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual HWND SetActiveWindow();
    // SetClassLongPtrA.
    virtual ULONG_PTR SetClassLong(int index, LONG_PTR value);
    virtual BOOL SetForegroundWindow();
    virtual HWND SetParent(HWND parent);
    // SetTimer for this window, without a timer procedure: WM_TIMER with `id` every
    // `elapse` milliseconds.
    virtual UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    // SendMessageA.
    virtual LRESULT SendMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual BOOL SetMenu(HMENU menu);
    // SetWindowLongPtrA.
    virtual LONG_PTR SetWindowLong(int index, LONG_PTR value);
    virtual BOOL SetWindowText(const char* text);
    virtual BOOL ShowWindow(int command);
    virtual HWND GetDlgItem(int id);

    HWND GetHandle() const { return m_hWnd; }
    // Binds this object to `hwnd`, subclassing it unless its procedure already is WndProc.
    bool Attach(HWND hwnd);
    // Puts back the replaced procedure and removes the binding; m_hWnd is kept.
    bool Detach();

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    HWND m_hWnd;
    LONG_PTR m_pfnOldProc;
    BOOL m_bDialog;
    PAINTSTRUCT m_ps;
    const char* m_pszTitle;
    INT_PTR m_nId;
};

// A window with the framework's fixed message table: each message of the table reaches
// its virtual handler, every other one goes to default processing. Also creates
// top-level windows of the registered class "CWindow".
class CWindow : public CWindowBase {
    RVK_DECLARE_RUNTIME_CLASS()

    CWindow(const char* title, INT_PTR id);
    ~CWindow() override;

    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    virtual LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCtlColorDlg(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCtlColorStatic(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnVScroll(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnHScroll(WPARAM wParam, LPARAM lParam);
    // Hands a WM_DRAWITEM request to the child control object with that id.
    virtual LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);

    // How a parent hands a child control object its owner-draw request.
    virtual LRESULT CtlColor(WPARAM wParam, LPARAM lParam);

    virtual HWND Create(const char* title, int x, int y, int cx, int cy, HWND parent, HMENU menu);
    virtual HWND Create(int x, int y, int cx, int cy, HWND parent);
    virtual DWORD GetCreateExStyle();
    virtual DWORD GetCreateStyle();
    virtual LONG_PTR GetExStyle();
    virtual LONG_PTR GetStyle();
    virtual const char* GetWndClassName();
    virtual LONG_PTR SetExStyle(LONG_PTR exStyle);
    virtual ULONG_PTR SetBkBrush(HBRUSH brush);
    virtual ULONG_PTR SetClassCursor(HCURSOR cursor);
    virtual ULONG_PTR SetClassIcon(HICON icon);
    // The object bound to the parent window, or null.
    virtual CWindow* GetParentWnd();
    // The object bound to the child with this control id, or null.
    virtual CWindow* GetDlgItemWnd(int id);
    virtual bool RegisterWndClass();
    virtual int GetIconId();

protected:
    // CWindowBase::WindowProc for `msg`, called non-virtually.
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
};

} // namespace RVK
