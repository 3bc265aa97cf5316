#include "tests/dialogs/UiScript.h"

#include <gtest/gtest.h>

#include "tests/support/GdiCanvas.h"

namespace {

constexpr UINT kTickMs = 20;
constexpr DWORD kStepTimeoutMs = 15000;
constexpr int kMessageBoxTextId = 0xFFFF;

// Posts both ways of closing to every dialog of this thread, shown or not.
void CloseDialogs() {
    for (HWND dialog = FindWindowExA(nullptr, nullptr, kDialogClass, nullptr); dialog != nullptr;
         dialog = FindWindowExA(nullptr, dialog, kDialogClass, nullptr)) {
        if (GetWindowThreadProcessId(dialog, nullptr) == GetCurrentThreadId()) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        }
    }
}

} // namespace

UiScript* UiScript::s_running = nullptr;

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

UiScript& UiScript::WaitFor(HWND& dialog, const char* caption, HWND owner) {
    return Then(std::string("dialog ") + (caption ? caption : "owned"), [&dialog, caption, owner] {
        return (dialog = FindShown(caption, owner)) != nullptr;
    });
}

UiScript& UiScript::AnswerBox(const HWND& owner, SeenBox& seen) {
    Then("message box", [&owner, &seen] {
        HWND box = FindShown(nullptr, owner);
        if (box != nullptr) {
            seen = {true, WindowText(box), WindowText(GetDlgItem(box, kMessageBoxTextId)), true};
            ClickButton(box, IDOK);
        }
        return box != nullptr;
    });
    return Then("message box closed", [&owner] { return FindShown(nullptr, owner) == nullptr; });
}

void UiScript::Run(const std::function<void()>& action) {
    s_running = this;
    m_stepStart = GetTickCount();
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &UiScript::OnTimer);
    action();
    KillTimer(nullptr, timer);
    s_running = nullptr;
    while (!m_failed && m_next < m_steps.size() && m_steps[m_next].step()) {
        ++m_next;
    }
    if (!m_failed && m_next < m_steps.size()) {
        m_failed = true;
        ADD_FAILURE() << "not reached: " << m_steps[m_next].what;
    }
}

INT_PTR UiScript::RunModal(RVK::CDialog& dialog) {
    INT_PTR result = 0;
    Run([&] { result = dialog.DoModal(nullptr); });
    return result;
}

void CALLBACK UiScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (s_running != nullptr) {
        s_running->Tick();
    }
}

void UiScript::Tick() {
    if (m_failed) {
        CloseDialogs();
    } else if (m_next < m_steps.size() && m_steps[m_next].step()) {
        ++m_next;
        m_stepStart = GetTickCount();
    } else if (m_next < m_steps.size() && GetTickCount() - m_stepStart > kStepTimeoutMs) {
        m_failed = true;
        ADD_FAILURE() << "step timed out: " << m_steps[m_next].what;
    }
}

HWND FindShown(const char* caption, HWND owner, const char* className) {
    for (HWND window = FindWindowExA(nullptr, nullptr, className, caption); window != nullptr;
         window = FindWindowExA(nullptr, window, className, caption)) {
        if (IsWindowVisible(window) &&
            GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() &&
            (owner == nullptr || GetWindow(window, GW_OWNER) == owner)) {
            return window;
        }
    }
    return nullptr;
}

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
