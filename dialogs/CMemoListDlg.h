#pragma once

#include <string>
#include <vector>

#include "framework/CDialog.h"
#include "framework/CVirtualListView.h"
#include "memo/CMemoRecycler.h"

// The memo list dialog: every "*.txt" entry of the memo folder in a check-box list, with
// buttons to check all, uncheck all and delete the checked files to the Recycle Bin. The
// dialog keeps the names, exactly as the file system spells them, and their checks; the
// list asks for what it shows.
class CMemoListDlg : public RVK::CDialog {
    RVK_DECLARE_RUNTIME_CLASS()

    CMemoListDlg();
    ~CMemoListDlg() override;

    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;

    // Result codes: 0 done, 13 failed (no settings, or a file that could not be deleted).
    virtual int SelectAll();
    virtual int ClearSelection();
    virtual int DeleteSelected();
    // Fills the list anew from the memo folder; false without settings.
    virtual bool LoadList();

protected:
    CVirtualListView m_listView;

private:
    int ItemCount() const;
    const wchar_t* NameAt(int index) const;
    int SetAllChecks(bool checked);
    void FillList(const std::wstring& folder);
    void ShowItem(NMLVDISPINFOW& request) const;
    void TakeCheck(const NMLISTVIEW& change);
    int FindItem(const NMLVFINDITEMW& request) const;
    LRESULT NotifyResult(LRESULT result);
    std::vector<CMemoRecycler::Outcome> DeleteFiles(const std::vector<std::wstring>& paths);
    void ReportUndeleted(const std::vector<std::wstring>& names);

    // Every name, each ended by a NUL, and where each starts: two blocks, however many
    // memos, so that the list opens and closes at once.
    std::wstring m_names;
    std::vector<std::size_t> m_nameStarts;
    std::vector<bool> m_checked;
    // While a press deletes, the dialog keeps serving messages; none starts another.
    bool m_deleting = false;
};
