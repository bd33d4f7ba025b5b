// Record files (*.irc) of either header layout, as File Open reads them, then shown as
// the entry list and the report, and written back.

#include "fuzzinput.h"

#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "records/entrylist.h"
#include "report/report.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LoadedTaxTable rates;
    rates.table() = fuzzinput::SampleTable();
    const TaxRateTable &table = rates.table();
    CIftaDoc doc(&rates);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    uint32_t layout = 0;
    const Result read = ReadRecordBytes(doc, bytes, "fuzz.irc", &layout);
    if (!read) {
        if (!doc.entries().empty())
            fuzzinput::Fail("a refused record file kept trip lines");
        return 0;
    }

    // What the window shows once the file is open.
    for (const TripEntry &entry : doc.entries())
        EntryListLine(entry, table, doc.company().country);
    ListReport(doc);

    // Saving and opening again must give the same file: nothing read can be stored in a
    // way that reads back differently.
    const std::string written = BuildRecordBytes(doc);
    CIftaDoc again(&rates);
    if (!ReadRecordBytes(again, written, "fuzz.irc"))
        fuzzinput::Fail("a written record file was refused");
    if (again.entries().size() != doc.entries().size())
        fuzzinput::Fail("a written record file reads back with another number of lines");
    if (BuildRecordBytes(again) != written)
        fuzzinput::Fail("a written record file does not read back the same");
    return 0;
}
