#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/CFile.h"
#include "tests/support/TempDir.h"

using RVK::CFile;
using RVK::CString;

namespace {

HANDLE OpenForReadWrite(CFile& file, const std::string& path, DWORD disposition) {
    return file.Open(path.c_str(), GENERIC_READ | GENERIC_WRITE, disposition, 0, nullptr,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string Text(const CString& s) { return static_cast<const char*>(s); }

} // namespace

TEST(CFileTest, OpenAlwaysCreatesAnEmptyFileThatOutlivesTheObject) {
    TempDir folder;
    const std::string path = folder.File("20131227.txt");
    {
        CFile file;
        ASSERT_NE(OpenForReadWrite(file, path, OPEN_ALWAYS), INVALID_HANDLE_VALUE);
        EXPECT_EQ(file.QuerySize(nullptr), 0u);
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    // The destructor closed the handle, so the file can be deleted at once.
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

TEST(CFileTest, OpeningAgainClosesTheFirstFileAndAFailedOpenHoldsNothingToClose) {
    TempDir folder;
    CFile file;
    ASSERT_NE(OpenForReadWrite(file, folder.File("a.txt"), CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    ASSERT_NE(OpenForReadWrite(file, folder.File("b.txt"), CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(DeleteFileA(folder.File("a.txt").c_str()));

    EXPECT_EQ(OpenForReadWrite(file, folder.File("missing.txt"), OPEN_EXISTING),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(file.GetHandle(), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(DeleteFileA(folder.File("b.txt").c_str()));
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(file.GetHandle(), nullptr);
}

TEST(CFileTest, TypedWritesAndReadsRoundTripInLittleEndianOrder) {
    TempDir folder;
    CFile file;
    ASSERT_NE(OpenForReadWrite(file, folder.File("data.bin"), CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(file.WriteChar('K', nullptr));
    EXPECT_TRUE(file.WriteShort(0x1234, nullptr));
    EXPECT_TRUE(file.WriteByte(0xFE, nullptr));
    EXPECT_TRUE(file.WriteString("memo", nullptr));
    EXPECT_FALSE(file.WriteString("", nullptr));
    file.Close();
    EXPECT_EQ(folder.ReadFile("data.bin"), std::string("K\x34\x12\xFE") + "memo");

    ASSERT_NE(OpenForReadWrite(file, folder.File("data.bin"), OPEN_EXISTING), INVALID_HANDLE_VALUE);
    char c = 0;
    short value = 0;
    unsigned char byte = 0;
    char rest[8] = {};
    DWORD read = 0;
    EXPECT_TRUE(file.ReadChar(&c, nullptr));
    EXPECT_TRUE(file.ReadShort(&value, nullptr));
    EXPECT_TRUE(file.ReadByte(&byte, nullptr));
    EXPECT_TRUE(file.ReadData(rest, sizeof rest, &read, nullptr));
    EXPECT_EQ(c, 'K');
    EXPECT_EQ(value, 0x1234);
    EXPECT_EQ(byte, 0xFE);
    EXPECT_STREQ(rest, "memo");
    EXPECT_EQ(read, 4u);
    EXPECT_FALSE(file.ReadByte(&byte, nullptr)) << "the end of the file brings no byte";
}

TEST(CFileTest, ReadLineDeliversOneWholeLineWithItsLineEnd) {
    TempDir folder;
    folder.WriteFile("lines.txt", "a\nb\n");
    folder.WriteFile("crlf.txt", "first\r\n\r\nlast");
    CFile file;
    CString line("stale");
    ASSERT_NE(OpenForReadWrite(file, folder.File("lines.txt"), OPEN_EXISTING),
              INVALID_HANDLE_VALUE);
    EXPECT_TRUE(file.ReadLine(1, line));
    EXPECT_EQ(Text(line), "b\n");
    EXPECT_TRUE(file.ReadLine(0, line));
    EXPECT_EQ(Text(line), "a\n");
    EXPECT_FALSE(file.ReadLine(2, line));
    EXPECT_EQ(Text(line), "");

    ASSERT_NE(OpenForReadWrite(file, folder.File("crlf.txt"), OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(file.ReadLine(1, line));
    EXPECT_EQ(Text(line), "\r\n");
    EXPECT_TRUE(file.ReadLine(2, line));
    EXPECT_EQ(Text(line), "last");
}
