#pragma once

#include <windows.h>

#include <functional>
#include <string>

// What a test saw of one message box before pressing its OK button.
struct SeenBox {
    bool found = false;
    std::string caption;
    std::string text;
    bool owned = false;
    // Only for a box of the test's own process: Wine's icon handles are per process.
    bool errorIcon = false;
};

constexpr char kDialogClass[] = "#32770";

// Polls for a visible top-level window of the process with this class (and title, when
// given) until `timeoutMs` passes or `giveUp` is signalled.
HWND WaitForTopWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs,
                      HANDLE giveUp);

// Waits for a message box of the process, reads it and presses its OK button.
SeenBox AnswerMessageBox(DWORD processId, DWORD timeoutMs, HANDLE giveUp);

// Runs `action` on this thread while another thread answers the message box it shows.
SeenBox AnswerBoxDuring(const std::function<void()>& action);
