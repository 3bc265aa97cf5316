#pragma once

#include "calendar/CDate.h"
#include "framework/CDialog.h"
#include "framework/CInputBox.h"

// The date selection dialog: year, month and day typed into three boxes, checked on OK.
// It always opens on today's date.
class CSelectDateDlg : public RVK::CDialog {
    RVK_DECLARE_RUNTIME_CLASS()

    CSelectDateDlg();
    ~CSelectDateDlg() override;

    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // Ends the dialog only when the three boxes form a valid date.
    void OnOK() override;

    // The confirmed date; meaningful after DoModal answered IDOK.
    virtual CDate GetDate();

    static constexpr int kFieldCount = 3;

protected:
    RVK::CInputBox m_input[kFieldCount];
    CDate m_date;

private:
    bool ReadTypedDate(int (&fields)[kFieldCount]);
};
