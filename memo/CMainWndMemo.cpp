#include "mainwnd/CMainWnd.h"

#include <shellapi.h>

#include "app/CSystemData.h"
#include "framework/CFile.h"
#include "framework/CFileFindW.h"
#include "memo/CMemoName.h"
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

// Months read since the folder last changed are kept, for as long as the folder watch
// vouches for them; anything else is read now.
CMainWnd::MemoDays CMainWnd::FindMemoDays(const CDate& first) {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return 0;
    }
    const RVK::CString folder = settings->GetMemoDir();
    if (!m_memoWatch.IsUnchanged(folder)) {
        m_memoMonths.clear();
        m_memoWatch.Restart(folder, settings->GetBaseDir());
    }
    constexpr long long kMonthsPerYear = 12;
    const long long month = first.GetYear() * kMonthsPerYear + first.GetMonth() - 1;
    const auto known = m_memoMonths.find(month);
    if (known != m_memoMonths.end()) {
        return known->second;
    }
    const MemoDays days = ReadMemoDays(settings->GetMemoDirW(), first);
    m_memoMonths[month] = days;
    return days;
}

void CMainWnd::ForgetMemoMonths() { m_memoMonths.clear(); }

// One search for the whole month: a search for an exact name that is missing reads the
// whole folder on some file systems, and a month has up to 31 of them.
CMainWnd::MemoDays CMainWnd::ReadMemoDays(const std::wstring& folder, const CDate& first) {
    RVK::CFileFindW find;
    MemoDays days = 0;
    CDate day(first);
    for (bool found =
             find.FindFirstFileExW((folder + L"\\" + CMemoName::MonthPattern(first)).c_str());
         found; found = find.FindNextFileW()) {
        if (CMemoName::ToDate(find.GetFileName(), day) && day.GetYear() == first.GetYear() &&
            day.GetMonth() == first.GetMonth()) {
            days |= MemoDays{1} << day.GetDay();
        }
    }
    return days;
}

RVK::CString CMainWnd::GetMemoPath(CDate date) {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return RVK::CString();
    }
    RVK::CString name;
    name.Format(kMemoNameFormat, date.GetYear(), date.GetMonth(), date.GetDay());
    return settings->GetMemoDir() + kSeparator + name;
}

std::wstring CMainWnd::GetMemoPathW(CDate date) {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return std::wstring();
    }
    return settings->GetMemoDirW() + L"\\" + CMemoName::Of(date);
}

RVK::CString CMainWnd::GetHelpPath() {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return RVK::CString();
    }
    return settings->GetBaseDir() + kSeparator + kHelpName;
}

// A missing memo is created empty; OPEN_ALWAYS never truncates one that appeared since
// the search. The path goes to the file system and the shell in UTF-16, as it was made.
int CMainWnd::OpenMemo(CDate date) {
    const std::wstring path = GetMemoPathW(date);
    if (path.empty()) {
        return kFailed;
    }
    RVK::CFileFindW find;
    if (!find.FindFirstFileExW(path.c_str())) {
        RVK::CFile file;
        const HANDLE created = file.CreateFileW(path.c_str(), 0, FILE_SHARE_READ, nullptr,
                                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE || created == nullptr) {
            return kNotCreated;
        }
        ForgetMemoMonths();
        OnCmdRefresh();
    }
    ShellOpenW(path.c_str());
    return kDone;
}

// The Recycle Bin keeps a deleted memo, so that one stray key press cannot destroy a
// written memo for good.
int CMainWnd::DeleteMemo(CDate date) {
    const std::wstring path = GetMemoPathW(date);
    if (path.empty()) {
        return kFailed;
    }
    CMemoRecycler recycler(GetHandle());
    switch (recycler.Delete({path}).front()) {
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

void CMainWnd::ShellOpenW(const wchar_t* path) {
    ::ShellExecuteW(nullptr, L"open", path, nullptr, nullptr, SW_SHOWNORMAL);
}
