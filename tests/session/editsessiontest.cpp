// Editing trip lines and tax rates through the session: what each edit changes, the named
// undo steps it records (and that a cancelled dialog records none), and undo and redo
// many steps deep.

#include "sessiontest.h"

#include "session/ceditsession.h"
#include "sessionbase/tripclipboard.h"

using namespace sessiontest;
using Answer = SessionPrompts::Answer;

namespace {

// A session over the report's table (QC, ON, KY with its surcharge KX, ME) and the
// editing use cases over it.
struct EditRig : SessionRig {
    EditRig()
    {
        EXPECT_TRUE(CTaxSession::ReadTaxFileInto(fixture("report/rates.itx"), state.taxRates).ok());
    }

    // The entry dialog answering once with `abbreviation` and `distance`.
    void answerEntry(const std::string &abbreviation, int32_t distance)
    {
        prompts.entry = [this, abbreviation, distance](EntryDialogData &d) {
            d.abbreviation = abbreviation;
            d.entry.distance = distance;
            prompts.entry = nullptr;
            return true;
        };
    }
    // The trip lines as "trip:abbreviation:distance", space separated.
    std::string lines() const
    {
        std::string all;
        for (const TripEntry &e : doc.entries())
            all += (all.empty() ? "" : " ") + std::to_string(e.tripNumber) + ":" +
                   doc.taxTable()[e.slot].abbreviation + ":" + std::to_string(e.distance);
        return all;
    }

    CEditSession edit{doc, state, prompts};
};

TEST(EditSession, CancelledDialogsRecordNoStep)
{
    EditRig rig;
    rig.answerEntry("QC", 10);
    ASSERT_EQ(rig.edit.addTrip(), 0);
    rig.answerEntry("ON", 20);
    ASSERT_EQ(rig.edit.addTrip(), 1);
    rig.answerEntry("ME", 30);
    ASSERT_TRUE(rig.edit.modifyTrip(0));
    EXPECT_EQ(rig.lines(), "1:ME:30 2:ON:20");

    // A cancelled Modify, a cancelled Add and a refused Delete change and record nothing.
    EXPECT_FALSE(rig.edit.modifyTrip(1));
    EXPECT_EQ(rig.edit.addTrip(), -1);
    rig.prompts.answers = {Answer::No};
    EXPECT_FALSE(rig.edit.deleteTrip(1));
    EXPECT_EQ(rig.prompts.shown.back(), kDeleteItemQuestion);
    EXPECT_EQ(rig.prompts.entryDialogs, 5);
    EXPECT_EQ(rig.doc.undo().undoCount(), 3u);
    EXPECT_EQ(rig.doc.undo().undoName(), "Modify Trip 1");

    // Undo takes back the first Modify, not the cancelled one.
    ASSERT_TRUE(rig.edit.undoTrips());
    EXPECT_EQ(rig.lines(), "1:QC:10 2:ON:20");
    EXPECT_EQ(rig.doc.undo().redoName(), "Modify Trip 1");

    // The same for the rates: a cancelled rate dialog records nothing.
    rig.prompts.taxRate = [](TaxRate &rate, bool) {
        rate.dieselRate = TenThousandths{5000};
        return true;
    };
    ASSERT_TRUE(rig.edit.modifyRate(1));
    rig.prompts.taxRate = nullptr;
    EXPECT_FALSE(rig.edit.modifyRate(1));
    EXPECT_EQ(rig.edit.addRate(), -1);
    EXPECT_EQ(rig.doc.rates().undo().undoCount(), 1u);
    ASSERT_TRUE(rig.edit.undoRates());
    EXPECT_EQ(rig.doc.taxTable()[1].dieselRate, TenThousandths{1430});
    EXPECT_TRUE(rig.doc.rates().isModified()); // undo leaves the unsaved mark alone
}

TEST(EditSession, TenEditsUndoneAndRedoneInOrderWithTheirNames)
{
    EditRig rig;
    struct Edit {
        const char *kind; // "add", "modify" or "delete"
        const char *abbreviation;
        int position;
        const char *step;
    };
    const Edit edits[] = {
        {"add", "QC", 0, "Add Trip 1"},       {"add", "ON", 0, "Add Trip 2"},
        {"add", "ME", 0, "Add Trip 3"},       {"add", "QC", 0, "Add Trip 4"},
        {"modify", "ME", 1, "Modify Trip 2"}, {"delete", "", 0, "Delete Trip 1"},
        {"add", "ON", 0, "Add Trip 4"},       {"modify", "QC", 3, "Modify Trip 4"},
        {"delete", "", 2, "Delete Trip 3"},   {"modify", "ON", 0, "Modify Trip 1"},
    };
    std::vector<std::string> states{rig.lines()};
    int32_t distance = 0;
    for (const Edit &e : edits) {
        const std::string kind = e.kind;
        distance += 10;
        if (kind == "delete") {
            rig.prompts.answers = {Answer::Yes};
            ASSERT_TRUE(rig.edit.deleteTrip(e.position)) << e.step;
        } else {
            rig.answerEntry(e.abbreviation, distance);
            ASSERT_TRUE(kind == "add" ? rig.edit.addTrip() >= 0 : rig.edit.modifyTrip(e.position))
                << e.step;
        }
        EXPECT_EQ(rig.doc.undo().undoName(), e.step);
        states.push_back(rig.lines());
    }
    EXPECT_EQ(rig.lines(), "1:ON:100 2:ME:30 3:QC:80");

    for (size_t i = std::size(edits); i-- > 0;) {
        EXPECT_EQ(rig.doc.undo().undoName(), edits[i].step);
        ASSERT_TRUE(rig.edit.undoTrips());
        EXPECT_EQ(rig.lines(), states[i]) << "after undoing " << edits[i].step;
    }
    EXPECT_FALSE(rig.edit.undoTrips());
    for (size_t i = 0; i < std::size(edits); ++i) {
        EXPECT_EQ(rig.doc.undo().redoName(), edits[i].step);
        ASSERT_TRUE(rig.edit.redoTrips());
        EXPECT_EQ(rig.lines(), states[i + 1]) << "after redoing " << edits[i].step;
    }
    EXPECT_FALSE(rig.edit.redoTrips());

    // A new edit after an undo lets go of what could be redone.
    rig.edit.undoTrips();
    rig.answerEntry("ME", 5);
    rig.edit.addTrip();
    EXPECT_FALSE(rig.doc.undo().canRedo());
    EXPECT_EQ(rig.doc.undo().undoName(), "Add Trip 4");
}

TEST(EditSession, SurchargeFollowUpIsItsOwnStep)
{
    EditRig rig;
    rig.answerEntry("KY", 40);
    rig.prompts.answers = {Answer::Yes};
    const int position = rig.edit.addTrip();
    // The follow-up dialog was not answered: only the Kentucky line was added.
    EXPECT_EQ(position, 0);
    EXPECT_EQ(rig.prompts.shown.back(), AddSurchargeQuestion("Kentucky"));

    rig.prompts.entry = [](EntryDialogData &d) {
        if (d.entry.tripNumber == 3)
            d.abbreviation = "KX"; // the surcharge dialog keeps the jurisdiction offered
        else
            d.abbreviation = "KY";
        d.entry.distance = 40; // the surcharge line is offered with its trip's distance
        return true;
    };
    rig.prompts.answers = {Answer::Yes};
    EXPECT_EQ(rig.edit.addTrip(), 2);
    EXPECT_EQ(rig.lines(), "1:KY:40 2:KY:40 3:KX:40");
    EXPECT_TRUE(rig.doc.entries()[2].surcharge);
    EXPECT_EQ(rig.doc.undo().undoName(), "Add Trip 3");
    rig.edit.undoTrips();
    EXPECT_EQ(rig.doc.undo().undoName(), "Add Trip 2");
}

TEST(EditSession, UnknownJurisdictionIsRefusedAndRecordsNothing)
{
    EditRig rig;
    rig.answerEntry("ZZ", 10);
    EXPECT_EQ(rig.edit.addTrip(), -1);
    EXPECT_EQ(rig.prompts.shown.back(), UnknownJurisdictionMessage("ZZ"));
    EXPECT_TRUE(rig.doc.entries().empty());
    EXPECT_FALSE(rig.doc.undo().canUndo());
    EXPECT_FALSE(rig.doc.isModified());
}

TEST(EditSession, RateStepsAreNamedKeptAHundredDeepAndDroppedByALoad)
{
    EditRig rig;
    rig.prompts.taxRate = [](TaxRate &rate, bool newRate) {
        if (newRate) {
            rate.name = "Ohio";
            rate.abbreviation = "OH";
        }
        rate.dieselRate = rate.dieselRate + TenThousandths{1};
        return true;
    };
    EXPECT_EQ(rig.edit.addRate(), 5);
    EXPECT_EQ(rig.doc.rates().undo().undoName(), "Add Rate OH");
    for (int i = 0; i < 120; ++i)
        ASSERT_TRUE(rig.edit.modifyRate(0));
    EXPECT_EQ(rig.doc.taxTable()[0].dieselRate, TenThousandths{2020 + 120});
    EXPECT_EQ(rig.doc.rates().undo().undoName(), "Modify Rate QC");
    EXPECT_EQ(rig.doc.rates().undo().undoCount(), UndoStack<TaxRateTable>::kDepth);
    while (rig.edit.undoRates()) {
    }
    // The oldest steps were let go: the add and the first 20 modifies stay done.
    EXPECT_EQ(rig.doc.taxTable()[0].dieselRate, TenThousandths{2020 + 20});
    EXPECT_EQ(rig.doc.taxTable()[5].abbreviation, "OH");

    EXPECT_FALSE(rig.edit.modifyRate(6)); // no line shown there
    ASSERT_TRUE(CTaxSession::ReadTaxFileInto(fixture("report/rates.itx"), rig.state.taxRates).ok());
    EXPECT_FALSE(rig.doc.rates().undo().canRedo());
}

TEST(EditSession, ChangesAreToldOnceWithWhatChanged)
{
    EditRig rig;
    std::vector<std::string> told;
    const auto name = [](DocChange::What what) {
        switch (what) {
        case DocChange::What::LinesAdded:
            return "added";
        case DocChange::What::LinesChanged:
            return "changed";
        case DocChange::What::LinesRemoved:
            return "removed";
        case DocChange::What::RatesChanged:
            return "rates";
        default:
            return "other";
        }
    };
    uint64_t lastRevision = rig.doc.revision();
    rig.doc.observers().add([&](const DocChange &c) {
        told.push_back(std::string(name(c.what)) + "@" + std::to_string(c.first));
        EXPECT_GT(c.revision, lastRevision);
        lastRevision = c.revision;
    });
    rig.doc.rates().observers().add([&](const DocChange &c) {
        told.push_back(std::string(name(c.what)) + "@" + std::to_string(c.first));
    });
    rig.answerEntry("QC", 10);
    rig.edit.addTrip();
    rig.answerEntry("ON", 10);
    rig.edit.addTrip();
    rig.answerEntry("ME", 10);
    rig.edit.modifyTrip(1);
    rig.prompts.answers = {Answer::Yes};
    rig.edit.deleteTrip(0);
    rig.edit.undoTrips();
    rig.prompts.taxRate = [](TaxRate &, bool) { return true; };
    rig.edit.modifyRate(3);
    EXPECT_EQ(told, (std::vector<std::string>{"added@0", "added@1", "changed@1", "removed@0",
                                              "changed@0", "rates@3"}));
}

} // namespace

// Trips pasted from a spreadsheet follow the record's lines as one undo step, with their
// surcharge lines; copied lines read back as the same lines, the surcharge line that
// follows its trip left to the paste.
TEST(EditSession, PastedTripsFollowTheLinesAsOneStep)
{
    EditRig rig;
    rig.answerEntry("QC", 10);
    ASSERT_EQ(rig.edit.addTrip(), 0);
    EXPECT_EQ(rig.edit.pasteTrips("Date,State,Km,Litres\n2026/04/02,KY,100,20\n"
                                  "04/13/2026,Ontario,50,0\n"),
              3u);
    EXPECT_EQ(rig.lines(), "1:QC:10 2:KY:100 3:KX:100 4:ON:50");
    EXPECT_EQ(rig.doc.undo().undoName(), "Paste Trips 2-4");

    std::string text, error;
    ASSERT_TRUE(CopiedTripsText(rig.doc, {1, 2, 3}, text, error));
    EXPECT_EQ(text, "Date\tUnit\tJurisdiction\tKilometres\tLitres\tOdometer In\tOdometer Out\r\n"
                    "2026/04/02\t\tKY\t100\t20\t0\t0\r\n"
                    "2026/04/13\t\tON\t50\t0\t0\t0\r\n");
    EXPECT_EQ(rig.edit.pasteTrips(text), 3u);
    for (size_t i = 1; i < 4; ++i) {
        TripEntry copy = rig.doc.entries()[i + 3];
        EXPECT_EQ(copy.tripNumber, static_cast<int32_t>(i + 4));
        copy.tripNumber = rig.doc.entries()[i].tripNumber;
        EXPECT_EQ(copy, rig.doc.entries()[i]) << i;
    }
    ASSERT_TRUE(rig.edit.undoTrips());
    ASSERT_TRUE(rig.edit.undoTrips());
    EXPECT_EQ(rig.lines(), "1:QC:10");

    // Dates that read both ways are asked about, naming the paste; Cancel adds nothing.
    rig.prompts.answers = {Answer::Cancel};
    EXPECT_EQ(rig.edit.pasteTrips("Date,State,Km\n04/03/2026,QC,5\n"), 0u);
    ASSERT_FALSE(rig.prompts.shown.empty());
    EXPECT_EQ(rig.prompts.shown.back().rfind("The dates of the pasted rows can be read", 0), 0u);
    EXPECT_EQ(rig.lines(), "1:QC:10");
}
