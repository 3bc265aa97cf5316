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

class CStringFormatGrowthTest : public ::testing::TestWithParam<RunTime> {
protected:
    CString& Format(CString& s, const char* format, ...) {
        va_list args;
        va_start(args, format);
        s.FormatV(GetParam().print, format, args);
        va_end(args);
        return s;
    }
};

} // namespace

TEST(CStringFormatTest, TheRunTimesReallyDifferOnShortBuffers) {
    char buffer[4];
    va_list none{};
    EXPECT_EQ(ReportsNeededLength(buffer, sizeof buffer, "abcdefgh", none), 8);
    EXPECT_LT(ReportsNegative(buffer, sizeof buffer, "abcdefgh", none), 0);
}

TEST(CStringFormatTest, FormattingItsOwnTextIsSafe) {
    CString s(std::string(300, 'x').c_str());
    s.Format("%s\\%s", static_cast<const char*>(s), "memo");
    EXPECT_EQ(Text(s), std::string(300, 'x') + "\\memo");
}

TEST_P(CStringFormatGrowthTest, GrowsIn128ByteStepsUntilTheOutputFits) {
    CString s;
    const std::string sixtyThree(63, 'a');
    EXPECT_EQ(Text(Format(s, "%s", sixtyThree.c_str())), sixtyThree);
    EXPECT_EQ(s.GetAllocLength(), 64);

    const std::string sixtyFour(64, 'b');
    EXPECT_EQ(Text(Format(s, "%s", sixtyFour.c_str())), sixtyFour);
    EXPECT_EQ(s.GetAllocLength(), 64 + 128);

    const std::string longer(64 + 128 + 10, 'c');
    EXPECT_EQ(Text(Format(s, "<%s>", longer.c_str())), "<" + longer + ">");
    EXPECT_EQ(s.GetAllocLength(), 64 + 2 * 128);
}

TEST_P(CStringFormatGrowthTest, TheGrownBufferIsKeptForShortResults) {
    CString s;
    const std::string big(5000, 'e');
    EXPECT_EQ(Text(Format(s, "%s", big.c_str())), big);
    EXPECT_EQ(s.GetAllocLength(), 64 + 39 * 128);
    EXPECT_EQ(Text(Format(s, "%d", 7)), "7");
    EXPECT_EQ(s.GetAllocLength(), 64 + 39 * 128);
}

TEST_P(CStringFormatGrowthTest, AStringWithoutBufferStartsFromSixtyFourBytes) {
    CString s("abc");
    s.AllocBuffer(-1, false);
    EXPECT_EQ(Text(Format(s, "%d-%d", 1, 2)), "1-2");
    EXPECT_EQ(s.GetAllocLength(), 64);
}

INSTANTIATE_TEST_SUITE_P(BothRunTimeConventions, CStringFormatGrowthTest,
                         ::testing::ValuesIn(kRunTimes),
                         [](const ::testing::TestParamInfo<RunTime>& info) {
                             return std::string(info.param.name);
                         });
