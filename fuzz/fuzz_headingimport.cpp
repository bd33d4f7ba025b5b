// Imports by heading: the first byte chooses the date order (0-2), the carrier's country
// (bit 2: Canadian), the units of columns whose names give none (bits 3 and 4) and
// whether a mapping text follows (bit 5: up to the first line feed); the rest is the file.

#include "fuzzinput.h"

#include "formats/recordfile.h"
#include "imports/csvimport.h"
#include "imports/headingimport.h"
#include "platform/textencoding.h"
#include "records/ciftadoc.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const unsigned choice = data[0];
    std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
    HeadingImportSettings settings;
    settings.dateOrder = static_cast<DateOrder>((choice & 3) % 3);
    settings.canadianCarrier = (choice & 4) != 0;
    settings.units = EntryUnits{(choice & 8) ? 1 : 0, (choice & 16) ? 1 : 0};
    if (choice & 32) {
        const size_t end = rest.find('\n');
        settings.mapping = std::string(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }

    const std::string text = TextFileToCp1252(std::string(rest));
    HeadingImport import;
    const Result read = ImportByHeading(text, fuzzinput::SampleTable(), true, settings, import);
    if (!read && !import.lines.empty())
        fuzzinput::Fail("a failed import read lines");
    for (size_t i = 0; i < import.lines.size(); ++i) {
        const TripEntry &line = import.lines[i];
        if (!TaxRateTable::isValidSlot(line.slot) || fuzzinput::SampleTable()[line.slot].surcharge)
            fuzzinput::Fail("an imported line names no jurisdiction of the table");
        if (line.tripNumber != static_cast<int32_t>(i + 1))
            fuzzinput::Fail("imported lines are not numbered from 1");
        if (line.reservedText.view().find_first_of(",\r\n") != std::string_view::npos)
            fuzzinput::Fail("a unit number would split the stored line");
        if (!line.date.empty() && line.date.size() != 10)
            fuzzinput::Fail("a date is not in the record's form");
    }
    for (const RefusedLine &refused : import.refused) {
        if (refused.line < 2 || refused.reason.empty())
            fuzzinput::Fail("a refused line has no number or reason");
    }
    RefusedLinesText(import.refused);
    LeftOutText(import);

    // The import's next steps: surcharge lines, then the record file is written.
    InsertSurchargeLines(import.lines, fuzzinput::SampleTable(), true);
    LoadedTaxTable rates;
    rates.table() = fuzzinput::SampleTable();
    CIftaDoc doc(&rates);
    doc.replaceEntries(std::move(import.lines));
    BuildRecordBytes(doc);
    return 0;
}
