#include "dialogs/CMemoListDlg.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "app/CSystemData.h"
#include "framework/CFileFind.h"
#include "memo/CMemoRecycler.h"
#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"

RVK_IMPLEMENT_RUNTIME_CLASS(CMemoListDlg, RVK::CDialog)

namespace {

constexpr int kResultDone = ERROR_SUCCESS;
constexpr int kResultFailed = ERROR_INVALID_DATA;

// The list view, in client pixels: the template has no list control of its own.
constexpr int kListX = 8;
constexpr int kListY = 8;
constexpr int kListWidth = 400;
constexpr int kListHeight = 188;
constexpr int kColumnWidth = 360;
constexpr const char* kColumnTitle = "メモ一覧";
constexpr DWORD kListExStyle = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
// LVM_SETITEMSTATE's index for a change to every item.
constexpr int kAllItems = -1;

constexpr const char* kMemoPattern = "\\*.txt";
constexpr const char* kUndeletedText = "次のファイルの削除に失敗しました";
constexpr const char* kUndeletedMoreFormat = "ほか%d件";
constexpr const char* kErrorCaption = "エラー";
// More names than this would make the message box taller than the screen.
constexpr int kMaxNamesShown = 20;

} // namespace

CMemoListDlg::CMemoListDlg() : CDialog(IDD_MEMO_LIST) {}

CMemoListDlg::~CMemoListDlg() = default;

LRESULT CMemoListDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    SetIcon(IDI_KALVO);
    const DWORD exStyle = m_listView.GetExtendedStyle() | kListExStyle;
    m_listView.Create(kListX, kListY, kListWidth, kListHeight, GetHandle());
    m_listView.InsertColumn(0, kColumnWidth, kColumnTitle);
    m_listView.SetExtendedStyle(exStyle);
    if (!LoadList()) {
        return kResultFailed;
    }
    ::SetFocus(GetDlgItem(IDOK));
    return CDialog::OnInitDialog(wParam, lParam);
}

LRESULT CMemoListDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case IDC_MEMO_LIST_SELECT_ALL:
        return SelectAll();
    case IDC_MEMO_LIST_CLEAR:
        return ClearSelection();
    case IDC_MEMO_LIST_DELETE:
        return DeleteSelected();
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

int CMemoListDlg::SelectAll() { return SetAllChecks(true); }

int CMemoListDlg::ClearSelection() { return SetAllChecks(false); }

int CMemoListDlg::DeleteSelected() {
    CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        return kResultFailed;
    }
    const RVK::CString folder = settings->GetMemoDir();
    CMemoRecycler recycler(GetHandle());
    std::vector<RVK::CString> undeleted;
    bool kept = false;
    const int count = m_listView.GetItemCount();
    for (int index = 0; index < count; ++index) {
        if (m_listView.GetCheck(index) <= 0) {
            continue;
        }
        const RVK::CString name = m_listView.GetItemText(index, 0);
        const CMemoRecycler::Outcome outcome = recycler.Delete(folder + "\\" + name);
        kept = kept || outcome == CMemoRecycler::Outcome::kKept;
        if (outcome == CMemoRecycler::Outcome::kMissing ||
            outcome == CMemoRecycler::Outcome::kFailed) {
            undeleted.push_back(name);
        }
    }
    const bool loaded = LoadList();
    if (!undeleted.empty()) {
        ReportUndeleted(undeleted);
    }
    return loaded && undeleted.empty() && !kept ? kResultDone : kResultFailed;
}

bool CMemoListDlg::LoadList() {
    CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr || !m_listView.DeleteAllItems()) {
        return false;
    }
    SetRedraw(false);
    FillList(settings->GetMemoDir());
    SetRedraw(true);
    return true;
}

// One LVM_SETITEMSTATE for every item at once: index -1.
int CMemoListDlg::SetAllChecks(bool checked) {
    SetRedraw(false);
    m_listView.SetCheck(kAllItems, checked);
    SetRedraw(true);
    return kResultDone;
}

// WM_SETREDRAW: a folder of tens of thousands of memos is redrawn once, not once per item.
void CMemoListDlg::SetRedraw(bool redraw) {
    // Without its window the list would invalidate the whole screen.
    if (m_listView.GetHandle() == nullptr) {
        return;
    }
    m_listView.SendMessage(WM_SETREDRAW, redraw, 0);
    if (redraw) {
        m_listView.InvalidateRect(nullptr, TRUE);
    }
}

// The names are gathered first, each ended by a NUL, so that the list view learns its
// size once (LVM_SETITEMCOUNT) instead of growing item by item.
void CMemoListDlg::FillList(const RVK::CString& folder) {
    std::string names;
    int count = 0;
    RVK::CFileFind find;
    for (bool found = find.FindFile(folder + kMemoPattern); found; found = find.FindNextFile()) {
        names.append(find.GetFileName()).push_back('\0');
        ++count;
    }
    m_listView.SendMessage(LVM_SETITEMCOUNT, count, 0);
    const char* name = names.c_str();
    for (int index = 0; index < count; ++index, name += std::strlen(name) + 1) {
        m_listView.InsertItem(index, name);
    }
}

void CMemoListDlg::ReportUndeleted(const std::vector<RVK::CString>& names) {
    RVK::CString text(kUndeletedText);
    const int shown = std::min(static_cast<int>(names.size()), kMaxNamesShown);
    for (int i = 0; i < shown; ++i) {
        text += "\n";
        text += names[i];
    }
    if (static_cast<int>(names.size()) > shown) {
        RVK::CString more;
        more.Format(kUndeletedMoreFormat, static_cast<int>(names.size()) - shown);
        text += "\n";
        text += more;
    }
    ::MessageBoxA(GetHandle(), text, kErrorCaption, MB_OK | MB_ICONERROR);
}
