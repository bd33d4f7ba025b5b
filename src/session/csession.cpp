#include "session/csession.h"

#include "sessionbase/sessionsettings.h"

CSession::CSession(SessionPrompts &prompts, SessionSettings &settings)
    : prompts_(prompts)
    , settings_(settings)
    , doc_(&state_.taxRates)
    , tax_(state_.taxRates, prompts, settings)
    , edit_(doc_, state_, prompts)
    , record_(doc_, state_, tax_, profiles_, prompts, settings)
    , filing_(doc_, state_.clock, prompts, settings)
    , year_(doc_, filing_, prompts, settings)
    , recovery_(*this)
{
}

void CSession::setEvents(SessionEvents *events)
{
    events_ = events;
    tax_.setEvents(events);
    record_.setEvents(events);
}

FuelRounding CSession::fuelRounding()
{
    return settings_.wholeUnits() ? FuelRounding::WholeUnits : FuelRounding::Hundredths;
}
