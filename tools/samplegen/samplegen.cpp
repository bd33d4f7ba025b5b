// Writes the sample quarter that ships in data/ (run scripts/make-samples): the two
// tax-rate files of the 2nd quarter of 2026, built from the published rates in
// rates-2Q2026.tsv, a record file of a Quebec carrier and one of a US carrier, and a CSV
// file to import with the default import options (date, state, fuel in litres,
// odometer in km, header line). Every file is written by the program's own code, so
// the samples are exactly the program's format.
//
// usage: samplegen RATES.tsv OUTDIR

#include "formats/recordfile.h"
#include "formats/taxfile.h"
#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "platform/cp1252.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"
#include "records/entryresolver.h"
#include "records/units.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

// The tables of both unit systems, filled in the order of the rates file: each
// jurisdiction under its name and code, each surcharge right after its state, named
// "KY Surcharge" and abbreviated "KYS" so that it cannot be taken for a state.
bool readRates(const std::string &path, TaxRateTable &canada, TaxRateTable &us)
{
    std::ifstream in(path);
    if (!in) {
        std::cerr << "samplegen: cannot read " << path << '\n';
        return false;
    }
    std::string line;
    int slot = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cells;
        std::stringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');)
            cells.push_back(cell);
        if (cells.size() < 8 || slot >= TaxRateTable::kSlotCount) {
            std::cerr << "samplegen: unexpected line: " << line << '\n';
            return false;
        }
        const bool surcharge = cells[2] == "surcharge";
        TaxRate rate;
        rate.name = surcharge ? cells[0] + " Surcharge" : Utf8ToCp1252(cells[1]);
        rate.abbreviation = surcharge ? cells[0] + "S" : cells[0];
        rate.surcharge = surcharge ? 1 : 0;
        rate.slot = slot;
        TaxRate usRate = rate;
        usRate.gasolineRate = TextToDecimal<4>(cells[4]);
        usRate.dieselRate = TextToDecimal<4>(cells[5]);
        rate.gasolineRate = TextToDecimal<4>(cells[6]);
        rate.dieselRate = TextToDecimal<4>(cells[7]);
        canada[slot] = rate;
        us[slot] = usRate;
        ++slot;
    }
    return true;
}

// One trip as the carrier noted it: the jurisdiction's abbreviation, the distance, the
// fuel bought and whether it was noted in miles and US gallons.
struct Trip {
    const char *date;
    const char *abbreviation;
    uint32_t distance;
    int64_t fuel; // hundredths
    bool imperial;
};

// Appends the trips as trip lines with running odometer readings (the odometer counts
// kilometres for the Quebec truck, miles for the US one), and the surcharge line after
// each line whose jurisdiction has one.
void addTrips(CIftaDoc &doc, const std::vector<Trip> &trips, bool odometerInMiles)
{
    const TaxRateTable &table = doc.taxTable();
    int32_t odometer = doc.company().startOdometer;
    std::vector<TripEntry> lines;
    for (const Trip &trip : trips) {
        TripEntry entry;
        entry.tripNumber = static_cast<int32_t>(lines.size()) + 1;
        entry.date = trip.date;
        const EntryUnits units{trip.imperial ? 1 : 0, trip.imperial ? 1 : 0};
        if (!ResolveEntry(entry, trip.abbreviation, table, doc.isDiesel(), units)) {
            std::cerr << "samplegen: no slot for " << trip.abbreviation << '\n';
            continue;
        }
        entry.distance = trip.distance;
        entry.fuel = Hundredths{trip.fuel};
        // The odometer runs in the truck's own unit, whatever unit a line was noted in.
        uint32_t run = trip.distance;
        if (trip.imperial != odometerInMiles)
            run = ConvertDistance(trip.distance, trip.imperial ? 1 : 0,
                                  odometerInMiles ? "US" : "Canada");
        entry.odometerIn = odometer;
        entry.odometerOut = odometer + static_cast<int32_t>(run);
        odometer = entry.odometerOut;
        lines.push_back(entry);

        const int surchargeSlot = FindSurchargeSlot(entry, table);
        if (surchargeSlot >= 0) {
            TripEntry extra = entry;
            extra.tripNumber = entry.tripNumber + 1;
            extra.slot = surchargeSlot;
            extra.rate = SlotRate(table[surchargeSlot], doc.isDiesel());
            extra.surcharge = table[surchargeSlot].surcharge;
            extra.fuel = Hundredths{0};
            lines.push_back(extra);
        }
    }
    doc.replaceEntries(std::move(lines));
}

void fillQuebecCarrier(CIftaDoc &doc)
{
    CompanyInfo c;
    c.companyName = Utf8ToCp1252("Transport Boréal inc.");
    c.address = "1250, rue Notre-Dame Ouest";
    c.city = Utf8ToCp1252("Montréal");
    c.provinceState = "QC";
    c.country = "Canada";
    c.postalCode = "H3C 1K3";
    c.phone = "(514) 555-0142";
    c.iftaNumber = "1234567890QC";
    c.notes = "Tractor 12, Volvo VNL\r\nDriver: M. Tremblay";
    c.startOdometer = 412350;
    c.useOdometer = 1;
    c.periodFrom = PeriodDate{2026, 4, 1};
    c.periodTo = PeriodDate{2026, 6, 30};
    c.setFuelCode(FuelCodeDiesel);
    doc.setCompany(c);
    doc.setRecordPeriod(TaxPeriod{2026, 2, "Canada"});

    const std::vector<Trip> trips = {
        {"2026/04/02", "QC", 232, 45500, false}, {"2026/04/03", "ON", 818, 38050, false},
        {"2026/04/04", "MI", 412, 0, false},     {"2026/04/05", "OH", 371, 40225, false},
        {"2026/04/05", "KY", 289, 0, false},     {"2026/04/06", "TN", 264, 41800, false},
        {"2026/04/08", "VA", 333, 0, false},     {"2026/04/09", "PA", 392, 35075, false},
        {"2026/04/10", "NY", 421, 0, false},     {"2026/04/11", "QC", 309, 28140, false},
        {"2026/05/12", "QC", 448, 40200, false}, {"2026/05/13", "NB", 377, 0, false},
        {"2026/05/14", "ME", 185, 9650, true},   {"2026/05/14", "NH", 61, 0, false},
        {"2026/05/15", "MA", 142, 0, false},     {"2026/05/16", "NY", 376, 38810, false},
        {"2026/05/17", "QC", 215, 0, false},     {"2026/06/09", "QC", 512, 29830, false},
        {"2026/06/10", "ON", 640, 40560, false}, {"2026/06/11", "QC", 187, 0, false},
    };
    addTrips(doc, trips, false);
}

void fillUsCarrier(CIftaDoc &doc)
{
    CompanyInfo c;
    c.companyName = "Prairie Line Freight LLC";
    c.address = "4120 SE 14th Street";
    c.city = "Des Moines";
    c.provinceState = "IA";
    c.country = "US";
    c.postalCode = "50320";
    c.phone = "(515) 555-0187";
    c.iftaNumber = "IA 421987650";
    c.notes = "Unit 7, Freightliner Cascadia";
    c.startOdometer = 268940;
    c.useOdometer = 1;
    c.periodFrom = PeriodDate{2026, 4, 1};
    c.periodTo = PeriodDate{2026, 6, 30};
    c.setFuelCode(FuelCodeDiesel);
    doc.setCompany(c);
    doc.setRecordPeriod(TaxPeriod{2026, 2, "US"});

    const std::vector<Trip> trips = {
        {"2026/04/06", "IA", 148, 7300, true}, {"2026/04/06", "IL", 301, 0, true},
        {"2026/04/07", "IN", 156, 6540, true}, {"2026/04/07", "KY", 192, 0, true},
        {"2026/04/08", "TN", 224, 7780, true}, {"2026/04/09", "AR", 286, 0, true},
        {"2026/04/10", "MO", 310, 8650, true}, {"2026/04/11", "IA", 174, 0, true},
        {"2026/05/18", "IA", 121, 5430, true}, {"2026/05/18", "NE", 455, 8280, true},
        {"2026/05/19", "WY", 402, 0, true},    {"2026/05/20", "CO", 237, 6690, true},
        {"2026/05/21", "KS", 424, 7710, true}, {"2026/05/22", "MO", 198, 0, true},
        {"2026/05/22", "IA", 166, 0, true},
    };
    addTrips(doc, trips, true);
}

// The CSV of a second Quebec truck: date, state, litres bought and odometer in (km),
// with a heading line; the import works out distances from the odometer readings and
// adds the KY surcharge line itself. The last line only closes the last odometer run.
std::string sampleCsv()
{
    return "Date,State,Fuel (L),Odometer IN\n"
           "2026/04/14,QC,410.50,188420\n"
           "2026/04/15,ON,365.00,188655\n"
           "2026/04/16,MI,0,189470\n"
           "2026/04/16,IN,298.20,189880\n"
           "2026/04/17,KY,0,190101\n"
           "2026/04/17,TN,402.75,190396\n"
           "2026/04/18,KY,0,190662\n"
           "2026/04/18,OH,311.00,190944\n"
           "2026/04/19,PA,0,191313\n"
           "2026/04/19,NY,354.40,191710\n"
           "2026/04/20,QC,0,192133\n"
           "2026/04/20,QC,0,192420\n";
}

bool report(const Result &result, const std::string &path)
{
    if (!result)
        std::cerr << "samplegen: " << path << ": " << result.message << '\n';
    else
        std::cout << "wrote " << path << '\n';
    return result.ok();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: samplegen RATES.tsv OUTDIR\n";
        return 2;
    }
    const std::string out = argv[2];
    TaxRateTable canadianSlots;
    TaxRateTable usSlots;
    if (!readRates(argv[1], canadianSlots, usSlots))
        return 1;
    LoadedTaxTable canadian;
    LoadedTaxTable us;
    canadian.replaceFromFile(canadianSlots);
    us.replaceFromFile(usSlots);

    bool ok =
        report(WriteTaxFile(out + "/ifta.itx", canadian.table(), TaxPeriod{2026, 2, "Canada"}),
               out + "/ifta.itx");
    ok &= report(WriteTaxFile(out + "/ifta-us.itx", us.table(), TaxPeriod{2026, 2, "US"}),
                 out + "/ifta-us.itx");

    CIftaDoc quebec(&canadian);
    fillQuebecCarrier(quebec);
    ok &= report(WriteRecordFile(quebec, out + "/sample.irc"), out + "/sample.irc");

    CIftaDoc american(&us);
    fillUsCarrier(american);
    ok &= report(WriteRecordFile(american, out + "/sample-us.irc"), out + "/sample-us.irc");

    ok &= report(SafeFile::writeAll(out + "/sample.csv", sampleCsv()), out + "/sample.csv");
    return ok ? 0 : 1;
}
