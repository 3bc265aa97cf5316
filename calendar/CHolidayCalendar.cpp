#include "calendar/CHolidayCalendar.h"

namespace {

constexpr int kSunday = 0;
constexpr int kMonday = 1;
constexpr int kDaysPerWeek = 7;

// Dates as yyyymmdd numbers, for the days the law and its changes took effect.
constexpr int kLawInForce = 19480720;
constexpr int kSubstituteFrom = 19730412;
constexpr int kDayBetweenFrom = 19851227;
// From 2007 a Sunday holiday moves to the next day that is no holiday, and a day between
// two holidays is one even on a Sunday.
constexpr int kRevisedRulesFrom = 20070101;

constexpr int kFirstYear = kLawInForce / 10000;
constexpr int kLastYear = CHolidayCalendar::kLastYear;

constexpr const char* kSubstituteName = "振替休日";
constexpr const char* kDayBetweenName = "国民の休日";

// A holiday on a fixed date in the years firstYear to lastYear.
struct FixedHoliday {
    int month;
    int day;
    int firstYear;
    int lastYear;
    const char* name;
};
constexpr FixedHoliday kFixedHolidays[] = {
    {1, 1, kFirstYear, kLastYear, "元日"},
    {1, 15, kFirstYear, 1999, "成人の日"},
    {2, 11, 1967, kLastYear, "建国記念の日"},
    {2, 23, 2020, kLastYear, "天皇誕生日"},
    {4, 29, kFirstYear, 1988, "天皇誕生日"},
    {4, 29, 1989, 2006, "みどりの日"},
    {4, 29, 2007, kLastYear, "昭和の日"},
    {5, 3, kFirstYear, kLastYear, "憲法記念日"},
    {5, 4, 2007, kLastYear, "みどりの日"},
    {5, 5, kFirstYear, kLastYear, "こどもの日"},
    {7, 20, 1996, 2002, "海の日"},
    {8, 11, 2016, 2019, "山の日"},
    {8, 11, 2022, kLastYear, "山の日"},
    {9, 15, 1966, 2002, "敬老の日"},
    {10, 10, 1966, 1999, "体育の日"},
    {11, 3, kFirstYear, kLastYear, "文化の日"},
    {11, 23, kFirstYear, kLastYear, "勤労感謝の日"},
    {12, 23, 1989, 2018, "天皇誕生日"},
};

// A holiday on the week-th Monday of its month.
struct MondayHoliday {
    int month;
    int week;
    int firstYear;
    int lastYear;
    const char* name;
};
constexpr MondayHoliday kMondayHolidays[] = {
    {1, 2, 2000, kLastYear, "成人の日"}, {7, 3, 2003, 2019, "海の日"},
    {7, 3, 2022, kLastYear, "海の日"},   {9, 3, 2003, kLastYear, "敬老の日"},
    {10, 2, 2000, 2019, "体育の日"},     {10, 2, 2022, kLastYear, "スポーツの日"},
};

// Days made holidays by laws of their own, and the holidays moved for the Games of 2020
// and 2021. They count as holidays for the days off around them.
struct SingleHoliday {
    int date;
    const char* name;
};
constexpr SingleHoliday kSingleHolidays[] = {
    {19590410, "皇太子明仁親王の結婚の儀"},
    {19890224, "昭和天皇の大喪の礼"},
    {19901112, "即位礼正殿の儀"},
    {19930609, "皇太子徳仁親王の結婚の儀"},
    {20190501, "即位の日"},
    {20191022, "即位礼正殿の儀"},
    {20200723, "海の日"},
    {20200724, "スポーツの日"},
    {20200810, "山の日"},
    {20210722, "海の日"},
    {20210723, "スポーツの日"},
    {20210808, "山の日"},
};

// The equinox holidays fall on the day the sun reaches the equinox, Japanese time. The
// usual approximation: the day drifts 0.242194 days later each year from 1980 and goes
// back one day in each leap year. Amounts are in millionths of a day.
struct Equinox {
    int month;
    int dayIn1980;
    // The same, fitted to the years before 1980, which count leap days from 1983.
    int dayIn1980Early;
    const char* name;
};
constexpr Equinox kEquinoxes[] = {
    {3, 20843100, 20835700, "春分の日"},
    {9, 23248800, 23258800, "秋分の日"},
};
constexpr int kEquinoxBaseYear = 1980;
constexpr int kEarlyLeapBaseYear = 1983;
constexpr int kDriftPerYear = 242194;
constexpr int kMillionths = 1000000;

int DateNumber(int year, int month, int day) { return (year * 100 + month) * 100 + day; }

// Valid for the covered years: every amount is then positive, so division rounds down.
int EquinoxDay(const Equinox& equinox, int year) {
    const int years = year - kEquinoxBaseYear;
    const bool early = year < kEquinoxBaseYear;
    const int start = early ? equinox.dayIn1980Early : equinox.dayIn1980;
    // Before 1980 the count of leap days is cut toward zero, as the approximation has it.
    const int leapDays = early ? (year - kEarlyLeapBaseYear) / 4 : years / 4;
    return (start + kDriftPerYear * years) / kMillionths - leapDays;
}

const char* FixedHolidayName(int year, int month, int day) {
    for (const FixedHoliday& holiday : kFixedHolidays) {
        if (holiday.month == month && holiday.day == day && year >= holiday.firstYear &&
            year <= holiday.lastYear) {
            return holiday.name;
        }
    }
    return nullptr;
}

const char* MondayHolidayName(int year, int month, int day, int dayOfWeek) {
    if (dayOfWeek != kMonday) {
        return nullptr;
    }
    const int week = (day - 1) / kDaysPerWeek + 1;
    for (const MondayHoliday& holiday : kMondayHolidays) {
        if (holiday.month == month && holiday.week == week && year >= holiday.firstYear &&
            year <= holiday.lastYear) {
            return holiday.name;
        }
    }
    return nullptr;
}

const char* EquinoxName(int year, int month, int day) {
    for (const Equinox& equinox : kEquinoxes) {
        if (equinox.month == month && EquinoxDay(equinox, year) == day) {
            return equinox.name;
        }
    }
    return nullptr;
}

// The holiday the law or a law of its own names for the day, without the days off that
// follow from the holidays around it.
const char* NamedHoliday(const CDate& date) {
    const int year = date.GetYear();
    if (year < kFirstYear || year > kLastYear) {
        return nullptr;
    }
    const int month = date.GetMonth();
    const int day = date.GetDay();
    const int number = DateNumber(year, month, day);
    if (number < kLawInForce) {
        return nullptr;
    }
    for (const SingleHoliday& holiday : kSingleHolidays) {
        if (holiday.date == number) {
            return holiday.name;
        }
    }
    if (const char* name = FixedHolidayName(year, month, day)) {
        return name;
    }
    if (const char* name = MondayHolidayName(year, month, day, date.GetDayOfWeek())) {
        return name;
    }
    return EquinoxName(year, month, day);
}

bool IsHoliday(const CDate& date) { return NamedHoliday(date) != nullptr; }

int DateNumber(const CDate& date) {
    return DateNumber(date.GetYear(), date.GetMonth(), date.GetDay());
}

// A holiday on a Sunday gives the day after it off; from 2007 that is the first day after
// it that is no holiday itself.
bool IsSubstituteHoliday(const CDate& date) {
    CDate before = date - 1;
    const int number = DateNumber(before);
    if (number < kSubstituteFrom) {
        return false;
    }
    if (number < kRevisedRulesFrom) {
        return before.GetDayOfWeek() == kSunday && IsHoliday(before);
    }
    for (; IsHoliday(before); --before) {
        if (before.GetDayOfWeek() == kSunday) {
            return true;
        }
    }
    return false;
}

bool IsDayBetweenHolidays(const CDate& date) {
    const int number = DateNumber(date);
    if (number < kDayBetweenFrom) {
        return false;
    }
    if (number < kRevisedRulesFrom && date.GetDayOfWeek() == kSunday) {
        return false;
    }
    return IsHoliday(date - 1) && IsHoliday(date + 1);
}

} // namespace

const char* CHolidayCalendar::GetHolidayName(const CDate& date) {
    const int year = date.GetYear();
    if (year < kFirstYear || year > kLastYear) {
        return nullptr;
    }
    if (const char* name = NamedHoliday(date)) {
        return name;
    }
    if (IsSubstituteHoliday(date)) {
        return kSubstituteName;
    }
    return IsDayBetweenHolidays(date) ? kDayBetweenName : nullptr;
}
