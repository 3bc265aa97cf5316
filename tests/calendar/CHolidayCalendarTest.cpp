#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/CHolidayCalendar.h"
#include "tests/calendar/DateTestSupport.h"

// The days of each rule of the law and of each change to it, as yyyymmdd; "-" is no holiday:
// days before the law and after the years covered, a Sunday holiday before substitute days
// began on 1973-04-12, a Sunday between holidays before 2007, and days a change took away.
TEST(CHolidayCalendarTest, EachRuleAndEachChangeOfTheLawGivesItsDays) {
    const struct {
        const char* name;
        std::vector<int> dates;
    } rows[] = {
        {"-", {19480505, 19480719, 19660211, 19730212, 19860504, 19950720, 20150811, 20191223}},
        {"-", {20200720, 20200811, 20201012, 20211011, 21000101}},
        {"元日", {19490101}},
        {"成人の日", {19490115, 20000110}},
        {"建国記念の日", {19670211}},
        {"天皇誕生日", {19880429, 19891223, 20200223}},
        {"春分の日", {19600320, 20160320, 20240320, 20920319}},
        {"秋分の日", {19480923, 19790924, 20120922, 20250923}},
        {"昭和の日", {20070429}},
        {"みどりの日", {19890429, 20060429, 20070504}},
        {"海の日", {19960720, 20030721, 20200723, 20210722}},
        {"山の日", {20160811, 20200810, 20210808}},
        {"敬老の日", {19660915, 20040920}},
        {"体育の日", {19661010, 20001009, 20191014}},
        {"スポーツの日", {20200724, 20210723, 20221010}},
        {"勤労感謝の日", {20991123}},
        {"振替休日", {19730430, 19870504, 19991011, 20080506, 20200224, 20210809, 20240923}},
        {"国民の休日", {19880504, 20090922, 20190430, 20190502}},
        {"皇太子明仁親王の結婚の儀", {19590410}},
        {"昭和天皇の大喪の礼", {19890224}},
        {"即位礼正殿の儀", {19901112, 20191022}},
        {"皇太子徳仁親王の結婚の儀", {19930609}},
        {"即位の日", {20190501}},
    };
    for (const auto& row : rows) {
        for (int number : row.dates) {
            const CDate date = MakeDate(number / 10000, number / 100 % 100, number % 100);
            const char* name = CHolidayCalendar::GetHolidayName(date);
            EXPECT_EQ(std::string(name != nullptr ? name : "-"), row.name) << number;
        }
    }
}

// The published list from 1955 to 2027 holds 1067 days.
TEST(CHolidayCalendarTest, TheYearsOfThePublishedListHoldAsManyDays) {
    int holidays = 0;
    for (CDate date = MakeDate(1955, 1, 1); date.GetYear() <= 2027; ++date) {
        holidays += CHolidayCalendar::GetHolidayName(date) != nullptr;
    }
    EXPECT_EQ(holidays, 1067);
}
