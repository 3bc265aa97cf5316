#include "framework/CLibraryPreload.h"

namespace RVK {

// The new thread starts with this thread's activation context, so it loads the version of
// the library that this thread would get.
CLibraryPreload::CLibraryPreload(const wchar_t* name)
    : m_pszName(name), m_hModule(nullptr),
      m_hThread(::CreateThread(nullptr, 0, Load, this, 0, nullptr)) {}

CLibraryPreload::~CLibraryPreload() {
    if (m_hThread != nullptr) {
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
    }
    if (m_hModule != nullptr) {
        ::FreeLibrary(m_hModule);
    }
}

DWORD WINAPI CLibraryPreload::Load(LPVOID preload) {
    auto* self = static_cast<CLibraryPreload*>(preload);
    self->m_hModule = ::LoadLibraryW(self->m_pszName);
    return 0;
}

} // namespace RVK
