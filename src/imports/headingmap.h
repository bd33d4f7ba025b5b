#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Which column of an export holds which of our fields, found by the columns' names: the
// second way of importing, for the mileage exports of electronic logs and telematics and
// the exports of fuel cards, whose columns come in any order and under many names.

enum class ImportField {
    Date,
    Jurisdiction,
    Distance,
    Fuel,
    Unit,
    OdometerIn,
    OdometerOut,
    Product, // the fuel card's product code: lines that are not motor fuel are left out
};
constexpr int kImportFieldCount = 8;

// The field's key in a mapping text ("date", "jurisdiction", "distance", "fuel", "unit",
// "odometer-in", "odometer-out", "product") and its caption in the import dialog.
const char *ImportFieldKey(ImportField field);
const char *ImportFieldCaption(ImportField field);

// The unit a column's name gives its numbers; FromOptions when the name says none (the
// import dialog's units then hold). Meters become whole kilometres for a Canadian carrier
// and whole miles for any other.
enum class DistanceUnit { FromOptions, Miles, Kilometres, Meters };
enum class FuelUnit { FromOptions, Gallons, Litres };

// A column name as it is compared: letters in lower case, blanks left out ("Truck #"
// and "truck#" are the same name).
std::string NormalisedHeading(std::string_view heading);

// The field a column name is known for, or false.
bool FieldOfHeading(std::string_view heading, ImportField &field);
DistanceUnit DistanceUnitOfHeading(std::string_view heading);
FuelUnit FuelUnitOfHeading(std::string_view heading);

// The column of each field (-1: none) among the file's `headings`.
class HeadingMap
{
public:
    HeadingMap() { columns_.fill(-1); }

    int column(ImportField field) const { return columns_[static_cast<size_t>(field)]; }
    void setColumn(ImportField field, int column) { columns_[static_cast<size_t>(field)] = column; }
    bool has(ImportField field) const { return column(field) >= 0; }
    bool operator==(const HeadingMap &o) const { return columns_ == o.columns_; }

private:
    std::array<int, kImportFieldCount> columns_;
};

// The first column known for each field.
HeadingMap DetectHeadingMap(const std::vector<std::string> &headings);

// Whether a heading line is one to import by: it names the jurisdiction column and at
// least one other of ours.
bool IsImportHeading(const std::vector<std::string> &headings);

// Whether a file's heading is the one the fixed columns of `options` (ImportOptions) would
// give it: each field of ours the heading names stands where the options put that
// column. Such a file imports by the options as it always has.
bool FollowsOptionsLayout(const HeadingMap &map, uint32_t options);

// Changes `map` as a mapping text says: "date=Transaction Date,jurisdiction=State", each
// column found by its name (case and blanks ignored); "field=" with no name removes the
// field's column. Fields the text does not name keep their columns. False with `error`
// set for an unknown field or a column the file does not have.
bool ApplyMappingText(const std::string &text, const std::vector<std::string> &headings,
                      HeadingMap &map, std::string &error);

// The mapping as a text ApplyMappingText reads back: every field, in field order, with
// its column's name (empty for none).
std::string MappingText(const HeadingMap &map, const std::vector<std::string> &headings);
