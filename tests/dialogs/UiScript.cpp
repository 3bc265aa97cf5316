#include "tests/dialogs/UiScript.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTickMs = 20;
constexpr DWORD kStepTimeoutMs = 15000;
constexpr int kMessageBoxTextId = 0xFFFF;

struct DialogQuery {
    const char* caption;
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    DialogQuery& query = *reinterpret_cast<DialogQuery*>(param);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (query.caption != nullptr && WindowText(window) != query.caption) {
        return TRUE;
    }
    if (query.owner != nullptr && GetWindow(window, GW_OWNER) != query.owner) {
        return TRUE;
    }
    query.found = window;
    return FALSE;
}

BOOL CALLBACK CloseDialog(HWND window, LPARAM) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770") {
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

} // namespace

UiScript* UiScript::s_running = nullptr;

UiScript::UiScript() = default;

UiScript::~UiScript() {
    if (m_timer != 0) {
        KillTimer(nullptr, m_timer);
    }
    if (s_running == this) {
        s_running = nullptr;
    }
}

UiScript& UiScript::Then(const std::string& what, Step step) {
    m_steps.push_back({what, std::move(step)});
    return *this;
}

UiScript& UiScript::Do(const std::string& what, std::function<void()> action) {
    return Then(what, [action] {
        action();
        return true;
    });
}

void UiScript::Start() {
    s_running = this;
    m_stepStart = GetTickCount();
    m_timer = SetTimer(nullptr, 0, kTickMs, &UiScript::OnTimer);
}

bool UiScript::Finish() {
    if (m_timer != 0) {
        KillTimer(nullptr, m_timer);
        m_timer = 0;
    }
    while (m_error.empty() && m_next < m_steps.size() && m_steps[m_next].step()) {
        ++m_next;
    }
    if (m_error.empty() && m_next < m_steps.size()) {
        m_error = "not reached: " + m_steps[m_next].what;
    }
    return m_error.empty();
}

void CALLBACK UiScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (s_running != nullptr) {
        s_running->Tick();
    }
}

void UiScript::Tick() {
    if (!m_error.empty()) {
        EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
        return;
    }
    // A step may run a modal loop of its own, which serves this timer again.
    if (m_busy || m_next == m_steps.size()) {
        return;
    }
    m_busy = true;
    const bool done = m_steps[m_next].step();
    m_busy = false;
    if (done) {
        ++m_next;
        m_stepStart = GetTickCount();
    } else if (GetTickCount() - m_stepStart > kStepTimeoutMs) {
        m_error = "step timed out: " + m_steps[m_next].what;
        ADD_FAILURE() << m_error;
    }
}

HWND FindDialog(const char* caption, HWND owner) {
    DialogQuery query{caption, owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND FindOwnedDialog(HWND owner) { return FindDialog(nullptr, owner); }

std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, kMessageBoxTextId)); }

std::string WindowText(HWND window) {
    char text[4096] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void ClickButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressKey(UINT key) {
    HWND focus = GetFocus();
    const UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    PostMessageA(focus, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageA(focus, WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
}

void TypeText(HWND edit, const char* text) {
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CLEAR, 0, 0);
    for (const char* c = text; *c != '\0'; ++c) {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
    }
}

COLORREF PixelAt(HWND window, int x, int y) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

int CountPixels(HWND window, const RECT& area, COLORREF color) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += GetPixel(dc, x, y) == color ? 1 : 0;
        }
    }
    ReleaseDC(window, dc);
    return count;
}
