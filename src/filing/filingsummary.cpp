#include "filing/filingsummary.h"

#include "formats/csvfield.h"
#include "numbers/decimaltext.h"
#include "records/units.h"

namespace {

const char *Heading(bool metric)
{
    return metric ? "Jurisdiction,Surcharge,Fuel Type,Total Kilometers,Taxable Kilometers,"
                    "KPL,Taxable Litres,Tax Paid Litres,Net Taxable Litres,Rate,Tax,"
                    "Interest,Total"
                  : "Jurisdiction,Surcharge,Fuel Type,Total Miles,Taxable Miles,MPG,"
                    "Taxable Gal,Tax Paid Gal,Net Taxable Gal,Rate,Tax,Interest,Total";
}

// A surcharge slot is named after its state ("KY Surcharge", abbreviation "KYS"); the
// portal wants the state's own abbreviation, the name's first two letters.
std::string StateAbbreviation(const TaxRate &rate, bool surcharge)
{
    if (surcharge && rate.name.size() >= 2)
        return rate.name.substr(0, 2);
    return rate.abbreviation;
}

std::string SummaryLine(const CIftaDoc &doc, const Report &report, const ReportRow &row,
                        const LateReturnRow &late)
{
    static const TaxRate kUnknown;
    const TaxRate &rate = TaxRateTable::isValidSlot(row.slot) ? doc.taxTable()[row.slot] : kUnknown;
    const Hundredths average = report.totals.fleetAverage;
    const ReportRowFigures figures = ComputeRowFigures(row, average, report.rounding);
    const std::string distance = std::to_string(row.distance);
    const std::string fields[] = {
        StateAbbreviation(rate, row.surcharge != 0),
        row.surcharge ? "Surcharge" : "",
        doc.isDiesel() ? "Diesel" : "Gasoline",
        row.surcharge ? "0" : distance,
        distance,
        average == kInvalidFleetAverage ? "INVALID" : FormatFixed(average),
        FormatFixed(figures.taxableFuel),
        FormatFixed(row.fuelPaid),
        FormatFixed(figures.difference),
        FormatFixed(row.rate),
        FormatFixed(late.tax),
        FormatFixed(late.interest),
        FormatFixed(late.total),
    };
    std::string line;
    for (const std::string &field : fields) {
        if (!line.empty() || &field != &fields[0])
            line += ',';
        line += CsvField(field);
    }
    return line;
}

} // namespace

std::string FormatFilingSummary(const CIftaDoc &doc, const Report &report, const LateReturn &late)
{
    std::string text = Heading(IsCanada(doc.company().country));
    text += "\r\n";
    for (size_t i = 0; i < report.rows.size() && i < late.rows.size(); ++i)
        text += SummaryLine(doc, report, report.rows[i], late.rows[i]) + "\r\n";
    return text;
}
