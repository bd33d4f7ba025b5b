#pragma once

#include "records/companyinfo.h"
#include "records/loadedtaxtable.h"
#include "records/taxperiod.h"
#include "records/tripentry.h"
#include "records/undostack.h"
#include "records/units.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct RecordHeader;

// The record document: the trip lines of the open record file, the carrier's company
// data, the record file's period, the odometer state for new lines and the named undo
// steps over the trip lines. It is changed only through the methods below, each of which
// says what it does; every change raises `revision()`, so anything derived from the
// document (the report, a list) can tell that it is stale, and tells the observers once
// what it changed (DocChange), so that a list redraws what it must and the window picks
// the list to show.
//
// The tax-rate table is program-wide and outlives documents; the document points at it.
// A document made without one keeps a table of its own (tests, tollmark-cli).
class CIftaDoc
{
public:
    using Entries = std::vector<TripEntry>;

    explicit CIftaDoc(LoadedTaxTable *rates = nullptr);
    ~CIftaDoc();
    CIftaDoc(const CIftaDoc &) = delete;
    CIftaDoc &operator=(const CIftaDoc &) = delete;

    // The loaded tax-rate table and its period.
    LoadedTaxTable &rates() { return *rates_; }
    const LoadedTaxTable &rates() const { return *rates_; }
    const TaxRateTable &taxTable() const { return rates_->table(); }
    const TaxPeriod &tablePeriod() const { return rates_->period(); }

    const Entries &entries() const { return entries_; }
    const CompanyInfo &company() const { return company_; }
    const TaxPeriod &recordPeriod() const { return recordPeriod_; }
    // The full path of the file the record was last read from or merged from; empty for a
    // new record.
    const std::string &sourcePath() const { return sourcePath_; }
    // Date and odometer reading a new trip line starts from: the date of the last line
    // entered, or of the record's last line when none was entered since it was read.
    const std::string &lastDate() const { return lastDate_; }
    int32_t currentOdometer() const { return currentOdometer_; }
    // Trip number of the last line merged in.
    int32_t mergeCounter() const { return mergeCounter_; }

    bool isDiesel() const { return company_.diesel != 0; }
    // Whether the record is of diesel once `header` is read into it: the header's fuel
    // type, or for the older layout, which has none, the document's own.
    bool isDieselAfter(const RecordHeader &header) const;
    bool usesOdometer() const { return company_.useOdometer != 0; }
    bool isModified() const { return modified_; }
    void setModified(bool modified = true);
    // Raised by every change of the lines, the company data or the periods.
    uint64_t revision() const { return revision_; }
    // Told of every change, once, after it was made.
    ChangeObservers &observers() { return observers_; }

    // --- Whole records. Each drops the undo steps: they belong to the record they were
    // taken from.

    // No lines, no path, not modified; the company data stay. Merging starts from here.
    void clearForMerge();
    // A new record from the company dialog of File New (or a profile): the lines are
    // removed and the company values taken, the period dates as given.
    void startNew(const CompanyInfo &values);
    // The record as a file holds it: header and lines, from `path` (already a full path).
    // The odometer state follows the last line, or the start odometer when there is none.
    void load(const RecordHeader &header, Entries lines, const std::string &path);
    // A file that could not be read as a record: no lines, no path, company data cleared.
    void loadRefused();
    // Appends the lines of a merged file after those already here, numbered on from
    // mergeCounter(), and makes its header the record's (the last file merged decides the
    // company data). `path` becomes the source path.
    void mergeFrom(const RecordHeader &header, Entries lines, const std::string &path);
    // A merged file was refused: its company data are cleared, the lines merged stay.
    void mergeRefused();
    // The record a merge built in a document of its own replaces this one: lines,
    // company data, periods, path, odometer state, merge counter and modified mark. A
    // merge is built apart so that a cancelled or wholly refused one changes nothing.
    void takeMergedRecord(CIftaDoc &merged);
    // The imported lines replace the record's (they are numbered already).
    void replaceEntries(Entries lines);
    // Written to a file: nothing is left unsaved.
    void markSaved();

    // --- Company data and periods.

    // The company dialog's values: texts, start odometer, fuel type and, with
    // `withDates`, the period dates. Lone carriage returns of the notes become CR LF, as
    // the record file keeps them; the odometer is used when ticked or when a start
    // odometer is given.
    void applyCompanyInfo(const CompanyInfo &values, bool withDates);
    // Every field as given, unchanged (a header read from a file, a test's set-up).
    void setCompany(const CompanyInfo &company);
    // All texts empty, odometers 0, both period dates zero; fuel type, country and
    // odometer choice stay as they were (country and province are emptied too).
    void clearCompany();
    // The odometer buttons of the toolbar.
    void setUseOdometer(bool on);
    // The record's period becomes the loaded table's year and quarter.
    void takeTablePeriod();
    void setRecordPeriod(const TaxPeriod &period);

    // The Yes answer of "Save/Update Tax Rates": every trip line takes the rate of its
    // slot in the loaded table by the record's fuel type and the slot's surcharge flag,
    // and the record's period becomes the table's. A line whose slot is outside the table
    // keeps its rate. Marks the document modified; saving is the caller's next step.
    void updateRatesFromTable();
    // The jurisdictions (slots) whose trip lines carry another rate than the loaded
    // table's for the record's fuel type: the report taxes them at their own rates until
    // updateRatesFromTable(). 0 while no table is loaded.
    int jurisdictionsWithOtherRates() const;

    // --- Trip lines.

    // A new line as the entry dialog starts it: numbered after the last line, dated like
    // the last line entered or read (undated in a record without lines), both odometer
    // readings at the current reading (the start
    // odometer for the first line), in `units`.
    TripEntry prepareNewEntry(const EntryUnits &units) const;
    // The units a new line starts in: those of the record's last line (a record carries
    // its units over from trip to trip), or, in a record without lines, the carrier's
    // country's (kilometres and litres for "Canada", miles and US gallons otherwise).
    EntryUnits newEntryUnits() const;
    // Appends a line the user entered (undo step "Add Trip N"): new lines then continue
    // from its date and odometer out (a line without readings, 0 and 0, leaves the
    // odometer where it was).
    void addEntry(const TripEntry &entry);
    // The line that follows `added` in its jurisdiction's surcharge slot, as the entry
    // dialog is offered it ("Add surcharge?"): numbered next, no fuel, no rate. None when
    // the jurisdiction has no surcharge slot in the loaded table.
    std::optional<TripEntry> surchargeFollowUp(const TripEntry &added) const;
    // Appends a surcharge line ("Add Trip N"); the odometer state stays.
    void addSurchargeEntry(const TripEntry &entry);
    // Appends pasted lines, numbered on after the last line, as one undo step ("Paste
    // Trips 24-73"); new lines then continue from the last one's date and odometer.
    void appendEntries(Entries lines);
    // Replaces the line at `index` ("Modify Trip N"); new lines then continue from its
    // date and odometer (as for addEntry).
    void modifyEntry(size_t index, const TripEntry &entry);
    // Removes the line at `index` ("Delete Trip N") and numbers the rest 1, 2, 3 ...
    // again.
    void deleteEntry(size_t index);
    // Position of the line with this trip number, or -1.
    int findTripNumber(int32_t tripNumber) const;

    // Undo and redo of the trip lines, a whole state a step, each step named by the change
    // that made it. True when there was a step; the unsaved mark stays as it is.
    bool undoEntries();
    bool redoEntries();
    const UndoStack<Entries> &undo() const { return undo_; }

private:
    void changed(DocChange::What what, size_t first = 0, size_t count = 0);
    // Records the undo step `name` ("Add Trip %1", translated) for trip `tripNumber`.
    void recordStep(const char *name, int32_t tripNumber);
    void applyHeader(const RecordHeader &header);

    std::unique_ptr<LoadedTaxTable> ownRates_;
    LoadedTaxTable *rates_;
    Entries entries_;
    CompanyInfo company_;
    TaxPeriod recordPeriod_;
    std::string sourcePath_;
    std::string lastDate_;
    int32_t currentOdometer_ = 0;
    int32_t mergeCounter_ = 0;
    bool modified_ = false;
    uint64_t revision_ = 0;
    UndoStack<Entries> undo_;
    ChangeObservers observers_;
};
