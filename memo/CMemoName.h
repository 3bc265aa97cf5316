#pragma once

#include <string>

#include "calendar/CDate.h"
#include "framework/CString.h"

// A day's memo file name, "YYYYMMDD.txt" (a year past 9999 with all its digits), and the
// way back from a name found in the memo folder to its day. Names are UTF-16, as the file
// system keeps them: only a name that is exactly a memo name belongs to a day, so that a
// look-alike such as "201312²7.txt" marks nothing and can never be taken for another file.
class CMemoName {
public:
    // The search pattern for every name that may be a memo's; the names found are checked
    // with ToDate.
    static constexpr wchar_t kAnyMemoPattern[] = L"*.txt";

    // The memo file name of `date`.
    static std::wstring Of(const CDate& date);
    // The same name for the ANSI calls: it is ASCII.
    static RVK::CString OfAnsi(const CDate& date);
    // The search pattern for every memo name of `year`, "YYYY????.txt". The platform's '?'
    // also matches nothing, and short names match too: the names found are checked with
    // ToDate.
    static std::wstring YearPattern(int year);
    // True, with `date` set, when `name` is the memo name of a valid date: ASCII digits,
    // ".txt" in any case, and the year written as the memo name writes it.
    static bool ToDate(const wchar_t* name, CDate& date);
};
