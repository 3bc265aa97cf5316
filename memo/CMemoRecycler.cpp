#include "memo/CMemoRecycler.h"

#include <shellapi.h>

namespace {

constexpr const char* kDestroyQuestion = "ごみ箱を使えないため、メモをごみ箱に移せません。\n"
                                         "完全に削除すると元に戻せません。削除しますか？";
constexpr const char* kQuestionCaption = "確認";
constexpr UINT kQuestionStyle = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;
// A deletion that lasts longer than this shows how far it has come, every kProgressMs.
constexpr DWORD kQuietMs = 1000;
constexpr DWORD kProgressMs = 250;
// The shell's questions are of the dialog class, named by its atom (WC_DIALOG) or by text.
constexpr ULONG_PTR kDialogClassAtom = 0x8002;
constexpr wchar_t kDialogClassName[] = L"#32770";

// SHFileOperationW takes '?' and '*' as wildcards, which would reach other files.
bool HasWildcard(const std::wstring& path) { return path.find_first_of(L"?*") != path.npos; }

bool IsGone(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

// CreateFileW asking for DELETE access: a memo that another program holds open cannot be
// deleted, and the shell, failing to recycle it, would offer to destroy it instead. Under
// Wine the shell moves such a file all the same.
bool OpensForDeletion(const std::wstring& path) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(file);
    return true;
}

// GetVolumePathNameW and GetDriveTypeW: removable, network and RAM drives keep no
// Recycle Bin.
bool OnFixedDrive(const std::wstring& path) {
    wchar_t root[MAX_PATH] = {};
    return ::GetVolumePathNameW(path.c_str(), root, MAX_PATH) &&
           ::GetDriveTypeW(root) == DRIVE_FIXED;
}

// SetWindowsHookExW with WH_CBT on the calling thread: while it lives, every dialog the
// thread tries to open fails to appear, and is counted. A question that cannot be shown is
// answered "no", which leaves the file where it is.
class CDialogVeto {
public:
    CDialogVeto()
        : m_hHook(
              ::SetWindowsHookExW(WH_CBT, &CDialogVeto::Hook, nullptr, ::GetCurrentThreadId())) {
        s_vetoed = 0;
    }
    CDialogVeto(const CDialogVeto&) = delete;
    CDialogVeto& operator=(const CDialogVeto&) = delete;
    ~CDialogVeto() {
        if (m_hHook != nullptr) {
            ::UnhookWindowsHookEx(m_hHook);
        }
    }

    bool Vetoed() const { return s_vetoed > 0; }

private:
    static bool IsDialogClass(const wchar_t* name) {
        return IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) == kDialogClassAtom
                                    : ::lstrcmpW(name, kDialogClassName) == 0;
    }

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND &&
            IsDialogClass(reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->lpszClass)) {
            ++s_vetoed;
            return 1;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    // Hook procedures carry no context; one deletion runs at a time.
    static int s_vetoed;
    HHOOK m_hHook;
};

int CDialogVeto::s_vetoed = 0;

// SHFileOperationW with FO_DELETE for the whole batch, as the user's one action. Asked not
// to confirm, the shell would destroy for good what the bin refuses (too large, the bin
// switched off); FOF_WANTNUKEWARNING makes it ask first instead, once per file, and the
// veto turns that question into "no": the file stays, and Kalvo asks once for all.
class CShellRecycle : public RVK::CWorkerThread::CTask {
public:
    CShellRecycle(HWND owner, const std::vector<std::wstring>& paths,
                  const std::vector<std::size_t>& batch)
        : m_owner(owner) {
        for (std::size_t index : batch) {
            m_from.append(paths[index]).push_back(L'\0');
        }
        m_from.push_back(L'\0'); // the list of names ends with an empty name
    }

    void Run() override {
        const CDialogVeto veto;
        SHFILEOPSTRUCTW operation = {};
        operation.hwnd = m_owner;
        operation.wFunc = FO_DELETE;
        operation.pFrom = m_from.c_str();
        operation.fFlags =
            FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
        m_completed = ::SHFileOperationW(&operation) == 0;
        m_aborted = operation.fAnyOperationsAborted != FALSE;
        m_refused = veto.Vetoed();
    }

    // Whether the shell reports every file done: no error, and nothing skipped or refused,
    // which the shell reports as aborted even when it asked no one.
    bool Completed() const { return m_completed && !m_aborted && !m_refused; }
    // Whether the shell stopped on a question.
    bool Aborted() const { return m_aborted; }
    // Whether that question was the bin's refusal, which the user has not yet been asked.
    bool Refused() const { return m_refused; }

private:
    HWND m_owner;
    std::wstring m_from;
    bool m_completed = false;
    bool m_aborted = false;
    bool m_refused = false;
};

// DeleteFileW for each memo of the batch, once the user has agreed.
class CDestroy : public RVK::CWorkerThread::CTask {
public:
    CDestroy(const std::vector<std::wstring>& paths, const std::vector<std::size_t>& batch)
        : m_paths(paths), m_batch(batch) {}

    void Run() override {
        for (std::size_t index : m_batch) {
            ::DeleteFileW(m_paths[index].c_str());
        }
    }

private:
    const std::vector<std::wstring>& m_paths;
    const std::vector<std::size_t>& m_batch;
};

// How many memos of the batch are done: both the shell and the loop above go through the
// batch in order, so the gone ones come first.
int CountDone(const std::vector<std::wstring>& paths, const std::vector<std::size_t>& batch) {
    std::size_t low = 0;
    std::size_t high = batch.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (IsGone(paths[batch[middle]])) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return static_cast<int>(low);
}

} // namespace

CMemoRecycler::CMemoRecycler(HWND owner, Progress* progress)
    : m_owner(owner), m_progress(progress) {}

std::vector<CMemoRecycler::Outcome> CMemoRecycler::Delete(const std::vector<std::wstring>& paths) {
    std::vector<Outcome> outcomes(paths.size(), Outcome::kFailed);
    const Batch batch = CheckEach(paths, outcomes);
    if (batch.empty()) {
        return outcomes;
    }
    if (HasRecycleBin(paths[batch.front()])) {
        Recycle(paths, batch, outcomes);
    } else {
        DeleteForGoodIfAllowed(paths, batch, outcomes);
    }
    return outcomes;
}

// The shell deletes read-only files without asking when told not to confirm, so the
// read-only protection is checked here. Answers the memos that passed.
CMemoRecycler::Batch CMemoRecycler::CheckEach(const std::vector<std::wstring>& paths,
                                              std::vector<Outcome>& outcomes) const {
    Batch batch;
    for (std::size_t index = 0; index < paths.size(); ++index) {
        const std::wstring& path = paths[index];
        if (HasWildcard(path)) {
            continue;
        }
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            outcomes[index] = Outcome::kMissing;
        } else if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0 &&
                   OpensForDeletion(path)) {
            batch.push_back(index);
        }
    }
    return batch;
}

// SHQueryRecycleBinW fails where the bin cannot be used (under Wine, a trash it cannot
// write). Asked once: all memos share one folder.
bool CMemoRecycler::HasRecycleBin(const std::wstring& path) {
    if (m_hasBin == Knowledge::kUnknown) {
        SHQUERYRBINFO info = {};
        info.cbSize = sizeof(info);
        const bool usable = OnFixedDrive(path) && ::SHQueryRecycleBinW(path.c_str(), &info) == S_OK;
        m_hasBin = usable ? Knowledge::kYes : Knowledge::kNo;
    }
    return m_hasBin == Knowledge::kYes;
}

// MessageBoxA asking once; "no" is the default, since the deletion cannot be undone.
bool CMemoRecycler::MayDeleteForGood() {
    if (m_mayDestroy == Knowledge::kUnknown) {
        const int answer =
            ::MessageBoxA(m_owner, kDestroyQuestion, kQuestionCaption, kQuestionStyle);
        m_mayDestroy = answer == IDYES ? Knowledge::kYes : Knowledge::kNo;
    }
    return m_mayDestroy == Knowledge::kYes;
}

// Each memo's outcome is what the disk shows afterwards, unless the shell reports every
// file done: under Wine, asking the disk about each file again adds several per cent to
// the shell's own time. Where the bin refused one, the shell went no further; what is left
// is the user's to decide, once.
void CMemoRecycler::Recycle(const std::vector<std::wstring>& paths, const Batch& batch,
                            std::vector<Outcome>& outcomes) {
    CShellRecycle recycle(m_owner, paths, batch);
    RunServing(recycle, paths, batch);
    Batch left;
    for (std::size_t index : batch) {
        if (recycle.Completed() || IsGone(paths[index])) {
            outcomes[index] = Outcome::kDeleted;
        } else {
            left.push_back(index);
            outcomes[index] = recycle.Aborted() ? Outcome::kKept : Outcome::kFailed;
        }
    }
    if (!left.empty() && recycle.Refused()) {
        DeleteForGoodIfAllowed(paths, left, outcomes);
    }
}

// "No" keeps every memo of the batch.
void CMemoRecycler::DeleteForGoodIfAllowed(const std::vector<std::wstring>& paths,
                                           const Batch& batch, std::vector<Outcome>& outcomes) {
    if (!MayDeleteForGood()) {
        for (std::size_t index : batch) {
            outcomes[index] = Outcome::kKept;
        }
        return;
    }
    CDestroy destroy(paths, batch);
    RunServing(destroy, paths, batch);
    for (std::size_t index : batch) {
        outcomes[index] = IsGone(paths[index]) ? Outcome::kDeleted : Outcome::kFailed;
    }
}

void CMemoRecycler::RunServing(RVK::CWorkerThread::CTask& task,
                               const std::vector<std::wstring>& paths, const Batch& batch) {
    RVK::CWorkerThread worker;
    worker.Start(task);
    const DWORD start = ::GetTickCount();
    while (!worker.WaitServing(kProgressMs)) {
        if (m_progress != nullptr && ::GetTickCount() - start >= kQuietMs) {
            m_progress->ShowProgress(CountDone(paths, batch), static_cast<int>(batch.size()));
        }
    }
}
