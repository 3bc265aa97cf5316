#include <gtest/gtest.h>

#include <climits>

#include "calendar/CDate.h"
#include "tests/calendar/DateTestSupport.h"

namespace {

const CDate kFirstDay = MakeDate(1, 1, 1);
const CDate kLastDay = MakeDate(CDate::kLastYear, CDate::kLastMonth, CDate::kLastDay);
constexpr int kLastOfYear9999 = 3652058;

// Walks day by day from `date` for `days` days, checking each day against its number.
void ExpectConsecutiveDays(CDate date, int days) {
    for (int i = 0; i < days; ++i) {
        const int number = date.GetDayNumber();
        ASSERT_TRUE(date.IsValid()) << date;
        ASSERT_EQ(CDate(number), date) << number;
        ASSERT_EQ(date.GetDayOfWeek(), (static_cast<long long>(number) + 1) % 7) << date;
        const CDate next = ++date;
        ASSERT_EQ(next.GetDayNumber(), number + 1) << next;
    }
}

} // namespace

TEST(CDateRangeTest, EveryDayFromYearOneToYear9999RoundTrips) {
    ExpectConsecutiveDays(kFirstDay, kLastOfYear9999 + 1);
    EXPECT_EQ(MakeDate(9999, 12, 31).GetDayNumber(), kLastOfYear9999);
}

TEST(CDateRangeTest, DaysAcrossTheWholeRangeRoundTrip) {
    for (long long number = 0; number <= INT_MAX; number += 7919) {
        const CDate date(static_cast<int>(number));
        ASSERT_TRUE(date.IsValid()) << number;
        ASSERT_EQ(date.GetDayNumber(), number) << date;
    }
    ExpectConsecutiveDays(CDate(INT_MAX - 800), 800);
}

TEST(CDateRangeTest, CenturiesAndLeapDaysOfFourHundredYearCyclesRoundTrip) {
    for (int year = 400; year <= 4000000; year += 400) {
        for (const CDate& date : {MakeDate(year, 2, 29), MakeDate(year, 12, 31),
                                  MakeDate(year - 300, 1, 1), MakeDate(year - 300, 2, 28)}) {
            ASSERT_TRUE(date.IsValid()) << date;
            ASSERT_EQ(CDate(date.GetDayNumber()), date);
        }
    }
}

TEST(CDateRangeTest, TheLastDayIsTheLastDayNumberOfThirtyTwoBits) {
    EXPECT_EQ(CDate(INT_MAX), kLastDay);
    EXPECT_EQ(kLastDay.GetDayNumber(), INT_MAX);
    EXPECT_TRUE(kLastDay.IsValid());
    EXPECT_EQ(kLastDay.GetDayOfWeek(), 2);
    EXPECT_EQ(MakeDate(CDate::kLastYear, 7, 11) + 1, kLastDay);
}

TEST(CDateRangeTest, ArithmeticClampsAtTheLastDay) {
    CDate date = kLastDay;
    EXPECT_EQ(++date, kLastDay);
    EXPECT_EQ(date += 1, kLastDay);
    EXPECT_EQ(date += INT_MAX, kLastDay);
    EXPECT_EQ(date -= INT_MIN, kLastDay);
    EXPECT_EQ(date + INT_MAX, kLastDay);
    EXPECT_EQ(date - INT_MIN, kLastDay);
    EXPECT_EQ(MakeDate(2013, 12, 27) + INT_MAX, kLastDay);

    EXPECT_EQ(--date, MakeDate(CDate::kLastYear, 7, 11));
    EXPECT_EQ(kLastDay - INT_MAX, kFirstDay);
    EXPECT_EQ(kLastDay + INT_MIN, kFirstDay);
    CDate first = kFirstDay;
    EXPECT_EQ(first -= INT_MAX, kFirstDay);
    EXPECT_EQ(first += INT_MIN, kFirstDay);
}

TEST(CDateRangeTest, DatesBeyondTheLastDayAreInvalidAndClampedByArithmetic) {
    CDate date;
    EXPECT_FALSE(date.SetDate(CDate::kLastYear, 7, 13));
    EXPECT_FALSE(date.SetDate(CDate::kLastYear, 8, 1));
    EXPECT_FALSE(date.SetDate(CDate::kLastYear + 1, 1, 1));
    EXPECT_FALSE(date.SetDate(INT_MAX, 12, 31));
    EXPECT_EQ(date.GetDayNumber(), INT_MAX);
    EXPECT_EQ(++date, kLastDay);

    date.SetDate(INT_MAX, 12, 31);
    EXPECT_EQ(date + 0, kLastDay);
    EXPECT_EQ(date += -1, MakeDate(CDate::kLastYear, 7, 11));
}

TEST(CDateRangeTest, SettersIgnoreChangesThatWouldPassTheLastDay) {
    CDate date = MakeDate(2013, 12, 27);
    date.SetYear(CDate::kLastYear + 1);
    date.SetYear(INT_MAX);
    date.SetYear(CDate::kLastYear);
    EXPECT_EQ(date, MakeDate(2013, 12, 27));

    date = MakeDate(2013, 3, 1);
    date.SetYear(CDate::kLastYear);
    EXPECT_EQ(date, MakeDate(CDate::kLastYear, 3, 1));
    date.SetMonth(8);
    EXPECT_EQ(date, MakeDate(CDate::kLastYear, 3, 1));
    date.SetMonth(7);
    date.SetDay(13);
    EXPECT_EQ(date, MakeDate(CDate::kLastYear, 7, 1));
    date.SetDay(12);
    EXPECT_EQ(date, kLastDay);
}

TEST(CDateRangeTest, ExtremeInvalidDatesNeverOverflow) {
    // Each operation runs on the extreme values; an overflow would trap the test.
    const int extremes[][3] = {
        {INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, INT_MIN, INT_MIN},
        {INT_MAX, 12, INT_MIN},
        {INT_MIN, 1, INT_MAX},
        {1, INT_MAX, 1},
        {-1, 0, 0},
        {2013, 2, INT_MAX},
        {2013, INT_MIN, 1},
    };
    for (const auto& fields : extremes) {
        CDate date = MakeDate(fields[0], fields[1], fields[2]);
        EXPECT_FALSE(date.IsValid());
        EXPECT_GE(date.GetDayOfWeek(), 0);
        EXPECT_LE(date.GetDayOfWeek(), 6);
        EXPECT_NE(date.GetDayOfWeekName(), nullptr);
        EXPECT_GE(date.GetDayNumber(), 0);
        date.GetLeapYearsBefore();
        date.Format();
        CDate moved = date;
        (moved + INT_MAX).GetDayNumber();
        (moved - INT_MAX).GetDayNumber();
        moved += INT_MIN;
        moved = date;
        ++moved;
        moved = date;
        --moved;
        moved = date;
        moved.SetYear(INT_MAX);
        moved.SetMonth(12);
        moved.SetDay(1);
    }
}

TEST(CDateRangeTest, StepsOffInvalidDatesLandOnValidDays) {
    CDate date = MakeDate(-5, 3, 10);
    EXPECT_EQ(--date, kFirstDay);
    date = MakeDate(INT_MIN, 1, 1);
    EXPECT_EQ(--date, kFirstDay);
    date = MakeDate(2013, 2, 30);
    EXPECT_EQ(++date, MakeDate(2013, 3, 1));
}
