#pragma once

#include "records/listcolumn.h"
#include "records/taxratetable.h"

#include <vector>

// The tax-rate list: the loaded table's slots, one line each, slot 0 first, so that a
// line's position is its slot number. The window's list, the command-line tool and the
// printed tax-rate listing take their columns and texts from here.
enum TaxColumn {
    TaxColumnIndex,
    TaxColumnState,
    TaxColumnAbbrev,
    TaxColumnDiesel,
    TaxColumnGasoline,
    TaxColumnSurtax,
    TaxColumnCount
};

// "Index", "State", "Abbrev" (left-aligned), "Diesel tax", "Gas tax", "SurTax".
std::vector<ListColumn> TaxListColumns();

// A table counts as loaded once slot 1 carries a non-zero index, which reading a tax-rate
// file gives it; before that the list shows nothing.
bool IsTaxTableLoaded(const TaxRateTable &table);

// Number of slots the list shows: none when the table is not loaded; otherwise slot 0
// and every following slot up to the first whose name is empty (at most 72).
int ShownTaxSlotCount(const TaxRateTable &table);

// The six texts of one slot: index + 1, name, abbreviation, both rates with four
// decimals, "X" for a surcharge slot.
ListLine TaxListLine(const TaxRate &rate);
