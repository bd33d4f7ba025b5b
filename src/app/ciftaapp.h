#pragma once

#include "ui/cappsettings.h"
#include "ui/ccommandtable.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <string>

class CIftaDoc;
class CIftaDocFlows;
class CMainFrame;
class CPrintCommands;
class CProfileStore;
class CRecoveryTimer;
class CSession;
class QPrinter;
class UserPrompts;

// The application: start-up, the settings (CAppSettings), the printer settings, the
// command line and the top-level commands New, Open, the recent files, Print Setup,
// Import, Options, About and Exit. It owns the program's one session (the program-wide
// state, the user-profile store and the open record), the print commands and the main
// window.
class CIftaApp : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRecentFileCount = CAppSettings::kRecentFileCount;

    // `prompts` answers every question of the run; null installs the window prompts
    // (message boxes, file dialogs, the program's dialogs).
    explicit CIftaApp(UserPrompts *prompts = nullptr, QObject *parent = nullptr);
    ~CIftaApp() override;

    // Where recovery copies are kept; before InitInstance (tests). Unless set, the
    // "recovery" folder of the user's application data (QStandardPaths::AppDataLocation).
    void setRecoveryFolder(const QString &folder) { recoveryFolder_ = folder; }
    QString recoveryFolder() const;

    // Start-up with the command line's arguments (without the program name): a named
    // record file is opened, otherwise a new one is made; then the main window is shown
    // and the recovery copies of runs that did not end normally are offered.
    // `/p FILE [--pdf OUT]` prints the file instead and needs no window. False ends the
    // program.
    bool InitInstance(const QStringList &arguments);
    // True when the command line asked for printing only (the program then ends).
    bool printOnly() const { return printOnly_; }
    int exitCode() const { return exitCode_; }

    CAppSettings &settings() { return settings_; }
    // "Recent File List"/"File1".."File4", most recent first.
    QStringList recentFiles() const { return settings_.recentFiles(); }
    void AddToRecentFileList(const QString &path);

    // Top-level commands. OnFileNew is also run by the frame's New button; true when a
    // new record file was made.
    bool OnFileNew();
    void OnFileOpen();
    bool OpenDocumentFile(const QString &path);
    void OnImport();
    void OnOptions();
    void OnAppAbout();
    void OnFilePrintSetup();
    void OnAppExit();
    void OnHelp(unsigned context);

    // The default printer in landscape, as every Print Setup starts from.
    void SelectDefaultPrinter();
    // The application's printer settings (the system's default printer until set up).
    QPrinter &printer();

    CSession &session() { return *session_; }
    CIftaDoc &document();
    CIftaDocFlows &flows() { return *flows_; }
    CProfileStore &profileStore();
    CPrintCommands &printCommands() { return *printCommands_; }
    UserPrompts &prompts() { return *prompts_; }
    CMainFrame *mainFrame() const { return frame_.get(); }
    CCommandTable &commands() { return commands_; }
    CRecoveryTimer &recoveryTimer() { return *recoveryTimer_; }

private:
    bool printFromCommandLine(const QStringList &arguments);
    void buildCommands();

    std::unique_ptr<UserPrompts> ownPrompts_;
    UserPrompts *prompts_ = nullptr;
    CAppSettings settings_;
    std::unique_ptr<CSession> session_;
    std::unique_ptr<CIftaDocFlows> flows_;
    std::unique_ptr<CPrintCommands> printCommands_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CRecoveryTimer> recoveryTimer_;
    QString recoveryFolder_;
    CCommandTable commands_;
    bool printOnly_ = false;
    int exitCode_ = 0;
};
