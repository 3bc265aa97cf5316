#pragma once

#include <windows.h>

namespace RVK {

// Loads a library (LoadLibraryW) on a thread of its own, so that the thread that will need
// it goes on with other work meanwhile. Owns the thread and its own reference to the
// library: at its end it waits for the load to finish and gives the reference back.
class CLibraryPreload {
public:
    explicit CLibraryPreload(const wchar_t* name);
    CLibraryPreload(const CLibraryPreload&) = delete;
    CLibraryPreload& operator=(const CLibraryPreload&) = delete;
    ~CLibraryPreload();

private:
    static DWORD WINAPI Load(LPVOID preload);

    const wchar_t* m_pszName;
    HMODULE m_hModule;
    HANDLE m_hThread;
};

} // namespace RVK
