#pragma once

#include "framework/CBrush.h"
#include "framework/CPen.h"

namespace RVK {

// Wraps a device context it does not own, with the plain drawing calls.
class CDCBase : public CGDIObject {
    RVK_DECLARE_RUNTIME_CLASS()

    explicit CDCBase(HDC hdc);
    CDCBase(const CDCBase&) = delete;
    CDCBase& operator=(const CDCBase&) = delete;
    ~CDCBase() override;

    virtual HDC GetHDC() const;
    virtual void SetHDC(HDC hdc);
    // SelectObject: answers the object selected before.
    virtual HGDIOBJ SelectObject(HGDIOBJ object);
    // The drawing wrappers: each calls the platform function of its name (TextOutA,
    // DrawTextA, GetTextMetricsA for text) on GetHDC() and answers its result.
    virtual BOOL TextOut(int x, int y, const char* text, int count);
    virtual int DrawText(const char* text, int count, RECT* rect, UINT format);
    virtual BOOL GetTextMetrics(TEXTMETRICA* metrics);
    virtual COLORREF SetTextColor(COLORREF color);
    virtual COLORREF SetBkColor(COLORREF color);
    virtual int SetBkMode(int mode);
    virtual BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    virtual BOOL Ellipse(int left, int top, int right, int bottom);
    virtual int FillRect(const RECT* rect, HBRUSH brush);
    virtual int FrameRect(const RECT* rect, HBRUSH brush);
    virtual BOOL InvertRect(const RECT* rect);
    virtual BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    virtual BOOL Polygon(const POINT* points, int count);
    virtual BOOL PolyPolygon(const POINT* points, const INT* counts, int polygons);
    // Rectangle from a corner, width and height.
    virtual BOOL Rectangle(int x, int y, int cx, int cy);
    virtual BOOL MoveToEx(int x, int y, POINT* previous);
    virtual BOOL AngleArc(int x, int y, DWORD radius, float startAngle, float sweepAngle);
    virtual BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    virtual BOOL ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    virtual BOOL LineTo(int x, int y);
    virtual BOOL Polyline(const POINT* points, int count);
    virtual BOOL PolyPolyline(const POINT* points, const DWORD* counts, DWORD lines);
    virtual BOOL PolyBezier(const POINT* points, DWORD count);
    virtual BOOL PolyBezierTo(const POINT* points, DWORD count);
    virtual BOOL BitBlt(int x, int y, int cx, int cy, HDC source, int sourceX, int sourceY,
                        DWORD rop);
    virtual BOOL StretchBlt(int x, int y, int cx, int cy, HDC source, int sourceX, int sourceY,
                            int sourceCx, int sourceCy, DWORD rop);
    // CreateCompatibleDC: a memory context compatible with this one. The caller installs
    // it with SetHDC; the object then deletes it when it is replaced or destroyed.
    virtual HDC CreateCompatibleDC();
    // DeleteDC.
    virtual BOOL DeleteDC();

protected:
    HDC m_hDC;
    // Whether m_hDC is a context this object made, which it then deletes.
    bool m_bDeleteDC;
    // The last context made by CreateCompatibleDC: owned once installed with SetHDC.
    HDC m_hCreatedDC;
};

// The painting context: selects pens and brushes through members of its own, so the
// caller may pass temporaries, and draws with width and height instead of corners.
class CDC : public CDCBase {
    RVK_DECLARE_RUNTIME_CLASS()

    explicit CDC(HDC hdc);
    ~CDC() override;

    HGDIOBJ GetSafeHandle() const override;
    // Ellipse in the box of a corner, width and height.
    BOOL Ellipse(int x, int y, int cx, int cy) override;
    using CDCBase::DrawText;
    using CDCBase::FillRect;
    using CDCBase::SelectObject;
    // Text in a rectangle of (length x widest character) by the text height.
    virtual int DrawText(int x, int y, const char* text, UINT format);
    // Fills with a temporary solid brush.
    virtual int FillRect(int x, int y, int cx, int cy, COLORREF color);
    virtual HGDIOBJ SelectObject(const CPen& pen);
    virtual HGDIOBJ SelectObject(const CBrush& brush);

protected:
    CPen m_pen;
    CBrush m_brush;
};

} // namespace RVK
