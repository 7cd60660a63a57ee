#pragma once
// Days of the calendar, as names give them and metadata files carry them.
#include <string>

// A day of the calendar; all zero for none.
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool IsSet() const { return year != 0; }
    std::string Text() const;  // "YYYY-MM-DD"
};

// Whether the day exists in the Gregorian calendar (29 February only in a
// leap year).
bool IsCalendarDate(int year, int month, int day);
