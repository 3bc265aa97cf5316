#include "memo/CMemoRecycler.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "framework/CFileFind.h"

namespace {

constexpr const char* kDestroyQuestion = "ごみ箱を使えないため、メモをごみ箱に移せません。\n"
                                         "完全に削除すると元に戻せません。削除しますか？";
constexpr const char* kQuestionCaption = "確認";
constexpr UINT kQuestionStyle = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;

// SHFileOperationA takes '?' and '*' as wildcards, which would reach other files. A name
// holds '?' only where the ANSI code page cannot spell it, so such a file cannot be named
// here at all. Neither byte occurs inside a Shift-JIS character.
bool HasWildcard(const char* path) { return std::strpbrk(path, "?*") != nullptr; }

// CreateFileA asking for DELETE access: a memo that another program holds open cannot be
// deleted, and the shell, failing to recycle it, would offer to destroy it instead.
bool OpensForDeletion(const char* path) {
    const HANDLE file =
        ::CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(file);
    return true;
}

// GetVolumePathNameA and GetDriveTypeA: removable, network and RAM drives keep no
// Recycle Bin.
bool OnFixedDrive(const char* path) {
    char root[MAX_PATH] = {};
    return ::GetVolumePathNameA(path, root, MAX_PATH) && ::GetDriveTypeA(root) == DRIVE_FIXED;
}

} // namespace

CMemoRecycler::CMemoRecycler(HWND owner) : m_owner(owner) {}

// The shell deletes read-only files without asking when told not to confirm, so the
// read-only protection is checked here.
CMemoRecycler::Outcome CMemoRecycler::Delete(const char* path) {
    if (HasWildcard(path)) {
        return Outcome::kFailed;
    }
    RVK::CFileFind find;
    if (!find.FindFile(path)) {
        return Outcome::kMissing;
    }
    if (find.IsDirectory() || (find.GetAttributes() & FILE_ATTRIBUTE_READONLY) != 0 ||
        !OpensForDeletion(path)) {
        return Outcome::kFailed;
    }
    if (HasRecycleBin(path)) {
        return MoveToRecycleBin(path);
    }
    if (!MayDeleteForGood()) {
        return Outcome::kKept;
    }
    return ::DeleteFileA(path) ? Outcome::kDeleted : Outcome::kFailed;
}

// SHQueryRecycleBinA fails where the bin cannot be used (under Wine, a trash it cannot
// write). Asked once: all memos share one folder.
bool CMemoRecycler::HasRecycleBin(const char* path) {
    if (m_hasBin == Knowledge::kUnknown) {
        SHQUERYRBINFO info = {};
        info.cbSize = sizeof(info);
        const bool usable = OnFixedDrive(path) && ::SHQueryRecycleBinA(path, &info) == S_OK;
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

// SHFileOperationA with FO_DELETE. A bin that exists may still refuse a file (too large,
// switched off): FOF_WANTNUKEWARNING then makes the shell ask before deleting for good,
// in spite of FOF_NOCONFIRMATION.
CMemoRecycler::Outcome CMemoRecycler::MoveToRecycleBin(const char* path) const {
    std::string from(path);
    from.push_back('\0'); // the list of names ends with an empty name
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = m_owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags =
        FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
    const int result = ::SHFileOperationA(&operation);
    if (operation.fAnyOperationsAborted) {
        return Outcome::kKept;
    }
    return result == 0 ? Outcome::kDeleted : Outcome::kFailed;
}
