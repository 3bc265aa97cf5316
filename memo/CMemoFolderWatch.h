#pragma once

#include <windows.h>

#include "framework/CString.h"

// Tells whether what was read from the memo folder may still be trusted: nothing has
// been added, removed or renamed in it since Restart. Two witnesses must agree: a change
// notification (FindFirstChangeNotificationA), which some platforms deliver late, and
// the memo folder's last-write time, which some file systems do not keep for folders.
// The notification watches the folder above with all below it: a handle on the memo
// folder itself would keep it from being removed or renamed while the program runs. A
// folder that cannot be watched is never trusted.
class CMemoFolderWatch {
public:
    CMemoFolderWatch();
    CMemoFolderWatch(const CMemoFolderWatch&) = delete;
    CMemoFolderWatch& operator=(const CMemoFolderWatch&) = delete;
    ~CMemoFolderWatch();

    // Starts watching `folder`, which lies in `parent`, afresh. Called before the folder
    // is read, so that a change during the read counts as a change.
    void Restart(const char* folder, const char* parent);
    // True while nothing in `folder` can have changed since Restart.
    bool IsUnchanged(const char* folder);
    // The notification's handle, to wait on; INVALID_HANDLE_VALUE while nothing is watched.
    HANDLE GetHandle() const { return m_hChange; }
    // After the handle was signalled: arms the notification again at once, and stops
    // vouching for what was read before, so that the folder is read anew.
    void Rearm();

private:
    bool IsNotified() const;
    void Close();

    HANDLE m_hChange;
    RVK::CString m_strFolder;
    FILETIME m_written;
    bool m_bTrusted;
};
