#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/CDialog.h"
#include "tests/support/TopWindows.h"

// Drives the windows of the test's own thread as a user would while a modal loop runs:
// a thread timer, served by whatever modal loop is running, takes the steps in turn.
// A step is retried on every tick until it answers true; one that never does fails the
// test, and the script then closes every dialog of the thread so that the test can go on.
class UiScript {
public:
    using Step = std::function<bool()>;

    // A step that waits for what it needs before it acts.
    UiScript& Then(const std::string& what, Step step);
    // A step that acts at once.
    UiScript& Do(const std::string& what, std::function<void()> action);
    // Waits for a shown dialog with this caption (and owner, when given) and keeps it.
    UiScript& WaitFor(HWND& dialog, const char* caption, HWND owner = nullptr);
    // Waits for a message box owned by `owner`, keeps its caption and text, presses OK
    // and waits for the box to go.
    UiScript& AnswerBox(const HWND& owner, SeenBox& seen);
    // Runs `action`, whose modal loop serves the steps, then takes once each the steps
    // still waiting (such as one that waits for the dialog to end); a step not done then
    // fails the test.
    void Run(const std::function<void()>& action);
    // Runs the dialog without owner under the script; its result.
    INT_PTR RunModal(RVK::CDialog& dialog);

private:
    struct NamedStep {
        std::string what;
        Step step;
    };
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<NamedStep> m_steps;
    std::size_t m_next = 0;
    DWORD m_stepStart = 0;
    bool m_failed = false;

    static UiScript* s_running;
};

// A shown top-level window of this thread with this class, caption and owner; a null
// caption or owner matches any.
HWND FindShown(const char* caption, HWND owner = nullptr, const char* className = kDialogClass);
std::string WindowText(HWND window);

// A click on a push button as its parent sees it; posted, so a modal window it opens
// runs in the loop, not inside the step.
void ClickButton(HWND dialog, int id);
// A key pressed and released on the focused window, through the dialog manager.
void PressKey(UINT key);
// Replaces an edit box's text by typing it.
void TypeText(HWND edit, const char* text);

// The colour of one pixel of a window's client area after pending paints are done.
COLORREF PixelAt(HWND window, int x, int y);
// How many pixels of the client rectangle have exactly this colour.
int CountPixels(HWND window, const RECT& area, COLORREF color);
