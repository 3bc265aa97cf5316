#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Drives the windows of the test's own thread as a user would while a modal loop runs:
// a thread timer, served by whatever modal loop is running, takes the steps in turn.
// A step is retried on every tick until it answers true; one that never does fails the
// script, which then closes every dialog of the thread so that the test can go on.
class UiScript {
public:
    using Step = std::function<bool()>;

    UiScript();
    UiScript(const UiScript&) = delete;
    UiScript& operator=(const UiScript&) = delete;
    ~UiScript();

    // A step that waits for what it needs before it acts.
    UiScript& Then(const std::string& what, Step step);
    // A step that acts at once.
    UiScript& Do(const std::string& what, std::function<void()> action);
    // Starts the timer; the steps run inside the next modal loop of this thread.
    void Start();
    // Stops the timer once the modal loop has returned and takes, once each, the steps
    // still waiting (such as one that waits for the dialog to end). True when all are done.
    bool Finish();
    const std::string& Error() const { return m_error; }

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
    std::string m_error;
    UINT_PTR m_timer = 0;
    bool m_busy = false;

    static UiScript* s_running;
};

// Top-level dialog boxes ("#32770") of this thread: by caption, by owner, or both.
HWND FindDialog(const char* caption, HWND owner = nullptr);
// The dialog box this one owns (a message box or a colour chooser), or null.
HWND FindOwnedDialog(HWND owner);
// The text of a message box.
std::string MessageBoxText(HWND box);
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
