#include "sessionbase/sessionclock.h"

#include <ctime>

CivilDate SessionClock::today() const
{
    if (fixed_.isValid())
        return fixed_;
    const std::time_t now = std::time(nullptr);
    // The one reader of the calendar in the session, called from the main thread only.
    const std::tm *local = std::localtime(&now);
    if (!local)
        return CivilDate{kFirstYear, 1, 1};
    return CivilDate{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}
