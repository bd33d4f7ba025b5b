#include "views/centrylistctrl.h"

#include "numbers/decimaltext.h"
#include "numbers/textnumber.h"
#include "platform/cp1252.h"
#include "records/ciftadoc.h"
#include "records/entrylist.h"
#include "sessionbase/programstate.h"
#include "ui/localnumbers.h"
#include "views/ciftaview.h"
#include "views/entryrules.h"
#include "views/entrysortkeys.h"
#include "views/listcolumndata.h"

#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cctype>

CEntryListCtrl::CEntryListCtrl(CIftaDoc &doc, ProgramState &state, QObject *parent)
    : QAbstractTableModel(parent)
    , doc_(doc)
    , state_(state)
{
    columns_ = EntryListColumns(doc_.company().country);
    observer_ = doc_.observers().add([this](const DocChange &change) { OnDocChange(change); });
}

CEntryListCtrl::~CEntryListCtrl()
{
    doc_.observers().remove(observer_);
}

void CEntryListCtrl::OnDocChange(const DocChange &change)
{
    const size_t lines = doc_.entries().size();
    switch (change.what) {
    case DocChange::What::LinesAdded:
        // Appended lines get rows at the end, whatever the order shown.
        if (order_.size() + change.count == lines) {
            for (size_t i = 0; i < change.count; ++i)
                entryAppended();
        } else {
            Fill();
        }
        break;
    case DocChange::What::LinesChanged:
        if (order_.size() == lines)
            entriesChanged();
        else
            Fill();
        break;
    case DocChange::What::LinesRemoved:
    case DocChange::What::RecordReplaced:
        // The rest were numbered again: the rows start over in record order.
        Fill();
        break;
    case DocChange::What::RatesChanged:
    case DocChange::What::CompanyChanged:
        // A slot's name or the country's units show in the lines.
        entriesChanged();
        break;
    case DocChange::What::PeriodChanged:
    case DocChange::What::SavedChanged:
        break;
    }
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
        // Figures (the right-aligned columns) as the interface writes numbers.
        if (!columns_[static_cast<size_t>(index.column())].leftAligned)
            return ShownNumber(text(index.row(), index.column()));
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
        order_[i] = static_cast<uint32_t>(i);
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
    // The rows show every line before it, so the new line is at the next position.
    order_.push_back(static_cast<uint32_t>(order_.size()));
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
    const EntrySortKeys keys(column, doc_.entries(), doc_.taxTable(), doc_.company().country);
    const CIftaDoc::Entries &entries = doc_.entries();
    std::vector<EntrySortKey> keyed(order_.size());
    if (order_.size() == entries.size()) {
        // The rows show every line once: keyed in record order, so that a million lines
        // are read front to back whatever the order shown, each key first learning the
        // row its line stands at.
        for (size_t row = 0; row < order_.size(); ++row)
            keyed[order_[row]].tie = row;
        for (size_t position = 0; position < keyed.size(); ++position)
            keyed[position] = keys.key(entries[position], keyed[position].row(), ascending);
    } else {
        for (size_t row = 0; row < order_.size(); ++row) {
            const size_t position = order_[row];
            keyed[row] = keys.key(position < entries.size() ? entries[position] : TripEntry(),
                                  static_cast<uint32_t>(row), ascending);
        }
    }
    // The keys are all different (the row decides last), so any sort gives one order.
    std::sort(keyed.begin(), keyed.end());
    // Sorted, a key's value is spent: it takes the position its row showed, so the new
    // order needs no second copy of the old one.
    for (EntrySortKey &key : keyed)
        key.value = order_[key.row()];
    beginResetModel();
    for (size_t row = 0; row < keyed.size(); ++row)
        order_[row] = static_cast<uint32_t>(keyed[row].value);
    std::vector<EntrySortKey>().swap(keyed); // let go before the views lay out the rows again
    cachedEntry_ = SIZE_MAX;
    endResetModel();
}
