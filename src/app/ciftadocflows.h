#pragma once

#include "ui/ccommandtable.h"

#include <QObject>
#include <QString>

class CIftaApp;
struct CompanyDialogData;
struct CompanyInfo;
class CIftaDoc;
class CIftaView;
class UserPrompts;

// The record document's window-side steps around the window-free CIftaDoc: File New,
// File Open, Save and Save As with the company dialog before writing, the question before
// a changed record file is dropped, closing, Company Info and the profile flow. It keeps
// what the framework's document kept: the record file's path and title and the first-
// document steps (profiles file, default tax file).
class CIftaDocFlows : public QObject
{
    Q_OBJECT

public:
    CIftaDocFlows(CIftaDoc &doc, UserPrompts &prompts, CIftaApp &app, QObject *parent = nullptr);

    void setView(CIftaView *view) { view_ = view; }
    CIftaDoc &document() { return doc_; }

    // The record file's full path, empty for a new one, and the title shown in the
    // caption: the file's name, or "Untitled".
    const QString &pathName() const { return pathName_; }
    const QString &title() const { return title_; }

    // File New as the framework runs it: the question about a changed record file, then
    // the new-document steps. False when the user cancelled or the company dialog was
    // cancelled (the previous record's lines and company data then stay).
    bool NewDocumentFile();
    // File Open of `path` as the framework runs it: the question about a changed record
    // file, then the open steps. False when cancelled or the file could not be read.
    bool OpenDocumentFile(const QString &path);

    // The document's own steps. OnNewDocument: first document without a dialog, later
    // ones through the company dialog in new-file mode, or from the chosen profile while
    // `busy`. OnOpenDocument: the first-document steps, then the file is read.
    bool OnNewDocument();
    bool OnOpenDocument(const QString &path);

    // Writes the record file at `path` (StoreOrLoad, storing): the company dialog first
    // when the company name is empty or after a merge; a cancelled dialog still writes.
    bool OnSaveDocument(const QString &path);
    // File Save (Save As for a new record file) and File Save As.
    bool DoFileSave();
    bool DoSave(const QString &path, bool replace = true);
    // "Save changes to %s?" for a changed record file: Yes saves, No drops, Cancel stops.
    // True when the caller may go on.
    bool SaveModified();
    // The framework's plain new-document step, used by Merge Files: no path, "Untitled",
    // the caller clears the modified flag; no company dialog, no tax file read.
    void OnPlainNewDocument() { setDefaultTitle(); }
    // Closing: "Save the modified tax?" when the tax-rate table was changed and not saved,
    // then SaveModified.
    bool CanCloseFrame();

    // The company dialog over the document, in full mode (Company Info) or new-file mode.
    // True on OK, with the values taken into the document.
    bool EditCompany(bool newFileMode);
    // Edit, Company Info (with "Go to profiles" handing over to the profile flow).
    void OnCompanyInfo();
    // The profiles dialog; on Select the chosen profile starts a new record file. True
    // when a new record file was made from it.
    bool RunProfileFlow();

    // Loads the default tax-rate file (the remembered one, else ifta.itx in the current
    // folder). True when a file was read; a wrong file shows its message, a missing one
    // none.
    bool LoadDefaultTaxFile();
    // Before the table is read again from `replacement`: changed rates that are in no file
    // yet are offered for saving ("Save the modified tax?", then Save Tax Rates).
    void OfferToSaveModifiedTax(const QString &replacement);

    // Commands of the document: Save, Save As, Company Info and Profiles.
    CCommandTable &commands() { return commands_; }

signals:
    // The caption's title changed.
    void titleChanged(const QString &title);
    // A recent-file entry: a record file was opened or saved under `path`.
    void recentFile(const QString &path);
    // The default tax-rate file was read again into the table (File New, Options).
    void taxTableReloaded();

private:
    void firstDocumentSteps();
    bool newDocumentFromProfile();
    // A later File New's table: the default tax file read again, after the offer to save
    // changed rates; the record file takes its period.
    void reloadDefaultTaxFile();
    // The remembered default tax file, else ifta.itx in the current folder.
    QString defaultTaxFilePath(bool &remembered);
    void takeCompanyValues(const CompanyInfo &values, bool withDates);
    int runCompanyDialog(CompanyDialogData &data);
    void setPathName(const QString &path);
    void setDefaultTitle();
    void updateAllViews(bool initial);

    CIftaDoc &doc_;
    UserPrompts &prompts_;
    CIftaApp &app_;
    CIftaView *view_ = nullptr;
    QString pathName_;
    QString title_ = QStringLiteral("Untitled");
    CCommandTable commands_;
};

constexpr const char *kSaveModifiedTax = "Save the modified tax?";
// The framework's question before a changed record file is dropped; %1 is its title.
constexpr const char *kSaveChangesTo = "Save changes to %1?";
