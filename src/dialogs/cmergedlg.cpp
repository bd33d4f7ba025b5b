#include "dialogs/cmergedlg.h"

#include "dialogs/chelpwindow.h"
#include "dialogs/dialogtext.h"
#include "formats/recordfile.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "records/taxperiod.h"
#include "sessionbase/mergeunits.h"
#include "ui/userprompts.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>

namespace {
const QColor kListBackground(255, 255, 200);
} // namespace

CMergeDlg::CMergeDlg(UserPrompts &prompts, QWidget *parent) : QDialog(parent), prompts_(prompts)
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
    list_->setTabKeyNavigation(false);
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
    auto *remove = new QPushButton(tr("Remove"), this);
    remove->setObjectName("remove");
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    auto *help = new QPushButton(tr("Help"), this);
    help->setObjectName("help");
    for (QPushButton *b : {add, remove, cancel, help})
        b->setAutoDefault(false);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {add, remove, ok, cancel, help})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(unitsFromNames_);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(remove, &QPushButton::clicked, this, [this] { OnRemove(); });
    connect(ok, &QPushButton::clicked, this, &CMergeDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CMergeDlg::reject);
    connect(help, &QPushButton::clicked, this, &CMergeDlg::OnHelp);
}

MergeDialogData CMergeDlg::data() const
{
    MergeDialogData data;
    data.paths = paths_;
    data.unitsFromNames = unitsFromNames_->isChecked();
    return data;
}

int CMergeDlg::rowCount() const
{
    return static_cast<int>(paths_.size());
}

bool CMergeDlg::OnAdd()
{
    bool added = false;
    for (const std::string &path : prompts_.openFileNames(kRecordFileFilter))
        added = addFile(path) || added;
    return added;
}

bool CMergeDlg::addFile(const std::string &path)
{
    const int twice = FindSameFile(paths_, path);
    if (twice >= 0) {
        prompts_.warn(
            UiArgs(UiText("CMergeDlg", "%1 is already in the list."), {Utf8ToCp1252(path)}));
        return false;
    }
    TaxPeriod period;
    const Result probed = ProbeMergeFile(path, period);
    if (!probed) {
        prompts_.warn(probed.message);
        return false;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", period.year, period.quarter);
    const int row = rowCount();
    list_->insertRow(row);
    auto *name = new QTableWidgetItem(QDir::toNativeSeparators(FromPath(path)));
    auto *when = new QTableWidgetItem(QString::fromLatin1(text));
    for (QTableWidgetItem *item : {name, when})
        item->setBackground(kListBackground);
    list_->setItem(row, 0, name);
    list_->setItem(row, 1, when);
    paths_.push_back(path);
    return true;
}

bool CMergeDlg::OnRemove()
{
    const int row = list_->currentRow();
    if (row < 0 || row >= rowCount() || !list_->selectionModel()->hasSelection())
        return false;
    list_->removeRow(row);
    paths_.erase(paths_.begin() + row);
    return true;
}

void CMergeDlg::OnHelp()
{
    prompts_.showHelp(kMergeFilesHelp);
}
