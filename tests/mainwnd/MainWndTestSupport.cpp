#include "tests/mainwnd/MainWndTestSupport.h"

#include <algorithm>

#include "app/CSystemData.h"

std::string Narrow(const wchar_t* path) {
    char narrow[2 * MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, path, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

void SettingsTest::SetUp() {
    ASSERT_TRUE(CSystemData::CreateInstance());
    CSystemData* settings = CSystemData::GetInstance();
    settings->SetBaseDir(folder.Path().c_str());
    folder.MakeFolder("memo");
    settings->SetCalendarBackColor(TestColors::kCalendarBack);
    settings->SetCalendarTextColor(TestColors::kCalendarText);
    settings->SetWeekdayTextColor(TestColors::kWeekdayText);
    settings->SetSundayTextColor(TestColors::kSundayText);
    settings->SetSatdayTextColor(TestColors::kSatdayText);
    settings->SetSeldayBackColor(TestColors::kSeldayBack);
    settings->SetTodayEdgeColor(TestColors::kTodayEdge);
    settings->SetMemodayMarkColor(TestColors::kMemodayMark);
    settings->SetMemodayEdgeColor(TestColors::kMemodayEdge);
    settings->SetButtonBackColor(TestColors::kButtonBack);
    settings->SetButtonTextColor(TestColors::kButtonText);
}

void SettingsTest::TearDown() { CSystemData::DestroyInstance(); }

bool SettingsTest::MemoExists(const std::string& name) const {
    return GetFileAttributesA(folder.File(MemoFile(name)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Wine's Recycle Bin is the XDG trash: the file in files\, and in info\<name>.trashinfo
// where it came from, as a unix path that ends like the memo's own.
std::string SettingsTest::TakeFromTrash(const std::string& name) const {
    char data[MAX_PATH] = {};
    GetEnvironmentVariableA("XDG_DATA_HOME", data, MAX_PATH);
    std::string trash = std::string("Z:") + data + "/Trash/";
    std::replace(trash.begin(), trash.end(), '/', '\\');
    const std::string& path = folder.Path();
    const std::string origin = "/" + path.substr(path.rfind('\\') + 1) + "/memo/" + name + "\n";
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((trash + "info\\*.trashinfo").c_str(), &entry);
    std::string content = "<none>";
    for (BOOL more = search != INVALID_HANDLE_VALUE; more && content == "<none>";
         more = FindNextFileA(search, &entry)) {
        const std::string entryName = entry.cFileName;
        const std::string info = trash + "info\\" + entryName;
        const std::string file = trash + "files\\" + entryName.substr(0, entryName.size() - 10);
        if (ReadBytes(info).find(origin) != std::string::npos) {
            content = ReadBytes(file);
            DeleteFileA(file.c_str());
            DeleteFileA(info.c_str());
        }
    }
    FindClose(search);
    return content;
}

void MainWndTest::SetUp() {
    SettingsTest::SetUp();
    OpenWindow();
}

void MainWndTest::OpenWindow() {
    wnd = std::make_unique<TestMainWnd>();
    wnd->Create(CW_USEDEFAULT, CW_USEDEFAULT, MainWndLayout::kWindowWidth,
                MainWndLayout::kWindowHeight, nullptr);
    ASSERT_NE(Window(), nullptr);
    wnd->ShowWindow(SW_SHOWNORMAL);
    SetForegroundWindow(Window());
    Pump();
}

void MainWndTest::TearDown() {
    CloseWindow();
    SettingsTest::TearDown();
}

// The window's destruction posts the quit message, which must not end a later loop.
void MainWndTest::CloseWindow() {
    wnd.reset();
    Pump();
    QuitPosted();
}

void MainWndTest::Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (wnd != nullptr && IsWindow(Window())) {
        RedrawWindow(Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

LRESULT MainWndTest::Key(WPARAM key, bool ctrl) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    const LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), 0)) << 16);
    const LRESULT result = SendMessageA(Window(), WM_KEYDOWN, key, data);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    return result;
}
