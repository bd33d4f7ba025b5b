#include "imports/headingmap.h"

#include "imports/csvimport.h"
#include "imports/csvlines.h"
#include "numbers/uitext.h"

#include <algorithm>

namespace {

struct KnownHeading {
    const char *name; // already normalised
    ImportField field;
};

// clang-format off
const KnownHeading kKnownHeadings[] = {
    {"date", ImportField::Date}, {"day", ImportField::Date}, {"tripdate", ImportField::Date},
    {"transactiondate", ImportField::Date},
    {"state", ImportField::Jurisdiction}, {"jurisdiction", ImportField::Jurisdiction},
    {"province", ImportField::Jurisdiction}, {"state/province", ImportField::Jurisdiction},
    {"locationstate", ImportField::Jurisdiction},
    {"locationstate/province", ImportField::Jurisdiction},
    {"merchantstate", ImportField::Jurisdiction}, {"stateorprovince", ImportField::Jurisdiction},
    {"distance", ImportField::Distance}, {"miles", ImportField::Distance},
    {"totalmiles", ImportField::Distance}, {"taxablemiles", ImportField::Distance},
    {"km", ImportField::Distance}, {"kilometers", ImportField::Distance},
    {"kilometres", ImportField::Distance}, {"meters", ImportField::Distance},
    {"taxablemeters", ImportField::Distance}, {"totalmeters", ImportField::Distance},
    {"fuel", ImportField::Fuel}, {"gallons", ImportField::Fuel},
    {"fuelqtygallons", ImportField::Fuel}, {"quantity", ImportField::Fuel},
    {"fuelvolume", ImportField::Fuel}, {"liters", ImportField::Fuel},
    {"litres", ImportField::Fuel}, {"taxpaidliters", ImportField::Fuel},
    {"unit", ImportField::Unit}, {"truck", ImportField::Unit}, {"truck#", ImportField::Unit},
    {"vehicle", ImportField::Unit}, {"vehiclename", ImportField::Unit},
    {"unitnumber", ImportField::Unit},
    {"odometer", ImportField::OdometerIn}, {"startodometer", ImportField::OdometerIn},
    {"odometerin", ImportField::OdometerIn},
    {"endodometer", ImportField::OdometerOut}, {"odometerout", ImportField::OdometerOut},
    {"product", ImportField::Product}, {"productcode", ImportField::Product},
    {"fueltype", ImportField::Product},
};

const char *const kKeys[kImportFieldCount] = {
    "date", "jurisdiction", "distance", "fuel", "unit", "odometer-in", "odometer-out", "product"};
// The captions the window shows are translated in the context "CHeadingMapBox".
const char *const kCaptions[kImportFieldCount] = {
    UI_TEXT_NOOP("CHeadingMapBox", "Date"), UI_TEXT_NOOP("CHeadingMapBox", "Jurisdiction"),
    UI_TEXT_NOOP("CHeadingMapBox", "Distance"), UI_TEXT_NOOP("CHeadingMapBox", "Fuel"),
    UI_TEXT_NOOP("CHeadingMapBox", "Unit"), UI_TEXT_NOOP("CHeadingMapBox", "Odometer in"),
    UI_TEXT_NOOP("CHeadingMapBox", "Odometer out"), UI_TEXT_NOOP("CHeadingMapBox", "Product code")};
// clang-format on

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '_';
}

// The column whose normalised name is `name`, or -1.
int FindColumn(const std::vector<std::string> &headings, const std::string &name)
{
    for (size_t i = 0; i < headings.size(); ++i) {
        if (NormalisedHeading(headings[i]) == name)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

const char *ImportFieldKey(ImportField field)
{
    return kKeys[static_cast<size_t>(field)];
}

const char *ImportFieldCaption(ImportField field)
{
    return kCaptions[static_cast<size_t>(field)];
}

std::string NormalisedHeading(std::string_view heading)
{
    std::string name;
    name.reserve(heading.size());
    for (const char c : heading) {
        if (IsBlank(c))
            continue;
        name += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return name;
}

bool FieldOfHeading(std::string_view heading, ImportField &field)
{
    const std::string name = NormalisedHeading(heading);
    for (const KnownHeading &known : kKnownHeadings) {
        if (name == known.name) {
            field = known.field;
            return true;
        }
    }
    return false;
}

DistanceUnit DistanceUnitOfHeading(std::string_view heading)
{
    const std::string name = NormalisedHeading(heading);
    if (name.find("meter") != std::string::npos || name.find("metre") != std::string::npos)
        return name.find("kilo") != std::string::npos ? DistanceUnit::Kilometres
                                                      : DistanceUnit::Meters;
    if (name == "km" || name.find("(km)") != std::string::npos)
        return DistanceUnit::Kilometres;
    if (name.find("mile") != std::string::npos || name.find("(mi)") != std::string::npos)
        return DistanceUnit::Miles;
    return DistanceUnit::FromOptions;
}

FuelUnit FuelUnitOfHeading(std::string_view heading)
{
    const std::string name = NormalisedHeading(heading);
    if (name.find("gallon") != std::string::npos || name.find("(gal)") != std::string::npos)
        return FuelUnit::Gallons;
    if (name.find("liter") != std::string::npos || name.find("litre") != std::string::npos ||
        name.find("(l)") != std::string::npos)
        return FuelUnit::Litres;
    return FuelUnit::FromOptions;
}

HeadingMap DetectHeadingMap(const std::vector<std::string> &headings)
{
    HeadingMap map;
    for (size_t i = 0; i < headings.size(); ++i) {
        ImportField field;
        if (FieldOfHeading(headings[i], field) && !map.has(field))
            map.setColumn(field, static_cast<int>(i));
    }
    return map;
}

bool IsImportHeading(const std::vector<std::string> &headings)
{
    const HeadingMap map = DetectHeadingMap(headings);
    if (!map.has(ImportField::Jurisdiction))
        return false;
    for (int f = 0; f < kImportFieldCount; ++f) {
        const auto field = static_cast<ImportField>(f);
        if (field != ImportField::Jurisdiction && map.has(field))
            return true;
    }
    return false;
}

bool FollowsOptionsLayout(const HeadingMap &map, uint32_t options)
{
    const std::pair<ImportOptionBit, ImportField> order[] = {
        {ImportDate, ImportField::Date},
        {ImportState, ImportField::Jurisdiction},
        {ImportDistance, ImportField::Distance},
        {ImportFuel, ImportField::Fuel},
        {ImportOdometerIn, ImportField::OdometerIn},
        {ImportOdometerOut, ImportField::OdometerOut},
    };
    int position = 0;
    for (const auto &[bit, field] : order) {
        const bool selected = (options | ImportState) & bit;
        if (map.has(field) && (!selected || map.column(field) != position))
            return false;
        position += selected ? 1 : 0;
    }
    return !map.has(ImportField::Unit) && !map.has(ImportField::Product);
}

bool ApplyMappingText(const std::string &text, const std::vector<std::string> &headings,
                      HeadingMap &map, std::string &error)
{
    HeadingMap changed = map;
    std::string_view rest = text;
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
        if (Trimmed(item).empty())
            continue;
        const size_t equals = item.find('=');
        const std::string key = NormalisedHeading(item.substr(0, equals));
        const auto known = std::find_if(std::begin(kKeys), std::end(kKeys),
                                        [&](const char *k) { return NormalisedHeading(k) == key; });
        if (equals == std::string_view::npos || known == std::end(kKeys)) {
            error = UiArgs(UiText("HeadingMap", "unknown field in the mapping: \"%1\""),
                           {std::string(Trimmed(item))});
            return false;
        }
        const auto field = static_cast<ImportField>(known - std::begin(kKeys));
        const std::string_view name = Trimmed(item.substr(equals + 1));
        const int column = name.empty() ? -1 : FindColumn(headings, NormalisedHeading(name));
        if (!name.empty() && column < 0) {
            error =
                UiArgs(UiText("HeadingMap", "the file has no column \"%1\""), {std::string(name)});
            return false;
        }
        changed.setColumn(field, column);
    }
    map = changed;
    return true;
}

std::string MappingText(const HeadingMap &map, const std::vector<std::string> &headings)
{
    std::string text;
    for (int f = 0; f < kImportFieldCount; ++f) {
        const auto field = static_cast<ImportField>(f);
        const int column = map.column(field);
        text += f ? "," : "";
        text += ImportFieldKey(field);
        text += '=';
        if (column >= 0 && static_cast<size_t>(column) < headings.size())
            text += std::string(Trimmed(headings[static_cast<size_t>(column)]));
    }
    return text;
}
