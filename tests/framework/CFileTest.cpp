#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/CFile.h"
#include "framework/CFileFind.h"
#include "tests/support/TempDir.h"

using RVK::CFile;
using RVK::CFileFind;

namespace {

HANDLE OpenForReadWrite(CFile& file, const std::string& path, DWORD disposition) {
    return file.Open(path.c_str(), GENERIC_READ | GENERIC_WRITE, disposition, 0, nullptr,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

// Each object closes what it held once it is gone or opens something else, so the files
// and folders can be deleted at once. Listing a folder is the memo list's to show.
TEST(CFileTest, OpeningAgainOrEndingClosesTheFileAndAFailedOpenHoldsNothing) {
    TempDir folder;
    {
        CFile file;
        ASSERT_NE(OpenForReadWrite(file, folder.File("a.txt"), OPEN_ALWAYS), INVALID_HANDLE_VALUE);
        ASSERT_NE(OpenForReadWrite(file, folder.File("b.txt"), CREATE_ALWAYS),
                  INVALID_HANDLE_VALUE);
        EXPECT_TRUE(DeleteFileA(folder.File("a.txt").c_str()));
        EXPECT_EQ(OpenForReadWrite(file, folder.File("missing.txt"), OPEN_EXISTING),
                  INVALID_HANDLE_VALUE);
        EXPECT_TRUE(DeleteFileA(folder.File("b.txt").c_str()));
        ASSERT_NE(OpenForReadWrite(file, folder.File("c.txt"), OPEN_ALWAYS), INVALID_HANDLE_VALUE);
    }
    EXPECT_TRUE(DeleteFileA(folder.File("c.txt").c_str()));

    folder.MakeFolder("memo");
    folder.WriteFile("memo\\a.txt", "");
    {
        CFileFind find(folder.File("memo\\*").c_str());
        ASSERT_TRUE(find.IsValid());
        ASSERT_TRUE(find.FindFile(folder.File("memo\\a.txt").c_str()));
        EXPECT_FALSE(find.FindNextFile());
        EXPECT_FALSE(find.FindFile(folder.File("*.csv").c_str()));
        EXPECT_FALSE(find.FindNextFile());
        ASSERT_TRUE(find.FindFile(folder.File("memo").c_str()));
        EXPECT_EQ(find.IsDirectory(), 1);
    }
    EXPECT_TRUE(DeleteFileA(folder.File("memo\\a.txt").c_str()));
    EXPECT_TRUE(RemoveDirectoryA(folder.File("memo").c_str()));
}
