#include "memo/CMemoName.h"

#include <cstring>
#include <cwchar>

namespace {

constexpr const char* kNameFormat = "%04d%02d%02d.txt";
constexpr const char* kYearPatternFormat = "%04d????.txt";
constexpr wchar_t kExtension[] = L".txt";
constexpr size_t kExtensionLength = 4;
// Month and day take two digits each; the year at least four and, for the last supported
// year, at most seven.
constexpr size_t kMonthDayDigits = 4;
constexpr size_t kMinYearDigits = 4;
constexpr size_t kMaxYearDigits = 7;
constexpr int kDecimal = 10;

// The program's names are ASCII, so each byte is one UTF-16 unit.
std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); }

bool IsAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

bool HasMemoExtension(const wchar_t* name, size_t length) {
    const wchar_t* extension = name + length - kExtensionLength;
    for (size_t i = 0; i < kExtensionLength; ++i) {
        if (AsciiLower(extension[i]) != kExtension[i]) {
            return false;
        }
    }
    return true;
}

int NumberOf(const wchar_t* digits, size_t count) {
    int value = 0;
    for (size_t i = 0; i < count; ++i) {
        value = value * kDecimal + (digits[i] - L'0');
    }
    return value;
}

} // namespace

std::wstring CMemoName::Of(const CDate& date) { return Widen(OfAnsi(date)); }

RVK::CString CMemoName::OfAnsi(const CDate& date) {
    RVK::CString name;
    name.Format(kNameFormat, date.GetYear(), date.GetMonth(), date.GetDay());
    return name;
}

std::wstring CMemoName::YearPattern(int year) {
    RVK::CString pattern;
    pattern.Format(kYearPatternFormat, year);
    return Widen(pattern);
}

bool CMemoName::ToDate(const wchar_t* name, CDate& date) {
    const size_t length = std::wcslen(name);
    if (length < kMinYearDigits + kMonthDayDigits + kExtensionLength ||
        length > kMaxYearDigits + kMonthDayDigits + kExtensionLength ||
        !HasMemoExtension(name, length)) {
        return false;
    }
    const size_t digits = length - kExtensionLength;
    for (size_t i = 0; i < digits; ++i) {
        if (!IsAsciiDigit(name[i])) {
            return false;
        }
    }
    const size_t yearDigits = digits - kMonthDayDigits;
    // A year past 9999 is written without leading zeros.
    if (yearDigits > kMinYearDigits && name[0] == L'0') {
        return false;
    }
    CDate parsed(0);
    if (!parsed.SetDate(NumberOf(name, yearDigits), NumberOf(name + yearDigits, 2),
                        NumberOf(name + yearDigits + 2, 2))) {
        return false;
    }
    date = parsed;
    return true;
}
