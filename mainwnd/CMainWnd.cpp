#include "mainwnd/CMainWnd.h"

#include "resources/ResourceIds.h"

namespace {

constexpr char kTitle[] = "Kalvo３";

} // namespace

RVK_IMPLEMENT_RUNTIME_CLASS(CMainWnd, RVK::CWindow)

CMainWnd::CMainWnd() : CWindow(kTitle, 0) {}

// PostQuitMessage: the application's message loop ends with the window.
LRESULT CMainWnd::OnDestroy(WPARAM wParam, LPARAM lParam) {
    PostQuitMessage(0);
    return CWindow::OnDestroy(wParam, lParam);
}

int CMainWnd::GetIconId() { return IDI_KALVO; }
