// The rules that keep a trip line or a record from being wrong without a word: the
// odometer rule (a typed distance never becomes 0, readings carried from the last line
// are not stored beside a distance typed without them), the units of a new record's
// first trip, Modify keeping a line's rate, and File New and Company Info telling a
// table of the other country's units. Each through the session, with the dialogs
// answered from a script as tollmark-cli answers them.

#include "sessiontest.h"

#include "check/tablecountry.h"
#include "records/entryresolver.h"
#include "session/ceditsession.h"
#include "sessionbase/odometerrule.h"

#include <algorithm>
#include <fstream>

using namespace sessiontest;
using Answer = SessionPrompts::Answer;
using CompanyResult = SessionPrompts::CompanyResult;

namespace {

// A record of a Canadian carrier over the report's table (QC, ON, KY with its surcharge
// KX, ME), the odometer in use from 1000.
struct TripRig : SessionRig {
    TripRig()
    {
        EXPECT_TRUE(CTaxSession::ReadTaxFileInto(fixture("report/rates.itx"), state.taxRates).ok());
        CompanyInfo company;
        company.country = "Canada";
        company.startOdometer = 1000;
        company.useOdometer = 1;
        doc.setCompany(company);
    }

    // The entry dialog answering once as a user would: `change` edits what the dialog
    // shows; the unit buttons stay as the line opened; the box's state is `odometer`.
    void answerEntry(const std::string &abbreviation, int odometer,
                     std::function<void(TripEntry &)> change)
    {
        prompts.entry = [this, abbreviation, odometer, change](EntryDialogData &d) {
            opened = d.entry;
            change(d.entry);
            d.abbreviation = abbreviation;
            d.useOdometer = odometer;
            d.units = EntryUnits{d.entry.distanceInMiles, d.entry.fuelInGallons};
            prompts.entry = nullptr;
            return true;
        };
    }
    const TripEntry &line(size_t i) const { return doc.entries().at(i); }

    CEditSession edit{doc, state, prompts};
    TripEntry opened; // the line as the last dialog showed it
};

std::string Readings(const TripEntry &e)
{
    return std::to_string(e.odometerIn) + "-" + std::to_string(e.odometerOut) + ":" +
           std::to_string(e.distance);
}

} // namespace

// Trap: with "Use odometer" on, a new trip's readings are both the last odometer out; the
// distance typed (300) stayed beside them and a dialog worked it out as 0.
TEST(OdometerRule, DistanceTypedOverCarriedReadingsMovesOdometerOut)
{
    TripRig rig;
    rig.answerEntry("QC", 1, [](TripEntry &e) { e.distance = 300; });
    ASSERT_EQ(rig.edit.addTrip(), 0);
    EXPECT_EQ(Readings(rig.opened), "1000-1000:0");
    EXPECT_EQ(Readings(rig.line(0)), "1000-1300:300");

    // The next trip goes on from there.
    rig.answerEntry("ON", 1, [](TripEntry &e) { e.distance = 50; });
    ASSERT_EQ(rig.edit.addTrip(), 1);
    EXPECT_EQ(Readings(rig.line(1)), "1300-1350:50");

    // A reading typed alone gives the distance.
    rig.answerEntry("ON", 1, [](TripEntry &e) { e.odometerOut = 1400; });
    ASSERT_EQ(rig.edit.addTrip(), 2);
    EXPECT_EQ(Readings(rig.line(2)), "1350-1400:50");
    EXPECT_TRUE(rig.prompts.shown.empty()); // nothing to ask
}

// A line typed with the odometer off stores no readings (an auditor reads them as the
// trip's); the odometer keeps its place for the next line typed with it on.
TEST(OdometerRule, LineTypedWithTheOdometerOffStoresNoReadings)
{
    TripRig rig;
    rig.answerEntry("QC", 1, [](TripEntry &e) { e.distance = 300; });
    ASSERT_EQ(rig.edit.addTrip(), 0);
    rig.answerEntry("ON", 0, [](TripEntry &e) { e.distance = 80; });
    ASSERT_EQ(rig.edit.addTrip(), 1);
    EXPECT_EQ(Readings(rig.opened), "1300-1300:0");
    EXPECT_EQ(Readings(rig.line(1)), "0-0:80");
    EXPECT_FALSE(rig.doc.usesOdometer());

    rig.answerEntry("QC", 1, [](TripEntry &e) { e.distance = 20; });
    ASSERT_EQ(rig.edit.addTrip(), 2);
    EXPECT_EQ(Readings(rig.opened), "1300-1300:0");
    EXPECT_EQ(Readings(rig.line(2)), "1300-1320:20");
}

// Modify changes nothing the user did not touch: a line kept without readings keeps its
// distance when only its date is corrected, in a record that uses the odometer.
TEST(OdometerRule, ModifyOfTheDateAloneKeepsDistanceAndReadings)
{
    TripRig rig;
    rig.answerEntry("QC", 0, [](TripEntry &e) { e.distance = 300; });
    ASSERT_EQ(rig.edit.addTrip(), 0);
    rig.doc.setUseOdometer(true);
    rig.answerEntry("QC", 1, [](TripEntry &e) { e.date = "2026/04/09"; });
    ASSERT_TRUE(rig.edit.modifyTrip(0));
    EXPECT_EQ(Readings(rig.line(0)), "0-0:300");
    EXPECT_EQ(rig.line(0).date, "2026/04/09");
    // Its distance changed alone: still without readings.
    rig.answerEntry("QC", 1, [](TripEntry &e) { e.distance = 310; });
    ASSERT_TRUE(rig.edit.modifyTrip(0));
    EXPECT_EQ(Readings(rig.line(0)), "0-0:310");
    EXPECT_TRUE(rig.prompts.shown.empty());
}

// A distance changed against readings that give another asks which to keep; Cancel
// changes nothing and records no step.
TEST(OdometerRule, DistanceAndReadingsThatDisagreeAskWhichToKeep)
{
    TripRig rig;
    rig.answerEntry("QC", 1, [](TripEntry &e) { e.distance = 300; });
    ASSERT_EQ(rig.edit.addTrip(), 0);

    rig.answerEntry("QC", 1, [](TripEntry &e) { e.distance = 350; });
    rig.prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(rig.edit.modifyTrip(0));
    TripEntry asked = rig.line(0);
    asked.distance = 350;
    EXPECT_EQ(rig.prompts.shown.back(), OdometerQuestion(asked));
    EXPECT_EQ(rig.prompts.shown.back(),
              "The distance 350 and the odometer readings 1000 to 1300 (300) disagree.\n\n"
              "Yes: keep the distance 350; odometer out becomes 1350.\n"
              "No: keep the readings; the distance becomes 300.");
    EXPECT_EQ(Readings(rig.line(0)), "1000-1300:300");
    EXPECT_EQ(rig.doc.undo().undoCount(), 1u);

    rig.answerEntry("QC", 1, [](TripEntry &e) { e.distance = 350; });
    rig.prompts.answers = {Answer::Yes};
    ASSERT_TRUE(rig.edit.modifyTrip(0));
    EXPECT_EQ(Readings(rig.line(0)), "1000-1350:350");

    rig.answerEntry("QC", 1, [](TripEntry &e) {
        e.distance = 500;
        e.odometerOut = 1400;
    });
    rig.prompts.answers = {Answer::No};
    ASSERT_TRUE(rig.edit.modifyTrip(0));
    EXPECT_EQ(Readings(rig.line(0)), "1000-1400:400");
}

// The rule itself, on its edge: a reading typed backwards beside a distance typed is a
// question, not a distance of 0; a distance past the largest reading is refused on Yes.
TEST(OdometerRule, EdgesOfTheRule)
{
    TripEntry before;
    before.odometerIn = 5000;
    before.odometerOut = 5000;
    TripEntry typed = before;
    typed.distance = 40;
    typed.odometerOut = 4000;
    EXPECT_EQ(SettleOdometer(before, typed, true, true), OdometerOutcome::Disagree);
    EXPECT_EQ(typed.distance, 40u);

    typed = before;
    typed.distance = 0;
    EXPECT_EQ(SettleOdometer(before, typed, true, true), OdometerOutcome::Agree);

    typed = before;
    typed.odometerIn = 2147483000;
    typed.odometerOut = 2147483000;
    TripEntry far = typed;
    typed.distance = 1000;
    EXPECT_EQ(SettleOdometer(far, typed, true, true), OdometerOutcome::Disagree);
    EXPECT_FALSE(KeepDistance(typed));
    EXPECT_EQ(typed.odometerOut, 2147483000);
}

// Trap: after File New for a US carrier the first trip opened in kilometres and litres.
// A new record's first trip starts in its own units; later trips carry the last one's.
TEST(NewTripUnits, FirstTripOfARecordInItsOwnUnitsThenCarriedOver)
{
    TripRig rig;
    CompanyInfo us = rig.doc.company();
    us.country = "US";
    rig.doc.startNew(us);
    rig.answerEntry("QC", 1, [](TripEntry &e) { e.distance = 500; });
    ASSERT_EQ(rig.edit.addTrip(), 0);
    EXPECT_EQ(rig.opened.distanceInMiles, 1);
    EXPECT_EQ(rig.opened.fuelInGallons, 1);
    EXPECT_EQ(rig.line(0).distanceInMiles, 1);

    // The user switches this trip to km and litres: the next one starts from those.
    rig.prompts.entry = [&rig](EntryDialogData &d) {
        d.abbreviation = "ON";
        d.entry.distance = 10;
        d.units = EntryUnits{0, 0};
        rig.prompts.entry = nullptr;
        return true;
    };
    ASSERT_EQ(rig.edit.addTrip(), 1);
    rig.answerEntry("ON", 1, [](TripEntry &e) { e.distance = 20; });
    ASSERT_EQ(rig.edit.addTrip(), 2);
    EXPECT_EQ(rig.opened.distanceInMiles, 0);
    EXPECT_EQ(rig.opened.fuelInGallons, 0);

    // A new Canadian record starts in kilometres and litres whatever came before; a new
    // US record in miles and gallons.
    for (const char *country : {"Canada", "US", "Mexico"}) {
        CompanyInfo company = rig.doc.company();
        company.country = country;
        rig.doc.startNew(company);
        rig.answerEntry("QC", 1, [](TripEntry &e) { e.distance = 1; });
        ASSERT_EQ(rig.edit.addTrip(), 0);
        const int imperial = std::string(country) == "Canada" ? 0 : 1;
        EXPECT_EQ(rig.opened.distanceInMiles, imperial) << country;
        EXPECT_EQ(rig.opened.fuelInGallons, imperial) << country;
    }
}

// Trap: a rate edited, applied to the lines with Save/Update Tax Rates and not saved in
// the table; modifying one line's date gave it the table's older rate.
TEST(ModifyKeepsTheRate, UnlessTheJurisdictionChanged)
{
    TripRig rig;
    rig.answerEntry("QC", 0, [](TripEntry &e) { e.distance = 100; });
    ASSERT_EQ(rig.edit.addTrip(), 0);
    ASSERT_EQ(rig.line(0).rate, SlotRate(rig.doc.taxTable()[0], rig.doc.isDiesel()));

    // The line carries a rate the table does not have (an edit applied, then undone).
    TripEntry carried = rig.line(0);
    carried.rate = TenThousandths{2222};
    rig.doc.modifyEntry(0, carried);

    rig.answerEntry("QC", 0, [](TripEntry &e) { e.date = "2026/05/01"; });
    ASSERT_TRUE(rig.edit.modifyTrip(0));
    EXPECT_EQ(rig.line(0).rate, TenThousandths{2222});
    EXPECT_EQ(rig.line(0).date, "2026/05/01");

    // Another jurisdiction takes its rate from the table.
    rig.answerEntry("ON", 0, [](TripEntry &) {});
    ASSERT_TRUE(rig.edit.modifyTrip(0));
    EXPECT_EQ(rig.line(0).rate, SlotRate(rig.doc.taxTable()[1], rig.doc.isDiesel()));
}

namespace {

// A copy of the report's table said to be the US chart's.
std::string WriteUsTable(const TempDir &folder)
{
    std::ifstream in(fixture("report/rates.itx"), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t country = text.find("Canada");
    text.replace(country, 6, "US");
    const std::string path = folder.file("us.itx");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

} // namespace

// Trap: File New with country US while the Canadian table is loaded computed the US
// carrier with dollars per litre, without a word.
TEST(TableCountry, FileNewOfTheOtherUnitsSaysSoAndOffersLoadTaxRates)
{
    TripRig rig;
    rig.prompts.company = [](CompanyDialogData &data, CProfileStore *) {
        data.company.country = "US";
        data.company.provinceState = "SD";
        return CompanyResult::Ok;
    };
    rig.prompts.answers = {Answer::No};
    ASSERT_TRUE(rig.session.newRecord());
    const std::string question = TableCountryQuestion(TableCountryText("US", rig.doc.rates()));
    EXPECT_EQ(rig.prompts.shown.back(), question);
    EXPECT_EQ(question, "The loaded tax-rate table is for Canada (rates per litre); the "
                        "carrier's country \"US\" reports in miles and US gallons. Its rates "
                        "would tax every trip in the wrong unit.\n\nLoad Tax Rates now?");
    EXPECT_TRUE(TableCountryDiffers("US", rig.doc.rates()));

    // Yes opens Load Tax Rates; the new record takes the loaded table's quarter.
    rig.prompts.company = [](CompanyDialogData &data, CProfileStore *) {
        data.company.country = "US";
        return CompanyResult::Ok;
    };
    rig.prompts.answers = {Answer::No, Answer::Yes}; // do not save the new record; load
    rig.prompts.files = {WriteUsTable(rig.folder)};
    rig.doc.setRecordPeriod(TaxPeriod{2005, 1, "US"});
    ASSERT_TRUE(rig.session.newRecord());
    EXPECT_EQ(rig.doc.tablePeriod().country, "US");
    EXPECT_FALSE(TableCountryDiffers("US", rig.doc.rates()));
    EXPECT_EQ(rig.doc.recordPeriod().year, 2026);

    // A record whose units fit the table is asked nothing.
    const auto timesAsked = [&rig, &question] {
        return std::count(rig.prompts.shown.begin(), rig.prompts.shown.end(), question);
    };
    EXPECT_EQ(timesAsked(), 2);
    rig.prompts.answers = {Answer::No};
    ASSERT_TRUE(rig.session.newRecord());
    EXPECT_EQ(timesAsked(), 2);
}

TEST(TableCountry, CompanyInfoAsksWhenTheCountryChangesTheUnitsAwayFromTheTable)
{
    TripRig rig;
    std::string country = "US";
    rig.prompts.company = [&country](CompanyDialogData &data, CProfileStore *) {
        data.company.country = country;
        return CompanyResult::Ok;
    };
    rig.session.companyInfo();
    ASSERT_EQ(rig.prompts.shown.size(), 1u);
    EXPECT_EQ(rig.prompts.shown.back(),
              TableCountryQuestion(TableCountryText("US", rig.doc.rates())));
    EXPECT_EQ(rig.doc.company().country, "US"); // No keeps the country as typed

    // Another country of the same units, or back to the table's, asks nothing.
    country = "Mexico";
    rig.session.companyInfo();
    country = "Canada";
    rig.session.companyInfo();
    EXPECT_EQ(rig.prompts.shown.size(), 1u);
}
