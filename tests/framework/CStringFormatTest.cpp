#include <windows.h>

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "framework/CString.h"

using RVK::CString;

namespace {

std::string Text(const CString& s) { return static_cast<const char*>(s); }

// The two answers C run-times give for output that does not fit: the length it needs
// (C99 vsnprintf) or a negative number (the classic _vsnprintf).
int ReportsNeededLength(char* buffer, std::size_t size, const char* format, va_list args) {
    return vsnprintf(buffer, size, format, args);
}
int ReportsNegative(char* buffer, std::size_t size, const char* format, va_list args) {
    return _vsnprintf(buffer, size, format, args);
}

struct RunTime {
    const char* name;
    CString::Printer print;
};
const RunTime kRunTimes[] = {{"ReportsNeededLength", ReportsNeededLength},
                             {"ReportsNegative", ReportsNegative}};

void PrintTo(const RunTime& runTime, std::ostream* out) { *out << runTime.name; }

CString& FormatWith(CString& s, CString::Printer print, const char* format, ...) {
    va_list args;
    va_start(args, format);
    s.FormatV(print, format, args);
    va_end(args);
    return s;
}

class CStringFormatGrowthTest : public ::testing::TestWithParam<RunTime> {
protected:
    CString::Printer Print() const { return GetParam().print; }
};

} // namespace

TEST(CStringFormatTest, TheRunTimesReallyDifferOnShortBuffers) {
    char buffer[4];
    va_list none{};
    EXPECT_EQ(ReportsNeededLength(buffer, sizeof buffer, "abcdefgh", none), 8);
    EXPECT_LT(ReportsNegative(buffer, sizeof buffer, "abcdefgh", none), 0);
}

TEST(CStringFormatTest, FormatsDatesColoursAndPathsInTheDefaultBuffer) {
    CString s;
    EXPECT_EQ(Text(s.Format("%04d%02d%02d.txt", 2013, 12, 7)), "20131207.txt");
    EXPECT_EQ(s.GetAllocLength(), 64);
    EXPECT_EQ(Text(s.Format("%02x%02x%02x", 0xE0, 0x0A, 0xFF)), "e00aff");
    EXPECT_EQ(Text(s.Format("%04d", 12345)), "12345");
    EXPECT_EQ(Text(s.Format("%s\\%s", "C:\\Kalvo", "memo")), "C:\\Kalvo\\memo");
}

TEST(CStringFormatTest, JapaneseTextIsShiftJis) {
    CString s;
    s.Format("%04d年%02d月", 2013, 12);
    EXPECT_EQ(Text(s), "2013"
                       "\x94\x4e"
                       "12"
                       "\x8c\x8e");
}

TEST(CStringFormatTest, FormattingItsOwnTextIsSafe) {
    CString s("memo");
    s.Format("%s\\%s.txt", static_cast<const char*>(s), static_cast<const char*>(s));
    EXPECT_EQ(Text(s), "memo\\memo.txt");

    CString long_text(std::string(300, 'x').c_str());
    long_text.Format("[%s]", static_cast<const char*>(long_text));
    EXPECT_EQ(Text(long_text), "[" + std::string(300, 'x') + "]");
}

TEST_P(CStringFormatGrowthTest, GrowsIn128ByteStepsUntilTheOutputFits) {
    CString s;
    const std::string seventy(70, 'a');
    FormatWith(s, Print(), "%s", seventy.c_str());
    EXPECT_EQ(Text(s), seventy);
    EXPECT_EQ(s.GetAllocLength(), 64 + 128);

    const std::string longer(64 + 128 + 10, 'b');
    FormatWith(s, Print(), "<%s>", longer.c_str());
    EXPECT_EQ(Text(s), "<" + longer + ">");
    EXPECT_EQ(s.GetAllocLength(), 64 + 128 + 128);
}

TEST_P(CStringFormatGrowthTest, AnOutputOfExactlyTheBufferSizeNeedsOneMoreStep) {
    CString s;
    const std::string sixty_four(64, 'c');
    FormatWith(s, Print(), "%s", sixty_four.c_str());
    EXPECT_EQ(Text(s), sixty_four);
    EXPECT_EQ(s.GetAllocLength(), 192);

    CString fits;
    const std::string sixty_three(63, 'd');
    FormatWith(fits, Print(), "%s", sixty_three.c_str());
    EXPECT_EQ(Text(fits), sixty_three);
    EXPECT_EQ(fits.GetAllocLength(), 64);
}

TEST_P(CStringFormatGrowthTest, TheGrownBufferIsKeptForShortResults) {
    CString s;
    const std::string big(5000, 'e');
    FormatWith(s, Print(), "%s", big.c_str());
    EXPECT_EQ(Text(s), big);
    const int grown = s.GetAllocLength();
    EXPECT_EQ(grown, 64 + 39 * 128);

    FormatWith(s, Print(), "%d", 7);
    EXPECT_EQ(Text(s), "7");
    EXPECT_EQ(s.GetAllocLength(), grown);
}

TEST_P(CStringFormatGrowthTest, AStringWithoutBufferStartsFromSixtyFourBytes) {
    CString s("abc");
    s.AllocBuffer(-1, false);
    FormatWith(s, Print(), "%d-%d", 1, 2);
    EXPECT_EQ(Text(s), "1-2");
    EXPECT_EQ(s.GetAllocLength(), 64);
}

INSTANTIATE_TEST_SUITE_P(BothRunTimeConventions, CStringFormatGrowthTest,
                         ::testing::ValuesIn(kRunTimes),
                         [](const ::testing::TestParamInfo<RunTime>& info) {
                             return std::string(info.param.name);
                         });
