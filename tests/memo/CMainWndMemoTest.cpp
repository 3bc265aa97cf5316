#include "tests/mainwnd/MainWndTestSupport.h"

#include <functional>
#include <string>
#include <thread>
#include <tuple>

#include "app/CSystemData.h"
#include "app/CWinApp.h"
#include "tests/memo/NoRecycleBin.h"

namespace {

// The centre of the 27th's memo mark in December 2013.
constexpr POINT kMarkOf27th = {34 + 32 * 5, 110 + 32 * 3};

// Milliseconds from `start` until the 27th's mark is shown or gone as asked, up to 5 s. Only
// looks at the screen: no message reaches the window.
DWORD WaitForMark(HWND window, bool shown, DWORD start) {
    const HDC dc = GetDC(window);
    while ((GetPixel(dc, kMarkOf27th.x, kMarkOf27th.y) == TestColors::kMemodayMark) != shown &&
           GetTickCount() - start < 5000) {
        Sleep(5);
    }
    ReleaseDC(window, dc);
    return GetTickCount() - start;
}

class CMainWndMemoTest : public MainWndTest {
protected:
    std::string MemoPath(const CDate& date) {
        return static_cast<const char*>(wnd->GetMemoPath(date));
    }
    // Whether the month view, and only it, waits to be painted.
    bool RepaintPending() const {
        const RECT pending = PendingPaint();
        const RECT monthArea = {0, 0, 232, 300};
        return EqualRect(&pending, &monthArea) != FALSE;
    }
};

} // namespace

TEST_F(CMainWndMemoTest, PathsAreBuiltFromTheFoldersAndTheDate) {
    EXPECT_EQ(MemoPath(MakeDate(2013, 12, 27)), folder.Path() + "\\memo\\20131227.txt");
    EXPECT_EQ(MemoPath(MakeDate(800, 3, 5)), folder.Path() + "\\memo\\08000305.txt");
    EXPECT_EQ(MemoPath(MakeDate(10000, 1, 1)), folder.Path() + "\\memo\\100000101.txt");
}

TEST_F(CMainWndMemoTest, OpeningCreatesAMissingMemoEmptyAndNeverTruncatesOne) {
    const CDate day = MakeDate(2013, 12, 27);
    ShowDate(MakeDate(2013, 12, 5));
    EXPECT_EQ(wnd->OpenMemo(day), 0);
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt")), "");
    EXPECT_TRUE(MemoExists("20131227.txt"));
    EXPECT_TRUE(RepaintPending());
    EXPECT_EQ(Pixel(kMarkOf27th.x, kMarkOf27th.y), TestColors::kMemodayMark);

    WriteMemo("20131227.txt", "written by the editor");
    EXPECT_EQ(wnd->OpenMemo(day), 0);
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt")), "written by the editor");
    EXPECT_FALSE(RepaintPending());
    EXPECT_EQ(wnd->opened, (std::vector<std::string>{MemoPath(day), MemoPath(day)}));
}

TEST_F(CMainWndMemoTest, AMemoThatCannotBeCreatedIsNotOpened) {
    ASSERT_TRUE(RemoveDirectoryA(folder.File("memo").c_str()));
    EXPECT_EQ(wnd->OpenMemo(MakeDate(2013, 12, 27)), 6);
    EXPECT_TRUE(wnd->opened.empty());
    EXPECT_FALSE(RepaintPending());
}

TEST_F(CMainWndMemoTest, DeletingMovesTheMemoToTheRecycleBinAndRemovesItsMark) {
    ShowDate(MakeDate(2013, 12, 27));
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 27)), 0) << "no memo, nothing to do";
    EXPECT_FALSE(RepaintPending());

    WriteMemo("20131227.txt", "a written memo");
    Repaint();
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 27)), 0);
    EXPECT_FALSE(MemoExists("20131227.txt"));
    EXPECT_TRUE(RepaintPending());
    EXPECT_NE(Pixel(kMarkOf27th.x, kMarkOf27th.y), TestColors::kMemodayMark);
    EXPECT_EQ(TakeFromTrash("20131227.txt"), "a written memo");
}

// Without a Recycle Bin a memo is deleted for good only on the user's yes.
TEST_F(CMainWndMemoTest, WithoutARecycleBinOnlyTheUsersYesDeletesAMemo) {
    const NoRecycleBin noBin;
    WriteMemo("20131227.txt", "a written memo");
    const CDate day = MakeDate(2013, 12, 27);
    int result = 0;
    std::string question;
    UiScript declined;
    AnswerDeleteForGood(declined, Window(), IDNO, question).Run([&] {
        result = wnd->DeleteMemo(day);
    });
    EXPECT_EQ(result, 13);
    EXPECT_EQ(question, kDeleteForGoodQuestion);
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt")), "a written memo");
    UiScript agreed;
    AnswerDeleteForGood(agreed, Window(), IDYES, question).Run([&] {
        result = wnd->DeleteMemo(day);
    });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(MemoExists("20131227.txt"));
}

// A folder of the memo's name is never deleted, nor a memo another program holds open or
// the user made read-only.
TEST_F(CMainWndMemoTest, WhatCannotBeDeletedStays) {
    folder.MakeFolder(MemoFile("20131227.txt"));
    folder.WriteFile(MemoFile("20131227.txt\\inside.txt"), "inside");
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 27)), 13);
    EXPECT_EQ(folder.ReadFile(MemoFile("20131227.txt\\inside.txt")), "inside");
    EXPECT_FALSE(RepaintPending());

    WriteMemo("20131228.txt", "open in an editor");
    const HANDLE held = CreateFileA(folder.File(MemoFile("20131228.txt")).c_str(), GENERIC_READ, 0,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 28)), 13);
    CloseHandle(held);
    EXPECT_EQ(folder.ReadFile(MemoFile("20131228.txt")), "open in an editor");

    WriteMemo("20131229.txt", "protected");
    const std::string readOnly = folder.File(MemoFile("20131229.txt"));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(wnd->DeleteMemo(MakeDate(2013, 12, 29)), 13);
    EXPECT_EQ(folder.ReadFile(MemoFile("20131229.txt")), "protected");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The shell's "open" of a batch file runs it, as it starts an editor for a memo.
TEST_F(CMainWndMemoTest, TheShellOpensTheFileItIsGiven) {
    folder.WriteFile("open.bat", "@echo opened> \"" + folder.File("opened.txt") + "\"\r\n");
    wnd->OpenForReal(folder.File("open.bat").c_str());
    // cmd makes the file before it writes the line.
    const std::string expected = "opened\r\n";
    for (int i = 0; i < 100 && folder.ReadFile("opened.txt") != expected; ++i) {
        Sleep(100);
    }
    EXPECT_EQ(folder.ReadFile("opened.txt"), expected);
}

// In Shift-JIS "²" reads as "2" and "¥" as "\": such names are no memos, and opening the
// 27th makes its own.
TEST_F(CMainWndMemoTest, LookAlikeNamesMarkNothingAndOpeningMakesTheDaysOwnMemo) {
    const std::wstring memoDir = CSystemData::GetInstance()->GetMemoDirW() + L"\\";
    const std::wstring lookAlikes[] = {memoDir + L"201312\u00b27.txt", memoDir + L"..\u00a5x.txt"};
    for (const std::wstring& name : lookAlikes) {
        CloseHandle(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }
    ShowDate(MakeDate(2013, 12, 5));
    EXPECT_NE(Pixel(kMarkOf27th.x, kMarkOf27th.y), TestColors::kMemodayMark);

    const CDate day = MakeDate(2013, 12, 27);
    EXPECT_EQ(wnd->OpenMemo(day), 0);
    EXPECT_TRUE(MemoExists("20131227.txt"));
    EXPECT_EQ(wnd->opened, std::vector<std::string>{MemoPath(day)});
    Pump();
    EXPECT_EQ(Pixel(kMarkOf27th.x, kMarkOf27th.y), TestColors::kMemodayMark);
}

// The program's folder replaced by a copy with the same times, as a restore does: the
// folder watch still watches the old one, so only 更新 and Kalvo's own creates read the
// new one. Moving the date keeps what was read.
TEST_F(CMainWndMemoTest, RefreshAndOwnCreatesReadTheFolderAnewAndMovesDoNot) {
    const std::string root = folder.Path();
    const FILETIME longAgo = {0, 0x01CEEE00}; // early in 2014
    folder.SetWriteTime("memo", longAgo);
    ShowDate(MakeDate(2013, 12, 5));
    ASSERT_TRUE(MoveFileA(root.c_str(), (root + "-old").c_str()));
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    folder.MakeFolder("memo");
    ASSERT_TRUE(MoveFileA((root + "-old").c_str(), folder.File("old").c_str()));
    const auto changeUnseen = [&](auto change) {
        change();
        folder.SetWriteTime("memo", longAgo);
    };
    const auto marked = [&] {
        return Pixel(kMarkOf27th.x, kMarkOf27th.y) == TestColors::kMemodayMark;
    };

    changeUnseen([&] { WriteMemo("20131227.txt"); });
    Repaint();
    ASSERT_FALSE(marked()) << "the watch must not see the new folder";
    Key(VK_F5);
    Pump();
    EXPECT_TRUE(marked());

    changeUnseen([&] { DeleteFileA(folder.File(MemoFile("20131227.txt")).c_str()); });
    Key(VK_RIGHT);
    Pump();
    EXPECT_TRUE(marked()) << "a move keeps the month read";
    Command(MainWndLayout::kCmdRefresh);
    Pump();
    EXPECT_FALSE(marked());

    changeUnseen([&] { WriteMemo("20131227.txt"); });
    changeUnseen([&] { wnd->OpenMemo(MakeDate(2013, 12, 28)); });
    Pump();
    EXPECT_TRUE(marked());
}

// Another program makes a memo, then 200 more while removing the first, as the loop runs
// untouched. A mark must show or go within 0.5 s (four times that on a loaded machine); a
// burst costs one repaint at its start, at most one per 100 ms, and one at its end.
TEST_F(CMainWndMemoTest, MarksFollowTheFolderWithoutInputAndABurstCostsFewRepaints) {
    ShowDate(MakeDate(2013, 12, 5));
    DWORD latency[2] = {}, burstMs = 0;
    int burstPaints = 0;
    std::thread outsider([&, loopThread = GetCurrentThreadId()] {
        Sleep(300);
        DWORD start = GetTickCount();
        WriteMemo("20131227.txt");
        latency[0] = WaitForMark(Window(), true, start);
        const int paintsBefore = wnd->paints;
        const DWORD burstStart = GetTickCount();
        for (int i = 0; i < 200; ++i) {
            WriteMemo("2012" + std::to_string(1001 + i) + ".txt");
        }
        start = GetTickCount();
        DeleteFileA(folder.File(MemoFile("20131227.txt")).c_str());
        latency[1] = WaitForMark(Window(), false, start);
        Sleep(300);
        burstMs = GetTickCount() - burstStart;
        burstPaints = wnd->paints - paintsBefore;
        PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
    });
    RVK::CWinApp loop;
    loop.SetWaitable(wnd.get());
    loop.Run();
    outsider.join();
    EXPECT_LT(latency[0], 2000u);
    EXPECT_LT(latency[1], 2000u);
    EXPECT_LE(burstPaints, 3 + static_cast<int>(burstMs / 100)) << burstMs << " ms";
}

// "," and "." with or without Ctrl, and 表示's 前のメモへ and 次のメモへ, select the nearest
// memo's day, across months and an empty year, and repaint; with no memo that way nothing
// changes.
TEST_F(CMainWndMemoTest, TheMemoJumpsSelectTheNearestDayWithAMemo) {
    using namespace MainWndLayout;
    const HMENU view = GetSubMenu(GetMenu(Window()), 2);
    for (const auto& [pos, text, id] :
         {std::tuple{7, "前のメモへ", kCmdPrevMemo}, std::tuple{8, "次のメモへ", kCmdNextMemo}}) {
        char shown[32] = {};
        GetMenuStringA(view, pos, shown, sizeof shown, MF_BYPOSITION);
        EXPECT_STREQ(shown, text);
        EXPECT_EQ(GetMenuItemID(view, pos), static_cast<UINT>(id));
    }
    for (const char* name : {"20131130.txt", "20131227.txt", "20150601.txt"}) {
        WriteMemo(name);
    }
    ShowDate(MakeDate(2013, 12, 5));
    const std::pair<std::function<void()>, CDate> jumps[] = {
        {[&] { Key(VK_OEM_PERIOD); }, MakeDate(2013, 12, 27)},
        {[&] { Key(VK_OEM_PERIOD, true); }, MakeDate(2015, 6, 1)},
        {[&] { Command(kCmdNextMemo); }, MakeDate(2015, 6, 1)},
        {[&] { Key(VK_OEM_COMMA, true); }, MakeDate(2013, 12, 27)},
        {[&] { Command(kCmdPrevMemo); }, MakeDate(2013, 11, 30)},
        {[&] { Key(VK_OEM_COMMA); }, MakeDate(2013, 11, 30)},
    };
    for (const auto& [jump, to] : jumps) {
        const CDate from = wnd->Selected();
        ValidateRect(Window(), nullptr);
        jump();
        EXPECT_EQ(wnd->Selected(), to);
        EXPECT_EQ(RepaintPending(), from != to) << from << " to " << to;
    }
}

// The walk ahead of the jumps gives way to a dialog of the window, which reads the folder
// itself, and begins again once the dialog has ended.
TEST_F(CMainWndMemoTest, TheWalkAheadWaitsForADialogToEnd) {
    using namespace MainWndLayout;
    WriteMemo("20131227.txt");
    folder.SetWriteTime("memo", {0, 0x01CEEE00}); // long ago: the watch vouches at once
    ShowDate(MakeDate(2013, 12, 5));
    EnableWindow(Window(), FALSE);
    wnd->timers.clear();
    SendMessageA(Window(), WM_TIMER, kMemoWalkTimer, 0);
    EXPECT_TRUE(wnd->timers.empty());
    EnableWindow(Window(), TRUE);
    EXPECT_EQ(wnd->timers[kMemoWalkTimer], kMemoWalkDelay);
}
