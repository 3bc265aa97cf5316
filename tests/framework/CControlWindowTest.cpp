#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/CButton.h"
#include "framework/CStatic.h"
#include "tests/support/GdiCanvas.h"

using RVK::CButton;
using RVK::CStatic;
using RVK::CWindow;

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
