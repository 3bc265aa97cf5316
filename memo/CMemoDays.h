#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "calendar/CDate.h"

namespace RVK {
class CFileFindW;
}

// The days of the memo folder that have a memo, read a year at a time and kept until the
// owner forgets them: the month view asks for a month, the memo jumps for the nearest memo
// before or after a day. A year costs one search of the folder for its names. A jump that
// finds nothing in its own year and the next one needs every year: a walk of the whole
// folder tells of them. Where each entry of a folder costs a call to the host's file
// system, as under Wine, that walk takes far longer than a year's search, so the owner lets
// it run ahead while the program is idle, a slice at a time, and a jump finishes what is
// left of it.
class CMemoDays {
public:
    // Bit d set: day d of the month has a memo.
    using MonthDays = std::uint32_t;
    // A few milliseconds' reading even where each name costs a call to the host's file
    // system.
    static constexpr int kWalkSlice = 1024;

    // The walk reads `walkSlice` names at a time.
    explicit CMemoDays(int walkSlice = kWalkSlice);
    CMemoDays(const CMemoDays&) = delete;
    CMemoDays& operator=(const CMemoDays&) = delete;
    ~CMemoDays();

    // Forgets every day read and reads from `folder` from now on.
    void Forget(const std::wstring& folder);
    // Forgets every day read; the folder stays.
    void Forget();
    // The memo days of a month, reading its year when it is not kept.
    MonthDays GetMonth(int year, int month);
    // The nearest day with a memo after `from` when `later`, else before it, into `found`;
    // false when there is none.
    bool FindNearest(const CDate& from, bool later, CDate& found);
    // Whether the walk of the whole folder is still to be done, and whether it has begun.
    bool IsWalkDue() const { return !m_bAllRead; }
    bool IsWalkUnderway() const { return m_pWalk != nullptr; }
    // Reads the next slice of the walk; false once it is done.
    bool ContinueWalk();
    // Gives up the walk under way, and with it its search of the folder; it starts afresh.
    void StopWalk();

private:
    static constexpr int kMonths = 12;
    using YearDays = std::array<MonthDays, kMonths>;

    const YearDays& GetYear(int year);
    bool FindBeyondYear(int year, bool later, CDate& found);

    std::wstring m_strFolder;
    // Every year read, empty ones too.
    std::map<int, YearDays> m_years;
    // The whole folder was read: a year not kept has no memo.
    bool m_bAllRead;
    // The walk under way, and the days it has found so far.
    const int m_nWalkSlice;
    std::unique_ptr<RVK::CFileFindW> m_pWalk;
    std::map<int, YearDays> m_walked;
};
