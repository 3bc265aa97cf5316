#include <gtest/gtest.h>

#include <string>

#include "framework/CString.h"

using RVK::CString;

namespace {

std::string Text(const CString& s) {
    const char* p = s;
    return p != nullptr ? std::string(p) : std::string();
}

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
    EXPECT_EQ(Text(s + "x"), "x");
    EXPECT_EQ(Text(s.Format("%d-%d", 1, 2)), "1-2");
    EXPECT_EQ(s.GetAllocLength(), 64);
}

TEST(CStringTest, FormatGrowsIn128ByteStepsUntilTheOutputFitsAndKeepsTheGrownBuffer) {
    CString s;
    const std::string sixtyThree(63, 'a');
    EXPECT_EQ(Text(s.Format("%s", sixtyThree.c_str())), sixtyThree);
    EXPECT_EQ(s.GetAllocLength(), 64);
    const std::string sixtyFour(64, 'b');
    EXPECT_EQ(Text(s.Format("%s", sixtyFour.c_str())), sixtyFour);
    EXPECT_EQ(s.GetAllocLength(), 64 + 128);
    const std::string big(5000, 'e');
    EXPECT_EQ(Text(s.Format("<%s>", big.c_str())), "<" + big + ">");
    EXPECT_EQ(s.GetAllocLength(), 64 + 39 * 128);
    EXPECT_EQ(Text(s.Format("%d", 7)), "7");
    EXPECT_EQ(s.GetAllocLength(), 64 + 39 * 128);
}
