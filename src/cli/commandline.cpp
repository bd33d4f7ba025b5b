// The command line of tollmark-cli: every subcommand, what it takes and its usage line,
// and the one way their arguments are checked before a subcommand runs.

#include "cli/commandline.h"

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/runguards.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

// One subcommand: its function, what it takes (checked before it runs) and its usage line.
struct Subcommand {
    const char *name;
    int (*run)(const CliArgs &args);
    CliOptions options;
    const char *usage;
};

const std::string kRates = "--rates T.itx";
const std::vector<std::string> kFilingValues = {"rates", "filed", "due", "interest-rates"};
const CliOptions kImportOptions = {
    {"rates", "out", "options", "fuel", "country", "province", "map", "date-order"},
    {"by-heading", "show-map", "skip-bad-lines"},
    {},
    {}};
const CliOptions kProfileFields = {{"companyName", "address", "city", "provinceState", "country",
                                    "postalCode", "phone", "iftaNumber", "fuelType"},
                                   {},
                                   {},
                                   "profiles file"};

const Subcommand kSubcommands[] = {
    {"dump-record", CmdDumpRecord, {{}, {}, {}, "file name"}, "dump-record FILE.irc"},
    {"dump-rates", CmdDumpRates, {{}, {}, {}, "file name"}, "dump-rates FILE.itx"},
    {"dump-profiles", CmdDumpProfiles, {{}, {}, {}, "profiles file"}, "dump-profiles FILE.usr"},
    {"entries",
     CmdEntries,
     {{"rates"}, {}, {kRates}, "file name"},
     "entries FILE.irc --rates T.itx"},
    {"report",
     CmdReport,
     {{"rates"}, {"whole-units"}, {kRates}, "record file"},
     "report FILE.irc --rates T.itx [--whole-units]"},
    {"rates", CmdRates, {{}, {}, {}, "file name"}, "rates T.itx"},
    {"vehicles",
     CmdVehicles,
     {{"rates"}, {}, {kRates}, "record file"},
     "vehicles FILE.irc --rates T.itx"},
    {"year",
     CmdYear,
     {{"rates", "csv"}, {"whole-units"}, {kRates}, {}},
     "year Q1.irc [Q2.irc Q3.irc Q4.irc] --rates T.itx [--csv OUT.csv] [--whole-units]"},
    {"check",
     CmdCheck,
     {{"rates"}, {"fail-on-findings"}, {kRates}, "record file"},
     "check FILE.irc --rates T.itx [--fail-on-findings]"},
    {"import", CmdImport, kImportOptions,
     "import DATA.csv --rates T.itx --out NEW.irc [--options N] [--fuel diesel|gasoline] "
     "[--country C] [--province P]"},
    {"import", CmdImport, kImportOptions,
     "import DATA.csv ... --by-heading --rates T.itx --out NEW.irc [--map M] [--show-map] "
     "[--date-order mdy|dmy] [--skip-bad-lines] [--options N] [--fuel F] [--country C]"},
    {"merge",
     CmdMerge,
     {{"out"}, {"units-from-names"}, {}, {}},
     "merge --out NEW.irc [--units-from-names] A.irc B.irc ..."},
    {"update-rates",
     CmdUpdateRates,
     {{"rates"}, {}, {kRates}, "file name"},
     "update-rates FILE.irc --rates T.itx"},
    {"add-trip",
     CmdAddTrip,
     {{"rates", "date", "jurisdiction", "distance", "fuel", "unit", "surcharge"},
      {"miles", "km", "gallons", "litres"},
      {kRates, "--date YYYY/MM/DD", "--jurisdiction AB", "--distance N", "--fuel X"},
      "record file"},
     "add-trip FILE.irc --rates T.itx --date YYYY/MM/DD --jurisdiction AB --distance N "
     "--fuel X [--unit U] [--miles|--km] [--gallons|--litres] [--surcharge yes|no]"},
    {"modify-trip",
     CmdModifyTrip,
     {{"rates", "trip", "date", "jurisdiction", "distance", "fuel", "unit", "keep"},
      {"miles", "km", "gallons", "litres"},
      {kRates, "--trip N"},
      "record file"},
     "modify-trip FILE.irc --rates T.itx --trip N [--date D] [--jurisdiction AB] "
     "[--distance N] [--fuel X] [--unit U] [--miles|--km] [--gallons|--litres] "
     "[--keep distance|readings]"},
    {"delete-trip",
     CmdDeleteTrip,
     {{"trip"}, {}, {"--trip N"}, "record file"},
     "delete-trip FILE.irc --trip N"},
    {"set-rate",
     CmdSetRate,
     {{"jurisdiction", "diesel", "gasoline"}, {}, {"--jurisdiction AB"}, "tax-rate file"},
     "set-rate T.itx --jurisdiction AB [--diesel R] [--gasoline R]"},
    {"parse-chart",
     CmdParseChart,
     {{"rates", "country", "out"}, {}, {kRates, "--out NEW.itx"}, "chart file"},
     "parse-chart CHART.txt --rates T.itx --country US|Canada --out NEW.itx"},
    {"download",
     CmdDownload,
     {{"year", "quarter", "country", "rates", "out", "base"}, {}, {kRates, "--out NEW.itx"}, {}},
     "download --year Y --quarter Q --country C --rates T.itx --out NEW.itx [--base URL]"},
    {"profiles-add", CmdProfilesAdd, kProfileFields,
     "profiles-add FILE.usr [--companyName T] [--address T] [--city T] [--provinceState T] "
     "[--country T] [--postalCode T] [--phone T] [--iftaNumber T] [--fuelType 1|2]"},
    {"profiles-delete", CmdProfilesDelete, {}, "profiles-delete FILE.usr INDEX"},
    {"print",
     CmdPrint,
     {{"rates", "what", "pdf", "page-size", "filed", "due", "interest-rates"},
      {"landscape", "whole-units"},
      {kRates, "--pdf OUT.pdf"},
      "record file"},
     "print FILE.irc --rates T.itx --what entries|report|rates|check|vehicles --pdf OUT.pdf "
     "[--landscape] "
     "[--page-size Letter|A4] [--whole-units] [--filed YYYY-MM-DD [--due YYYY-MM-DD]] "
     "[--interest-rates F]"},
    {"late",
     CmdLate,
     {kFilingValues, {}, {kRates, "--filed YYYY-MM-DD"}, "record file"},
     "late FILE.irc --rates T.itx --filed YYYY-MM-DD [--interest-rates FILE] "
     "[--due YYYY-MM-DD]"},
    {"export-summary",
     CmdExportSummary,
     {{"rates", "filed", "due", "interest-rates", "out"},
      {"whole-units"},
      {kRates, "--out S.csv"},
      "record file"},
     "export-summary FILE.irc --rates T.itx [--filed YYYY-MM-DD [--due YYYY-MM-DD]] "
     "[--interest-rates FILE] [--whole-units] --out S.csv"},
};

int usage(std::ostream &out)
{
    out << "usage: tollmark-cli SUBCOMMAND ...\n";
    for (const Subcommand &s : kSubcommands)
        out << "  tollmark-cli " << s.usage << '\n';
    return ExitUsage;
}

} // namespace

int RunCommandLine(int argc, char **argv)
{
    if (argc < 2)
        return usage(std::cerr);
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        usage(std::cout);
        return ExitOk;
    }
    for (const Subcommand &s : kSubcommands) {
        if (std::strcmp(argv[1], s.name) != 0)
            continue;
        // Every subcommand's arguments are checked here, one way, before it runs.
        CliArgs args;
        if (!args.parse(argc - 2, argv + 2, s.options))
            return UsageError(args.error());
        return RunGuarded(s.run, args, argc - 2, argv + 2);
    }
    std::cerr << "tollmark-cli: unknown subcommand " << argv[1] << '\n';
    return usage(std::cerr);
}
