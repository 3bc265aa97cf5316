#include "dialogs/CSelectDateDlg.h"

#include <climits>

#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"

RVK_IMPLEMENT_RUNTIME_CLASS(CSelectDateDlg, RVK::CDialog)

namespace {

constexpr int kFirstFieldId = IDC_SELECT_DATE_YEAR;
constexpr const char* kFieldFormats[CSelectDateDlg::kFieldCount] = {"%04d", "%02d", "%02d"};
constexpr const char* kInvalidDateText = "入力した日付は無効です";
constexpr const char* kErrorCaption = "エラー";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a number the way atoi does (leading white space, an optional sign, the digits up to
// the first non-digit; no digits give 0), but answers false instead of overflowing when
// the number does not fit in an int.
bool ParseInt(const char* text, int& value) {
    while (IsSpace(*text)) {
        ++text;
    }
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; IsDigit(*text); ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > limit) {
            return false;
        }
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

} // namespace

CSelectDateDlg::CSelectDateDlg() : CDialog(IDD_SELECT_DATE) {}

CSelectDateDlg::~CSelectDateDlg() = default;

LRESULT CSelectDateDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    for (int i = 0; i < kFieldCount; ++i) {
        m_input[i].Attach(GetDlgItem(kFirstFieldId + i));
    }
    SetIcon(IDI_KALVO);
    const int fields[kFieldCount] = {m_date.GetYear(), m_date.GetMonth(), m_date.GetDay()};
    for (int i = 0; i < kFieldCount; ++i) {
        RVK::CString text;
        text.Format(kFieldFormats[i], fields[i]);
        m_input[i].SetWindowText(text);
    }
    ::SetFocus(m_input[0].GetHandle());
    return CDialog::OnInitDialog(wParam, lParam);
}

void CSelectDateDlg::OnOK() {
    int fields[kFieldCount] = {};
    if (ReadTypedDate(fields) && m_date.SetDate(fields[0], fields[1], fields[2])) {
        CDialog::OnOK();
        return;
    }
    ::MessageBoxA(GetHandle(), kInvalidDateText, kErrorCaption, MB_OK | MB_ICONERROR);
}

CDate CSelectDateDlg::GetDate() { return m_date; }

bool CSelectDateDlg::ReadTypedDate(int (&fields)[kFieldCount]) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (!ParseInt(m_input[i].GetWindowText(), fields[i])) {
            return false;
        }
    }
    return true;
}
