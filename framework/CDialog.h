#pragma once

#include "framework/CWindow.h"

namespace RVK {

// What the data-exchange step hands to DoDataExchange. Carries nothing.
class CDataExchange {
public:
    virtual ~CDataExchange() = default;
};

// A dialog run from a template of the program's resources, bound to its object through
// WndProc as the dialog procedure. OK and Cancel reach OnOK and OnCancel.
class CDialog : public CWindow {
    RVK_DECLARE_RUNTIME_CLASS()

    explicit CDialog(WORD templateId);
    // Releases the icon SetIcon loaded.
    ~CDialog() override;

    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    HWND GetDlgItem(int id) override;
    // The close box ends the dialog with IDCANCEL.
    LRESULT OnClose(WPARAM wParam, LPARAM lParam) override;

    // DialogBoxParamA.
    virtual INT_PTR DoModalIndirectId(const char* templateName, HWND owner);
    virtual INT_PTR DoModal(HWND owner);
    // CreateDialogParamA.
    virtual HWND CreateIndirectId(const char* templateName, HWND owner);
    virtual HWND CreateModeless(HWND owner);
    virtual bool EndDialog(INT_PTR result);
    virtual bool UpdateData();
    virtual void DoDataExchange(CDataExchange* exchange);
    virtual void OnOK();
    virtual void OnCancel();
    // Makes icon resource `id` the dialog's small icon (WM_SETICON, ICON_SMALL). The dialog
    // keeps the loaded icon and releases it when replaced or when the object is destroyed.
    virtual void SetIcon(WORD id);

protected:
    WORD m_nTemplateId;

private:
    HICON m_hIcon;
};

} // namespace RVK
