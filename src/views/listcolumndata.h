#pragma once

#include "records/listcolumn.h"

#include <QRgb>
#include <QVariant>

#include <string>
#include <vector>

// What the report and tax-rate models answer for a cell and a heading: the column's
// text, its alignment, the mode's background colour with black text, a tooltip for a
// text its column cuts, and the column width the view sizes itself by. Only the texts
// and the colour differ between them.
namespace ListColumnData {

// A cell's `role` for the text `text` in column `column`; empty for any other role. The
// tooltip is the whole text when the column is too narrow for it (`widenToHeading` as
// for Heading), else empty.
QVariant Cell(const std::vector<ListColumn> &columns, int column, const std::string &text,
              QRgb background, int role, bool widenToHeading = false);

// A heading's `role`, or an invalid value when the section has no column. With
// `widenToHeading` a column is never narrower than its heading in the current font.
QVariant Heading(const std::vector<ListColumn> &columns, int section, int role,
                 bool widenToHeading);

} // namespace ListColumnData
