#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "framework/CString.h"

using RVK::CString;

namespace {

std::string Text(const CString& s) {
    const char* p = s;
    return p != nullptr ? std::string(p) : std::string();
}

// The two answers C run-times give for output that does not fit: the length it needs
// (C99 vsnprintf) or a negative number (the classic _vsnprintf).
int ReportsNeededLength(char* buffer, std::size_t size, const char* format, va_list args) {
    return vsnprintf(buffer, size, format, args);
}
int ReportsNegative(char* buffer, std::size_t size, const char* format, va_list args) {
    return _vsnprintf(buffer, size, format, args);
}

// The parameter tells which of the two a test formats with: true for the negative number.
class CStringFormatTest : public ::testing::TestWithParam<bool> {
protected:
    CString& Format(CString& s, const char* format, ...) {
        va_list args;
        va_start(args, format);
        s.FormatV(GetParam() ? ReportsNegative : ReportsNeededLength, format, args);
        va_end(args);
        return s;
    }
};

} // namespace

TEST(CStringTest, BuffersAreSizedForTheTextAndJoiningBuildsPaths) {
    EXPECT_EQ(CString().GetAllocLength(), 64);
    EXPECT_EQ(Text(CString("abcdef", 3)), "abc");
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());

    const CString base("C:\\base");
    EXPECT_EQ(Text(base + "\\" + CString("memo")), "C:\\base\\memo");
    CString s(base);
    s += '\\';
    s += "20131227";
    s.Append(".txt");
    EXPECT_EQ(Text(s), "C:\\base\\20131227.txt");
    EXPECT_EQ(s.GetAllocLength(), s.GetLength() + 1);
}

TEST(CStringTest, OperationsOnItsOwnTextKeepTheText) {
    CString s("abc");
    CString& alias = s;
    s = alias;
    s += alias;
    EXPECT_EQ(Text(s), "abcabc");
    s = static_cast<const char*>(s) + 3;
    EXPECT_EQ(Text(s), "abc");
    s.Format("%s\\%s", static_cast<const char*>(s), "memo");
    EXPECT_EQ(Text(s), "abc\\memo");
}

// The locale's order, not the bytes': "a" before "B", the full-width "１" before "2".
TEST(CStringTest, ComparisonsFollowTheLocalesCollation) {
    EXPECT_TRUE(CString("a") < "B");
    EXPECT_TRUE(CString("B") > CString("a"));
    EXPECT_LT(CString("１").Compare("2"), 0);
    EXPECT_LT(CString("A").CompareNoCase("b"), 0);
    EXPECT_LT(CString("Ｂ").CompareNoCase("c"), 0);
    EXPECT_EQ(CString("Ａ").CompareNoCase("ａ"), 0);
}

TEST(CStringTest, AStringWithoutBufferBehavesAsEmpty) {
    CString s("abc");
    EXPECT_FALSE(s.AllocBuffer(-1, false));
    ASSERT_EQ(static_cast<const char*>(s), nullptr);
    EXPECT_EQ(s.GetLength(), 0);
    EXPECT_EQ(s.GetAllocLength(), 0);
    EXPECT_EQ(s.ReverseFind(""), -1);
    EXPECT_EQ(Text(s + "x"), "x");
    EXPECT_EQ(Text(s.Format("%d-%d", 1, 2)), "1-2");
    EXPECT_EQ(s.GetAllocLength(), 64);
}

TEST_P(CStringFormatTest, GrowsIn128ByteStepsUntilTheOutputFitsAndKeepsTheGrownBuffer) {
    CString s;
    const std::string sixtyThree(63, 'a');
    EXPECT_EQ(Text(Format(s, "%s", sixtyThree.c_str())), sixtyThree);
    EXPECT_EQ(s.GetAllocLength(), 64);
    const std::string sixtyFour(64, 'b');
    EXPECT_EQ(Text(Format(s, "%s", sixtyFour.c_str())), sixtyFour);
    EXPECT_EQ(s.GetAllocLength(), 64 + 128);
    const std::string big(5000, 'e');
    EXPECT_EQ(Text(Format(s, "<%s>", big.c_str())), "<" + big + ">");
    EXPECT_EQ(s.GetAllocLength(), 64 + 39 * 128);
    EXPECT_EQ(Text(Format(s, "%d", 7)), "7");
    EXPECT_EQ(s.GetAllocLength(), 64 + 39 * 128);
}

INSTANTIATE_TEST_SUITE_P(BothRunTimeConventions, CStringFormatTest, ::testing::Bool());
