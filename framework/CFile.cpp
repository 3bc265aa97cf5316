#include "framework/CFile.h"

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CFileBase, CObject)
RVK_IMPLEMENT_RUNTIME_CLASS(CFile, CFileBase)

namespace {
constexpr unsigned char kLineFeed = 0x0A;
} // namespace

CFileBase::CFileBase(HANDLE hFile) : m_hFile(hFile) {}

CFileBase::~CFileBase() {
    if (HoldsOpenFile()) {
        Close();
    }
}

HANDLE CFileBase::GetHandle() const { return m_hFile; }

HANDLE CFileBase::Create(const char* name, DWORD access, DWORD shareMode,
                         LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                         HANDLE hTemplate) {
    if (HoldsOpenFile()) {
        Close();
    }
    m_hFile = ::CreateFileA(name, access, shareMode, security, disposition, flags, hTemplate);
    return m_hFile;
}

HANDLE CFileBase::CreateFileW(const wchar_t* name, DWORD access, DWORD shareMode,
                              LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                              HANDLE hTemplate) {
    if (HoldsOpenFile()) {
        Close();
    }
    m_hFile = ::CreateFileW(name, access, shareMode, security, disposition, flags, hTemplate);
    return m_hFile;
}

// ReadFile and WriteFile need a count to write into when no overlapped structure is
// given, so a missing one is supplied here.
bool CFileBase::Read(LPVOID buffer, DWORD count, LPDWORD bytesRead, LPOVERLAPPED overlapped) {
    DWORD ignored = 0;
    return ::ReadFile(m_hFile, buffer, count, bytesRead != nullptr ? bytesRead : &ignored,
                      overlapped) != FALSE;
}

bool CFileBase::Write(LPCVOID buffer, DWORD count, LPDWORD bytesWritten, LPOVERLAPPED overlapped) {
    DWORD ignored = 0;
    return ::WriteFile(m_hFile, buffer, count, bytesWritten != nullptr ? bytesWritten : &ignored,
                       overlapped) != FALSE;
}

DWORD CFileBase::GetSize(LPDWORD sizeHigh) { return ::GetFileSize(m_hFile, sizeHigh); }

DWORD CFileBase::Seek(LONG distance, PLONG distanceHigh, DWORD method) {
    return ::SetFilePointer(m_hFile, distance, distanceHigh, method);
}

bool CFileBase::Close() {
    const bool closed = HoldsOpenFile() && ::CloseHandle(m_hFile) != FALSE;
    m_hFile = nullptr;
    return closed;
}

bool CFileBase::HoldsOpenFile() const {
    return m_hFile != nullptr && m_hFile != INVALID_HANDLE_VALUE;
}

CFile::CFile(HANDLE hFile) : CFileBase(hFile) {}

HANDLE CFile::Open(const char* name, DWORD access, DWORD disposition, DWORD shareMode,
                   LPSECURITY_ATTRIBUTES security, DWORD flags, HANDLE hTemplate) {
    return Create(name, access, shareMode, security, disposition, flags, hTemplate);
}

bool CFile::ReadData(LPVOID buffer, DWORD count, LPDWORD bytesRead, LPOVERLAPPED overlapped) {
    DWORD read = 0;
    const bool ok = Read(buffer, count, &read, overlapped);
    if (bytesRead != nullptr) {
        *bytesRead = read;
    }
    return ok && read > 0;
}

bool CFile::ReadChar(char* value, LPOVERLAPPED overlapped) {
    return ReadData(value, sizeof *value, nullptr, overlapped);
}

bool CFile::ReadShort(short* value, LPOVERLAPPED overlapped) {
    return ReadData(value, sizeof *value, nullptr, overlapped);
}

bool CFile::ReadByte(unsigned char* value, LPOVERLAPPED overlapped) {
    return ReadData(value, sizeof *value, nullptr, overlapped);
}

bool CFile::ReadBuffer(LPVOID buffer, DWORD count, LPOVERLAPPED overlapped) {
    return ReadData(buffer, count, nullptr, overlapped);
}

bool CFile::ReadLine(int index, CString& line) {
    line.Empty();
    Seek(0, nullptr, FILE_BEGIN);
    int lineNumber = 0;
    bool found = false;
    unsigned char byte = 0;
    while (ReadByte(&byte, nullptr)) {
        if (lineNumber == index) {
            found = true;
            line += static_cast<char>(byte);
        }
        // Counting stops past the wanted line, so a huge file cannot overflow the counter.
        if (byte == kLineFeed && lineNumber <= index) {
            ++lineNumber;
        }
    }
    return found;
}

bool CFile::WriteData(LPCVOID buffer, DWORD count, LPDWORD bytesWritten, LPOVERLAPPED overlapped) {
    DWORD written = 0;
    const bool ok = Write(buffer, count, &written, overlapped);
    if (bytesWritten != nullptr) {
        *bytesWritten = written;
    }
    return ok && written > 0;
}

bool CFile::WriteChar(char value, LPOVERLAPPED overlapped) {
    return WriteData(&value, sizeof value, nullptr, overlapped);
}

bool CFile::WriteShort(short value, LPOVERLAPPED overlapped) {
    return WriteData(&value, sizeof value, nullptr, overlapped);
}

bool CFile::WriteByte(unsigned char value, LPOVERLAPPED overlapped) {
    return WriteData(&value, sizeof value, nullptr, overlapped);
}

bool CFile::WriteString(const char* text, LPOVERLAPPED overlapped) {
    return WriteData(text, lstrlenA(text), nullptr, overlapped);
}

DWORD CFile::QuerySize(LPDWORD sizeHigh) { return GetSize(sizeHigh); }

} // namespace RVK
