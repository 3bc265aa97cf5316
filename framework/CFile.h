#pragma once

#include <windows.h>

#include "framework/CObject.h"
#include "framework/CString.h"

namespace RVK {

// Owner of one file handle (CreateFileA or CreateFileW, ReadFile, WriteFile, GetFileSize,
// SetFilePointer, CloseHandle). Closes the handle when destroyed.
class CFileBase : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    explicit CFileBase(HANDLE hFile = nullptr);
    CFileBase(const CFileBase&) = delete;
    CFileBase& operator=(const CFileBase&) = delete;
    ~CFileBase() override;

    virtual HANDLE GetHandle() const;
    // CreateFileA, after closing a handle still held.
    virtual HANDLE Create(const char* name, DWORD access, DWORD shareMode,
                          LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                          HANDLE hTemplate);
    // CreateFileW the same way, for a name the ANSI code page may not spell.
    virtual HANDLE CreateFileW(const wchar_t* name, DWORD access, DWORD shareMode,
                               LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                               HANDLE hTemplate);
    // ReadFile.
    virtual bool Read(LPVOID buffer, DWORD count, LPDWORD bytesRead, LPOVERLAPPED overlapped);
    // WriteFile.
    virtual bool Write(LPCVOID buffer, DWORD count, LPDWORD bytesWritten, LPOVERLAPPED overlapped);
    // GetFileSize.
    virtual DWORD GetSize(LPDWORD sizeHigh);
    // SetFilePointer.
    virtual DWORD Seek(LONG distance, PLONG distanceHigh, DWORD method);
    // CloseHandle; the object holds no handle afterwards.
    virtual bool Close();

protected:
    bool HoldsOpenFile() const;

private:
    HANDLE m_hFile;
};

// A file with a friendlier open call and typed reads and writes, each of which
// succeeds only when at least one byte moved.
class CFile : public CFileBase {
    RVK_DECLARE_RUNTIME_CLASS()

    explicit CFile(HANDLE hFile = nullptr);

    virtual HANDLE Open(const char* name, DWORD access, DWORD disposition, DWORD shareMode,
                        LPSECURITY_ATTRIBUTES security, DWORD flags, HANDLE hTemplate);
    virtual bool ReadData(LPVOID buffer, DWORD count, LPDWORD bytesRead, LPOVERLAPPED overlapped);
    virtual bool ReadChar(char* value, LPOVERLAPPED overlapped);
    virtual bool ReadShort(short* value, LPOVERLAPPED overlapped);
    virtual bool ReadByte(unsigned char* value, LPOVERLAPPED overlapped);
    virtual bool ReadBuffer(LPVOID buffer, DWORD count, LPOVERLAPPED overlapped);
    // Line `index` (from 0) with its line feed; the whole file is read whatever the index.
    virtual bool ReadLine(int index, CString& line);
    virtual bool WriteData(LPCVOID buffer, DWORD count, LPDWORD bytesWritten,
                           LPOVERLAPPED overlapped);
    virtual bool WriteChar(char value, LPOVERLAPPED overlapped);
    virtual bool WriteShort(short value, LPOVERLAPPED overlapped);
    virtual bool WriteByte(unsigned char value, LPOVERLAPPED overlapped);
    virtual bool WriteString(const char* text, LPOVERLAPPED overlapped);
    virtual DWORD QuerySize(LPDWORD sizeHigh);
};

} // namespace RVK
