#pragma once

#include "calendar/CDate.h"

// Japan's national holidays (国民の祝日) and the days off the holiday law adds to them, with
// their Japanese names, from the law's first day, 1948-07-20, to the end of kLastYear. Days
// outside that span are no holidays. Each answer is worked out from the rules anew; it
// takes a handful of date steps.
class CHolidayCalendar {
public:
    static constexpr int kLastYear = 2099;

    CHolidayCalendar() = delete;

    // The holiday's name as a program text, or nullptr when the day is no holiday.
    static const char* GetHolidayName(const CDate& date);
};
