// The rules that hold the trip lines against the loaded tax-rate table: the rates they
// carry (against the table's and against each other), and the surcharge lines a
// jurisdiction with a surcharge needs.

#include "check/checkrules.h"

#include "numbers/decimaltext.h"
#include "numbers/uitext.h"

#include "records/ciftadoc.h"
#include "records/entryresolver.h"

#include <algorithm>
#include <array>
#include <vector>

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
        const std::string tableRate =
            UiNumber(FormatFixed(TenThousandths{tableRates[static_cast<size_t>(slot)]}));
        const std::string firstRate = UiNumber(FormatFixed(TenThousandths{d.firstRate}));
        const std::string message =
            d.count == 1
                ? UiArgs(UiText("CheckRules", "1 trip line carries %1, the loaded table %2"),
                         {firstRate, tableRate})
                : UiArgs(
                      UiText("CheckRules", "%1 trip lines carry a rate other than the loaded "
                                           "table's %2 (trip %3: %4)"),
                      {std::to_string(d.count), tableRate, std::to_string(d.firstTrip), firstRate});
        out.push_back({CheckRule::RateDiffers, d.firstTrip, context.abbreviation(slot), message});
    }
}

namespace {

// One rate the lines of a slot carry: how many lines, and the first of them in trip
// order.
struct RateUse {
    int64_t rate = 0;
    size_t lines = 0;
    int32_t firstTrip = 0;
};

std::string RateUseText(const RateUse &use)
{
    return use.lines == 1 ? UiArgs(UiText("CheckRules", "%1 on 1 line (trip %2)"),
                                   {UiNumber(FormatFixed(TenThousandths{use.rate})),
                                    std::to_string(use.firstTrip)})
                          : UiArgs(UiText("CheckRules", "%1 on %2 lines (from trip %3)"),
                                   {UiNumber(FormatFixed(TenThousandths{use.rate})),
                                    std::to_string(use.lines), std::to_string(use.firstTrip)});
}

} // namespace

void CheckRateMixed(const CheckContext &context, Findings &out)
{
    // The lines the report counts, in record order: the last one's rate is the row's.
    std::array<std::vector<RateUse>, TaxRateTable::kSlotCount> uses{};
    std::array<int64_t, TaxRateTable::kSlotCount> lastRate{};
    for (const TripEntry &line : context.doc.entries()) {
        if (!TaxRateTable::isValidSlot(line.slot))
            continue;
        const int64_t rate = EntryRate(line);
        // The kilometre report leaves out lines of rate 0 (ReportSums): they are taxed at
        // no rate of the row.
        if (context.metric && rate == 0)
            continue;
        const auto slot = static_cast<size_t>(line.slot);
        lastRate[slot] = rate;
        std::vector<RateUse> &slotUses = uses[slot];
        auto use = std::find_if(slotUses.begin(), slotUses.end(),
                                [rate](const RateUse &u) { return u.rate == rate; });
        if (use == slotUses.end()) {
            slotUses.push_back({rate, 0, line.tripNumber});
            use = slotUses.end() - 1;
        }
        ++use->lines;
        use->firstTrip = std::min(use->firstTrip, line.tripNumber);
    }
    for (int slot = 0; slot < TaxRateTable::kSlotCount; ++slot) {
        std::vector<RateUse> &slotUses = uses[static_cast<size_t>(slot)];
        if (slotUses.size() < 2)
            continue;
        std::stable_sort(slotUses.begin(), slotUses.end(), [](const RateUse &a, const RateUse &b) {
            return a.firstTrip < b.firstTrip;
        });
        const std::string name =
            context.name(slot).empty()
                ? UiArgs(UiText("CheckRules", "slot %1"), {std::to_string(slot)})
                : context.name(slot);
        std::string rates;
        for (const RateUse &use : slotUses)
            rates += (rates.empty() ? "" : ", ") + RateUseText(use);
        out.push_back(
            {CheckRule::RateMixed, slotUses[1].firstTrip, context.abbreviation(slot),
             UiArgs(UiText("CheckRules", "Trip lines in %1 carry %2 rates: %3; the "
                                         "report taxes the row at %4, its last line's"),
                    {name, std::to_string(slotUses.size()), rates,
                     UiNumber(FormatFixed(TenThousandths{lastRate[static_cast<size_t>(slot)]}))})});
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
        out.push_back(
            {CheckRule::SurchargeMissing, 0, context.abbreviation(slot),
             UiArgs(UiText("CheckRules", "%1 %2 driven in %3, %4 %2 on its %5 lines"),
                    {UiNumber(GroupedDecimalText(driven, 0)), unit, context.name(slot),
                     UiNumber(GroupedDecimalText(surcharged, 0)), context.name(surchargeSlot)})});
    }
}

void CheckSlotOutsideTable(const CheckContext &context, Findings &out)
{
    size_t count = 0;
    const TripEntry *first = nullptr;
    for (const TripEntry &line : context.doc.entries()) {
        if (TaxRateTable::isValidSlot(line.slot))
            continue;
        ++count;
        if (!first || line.tripNumber < first->tripNumber)
            first = &line;
    }
    if (count == 0)
        return;
    const std::string message =
        count == 1
            ? UiArgs(UiText("CheckRules", "1 trip line names a jurisdiction slot outside the "
                                          "tax-rate table (trip %1: slot %2); the report leaves "
                                          "them out."),
                     {std::to_string(first->tripNumber), std::to_string(first->slot)})
            : UiArgs(UiText("CheckRules", "%1 trip lines name a jurisdiction slot outside the "
                                          "tax-rate table (trip %2: slot %3); the report leaves "
                                          "them out."),
                     {std::to_string(count), std::to_string(first->tripNumber),
                      std::to_string(first->slot)});
    out.push_back({CheckRule::SlotOutsideTable, first->tripNumber, std::string(), message});
}
