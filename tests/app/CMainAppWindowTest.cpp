#include <windows.h>

#include <gtest/gtest.h>

#include "app/CMainApp.h"
#include "app/CSystemData.h"
#include "tests/support/TempDir.h"
#include "tests/support/TopWindows.h"

namespace {

constexpr char kMainWndClass[] = "CWindow";
constexpr UINT kGiveUpMs = 5000;

// An application whose program folder is a test folder.
class FolderApp : public CMainApp {
public:
    explicit FolderApp(const TempDir& folder) : m_folder(folder.Path().c_str()) {}
    RVK::CString GetModuleDir() override { return m_folder; }

private:
    RVK::CString m_folder;
};

FolderApp* g_app = nullptr;

// Refuses every window of its class.
LRESULT CALLBACK RefusingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return msg == WM_NCCREATE ? FALSE : DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Ends a message loop that should never have been entered, so the test fails instead of
// hanging.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) { g_app->RequestQuit(); }

} // namespace

// The main window's class taken by one that refuses its windows: the window cannot be
// created, so start-up must stop instead of waiting for messages for ever.
TEST(CMainAppWindowTest, AMainWindowThatCannotBeCreatedStopsStartUp) {
    WNDCLASSA refusing{};
    refusing.lpfnWndProc = RefusingProc;
    refusing.hInstance = GetModuleHandleA(nullptr);
    refusing.lpszClassName = kMainWndClass;
    ASSERT_NE(RegisterClassA(&refusing), 0);
    TempDir folder;
    folder.MakeFolder("memo");
    FolderApp app(folder);
    g_app = &app;
    ASSERT_TRUE(CSystemData::CreateInstance());
    const UINT_PTR timer = SetTimer(nullptr, 0, kGiveUpMs, GiveUp);

    int result = 0;
    const SeenBox box = AnswerBoxDuring([&] { result = app.Run(); });
    EXPECT_TRUE(box.found);
    EXPECT_EQ(box.caption, "エラー");
    EXPECT_EQ(box.text, "メインウィンドウの作成に失敗しました");
    EXPECT_FALSE(box.owned);
    EXPECT_EQ(result, -1);

    KillTimer(nullptr, timer);
    EXPECT_TRUE(CSystemData::DestroyInstance());
    UnregisterClassA(kMainWndClass, refusing.hInstance);
}
