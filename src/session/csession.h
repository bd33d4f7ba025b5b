#pragma once

#include "profiles/cprofilestore.h"
#include "records/ciftadoc.h"
#include "report/report.h"
#include "session/ceditsession.h"
#include "session/cfilingsession.h"
#include "session/crecordsession.h"
#include "session/crecoverysession.h"
#include "session/ctaxsession.h"
#include "session/cyearsession.h"
#include "sessionbase/programstate.h"
#include "sessionbase/sessionevents.h"

class SessionPrompts;
class SessionSettings;

// One run of the program's logic: the program-wide state (the loaded tax-rate table and
// the rest of ProgramState), the user-profile store, the open record and the use cases
// over them. The window's application owns one for its whole run; each tollmark-cli
// subcommand and each test builds its own. It talks to the user only through `prompts`
// and remembers paths only through `settings`; both outlive it.
class CSession
{
public:
    CSession(SessionPrompts &prompts, SessionSettings &settings);
    CSession(const CSession &) = delete;
    CSession &operator=(const CSession &) = delete;

    // Where the use cases tell what they changed (null: nobody), and the events in use.
    void setEvents(SessionEvents *events);
    SessionEvents &events() { return events_ ? *events_ : quiet_; }

    ProgramState &state() { return state_; }
    SessionClock &clock() { return state_.clock; }
    LoadedTaxTable &taxRates() { return state_.taxRates; }
    CIftaDoc &document() { return doc_; }
    CProfileStore &profiles() { return profiles_; }
    CTaxSession &tax() { return tax_; }
    CEditSession &edit() { return edit_; }
    CRecordSession &record() { return record_; }
    CFilingSession &filing() { return filing_; }
    CYearSession &year() { return year_; }
    CRecoverySession &recovery() { return recovery_; }
    SessionPrompts &prompts() { return prompts_; }
    SessionSettings &settings() { return settings_; }
    // How the report rounds fuel, as the settings say.
    FuelRounding fuelRounding();

private:
    SessionPrompts &prompts_;
    SessionSettings &settings_;
    SessionEvents *events_ = nullptr;
    SessionEvents quiet_;
    ProgramState state_;
    CProfileStore profiles_;
    CIftaDoc doc_;
    CTaxSession tax_;
    CEditSession edit_;
    CRecordSession record_;
    CFilingSession filing_;
    CYearSession year_;
    // Last: it watches the document and the table, and goes before them.
    CRecoverySession recovery_;
};
