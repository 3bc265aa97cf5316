#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "calendar/CDate.h"
#include "tests/calendar/DateTestSupport.h"

TEST(CDateTest, LeapYearsFollowTheGregorianRule) {
    for (int year : {4, 2000, 2004, 2400}) {
        EXPECT_TRUE(MakeDate(year, 1, 1).IsLeapYear()) << year;
    }
    for (int year : {1, 1900, 2013, 2100}) {
        EXPECT_FALSE(MakeDate(year, 1, 1).IsLeapYear()) << year;
    }
    EXPECT_EQ(MakeDate(2000, 2, 1).GetDaysInMonth(), 29);
    EXPECT_EQ(MakeDate(1900, 2, 1).GetDaysInMonth(), 28);
    EXPECT_EQ(MakeDate(2013, 13, 1).GetDaysInMonth(), 0);
}

TEST(CDateTest, WeekdaysAndTheLongJapaneseFormat) {
    CDate date = MakeDate(2026, 12, 6);
    for (const char* name : {"日", "月", "火", "水", "木", "金", "土"}) {
        EXPECT_STREQ(date.GetDayOfWeekName(), name) << date;
        ++date;
    }
    // The sources are UTF-8: the names must come out in Shift-JIS, 金 as 8B E0.
    EXPECT_STREQ(MakeDate(2013, 12, 27).GetDayOfWeekName(), "\x8b\xe0");
    EXPECT_EQ(std::string(MakeDate(2013, 12, 27).Format()), "2013年12月27日（金）");
    EXPECT_EQ(std::string(MakeDate(5, 1, 2).Format()), "0005年01月02日（日）");
    EXPECT_EQ(std::string(MakeDate(12345, 6, 7).Format()), "12345年06月07日（木）");
}

namespace {

const CDate kFirstDay = MakeDate(1, 1, 1);
const CDate kLastDay = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);

// Walks day by day from `date`, checking each day against its number, its weekday and the
// step back.
void ExpectConsecutiveDays(CDate date, int days) {
    for (int i = 0; i < days; ++i) {
        const int number = date.GetDayNumber();
        ASSERT_TRUE(date.IsValid()) << date;
        ASSERT_EQ(CDate(number), date) << number;
        ASSERT_EQ(date.GetDayOfWeek(), (static_cast<long long>(number) + 1) % 7) << date;
        const CDate before = date;
        ASSERT_EQ((++date).GetDayNumber(), number + 1) << date;
        ASSERT_EQ(--CDate(date), before) << date;
    }
}

} // namespace

TEST(CDateRangeTest, EveryDayFromYearOneToYear9999RoundTrips) {
    ExpectConsecutiveDays(kFirstDay, MakeDate(9999, 12, 31).GetDayNumber() + 1);
}

TEST(CDateRangeTest, DaysAcrossTheWholeRangeRoundTrip) {
    for (long long number = 0; number <= INT_MAX; number += 7919) {
        const CDate date(static_cast<int>(number));
        ASSERT_TRUE(date.IsValid()) << number;
        ASSERT_EQ(date.GetDayNumber(), number) << date;
    }
    ExpectConsecutiveDays(CDate(INT_MAX - 800), 800);
    EXPECT_EQ(CDate(INT_MAX), kLastDay);
}

// The date dialog hands whatever numbers were typed to SetDate.
TEST(CDateRangeTest, ExtremeFieldsAreRefusedWithoutOverflow) {
    const int extremes[][3] = {
        {INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN, INT_MIN},
        {INT_MAX, 12, 31},
        {INT_MIN, 1, INT_MAX},
        {1, INT_MAX, 1},
        {2013, 2, INT_MAX},
    };
    for (const auto& fields : extremes) {
        CDate date;
        EXPECT_FALSE(date.SetDate(fields[0], fields[1], fields[2]));
    }
}
