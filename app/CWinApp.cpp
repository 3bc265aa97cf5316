#include "app/CWinApp.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CWinApp, CObject)

CWinApp* CWinApp::s_pCurrentApp = nullptr;

CWinApp::CWinApp()
    : m_hInstance(nullptr), m_hPrevInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(0),
      m_bQuit(0) {
    s_pCurrentApp = this;
}

CWinApp::~CWinApp() = default;

int CWinApp::InitInstance() { return 1; }

// GetMessageA / TranslateMessage / DispatchMessageA for every window of the thread.
int CWinApp::Run() {
    MSG msg;
    while (true) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1 || m_bQuit) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
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

CWinApp* CWinApp::GetCurrentApp() { return s_pCurrentApp; }

} // namespace RVK
