#pragma once

#include <windows.h>

#include "framework/CWindow.h"

// Stands in for the main window until the real one lands: an empty top-level window
// with the program's title and icon that ends the message loop when destroyed.
class CMainWnd : public RVK::CWindow {
    RVK_DECLARE_RUNTIME_CLASS()

    CMainWnd();

    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
    int GetIconId() override;
};
