#include "dialogs/cversionsdlg.h"

#include "dialogs/dialogtext.h"
#include "numbers/decimaltext.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CVersionsDlg::CVersionsDlg(const VersionDialogData &data, QWidget *parent)
    : QDialog(parent)
    , data_(data)
{
    setWindowTitle(tr("Restore Version"));
    auto *intro = new QLabel(
        tr("Versions of %1 that saves replaced. The one you choose opens as a new record; "
           "the file itself stays as it is.")
            .arg(FromPath(data_.file)),
        this);
    intro->setWordWrap(true);

    list_ = new QTableWidget(0, 5, this);
    list_->setObjectName("versions");
    list_->setHorizontalHeaderLabels(
        {tr("Replaced"), tr("Trips"), tr("Distance"), tr("Fuel"), tr("Tax")});
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setTabKeyNavigation(false);
    list_->setMinimumSize(520, 200);
    fill();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CVersionsDlg::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &CVersionsDlg::reject);
    connect(list_, &QTableWidget::cellDoubleClicked, this, &CVersionsDlg::OnOk);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
}

void CVersionsDlg::fill()
{
    for (const VersionRow &row : data_.rows) {
        const int at = list_->rowCount();
        list_->insertRow(at);
        QStringList cells = {QString::fromStdString(row.when)};
        if (row.problem.empty())
            cells << QString::number(row.trips) << QString::number(row.distance)
                  << QString::fromStdString(FormatFixed(row.fuel))
                  << QString::fromStdString(FormatFixed(row.tax));
        else
            cells << FromBytes(row.problem);
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column > 0 && row.problem.empty())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            list_->setItem(at, column, item);
        }
        if (!row.problem.empty())
            list_->setSpan(at, 1, 1, 4);
    }
    list_->resizeColumnsToContents();
    if (!data_.rows.empty())
        list_->selectRow(0);
}

int CVersionsDlg::chosen() const
{
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(data_.rows.size()) || !data_.rows[row].problem.empty())
        return -1;
    return row;
}

void CVersionsDlg::OnOk()
{
    if (chosen() >= 0)
        accept();
}
