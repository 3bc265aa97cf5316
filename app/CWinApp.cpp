#include "app/CWinApp.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CWinApp, CObject)

CWinApp* CWinApp::s_pCurrentApp = nullptr;

CWinApp::CWinApp()
    : m_hInstance(nullptr), m_hPrevInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(0),
      m_bQuit(0), m_pWaitable(nullptr) {
    s_pCurrentApp = this;
}

CWinApp::~CWinApp() = default;

int CWinApp::InitInstance() { return 1; }

// GetMessageA / TranslateMessage / DispatchMessageA for every window of the thread.
int CWinApp::Run() {
    MSG msg;
    while (true) {
        WaitForMessage();
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1 || m_bQuit) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

// MsgWaitForMultipleObjectsEx on the waitable's handle and the thread's queue. The queue
// is looked at with PeekMessageA first: a wake for a message sent from another thread,
// which PeekMessageA delivers, can leave nothing in the queue, and GetMessageA would then
// wait without the handle.
void CWinApp::WaitForMessage() {
    MSG waiting;
    while (m_pWaitable != nullptr && !::PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
        const HANDLE handle = m_pWaitable->GetWaitHandle();
        if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
            return;
        }
        const DWORD woken =
            ::MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0) {
            m_pWaitable->OnSignalled();
        } else if (woken != WAIT_OBJECT_0 + 1) {
            // The handle cannot be waited on: GetMessageA waits for messages alone.
            return;
        }
    }
}

int CWinApp::ExitInstance() { return 0; }

void CWinApp::RequestQuit() { m_bQuit = 1; }

void CWinApp::SetStartupArgs(HINSTANCE instance, HINSTANCE prevInstance, LPSTR cmdLine,
                             int cmdShow) {
    m_hInstance = instance;
    m_hPrevInstance = prevInstance;
    m_lpCmdLine = cmdLine;
    m_nCmdShow = cmdShow;
}

void CWinApp::SetWaitable(CWaitable* waitable) { m_pWaitable = waitable; }

CWinApp* CWinApp::GetCurrentApp() { return s_pCurrentApp; }

} // namespace RVK
