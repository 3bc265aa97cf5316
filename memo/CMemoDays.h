#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "calendar/CDate.h"

// The days of the memo folder that have a memo, read a year at a time and kept until the
// owner forgets them: the month view asks for a month, the memo jumps for the nearest memo
// before or after a day. A year costs one wildcard search of the folder. A jump that finds
// nothing in its own year and the next one reads the whole folder once, which tells of
// every year from then on, so that a sparse folder costs no search per empty year.
class CMemoDays {
public:
    // Bit d set: day d of the month has a memo.
    using MonthDays = std::uint32_t;

    CMemoDays();

    // Forgets every day read and reads from `folder` from now on.
    void Forget(const std::wstring& folder);
    // Forgets every day read; the folder stays.
    void Forget();
    // The memo days of a month, reading its year when it is not kept.
    MonthDays GetMonth(int year, int month);
    // The nearest day with a memo after `from` when `later`, else before it, into `found`;
    // false when there is none.
    bool FindNearest(const CDate& from, bool later, CDate& found);

private:
    static constexpr int kMonths = 12;
    using YearDays = std::array<MonthDays, kMonths>;

    const YearDays& GetYear(int year);
    // One search with `pattern`; keeps the days found of `onlyYear`, or of every year
    // when it is 0.
    void Read(const std::wstring& pattern, int onlyYear);
    bool FindBeyondYear(int year, bool later, CDate& found);

    std::wstring m_strFolder;
    // Every year read, empty ones too.
    std::map<int, YearDays> m_years;
    // The whole folder was read: a year not kept has no memo.
    bool m_bAllRead;
};
