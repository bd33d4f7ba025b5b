// CSV imports with every options value: the first two bytes of the input choose the
// options (their low nine bits) and the fuel type of the new record file (bit 9); the
// rest is the file.

#include "fuzzinput.h"

#include "formats/recordfile.h"
#include "imports/csvimport.h"
#include "records/ciftadoc.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static fuzzinput::ScratchFile scratch(".csv");
    if (size < 2)
        return 0;
    const unsigned choice = data[0] | (data[1] << 8);
    const ImportOptions options = choice & 511;

    LoadedTaxTable rates;
    rates.table() = fuzzinput::SampleTable();
    CIftaDoc doc(&rates);
    CompanyInfo company = doc.company();
    company.diesel = (choice & 512) ? 0 : 1;
    company.gasoline = 1 - company.diesel;
    doc.setCompany(company);
    const Result imported = ImportCsv(doc, scratch.write(data + 2, size - 2), options);

    for (const TripEntry &entry : doc.entries()) {
        if (!TaxRateTable::isValidSlot(entry.slot))
            fuzzinput::Fail("an imported line names no slot");
    }
    if (imported) {
        for (size_t i = 0; i < doc.entries().size(); ++i) {
            if (doc.entries()[i].tripNumber != static_cast<int32_t>(i + 1))
                fuzzinput::Fail("imported lines are not numbered from 1");
        }
    }
    // The import's next step is saving the new record file.
    BuildRecordBytes(doc);
    return 0;
}
