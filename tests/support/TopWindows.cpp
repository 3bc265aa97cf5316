#include "tests/support/TopWindows.h"

#include <thread>

namespace {

constexpr DWORD kPollMs = 50;
constexpr DWORD kInProcessBoxTimeoutMs = 10000;
// The static control that holds a message box's text.
constexpr int kBoxTextId = 0xFFFF;

struct Search {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

std::string TextOf(HWND hwnd) {
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (owner != search->processId || !IsWindowVisible(hwnd) ||
        std::string(className) != search->className ||
        (search->title != nullptr && TextOf(hwnd) != search->title)) {
        return TRUE;
    }
    search->found = hwnd;
    return FALSE;
}

BOOL CALLBACK FindErrorIcon(HWND child, LPARAM param) {
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON &&
        reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) ==
            LoadIconA(nullptr, IDI_ERROR)) {
        *reinterpret_cast<bool*>(param) = true;
    }
    return TRUE;
}

} // namespace

HWND WaitForTopWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs,
                      HANDLE giveUp) {
    Search search{processId, className, title, nullptr};
    for (DWORD waited = 0; waited <= timeoutMs; waited += kPollMs) {
        EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr || WaitForSingleObject(giveUp, kPollMs) == WAIT_OBJECT_0) {
            break;
        }
    }
    return search.found;
}

SeenBox AnswerMessageBox(DWORD processId, DWORD timeoutMs, HANDLE giveUp) {
    SeenBox seen;
    HWND box = WaitForTopWindow(processId, kDialogClass, nullptr, timeoutMs, giveUp);
    if (box == nullptr) {
        return seen;
    }
    seen.found = true;
    seen.caption = TextOf(box);
    seen.text = TextOf(GetDlgItem(box, kBoxTextId));
    seen.owned = GetWindow(box, GW_OWNER) != nullptr;
    EnumChildWindows(box, FindErrorIcon, reinterpret_cast<LPARAM>(&seen.errorIcon));
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    return seen;
}

SeenBox AnswerBoxDuring(const std::function<void()>& action) {
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SeenBox seen;
    std::thread answerer(
        [&] { seen = AnswerMessageBox(GetCurrentProcessId(), kInProcessBoxTimeoutMs, done); });
    action();
    SetEvent(done);
    answerer.join();
    CloseHandle(done);
    return seen;
}
