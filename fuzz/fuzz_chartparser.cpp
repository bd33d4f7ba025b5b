// Rate charts as the download reads them: the first byte chooses the country whose units
// the chart is in (Canada when it is even), the rest is the server's answer.

#include "fuzzinput.h"

#include "formats/chartparser.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const std::string country = (data[0] & 1) ? "US" : "Canada";
    const std::string text(reinterpret_cast<const char *>(data + 1), size - 1);

    TaxRateTable table = fuzzinput::SampleTable();
    const TaxRateTable before = table;
    const TaxPeriod unread{1999, 9, "none"};
    TaxPeriod period = unread;
    ChartParseReport report;
    const int result = ParseChart(text, country, table, period, &report);
    if (result == kNotAChart) {
        // What is not a chart changes nothing.
        if (!(table == before) || !(period == unread) || !report.filledSlots.empty())
            fuzzinput::Fail("a text that is not a chart changed the table or its period");
        return 0;
    }
    if (result != 0 && result != -1)
        fuzzinput::Fail("ParseChart gave neither 0, -1 nor kNotAChart");
    if (period.country != country)
        fuzzinput::Fail("the table's country is not the chosen one");
    if (report.filledSlots.empty() || period.quarter < 1 || period.quarter > 4)
        fuzzinput::Fail("a chart was read without a quarter or a filled slot");

    // Only the slots the chart filled may change, and only in their rates.
    std::vector<bool> filled(TaxRateTable::kSlotCount, false);
    for (int slot : report.filledSlots) {
        if (!TaxRateTable::isValidSlot(slot))
            fuzzinput::Fail("a filled slot is outside the table");
        filled[static_cast<size_t>(slot)] = true;
    }
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const TaxRate &now = table[slot];
        const TaxRate &was = before[slot];
        if (now.abbreviation != was.abbreviation || now.surcharge != was.surcharge ||
            now.slot != was.slot)
            fuzzinput::Fail("the chart changed a slot's jurisdiction");
        if (!filled[static_cast<size_t>(slot)] && !(now == was))
            fuzzinput::Fail("the chart changed a slot it did not fill");
    }
    FindRateRow(text.substr(0, 64), table);
    return 0;
}
