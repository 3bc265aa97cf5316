#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "framework/CButton.h"
#include "framework/CStatic.h"
#include "framework/CWindow.h"
#include "tests/support/GdiCanvas.h"

using RVK::CButton;
using RVK::CStatic;
using RVK::CWindow;

namespace {

constexpr LRESULT kRecorded = 0x5EC0;

// A window object that shows its binding and records the messages that reach it.
class Probe : public CWindow {
public:
    Probe() : CWindow("Probe", 0) {}

    BOOL IsDialog() const { return m_bDialog; }
    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        return CWindow::WindowProc(hwnd, msg, wParam, lParam);
    }

    std::vector<UINT> seen;
};

// The messages of the handler table but WM_DRAWITEM, which goes to the child's object,
// and one outside it.
constexpr UINT kMessages[] = {
    WM_INITDIALOG,    WM_CREATE,         WM_CLOSE,     WM_DESTROY,     WM_COMMAND,    WM_PAINT,
    WM_LBUTTONDBLCLK, WM_LBUTTONDOWN,    WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,  WM_KEYDOWN,
    WM_KEYUP,         WM_CHAR,           WM_TIMER,     WM_MOUSEMOVE,   WM_MOUSEWHEEL, WM_DROPFILES,
    WM_CTLCOLORDLG,   WM_CTLCOLORSTATIC, WM_NOTIFY,    WM_VSCROLL,     WM_HSCROLL,    WM_SIZE};

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
    Probe control;
    ASSERT_TRUE(control.Attach(edit));
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
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(label, STM_GETICON, 0, 0)), icon);
}

// After WM_DESTROY the binding is gone and the replaced procedure is back.
TEST(CWindowTest, EachMessageReachesTheReplacedProcedureUnchanged) {
    HWND hwnd = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 50, 20, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc));
    Probe probe;
    ASSERT_TRUE(probe.Attach(hwnd));
    for (UINT msg : kMessages) {
        SCOPED_TRACE(msg);
        g_recorded.clear();
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

// A window whose messages do not pass through the framework keeps its own data in the
// user data: even an object's address there binds nothing.
TEST(CWindowTest, TheLookupTrustsTheUserDataOnlyOfTheFrameworksOwnWindows) {
    Probe parent;
    HWND parentWnd = parent.Create(0, 0, 300, 200, nullptr);
    Probe other;
    other.Create(0, 0, 100, 80, nullptr);
    HWND plain = MakeChild("STATIC", 0, parentWnd, 7);
    ::SetWindowLongPtrA(plain, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&other));
    EXPECT_EQ(parent.GetDlgItemWnd(7), nullptr);

    Probe bound;
    ASSERT_TRUE(bound.Attach(plain));
    EXPECT_EQ(parent.GetDlgItemWnd(7), &bound);
}

namespace {

constexpr COLORREF kFace = RGB(40, 90, 200);
constexpr COLORREF kInk = RGB(255, 255, 0);
constexpr COLORREF kNewFace = RGB(10, 200, 30);
constexpr int kButtonId = 21;
constexpr int kLabelId = 30;
constexpr int kWidth = 120;
constexpr int kHeight = 40;
constexpr int kFocusInset = 4;

// A parent that lets its labels colour themselves and remembers its children's commands.
class Host : public CWindow {
public:
    Host() : CWindow("host", 0) {}

    LRESULT OnCtlColorStatic(WPARAM wParam, LPARAM lParam) override {
        CWindow* label = GetDlgItemWnd(kLabelId);
        return label != nullptr ? label->CtlColor(wParam, lParam)
                                : CWindow::OnCtlColorStatic(wParam, lParam);
    }
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.emplace_back(wParam, lParam);
        return 0;
    }

    std::vector<std::pair<WPARAM, LPARAM>> commands;
};

// How many pixels of column x, from y = top to y = bottom - 1, are not `color`.
int OthersInColumn(const GdiCanvas& canvas, int x, int top, int bottom, COLORREF color) {
    return (bottom - top) - canvas.Count(color, {x, top, x + 1, bottom});
}

// A visible owner-drawn button in a host, which paints it through WM_DRAWITEM.
class CControlWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        hostWnd = host.Create(50, 50, 300, 200, nullptr);
        host.ShowWindow(SW_SHOW);
        buttonWnd = button.Create("Go", 10, 10, kWidth, kHeight, hostWnd, kButtonId, true);
        ASSERT_NE(buttonWnd, nullptr);
        button.SetBackColor(kFace);
        button.SetForeColor(kInk);
    }

    void ExpectEdge(int outer, int inner) {
        EXPECT_EQ(canvas.Pixel(0, kHeight / 2), ::GetSysColor(outer));
        EXPECT_EQ(canvas.Pixel(1, kHeight / 2), ::GetSysColor(inner));
    }
    void ExpectTextCentredIn(COLORREF ink) {
        const RECT text = canvas.BoundsOf(ink);
        ASSERT_FALSE(::IsRectEmpty(&text));
        EXPECT_NEAR(text.left + text.right, kWidth, 3);
        EXPECT_NEAR(text.top + text.bottom, kHeight, 3);
    }

    Host host;
    HWND hostWnd = nullptr;
    CButton button;
    HWND buttonWnd = nullptr;
    GdiCanvas canvas{kWidth, kHeight};
};

} // namespace

// Focused, it shows the dotted focus rectangle four pixels inside its edge.
TEST_F(CControlWindowTest, TheButtonIsRaisedSinksWhilePressedClicksWhenReleasedAndShowsFocus) {
    canvas.PrintClient(buttonWnd);
    EXPECT_EQ(canvas.Pixel(3, 3), kFace);
    ExpectEdge(COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(canvas.Pixel(kWidth - 1, kHeight / 2), ::GetSysColor(COLOR_3DDKSHADOW));
    ExpectTextCentredIn(kInk);
    EXPECT_EQ(OthersInColumn(canvas, kFocusInset, kFocusInset, kHeight - kFocusInset, kFace), 0);

    const LPARAM inside = MAKELPARAM(5, 5);
    ::SendMessageA(buttonWnd, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    canvas.PrintClient(buttonWnd);
    ExpectEdge(COLOR_BTNSHADOW, COLOR_3DDKSHADOW);
    EXPECT_EQ(canvas.Pixel(3, 3), kFace);
    EXPECT_TRUE(host.commands.empty());

    ::SendMessageA(buttonWnd, WM_LBUTTONUP, 0, inside);
    ASSERT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.commands[0].first, MAKEWPARAM(kButtonId, BN_CLICKED));
    EXPECT_EQ(host.commands[0].second, reinterpret_cast<LPARAM>(buttonWnd));
    ASSERT_EQ(::GetFocus(), buttonWnd);
    canvas.PrintClient(buttonWnd);
    ExpectEdge(COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT);
    const int height = kHeight - 2 * kFocusInset - 2;
    const int dotted =
        OthersInColumn(canvas, kFocusInset, kFocusInset + 1, kHeight - kFocusInset - 1, kFace);
    EXPECT_GT(dotted, 0);
    EXPECT_LT(dotted, height);
    EXPECT_EQ(
        OthersInColumn(canvas, kFocusInset + 1, kFocusInset + 1, kHeight - kFocusInset - 1, kFace),
        0);
    ExpectTextCentredIn(kInk);
}

// Without a window there is nothing to repaint; invalidating a null window would mean
// every window.
TEST_F(CControlWindowTest, ColoursOfControlsWithoutWindowInvalidateNoOtherWindowAndLast) {
    ::UpdateWindow(hostWnd);
    ASSERT_FALSE(::GetUpdateRect(hostWnd, nullptr, FALSE));
    CStatic label;
    label.SetBackColor(kNewFace);
    label.SetForeColor(kInk);
    CButton unmade;
    unmade.SetBackColors(kNewFace, kFace);
    unmade.SetForeColor(kInk);
    EXPECT_FALSE(::GetUpdateRect(hostWnd, nullptr, FALSE));

    canvas.PrintClient(label.Create("Kalvo", 10, 60, kWidth, kHeight, hostWnd, kLabelId, 1));
    EXPECT_EQ(canvas.Pixel(1, 1), kNewFace);
    ExpectTextCentredIn(kInk);
}
