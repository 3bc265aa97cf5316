#include "memo/CMemoMatcher.h"

#include <algorithm>

#include "framework/Utf16.h"

namespace {

constexpr wchar_t kEllipsis[] = L"…";

bool IsWordBreak(wchar_t c) {
    return c == L' ' || c == 0x3000 || c == L'\t' || c == L'\r' || c == L'\n';
}

bool IsLineEnd(wchar_t c) { return c == L'\r' || c == L'\n'; }

// The first place in [begin, end) where `word`, folded, occurs in the folded text.
const wchar_t* FindFolded(const wchar_t* begin, const wchar_t* end, const std::wstring& word) {
    const size_t length = word.size();
    if (static_cast<size_t>(end - begin) < length) {
        return nullptr;
    }
    const wchar_t first = word[0];
    for (const wchar_t* p = begin; p + length <= end; ++p) {
        if (CMemoQuery::Fold(*p) != first) {
            continue;
        }
        size_t k = 1;
        while (k < length && CMemoQuery::Fold(p[k]) == word[k]) {
            ++k;
        }
        if (k == length) {
            return p;
        }
    }
    return nullptr;
}

} // namespace

CMemoQuery::CMemoQuery(const std::wstring& text) {
    std::wstring word;
    for (wchar_t c : text) {
        if (!IsWordBreak(c)) {
            word.push_back(Fold(c));
        } else if (!word.empty()) {
            m_words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) {
        m_words.push_back(word);
    }
}

CMemoMatcher::CMemoMatcher(const CMemoQuery& query)
    : m_query(query), m_nLongestWord(0), m_found(query.GetWords().size()) {
    for (const std::wstring& word : query.GetWords()) {
        m_nLongestWord = std::max(m_nLongestWord, word.size());
    }
    Restart();
}

void CMemoMatcher::Restart() {
    std::fill(m_found.begin(), m_found.end(), false);
    m_nFound = 0;
    m_strTail.clear();
    m_bTailCut = false;
    m_lineState = LineState::kNone;
    m_strFirstLine.clear();
}

// A word never spans a line end, so the text is searched line by line. The line that the
// chunk before left open is joined to this chunk.
bool CMemoMatcher::Consume(const wchar_t* text, size_t length) {
    if (m_query.IsEmpty()) {
        return false;
    }
    if (m_strTail.empty()) {
        ScanLines(text, text + length, text);
    } else {
        m_strJoined.assign(m_strTail).append(text, length);
        const wchar_t* joined = m_strJoined.data();
        ScanLines(joined, joined + m_strJoined.size(), joined + m_strTail.size());
    }
    return !(MatchesAll() && m_lineState == LineState::kDone);
}

void CMemoMatcher::Finish() {
    if (m_lineState == LineState::kCollecting) {
        EndFirstLine(false);
    }
    m_strTail.clear();
    m_bTailCut = false;
}

bool CMemoMatcher::Match(const wchar_t* text, size_t length) {
    Restart();
    Consume(text, length);
    Finish();
    return MatchesAll();
}

bool CMemoMatcher::MatchesAll() const { return !m_query.IsEmpty() && m_nFound == m_found.size(); }

// `fresh` is where the text not seen before begins: the first line may start in the tail
// of the chunk before.
void CMemoMatcher::ScanLines(const wchar_t* begin, const wchar_t* end, const wchar_t* fresh) {
    const wchar_t* line = begin;
    bool headCut = m_bTailCut;
    for (;;) {
        const wchar_t* lineEnd = std::find_if(line, end, IsLineEnd);
        const bool complete = lineEnd != end;
        if (m_lineState == LineState::kCollecting) {
            CollectFirstLine(std::max(line, fresh), lineEnd, complete);
        }
        ScanLine(line, lineEnd, headCut, complete);
        if (!complete) {
            KeepTail(line, end, headCut);
            return;
        }
        if (MatchesAll() && m_lineState == LineState::kDone) {
            KeepTail(end, end, false);
            return;
        }
        line = lineEnd + 1;
        headCut = false;
    }
}

void CMemoMatcher::ScanLine(const wchar_t* begin, const wchar_t* end, bool headCut, bool complete) {
    if (m_nFound == m_found.size()) {
        return;
    }
    const wchar_t* match = FindWords(begin, end);
    if (match != nullptr && m_lineState == LineState::kNone) {
        StartFirstLine(begin, match, headCut);
        CollectFirstLine(match, end, complete);
    }
}

// Marks the words not found before that occur in [begin, end); returns the first place
// where one of them occurs.
const wchar_t* CMemoMatcher::FindWords(const wchar_t* begin, const wchar_t* end) {
    const wchar_t* first = nullptr;
    const std::vector<std::wstring>& words = m_query.GetWords();
    for (size_t i = 0; i < words.size(); ++i) {
        if (m_found[i]) {
            continue;
        }
        const wchar_t* match = FindFolded(begin, end, words[i]);
        if (match != nullptr) {
            m_found[i] = true;
            ++m_nFound;
            first = first == nullptr ? match : std::min(first, match);
        }
    }
    return first;
}

void CMemoMatcher::StartFirstLine(const wchar_t* begin, const wchar_t* match, bool headCut) {
    const wchar_t* from =
        static_cast<size_t>(match - begin) > kLineWindow ? match - kLineWindow : begin;
    m_strBefore.assign(from, match);
    m_bBeforeCut = headCut || from != begin;
    m_strAfter.clear();
    m_lineState = LineState::kCollecting;
}

// Reads on from the match until the line ends, or until one character more than the
// window can show tells that the line is cut.
void CMemoMatcher::CollectFirstLine(const wchar_t* begin, const wchar_t* end, bool complete) {
    const size_t room = kLineWindow + 1 - m_strAfter.size();
    m_strAfter.append(begin, std::min(room, static_cast<size_t>(end - begin)));
    if (m_strAfter.size() > kLineWindow) {
        EndFirstLine(true);
    } else if (complete) {
        EndFirstLine(false);
    }
}

// A line that fits the window is shown whole. Otherwise the window keeps at least
// kBeforeMatch characters before the match and fills the rest from after it; a surrogate
// pair is never split at a cut.
void CMemoMatcher::EndFirstLine(bool tailCut) {
    size_t after = std::min(m_strAfter.size(), kLineWindow);
    size_t before = std::min(m_strBefore.size(), std::max(kBeforeMatch, kLineWindow - after));
    after = std::min(after, kLineWindow - before);
    bool headCut = m_bBeforeCut || before < m_strBefore.size();
    tailCut = tailCut || after < m_strAfter.size();
    size_t head = m_strBefore.size() - before;
    if (headCut && before > 0 && RVK::IsLowSurrogate(m_strBefore[head])) {
        ++head;
    }
    if (tailCut && after > 0 && RVK::IsHighSurrogate(m_strAfter[after - 1])) {
        --after;
    }
    m_strFirstLine.assign(headCut ? kEllipsis : L"");
    m_strFirstLine.append(m_strBefore, head, std::wstring::npos);
    m_strFirstLine.append(m_strAfter, 0, after);
    if (tailCut) {
        m_strFirstLine.append(kEllipsis);
    }
    m_lineState = LineState::kDone;
}

// Keeps enough of an open line to find a word that runs on into the next chunk and to show
// the window before a match found there.
void CMemoMatcher::KeepTail(const wchar_t* begin, const wchar_t* end, bool headCut) {
    const size_t keep = kLineWindow + m_nLongestWord;
    if (static_cast<size_t>(end - begin) > keep) {
        begin = end - keep;
        headCut = true;
    }
    m_strTail.assign(begin, end);
    m_bTailCut = headCut;
}
