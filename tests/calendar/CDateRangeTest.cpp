#include <gtest/gtest.h>

#include <climits>

#include "calendar/CDate.h"
#include "tests/calendar/DateTestSupport.h"

namespace {

const CDate kFirstDay = MakeDate(1, 1, 1);
const CDate kLastDay = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);
const CDate kDayBeforeLast = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay - 1);

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

TEST(CDateRangeTest, NothingMovesADatePastTheLastDay) {
    CDate date = kLastDay;
    EXPECT_EQ(++date, kLastDay);
    EXPECT_EQ(date += 1, kLastDay);
    EXPECT_EQ(date -= INT_MIN, kLastDay);
    EXPECT_EQ(date + INT_MAX, kLastDay);
    EXPECT_EQ(MakeDate(2013, 12, 27) + INT_MAX, kLastDay);
    EXPECT_EQ(--date, kDayBeforeLast);
    EXPECT_EQ(kLastDay + INT_MIN, kFirstDay);
    CDate first = kFirstDay;
    EXPECT_EQ(first -= INT_MAX, kFirstDay);

    EXPECT_FALSE(date.SetDate(CDate::kLastYear, 7, 13));
    EXPECT_FALSE(date.SetDate(INT_MAX, 12, 31));
    EXPECT_EQ(date.GetDayNumber(), INT_MAX);
    EXPECT_EQ(++date, kLastDay);

    date = MakeDate(2013, 12, 27);
    date.SetYear(CDate::kLastYear);
    date.SetYear(INT_MAX);
    EXPECT_EQ(date, MakeDate(2013, 12, 27));
    date = MakeDate(2013, 3, 1);
    date.SetYear(CDate::kLastYear);
    EXPECT_EQ(date, MakeDate(CDate::kLastYear, 3, 1));
    date.SetMonth(8);
    date.SetMonth(7);
    date.SetDay(13);
    EXPECT_EQ(date, MakeDate(CDate::kLastYear, 7, 1));
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
