#include <windows.h>

#include <gtest/gtest.h>

#include "framework/CStatic.h"
#include "tests/framework/WindowTestSupport.h"

using RVK::CStatic;
using RVK::CWindow;

namespace {

constexpr COLORREF kPaper = RGB(250, 240, 200);
constexpr COLORREF kInk = RGB(0, 0, 160);
constexpr int kLabelId = 30;
constexpr int kWidth = 100;
constexpr int kHeight = 30;
const RECT kLabelRect{0, 0, kWidth, kHeight};

// A parent that lets its labels colour themselves.
class LabelHost : public CWindow {
public:
    LabelHost() : CWindow("labels", 0) {}

    LRESULT OnCtlColorStatic(WPARAM wParam, LPARAM lParam) override {
        CWindow* label = GetDlgItemWnd(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        return label != nullptr ? label->CtlColor(wParam, lParam)
                                : CWindow::OnCtlColorStatic(wParam, lParam);
    }
};

class CStaticTest : public ::testing::Test {
protected:
    void SetUp() override {
        hostWnd = host.Create(60, 60, 300, 200, nullptr);
        host.ShowWindow(SW_SHOW);
    }

    HWND MakeLabel(CStatic& label, int align) {
        HWND hwnd = label.Create("Kalvo", 10, 10, kWidth, kHeight, hostWnd, kLabelId, align);
        label.SetForeColor(kInk);
        label.SetBackColor(kPaper);
        return hwnd;
    }

    LabelHost host;
    HWND hostWnd = nullptr;
    Canvas canvas{kWidth, kHeight};
};

struct Alignment {
    int align;
    DWORD style;
};

} // namespace

TEST_F(CStaticTest, AlignmentChoosesTheStyleAndWhereTheTextIsDrawn) {
    constexpr Alignment kCases[] = {
        {0, SS_LEFT}, {1, SS_CENTER}, {2, SS_RIGHT}, {3, SS_LEFT}, {-1, SS_LEFT}};
    for (const Alignment& c : kCases) {
        SCOPED_TRACE(c.align);
        CStatic label;
        HWND hwnd = MakeLabel(label, c.align);
        ASSERT_NE(hwnd, nullptr);
        const LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_TYPEMASK),
                  static_cast<LONG_PTR>(WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | c.style));

        PrintClient(hwnd, canvas);
        EXPECT_EQ(canvas.Pixel(1, 1), kPaper);
        const RECT text = canvas.BoundsOf(kInk, kLabelRect);
        ASSERT_FALSE(::IsRectEmpty(&text));
        EXPECT_NEAR(text.top + text.bottom, kHeight, 3);
        if (c.style == SS_CENTER) {
            EXPECT_NEAR(text.left + text.right, kWidth, 3);
        } else if (c.style == SS_RIGHT) {
            EXPECT_GE(text.right, kWidth - 3);
        } else {
            EXPECT_LE(text.left, 3);
        }
    }
}

TEST_F(CStaticTest, ANewBackColourShowsAtTheNextUpdate) {
    constexpr COLORREF kNewPaper = RGB(10, 200, 30);
    CStatic label;
    HWND hwnd = MakeLabel(label, 1);
    ::UpdateWindow(hostWnd);
    CopyFromScreen(hwnd, canvas);
    ASSERT_EQ(canvas.Pixel(1, 1), kPaper);

    label.SetBackColor(kNewPaper);
    ::UpdateWindow(hwnd);
    CopyFromScreen(hwnd, canvas);
    EXPECT_EQ(canvas.Pixel(1, 1), kNewPaper);
    EXPECT_GT(canvas.Count(kInk, kLabelRect), 0);
}

TEST_F(CStaticTest, ColoursOfALabelWithoutWindowInvalidateNoOtherWindow) {
    constexpr COLORREF kNewPaper = RGB(10, 200, 30);
    ::UpdateWindow(hostWnd);
    ASSERT_FALSE(::GetUpdateRect(hostWnd, nullptr, FALSE));

    CStatic unmade;
    unmade.SetBackColor(kNewPaper);
    unmade.SetForeColor(kInk);
    EXPECT_FALSE(::GetUpdateRect(hostWnd, nullptr, FALSE));

    const auto brush =
        reinterpret_cast<HBRUSH>(unmade.CtlColor(reinterpret_cast<WPARAM>(canvas.Dc()), 0));
    LOGBRUSH logBrush{};
    ASSERT_EQ(::GetObjectA(brush, sizeof(logBrush), &logBrush), static_cast<int>(sizeof(logBrush)));
    EXPECT_EQ(logBrush.lbColor, kNewPaper);
    EXPECT_EQ(::GetBkColor(canvas.Dc()), kNewPaper);
    EXPECT_EQ(::GetTextColor(canvas.Dc()), kInk);
}
