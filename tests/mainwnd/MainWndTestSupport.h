#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "calendar/CDate.h"
#include "mainwnd/CMainWnd.h"
#include "tests/support/TempDir.h"

CDate MakeDate(int year, int month, int day);
// Shows a date as GoogleTest reports it: 2013-12-05.
void PrintTo(const CDate& date, std::ostream* out);

// The main window with a fixed "today", and with the shell's "open" recorded instead of
// starting an editor, unless a test asks for the real shell.
class TestMainWnd : public CMainWnd {
public:
    CDate& Selected() { return m_date; }
    HMENU ContextMenu() const { return m_menuContext.GetHandle(); }

    // Counts the dialog commands, which have no dialogs to show yet.
    int OnCmdColors() override;
    int OnCmdMemoList() override;
    bool SelectDateByDialog() override;

    CDate today = MakeDate(2013, 12, 27);
    bool useRealShell = false;
    std::vector<std::string> opened;
    int colorDialogs = 0;
    int memoListDialogs = 0;
    int dateDialogs = 0;

protected:
    CDate GetToday() override { return today; }
    void ShellOpen(const char* path) override;
};

// The colours a test writes to Kalvo.ini: each one distinct, so a pixel tells what
// painted it.
struct TestColors {
    static constexpr COLORREF kCalendarBack = RGB(0x10, 0x20, 0x30);
    static constexpr COLORREF kCalendarText = RGB(0xF0, 0xF0, 0xF0);
    static constexpr COLORREF kWeekdayText = RGB(0x00, 0xC0, 0x00);
    static constexpr COLORREF kSundayText = RGB(0xFF, 0x00, 0x00);
    static constexpr COLORREF kSatdayText = RGB(0x00, 0x00, 0xFF);
    static constexpr COLORREF kSeldayBack = RGB(0x40, 0x40, 0x80);
    static constexpr COLORREF kTodayEdge = RGB(0xFF, 0xFF, 0x40);
    static constexpr COLORREF kMemodayMark = RGB(0x00, 0xFF, 0xFF);
    static constexpr COLORREF kMemodayEdge = RGB(0x80, 0x80, 0x00);
    static constexpr COLORREF kButtonBack = RGB(0x60, 0x20, 0x20);
    static constexpr COLORREF kButtonText = RGB(0xE0, 0xE0, 0xA0);
};

// A settings store based in a fresh folder with its memo folder and test colours, and a
// shown main window on it.
class MainWndTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes and shows the window; the store must already be as the test wants it.
    void OpenWindow();
    void CloseWindow();
    HWND Window() const { return wnd->GetHandle(); }

    void WriteColor(const char* key, COLORREF color);
    std::string MemoFile(const std::string& name) const { return "memo\\" + name; }
    void WriteMemo(const std::string& name, const std::string& text = "");
    bool MemoExists(const std::string& name) const;

    // Selects a date and paints the window completely.
    void ShowDate(const CDate& date);
    void Repaint();
    void Pump();

    COLORREF Pixel(int x, int y) const;
    int CountPixels(const RECT& area, COLORREF color) const;

    // WM_KEYDOWN with the Control key set down (or up) in the thread's key state.
    LRESULT PressKey(WPARAM key, bool ctrl = false);
    LRESULT Click(UINT message, int x, int y, WPARAM keys = 0);
    LRESULT Wheel(short distance, WORD keys = 0);
    LRESULT Command(int id);

    // The update region's bounds, empty when nothing waits to be painted.
    RECT PendingPaint() const;
    void ForgetPendingPaint() const;
    bool QuitPosted();
    // Takes a memo of this test's folder out of the Recycle Bin and answers its content,
    // or "<none>" when it is not there.
    std::string TakeFromTrash(const std::string& name) const;

    TempDir folder;
    std::unique_ptr<TestMainWnd> wnd;
};

// Runs `action`; meanwhile, each time the thread's message loop (whatever modal loop
// runs) finds a visible window of `className`, hands it to `handle`.
void WhileShown(const char* className, const std::function<void(HWND)>& handle,
                const std::function<void()>& action);

// The texts of a window and of its static children, joined with newlines.
std::string TextsOf(HWND window);
