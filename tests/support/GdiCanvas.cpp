#include "tests/support/GdiCanvas.h"

#include <algorithm>
#include <vector>

GdiCanvas::GdiCanvas(int width, int height)
    : m_width(width), m_height(height), m_hdc(::CreateCompatibleDC(nullptr)), m_bitmap(nullptr),
      m_oldBitmap(nullptr), m_bits(nullptr) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    m_oldBitmap = ::SelectObject(m_hdc, m_bitmap);
    ::PatBlt(m_hdc, 0, 0, width, height, WHITENESS);
}

GdiCanvas::~GdiCanvas() {
    ::SelectObject(m_hdc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_hdc);
}

// A 32-bit pixel holds blue in its lowest byte, the reverse of a colour reference.
COLORREF GdiCanvas::Pixel(int x, int y) const {
    ::GdiFlush();
    const DWORD bgr = m_bits[y * m_width + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

int GdiCanvas::Count(COLORREF color, const RECT& area) const {
    int count = 0;
    for (int y = std::max(0L, area.top); y < std::min<LONG>(m_height, area.bottom); ++y) {
        for (int x = std::max(0L, area.left); x < std::min<LONG>(m_width, area.right); ++x) {
            count += Pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

RECT GdiCanvas::BoundsOf(COLORREF color, bool other) const {
    RECT bounds = {};
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const RECT dot = {x, y, x + 1, y + 1};
            if ((Pixel(x, y) == color) != other) {
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
