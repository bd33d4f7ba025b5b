#pragma once

#include "records/listcolumn.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

// A list the window shows and nobody edits (the report, the check, the vehicles): its
// columns and its lines of texts, each line drawn on the list's own background colour.
// Lines can be selected but never edited. A subclass fills `columns_` and `lines_`
// between beginResetModel() and endResetModel().
class CReadOnlyListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const std::vector<ListColumn> &columns() const { return columns_; }
    const std::vector<ListLine> &lines() const { return lines_; }
    // The text of a cell as the list shows it; empty outside the list.
    std::string text(int row, int column) const;

protected:
    // `background` as 0xRRGGBB.
    CReadOnlyListModel(int background, std::vector<ListColumn> columns, QObject *parent);

    std::vector<ListColumn> columns_;
    std::vector<ListLine> lines_;

private:
    int background_;
};
