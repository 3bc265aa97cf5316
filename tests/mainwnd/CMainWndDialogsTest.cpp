#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/CSystemData.h"
#include "mainwnd/CMainWnd.h"
#include "tests/dialogs/MemoFolder.h"
#include "tests/dialogs/UiScript.h"

namespace {

constexpr char kDateCaption[] = "日付選択ダイアログ";
constexpr char kMemoListCaption[] = "メモ一覧ダイアログ";
constexpr char kColorCaption[] = "色の設定";
constexpr int kCmdColors = 1102;
constexpr int kCmdMemoList = 1202;
constexpr int kCmdSelectDate = 1212;
constexpr int kChooserRed = 706;
constexpr int kChooserGreen = 707;
constexpr int kChooserBlue = 708;

// The main window with its selected date open to the test.
class TestMainWnd : public CMainWnd {
public:
    CDate Selected() const { return m_date; }
    void Select(const CDate& date) { m_date = date; }
};

CDate MakeDate(int year, int month, int day) {
    CDate date;
    date.SetDate(year, month, day);
    return date;
}

// A key as the main window gets it, with Ctrl held or not.
void SendKey(HWND window, UINT key, bool ctrl) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageA(window, WM_KEYDOWN, key, 1);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

void SendCommand(HWND window, int id, HWND source) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(source));
}

class CMainWndDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        CSystemData* s = CSystemData::GetInstance();
        s->SetCalendarBackColor(RGB(200, 220, 240));
        s->SetSeldayBackColor(RGB(255, 255, 160));
        s->SetMemodayMarkColor(RGB(255, 128, 0));
        s->SetButtonBackColor(RGB(64, 64, 64));
        wnd.ReloadColors();
        ASSERT_NE(wnd.Create(0, 0, 400, 400, nullptr), nullptr);
        wnd.ShowWindow(SW_SHOWNORMAL);
        UpdateWindow(wnd.GetHandle());
    }

    HWND Main() { return wnd.GetHandle(); }

    // Runs `command` (which opens a modal dialog) while the script drives the dialog.
    void Run(UiScript& script, const std::function<void()>& command) {
        script.Start();
        command();
        EXPECT_TRUE(script.Finish()) << script.Error();
    }

    // Waits for the dialog with this caption, owned by the main window.
    void WaitForDialog(UiScript& script, const char* caption) {
        script.Then(std::string("dialog ") + caption,
                    [this, caption] { return (dialog = FindDialog(caption, Main())) != nullptr; });
    }

    MemoFolder memos;
    TestMainWnd wnd;
    HWND dialog = nullptr;
};

TEST_F(CMainWndDialogsTest, EveryWayInOpensItsDialog) {
    struct Way {
        const char* what;
        const char* caption;
        std::function<void()> act;
    };
    HWND main = Main();
    const Way ways[] = {
        {"button", kDateCaption,
         [main] { SendCommand(main, kCmdSelectDate, GetDlgItem(main, kCmdSelectDate)); }},
        {"menu", kDateCaption, [main] { SendCommand(main, kCmdSelectDate, nullptr); }},
        {"Ctrl+Enter", kDateCaption, [main] { SendKey(main, VK_RETURN, true); }},
        {"Ctrl+F", kDateCaption, [main] { SendKey(main, 'F', true); }},
        {"F3", kDateCaption, [main] { SendKey(main, VK_F3, false); }},
        {"title double click", kDateCaption,
         [main] { SendMessageA(main, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 55)); }},
        {"menu", kMemoListCaption, [main] { SendCommand(main, kCmdMemoList, nullptr); }},
        {"Ctrl+L", kMemoListCaption, [main] { SendKey(main, 'L', true); }},
        {"menu", kColorCaption, [main] { SendCommand(main, kCmdColors, nullptr); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(std::string(way.what) + " for " + way.caption);
        UiScript script;
        WaitForDialog(script, way.caption);
        script.Do("cancel", [this] { ClickButton(dialog, IDCANCEL); });
        script.Then("dialog ended", [this] { return !IsWindow(dialog); });
        Run(script, way.act);
    }
}

TEST_F(CMainWndDialogsTest, AConfirmedDateIsSelectedAndShown) {
    const CDate before = wnd.Selected();
    UiScript cancelled;
    WaitForDialog(cancelled, kDateCaption);
    cancelled.Do("type a date, then cancel", [this] {
        TypeText(GetDlgItem(dialog, 1001), "2012");
        ClickButton(dialog, IDCANCEL);
    });
    Run(cancelled, [this] { SendMessageA(Main(), WM_KEYDOWN, VK_F3, 1); });
    EXPECT_TRUE(wnd.Selected() == before);

    UiScript confirmed;
    WaitForDialog(confirmed, kDateCaption);
    confirmed.Do("enter the leap day", [this] {
        TypeText(GetDlgItem(dialog, 1001), "2012");
        TypeText(GetDlgItem(dialog, 1002), "2");
        TypeText(GetDlgItem(dialog, 1003), "29");
        ClickButton(dialog, IDOK);
    });
    Run(confirmed, [this] { SendCommand(Main(), kCmdSelectDate, nullptr); });
    EXPECT_TRUE(wnd.Selected() == MakeDate(2012, 2, 29));
    // February 2012 starts on a Wednesday: the 29th is in column 3 of row 4.
    EXPECT_EQ(PixelAt(Main(), 8 + 32 * 3 + 2, 104 + 32 * 4 + 2), RGB(255, 255, 160));

    UiScript reopened;
    WaitForDialog(reopened, kDateCaption);
    reopened.Do("opens on today again", [this] {
        SYSTEMTIME now;
        GetLocalTime(&now);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, 1001)), std::to_string(now.wYear));
        PressKey(VK_ESCAPE);
    });
    Run(reopened, [this] { SendCommand(Main(), kCmdSelectDate, nullptr); });
    EXPECT_TRUE(wnd.Selected() == MakeDate(2012, 2, 29));
}

// December 2013 starts on a Sunday: the 5th's memo mark is centred at (162, 110).
TEST_F(CMainWndDialogsTest, TheMemoListRefreshesTheMonthEvenWhenClosedByTheCloseBox) {
    memos.AddFile("20131205.txt");
    wnd.Select(MakeDate(2013, 12, 20));
    InvalidateRect(Main(), nullptr, TRUE);
    ASSERT_EQ(PixelAt(Main(), 162, 110), RGB(255, 128, 0));

    UiScript script;
    WaitForDialog(script, kMemoListCaption);
    script.Do("move the list off the month, check the memo, delete it", [this] {
        SetWindowPos(dialog, nullptr, 600, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        HWND list = FindWindowExA(dialog, nullptr, "SysListView32", nullptr);
        LVITEMA item = {};
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(2);
        SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
        ClickButton(dialog, 1203);
    });
    script.Do("close box", [this] {
        EXPECT_FALSE(memos.Exists("20131205.txt"));
        ValidateRect(Main(), nullptr);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    Run(script, [this] { SendCommand(Main(), kCmdMemoList, nullptr); });

    RECT pending = {};
    EXPECT_TRUE(GetUpdateRect(Main(), &pending, FALSE));
    EXPECT_TRUE(PtInRect(&pending, {162, 110}));
    EXPECT_EQ(PixelAt(Main(), 162, 110), RGB(200, 220, 240));
}

// OK recolours the panel, the background and the buttons at once; Cancel changes nothing.
TEST_F(CMainWndDialogsTest, ColoursApplyOnOkOnly) {
    const COLORREF panel = RGB(20, 120, 20);
    const COLORREF face = RGB(120, 0, 0);
    const std::string before = memos.Base().ReadFile("Kalvo.ini");
    auto choose = [this](UiScript& script, int button, COLORREF color) {
        script.Do("colour button", [this, button] { ClickButton(dialog, button); });
        script.Then("chooser", [this, color] {
            HWND chooser = FindOwnedDialog(dialog);
            if (chooser != nullptr) {
                SetDlgItemInt(chooser, kChooserRed, GetRValue(color), FALSE);
                SetDlgItemInt(chooser, kChooserGreen, GetGValue(color), FALSE);
                SetDlgItemInt(chooser, kChooserBlue, GetBValue(color), FALSE);
                ClickButton(chooser, IDOK);
            }
            return chooser != nullptr;
        });
        script.Then("chooser closed", [this] { return FindOwnedDialog(dialog) == nullptr; });
    };

    UiScript cancelled;
    WaitForDialog(cancelled, kColorCaption);
    choose(cancelled, 1202, panel);
    cancelled.Do("Cancel", [this] { ClickButton(dialog, IDCANCEL); });
    Run(cancelled, [this] { SendCommand(Main(), kCmdColors, nullptr); });
    EXPECT_EQ(memos.Base().ReadFile("Kalvo.ini"), before);
    EXPECT_EQ(PixelAt(Main(), 10, 34), RGB(200, 220, 240));

    UiScript confirmed;
    WaitForDialog(confirmed, kColorCaption);
    choose(confirmed, 1202, panel);
    choose(confirmed, 1211, face);
    confirmed.Do("OK", [this] { ClickButton(dialog, IDOK); });
    Run(confirmed, [this] { SendCommand(Main(), kCmdColors, nullptr); });
    EXPECT_EQ(CSystemData::GetInstance()->GetCalendarBackColor(), panel);
    EXPECT_EQ(PixelAt(Main(), 10, 34), panel) << "month panel";
    EXPECT_EQ(PixelAt(Main(), 300, 300), panel) << "window background";
    EXPECT_EQ(PixelAt(Main(), 252, 204), face) << "today button";
    EXPECT_EQ(PixelAt(Main(), 252, 76), face) << "previous year button";
}

} // namespace
