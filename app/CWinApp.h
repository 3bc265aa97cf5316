#pragma once

#include <windows.h>

#include "framework/CObject.h"
#include "framework/CWaitable.h"

namespace RVK {

// The application base: what WinMain was given, the start-up and exit steps, and the
// thread's message loop. Every constructed application becomes the current one.
class CWinApp : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    // Leaves the current-application pointer as it is.
    ~CWinApp() override;

    // 1: go on to Run; 0 or less: skip it.
    virtual int InitInstance();
    // The message loop; ends on the quit message, a GetMessageA error or the quit flag.
    // While no message waits, it also waits on the waitable's handle.
    virtual int Run();
    virtual int ExitInstance();
    // Makes the loop end at the next message, which is then neither translated nor
    // dispatched.
    virtual void RequestQuit();

    // The four values the platform handed WinMain, kept and never interpreted.
    void SetStartupArgs(HINSTANCE instance, HINSTANCE prevInstance, LPSTR cmdLine, int cmdShow);
    // What the loop serves besides messages; null for messages alone. It must stay alive
    // while the loop runs with it.
    void SetWaitable(CWaitable* waitable);

    // The application constructed last, or null before any.
    static CWinApp* GetCurrentApp();

protected:
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;
    int m_bQuit;
    CWaitable* m_pWaitable;

private:
    // Returns once a message waits, serving the waitable meanwhile.
    void WaitForMessage();

    static CWinApp* s_pCurrentApp;
};

} // namespace RVK
