#include "framework/CFileFindW.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CFileFindW, CObject)

CFileFindW::CFileFindW() : m_findData(), m_hFind(INVALID_HANDLE_VALUE) {}

CFileFindW::~CFileFindW() { CloseSearch(); }

bool CFileFindW::FindFirstFileExW(const wchar_t* pattern) {
    CloseSearch();
    m_hFind = ::FindFirstFileExW(pattern, FindExInfoBasic, &m_findData, FindExSearchNameMatch,
                                 nullptr, FIND_FIRST_EX_LARGE_FETCH);
    return IsOpen();
}

bool CFileFindW::FindNextFileW() { return IsOpen() && ::FindNextFileW(m_hFind, &m_findData); }

const wchar_t* CFileFindW::GetFileName() const { return m_findData.cFileName; }

DWORD CFileFindW::GetAttributes() const { return m_findData.dwFileAttributes; }

bool CFileFindW::IsDirectory() const {
    return (m_findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

ULONGLONG CFileFindW::GetFileSize() const {
    return (ULONGLONG{m_findData.nFileSizeHigh} << 32) | m_findData.nFileSizeLow;
}

FILETIME CFileFindW::GetLastWriteTime() const { return m_findData.ftLastWriteTime; }

bool CFileFindW::IsOpen() const { return m_hFind != INVALID_HANDLE_VALUE; }

void CFileFindW::CloseSearch() {
    if (IsOpen()) {
        ::FindClose(m_hFind);
    }
    m_hFind = INVALID_HANDLE_VALUE;
}

} // namespace RVK
