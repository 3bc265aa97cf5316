#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "framework/CString.h"

using RVK::CString;

namespace {

std::string Text(const CString& s) {
    const char* p = s;
    return p != nullptr ? std::string(p) : std::string();
}

} // namespace

TEST(CStringTest, ConstructionAndAssignmentSizeTheBuffer) {
    const CString empty;
    EXPECT_EQ(empty.GetLength(), 0);
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.GetAllocLength(), 64);

    const CString cut("abcdef", 3);
    EXPECT_EQ(Text(cut), "abc");
    EXPECT_EQ(cut.GetAllocLength(), 4);
    const CString padded("ab", 5);
    EXPECT_EQ(Text(padded), "ab");
    EXPECT_EQ(padded.GetAllocLength(), 6);

    CString s;
    s = "longer text";
    EXPECT_EQ(s.GetAllocLength(), 12);
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.GetAllocLength(), 12);
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
}

TEST(CStringTest, JoiningBuildsPathsByteByByte) {
    const CString base("C:\\base");
    EXPECT_EQ(Text(base + "\\" + CString("memo")), "C:\\base\\memo");
    EXPECT_EQ((base + "").GetAllocLength(), 8);
    EXPECT_EQ(Text(CString("", "tail")), "tail");

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
    EXPECT_EQ(Text(s), "abc");
    s += alias;
    EXPECT_EQ(Text(s), "abcabc");
    s = static_cast<const char*>(s) + 3;
    EXPECT_EQ(Text(s), "abc");
    s.Insert(static_cast<const char*>(s), 1);
    EXPECT_EQ(Text(s), "aabcbc");
}

TEST(CStringTest, LeftRightMidAndInsertClipToTheText) {
    const CString abc("abc");
    EXPECT_EQ(Text(abc.Left(-3)), "");
    EXPECT_EQ(Text(abc.Left(10)), "abc");
    EXPECT_EQ(Text(abc.Right(0)), "");
    EXPECT_EQ(Text(abc.Right(2)), "bc");
    EXPECT_EQ(Text(abc.Right(5)), "abc");
    EXPECT_EQ(Text(abc.Right(-1)), "abc");

    const CString abcd("abcd");
    EXPECT_EQ(Text(abcd.Mid(-1, 2)), "a");
    EXPECT_EQ(Text(abcd.Mid(1, 2)), "bc");
    EXPECT_EQ(Text(abcd.Mid(4, 1)), "");
    EXPECT_EQ(Text(abcd.Mid(5, 1)), "");
    EXPECT_EQ(Text(abcd.Mid(2, 10)), "cd");
    EXPECT_EQ(Text(abcd.Mid(INT_MIN, INT_MAX)), "");
    EXPECT_EQ(Text(abcd.Mid(1, INT_MAX)), "bcd");

    EXPECT_EQ(Text(CString("ab").Insert("X", 1)), "aXb");
    EXPECT_EQ(Text(CString("ab").Insert("X", 5)), "abX");
    EXPECT_EQ(Text(CString("ab").Insert("X", INT_MIN)), "Xab");
}

TEST(CStringTest, SearchesCountSingleBytesFromTheStart) {
    const CString s("abcb");
    EXPECT_EQ(s.Find('b', 2), 3);
    EXPECT_EQ(s.Find('b', 5), -1);
    EXPECT_EQ(s.Find('b', -1), -1);
    EXPECT_EQ(s.Find('\0'), 4);
    EXPECT_EQ(s.Find("cb"), 2);
    EXPECT_EQ(s.ReverseFind("b"), 3);
    EXPECT_EQ(s.ReverseFind(""), 4);
    EXPECT_EQ(s.ReverseFind("abcbz"), -1);

    const CString path("C:\\Kalvo\\Kalvo.exe");
    EXPECT_EQ(Text(path.Left(path.ReverseFind('\\'))), "C:\\Kalvo");
    EXPECT_EQ(CString("Kalvo.exe").ReverseFind('\\'), -1);
    // The trail byte of this Shift-JIS character is the backslash byte.
    EXPECT_EQ(CString("\x95\x5c").Find('\\'), 1);
}

TEST(CStringTest, ComparisonsFollowTheUserLocaleNotByteOrder) {
    const CString a("a");
    EXPECT_LT(a.Compare("B"), 0);
    EXPECT_TRUE(CString("B") > a);
    EXPECT_TRUE(a != CString("A"));
    EXPECT_EQ(CString("Kalvo").CompareNoCase("KALVO"), 0);
}

TEST(CStringTest, ElementAtGrowsTheBufferAndTheTextStaysTerminated) {
    CString s("abc");
    s[1] = 'X';
    EXPECT_EQ(Text(s), "aXc");
    EXPECT_EQ(&s.ElementAt(-5), &s.ElementAt(0));
    s.ElementAt(99) = 'z';
    EXPECT_EQ(s.GetAllocLength(), 100);
    EXPECT_EQ(Text(s), "aXc");

    CString full("abc");
    full[3] = 'd';
    EXPECT_EQ(Text(full), "abcd");
}

TEST(CStringTest, GetBufferAndFreeExtraReadATextIn) {
    CString s;
    lstrcpyA(s.GetBuffer(200), "window text");
    EXPECT_EQ(s.GetAllocLength(), 200);
    s.FreeExtra();
    EXPECT_EQ(Text(s), "window text");
    EXPECT_EQ(s.GetAllocLength(), 12);

    CString shrunk("hello world");
    shrunk.GetBuffer(3);
    EXPECT_LE(shrunk.GetLength(), 3);
    EXPECT_EQ(Text(shrunk), std::string("hel").substr(0, shrunk.GetLength()));
}

TEST(CStringTest, CaseMappingLeavesDoubleByteCharactersWhole) {
    EXPECT_EQ(Text(CString("Kalvo ok").ToUpper()), "KALVO OK");
    // "ア" is 0x83 0x41: its trail byte must not become 'a'.
    EXPECT_EQ(Text(CString("Aア").ToLower()), "aア");
    EXPECT_EQ(Text(CString("aア").ToUpper()), "Aア");
}

TEST(CStringTest, AStringWithoutBufferBehavesAsEmpty) {
    CString s("abc");
    EXPECT_FALSE(s.AllocBuffer(-1, false));
    ASSERT_EQ(static_cast<const char*>(s), nullptr);
    EXPECT_EQ(s.GetLength(), 0);
    EXPECT_EQ(s.GetAllocLength(), 0);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.ReverseFind(""), -1);
    EXPECT_EQ(Text(s + "x"), "x");

    EXPECT_TRUE(s.AllocBuffer(10, false));
    EXPECT_EQ(s.GetAllocLength(), 10);
    EXPECT_EQ(Text(s), "");
}
