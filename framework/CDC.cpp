#include "framework/CDC.h"

namespace RVK {

namespace {

constexpr int kSolidStyle = 1;

// Puts a stock object in place of `own` when the context still holds it, so that deleting
// `own` afterwards succeeds: the platform refuses to delete a selected pen or brush.
void DeselectIfHeld(HDC hdc, HGDIOBJ own, UINT kind, int stock) {
    if (own != nullptr && ::GetCurrentObject(hdc, kind) == own) {
        ::SelectObject(hdc, ::GetStockObject(stock));
    }
}

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CDCBase, CGDIObject)
RVK_IMPLEMENT_RUNTIME_CLASS(CDC, CDCBase)

CDCBase::CDCBase(HDC hdc) : m_hDC(hdc), m_bDeleteDC(false), m_hCreatedDC(nullptr) {}

// Only a context this object made itself is deleted: one installed from elsewhere, such
// as a paint context, stays with its owner.
CDCBase::~CDCBase() {
    if (m_bDeleteDC && m_hDC != nullptr) {
        DeleteDC();
    }
}

HDC CDCBase::GetHDC() const { return m_hDC; }

// A context of the object's own that another replaces is deleted: nothing else would.
void CDCBase::SetHDC(HDC hdc) {
    if (hdc == m_hDC) {
        return;
    }
    if (m_bDeleteDC && m_hDC != nullptr) {
        ::DeleteDC(m_hDC);
    }
    m_bDeleteDC = hdc != nullptr && hdc == m_hCreatedDC;
    m_hDC = hdc;
}

HGDIOBJ CDCBase::SelectObject(HGDIOBJ object) { return ::SelectObject(GetHDC(), object); }

BOOL CDCBase::TextOut(int x, int y, const char* text, int count) {
    return ::TextOutA(GetHDC(), x, y, text, count);
}

int CDCBase::DrawText(const char* text, int count, RECT* rect, UINT format) {
    return ::DrawTextA(GetHDC(), text, count, rect, format);
}

BOOL CDCBase::GetTextMetrics(TEXTMETRICA* metrics) { return ::GetTextMetricsA(GetHDC(), metrics); }

COLORREF CDCBase::SetTextColor(COLORREF color) { return ::SetTextColor(GetHDC(), color); }

COLORREF CDCBase::SetBkColor(COLORREF color) { return ::SetBkColor(GetHDC(), color); }

int CDCBase::SetBkMode(int mode) { return ::SetBkMode(GetHDC(), mode); }

BOOL CDCBase::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Chord(GetHDC(), x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDCBase::Ellipse(int left, int top, int right, int bottom) {
    return ::Ellipse(GetHDC(), left, top, right, bottom);
}

int CDCBase::FillRect(const RECT* rect, HBRUSH brush) { return ::FillRect(GetHDC(), rect, brush); }

int CDCBase::FrameRect(const RECT* rect, HBRUSH brush) {
    return ::FrameRect(GetHDC(), rect, brush);
}

BOOL CDCBase::InvertRect(const RECT* rect) { return ::InvertRect(GetHDC(), rect); }

BOOL CDCBase::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Pie(GetHDC(), x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDCBase::Polygon(const POINT* points, int count) { return ::Polygon(GetHDC(), points, count); }

BOOL CDCBase::PolyPolygon(const POINT* points, const INT* counts, int polygons) {
    return ::PolyPolygon(GetHDC(), points, counts, polygons);
}

BOOL CDCBase::Rectangle(int x, int y, int cx, int cy) {
    return ::Rectangle(GetHDC(), x, y, x + cx, y + cy);
}

BOOL CDCBase::MoveToEx(int x, int y, POINT* previous) {
    return ::MoveToEx(GetHDC(), x, y, previous);
}

BOOL CDCBase::AngleArc(int x, int y, DWORD radius, float startAngle, float sweepAngle) {
    return ::AngleArc(GetHDC(), x, y, radius, startAngle, sweepAngle);
}

BOOL CDCBase::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Arc(GetHDC(), x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDCBase::ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::ArcTo(GetHDC(), x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDCBase::LineTo(int x, int y) { return ::LineTo(GetHDC(), x, y); }

BOOL CDCBase::Polyline(const POINT* points, int count) {
    return ::Polyline(GetHDC(), points, count);
}

BOOL CDCBase::PolyPolyline(const POINT* points, const DWORD* counts, DWORD lines) {
    return ::PolyPolyline(GetHDC(), points, counts, lines);
}

BOOL CDCBase::PolyBezier(const POINT* points, DWORD count) {
    return ::PolyBezier(GetHDC(), points, count);
}

BOOL CDCBase::PolyBezierTo(const POINT* points, DWORD count) {
    return ::PolyBezierTo(GetHDC(), points, count);
}

BOOL CDCBase::BitBlt(int x, int y, int cx, int cy, HDC source, int sourceX, int sourceY,
                     DWORD rop) {
    return ::BitBlt(GetHDC(), x, y, cx, cy, source, sourceX, sourceY, rop);
}

BOOL CDCBase::StretchBlt(int x, int y, int cx, int cy, HDC source, int sourceX, int sourceY,
                         int sourceCx, int sourceCy, DWORD rop) {
    return ::StretchBlt(GetHDC(), x, y, cx, cy, source, sourceX, sourceY, sourceCx, sourceCy, rop);
}

HDC CDCBase::CreateCompatibleDC() {
    m_hCreatedDC = ::CreateCompatibleDC(GetHDC());
    return m_hCreatedDC;
}

// Whatever context was held is gone: nothing is left for the destructor to delete.
BOOL CDCBase::DeleteDC() {
    const BOOL deleted = ::DeleteDC(GetHDC());
    if (deleted) {
        m_bDeleteDC = false;
    }
    return deleted;
}

CDC::CDC(HDC hdc) : CDCBase(hdc) {}

CDC::~CDC() {
    DeselectIfHeld(m_hDC, m_pen.GetHandle(), OBJ_PEN, BLACK_PEN);
    DeselectIfHeld(m_hDC, m_brush.GetHandle(), OBJ_BRUSH, WHITE_BRUSH);
}

HGDIOBJ CDC::GetSafeHandle() const { return m_hDC; }

BOOL CDC::Ellipse(int x, int y, int cx, int cy) { return CDCBase::Ellipse(x, y, x + cx, y + cy); }

int CDC::DrawText(int x, int y, const char* text, UINT format) {
    TEXTMETRICA metrics = {};
    GetTextMetrics(&metrics);
    RECT rect = {x, y, x + ::lstrlenA(text) * metrics.tmMaxCharWidth, y + metrics.tmHeight};
    return DrawText(text, -1, &rect, format);
}

int CDC::FillRect(int x, int y, int cx, int cy, COLORREF color) {
    const CBrush brush(kSolidStyle, color);
    const RECT rect = {x, y, x + cx, y + cy};
    return FillRect(&rect, brush.GetHandle());
}

// The new pen is selected before the member's old one is deleted: the platform does not
// delete a pen that is still selected. A pen that could not be made changes nothing.
HGDIOBJ CDC::SelectObject(const CPen& pen) {
    CPen fresh(pen);
    HGDIOBJ previous = SelectObject(fresh.GetSafeHandle());
    if (previous != nullptr) {
        m_pen.Swap(fresh);
    }
    return previous;
}

HGDIOBJ CDC::SelectObject(const CBrush& brush) {
    CBrush fresh(brush);
    HGDIOBJ previous = SelectObject(fresh.GetSafeHandle());
    if (previous != nullptr) {
        m_brush.Swap(fresh);
    }
    return previous;
}

} // namespace RVK
