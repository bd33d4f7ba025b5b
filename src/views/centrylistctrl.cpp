#include "views/centrylistctrl.h"

#include "ui/userprompts.h"
#include "records/ciftadoc.h"
#include "records/cp1252.h"
#include "records/entrylist.h"
#include "records/entryresolver.h"
#include "records/textnumber.h"
#include "views/centrydlg.h"
#include "views/ciftaview.h"
#include "views/listcolumndata.h"

#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cctype>

int32_t &EntrySortDirection()
{
    static int32_t direction = 0;
    return direction;
}

EntryUnits &LastNewEntryUnits()
{
    static EntryUnits units;
    return units;
}

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
    const uint32_t value = static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8
        | static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    return static_cast<int32_t>(value);
}

CEntryListCtrl::CEntryListCtrl(CIftaDoc &doc, UserPrompts &prompts, QObject *parent)
    : QAbstractTableModel(parent)
    , doc_(doc)
    , prompts_(prompts)
{
    columns_ = EntryListColumns(doc_.company.country);
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
    if (row < 0 || static_cast<size_t>(row) >= order_.size() || column < 0
        || column >= EntryColumnCount)
        return {};
    const size_t entry = order_[static_cast<size_t>(row)];
    if (entry >= doc_.entries.size())
        return {};
    if (entry != cachedEntry_) {
        cachedLine_ = EntryListLine(doc_.entries[entry], doc_.taxTable(), doc_.company.country);
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
        const int date = QFontMetrics(QGuiApplication::font())
                             .horizontalAdvance(QStringLiteral("0000/00/00")) + 16;
        return std::max(answer.toInt(), date);
    }
    return answer;
}

void CEntryListCtrl::SetColumns()
{
    beginResetModel();
    columns_ = EntryListColumns(doc_.company.country);
    SetEntryUnitsForCountry(doc_.company.country);
    cachedEntry_ = SIZE_MAX;
    endResetModel();
}

void CEntryListCtrl::Fill()
{
    beginResetModel();
    order_.resize(doc_.entries.size());
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

int CEntryListCtrl::findTripNumber(int tripNumber) const
{
    for (size_t i = 0; i < doc_.entries.size(); ++i) {
        if (doc_.entries[i].tripNumber == tripNumber)
            return static_cast<int>(i);
    }
    return -1;
}

bool CEntryListCtrl::runDialog(TripEntry &entry, bool add, int32_t useOdometerIn,
                               int32_t &useOdometerOut)
{
    EntryDialogData data;
    data.entry = entry;
    data.add = add;
    data.useOdometer = useOdometerIn;
    data.table = &doc_.taxTable();
    if (!prompts_.editEntry(data) || data.entry.abbreviation.empty())
        return false;
    entry = data.entry;
    useOdometerOut = data.useOdometer;
    ResolveEntry(entry, doc_.taxTable(), doc_.isDiesel());
    return true;
}

int CEntryListCtrl::appendLine(const TripEntry &entry)
{
    const int row = static_cast<int>(order_.size());
    beginInsertRows(QModelIndex(), row, row);
    order_.push_back(doc_.entries.size());
    doc_.appendEntry(entry);
    ++shownCount_;
    endInsertRows();
    return row;
}

int CEntryListCtrl::AddEntry()
{
    TakeEntrySnapshot();
    TripEntry entry;
    entry.tripNumber = shownCount_ + 1;
    entry.date = doc_.lastDate;
    const int32_t odometer = shownCount_ == 0 ? doc_.company.startOdometer : doc_.currentOdometer;
    entry.odometerIn = odometer;
    entry.odometerOut = odometer;
    entry.distanceInMiles = LastNewEntryUnits().distanceInMiles;
    entry.fuelInGallons = LastNewEntryUnits().fuelInGallons;

    int32_t useOdometer = doc_.company.useOdometer;
    if (!runDialog(entry, true, doc_.company.useOdometer, useOdometer))
        return -1;
    int row = appendLine(entry);
    LastNewEntryUnits() = EntryUnits{entry.distanceInMiles, entry.fuelInGallons};
    doc_.company.useOdometer = useOdometer;
    doc_.currentOdometer = entry.odometerOut;
    doc_.lastDate = entry.date;
    doc_.setModified();

    const int surchargeSlot = FindSurchargeSlot(entry, doc_.taxTable());
    if (surchargeSlot < 0 || !prompts_.askYesNo(kAddSurchargeQuestion))
        return row;
    entry.slot = surchargeSlot;
    entry.tripNumber = shownCount_ + 1;
    entry.date = doc_.lastDate;
    entry.fuel = 0.0f;
    entry.rate = 0.0;
    int32_t ignored = 0;
    if (runDialog(entry, true, 0, ignored))
        row = appendLine(entry);
    return row;
}

bool CEntryListCtrl::ModifyEntry(int row)
{
    TakeEntrySnapshot();
    const int position = findTripNumber(TripNumberAt(row));
    if (position < 0)
        return false; // the row shows no trip line of this record
    TripEntry entry = doc_.entries[static_cast<size_t>(position)];
    CurrentEntryUnits() = EntryUnits{entry.distanceInMiles, entry.fuelInGallons};
    int32_t useOdometer = doc_.company.useOdometer;
    if (!runDialog(entry, false, doc_.company.useOdometer, useOdometer))
        return false;
    doc_.company.useOdometer = useOdometer;
    doc_.currentOdometer = entry.odometerOut;
    doc_.lastDate = entry.date;
    doc_.replaceEntry(static_cast<size_t>(position), entry);
    doc_.setModified();
    cachedEntry_ = SIZE_MAX;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    return true;
}

bool CEntryListCtrl::DeleteEntry(int row)
{
    if (row < 0 || row >= rowCount() || !prompts_.askYesNo(kDeleteItemQuestion))
        return false;
    TakeEntrySnapshot();
    const int position = findTripNumber(TripNumberAt(row));
    if (position >= 0) {
        doc_.entries.erase(doc_.entries.begin() + position);
        int32_t trip = 1;
        for (TripEntry &e : doc_.entries)
            e.tripNumber = trip++;
        doc_.setModified();
    }
    Fill();
    return position >= 0;
}

void CEntryListCtrl::SortByColumn(int column)
{
    if (column < 0 || column >= EntryColumnCount)
        return;
    int32_t &direction = EntrySortDirection();
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

void CEntryListCtrl::TakeEntrySnapshot()
{
    TakeSnapshot(doc_.entries, doc_.undoLines, flags_.undoAvailable);
}

bool CEntryListCtrl::Undo()
{
    return UndoSnapshot(doc_.entries, doc_.undoLines, doc_.redoLines, flags_);
}

bool CEntryListCtrl::Redo()
{
    return RedoSnapshot(doc_.entries, doc_.undoLines, doc_.redoLines, flags_);
}
