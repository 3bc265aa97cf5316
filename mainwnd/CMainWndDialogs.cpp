#include "mainwnd/CMainWnd.h"

// The commands that ask the user through a dialog. The dialogs are not there yet, so
// these answer as a cancelled dialog would.

int CMainWnd::OnCmdColors() { return 0; }

int CMainWnd::OnCmdMemoList() { return 0; }

int CMainWnd::OnCmdSelectDate() {
    SelectDateByDialog();
    return 0;
}

bool CMainWnd::SelectDateByDialog() { return true; }
