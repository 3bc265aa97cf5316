#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "memo/CMemoMatcher.h"
#include "memo/CMemoReader.h"

class CMemoTextCache;

// A memo that holds every word: its day (a CDate day number) and its first matching line.
struct MemoSearchHit {
    int dayNumber;
    std::wstring line;
};

// How a search went.
struct MemoSearchSummary {
    // Memos in the folder, and how many of them were searched before the search ended.
    size_t total = 0;
    size_t searched = 0;
    size_t found = 0;
    // Memos that could not be read: locked, gone meanwhile, or folders.
    size_t unreadable = 0;
    // Memos read from the disk rather than from the cache.
    size_t read = 0;
    bool stopped = false;
};

// Hears of a search while it runs, on the search's own thread.
class CMemoSearchListener {
public:
    // Called after each memo, `searched` of `total`, and once with none searched when the
    // folder has been walked.
    virtual void OnProgress(size_t searched, size_t total) = 0;
    // A memo that holds every word, newest day first.
    virtual void OnHit(MemoSearchHit&& hit) = 0;

protected:
    ~CMemoSearchListener() = default;
};

// Finds every memo of the memo folder that holds all words of a query, newest day first.
// One walk of the folder gives the memos, by their exact names, with each one's size and
// write time; a memo whose text the cache holds for that size and time is matched in
// memory, any other is read, matched, and kept in the cache when it fits. A memo that
// cannot be read is counted, never reported otherwise. The search only reads.
class CMemoSearch {
public:
    // `cache` must outlive the search, and no one else may use it meanwhile.
    explicit CMemoSearch(CMemoTextCache& cache);
    CMemoSearch(const CMemoSearch&) = delete;
    CMemoSearch& operator=(const CMemoSearch&) = delete;

    // Searches the memos of `folder` for `query`, which must not be empty. `stop` ends the
    // search before the next memo, or within the chunk of a memo being read.
    MemoSearchSummary Run(const std::wstring& folder, const CMemoQuery& query,
                          CMemoSearchListener& listener, const std::atomic<bool>& stop);

private:
    // One memo as the folder walk found it.
    struct Memo {
        std::wstring name;
        int dayNumber;
        ULONGLONG size;
        FILETIME lastWrite;
        bool isFolder;
        // The text the cache keeps for this size and write time, if any.
        const std::wstring* text;
    };
    enum class Outcome { kMatched, kNotMatched, kUnreadable, kStopped };

    void Walk(const std::wstring& folder, std::vector<Memo>& memos);
    Outcome Search(const std::wstring& folder, const Memo& memo, CMemoMatcher& matcher,
                   MemoSearchSummary& summary, const std::atomic<bool>& stop);
    Outcome Read(const std::wstring& folder, const Memo& memo, CMemoMatcher& matcher,
                 const std::atomic<bool>& stop);

    CMemoTextCache& m_cache;
    CMemoReader m_reader;
    std::wstring m_strPath;
};
