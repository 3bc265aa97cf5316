#pragma once

#include <windows.h>

#include "framework/CObject.h"

namespace RVK {

// A directory search (FindFirstFileA / FindNextFileA / FindClose) and the data of the
// entry it found last. Used both to test whether an exact path exists and to list a
// folder with a wildcard. Owns its search handle.
class CFileFind : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    explicit CFileFind(const char* pattern = nullptr);
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;
    ~CFileFind() override;

    virtual HANDLE GetHandle() const;
    // FindFirstFileA. A search still open on this object is closed first.
    virtual bool FindFile(const char* pattern);
    // FindNextFileA.
    virtual bool FindNextFile();
    virtual DWORD GetAttributes() const;
    virtual const char* GetFileName() const;
    virtual bool IsValid() const;
    virtual int IsSystem() const;
    virtual int IsHidden() const;
    virtual int IsDirectory() const;

private:
    int HasAttribute(DWORD attribute) const;
    void CloseSearch();

    WIN32_FIND_DATAA m_findData;
    HANDLE m_hFind;
};

} // namespace RVK
