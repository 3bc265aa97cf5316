// Starts Kalvo, waits until its main window is up and painted, saves a picture of that
// window as a 24-bit BMP file, closes Kalvo with WM_CLOSE and waits for it to end.
// `make run` and `make screenshots` start this inside Wine's virtual desktop.
//
// Usage: kalvo-screenshot KALVO.EXE PICTURE.BMP REPORT.TXT [STEP]... [--tip X,Y]
// The steps run in the order given:
//   --command ID     sends the command ID to the main window;
//   --dialog ID      sends it and pictures the dialog it opens instead, cancelled afterwards;
//   --type ID TEXT   puts TEXT into the dialog's control ID;
//   --press ID       presses the dialog's button ID;
//   --until ID TEXT  waits until the dialog's control ID says something holding TEXT.
// --tip rests the cursor on the client point X,Y and pictures the window with its tip.
// The report says where the window was and Kalvo's exit code.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr char kMainWndClass[] = "CWindow";
constexpr char kDialogClass[] = "#32770";
constexpr char kToolTipClass[] = "tooltips_class32";
constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr DWORD kPollMs = 100;
// Time for the display to show what the last paint drew.
constexpr DWORD kSettleMs = 500;
constexpr WORD kBitsPerPixel = 24;
constexpr WORD kBitmapFileType = 0x4D42; // "BM"

// One step before the picture; `id` is a command for the main window or a control of the
// dialog.
struct Step {
    enum Kind { Command, Dialog, Type, Press, Until } kind;
    WORD id;
    std::wstring text;
};

// What to do before the picture: the steps, then whether to rest the cursor on a client
// point and picture the tip there too.
struct Action {
    std::vector<Step> steps;
    bool pictureTip = false;
    POINT tipAt = {};
};

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (owner == search->processId && IsWindowVisible(hwnd) &&
        std::string(className) == search->className) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// EnumWindows until the process shows a window of the class or the time is up.
HWND WaitForWindow(const PROCESS_INFORMATION& process, const char* className) {
    WindowSearch search{process.dwProcessId, className, nullptr};
    for (DWORD waited = 0; waited < kStartTimeoutMs; waited += kPollMs) {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr ||
            WaitForSingleObject(process.hProcess, kPollMs) == WAIT_OBJECT_0) {
            break;
        }
    }
    return search.found;
}

// RedrawWindow with RDW_UPDATENOW: the window and its controls paint before it returns.
void PaintNow(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(kSettleMs);
}

// The pixels of `rect` on the screen, rows top-down, BGR, each row padded to 4 bytes.
std::vector<BYTE> CaptureScreen(const RECT& rect, BITMAPINFOHEADER& header) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, previous);

    header = BITMAPINFOHEADER{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = kBitsPerPixel;
    header.biCompression = BI_RGB;
    const int stride = ((width * kBitsPerPixel + 31) / 32) * 4;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    header.biSizeImage = static_cast<DWORD>(pixels.size());
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);

    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool WriteBitmap(const char* path, const BITMAPINFOHEADER& header,
                 const std::vector<BYTE>& pixels) {
    BITMAPFILEHEADER file{};
    file.bfType = kBitmapFileType;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr) {
        return false;
    }
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

// PostMessageA(WM_CLOSE): closes Kalvo as the caption's close button does.
DWORD CloseAndWait(HWND hwnd, const PROCESS_INFORMATION& process) {
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, kExitTimeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &exitCode);
    }
    return exitCode;
}

bool StartKalvo(const char* exe, PROCESS_INFORMATION& process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = std::string("\"") + exe + "\"";
    return CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process) != 0;
}

// PostMessageA(WM_COMMAND): runs a command as its menu item does.
void SendCommand(HWND hwnd, WORD command) {
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// PostMessageA(WM_COMMAND) with BN_CLICKED from the button: a click on it.
void PressButton(HWND dialog, WORD button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

// SendMessageW(WM_GETTEXT): GetWindowTextW reads no control of another process.
bool ControlSays(HWND dialog, WORD control, const std::wstring& text) {
    wchar_t says[256] = {};
    SendMessageW(GetDlgItem(dialog, control), WM_GETTEXT, sizeof says / sizeof says[0],
                 reinterpret_cast<LPARAM>(says));
    return std::wcsstr(says, text.c_str()) != nullptr;
}

bool WaitUntilControlSays(HWND dialog, WORD control, const std::wstring& text) {
    for (DWORD waited = 0; waited < kStartTimeoutMs; waited += kPollMs) {
        if (ControlSays(dialog, control, text)) {
            return true;
        }
        Sleep(kPollMs);
    }
    return false;
}

// Runs one step on the window to picture, `target`, which a dialog step replaces with its
// dialog; what went wrong, or nothing.
std::string RunStep(HWND mainWindow, const PROCESS_INFORMATION& process, const Step& step,
                    HWND& target) {
    switch (step.kind) {
    case Step::Command:
        SendCommand(mainWindow, step.id);
        return "";
    case Step::Dialog:
        SendCommand(mainWindow, step.id);
        target = WaitForWindow(process, kDialogClass);
        return target != nullptr ? "" : "Kalvo showed no dialog\n";
    case Step::Type:
        // SetWindowTextW: WM_SETTEXT in UTF-16, which the box keeps whatever the code page.
        SetWindowTextW(GetDlgItem(target, step.id), step.text.c_str());
        return "";
    case Step::Press:
        PressButton(target, step.id);
        return "";
    case Step::Until:
        return WaitUntilControlSays(target, step.id, step.text)
                   ? ""
                   : "control " + std::to_string(step.id) + " never said what was awaited\n";
    }
    return "";
}

// SetCursorPos onto the client point, twice, so that the window sees the mouse come and
// rest there; the tip that shows, or none.
HWND ShowTip(HWND mainWindow, const PROCESS_INFORMATION& process, POINT at) {
    ClientToScreen(mainWindow, &at);
    SetForegroundWindow(mainWindow);
    SetCursorPos(at.x - 1, at.y);
    Sleep(kPollMs);
    SetCursorPos(at.x, at.y);
    return WaitForWindow(process, kToolTipClass);
}

// Pictures the window, with the tip when the action asks for one; the report's lines.
std::string Picture(HWND hwnd, HWND mainWindow, const PROCESS_INFORMATION& process,
                    const char* picture, const Action& action) {
    PaintNow(hwnd);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    if (action.pictureTip) {
        HWND tip = ShowTip(mainWindow, process, action.tipAt);
        if (tip == nullptr) {
            return "Kalvo showed no tip\n";
        }
        Sleep(kSettleMs);
        RECT tipRect{};
        GetWindowRect(tip, &tipRect);
        UnionRect(&rect, &rect, &tipRect);
    }
    BITMAPINFOHEADER header;
    const std::vector<BYTE> pixels = CaptureScreen(rect, header);
    std::string report = "window " + std::to_string(rect.right - rect.left) + " x " +
                         std::to_string(rect.bottom - rect.top) + " at " +
                         std::to_string(rect.left) + ", " + std::to_string(rect.top) + "\n";
    if (!WriteBitmap(picture, header, pixels)) {
        report += "could not write the picture\n";
    }
    return report;
}

// Runs the steps, captures the window they leave to picture and closes Kalvo, also when a
// step failed; the report's lines say what happened.
std::string CaptureAndClose(const PROCESS_INFORMATION& process, const char* picture,
                            const Action& action) {
    HWND mainWindow = WaitForWindow(process, kMainWndClass);
    if (mainWindow == nullptr) {
        return "Kalvo showed no main window\n";
    }
    HWND hwnd = mainWindow;
    std::string report;
    for (const Step& step : action.steps) {
        report = RunStep(mainWindow, process, step, hwnd);
        if (!report.empty()) {
            break;
        }
    }
    if (report.empty()) {
        report = Picture(hwnd, mainWindow, process, picture, action);
    }
    if (hwnd != nullptr && hwnd != mainWindow) {
        SendCommand(hwnd, IDCANCEL);
        Sleep(kSettleMs);
    }
    const DWORD exitCode = CloseAndWait(mainWindow, process);
    if (exitCode == STILL_ACTIVE) {
        return report + "Kalvo did not end after WM_CLOSE\n";
    }
    return report + "Kalvo ended with exit code " + std::to_string(exitCode) + "\n";
}

void WriteReport(const char* path, const std::string& text) {
    FILE* out = std::fopen(path, "w");
    if (out != nullptr) {
        std::fputs(text.c_str(), out);
        std::fclose(out);
    }
}

// The CRT hands over the arguments in the ANSI code page, 932 in Kalvo's Wine session.
std::wstring Widen(const char* text) {
    const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (size <= 1) {
        return std::wstring();
    }
    std::wstring wide(static_cast<size_t>(size) - 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], size);
    return wide;
}

// "X,Y" into `at`; false when it is not that.
bool ParsePoint(const char* text, POINT& at) {
    char* end = nullptr;
    at.x = std::strtol(text, &end, 10);
    if (*end != ',') {
        return false;
    }
    at.y = std::strtol(end + 1, &end, 10);
    return *end == '\0';
}

struct StepOption {
    const char* name;
    Step::Kind kind;
    bool hasText;
};

constexpr StepOption kStepOptions[] = {{"--command", Step::Command, false},
                                       {"--dialog", Step::Dialog, false},
                                       {"--type", Step::Type, true},
                                       {"--press", Step::Press, false},
                                       {"--until", Step::Until, true}};

const StepOption* FindStepOption(const std::string& name) {
    for (const StepOption& option : kStepOptions) {
        if (name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

// The options after the three paths; false when they are wrong.
bool ParseAction(int argc, char** argv, Action& action) {
    if (argc < 4) {
        return false;
    }
    for (int i = 4; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--tip") {
            action.pictureTip = i + 1 < argc && ParsePoint(argv[++i], action.tipAt);
            if (!action.pictureTip) {
                return false;
            }
            continue;
        }
        const StepOption* option = FindStepOption(name);
        const int arguments = option != nullptr && option->hasText ? 2 : 1;
        if (option == nullptr || i + arguments >= argc) {
            return false;
        }
        Step step{option->kind, static_cast<WORD>(std::strtoul(argv[i + 1], nullptr, 10)),
                  option->hasText ? Widen(argv[i + 2]) : std::wstring()};
        if (step.id == 0) {
            return false;
        }
        action.steps.push_back(step);
        i += arguments;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Action action;
    if (!ParseAction(argc, argv, action)) {
        return 2;
    }
    PROCESS_INFORMATION process{};
    if (!StartKalvo(argv[1], process)) {
        WriteReport(argv[3], "could not start Kalvo\n");
        return 1;
    }
    WriteReport(argv[3], CaptureAndClose(process, argv[2], action));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
