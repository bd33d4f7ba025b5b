#pragma once

#include "sessionbase/viewmode.h"
#include "ui/ccommandtable.h"

#include <QMainWindow>

class CActionTable;
class CIftaApp;
class CIftaView;
class CInfoDlgBar;
class CLockIndicators;
class CViewModes;
class QLabel;
class QMenu;
class QToolBar;

// The program's main window: menu 128 and its accelerators, toolbar 128, the status bar
// (pane 0 for prompts and messages, pane 1 for the tax file's path, then the CAP, NUM and
// SCRL panes where the platform reports the lock keys), the information bar
// docked at the top and the form view filling the rest. Every command of the menu, the
// toolbar and the accelerators goes through OnCommand, which asks the view, the
// document, the frame and the application in turn; updateActions greys and checks the
// items from the same tables.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(CIftaApp &app, QWidget *parent = nullptr);
    ~CMainFrame() override;

    CIftaView *view() const { return view_; }
    CInfoDlgBar *infoBar() const { return infoBar_; }
    CActionTable &actions() const { return *actions_; }
    QToolBar *toolBar() const { return toolBar_; }
    CLockIndicators *lockIndicators() const { return lockIndicators_; }
    QMenu *editMenu() const { return editMenu_; }

    // Runs a command id as if its menu item was chosen; false when nobody handles it or
    // it is greyed.
    bool OnCommand(int id);
    // Enabled and checked states of every action from the command tables.
    void updateActions();
    // The text of Undo or Redo with the step it would take (other actions stay as built).
    void nameStep(int id, QAction *action);

    // Rewrites both texts of the information bar from the document ("%dQ%d for %s").
    void UpdateInfoBar();
    // Writes `text` into status pane `pane` (0 or 1); `update` repaints at once.
    void SetStatusText(int pane, const QString &text, bool update = false);
    QString statusText(int pane) const;
    // The default tax-rate file was read again: the tax-rate list and its undo follow.
    void OnTaxTableReloaded();
    // "View Dialog Bar": shows or hides the information bar.
    void OnViewDialogBar();

    // Caption "<title> - IFTA".
    void setDocumentTitle(const QString &title);
    // Puts the recent-file list into the File menu.
    void updateRecentFiles();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The first command table that has `id` runs it (OnCommand).
    bool dispatch(int id);
    void buildToolBar();
    void buildStatusBar();
    void buildCommands();
    // Loads menu 128 again; the report mode drops "&Delete", "&Modify" and "Add New" from
    // the Edit menu, the tax-rate mode drops "&Delete".
    void loadMenu(ViewMode mode);
    void OnContextHelp();

    CIftaApp &app_;
    CActionTable *actions_ = nullptr;
    CIftaView *view_ = nullptr;
    CInfoDlgBar *infoBar_ = nullptr;
    QToolBar *toolBar_ = nullptr;
    QMenu *fileMenu_ = nullptr;
    QMenu *editMenu_ = nullptr;
    QLabel *panes_[2] = {};
    CLockIndicators *lockIndicators_ = nullptr;
    CViewModes *modes_ = nullptr;
    CCommandTable commands_;
    bool contextHelpMode_ = false;
};
