#include "tests/support/GdiCanvas.h"

#include <vector>

GdiCanvas::GdiCanvas(int width, int height)
    : m_width(width), m_height(height), m_hdc(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_oldBitmap = ::SelectObject(m_hdc, m_bitmap);
    ::PatBlt(m_hdc, 0, 0, width, height, WHITENESS);
}

GdiCanvas::~GdiCanvas() {
    ::SelectObject(m_hdc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_hdc);
}

int GdiCanvas::Count(COLORREF color, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += Pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

RECT GdiCanvas::BoundsOf(COLORREF color) const {
    RECT bounds = {};
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const RECT dot = {x, y, x + 1, y + 1};
            if (Pixel(x, y) == color) {
                ::UnionRect(&bounds, &bounds, &dot);
            }
        }
    }
    return bounds;
}

int FreeGdiHandles() {
    std::vector<HGDIOBJ> made;
    for (HGDIOBJ pen = ::CreatePen(PS_SOLID, 0, 0); pen != nullptr;
         pen = ::CreatePen(PS_SOLID, 0, 0)) {
        made.push_back(pen);
    }
    for (HGDIOBJ pen : made) {
        ::DeleteObject(pen);
    }
    return static_cast<int>(made.size());
}

COLORREF PixelAt(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

int CountPixels(HWND window, const RECT& area, COLORREF color) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiCanvas canvas(area.right, area.bottom);
    HDC dc = GetDC(window);
    BitBlt(canvas.Dc(), 0, 0, area.right, area.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return canvas.Count(color, area);
}
