#include "tests/mainwnd/MainWndTestSupport.h"

#include <commctrl.h>

#include <string>

#include "app/CSystemData.h"

namespace {

// Three lines, the last two blank; characters Shift-JIS cannot spell among them.
const std::string kMemo = u8"買い物：髙﨑さんへ😀\r\n안녕하세요\n\n";
const std::wstring kDate27 = L"2013年12月27日（金）\r\n";
const std::wstring kTip27 = kDate27 + L"買い物：髙﨑さんへ😀\r\n안녕하세요";

class CMainWndTipTest : public MainWndTest {
protected:
    // The real cursor waits in the screen's far corner, off the window, where an earlier
    // test may have left it over a day.
    void SetUp() override {
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        MainWndTest::SetUp();
        ShowDate(MakeDate(2013, 12, 5));
    }
    // The centre of a day's cell in December 2013, which starts on a Sunday.
    static POINT CellOf(int day) { return {24 + 32 * ((day - 1) % 7), 120 + 32 * ((day - 1) / 7)}; }
    HWND Tip() const {
        HWND tip = nullptr;
        while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr &&
               GetWindow(tip, GW_OWNER) != Window()) {
        }
        return tip;
    }
    // The mouse comes to the point and the tooltip asks for its text, as before it shows.
    std::wstring AskTip(POINT at) {
        SendMessageA(Window(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        NMTTDISPINFOW info = {};
        info.hdr = {Tip(), 1, TTN_GETDISPINFOW};
        SendMessageW(Window(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&info));
        return info.lpszText != nullptr ? info.lpszText : L"<none>";
    }
    // Moves the real cursor to a client point, or to the far corner when there is none, and
    // waits up to 3 s for the tip to show or go.
    bool HoverUntil(const POINT* at, bool shown) {
        POINT screen = {GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
        if (at != nullptr) {
            screen = *at;
            ClientToScreen(Window(), &screen);
        }
        SetCursorPos(screen.x, screen.y);
        for (int i = 0; i < 150 && (IsWindowVisible(Tip()) != FALSE) != shown; ++i) {
            Sleep(20);
            Pump();
        }
        return (IsWindowVisible(Tip()) != FALSE) == shown;
    }
};

} // namespace

// A folder of a memo's name and a memo held open without sharing cannot be read. Every
// memo can be renamed or deleted right after its tip.
TEST_F(CMainWndTipTest, TheTipShowsTheDateTheHolidayAndTheMemoOrItsPlaceholder) {
    WriteMemo("20131227.txt", kMemo);
    WriteMemo("20131210.txt");
    folder.MakeFolder(MemoFile("20131211.txt"));
    WriteMemo("20131212.txt", "locked");
    const HANDLE held = CreateFileA(folder.File(MemoFile("20131212.txt")).c_str(), GENERIC_READ, 0,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(Tip(), nullptr) << "no tip before the mouse comes";
    const struct {
        const char* what;
        POINT at;
        std::wstring tip;
    } cases[] = {
        {"UTF-8 memo", CellOf(27), kTip27},
        {"empty memo", CellOf(10), L"2013年12月10日（火）\r\n（空のメモ）"},
        {"folder", CellOf(11), L"2013年12月11日（水）\r\n（読み取れません）"},
        {"locked", CellOf(12), L"2013年12月12日（木）\r\n（読み取れません）"},
        {"holiday not shown", CellOf(23), L""},
        {"plain day", CellOf(5), L""},
        {"no day", {120, 248}, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AskTip(c.at), c.tip) << c.what;
    }
    Command(MainWndLayout::kCmdShowHolidays);
    EXPECT_EQ(AskTip(CellOf(23)), L"2013年12月23日（月）\r\n天皇誕生日");
    CloseHandle(held);
    const std::wstring memos = CSystemData::GetInstance()->GetMemoDirW() + L"\\";
    EXPECT_TRUE(MoveFileW((memos + L"20131227.txt").c_str(), (memos + L"20131226.txt").c_str()));
    for (const wchar_t* name : {L"20131226.txt", L"20131210.txt", L"20131212.txt"}) {
        EXPECT_TRUE(DeleteFileW((memos + name).c_str()));
    }
}

TEST_F(CMainWndTipTest, AfterTheEditorSavesTheNextTipShowsTheNewText) {
    WriteMemo("20131227.txt", kMemo);
    EXPECT_EQ(AskTip(CellOf(27)), kTip27);
    WriteMemo("20131227.txt", "\xEF\xBB\xBFsaved\r\n");
    EXPECT_EQ(AskTip(CellOf(27)), kDate27 + L"saved");
}

// The real tooltip: it shows after the delay, its window text is the whole tip, it takes
// neither the focus nor the foreground, and it goes when the mouse goes to another cell or
// leaves the window.
TEST_F(CMainWndTipTest, RestingTheMouseShowsTheTipAndMovingOnHidesIt) {
    WriteMemo("20131227.txt", kMemo);
    Repaint();
    const POINT day27 = CellOf(27);
    const POINT day26 = CellOf(26);
    ASSERT_TRUE(HoverUntil(&day27, true));
    wchar_t text[256] = {};
    SendMessageW(Tip(), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(text, kTip27);
    EXPECT_EQ(GetForegroundWindow(), Window());
    EXPECT_EQ(GetFocus(), Window());
    EXPECT_TRUE(HoverUntil(&day26, false));
    EXPECT_TRUE(HoverUntil(&day27, true));
    EXPECT_TRUE(HoverUntil(nullptr, false));
}
