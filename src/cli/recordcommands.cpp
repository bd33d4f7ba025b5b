// tollmark-cli subcommands on record files and tax-rate files: dump-record, dump-rates,
// entries, rates, update-rates.

#include "cli/cliargs.h"
#include "cli/cliprompts.h"
#include "cli/commands.h"
#include "cli/jsonwriter.h"
#include "cli/listoutput.h"

#include "formats/recordfile.h"
#include "platform/platformfile.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"
#include "records/entrylist.h"
#include "records/taxlist.h"
#include "session/csession.h"
#include "sessionbase/sessionsettings.h"

#include <charconv>
#include <iostream>

namespace {

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
    json.decimalField("rate", entry.rate.units, 4);
    json.field("odometerIn", entry.odometerIn);
    json.field("odometerOut", entry.odometerOut);
    json.field("distance", static_cast<long long>(entry.distance));
    json.decimalField("fuel", entry.fuel.units, 2);
    json.field("distanceInMiles", entry.distanceInMiles);
    json.field("fuelInGallons", entry.fuelInGallons);
    json.field("surcharge", entry.surcharge);
    json.endObject();
}

} // namespace

int CmdDumpRecord(const CliArgs &args)
{
    CIftaDoc doc;
    uint32_t layout = 0;
    const Result read = ReadRecordFile(doc, args.positional()[0], &layout);
    if (!read)
        return InputFailure(read.message);

    JsonWriter json;
    json.beginObject();
    json.field("layout", layout);
    writeCompany(json, doc.company());
    json.beginObject("recordPeriod");
    json.field("year", doc.recordPeriod().year);
    json.field("quarter", doc.recordPeriod().quarter);
    json.endObject();
    json.beginArray("entries");
    for (const TripEntry &entry : doc.entries())
        writeEntry(json, entry);
    json.endArray();
    json.endObject();
    std::cout << json.str();
    return ExitOk;
}

int CmdDumpRates(const CliArgs &args)
{
    LoadedTaxTable rates;
    const Result read = ReadRates(args.positional()[0], rates);
    if (!read)
        return InputFailure(read.message);
    const TaxRateTable &table = rates.table();
    const TaxPeriod &period = rates.period();

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
        json.decimalField("dieselRate", rate.dieselRate.units, 4);
        json.decimalField("gasolineRate", rate.gasolineRate.units, 4);
        json.field("surcharge", rate.surcharge);
        json.field("slot", rate.slot);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    std::cout << json.str();
    return ExitOk;
}

int CmdEntries(const CliArgs &args)
{
    CIftaDoc doc;
    if (const int failed = ReadRatesAndRecord(args, doc.rates(), doc))
        return failed;

    const std::string &country = doc.company().country;
    PrintHeadings(EntryListColumns(country));
    for (const TripEntry &entry : doc.entries())
        PrintListLine(EntryListLine(entry, doc.taxTable(), country));
    return ExitOk;
}

int CmdRates(const CliArgs &args)
{
    LoadedTaxTable rates;
    const Result read = ReadRates(args.positional()[0], rates);
    if (!read)
        return InputFailure(read.message);

    PrintHeadings(TaxListColumns());
    const int shown = ShownTaxSlotCount(rates.table());
    for (int slot = 0; slot < shown; ++slot)
        PrintListLine(TaxListLine(rates.table()[slot]));
    return ExitOk;
}

int CmdUpdateRates(const CliArgs &args)
{
    // "Save/Update Tax Rates" answered Yes, over the record opened as File Open opens it.
    CliPrompts prompts;
    prompts.answer = SessionPrompts::Answer::Yes;
    MemorySettings settings;
    CSession session(prompts, settings);
    session.record().skipStartUpSteps();
    const Result rates = ReadRates(args.value("rates"), session.taxRates());
    if (!rates)
        return InputFailure(rates.message);
    const std::string &path = args.positional()[0];
    if (!session.record().open(path) || !session.record().lastOpen())
        return InputFailure(session.record().lastOpen().message);
    // The window offers Save As for a file it may not write; here there is no one to ask,
    // so the reason is told.
    if (const int denied = WriteAccessError(path); denied != 0)
        return InputFailure(SafeFile::saveFailureText(path, denied));
    const size_t before = prompts.shown.size();
    if (!session.record().saveWithCurrentRates())
        return InputFailure(prompts.shown.size() > before ? prompts.lastShown()
                                                          : path + " was not written.");
    if (session.record().lastOpenLayout() == kOlderRecordLayout)
        std::cerr << OlderLayoutNotice(path, session.document(), true) << "\n";
    return ExitOk;
}
