#pragma once

// Documents for the printing tests: a small tax-rate table and a report set directly, so
// each test knows every number the form must show.

#include "print/printsetup.h"
#include "records/ciftadoc.h"
#include "report/report.h"
#include "session/printout.h"

#include <memory>
#include <string>

// A document with a table of its own, and a report set up for it directly (not computed
// from its trip lines) that the forms are printed from.
struct PrintFixture {
    std::unique_ptr<CIftaDoc> doc = std::make_unique<CIftaDoc>();
    const TaxRateTable &table() const { return doc->taxTable(); }
    // The document's table becomes FillTable's of `slotCount` slots.
    void fillTable(int slotCount = 40);
    Report report;

    // The document printed in `mode`, the return form showing the fixture's report (and,
    // with `late`, that return filed late).
    Printout printout(ViewMode mode, const LateReturn *late = nullptr) const
    {
        Printout p;
        p.doc = doc.get();
        p.mode = mode;
        p.report = report;
        p.hasLateReturn = late != nullptr;
        if (late)
            p.late = *late;
        return p;
    }
};

// Changes the document's company data with `edit`.
template <typename Edit>
void EditCompany(CIftaDoc &doc, Edit edit)
{
    CompanyInfo company = doc.company();
    edit(company);
    doc.setCompany(company);
}

// A table whose slot s is named "State s" with abbreviation "S<s>"; slot 5 is the
// "KY Surcharge" slot, flagged as a surcharge.
inline void FillTable(TaxRateTable &table, int slotCount = 40)
{
    for (int s = 0; s < slotCount; ++s) {
        TaxRate &rate = table[s];
        rate.slot = s;
        rate.name = "State " + std::to_string(s);
        rate.abbreviation = "S" + std::to_string(s);
        rate.dieselRate = TenThousandths{1000 + 100 * s};
        rate.gasolineRate = TenThousandths{2000 + 100 * s};
    }
    table[5].name = "KY Surcharge";
    table[5].abbreviation = "KYS";
    table[5].surcharge = 1;
}

inline void PrintFixture::fillTable(int slotCount)
{
    TaxRateTable filled;
    FillTable(filled, slotCount);
    doc->rates().replaceFromFile(filled);
}

// A document and a report of `rows` rows on slots 0, 1, 2 ... (row i: 100 + i units,
// fuel 10 + i, rate 0.1 + i / 100) with totals set as a report computation would leave
// them. The document has one trip line per row with the row's figures, in the report's
// own units, so that a printout prepared from the document has the same rows (its totals
// are computed, so they differ from the fixture's).
inline PrintFixture MakeReportDoc(int rows, const std::string &country, const std::string &province)
{
    PrintFixture f;
    f.fillTable();
    CIftaDoc &doc = *f.doc;
    EditCompany(doc, [&](CompanyInfo &company) {
        company.country = country;
        company.provinceState = province;
        company.companyName = "Transport Bor\xe9"
                              "al inc.";
        company.iftaNumber = "1234567890QC";
        company.diesel = 1;
    });
    TaxPeriod period = doc.recordPeriod();
    period.year = 2005;
    period.quarter = 3;
    doc.setRecordPeriod(period);
    const int32_t inImperial = IsCanada(country) ? 0 : 1;
    CIftaDoc::Entries entries;
    for (int i = 0; i < rows; ++i) {
        TripEntry entry;
        entry.tripNumber = i + 1;
        entry.date = "2005/07/01";
        entry.slot = i;
        entry.rate = TenThousandths{1000 + 100 * i};
        entry.distance = static_cast<uint32_t>(100 + i);
        entry.fuel = Hundredths{100 * (10 + i)};
        entry.distanceInMiles = inImperial;
        entry.fuelInGallons = inImperial;
        entry.surcharge = f.table()[i].surcharge;
        entries.push_back(entry);

        ReportRow row;
        row.slot = i;
        row.distance = static_cast<uint32_t>(100 + i);
        row.fuelPaid = Hundredths{100 * (10 + i)};
        row.rate = TenThousandths{1000 + 100 * i};
        row.surcharge = f.table()[i].surcharge;
        f.report.rows.push_back(row);
    }
    doc.replaceEntries(entries);
    ReportTotals &t = f.report.totals;
    t.totalDistance = 2190;
    t.taxableDistance = 2290;
    t.totalFuelPaid = Hundredths{39000};
    t.fleetAverage = Hundredths{562};
    t.totalTaxableFuel = Hundredths{40747};
    t.totalDifference = Hundredths{1747};
    t.totalTax = Hundredths{-321};
    return f;
}

// A fresh print state with the page's form row slots, as the begin step leaves it.
inline PrintState FormState(int linesPerPage, int landscape = 1)
{
    PrintState state;
    state.linesPerPage = linesPerPage;
    state.setup.landscape = landscape;
    state.referenceFont.height = 40;
    return state;
}
