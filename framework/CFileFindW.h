#pragma once

#include <windows.h>

#include "framework/CObject.h"

namespace RVK {

// A directory search in UTF-16 (FindFirstFileExW / FindNextFileW / FindClose) and the data
// of the entry it found last. Names come back exactly as the file system keeps them: the
// ANSI search spells a name the code page lacks with a look-alike ("¥" as "\", "²" as "2"),
// which then names another file. Owns its search handle.
class CFileFindW : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    CFileFindW();
    CFileFindW(const CFileFindW&) = delete;
    CFileFindW& operator=(const CFileFindW&) = delete;
    ~CFileFindW() override;

    // FindFirstFileExW without short names, fetching large batches. A search still open on
    // this object is closed first.
    virtual bool FindFirstFileExW(const wchar_t* pattern);
    // FindNextFileW.
    virtual bool FindNextFileW();
    virtual const wchar_t* GetFileName() const;
    virtual DWORD GetAttributes() const;
    virtual bool IsDirectory() const;
    virtual ULONGLONG GetFileSize() const;
    virtual FILETIME GetLastWriteTime() const;

private:
    bool IsOpen() const;
    void CloseSearch();

    WIN32_FIND_DATAW m_findData;
    HANDLE m_hFind;
};

} // namespace RVK
