#include "views/listcolumndata.h"

#include "dialogs/dialogtext.h"
#include "ui/localnumbers.h"
#include "views/ciftaview.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>

namespace {

QVariant Alignment(bool left)
{
    return QVariant::fromValue(Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignRight));
}

// The heading in the interface's language (the columns' tables mark their headings for
// the catalogue in the context "ListColumns").
QString HeadingText(const ListColumn &column)
{
    return QCoreApplication::translate("ListColumns", column.heading.c_str());
}

int TextWidth(const QString &text)
{
    return QFontMetrics(QGuiApplication::font()).horizontalAdvance(text);
}

// The width the view gives the column: its own, or its heading's when that is wider and
// the list widens to headings.
int ShownWidth(const ListColumn &column, bool widenToHeading)
{
    if (!widenToHeading)
        return column.width;
    // The long distance headings would be cut at their nominal widths on most fonts.
    return std::max(column.width, TextWidth(HeadingText(column)) + 16);
}

// Room a cell takes beside its text: the list's margins on both sides.
constexpr int kCellMargins = 8;

} // namespace

QVariant ListColumnData::Cell(const std::vector<ListColumn> &columns, int column,
                              const std::string &text, QRgb background, int role,
                              bool widenToHeading)
{
    switch (role) {
    case Qt::DisplayRole: {
        // The lists' own words ("Total", "Invalid", "(none)") are in the catalogue beside
        // the headings; the record's texts are not, and stay as they are.
        const bool ascii = std::all_of(text.begin(), text.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (ascii && !text.empty()) {
            const QString shown = QCoreApplication::translate("ListColumns", text.c_str());
            if (shown != QLatin1String(text.c_str()))
                return shown;
        }
        // Figures (right-aligned columns) in the interface's way of writing numbers.
        if (column >= 0 && static_cast<size_t>(column) < columns.size() &&
            !columns[static_cast<size_t>(column)].leftAligned)
            return ShownNumber(text);
        return FromBytes(text);
    }
    case Qt::ToolTipRole: {
        // Columns keep their widths; a text they cut ("New Hampshire" in a 100-pixel
        // column) is shown whole under the pointer.
        if (column < 0 || static_cast<size_t>(column) >= columns.size() || text.empty())
            return {};
        const QString shown = FromBytes(text);
        const int room = ShownWidth(columns[static_cast<size_t>(column)], widenToHeading);
        return TextWidth(shown) + kCellMargins > room ? QVariant(shown) : QVariant();
    }
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
        return HeadingText(column);
    if (role == Qt::TextAlignmentRole)
        return Alignment(column.leftAligned);
    if (role == kColumnWidthRole)
        return ShownWidth(column, widenToHeading);
    return {};
}
