#include "filing/duedate.h"

#include <algorithm>

CivilDate QuarterDueDate(int32_t year, int32_t quarter)
{
    // The month after the quarter's last month: April, July, October, next January.
    int32_t month = quarter * 3 + 1;
    if (month > 12) {
        month -= 12;
        ++year;
    }
    return CivilDate{year, month, DaysInMonth(year, month)};
}

CivilDate FilingDueDate(int32_t year, int32_t quarter)
{
    const CivilDate due = QuarterDueDate(year, quarter);
    switch (due.dayOfWeek()) {
    case 6: // Saturday
        return due.plusDays(2);
    case 0: // Sunday
        return due.plusDays(1);
    default:
        return due;
    }
}

int32_t MonthsLate(int32_t year, int32_t quarter, const CivilDate &due, const CivilDate &filed)
{
    if (filed <= due)
        return 0;
    const CivilDate counted = std::min(QuarterDueDate(year, quarter), due);
    const int64_t months = filed.monthNumber() - counted.monthNumber();
    return static_cast<int32_t>(std::max<int64_t>(1, months));
}
