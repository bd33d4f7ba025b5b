#include "records/headingimport.h"

#include "records/cp1252.h"
#include "records/csvlines.h"
#include "records/decimaltext.h"
#include "records/entryresolver.h"
#include "records/exactround.h"
#include "records/fuelproduct.h"
#include "records/jurisdictionmatch.h"
#include "records/unitnumber.h"

#include <algorithm>
#include <climits>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsValidUtf8WithNonAscii(const std::string &text)
{
    bool nonAscii = false;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t length = c < 0x80         ? 1
                              : (c >> 5) == 6  ? 2
                              : (c >> 4) == 14 ? 3
                              : (c >> 3) == 30 ? 4
                                               : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        nonAscii = nonAscii || length > 1;
        i += length;
    }
    return nonAscii;
}

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

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The fields of one line. A field in double quotes may hold the separator, and a
// doubled quote inside stands for one.
void SplitFields(std::string_view line, char separator, std::vector<std::string> &fields)
{
    size_t count = 0;
    size_t i = 0;
    for (;;) {
        if (fields.size() <= count)
            fields.emplace_back();
        std::string &field = fields[count++];
        field.clear();
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i < line.size() && line[i] == '"') {
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
        } else {
            const size_t end = std::min(line.find(separator, i), line.size());
            field.assign(Trimmed(line.substr(i, end - i)));
            i = end;
        }
        if (i >= line.size())
            break;
        ++i; // the separator
    }
    fields.resize(count);
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

const std::string &FieldOf(const std::vector<std::string> &fields, int column)
{
    static const std::string kEmpty;
    return column >= 0 && static_cast<size_t>(column) < fields.size()
               ? fields[static_cast<size_t>(column)]
               : kEmpty;
}

std::string Quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

// Reads the whole number of an odometer column into `value`; false with `reason`.
bool ReadOdometer(const std::string &field, const char *name, int32_t &value, std::string &reason)
{
    int64_t thousandths = 0;
    if (!ReadAmount(field, thousandths) || ExactRound::HalfUp(thousandths, 1000) > INT32_MAX) {
        reason = std::string(name) + " " + Quoted(field) + " is not a reading";
        return false;
    }
    value = static_cast<int32_t>(ExactRound::HalfUp(thousandths, 1000));
    return true;
}

// One data line into `entry`. False with the reason it was refused.
bool ReadLine(const std::vector<std::string> &fields, const LineContext &c, TripEntry &entry,
              std::string &reason)
{
    const HeadingMap &map = c.map;
    if (map.has(ImportField::Date)) {
        const std::string &date = FieldOf(fields, map.column(ImportField::Date));
        if (!ReadExportDate(date, c.order, entry.date)) {
            reason = "the date " + Quoted(date) + " is not a date";
            return false;
        }
    }
    const std::string &place = FieldOf(fields, map.column(ImportField::Jurisdiction));
    const int slot = c.jurisdictions.find(place);
    if (slot < 0) {
        reason = "the jurisdiction " + Quoted(place) + " is unknown";
        return false;
    }
    entry.slot = slot;
    entry.rate = SlotRate(c.table[slot], c.diesel);
    entry.reservedText = CleanUnitNumber(FieldOf(fields, map.column(ImportField::Unit)));

    int64_t amount = 0;
    const std::string &distance = FieldOf(fields, map.column(ImportField::Distance));
    const int64_t whole =
        ReadAmount(distance, amount) ? WholeDistance(amount, c.distanceUnit, c.canadian) : -1;
    if (whole < 0 || whole > INT32_MAX) {
        reason = "the distance " + Quoted(distance) + " is not a number";
        return false;
    }
    entry.distance = static_cast<uint32_t>(whole);
    const std::string &fuel = FieldOf(fields, map.column(ImportField::Fuel));
    if (!ReadAmount(fuel, amount) || amount >= kDecimalLimit) {
        reason = "the fuel " + Quoted(fuel) + " is not a number";
        return false;
    }
    entry.fuel = Hundredths{ExactRound::HalfUp(amount, 10)};
    if (!ReadOdometer(FieldOf(fields, map.column(ImportField::OdometerIn)), "the odometer",
                      entry.odometerIn, reason) ||
        !ReadOdometer(FieldOf(fields, map.column(ImportField::OdometerOut)), "the odometer",
                      entry.odometerOut, reason))
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

void CountLeftOut(HeadingImport &import, const std::string &product)
{
    for (auto &counted : import.leftOut) {
        if (counted.first == product) {
            ++counted.second;
            return;
        }
    }
    import.leftOut.emplace_back(product, 1);
}

// The order of the file's year-last dates: the one given, else the one the dates show.
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
    std::vector<std::string> fields;
    while (reader.next(line)) {
        if (line.empty())
            continue;
        SplitFields(line, separator, fields);
        evidence.note(FieldOf(fields, dateColumn));
    }
    ambiguous = evidence.ambiguous();
    return evidence.order();
}

} // namespace

size_t HeadingImport::leftOutCount() const
{
    size_t count = 0;
    for (const auto &counted : leftOut)
        count += counted.second;
    return count;
}

std::string ImportText(std::string bytes)
{
    const bool marked = bytes.compare(0, kUtf8Mark.size(), kUtf8Mark) == 0;
    if (marked)
        bytes.erase(0, kUtf8Mark.size());
    if (IsValidUtf8WithNonAscii(bytes))
        return Utf8ToCp1252(bytes);
    return bytes;
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

Result ImportByHeading(std::string_view text, const TaxRateTable &table, bool diesel,
                       const HeadingImportSettings &settings, HeadingImport &import)
{
    import = HeadingImport{};
    LineReader reader(text);
    std::string_view line;
    if (!reader.nextNonEmpty(line))
        return Result::failure("The file has no heading line to import by.");
    const char separator = HeadingSeparator(line);
    SplitFields(line, separator, import.headings);
    import.map = DetectHeadingMap(import.headings);
    std::string error;
    if (!ApplyMappingText(settings.mapping, import.headings, import.map, error))
        return Result::failure("The column mapping cannot be used: " + error + ".");
    const HeadingMap &map = import.map;
    if (!map.has(ImportField::Jurisdiction))
        return Result::failure("No column of the file's heading names the jurisdiction "
                               "(\"State\", \"Jurisdiction\", \"Province\" ...).");

    const DateOrder order = FileDateOrder(text, separator, map.column(ImportField::Date),
                                          settings.dateOrder, import.datesAmbiguous);
    if (import.datesAmbiguous)
        return Result::failure("The dates of the file read both as month/day/year and as "
                               "day/month/year (no day is above 12).");

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
    import.lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    // The heading's line number, then one more for every line after it.
    size_t lineNumber = 1;
    for (LineReader counter(text); counter.next(line) && line.empty();)
        ++lineNumber;
    std::vector<std::string> fields;
    std::string reason;
    while (reader.next(line)) {
        ++lineNumber;
        if (Trimmed(line).empty())
            continue;
        SplitFields(line, separator, fields);
        if (map.has(ImportField::Product)) {
            const std::string &product = FieldOf(fields, map.column(ImportField::Product));
            if (!IsMotorFuelProduct(product)) {
                CountLeftOut(import, product);
                continue;
            }
        }
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

std::string RefusedLinesText(const std::vector<RefusedLine> &refused, size_t shownLines)
{
    std::string text = refused.size() == 1 ? "1 line of the file could not be read:"
                                           : std::to_string(refused.size()) +
                                                 " lines of the file could not be read:";
    for (size_t i = 0; i < refused.size() && i < shownLines; ++i)
        text += "\nline " + std::to_string(refused[i].line) + ": " + refused[i].reason;
    if (refused.size() > shownLines)
        text += "\n... and " + std::to_string(refused.size() - shownLines) + " more";
    return text;
}

std::string LeftOutText(const HeadingImport &import)
{
    if (import.leftOut.empty())
        return {};
    const size_t count = import.leftOutCount();
    std::string text =
        (count == 1 ? std::string("1 line was") : std::to_string(count) + " lines were") +
        " left out because their product is not motor fuel:";
    for (const auto &counted : import.leftOut)
        text += " " + (counted.first.empty() ? std::string("(none)") : counted.first) + " (" +
                std::to_string(counted.second) + "),";
    text.back() = '.';
    return text;
}
