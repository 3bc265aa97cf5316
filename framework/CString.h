#pragma once

#include <cstdarg>
#include <cstddef>

#include "framework/CObject.h"

namespace RVK {

// Owning byte string in the ANSI code page (Shift-JIS for the Japanese texts). Every
// length, index and position counts bytes. A string without a buffer (after a failed
// allocation) behaves as the empty text.
class CString : public CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    // A vsnprintf-like formatter; run-times differ in what they answer for a short buffer.
    using Printer = int (*)(char* buffer, std::size_t size, const char* format, va_list args);

    static constexpr int kDefaultAllocLength = 64;
    static constexpr int kFormatGrowStep = 128;

    CString();
    CString(const char* s, int n = 0);
    CString(const CString& s, int n = 0);
    CString(const char* a, const char* b);
    CString(const CString& a, const CString& b);
    ~CString() override;

    virtual operator const char*() const;
    virtual CString& operator=(const char* s);
    virtual CString& operator=(const CString& s);
    virtual CString operator+(const char* s) const;
    virtual CString operator+(const CString& s) const;
    virtual CString& operator+=(const char* s);
    virtual CString& operator+=(const CString& s);
    virtual CString& operator+=(char c);
    virtual bool operator==(const char* s) const;
    virtual bool operator==(const CString& s) const;
    virtual bool operator!=(const char* s) const;
    virtual bool operator!=(const CString& s) const;
    virtual bool operator>(const char* s) const;
    virtual bool operator>(const CString& s) const;
    virtual bool operator<(const char* s) const;
    virtual bool operator<(const CString& s) const;
    virtual bool operator>=(const char* s) const;
    virtual bool operator>=(const CString& s) const;
    virtual bool operator<=(const char* s) const;
    virtual bool operator<=(const CString& s) const;
    virtual char& operator[](int i);

    virtual int GetAllocLength() const;
    virtual int GetLength() const;
    virtual bool NormalizeRange(int& start, int& count) const;
    virtual bool AllocBuffer(int size, bool zero);
    virtual CString& Assign(const char* s, int n);
    virtual CString& Assign(const CString& s, int n);
    virtual CString& Append(const char* s);
    virtual CString& Insert(const char* s, int pos);
    virtual CString& Empty();
    virtual CString& Format(const char* fmt, ...);
    virtual CString Left(int n) const;
    virtual CString Right(int n) const;
    virtual CString Mid(int start, int count) const;
    virtual CString ToUpper() const;
    virtual CString ToLower() const;
    virtual char& ElementAt(int i);
    virtual int Compare(const char* s) const;
    virtual int CompareNoCase(const char* s) const;
    virtual bool IsEmpty() const;
    virtual char* GetBuffer(int n);
    virtual void FreeExtra();
    virtual int Find(char c, int start) const;
    virtual int Find(char c) const;
    virtual int Find(const char* s) const;
    virtual int ReverseFind(char c) const;
    virtual int ReverseFind(const char* s) const;
    virtual int ReverseFind(const CString& s) const;

    // Format's engine, with the formatter named: Format uses the run-time's vsnprintf.
    CString& FormatV(Printer print, const char* fmt, va_list args);

private:
    const char* Text() const;
    bool Holds(const char* s) const;
    void Release();
    void Adopt(char* buffer, int size);
    CString MapBytes(int (*convert)(int)) const;

    char* m_pchData;
    int m_nAllocLength;
};

} // namespace RVK
