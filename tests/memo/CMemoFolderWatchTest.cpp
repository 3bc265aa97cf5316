#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "memo/CMemoFolderWatch.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kPolls = 50;
constexpr DWORD kPollMs = 100;

// A memo folder last changed long ago, and a watch on it. Each witness alone must tell
// of a change: the tests make the other one blind.
class CMemoFolderWatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.MakeFolder("memo");
        folder.MakeFolder("elsewhere");
        folder.SetWriteTime("memo", kWritten);
    }
    bool Unchanged() { return watch.IsUnchanged(memo.c_str()); }
    // Wine watches a subfolder of a watched folder only once it has been opened since the
    // watch started: each folder on the way down, the memo folder last, is opened.
    void Watch(const std::string& parent) {
        watch.Restart(memo.c_str(), parent.c_str());
        size_t end = 0;
        do {
            end = memo.find('\\', end + 1);
            CloseHandle(CreateFileA(memo.substr(0, end).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        } while (end != std::string::npos);
        EXPECT_TRUE(Unchanged());
    }
    // Adds a memo and puts the folder's time back; notifications may come late.
    bool ToldOfMemoAddedUnseen() {
        folder.WriteFile("memo\\20131227.txt", "");
        folder.SetWriteTime("memo", kWritten);
        for (int i = 0; i < kPolls && Unchanged(); ++i) {
            Sleep(kPollMs);
        }
        return !Unchanged();
    }

    static constexpr FILETIME kWritten = {0, 0x01CEEE00}; // early in 2014
    TempDir folder;
    const std::string memo = folder.File("memo");
    CMemoFolderWatch watch;
};

} // namespace

TEST_F(CMemoFolderWatchTest, TheNotificationAloneTellsOfAChange) {
    Watch(folder.Path());
    EXPECT_TRUE(ToldOfMemoAddedUnseen());
}

TEST_F(CMemoFolderWatchTest, TheWriteTimeAloneTellsOfAChange) {
    Watch(folder.File("elsewhere"));
    folder.WriteFile("memo\\20131227.txt", "");
    EXPECT_FALSE(Unchanged());
}

// Beside a program at a drive root, "E:" would name the drive's current folder, here an
// unrelated one.
TEST_F(CMemoFolderWatchTest, AtADriveRootTheWholeDriveIsWatched) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.File("elsewhere").c_str()));
    Watch(memo.substr(0, 2));
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(ToldOfMemoAddedUnseen());
}
