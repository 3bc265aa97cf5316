#pragma once

#include <windows.h>

// A white 32-bit bitmap in a memory device context, whose pixels tests read back.
class GdiCanvas {
public:
    GdiCanvas(int width, int height);
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;
    ~GdiCanvas();

    HDC Dc() const { return m_hdc; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_hdc, x, y); }
    // The number of pixels of `color` inside `area`.
    int Count(COLORREF color, const RECT& area) const;
    // The smallest rectangle holding every pixel of `color`; empty when there is none.
    RECT BoundsOf(COLORREF color) const;
    // Asks a control to paint its client area here, as it does for WM_PAINT.
    void PrintClient(HWND hwnd) const {
        ::SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_hdc), PRF_CLIENT);
    }

private:
    int m_width;
    int m_height;
    HDC m_hdc;
    HBITMAP m_bitmap;
    HGDIOBJ m_oldBitmap;
};

// How many more drawing objects the process can make: equal figures before and after some
// work mean it left none behind. Not every platform keeps GetGuiResources' count.
int FreeGdiHandles();

// The colour of one pixel of a window's client area after pending paints are done.
COLORREF PixelAt(HWND window, int x, int y);
// How many pixels of the client rectangle have exactly this colour.
int CountPixels(HWND window, const RECT& area, COLORREF color);
