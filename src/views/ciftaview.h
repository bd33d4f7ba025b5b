#pragma once

#include "ui/ccommandtable.h"
#include "print/printersettings.h"

#include <QWidget>

#include <functional>
#include <memory>

class CEntryListCtrl;
class CIftaDoc;
class UserPrompts;
class QAbstractItemModel;
class QMenu;
class QTableView;

// Width in pixels of a list column: list models answer it from headerData(section,
// Qt::Horizontal, kColumnWidthRole); the view sizes its columns from it on every switch.
constexpr int kColumnWidthRole = Qt::UserRole + 1;

// The program's single form view: one list (child 1000) filling the view, in one of three
// modes: the entry list (0), the report (1) or the tax-rate table (2). Every switch
// rebuilds the mode's model from the document and swaps it into the list, so the previous
// mode's sort, selection and scroll position are gone.
//
// Commands reach the view through OnCmdMsg: the table of the mode shown first, then the
// table shared by all modes. The entry-list commands are built in here; the report and
// tax-rate modes install their models and commands with setListMode() and commands(mode).
class CIftaView : public QWidget
{
    Q_OBJECT

public:
    enum Mode { ModeEntryList = 0, ModeReport = 1, ModeTaxRates = 2 };
    static constexpr int kAllModes = -1;

    // What the report and the tax-rate modes supply.
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

    CIftaView(CIftaDoc &doc, UserPrompts &prompts, QWidget *parent = nullptr);
    ~CIftaView() override;

    CIftaDoc &document() { return doc_; }
    UserPrompts &prompts() { return prompts_; }
    int mode() const { return mode_; }

    // The list control (child 1000) and the row of its selected line, -1 for none.
    QTableView *list() const { return list_; }
    int selectedRow() const;
    void selectRow(int row);

    // The entry list's model, with its undo and redo flags; it lives as long as the view.
    CEntryListCtrl &entryList() { return *entryList_; }

    // Installs the report (1) or tax-rate (2) mode. Until a mode is installed, switching to
    // it shows an empty list.
    void setListMode(int mode, ListMode hooks);

    // Mode switches: "View List", "View Report", "View Tax Rates".
    void ShowList();
    void ShowReport();
    void ShowTaxRates();

    // The document changed (new or opened record file, company data, undo): show the
    // entry list again; the frame sets the odometer buttons from useOdometer.
    void OnUpdate();
    // The first display of a new or opened record file: OnUpdate, and the remembered
    // default tax file's path (empty for none) into status pane 1.
    void OnInitialUpdate(const QString &defaultTaxFile);

    // The command table of one mode (0, 1, 2) or the one shared by all modes (kAllModes).
    CCommandTable &commands(int mode);
    // Runs a command: the table of the mode shown, then the shared one. False when the
    // view has no handler for it.
    bool OnCmdMsg(int id);
    bool hasCommand(int id) const;
    bool isCommandEnabled(int id) const;
    bool isCommandChecked(int id) const;
    bool hasCheckRule(int id) const;

    // Context menu 131 of the entry list, with "&Modify" and "&Delete" greyed when no line
    // is selected; each item carries its command id in data(). The caller owns the menu.
    QMenu *BuildEntryContextMenu(QWidget *parent);

    // The tax-rate table was changed and not yet saved (the tax-rate mode keeps it).
    bool taxRatesModified = false;

    // Asks the frame to rewrite the information bar, or a status-bar pane.
    void UpdateInfoBar() { emit infoBarUpdateRequested(); }
    void SetStatusText(int pane, const QString &text) { emit statusTextRequested(pane, text); }

signals:
    void modeChanged(int mode);
    // Enabled or checked states may have changed (selection, undo flags, odometer).
    void commandStateChanged();
    void infoBarUpdateRequested();
    void statusTextRequested(int pane, const QString &text);

private:
    void buildEntryCommands();
    void showModel(QAbstractItemModel *model, int mode);
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
    void OnFilePrint();
    void OnFilePrintPreview();

    CIftaDoc &doc_;
    UserPrompts &prompts_;
    QTableView *list_ = nullptr;
    std::unique_ptr<CEntryListCtrl> entryList_;
    std::unique_ptr<QAbstractItemModel> emptyModel_;
    ListMode modes_[3];
    CCommandTable tables_[3];
    CCommandTable shared_;
    int mode_ = ModeEntryList;
    // The printer settings the open record file prints with (empty until its first print:
    // the application's settings are used then).
    PrinterSettings printerSetup_;
};
