#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "framework/CWindow.h"

using RVK::CWindow;
using RVK::CWindowBase;

namespace {

const LONG_PTR kFrameworkProc = reinterpret_cast<LONG_PTR>(&CWindowBase::WndProc);
constexpr LRESULT kRecorded = 0x5EC0;

// A window object that shows its binding and records the messages that reach it.
class Probe : public CWindow {
public:
    Probe() : CWindow("Probe", 0) {}

    LONG_PTR OldProc() const { return m_pfnOldProc; }
    BOOL IsDialog() const { return m_bDialog; }
    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        return CWindow::WindowProc(hwnd, msg, wParam, lParam);
    }

    std::vector<UINT> seen;
};

// The messages of the handler table, and one outside it.
constexpr UINT kMessages[] = {
    WM_INITDIALOG, WM_CREATE,        WM_CLOSE,       WM_DESTROY,     WM_COMMAND,
    WM_PAINT,      WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONUP,   WM_RBUTTONDOWN,
    WM_RBUTTONUP,  WM_KEYDOWN,       WM_KEYUP,       WM_CHAR,        WM_TIMER,
    WM_MOUSEMOVE,  WM_MOUSEWHEEL,    WM_DROPFILES,   WM_CTLCOLORDLG, WM_CTLCOLORSTATIC,
    WM_NOTIFY,     WM_VSCROLL,       WM_HSCROLL,     WM_DRAWITEM,    WM_SIZE};

// The stand-in for a control's own procedure: records what reaches it.
using Call = std::tuple<UINT, WPARAM, LPARAM>;
std::vector<Call> g_recorded;
LRESULT CALLBACK RecordingProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_recorded.emplace_back(msg, wParam, lParam);
    return kRecorded;
}

HWND MakeChild(const char* className, DWORD style, HWND parent, int id) {
    return ::CreateWindowExA(0, className, "", WS_CHILD | style, 0, 0, 150, 24, parent,
                             reinterpret_cast<HMENU>(INT_PTR{id}), ::GetModuleHandleA(nullptr),
                             nullptr);
}

} // namespace

TEST(CWindowTest, CreateBindsOnNcCreateAndTheObjectsEndDestroysTheWindow) {
    Probe probe;
    HWND hwnd = probe.Create(10, 10, 200, 120, nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(probe.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(::GetPropA(hwnd, "CPP_CLASS"), &probe);
    EXPECT_EQ(probe.OldProc(), 0);
    EXPECT_FALSE(probe.IsDialog());
    EXPECT_STREQ(probe.GetWindowText(), "Probe");

    EXPECT_TRUE(::DestroyWindow(hwnd));
    // The binding ended after WM_DESTROY: WM_NCDESTROY no longer reaches the object.
    EXPECT_EQ(probe.seen.back(), static_cast<UINT>(WM_DESTROY));

    {
        Probe owner;
        hwnd = owner.Create(0, 0, 100, 80, nullptr);
    }
    EXPECT_FALSE(::IsWindow(hwnd)) << "the object's end destroys its window";
}

// A dialog keeps its procedure in its extra window bytes; other classes keep their own data
// at that offset, such as the image of a label, and must not be taken for dialogs.
TEST(CWindowTest, AttachedControlsKeepDoingTheirOwnWorkAndALabelIsNoDialog) {
    Probe parent;
    HWND parentWnd = parent.Create(0, 0, 300, 200, nullptr);
    HWND edit = MakeChild("EDIT", 0, parentWnd, 3);
    const LONG_PTR ownProc = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);
    Probe control;
    ASSERT_TRUE(control.Attach(edit));
    ASSERT_TRUE(control.Attach(edit));
    EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), kFrameworkProc);
    EXPECT_EQ(control.OldProc(), ownProc);
    for (char c : std::string("kalvo")) {
        ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    EXPECT_EQ(std::count(control.seen.begin(), control.seen.end(), WM_CHAR), 5);
    EXPECT_STREQ(control.GetWindowText(), "kalvo");

    HWND label = MakeChild("STATIC", SS_ICON, parentWnd, 5);
    HICON icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    ::SendMessageA(label, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    Probe labelObject;
    ASSERT_TRUE(labelObject.Attach(label));
    EXPECT_FALSE(labelObject.IsDialog());
    EXPECT_EQ(::GetWindowLongPtrA(label, GWLP_WNDPROC), kFrameworkProc);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(label, STM_GETICON, 0, 0)), icon);
}

// WM_DRAWITEM goes to the object of the child with the item's id: there is none
// for id 8, and the child with id 9 has no object, so both are answered 0. After WM_DESTROY
// the binding is gone and the replaced procedure is back.
TEST(CWindowTest, EachMessageReachesTheReplacedProcedureUnchanged) {
    HWND hwnd = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 50, 20, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    MakeChild("STATIC", 0, hwnd, 9);
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc));
    Probe probe;
    ASSERT_TRUE(probe.Attach(hwnd));
    for (UINT msg : kMessages) {
        SCOPED_TRACE(msg);
        g_recorded.clear();
        if (msg == WM_DRAWITEM) {
            for (UINT id : {8u, 9u}) {
                DRAWITEMSTRUCT item{};
                item.CtlID = id;
                EXPECT_EQ(::SendMessageA(hwnd, msg, id, reinterpret_cast<LPARAM>(&item)), 0);
            }
            EXPECT_TRUE(g_recorded.empty());
            continue;
        }
        EXPECT_EQ(::SendMessageA(hwnd, msg, msg * 3, msg * 7), kRecorded);
        EXPECT_EQ(g_recorded, std::vector<Call>{Call(msg, msg * 3, msg * 7)});
        if (msg == WM_DESTROY) {
            EXPECT_EQ(::GetPropA(hwnd, "CPP_CLASS"), nullptr);
            EXPECT_EQ(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC),
                      reinterpret_cast<LONG_PTR>(&RecordingProc));
            probe.Attach(hwnd);
        }
    }
}
