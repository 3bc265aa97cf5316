#pragma once

#include <windows.h>

#include <vector>

// What a window looked like right after its procedure returned from WM_DESTROY.
struct AfterDestroy {
    bool seen = false;
    HANDLE binding = nullptr;
    LONG_PTR procedure = 0;
};

// Watches one window's WM_DESTROY through a hook that runs after the window's procedure
// returned, as long as the object lives.
class DestroyWatch {
public:
    explicit DestroyWatch(HWND hwnd);
    DestroyWatch(const DestroyWatch&) = delete;
    DestroyWatch& operator=(const DestroyWatch&) = delete;
    ~DestroyWatch();

    const AfterDestroy& Result() const;

private:
    HHOOK m_hook;
};

// One message as a window procedure received it.
struct Received {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// A window class of its own procedure, which records what it receives while recording is
// on and answers kResult for it; the stand-in for a control's own procedure.
namespace Recorder {
constexpr LRESULT kResult = 0x5EC0;

HWND Create(HWND parent, int id);
std::vector<Received>& Log();
void Start();
void Stop();
} // namespace Recorder

// A 32-bit memory bitmap with a device context to paint into and read pixels back from.
class Canvas {
public:
    Canvas(int width, int height);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    HDC Dc() const { return m_dc; }
    COLORREF Pixel(int x, int y) const;
    // The smallest rectangle holding every pixel of `color`; empty when there is none.
    RECT BoundsOf(COLORREF color, const RECT& area) const;
    int Count(COLORREF color, const RECT& area) const;

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_oldBitmap;
    int m_width;
    const DWORD* m_bits;
};

// Asks a control to paint its client area into `canvas`, as it does for WM_PAINT.
void PrintClient(HWND hwnd, Canvas& canvas);
// Copies what the window shows on the screen into `canvas`.
void CopyFromScreen(HWND hwnd, Canvas& canvas);
