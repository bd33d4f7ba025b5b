#include "views/ciftaview.h"

#include "ui/commandids.h"
#include "ui/userprompts.h"
#include "print/cprintcommands.h"
#include "records/ciftadoc.h"
#include "views/centrylistctrl.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QSettings>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Watches the list's viewport for the two mouse actions the view handles itself: the
// double-click (also on empty space below the last line) and the right button (which
// must not change the selection).
class ListMouseFilter : public QObject
{
public:
    ListMouseFilter(std::function<void()> doubleClick, std::function<void(const QPoint &)> right,
                    QObject *parent)
        : QObject(parent)
        , doubleClick_(std::move(doubleClick))
        , right_(std::move(right))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                doubleClick_();
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::RightButton) {
                right_(mouse->globalPosition().toPoint());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> doubleClick_;
    std::function<void(const QPoint &)> right_;
};

} // namespace

CIftaView::CIftaView(CIftaDoc &doc, UserPrompts &prompts, QWidget *parent)
    : QWidget(parent)
    , doc_(doc)
    , prompts_(prompts)
    , entryList_(std::make_unique<CEntryListCtrl>(doc, prompts))
    , emptyModel_(std::make_unique<QStandardItemModel>())
{
    setObjectName(QStringLiteral("CIftaView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("list1000"));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(true);
    list_->setWordWrap(false);
    list_->setCornerButtonEnabled(false);
    list_->verticalHeader()->hide();
    // Every line has the same height, so a list of a million trips lays out at once.
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->horizontalHeader()->setSectionsClickable(true);
    list_->horizontalHeader()->setHighlightSections(false);
    list_->horizontalHeader()->setStretchLastSection(false);
    list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    layout->addWidget(list_);

    list_->viewport()->installEventFilter(new ListMouseFilter(
        [this] { OnDoubleClick(); }, [this](const QPoint &pos) { OnContextMenu(pos); }, this));
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CIftaView::OnHeaderClick);

    buildEntryCommands();
    // Report and tax-rate modes: their models and commands are installed by the views that
    // build them (setListMode, commands(ModeReport), commands(ModeTaxRates)).

    showModel(entryList_.get(), ModeEntryList);
}

CIftaView::~CIftaView()
{
    // The list must let go of the models before they are destroyed.
    list_->setModel(nullptr);
}

int CIftaView::selectedRow() const
{
    const QModelIndexList rows = list_->selectionModel()
        ? list_->selectionModel()->selectedRows()
        : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CIftaView::selectRow(int row)
{
    if (row < 0 || !list_->model() || row >= list_->model()->rowCount()) {
        list_->clearSelection();
        return;
    }
    list_->selectRow(row);
}

void CIftaView::setListMode(int mode, ListMode hooks)
{
    if (mode == ModeReport || mode == ModeTaxRates)
        modes_[mode] = std::move(hooks);
}

CCommandTable &CIftaView::commands(int mode)
{
    if (mode >= ModeEntryList && mode <= ModeTaxRates)
        return tables_[mode];
    return shared_;
}

bool CIftaView::OnCmdMsg(int id)
{
    if (tables_[mode_].dispatch(id) || shared_.dispatch(id)) {
        emit commandStateChanged();
        return true;
    }
    return false;
}

bool CIftaView::hasCommand(int id) const
{
    return tables_[mode_].has(id) || shared_.has(id);
}

bool CIftaView::isCommandEnabled(int id) const
{
    return tables_[mode_].has(id) ? tables_[mode_].isEnabled(id) : shared_.isEnabled(id);
}

bool CIftaView::isCommandChecked(int id) const
{
    return tables_[mode_].has(id) ? tables_[mode_].isChecked(id) : shared_.isChecked(id);
}

bool CIftaView::hasCheckRule(int id) const
{
    return tables_[mode_].has(id) ? tables_[mode_].hasCheckRule(id) : shared_.hasCheckRule(id);
}

void CIftaView::showModel(QAbstractItemModel *model, int mode)
{
    QAbstractItemModel *shown = model ? model : emptyModel_.get();
    if (list_->model() != shown) {
        QItemSelectionModel *old = list_->selectionModel();
        list_->setModel(shown);
        delete old;
        connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this] { emit commandStateChanged(); });
    }
    list_->clearSelection();
    for (int c = 0; c < shown->columnCount(); ++c) {
        const QVariant width = shown->headerData(c, Qt::Horizontal, kColumnWidthRole);
        if (width.isValid())
            list_->setColumnWidth(c, width.toInt());
    }
    list_->scrollToTop();
    const bool changed = mode_ != mode;
    mode_ = mode;
    if (changed)
        emit modeChanged(mode);
    emit commandStateChanged();
}

void CIftaView::ShowList()
{
    entryList_->SetColumns();
    entryList_->Fill();
    showModel(entryList_.get(), ModeEntryList);
    UpdateInfoBar();
}

void CIftaView::ShowReport()
{
    showModel(modes_[ModeReport].show ? modes_[ModeReport].show() : nullptr, ModeReport);
    UpdateInfoBar();
}

void CIftaView::ShowTaxRates()
{
    showModel(modes_[ModeTaxRates].show ? modes_[ModeTaxRates].show() : nullptr, ModeTaxRates);
}

void CIftaView::OnUpdate()
{
    ShowList();
}

void CIftaView::OnInitialUpdate(const QString &defaultTaxFile)
{
    OnUpdate();
    if (!defaultTaxFile.isEmpty())
        SetStatusText(1, defaultTaxFile);
}

void CIftaView::OnDoubleClick()
{
    if (mode_ == ModeEntryList) {
        if (selectedRow() >= 0)
            OnModify();
        else
            OnAddNew();
        emit commandStateChanged();
    } else if (modes_[mode_].doubleClick) {
        modes_[mode_].doubleClick(selectedRow());
        emit commandStateChanged();
    }
}

void CIftaView::OnContextMenu(const QPoint &pos)
{
    if (mode_ == ModeEntryList) {
        std::unique_ptr<QMenu> menu(BuildEntryContextMenu(this));
        if (QAction *chosen = menu->exec(pos))
            OnCmdMsg(chosen->data().toInt());
    } else if (modes_[mode_].contextMenu) {
        modes_[mode_].contextMenu(pos, selectedRow());
        emit commandStateChanged();
    }
}

QMenu *CIftaView::BuildEntryContextMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("menu131"));
    const bool selected = selectedRow() >= 0;
    const struct {
        int id;
        const char *text;
        bool enabled;
    } items[] = {
        {ID_CTX_DELETE, "&Delete", selected},
        {ID_CTX_MODIFY, "&Modify", selected},
        {ID_CTX_ADD_NEW, "&Add New", true},
    };
    for (const auto &item : items) {
        QAction *a = menu->addAction(QString::fromLatin1(item.text));
        a->setData(item.id);
        a->setEnabled(item.enabled);
    }
    return menu;
}

void CIftaView::OnHeaderClick(int column)
{
    if (mode_ == ModeEntryList) {
        list_->clearSelection();
        entryList_->SortByColumn(column);
    } else if (modes_[mode_].headerClick) {
        modes_[mode_].headerClick(column);
    }
}

void CIftaView::buildEntryCommands()
{
    CCommandTable &entry = tables_[ModeEntryList];
    const auto selected = [this] { return selectedRow() >= 0; };
    entry.add(ID_EDIT_ADD_NEW, [this] { OnAddNew(); });
    entry.add(ID_CTX_ADD_NEW, [this] { OnAddNew(); });
    entry.add(ID_EDIT_MODIFY, [this] { OnModify(); }, selected);
    entry.add(ID_CTX_MODIFY, [this] { OnModify(); }, selected);
    entry.add(ID_EDIT_DELETE, [this] { OnDelete(); }, selected);
    entry.add(ID_CTX_DELETE, [this] { OnDelete(); }, selected);
    entry.add(ID_EDIT_UNDO, [this] { OnUndo(); },
              [this] { return entryList_->undoFlags().undoAvailable == 1; });
    entry.add(ID_EDIT_REDO, [this] { OnRedo(); },
              [this] { return entryList_->undoFlags().redoAvailable == 1; });

    // The odometer buttons and the mode switches work in every mode.
    shared_.add(ID_ODOMETER_ON, [this] { OnOdometer(true); }, {},
                [this] { return doc_.company.useOdometer != 0; });
    shared_.add(ID_ODOMETER_OFF, [this] { OnOdometer(false); }, {},
                [this] { return doc_.company.useOdometer == 0; });
    shared_.add(ID_VIEW_LIST, [this] { ShowList(); });
    shared_.add(ID_TB_VIEW_LIST, [this] { ShowList(); });
    shared_.add(ID_VIEW_REPORT, [this] { ShowReport(); });
    shared_.add(ID_TB_VIEW_REPORT, [this] { ShowReport(); });
    shared_.add(ID_VIEW_TAX_RATES, [this] { ShowTaxRates(); });
    shared_.add(ID_TB_VIEW_TAX_RATES, [this] { ShowTaxRates(); });
    shared_.add(ID_FILE_PRINT, [this] { OnFilePrint(); });
    shared_.add(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

void CIftaView::OnFilePrint()
{
    Result error;
    if (!ThePrintCommands().OnFilePrint(this, doc_, mode_, printerSetup_, &error) &&
        !error.ok)
        prompts_.warn(error.message);
}

void CIftaView::OnFilePrintPreview()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnotec"),
                       QStringLiteral("Tollmark"));
    ThePrintCommands().OnFilePrintPreview(this, doc_, mode_, printerSetup_, settings);
}

void CIftaView::scrollToEntryRow(int row)
{
    if (row < 0)
        return;
    list_->scrollTo(entryList_->index(row, 0));
}

void CIftaView::OnAddNew()
{
    const int row = entryList_->AddEntry();
    scrollToEntryRow(row);
}

void CIftaView::OnModify()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (entryList_->ModifyEntry(row))
        scrollToEntryRow(row);
}

void CIftaView::OnDelete()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    entryList_->DeleteEntry(row);
}

void CIftaView::OnOdometer(bool on)
{
    doc_.company.useOdometer = on ? 1 : 0;
}

void CIftaView::OnUndo()
{
    if (entryList_->Undo())
        ShowList();
}

void CIftaView::OnRedo()
{
    if (entryList_->Redo())
        ShowList();
}
