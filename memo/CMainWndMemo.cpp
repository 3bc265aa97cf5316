#include "mainwnd/CMainWnd.h"

#include <shellapi.h>

#include <cstring>

#include "app/CSystemData.h"
#include "framework/CFile.h"
#include "framework/CFileFind.h"
#include "memo/CMemoRecycler.h"

namespace {

constexpr const char* kMemoNameFormat = "%04d%02d%02d.txt";
// Every memo name of one month: the platform's '?' also matches nothing before the dot,
// so the names found are checked one by one.
constexpr const char* kMonthPatternFormat = "%04d%02d??.txt";
constexpr const char* kHelpName = "使い方.txt";
constexpr const char* kSeparator = "\\";

// Result codes: the platform's error values.
constexpr int kDone = ERROR_SUCCESS;
constexpr int kNotCreated = ERROR_INVALID_HANDLE;
constexpr int kFailed = ERROR_INVALID_DATA;

// The day of `first`'s month whose memo `name` is, or 0. Names are equal as the
// platform's file names are, without regard to case.
int MemoDayOf(const char* name, const CDate& first) {
    const int length = static_cast<int>(std::strlen(name));
    constexpr int kDayDigitsFromEnd = 6; // "DD.txt"
    if (length < kDayDigitsFromEnd) {
        return 0;
    }
    const char* digits = name + length - kDayDigitsFromEnd;
    if (digits[0] < '0' || digits[0] > '9' || digits[1] < '0' || digits[1] > '9') {
        return 0;
    }
    const int day = (digits[0] - '0') * 10 + (digits[1] - '0');
    if (day < 1 || day > first.GetDaysInMonth()) {
        return 0;
    }
    RVK::CString expected;
    expected.Format(kMemoNameFormat, first.GetYear(), first.GetMonth(), day);
    return _stricmp(name, expected) == 0 ? day : 0;
}

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
    const MemoDays days = ReadMemoDays(folder, first);
    m_memoMonths[month] = days;
    return days;
}

// One FindFirstFileA for the whole month: a search for an exact name that is missing
// reads the whole folder on some file systems, and a month has up to 31 of them.
CMainWnd::MemoDays CMainWnd::ReadMemoDays(const RVK::CString& folder, const CDate& first) {
    RVK::CString name;
    name.Format(kMonthPatternFormat, first.GetYear(), first.GetMonth());
    RVK::CFileFind find;
    MemoDays days = 0;
    for (bool found = find.FindFile(folder + kSeparator + name); found;
         found = find.FindNextFile()) {
        const int day = MemoDayOf(find.GetFileName(), first);
        if (day > 0) {
            days |= MemoDays{1} << day;
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
