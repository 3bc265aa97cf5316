#include <windows.h>

#include "app/CMainApp.h"

namespace {

// The program's one application object; constructing it makes it the current one.
CMainApp theApp;

constexpr char kNoApplication[] = "アプリケーションが正しく初期化されていません";
constexpr int kNoApplicationResult = -1;

} // namespace

// Entry routine: the application's start-up, run and exit steps, in that order.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR cmdLine, int cmdShow) {
    RVK::CWinApp* app = RVK::CWinApp::GetCurrentApp();
    if (app == nullptr) {
        CMainApp::ShowError(kNoApplication);
        return kNoApplicationResult;
    }
    app->SetStartupArgs(instance, prevInstance, cmdLine, cmdShow);
    if (app->InitInstance() > 0) {
        app->Run();
    }
    return app->ExitInstance();
}
