#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"

// A date of the proleptic Gregorian calendar with the day arithmetic the calendar
// needs. Valid dates run from 0001-01-01 (day 0) to 5879611-07-12, the last day
// whose day number fits in a 32-bit signed integer; arithmetic clamps at both ends.
class CDate : public RVK::CObject {
    RVK_DECLARE_RUNTIME_CLASS()

    static constexpr int kLastYear = 5879611;
    static constexpr int kLastMonth = 7;
    static constexpr int kLastDay = 12;

    CDate();
    explicit CDate(int dayNumber);
    CDate(const CDate& other);
    ~CDate() override = default;

    virtual CDate& operator=(CDate other);
    virtual bool operator==(CDate other) const;
    virtual bool operator!=(CDate other) const;
    virtual bool operator>(CDate other) const;
    virtual bool operator<(CDate other) const;
    virtual bool operator>=(CDate other) const;
    virtual bool operator<=(CDate other) const;
    virtual CDate operator++();
    virtual CDate operator--();
    virtual CDate operator+=(int days);
    virtual CDate operator-=(int days);
    virtual CDate operator+(int days) const;
    virtual CDate operator-(int days) const;
    virtual bool IsLeapYear() const;
    virtual int GetYear() const;
    virtual int GetMonth() const;
    virtual int GetDay() const;
    virtual int GetDayOfWeek() const;
    virtual const char* GetDayOfWeekName() const;
    virtual int GetDaysInMonth() const;
    virtual RVK::CString Format() const;
    virtual void SetYear(int year);
    virtual void SetMonth(int month);
    virtual void SetDay(int day);
    virtual void SetToday();
    virtual bool SetDate(int year, int month, int day);
    virtual bool IsValid() const;
    virtual int GetLeapYearsBefore() const;
    virtual int GetDayNumber() const;
    virtual bool SetDayNumber(int number);

private:
    int CompareWith(const CDate& other) const;
    int CompareWithLastDay() const;
    void AcceptIfInRange(const CDate& candidate);
    void ClampDayToMonth();

    int m_nYear;
    int m_nMonth;
    int m_nDay;
};
