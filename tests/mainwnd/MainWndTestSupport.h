#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "mainwnd/CMainWnd.h"
#include "tests/calendar/DateTestSupport.h"
#include "tests/support/GdiCanvas.h"
#include "tests/support/TopWindows.h"
#include "tests/support/TempDir.h"

// The colours the tests store: each one distinct, so a pixel tells what painted it.
namespace TestColors {
constexpr COLORREF kCalendarBack = RGB(0x10, 0x20, 0x30);
constexpr COLORREF kCalendarText = RGB(0xF0, 0xF0, 0xF0);
constexpr COLORREF kWeekdayText = RGB(0x00, 0xC0, 0x00);
constexpr COLORREF kSundayText = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kSatdayText = RGB(0x00, 0x00, 0xFF);
constexpr COLORREF kSeldayBack = RGB(0x40, 0x40, 0x80);
constexpr COLORREF kTodayEdge = RGB(0xFF, 0xFF, 0x40);
constexpr COLORREF kMemodayMark = RGB(0x00, 0xFF, 0xFF);
constexpr COLORREF kMemodayEdge = RGB(0x80, 0x80, 0x00);
constexpr COLORREF kButtonBack = RGB(0x60, 0x20, 0x20);
constexpr COLORREF kButtonText = RGB(0xE0, 0xE0, 0xA0);
} // namespace TestColors

// The settings object, in a fresh folder with an empty memo folder and the test colours.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string MemoFile(const std::string& name) const { return "memo\\" + name; }
    void WriteMemo(const std::string& name, const std::string& text = "") const {
        folder.WriteFile(MemoFile(name), text);
    }
    bool MemoExists(const std::string& name) const;
    // Takes a memo out of the Recycle Bin; its content, or "<none>" when it is not there.
    std::string TakeFromTrash(const std::string& name) const;

    TempDir folder;
};

// A UTF-16 path in the ANSI code page, as the tests spell their folders.
std::string Narrow(const wchar_t* path);

// The main window with a fixed "today", the shell's "open" recorded instead of starting
// an editor, and the dialogs counted instead of shown unless a test asks for them.
class TestMainWnd : public CMainWnd {
public:
    enum Dialog { kDateDialog, kMemoListDialog, kColorDialog, kSearchDialog };

    CDate& Selected() { return m_date; }
    HMENU ContextMenu() const { return m_menuContext.GetHandle(); }
    void OpenForReal(const char* path) { CMainWnd::ShellOpen(path); }

    int OnCmdColors() override { return Counted(kColorDialog) ? CMainWnd::OnCmdColors() : 0; }
    int OnCmdMemoList() override {
        return Counted(kMemoListDialog) ? CMainWnd::OnCmdMemoList() : 0;
    }
    int OnCmdSearchMemo() override {
        return Counted(kSearchDialog) ? CMainWnd::OnCmdSearchMemo() : 0;
    }
    bool SelectDateByDialog() override {
        return !Counted(kDateDialog) || CMainWnd::SelectDateByDialog();
    }
    // Counts the dialog; whether to show it.
    bool Counted(Dialog dialog) {
        ++dialogs[dialog];
        return realDialogs;
    }

    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) override {
        timers[id] = elapse;
        return CMainWnd::SetTimer(id, elapse);
    }
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam) override {
        ++paints;
        return CMainWnd::OnPaint(wParam, lParam);
    }

    CDate today = MakeDate(2013, 12, 27);
    // The clock the midnight timer reads; the real one while it is zero.
    FILETIME now = {};
    bool realDialogs = false;
    std::array<int, 4> dialogs = {};
    std::vector<std::string> opened;
    // The span each timer was last set to, by id.
    std::map<UINT_PTR, UINT> timers;
    std::atomic<int> paints{0};

protected:
    CDate GetToday() override { return today; }
    FILETIME GetNow() override { return now.dwHighDateTime != 0 ? now : CMainWnd::GetNow(); }
    void ShellOpen(const char* path) override { opened.push_back(path); }
    void ShellOpenW(const wchar_t* path) override { opened.push_back(Narrow(path)); }
};

// A shown main window on the settings of SettingsTest.
class MainWndTest : public SettingsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new main window, shown, as at start-up; closing it posts the quit message, taken here.
    void OpenWindow();
    void CloseWindow();

    HWND Window() const { return wnd->GetHandle(); }
    // Selects a date and paints the window completely.
    void ShowDate(const CDate& date) {
        wnd->Selected() = date;
        Repaint();
    }
    void Repaint() {
        InvalidateRect(Window(), nullptr, TRUE);
        Pump();
    }
    void Pump();
    bool QuitPosted() {
        MSG msg;
        return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }
    COLORREF Pixel(int x, int y) const { return PixelAt(Window(), x, y); }
    int Count(const RECT& area, COLORREF color) const { return CountPixels(Window(), area, color); }

    // WM_KEYDOWN with the Control key set down (or up) in the thread's key state.
    LRESULT Key(WPARAM key, bool ctrl = false);
    LRESULT Click(UINT message, int x, int y) {
        return SendMessageA(Window(), message, 0, MAKELPARAM(x, y));
    }
    LRESULT Command(int id) { return SendMessageA(Window(), WM_COMMAND, id, 0); }
    // The update region's bounds, empty when nothing waits to be painted.
    RECT PendingPaint() const {
        RECT pending = {};
        GetUpdateRect(Window(), &pending, FALSE);
        return pending;
    }

    std::unique_ptr<TestMainWnd> wnd;
};
