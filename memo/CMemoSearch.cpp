#include "memo/CMemoSearch.h"

#include <algorithm>

#include "calendar/CDate.h"
#include "framework/CFileFindW.h"
#include "memo/CMemoName.h"
#include "memo/CMemoTextCache.h"

namespace {

// Hands a memo's text to the matcher as it is read and keeps the whole text for the
// cache, as long as it fits the room the cache has left; stops the reading when the
// search is stopped.
class CMemoTextCollector : public CMemoTextSink {
public:
    CMemoTextCollector(CMemoMatcher& matcher, size_t room, const std::atomic<bool>& stop)
        : m_matcher(matcher), m_nRoom(room), m_stop(stop) {
        Restart();
    }

    void Restart() override {
        m_matcher.Restart();
        m_bMatching = true;
        m_bKeeping = true;
        m_strText.clear();
    }

    bool Consume(const wchar_t* text, size_t length) override {
        if (m_bMatching) {
            m_bMatching = m_matcher.Consume(text, length);
        }
        if (m_bKeeping && m_strText.size() + length > m_nRoom) {
            m_bKeeping = false;
            std::wstring().swap(m_strText);
        }
        if (m_bKeeping) {
            m_strText.append(text, length);
        }
        return m_bMatching || m_bKeeping;
    }

    void Finish() override { m_matcher.Finish(); }

    bool IsCancelled() const override { return m_stop.load(std::memory_order_relaxed); }

    // The whole text, when it was kept.
    std::wstring* GetKeptText() { return m_bKeeping ? &m_strText : nullptr; }

private:
    CMemoMatcher& m_matcher;
    size_t m_nRoom;
    const std::atomic<bool>& m_stop;
    bool m_bMatching;
    bool m_bKeeping;
    std::wstring m_strText;
};

bool IsStopped(const std::atomic<bool>& stop) { return stop.load(std::memory_order_relaxed); }

} // namespace

CMemoSearch::CMemoSearch(CMemoTextCache& cache) : m_cache(cache) {}

MemoSearchSummary CMemoSearch::Run(const std::wstring& folder, const CMemoQuery& query,
                                   CMemoSearchListener& listener, const std::atomic<bool>& stop) {
    MemoSearchSummary summary;
    std::vector<Memo> memos;
    Walk(folder, memos);
    summary.total = memos.size();
    listener.OnProgress(0, summary.total);
    CMemoMatcher matcher(query);
    for (const Memo& memo : memos) {
        const Outcome outcome =
            IsStopped(stop) ? Outcome::kStopped : Search(folder, memo, matcher, summary, stop);
        if (outcome == Outcome::kStopped) {
            summary.stopped = true;
            break;
        }
        if (outcome == Outcome::kUnreadable) {
            ++summary.unreadable;
        } else if (outcome == Outcome::kMatched) {
            ++summary.found;
            listener.OnHit({memo.dayNumber, matcher.GetFirstMatchingLine()});
        }
        listener.OnProgress(++summary.searched, summary.total);
    }
    return summary;
}

// Every entry that is exactly a memo's name, a folder too (it is counted as unreadable),
// newest day first, each with the text the cache keeps for it; the cache forgets the
// memos that are gone.
void CMemoSearch::Walk(const std::wstring& folder, std::vector<Memo>& memos) {
    RVK::CFileFindW find;
    const std::wstring pattern = folder + L"\\" + CMemoName::kAnyMemoPattern;
    for (bool found = find.FindFirstFileExW(pattern.c_str()); found; found = find.FindNextFileW()) {
        CDate date(0);
        if (CMemoName::ToDate(find.GetFileName(), date)) {
            memos.push_back({find.GetFileName(), date.GetDayNumber(), find.GetFileSize(),
                             find.GetLastWriteTime(), find.IsDirectory(), nullptr});
        }
    }
    std::sort(memos.begin(), memos.end(), [](const Memo& a, const Memo& b) {
        return a.dayNumber != b.dayNumber ? a.dayNumber > b.dayNumber : a.name < b.name;
    });
    for (Memo& memo : memos) {
        memo.text = m_cache.Meet(memo.name, memo.size, memo.lastWrite);
    }
    m_cache.Sweep();
}

CMemoSearch::Outcome CMemoSearch::Search(const std::wstring& folder, const Memo& memo,
                                         CMemoMatcher& matcher, MemoSearchSummary& summary,
                                         const std::atomic<bool>& stop) {
    if (memo.isFolder) {
        return Outcome::kUnreadable;
    }
    if (memo.text != nullptr) {
        return matcher.Match(*memo.text) ? Outcome::kMatched : Outcome::kNotMatched;
    }
    ++summary.read;
    return Read(folder, memo, matcher, stop);
}

// A memo too large for the room the cache has left is matched as it is read, and its text
// is not kept: the size from the walk bounds its text, one code unit per byte at most.
CMemoSearch::Outcome CMemoSearch::Read(const std::wstring& folder, const Memo& memo,
                                       CMemoMatcher& matcher, const std::atomic<bool>& stop) {
    m_strPath.assign(folder).append(L"\\").append(memo.name);
    const size_t room = m_cache.RoomFor(memo.name);
    CMemoTextCollector collector(matcher, memo.size <= room ? room : 0, stop);
    if (!m_reader.ReadWhole(m_strPath.c_str(), collector)) {
        return IsStopped(stop) ? Outcome::kStopped : Outcome::kUnreadable;
    }
    if (std::wstring* text = collector.GetKeptText()) {
        m_cache.Store(memo.name, memo.size, memo.lastWrite, std::move(*text));
    }
    return matcher.MatchesAll() ? Outcome::kMatched : Outcome::kNotMatched;
}
