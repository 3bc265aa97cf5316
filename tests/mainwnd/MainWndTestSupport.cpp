#include "tests/mainwnd/MainWndTestSupport.h"

#include "app/CSystemData.h"

namespace {

constexpr UINT_PTR kWatchPeriodMs = 30;

struct ColorKey {
    const char* key;
    COLORREF color;
};

constexpr ColorKey kColorKeys[] = {
    {"CALENDAR_BACK_COLOR", TestColors::kCalendarBack},
    {"CALENDAR_TEXT_COLOR", TestColors::kCalendarText},
    {"WEEKDAY_TEXT_COLOR", TestColors::kWeekdayText},
    {"SUNDAY_TEXT_COLOR", TestColors::kSundayText},
    {"SATDAY_TEXT_COLOR", TestColors::kSatdayText},
    {"SELDAY_BACK_COLOR", TestColors::kSeldayBack},
    {"TODAY_EDGE_COLOR", TestColors::kTodayEdge},
    {"MEMODAY_MARK_COLOR", TestColors::kMemodayMark},
    {"MEMODAY_EDGE_COLOR", TestColors::kMemodayEdge},
    {"BUTTON_BACK_COLOR", TestColors::kButtonBack},
    {"BUTTON_TEXT_COLOR", TestColors::kButtonText},
};

// What WhileShown watches for; the timer procedure has no other way to reach it.
struct Watch {
    const char* className;
    const std::function<void(HWND)>* handle;
};
Watch g_watch;

BOOL CALLBACK OfferWindow(HWND window, LPARAM) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (IsWindowVisible(window) && lstrcmpA(name, g_watch.className) == 0) {
        (*g_watch.handle)(window);
    }
    return TRUE;
}

void CALLBACK LookForWindow(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), OfferWindow, 0);
}

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK CollectText(HWND child, LPARAM lParam) {
    *reinterpret_cast<std::string*>(lParam) += "\n" + TextOf(child);
    return TRUE;
}

// Wine keeps deleted files in the desktop's trash folder (XDG): the file in files\, its
// origin in info\<name>.trashinfo.
class Trash {
public:
    Trash() {
        char folder[MAX_PATH] = {};
        if (GetEnvironmentVariableA("XDG_DATA_HOME", folder, MAX_PATH) > 0) {
            m_folder = std::string("Z:") + folder + "\\Trash";
        } else if (GetEnvironmentVariableA("WINEHOMEDIR", folder, MAX_PATH) > 0) {
            m_folder = std::string(folder).substr(4) + "\\.local\\share\\Trash";
        }
        for (char& c : m_folder) {
            c = c == '/' ? '\\' : c;
        }
    }

    // Takes the entry whose origin ends with `origin` out of the trash and answers its
    // content, or "<none>".
    std::string Remove(const std::string& origin) {
        WIN32_FIND_DATAA entry;
        const HANDLE search = FindFirstFileA((m_folder + "\\info\\*.trashinfo").c_str(), &entry);
        std::string content = "<none>";
        if (search == INVALID_HANDLE_VALUE) {
            return content;
        }
        do {
            const std::string info = m_folder + "\\info\\" + entry.cFileName;
            if (Read(info).find(origin + "\n") != std::string::npos) {
                const std::string name = entry.cFileName;
                const std::string file = m_folder + "\\files\\" + name.substr(0, name.size() - 10);
                content = Read(file);
                DeleteFileA(file.c_str());
                DeleteFileA(info.c_str());
            }
        } while (content == "<none>" && FindNextFileA(search, &entry));
        FindClose(search);
        return content;
    }

private:
    static std::string Read(const std::string& path) {
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        char buffer[1024] = {};
        DWORD read = 0;
        ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
        CloseHandle(file);
        return std::string(buffer, read);
    }

    std::string m_folder;
};

} // namespace

CDate MakeDate(int year, int month, int day) {
    CDate date;
    date.SetDate(year, month, day);
    return date;
}

void PrintTo(const CDate& date, std::ostream* out) {
    *out << date.GetYear() << "-" << date.GetMonth() << "-" << date.GetDay();
}

void TestMainWnd::ShellOpen(const char* path) {
    if (useRealShell) {
        CMainWnd::ShellOpen(path);
    } else {
        opened.push_back(path);
    }
}

int TestMainWnd::OnCmdColors() {
    ++colorDialogs;
    return CMainWnd::OnCmdColors();
}

int TestMainWnd::OnCmdMemoList() {
    ++memoListDialogs;
    return CMainWnd::OnCmdMemoList();
}

bool TestMainWnd::SelectDateByDialog() {
    ++dateDialogs;
    return CMainWnd::SelectDateByDialog();
}

void MainWndTest::SetUp() {
    ASSERT_TRUE(CSystemData::CreateInstance());
    CSystemData::GetInstance()->SetBaseDir(folder.Path().c_str());
    folder.MakeFolder("memo");
    for (const ColorKey& entry : kColorKeys) {
        WriteColor(entry.key, entry.color);
    }
}

void MainWndTest::TearDown() {
    CloseWindow();
    CSystemData::DestroyInstance();
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

// The window's destruction posts the quit message, which must not end a later loop.
void MainWndTest::CloseWindow() {
    wnd.reset();
    Pump();
    QuitPosted();
}

void MainWndTest::WriteColor(const char* key, COLORREF color) {
    char text[8] = {};
    wsprintfA(text, "%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    WritePrivateProfileStringA("COLOR_SETTING", key, text, folder.File("Kalvo.ini").c_str());
}

void MainWndTest::WriteMemo(const std::string& name, const std::string& text) {
    folder.WriteFile(MemoFile(name), text);
}

bool MainWndTest::MemoExists(const std::string& name) const {
    return GetFileAttributesA(folder.File(MemoFile(name)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MainWndTest::ShowDate(const CDate& date) {
    wnd->Selected() = date;
    Repaint();
}

void MainWndTest::Repaint() {
    InvalidateRect(Window(), nullptr, TRUE);
    UpdateWindow(Window());
    Pump();
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

COLORREF MainWndTest::Pixel(int x, int y) const {
    HDC dc = GetDC(Window());
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(Window(), dc);
    return color;
}

int MainWndTest::CountPixels(const RECT& area, COLORREF color) const {
    HDC dc = GetDC(Window());
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += GetPixel(dc, x, y) == color ? 1 : 0;
        }
    }
    ReleaseDC(Window(), dc);
    return count;
}

LRESULT MainWndTest::PressKey(WPARAM key, bool ctrl) {
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

LRESULT MainWndTest::Click(UINT message, int x, int y, WPARAM keys) {
    return SendMessageA(Window(), message, keys, MAKELPARAM(x, y));
}

LRESULT MainWndTest::Wheel(short distance, WORD keys) {
    return SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(keys, distance), MAKELPARAM(100, 100));
}

LRESULT MainWndTest::Command(int id) { return SendMessageA(Window(), WM_COMMAND, id, 0); }

RECT MainWndTest::PendingPaint() const {
    RECT pending = {};
    GetUpdateRect(Window(), &pending, FALSE);
    return pending;
}

void MainWndTest::ForgetPendingPaint() const { ValidateRect(Window(), nullptr); }

bool MainWndTest::QuitPosted() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

// The trash records where a file came from as a unix path, which ends like this one.
std::string MainWndTest::TakeFromTrash(const std::string& name) const {
    const std::string& path = folder.Path();
    return Trash().Remove("/" + path.substr(path.rfind('\\') + 1) + "/memo/" + name);
}

void WhileShown(const char* className, const std::function<void(HWND)>& handle,
                const std::function<void()>& action) {
    g_watch = {className, &handle};
    const UINT_PTR timer = SetTimer(nullptr, 0, kWatchPeriodMs, LookForWindow);
    action();
    KillTimer(nullptr, timer);
    g_watch = {};
}

std::string TextsOf(HWND window) {
    std::string texts = TextOf(window);
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}
