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

// Only the folder is spelt, in the code page given; each cause of a program folder that
// cannot be used has its own start-up message.
TEST(CMainAppTest, AProgramFolderIsSpeltInTheCodePageOrTheCauseIsGiven) {
    constexpr char kNoPath[] = "実行ファイルのパスを取得できませんでした";
    constexpr char kNoFolder[] = "実行ファイルのフォルダを特定できませんでした";
    constexpr char kUnspellable[] =
        "実行ファイルのパスに、この環境の文字コードで表せない文字が含まれています\n"
        "英数字や日本語だけの名前のフォルダに移してから起動してください";
    struct Row {
        const wchar_t* path;
        UINT codePage;
        const char* folder; // empty: refused with `problem`
        const char* problem;
    };
    const Row rows[] = {
        {L"C:\\予定\\Kalvo.exe", 932, "C:\\予定", nullptr},
        {L"C:\\予定\\Kalvo\U0001F600.exe", 932, "C:\\予定", nullptr},
        {L"E:\\Kalvo.exe", 932, "E:", nullptr},
        {L"C:\\M\u00fcller\\Kalvo.exe", CP_UTF8, "C:\\M\xC3\xBCller", nullptr},
        {L"", 932, "", kNoPath},
        {L"Kalvo.exe", 932, "", kNoFolder},
        // A folder that does not exist has no short name either.
        {L"C:\\M\u00fcller\\Kalvo.exe", 932, "", kUnspellable},
        {L"C:\\\xD800\\Kalvo.exe", CP_UTF8, "", kUnspellable},
    };
    for (const Row& row : rows) {
        const char* problem = nullptr;
        const RVK::CString folder = CMainApp::FolderOfModule(
            row.path, static_cast<DWORD>(wcslen(row.path)), row.codePage, problem);
        EXPECT_STREQ(folder, row.folder) << row.folder;
        if (row.problem != nullptr) {
            EXPECT_STREQ(problem, row.problem);
        }
    }
}
