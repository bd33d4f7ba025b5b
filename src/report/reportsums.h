#pragma once

#include "records/taxratetable.h"
#include "records/tripentry.h"
#include "records/units.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Distance of a trip line in the report's unit. Kilometres from miles are rounded to the
// nearest whole kilometre; miles from kilometres are cut off, as the return has always
// been computed.
inline uint32_t ReportDistance(const TripEntry &entry, bool metric)
{
    if (metric)
        return entry.distanceInMiles ? MilesToKilometres(entry.distance) : entry.distance;
    return entry.distanceInMiles ? entry.distance : KilometresToMilesTruncated(entry.distance);
}

// What the report is made of, summed line by line: per slot the distance in the report's
// unit and the fuel as entered (litres and gallons apart, so each is converted once,
// exactly), and the rate and surcharge flag of the last line that counted (in record
// order), which decide the row's: a jurisdiction whose lines carry different rates is
// taxed at its last line's (`mixedRates`, told by ReportMixedRatesNotice). The lines may
// come all at once (a document's) or a block at a time as a file is read: the sums are
// the same.
class ReportSums
{
public:
    struct Slot {
        uint32_t distance = 0; // adds up as an unsigned 32-bit number, as it always has
        int64_t litres = 0;
        int64_t gallons = 0;
        bool counted = false; // some line counted for the slot
        TenThousandths lastRate;
        int32_t lastSurcharge = 0;
        bool mixedRates = false; // lines that counted carry different rates
    };

    // For a report in kilometres and litres (`metric`, a Canadian carrier's) or in miles
    // and US gallons.
    explicit ReportSums(bool metric) : metric_(metric) {}

    void add(const TripEntry &entry)
    {
        ++lines_;
        // A line naming no slot of the table (a damaged file) counts nowhere; it is told.
        if (!TaxRateTable::isValidSlot(entry.slot)) {
            ++outsideTable_;
            return;
        }
        // The kilometre report has always left out lines whose stored rate is exactly
        // zero; the mile report does not look at the rate.
        if (metric_ && entry.rate.isZero())
            return;
        Slot &slot = slots_[static_cast<size_t>(entry.slot)];
        slot.distance += ReportDistance(entry, metric_);
        (entry.fuelInGallons ? slot.gallons : slot.litres) += entry.fuel.units;
        if (slot.counted && entry.rate != slot.lastRate)
            slot.mixedRates = true;
        slot.counted = true;
        slot.lastRate = entry.rate;
        slot.lastSurcharge = entry.surcharge;
    }
    void add(const std::vector<TripEntry> &entries)
    {
        for (const TripEntry &entry : entries)
            add(entry);
    }

    bool metric() const { return metric_; }
    // The lines added, whether they counted or not.
    size_t lines() const { return lines_; }
    // The lines left out because their slot lies outside the table.
    size_t linesOutsideTable() const { return outsideTable_; }
    const Slot &slot(int slot) const { return slots_[static_cast<size_t>(slot)]; }

private:
    bool metric_;
    size_t lines_ = 0;
    size_t outsideTable_ = 0;
    std::array<Slot, TaxRateTable::kSlotCount> slots_{};
};
