#pragma once

#include <windows.h>

#include "framework/CString.h"

// Tells whether what was read from the memo folder may still be trusted: nothing has
// been added, removed or renamed in it since Restart. Two witnesses must agree: a change
// notification on the folder's names (FindFirstChangeNotificationA), which some
// platforms deliver late, and the folder's last-write time, which some file systems do
// not keep for folders. A folder that cannot be watched is never trusted.
class CMemoFolderWatch {
public:
    CMemoFolderWatch();
    CMemoFolderWatch(const CMemoFolderWatch&) = delete;
    CMemoFolderWatch& operator=(const CMemoFolderWatch&) = delete;
    ~CMemoFolderWatch();

    // Starts watching `folder` afresh. Called before the folder is read, so that a
    // change during the read counts as a change.
    void Restart(const char* folder);
    // True while nothing in `folder` can have changed since Restart.
    bool IsUnchanged(const char* folder);

private:
    bool IsNotified() const;
    void Close();

    HANDLE m_hChange;
    RVK::CString m_strFolder;
    FILETIME m_written;
    bool m_bTrusted;
};
