#include "mainwnd/CMainWnd.h"

// The commands that ask the user through a dialog. Until the dialogs exist they do
// nothing; every way in already reaches them.

int CMainWnd::OnCmdColors() { return 0; }

int CMainWnd::OnCmdMemoList() { return 0; }

int CMainWnd::OnCmdSelectDate() {
    SelectDateByDialog();
    return 0;
}

bool CMainWnd::SelectDateByDialog() { return true; }
