#include "mainwnd/CMainWnd.h"

#include <shellapi.h>

#include "app/CSystemData.h"
#include "framework/CFile.h"
#include "framework/CFileFindW.h"
#include "memo/CMemoName.h"
#include "memo/CMemoRecycler.h"

using namespace MainWndLayout;

namespace {

constexpr const char* kHelpName = "使い方.txt";
constexpr const char* kSeparator = "\\";

// Result codes: the platform's error values.
constexpr int kDone = ERROR_SUCCESS;
constexpr int kNotCreated = ERROR_INVALID_HANDLE;
constexpr int kFailed = ERROR_INVALID_DATA;

} // namespace

// The days read since the folder last changed are kept, for as long as the folder watch
// vouches for them; anything else is read now. Only the month view's paint starts the
// watch anew: that re-arms the change notification, and the paint is what shows the change.
CMemoDays* CMainWnd::KeptMemoDays() {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return nullptr;
    }
    const RVK::CString folder = settings->GetMemoDir();
    if (!m_memoWatch.IsUnchanged(folder)) {
        m_memoDays.Forget(settings->GetMemoDirW());
        m_memoWatch.Restart(folder, settings->GetBaseDir());
    }
    return &m_memoDays;
}

// Between paints, days the watch does not vouch for are read anew, and the change is left
// for the message loop to repaint.
CMemoDays* CMainWnd::MemoDaysNow() {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return nullptr;
    }
    if (!m_memoWatch.IsUnchanged(settings->GetMemoDir())) {
        m_memoDays.Forget(settings->GetMemoDirW());
    }
    return &m_memoDays;
}

// The walk waits to begin while the user moves through the months, so that it does not
// slow the paints they wait for; once begun, it runs to its end, so that its search of the
// folder is soon closed. A watch that does not vouch yet for a folder that has just changed
// will once the change lies a moment in the past; a paint then starts it anew, and the walk
// with it.
CMemoDays::MonthDays CMainWnd::FindMemoDays(const CDate& day) {
    CMemoDays* days = KeptMemoDays();
    if (days == nullptr) {
        return 0;
    }
    const CMemoDays::MonthDays found = days->GetMonth(day.GetYear(), day.GetMonth());
    if (days->IsWalkDue() && !days->IsWalkUnderway()) {
        const bool vouched = m_memoWatch.IsUnchanged(CSystemData::GetInstance()->GetMemoDir());
        SetTimer(kMemoWalkTimer, vouched ? kMemoWalkDelay : kMemoTrustWait);
    }
    return found;
}

// The walk reads a slice at each tick, which comes only while no other message waits, and
// only while the folder watch vouches for the folder; else the month is painted anew, which
// starts the watch and the walk again. A folder that cannot be watched, or is gone, is
// never walked ahead. While a dialog of the window runs, the window is disabled and the
// walk waits for it to end: the memo list and the search read the folder themselves.
void CMainWnd::OnMemoWalkTimer() {
    if (!::IsWindowEnabled(m_hWnd)) {
        KillTimer(kMemoWalkTimer);
        m_memoDays.StopWalk();
        return;
    }
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings != nullptr && !m_memoWatch.IsUnchanged(settings->GetMemoDir())) {
        KillTimer(kMemoWalkTimer);
        const DWORD folder = ::GetFileAttributesA(settings->GetMemoDir());
        if (m_memoWatch.GetHandle() != INVALID_HANDLE_VALUE && folder != INVALID_FILE_ATTRIBUTES &&
            (folder & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            OnCmdRefresh();
        }
        return;
    }
    if (settings == nullptr || !m_memoDays.ContinueWalk()) {
        KillTimer(kMemoWalkTimer);
    } else {
        SetTimer(kMemoWalkTimer, kMemoWalkSpan);
    }
}

// WM_ENABLE: a dialog of the window has ended; a walk it held up begins again.
void CMainWnd::OnEnabled() {
    if (m_memoDays.IsWalkDue()) {
        SetTimer(kMemoWalkTimer, kMemoWalkDelay);
    }
}

void CMainWnd::ForgetMemoDays() { m_memoDays.Forget(); }

RVK::CString CMainWnd::GetMemoPath(CDate date) {
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return RVK::CString();
    }
    return settings->GetMemoDir() + kSeparator + CMemoName::OfAnsi(date);
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
        ForgetMemoDays();
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
        ForgetMemoDays();
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
