#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CWindow.h"
#include "tests/framework/WindowTestSupport.h"

using RVK::CWindow;
using RVK::CWindowBase;

namespace {

const LONG_PTR kFrameworkProc = reinterpret_cast<LONG_PTR>(&CWindowBase::WndProc);

// A window object that shows its binding and which messages and handlers it saw.
class Probe : public CWindow {
public:
    Probe() : CWindow("Probe", 0) {}

    LONG_PTR OldProc() const { return m_pfnOldProc; }
    BOOL IsDialog() const { return m_bDialog; }

    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        return CWindow::WindowProc(hwnd, msg, wParam, lParam);
    }
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override {
        boundAtCreate = ::GetPropA(m_hWnd, "CPP_CLASS") == this;
        return CWindow::OnCreate(wParam, lParam);
    }
    LRESULT OnChar(WPARAM wParam, LPARAM lParam) override {
        chars += static_cast<char>(wParam);
        return CWindow::OnChar(wParam, lParam);
    }

    std::vector<UINT> seen;
    std::string chars;
    bool boundAtCreate = false;
};

// Every handler of the table overridden: each records its own message, then asks for the
// default processing (except the draw-item one, which has none).
class HandlerProbe : public CWindow {
public:
    HandlerProbe() : CWindow(nullptr, 0) {}

    std::vector<UINT> calls;

#define KALVO_PROBE_HANDLER(handler, code)                                                         \
    LRESULT handler(WPARAM wParam, LPARAM lParam) override {                                       \
        calls.push_back(code);                                                                     \
        return CWindow::handler(wParam, lParam);                                                   \
    }
    KALVO_PROBE_HANDLER(OnInitDialog, WM_INITDIALOG)
    KALVO_PROBE_HANDLER(OnCreate, WM_CREATE)
    KALVO_PROBE_HANDLER(OnClose, WM_CLOSE)
    KALVO_PROBE_HANDLER(OnDestroy, WM_DESTROY)
    KALVO_PROBE_HANDLER(OnCommand, WM_COMMAND)
    KALVO_PROBE_HANDLER(OnPaint, WM_PAINT)
    KALVO_PROBE_HANDLER(OnLButtonDown, WM_LBUTTONDOWN)
    KALVO_PROBE_HANDLER(OnLButtonUp, WM_LBUTTONUP)
    KALVO_PROBE_HANDLER(OnRButtonDown, WM_RBUTTONDOWN)
    KALVO_PROBE_HANDLER(OnRButtonUp, WM_RBUTTONUP)
    KALVO_PROBE_HANDLER(OnLButtonDblClk, WM_LBUTTONDBLCLK)
    KALVO_PROBE_HANDLER(OnKeyDown, WM_KEYDOWN)
    KALVO_PROBE_HANDLER(OnKeyUp, WM_KEYUP)
    KALVO_PROBE_HANDLER(OnChar, WM_CHAR)
    KALVO_PROBE_HANDLER(OnTimer, WM_TIMER)
    KALVO_PROBE_HANDLER(OnMouseMove, WM_MOUSEMOVE)
    KALVO_PROBE_HANDLER(OnMouseWheel, WM_MOUSEWHEEL)
    KALVO_PROBE_HANDLER(OnDropFiles, WM_DROPFILES)
    KALVO_PROBE_HANDLER(OnCtlColorDlg, WM_CTLCOLORDLG)
    KALVO_PROBE_HANDLER(OnCtlColorStatic, WM_CTLCOLORSTATIC)
    KALVO_PROBE_HANDLER(OnNotify, WM_NOTIFY)
    KALVO_PROBE_HANDLER(OnVScroll, WM_VSCROLL)
    KALVO_PROBE_HANDLER(OnHScroll, WM_HSCROLL)
#undef KALVO_PROBE_HANDLER
    LRESULT OnDrawItem(WPARAM, LPARAM) override {
        calls.push_back(WM_DRAWITEM);
        return 0;
    }
};

constexpr UINT kTableMessages[] = {
    WM_INITDIALOG,    WM_CREATE,         WM_CLOSE,     WM_DESTROY,     WM_COMMAND,    WM_PAINT,
    WM_LBUTTONDBLCLK, WM_LBUTTONDOWN,    WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,  WM_KEYDOWN,
    WM_KEYUP,         WM_CHAR,           WM_TIMER,     WM_MOUSEMOVE,   WM_MOUSEWHEEL, WM_DROPFILES,
    WM_CTLCOLORDLG,   WM_CTLCOLORSTATIC, WM_NOTIFY,    WM_VSCROLL,     WM_HSCROLL,    WM_DRAWITEM};

} // namespace

TEST(CWindowTest, CreateBindsOnNcCreateRegistersTheClassAndUnbindsAfterDestroy) {
    Probe probe;
    HWND hwnd = probe.Create(10, 10, 200, 120, nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(probe.GetHandle(), hwnd);
    ASSERT_FALSE(probe.seen.empty());
    EXPECT_EQ(probe.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_TRUE(probe.boundAtCreate);
    EXPECT_EQ(probe.OldProc(), 0);
    EXPECT_FALSE(probe.IsDialog());
    EXPECT_STREQ(probe.GetWindowText(), "Probe");
    char className[32] = {};
    ::GetClassNameA(hwnd, className, sizeof(className));
    EXPECT_STREQ(className, "CWindow");
    EXPECT_EQ(::GetClassLongPtrA(hwnd, GCL_STYLE),
              static_cast<ULONG_PTR>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(::GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND),
              static_cast<ULONG_PTR>(COLOR_WINDOW + 1));

    DestroyWatch watch(hwnd);
    ASSERT_TRUE(::DestroyWindow(hwnd));
    ASSERT_TRUE(watch.Result().seen);
    EXPECT_EQ(watch.Result().binding, nullptr);
    // WM_NCDESTROY no longer reaches the object; the old handle value stays.
    EXPECT_EQ(probe.seen.back(), static_cast<UINT>(WM_DESTROY));
    EXPECT_EQ(probe.GetHandle(), hwnd);
}

TEST(CWindowTest, TheObjectOwnsItsWindowAndAWindowWithoutObjectGetsDefaultProcessing) {
    HWND owned = nullptr;
    {
        Probe probe;
        owned = probe.Create(0, 0, 100, 80, nullptr);
    }
    EXPECT_FALSE(::IsWindow(owned));

    HWND bare = ::CreateWindowExA(0, "CWindow", "bare", WS_OVERLAPPED, 0, 0, 80, 60, nullptr,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(::GetPropA(bare, "CPP_CLASS"), nullptr);
    char text[8] = {};
    ::GetWindowTextA(bare, text, sizeof(text));
    EXPECT_STREQ(text, "bare");
    EXPECT_TRUE(::DestroyWindow(bare));
}

TEST(CWindowTest, AnAttachedControlKeepsDoingItsOwnWorkAndGetsItsProcedureBack) {
    Probe parent;
    HWND parentWnd = parent.Create(0, 0, 300, 200, nullptr);
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 5, 5, 150, 24, parentWnd,
                                  reinterpret_cast<HMENU>(3), ::GetModuleHandleA(nullptr), nullptr);
    const LONG_PTR ownProc = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);

    Probe control;
    EXPECT_FALSE(control.Attach(nullptr));
    ASSERT_TRUE(control.Attach(edit));
    ASSERT_TRUE(control.Attach(edit));
    EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), kFrameworkProc);
    EXPECT_EQ(control.OldProc(), ownProc);
    EXPECT_EQ(control.GetParentWnd(), &parent);
    EXPECT_EQ(parent.GetDlgItemWnd(3), &control);
    EXPECT_EQ(parent.GetDlgItemWnd(4), nullptr);

    EXPECT_STREQ(control.GetWindowText(), "");
    for (char c : std::string("kalvo")) {
        ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    EXPECT_EQ(control.chars, "kalvo");
    EXPECT_STREQ(control.GetWindowText(), "kalvo");

    DestroyWatch watch(edit);
    ASSERT_TRUE(::DestroyWindow(edit));
    ASSERT_TRUE(watch.Result().seen);
    EXPECT_EQ(watch.Result().binding, nullptr);
    EXPECT_EQ(watch.Result().procedure, ownProc);
}

// A dialog keeps its procedure in its extra window bytes; other classes keep their own data
// at that offset, such as the image of a label.
TEST(CWindowTest, ADialogIsToldApartByItsProcedureAndALabelWithAnImageIsNot) {
    struct {
        DLGTEMPLATE dialog;
        WORD menu, windowClass, title;
    } const kTemplate{{WS_POPUP, 0, 0, 0, 0, 100, 50}, 0, 0, 0};
    Probe dialog;
    HWND dialogWnd = ::CreateDialogIndirectParamA(
        ::GetModuleHandleA(nullptr), &kTemplate.dialog, nullptr,
        reinterpret_cast<DLGPROC>(&CWindowBase::WndProc), reinterpret_cast<LPARAM>(&dialog));
    ASSERT_NE(dialogWnd, nullptr);
    EXPECT_TRUE(dialog.IsDialog());
    EXPECT_EQ(dialog.OldProc(), 0);
    EXPECT_EQ(dialog.seen.front(), static_cast<UINT>(WM_INITDIALOG));

    HWND label = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_ICON, 0, 0, 32, 32, dialogWnd,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
    HICON icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    ::SendMessageA(label, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    Probe control;
    ASSERT_TRUE(control.Attach(label));
    EXPECT_FALSE(control.IsDialog());
    EXPECT_EQ(::GetWindowLongPtrA(label, GWLP_WNDPROC), kFrameworkProc);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(label, STM_GETICON, 0, 0)), icon);
    ::SendMessageA(label, WM_CHAR, 'x', 1);
    EXPECT_EQ(control.chars, "x");
}

TEST(CWindowTest, EachTableMessageReachesItsHandlerThenTheReplacedProcedureUnchanged) {
    HWND hwnd = Recorder::Create(nullptr, 0);
    HandlerProbe probe;
    ASSERT_TRUE(probe.Attach(hwnd));
    for (UINT msg : kTableMessages) {
        SCOPED_TRACE(msg);
        probe.calls.clear();
        Recorder::Start();
        const LRESULT result = ::SendMessageA(hwnd, msg, msg * 3, msg * 7);
        Recorder::Stop();
        EXPECT_EQ(probe.calls, std::vector<UINT>{msg});
        if (msg == WM_DRAWITEM) {
            EXPECT_TRUE(Recorder::Log().empty());
            continue;
        }
        ASSERT_EQ(Recorder::Log().size(), 1u);
        EXPECT_EQ(Recorder::Log()[0].msg, msg);
        EXPECT_EQ(Recorder::Log()[0].wParam, msg * 3);
        EXPECT_EQ(Recorder::Log()[0].lParam, static_cast<LPARAM>(msg * 7));
        EXPECT_EQ(result, Recorder::kResult);
        if (msg == WM_DESTROY) {
            probe.Attach(hwnd);
        }
    }

    probe.calls.clear();
    Recorder::Start();
    EXPECT_EQ(::SendMessageA(hwnd, WM_SIZE, 0, 0), Recorder::kResult);
    Recorder::Stop();
    EXPECT_TRUE(probe.calls.empty());
    EXPECT_EQ(Recorder::Log().size(), 1u);
    ::DestroyWindow(hwnd);
}

TEST(CWindowTest, DrawItemForAnIdWithoutBoundChildIsAnsweredZero) {
    CWindow parent("parent", 0);
    HWND parentWnd = parent.Create(0, 0, 300, 200, nullptr);
    HWND unbound = Recorder::Create(parentWnd, 9);
    DRAWITEMSTRUCT item{};
    Recorder::Start();
    for (UINT id : {8u, 9u}) {
        item.CtlID = id;
        EXPECT_EQ(::SendMessageA(parentWnd, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&item)), 0);
    }
    Recorder::Stop();
    EXPECT_TRUE(Recorder::Log().empty());
    ::DestroyWindow(unbound);
}
