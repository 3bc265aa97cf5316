#include "tests/support/TopWindows.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTickMs = 20;
constexpr DWORD kStepTimeoutMs = 15000;
constexpr DWORD kPollMs = 50;
// The static control that holds a message box's text.
constexpr int kBoxTextId = 0xFFFF;

bool IsOfCaller(HWND window, DWORD processId) {
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    return processId != 0 ? process == processId : thread == GetCurrentThreadId();
}

// Reads a message box and presses its OK button.
SeenBox Answer(HWND box) {
    SeenBox seen{true, WindowText(box), WindowText(GetDlgItem(box, kBoxTextId)),
                 GetWindow(box, GW_OWNER) != nullptr};
    const auto error = reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_ERROR));
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        seen.errorIcon = seen.errorIcon || SendMessageA(child, STM_GETICON, 0, 0) == error;
    }
    ClickButton(box, IDOK);
    return seen;
}

// Posts both ways of closing to every dialog of this thread, shown or not.
void CloseDialogs() {
    for (HWND dialog = FindWindowExA(nullptr, nullptr, kDialogClass, nullptr); dialog != nullptr;
         dialog = FindWindowExA(nullptr, dialog, kDialogClass, nullptr)) {
        if (IsOfCaller(dialog, 0)) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        }
    }
}

} // namespace

HWND FindShown(const char* caption, HWND owner, const char* className, DWORD processId) {
    for (HWND window = FindWindowExA(nullptr, nullptr, className, caption); window != nullptr;
         window = FindWindowExA(nullptr, window, className, caption)) {
        if (IsWindowVisible(window) && IsOfCaller(window, processId) &&
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

HWND WaitForTopWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs,
                      HANDLE giveUp) {
    HWND found = nullptr;
    for (DWORD waited = 0; waited <= timeoutMs; waited += kPollMs) {
        found = FindShown(title, nullptr, className, processId);
        if (found != nullptr || WaitForSingleObject(giveUp, kPollMs) == WAIT_OBJECT_0) {
            break;
        }
    }
    return found;
}

SeenBox AnswerMessageBox(DWORD processId, DWORD timeoutMs, HANDLE giveUp) {
    HWND box = WaitForTopWindow(processId, kDialogClass, nullptr, timeoutMs, giveUp);
    return box != nullptr ? Answer(box) : SeenBox{};
}

SeenBox AnswerBoxDuring(const std::function<void()>& action) {
    const HWND anyOwner = nullptr;
    SeenBox seen;
    UiScript script;
    script.AnswerBox(anyOwner, seen).Run(action);
    return seen;
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

UiScript* UiScript::s_running = nullptr;

UiScript& UiScript::Then(const std::string& what, Step step) {
    m_steps.emplace_back(what, std::move(step));
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
            seen = Answer(box);
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
    while (!m_failed && m_next < m_steps.size() && m_steps[m_next].second()) {
        ++m_next;
    }
    if (!m_failed && m_next < m_steps.size()) {
        m_failed = true;
        ADD_FAILURE() << "not reached: " << m_steps[m_next].first;
    }
}

INT_PTR UiScript::RunModal(RVK::CDialog& dialog) {
    INT_PTR result = 0;
    Run([&] { result = dialog.DoModal(nullptr); });
    return result;
}

// A failed script closes the dialogs, so that the modal loop it runs in ends.
void CALLBACK UiScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    UiScript* script = s_running;
    if (script == nullptr || script->m_next >= script->m_steps.size()) {
        return;
    }
    if (script->m_failed) {
        CloseDialogs();
    } else if (script->m_steps[script->m_next].second()) {
        ++script->m_next;
        script->m_stepStart = GetTickCount();
    } else if (GetTickCount() - script->m_stepStart > kStepTimeoutMs) {
        script->m_failed = true;
        ADD_FAILURE() << "step timed out: " << script->m_steps[script->m_next].first;
    }
}
