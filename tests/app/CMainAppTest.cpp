#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/CMainApp.h"
#include "app/CSystemData.h"
#include "tests/support/TempDir.h"
#include "tests/support/TopWindows.h"

using RVK::CWinApp;

namespace {

constexpr UINT kCounted = WM_APP + 1;
int g_counted = 0;
int g_chars = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_counted += msg == kCounted;
    g_chars += msg == WM_CHAR;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A hidden top-level window that counts the messages the loop dispatches to it.
HWND CreateCountingWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CountingWindow";
    RegisterClassA(&wc);
    return CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

void ExpectErrorBox(const SeenBox& box, const char* text) {
    EXPECT_TRUE(box.found);
    EXPECT_EQ(box.caption, "エラー");
    EXPECT_EQ(box.text, text);
    EXPECT_FALSE(box.owned);
    EXPECT_TRUE(box.errorIcon);
}

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

TEST(CWinAppTest, TheLoopTranslatesAndDispatchesUntilTheQuitMessage) {
    CWinApp app;
    EXPECT_EQ(CWinApp::GetCurrentApp(), &app);
    HWND hwnd = CreateCountingWindow();
    ASSERT_NE(hwnd, nullptr);

    PostMessageA(hwnd, WM_KEYDOWN, 'A', 1);
    PostMessageA(hwnd, kCounted, 0, 0);
    PostQuitMessage(7);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(g_counted, 1);
    EXPECT_EQ(g_chars, 1) << "keys are translated into characters";
    DestroyWindow(hwnd);
}

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
    ExpectErrorBox(AnswerBoxDuring([&] { result = app.Run(); }),
                   "メインウィンドウの作成に失敗しました");
    EXPECT_EQ(result, -1);

    KillTimer(nullptr, timer);
    EXPECT_TRUE(CSystemData::DestroyInstance());
    UnregisterClassA(kMainWndClass, refusing.hInstance);
}

// Each cause of a program folder that cannot be used has its own start-up message.
TEST(CMainAppTest, AProgramFolderIsNamedInTheAnsiCodePageOrTheCauseIsGiven) {
    const char* problem = nullptr;
    EXPECT_EQ(std::string(CMainApp::FolderOfModule(L"C:\\予定\\Kalvo.exe", 15, problem)),
              "C:\\予定");
    EXPECT_TRUE(CMainApp::FolderOfModule(L"", 0, problem).IsEmpty());
    EXPECT_STREQ(problem, "実行ファイルのパスを取得できませんでした");
    EXPECT_TRUE(CMainApp::FolderOfModule(L"Kalvo.exe", 9, problem).IsEmpty());
    EXPECT_STREQ(problem, "実行ファイルのフォルダを特定できませんでした");
    // A folder that does not exist has no short name either.
    EXPECT_TRUE(CMainApp::FolderOfModule(L"C:\\M\u00fcller\\Kalvo.exe", 19, problem).IsEmpty());
    EXPECT_STREQ(problem,
                 "実行ファイルのパスに、この環境の文字コードで表せない文字が含まれています\n"
                 "英数字や日本語だけの名前のフォルダに移してから起動してください");
}
