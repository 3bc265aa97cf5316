#pragma once

#include <windows.h>

#include "framework/CObject.h"

namespace RVK {

// Runs one task on a thread of its own (CreateThread), so that a long file operation does
// not stop this thread's windows: while the task is waited for, they keep painting and
// answering other windows, and input meant for them is dropped, so that nothing the user
// does can start the task again or close its window under it. Owns the thread's handle.
class CWorkerThread : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    // What the thread runs.
    class CTask {
    public:
        virtual void Run() = 0;

    protected:
        ~CTask() = default;
    };

    CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;
    // Waits for a task still running, serving nothing.
    ~CWorkerThread() override;

    // CreateThread running `task`, which must outlive the thread. Where no thread can be
    // made, the task runs here and now.
    virtual void Start(CTask& task);
    // MsgWaitForMultipleObjectsEx: serves this thread's messages until the task has ended
    // or `timeoutMs` has passed; true once the task has ended.
    virtual bool WaitServing(DWORD timeoutMs);
    // WaitForSingleObject: waits for a task still running, serving nothing; only for a task
    // that never waits on this thread.
    virtual void Wait();

private:
    static DWORD WINAPI ThreadMain(void* task);
    void ServeMessages();
    void Finish();

    HANDLE m_hThread;
    bool m_quitSeen;
    WPARAM m_quitCode;
};

} // namespace RVK
