#include "memo/CMemoFolderWatch.h"

namespace {

constexpr DWORD kWatchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;
// Folder times tick coarsely (by the kernel's clock tick, or by two seconds on FAT), so
// a change within this span of the previous one may leave the time as it was: a folder
// changed this recently is not trusted yet. In 100 ns units.
constexpr ULONGLONG kTimeTick = 2 * 10000000ULL;

ULONGLONG Ticks(const FILETIME& time) {
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// GetFileAttributesExA: the folder's last-write time, which moves when an entry comes or
// goes on most file systems.
bool LastWritten(const char* folder, FILETIME& written) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(folder, GetFileExInfoStandard, &data)) {
        return false;
    }
    written = data.ftLastWriteTime;
    return true;
}

// A bare drive such as "E:" names that drive's current folder; its root is "E:\".
RVK::CString FolderPath(const char* folder) {
    RVK::CString path(folder);
    if (path.GetLength() == 2 && folder[1] == ':') {
        path += "\\";
    }
    return path;
}

} // namespace

CMemoFolderWatch::CMemoFolderWatch()
    : m_hChange(INVALID_HANDLE_VALUE), m_written(), m_bTrusted(false) {}

CMemoFolderWatch::~CMemoFolderWatch() { Close(); }

// A notified handle is armed again with FindNextChangeNotification; a handle of another
// folder is replaced.
void CMemoFolderWatch::Restart(const char* folder, const char* parent) {
    if (m_hChange != INVALID_HANDLE_VALUE && m_strFolder != folder) {
        Close();
    }
    if (m_hChange != INVALID_HANDLE_VALUE && IsNotified() &&
        !::FindNextChangeNotification(m_hChange)) {
        Close();
    }
    if (m_hChange == INVALID_HANDLE_VALUE) {
        m_hChange = ::FindFirstChangeNotificationA(FolderPath(parent), TRUE, kWatchedChanges);
        m_strFolder = folder;
    }
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    m_bTrusted = m_hChange != INVALID_HANDLE_VALUE && LastWritten(folder, m_written) &&
                 Ticks(m_written) + kTimeTick < Ticks(now);
}

bool CMemoFolderWatch::IsUnchanged(const char* folder) {
    FILETIME written;
    return m_bTrusted && m_strFolder == folder && !IsNotified() && LastWritten(folder, written) &&
           ::CompareFileTime(&written, &m_written) == 0;
}

// FindNextChangeNotification; a handle that cannot be armed again is given up.
void CMemoFolderWatch::Rearm() {
    m_bTrusted = false;
    if (m_hChange != INVALID_HANDLE_VALUE && !::FindNextChangeNotification(m_hChange)) {
        Close();
    }
}

// WaitForSingleObject without waiting.
bool CMemoFolderWatch::IsNotified() const {
    return ::WaitForSingleObject(m_hChange, 0) != WAIT_TIMEOUT;
}

// FindCloseChangeNotification.
void CMemoFolderWatch::Close() {
    if (m_hChange != INVALID_HANDLE_VALUE) {
        ::FindCloseChangeNotification(m_hChange);
    }
    m_hChange = INVALID_HANDLE_VALUE;
    m_bTrusted = false;
}
