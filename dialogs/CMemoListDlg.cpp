#include "dialogs/CMemoListDlg.h"

#include <algorithm>

#include "app/CSystemData.h"
#include "framework/CFileFindW.h"
#include "memo/CMemoName.h"
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
// LVN_ITEMCHANGED's index for a change to every item.
constexpr int kAllItems = -1;

constexpr const wchar_t* kUndeletedText = L"次のファイルの削除に失敗しました";
constexpr const wchar_t* kUndeletedMoreFormat = L"ほか%d件";
constexpr const wchar_t* kErrorCaption = L"エラー";
constexpr const wchar_t* kProgressFormat = L"削除しています… %d件中 %d件";
// More names than this would make the message box taller than the screen.
constexpr int kMaxNamesShown = 20;
// Enough for any of the formats above.
constexpr int kFormatBufferSize = 64;

// The line beside OK that tells how far a long deletion has come.
class CProgressLine : public CMemoRecycler::Progress {
public:
    explicit CProgressLine(HWND dialog) : m_dialog(dialog) {}
    CProgressLine(const CProgressLine&) = delete;
    CProgressLine& operator=(const CProgressLine&) = delete;
    ~CProgressLine() { ::SetDlgItemTextW(m_dialog, IDC_MEMO_LIST_PROGRESS, L""); }

    void ShowProgress(int done, int total) override {
        wchar_t text[kFormatBufferSize];
        ::wsprintfW(text, kProgressFormat, total, done);
        ::SetDlgItemTextW(m_dialog, IDC_MEMO_LIST_PROGRESS, text);
        ::UpdateWindow(m_dialog);
    }

private:
    HWND m_dialog;
};

} // namespace

CMemoListDlg::CMemoListDlg() : CDialog(IDD_MEMO_LIST) {}

CMemoListDlg::~CMemoListDlg() = default;

// The list keeps no check states of its own: it asks for them as it asks for the names.
LRESULT CMemoListDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    SetIcon(IDI_KALVO);
    const DWORD exStyle = m_listView.GetExtendedStyle() | kListExStyle;
    m_listView.Create(kListX, kListY, kListWidth, kListHeight, GetHandle());
    m_listView.InsertColumn(0, kColumnWidth, kColumnTitle);
    m_listView.SetExtendedStyle(exStyle);
    m_listView.SetCallbackMask(LVIS_STATEIMAGEMASK);
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

LRESULT CMemoListDlg::OnNotify(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || header->hwndFrom != m_listView.GetHandle()) {
        return CDialog::OnNotify(wParam, lParam);
    }
    switch (header->code) {
    case LVN_GETDISPINFOW:
        ShowItem(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
        return NotifyResult(0);
    case LVN_ITEMCHANGED:
        TakeCheck(*reinterpret_cast<const NMLISTVIEW*>(lParam));
        return NotifyResult(0);
    case LVN_ODFINDITEMW:
        return NotifyResult(FindItem(*reinterpret_cast<const NMLVFINDITEMW*>(lParam)));
    default:
        return CDialog::OnNotify(wParam, lParam);
    }
}

int CMemoListDlg::SelectAll() { return SetAllChecks(true); }

int CMemoListDlg::ClearSelection() { return SetAllChecks(false); }

int CMemoListDlg::DeleteSelected() {
    CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr || m_deleting) {
        return kResultFailed;
    }
    const std::wstring folder = settings->GetMemoDirW() + L"\\";
    std::vector<std::wstring> paths;
    for (int index = 0; index < ItemCount(); ++index) {
        if (m_checked[index]) {
            paths.push_back(folder + NameAt(index));
        }
    }
    const std::vector<CMemoRecycler::Outcome> outcomes = DeleteFiles(paths);
    std::vector<std::wstring> undeleted;
    bool kept = false;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        kept = kept || outcomes[i] == CMemoRecycler::Outcome::kKept;
        if (outcomes[i] == CMemoRecycler::Outcome::kMissing ||
            outcomes[i] == CMemoRecycler::Outcome::kFailed) {
            undeleted.push_back(paths[i].substr(folder.size()));
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
    FillList(settings->GetMemoDirW());
    return true;
}

int CMemoListDlg::ItemCount() const { return static_cast<int>(m_nameStarts.size()); }

const wchar_t* CMemoListDlg::NameAt(int index) const {
    return m_names.c_str() + m_nameStarts[index];
}

int CMemoListDlg::SetAllChecks(bool checked) {
    m_checked.assign(m_checked.size(), checked);
    // Without its window the list would invalidate the whole screen.
    if (m_listView.GetHandle() != nullptr) {
        m_listView.InvalidateRect(nullptr, FALSE);
    }
    return kResultDone;
}

// The list learns only how many names there are (LVM_SETITEMCOUNT).
void CMemoListDlg::FillList(const std::wstring& folder) {
    m_names.clear();
    m_nameStarts.clear();
    RVK::CFileFindW find;
    for (bool found = find.FindFirstFileExW((folder + L"\\" + CMemoName::kAnyMemoPattern).c_str());
         found; found = find.FindNextFileW()) {
        m_nameStarts.push_back(m_names.size());
        m_names.append(find.GetFileName()).push_back(L'\0');
    }
    m_checked.assign(m_nameStarts.size(), false);
    m_listView.SetItemCountEx(ItemCount(), 0);
}

void CMemoListDlg::ShowItem(NMLVDISPINFOW& request) const {
    LVITEMW& item = request.item;
    if (item.iItem < 0 || item.iItem >= ItemCount()) {
        return;
    }
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        ::lstrcpynW(item.pszText, item.iSubItem == 0 ? NameAt(item.iItem) : L"", item.cchTextMax);
    }
    if ((item.mask & LVIF_STATE) != 0) {
        item.state =
            (item.state & ~LVIS_STATEIMAGEMASK) | CListView::CheckStateImage(m_checked[item.iItem]);
    }
}

// A click on the box, the space key and LVM_SETITEMSTATE all reach here as a new state
// image for one item or, with index -1, for all. Other changes carry no state image.
void CMemoListDlg::TakeCheck(const NMLISTVIEW& change) {
    const int check = CListView::CheckOfState(change.uNewState);
    if ((change.uChanged & LVIF_STATE) == 0 || check < 0 || check > 1) {
        return;
    }
    if (change.iItem == kAllItems) {
        SetAllChecks(check == 1);
    } else if (change.iItem >= 0 && change.iItem < ItemCount()) {
        m_checked[change.iItem] = check == 1;
        m_listView.RedrawItems(change.iItem, change.iItem);
    }
}

// Typing in the list jumps to the next name that starts with what was typed, without
// regard to case, as in a list that keeps its own items.
int CMemoListDlg::FindItem(const NMLVFINDITEMW& request) const {
    const LVFINDINFOW& find = request.lvfi;
    const int count = ItemCount();
    if ((find.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.psz == nullptr || count == 0) {
        return -1;
    }
    const int typed = ::lstrlenW(find.psz);
    const int first = std::max(request.iStart, 0) % count;
    const int tries = (find.flags & LVFI_WRAP) != 0 ? count : count - first;
    for (int n = 0; n < tries; ++n) {
        const int index = (first + n) % count;
        const wchar_t* name = NameAt(index);
        const int length = (find.flags & LVFI_PARTIAL) != 0 ? typed : -1;
        if (((find.flags & LVFI_PARTIAL) == 0 || ::lstrlenW(name) >= typed) &&
            ::CompareStringOrdinal(name, length, find.psz, length, TRUE) == CSTR_EQUAL) {
            return index;
        }
    }
    return -1;
}

// A dialog answers a notification through DWLP_MSGRESULT.
LRESULT CMemoListDlg::NotifyResult(LRESULT result) {
    SetWindowLong(DWLP_MSGRESULT, result);
    return TRUE;
}

std::vector<CMemoRecycler::Outcome>
CMemoListDlg::DeleteFiles(const std::vector<std::wstring>& paths) {
    m_deleting = true;
    CProgressLine progress(GetHandle());
    CMemoRecycler recycler(GetHandle(), &progress);
    std::vector<CMemoRecycler::Outcome> outcomes = recycler.Delete(paths);
    m_deleting = false;
    return outcomes;
}

// MessageBoxW: the names as the file system spells them.
void CMemoListDlg::ReportUndeleted(const std::vector<std::wstring>& names) {
    std::wstring text(kUndeletedText);
    const int shown = std::min(static_cast<int>(names.size()), kMaxNamesShown);
    for (int i = 0; i < shown; ++i) {
        text.append(L"\n").append(names[i]);
    }
    if (static_cast<int>(names.size()) > shown) {
        wchar_t more[kFormatBufferSize];
        ::wsprintfW(more, kUndeletedMoreFormat, static_cast<int>(names.size()) - shown);
        text.append(L"\n").append(more);
    }
    ::MessageBoxW(GetHandle(), text.c_str(), kErrorCaption, MB_OK | MB_ICONERROR);
}
