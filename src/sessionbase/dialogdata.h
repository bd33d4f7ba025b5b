#pragma once

#include "filing/latereturn.h"
#include "records/companyinfo.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"
#include "records/tripentry.h"
#include "records/units.h"
#include "sessionbase/sessionsettings.h"

#include <cstdint>
#include <string>
#include <vector>

// The plain data the session's dialogs take in and give back. The dialogs themselves
// belong to the window; the session asks for them through SessionPrompts.

// What the company dialog edits and gives back.
struct CompanyDialogData {
    // The carrier's fields. Shown when the dialog opens; on OK every field comes back as
    // typed, the notes with their lines separated by a single "\r", and, when the period
    // dates were asked for, both dates from the pickers.
    CompanyInfo company = DialogDefaults();
    // Whether "Diesel" and "Gas" may be changed (only while the record file has no
    // entries). "Go to profiles" needs both this and `goToProfiles`.
    bool fuelChoice = false;
    bool goToProfiles = true;
    // Whether the "From:" and "To:" pickers show and give back `company.periodFrom` and
    // `company.periodTo`. A date of year 0 shows today's date in its picker (the session
    // gives undated records their quarter's days first, see datePeriodByQuarter).
    bool withPeriodDates = false;

    // A dialog object's own defaults: country "Canada", province "QC", every other text
    // empty, odometer 0, all three check boxes off.
    static CompanyInfo DialogDefaults();

    // The dialog of File New: the previous record's country, province, odometer choice
    // and fuel type, everything else empty (the period dates show today); the fuel type
    // may be chosen and the period dates typed.
    static CompanyDialogData ForNewRecord(const CompanyInfo &previous);
    // The dialog of a new record started from a profile: the profile's texts and fuel
    // type, which may be changed, and the period dates.
    static CompanyDialogData ForProfile(const CompanyInfo &fromProfile);
    // The dialog of Company Info (and of a save that needs company data): every field of
    // the record with its period dates; the fuel type may be changed while the record has
    // no trip lines.
    static CompanyDialogData ForRecord(const CompanyInfo &company, bool hasEntries);

    // Pickers of a company without period dates show the first and last days of
    // `quarter` instead of today's date, so that OK without a look gives the quarter.
    void datePeriodByQuarter(const TaxPeriod &quarter);
};

// One kept version of the open record as "Restore Version" lists it.
struct VersionRow {
    std::string path; // the kept file
    std::string when; // "2026-12-10 14:32:05"
    size_t trips = 0;
    int32_t distance = 0; // the report's totals
    Hundredths fuel;
    Hundredths tax;
    std::string problem; // why it cannot be read; empty when it can
};

// What the "Restore Version" dialog shows (the versions of `file`, newest first) and
// gives back: the row chosen.
struct VersionDialogData {
    std::string file;
    std::vector<VersionRow> rows;
    int chosen = -1;
};

// What the merge dialog gives back on OK: the record files in the order they were
// added, and its "Use file names as unit numbers" box as it stood when OK was pressed
// (it decides for every file, whenever it was added).
struct MergeDialogData {
    std::vector<std::string> paths;
    bool unitsFromNames = false;
};

// What the import dialog takes in (the options last confirmed) and gives back on
// "Import".
struct ImportDialogData {
    std::string filePath; // the CSV file chosen with "Select import file" (never empty)
    uint32_t options = 0; // the ImportOptions bits of the ticked boxes
    // Import by the file's heading instead of the options' fixed columns, with the
    // columns as the dialog showed them (a mapping text, ApplyMappingText; empty: the
    // detected ones).
    bool byHeading = false;
    std::string mapping;
};

// The remembered paths the Preferences dialog edits.
struct PreferencesData {
    std::string taxFile;           // default tax file
    std::string profilesFile;      // default user profiles file
    std::string interestRatesFile; // interest-rate table; empty: the one shipped
    bool wholeUnits = false;       // the report rounds fuel to whole gallons or litres
    int recoveryMinutes = kDefaultRecoveryMinutes; // between recovery copies; 0: none are written
    int backupsKept = 10; // earlier versions kept of each saved file, 0 to 100
    std::string language; // "" (the system's), "en" or "fr"; used from the next start
};

// What the Filing Date dialog edits: the day the return is (to be) filed, its due date
// (the computed one unless the user changes it) and the penalty (the rule's unless set
// by hand).
struct FilingDialogData {
    FilingChoices choices;
    CivilDate computedDue; // the quarter's due date, moved off the weekend
    // A month of interest on the return filed on `choices.filed` that the interest-rate
    // table has no factor for, and the period a factor typed here is kept for; an empty
    // `missing` hides the factor's field. Out on OK: `factorSet` and the factor typed.
    std::string missing; // "No interest factor for US 2027-01"
    InterestPeriod missingPeriod;
    bool factorSet = false;
};

// What the trip entry dialog edits.
struct EntryDialogData {
    // The working entry. In: the prepared or the existing line. Out on OK: date,
    // distance, fuel, both odometer readings, the unit number (`reservedText`) and the
    // unit flags; the caller completes slot, rate and surcharge from the table by the
    // jurisdiction text in `abbreviation`.
    TripEntry entry;
    std::string abbreviation;            // out on OK
    bool add = true;                     // "Add Item %d", else "Modify Item %d"
    int32_t useOdometer = 0;             // in: the record's mode; out: the box's state at closing
    const TaxRateTable *table = nullptr; // the table loaded now; null counts as none
    EntryUnits units;                    // out, on OK and on Cancel: the units of the unit buttons
    // The record's quarter (year, quarter), when the record has one: a new date outside
    // it is questioned on OK. 0 for none.
    int quarterYear = 0;
    int quarter = 0;
};
