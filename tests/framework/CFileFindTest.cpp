#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/CFileFind.h"
#include "tests/support/TempDir.h"

using RVK::CFileFind;

namespace {

std::set<std::string> ListFolder(const std::string& pattern) {
    std::set<std::string> names;
    CFileFind find;
    if (find.FindFile(pattern.c_str())) {
        do {
            names.insert(find.GetFileName());
        } while (find.FindNextFile());
    }
    return names;
}

} // namespace

TEST(CFileFindTest, ExactPathsTellFoldersFilesAndMissingEntriesApart) {
    TempDir folder;
    folder.MakeFolder("memo");
    folder.WriteFile("20131227.txt", "");

    CFileFind find;
    EXPECT_EQ(find.GetHandle(), nullptr);
    ASSERT_TRUE(find.FindFile(folder.File("memo").c_str()));
    EXPECT_TRUE(find.IsValid());
    EXPECT_EQ(find.IsDirectory(), 1);

    CFileFind file;
    ASSERT_TRUE(file.FindFile(folder.File("20131227.txt").c_str()));
    EXPECT_EQ(file.IsDirectory(), 0);
    EXPECT_STREQ(file.GetFileName(), "20131227.txt");

    CFileFind missing;
    EXPECT_FALSE(missing.FindFile(folder.File("20131228.txt").c_str()));
    EXPECT_EQ(missing.GetHandle(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(missing.IsValid());
    EXPECT_FALSE(missing.FindNextFile());
}

TEST(CFileFindTest, AWildcardListsEveryMatchingEntryOnce) {
    TempDir folder;
    for (const char* name : {"20131227.txt", "20140101.txt", "20000229.txt", "notes.doc"}) {
        folder.WriteFile(name, "x");
    }
    folder.MakeFolder("sub.txt");
    const std::set<std::string> expected = {"20131227.txt", "20140101.txt", "20000229.txt",
                                            "sub.txt"};
    EXPECT_EQ(ListFolder(folder.File("*.txt")), expected);
    EXPECT_TRUE(ListFolder(folder.File("*.csv")).empty());
}

TEST(CFileFindTest, ANewSearchClosesTheOneBefore) {
    TempDir folder;
    folder.MakeFolder("memo");
    folder.WriteFile("memo\\a.txt", "");
    {
        CFileFind find(folder.File("memo\\*").c_str());
        ASSERT_TRUE(find.IsValid());
        ASSERT_TRUE(find.FindFile(folder.File("memo\\a.txt").c_str()));
        EXPECT_STREQ(find.GetFileName(), "a.txt");
        EXPECT_FALSE(find.FindNextFile());
        EXPECT_FALSE(find.FindFile(nullptr));
    }
    // No search is left open on the folder once the object is gone.
    EXPECT_TRUE(DeleteFileA(folder.File("memo\\a.txt").c_str()));
    EXPECT_TRUE(RemoveDirectoryA(folder.File("memo").c_str()));
}

TEST(CFileFindTest, AttributeBitsAreReportedAsZeroOrOne) {
    TempDir folder;
    folder.WriteFile("hidden.txt", "");
    const std::string path = folder.File("hidden.txt");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    CFileFind hidden;
    ASSERT_TRUE(hidden.FindFile(path.c_str()));
    EXPECT_EQ(hidden.IsHidden(), 1);
    EXPECT_EQ(hidden.IsSystem(), 1);
    EXPECT_EQ(hidden.IsDirectory(), 0);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(CFileFindTest, JapaneseNamesAreFoundByTheirShiftJisPath) {
    TempDir folder;
    folder.WriteFile("使い方.txt", "");
    CFileFind find;
    ASSERT_TRUE(find.FindFile(folder.File("使い方.txt").c_str()));
    EXPECT_STREQ(find.GetFileName(), "\x8e\x67\x82\xa2\x95\xfb.txt");
}
