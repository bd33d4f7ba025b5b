// tollmark-cli subcommands that edit, each over the session function the window's Edit
// commands call: add-trip, modify-trip, delete-trip (record files) and set-rate (a
// tax-rate file). The entry and tax-rate dialogs are answered with the options.

#include "cli/chartoptions.h"
#include "cli/cliargs.h"
#include "cli/cliprompts.h"
#include "cli/commands.h"

#include "numbers/civildate.h"
#include "numbers/decimaltext.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "sessionbase/dialogdata.h"
#include "sessionbase/sessionsettings.h"

#include <charconv>
#include <iostream>

namespace {

bool ParseWhole(const std::string &text, uint32_t &value)
{
    const char *end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    return !text.empty() && parsed.ec == std::errc() && parsed.ptr == end;
}

// A positive decimal with at most `decimals` places ("120.5"), as the dialogs take it.
template <int D>
bool ParseAmount(const std::string &text, FixedDecimal<D> &value)
{
    size_t points = 0, digits = 0;
    for (char c : text) {
        points += c == '.';
        digits += c >= '0' && c <= '9';
    }
    const size_t dot = text.find('.');
    if (digits == 0 || points + digits != text.size() || points > 1 ||
        (dot != std::string::npos && text.size() - dot - 1 > static_cast<size_t>(D)))
        return false;
    int64_t units = 0;
    if (ReadDecimal(text.data(), text.data() + text.size(), D, units) != DecimalRead::Number)
        return false;
    value = FixedDecimal<D>{units};
    return true;
}

// The trip fields given as options, checked before anything is read. Unset fields keep
// what the dialog was opened with.
struct TripOptions {
    std::string abbreviation, date, unit;
    bool hasDistance = false, hasFuel = false;
    uint32_t distance = 0;
    Hundredths fuel;
};

// The options the subcommand's table requires were checked before it runs.
bool ReadTripOptions(const CliArgs &args, TripOptions &trip, int &exitCode)
{
    trip.abbreviation = args.value("jurisdiction");
    trip.date = args.value("date");
    trip.unit = args.value("unit");
    trip.hasDistance = args.has("distance");
    trip.hasFuel = args.has("fuel");
    std::string refused;
    CivilDate day;
    if (!trip.date.empty() && !ParseTripDate(trip.date, day))
        refused = "--date takes a real day as YYYY/MM/DD";
    else if (trip.hasDistance && !ParseWhole(args.value("distance"), trip.distance))
        refused = "--distance takes a whole number";
    else if (trip.hasFuel && !ParseAmount(args.value("fuel"), trip.fuel))
        refused = "--fuel takes a number with at most two decimals";
    else if (trip.unit.size() > 23 || trip.unit.find_first_of(",\r\n") != std::string::npos)
        refused = "--unit takes 23 characters at most, no commas";
    if (!refused.empty()) {
        exitCode = UsageError(refused);
        return false;
    }
    return true;
}

// The entry dialog as the options fill it. The surcharge line offered after a new line
// is confirmed as offered (its jurisdiction is the surcharge slot).
// The dialog's unit buttons show the line's own units (a new line: the record's last
// line's, or the carrier's country's for the first); --miles or --km, --gallons or
// --litres choose others.
void AnswerEntryDialog(CliPrompts &prompts, const CliArgs &args, const TripOptions &trip)
{
    const int miles = args.has("miles") ? 1 : args.has("km") ? 0 : -1;
    const int gallons = args.has("gallons") ? 1 : args.has("litres") ? 0 : -1;
    prompts.entryEdit = [trip, miles, gallons, first = true](EntryDialogData &data) mutable {
        data.units = EntryUnits{miles < 0 ? data.entry.distanceInMiles : miles,
                                gallons < 0 ? data.entry.fuelInGallons : gallons};
        if (!first) {
            data.abbreviation = (*data.table)[data.entry.slot].abbreviation;
            return true;
        }
        first = false;
        if (!trip.abbreviation.empty())
            data.abbreviation = trip.abbreviation;
        else if (data.table && TaxRateTable::isValidSlot(data.entry.slot))
            data.abbreviation = (*data.table)[data.entry.slot].abbreviation;
        if (!trip.date.empty())
            data.entry.date = trip.date;
        if (!trip.unit.empty())
            data.entry.reservedText = trip.unit;
        if (trip.hasDistance)
            data.entry.distance = trip.distance;
        if (trip.hasFuel)
            data.entry.fuel = trip.fuel;
        return true;
    };
}

// Opens FILE.irc with --rates (when given) read first; false after the failure.
bool OpenRecord(CSession &session, const CliArgs &args, int &exitCode)
{
    session.record().skipStartUpSteps();
    if (!args.value("rates").empty()) {
        const Result rates = ReadRates(args.value("rates"), session.taxRates());
        if (!rates) {
            exitCode = InputFailure(rates.message);
            return false;
        }
    }
    if (!session.record().open(args.positional()[0]) || !session.record().lastOpen()) {
        exitCode = InputFailure(session.record().lastOpen().message);
        return false;
    }
    return true;
}

int SaveRecord(CSession &session, CliPrompts &prompts, const std::string &path)
{
    if (!session.record().saveTo(path))
        return InputFailure(prompts.lastShown("The file " + path + " cannot be written."));
    return ExitOk;
}

// Both units of one kind given is a usage error.
bool UnitsChosenOnce(const CliArgs &args, int &exitCode)
{
    if (args.has("miles") && args.has("km")) {
        exitCode = UsageError("--miles and --km exclude each other");
        return false;
    }
    if (args.has("gallons") && args.has("litres")) {
        exitCode = UsageError("--gallons and --litres exclude each other");
        return false;
    }
    return true;
}

} // namespace

int CmdAddTrip(const CliArgs &args)
{
    int exitCode = ExitOk;
    TripOptions trip;
    if (!ReadTripOptions(args, trip, exitCode) || !UnitsChosenOnce(args, exitCode))
        return exitCode;
    const std::string surcharge = args.value("surcharge", "no");
    if (surcharge != "yes" && surcharge != "no")
        return UsageError("--surcharge takes yes or no");
    CliPrompts prompts;
    prompts.answer = surcharge == "yes" ? SessionPrompts::Answer::Yes : SessionPrompts::Answer::No;
    AnswerEntryDialog(prompts, args, trip);
    MemorySettings settings;
    CSession session(prompts, settings);
    if (!OpenRecord(session, args, exitCode))
        return exitCode;
    if (session.edit().addTrip() < 0)
        return InputFailure(prompts.lastShown("No trip was added."));
    return SaveRecord(session, prompts, args.positional()[0]);
}

int CmdModifyTrip(const CliArgs &args)
{
    int exitCode = ExitOk;
    TripOptions trip;
    uint32_t number = 0;
    if (!ParseWhole(args.value("trip"), number))
        return UsageError("--trip takes the trip number");
    if (!ReadTripOptions(args, trip, exitCode) || !UnitsChosenOnce(args, exitCode))
        return exitCode;
    const std::string keep = args.value("keep");
    if (!keep.empty() && keep != "distance" && keep != "readings")
        return UsageError("--keep takes distance or readings");
    CliPrompts prompts;
    // A distance and odometer readings that disagree: the question is answered by --keep.
    prompts.answer = keep == "distance"   ? SessionPrompts::Answer::Yes
                     : keep == "readings" ? SessionPrompts::Answer::No
                                          : SessionPrompts::Answer::Cancel;
    AnswerEntryDialog(prompts, args, trip);
    MemorySettings settings;
    CSession session(prompts, settings);
    if (!OpenRecord(session, args, exitCode))
        return exitCode;
    const int position = session.document().findTripNumber(static_cast<int32_t>(number));
    if (position < 0)
        return InputFailure("The record has no trip " + std::to_string(number) + ".");
    if (!session.edit().modifyTrip(position)) {
        if (!prompts.asked.empty())
            return InputFailure(prompts.asked.back() +
                                "\nGive --keep distance or --keep readings.");
        return InputFailure(
            prompts.lastShown("Trip " + std::to_string(number) + " was not changed."));
    }
    return SaveRecord(session, prompts, args.positional()[0]);
}

int CmdDeleteTrip(const CliArgs &args)
{
    uint32_t number = 0;
    if (!ParseWhole(args.value("trip"), number))
        return UsageError("--trip takes the trip number");
    CliPrompts prompts;
    prompts.answer = SessionPrompts::Answer::Yes; // "Delete the selected item?"
    MemorySettings settings;
    CSession session(prompts, settings);
    int exitCode = ExitOk;
    if (!OpenRecord(session, args, exitCode))
        return exitCode;
    const int position = session.document().findTripNumber(static_cast<int32_t>(number));
    if (position < 0 || !session.edit().deleteTrip(position))
        return InputFailure("The record has no trip " + std::to_string(number) + ".");
    return SaveRecord(session, prompts, args.positional()[0]);
}

int CmdSetRate(const CliArgs &args)
{
    const std::string abbreviation = args.value("jurisdiction");
    TenThousandths diesel, gasoline;
    if (args.has("diesel") && !ParseAmount(args.value("diesel"), diesel))
        return UsageError("--diesel takes a rate with at most four decimals");
    if (args.has("gasoline") && !ParseAmount(args.value("gasoline"), gasoline))
        return UsageError("--gasoline takes a rate with at most four decimals");
    CliPrompts prompts;
    prompts.rateEdit = [&args, diesel, gasoline](TaxRate &rate, bool) {
        if (args.has("diesel"))
            rate.dieselRate = diesel;
        if (args.has("gasoline"))
            rate.gasolineRate = gasoline;
        return true;
    };
    MemorySettings settings;
    CSession session(prompts, settings);
    const std::string &path = args.positional()[0];
    const Result read = ReadRates(path, session.taxRates());
    if (!read)
        return InputFailure(read.message);
    const int slot = session.taxRates().table().findAbbreviation(abbreviation);
    if (slot < 0)
        return InputFailure(UnknownJurisdictionMessage(abbreviation));
    if (!session.edit().modifyRate(slot))
        return InputFailure(prompts.lastShown("The rate of " + abbreviation + " was not changed."));
    return WriteTable(path, session.taxRates().table(), session.taxRates().period());
}
