#include "dialogs/CMemoSearchDlg.h"

#include <cstdio>

#include "app/CSystemData.h"
#include "framework/Utf16.h"
#include "memo/CMemoSearchJob.h"
#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"

RVK_IMPLEMENT_RUNTIME_CLASS(CMemoSearchDlg, RVK::CDialog)

namespace {

// The list's columns, in pixels: the date column fits the long date format, the line
// column takes the rest of the list's width.
constexpr int kDateColumnWidth = 150;
constexpr const char* kDateColumnTitle = "日付";
constexpr const char* kLineColumnTitle = "内容";
constexpr DWORD kListExStyle = LVS_EX_FULLROWSELECT;
// While a search runs, hits below the list's page join it at most this often: each time
// the list grows it redraws its scroll bar, which under Wine, sharing a core with the
// search, costs as much as reading dozens of memos.
constexpr ULONGLONG kListGrowMs = 500;

constexpr const char* kEmptyQueryText = "検索する言葉を入力してください";
constexpr const char* kCannotSearchText = "検索できませんでした";
constexpr const char* kSearchingText = "検索しています…";
constexpr const char* kProgressFormat = "%s件中 %s件を検索しました";
constexpr const char* kFoundFormat = "%s件見つかりました";
constexpr const char* kNotFoundText = "見つかりませんでした";
constexpr const char* kStoppedFormat = "中止しました（%s件中 %s件を検索、%s件見つかりました）";
constexpr const char* kUnreadableFormat = "（読み取れないメモ %s件）";

constexpr int kNoDay = -1;

// `count` with a comma between each group of three digits: 36,525.
RVK::CString Grouped(size_t count) {
    char digits[32];
    const int length =
        std::snprintf(digits, sizeof digits, "%llu", static_cast<unsigned long long>(count));
    RVK::CString text;
    for (int i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

RVK::CString SummaryText(const MemoSearchSummary& summary) {
    RVK::CString text;
    if (summary.stopped) {
        text.Format(kStoppedFormat, static_cast<const char*>(Grouped(summary.total)),
                    static_cast<const char*>(Grouped(summary.searched)),
                    static_cast<const char*>(Grouped(summary.found)));
    } else if (summary.found > 0) {
        text.Format(kFoundFormat, static_cast<const char*>(Grouped(summary.found)));
    } else {
        text = kNotFoundText;
    }
    if (summary.unreadable > 0) {
        RVK::CString unreadable;
        unreadable.Format(kUnreadableFormat, static_cast<const char*>(Grouped(summary.unreadable)));
        text += unreadable;
    }
    return text;
}

// GetWindowTextW.
std::wstring WindowTextW(HWND window) {
    std::wstring text(::GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(::GetWindowTextW(window, &text[0], static_cast<int>(text.size())));
    return text;
}

} // namespace

CMemoSearchDlg::CMemoSearchDlg(CMemoTextCache& cache)
    : CDialog(IDD_SEARCH_MEMO), m_hWords(nullptr), m_cache(cache), m_nShown(0), m_nLastGrowth(0),
      m_nDay(kNoDay) {}

CMemoSearchDlg::~CMemoSearchDlg() = default;

LRESULT CMemoSearchDlg::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kSearchNewsMessage) {
        OnSearchNews();
        return TRUE;
    }
    return CDialog::WindowProc(hwnd, msg, wParam, lParam);
}

LRESULT CMemoSearchDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    SetIcon(IDI_KALVO);
    MakeWordsBoxUnicode();
    SetUpList();
    ::SetFocus(m_hWords);
    return CDialog::OnInitDialog(wParam, lParam);
}

// Every way out of the dialog passes here; the search thread ends before the window goes.
LRESULT CMemoSearchDlg::OnDestroy(WPARAM wParam, LPARAM lParam) {
    m_job.reset();
    return CDialog::OnDestroy(wParam, lParam);
}

// Enter on the list reaches the dialog as the default button, 検索: there it jumps.
LRESULT CMemoSearchDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != IDC_SEARCH_MEMO_START) {
        return CDialog::OnCommand(wParam, lParam);
    }
    if (::GetFocus() == m_listView.GetHandle()) {
        OnOK();
    } else if (IsSearching()) {
        StopSearch();
    } else {
        StartSearch();
    }
    return TRUE;
}

LRESULT CMemoSearchDlg::OnNotify(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom != IDC_SEARCH_MEMO_RESULTS) {
        return CDialog::OnNotify(wParam, lParam);
    }
    switch (header->code) {
    case LVN_GETDISPINFOW:
        FillItem(reinterpret_cast<NMLVDISPINFOW*>(lParam)->item);
        return TRUE;
    case NM_DBLCLK:
        JumpTo(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem);
        return TRUE;
    case LVN_ODFINDITEMW:
        // Typing on the list finds nothing: the answer is -1, not the item 0 of a plain 0.
        SetWindowLong(DWLP_MSGRESULT, -1);
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam);
    }
}

void CMemoSearchDlg::OnOK() { JumpTo(m_listView.GetNextItem(-1, LVNI_SELECTED)); }

CDate CMemoSearchDlg::GetDate() const { return CDate(m_nDay); }

void CMemoSearchDlg::StartSearch() {
    const CMemoQuery query(WindowTextW(m_hWords));
    if (query.IsEmpty()) {
        SetStatus(kEmptyQueryText);
        return;
    }
    m_hits.clear();
    ShowHits();
    const CSystemData* settings = CSystemData::GetInstance();
    if (settings == nullptr) {
        SetStatus(kCannotSearchText);
        return;
    }
    SetStatus(kSearchingText);
    m_job = std::make_unique<CMemoSearchJob>(m_cache, settings->GetMemoDirW(), query, GetHandle(),
                                             kSearchNewsMessage);
    m_job->Start();
}

// Once stopped, the thread has ended and left its summary.
void CMemoSearchDlg::StopSearch() {
    if (m_job == nullptr) {
        return;
    }
    m_job->Stop();
    EndSearch(m_job->Take(m_hits).summary);
}

// The dialog manager of an ANSI dialog makes ANSI edit boxes, which keep only what the
// code page can spell. The words box is made again in its place as a Unicode window, so
// that any word a memo may hold can be typed or pasted.
void CMemoSearchDlg::MakeWordsBoxUnicode() {
    const HWND templateBox = GetDlgItem(IDC_SEARCH_MEMO_WORDS);
    RECT place = {};
    ::GetWindowRect(templateBox, &place);
    ::MapWindowPoints(nullptr, GetHandle(), reinterpret_cast<POINT*>(&place), 2);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(templateBox, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(templateBox, GWL_EXSTYLE));
    const WPARAM font = ::SendMessageW(templateBox, WM_GETFONT, 0, 0);
    const HWND before = ::GetWindow(templateBox, GW_HWNDPREV);
    ::DestroyWindow(templateBox);
    m_hWords = ::CreateWindowExW(exStyle, L"EDIT", L"", style, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, GetHandle(),
                                 reinterpret_cast<HMENU>(IDC_SEARCH_MEMO_WORDS),
                                 ::GetModuleHandleW(nullptr), nullptr);
    // Keeps the template's tab order.
    ::SetWindowPos(m_hWords, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageW(m_hWords, WM_SETFONT, font, FALSE);
}

// The list asks for its texts in UTF-16 (LVN_GETDISPINFOW): memo lines may hold any
// character.
void CMemoSearchDlg::SetUpList() {
    m_listView.Attach(GetDlgItem(IDC_SEARCH_MEMO_RESULTS));
    m_listView.SetExtendedStyle(kListExStyle);
    m_listView.SetUnicodeFormat(TRUE);
    const RECT client = m_listView.GetClientRect();
    InsertColumn(0, kDateColumnWidth, kDateColumnTitle);
    InsertColumn(1, client.right - kDateColumnWidth - ::GetSystemMetrics(SM_CXVSCROLL),
                 kLineColumnTitle);
}

// LVM_INSERTCOLUMNW, so that the titles read alike whatever the system's code page.
void CMemoSearchDlg::InsertColumn(int index, int width, const char* title) {
    std::wstring text = RVK::WidenProgramText(title);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = &text[0];
    column.iSubItem = index;
    m_listView.SendMessage(LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void CMemoSearchDlg::OnSearchNews() {
    if (m_job == nullptr) {
        return;
    }
    const CMemoSearchJob::Progress progress = m_job->Take(m_hits);
    if (progress.finished) {
        EndSearch(progress.summary);
        return;
    }
    // Hits that the list would show join it at once.
    if (PageHasRoom() || ::GetTickCount64() - m_nLastGrowth >= kListGrowMs) {
        ShowHits();
    }
    if (progress.total > 0) {
        RVK::CString text;
        text.Format(kProgressFormat, static_cast<const char*>(Grouped(progress.total)),
                    static_cast<const char*>(Grouped(progress.searched)));
        SetStatus(text);
    }
}

// LVM_SETITEMCOUNT. Hits only ever join at the end, so the list keeps its place and its
// selection; the first hit is selected, ready for 移動.
void CMemoSearchDlg::ShowHits() {
    const int count = static_cast<int>(m_hits.size());
    if (count == m_nShown) {
        return;
    }
    m_listView.SetItemCountEx(count, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    if (m_nShown == 0 && count > 0) {
        m_listView.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    m_nShown = count;
    m_nLastGrowth = ::GetTickCount64();
}

// LVM_GETTOPINDEX and LVM_GETCOUNTPERPAGE.
bool CMemoSearchDlg::PageHasRoom() {
    const auto top = static_cast<int>(m_listView.SendMessage(LVM_GETTOPINDEX, 0, 0));
    const auto page = static_cast<int>(m_listView.SendMessage(LVM_GETCOUNTPERPAGE, 0, 0));
    return m_nShown < top + page;
}

void CMemoSearchDlg::EndSearch(const MemoSearchSummary& summary) {
    m_job.reset();
    ShowHits();
    SetStatus(SummaryText(summary));
}

void CMemoSearchDlg::JumpTo(int index) {
    if (index < 0 || index >= static_cast<int>(m_hits.size())) {
        return;
    }
    m_nDay = m_hits[index].dayNumber;
    m_job.reset();
    EndDialog(IDOK);
}

void CMemoSearchDlg::FillItem(LVITEMW& item) const {
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0 ||
        item.iItem < 0 || item.iItem >= static_cast<int>(m_hits.size())) {
        return;
    }
    const MemoSearchHit& hit = m_hits[item.iItem];
    const std::wstring text =
        item.iSubItem == 0 ? RVK::WidenProgramText(CDate(hit.dayNumber).Format()) : hit.line;
    ::lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
}

// SetWindowTextW on the status line.
void CMemoSearchDlg::SetStatus(const RVK::CString& text) {
    ::SetWindowTextW(GetDlgItem(IDC_SEARCH_MEMO_STATUS), RVK::WidenProgramText(text).c_str());
}
