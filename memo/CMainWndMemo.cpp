#include "mainwnd/CMainWnd.h"

#include <shellapi.h>

#include "app/CSystemData.h"
#include "framework/CFile.h"
#include "framework/CFileFind.h"
#include "memo/CMemoRecycler.h"

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

// The Recycle Bin keeps a deleted memo, so that one stray key press cannot destroy a
// written memo for good.
int CMainWnd::DeleteMemo(CDate date) {
    const RVK::CString path = GetMemoPath(date);
    if (path.IsEmpty()) {
        return kFailed;
    }
    CMemoRecycler recycler(GetHandle());
    switch (recycler.Delete(path)) {
    case CMemoRecycler::Outcome::kMissing:
        return kDone;
    case CMemoRecycler::Outcome::kDeleted:
        OnCmdRefresh();
        return kDone;
    default:
        return kFailed;
    }
}

void CMainWnd::ShellOpen(const char* path) {
    ::ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
}
