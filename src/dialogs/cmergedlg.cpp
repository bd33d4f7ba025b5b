#include "dialogs/cmergedlg.h"

#include "dialogs/chelpwindow.h"
#include "dialogs/dialogtext.h"
#include "formats/recordfile.h"
#include "records/ciftadoc.h"
#include "session/mergeunits.h"
#include "ui/userprompts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>

namespace {
const QColor kListBackground(255, 255, 200);
} // namespace

CMergeDlg::CMergeDlg(UserPrompts &prompts, CIftaDoc &doc, QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , doc_(doc)
{
    setWindowTitle(tr("Merge Files"));

    list_ = new QTableWidget(0, 2, this);
    list_->setObjectName("files");
    list_->setHorizontalHeaderLabels({tr("File Name"), tr("Tax Period")});
    list_->setColumnWidth(0, 200);
    list_->setColumnWidth(1, 70);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base, kListBackground);
    list_->setPalette(palette);
    list_->setMinimumSize(300, 160);

    unitsFromNames_ = new QCheckBox(tr("Use file names as unit numbers"), this);
    unitsFromNames_->setObjectName("unitsFromNames");
    unitsFromNames_->setToolTip(
        tr("Lines without a unit number take the name of their file (T-104.irc gives T-104)"));

    auto *add = new QPushButton(tr("Add"), this);
    add->setObjectName("add");
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    auto *help = new QPushButton(tr("Help"), this);
    help->setObjectName("help");
    for (QPushButton *b : {add, cancel, help})
        b->setAutoDefault(false);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {add, ok, cancel, help})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(unitsFromNames_);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(ok, &QPushButton::clicked, this, &CMergeDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CMergeDlg::reject);
    connect(help, &QPushButton::clicked, this, &CMergeDlg::OnHelp);
}

bool CMergeDlg::OnAdd()
{
    const std::string path = prompts_.openFileName(kRecordFileFilter);
    if (path.empty())
        return false;
    const Result merged = MergeRecordFile(doc_, path, unitsFromNames_->isChecked());
    if (!merged) {
        prompts_.warn(merged.message);
        return false;
    }
    char period[32];
    std::snprintf(period, sizeof period, "%d/%d", doc_.recordPeriod().year,
                  doc_.recordPeriod().quarter);
    list_->insertRow(rows_);
    auto *name = new QTableWidgetItem(FromPath(doc_.sourcePath()));
    auto *when = new QTableWidgetItem(QString::fromLatin1(period));
    for (QTableWidgetItem *item : {name, when})
        item->setBackground(kListBackground);
    list_->setItem(rows_, 0, name);
    list_->setItem(rows_, 1, when);
    ++rows_;
    return true;
}

void CMergeDlg::OnHelp()
{
    prompts_.showHelp(kMergeFilesHelp);
}
