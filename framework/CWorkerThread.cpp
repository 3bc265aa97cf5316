#include "framework/CWorkerThread.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CWorkerThread, CObject)

namespace {

bool IsInput(UINT msg) {
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) ||
           (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCXBUTTONDBLCLK);
}

} // namespace

CWorkerThread::CWorkerThread() : m_hThread(nullptr), m_quitSeen(false), m_quitCode(0) {}

CWorkerThread::~CWorkerThread() { Wait(); }

void CWorkerThread::Start(CTask& task) {
    m_hThread = ::CreateThread(nullptr, 0, &CWorkerThread::ThreadMain, &task, 0, nullptr);
    if (m_hThread == nullptr) {
        task.Run();
    }
}

// Waking for input already in the queue as well, so that none is left to stall the wait.
bool CWorkerThread::WaitServing(DWORD timeoutMs) {
    if (m_hThread == nullptr) {
        return true;
    }
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD waited = ::GetTickCount() - start;
        const DWORD left = waited < timeoutMs ? timeoutMs - waited : 0;
        const DWORD woke =
            ::MsgWaitForMultipleObjectsEx(1, &m_hThread, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) {
            Finish();
            return true;
        }
        if (woke != WAIT_OBJECT_0 + 1) {
            return false;
        }
        ServeMessages();
    }
}

void CWorkerThread::Wait() {
    if (m_hThread != nullptr) {
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
}

DWORD WINAPI CWorkerThread::ThreadMain(void* task) {
    static_cast<CTask*>(task)->Run();
    return 0;
}

// PeekMessageA and DispatchMessageA, as the application's own loop serves them. A quit
// message waits until the task has ended.
void CWorkerThread::ServeMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            m_quitSeen = true;
            m_quitCode = msg.wParam;
        } else if (!IsInput(msg.message)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CWorkerThread::Finish() {
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
    if (m_quitSeen) {
        ::PostQuitMessage(static_cast<int>(m_quitCode));
    }
}

} // namespace RVK
