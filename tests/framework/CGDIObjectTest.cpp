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
using RVK::CPen;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr const char* kFace = "ＭＳ ゴシック";

bool IsLive(HGDIOBJ handle) { return ::GetObjectType(handle) != 0; }

} // namespace

TEST(CGDIObjectTest, PensAndBrushesDeleteTheirHandleWhenReplacedOrDestroyedAndNeverShareIt) {
    std::vector<HGDIOBJ> handles;
    {
        CPen pen(1, 0, kRed);
        CBrush brush(1, kRed);
        const HGDIOBJ replaced[] = {pen.GetHandle(), brush.GetHandle()};
        pen.Create(2, 0, kBlue);
        brush.Create(3, kBlue);
        CPen penTarget;
        CBrush brushTarget;
        const HGDIOBJ overwritten[] = {penTarget.GetHandle(), brushTarget.GetHandle()};
        penTarget = pen;
        brushTarget = brush;
        for (HGDIOBJ handle : {replaced[0], replaced[1], overwritten[0], overwritten[1]}) {
            EXPECT_FALSE(IsLive(handle));
        }
        const CPen penCopy(pen);
        const CBrush brushCopy(brush);
        handles = {pen.GetHandle(),   penCopy.GetHandle(),   penTarget.GetHandle(),
                   brush.GetHandle(), brushCopy.GetHandle(), brushTarget.GetHandle()};
        EXPECT_EQ(std::set<HGDIOBJ>(handles.begin(), handles.end()).size(), handles.size());
    }
    for (HGDIOBJ handle : handles) {
        EXPECT_FALSE(IsLive(handle));
    }
}

TEST(CGDIObjectTest, ADeletedObjectHoldsNoHandle) {
    CPen pen;
    CBrush brush;
    CFont font(14, kFace, true);
    RVK::CGDIObject* const objects[] = {&pen, &brush, &font};
    for (RVK::CGDIObject* object : objects) {
        EXPECT_TRUE(object->DeleteObject());
        EXPECT_EQ(object->GetSafeHandle(), nullptr);
    }
}

TEST(CGDIObjectTest, OnlyAnAutoDeletingFontDeletesItsFonts) {
    HFONT kept;
    HFONT owned[2];
    {
        const CFont font(14, kFace, false);
        kept = font.GetHFont();
        CFont deleting(14, kFace, true);
        owned[0] = deleting.GetHFont();
        owned[1] = deleting.CreateFont(24, kFace, FW_BOLD, 1, 0, 1);
        EXPECT_FALSE(IsLive(owned[0]));
    }
    EXPECT_FALSE(IsLive(owned[1]));
    EXPECT_TRUE(::DeleteObject(kept));
}

// A context deletes the pens and brushes it made and a memory context it made and holds;
// what it was given stays with its owner.
TEST(CDCTest, AContextDeletesOnlyWhatItMadeItself) {
    GdiCanvas canvas(8, 8);
    const HGDIOBJ firstPen = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
    const CPen givenPen(1, 0, kRed);
    const CBrush givenBrush(1, kRed);
    HGDIOBJ ownPen, ownBrush;
    HDC notInstalled;
    {
        CDC dc(canvas.Dc());
        EXPECT_EQ(dc.SelectObject(givenPen), firstPen);
        dc.SelectObject(givenBrush);
        ownPen = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
        ownBrush = ::GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
        EXPECT_EQ(dc.SelectObject(CPen(2, 0, kBlue)), ownPen);
        EXPECT_EQ(dc.SelectObject(CBrush(7, kBlue)), ownBrush);
        EXPECT_FALSE(IsLive(ownPen));
        EXPECT_FALSE(IsLive(ownBrush));
        ownPen = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
        ownBrush = ::GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
        notInstalled = dc.CreateCompatibleDC();
    }
    EXPECT_FALSE(IsLive(ownPen));
    EXPECT_FALSE(IsLive(ownBrush));
    EXPECT_TRUE(IsLive(givenPen.GetHandle()));
    EXPECT_TRUE(IsLive(givenBrush.GetHandle()));
    EXPECT_TRUE(IsLive(canvas.Dc()));
    EXPECT_TRUE(::DeleteDC(notInstalled));
    HDC installed[2];
    {
        CDC dc(canvas.Dc());
        for (HDC& context : installed) {
            context = dc.CreateCompatibleDC();
            dc.SetHDC(context);
        }
        EXPECT_FALSE(IsLive(installed[0]));
    }
    EXPECT_FALSE(IsLive(installed[1]));
    EXPECT_TRUE(IsLive(canvas.Dc()));
}
