#include "memo/CMemoDays.h"

#include "framework/CFileFindW.h"
#include "memo/CMemoName.h"

namespace {

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

// Adds the found entry's day to `years` when its name is exactly a memo name of `onlyYear`,
// or of any year when that is 0: a search pattern lets other names through.
template <typename Years> void AddFound(const RVK::CFileFindW& find, int onlyYear, Years& years) {
    CDate day(0);
    if (CMemoName::ToDate(find.GetFileName(), day) &&
        (onlyYear == 0 || day.GetYear() == onlyYear)) {
        years[day.GetYear()][day.GetMonth() - 1] |= CMemoDays::MonthDays{1} << day.GetDay();
    }
}

} // namespace

CMemoDays::CMemoDays(int walkSlice) : m_bAllRead(false), m_nWalkSlice(walkSlice) {}

CMemoDays::~CMemoDays() = default;

void CMemoDays::Forget(const std::wstring& folder) {
    m_strFolder = folder;
    Forget();
}

void CMemoDays::Forget() {
    StopWalk();
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
    RVK::CFileFindW find;
    for (bool found =
             find.FindFirstFileExW((m_strFolder + L"\\" + CMemoName::YearPattern(year)).c_str());
         found; found = find.FindNextFileW()) {
        AddFound(find, year, m_years);
    }
    return m_years[year];
}

// The first slice opens the search, which under Wine reads and sorts every name at once.
// The days found are kept apart until the walk is done, and then with those of the years
// read before, which they match: a change of the folder meanwhile makes the owner forget
// them all.
bool CMemoDays::ContinueWalk() {
    if (m_bAllRead) {
        return false;
    }
    bool found = false;
    if (m_pWalk == nullptr) {
        m_pWalk = std::make_unique<RVK::CFileFindW>();
        found =
            m_pWalk->FindFirstFileExW((m_strFolder + L"\\" + CMemoName::kAnyMemoPattern).c_str());
    } else {
        found = m_pWalk->FindNextFileW();
    }
    for (int read = 1; found; ++read) {
        AddFound(*m_pWalk, 0, m_walked);
        if (read == m_nWalkSlice) {
            return true;
        }
        found = m_pWalk->FindNextFileW();
    }
    for (const auto& [year, days] : m_walked) {
        m_years[year] = days;
    }
    m_bAllRead = true;
    StopWalk();
    return false;
}

void CMemoDays::StopWalk() {
    m_pWalk.reset();
    m_walked.clear();
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

// The first year past `year` that way with a memo, once the walk of the whole folder is
// done: what is left of it is read now.
bool CMemoDays::FindBeyondYear(int year, bool later, CDate& found) {
    while (ContinueWalk()) {
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
