// tollmark-cli subcommands on record files and tax-rate files: dump-record, dump-rates,
// entries, rates, update-rates.

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/jsonwriter.h"

#include "records/ciftadoc.h"
#include "records/cp1252.h"
#include "records/entrylist.h"
#include "records/recordfile.h"
#include "records/safefile.h"
#include "records/taxfile.h"
#include "records/taxlist.h"

#include <charconv>
#include <iostream>

namespace {

// Reads a tax-rate file; a file that cannot be opened gets a message naming it.
Result loadRates(const std::string &path, TaxRateTable &table, TaxPeriod &period)
{
    std::string text;
    const Result read = SafeFile::readAll(path, text);
    if (!read)
        return read;
    return ParseTaxText(text, table, period);
}

// Parses "SUBCOMMAND FILE [--rates T.itx]": exactly one positional argument, and the
// rates option when `needRates` is set. False after printing the usage error.
bool parseFileArgs(int argc, char **argv, bool needRates, CliArgs &args, int &exitCode)
{
    if (!args.parse(argc, argv)) {
        exitCode = UsageError(args.error());
        return false;
    }
    if (args.positional().size() != 1) {
        exitCode = UsageError("expected exactly one file name");
        return false;
    }
    if (needRates && args.value("rates").empty()) {
        exitCode = UsageError("missing --rates T.itx");
        return false;
    }
    return true;
}

// The float as the short decimal it was written with, so 37.85f shows as 37.85 and not
// as the double 37.849998474121094.
double shortestFloat(float value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    double widened = static_cast<double>(value);
    std::from_chars(buffer, written.ptr, widened);
    return widened;
}

void writeDate(JsonWriter &json, const std::string &name, const PeriodDate &date)
{
    json.beginArray(name);
    json.arrayValue(date.year);
    json.arrayValue(date.month);
    json.arrayValue(date.day);
    json.endArray();
}

void writeCompany(JsonWriter &json, const CompanyInfo &company)
{
    json.beginObject("company");
    json.field("companyName", company.companyName);
    json.field("address", company.address);
    json.field("city", company.city);
    json.field("provinceState", company.provinceState);
    json.field("country", company.country);
    json.field("postalCode", company.postalCode);
    json.field("phone", company.phone);
    json.field("iftaNumber", company.iftaNumber);
    json.field("notes", company.notes);
    json.field("startOdometer", company.startOdometer);
    json.field("useOdometer", company.useOdometer ? 1 : 0);
    writeDate(json, "periodFrom", company.periodFrom);
    writeDate(json, "periodTo", company.periodTo);
    json.field("diesel", company.diesel ? 1 : 0);
    json.field("gasoline", company.gasoline ? 1 : 0);
    json.endObject();
}

void writeEntry(JsonWriter &json, const TripEntry &entry)
{
    json.beginObject();
    json.field("tripNumber", entry.tripNumber);
    json.field("date", entry.date);
    json.field("reservedText", entry.reservedText);
    json.field("slot", entry.slot);
    json.field("rate", entry.rate);
    json.field("odometerIn", entry.odometerIn);
    json.field("odometerOut", entry.odometerOut);
    json.field("distance", static_cast<long long>(entry.distance));
    json.field("fuel", shortestFloat(entry.fuel));
    json.field("distanceInMiles", entry.distanceInMiles);
    json.field("fuelInGallons", entry.fuelInGallons);
    json.field("surcharge", entry.surcharge);
    json.endObject();
}

void printLine(const ListLine &texts)
{
    std::string line;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i)
            line += '\t';
        line += texts[i];
    }
    std::cout << Cp1252ToUtf8(line) << '\n';
}

void printHeadings(const std::vector<ListColumn> &columns)
{
    ListLine headings;
    for (const ListColumn &column : columns)
        headings.push_back(column.heading);
    printLine(headings);
}

} // namespace

int CmdDumpRecord(int argc, char **argv)
{
    CliArgs args;
    int exitCode = ExitOk;
    if (!parseFileArgs(argc, argv, false, args, exitCode))
        return exitCode;
    TaxRateTable table;
    CIftaDoc doc(&table);
    uint32_t layout = 0;
    const Result read = ReadRecordFile(doc, args.positional()[0], &layout);
    if (!read)
        return InputFailure(read.message);

    JsonWriter json;
    json.beginObject();
    json.field("layout", layout);
    writeCompany(json, doc.company);
    json.beginObject("recordPeriod");
    json.field("year", doc.recordPeriod.year);
    json.field("quarter", doc.recordPeriod.quarter);
    json.endObject();
    json.beginArray("entries");
    for (const TripEntry &entry : doc.entries)
        writeEntry(json, entry);
    json.endArray();
    json.endObject();
    std::cout << json.str();
    return ExitOk;
}

int CmdDumpRates(int argc, char **argv)
{
    CliArgs args;
    int exitCode = ExitOk;
    if (!parseFileArgs(argc, argv, false, args, exitCode))
        return exitCode;
    TaxRateTable table;
    TaxPeriod period;
    const Result read = loadRates(args.positional()[0], table, period);
    if (!read)
        return InputFailure(read.message);

    JsonWriter json;
    json.beginObject();
    json.beginObject("period");
    json.field("year", period.year);
    json.field("quarter", period.quarter);
    json.field("country", period.country);
    json.endObject();
    json.beginArray("slots");
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const TaxRate &rate = table[slot];
        json.beginObject();
        json.field("name", rate.name);
        json.field("abbreviation", rate.abbreviation);
        json.field("dieselRate", rate.dieselRate);
        json.field("gasolineRate", rate.gasolineRate);
        json.field("surcharge", rate.surcharge);
        json.field("slot", rate.slot);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    std::cout << json.str();
    return ExitOk;
}

int CmdEntries(int argc, char **argv)
{
    CliArgs args;
    int exitCode = ExitOk;
    if (!parseFileArgs(argc, argv, true, args, exitCode))
        return exitCode;
    TaxRateTable table;
    CIftaDoc doc(&table);
    const Result rates = loadRates(args.value("rates"), table, doc.tablePeriod);
    if (!rates)
        return InputFailure(rates.message);
    const Result read = ReadRecordFile(doc, args.positional()[0]);
    if (!read)
        return InputFailure(read.message);

    const std::string &country = doc.company.country;
    printHeadings(EntryListColumns(country));
    for (const TripEntry &entry : doc.entries)
        printLine(EntryListLine(entry, table, country));
    return ExitOk;
}

int CmdRates(int argc, char **argv)
{
    CliArgs args;
    int exitCode = ExitOk;
    if (!parseFileArgs(argc, argv, false, args, exitCode))
        return exitCode;
    TaxRateTable table;
    TaxPeriod period;
    const Result read = loadRates(args.positional()[0], table, period);
    if (!read)
        return InputFailure(read.message);

    printHeadings(TaxListColumns());
    const int shown = ShownTaxSlotCount(table);
    for (int slot = 0; slot < shown; ++slot)
        printLine(TaxListLine(table[slot]));
    return ExitOk;
}

int CmdUpdateRates(int argc, char **argv)
{
    CliArgs args;
    int exitCode = ExitOk;
    if (!parseFileArgs(argc, argv, true, args, exitCode))
        return exitCode;
    TaxRateTable table;
    CIftaDoc doc(&table);
    const Result rates = loadRates(args.value("rates"), table, doc.tablePeriod);
    if (!rates)
        return InputFailure(rates.message);
    const std::string &path = args.positional()[0];
    const Result read = ReadRecordFile(doc, path);
    if (!read)
        return InputFailure(read.message);

    doc.UpdateRatesFromTable();
    const Result written = WriteRecordFile(doc, path);
    if (!written)
        return InputFailure(written.message);
    return ExitOk;
}
