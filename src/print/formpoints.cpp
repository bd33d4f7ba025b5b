#include "print/formpoints.h"

namespace FormGrid {

namespace {

// The column lines shared by the heading band and the row slots, after the left edge.
constexpr int kColumnLines[] = {144, 174, 234, 294, 336, 396, 468, 522, 572, 636, 703};

// A box from `top` to `bottom` over the whole table width, then down and up along every
// column line: (18,t) (773,t) (773,u) (18,u) (18,t) (144,t) (144,u) (174,u) (174,t) ...
FormPoints TableBox(int top, int bottom)
{
    FormPoints points{{18, top}, {773, top}, {773, bottom}, {18, bottom}, {18, top}};
    bool atTop = true;
    for (int x : kColumnLines) {
        const int from = atTop ? top : bottom;
        const int to = atTop ? bottom : top;
        points.push_back({x, from});
        points.push_back({x, to});
        atTop = !atTop;
    }
    points.push_back(kFormPointsEnd);
    return points;
}

// A box x1..x2 x 122..174 split at y 152, as the fleet-average boxes are drawn.
FormPoints SplitBox(int x1, int x2)
{
    return {{x1, 122}, {x2, 122}, {x2, 152}, {x1, 152}, {x1, 174},
            {x2, 174}, {x2, 152}, {x1, 152}, {x1, 122}, kFormPointsEnd};
}

// A totals box x1..x2 x c..c+80 with column lines at a and b and rows at c+26, c+52.
FormPoints ThreeLineBox(int c, int x1, int a, int b, int x2)
{
    return {{x1, c},      {x2, c},      {x2, c + 80}, {x1, c + 80}, {x1, c},
            {a, c},       {a, c + 80},  {b, c + 80},  {b, c},       {x2, c},
            {x2, c + 26}, {x1, c + 26}, {x1, c + 52}, {x2, c + 52}, kFormPointsEnd};
}

} // namespace

const FormPoints &HeaderCells()
{
    static const FormPoints points{{18, 90},  {108, 90},  {108, 115}, {480, 115}, {480, 90},
                                   {108, 90}, {108, 115}, {18, 115},  {18, 90},   kFormPointsEnd};
    return points;
}

const FormPoints &FuelBox()
{
    static const FormPoints points{{492, 77}, {773, 77}, {773, 116},    {492, 116},
                                   {492, 92}, {492, 77}, kFormPointsEnd};
    return points;
}

const FormPoints &AverageBox(char box)
{
    static const FormPoints a = SplitBox(18, 160);
    static const FormPoints b = SplitBox(175, 310);
    static const FormPoints c = SplitBox(322, 454);
    static const FormPoints d = SplitBox(466, 672);
    static const FormPoints e = SplitBox(684, 773);
    static const FormPoints none;
    switch (box) {
    case 'A':
        return a;
    case 'B':
        return b;
    case 'C':
        return c;
    case 'D':
        return d;
    case 'E':
        return e;
    default:
        return none;
    }
}

const FormPoints &HeadingBand()
{
    static const FormPoints points = TableBox(180, kRowsTop);
    return points;
}

FormPoints RowGrid(int slot, int rowHeight)
{
    return TableBox(kRowsTop + slot * rowHeight, kRowsTop + (slot + 1) * rowHeight);
}

FormPoints TotalsGrid(int c, int part)
{
    switch (part) {
    case 0:
        return ThreeLineBox(c, 18, 174, 234, 294);
    case 1:
        return ThreeLineBox(c, 336, 396, 468, 522);
    case 2:
        return {{572, c}, {773, c},      {773, c + 26}, {572, c + 26}, {572, c},
                {636, c}, {636, c + 26}, {703, c + 26}, {703, c},      kFormPointsEnd};
    default:
        return {};
    }
}

} // namespace FormGrid
