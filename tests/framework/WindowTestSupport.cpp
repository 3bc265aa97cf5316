#include "tests/framework/WindowTestSupport.h"

namespace {

struct DestroyWatchState {
    HWND target = nullptr;
    AfterDestroy result;
};

DestroyWatchState g_watch;

LRESULT CALLBACK AfterProcedure(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_DESTROY && call->hwnd == g_watch.target) {
        g_watch.result.seen = true;
        g_watch.result.binding = ::GetPropA(call->hwnd, "CPP_CLASS");
        g_watch.result.procedure = ::GetWindowLongPtrA(call->hwnd, GWLP_WNDPROC);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

constexpr char kRecorderClass[] = "KalvoTestRecorder";
bool g_recording = false;

LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!g_recording) {
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    Recorder::Log().push_back({msg, wParam, lParam});
    return Recorder::kResult;
}

void RegisterRecorderClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecorderProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kRecorderClass;
    ::RegisterClassA(&wc);
}

} // namespace

DestroyWatch::DestroyWatch(HWND hwnd)
    : m_hook(
          ::SetWindowsHookExA(WH_CALLWNDPROCRET, AfterProcedure, nullptr, ::GetCurrentThreadId())) {
    g_watch = DestroyWatchState{};
    g_watch.target = hwnd;
}

DestroyWatch::~DestroyWatch() {
    ::UnhookWindowsHookEx(m_hook);
    g_watch = DestroyWatchState{};
}

const AfterDestroy& DestroyWatch::Result() const { return g_watch.result; }

namespace Recorder {

HWND Create(HWND parent, int id) {
    RegisterRecorderClass();
    const DWORD style = parent != nullptr ? WS_CHILD : WS_OVERLAPPED;
    return ::CreateWindowExA(0, kRecorderClass, "", style, 0, 0, 50, 20, parent,
                             reinterpret_cast<HMENU>(INT_PTR{id}), ::GetModuleHandleA(nullptr),
                             nullptr);
}

std::vector<Received>& Log() {
    static std::vector<Received> log;
    return log;
}

void Start() {
    Log().clear();
    g_recording = true;
}

void Stop() { g_recording = false; }

} // namespace Recorder

Canvas::Canvas(int width, int height)
    : m_dc(::CreateCompatibleDC(nullptr)), m_bitmap(nullptr), m_oldBitmap(nullptr), m_width(width),
      m_bits(nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
}

Canvas::~Canvas() {
    ::SelectObject(m_dc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

COLORREF Canvas::Pixel(int x, int y) const {
    ::GdiFlush();
    const DWORD bgr = m_bits[y * m_width + x];
    return RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr));
}

RECT Canvas::BoundsOf(COLORREF color, const RECT& area) const {
    RECT bounds{};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (Pixel(x, y) != color) {
                continue;
            }
            const RECT dot{x, y, x + 1, y + 1};
            ::UnionRect(&bounds, &bounds, &dot);
        }
    }
    return bounds;
}

int Canvas::Count(COLORREF color, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += Pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

void PrintClient(HWND hwnd, Canvas& canvas) {
    ::SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
}

void CopyFromScreen(HWND hwnd, Canvas& canvas) {
    RECT client{};
    ::GetClientRect(hwnd, &client);
    HDC dc = ::GetDC(hwnd);
    ::BitBlt(canvas.Dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::ReleaseDC(hwnd, dc);
}
