#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "memo/CMemoMatcher.h"

namespace {

struct MatchCase {
    std::wstring query;
    std::wstring text;
    bool matches;
    std::wstring firstLine;
};

const MatchCase kMatchCases[] = {
    {L"abc", L"xx\nThe ABC song\nabc", true, L"The ABC song"},
    {L"ＡＢＣ", L"ａｂｃ", true, L"ａｂｃ"},
    {L"ａ", L"a A", false, L""},
    {L"A", L"ａＡ", false, L""},
    {L"あ é", L"ア É", false, L""},
    {L"memo　予定 x", L"予定\r\nx memo\r\n", true, L"予定"},
    {L"memo 予定", L"a\rmemo only", false, L"memo only"},
    {L"\tword\t", L"a word", true, L"a word"},
    {L"😀 髙", L"髙😀", true, L"髙😀"},
};

// Feeds `text` to `matcher` in pieces of `chunk` code units, as a read would.
void Stream(CMemoMatcher& matcher, const std::wstring& text, size_t chunk) {
    matcher.Restart();
    for (size_t at = 0; at < text.size(); at += chunk) {
        if (!matcher.Consume(text.data() + at, std::min(chunk, text.size() - at))) {
            break;
        }
    }
    matcher.Finish();
}

void ExpectSameWholeOrStreamed(const MatchCase& row) {
    const CMemoQuery query(row.query);
    CMemoMatcher matcher(query);
    EXPECT_EQ(matcher.Match(row.text), row.matches) << row.text;
    EXPECT_EQ(matcher.GetFirstMatchingLine(), row.firstLine) << row.text;
    for (size_t chunk : {1, 2, 3, 7}) {
        Stream(matcher, row.text, chunk);
        EXPECT_EQ(matcher.MatchesAll(), row.matches) << row.text << " in " << chunk;
        EXPECT_EQ(matcher.GetFirstMatchingLine(), row.firstLine) << row.text << " in " << chunk;
    }
}

std::wstring X(size_t count) { return std::wstring(count, L'x'); }

} // namespace

TEST(CMemoMatcherTest, FoldsLatinLettersOnlyAndNeedsEveryWord) {
    for (const MatchCase& row : kMatchCases) {
        ExpectSameWholeOrStreamed(row);
    }
}

// A long line shows a window of 100 characters around its first match, with at least 30
// before the match when the line goes on.
TEST(CMemoMatcherTest, ALongFirstLineIsCutToAWindowAroundTheMatch) {
    const MatchCase cases[] = {
        {L"word", L"a\n" + X(150) + L"Word" + X(146) + L"\nword", true,
         L"…" + X(30) + L"Word" + X(66) + L"…"},
        {L"word", X(5) + L"word" + X(291), true, X(5) + L"word" + X(91) + L"…"},
        {L"word", X(290) + L"word" + X(6), true, L"…" + X(90) + L"word" + X(6)},
        {L"word", X(96) + L"word\n", true, X(96) + L"word"},
        {L"word", X(80) + L"😀" + X(29) + L"word" + X(300), true,
         L"…" + X(29) + L"word" + X(66) + L"…"},
    };
    for (const MatchCase& row : cases) {
        ExpectSameWholeOrStreamed(row);
    }
}

TEST(CMemoMatcherTest, AnEmptyQueryMatchesNothingAndAFoundQueryStopsTheRead) {
    for (const wchar_t* text : {L"", L" 　\t "}) {
        const CMemoQuery query(text);
        EXPECT_TRUE(query.IsEmpty());
        EXPECT_FALSE(CMemoMatcher(query).Match(L"  "));
    }
    const CMemoQuery query(L"b a");
    CMemoMatcher matcher(query);
    EXPECT_TRUE(matcher.Consume(L"a\nc", 3));
    EXPECT_FALSE(matcher.Consume(L"\nb", 2));
}
