
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

// A string whose buffer is gone, as after a failed allocation.
CString WithoutBuffer() {
    CString s("abc");
    s.AllocBuffer(-1, false);
    return s;
}

} // namespace

TEST(CStringTest, DefaultStringIsEmptyWithSixtyFourBytes) {
    const CString s;
    EXPECT_EQ(s.GetLength(), 0);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.GetAllocLength(), 64);
    EXPECT_EQ(Text(s), "");
}

TEST(CStringTest, ConstructionCopiesAtMostTheCountButAllocatesCountPlusOne) {
    const CString cut("abcdef", 3);
    EXPECT_EQ(Text(cut), "abc");
    EXPECT_EQ(cut.GetAllocLength(), 4);

    const CString padded("ab", 5);
    EXPECT_EQ(Text(padded), "ab");
    EXPECT_EQ(padded.GetAllocLength(), 6);

    const CString whole("abc", 0);
    EXPECT_EQ(whole.GetAllocLength(), 4);

    const CString copy(cut);
    EXPECT_EQ(Text(copy), "abc");
    EXPECT_NE(static_cast<const char*>(copy), static_cast<const char*>(cut));

    const CString none(static_cast<const char*>(nullptr));
    EXPECT_TRUE(none.IsEmpty());
}

TEST(CStringTest, ConcatenationJoinsBothTextsExactly) {
    const CString ab("ab");
    const CString cd("cd");
    const CString joined = ab + cd;
    EXPECT_EQ(Text(joined), "abcd");
    EXPECT_EQ(joined.GetAllocLength(), 5);
    EXPECT_EQ(Text(ab + "xyz"), "abxyz");
    EXPECT_EQ(Text(CString() + ""), "");
    EXPECT_EQ(Text(CString("", "tail")), "tail");
    EXPECT_EQ(Text(ab), "ab");
}

TEST(CStringTest, AppendingGrowsTheTextByteByByte) {
    CString s("C:\\base");
    s += "\\";
    s += CString("memo");
    s += '\\';
    s.Append("20131227.txt");
    EXPECT_EQ(Text(s), "C:\\base\\memo\\20131227.txt");
    EXPECT_EQ(s.GetAllocLength(), s.GetLength() + 1);
}

TEST(CStringTest, SelfAssignmentAndSelfAppendKeepTheText) {
    CString s("abc");
    CString& alias = s;
    s = alias;
    EXPECT_EQ(Text(s), "abc");

    s += alias;
    EXPECT_EQ(Text(s), "abcabc");

    s.Append(static_cast<const char*>(s) + 3);
    EXPECT_EQ(Text(s), "abcabcabc");

    s = static_cast<const char*>(s) + 6;
    EXPECT_EQ(Text(s), "abc");

    s.Insert(static_cast<const char*>(s), 1);
    EXPECT_EQ(Text(s), "aabcbc");
}

TEST(CStringTest, LeftRightAndMidClipToTheText) {
    const CString abc("abc");
    EXPECT_EQ(Text(abc.Left(0)), "");
    EXPECT_EQ(Text(abc.Left(-3)), "");
    EXPECT_EQ(Text(abc.Left(2)), "ab");
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
    EXPECT_EQ(Text(abcd.Mid(-5, 3)), "");
    EXPECT_EQ(Text(abcd.Mid(INT_MIN, INT_MAX)), "");
    EXPECT_EQ(Text(abcd.Mid(1, INT_MAX)), "bcd");
}

TEST(CStringTest, InsertPlacesTheTextBeforeTheGivenByte) {
    EXPECT_EQ(Text(CString("ab").Insert("X", 0)), "Xab");
    EXPECT_EQ(Text(CString("ab").Insert("X", 1)), "aXb");
    EXPECT_EQ(Text(CString("ab").Insert("X", 2)), "abX");
    EXPECT_EQ(Text(CString("ab").Insert("X", 5)), "abX");
    EXPECT_EQ(Text(CString("ab").Insert("X", -4)), "Xab");
    EXPECT_EQ(Text(CString("ab").Insert("X", INT_MIN)), "Xab");
}

TEST(CStringTest, ByteSearchesCountFromTheStartOfTheText) {
    const CString s("abcb");
    EXPECT_EQ(s.Find('b'), 1);
    EXPECT_EQ(s.Find('b', 2), 3);
    EXPECT_EQ(s.Find('b', 5), -1);
    EXPECT_EQ(s.Find('b', -1), -1);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(s.Find('\0'), 4);
    EXPECT_EQ(s.Find("cb"), 2);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.Find("bb"), -1);

    EXPECT_EQ(s.ReverseFind('b'), 3);
    EXPECT_EQ(s.ReverseFind('\0'), 4);
    EXPECT_EQ(s.ReverseFind("b"), 3);
    EXPECT_EQ(s.ReverseFind("ab"), 0);
    EXPECT_EQ(s.ReverseFind(""), 4);
    EXPECT_EQ(s.ReverseFind("abcbz"), -1);
    EXPECT_EQ(s.ReverseFind(CString("bc")), 1);
}

TEST(CStringTest, ReverseFindLocatesTheLastPathSeparator) {
    const CString path("C:\\Program Files\\Kalvo\\Kalvo.exe");
    EXPECT_EQ(path.ReverseFind('\\'), 22);
    EXPECT_EQ(Text(path.Left(path.ReverseFind('\\'))), "C:\\Program Files\\Kalvo");
    EXPECT_EQ(CString("Kalvo.exe").ReverseFind('\\'), -1);
}

TEST(CStringTest, SearchesCompareSingleBytesEvenInsideDoubleByteCharacters) {
    // The second byte of this Shift-JIS character is the backslash byte.
    const CString s("\x95\x5c");
    EXPECT_EQ(s.Find('\\'), 1);
}

TEST(CStringTest, ComparisonsFollowTheUserLocaleNotByteOrder) {
    const CString a("a");
    EXPECT_LT(a.Compare("B"), 0);
    EXPECT_TRUE(a < "B");
    EXPECT_TRUE(a < CString("B"));
    EXPECT_FALSE(a > "B");
    EXPECT_EQ(CString("Kalvo").CompareNoCase("KALVO"), 0);
    EXPECT_NE(CString("Kalvo").Compare("KALVO"), 0);

    EXPECT_TRUE(a == "a");
    EXPECT_TRUE(a != "b");
    EXPECT_TRUE(a >= "a");
    EXPECT_TRUE(a <= "a");
    EXPECT_TRUE(a == CString("a"));
    EXPECT_TRUE(CString("b") > a);
    EXPECT_TRUE(CString("b") >= a);
    EXPECT_TRUE(a <= CString("b"));
    EXPECT_TRUE(a != CString("b"));
}

TEST(CStringTest, EmptyClearsTheTextAndKeepsTheBuffer) {
    CString s("some text");
    const int allocated = s.GetAllocLength();
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.GetAllocLength(), allocated);
    s += "again";
    EXPECT_EQ(Text(s), "again");
}

TEST(CStringTest, ElementAtGrowsTheBufferAndKeepsTheTextTerminated) {
    CString s("abc");
    EXPECT_EQ(s[1], 'b');
    s[1] = 'X';
    EXPECT_EQ(Text(s), "aXc");
    EXPECT_EQ(&s.ElementAt(-5), &s.ElementAt(0));

    s.ElementAt(99) = 'z';
    EXPECT_EQ(s.GetAllocLength(), 100);
    EXPECT_EQ(Text(s), "aXc");

    CString full("abc");
    full[3] = 'd';
    EXPECT_EQ(full.GetLength(), 4);
    EXPECT_EQ(Text(full), "abcd");
}

TEST(CStringTest, GetBufferAndFreeExtraReadATextIn) {
    CString s;
    char* buffer = s.GetBuffer(200);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(s.GetAllocLength(), 200);
    lstrcpyA(buffer, "window text");
    s.FreeExtra();
    EXPECT_EQ(Text(s), "window text");
    EXPECT_EQ(s.GetAllocLength(), 12);

    EXPECT_EQ(s.GetBuffer(0), static_cast<const char*>(s));
    EXPECT_EQ(s.GetAllocLength(), 12);
}

TEST(CStringTest, ShrinkingTheBufferNeverLeavesAnUnterminatedText) {
    CString s("hello world");
    s.GetBuffer(3);
    EXPECT_EQ(s.GetAllocLength(), 3);
    EXPECT_LE(s.GetLength(), 3);
    EXPECT_EQ(Text(s), std::string("hello").substr(0, s.GetLength()));
}

TEST(CStringTest, CaseMappingLeavesDoubleByteCharactersWhole) {
    const CString mixed("Kalvo ok");
    EXPECT_EQ(Text(mixed.ToUpper()), "KALVO OK");
    EXPECT_EQ(Text(mixed.ToLower()), "kalvo ok");
    EXPECT_EQ(Text(mixed), "Kalvo ok");

    // "ア" is 0x83 0x41: its trail byte must not become 'a'.
    const CString katakana("aア");
    EXPECT_EQ(Text(katakana.ToLower()), "aア");
    EXPECT_EQ(Text(katakana.ToUpper()), "Aア");
}

TEST(CStringTest, AStringWithoutBufferBehavesAsEmpty) {
    CString s = WithoutBuffer();
    ASSERT_EQ(static_cast<const char*>(s), nullptr);
    EXPECT_EQ(s.GetLength(), 0);
    EXPECT_EQ(s.GetAllocLength(), 0);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.Find('a'), -1);
    EXPECT_EQ(s.Find("a"), -1);
    EXPECT_EQ(s.ReverseFind('a'), -1);
    EXPECT_EQ(s.ReverseFind(""), -1);
    EXPECT_EQ(Text(s.Mid(0, 3)), "");
    EXPECT_EQ(Text(s.Left(3)), "");
    EXPECT_EQ(Text(s + "x"), "x");
    EXPECT_EQ(s.Compare(""), 0);

    EXPECT_TRUE(s.AllocBuffer(10, false));
    EXPECT_EQ(s.GetAllocLength(), 10);
    EXPECT_EQ(Text(s), "");
}

TEST(CStringTest, AllocBufferKeepsOrClearsTheContents) {
    CString s("abcdef");
    EXPECT_TRUE(s.AllocBuffer(40, false));
    EXPECT_EQ(Text(s), "abcdef");
    EXPECT_TRUE(s.AllocBuffer(40, true));
    EXPECT_EQ(Text(s), "");
    EXPECT_EQ(s.GetAllocLength(), 40);
}

TEST(CStringTest, AssignmentReplacesTheTextAndSizesTheBufferToIt) {
    CString s;
    s = "longer text";
    EXPECT_EQ(s.GetAllocLength(), 12);
    s = CString("ab");
    EXPECT_EQ(Text(s), "ab");
    EXPECT_EQ(s.GetAllocLength(), 3);
    s.Assign("abcdef", 2);
    EXPECT_EQ(Text(s), "ab");
    EXPECT_EQ(s.GetAllocLength(), 3);
}
