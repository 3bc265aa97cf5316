#pragma once

#include <string>

#include "app/CWinApp.h"
#include "framework/CString.h"

// The program's application: creates the settings object, makes sure the memo folder
// exists beside the executable, runs the main window, and reports every failure of
// start-up and exit in a message box.
class CMainApp : public RVK::CWinApp {
    RVK_DECLARE_RUNTIME_CLASS()

    CMainApp();
    ~CMainApp() override;

    int InitInstance() override;
    int Run() override;
    int ExitInstance() override;

    // The folder of the running executable as the ANSI calls name it, without a trailing
    // backslash; empty when there is no such name.
    virtual RVK::CString GetModuleDir();

    // The folder of the executable whose full path GetModuleFileNameW answered (`length`
    // characters), spelt in `codePage`; when it cannot be spelt there, its short (8.3) name.
    // Only the folder is spelt: the executable's own name may hold any character. Empty,
    // with `problem` set to the start-up message naming the cause, when neither serves.
    static RVK::CString FolderOfModule(const wchar_t* path, DWORD length, UINT codePage,
                                       const char*& problem);

    // MessageBoxA without owner, with the error caption and icon: how start-up and exit
    // failures reach the user.
    static void ShowError(const char* text);

private:
    // True when the longest memo path in `memoDir` fits the platform's path limit.
    static bool MemoPathsFit(const std::wstring& memoDir);
    // True when the memo folder exists or was created; otherwise the failure was shown.
    static bool PrepareMemoDir(const RVK::CString& memoDir);
    // A diagnostic line on standard output, flushed at once.
    static void Trace(const char* line);

    // Why GetModuleDir answered nothing, as start-up tells the user.
    const char* m_moduleDirProblem;
};
