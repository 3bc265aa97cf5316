#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/CButton.h"
#include "tests/framework/WindowTestSupport.h"

using RVK::CButton;
using RVK::CButtonBase;
using RVK::CWindow;

namespace {

constexpr COLORREF kFace = RGB(40, 90, 200);
constexpr COLORREF kFaceDisabled = RGB(120, 120, 60);
constexpr COLORREF kInk = RGB(255, 255, 0);
constexpr COLORREF kInkDisabled = RGB(250, 20, 20);
constexpr int kButtonId = 21;
constexpr int kWidth = 120;
constexpr int kHeight = 40;
constexpr int kFocusInset = 4;
const RECT kInside{2, 2, kWidth - 2, kHeight - 2};

// A parent window that remembers the commands its children sent.
class Host : public CWindow {
public:
    Host() : CWindow("host", 0) {}

    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.push_back({WM_COMMAND, wParam, lParam});
        return 0;
    }

    std::vector<Received> commands;
};

// How many pixels of column x, from y = top to y = bottom - 1, are not `color`.
int OthersInColumn(const Canvas& canvas, int x, int top, int bottom, COLORREF color) {
    const RECT column{x, top, x + 1, bottom};
    return (bottom - top) - canvas.Count(color, column);
}

class CButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        hostWnd = host.Create(50, 50, 300, 200, nullptr);
        host.ShowWindow(SW_SHOW);
        buttonWnd = button.Create("Go", 10, 10, kWidth, kHeight, hostWnd, kButtonId, true);
        ASSERT_NE(buttonWnd, nullptr);
        button.SetBackColors(kFace, kFaceDisabled);
        button.SetForeColors(kInk, kInkDisabled);
    }

    // The button as it paints itself in its present state.
    void Paint() { PrintClient(buttonWnd, canvas); }

    void ExpectEdge(int outer, int inner) {
        EXPECT_EQ(canvas.Pixel(0, kHeight / 2), ::GetSysColor(outer));
        EXPECT_EQ(canvas.Pixel(1, kHeight / 2), ::GetSysColor(inner));
    }

    void ExpectTextCentredIn(COLORREF ink) {
        const RECT text = canvas.BoundsOf(ink, kInside);
        ASSERT_FALSE(::IsRectEmpty(&text));
        EXPECT_NEAR(text.left + text.right, kWidth, 3);
        EXPECT_NEAR(text.top + text.bottom, kHeight, 3);
    }

    Host host;
    HWND hostWnd = nullptr;
    CButton button;
    HWND buttonWnd = nullptr;
    Canvas canvas{kWidth, kHeight};
};

} // namespace

TEST_F(CButtonTest, AnIdleButtonIsRaisedInItsOwnColoursWithCentredText) {
    EXPECT_EQ(::GetWindowLongPtrA(buttonWnd, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | BS_TYPEMASK),
              WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
    Paint();
    EXPECT_EQ(canvas.Pixel(3, 3), kFace);
    ExpectEdge(COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(canvas.Pixel(kWidth - 1, kHeight / 2), ::GetSysColor(COLOR_3DDKSHADOW));
    ExpectTextCentredIn(kInk);
    EXPECT_EQ(canvas.Count(kInkDisabled, kInside), 0);
    EXPECT_EQ(OthersInColumn(canvas, kFocusInset, kFocusInset, kHeight - kFocusInset, kFace), 0);
}

TEST_F(CButtonTest, PressingWithTheMouseSinksTheEdgeAndReleasingClicksAndRaisesIt) {
    const LPARAM inside = MAKELPARAM(5, 5);
    ::SendMessageA(buttonWnd, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    Paint();
    ExpectEdge(COLOR_BTNSHADOW, COLOR_3DDKSHADOW);
    EXPECT_EQ(canvas.Pixel(3, 3), kFace);
    EXPECT_TRUE(host.commands.empty());

    ::SendMessageA(buttonWnd, WM_LBUTTONUP, 0, inside);
    ASSERT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.commands[0].wParam, MAKEWPARAM(kButtonId, BN_CLICKED));
    EXPECT_EQ(host.commands[0].lParam, reinterpret_cast<LPARAM>(buttonWnd));
    Paint();
    ExpectEdge(COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(canvas.Pixel(3, 3), kFace);
}

TEST_F(CButtonTest, TheFocusedButtonShowsADottedRectangleFourPixelsInside) {
    ::SetFocus(buttonWnd);
    ASSERT_EQ(::GetFocus(), buttonWnd);
    Paint();
    const int top = kFocusInset;
    const int bottom = kHeight - kFocusInset;
    const int dotted = OthersInColumn(canvas, kFocusInset, top + 1, bottom - 1, kFace);
    EXPECT_GT(dotted, 0);
    EXPECT_LT(dotted, bottom - top - 2);
    EXPECT_EQ(OthersInColumn(canvas, kFocusInset - 1, top, bottom, kFace), 0);
    EXPECT_EQ(OthersInColumn(canvas, kFocusInset + 1, top + 1, bottom - 1, kFace), 0);
    ExpectTextCentredIn(kInk);
}

TEST_F(CButtonTest, ADisabledButtonUsesTheDisabledColours) {
    ::EnableWindow(buttonWnd, FALSE);
    Paint();
    EXPECT_EQ(canvas.Pixel(3, 3), kFaceDisabled);
    ExpectTextCentredIn(kInkDisabled);
    EXPECT_EQ(canvas.Count(kInk, kInside), 0);
}

TEST_F(CButtonTest, NewColoursOfAVisibleButtonShowAtTheNextUpdate) {
    constexpr COLORREF kNewFace = RGB(10, 200, 30);
    constexpr COLORREF kNewInk = RGB(0, 0, 0);
    ::UpdateWindow(hostWnd);
    CopyFromScreen(buttonWnd, canvas);
    ASSERT_EQ(canvas.Pixel(3, 3), kFace);

    button.SetBackColor(kNewFace);
    button.SetForeColor(kNewInk);
    ::UpdateWindow(buttonWnd);
    CopyFromScreen(buttonWnd, canvas);
    EXPECT_EQ(canvas.Pixel(3, 3), kNewFace);
    ExpectTextCentredIn(kNewInk);
    EXPECT_EQ(canvas.Count(kInk, kInside), 0);
}

TEST_F(CButtonTest, APlainButtonIsAnOrdinaryPushButtonAndTheBaseOnlyTraces) {
    CButton plain;
    HWND plainWnd = plain.Create("Plain", 10, 60, kWidth, kHeight, hostWnd, kButtonId + 1, false);
    ASSERT_NE(plainWnd, nullptr);
    EXPECT_EQ(::GetWindowLongPtrA(plainWnd, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | BS_TYPEMASK),
              WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);

    CButtonBase base("base", 0);
    DRAWITEMSTRUCT item{};
    item.hDC = canvas.Dc();
    item.rcItem = RECT{0, 0, kWidth, kHeight};
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(base.CtlColor(0, reinterpret_cast<LPARAM>(&item)), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "CButtonBase::CtlColor\n");
}
