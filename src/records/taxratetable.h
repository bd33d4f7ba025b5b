#pragma once

#include "records/taxrate.h"

#include <array>

// The program-wide table of the quarter's tax rates: exactly 72 slots. Its jurisdictions,
// their order and names come only from tax-rate files; trip lines refer to them by slot.
class TaxRateTable
{
public:
    static constexpr int kSlotCount = 72;

    TaxRate &operator[](int slot) { return slots_[static_cast<size_t>(slot)]; }
    const TaxRate &operator[](int slot) const { return slots_[static_cast<size_t>(slot)]; }

    // True for 0..71; everything else names no slot.
    static bool isValidSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

    // Number of slots in use: the position of the first slot whose abbreviation is empty.
    int usedCount() const;

    // First slot whose abbreviation equals `abbreviation` exactly, or -1.
    int findAbbreviation(const std::string &abbreviation) const;

    // Every slot back to empty texts and zero rates.
    void clear();

    bool operator==(const TaxRateTable &o) const { return slots_ == o.slots_; }
    bool operator!=(const TaxRateTable &o) const { return !(*this == o); }

private:
    std::array<TaxRate, kSlotCount> slots_{};
};
