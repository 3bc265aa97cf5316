#include "tests/mainwnd/MainWndTestSupport.h"

#include <string>

#include "app/CSystemData.h"

namespace {

const RECT kMonthArea = {0, 0, 232, 300};

class CMainWndMemoTest : public MainWndTest {
protected:
    void SetUp() override {
        MainWndTest::SetUp();
        OpenWindow();
    }
    std::string MemoPath(const CDate& date) {
        return static_cast<const char*>(wnd->GetMemoPath(date));
    }
    bool RepaintPending() const {
        const RECT pending = PendingPaint();
        return EqualRect(&pending, &kMonthArea) != FALSE;
    }
};

// A ".txt" association whose "open" copies the file it gets beside it, instead of
// starting an editor; the previous association is put back afterwards.
class CopyingTextAssociation {
public:
    explicit CopyingTextAssociation(const std::string& copy) {
        m_hadOld = ReadDefault(kExtensionKey, m_old);
        WriteDefault(kExtensionKey, kProgId);
        WriteDefault(kCommandKey,
                     "C:\\windows\\system32\\cmd.exe /c copy /y \"%1\" \"" + copy + "\"");
    }
    ~CopyingTextAssociation() {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProgIdKey);
        if (m_hadOld) {
            WriteDefault(kExtensionKey, m_old);
        } else {
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, kExtensionKey);
        }
    }
    CopyingTextAssociation(const CopyingTextAssociation&) = delete;
    CopyingTextAssociation& operator=(const CopyingTextAssociation&) = delete;

private:
    static constexpr const char* kExtensionKey = "Software\\Classes\\.txt";
    static constexpr const char* kProgId = "KalvoTest.MemoCopy";
    static constexpr const char* kProgIdKey = "Software\\Classes\\KalvoTest.MemoCopy";
    static constexpr const char* kCommandKey =
        "Software\\Classes\\KalvoTest.MemoCopy\\shell\\open\\command";

    static bool ReadDefault(const char* key, std::string& value) {
        char text[512] = {};
        LONG size = sizeof text;
        if (RegQueryValueA(HKEY_LOCAL_MACHINE, key, text, &size) != ERROR_SUCCESS) {
            return false;
        }
        value = text;
        return true;
    }
    static void WriteDefault(const char* key, const std::string& value) {
        RegSetValueA(HKEY_LOCAL_MACHINE, key, REG_SZ, value.c_str(),
                     static_cast<DWORD>(value.size()));
    }

    bool m_hadOld = false;
    std::string m_old;
};

} // namespace

TEST_F(CMainWndMemoTest, PathsAreBuiltFromTheFoldersAndTheDate) {
    EXPECT_EQ(MemoPath(MakeDate(2013, 12, 27)), folder.Path() + "\\memo\\20131227.txt");
    EXPECT_EQ(MemoPath(MakeDate(800, 3, 5)), folder.Path() + "\\memo\\08000305.txt");
    EXPECT_EQ(MemoPath(MakeDate(10000, 1, 1)), folder.Path() + "\\memo\\100000101.txt");
    EXPECT_EQ(std::string(wnd->GetHelpPath()), folder.Path() + "\\使い方.txt");
}

TEST_F(CMainWndMemoTest, OpeningCreatesAMissingMemoEmptyAndNeverTruncatesOne) {
    const CDate day = MakeDate(2013, 12, 27);
    ShowDate(MakeDate(2013, 12, 5));
    ForgetPendingPaint();
    EXPECT_EQ(wnd->OpenMemo(day), 0);
    EXPECT_TRUE(MemoExists("20131227.txt"));
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt")), "");
    EXPECT_TRUE(RepaintPending());
    Pump();
    EXPECT_EQ(Pixel(34 + 32 * 5, 110 + 32 * 3), TestColors::kMemodayMark);

    WriteMemo("20131227.txt", "written by the editor");
    EXPECT_EQ(wnd->OpenMemo(day), 0);
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt")), "written by the editor");
    EXPECT_FALSE(RepaintPending());
    ASSERT_EQ(wnd->opened.size(), 2u);
    EXPECT_EQ(wnd->opened[0], MemoPath(day));
    EXPECT_EQ(wnd->opened[1], MemoPath(day));
}

TEST_F(CMainWndMemoTest, AMemoThatCannotBeCreatedIsNotOpened) {
    ASSERT_TRUE(RemoveDirectoryA(folder.File("memo").c_str()));
    EXPECT_EQ(wnd->OpenMemo(MakeDate(2013, 12, 27)), 6);
    EXPECT_TRUE(wnd->opened.empty());
    EXPECT_FALSE(RepaintPending());
}

TEST_F(CMainWndMemoTest, WithoutSettingsThereAreNoPathsAndNothingIsTouched) {
    WriteMemo("20131227.txt", "kept");
    CSystemData::DestroyInstance();
    EXPECT_TRUE(wnd->GetMemoPath(MakeDate(2013, 12, 27)).IsEmpty());
    EXPECT_TRUE(wnd->GetHelpPath().IsEmpty());
    EXPECT_EQ(wnd->OpenMemo(MakeDate(2013, 12, 27)), 13);
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 27)), 13);
    EXPECT_EQ(wnd->OnCmdHelp(), 13);
    EXPECT_TRUE(wnd->opened.empty());
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt")), "kept");
}

TEST_F(CMainWndMemoTest, DeletingMovesTheMemoToTheRecycleBinAndRemovesItsMark) {
    WriteMemo("20131227.txt", "a written memo");
    ShowDate(MakeDate(2013, 12, 27));
    ForgetPendingPaint();
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 27)), 0);
    EXPECT_FALSE(MemoExists("20131227.txt"));
    EXPECT_TRUE(RepaintPending());
    Pump();
    EXPECT_NE(Pixel(34 + 32 * 5, 110 + 32 * 3), TestColors::kMemodayMark);
    EXPECT_EQ(TakeFromTrash("20131227.txt"), "a written memo");
}

TEST_F(CMainWndMemoTest, DeletingADayWithoutAMemoDoesNothing) {
    ForgetPendingPaint();
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 27)), 0);
    EXPECT_FALSE(RepaintPending());
}

TEST_F(CMainWndMemoTest, AFolderOfTheMemoNameIsNeverDeleted) {
    folder.MakeFolder(MemoFile("20131227.txt"));
    folder.WriteFile(MemoFile("20131227.txt\\inside.txt"), "inside");
    ForgetPendingPaint();
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 27)), 13);
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt\\inside.txt")), "inside");
    EXPECT_FALSE(RepaintPending());
}

TEST_F(CMainWndMemoTest, AMemoInUseStays) {
    WriteMemo("20131227.txt", "open in an editor");
    const HANDLE held = CreateFileA(folder.File(MemoFile("20131227.txt")).c_str(), GENERIC_READ, 0,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 27)), 13);
    CloseHandle(held);
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt")), "open in an editor");
}

// The real shell call, with an association that copies instead of starting an editor,
// so no program is left running.
TEST_F(CMainWndMemoTest, TheShellOpensTheMemoFile) {
    const std::string copy = folder.File("opened.txt");
    CopyingTextAssociation association(copy);
    WriteMemo("20131227.txt", "handed to the shell");
    wnd->useRealShell = true;
    EXPECT_EQ(wnd->OpenMemo(MakeDate(2013, 12, 27)), 0);
    for (int i = 0; i < 100 && folder.ReadFile("opened.txt").empty(); ++i) {
        Sleep(100);
    }
    EXPECT_EQ(folder.ReadFile("opened.txt"), "handed to the shell");
}
