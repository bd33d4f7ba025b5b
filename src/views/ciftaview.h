#pragma once

#include "print/printersettings.h"
#include "sessionbase/viewmode.h"
#include "ui/ccommandtable.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class CAppSettings;
class CCellEditor;
class CEntryListCtrl;
class CIftaDoc;
class CListFit;
class CNewTripRow;
class CPrintCommands;
class CSession;
class UserPrompts;
class QAbstractItemModel;
class QMenu;
class QLabel;
class QSplitter;
class QStackedWidget;
class QTableView;

// Width in pixels of a list column: list models answer it from headerData(section,
// Qt::Horizontal, kColumnWidthRole); the view sizes its columns from it on every switch.
constexpr int kColumnWidthRole = Qt::UserRole + 1;

// The program's single form view: one list (child 1000) filling the view, in one of its
// modes (ViewMode): the entry list, the report, the tax-rate table, the quarter check,
// the vehicles or the year summary.
// Every switch rebuilds the mode's model from the document and swaps it into the list, so
// the previous mode's sort, selection and scroll position are gone. A mode may have a
// chart, shown under the list while the mode is shown.
//
// Commands reach the view through OnCmdMsg: the table of the mode shown first, then the
// table shared by all modes. The entry-list commands are built in here; the report and
// tax-rate and check modes install their models and commands with setListMode() and
// commands(mode), their charts with setChart().
class CIftaView : public QWidget
{
    Q_OBJECT

public:
    // What the report, tax-rate and check modes supply.
    struct ListMode {
        // Rebuilds the mode's model from the document and returns it; the model must live
        // as long as the view (the mode owns it). Called on every switch to the mode.
        std::function<QAbstractItemModel *()> show;
        // Double-click on a line (-1: none selected).
        std::function<void(int row)> doubleClick;
        // Right button at `globalPos`; the selection stays as it is.
        std::function<void(const QPoint &globalPos, int row)> contextMenu;
        // A click on column heading `column`.
        std::function<void(int column)> headerClick;
    };

    // `settings` keeps what the view remembers between runs (the preview's pages).
    CIftaView(CSession &session, UserPrompts &prompts, CAppSettings &settings,
              QWidget *parent = nullptr);
    ~CIftaView() override;

    CSession &session() { return session_; }
    CIftaDoc &document() { return doc_; }
    UserPrompts &prompts() { return prompts_; }
    ViewMode mode() const { return mode_; }

    // The print commands File Print and Print Preview run; the application gives its own
    // (with the application's printer), else the view keeps one of its own.
    void setPrintCommands(CPrintCommands *commands) { printCommands_ = commands; }

    // The list control (child 1000) and the row of its selected line, -1 for none.
    QTableView *list() const { return list_; }
    // The line above the report that says when trip lines carry other rates than the
    // loaded table's; hidden otherwise and in the other modes.
    QLabel *notice() const { return notice_; }
    int selectedRow() const;
    void selectRow(int row);

    // The entry list's model; it lives as long as the view.
    CEntryListCtrl &entryList() { return *entryList_; }
    // The new-trip row under the entry list (shown in that mode only) and the box that
    // edits one of its cells in place.
    CNewTripRow &newTripRow() { return *newTripRow_; }
    CCellEditor &cellEditor() { return *cellEditor_; }

    // Installs the report, tax-rate or check mode. Until a mode is installed, switching to
    // it shows an empty list.
    void setListMode(ViewMode mode, ListMode hooks);
    // The chart shown under the list in `mode`; the view takes it over as a child.
    void setChart(ViewMode mode, QWidget *chart);
    // The chart area under the list (hidden in a mode without a chart).
    QStackedWidget *chartArea() const { return charts_; }

    // Mode switches: "View List", "View Report", "View Tax Rates", "Check".
    void ShowList();
    void ShowReport();
    void ShowTaxRates();
    void ShowCheck();
    // View, Vehicles: each unit's trips, distance, fuel and average, and the fleet's.
    void ShowVehicles();
    // View, Year: asks for the quarter files, then shows their summary (ShowYear).
    void OnViewYear();
    // The year summary of the quarters chosen last, made again now.
    void ShowYear();

    // The document changed (new or opened record file, company data, undo): show the
    // entry list again; the frame sets the odometer buttons from useOdometer.
    void OnUpdate();
    // The first display of a new or opened record file: OnUpdate, and the remembered
    // default tax file's path (empty for none) into status pane 1.
    void OnInitialUpdate(const QString &defaultTaxFile);

    // The command table of one mode, and the one shared by all modes.
    CCommandTable &commands(ViewMode mode);
    CCommandTable &sharedCommands() { return shared_; }
    // Shows the mode shown again from the document: after the lines changed in place.
    void refreshMode();
    // Runs a command: the table of the mode shown, then the shared one. False when the
    // view has no handler for it.
    bool OnCmdMsg(int id);
    bool hasCommand(int id) const;
    bool isCommandEnabled(int id) const;
    bool isCommandChecked(int id) const;
    bool hasCheckRule(int id) const;
    // What the command's menu item names beside its own text ("Delete Trip 12" for Undo),
    // empty for none.
    std::string commandLabel(int id) const;

    // Context menu 131 of the entry list, with "&Modify" and "&Delete" greyed when no line
    // is selected; each item carries its command id in data(). The caller owns the menu.
    QMenu *BuildEntryContextMenu(QWidget *parent);

    // The tax-rate table was changed and not yet saved.
    bool taxRatesModified() const;

    // Asks the frame to rewrite the information bar, or a status-bar pane.
    void UpdateInfoBar() { emit infoBarUpdateRequested(); }
    void SetStatusText(int pane, const QString &text) { emit statusTextRequested(pane, text); }

signals:
    void modeChanged(ViewMode mode);
    // Enabled or checked states may have changed (selection, undo flags, odometer).
    void commandStateChanged();
    void infoBarUpdateRequested();
    void statusTextRequested(int pane, const QString &text);

private:
    // The list of every mode: one table view, rows selected whole, fixed line height.
    void buildList();
    void buildEntryCommands();
    void showModel(QAbstractItemModel *model, ViewMode mode);
    const CCommandTable &table(ViewMode mode) const { return tables_[static_cast<int>(mode)]; }
    void OnAddNew();
    void OnModify();
    void OnDelete();
    void OnOdometer(bool on);
    void OnUndo();
    void OnRedo();
    void OnDoubleClick();
    void OnContextMenu(const QPoint &pos);
    void OnHeaderClick(int column);
    void scrollToEntryRow(int row);
    // Printing of the mode shown: Print and Print Preview.
    CPrintCommands &printCommands();
    void OnFilePrint();
    // Before the return form is printed: false when the check's problems stop it.
    bool confirmReturnPrint();
    void OnFilePrintPreview();

    CSession &session_;
    CIftaDoc &doc_;
    UserPrompts &prompts_;
    CAppSettings &settings_;
    QSplitter *splitter_ = nullptr;
    QTableView *list_ = nullptr;
    QLabel *notice_ = nullptr; // one line above the report
    QStackedWidget *charts_ = nullptr;
    CListFit *fit_ = nullptr; // owned by the splitter
    CNewTripRow *newTripRow_ = nullptr;
    CCellEditor *cellEditor_ = nullptr; // owned by the list
    std::unique_ptr<CEntryListCtrl> entryList_;
    std::unique_ptr<CPrintCommands> ownPrintCommands_;
    CPrintCommands *printCommands_ = nullptr;
    std::unique_ptr<QAbstractItemModel> emptyModel_;
    ListMode modes_[kViewModeCount];
    QWidget *chartOf_[kViewModeCount] = {};
    CCommandTable tables_[kViewModeCount];
    CCommandTable shared_;
    ViewMode mode_ = ViewMode::EntryList;
    int observer_ = 0; // of the document
    // The printer settings the open record file prints with (empty until its first print:
    // the application's settings are used then).
    PrinterSettings printerSetup_;
};
