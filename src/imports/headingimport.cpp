#include "imports/headingimport.h"

#include "imports/csvlines.h"
#include "imports/fuelproduct.h"
#include "imports/jurisdictionmatch.h"
#include "numbers/decimaltext.h"
#include "numbers/exactround.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "records/entryresolver.h"
#include "records/unitnumber.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// The separator of the file, from its heading: a tab when the heading has one, else a
// semicolon when it has one and no comma, else the comma.
char HeadingSeparator(std::string_view heading)
{
    if (heading.find('\t') != std::string_view::npos)
        return '\t';
    if (heading.find(';') != std::string_view::npos && heading.find(',') == std::string_view::npos)
        return ';';
    return ',';
}

// The fields of one line as views. A field in double quotes may hold the separator, and
// a doubled quote inside stands for one: such a field is unquoted into `storage`, one
// string a field, so every view holds until the next line is split.
void SplitFieldViews(std::string_view line, char separator, std::vector<std::string_view> &fields,
                     std::vector<std::string> &storage)
{
    // No string of `storage` may move while views into it are handed out.
    const size_t most = static_cast<size_t>(std::count(line.begin(), line.end(), separator)) + 1;
    if (storage.size() < most)
        storage.resize(most);
    fields.clear();
    size_t i = 0;
    for (;;) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i < line.size() && line[i] == '"') {
            std::string &field = storage[fields.size()];
            field.clear();
            for (++i; i < line.size(); ++i) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                } else {
                    field += line[i];
                }
            }
            while (i < line.size() && line[i] != separator)
                ++i;
            fields.push_back(field);
        } else {
            const size_t end = std::min(line.find(separator, i), line.size());
            fields.push_back(Trimmed(line.substr(i, end - i)));
            i = end;
        }
        if (i >= line.size())
            break;
        ++i; // the separator
    }
}

// The fields of one line as texts of their own (the heading's column names).
void SplitFields(std::string_view line, char separator, std::vector<std::string> &fields)
{
    std::vector<std::string_view> views;
    std::vector<std::string> storage;
    SplitFieldViews(line, separator, views, storage);
    fields.assign(views.begin(), views.end());
}

// A number of the export at three decimals: blanks, digits and one point, nothing else
// ("1,234" and "12 km" do not read). An empty text is 0.
bool ReadAmount(std::string_view text, int64_t &thousandths)
{
    text = Trimmed(text);
    thousandths = 0;
    if (text.empty())
        return true;
    size_t digits = 0, points = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else if (!(c == '+' && i == 0))
            return false;
    }
    if (digits == 0 || points > 1)
        return false;
    return ReadDecimal(text.data(), text.data() + text.size(), 3, thousandths) ==
           DecimalRead::Number;
}

// Whole units of a distance column's amount.
int64_t WholeDistance(int64_t thousandths, DistanceUnit unit, bool canadian)
{
    if (unit != DistanceUnit::Meters)
        return ExactRound::HalfUp(thousandths, 1000);
    // Thousandths of a metre are millimetres; a mile is 1,609,344 of them exactly.
    return ExactRound::HalfUp(thousandths, canadian ? 1000000 : 1609344);
}

// What every line of one import shares.
struct LineContext {
    const HeadingMap &map;
    const JurisdictionMatcher &jurisdictions;
    const TaxRateTable &table;
    bool diesel;
    DateOrder order;
    DistanceUnit distanceUnit;
    FuelUnit fuelUnit;
    bool canadian;
    EntryUnits units;
};

std::string_view FieldOf(const std::vector<std::string_view> &fields, int column)
{
    return column >= 0 && static_cast<size_t>(column) < fields.size()
               ? fields[static_cast<size_t>(column)]
               : std::string_view();
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// Reads the whole number of an odometer column into `value`; false with `reason`.
bool ReadOdometer(std::string_view field, const char *name, int32_t &value, std::string &reason)
{
    int64_t thousandths = 0;
    if (!ReadAmount(field, thousandths) || ExactRound::HalfUp(thousandths, 1000) > INT32_MAX) {
        reason = UiArgs(UiText("HeadingImport", "%1 %2 is not a reading"),
                        {UiText("HeadingImport", name), Quoted(field)});
        return false;
    }
    value = static_cast<int32_t>(ExactRound::HalfUp(thousandths, 1000));
    return true;
}

// One data line into `entry`. False with the reason it was refused.
bool ReadLine(const std::vector<std::string_view> &fields, const LineContext &c, TripEntry &entry,
              std::string &reason)
{
    const HeadingMap &map = c.map;
    if (map.has(ImportField::Date)) {
        const std::string_view date = FieldOf(fields, map.column(ImportField::Date));
        std::string read;
        if (!ReadExportDate(date, c.order, read)) {
            reason = UiArgs(UiText("HeadingImport", "the date %1 is not a date"), {Quoted(date)});
            return false;
        }
        entry.date = read;
    }
    const std::string_view place = FieldOf(fields, map.column(ImportField::Jurisdiction));
    const int slot = c.jurisdictions.find(place);
    if (slot < 0) {
        reason = UiArgs(UiText("HeadingImport", "the jurisdiction %1 is unknown"), {Quoted(place)});
        return false;
    }
    entry.slot = slot;
    entry.rate = SlotRate(c.table[slot], c.diesel);
    entry.reservedText = CleanUnitNumber(FieldOf(fields, map.column(ImportField::Unit)));

    int64_t amount = 0;
    const std::string_view distance = FieldOf(fields, map.column(ImportField::Distance));
    const int64_t whole =
        ReadAmount(distance, amount) ? WholeDistance(amount, c.distanceUnit, c.canadian) : -1;
    if (whole < 0 || whole > INT32_MAX) {
        reason =
            UiArgs(UiText("HeadingImport", "the distance %1 is not a number"), {Quoted(distance)});
        return false;
    }
    entry.distance = static_cast<uint32_t>(whole);
    const std::string_view fuel = FieldOf(fields, map.column(ImportField::Fuel));
    if (!ReadAmount(fuel, amount) || amount >= kDecimalLimit) {
        reason = UiArgs(UiText("HeadingImport", "the fuel %1 is not a number"), {Quoted(fuel)});
        return false;
    }
    entry.fuel = Hundredths{ExactRound::HalfUp(amount, 10)};
    if (!ReadOdometer(FieldOf(fields, map.column(ImportField::OdometerIn)),
                      UI_TEXT_NOOP("HeadingImport", "the odometer"), entry.odometerIn, reason) ||
        !ReadOdometer(FieldOf(fields, map.column(ImportField::OdometerOut)),
                      UI_TEXT_NOOP("HeadingImport", "the odometer"), entry.odometerOut, reason))
        return false;
    if (!map.has(ImportField::Distance))
        entry.distance = OdometerDistance(entry.odometerIn, entry.odometerOut);

    switch (c.distanceUnit) {
    case DistanceUnit::Miles:
        entry.distanceInMiles = 1;
        break;
    case DistanceUnit::Kilometres:
        entry.distanceInMiles = 0;
        break;
    case DistanceUnit::Meters:
        entry.distanceInMiles = c.canadian ? 0 : 1;
        break;
    case DistanceUnit::FromOptions:
        entry.distanceInMiles = c.units.distanceInMiles;
        break;
    }
    entry.fuelInGallons = c.fuelUnit == FuelUnit::FromOptions ? c.units.fuelInGallons
                          : c.fuelUnit == FuelUnit::Gallons   ? 1
                                                              : 0;
    return true;
}

void CountLeftOut(HeadingImport &import, std::string_view product)
{
    for (auto &counted : import.leftOut) {
        if (counted.first == product) {
            ++counted.second;
            return;
        }
    }
    import.leftOut.emplace_back(std::string(product), 1);
}

// The text of field `column` of a line, quotes left on: enough to tell a date's form.
std::string_view RawField(std::string_view line, char separator, int column)
{
    bool quoted = false;
    size_t start = 0;
    int field = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == separator && !quoted) {
            if (field == column)
                return line.substr(start, i - start);
            ++field;
            start = i + 1;
        }
    }
    return field == column ? line.substr(start) : std::string_view();
}

// The order of the file's year-last dates: the one given, else the first one a date with
// a number above 12 shows (a file that shows both has its other lines refused).
DateOrder FileDateOrder(std::string_view text, char separator, int dateColumn, DateOrder given,
                        bool &ambiguous)
{
    ambiguous = false;
    if (given != DateOrder::Unknown || dateColumn < 0)
        return given;
    DateOrderEvidence evidence;
    LineReader reader(text);
    std::string_view line;
    reader.nextNonEmpty(line); // the heading
    std::string field;
    while (reader.next(line)) {
        field.assign(RawField(line, separator, dateColumn));
        field.erase(std::remove(field.begin(), field.end(), '"'), field.end());
        evidence.note(field);
        if (evidence.order() != DateOrder::Unknown)
            return evidence.order();
    }
    ambiguous = evidence.ambiguous();
    return DateOrder::Unknown;
}

// Whether a product code is motor fuel, remembered for the codes seen before: a fuel
// card's million lines carry a handful of codes.
class ProductCache
{
public:
    bool isMotorFuel(std::string_view product)
    {
        for (const auto &[code, fuel] : seen_) {
            if (code == product)
                return fuel;
        }
        const bool fuel = IsMotorFuelProduct(product);
        if (seen_.size() < 64)
            seen_.emplace_back(std::string(product), fuel);
        return fuel;
    }

private:
    std::vector<std::pair<std::string, bool>> seen_;
};

} // namespace

size_t HeadingImport::leftOutCount() const
{
    size_t count = 0;
    for (const auto &counted : leftOut)
        count += counted.second;
    return count;
}

bool ReadHeadings(std::string_view text, std::vector<std::string> &headings)
{
    LineReader reader(text);
    std::string_view line;
    if (!reader.nextNonEmpty(line))
        return false;
    SplitFields(line, HeadingSeparator(line), headings);
    return true;
}

namespace {

// The heading of `text`: its fields, the columns found for each field (and those the
// mapping text changes) and the file's separator. Fails with the user's message when the
// heading cannot be imported by.
Result ReadHeading(std::string_view text, const HeadingImportSettings &settings,
                   HeadingImport &import, char &separator)
{
    LineReader reader(text);
    std::string_view line;
    if (!reader.nextNonEmpty(line))
        return Result::failure(
            UiText("HeadingImport", "The file has no heading line to import by."));
    separator = HeadingSeparator(line);
    SplitFields(line, separator, import.headings);
    import.map = DetectHeadingMap(import.headings);
    std::string error;
    if (!ApplyMappingText(settings.mapping, import.headings, import.map, error))
        return Result::failure(
            UiArgs(UiText("HeadingImport", "The column mapping cannot be used: %1."), {error}));
    if (!import.map.has(ImportField::Jurisdiction))
        return Result::failure(UiText("HeadingImport",
                                      "No column of the file's heading names the jurisdiction "
                                      "(\"State\", \"Jurisdiction\", \"Province\" ...)."));
    return Result::success();
}

// The trip lines after the heading, each read with `context`: product lines that are not
// motor fuel counted and left out, bad lines refused with their numbers.
Result ReadTripLines(std::string_view text, char separator, const LineContext &context,
                     HeadingImport &import)
{
    // At most one trip line a text line, and room for the surcharge lines that follow some:
    // one allocation spares a large export the moves of a growing list.
    import.lines.reserve(ImportLineRoom(text));
    LineReader reader(text);
    std::string_view line;
    reader.nextNonEmpty(line); // the heading
    // The heading's line number, then one more for every line after it.
    size_t lineNumber = 1;
    for (LineReader counter(text); counter.next(line) && line.empty();)
        ++lineNumber;
    const HeadingMap &map = import.map;
    std::vector<std::string_view> fields;
    std::vector<std::string> storage;
    std::string reason;
    ProductCache products;
    while (reader.next(line)) {
        ++lineNumber;
        if (Trimmed(line).empty())
            continue;
        SplitFieldViews(line, separator, fields, storage);
        if (map.has(ImportField::Product)) {
            const std::string_view product = FieldOf(fields, map.column(ImportField::Product));
            if (!products.isMotorFuel(product)) {
                CountLeftOut(import, product);
                continue;
            }
        }
        if (import.lines.size() >= kMostImportedLines)
            return Result::failure(kTooManyImportedLines);
        TripEntry &entry = import.lines.emplace_back();
        if (!ReadLine(fields, context, entry, reason)) {
            import.lines.pop_back();
            import.refused.push_back(RefusedLine{lineNumber, reason});
            continue;
        }
        entry.tripNumber = static_cast<int32_t>(import.lines.size());
    }
    return Result::success();
}

} // namespace

Result ImportByHeading(std::string_view text, const TaxRateTable &table, bool diesel,
                       const HeadingImportSettings &settings, HeadingImport &import)
{
    import = HeadingImport{};
    char separator = ',';
    if (const Result heading = ReadHeading(text, settings, import, separator); !heading)
        return heading;
    const HeadingMap &map = import.map;
    const DateOrder order = FileDateOrder(text, separator, map.column(ImportField::Date),
                                          settings.dateOrder, import.datesAmbiguous);
    if (import.datesAmbiguous)
        return Result::failure(UiText("HeadingImport",
                                      "The dates of the file read both as month/day/year and as "
                                      "day/month/year (no day is above 12)."));

    const auto headingOf = [&](ImportField field) {
        return map.has(field)
                   ? std::string_view(import.headings[static_cast<size_t>(map.column(field))])
                   : std::string_view();
    };
    const JurisdictionMatcher jurisdictions(table);
    const LineContext context{map,
                              jurisdictions,
                              table,
                              diesel,
                              order,
                              DistanceUnitOfHeading(headingOf(ImportField::Distance)),
                              FuelUnitOfHeading(headingOf(ImportField::Fuel)),
                              settings.canadianCarrier,
                              settings.units};
    return ReadTripLines(text, separator, context, import);
}

std::string RefusedLinesText(const std::vector<RefusedLine> &refused, size_t shownLines,
                             const RefusedWords &words)
{
    std::string text = refused.size() == 1 ? UiText("HeadingImport", words.one)
                                           : UiArgs(UiText("HeadingImport", words.many),
                                                    {std::to_string(refused.size())});
    for (size_t i = 0; i < refused.size() && i < shownLines; ++i)
        text += "\n" + UiArgs(UiText("HeadingImport", words.each),
                              {std::to_string(refused[i].line), refused[i].reason});
    if (refused.size() > shownLines)
        text += "\n" + UiArgs(UiText("HeadingImport", "... and %1 more"),
                              {std::to_string(refused.size() - shownLines)});
    return text;
}

std::string LeftOutText(const HeadingImport &import)
{
    if (import.leftOut.empty())
        return {};
    const size_t count = import.leftOutCount();
    std::string text =
        count == 1
            ? UiText("HeadingImport", "1 line was left out because its product is not motor fuel:")
            : UiArgs(UiText("HeadingImport",
                            "%1 lines were left out because their product is not motor "
                            "fuel:"),
                     {std::to_string(count)});
    for (const auto &counted : import.leftOut)
        text += " " + (counted.first.empty() ? UiText("ListColumns", "(none)") : counted.first) +
                " (" + std::to_string(counted.second) + "),";
    text.back() = '.';
    return text;
}
