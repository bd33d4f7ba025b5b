#include "views/centrylistctrl.h"

#include "records/ciftadoc.h"
#include "records/cp1252.h"
#include "records/decimaltext.h"
#include "records/entrylist.h"
#include "records/textnumber.h"
#include "session/programstate.h"
#include "views/ciftaview.h"
#include "views/entryrules.h"
#include "views/listcolumndata.h"

#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cctype>

EntrySortKey MakeEntrySortKey(int column, const std::string &text, int32_t tripNumber)
{
    EntrySortKey key;
    key.tripNumber = tripNumber;
    const bool digitsOnly =
        !text.empty() && text.size() < 16 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (column == EntryColumnUnit && digitsOnly) {
        // Units numbered 1, 2 ... 120 sort by their numbers, before named ones.
        key.number = static_cast<double>(std::stoll(text));
    } else if (column == EntryColumnState || column == EntryColumnAbbrev ||
               column == EntryColumnUnit) {
        key.text = text;
        for (char &c : key.text)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else if (column == EntryColumnDate) {
        // "yyyy/mm/dd" as one number, so that the month and the day count too.
        EntryDate date;
        if (ParseEntryDate(text, date))
            key.number = date.year * 10000.0 + date.month * 100.0 + date.day;
    } else {
        key.number = static_cast<double>(TextToDecimal<2>(text).units); // hundredths
    }
    return key;
}

bool EntrySortsBefore(const EntrySortKey &a, const EntrySortKey &b, bool ascending)
{
    const EntrySortKey &first = ascending ? a : b;
    const EntrySortKey &second = ascending ? b : a;
    if (first.text != second.text)
        return first.text < second.text;
    if (first.number != second.number)
        return first.number < second.number;
    return first.tripNumber < second.tripNumber;
}

std::string AddSurchargeQuestion(const std::string &jurisdiction)
{
    return jurisdiction + " has a separate surcharge. Add the surcharge line too?";
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
    // A first click on a heading sorts ascending, a second click on the same heading
    // reverses the order.
    const bool ascending = column != state_.entrySortColumn || !state_.entrySortAscending;
    state_.entrySortColumn = column;
    state_.entrySortAscending = ascending;
    const int keyColumn = column == EntryColumnAbbrev ? EntryColumnState : column;
    std::vector<std::pair<EntrySortKey, size_t>> keyed(order_.size());
    for (size_t row = 0; row < order_.size(); ++row) {
        const int32_t trip = doc_.entries()[order_[row]].tripNumber;
        keyed[row] = {MakeEntrySortKey(column, text(static_cast<int>(row), keyColumn), trip),
                      order_[row]};
    }
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto &a, const auto &b) {
        return EntrySortsBefore(a.first, b.first, ascending);
    });
    beginResetModel();
    for (size_t row = 0; row < keyed.size(); ++row)
        order_[row] = keyed[row].second;
    cachedEntry_ = SIZE_MAX;
    endResetModel();
}
