#pragma once

#include "print/formcanvas.h"

// The fixed point lists of the return forms (both forms share them), each ended by
// (-1, -1) and drawn as connected segments.
namespace FormGrid {

// Top of the first row slot, below the heading band.
constexpr int kRowsTop = 229;

// The two header cells 18..108 and 108..480 from y 90 to 115.
const FormPoints &HeaderCells();
// The fuel box 492..773 x 77..116.
const FormPoints &FuelBox();
// Fleet-average box A to E ('A'..'E'): each split at y 152 from y 122 to 174.
const FormPoints &AverageBox(char box);
// The heading band 18..773 x 180..229 with its column lines.
const FormPoints &HeadingBand();

// The box of row slot j, 16 form units high, with the column lines of the heading band.
FormPoints RowGrid(int slot, int rowHeight = 16);
// Bottom of the last of `rowSlots` slots: the top of the totals block.
inline int TotalsTop(int rowSlots, int rowHeight = 16)
{
    return kRowsTop + rowHeight * rowSlots;
}
// Part 0, 1 or 2 of the totals block below the slots, whose top is `c`.
FormPoints TotalsGrid(int c, int part);

} // namespace FormGrid
