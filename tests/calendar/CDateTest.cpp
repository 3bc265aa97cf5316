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

TEST(CDateTest, DayNumbersCountFromTheFirstOfJanuaryOfYearOne) {
    EXPECT_EQ(MakeDate(1, 1, 1).GetDayNumber(), 0);
    EXPECT_EQ(MakeDate(1970, 1, 1).GetDayNumber(), 719162);
    EXPECT_EQ(MakeDate(2013, 12, 27).GetDayNumber(), 735228);
    EXPECT_EQ(CDate(735228), MakeDate(2013, 12, 27));

    CDate date = MakeDate(2013, 5, 5);
    EXPECT_FALSE(date.SetDayNumber(-5));
    EXPECT_EQ(date, MakeDate(1, 1, 1));
}

TEST(CDateTest, WeekdaysAndTheLongJapaneseFormat) {
    EXPECT_EQ(MakeDate(1, 1, 1).GetDayOfWeek(), 1);
    EXPECT_EQ(MakeDate(10000, 1, 1).GetDayOfWeek(), 6);
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

TEST(CDateTest, StepsCrossMonthsAndYearsAndArithmeticClampsAtTheFirstDay) {
    const CDate steps[][2] = {{MakeDate(2013, 12, 31), MakeDate(2014, 1, 1)},
                              {MakeDate(2012, 2, 28), MakeDate(2012, 2, 29)},
                              {MakeDate(2013, 2, 28), MakeDate(2013, 3, 1)},
                              {MakeDate(2012, 2, 29), MakeDate(2012, 3, 1)},
                              {MakeDate(9999, 12, 31), MakeDate(10000, 1, 1)}};
    for (const auto& step : steps) {
        CDate date = step[0];
        EXPECT_EQ(++date, step[1]);
        EXPECT_EQ(--date, step[0]);
    }
    CDate date = MakeDate(1, 1, 1);
    EXPECT_EQ(--date, MakeDate(1, 1, 1));
    date = MakeDate(1, 1, 3);
    EXPECT_EQ(date -= 7, MakeDate(1, 1, 1));
    date = MakeDate(2012, 1, 1);
    EXPECT_EQ(date += 365, MakeDate(2012, 12, 31));
    EXPECT_EQ(date += -365, MakeDate(2012, 1, 1));
    const CDate fixed = MakeDate(2013, 12, 27);
    EXPECT_EQ(fixed + 5, MakeDate(2014, 1, 1));
    EXPECT_EQ(fixed - 1000000, MakeDate(1, 1, 1));
    EXPECT_EQ(fixed, MakeDate(2013, 12, 27));
}

TEST(CDateTest, SettersClampTheDayOrIgnoreValuesOutOfRange) {
    CDate date = MakeDate(2013, 1, 31);
    date.SetMonth(2);
    EXPECT_EQ(date, MakeDate(2013, 2, 28));
    date = MakeDate(2012, 2, 29);
    date.SetYear(2013);
    EXPECT_EQ(date, MakeDate(2013, 2, 28));

    date = MakeDate(2013, 4, 15);
    date.SetMonth(0);
    date.SetMonth(13);
    date.SetYear(0);
    date.SetDay(0);
    date.SetDay(31);
    EXPECT_EQ(date, MakeDate(2013, 4, 15));
}

TEST(CDateTest, SetDateKeepsWhatItIsGivenAndDatesCompareByTheirFields) {
    CDate date;
    EXPECT_FALSE(date.SetDate(2013, 2, 29));
    EXPECT_EQ(date.GetYear() * 10000 + date.GetMonth() * 100 + date.GetDay(), 20130229);
    EXPECT_FALSE(date.IsValid());
    EXPECT_TRUE(date.SetDate(2012, 2, 29));
    EXPECT_FALSE(date.SetDate(2013, 4, 31));

    EXPECT_TRUE(MakeDate(2013, 12, 31) < MakeDate(2014, 1, 1));
    EXPECT_TRUE(MakeDate(2014, 2, 1) > MakeDate(2014, 1, 31));
    EXPECT_TRUE(MakeDate(2014, 1, 1) >= MakeDate(2014, 1, 1));
    EXPECT_FALSE(MakeDate(2014, 1, 1) == MakeDate(2014, 1, 2));
}

namespace {

const CDate kFirstDay = MakeDate(1, 1, 1);
const CDate kLastDay = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);

// Walks day by day from `date`, checking each day against its number and weekday.
void ExpectConsecutiveDays(CDate date, int days) {
    for (int i = 0; i < days; ++i) {
        const int number = date.GetDayNumber();
        ASSERT_TRUE(date.IsValid()) << date;
        ASSERT_EQ(CDate(number), date) << number;
        ASSERT_EQ(date.GetDayOfWeek(), (static_cast<long long>(number) + 1) % 7) << date;
        ASSERT_EQ((++date).GetDayNumber(), number + 1) << date;
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
