#include "framework/CDialog.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CDialog, CWindow)

namespace {

// SetIcon loads the 32 x 32 image of the icon resource.
constexpr int kIconSize = 32;

} // namespace

CDialog::CDialog(WORD templateId) : CWindow(nullptr, 0), m_nTemplateId(templateId), m_hIcon() {}

// A modal dialog's window is gone by now; a modeless one is destroyed by the base right after,
// without painting in between.
CDialog::~CDialog() {
    if (m_hIcon != nullptr) {
        ::DestroyIcon(m_hIcon);
    }
}

// OK and Cancel are recognised by the command id alone, whatever the notification code.
LRESULT CDialog::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COMMAND) {
        return CWindow::WindowProc(hwnd, msg, wParam, lParam);
    }
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return OnCommand(wParam, lParam);
    }
}

// GetDlgItem.
HWND CDialog::GetDlgItem(int id) { return ::GetDlgItem(m_hWnd, id); }

LRESULT CDialog::OnClose(WPARAM, LPARAM) {
    EndDialog(IDCANCEL);
    return TRUE;
}

// DialogBoxParamA: the dialog manager hands this object back with WM_INITDIALOG.
INT_PTR CDialog::DoModalIndirectId(const char* templateName, HWND owner) {
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), templateName, owner, WndProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModal(HWND owner) {
    return DoModalIndirectId(MAKEINTRESOURCEA(m_nTemplateId), owner);
}

// CreateDialogParamA.
HWND CDialog::CreateIndirectId(const char* templateName, HWND owner) {
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), templateName, owner, WndProc,
                                reinterpret_cast<LPARAM>(this));
}

HWND CDialog::CreateModeless(HWND owner) {
    return CreateIndirectId(MAKEINTRESOURCEA(m_nTemplateId), owner);
}

// EndDialog.
bool CDialog::EndDialog(INT_PTR result) { return ::EndDialog(m_hWnd, result) != FALSE; }

bool CDialog::UpdateData() {
    CDataExchange exchange;
    DoDataExchange(&exchange);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// LoadImageA and WM_SETICON. A missing resource gives a null icon, sent as it is.
void CDialog::SetIcon(WORD id) {
    const HICON icon = static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, kIconSize, kIconSize, 0));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (m_hIcon != nullptr) {
        ::DestroyIcon(m_hIcon);
    }
    m_hIcon = icon;
}

} // namespace RVK
