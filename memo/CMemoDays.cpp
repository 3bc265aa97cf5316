#include "memo/CMemoDays.h"

#include "framework/CFileFindW.h"
#include "memo/CMemoName.h"

namespace {

constexpr wchar_t kEveryMemoPattern[] = L"*.txt";
constexpr int kBitsPerMonth = 32;
// Past the last day of any month, for a search backwards through a whole month.
constexpr int kAfterLastDay = kBitsPerMonth;

// The days of `days` after `day` (0: all of them).
CMemoDays::MonthDays After(CMemoDays::MonthDays days, int day) {
    return days & ~((CMemoDays::MonthDays{2} << day) - 1);
}

// The days of `days` before `day` (kAfterLastDay: all of them).
CMemoDays::MonthDays Before(CMemoDays::MonthDays days, int day) {
    return day >= kAfterLastDay ? days : days & ((CMemoDays::MonthDays{1} << day) - 1);
}

int FirstDay(CMemoDays::MonthDays days) { return __builtin_ctz(days); }

int LastDay(CMemoDays::MonthDays days) { return kBitsPerMonth - 1 - __builtin_clz(days); }

} // namespace

CMemoDays::CMemoDays() : m_bAllRead(false) {}

void CMemoDays::Forget(const std::wstring& folder) {
    m_strFolder = folder;
    Forget();
}

void CMemoDays::Forget() {
    m_years.clear();
    m_bAllRead = false;
}

CMemoDays::MonthDays CMemoDays::GetMonth(int year, int month) { return GetYear(year)[month - 1]; }

const CMemoDays::YearDays& CMemoDays::GetYear(int year) {
    static const YearDays kNoDays = {};
    auto kept = m_years.find(year);
    if (kept != m_years.end()) {
        return kept->second;
    }
    if (m_bAllRead) {
        return kNoDays;
    }
    m_years[year] = kNoDays;
    Read(CMemoName::YearPattern(year), year);
    return m_years[year];
}

// A name is taken only for the day it spells exactly: the pattern lets others through.
void CMemoDays::Read(const std::wstring& pattern, int onlyYear) {
    RVK::CFileFindW find;
    CDate day(0);
    for (bool found = find.FindFirstFileExW((m_strFolder + L"\\" + pattern).c_str()); found;
         found = find.FindNextFileW()) {
        if (CMemoName::ToDate(find.GetFileName(), day) &&
            (onlyYear == 0 || day.GetYear() == onlyYear)) {
            m_years[day.GetYear()][day.GetMonth() - 1] |= MonthDays{1} << day.GetDay();
        }
    }
}

// Its own year first, then the next one that way, each read when not kept: for memos of
// every day that is all a jump needs.
bool CMemoDays::FindNearest(const CDate& from, bool later, CDate& found) {
    const int step = later ? 1 : -1;
    int year = from.GetYear();
    int month = from.GetMonth();
    int day = from.GetDay();
    for (int years = 0; years < 2; ++years, year += step) {
        if (year < 1 || year > CDate::kLastYear) {
            return false;
        }
        const YearDays& days = GetYear(year);
        for (; month >= 1 && month <= kMonths; month += step) {
            const MonthDays left =
                later ? After(days[month - 1], day) : Before(days[month - 1], day);
            if (left != 0) {
                return found.SetDate(year, month, later ? FirstDay(left) : LastDay(left));
            }
            day = later ? 0 : kAfterLastDay;
        }
        month = later ? 1 : kMonths;
    }
    return FindBeyondYear(year - step, later, found);
}

// The first year past `year` that way with a memo, from a read of the whole folder.
bool CMemoDays::FindBeyondYear(int year, bool later, CDate& found) {
    if (!m_bAllRead) {
        Read(kEveryMemoPattern, 0);
        m_bAllRead = true;
    }
    if (later) {
        for (auto it = m_years.upper_bound(year); it != m_years.end(); ++it) {
            for (int month = 1; month <= kMonths; ++month) {
                if (it->second[month - 1] != 0) {
                    return found.SetDate(it->first, month, FirstDay(it->second[month - 1]));
                }
            }
        }
        return false;
    }
    for (auto it = m_years.lower_bound(year); it != m_years.begin();) {
        --it;
        for (int month = kMonths; month >= 1; --month) {
            if (it->second[month - 1] != 0) {
                return found.SetDate(it->first, month, LastDay(it->second[month - 1]));
            }
        }
    }
    return false;
}
