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
    EXPECT_FALSE(find.IsValid());

    ASSERT_TRUE(find.FindFile(folder.File("memo").c_str()));
    EXPECT_TRUE(find.IsValid());
    EXPECT_EQ(find.IsDirectory(), 1);
    EXPECT_STREQ(find.GetFileName(), "memo");

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

TEST(CFileFindTest, AnEmptyFolderStillListsItsDotEntries) {
    TempDir folder;
    const std::set<std::string> expected = {".", ".."};
    EXPECT_EQ(ListFolder(folder.File("*")), expected);
}

TEST(CFileFindTest, ASecondSearchOnTheSameObjectReplacesTheFirst) {
    TempDir folder;
    folder.WriteFile("a.txt", "");
    folder.WriteFile("b.txt", "");

    CFileFind find;
    ASSERT_TRUE(find.FindFile(folder.File("*.txt").c_str()));
    ASSERT_TRUE(find.FindFile(folder.File("b.txt").c_str()));
    EXPECT_STREQ(find.GetFileName(), "b.txt");
    EXPECT_FALSE(find.FindNextFile());
    EXPECT_FALSE(find.FindFile(folder.File("c.txt").c_str()));
    EXPECT_FALSE(find.IsValid());
}

TEST(CFileFindTest, ConstructingWithAPatternStartsTheSearch) {
    TempDir folder;
    folder.WriteFile("a.txt", "");
    const CFileFind found(folder.File("a.txt").c_str());
    EXPECT_TRUE(found.IsValid());
    EXPECT_STREQ(found.GetFileName(), "a.txt");

    const CFileFind missing(folder.File("b.txt").c_str());
    EXPECT_EQ(missing.GetHandle(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CFileFind().FindFile(nullptr));
}

TEST(CFileFindTest, AttributeBitsAreReportedAsZeroOrOne) {
    TempDir folder;
    folder.WriteFile("plain.txt", "");
    folder.WriteFile("hidden.txt", "");
    ASSERT_TRUE(SetFileAttributesA(folder.File("hidden.txt").c_str(),
                                   FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

    CFileFind plain;
    ASSERT_TRUE(plain.FindFile(folder.File("plain.txt").c_str()));
    EXPECT_EQ(plain.IsHidden(), 0);
    EXPECT_EQ(plain.IsSystem(), 0);

    CFileFind hidden;
    ASSERT_TRUE(hidden.FindFile(folder.File("hidden.txt").c_str()));
    EXPECT_EQ(hidden.IsHidden(), 1);
    EXPECT_EQ(hidden.IsSystem(), 1);
    EXPECT_EQ(hidden.IsDirectory(), 0);
    EXPECT_NE(hidden.GetAttributes() & FILE_ATTRIBUTE_HIDDEN, 0u);
    SetFileAttributesA(folder.File("hidden.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(CFileFindTest, JapaneseNamesAreFoundByTheirShiftJisPath) {
    TempDir folder;
    folder.WriteFile("使い方.txt", "");
    CFileFind find;
    ASSERT_TRUE(find.FindFile(folder.File("使い方.txt").c_str()));
    EXPECT_STREQ(find.GetFileName(), "\x8e\x67\x82\xa2\x95\xfb.txt");
}

TEST(CFileFindTest, ClosingTheSearchReleasesTheFolder) {
    TempDir folder;
    folder.MakeFolder("memo");
    {
        CFileFind find;
        ASSERT_TRUE(find.FindFile(folder.File("memo\\*").c_str()));
    }
    EXPECT_TRUE(RemoveDirectoryA(folder.File("memo").c_str()));
}
