#include "framework/CFileFind.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CFileFind, CObject)

CFileFind::CFileFind(const char* pattern) : m_findData(), m_hFind(nullptr) {
    if (pattern != nullptr) {
        m_hFind = ::FindFirstFileA(pattern, &m_findData);
    }
}

CFileFind::~CFileFind() { CloseSearch(); }

HANDLE CFileFind::GetHandle() const { return m_hFind; }

bool CFileFind::FindFile(const char* pattern) {
    CloseSearch();
    m_hFind = pattern != nullptr ? ::FindFirstFileA(pattern, &m_findData) : INVALID_HANDLE_VALUE;
    return m_hFind != INVALID_HANDLE_VALUE;
}

bool CFileFind::FindNextFile() {
    return IsValid() && ::FindNextFileA(m_hFind, &m_findData) != FALSE;
}

DWORD CFileFind::GetAttributes() const { return m_findData.dwFileAttributes; }

const char* CFileFind::GetFileName() const { return m_findData.cFileName; }

bool CFileFind::IsValid() const { return m_hFind != nullptr && m_hFind != INVALID_HANDLE_VALUE; }

int CFileFind::IsSystem() const { return HasAttribute(FILE_ATTRIBUTE_SYSTEM); }

int CFileFind::IsHidden() const { return HasAttribute(FILE_ATTRIBUTE_HIDDEN); }

int CFileFind::IsDirectory() const { return HasAttribute(FILE_ATTRIBUTE_DIRECTORY); }

int CFileFind::HasAttribute(DWORD attribute) const {
    return (m_findData.dwFileAttributes & attribute) != 0 ? 1 : 0;
}

void CFileFind::CloseSearch() {
    if (IsValid()) {
        ::FindClose(m_hFind);
    }
    m_hFind = nullptr;
}

} // namespace RVK
