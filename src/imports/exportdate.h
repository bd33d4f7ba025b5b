#pragma once

#include <string>
#include <string_view>

// The dates of mileage and fuel-card exports: YYYY-MM-DD, YYYY/MM/DD, MM/DD/YYYY or
// DD/MM/YYYY (also with '-' or '.' between the numbers), each with an optional time part
// after a blank or a 'T' that is ignored. A record keeps them as "YYYY/MM/DD".

// Whether a date with the year last has the month or the day first.
enum class DateOrder { Unknown, MonthFirst, DayFirst };

// What the year-last dates of one file say about their order.
struct DateOrderEvidence {
    bool monthFirstSeen = false; // a second number above 12: MM/DD/YYYY
    bool dayFirstSeen = false;   // a first number above 12: DD/MM/YYYY
    bool yearLastSeen = false;   // any year-last date at all

    void note(std::string_view text);
    // The order the dates show; Unknown when no date tells (no number above 12) or
    // dates tell both ways.
    DateOrder order() const;
    bool ambiguous() const { return yearLastSeen && order() == DateOrder::Unknown; }
};

// Reads `text` as a date into "YYYY/MM/DD" (a real day of CivilDate's range, years 1900
// to 2099).
// A year-last date needs `order` to be known. False when the text is no date.
bool ReadExportDate(std::string_view text, DateOrder order, std::string &date);
