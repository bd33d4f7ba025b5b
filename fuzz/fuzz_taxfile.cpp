// Tax-rate files (*.itx) as Load Tax Rates reads them, shown as the tax-rate list and
// written back.

#include "fuzzinput.h"

#include "formats/taxfile.h"
#include "records/taxlist.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    TaxRateTable table = fuzzinput::SampleTable();
    const TaxRateTable before = table;
    TaxPeriod period;
    if (!ParseTaxText(text, table, period)) {
        if (table != before)
            fuzzinput::Fail("a refused tax file changed the table");
        return 0;
    }

    const int shown = ShownTaxSlotCount(table);
    for (int slot = 0; slot < shown; ++slot)
        TaxListLine(table[slot]);

    // Once written, a table reads back to the very same file.
    const std::string written = FormatTaxText(table, period);
    TaxRateTable again;
    TaxPeriod againPeriod;
    if (!ParseTaxText(written, again, againPeriod))
        fuzzinput::Fail("a written tax file was refused");
    if (FormatTaxText(again, againPeriod) != written)
        fuzzinput::Fail("a written tax file does not read back the same");
    return 0;
}
