#include "records/taxlist.h"

#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "numbers/uitext.h"

#include <string>

std::vector<ListColumn> TaxListColumns()
{
    return {
        {UI_TEXT_NOOP("ListColumns", "Index"), 40, true},
        {UI_TEXT_NOOP("ListColumns", "State"), 150, true},
        {UI_TEXT_NOOP("ListColumns", "Abbrev"), 60, true},
        {UI_TEXT_NOOP("ListColumns", "Diesel tax"), 100, false},
        {UI_TEXT_NOOP("ListColumns", "Gas tax"), 100, false},
        {UI_TEXT_NOOP("ListColumns", "SurTax"), 60, false},
    };
}

bool IsTaxTableLoaded(const TaxRateTable &table)
{
    return table[1].slot != 0;
}

int ShownTaxSlotCount(const TaxRateTable &table)
{
    if (!IsTaxTableLoaded(table))
        return 0;
    // Slot 0 is shown whatever its name; the list goes on while the next slot is named.
    int count = 1;
    while (count < TaxRateTable::kSlotCount && !table[count].name.empty())
        ++count;
    return count;
}

ListLine TaxListLine(const TaxRate &rate)
{
    ListLine line(TaxColumnCount);
    line[TaxColumnIndex] = std::to_string(static_cast<long long>(rate.slot) + 1);
    line[TaxColumnState] = rate.name;
    line[TaxColumnAbbrev] = rate.abbreviation;
    line[TaxColumnDiesel] = FormatFixed(rate.dieselRate);
    line[TaxColumnGasoline] = FormatFixed(rate.gasolineRate);
    line[TaxColumnSurtax] = rate.surcharge == 1 ? "X" : "";
    return line;
}
