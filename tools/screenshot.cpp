// Starts Kalvo, waits until its main window is up and painted, saves a picture of that
// window as a 24-bit BMP file, closes Kalvo with WM_CLOSE and waits for it to end.
// `make run` and `make screenshots` start this inside Wine's virtual desktop.
//
// Usage: kalvo-screenshot KALVO.EXE PICTURE.BMP REPORT.TXT
//            [--command ID | --dialog ID | --tip X,Y]
// --command sends the command ID to the main window before the picture is taken;
// --dialog sends it and pictures the dialog it opens instead, then cancels that dialog;
// --tip rests the cursor on the client point X,Y and pictures the window with its tip.
// The report says where the window was and Kalvo's exit code.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
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

// What to do before the picture: send a command, and whether to picture its dialog; or
// rest the cursor on a client point and picture the tip there too.
struct Action {
    WORD command = 0;
    bool pictureDialog = false;
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

// Runs the action; the window to picture, or none when its dialog did not show.
HWND Prepare(HWND mainWindow, const PROCESS_INFORMATION& process, const Action& action) {
    if (action.command != 0) {
        SendCommand(mainWindow, action.command);
    }
    return action.pictureDialog ? WaitForWindow(process, kDialogClass) : mainWindow;
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

// Captures the window the action asks for and closes Kalvo; the report's lines say what
// happened.
std::string CaptureAndClose(const PROCESS_INFORMATION& process, const char* picture,
                            const Action& action) {
    HWND mainWindow = WaitForWindow(process, kMainWndClass);
    if (mainWindow == nullptr) {
        return "Kalvo showed no main window\n";
    }
    HWND hwnd = Prepare(mainWindow, process, action);
    if (hwnd == nullptr) {
        return "Kalvo showed no dialog\n";
    }
    PaintNow(hwnd);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    if (action.pictureTip) {
        HWND tip = ShowTip(mainWindow, process, action.tipAt);
        if (tip == nullptr) {
            CloseAndWait(mainWindow, process);
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
    if (hwnd != mainWindow) {
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

} // namespace

// The optional "--command ID", "--dialog ID" or "--tip X,Y"; false when the arguments are
// wrong.
bool ParseAction(int argc, char** argv, Action& action) {
    if (argc == 4) {
        return true;
    }
    if (argc != 6) {
        return false;
    }
    const std::string option = argv[4];
    if (option == "--tip") {
        char* end = nullptr;
        action.tipAt.x = std::strtol(argv[5], &end, 10);
        action.pictureTip = *end == ',';
        action.tipAt.y = action.pictureTip ? std::strtol(end + 1, nullptr, 10) : 0;
        return action.pictureTip;
    }
    action.pictureDialog = option == "--dialog";
    action.command = static_cast<WORD>(std::strtoul(argv[5], nullptr, 10));
    return (action.pictureDialog || option == "--command") && action.command != 0;
}

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
