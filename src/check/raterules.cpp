// The rules that hold the trip lines against the loaded tax-rate table: the rates they
// carry, and the surcharge lines a jurisdiction with a surcharge needs.

#include "check/checkrules.h"

#include "numbers/decimaltext.h"

#include "records/ciftadoc.h"
#include "records/entryresolver.h"

#include <array>

namespace {

// The lines of one slot whose rate differs from the table's: how many, and the first in
// trip order with the rate it carries.
struct RateDifference {
    size_t count = 0;
    int32_t firstTrip = 0;
    int64_t firstRate = 0;
};

} // namespace

void CheckRateDiffers(const CheckContext &context, Findings &out)
{
    const TaxRateTable &table = context.rates.table();
    const bool diesel = context.doc.isDiesel();
    std::array<int64_t, TaxRateTable::kSlotCount> tableRates{};
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot)
        tableRates[static_cast<size_t>(slot)] = SlotRateUnits(table[slot], diesel);

    // Surcharge lines carry their own slot's rate, so every line is held against its slot.
    std::array<RateDifference, TaxRateTable::kSlotCount> differences{};
    const CIftaDoc::Entries &entries = context.doc.entries();
    for (const TripEntry &line : entries) {
        if (!TaxRateTable::isValidSlot(line.slot))
            continue;
        const int64_t rate = EntryRate(line);
        if (rate == tableRates[static_cast<size_t>(line.slot)])
            continue;
        RateDifference &d = differences[static_cast<size_t>(line.slot)];
        if (d.count == 0 || line.tripNumber < d.firstTrip) {
            d.firstTrip = line.tripNumber;
            d.firstRate = rate;
        }
        ++d.count;
    }
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        const RateDifference &d = differences[static_cast<size_t>(slot)];
        if (d.count == 0)
            continue;
        const std::string lines =
            d.count == 1 ? std::string("1 trip line carries ")
                         : std::to_string(d.count) + " trip lines carry a rate other than ";
        const std::string tableRate =
            FormatFixed(TenThousandths{tableRates[static_cast<size_t>(slot)]});
        const std::string message = d.count == 1
                                        ? lines + FormatFixed(TenThousandths{d.firstRate}) +
                                              ", the loaded table " + tableRate
                                        : lines + "the loaded table's " + tableRate + " (trip " +
                                              std::to_string(d.firstTrip) + ": " +
                                              FormatFixed(TenThousandths{d.firstRate}) + ")";
        out.push_back({CheckRule::RateDiffers, d.firstTrip, context.abbreviation(slot), message});
    }
}

void CheckSurchargeMissing(const CheckContext &context, Findings &out)
{
    const TaxRateTable &table = context.rates.table();
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        if (table[slot].surcharge || table[slot].abbreviation.empty())
            continue;
        TripEntry probe;
        probe.slot = slot;
        const int surchargeSlot = FindSurchargeSlot(probe, table);
        if (surchargeSlot < 0)
            continue;
        // A surcharge of rate 0 (Indiana's since it ended) is owed on no distance, and its
        // lines drop out of the kilometre report: nothing can be missing.
        const TaxRate &surcharge = table[surchargeSlot];
        if ((context.doc.isDiesel() ? surcharge.dieselRate : surcharge.gasolineRate).isZero())
            continue;
        const uint32_t driven = context.figures.slots[static_cast<size_t>(slot)].distance;
        const uint32_t surcharged =
            context.figures.slots[static_cast<size_t>(surchargeSlot)].distance;
        if (driven == surcharged)
            continue;
        const char *unit = context.distanceUnit();
        out.push_back({CheckRule::SurchargeMissing, 0, context.abbreviation(slot),
                       GroupedDecimalText(driven, 0) + " " + unit + " driven in " +
                           context.name(slot) + ", " + GroupedDecimalText(surcharged, 0) + " " +
                           unit + " on its " + context.name(surchargeSlot) + " lines"});
    }
}
