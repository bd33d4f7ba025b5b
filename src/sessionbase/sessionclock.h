#pragma once

#include "numbers/civildate.h"

// Where the session learns what day it is: the computer's calendar, unless a day was
// fixed (tests, and tollmark-cli's TOLLMARK_TODAY), so that a late return, a new record's
// quarter and the dialogs' first dates are the same on every run.
class SessionClock
{
public:
    // Today on this computer's calendar (local time), or the fixed day.
    CivilDate today() const;
    // From now on today() is `day`; an invalid day goes back to the computer's calendar.
    void fix(const CivilDate &day) { fixed_ = day; }

private:
    CivilDate fixed_;
};
