#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "memo/CMemoReader.h"

// The words of a search: what the user typed, split at spaces (half- and full-width),
// tabs and line ends. Latin letters are kept folded to lower case, half-width A-Z and
// full-width Ａ-Ｚ each within its own width; every other character stays as typed.
class CMemoQuery {
public:
    explicit CMemoQuery(const std::wstring& text);

    // The folded form of `c`: a half-width or full-width capital letter becomes its small
    // letter of the same width.
    static wchar_t Fold(wchar_t c) {
        return (c >= L'A' && c <= L'Z') || (c >= 0xFF21 && c <= 0xFF3A) ? c + 0x20 : c;
    }

    // Nothing to look for: the text was empty or only spaces.
    bool IsEmpty() const { return m_words.empty(); }
    const std::vector<std::wstring>& GetWords() const { return m_words; }

private:
    std::vector<std::wstring> m_words;
};

// Tells whether a memo's text holds every word of a query, and keeps the first line that
// holds any of them, to show beside the memo. Takes the text as a sink while it is read,
// in chunks, or whole from memory. A word cut by the end of a chunk is still found, and a
// long line is kept only as a window around its first match, so memory stays bounded
// however long the text. One matcher serves memo after memo of a search.
class CMemoMatcher : public CMemoTextSink {
public:
    // A line longer than this shows this many characters around its first match, with
    // "…" where it was cut.
    static constexpr size_t kLineWindow = 100;
    // Of which up to this many come before the match when the line goes on after it.
    static constexpr size_t kBeforeMatch = 30;

    // `query` must outlive the matcher.
    explicit CMemoMatcher(const CMemoQuery& query);
    CMemoMatcher(const CMemoMatcher&) = delete;
    CMemoMatcher& operator=(const CMemoMatcher&) = delete;
    virtual ~CMemoMatcher() = default;

    // Forgets the text before: the next chunk begins a new one.
    void Restart() override;
    // False once every word was found and the first matching line is complete.
    bool Consume(const wchar_t* text, size_t length) override;
    void Finish() override;

    // Matches a whole text held in memory, starting afresh.
    bool Match(const wchar_t* text, size_t length);
    bool Match(const std::wstring& text) { return Match(text.data(), text.size()); }

    // Every word occurs in the text. Never for an empty query.
    bool MatchesAll() const;
    // The first line that holds any word, cut to its window; empty when none does.
    const std::wstring& GetFirstMatchingLine() const { return m_strFirstLine; }

private:
    void ScanLines(const wchar_t* begin, const wchar_t* end, const wchar_t* fresh);
    void ScanLine(const wchar_t* begin, const wchar_t* end, bool headCut, bool complete);
    const wchar_t* FindWords(const wchar_t* begin, const wchar_t* end);
    void StartFirstLine(const wchar_t* begin, const wchar_t* match, bool headCut);
    void CollectFirstLine(const wchar_t* begin, const wchar_t* end, bool complete);
    void EndFirstLine(bool tailCut);
    void KeepTail(const wchar_t* begin, const wchar_t* end, bool headCut);

    const CMemoQuery& m_query;
    size_t m_nLongestWord;
    std::vector<bool> m_found;
    size_t m_nFound;
    // The end of the line last read, which the next chunk continues: enough of it to find
    // a word that runs on into the next chunk, and to show what comes before a match.
    std::wstring m_strTail;
    bool m_bTailCut;
    // Where the tail and the next chunk are joined.
    std::wstring m_strJoined;
    // The first matching line while it is read: up to the match, and from the match on.
    enum class LineState { kNone, kCollecting, kDone };
    LineState m_lineState;
    std::wstring m_strBefore;
    bool m_bBeforeCut;
    std::wstring m_strAfter;
    std::wstring m_strFirstLine;
};
