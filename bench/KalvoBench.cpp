// Times Kalvo as its user meets it: it starts the real executables, drives their windows
// from outside and prints, for each figure, the median, its reference and the ratio.
// bench/run.sh prepares the work folder:
//   <work>\empty, <work>\10y, <work>\100y   each with a memo folder (0, 3,650 and 36,525
//                                           memos) and a copy of every executable named
//   <work>\delete                           the same, with an empty memo folder
//   <work>\BareWindow.exe                   the reference window program
//   <work>\BareButtonWindow.exe             the same with one push button under Kalvo's
//                                           manifest (Common Controls 6)
// The 100-year folder's memo of yesterday has some lines of text. The day tip alone is
// timed inside this process, in a main window of this build: its text is asked for by a
// message that carries a pointer, which no other process can send.
// Usage: KalvoBench <work folder> <rounds> <exe name>...
// The memo search is timed apart, in a Wine session pinned to one core:
//   <work>\search                          36,525 memos of about 260 bytes, UTF-8 and
//                                           Shift-JIS, and a copy of every executable
// Usage: KalvoBench --search <work folder> <rounds> <exe name>...
#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/CSystemData.h"
#include "mainwnd/CMainWnd.h"
#include "mainwnd/MainWndLayout.h"
#include "resources/DialogIds.h"

namespace {

constexpr char kMainClass[] = "CWindow";
constexpr char kBareClass[] = "BareWindow";
constexpr char kDialogClass[] = "#32770";
constexpr char kKalvoPaintLine[] = "CMainWnd::OnPaint()";
constexpr char kBarePaintLine[] = "paint";
constexpr char kMemoPattern[] = "\\memo\\*.txt";
constexpr DWORD kPatienceMs = 20000;
constexpr int kRepaints = 30;
constexpr int kStartUpsPerRound = 3;
// Time for the previous program's teardown to pass before a start-up is timed.
constexpr DWORD kQuietMs = 100;
constexpr int kDeletedMemos = 1000;
constexpr int kFirstDeletedYear = 3000;
constexpr double kSizeLimitKiB = 320.0;
constexpr double kSelectLimitMs = 50.0;
constexpr double kJumpLimitMs = 50.0;
constexpr double kTipLimitMs = 20.0;
constexpr int kJumpsPerRound = 3;
// A user's glance at the month before the key: time for Kalvo's walk of the memo folder,
// which it reads while idle.
constexpr DWORD kGlanceMs = 2000;
constexpr int kTipsPerRound = 30;
constexpr int kListedMemos = 36525;
// Apart by more than a window's width.
constexpr int kSideBySide = 420;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Fail(const char* what) {
    std::printf("bench: %s (error %lu)\n", what, GetLastError());
    std::fflush(stdout);
    ExitProcess(1);
}

// The first visible top-level window of process `pid` with class `className`.
HWND FindTopWindow(DWORD pid, const char* className) {
    for (HWND hwnd = FindWindowExA(nullptr, nullptr, className, nullptr); hwnd != nullptr;
         hwnd = FindWindowExA(nullptr, hwnd, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == pid && IsWindowVisible(hwnd)) {
            return hwnd;
        }
    }
    return nullptr;
}

HWND WaitForTopWindow(DWORD pid, const char* className) {
    const double deadline = Now() + kPatienceMs;
    while (Now() < deadline) {
        if (HWND hwnd = FindTopWindow(pid, className)) {
            return hwnd;
        }
        Sleep(1);
    }
    Fail((std::string("no window of class ") + className + " appeared").c_str());
    return nullptr;
}

// Returns once `hwnd` has painted what it had to paint and handled everything before.
void Settle(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageA(hwnd, WM_NULL, 0, 0);
}

HANDLE NulHandle() {
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    return CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherit, OPEN_EXISTING, 0, nullptr);
}

// One started program, closed when the object goes.
class Program {
public:
    // Standard output goes to `output`, or nowhere.
    Program(const std::string& path, const char* className = kMainClass, HANDLE output = nullptr)
        : m_className(className), m_info() {
        HANDLE nul = NulHandle();
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nul;
        startup.hStdOutput = output != nullptr ? output : nul;
        startup.hStdError = nul;
        std::string commandLine = "\"" + path + "\"";
        const std::string folder = path.substr(0, path.rfind('\\'));
        if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                            folder.c_str(), &startup, &m_info)) {
            Fail(("cannot start " + path).c_str());
        }
        CloseHandle(nul);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() {
        if (HWND hwnd = FindTopWindow(m_info.dwProcessId, kDialogClass)) {
            PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        }
        if (HWND hwnd = FindTopWindow(m_info.dwProcessId, m_className)) {
            PostMessageA(hwnd, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(m_info.hProcess, kPatienceMs) != WAIT_OBJECT_0) {
            TerminateProcess(m_info.hProcess, 1);
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }

    DWORD Id() const { return m_info.dwProcessId; }
    HWND MainWindow() const { return WaitForTopWindow(m_info.dwProcessId, m_className); }
    double PeakWorkingSetMiB() const {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof(counters);
        GetProcessMemoryInfo(m_info.hProcess, &counters, sizeof(counters));
        return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }

private:
    const char* m_className;
    PROCESS_INFORMATION m_info;
};

// Waits until the desktop has repainted what closed windows uncovered, and a little more,
// so that no start-up is timed while the previous program's teardown still runs.
void Quiet() {
    Settle(GetDesktopWindow());
    Sleep(kQuietMs);
}

// Milliseconds from the start of `path` to its first paint line on standard output, and
// the peak working set once it is idle after that paint.
void TimeStartUp(const std::string& path, const char* className, const char* paintLine,
                 std::vector<double>& startUp, std::vector<double>& memory) {
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        Fail("no pipe");
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    Quiet();
    const double start = Now();
    Program program(path, className, writeEnd);
    CloseHandle(writeEnd);
    std::string output;
    char chunk[256];
    DWORD got = 0;
    while (output.find(paintLine) == std::string::npos &&
           ReadFile(readEnd, chunk, sizeof(chunk), &got, nullptr) && got > 0) {
        output.append(chunk, got);
    }
    startUp.push_back(Now() - start);
    Settle(program.MainWindow());
    memory.push_back(program.PeakWorkingSetMiB());
    CloseHandle(readEnd);
}

// The active window on top paints more slowly than the others, so every window is timed
// as that one.
void BringToFront(HWND hwnd) {
    SetForegroundWindow(hwnd);
    Settle(hwnd);
}

// One repaint of the shown month, of the area a date change repaints, or of the month a
// key moves to.
double TimeRepaint(HWND hwnd, WPARAM key) {
    const double start = Now();
    if (key != 0) {
        SendMessageA(hwnd, WM_KEYDOWN, key, 0);
    } else {
        InvalidateRect(hwnd, &MainWndLayout::kRepaintArea, FALSE);
    }
    Settle(hwnd);
    return Now() - start;
}

HWND OpenMemoList(const Program& program) {
    PostMessageA(program.MainWindow(), WM_COMMAND, MainWndLayout::kCmdMemoList, 0);
    HWND dialog = WaitForTopWindow(program.Id(), kDialogClass);
    Settle(dialog);
    return dialog;
}

// Milliseconds from OK to the dialog's window being gone.
double CloseMemoList(HWND dialog) {
    const double start = Now();
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    while (IsWindow(dialog)) {
        Sleep(1);
    }
    return Now() - start;
}

double TimeButton(HWND dialog, int id) {
    const double start = Now();
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    Settle(dialog);
    return Now() - start;
}

int ListedItems(HWND dialog) {
    HWND list = FindWindowExA(dialog, nullptr, WC_LISTVIEWA, nullptr);
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

double TimeFolderWalk(const std::string& folder) {
    const double start = Now();
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + kMemoPattern).c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        while (FindNextFileA(find, &data)) {
        }
        FindClose(find);
    }
    return Now() - start;
}

// Each batch has names of its own year: a name the Recycle Bin already holds makes Wine's
// bin look for a free name, work that the first round would not have.
std::vector<std::string> MakeMemos(const std::string& folder, int count) {
    static int s_batch = 0;
    const int year = kFirstDeletedYear + s_batch++;
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "\\memo\\%04d%04d.txt", year, i);
        paths.push_back(folder + name);
        CloseHandle(CreateFileA(paths.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    return paths;
}

// SHFileOperationW as a file manager deletes to the Recycle Bin: all files in one call.
double TimeShellDelete(const std::vector<std::string>& paths) {
    std::wstring from;
    for (const std::string& path : paths) {
        from.append(path.begin(), path.end()).push_back(L'\0');
    }
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    const double start = Now();
    SHFileOperationW(&operation);
    return Now() - start;
}

void Print(const char* figure, const char* variant, double median, double reference,
           const char* referenceName, const char* unit) {
    std::printf("%-44s %-16s %9.1f %-3s | %9.1f %-3s %-28s | %6.2fx\n", figure, variant, median,
                unit, reference, unit, referenceName, reference > 0 ? median / reference : 0.0);
    std::fflush(stdout);
}

struct Variant {
    std::string name;
    std::vector<double> startUp, memory, repaintEmpty, repaint10, repaint100, stepEmpty, step100,
        listOpen, listClose, selectAll, clear, bulkDelete, prevMemo, noNextMemo, noNextMemoAtOnce;
};

// The three folders' programs run side by side and take turns, so that the machine's
// moods reach them alike: each repaints the same month again, then moves each time to
// the next month, one not shown before. Where a window lies, and whether another covers
// part of it, changes how long the platform takes to show it, and so does the order in
// which the programs started: the program started first repaints fastest, even when all
// three folders are empty. So every folder's program starts first, second and third, in
// each of the three places, once in nine rounds. Use a multiple of nine rounds.
void MeasureRepaints(const std::string& work, int round, Variant& v) {
    const struct {
        const char* folder;
        std::vector<double>* same;
        std::vector<double>* step;
    } cases[] = {{"\\empty", &v.repaintEmpty, &v.stepEmpty},
                 {"\\10y", &v.repaint10, nullptr},
                 {"\\100y", &v.repaint100, &v.step100}};
    constexpr int kCases = static_cast<int>(std::size(cases));
    std::vector<std::unique_ptr<Program>> programs(kCases);
    std::vector<HWND> windows(kCases);
    for (int started = 0; started < kCases; ++started) {
        const int n = (started + round) % kCases;
        programs[n] = std::make_unique<Program>(work + cases[n].folder + "\\" + v.name);
        windows[n] = programs[n]->MainWindow();
        const int place = (n + round / kCases) % kCases;
        SetWindowPos(windows[n], nullptr, kSideBySide * place, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Settle(windows[n]);
    }
    // Each turn starts with another folder, so that none always follows the same one.
    const size_t count = programs.size();
    for (int i = 0; i < kRepaints; ++i) {
        for (size_t k = 0; k < count; ++k) {
            const size_t n = (i + k) % count;
            BringToFront(windows[n]);
            cases[n].same->push_back(TimeRepaint(windows[n], 0));
        }
    }
    for (int i = 0; i < kRepaints; ++i) {
        for (size_t k = 0; k < count; ++k) {
            const size_t n = (i + k) % count;
            if (cases[n].step != nullptr) {
                BringToFront(windows[n]);
                cases[n].step->push_back(TimeRepaint(windows[n], VK_NEXT));
            }
        }
    }
}

void Command(HWND hwnd, int id) { SendMessageA(hwnd, WM_COMMAND, id, 0); }

// The memo jumps among 36,525 memos, each after 更新 has made Kalvo forget the days it
// read: from the 1st of January of last year to the year before, which one search of that
// year finds, and on from today, after which there is no memo, which takes every year's
// days from the walk of the whole folder that the repaint set going. Timed after a glance
// at the month, as a user presses the key, and, for the second, also at once, when the
// jump itself reads what the walk has not.
void MeasureMemoJumps(const std::string& work, Variant& v) {
    using namespace MainWndLayout;
    Program program(work + "\\100y\\" + v.name);
    const HWND hwnd = program.MainWindow();
    SYSTEMTIME today;
    GetLocalTime(&today);
    const auto reread = [&] {
        Command(hwnd, kCmdRefresh);
        Settle(hwnd);
    };
    for (int i = 0; i < kJumpsPerRound; ++i) {
        Command(hwnd, kCmdToday);
        Command(hwnd, kCmdPrevYear);
        for (int month = 1; month < today.wMonth; ++month) {
            Command(hwnd, kCmdPrevMonth);
        }
        reread();
        Sleep(kGlanceMs);
        v.prevMemo.push_back(TimeRepaint(hwnd, VK_OEM_COMMA));
        Command(hwnd, kCmdToday);
        reread();
        Sleep(kGlanceMs);
        v.noNextMemo.push_back(TimeRepaint(hwnd, VK_OEM_PERIOD));
        reread();
        v.noNextMemoAtOnce.push_back(TimeRepaint(hwnd, VK_OEM_PERIOD));
    }
}

// The client point of the day's cell in the main window's month, or (0, 0) off it.
POINT CellOf(CMainWnd& wnd, const CDate& wanted) {
    using namespace MainWndLayout;
    for (int y = kGridOrigin.y; y < kGridOrigin.y + kRows * kCellSize; y += kCellSize) {
        for (int x = kGridOrigin.x; x < kGridOrigin.x + kColumns * kCellSize; x += kCellSize) {
            CDate day(wanted);
            if (wnd.DayFromPoint(x, y, day) && day == wanted) {
                return {x + kCellSize / 2, y + kCellSize / 2};
            }
        }
    }
    return {0, 0};
}

// Shows the window and lets it paint, without the paint's trace line among the figures.
void PaintQuietly(CMainWnd& wnd) {
    std::fflush(stdout);
    const int out = _dup(_fileno(stdout));
    const int nul = _open("NUL", _O_WRONLY);
    _dup2(nul, _fileno(stdout));
    wnd.ShowWindow(SW_SHOWNOACTIVATE);
    UpdateWindow(wnd.GetHandle());
    std::fflush(stdout);
    _dup2(out, _fileno(stdout));
    _close(nul);
    _close(out);
}

// From the tooltip's request (TTN_GETDISPINFOW) to the text ready, with the mouse on
// yesterday's cell of the month shown and painted, as a user sees it before resting the
// mouse on a day.
void MeasureDayTip(const std::string& work, std::vector<double>& tip) {
    CSystemData::CreateInstance();
    CSystemData::GetInstance()->SetBaseDir((work + "\\100y").c_str());
    {
        CMainWnd wnd;
        wnd.Create(CW_USEDEFAULT, CW_USEDEFAULT, MainWndLayout::kWindowWidth,
                   MainWndLayout::kWindowHeight, nullptr);
        const HWND hwnd = wnd.GetHandle();
        Command(hwnd, MainWndLayout::kCmdPrevDay);
        PaintQuietly(wnd);
        CDate yesterday;
        --yesterday;
        const POINT cell = CellOf(wnd, yesterday);
        SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(cell.x, cell.y));
        HWND tipWindow = nullptr;
        while ((tipWindow = FindWindowExW(nullptr, tipWindow, TOOLTIPS_CLASSW, nullptr)) &&
               GetWindow(tipWindow, GW_OWNER) != hwnd) {
        }
        for (int i = 0; i < kTipsPerRound; ++i) {
            NMTTDISPINFOW info = {};
            info.hdr = {tipWindow, 1, TTN_GETDISPINFOW};
            const double start = Now();
            SendMessageW(hwnd, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&info));
            tip.push_back(Now() - start);
            if (info.lpszText == nullptr || std::wcslen(info.lpszText) < 100) {
                Fail("the day tip has not the memo's text");
            }
        }
    }
    // The window's end posts the quit message, which nothing here waits for.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    CSystemData::DestroyInstance();
}

void MeasureMemoList(const std::string& work, Variant& v, std::vector<double>& walk) {
    Program program(work + "\\100y\\" + v.name);
    Settle(program.MainWindow());
    const double start = Now();
    HWND dialog = OpenMemoList(program);
    v.listOpen.push_back(Now() - start);
    walk.push_back(TimeFolderWalk(work + "\\100y"));
    if (ListedItems(dialog) != kListedMemos) {
        std::printf("bench: %s lists %d memos\n", v.name.c_str(), ListedItems(dialog));
    }
    v.selectAll.push_back(TimeButton(dialog, IDC_MEMO_LIST_SELECT_ALL));
    v.clear.push_back(TimeButton(dialog, IDC_MEMO_LIST_CLEAR));
    v.listClose.push_back(CloseMemoList(dialog));
}

// SHEmptyRecycleBinA: each delete starts from an empty bin, as a user's usually is, not
// from the thousands of memos earlier rounds left there.
void EmptyRecycleBin() {
    SHEmptyRecycleBinA(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
}

// Kalvo's delete and the shell's call take turns at going first, so that neither always
// finds the bin just after the other has filled and emptied it.
void MeasureBulkDelete(const std::string& work, int round, Variant& v, std::vector<double>& shell) {
    const std::string folder = work + "\\delete";
    const auto timeShell = [&] {
        EmptyRecycleBin();
        shell.push_back(TimeShellDelete(MakeMemos(folder, kDeletedMemos)));
    };
    if (round % 2 == 0) {
        timeShell();
    }
    EmptyRecycleBin();
    MakeMemos(folder, kDeletedMemos);
    {
        Program program(folder + "\\" + v.name);
        Settle(program.MainWindow());
        HWND dialog = OpenMemoList(program);
        TimeButton(dialog, IDC_MEMO_LIST_SELECT_ALL);
        v.bulkDelete.push_back(TimeButton(dialog, IDC_MEMO_LIST_DELETE));
        if (ListedItems(dialog) != 0) {
            std::printf("bench: %s left %d memos\n", v.name.c_str(), ListedItems(dialog));
        }
        CloseMemoList(dialog);
    }
    if (round % 2 != 0) {
        timeShell();
    }
}

double FileKiB(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return 0.0;
    }
    return static_cast<double>(data.nFileSizeLow) / 1024.0;
}

} // namespace

// The memo search: the first search after Kalvo starts, against a plain read of every memo
// by this program, and the same search again, against a plain walk of the folder; and all
// the while, how long the main window takes to answer a message.
namespace {

constexpr wchar_t kSearchWords[] = L"歯医者";
constexpr DWORD kProbeIntervalMs = 20;
constexpr DWORD kProbePatienceMs = 10000;
constexpr double kAnswerLimitMs = 100.0;
// Reading another process's window text asks wineserver, which the search needs itself.
constexpr DWORD kStatusPollMs = 10;

// Walks the memo folder and opens, reads and closes every memo, one by one, as Kalvo reads
// them: in pieces of 64 KiB.
double TimeRawRead(const std::string& folder) {
    std::vector<char> buffer(64 * 1024);
    const double start = Now();
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + kMemoPattern).c_str(), &data);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data)) {
        const std::string path = folder + "\\memo\\" + data.cFileName;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        // A disk file reads short only at its end.
        DWORD got = 0;
        while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
               got == buffer.size()) {
        }
        CloseHandle(file);
    }
    FindClose(find);
    return Now() - start;
}

// Sends WM_NULL to a window every 20 ms from a thread of its own and keeps the longest
// time the window took to answer.
class AnswerProbe {
public:
    explicit AnswerProbe(HWND window) : m_window(window), m_stop(false), m_longest(0.0) {
        m_thread = CreateThread(nullptr, 0, Loop, this, 0, nullptr);
    }
    AnswerProbe(const AnswerProbe&) = delete;
    AnswerProbe& operator=(const AnswerProbe&) = delete;
    ~AnswerProbe() { Stop(); }

    double Stop() {
        if (m_thread != nullptr) {
            m_stop = true;
            WaitForSingleObject(m_thread, INFINITE);
            CloseHandle(m_thread);
            m_thread = nullptr;
        }
        return m_longest;
    }

private:
    static DWORD WINAPI Loop(void* self) {
        auto* probe = static_cast<AnswerProbe*>(self);
        while (!probe->m_stop) {
            const double start = Now();
            DWORD_PTR result = 0;
            SendMessageTimeoutA(probe->m_window, WM_NULL, 0, 0, SMTO_NORMAL, kProbePatienceMs,
                                &result);
            probe->m_longest = std::max(probe->m_longest, Now() - start);
            Sleep(kProbeIntervalMs);
        }
        return 0;
    }

    HWND m_window;
    volatile bool m_stop;
    double m_longest;
    HANDLE m_thread;
};

bool EndsWith(const std::wstring& text, const wchar_t* tail) {
    const size_t length = std::wcslen(tail);
    return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
}

// Standard output goes to a file that Linux reads: UTF-8.
void PrintLine(const std::wstring& text) {
    std::string utf8(text.size() * 3 + 1, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                    &utf8[0], static_cast<int>(utf8.size()), nullptr, nullptr));
    std::printf("%s\n", utf8.c_str());
    std::fflush(stdout);
}

std::wstring StatusOf(HWND dialog) {
    wchar_t text[256] = {};
    GetWindowTextW(GetDlgItem(dialog, IDC_SEARCH_MEMO_STATUS), text, 256);
    return text;
}

// Presses 検索 and waits for the status line to tell the end; the milliseconds between,
// and the longest answer of the main window meanwhile.
double TimeSearch(HWND mainWindow, HWND dialog, double& longestAnswer, std::wstring& status) {
    AnswerProbe probe(mainWindow);
    const double start = Now();
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SEARCH_MEMO_START, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_SEARCH_MEMO_START)));
    const double deadline = start + 10 * kPatienceMs;
    do {
        status = StatusOf(dialog);
        if (EndsWith(status, L"見つかりました") || EndsWith(status, L"見つかりませんでした") ||
            EndsWith(status, L"件）")) {
            break;
        }
        Sleep(kStatusPollMs);
    } while (Now() < deadline);
    const double took = Now() - start;
    longestAnswer = probe.Stop();
    return took;
}

struct SearchVariant {
    std::string name;
    std::vector<double> first, again, firstAnswer, againAnswer, memoryBefore, memoryAfter;
    std::wstring status;
};

void MeasureSearch(const std::string& folder, SearchVariant& v) {
    Program program(folder + "\\" + v.name);
    const HWND mainWindow = program.MainWindow();
    Settle(mainWindow);
    v.memoryBefore.push_back(program.PeakWorkingSetMiB());
    PostMessageA(mainWindow, WM_COMMAND, MainWndLayout::kCmdSearchMemo, 0);
    const HWND dialog = WaitForTopWindow(program.Id(), kDialogClass);
    Settle(dialog);
    SendMessageW(GetDlgItem(dialog, IDC_SEARCH_MEMO_WORDS), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(kSearchWords));
    double answer = 0.0;
    v.first.push_back(TimeSearch(mainWindow, dialog, answer, v.status));
    v.firstAnswer.push_back(answer);
    v.again.push_back(TimeSearch(mainWindow, dialog, answer, v.status));
    v.againAnswer.push_back(answer);
    v.memoryAfter.push_back(program.PeakWorkingSetMiB());
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

int RunSearchBench(const std::string& work, int rounds, const std::vector<std::string>& names) {
    const std::string folder = work + "\\search";
    std::vector<SearchVariant> variants;
    for (const std::string& name : names) {
        variants.emplace_back();
        variants.back().name = name;
    }
    std::vector<double> rawRead, walk;
    for (int round = 0; round < rounds; ++round) {
        // The reference is taken before the programs in one round and after them in the next.
        if (round % 2 == 0) {
            rawRead.push_back(TimeRawRead(folder));
        }
        for (SearchVariant& v : variants) {
            Quiet();
            MeasureSearch(folder, v);
            walk.push_back(TimeFolderWalk(folder));
        }
        if (round % 2 != 0) {
            rawRead.push_back(TimeRawRead(folder));
        }
        std::printf("bench: search round %d of %d done\n", round + 1, rounds);
        std::fflush(stdout);
    }
    std::printf("\n%-44s %-16s %13s | %-42s | %s\n", "Figure", "Program", "Median",
                "Reference (median)", "Ratio");
    for (const SearchVariant& v : variants) {
        const char* name = v.name.c_str();
        Print("First search, 36,525 memos", name, Median(v.first), Median(rawRead),
              "raw read: walk, open, read, close", "ms");
        Print("Same search again, nothing changed", name, Median(v.again), Median(walk),
              "FindFirstFileA/FindNextFileA", "ms");
        Print("Main window's longest answer, first search", name,
              *std::max_element(v.firstAnswer.begin(), v.firstAnswer.end()), kAnswerLimitMs,
              "the 100 ms limit (worst round)", "ms");
        Print("Main window's longest answer, search again", name,
              *std::max_element(v.againAnswer.begin(), v.againAnswer.end()), kAnswerLimitMs,
              "the 100 ms limit (worst round)", "ms");
        Print("Peak working set after both searches", name, Median(v.memoryAfter),
              Median(v.memoryBefore), "same, before searching", "MiB");
        std::printf("  %s's last status: ", name);
        PrintLine(v.status);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::strcmp(argv[1], "--search") == 0) {
        return RunSearchBench(argv[2], std::atoi(argv[3]),
                              std::vector<std::string>(argv + 4, argv + argc));
    }
    if (argc < 4) {
        std::printf("usage: KalvoBench <work folder> <rounds> <exe name>...\n");
        return 2;
    }
    const std::string work = argv[1];
    const int rounds = std::atoi(argv[2]);
    std::vector<Variant> variants;
    for (int i = 3; i < argc; ++i) {
        variants.emplace_back();
        variants.back().name = argv[i];
    }
    std::vector<double> bareStartUp, bareMemory, buttonStartUp, buttonMemory, walk, shell, tip;
    // Rounds interleave the programs, so that the machine's moods reach them all alike.
    for (int round = 0; round < rounds; ++round) {
        // The programs take turns at starting first.
        const int references = 2;
        const int starters = static_cast<int>(variants.size()) + references;
        for (int i = 0; i < kStartUpsPerRound * starters; ++i) {
            const int n = (round + i) % starters;
            if (n == 0) {
                TimeStartUp(work + "\\BareWindow.exe", kBareClass, kBarePaintLine, bareStartUp,
                            bareMemory);
            } else if (n == 1) {
                TimeStartUp(work + "\\BareButtonWindow.exe", kBareClass, kBarePaintLine,
                            buttonStartUp, buttonMemory);
            } else {
                Variant& v = variants[n - references];
                TimeStartUp(work + "\\empty\\" + v.name, kMainClass, kKalvoPaintLine, v.startUp,
                            v.memory);
            }
        }
        for (Variant& v : variants) {
            MeasureRepaints(work, round, v);
            MeasureMemoList(work, v, walk);
            MeasureBulkDelete(work, round, v, shell);
            MeasureMemoJumps(work, v);
        }
        MeasureDayTip(work, tip);
        std::printf("bench: round %d of %d done\n", round + 1, rounds);
        std::fflush(stdout);
    }

    std::printf("\n%-44s %-16s %13s | %-42s | %s\n", "Figure", "Program", "Median",
                "Reference (median)", "Ratio");
    for (const Variant& v : variants) {
        const char* name = v.name.c_str();
        const double empty = Median(v.repaintEmpty);
        Print("Month repaint, 36,525 memos", name, Median(v.repaint100), empty,
              "same, empty folder", "ms");
        Print("Month repaint, 3,650 memos", name, Median(v.repaint10), empty, "same, empty folder",
              "ms");
        Print("Next month, 36,525 memos", name, Median(v.step100), Median(v.stepEmpty),
              "same, empty folder", "ms");
        Print("Memo list open, 36,525 memos", name, Median(v.listOpen), Median(walk),
              "FindFirstFileA/FindNextFileA", "ms");
        Print("Memo list close with OK, 36,525 memos", name, Median(v.listClose), Median(walk),
              "FindFirstFileA/FindNextFileA", "ms");
        Print("Memo list select all, 36,525 items", name, Median(v.selectAll), kSelectLimitMs,
              "the 50 ms limit", "ms");
        Print("Memo list clear, 36,525 items", name, Median(v.clear), kSelectLimitMs,
              "the 50 ms limit", "ms");
        Print("Previous memo into an unread year, 36,525", name, Median(v.prevMemo), kJumpLimitMs,
              "the 50 ms limit", "ms");
        Print("Next memo with none after, 36,525 memos", name, Median(v.noNextMemo), kJumpLimitMs,
              "the 50 ms limit", "ms");
        Print("Same, at once after F5", name, Median(v.noNextMemoAtOnce), kJumpLimitMs,
              "the 50 ms limit", "ms");
        Print("Bulk delete of 1,000 checked memos", name, Median(v.bulkDelete), Median(shell),
              "SHFileOperationW, one call", "ms");
        Print("Start-up to the first paint", name, Median(v.startUp), Median(bareStartUp),
              "bare window", "ms");
        Print("Start-up to the first paint", name, Median(v.startUp), Median(buttonStartUp),
              "bare window + button, CC6", "ms");
        Print("Peak working set", name, Median(v.memory), Median(bareMemory), "bare window", "MiB");
        Print("Executable size", name, FileKiB(work + "\\empty\\" + v.name), kSizeLimitKiB,
              "the 320 KiB limit", "KiB");
    }
    Print("Day tip text, 36,525 memos", "this build", Median(tip), kTipLimitMs, "the 20 ms limit",
          "ms");
    return 0;
}
