#include <gtest/gtest.h>

#include "memo/CMemoName.h"
#include "tests/calendar/DateTestSupport.h"

TEST(CMemoNameTest, OnlyTheExactNameOfAValidDateIsAMemo) {
    struct Row {
        const wchar_t* name;
        int year, month, day; // 0: not a memo
    };
    const Row rows[] = {
        {L"20131212.TXT", 2013, 12, 12},
        {L"20131227.txt", 2013, 12, 27},
        {L"00010101.txt", 1, 1, 1},
        {L"100000101.txt", 10000, 1, 1},
        {L"010000101.txt", 0, 0, 0},
        {L"00000101.txt", 0, 0, 0},
        {L"20130229.txt", 0, 0, 0},
        {L"20131232.txt", 0, 0, 0},
        {L"2013121.txt", 0, 0, 0},
        {L"20131207x.txt", 0, 0, 0},
        {L"20131207x21.txt", 0, 0, 0},
        {L"201312\u00b27.txt", 0, 0, 0}, // a superscript two, which the ANSI search spells "2"
        {L"2013122\uff17.txt", 0, 0, 0}, // a full-width seven
        {L"..\u00a5x.txt", 0, 0, 0},     // a yen sign, which the ANSI search spells "\"
        {L"20131227.txt.txt", 0, 0, 0},
        {L"20131227.tx", 0, 0, 0},
        {L"20131227.t\uff58t", 0, 0, 0},
    };
    for (const Row& row : rows) {
        CDate date = MakeDate(1999, 9, 9);
        const bool isMemo = CMemoName::ToDate(row.name, date);
        EXPECT_EQ(isMemo, row.year != 0) << testing::PrintToString(std::wstring(row.name));
        if (isMemo) {
            EXPECT_EQ(date, MakeDate(row.year, row.month, row.day));
            EXPECT_EQ(CMemoName::ToDate(CMemoName::Of(date).c_str(), date), true);
        } else {
            EXPECT_EQ(date, MakeDate(1999, 9, 9)) << "a refused name leaves the date alone";
        }
    }
    EXPECT_EQ(CMemoName::Of(MakeDate(800, 3, 5)), L"08000305.txt");
    EXPECT_EQ(CMemoName::YearPattern(2013), L"2013????.txt");
    EXPECT_EQ(CMemoName::YearPattern(800), L"0800????.txt");
}
