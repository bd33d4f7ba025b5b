#include "imports/csvimport.h"

#include "imports/csvlines.h"
#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "platform/platformfile.h"
#include "platform/safefile.h"
#include "platform/textencoding.h"
#include "records/entryresolver.h"
#include "records/units.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// The separator of the whole file, from its first data line: the tab when a non-empty
// text stands before the line's first tab, else the comma when one stands before its
// first comma; 0 when neither. A line without the character has no text "before" it.
char DetectSeparator(std::string_view line)
{
    for (const char separator : {'\t', ','}) {
        const size_t position = line.find(separator);
        if (position != std::string_view::npos && position > 0)
            return separator;
    }
    return 0;
}

// The text before the next separator, which is removed together with it. Without a
// following separator the field is empty and nothing is removed.
std::string_view TakeField(std::string_view &rest, char separator)
{
    const size_t position = rest.find(separator);
    if (position == std::string_view::npos)
        return {};
    const std::string_view field = rest.substr(0, position);
    rest.remove_prefix(position + 1);
    return field;
}

// As TakeField, but an empty field reads all that is left of the line (so a line with
// fewer fields than columns repeats its last text, and ",45.5" reads as 0).
std::string_view TakeNumberField(std::string_view &rest, char separator)
{
    if (rest.empty())
        return {};
    const std::string_view whole = rest;
    const std::string_view field = TakeField(rest, separator);
    return field.empty() ? whole : field;
}

int32_t TakeInt(std::string_view &rest, char separator)
{
    const std::string_view field = TakeNumberField(rest, separator);
    return TextToInt(field.data(), field.data() + field.size());
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string NormaliseAbbreviation(std::string_view field)
{
    while (!field.empty() && IsBlank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && IsBlank(field.back()))
        field.remove_suffix(1);
    std::string text(field);
    for (char &c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// First slot of each two-character abbreviation, so a million lines do not each search
// the 72 slots.
class AbbreviationIndex
{
public:
    explicit AbbreviationIndex(const TaxRateTable &table)
    {
        slots_.fill(-1);
        for (int slot = TaxRateTable::kSlotCount - 1; slot >= 0; --slot) {
            const std::string &abbreviation = table[slot].abbreviation;
            if (abbreviation.size() == 2)
                slots_[key(abbreviation)] = static_cast<int8_t>(slot);
        }
    }
    // The slot, or -1; `abbreviation` has two characters.
    int find(const std::string &abbreviation) const { return slots_[key(abbreviation)]; }

private:
    static size_t key(const std::string &text)
    {
        return static_cast<unsigned char>(text[0]) << 8 | static_cast<unsigned char>(text[1]);
    }
    std::array<int8_t, 65536> slots_;
};

std::string WrongAbbreviation(const std::string &text)
{
    return UiArgs(
        UiText("CsvImport",
               "Wrong State abbreviation field:<%1>.\nEdit the file and try again. Exit."),
        {text});
}

std::string FuelTooLarge(const std::string &text)
{
    return UiArgs(UiText("CsvImport",
                         "The fuel amount <%1> is too large.\nEdit the file and try again. Exit."),
                  {text});
}

// What every line of one import shares.
struct ImportContext {
    const CIftaDoc &doc;
    const AbbreviationIndex &index;
    ImportOptions options;
    char separator;
};

// Reads one data line into `entry` (its number aside). Fails with the message to show.
Result ParseLine(std::string_view rest, const ImportContext &context, TripEntry &entry)
{
    const ImportOptions options = context.options;
    const char separator = context.separator;
    if (options & ImportDate)
        entry.date = std::string(TakeField(rest, separator));

    const std::string abbreviation = NormaliseAbbreviation(TakeField(rest, separator));
    const int slot = abbreviation.size() == 2 ? context.index.find(abbreviation) : -1;
    if (slot < 0)
        return Result::failure(WrongAbbreviation(abbreviation));
    entry.slot = slot;
    entry.rate = SlotRate(context.doc.taxTable()[slot], context.doc.isDiesel());

    if (options & ImportDistance) {
        // A negative distance in a spreadsheet is a typing error; kept as it reads it
        // would count as some four billion kilometres in the report.
        const int32_t distance = TakeInt(rest, separator);
        entry.distance = distance > 0 ? static_cast<uint32_t>(distance) : 0;
    }
    if (options & ImportFuel) {
        const std::string_view field = TakeNumberField(rest, separator);
        if (ReadDecimal(field.data(), field.data() + field.size(), 2, entry.fuel.units) ==
            DecimalRead::TooLarge)
            return Result::failure(FuelTooLarge(std::string(field)));
    }
    if (options & ImportOdometerIn)
        entry.odometerIn = TakeInt(rest, separator);
    if (options & ImportOdometerOut)
        entry.odometerOut = TakeInt(rest, separator);
    entry.distanceInMiles = (options & ImportDistanceInKm) ? 0 : 1;
    entry.fuelInGallons = (options & ImportFuelInLitres) ? 0 : 1;
    return Result::success();
}

std::string LockedFile(const std::string &path)
{
    // Messages are Windows-1252 like every text of the program; paths are UTF-8.
    return UiArgs(UiText("CsvImport", "The file %1 is locked.\nClose the file and try again."),
                  {Utf8ToCp1252(path)});
}

} // namespace

void InsertSurchargeLines(std::vector<TripEntry> &lines, const TaxRateTable &table, bool diesel)
{
    // The surcharge slot depends only on the line's slot and its own flag: look it up once
    // per slot rather than once per line.
    std::array<int, TaxRateTable::kSlotCount> surchargeOf;
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        TripEntry probe;
        probe.slot = slot;
        surchargeOf[static_cast<size_t>(slot)] = FindSurchargeSlot(probe, table);
    }
    const auto surchargeSlot = [&](const TripEntry &line) {
        return line.surcharge || !TaxRateTable::isValidSlot(line.slot)
                   ? -1
                   : surchargeOf[static_cast<size_t>(line.slot)];
    };

    const size_t count = lines.size();
    const size_t added =
        static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const TripEntry &line) {
            return surchargeSlot(line) >= 0;
        }));
    if (added == 0)
        return;
    lines.resize(count + added);
    size_t write = count + added;
    for (size_t read = count; read-- > 0;) {
        const int slot = surchargeSlot(lines[read]);
        if (slot >= 0) {
            TripEntry &surcharge = lines[--write];
            surcharge = lines[read];
            surcharge.slot = slot;
            surcharge.rate = SlotRate(table[slot], diesel);
            surcharge.surcharge = table[slot].surcharge;
            surcharge.fuel = Hundredths{};
        }
        if (--write != read)
            lines[write] = std::move(lines[read]);
    }
}

EntryUnits ImportUnits(ImportOptions options)
{
    return EntryUnits{(options & ImportDistanceInKm) ? 0 : 1,
                      (options & ImportFuelInLitres) ? 0 : 1};
}

Result ImportCsv(CIftaDoc &doc, const std::string &path, ImportOptions options)
{
    std::vector<TripEntry> lines;
    const Result read = ReadCsvLines(doc, path, options, lines);
    // An empty file, only a header or only blank lines: nothing to import, and nothing of
    // the record is replaced.
    if (read && lines.empty())
        return Result::failure(
            UiArgs(UiText("CsvImport", "No trip lines in %1."), {Utf8ToCp1252(path)}));
    if (!read) {
        // The lines read before the failing one stay, without completion.
        const bool any = !lines.empty();
        doc.replaceEntries(std::move(lines));
        if (any)
            doc.setModified();
        return read;
    }
    const int zeroed = CompleteImportedLines(lines, doc.taxTable(), doc.isDiesel());
    const bool any = !lines.empty();
    doc.replaceEntries(std::move(lines));
    if (any)
        doc.setModified();
    if (zeroed > 0)
        return Result{Result::Status::Ok, ZeroedDistancesNote(zeroed)};
    return Result::success();
}

Result ReadImportText(const std::string &path, std::string &text)
{
    text.clear();
    PathStatus status;
    const int looked = StatusOfPath(path, true, status);
    const std::string name = Utf8ToCp1252(path);
    if (looked == 0 && status.kind == PathStatus::Kind::Missing)
        return Result::cannotOpen(
            UiArgs(UiText("CsvImport", "The file %1 does not exist."), {name}));
    if (looked == 0 && status.kind == PathStatus::Kind::Folder)
        return Result::cannotOpen(UiArgs(UiText("CsvImport", "The file %1 is a folder."), {name}));
    std::string bytes;
    if (const Result read = SafeFile::readAll(path, bytes, SafeFile::kRecordFileLimit); !read) {
        // What is there and is a regular file of a size to read, but cannot be opened.
        const bool readable = looked == 0 && status.kind == PathStatus::Kind::Regular &&
                              status.size <= SafeFile::kRecordFileLimit;
        return readable ? Result::cannotOpen(LockedFile(path)) : read;
    }
    text = TextFileToCp1252(bytes);
    return Result::success();
}

Result ReadCsvLines(const CIftaDoc &doc, const std::string &path, ImportOptions options,
                    std::vector<TripEntry> &lines)
{
    lines.clear();
    std::string bytes;
    if (const Result read = ReadImportText(path, bytes); !read)
        return read;

    LineReader reader(bytes);
    std::string_view line;
    if ((options & ImportHeader) && !reader.nextNonEmpty(line))
        return Result::success();
    if (!reader.nextNonEmpty(line))
        return Result::success();
    const char separator = DetectSeparator(line);
    if (!separator)
        return Result::failure(UiText("CsvImport", "Only coma and tab separator supported. Exit."));

    const AbbreviationIndex index(doc.taxTable());
    const ImportContext context{doc, index, options | ImportState, separator};
    // At most one trip line per text line, and room for surcharge lines after some: one
    // allocation spares a large file the repeated moves of a growing list.
    lines.reserve(ImportLineRoom(bytes));
    int32_t number = 1;
    do {
        if (line.empty())
            continue;
        if (lines.size() >= kMostImportedLines)
            return Result::failure(kTooManyImportedLines);
        TripEntry &entry = lines.emplace_back();
        const Result parsed = ParseLine(line, context, entry);
        if (!parsed) {
            lines.pop_back();
            return parsed;
        }
        entry.tripNumber = number++;
    } while (reader.next(line));
    return Result::success();
}

std::string ZeroedDistancesNote(int lines)
{
    return UiArgs(lines == 1 ? UiText("CsvImport", "%1 line has a distance of 0: the odometer "
                                                   "readings run backwards or are too far apart.")
                             : UiText("CsvImport", "%1 lines have a distance of 0: the odometer "
                                                   "readings run backwards or are too far apart."),
                  {std::to_string(lines)});
}

int CompleteImportedLines(std::vector<TripEntry> &lines, const TaxRateTable &table, bool diesel)
{
    int zeroed = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        TripEntry &line = lines[i];
        TripEntry &next = lines[i + 1];
        if (line.odometerOut == 0)
            line.odometerOut = next.odometerIn;
        if (next.odometerIn == 0)
            next.odometerIn = line.odometerOut;
        if (line.distance == 0 && line.odometerIn != 0) {
            line.distance = OdometerDistance(line.odometerIn, line.odometerOut);
            zeroed += line.distance == 0 && line.odometerOut != line.odometerIn ? 1 : 0;
        }
    }
    InsertSurchargeLines(lines, table, diesel);
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i].tripNumber = static_cast<int32_t>(i + 1);
    return zeroed;
}
