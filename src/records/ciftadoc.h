#pragma once

#include "profiles/profilerecord.h"
#include "records/companyinfo.h"
#include "records/taxperiod.h"
#include "records/taxratetable.h"
#include "records/tripentry.h"
#include "report/reportrow.h"

#include <string>
#include <vector>

// The record document: the trip lines of the open record file, the carrier's company
// data, the record file's period and the loaded table's period, the odometer state for
// new lines and the undo/redo snapshots. This is the window-free core of the document;
// the application drives its flows (new, open, save, company dialog) around it.
//
// The tax-rate table is program-wide and outlives documents; the document only points
// at it.
class CIftaDoc
{
public:
    explicit CIftaDoc(TaxRateTable *table = nullptr);

    TaxRateTable &taxTable() { return *taxTable_; }
    const TaxRateTable &taxTable() const { return *taxTable_; }
    void setTaxTable(TaxRateTable *table) { taxTable_ = table; }

    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

    // Fuel type shortcuts over `company`.
    bool isDiesel() const { return company.diesel != 0; }

    // Entry-list operations of the view.
    void appendEntry(const TripEntry &entry);
    void replaceEntry(size_t index, const TripEntry &entry);
    void removeAllEntries();

    // All texts empty, odometers 0, both period dates zero.
    void ClearCompany();

    // The Yes answer of "Save/Update Tax Rates": every trip line takes the rate of its
    // slot in the loaded table by the record's fuel type and the slot's surcharge flag,
    // and the record's period becomes the table's year and quarter. A line whose slot is
    // outside the table keeps its rate. Marks the document modified; saving is the
    // caller's next step.
    void UpdateRatesFromTable();

    // Members, in the order the document has always declared them.
    ReportTotals reportTotals;
    std::vector<ReportRow> reportRows;
    std::vector<TripEntry> entries;
    std::vector<TripEntry> undoLines;
    std::vector<TripEntry> redoLines;
    bool newDocumentPending = false;
    bool busy = false;
    ProfileRecord chosenProfile;
    TaxPeriod tablePeriod;
    bool initialised = false;
    int32_t mergeCounter = 0;
    bool forceCompanyDialog = false;
    std::string sourcePath;
    TaxPeriod recordPeriod;
    std::string lastDate;
    int32_t currentOdometer = 0;
    CompanyInfo company;

private:
    TaxRateTable *taxTable_;
    bool modified_ = false;
};

// The one table of the program, from load to exit.
TaxRateTable &TheTaxRateTable();
