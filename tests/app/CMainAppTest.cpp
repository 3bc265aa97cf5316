#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/CMainApp.h"
#include "app/CSystemData.h"
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

} // namespace

TEST(CWinAppTest, TheLoopDispatchesUntilTheQuitMessageAndStopsAtOnceOnTheQuitFlag) {
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

    app.RequestQuit();
    PostMessageA(hwnd, kCounted, 0, 0);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(g_counted, 1) << "the message that met the quit flag was not dispatched";
    DestroyWindow(hwnd);
}

TEST(CMainAppTest, FailuresOfTheSettingsObjectAreShownInOwnerlessErrorBoxes) {
    CMainApp app;
    int result = 1;
    ASSERT_TRUE(CSystemData::CreateInstance());
    ExpectErrorBox(AnswerBoxDuring([&] { result = app.InitInstance(); }),
                   "システムデータの初期化に失敗しました");
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(CSystemData::DestroyInstance());

    ExpectErrorBox(AnswerBoxDuring([&] { result = app.Run(); }),
                   "システムデータの取得に失敗しました");
    EXPECT_EQ(result, -1);
    ExpectErrorBox(AnswerBoxDuring([&] { result = app.ExitInstance(); }),
                   "システムデータの開放に失敗しました");
    EXPECT_EQ(result, 0);
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
