#include "mainwnd/CMainWnd.h"

#include "dialogs/CColorConfigDlg.h"
#include "dialogs/CMemoListDlg.h"
#include "dialogs/CMemoSearchDlg.h"
#include "dialogs/CSelectDateDlg.h"

// The commands that ask the user through a modal dialog owned by the main window, and
// apply the answer once the dialog has ended.

int CMainWnd::OnCmdColors() {
    CColorConfigDlg dlg;
    if (dlg.DoModal(GetHandle()) != IDOK) {
        return 0;
    }
    // The dialog has written the colours; without settings there is nothing to read back.
    return ReloadColors() ? 0 : 1;
}

int CMainWnd::OnCmdMemoList() {
    CMemoListDlg dlg;
    dlg.DoModal(GetHandle());
    // However the list was closed, memos deleted in it must lose their marks.
    OnCmdRereadMemos();
    return 0;
}

int CMainWnd::OnCmdSearchMemo() {
    CMemoSearchDlg dlg(m_memoTexts);
    if (dlg.DoModal(GetHandle()) == IDOK) {
        m_date = dlg.GetDate();
        OnCmdRefresh();
    }
    return 0;
}

int CMainWnd::OnCmdSelectDate() {
    SelectDateByDialog();
    return 0;
}

bool CMainWnd::SelectDateByDialog() {
    CSelectDateDlg dlg;
    if (dlg.DoModal(GetHandle()) == IDOK) {
        m_date = dlg.GetDate();
        OnCmdRefresh();
    }
    return true;
}
