#pragma once

// Documents for the printing tests: a small tax-rate table and report rows set directly,
// so each test knows every number the form must show.

#include "print/printsetup.h"
#include "records/ciftadoc.h"

#include <memory>
#include <string>

struct PrintFixture {
    std::unique_ptr<TaxRateTable> table = std::make_unique<TaxRateTable>();
    std::unique_ptr<CIftaDoc> doc = std::make_unique<CIftaDoc>(table.get());
};

// A table whose slot s is named "State s" with abbreviation "S<s>"; slot 5 is the
// "KY Surcharge" slot, flagged as a surcharge.
inline void FillTable(TaxRateTable &table, int slotCount = 40)
{
    for (int s = 0; s < slotCount; ++s) {
        TaxRate &rate = table[s];
        rate.slot = s;
        rate.name = "State " + std::to_string(s);
        rate.abbreviation = "S" + std::to_string(s);
        rate.dieselRate = 0.1 + s / 100.0;
        rate.gasolineRate = 0.2 + s / 100.0;
    }
    table[5].name = "KY Surcharge";
    table[5].abbreviation = "KYS";
    table[5].surcharge = 1;
}

// A document with `rows` report rows on slots 0, 1, 2 ... (row i: 100 + i units, fuel
// 10 + i, rate 0.1 + i / 100) and totals set as a report would leave them.
inline PrintFixture MakeReportDoc(int rows, const std::string &country, const std::string &province)
{
    PrintFixture f;
    FillTable(*f.table);
    CIftaDoc &doc = *f.doc;
    doc.company.country = country;
    doc.company.provinceState = province;
    doc.company.companyName = "Transport Bor\xe9" "al inc.";
    doc.company.iftaNumber = "1234567890QC";
    doc.company.diesel = 1;
    doc.recordPeriod.year = 2005;
    doc.recordPeriod.quarter = 3;
    for (int i = 0; i < rows; ++i) {
        ReportRow row;
        row.slot = i;
        row.distance = static_cast<uint32_t>(100 + i);
        row.fuelPaid = static_cast<float>(10 + i);
        row.rate = 0.1 + i / 100.0;
        row.surcharge = (*f.table)[i].surcharge;
        doc.reportRows.push_back(row);
    }
    ReportTotals &t = doc.reportTotals;
    t.totalDistance = 2190;
    t.taxableDistance = 2290;
    t.totalFuelPaid = 390.0f;
    t.fleetAverage = 5.62f;
    t.totalTaxableFuel = 407.47f;
    t.totalDifference = 17.47f;
    t.totalTax = -3.21f;
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
