#include "memo/CMemoSearchJob.h"

#include <iterator>

#include "memo/CMemoTextCache.h"

namespace {

// Holds an SRWLOCK exclusively for one scope (AcquireSRWLockExclusive,
// ReleaseSRWLockExclusive).
class CLockHold {
public:
    explicit CLockHold(SRWLOCK& lock) : m_lock(lock) { ::AcquireSRWLockExclusive(&m_lock); }
    CLockHold(const CLockHold&) = delete;
    CLockHold& operator=(const CLockHold&) = delete;
    ~CLockHold() { ::ReleaseSRWLockExclusive(&m_lock); }

private:
    SRWLOCK& m_lock;
};

} // namespace

CMemoSearchJob::CMemoSearchJob(CMemoTextCache& cache, const std::wstring& folder,
                               const CMemoQuery& query, HWND window, UINT message)
    : m_cache(cache), m_strFolder(folder), m_query(query), m_hWnd(window), m_nMessage(message),
      m_bStop(false), m_bPosted(false), m_nLastPost(0), m_lock() {
    ::InitializeSRWLock(&m_lock);
}

CMemoSearchJob::~CMemoSearchJob() { Stop(); }

void CMemoSearchJob::Start() { m_thread.Start(*this); }

// The thread waits on nothing of this thread's, so the wait lasts at most the rest of one
// chunk's reading.
void CMemoSearchJob::Stop() {
    m_bStop.store(true);
    m_thread.Wait();
}

// The flag goes down before the lock is taken: whatever the thread adds after this call
// posts a message of its own.
CMemoSearchJob::Progress CMemoSearchJob::Take(std::vector<MemoSearchHit>& hits) {
    m_bPosted.store(false);
    const CLockHold hold(m_lock);
    hits.insert(hits.end(), std::make_move_iterator(m_hits.begin()),
                std::make_move_iterator(m_hits.end()));
    m_hits.clear();
    return m_progress;
}

void CMemoSearchJob::Run() {
    CMemoSearch search(m_cache);
    const MemoSearchSummary summary = search.Run(m_strFolder, m_query, *this, m_bStop);
    {
        const CLockHold hold(m_lock);
        m_progress.summary = summary;
        m_progress.searched = summary.searched;
        m_progress.total = summary.total;
        m_progress.finished = true;
    }
    Notify(true);
}

void CMemoSearchJob::OnProgress(size_t searched, size_t total) {
    {
        const CLockHold hold(m_lock);
        m_progress.searched = searched;
        m_progress.total = total;
    }
    Notify(false);
}

void CMemoSearchJob::OnHit(MemoSearchHit&& hit) {
    const CLockHold hold(m_lock);
    m_hits.push_back(std::move(hit));
}

// PostMessageA, never SendMessage: the window may itself be waiting for this thread.
void CMemoSearchJob::Notify(bool last) {
    const ULONGLONG now = ::GetTickCount64();
    if (!last && now - m_nLastPost < kPostIntervalMs) {
        return;
    }
    m_nLastPost = now;
    if (!m_bPosted.exchange(true) && !::PostMessageA(m_hWnd, m_nMessage, 0, 0)) {
        m_bPosted.store(false);
    }
}
