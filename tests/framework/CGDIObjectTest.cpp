#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "framework/CDC.h"
#include "framework/CFont.h"
#include "tests/support/GdiCanvas.h"

using RVK::CBrush;
using RVK::CDC;
using RVK::CFont;
using RVK::CFontBase;
using RVK::CPen;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr const char* kFace = "ＭＳ ゴシック";

bool IsLive(HGDIOBJ handle) { return ::GetObjectType(handle) != 0; }

// Everything a paint cycle does with the drawing objects, restoring only the font, as
// the painting code does.
void PaintCycle(HDC hdc, int i) {
    CDC dc(hdc);
    CFont font(16, kFace, true);
    HGDIOBJ oldFont = dc.SelectObject(font.GetHFont());
    dc.SelectObject(CPen(i % 7, 1, RGB(i, 0, 0)));
    dc.SelectObject(CBrush(i % 8, RGB(0, i, 0)));
    dc.Rectangle(1, 1, 8, 8);
    dc.SelectObject(CPen());
    dc.SelectObject(CBrush());
    dc.Ellipse(1, 1, 8, 8);
    dc.FillRect(2, 2, 4, 4, RGB(0, 0, i));
    dc.DrawText(0, 0, "12", 0);
    dc.SelectObject(oldFont);
    CPen pen;
    pen = CPen(2, 0, kRed);
    pen.CreatePen(PS_DOT, 1, kBlue);
    CBrush brush;
    brush = CBrush(3, kBlue);
    brush.CreateSolidBrush(kRed);
}

} // namespace

TEST(CGDIObjectTest, ManyCreateAndSelectCyclesLeaveNoDrawingObjectBehind) {
    GdiCanvas canvas(16, 16);
    PaintCycle(canvas.Dc(), 0);
    const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const int free = FreeGdiHandles();
    for (int i = 0; i < 3000; ++i) {
        PaintCycle(canvas.Dc(), i);
    }
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), counted);
    EXPECT_EQ(FreeGdiHandles(), free);
}

TEST(CGDIObjectTest, PensAndBrushesDeleteTheirHandleWhenReplacedOrDestroyedAndNeverShareIt) {
    std::vector<HGDIOBJ> handles;
    {
        CPen pen(1, 0, kRed);
        CBrush brush(1, kRed);
        const HGDIOBJ replaced[] = {pen.GetHandle(), brush.GetHandle()};
        pen.Create(2, 0, kBlue);
        brush.Create(3, kBlue);
        EXPECT_FALSE(IsLive(replaced[0]));
        EXPECT_FALSE(IsLive(replaced[1]));

        const CPen penCopy(pen);
        const CBrush brushCopy(brush);
        CPen penTarget;
        CBrush brushTarget;
        const HGDIOBJ overwritten[] = {penTarget.GetHandle(), brushTarget.GetHandle()};
        penTarget = pen;
        brushTarget = brush;
        EXPECT_FALSE(IsLive(overwritten[0]));
        EXPECT_FALSE(IsLive(overwritten[1]));

        handles = {pen.GetHandle(),   penCopy.GetHandle(),   penTarget.GetHandle(),
                   brush.GetHandle(), brushCopy.GetHandle(), brushTarget.GetHandle()};
        EXPECT_EQ(std::set<HGDIOBJ>(handles.begin(), handles.end()).size(), handles.size());
        for (HGDIOBJ handle : handles) {
            EXPECT_TRUE(IsLive(handle));
        }
    }
    for (HGDIOBJ handle : handles) {
        EXPECT_FALSE(IsLive(handle));
    }
    EXPECT_EQ(CPen(7, 0, kRed).GetHandle(), nullptr);
    EXPECT_EQ(CBrush(-1, kRed).GetHandle(), nullptr);
}

TEST(CGDIObjectTest, NumberedStylesSelectTheirPenOrBrush) {
    GdiCanvas canvas(64, 56);
    CDC dc(canvas.Dc());
    const auto line = [&](int style, int y) {
        dc.SelectObject(CPen(style, 0, kRed));
        dc.MoveToEx(0, y, nullptr);
        dc.LineTo(64, y);
        return canvas.Count(kRed, {0, y, 64, y + 1});
    };
    EXPECT_EQ(line(0, 1), 0);
    EXPECT_EQ(line(1, 3), 64);
    EXPECT_GT(line(2, 5), 0);
    EXPECT_LT(canvas.Count(kRed, {0, 5, 64, 6}), 64);

    dc.SelectObject(CPen(0, 0, 0));
    // Without an outline the platform fills one pixel short of the right and bottom sides.
    const auto fill = [&](int style, int top) {
        dc.SelectObject(CBrush(style, kBlue));
        dc.Rectangle(0, top, 17, 17);
        return RECT{0, top, 16, top + 16};
    };
    EXPECT_EQ(canvas.Count(kBlue, fill(0, 8)), 0);
    EXPECT_EQ(canvas.Count(kBlue, fill(1, 24)), 256);
    const RECT hatched = fill(3, 40);
    int fullRows = 0;
    int fullColumns = 0;
    for (int i = 0; i < 16; ++i) {
        fullRows += canvas.Count(kBlue, {0, 40 + i, 16, 41 + i}) == 16 ? 1 : 0;
        fullColumns += canvas.Count(kBlue, {i, 40, i + 1, 56}) == 16 ? 1 : 0;
    }
    EXPECT_EQ(fullRows, 2);
    EXPECT_EQ(fullColumns, 2);
    EXPECT_EQ(canvas.Count(kBlue, hatched), 2 * 16 + 2 * 16 - 4);
}

TEST(CFontTest, OnlyAnAutoDeletingFontDeletesItsFontsAndTheBaseDeletesNone) {
    HFONT kept;
    HFONT borrowed;
    HFONT owned[2];
    {
        const CFont font(14, kFace, false);
        kept = font.GetHFont();
        CFontBase base;
        borrowed = base.CreateFont(14, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, kFace);
        CFont deleting(14, kFace, true);
        owned[0] = deleting.GetHFont();
        owned[1] = deleting.CreateFont(24, kFace, FW_BOLD, 1, 0, 1);
        EXPECT_FALSE(IsLive(owned[0]));

        LOGFONTA logFont = {};
        ASSERT_TRUE(::GetObjectA(owned[1], sizeof(logFont), &logFont));
        EXPECT_EQ(logFont.lfHeight, 24);
        EXPECT_EQ(logFont.lfWeight, FW_BOLD);
        EXPECT_EQ(logFont.lfItalic + logFont.lfUnderline * 2 + logFont.lfStrikeOut * 4, 5);
        EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
        EXPECT_STREQ(logFont.lfFaceName, kFace);
    }
    EXPECT_FALSE(IsLive(owned[1]));
    EXPECT_TRUE(::DeleteObject(kept));
    EXPECT_TRUE(::DeleteObject(borrowed));
    CFont empty;
    EXPECT_EQ(empty.GetHFont(), nullptr);
    EXPECT_FALSE(empty.DeleteObject());
}
