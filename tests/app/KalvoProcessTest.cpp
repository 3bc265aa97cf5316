// Starts copies of the real Kalvo.exe as a user would and watches what it shows, what it
// writes to standard output and how it ends.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "framework/Utf16.h"
#include "tests/support/TempDir.h"
#include "tests/support/TopWindows.h"

namespace {

constexpr char kTraceLine[] = "フォルダ・ファイルが無かった\r\n";
constexpr char kPathTooLong[] = "実行ファイルのパスが長すぎます\n"
                                "短いパスのフォルダに移してから起動してください";
constexpr DWORD kTimeoutMs = 20000;
constexpr DWORD kPollMs = 100;
// UTF-16 units of the longest program folder accepted: its memo paths, the folder and
// "\\memo\\YYYYMMDD.txt", then take MAX_PATH - 1 units.
constexpr size_t kLongestFolder = MAX_PATH - 1 - 18;
// Each folder of a long test path stays far below the file systems' name limits.
constexpr size_t kFolderNameUnits = 60;

std::wstring Widen(const std::string& text) { return RVK::WidenFrom(CP_ACP, text.c_str()); }

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// One run of a copy of this build's Kalvo.exe at `exePath`, its standard output kept in
// a file.
class KalvoRun {
public:
    explicit KalvoRun(const std::string& exePath, DWORD creationFlags = 0)
        : KalvoRun(Widen(exePath), creationFlags) {}
    explicit KalvoRun(const std::wstring& exePath, DWORD creationFlags = 0) {
        std::string built = std::string("Z:") + KALVO_EXE;
        std::replace(built.begin(), built.end(), '/', '\\');
        EXPECT_TRUE(CopyFileW(Widen(built).c_str(), exePath.c_str(), FALSE)) << exePath;
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = CreateFileA(m_outputDir.File("stdout.txt").c_str(), GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        std::wstring commandLine = L"\"" + exePath + L"\"";
        EXPECT_TRUE(CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, TRUE,
                                   creationFlags, nullptr, nullptr, &startup, &m_process));
        CloseHandle(startup.hStdOutput);
    }
    KalvoRun(const KalvoRun&) = delete;
    KalvoRun& operator=(const KalvoRun&) = delete;
    ~KalvoRun() {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, kTimeoutMs);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }

    void Resume() { ResumeThread(m_process.hThread); }
    SeenBox AnswerBox() {
        return AnswerMessageBox(m_process.dwProcessId, kTimeoutMs, m_process.hProcess);
    }
    // The exit code, or STILL_ACTIVE when the process does not end in time.
    DWORD WaitForExit() {
        DWORD code = 0;
        WaitForSingleObject(m_process.hProcess, kTimeoutMs);
        GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }
    HWND MainWindow() {
        HWND hwnd = WaitForTopWindow(m_process.dwProcessId, "CWindow", "Kalvo３", kTimeoutMs,
                                     m_process.hProcess);
        EXPECT_NE(hwnd, nullptr) << "no main window";
        return hwnd;
    }
    // Closes the 400 by 400 main window as its close box does; the exit code.
    DWORD CloseMainWindow() {
        HWND hwnd = MainWindow();
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        EXPECT_EQ(rect.right - rect.left, 400);
        EXPECT_EQ(rect.bottom - rect.top, 400);
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return WaitForExit();
    }
    std::string Output() const { return m_outputDir.ReadFile("stdout.txt"); }

private:
    TempDir m_outputDir;
    PROCESS_INFORMATION m_process{};
};

// Icon handles do not cross processes under Wine: CMainAppTest checks the error icon.
void ExpectErrorBox(const SeenBox& box, const std::string& text) {
    ASSERT_TRUE(box.found) << "no message box";
    EXPECT_EQ(box.caption, "エラー");
    EXPECT_EQ(box.text, text);
    EXPECT_FALSE(box.owned);
}

// Makes folders of `letter` under `root` until the last one's path is `units` UTF-16
// units long, and answers it.
std::wstring MakeProgramFolder(const TempDir& root, size_t units, wchar_t letter) {
    std::wstring folder = Widen(root.Path());
    while (folder.size() < units) {
        const size_t room = std::min(kFolderNameUnits, units - folder.size() - 1);
        folder += L"\\" + std::wstring(room, letter);
        EXPECT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    }
    EXPECT_EQ(folder.size(), units);
    return folder;
}

// Polls the visible top-level windows of every process for a title containing `part`.
HWND WaitForTitleContaining(const std::string& part) {
    for (DWORD waited = 0; waited < kTimeoutMs; waited += kPollMs) {
        for (HWND hwnd = FindWindowExA(nullptr, nullptr, nullptr, nullptr); hwnd != nullptr;
             hwnd = FindWindowExA(nullptr, hwnd, nullptr, nullptr)) {
            char title[MAX_PATH] = {};
            GetWindowTextA(hwnd, title, sizeof title);
            if (IsWindowVisible(hwnd) && std::string(title).find(part) != std::string::npos) {
                return hwnd;
            }
        }
        Sleep(kPollMs);
    }
    return nullptr;
}

// Presses `key` in Kalvo's main window and closes the editor window that then shows
// `fileName`; whether it showed.
bool KeyOpensEditorOn(HWND mainWindow, WPARAM key, const std::string& fileName) {
    PostMessageA(mainWindow, WM_KEYDOWN, key, 0);
    HWND editor = WaitForTitleContaining(fileName);
    if (editor == nullptr) {
        return false;
    }
    PostMessageA(editor, WM_CLOSE, 0, 0);
    return true;
}

} // namespace

// Memos and the help file open in the editor the system associates with text files.
TEST(KalvoProcessTest, EnterOpensTodaysMemoAndF1TheHelpFileInTheEditor) {
    TempDir folder;
    folder.WriteFile("使い方.txt", "help");
    KalvoRun kalvo(folder.File("Kalvo.exe"));
    SYSTEMTIME today{};
    GetLocalTime(&today);
    char memo[16] = {};
    std::snprintf(memo, sizeof memo, "%04u%02u%02u.txt", today.wYear, today.wMonth, today.wDay);
    EXPECT_TRUE(KeyOpensEditorOn(kalvo.MainWindow(), VK_RETURN, memo)) << memo;
    EXPECT_TRUE(KeyOpensEditorOn(kalvo.MainWindow(), VK_F1, "使い方.txt"));
    EXPECT_EQ(kalvo.CloseMainWindow(), 0u);
}

// Nothing is saved at shutdown: the settings file stays as it was.
TEST(KalvoProcessTest, TheFirstRunMakesTheMemoFolderAndSaysSoAndClosingEndsWithZero) {
    TempDir folder;
    const std::string settings = "[COLOR_SETTING]\r\nCALENDAR_BACK_COLOR=112233\r\n";
    folder.WriteFile("Kalvo.ini", settings);
    KalvoRun first(folder.File("Kalvo.exe"));
    EXPECT_EQ(first.CloseMainWindow(), 0u);
    EXPECT_TRUE(IsFolder(folder.File("memo")));
    EXPECT_EQ(first.Output().rfind(kTraceLine, 0), 0u) << first.Output();

    KalvoRun second(folder.File("Kalvo2.exe"));
    EXPECT_EQ(second.CloseMainWindow(), 0u);
    EXPECT_EQ(second.Output().find(kTraceLine), std::string::npos);
    EXPECT_EQ(folder.ReadFile("Kalvo.ini"), settings);
}

TEST(KalvoProcessTest, APlainFileNamedMemoStopsStartUpWithOneBoxNamingIt) {
    TempDir folder;
    folder.WriteFile("memo", "not a folder");
    KalvoRun kalvo(folder.File("Kalvo.exe"));
    ExpectErrorBox(kalvo.AnswerBox(), "データフォルダと同名のファイルが存在します\n"
                                      "以下のファイルを削除またはリネームしてください\n" +
                                          folder.File("memo"));
    // A second box or a main window would keep the process running.
    EXPECT_EQ(kalvo.WaitForExit(), 0u);
    EXPECT_EQ(folder.ReadFile("memo"), "not a folder");
    EXPECT_EQ(kalvo.Output(), "");
}

// As root nothing is read-only to Wine, so the program's folder is moved away before the
// suspended process starts: its memo folder then has no parent, and CreateDirectoryA
// fails as in a read-only folder. (Windows itself would refuse to move that folder.)
TEST(KalvoProcessTest, AMemoFolderThatCannotBeCreatedIsReported) {
    TempDir root;
    root.MakeFolder("app");
    KalvoRun kalvo(root.File("app\\Kalvo.exe"), CREATE_SUSPENDED);
    ASSERT_TRUE(MoveFileA(root.File("app").c_str(), root.File("moved").c_str()));
    kalvo.Resume();
    ExpectErrorBox(kalvo.AnswerBox(), "データフォルダの作成に失敗しました");
    EXPECT_EQ(kalvo.WaitForExit(), 0u);
    EXPECT_EQ(kalvo.Output(), kTraceLine);
    EXPECT_FALSE(IsFolder(root.File("app")));
}

// Paths are measured in UTF-16, as the platform measures them. 表 takes two bytes in
// Shift-JIS, the second of them the byte of the backslash: the memo folder must still
// land beside the program, not in a folder cut inside a name.
TEST(KalvoProcessTest, AFolderWhoseMemoPathsFitIsAcceptedAndALongerOneIsRefused) {
    TempDir root;
    const std::wstring fits = MakeProgramFolder(root, kLongestFolder, L'表');
    KalvoRun accepted(fits + L"\\Kalvo.exe");
    EXPECT_EQ(accepted.CloseMainWindow(), 0u);
    const DWORD memo = GetFileAttributesW((fits + L"\\memo").c_str());
    EXPECT_TRUE(memo != INVALID_FILE_ATTRIBUTES && (memo & FILE_ATTRIBUTE_DIRECTORY));

    TempDir other;
    const std::wstring tooLong = MakeProgramFolder(other, kLongestFolder + 1, L'a');
    KalvoRun refused(tooLong + L"\\Kalvo.exe");
    ExpectErrorBox(refused.AnswerBox(), kPathTooLong);
    EXPECT_EQ(refused.WaitForExit(), 0u);
    EXPECT_EQ(refused.Output(), "");
    EXPECT_EQ(GetFileAttributesW((tooLong + L"\\memo").c_str()), INVALID_FILE_ATTRIBUTES);
}

// GetModuleFileNameA answers '?' for the ü, a wildcard: the program must run from the
// folder's short name and keep its memos in that very folder.
TEST(KalvoProcessTest, AFolderNameTheCodePageCannotSpellIsUsedByItsShortName) {
    TempDir root;
    const std::wstring folder = Widen(root.Path()) + L"\\M\u00fcller";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    KalvoRun kalvo(folder + L"\\Kalvo.exe");
    EXPECT_EQ(kalvo.CloseMainWindow(), 0u);
    const DWORD memo = GetFileAttributesW((folder + L"\\memo").c_str());
    EXPECT_TRUE(memo != INVALID_FILE_ATTRIBUTES && (memo & FILE_ATTRIBUTE_DIRECTORY));
    // Under a name of its own spelling the folder can be cleared away.
    MoveFileW(folder.c_str(), Widen(root.File("cleared")).c_str());
}
