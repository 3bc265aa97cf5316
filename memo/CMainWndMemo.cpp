#include "mainwnd/CMainWnd.h"

#include <shellapi.h>

#include <string>

#include "app/CSystemData.h"
#include "framework/CFile.h"
#include "framework/CFileFind.h"

namespace {

constexpr const char* kMemoNameFormat = "%04d%02d%02d.txt";
constexpr const char* kHelpName = "使い方.txt";
constexpr const char* kSeparator = "\\";

// Result codes: the platform's error values.
constexpr int kDone = ERROR_SUCCESS;
constexpr int kNotCreated = ERROR_INVALID_HANDLE;
constexpr int kFailed = ERROR_INVALID_DATA;

} // namespace

RVK::CString CMainWnd::GetMemoPath(CDate date) {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return RVK::CString();
    }
    RVK::CString name;
    name.Format(kMemoNameFormat, date.GetYear(), date.GetMonth(), date.GetDay());
    return settings->GetMemoDir() + kSeparator + name;
}

RVK::CString CMainWnd::GetHelpPath() {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return RVK::CString();
    }
    return settings->GetBaseDir() + kSeparator + kHelpName;
}

// A missing memo is created empty; OPEN_ALWAYS never truncates one that appeared since
// the search.
int CMainWnd::OpenMemo(CDate date) {
    const RVK::CString path = GetMemoPath(date);
    if (path.IsEmpty()) {
        return kFailed;
    }
    RVK::CFileFind find;
    if (!find.FindFile(path)) {
        RVK::CFile file;
        const HANDLE created = file.Open(path, 0, OPEN_ALWAYS, FILE_SHARE_READ, nullptr,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE || created == nullptr) {
            return kNotCreated;
        }
        OnCmdRefresh();
    }
    ShellOpen(path);
    return kDone;
}

// A deleted memo goes to the Recycle Bin, so that one stray key press cannot destroy a
// written memo for good. A folder of the memo's name is never removed.
int CMainWnd::DeleteMemo(CDate date) {
    const RVK::CString path = GetMemoPath(date);
    if (path.IsEmpty()) {
        return kFailed;
    }
    RVK::CFileFind find;
    if (!find.FindFile(path)) {
        return kDone;
    }
    if (find.IsDirectory() || MoveToRecycleBin(path) != 0) {
        return kFailed;
    }
    OnCmdRefresh();
    return kDone;
}

void CMainWnd::ShellOpen(const char* path) {
    ::ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

int CMainWnd::MoveToRecycleBin(const char* path) {
    // The source is a list of names, each ended by a NUL, and the list by one more.
    std::string from(path);
    from.push_back('\0');
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    const int result = ::SHFileOperationA(&operation);
    if (result == 0 && operation.fAnyOperationsAborted) {
        return ERROR_CANCELLED;
    }
    return result;
}
