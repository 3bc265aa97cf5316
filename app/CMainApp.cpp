#include "app/CMainApp.h"

#include <windows.h>

#include <cstdio>
#include <string>

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
constexpr char kNoModulePath[] = "実行ファイルのパスを取得できませんでした";
constexpr char kNoModuleFolder[] = "実行ファイルのフォルダを特定できませんでした";
constexpr char kModulePathTooLong[] = "実行ファイルのパスが長すぎます\n"
                                      "短いパスのフォルダに移してから起動してください";
constexpr char kUnspellablePath[] =
    "実行ファイルのパスに、この環境の文字コードで表せない文字が含まれています\n"
    "英数字や日本語だけの名前のフォルダに移してから起動してください";
constexpr char kMemoIsFileLine1[] = "データフォルダと同名のファイルが存在します\n";
constexpr char kMemoIsFileLine2[] = "以下のファイルを削除またはリネームしてください\n";
constexpr char kCreateFailed[] = "データフォルダの作成に失敗しました";
constexpr char kWindowFailed[] = "メインウィンドウの作成に失敗しました";
constexpr char kNoMemoDirTrace[] = "フォルダ・ファイルが無かった";

// Characters for GetModuleFileNameW: a path that fills them is far beyond the limit.
constexpr DWORD kModulePathRoom = 2 * MAX_PATH;
// UTF-16 units of the longest memo name, "YYYYMMDD.txt", and of the separator before it.
constexpr size_t kMemoNameLength = 12;
constexpr size_t kSeparatorLength = 1;
// The longest path the platform's path calls take, in UTF-16 units without the terminator.
constexpr size_t kLongestPath = MAX_PATH - 1;

// What Run answers when start-up stops; WinMain does not use it.
constexpr int kRunFailed = -1;

// WideCharToMultiByte without best fit: a character the code page lacks must neither
// become '?', a wildcard, nor a look-alike that names another folder. UTF-8 spells every
// character, and there the best-fit flags are invalid: only broken UTF-16 is refused.
bool SpellIn(UINT codePage, const wchar_t* wide, std::string& spelt) {
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int size =
        WideCharToMultiByte(codePage, flags, wide, -1, nullptr, 0, nullptr, usedDefaultOut);
    if (size <= 0 || usedDefault) {
        return false;
    }
    spelt.assign(size, '\0');
    WideCharToMultiByte(codePage, flags, wide, -1, &spelt[0], size, nullptr, nullptr);
    spelt.resize(size - 1);
    return true;
}

// GetShortPathNameW into `shortPath`, which holds kModulePathRoom characters: false where
// the file system keeps no short name.
bool ShortPathOf(const wchar_t* path, wchar_t* shortPath) {
    const DWORD length = GetShortPathNameW(path, shortPath, kModulePathRoom);
    return length > 0 && length < kModulePathRoom;
}

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CMainApp, RVK::CWinApp)

CMainApp::CMainApp() : m_moduleDirProblem(kNoModulePath) {}

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
        ShowError(m_moduleDirProblem);
        return kRunFailed;
    }
    data->SetBaseDir(folder);
    if (!MemoPathsFit(data->GetMemoDirW())) {
        ShowError(kModulePathTooLong);
        return kRunFailed;
    }
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
    // The loop wakes the window when the memo folder changes.
    SetWaitable(&wnd);
    const int result = CWinApp::Run();
    SetWaitable(nullptr);
    return result;
}

int CMainApp::ExitInstance() {
    if (!CSystemData::DestroyInstance()) {
        ShowError(kExitFailed);
        return 0;
    }
    return CWinApp::ExitInstance();
}

// GetModuleFileNameW of the process's own module: GetModuleFileNameA would answer '?' for
// a character the ANSI code page cannot spell.
CString CMainApp::GetModuleDir() {
    wchar_t path[kModulePathRoom] = {};
    const DWORD length = GetModuleFileNameW(GetModuleHandleA(nullptr), path, kModulePathRoom);
    return FolderOfModule(path, length, GetACP(), m_moduleDirProblem);
}

CString CMainApp::FolderOfModule(const wchar_t* path, DWORD length, UINT codePage,
                                 const char*& problem) {
    if (length == 0) {
        problem = kNoModulePath;
        return CString();
    }
    if (length >= kModulePathRoom) {
        problem = kModulePathTooLong;
        return CString();
    }
    const std::wstring module(path, length);
    const size_t separator = module.rfind(L'\\');
    if (separator == std::wstring::npos || separator == 0) {
        problem = kNoModuleFolder;
        return CString();
    }
    const std::wstring folder = module.substr(0, separator);
    std::string spelt;
    if (!SpellIn(codePage, folder.c_str(), spelt)) {
        wchar_t shortFolder[kModulePathRoom] = {};
        if (!ShortPathOf(folder.c_str(), shortFolder) || !SpellIn(codePage, shortFolder, spelt)) {
            problem = kUnspellablePath;
            return CString();
        }
    }
    return CString(spelt.c_str());
}

// Measured in UTF-16, as the platform measures paths: a Shift-JIS byte count says
// nothing about whether a path fits.
bool CMainApp::MemoPathsFit(const std::wstring& memoDir) {
    return memoDir.size() + kSeparatorLength + kMemoNameLength <= kLongestPath;
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
