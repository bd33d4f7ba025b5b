#pragma once

#include "ui/userprompts.h"

#include <QString>

class CAppSettings;
class QWidget;

// The rich text a message box shows for a message: escaped, line feeds as line breaks,
// and a date format such as "(MM/DD/YYYY)" kept on one line when the text wraps.
QString MessageBoxText(const QString &text);

// The prompts of the running program: message boxes, the file dialogs and the program's
// own dialogs, each modal over the active window. The only class that shows QMessageBox
// and QFileDialog.
class CWindowPrompts : public UserPrompts
{
public:
    // `settings` is the application's: the import dialog keeps its presets there.
    explicit CWindowPrompts(CAppSettings &settings) : settings_(settings) {}

    void warn(const std::string &text) override;
    void inform(const std::string &text) override;
    bool askYesNo(const std::string &text) override;
    Answer askYesNoCancel(const std::string &text) override;
    std::string openFileName(const std::string &filter) override;
    std::vector<std::string> openFileNames(const std::string &filter) override;
    std::string saveFileName(const std::string &filter, const std::string &proposal) override;

    bool editEntry(EntryDialogData &data) override;
    CompanyResult editCompany(CompanyDialogData &data, CProfileStore *store) override;
    bool chooseProfile(CProfileStore &store, ProfileRecord &selected) override;
    bool chooseImport(ImportDialogData &data) override;
    bool chooseMergeFiles(MergeDialogData &data) override;
    bool chooseVersion(VersionDialogData &data) override;
    bool runDownload(CIftaDoc &doc, DownloadDialogData &data) override;
    bool editTaxPeriod(TaxPeriod &period) override;
    bool editTaxRate(TaxRate &rate, bool newRate) override;
    void showTaxInfo(const TaxInfoData &data) override;
    bool editPreferences(PreferencesData &data) override;
    bool editFilingDate(FilingDialogData &data) override;
    void showAbout() override;
    void showHelp(unsigned context) override;
    bool printSetup(QPrinter &printer) override;
    PrintAnswer askPrintAnyway(const std::string &text) override;

private:
    CAppSettings &settings_;
};

// A filter of the program's own form ("IFTA record files (*.irc)|*.irc||") as a file
// dialog takes it ("IFTA record files (*.irc)"), one line per description and pattern.
QString DialogFilter(const std::string &filter);
// The extension of the filter's first pattern ("irc"), empty for "*.*".
QString DefaultExtension(const std::string &filter);
