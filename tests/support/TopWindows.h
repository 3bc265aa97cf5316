#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/CDialog.h"

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

// A shown top-level window with this class, caption and owner, of this thread or, given its
// id, of another process; a null caption or owner matches any.
HWND FindShown(const char* caption, HWND owner = nullptr, const char* className = kDialogClass,
               DWORD processId = 0);
std::string WindowText(HWND window);

// Polls for a shown top-level window of the process until timeout or `giveUp`.
HWND WaitForTopWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs,
                      HANDLE giveUp);
// Waits for a message box of the process, reads it and presses its OK button.
SeenBox AnswerMessageBox(DWORD processId, DWORD timeoutMs, HANDLE giveUp);
// Runs `action` on this thread and answers the message box it shows.
SeenBox AnswerBoxDuring(const std::function<void()>& action);

// A click on a push button as its parent sees it; posted, so a modal window it opens
// runs in the loop, not inside the step.
void ClickButton(HWND dialog, int id);
// A key pressed and released on the focused window, through the dialog manager.
void PressKey(UINT key);
// Replaces an edit box's text by typing it.
void TypeText(HWND edit, const char* text);

// Drives this thread's windows as a user would, from a thread timer that any modal loop
// serves: each step is retried until it answers true or times out and fails the test.
class UiScript {
public:
    using Step = std::function<bool()>;

    // A step that waits for what it needs before it acts.
    UiScript& Then(const std::string& what, Step step);
    // A step that acts at once.
    UiScript& Do(const std::string& what, std::function<void()> action);
    // Waits for a shown dialog with this caption (and owner, when given) and keeps it.
    UiScript& WaitFor(HWND& dialog, const char* caption, HWND owner = nullptr);
    // Reads the message box owned by `owner` (any, when null), presses OK, waits for it to go.
    UiScript& AnswerBox(const HWND& owner, SeenBox& seen);
    // Runs `action`, whose modal loop serves the steps, then tries once each step still
    // waiting (such as one that waits for the dialog to end).
    void Run(const std::function<void()>& action);
    // Runs the dialog without owner under the script; its result.
    INT_PTR RunModal(RVK::CDialog& dialog);

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    std::vector<std::pair<std::string, Step>> m_steps;
    std::size_t m_next = 0;
    DWORD m_stepStart = 0;
    bool m_failed = false;

    static UiScript* s_running;
};
