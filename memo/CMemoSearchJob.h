#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "framework/CWorkerThread.h"
#include "memo/CMemoMatcher.h"
#include "memo/CMemoSearch.h"

class CMemoTextCache;

// One search run on a thread of its own, so that the window that asked for it goes on
// answering. The thread never waits on a window: it posts `message` to the window, at most
// every kPostIntervalMs and once more at the end, and the window takes what has arrived
// with Take. Stop ends the search within one chunk of reading and waits for the thread;
// so does the destructor.
class CMemoSearchJob : private CMemoSearchListener, private RVK::CWorkerThread::CTask {
public:
    static constexpr ULONGLONG kPostIntervalMs = 50;

    // What the window learns with Take.
    struct Progress {
        size_t searched = 0;
        // Zero until the folder has been walked.
        size_t total = 0;
        bool finished = false;
        // Complete once finished.
        MemoSearchSummary summary;
    };

    // `cache` must outlive the job, and no one else may use it until the job has ended.
    CMemoSearchJob(CMemoTextCache& cache, const std::wstring& folder, const CMemoQuery& query,
                   HWND window, UINT message);
    CMemoSearchJob(const CMemoSearchJob&) = delete;
    CMemoSearchJob& operator=(const CMemoSearchJob&) = delete;
    ~CMemoSearchJob();

    // Where no thread can be made, the search runs here and now.
    void Start();
    // Asks the search to stop and waits for its thread to end.
    void Stop();
    // Moves the hits found since the last call to the end of `hits`.
    Progress Take(std::vector<MemoSearchHit>& hits);

private:
    void Run() override;
    void OnProgress(size_t searched, size_t total) override;
    void OnHit(MemoSearchHit&& hit) override;
    void Notify(bool last);

    CMemoTextCache& m_cache;
    const std::wstring m_strFolder;
    const CMemoQuery m_query;
    const HWND m_hWnd;
    const UINT m_nMessage;
    RVK::CWorkerThread m_thread;
    std::atomic<bool> m_bStop;
    // A message is on its way to the window, which has not taken what it tells of yet.
    std::atomic<bool> m_bPosted;
    // The search thread's own.
    ULONGLONG m_nLastPost;
    // Shared with the window, under m_lock.
    SRWLOCK m_lock;
    Progress m_progress;
    std::vector<MemoSearchHit> m_hits;
};
