#include "views/centrylistctrl.h"

#include "records/ciftadoc.h"
#include "records/cp1252.h"
#include "records/entrylist.h"
#include "records/textnumber.h"
#include "session/programstate.h"
#include "views/ciftaview.h"
#include "views/listcolumndata.h"

#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cctype>

int32_t EntrySortKey(int column, const std::string &text)
{
    if (column != EntryColumnState && column != EntryColumnAbbrev)
        return TextToInt(text);
    // The first four letters, reversed in place and read little-endian: the first
    // letter lands in the most significant byte. A shorter text is reversed over its own
    // length, so its letters sit lower in the number.
    unsigned char bytes[4] = {0, 0, 0, 0};
    const size_t length = std::min<size_t>(text.size(), 4);
    for (size_t i = 0; i < length && text[i] != '\0'; ++i)
        bytes[i] = static_cast<unsigned char>(text[i]);
    size_t used = 0;
    while (used < 4 && bytes[used] != 0)
        ++used;
    std::reverse(bytes, bytes + used);
    for (unsigned char &b : bytes) {
        if (b >= 'a' && b <= 'z')
            b = static_cast<unsigned char>(b - 'a' + 'A');
    }
    const uint32_t value = static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                           static_cast<uint32_t>(bytes[2]) << 16 |
                           static_cast<uint32_t>(bytes[3]) << 24;
    return static_cast<int32_t>(value);
}

CEntryListCtrl::CEntryListCtrl(CIftaDoc &doc, ProgramState &state, QObject *parent)
    : QAbstractTableModel(parent)
    , doc_(doc)
    , state_(state)
{
    columns_ = EntryListColumns(doc_.company().country);
}

int CEntryListCtrl::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int CEntryListCtrl::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

std::string CEntryListCtrl::text(int row, int column) const
{
    if (row < 0 || static_cast<size_t>(row) >= order_.size() || column < 0 ||
        column >= EntryColumnCount)
        return {};
    const size_t entry = order_[static_cast<size_t>(row)];
    if (entry >= doc_.entries().size())
        return {};
    if (entry != cachedEntry_) {
        cachedLine_ = EntryListLine(doc_.entries()[entry], doc_.taxTable(), doc_.company().country);
        cachedEntry_ = entry;
    }
    return cachedLine_[static_cast<size_t>(column)];
}

QVariant CEntryListCtrl::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(Cp1252ToUtf8(text(index.row(), index.column())));
    case Qt::TextAlignmentRole: {
        const bool left = columns_[static_cast<size_t>(index.column())].leftAligned;
        return QVariant::fromValue(Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignRight));
    }
    case Qt::BackgroundRole:
        return QColor(QRgb(kBackground));
    default:
        return {};
    }
}

QVariant CEntryListCtrl::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    const QVariant answer = ListColumnData::Heading(columns_, section, role, true);
    if (role == kColumnWidthRole && section == EntryColumnDate) {
        // A whole date, not only its heading, must fit in the date column.
        const int date =
            QFontMetrics(QGuiApplication::font()).horizontalAdvance(QStringLiteral("0000/00/00")) +
            16;
        return std::max(answer.toInt(), date);
    }
    return answer;
}

void CEntryListCtrl::SetColumns()
{
    beginResetModel();
    columns_ = EntryListColumns(doc_.company().country);
    state_.entryUnits = EntryUnitsForCountry(doc_.company().country);
    cachedEntry_ = SIZE_MAX;
    endResetModel();
}

void CEntryListCtrl::Fill()
{
    beginResetModel();
    order_.resize(doc_.entries().size());
    for (size_t i = 0; i < order_.size(); ++i)
        order_[i] = i;
    shownCount_ = static_cast<int>(order_.size());
    cachedEntry_ = SIZE_MAX;
    endResetModel();
}

int CEntryListCtrl::TripNumberAt(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= order_.size())
        return -1;
    return TextToInt(text(row, EntryColumnTrip));
}

int CEntryListCtrl::entryAtRow(int row) const
{
    return doc_.findTripNumber(TripNumberAt(row));
}

int CEntryListCtrl::rowOfEntry(size_t position) const
{
    for (size_t row = 0; row < order_.size(); ++row) {
        if (order_[row] == position)
            return static_cast<int>(row);
    }
    return -1;
}

int CEntryListCtrl::entryAppended()
{
    const int row = static_cast<int>(order_.size());
    beginInsertRows(QModelIndex(), row, row);
    order_.push_back(doc_.entries().size() - 1);
    ++shownCount_;
    endInsertRows();
    return row;
}

void CEntryListCtrl::entriesChanged()
{
    cachedEntry_ = SIZE_MAX;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void CEntryListCtrl::SortByColumn(int column)
{
    if (column < 0 || column >= EntryColumnCount)
        return;
    int32_t &direction = state_.entrySortDirection;
    direction = direction == 0 ? -1 : 0;
    const int keyColumn = column == EntryColumnAbbrev ? EntryColumnState : column;
    std::vector<std::pair<int32_t, size_t>> keyed(order_.size());
    for (size_t row = 0; row < order_.size(); ++row)
        keyed[row] = {EntrySortKey(column, text(static_cast<int>(row), keyColumn)), order_[row]};
    const bool ascending = direction != 0;
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto &a, const auto &b) {
        return ascending ? a.first < b.first : a.first > b.first;
    });
    beginResetModel();
    for (size_t row = 0; row < keyed.size(); ++row)
        order_[row] = keyed[row].second;
    cachedEntry_ = SIZE_MAX;
    endResetModel();
}
