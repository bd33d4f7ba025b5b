#include "views/creportlistctrl.h"

#include "dialogs/dialogtext.h"
#include "records/ciftadoc.h"
#include "report/report.h"

#include "views/ciftaview.h"

#include <QBrush>
#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>

CReportListCtrl::CReportListCtrl(CIftaDoc &doc, QObject *parent)
    : QAbstractTableModel(parent)
    , doc_(doc)
{
    columns_ = ReportColumns(doc_.company.country);
}

int CReportListCtrl::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int CReportListCtrl::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

std::string CReportListCtrl::text(int row, int column) const
{
    if (row < 0 || static_cast<size_t>(row) >= lines_.size() || column < 0)
        return {};
    const ListLine &line = lines_[static_cast<size_t>(row)];
    return static_cast<size_t>(column) < line.size() ? line[static_cast<size_t>(column)]
                                                     : std::string();
}

QVariant CReportListCtrl::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return FromBytes(text(index.row(), index.column()));
    case Qt::TextAlignmentRole: {
        const bool left = static_cast<size_t>(index.column()) < columns_.size()
            && columns_[static_cast<size_t>(index.column())].leftAligned;
        return QVariant::fromValue(Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignRight));
    }
    case Qt::BackgroundRole:
        return QBrush(QColor::fromRgb(kBackground));
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    default:
        return {};
    }
}

QVariant CReportListCtrl::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0
        || static_cast<size_t>(section) >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    const ListColumn &column = columns_[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole)
        return FromBytes(column.heading);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (column.leftAligned ? Qt::AlignLeft : Qt::AlignRight));
    if (role == kColumnWidthRole) {
        // The long distance headings would be cut at their nominal widths on most fonts.
        const int heading = QFontMetrics(QGuiApplication::font())
                                .horizontalAdvance(FromBytes(column.heading)) + 16;
        return std::max(column.width, heading);
    }
    return {};
}

Qt::ItemFlags CReportListCtrl::flags(const QModelIndex &index) const
{
    // Lines can be selected but never edited.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CReportListCtrl::SetColumns()
{
    beginResetModel();
    columns_ = ReportColumns(doc_.company.country);
    endResetModel();
}

void CReportListCtrl::Fill()
{
    beginResetModel();
    columns_ = ReportColumns(doc_.company.country);
    lines_ = ListReport(doc_);
    endResetModel();
}
