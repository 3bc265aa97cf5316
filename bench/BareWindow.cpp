// The reference for start-up and memory: the least a window program of this toolchain
// does to show a 400 × 400 window and paint it once. Built with BARE_WINDOW_BUTTON and
// Kalvo's manifest, it also shows one push button, which loads Common Controls 6 as
// Kalvo's first button does.
#include <windows.h>

#include <cstdio>

namespace {

constexpr char kClassName[] = "BareWindow";
constexpr int kWindowSize = 400;
constexpr int kButtonX = 8;
constexpr int kButtonY = 8;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;

LRESULT CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
#ifdef BARE_WINDOW_BUTTON
    case WM_CREATE:
        CreateWindowExA(0, "BUTTON", "Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, kButtonX,
                        kButtonY, kButtonWidth, kButtonHeight, hwnd, nullptr, nullptr, nullptr);
        return 0;
#endif
    case WM_PAINT: {
        // Written where Kalvo writes its paint line: as the paint begins.
        std::fputs("paint\n", stdout);
        std::fflush(stdout);
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = BareProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExA(&wc);
    HWND hwnd = CreateWindowExA(0, kClassName, kClassName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, kWindowSize, kWindowSize, nullptr, nullptr, instance,
                                nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
