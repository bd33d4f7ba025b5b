#include "app/ciftadocflows.h"

#include "app/ciftaapp.h"
#include "ui/commandids.h"
#include "ui/userprompts.h"
#include "dialogs/ccompanydlg.h"
#include "records/ciftadoc.h"
#include "records/recordfile.h"
#include "records/taxfile.h"
#include "views/centrylistctrl.h"
#include "views/ciftaview.h"

#include <QDir>
#include <QFileInfo>

namespace {

// In the notes every lone carriage return of the dialog becomes CR LF, as the record
// file keeps them.
std::string NotesForRecord(const std::string &notes)
{
    std::string out;
    out.reserve(notes.size() + 8);
    for (size_t i = 0; i < notes.size(); ++i) {
        out += notes[i];
        if (notes[i] == '\r' && (i + 1 >= notes.size() || notes[i + 1] != '\n'))
            out += '\n';
    }
    return out;
}

std::string ToPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

CIftaDocFlows::CIftaDocFlows(CIftaDoc &doc, UserPrompts &prompts, CIftaApp &app,
                             QObject *parent)
    : QObject(parent)
    , doc_(doc)
    , prompts_(prompts)
    , app_(app)
{
    commands_.add(ID_FILE_SAVE, [this] { DoFileSave(); });
    commands_.add(ID_FILE_SAVE_AS, [this] { DoSave(QString()); });
    commands_.add(ID_COMPANY_INFO, [this] { OnCompanyInfo(); });
    // Edit, Profiles: a stored profile starts a new record file.
    commands_.add(ID_PROFILES, [this] { RunProfileFlow(); });
}

void CIftaDocFlows::setPathName(const QString &path)
{
    pathName_ = QFileInfo(path).absoluteFilePath();
    title_ = QFileInfo(path).fileName();
    emit titleChanged(title_);
    emit recentFile(pathName_);
}

void CIftaDocFlows::setDefaultTitle()
{
    pathName_.clear();
    title_ = QStringLiteral("Untitled");
    emit titleChanged(title_);
}

void CIftaDocFlows::updateAllViews(bool initial)
{
    if (!view_)
        return;
    if (initial) {
        // Undo and redo belong to the record they were taken from.
        view_->entryList().ClearUndo();
        view_->OnInitialUpdate(app_.GetDefaultTaxFile()
                                   ? QString::fromStdString(app_.defaultTaxFile())
                                   : QString());
    } else {
        view_->OnUpdate();
    }
}

bool CIftaDocFlows::NewDocumentFile()
{
    if (!SaveModified())
        return false;
    setDefaultTitle();
    doc_.setModified(false);
    if (!OnNewDocument())
        return false;
    updateAllViews(true);
    return true;
}

bool CIftaDocFlows::OpenDocumentFile(const QString &path)
{
    if (!SaveModified())
        return false;
    if (!OnOpenDocument(path))
        return false;
    setPathName(path);
    updateAllViews(true);
    return true;
}

void CIftaDocFlows::firstDocumentSteps()
{
    if (doc_.initialised)
        return;
    app_.OpenProfilesFile(app_.profileStore());
    if (LoadDefaultTaxFile()) {
        doc_.recordPeriod.year = doc_.tablePeriod.year;
        doc_.recordPeriod.quarter = doc_.tablePeriod.quarter;
    }
    doc_.initialised = true;
}

bool CIftaDocFlows::OnNewDocument()
{
    if (doc_.busy) {
        doc_.busy = false;
        return newDocumentFromProfile();
    }
    doc_.busy = true;
    if (doc_.initialised) {
        CompanyDialogData data;
        data.company.country = doc_.company.country;
        data.company.provinceState = doc_.company.provinceState;
        data.company.useOdometer = doc_.company.useOdometer;
        data.company.diesel = doc_.company.diesel;
        data.company.gasoline = doc_.company.gasoline;
        data.fuelChoice = true;
        const int result = runCompanyDialog(data);
        if (result == CCompanyDlg::GoToProfiles) {
            // "Go to profiles": the chosen profile's dialog decides about the new file.
            doc_.busy = false;
            ProfileRecord chosen;
            if (!prompts_.chooseProfile(app_.profileStore(), chosen))
                return false;
            doc_.chosenProfile = chosen;
            if (!newDocumentFromProfile())
                return false;
            doc_.busy = true;
        } else if (result != QDialog::Accepted) {
            doc_.busy = false;
            return false;
        } else {
            takeCompanyValues(data.company, false);
            doc_.removeAllEntries();
        }
    }
    doc_.newDocumentPending = false;
    if (!doc_.initialised) {
        firstDocumentSteps();
    } else {
        reloadDefaultTaxFile();
    }
    doc_.initialised = true;
    doc_.busy = false;
    return true;
}

bool CIftaDocFlows::newDocumentFromProfile()
{
    const ProfileRecord &p = doc_.chosenProfile;
    CompanyDialogData data;
    CompanyInfo &c = data.company;
    c.companyName = p.companyName;
    c.address = p.address;
    c.city = p.city;
    c.provinceState = p.provinceState;
    c.country = p.country;
    c.postalCode = p.postalCode;
    c.phone = p.phone;
    c.iftaNumber = p.iftaNumber;
    c.diesel = p.fuelType == 1 ? 1 : 0;
    c.gasoline = p.fuelType == 2 ? 1 : 0;
    data.fuelChoice = true;
    if (runCompanyDialog(data) != QDialog::Accepted)
        return false;
    doc_.removeAllEntries();
    takeCompanyValues(data.company, false);
    updateAllViews(false);
    return true;
}

bool CIftaDocFlows::OnOpenDocument(const QString &path)
{
    doc_.busy = true;
    firstDocumentSteps();
    doc_.busy = false;
    const Result read = ReadRecordFile(doc_, ToPath(path));
    if (!read.ok && read.message != kIncompatibleFileFormat) {
        // The file could not be opened at all: the document stays as it was.
        prompts_.warn(read.message);
        return false;
    }
    if (!read.ok)
        prompts_.warn(read.message); // opened under its name, with no lines
    return true;
}

bool CIftaDocFlows::OnSaveDocument(const QString &path)
{
    if (doc_.company.companyName.empty() || doc_.forceCompanyDialog)
        EditCompany(false); // whatever the answer, the file is written
    const Result written = WriteRecordFile(doc_, ToPath(path));
    if (!written.ok) {
        prompts_.warn(written.message);
        return false;
    }
    return true;
}

bool CIftaDocFlows::DoFileSave()
{
    if (pathName_.isEmpty() || (QFileInfo::exists(pathName_) && !QFileInfo(pathName_).isWritable()))
        return DoSave(QString());
    return DoSave(pathName_);
}

bool CIftaDocFlows::DoSave(const QString &path, bool replace)
{
    QString target = path;
    if (target.isEmpty()) {
        QString proposal = pathName_.isEmpty() ? title_ : pathName_;
        if (!proposal.endsWith(QStringLiteral(".irc"), Qt::CaseInsensitive))
            proposal += QStringLiteral(".irc");
        const std::string chosen = prompts_.saveFileName(kRecordFileFilter, ToPath(proposal));
        if (chosen.empty())
            return false;
        target = QFile::decodeName(QByteArray::fromStdString(chosen));
    }
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        setPathName(target);
    return true;
}

bool CIftaDocFlows::SaveModified()
{
    if (!doc_.isModified())
        return true;
    const QString name = pathName_.isEmpty() ? title_ : pathName_;
    const QString question = QString::fromLatin1(kSaveChangesTo).arg(name);
    switch (prompts_.askYesNoCancel(QFile::encodeName(question).toStdString())) {
    case UserPrompts::Answer::Yes:
        return DoFileSave();
    case UserPrompts::Answer::No:
        return true;
    case UserPrompts::Answer::Cancel:
        break;
    }
    return false;
}

bool CIftaDocFlows::CanCloseFrame()
{
    if (view_ && view_->taxRatesModified && prompts_.askYesNo(kSaveModifiedTax))
        view_->OnCmdMsg(ID_SAVE_TAX_RATES);
    return SaveModified();
}

int CIftaDocFlows::runCompanyDialog(CompanyDialogData &data)
{
    switch (prompts_.editCompany(data, &app_.profileStore())) {
    case UserPrompts::CompanyResult::Ok:
        return QDialog::Accepted;
    case UserPrompts::CompanyResult::GoToProfiles:
        return CCompanyDlg::GoToProfiles;
    case UserPrompts::CompanyResult::Cancel:
        break;
    }
    return QDialog::Rejected;
}

void CIftaDocFlows::takeCompanyValues(const CompanyInfo &values, bool withDates)
{
    CompanyInfo &c = doc_.company;
    c.companyName = values.companyName;
    c.address = values.address;
    c.city = values.city;
    c.provinceState = values.provinceState;
    c.country = values.country;
    c.postalCode = values.postalCode;
    c.phone = values.phone;
    c.iftaNumber = values.iftaNumber;
    c.notes = NotesForRecord(values.notes);
    c.startOdometer = values.startOdometer;
    c.diesel = values.diesel;
    c.gasoline = values.gasoline;
    if (withDates) {
        c.periodFrom = values.periodFrom;
        c.periodTo = values.periodTo;
    }
    c.useOdometer = (values.useOdometer != 0 || values.startOdometer != 0) ? 1 : 0;
    doc_.setModified();
}

bool CIftaDocFlows::EditCompany(bool newFileMode)
{
    CompanyDialogData data;
    if (newFileMode) {
        data.company.country = doc_.company.country;
        data.company.provinceState = doc_.company.provinceState;
        data.company.useOdometer = doc_.company.useOdometer;
        data.company.diesel = doc_.company.diesel;
        data.company.gasoline = doc_.company.gasoline;
        data.fuelChoice = true;
    } else {
        data.company = doc_.company;
        data.withPeriodDates = true;
        data.fuelChoice = doc_.entries.empty();
    }
    const int result = runCompanyDialog(data);
    if (result != QDialog::Accepted)
        return false;
    takeCompanyValues(data.company, !newFileMode);
    return true;
}

void CIftaDocFlows::OnCompanyInfo()
{
    CompanyDialogData data;
    data.company = doc_.company;
    data.withPeriodDates = true;
    data.fuelChoice = doc_.entries.empty();
    const int result = runCompanyDialog(data);
    if (result == CCompanyDlg::GoToProfiles) {
        RunProfileFlow();
        return;
    }
    if (result != QDialog::Accepted)
        return;
    takeCompanyValues(data.company, true);
    updateAllViews(false);
}

bool CIftaDocFlows::RunProfileFlow()
{
    ProfileRecord chosen;
    if (!prompts_.chooseProfile(app_.profileStore(), chosen))
        return false;
    doc_.chosenProfile = chosen;
    doc_.busy = true;
    const bool made = app_.OnFileNew();
    doc_.busy = false; // a refused save question leaves no profile pending
    return made;
}

QString CIftaDocFlows::defaultTaxFilePath(bool &remembered)
{
    const QString current = QDir::currentPath();
    remembered = app_.GetDefaultTaxFile();
    if (remembered)
        return QString::fromStdString(app_.defaultTaxFile());
    return current.isEmpty() ? QString() : current + QStringLiteral("/ifta.itx");
}

void CIftaDocFlows::reloadDefaultTaxFile()
{
    bool remembered = false;
    OfferToSaveModifiedTax(defaultTaxFilePath(remembered));
    if (LoadDefaultTaxFile()) {
        doc_.recordPeriod.year = doc_.tablePeriod.year;
        doc_.recordPeriod.quarter = doc_.tablePeriod.quarter;
    }
}

void CIftaDocFlows::OfferToSaveModifiedTax(const QString &replacement)
{
    // Only a file that will really be read replaces the table.
    if (view_ && view_->taxRatesModified && QFileInfo(replacement).isReadable()
        && prompts_.askYesNo(kSaveModifiedTax))
        view_->OnCmdMsg(ID_SAVE_TAX_RATES);
}

bool CIftaDocFlows::LoadDefaultTaxFile()
{
    if (QDir::currentPath().isEmpty())
        return false;
    bool remembered = false;
    const QString path = defaultTaxFilePath(remembered);
    const Result read = ReadTaxFile(ToPath(path), doc_.taxTable(), doc_.tablePeriod);
    if (!read.ok && read.message.empty())
        return false; // no such file: the program runs without rates, silently
    if (!read.ok)
        prompts_.warn(read.message);
    if (!remembered)
        app_.SetDefaultTaxFile(path.toStdString());
    emit taxTableReloaded();
    return true;
}
