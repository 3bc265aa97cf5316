#include "calendar/CDate.h"

#include <windows.h>

#include <algorithm>
#include <climits>

RVK_IMPLEMENT_RUNTIME_CLASS(CDate, RVK::CObject)

namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kDaysPerWeek = 7;
constexpr int kMonthDays[2][kMonthsPerYear] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};
constexpr const char* kDayOfWeekNames[kDaysPerWeek] = {"日", "月", "火", "水", "木", "金", "土"};

// One row of the day-number decomposition: 400-, 100-, 4- and 1-year cycles.
struct Cycle {
    int offset;
    int days;
    int years;
    int threshold;
    bool leap;
};
constexpr Cycle kCycles[] = {
    {366, 146097, 400, 366, true},
    {-1, 36524, 100, 365, false},
    {1, 1461, 4, 366, true},
    {-1, 365, 1, 365, false},
};

const int* MonthDays(bool leap) { return kMonthDays[leap ? 1 : 0]; }

// Days in the months before `month`; months outside 1 to 12 count none or all twelve.
long long DaysBeforeMonth(bool leap, int month) {
    const int months = month <= 1 ? 0 : std::min(month - 1, kMonthsPerYear);
    long long days = 0;
    for (int i = 0; i < months; ++i) {
        days += MonthDays(leap)[i];
    }
    return days;
}

int ToDayNumberRange(long long number) {
    return static_cast<int>(std::clamp<long long>(number, 0, INT_MAX));
}

int CompareInts(int a, int b) { return a < b ? -1 : (a > b ? 1 : 0); }

// Orders (year, month, day) triples lexicographically, each field as a signed integer.
int CompareFields(int year, int month, int day, int otherYear, int otherMonth, int otherDay) {
    if (year != otherYear) {
        return CompareInts(year, otherYear);
    }
    if (month != otherMonth) {
        return CompareInts(month, otherMonth);
    }
    return CompareInts(day, otherDay);
}

} // namespace

CDate::CDate() : m_nYear(0), m_nMonth(0), m_nDay(0) { SetToday(); }

CDate::CDate(int dayNumber) : m_nYear(0), m_nMonth(0), m_nDay(0) { SetDayNumber(dayNumber); }

CDate::CDate(const CDate& other)
    : CObject(), m_nYear(other.m_nYear), m_nMonth(other.m_nMonth), m_nDay(other.m_nDay) {}

CDate& CDate::operator=(CDate other) {
    m_nYear = other.m_nYear;
    m_nMonth = other.m_nMonth;
    m_nDay = other.m_nDay;
    return *this;
}

bool CDate::operator==(CDate other) const { return CompareWith(other) == 0; }
bool CDate::operator!=(CDate other) const { return !operator==(other); }
bool CDate::operator>(CDate other) const { return CompareWith(other) > 0; }
bool CDate::operator<(CDate other) const { return CompareWith(other) < 0; }
bool CDate::operator>=(CDate other) const { return CompareWith(other) >= 0; }
bool CDate::operator<=(CDate other) const { return CompareWith(other) <= 0; }

CDate CDate::operator++() {
    if (CompareWithLastDay() >= 0) {
        SetDayNumber(INT_MAX);
    } else if (m_nDay < GetDaysInMonth()) {
        ++m_nDay;
    } else {
        m_nDay = 1;
        if (m_nMonth < kMonthsPerYear) {
            ++m_nMonth;
        } else {
            ++m_nYear;
            m_nMonth = 1;
        }
    }
    return *this;
}

CDate CDate::operator--() {
    if (m_nDay > 1) {
        --m_nDay;
    } else if (m_nMonth > 1) {
        --m_nMonth;
        m_nDay = GetDaysInMonth();
    } else if (m_nYear > 1) {
        --m_nYear;
        m_nMonth = kMonthsPerYear;
        m_nDay = GetDaysInMonth();
    } else {
        SetDayNumber(0);
    }
    if (m_nYear < 1) {
        SetDayNumber(0);
    }
    return *this;
}

CDate CDate::operator+=(int days) {
    SetDayNumber(ToDayNumberRange(static_cast<long long>(GetDayNumber()) + days));
    return *this;
}

CDate CDate::operator-=(int days) {
    SetDayNumber(ToDayNumberRange(static_cast<long long>(GetDayNumber()) - days));
    return *this;
}

CDate CDate::operator+(int days) const {
    return CDate(ToDayNumberRange(static_cast<long long>(GetDayNumber()) + days));
}

CDate CDate::operator-(int days) const {
    return CDate(ToDayNumberRange(static_cast<long long>(GetDayNumber()) - days));
}

bool CDate::IsLeapYear() const {
    if (m_nYear % 400 == 0) {
        return true;
    }
    return m_nYear % 100 != 0 && m_nYear % 4 == 0;
}

int CDate::GetYear() const { return m_nYear; }

int CDate::GetMonth() const { return m_nMonth; }

int CDate::GetDay() const { return m_nDay; }

int CDate::GetDayOfWeek() const {
    const long long year = m_nYear;
    const long long before = year - 1;
    long long weekday = (before / 4 + year - 1 - before / 100 + before / 400) % kDaysPerWeek;
    weekday += DaysBeforeMonth(IsLeapYear(), m_nMonth) + m_nDay;
    // Only dates before year 1 (kept by SetDate) reach a negative remainder.
    return static_cast<int>((weekday % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek);
}

const char* CDate::GetDayOfWeekName() const { return kDayOfWeekNames[GetDayOfWeek()]; }

int CDate::GetDaysInMonth() const {
    if (m_nMonth < 1 || m_nMonth > kMonthsPerYear) {
        return 0;
    }
    return MonthDays(IsLeapYear())[m_nMonth - 1];
}

RVK::CString CDate::Format() const {
    RVK::CString text;
    text.Format("%04d年%02d月%02d日（%s）", GetYear(), GetMonth(), GetDay(), GetDayOfWeekName());
    return text;
}

void CDate::SetYear(int year) {
    if (year < 1) {
        return;
    }
    CDate candidate(*this);
    candidate.m_nYear = year;
    candidate.ClampDayToMonth();
    AcceptIfInRange(candidate);
}

void CDate::SetMonth(int month) {
    if (month < 1 || month > kMonthsPerYear) {
        return;
    }
    CDate candidate(*this);
    candidate.m_nMonth = month;
    candidate.ClampDayToMonth();
    AcceptIfInRange(candidate);
}

void CDate::SetDay(int day) {
    if (day < 1 || day > GetDaysInMonth()) {
        return;
    }
    CDate candidate(*this);
    candidate.m_nDay = day;
    AcceptIfInRange(candidate);
}

void CDate::SetToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    m_nYear = now.wYear;
    m_nMonth = now.wMonth;
    m_nDay = now.wDay;
}

bool CDate::SetDate(int year, int month, int day) {
    m_nYear = year;
    m_nMonth = month;
    m_nDay = day;
    return IsValid();
}

bool CDate::IsValid() const {
    return m_nYear >= 1 && m_nMonth >= 1 && m_nMonth <= kMonthsPerYear && m_nDay >= 1 &&
           m_nDay <= GetDaysInMonth() && CompareWithLastDay() <= 0;
}

int CDate::GetLeapYearsBefore() const {
    const int leapYears = m_nYear / 4 - m_nYear / 100 + m_nYear / 400;
    return IsLeapYear() ? leapYears - 1 : leapYears;
}

int CDate::GetDayNumber() const {
    const long long number = (static_cast<long long>(m_nYear) - 1) * 365 + GetLeapYearsBefore() +
                             DaysBeforeMonth(IsLeapYear(), m_nMonth) + m_nDay - 1;
    return ToDayNumberRange(number);
}

bool CDate::SetDayNumber(int number) {
    if (number < 0) {
        m_nYear = m_nMonth = m_nDay = 1;
        return false;
    }
    long long year = 0;
    long long rest = number;
    bool leap = false;
    for (const Cycle& cycle : kCycles) {
        rest += cycle.offset;
        year += rest / cycle.days * cycle.years;
        rest %= cycle.days;
        if (rest < cycle.threshold) {
            leap = cycle.leap;
            break;
        }
    }
    int month = 1;
    while (rest >= MonthDays(leap)[month - 1]) {
        rest -= MonthDays(leap)[month - 1];
        ++month;
    }
    m_nYear = static_cast<int>(year);
    m_nMonth = month;
    m_nDay = static_cast<int>(rest) + 1;
    return true;
}

int CDate::CompareWith(const CDate& other) const {
    return CompareFields(m_nYear, m_nMonth, m_nDay, other.m_nYear, other.m_nMonth, other.m_nDay);
}

int CDate::CompareWithLastDay() const {
    return CompareFields(m_nYear, m_nMonth, m_nDay, kLastYear, kLastMonth, kLastDay);
}

void CDate::AcceptIfInRange(const CDate& candidate) {
    if (candidate.CompareWithLastDay() <= 0) {
        *this = candidate;
    }
}

void CDate::ClampDayToMonth() { m_nDay = std::min(m_nDay, GetDaysInMonth()); }
