#include "app/CMainApp.h"

#include <windows.h>

#include <cstdio>

#include "app/CSystemData.h"
#include "framework/CFileFind.h"
#include "mainwnd/CMainWnd.h"

using RVK::CString;

namespace {

constexpr char kErrorCaption[] = "エラー";
constexpr UINT kErrorStyle = MB_ICONERROR;

constexpr char kInitFailed[] = "システムデータの初期化に失敗しました";
constexpr char kNoSystemData[] = "システムデータの取得に失敗しました";
constexpr char kExitFailed[] = "システムデータの開放に失敗しました";
constexpr char kModulePathTooLong[] = "実行ファイルのパスが長すぎます\n"
                                      "短いパスのフォルダに移してから起動してください";
constexpr char kMemoIsFileLine1[] = "データフォルダと同名のファイルが存在します\n";
constexpr char kMemoIsFileLine2[] = "以下のファイルを削除またはリネームしてください\n";
constexpr char kCreateFailed[] = "データフォルダの作成に失敗しました";
constexpr char kWindowFailed[] = "メインウィンドウの作成に失敗しました";
constexpr char kNoMemoDirTrace[] = "フォルダ・ファイルが無かった";

// The longest module path, terminator included, that the program accepts: the limit of
// the platform's ANSI path calls.
constexpr DWORD kMaxModulePath = MAX_PATH;
// GetModuleFileNameA may cut a double-byte path at a character boundary short of the
// buffer's end without reporting it, so it gets room beyond the limit and the length of
// what it wrote decides.
constexpr DWORD kModulePathRoom = 2 * kMaxModulePath;

// What Run answers when start-up stops; WinMain does not use it.
constexpr int kRunFailed = -1;

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CMainApp, RVK::CWinApp)

CMainApp::CMainApp() = default;

CMainApp::~CMainApp() = default;

int CMainApp::InitInstance() {
    if (!CSystemData::CreateInstance()) {
        ShowError(kInitFailed);
        return 0;
    }
    return CWinApp::InitInstance();
}

int CMainApp::Run() {
    CSystemData* data = CSystemData::GetInstance();
    if (data == nullptr) {
        ShowError(kNoSystemData);
        return kRunFailed;
    }
    // An empty folder would put the memo folder at the root of the current drive.
    const CString folder = GetModuleDir();
    if (folder.IsEmpty()) {
        ShowError(kModulePathTooLong);
        return kRunFailed;
    }
    data->SetBaseDir(folder);
    const CString memoDir = data->GetMemoDir();
    if (!PrepareMemoDir(memoDir)) {
        return kRunFailed;
    }
    CMainWnd wnd;
    // Without a window nothing could ever end the message loop: the process would stay
    // behind, unseen.
    if (wnd.Create(CW_USEDEFAULT, CW_USEDEFAULT, MainWndLayout::kWindowWidth,
                   MainWndLayout::kWindowHeight, nullptr) == nullptr) {
        ShowError(kWindowFailed);
        return kRunFailed;
    }
    wnd.ShowWindow(SW_SHOWNORMAL);
    return CWinApp::Run();
}

int CMainApp::ExitInstance() {
    if (!CSystemData::DestroyInstance()) {
        ShowError(kExitFailed);
        return 0;
    }
    return CWinApp::ExitInstance();
}

// GetModuleFileNameA of the process's own module.
CString CMainApp::GetModuleDir() {
    char path[kModulePathRoom] = {};
    const DWORD length = GetModuleFileNameA(GetModuleHandleA(nullptr), path, kModulePathRoom);
    if (length == 0 || length >= kMaxModulePath) {
        return CString();
    }
    return FolderOf(path);
}

// CharNextA steps over both bytes of a double-byte character.
CString CMainApp::FolderOf(const char* path) {
    const char* lastSeparator = nullptr;
    for (const char* p = path; *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\') {
            lastSeparator = p;
        }
    }
    if (lastSeparator == nullptr) {
        return CString();
    }
    return CString(path).Left(static_cast<int>(lastSeparator - path));
}

// FindFirstFileA on the folder's own path, then CreateDirectoryA when nothing is there.
bool CMainApp::PrepareMemoDir(const CString& memoDir) {
    RVK::CFileFind find;
    if (find.FindFile(memoDir)) {
        if (find.IsDirectory()) {
            return true;
        }
        ShowError(CString(kMemoIsFileLine1, kMemoIsFileLine2) + memoDir);
        return false;
    }
    Trace(kNoMemoDirTrace);
    if (!CreateDirectoryA(memoDir, nullptr)) {
        ShowError(kCreateFailed);
        return false;
    }
    return true;
}

void CMainApp::ShowError(const char* text) {
    MessageBoxA(nullptr, text, kErrorCaption, kErrorStyle);
}

void CMainApp::Trace(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}
