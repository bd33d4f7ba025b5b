#pragma once

#include "ui/ccommandtable.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <string>

class CIftaDoc;
class CIftaDocFlows;
class CMainFrame;
class CProfileStore;
class QPrinter;
class UserPrompts;

// The application: start-up, the two remembered file paths and the recent-file list in
// the settings (QSettings "Varnotec"/"Tollmark"), the printer settings, the command line
// and the top-level commands New, Open, the recent files, Print Setup, Import, Options,
// About and Exit. It owns the one document, the user-profile store and the main window.
class CIftaApp : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRecentFileCount = 4;

    // `prompts` answers every question of the run; null installs the window prompts
    // (message boxes, file dialogs, the program's dialogs).
    explicit CIftaApp(UserPrompts *prompts = nullptr, QObject *parent = nullptr);
    ~CIftaApp() override;

    // The application object of the run (the last one made), or null.
    static CIftaApp *instance();

    // Start-up with the command line's arguments (without the program name): a named
    // record file is opened, otherwise a new one is made; then the main window is shown.
    // `/p FILE [--pdf OUT]` prints the file instead and needs no window. False ends the
    // program.
    bool InitInstance(const QStringList &arguments);
    // True when the command line asked for printing only (the program then ends).
    bool printOnly() const { return printOnly_; }
    int exitCode() const { return exitCode_; }

    // "TaxFile"/"DefaultTaxFile": re-read into the member; true when it is not empty.
    bool GetDefaultTaxFile();
    const std::string &defaultTaxFile() const { return defaultTaxFile_; }
    void SetDefaultTaxFile(const std::string &path);
    // "ProfilesFile"/"DefaultProfilesFile", the same way.
    bool GetDefaultProfilesFile();
    const std::string &defaultProfilesFile() const { return defaultProfilesFile_; }
    void SetDefaultProfilesFile(const std::string &path);
    // Opens the user-profiles file (the remembered one, else ifta.usr in the current
    // folder, else one the user picks) into `store` and remembers its path.
    bool OpenProfilesFile(CProfileStore &store);

    // "Recent File List"/"File1".."File4", most recent first.
    QStringList recentFiles() const;
    void AddToRecentFileList(const QString &path);

    // Top-level commands. OnFileNew is also run by Import and by the profile flow; true
    // when a new record file was made.
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

    CIftaDoc &document() { return *doc_; }
    CIftaDocFlows &flows() { return *flows_; }
    CProfileStore &profileStore() { return *profiles_; }
    UserPrompts &prompts() { return *prompts_; }
    CMainFrame *mainFrame() const { return frame_.get(); }
    CCommandTable &commands() { return commands_; }

private:
    bool printFromCommandLine(const QStringList &arguments);
    void buildCommands();

    std::unique_ptr<UserPrompts> ownPrompts_;
    UserPrompts *prompts_ = nullptr;
    std::unique_ptr<CProfileStore> profiles_;
    std::unique_ptr<CIftaDoc> doc_;
    std::unique_ptr<CIftaDocFlows> flows_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<CMainFrame> frame_;
    CCommandTable commands_;
    std::string defaultTaxFile_;
    std::string defaultProfilesFile_;
    bool printOnly_ = false;
    int exitCode_ = 0;
};
