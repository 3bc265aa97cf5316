#pragma once

#include <ostream>

#include "calendar/CDate.h"

// Builds a date from its fields, valid or not.
inline CDate MakeDate(int year, int month, int day) {
    CDate date;
    date.SetDate(year, month, day);
    return date;
}

// Lets failed expectations print dates as YYYY-MM-DD.
inline std::ostream& operator<<(std::ostream& out, const CDate& date) {
    return out << date.GetYear() << '-' << date.GetMonth() << '-' << date.GetDay();
}
