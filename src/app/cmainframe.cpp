#include "app/cmainframe.h"

#include "app/actiontable.h"
#include "app/ciftaapp.h"
#include "app/ciftadocflows.h"
#include "app/cinfodlgbar.h"
#include "app/clockindicators.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "ui/commandids.h"
#include "ui/userprompts.h"
#include "views/centrylistctrl.h"
#include "views/ciftaview.h"
#include "views/cviewmodes.h"

#include <new>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

// Menu 128, item by item; 0 is a separator, -1 the place of the recent files.
constexpr int kRecentFiles = -1;
// The tables are laid out as the menus read.
// clang-format off
const int kFileMenu[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_MERGE_FILES, ID_FILE_SAVE,
                         ID_FILE_SAVE_AS, ID_SAVE_WITH_CURRENT_RATES, ID_RESTORE_VERSION, 0,
                         ID_LOAD_TAX_RATES, ID_SAVE_TAX_RATES, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                         ID_FILE_PRINT_SETUP, 0, ID_IMPORT, ID_FILING_DATE, ID_EXPORT_SUMMARY,
                         ID_EXPORT_YEAR, 0, kRecentFiles,
                         0, ID_APP_EXIT};
const int kEditMenu[] = {ID_EDIT_UNDO,       ID_EDIT_REDO,        0, ID_EDIT_DELETE, ID_EDIT_MODIFY,
                         ID_EDIT_ADD_NEW,    0,                   ID_EDIT_COPY_TRIPS,
                         ID_EDIT_PASTE_TRIPS, 0, ID_COMPANY_INFO, ID_PROFILES, 0, ID_OPTIONS};
const int kViewMenu[] = {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_DIALOGBAR, 0,
                         ID_VIEW_LIST, ID_VIEW_REPORT, ID_VIEW_TAX_RATES, ID_VIEW_CHECK,
                         ID_VIEW_VEHICLES, ID_VIEW_YEAR};
const int kTaxMenu[] = {ID_DOWNLOAD, ID_TAX_RATES_INFO};
const int kHelpMenu[] = {ID_HELP_FINDER, 0, ID_APP_ABOUT};

// Toolbar 128.
const int kToolBar[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_FILE_PRINT,
                        ID_ODOMETER_ON, ID_ODOMETER_OFF, ID_TB_VIEW_LIST, ID_TB_VIEW_TAX_RATES,
                        ID_TB_VIEW_REPORT, ID_TB_VIEW_CHECK, 0, ID_APP_ABOUT, ID_CONTEXT_HELP};

// Shortcuts that work without a menu item of their own.
const int kWindowShortcuts[] = {ID_HELP, ID_CONTEXT_HELP};
// clang-format on

} // namespace

CMainFrame::CMainFrame(CIftaApp &app, QWidget *parent)
    : QMainWindow(parent)
    , app_(app)
    , actions_(new CActionTable(this))
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(tr("Untitled - IFTA"));
    setWindowIcon(QIcon(QStringLiteral(":/toolbar/app.png")));
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks);

    view_ = new CIftaView(app_.session(), app_.prompts(), app_.settings(), this);
    view_->setPrintCommands(&app_.printCommands());
    setCentralWidget(view_);
    app_.flows().setView(view_);
    // Report and tax-rate modes, tax-rate, download and merge commands (views/cviewmodes).
    modes_ = new CViewModes(*view_, view_);

    buildToolBar();
    buildStatusBar();

    infoBar_ = new CInfoDlgBar(this);
    addDockWidget(Qt::TopDockWidgetArea, infoBar_);

    buildCommands();
    loadMenu(view_->mode());
    for (int id : kWindowShortcuts)
        addAction(actions_->action(id));

    connect(actions_, &CActionTable::command, this, [this](int id) { OnCommand(id); });
    connect(view_, &CIftaView::modeChanged, this, [this](ViewMode mode) { loadMenu(mode); });
    connect(view_, &CIftaView::commandStateChanged, this, &CMainFrame::updateActions);
    connect(view_, &CIftaView::infoBarUpdateRequested, this, &CMainFrame::UpdateInfoBar);
    connect(view_, &CIftaView::statusTextRequested, this,
            [this](int pane, const QString &text) { SetStatusText(pane, text, true); });
    connect(&app_.flows(), &CIftaDocFlows::captionChanged, this, &CMainFrame::setDocumentTitle);
    connect(&app_.flows(), &CIftaDocFlows::defaultTaxTableReloaded, this,
            &CMainFrame::OnTaxTableReloaded);
    connect(infoBar_, &QDockWidget::visibilityChanged, this, &CMainFrame::updateActions);

    // Wide enough for the report's ten columns on a 1280 x 800 screen; later starts come
    // back where the window was left.
    resize(1240, 720);
    app_.settings().restoreWindowGeometry(*this);
    updateActions();
}

CMainFrame::~CMainFrame()
{
    // Closing the window hides the information bar, whose visibility signal would
    // otherwise call updateActions on a frame that is half destroyed.
    disconnect(infoBar_, nullptr, this, nullptr);
}

void CMainFrame::buildToolBar()
{
    toolBar_ = new QToolBar(tr("Standard"), this);
    toolBar_->setObjectName(QStringLiteral("toolBar128"));
    toolBar_->setIconSize(QSize(32, 31));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : kToolBar) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_->action(id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    panes_[0] = new QLabel(tr("Ready"), bar);
    panes_[0]->setObjectName(QStringLiteral("pane0"));
    bar->addWidget(panes_[0], 1);
    panes_[1] = new QLabel(bar);
    panes_[1]->setObjectName(QStringLiteral("pane1"));
    panes_[1]->setFrameShape(QFrame::StyledPanel);
    const QScreen *screen = QApplication::primaryScreen();
    const int quarter = screen ? screen->geometry().width() / 4 : 320;
    panes_[1]->setFixedWidth(quarter);
    bar->addPermanentWidget(panes_[1]);
    lockIndicators_ = new CLockIndicators(*bar);
}

void CMainFrame::buildCommands()
{
    commands_.add(
        ID_VIEW_TOOLBAR, [this] { toolBar_->setVisible(!toolBar_->isVisible()); }, {},
        [this] { return toolBar_->isVisible(); });
    commands_.add(
        ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(!statusBar()->isVisible()); }, {},
        [this] { return statusBar()->isVisible(); });
    commands_.add(
        ID_VIEW_DIALOGBAR, [this] { OnViewDialogBar(); }, {},
        [this] { return infoBar_->isVisible(); });
    commands_.add(ID_CONTEXT_HELP, [this] { OnContextHelp(); });
}

void CMainFrame::loadMenu(ViewMode mode)
{
    QMenuBar *bar = menuBar();
    bar->clear();
    const auto addMenu = [this, bar, mode](const QString &title, const int *items, size_t count) {
        QMenu *menu = bar->addMenu(title);
        for (size_t i = 0; i < count; ++i) {
            const int id = items[i];
            const bool dropped =
                ((mode == ViewMode::Report || mode == ViewMode::Check ||
                  mode == ViewMode::Vehicles || mode == ViewMode::Year) &&
                 (id == ID_EDIT_DELETE || id == ID_EDIT_MODIFY || id == ID_EDIT_ADD_NEW)) ||
                (mode != ViewMode::EntryList &&
                 (id == ID_EDIT_COPY_TRIPS || id == ID_EDIT_PASTE_TRIPS)) ||
                (mode == ViewMode::TaxRates && id == ID_EDIT_DELETE);
            if (dropped)
                continue;
            if (id == 0) {
                menu->addSeparator();
            } else if (id == kRecentFiles) {
                for (int f = 0; f < CIftaApp::kRecentFileCount; ++f)
                    menu->addAction(actions_->action(ID_FILE_MRU_FILE1 + f));
            } else {
                menu->addAction(actions_->action(id));
            }
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateActions);
        return menu;
    };
    fileMenu_ = addMenu(tr("&File"), kFileMenu, std::size(kFileMenu));
    editMenu_ = addMenu(tr("&Edit"), kEditMenu, std::size(kEditMenu));
    addMenu(tr("&View"), kViewMenu, std::size(kViewMenu));
    addMenu(tr("T&ax Rates"), kTaxMenu, std::size(kTaxMenu));
    addMenu(tr("&Help"), kHelpMenu, std::size(kHelpMenu));
    updateRecentFiles();
    updateActions();
}

void CMainFrame::updateRecentFiles()
{
    const QStringList files = app_.recentFiles();
    for (int f = 0; f < CIftaApp::kRecentFileCount; ++f) {
        QAction *a = actions_->action(ID_FILE_MRU_FILE1 + f);
        if (f < files.size()) {
            a->setText(tr("&%1 %2").arg(f + 1).arg(QFileInfo(files[f]).fileName()));
            a->setStatusTip(tr("Open this document"));
            a->setVisible(true);
        } else {
            // With no recent file at all the first item stays, greyed, as a placeholder.
            a->setText(tr("Recent &File"));
            a->setVisible(f == 0 && files.isEmpty());
        }
    }
    updateActions();
}

bool CMainFrame::OnCommand(int id)
{
    if (contextHelpMode_) {
        contextHelpMode_ = false;
        QApplication::restoreOverrideCursor();
        app_.OnHelp(HelpContext(id));
        return true;
    }
    bool handled = false;
    try {
        handled = dispatch(id);
    } catch (const std::bad_alloc &) {
        // A file too large for the memory left stops the command, not the program: what
        // was open stays, and files are only replaced by complete saves.
        app_.prompts().warn(UiText("CMainFrame", "There is not enough memory to finish this "
                                                 "command; it was stopped."));
    }
    updateActions();
    return handled;
}

bool CMainFrame::dispatch(int id)
{
    if (view_->hasCommand(id))
        return view_->isCommandEnabled(id) && view_->OnCmdMsg(id);
    if (app_.flows().commands().has(id))
        return app_.flows().commands().isEnabled(id) && app_.flows().commands().dispatch(id);
    if (commands_.has(id))
        return commands_.isEnabled(id) && commands_.dispatch(id);
    if (app_.commands().has(id))
        return app_.commands().isEnabled(id) && app_.commands().dispatch(id);
    return false;
}

void CMainFrame::updateActions()
{
    for (int id : actions_->ids()) {
        QAction *a = actions_->action(id);
        bool enabled = false;
        bool checkRule = false;
        bool checked = false;
        if (view_->hasCommand(id)) {
            enabled = view_->isCommandEnabled(id);
            checkRule = view_->hasCheckRule(id);
            checked = view_->isCommandChecked(id);
        } else {
            for (const CCommandTable *table :
                 {&app_.flows().commands(), &commands_, &app_.commands()}) {
                if (table->has(id)) {
                    enabled = table->isEnabled(id);
                    checkRule = table->hasCheckRule(id);
                    checked = table->isChecked(id);
                    break;
                }
            }
        }
        a->setEnabled(enabled);
        nameStep(id, a);
        if (checkRule) {
            a->setCheckable(true);
            a->setChecked(checked);
        } else if (a->isCheckable()) {
            a->setChecked(false);
        }
    }
}

void CMainFrame::nameStep(int id, QAction *action)
{
    // Undo and Redo name the step they take back or do again: "Undo Delete Trip 12".
    if (id != ID_EDIT_UNDO && id != ID_EDIT_REDO)
        return;
    const std::string step = view_->hasCommand(id) ? view_->commandLabel(id) : std::string();
    QString text = id == ID_EDIT_UNDO ? tr("&Undo") : tr("&Redo");
    if (!step.empty())
        text += QLatin1Char(' ') + QString::fromStdString(Cp1252ToUtf8(step));
    text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText);
    action->setText(text);
}

void CMainFrame::UpdateInfoBar()
{
    const CIftaDoc &doc = app_.document();
    const QString record =
        PeriodText(doc.recordPeriod().year, doc.recordPeriod().quarter, doc.company().country);
    const QString loaded = doc.taxTable().usedCount() == 0
                               ? tr("No tax rates loaded")
                               : PeriodText(doc.tablePeriod().year, doc.tablePeriod().quarter,
                                            doc.tablePeriod().country);
    infoBar_->setTexts(record, loaded);
    infoBar_->setFilingText(
        QString::fromStdString(Cp1252ToUtf8(app_.session().filing().infoText())));
}

void CMainFrame::SetStatusText(int pane, const QString &text, bool update)
{
    if (pane < 0 || pane > 1)
        return;
    panes_[pane]->setText(text);
    panes_[pane]->setToolTip(pane == 1 ? text : QString());
    if (update)
        panes_[pane]->repaint();
}

QString CMainFrame::statusText(int pane) const
{
    return pane >= 0 && pane <= 1 ? panes_[pane]->text() : QString();
}

void CMainFrame::OnTaxTableReloaded()
{
    modes_->OnTaxTableReloaded();
    // The file now loaded, which Options may have named just now.
    SetStatusText(1, QString::fromUtf8(app_.session().tax().loadedTaxFile().c_str()), true);
    updateActions();
}

void CMainFrame::OnViewDialogBar()
{
    // The dock layout resizes the view, which keeps its list filling it.
    infoBar_->setVisible(!infoBar_->isVisible());
    updateActions();
}

void CMainFrame::setDocumentTitle(const QString &title)
{
    setWindowTitle(tr("%1 - IFTA").arg(title));
    updateRecentFiles();
}

void CMainFrame::OnContextHelp()
{
    // The next command chosen shows its help instead of running.
    contextHelpMode_ = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (app_.session().record().canClose()) {
        app_.session().recovery().closedNormally();
        app_.settings().keepWindowGeometry(*this);
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    // Only the first file dropped is opened: there is one record file at a time.
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            activateWindow();
            app_.OpenDocumentFile(url.toLocalFile());
            return;
        }
    }
}
