#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/CFile.h"
#include "tests/support/TempDir.h"

using RVK::CFile;
using RVK::CFileBase;
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
        EXPECT_EQ(file.GetHandle(), nullptr);
        ASSERT_NE(OpenForReadWrite(file, path, OPEN_ALWAYS), INVALID_HANDLE_VALUE);
        EXPECT_EQ(file.QuerySize(nullptr), 0u);
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(folder.ReadFile("20131227.txt"), "");
    // The destructor closed the handle, so the file can be deleted at once.
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

TEST(CFileTest, OpenAlwaysKeepsAnExistingFilesBytes) {
    TempDir folder;
    folder.WriteFile("memo.txt", "kept");
    CFile file;
    ASSERT_NE(OpenForReadWrite(file, folder.File("memo.txt"), OPEN_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(file.QuerySize(nullptr), 4u);
}

TEST(CFileTest, AFailedOpenHoldsTheInvalidHandleAndClosesNothing) {
    TempDir folder;
    CFile file;
    EXPECT_EQ(OpenForReadWrite(file, folder.File("missing.txt"), OPEN_EXISTING),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(file.GetHandle(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(file.GetHandle(), nullptr);
    EXPECT_FALSE(file.Close());
}

TEST(CFileTest, OpeningAgainClosesTheFirstFile) {
    TempDir folder;
    CFile file;
    ASSERT_NE(OpenForReadWrite(file, folder.File("a.txt"), CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    ASSERT_NE(OpenForReadWrite(file, folder.File("b.txt"), CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(DeleteFileA(folder.File("a.txt").c_str()));
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
    EXPECT_EQ(file.QuerySize(nullptr), 8u);
    file.Close();
    EXPECT_EQ(folder.ReadFile("data.bin"), std::string("K\x34\x12\xFE") + "memo");

    ASSERT_NE(OpenForReadWrite(file, folder.File("data.bin"), OPEN_EXISTING), INVALID_HANDLE_VALUE);
    char c = 0;
    short value = 0;
    unsigned char byte = 0;
    char rest[5] = {};
    EXPECT_TRUE(file.ReadChar(&c, nullptr));
    EXPECT_TRUE(file.ReadShort(&value, nullptr));
    EXPECT_TRUE(file.ReadByte(&byte, nullptr));
    EXPECT_TRUE(file.ReadBuffer(rest, 4, nullptr));
    EXPECT_EQ(c, 'K');
    EXPECT_EQ(value, 0x1234);
    EXPECT_EQ(byte, 0xFE);
    EXPECT_STREQ(rest, "memo");
    EXPECT_FALSE(file.ReadByte(&byte, nullptr)) << "end of file brings no byte";
}

TEST(CFileTest, ReadDataReportsHowManyBytesArrived) {
    TempDir folder;
    folder.WriteFile("short.txt", "abc");
    CFile file;
    ASSERT_NE(OpenForReadWrite(file, folder.File("short.txt"), OPEN_EXISTING),
              INVALID_HANDLE_VALUE);
    char buffer[16] = {};
    DWORD read = 0;
    EXPECT_TRUE(file.ReadData(buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(read, 3u);
    EXPECT_FALSE(file.ReadData(buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(read, 0u);
}

TEST(CFileTest, SeekAndSizeWrapTheFilePointer) {
    TempDir folder;
    folder.WriteFile("f.txt", "0123456789");
    CFile file;
    ASSERT_NE(OpenForReadWrite(file, folder.File("f.txt"), OPEN_EXISTING), INVALID_HANDLE_VALUE);
    DWORD high = 1;
    EXPECT_EQ(file.GetSize(&high), 10u);
    EXPECT_EQ(high, 0u);
    EXPECT_EQ(file.Seek(-3, nullptr, FILE_END), 7u);
    char c = 0;
    EXPECT_TRUE(file.ReadChar(&c, nullptr));
    EXPECT_EQ(c, '7');
}

TEST(CFileTest, ReadLineDeliversOneLineWithItsLineEnd) {
    TempDir folder;
    folder.WriteFile("lines.txt", "a\nb\n");
    CFile file;
    ASSERT_NE(OpenForReadWrite(file, folder.File("lines.txt"), OPEN_EXISTING),
              INVALID_HANDLE_VALUE);
    CString line("stale");
    EXPECT_TRUE(file.ReadLine(1, line));
    EXPECT_EQ(Text(line), "b\n");
    EXPECT_TRUE(file.ReadLine(0, line));
    EXPECT_EQ(Text(line), "a\n");
    EXPECT_FALSE(file.ReadLine(2, line));
    EXPECT_EQ(Text(line), "");
    EXPECT_FALSE(file.ReadLine(-1, line));
}

TEST(CFileTest, ReadLineKeepsCarriageReturnsAndAnUnterminatedLastLine) {
    TempDir folder;
    folder.WriteFile("crlf.txt", "first\r\n\r\nlast");
    CFile file;
    ASSERT_NE(OpenForReadWrite(file, folder.File("crlf.txt"), OPEN_EXISTING), INVALID_HANDLE_VALUE);
    CString line;
    EXPECT_TRUE(file.ReadLine(0, line));
    EXPECT_EQ(Text(line), "first\r\n");
    EXPECT_TRUE(file.ReadLine(1, line));
    EXPECT_EQ(Text(line), "\r\n");
    EXPECT_TRUE(file.ReadLine(2, line));
    EXPECT_EQ(Text(line), "last");
}

TEST(CFileTest, ABaseObjectOwnsAHandleItIsGiven) {
    TempDir folder;
    const std::string path = folder.File("owned.txt");
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    {
        CFileBase owner(handle);
        EXPECT_EQ(owner.GetHandle(), handle);
        DWORD written = 0;
        EXPECT_TRUE(owner.Write("xy", 2, &written, nullptr));
        EXPECT_EQ(written, 2u);
    }
    EXPECT_EQ(folder.ReadFile("owned.txt"), "xy");
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}
