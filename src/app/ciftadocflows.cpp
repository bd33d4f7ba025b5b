#include "app/ciftadocflows.h"

#include "session/csession.h"
#include "sessionbase/sessionsettings.h"
#include "ui/commandids.h"
#include "views/ciftaview.h"

namespace {

// The core gives paths as UTF-8 on every system. QFile::decodeName would take the ANSI
// code page on Windows, which loses or garbles names outside it.
QString FromPath(const std::string &path)
{
    return QString::fromUtf8(QByteArray::fromStdString(path));
}

} // namespace

CIftaDocFlows::CIftaDocFlows(CSession &session, QObject *parent)
    : QObject(parent)
    , session_(session)
{
    CRecordSession &record = session_.record();
    commands_.add(ID_FILE_SAVE, [&record] { record.save(); });
    commands_.add(ID_FILE_SAVE_AS, [&record] { record.saveAs(); });
    commands_.add(ID_COMPANY_INFO, [&record] { record.companyInfo(); });
    // Edit, Profiles: a stored profile starts a new record file.
    commands_.add(ID_PROFILES, [&record] { record.runProfileFlow(); });
    // File, Filing Date: the report and the information bar show the return as filed then.
    commands_.add(ID_FILING_DATE, [this] {
        if (!session_.filing().editFilingDate())
            return;
        if (view_) {
            view_->refreshMode();
            view_->UpdateInfoBar();
        }
    });
    // File, Export Summary: the return as a CSV file for a filing portal.
    commands_.add(ID_EXPORT_SUMMARY, [this] { session_.filing().exportSummary(); });
    session_.setEvents(this);
}

CIftaDocFlows::~CIftaDocFlows()
{
    session_.setEvents(nullptr);
}

QString CIftaDocFlows::pathName() const
{
    return FromPath(session_.record().pathName());
}

QString CIftaDocFlows::title() const
{
    return FromPath(session_.record().title());
}

void CIftaDocFlows::titleChanged(const std::string &title)
{
    emit captionChanged(FromPath(title));
}

void CIftaDocFlows::recentFile(const std::string &path)
{
    emit recentFileAdded(FromPath(path));
}

void CIftaDocFlows::recordReplaced()
{
    if (view_)
        view_->OnInitialUpdate(FromPath(session_.tax().loadedTaxFile()));
}

void CIftaDocFlows::recordChanged()
{
    if (view_)
        view_->OnUpdate();
}

void CIftaDocFlows::linesUpdated()
{
    if (view_)
        view_->refreshMode();
}

void CIftaDocFlows::periodsChanged()
{
    if (view_)
        view_->UpdateInfoBar();
}

void CIftaDocFlows::taxTableReloaded()
{
    emit defaultTaxTableReloaded();
}

void CIftaDocFlows::taxRatesLoaded(const std::string &path)
{
    if (!view_)
        return;
    view_->ShowTaxRates();
    view_->SetStatusText(1, FromPath(path));
    view_->UpdateInfoBar();
}

void CIftaDocFlows::taxRatesSaved(const std::string &path)
{
    if (!view_)
        return;
    view_->SetStatusText(1, FromPath(path));
    view_->UpdateInfoBar();
}
