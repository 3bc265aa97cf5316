#pragma once

#include <vector>

#include "framework/CDialog.h"
#include "framework/CListView.h"
#include "framework/CString.h"

// The memo list dialog: every "*.txt" entry of the memo folder in a check-box list, with
// buttons to check all, uncheck all and delete the checked files to the Recycle Bin.
class CMemoListDlg : public RVK::CDialog {
    RVK_DECLARE_RUNTIME_CLASS()

    CMemoListDlg();
    ~CMemoListDlg() override;

    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Result codes: 0 done, 13 failed (no settings, or a file that could not be deleted).
    virtual int SelectAll();
    virtual int ClearSelection();
    virtual int DeleteSelected();
    // Fills the list anew from the memo folder; false without settings.
    virtual bool LoadList();

protected:
    CListView m_listView;

private:
    int SetAllChecks(bool checked);
    void SetRedraw(bool redraw);
    void FillList(const RVK::CString& folder);
    void ReportUndeleted(const std::vector<RVK::CString>& names);
};
