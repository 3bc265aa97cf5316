#include "framework/CString.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace RVK {

RVK_IMPLEMENT_RUNTIME_CLASS(CString, CObject)

namespace {

// Every buffer has one byte past its usable size that always holds 0, so the text
// ends inside the allocation whatever a caller writes through ElementAt or GetBuffer.
std::size_t PhysicalSize(int size) { return static_cast<std::size_t>(size) + 1; }

int LengthOf(const char* s) { return s != nullptr ? lstrlenA(s) : 0; }

// Copies count bytes; a null source is the empty text.
void CopyBytes(char* to, const char* from, int count) {
    if (count > 0) {
        std::memcpy(to, from, count);
    }
}

// A size that overflows an int is reported as -1, which no allocation accepts.
int CheckedSize(long long size) { return size <= INT_MAX - 1 ? static_cast<int>(size) : -1; }

// Format's next buffer size: from a run-time that reports the needed length, the
// first 128-byte step that holds the output; otherwise one more step.
int NextFormatSize(int size, int needed) {
    const long long step = CString::kFormatGrowStep;
    long long grown = size + step;
    if (needed >= 0) {
        const long long missing = static_cast<long long>(needed) + 1 - size;
        grown = size + (missing + step - 1) / step * step;
    }
    return CheckedSize(grown);
}

} // namespace

CString::CString() : m_pchData(nullptr), m_nAllocLength(0) {
    AllocBuffer(kDefaultAllocLength, true);
}

CString::CString(const char* s, int n) : m_pchData(nullptr), m_nAllocLength(0) { Assign(s, n); }

CString::CString(const CString& s, int n) : CObject(), m_pchData(nullptr), m_nAllocLength(0) {
    Assign(s, n);
}

CString::CString(const char* a, const char* b) : m_pchData(nullptr), m_nAllocLength(0) {
    const int lengthA = LengthOf(a);
    const int lengthB = LengthOf(b);
    if (!AllocBuffer(CheckedSize(static_cast<long long>(lengthA) + lengthB + 1), true)) {
        return;
    }
    CopyBytes(m_pchData, a, lengthA);
    CopyBytes(m_pchData + lengthA, b, lengthB);
}

CString::CString(const CString& a, const CString& b) : CString(a.Text(), b.Text()) {}

CString::~CString() { std::free(m_pchData); }

CString::operator const char*() const { return m_pchData; }

CString& CString::operator=(const char* s) { return Assign(s, 0); }

CString& CString::operator=(const CString& s) { return Assign(s, 0); }

CString CString::operator+(const char* s) const { return CString(Text(), s); }

CString CString::operator+(const CString& s) const { return CString(*this, s); }

CString& CString::operator+=(const char* s) { return Append(s); }

CString& CString::operator+=(const CString& s) { return Append(s.Text()); }

CString& CString::operator+=(char c) {
    const char text[2] = {c, '\0'};
    return Append(text);
}

bool CString::operator==(const char* s) const { return Compare(s) == 0; }
bool CString::operator==(const CString& s) const { return Compare(s.Text()) == 0; }
bool CString::operator!=(const char* s) const { return Compare(s) != 0; }
bool CString::operator!=(const CString& s) const { return Compare(s.Text()) != 0; }
bool CString::operator>(const char* s) const { return Compare(s) > 0; }
bool CString::operator>(const CString& s) const { return Compare(s.Text()) > 0; }
bool CString::operator<(const char* s) const { return Compare(s) < 0; }
bool CString::operator<(const CString& s) const { return Compare(s.Text()) < 0; }
bool CString::operator>=(const char* s) const { return Compare(s) >= 0; }
bool CString::operator>=(const CString& s) const { return Compare(s.Text()) >= 0; }
bool CString::operator<=(const char* s) const { return Compare(s) <= 0; }
bool CString::operator<=(const CString& s) const { return Compare(s.Text()) <= 0; }

char& CString::operator[](int i) { return ElementAt(i); }

int CString::GetAllocLength() const { return m_pchData != nullptr ? m_nAllocLength : 0; }

int CString::GetLength() const { return LengthOf(m_pchData); }

bool CString::NormalizeRange(int& start, int& count) const {
    if (m_pchData == nullptr) {
        return false;
    }
    if (start < 0) {
        count = static_cast<int>(std::max<long long>(static_cast<long long>(count) + start, 0));
        start = 0;
    }
    const int length = GetLength();
    if (count <= 0 || start >= length) {
        return false;
    }
    count = std::min(count, length - start);
    return true;
}

bool CString::AllocBuffer(int size, bool zero) {
    if (size < 0) {
        Release();
        return false;
    }
    if (m_pchData == nullptr) {
        m_pchData = static_cast<char*>(std::calloc(PhysicalSize(size), 1));
        m_nAllocLength = m_pchData != nullptr ? size : 0;
        return m_pchData != nullptr;
    }
    char* buffer = static_cast<char*>(std::realloc(m_pchData, PhysicalSize(size)));
    if (buffer == nullptr) {
        Release();
        return false;
    }
    if (zero) {
        std::memset(buffer, 0, size);
    } else if (size > m_nAllocLength) {
        std::memset(buffer + m_nAllocLength, 0, size - m_nAllocLength);
    }
    buffer[size] = '\0';
    m_pchData = buffer;
    m_nAllocLength = size;
    return true;
}

CString& CString::Assign(const char* s, int n) {
    if (Holds(s)) {
        const CString copy(s);
        return Assign(copy, n);
    }
    const int length = LengthOf(s);
    if (n < 1) {
        n = length;
    }
    if (AllocBuffer(CheckedSize(static_cast<long long>(n) + 1), true)) {
        CopyBytes(m_pchData, s, std::min(n, length));
    }
    return *this;
}

CString& CString::Assign(const CString& s, int n) { return Assign(s.Text(), n); }

CString& CString::Append(const char* s) {
    if (Holds(s)) {
        const CString copy(s);
        return Append(copy.Text());
    }
    const int length = GetLength();
    const int added = LengthOf(s);
    if (AllocBuffer(CheckedSize(static_cast<long long>(length) + added + 1), false)) {
        CopyBytes(m_pchData + length, s, added);
        m_pchData[length + added] = '\0';
    }
    return *this;
}

CString& CString::Insert(const char* s, int pos) {
    const int length = GetLength();
    pos = std::clamp(pos, 0, length);
    CString text = Left(pos) + s;
    if (pos < length) {
        text += Right(length - pos);
    }
    return Assign(text, 0);
}

CString& CString::Empty() {
    if (m_pchData != nullptr) {
        std::memset(m_pchData, 0, m_nAllocLength);
    }
    return *this;
}

CString& CString::Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    FormatV(vsnprintf, fmt, args);
    va_end(args);
    return *this;
}

// Formats into a fresh buffer and adopts it only once the output fits, so arguments
// that point into this string stay readable throughout.
CString& CString::FormatV(Printer print, const char* fmt, va_list args) {
    int size = m_pchData != nullptr ? m_nAllocLength : kDefaultAllocLength;
    while (size >= 0) {
        char* buffer = static_cast<char*>(std::malloc(PhysicalSize(size)));
        if (buffer == nullptr) {
            break;
        }
        buffer[size] = '\0';
        va_list attempt;
        va_copy(attempt, args);
        const int needed = print(buffer, size, fmt != nullptr ? fmt : "", attempt);
        va_end(attempt);
        if (needed >= 0 && needed < size) {
            Adopt(buffer, size);
            return *this;
        }
        std::free(buffer);
        size = NextFormatSize(size, needed);
    }
    Release();
    return *this;
}

CString CString::Left(int n) const {
    if (n <= 0) {
        return CString();
    }
    return CString(Text(), std::min(n, GetLength()));
}

CString CString::Right(int n) const {
    const int length = GetLength();
    if (n < 0 || n > length) {
        return CString(*this);
    }
    if (n == 0) {
        return CString();
    }
    return CString(Text() + length - n, n);
}

CString CString::Mid(int start, int count) const {
    if (!NormalizeRange(start, count)) {
        return CString();
    }
    return CString(Text() + start, count);
}

CString CString::ToUpper() const {
    return MapBytes([](int c) { return std::toupper(c); });
}

CString CString::ToLower() const {
    return MapBytes([](int c) { return std::tolower(c); });
}

char& CString::ElementAt(int i) {
    i = std::max(i, 0);
    if (i >= m_nAllocLength || m_pchData == nullptr) {
        if (i == INT_MAX || !AllocBuffer(i + 1, false)) {
            // Nowhere to point into: hand out a scratch byte rather than a wild reference.
            static char scratch;
            scratch = '\0';
            return scratch;
        }
    }
    return m_pchData[i];
}

int CString::Compare(const char* s) const { return lstrcmpA(Text(), s); }

int CString::CompareNoCase(const char* s) const { return lstrcmpiA(Text(), s); }

bool CString::IsEmpty() const { return GetLength() == 0; }

char* CString::GetBuffer(int n) {
    if (n > 0) {
        AllocBuffer(n, false);
    }
    return m_pchData;
}

void CString::FreeExtra() {
    if (m_pchData != nullptr) {
        AllocBuffer(GetLength() + 1, false);
    }
}

int CString::Find(char c, int start) const {
    if (m_pchData == nullptr || start < 0 || start > GetLength()) {
        return -1;
    }
    const char* hit = std::strchr(m_pchData + start, c);
    return hit != nullptr ? static_cast<int>(hit - m_pchData) : -1;
}

int CString::Find(char c) const { return Find(c, 0); }

int CString::Find(const char* s) const {
    if (m_pchData == nullptr) {
        return -1;
    }
    const char* hit = std::strstr(m_pchData, s != nullptr ? s : "");
    return hit != nullptr ? static_cast<int>(hit - m_pchData) : -1;
}

int CString::ReverseFind(char c) const {
    if (m_pchData == nullptr) {
        return -1;
    }
    const char* hit = std::strrchr(m_pchData, c);
    return hit != nullptr ? static_cast<int>(hit - m_pchData) : -1;
}

int CString::ReverseFind(const char* s) const {
    if (m_pchData == nullptr) {
        return -1;
    }
    const int wanted = LengthOf(s);
    for (int pos = GetLength() - wanted; pos >= 0; --pos) {
        if (wanted == 0 || std::memcmp(m_pchData + pos, s, wanted) == 0) {
            return pos;
        }
    }
    return -1;
}

int CString::ReverseFind(const CString& s) const { return ReverseFind(s.Text()); }

const char* CString::Text() const { return m_pchData != nullptr ? m_pchData : ""; }

bool CString::Holds(const char* s) const {
    if (m_pchData == nullptr || s == nullptr) {
        return false;
    }
    const auto begin = reinterpret_cast<std::uintptr_t>(m_pchData);
    const auto address = reinterpret_cast<std::uintptr_t>(s);
    return address >= begin && address <= begin + m_nAllocLength;
}

void CString::Release() {
    std::free(m_pchData);
    m_pchData = nullptr;
    m_nAllocLength = 0;
}

void CString::Adopt(char* buffer, int size) {
    std::free(m_pchData);
    m_pchData = buffer;
    m_nAllocLength = size;
}

// Converts single-byte characters only: both bytes of a double-byte character pass
// unchanged, since a trail byte may look like an ASCII letter.
CString CString::MapBytes(int (*convert)(int)) const {
    CString result(*this);
    for (char* p = result.m_pchData; p != nullptr && *p != '\0'; ++p) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0') {
            ++p;
            continue;
        }
        *p = static_cast<char>(convert(static_cast<unsigned char>(*p)));
    }
    return result;
}

} // namespace RVK
