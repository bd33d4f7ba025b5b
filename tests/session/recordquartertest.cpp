// The record's quarter: a new record's without a table, the quarter of Company Info's
// dates, and the quarter a table is wanted for.

#include "sessiontest.h"

#include "check/quartercheck.h"
#include "session/ceditsession.h"

using namespace sessiontest;
using Answer = SessionPrompts::Answer;
using CompanyResult = SessionPrompts::CompanyResult;

namespace {

std::string QuarterOf(const TaxPeriod &period)
{
    return std::to_string(period.quarter) + "Q" + std::to_string(period.year);
}

} // namespace

// Without a table, the first record of a run and a later File New take the quarter of
// today, not the record type's own default.
TEST(RecordQuarter, ANewRecordWithoutATableTakesTodaysQuarter)
{
    const struct {
        CivilDate today;
        const char *quarter;
    } cases[] = {
        {{2026, 12, 9}, "4Q2026"},
        {{2027, 1, 1}, "1Q2027"},
        {{2026, 6, 30}, "2Q2026"},
        {{2026, 7, 1}, "3Q2026"},
    };
    for (const auto &c : cases) {
        SessionRig rig(false); // its start-up steps not run yet
        rig.state.clock.fix(c.today);
        ASSERT_TRUE(rig.session.newRecord());
        EXPECT_EQ(QuarterOf(rig.doc.recordPeriod()), c.quarter);
        // Its first trip starts on the quarter's first day.
        std::string offered;
        rig.prompts.entry = [&](EntryDialogData &data) {
            offered = data.entry.date;
            return false;
        };
        CEditSession(rig.doc, rig.state, rig.prompts).addTrip();
        const int month = ((c.today.month - 1) / 3) * 3 + 1;
        EXPECT_EQ(offered, std::to_string(c.today.year) + (month < 10 ? "/0" : "/") +
                               std::to_string(month) + "/01");

        // File New three months later.
        rig.state.clock.fix(c.today.plusMonths(3));
        rig.prompts.company = [](CompanyDialogData &, CProfileStore *) {
            return CompanyResult::Ok;
        };
        ASSERT_TRUE(rig.session.newRecord());
        const CivilDate later = c.today.plusMonths(3);
        EXPECT_EQ(rig.doc.recordPeriod().quarter, (later.month - 1) / 3 + 1);
        EXPECT_EQ(rig.doc.recordPeriod().year, later.year);
    }
}

// Download Tax Rates opens on the quarter whose rates the record needs.
TEST(RecordQuarter, TheDownloadAsksForTheRecordsQuarterElseTodays)
{
    SessionRig rig;
    rig.state.clock.fix(CivilDate{2026, 12, 9});
    rig.doc.setRecordPeriod(TaxPeriod{2026, 2, "US"});
    EXPECT_EQ(QuarterOf(rig.session.quarterForTable()), "2Q2026");
    rig.doc.setRecordPeriod(TaxPeriod{0, 0, "US"}); // a header of a year past 2099
    EXPECT_EQ(QuarterOf(rig.session.quarterForTable()), "4Q2026");
}

// Company Info's dates in another quarter: Yes moves the record there, No keeps both as
// they are and the check lists them; dates of the record's own quarter ask nothing.
TEST(RecordQuarter, CompanyDatesOfAnotherQuarterAskToMoveTheRecord)
{
    const struct {
        PeriodDate from, to;
        Answer answer;
        const char *question; // nullptr: none
        const char *quarter;
        bool found;
    } cases[] = {
        {{2026, 7, 1},
         {2026, 9, 30},
         Answer::Yes,
         "The dates are in 3Q2026; the record is 2Q2026. Change the record to 3Q2026?",
         "3Q2026",
         false},
        {{2026, 7, 1},
         {2026, 9, 30},
         Answer::No,
         "The dates are in 3Q2026; the record is 2Q2026. Change the record to 3Q2026?",
         "2Q2026",
         true},
        {{2026, 4, 2}, {2026, 6, 15}, Answer::Yes, nullptr, "2Q2026", false},
    };
    for (const auto &c : cases) {
        SessionRig rig;
        rig.doc.setRecordPeriod(TaxPeriod{2026, 2, "Canada"});
        rig.prompts.company = [&c](CompanyDialogData &data, CProfileStore *) {
            data.company.periodFrom = c.from;
            data.company.periodTo = c.to;
            return CompanyResult::Ok;
        };
        rig.prompts.answers.push_back(c.answer);
        rig.session.companyInfo();
        EXPECT_EQ(rig.prompts.shown,
                  c.question ? std::vector<std::string>{c.question} : std::vector<std::string>{});
        EXPECT_EQ(QuarterOf(rig.doc.recordPeriod()), c.quarter);
        const Findings findings = CheckQuarter(rig.doc, rig.state.taxRates);
        const bool found = std::any_of(findings.begin(), findings.end(), [](const Finding &f) {
            return f.rule == CheckRule::CompanyDates;
        });
        EXPECT_EQ(found, c.found) << c.quarter;
    }
}
