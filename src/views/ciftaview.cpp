#include "views/ciftaview.h"

#include "views/clistfit.h"

#include "ui/cappsettings.h"

#include "check/quartercheck.h"
#include "check/tablecountry.h"
#include "filing/latereturn.h"
#include "platform/cp1252.h"
#include "print/cprintcommands.h"
#include "records/ciftadoc.h"
#include "report/report.h"
#include "session/cfilingsession.h"
#include "session/csession.h"
#include "ui/commandids.h"
#include "ui/userprompts.h"
#include "views/ccelleditor.h"
#include "views/centrylistctrl.h"
#include "views/cnewtriprow.h"
#include "views/tripclipboardcommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSplitter>
#include <QStackedWidget>
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

CIftaView::CIftaView(CSession &session, UserPrompts &prompts, CAppSettings &settings,
                     QWidget *parent)
    : QWidget(parent)
    , session_(session)
    , doc_(session.document())
    , prompts_(prompts)
    , settings_(settings)
    , entryList_(std::make_unique<CEntryListCtrl>(doc_, session.state()))
    , emptyModel_(std::make_unique<QStandardItemModel>())
{
    setObjectName(QStringLiteral("CIftaView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("reportNotice"));
    notice_->setContentsMargins(6, 3, 6, 3);
    notice_->hide();
    layout->addWidget(notice_);

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setChildrenCollapsible(false);
    layout->addWidget(splitter_);
    buildList();
    splitter_->addWidget(list_);
    charts_ = new QStackedWidget(splitter_);
    charts_->setObjectName(QStringLiteral("chartArea"));
    splitter_->addWidget(charts_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    charts_->hide();
    fit_ = new CListFit(*list_, *splitter_, *charts_);
    // Trips are typed at the foot of the list and edited in its cells.
    newTripRow_ = new CNewTripRow(session_, *list_, this);
    layout->addWidget(newTripRow_);
    cellEditor_ = new CCellEditor(session_, *list_, *entryList_);

    list_->viewport()->installEventFilter(new ListMouseFilter(
        [this] { OnDoubleClick(); }, [this](const QPoint &pos) { OnContextMenu(pos); }, this));
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CIftaView::OnHeaderClick);

    buildEntryCommands();
    // Report and tax-rate modes: their models and commands are installed by the views that
    // build them (setListMode, commands(ViewMode::Report), commands(ViewMode::TaxRates)).

    showModel(entryList_.get(), ViewMode::EntryList);

    // Another record (a new one, a file read, merged or imported) is shown in its entry
    // list, whatever mode the view was in.
    observer_ = doc_.observers().add([this](const DocChange &change) {
        if (change.what == DocChange::What::RecordReplaced)
            ShowList();
    });
}

void CIftaView::buildList()
{
    list_ = new QTableView(splitter_);
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
}

CIftaView::~CIftaView()
{
    doc_.observers().remove(observer_);
    // The list must let go of the models before they are destroyed.
    list_->setModel(nullptr);
}

int CIftaView::selectedRow() const
{
    const QModelIndexList rows =
        list_->selectionModel() ? list_->selectionModel()->selectedRows() : QModelIndexList();
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

void CIftaView::setListMode(ViewMode mode, ListMode hooks)
{
    if (mode != ViewMode::EntryList)
        modes_[static_cast<int>(mode)] = std::move(hooks);
}

void CIftaView::setChart(ViewMode mode, QWidget *chart)
{
    chartOf_[static_cast<int>(mode)] = chart;
    charts_->addWidget(chart);
    if (mode_ == mode) {
        charts_->setCurrentWidget(chart);
        charts_->show();
    }
}

CCommandTable &CIftaView::commands(ViewMode mode)
{
    return tables_[static_cast<int>(mode)];
}

bool CIftaView::taxRatesModified() const
{
    return doc_.rates().isModified();
}

bool CIftaView::OnCmdMsg(int id)
{
    if (tables_[static_cast<int>(mode_)].dispatch(id) || shared_.dispatch(id)) {
        emit commandStateChanged();
        return true;
    }
    return false;
}

bool CIftaView::hasCommand(int id) const
{
    return table(mode_).has(id) || shared_.has(id);
}

bool CIftaView::isCommandEnabled(int id) const
{
    return table(mode_).has(id) ? table(mode_).isEnabled(id) : shared_.isEnabled(id);
}

bool CIftaView::isCommandChecked(int id) const
{
    return table(mode_).has(id) ? table(mode_).isChecked(id) : shared_.isChecked(id);
}

std::string CIftaView::commandLabel(int id) const
{
    return table(mode_).has(id) ? table(mode_).label(id) : shared_.label(id);
}

bool CIftaView::hasCheckRule(int id) const
{
    return table(mode_).has(id) ? table(mode_).hasCheckRule(id) : shared_.hasCheckRule(id);
}

void CIftaView::showModel(QAbstractItemModel *model, ViewMode mode)
{
    notice_->hide();
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
    if (QWidget *chart = chartOf_[static_cast<int>(mode)]) {
        charts_->setCurrentWidget(chart);
        charts_->show();
    } else {
        charts_->hide();
    }
    fit_->setFitColumns(mode == ViewMode::Report);
    // Lines are copied several at a time; the other lists select one row.
    const bool entries = mode == ViewMode::EntryList;
    list_->setSelectionMode(entries ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
    newTripRow_->setVisible(entries);
    fit_->fit();
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
    showModel(entryList_.get(), ViewMode::EntryList);
    newTripRow_->clear();
    UpdateInfoBar();
}

void CIftaView::ShowReport()
{
    const ListMode &report = modes_[static_cast<int>(ViewMode::Report)];
    showModel(report.show ? report.show() : nullptr, ViewMode::Report);
    // The report taxes each trip at the rate it carries; say so when the loaded table's
    // rates (edited, or loaded since) differ.
    // Lines naming no slot of the table are left out of it: said too.
    // Rows whose lines carry different rates, and a table of the other country's units,
    // are said too.
    const int differing = doc_.jurisdictionsWithOtherRates();
    std::string notice;
    for (const std::string &line :
         {TableCountryNotice(doc_.company().country, doc_.rates()), ReportRatesNotice(differing),
          ReportMixedRatesNotice(ComputeReport(doc_), doc_.taxTable()),
          ReportSlotNotice(LinesOutsideTable(doc_)),
          // A late return without its interest (a factor missing) says why.
          session_.filing().lateNotice()}) {
        if (!line.empty())
            notice += (notice.empty() ? "" : "\n") + line;
    }
    notice_->setText(QString::fromStdString(Cp1252ToUtf8(notice)));
    notice_->setVisible(!notice.empty());
    UpdateInfoBar();
}

void CIftaView::ShowTaxRates()
{
    const ListMode &rates = modes_[static_cast<int>(ViewMode::TaxRates)];
    showModel(rates.show ? rates.show() : nullptr, ViewMode::TaxRates);
}

void CIftaView::ShowCheck()
{
    const ListMode &check = modes_[static_cast<int>(ViewMode::Check)];
    showModel(check.show ? check.show() : nullptr, ViewMode::Check);
}

void CIftaView::ShowVehicles()
{
    const ListMode &vehicles = modes_[static_cast<int>(ViewMode::Vehicles)];
    showModel(vehicles.show ? vehicles.show() : nullptr, ViewMode::Vehicles);
}

void CIftaView::OnViewYear()
{
    if (session_.year().chooseQuarters())
        ShowYear();
}

void CIftaView::ShowYear()
{
    const ListMode &year = modes_[static_cast<int>(ViewMode::Year)];
    showModel(year.show ? year.show() : nullptr, ViewMode::Year);
}

void CIftaView::refreshMode()
{
    switch (mode_) {
    case ViewMode::EntryList:
        ShowList();
        break;
    case ViewMode::Report:
        ShowReport();
        break;
    case ViewMode::TaxRates:
        ShowTaxRates();
        break;
    case ViewMode::Check:
        ShowCheck();
        break;
    case ViewMode::Vehicles:
        ShowVehicles();
        break;
    case ViewMode::Year:
        ShowYear();
        break;
    }
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
    const ListMode &hooks = modes_[static_cast<int>(mode_)];
    if (mode_ == ViewMode::EntryList) {
        if (selectedRow() >= 0)
            OnModify();
        else
            OnAddNew();
        emit commandStateChanged();
    } else if (hooks.doubleClick) {
        hooks.doubleClick(selectedRow());
        emit commandStateChanged();
    }
}

void CIftaView::OnContextMenu(const QPoint &pos)
{
    const ListMode &hooks = modes_[static_cast<int>(mode_)];
    if (mode_ == ViewMode::EntryList) {
        std::unique_ptr<QMenu> menu(BuildEntryContextMenu(this));
        if (QAction *chosen = menu->exec(pos))
            OnCmdMsg(chosen->data().toInt());
    } else if (hooks.contextMenu) {
        hooks.contextMenu(pos, selectedRow());
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
        {ID_CTX_DELETE, QT_TRANSLATE_NOOP("Commands", "&Delete"), selected},
        {ID_CTX_MODIFY, QT_TRANSLATE_NOOP("Commands", "&Modify"), selected},
        {ID_CTX_ADD_NEW, QT_TRANSLATE_NOOP("Commands", "&Add New"), true},
    };
    for (const auto &item : items) {
        QAction *a = menu->addAction(QCoreApplication::translate("Commands", item.text));
        a->setData(item.id);
        a->setEnabled(item.enabled);
    }
    return menu;
}

void CIftaView::OnHeaderClick(int column)
{
    const ListMode &hooks = modes_[static_cast<int>(mode_)];
    if (mode_ == ViewMode::EntryList) {
        list_->clearSelection();
        entryList_->SortByColumn(column);
    } else if (hooks.headerClick) {
        hooks.headerClick(column);
    }
}

void CIftaView::buildEntryCommands()
{
    CCommandTable &entry = commands(ViewMode::EntryList);
    const auto selected = [this] { return selectedRow() >= 0; };
    entry.add(ID_EDIT_ADD_NEW, [this] { OnAddNew(); });
    entry.add(ID_CTX_ADD_NEW, [this] { OnAddNew(); });
    entry.add(
        ID_EDIT_MODIFY, [this] { OnModify(); }, selected);
    entry.add(
        ID_CTX_MODIFY, [this] { OnModify(); }, selected);
    entry.add(
        ID_EDIT_DELETE, [this] { OnDelete(); }, selected);
    entry.add(
        ID_CTX_DELETE, [this] { OnDelete(); }, selected);
    entry.add(
        ID_EDIT_UNDO, [this] { OnUndo(); }, [this] { return doc_.undo().canUndo(); });
    entry.add(
        ID_EDIT_REDO, [this] { OnRedo(); }, [this] { return doc_.undo().canRedo(); });
    entry.add(
        ID_EDIT_COPY_TRIPS, [this] { CopySelectedTrips(session_, *list_, *entryList_); }, selected);
    entry.add(ID_EDIT_PASTE_TRIPS, [this] {
        if (PasteClipboardTrips(session_) > 0)
            list_->scrollToBottom();
    });
    entry.setLabel(ID_EDIT_UNDO, [this] { return doc_.undo().undoName(); });
    entry.setLabel(ID_EDIT_REDO, [this] { return doc_.undo().redoName(); });

    // The odometer buttons and the mode switches work in every mode.
    shared_.add(
        ID_ODOMETER_ON, [this] { OnOdometer(true); }, {}, [this] { return doc_.usesOdometer(); });
    shared_.add(
        ID_ODOMETER_OFF, [this] { OnOdometer(false); }, {},
        [this] { return !doc_.usesOdometer(); });
    shared_.add(ID_VIEW_LIST, [this] { ShowList(); });
    shared_.add(ID_TB_VIEW_LIST, [this] { ShowList(); });
    shared_.add(ID_VIEW_REPORT, [this] { ShowReport(); });
    shared_.add(ID_TB_VIEW_REPORT, [this] { ShowReport(); });
    shared_.add(ID_VIEW_TAX_RATES, [this] { ShowTaxRates(); });
    shared_.add(ID_TB_VIEW_TAX_RATES, [this] { ShowTaxRates(); });
    shared_.add(ID_VIEW_CHECK, [this] { ShowCheck(); });
    shared_.add(ID_TB_VIEW_CHECK, [this] { ShowCheck(); });
    shared_.add(ID_VIEW_VEHICLES, [this] { ShowVehicles(); });
    shared_.add(ID_VIEW_YEAR, [this] { OnViewYear(); });
    shared_.add(ID_FILE_PRINT, [this] { OnFilePrint(); });
    shared_.add(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

CPrintCommands &CIftaView::printCommands()
{
    if (!printCommands_ && !ownPrintCommands_)
        ownPrintCommands_ = std::make_unique<CPrintCommands>();
    CPrintCommands &commands = printCommands_ ? *printCommands_ : *ownPrintCommands_;
    // The year listing prints the summary of the quarters this view's session holds.
    commands.setYear(&session_.year());
    return commands;
}

bool CIftaView::confirmReturnPrint()
{
    // A late return whose interest cannot be worked out (a missing factor or table) would
    // print without interest and penalty: never without the user's word.
    LateReturn late;
    const Result computed = session_.filing().lateReturn(late);
    if (!computed && !prompts_.askYesNo(computed.message + "\n" +
                                        UiText("Messages", kLateFiguresMissingQuestion)))
        return false;
    const size_t problems = CountProblems(CheckQuarter(doc_, doc_.rates()));
    if (problems == 0)
        return true;
    switch (prompts_.askPrintAnyway(PrintAnywayQuestion(problems))) {
    case UserPrompts::PrintAnswer::Print:
        return true;
    case UserPrompts::PrintAnswer::ShowProblems:
        ShowCheck();
        return false;
    case UserPrompts::PrintAnswer::Cancel:
        break;
    }
    return false;
}

void CIftaView::OnFilePrint()
{
    // The return form is what gets filed: the check's problems are offered first.
    if (mode_ == ViewMode::Report && !confirmReturnPrint())
        return;
    Result error;
    if (!printCommands().OnFilePrint(this, doc_, mode_, printerSetup_, &error) && !error.ok())
        prompts_.warn(error.message);
}

void CIftaView::OnFilePrintPreview()
{
    int pages = settings_.previewPages();
    const int before = pages;
    printCommands().OnFilePrintPreview(this, doc_, mode_, printerSetup_, pages);
    if (pages != before)
        settings_.setPreviewPages(pages);
}

void CIftaView::scrollToEntryRow(int row)
{
    if (row < 0)
        return;
    list_->scrollTo(entryList_->index(row, 0));
}

void CIftaView::OnAddNew()
{
    // The session adds the lines; the entry list adds their rows as the document tells it.
    const int position = session_.edit().addTrip();
    if (position >= 0)
        scrollToEntryRow(entryList_->rowOfEntry(static_cast<size_t>(position)));
}

void CIftaView::OnModify()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (session_.edit().modifyTrip(entryList_->entryAtRow(row)))
        scrollToEntryRow(row);
}

void CIftaView::OnDelete()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    session_.edit().deleteTrip(entryList_->entryAtRow(row));
}

void CIftaView::OnOdometer(bool on)
{
    doc_.setUseOdometer(on);
}

void CIftaView::OnUndo()
{
    if (session_.edit().undoTrips())
        ShowList();
}

void CIftaView::OnRedo()
{
    if (session_.edit().redoTrips())
        ShowList();
}
