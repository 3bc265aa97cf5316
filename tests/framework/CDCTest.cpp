#include <windows.h>

#include <gtest/gtest.h>

#include <tuple>

#include "framework/CDC.h"
#include "framework/CFont.h"
#include "tests/support/GdiCanvas.h"

using RVK::CBrush;
using RVK::CDC;
using RVK::CFont;
using RVK::CPen;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Lets failed expectations print rectangles.
std::tuple<LONG, LONG, LONG, LONG> Box(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool IsLive(HGDIOBJ handle) { return ::GetObjectType(handle) != 0; }

} // namespace

TEST(CDCTest, ShapesAndFillsTakeACornerWidthAndHeight) {
    GdiCanvas canvas(32, 32);
    CDC dc(canvas.Dc());
    dc.SelectObject(CPen(1, 0, kRed));
    dc.SelectObject(CBrush(1, kBlue));
    dc.Rectangle(10, 20, 5, 5);
    EXPECT_EQ(Box(canvas.Drawn()), Box({10, 20, 15, 25}));
    EXPECT_EQ(canvas.Pixel(14, 24), kRed);
    EXPECT_EQ(canvas.Count(kBlue), 9);

    GdiCanvas round(32, 32);
    CDC roundDc(round.Dc());
    roundDc.SelectObject(CBrush(1, kBlue));
    roundDc.Ellipse(10, 20, 5, 5);
    EXPECT_EQ(Box(round.Drawn()), Box({10, 20, 15, 25}));
    EXPECT_EQ(round.Pixel(12, 22), kBlue);

    GdiCanvas filled(16, 16);
    CDC fillDc(filled.Dc());
    EXPECT_TRUE(fillDc.FillRect(2, 3, 4, 5, kGreen));
    EXPECT_EQ(Box(filled.Drawn()), Box({2, 3, 6, 8}));
    EXPECT_EQ(filled.Count(kGreen), 20);
    const int free = FreeGdiHandles();
    fillDc.FillRect(10, 10, 0, 0, kRed);
    EXPECT_EQ(filled.Count(kRed), 0);
    EXPECT_EQ(FreeGdiHandles(), free);
}

TEST(CDCTest, DrawTextKeepsToLengthTimesWidestCharacterByTextHeight) {
    GdiCanvas canvas(200, 48);
    CDC dc(canvas.Dc());
    CFont font(16, "ＭＳ ゴシック", true);
    HGDIOBJ oldFont = dc.SelectObject(font.GetHFont());
    TEXTMETRICA metrics = {};
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));

    dc.DrawText(10, 5, "", DT_RIGHT);
    EXPECT_EQ(Box(canvas.Drawn()), Box({0, 0, 0, 0}));

    dc.DrawText(10, 5, "WW", DT_RIGHT | DT_SINGLELINE);
    const RECT box = {10, 5, 10 + 2 * metrics.tmMaxCharWidth, 5 + metrics.tmHeight};
    const RECT drawn = canvas.Drawn();
    RECT outside = {};
    EXPECT_FALSE(::SubtractRect(&outside, &drawn, &box)) << "drawn outside the box";
    EXPECT_GT(drawn.right, box.right - metrics.tmMaxCharWidth);
    dc.SelectObject(oldFont);
}

TEST(CDCTest, SelectingKeepsTheGivenObjectsAndDeletesOnlyTheContextsOwnOldOnes) {
    GdiCanvas canvas(8, 8);
    const HGDIOBJ firstPen = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
    const CPen givenPen(1, 0, kRed);
    const CBrush givenBrush(1, kRed);
    HGDIOBJ ownPen, ownBrush;
    {
        CDC dc(canvas.Dc());
        EXPECT_EQ(dc.SelectObject(givenPen), firstPen);
        dc.SelectObject(givenBrush);
        ownPen = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
        ownBrush = ::GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
        EXPECT_NE(ownPen, givenPen.GetHandle());
        EXPECT_NE(ownBrush, givenBrush.GetHandle());

        EXPECT_EQ(dc.SelectObject(CPen(2, 0, kBlue)), ownPen);
        EXPECT_EQ(dc.SelectObject(CBrush(7, kBlue)), ownBrush);
        EXPECT_FALSE(IsLive(ownPen));
        EXPECT_FALSE(IsLive(ownBrush));
        ownPen = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
        ownBrush = ::GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
        LOGPEN logPen = {};
        ::GetObjectA(ownPen, sizeof(logPen), &logPen);
        EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_DASH));
        EXPECT_EQ(logPen.lopnColor, kBlue);
    }
    EXPECT_FALSE(IsLive(ownPen));
    EXPECT_FALSE(IsLive(ownBrush));
    EXPECT_TRUE(IsLive(givenPen.GetHandle()));
    EXPECT_TRUE(IsLive(givenBrush.GetHandle()));
}

TEST(CDCTest, OnlyAMemoryContextTheObjectMadeAndHoldsIsDeletedWithIt) {
    GdiCanvas canvas(8, 8);
    HDC notInstalled;
    HDC installed;
    {
        CDC dc(canvas.Dc());
        notInstalled = dc.CreateCompatibleDC();
    }
    EXPECT_TRUE(IsLive(canvas.Dc()));
    EXPECT_TRUE(::DeleteDC(notInstalled));
    {
        CDC dc(canvas.Dc());
        installed = dc.CreateCompatibleDC();
        dc.SetHDC(installed);
    }
    EXPECT_FALSE(IsLive(installed));
    EXPECT_TRUE(IsLive(canvas.Dc()));
}
