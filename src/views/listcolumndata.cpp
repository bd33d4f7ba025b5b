#include "views/listcolumndata.h"

#include "dialogs/dialogtext.h"
#include "views/ciftaview.h"

#include <QBrush>
#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>

namespace {

QVariant Alignment(bool left)
{
    return QVariant::fromValue(Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignRight));
}

} // namespace

QVariant ListColumnData::Cell(const std::vector<ListColumn> &columns, int column,
                              const std::string &text, QRgb background, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return FromBytes(text);
    case Qt::TextAlignmentRole:
        return Alignment(column >= 0 && static_cast<size_t>(column) < columns.size() &&
                         columns[static_cast<size_t>(column)].leftAligned);
    case Qt::BackgroundRole:
        return QBrush(QColor::fromRgb(background));
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    default:
        return {};
    }
}

QVariant ListColumnData::Heading(const std::vector<ListColumn> &columns, int section, int role,
                                 bool widenToHeading)
{
    if (section < 0 || static_cast<size_t>(section) >= columns.size())
        return {};
    const ListColumn &column = columns[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole)
        return FromBytes(column.heading);
    if (role == Qt::TextAlignmentRole)
        return Alignment(column.leftAligned);
    if (role == kColumnWidthRole) {
        if (!widenToHeading)
            return column.width;
        // The long distance headings would be cut at their nominal widths on most fonts.
        const int heading =
            QFontMetrics(QGuiApplication::font()).horizontalAdvance(FromBytes(column.heading)) + 16;
        return std::max(column.width, heading);
    }
    return {};
}
