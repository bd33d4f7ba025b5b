#include "app/ciftaapp.h"

#include "app/cfirststart.h"
#include "app/ciftadocflows.h"
#include "app/cmainframe.h"
#include "ui/commandids.h"
#include "app/cwindowprompts.h"
#include "ui/helptopicmap.h"
#include "dialogs/cimportdlg.h"
#include "dialogs/cpreferencesdlg.h"
#include "print/ciftaprint.h"
#include "print/cprintcommands.h"
#include "profiles/cprofilestore.h"
#include "records/ciftadoc.h"
#include "records/csvimport.h"
#include "records/recordfile.h"
#include "views/ciftaview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSettings>
#include <QTextStream>

namespace {

CIftaApp *theApp = nullptr;

// HKEY_CURRENT_USER\Software\Varnotec\Tollmark on Windows; Varnotec/Tollmark.conf under
// the user's configuration folder elsewhere.
#define TOLLMARK_SETTINGS(name) \
    QSettings name(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnotec"), \
                   QStringLiteral("Tollmark"))

const QString kTaxFileKey = QStringLiteral("TaxFile/DefaultTaxFile");
const QString kProfilesFileKey = QStringLiteral("ProfilesFile/DefaultProfilesFile");
const QString kRecentGroup = QStringLiteral("Recent File List");

std::string ToPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

// The window library is static: its resources (toolbar images, help pages) are linked in
// only when something names them.
static void InitResources()
{
    Q_INIT_RESOURCE(tollmark);
    Q_INIT_RESOURCE(help);
}

CIftaApp::CIftaApp(UserPrompts *prompts, QObject *parent)
    : QObject(parent)
    , profiles_(std::make_unique<CProfileStore>())
    , doc_(std::make_unique<CIftaDoc>())
{
    if (!prompts) {
        ownPrompts_ = std::make_unique<CWindowPrompts>();
        prompts = ownPrompts_.get();
    }
    prompts_ = prompts;
    flows_ = std::make_unique<CIftaDocFlows>(*doc_, *prompts_, *this);
    connect(flows_.get(), &CIftaDocFlows::recentFile, this, &CIftaApp::AddToRecentFileList);
    InitResources();
    buildCommands();
    // Print and Print Preview start from the same printer settings as Print Setup.
    ThePrintCommands().setApplicationPrinter([this]() -> QPrinter & { return printer(); });
    theApp = this;
}

CIftaApp::~CIftaApp()
{
    frame_.reset();
    flows_->setView(nullptr);
    ThePrintCommands().setApplicationPrinter({});
    if (theApp == this)
        theApp = nullptr;
}

CIftaApp *CIftaApp::instance()
{
    return theApp;
}

void CIftaApp::buildCommands()
{
    commands_.add(ID_FILE_NEW, [this] { OnFileNew(); });
    commands_.add(ID_FILE_OPEN, [this] { OnFileOpen(); });
    for (int f = 0; f < kRecentFileCount; ++f) {
        commands_.add(
            ID_FILE_MRU_FILE1 + f,
            [this, f] {
                const QStringList files = recentFiles();
                if (f < files.size())
                    OpenDocumentFile(files[f]);
            },
            [this, f] { return f < recentFiles().size(); });
    }
    commands_.add(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    commands_.add(ID_IMPORT, [this] { OnImport(); });
    commands_.add(ID_OPTIONS, [this] { OnOptions(); });
    commands_.add(ID_APP_ABOUT, [this] { OnAppAbout(); });
    commands_.add(ID_APP_EXIT, [this] { OnAppExit(); });
    commands_.add(ID_HELP_FINDER, [this] { OnHelp(HelpContext(ID_HELP_FINDER)); });
    commands_.add(ID_HELP, [this] { OnHelp(HelpContext(ID_HELP)); });
}

bool CIftaApp::InitInstance(const QStringList &arguments)
{
    // Settings and the recent-file list are read from QSettings when they are needed.
    // The ".irc" file type is registered by the installed desktop entry and MIME type.
    if (!arguments.isEmpty() && arguments.first().compare(QStringLiteral("/p"),
                                                          Qt::CaseInsensitive) == 0) {
        printOnly_ = true;
        exitCode_ = printFromCommandLine(arguments) ? 0 : 1;
        return exitCode_ == 0;
    }

    frame_ = std::make_unique<CMainFrame>(*this);

    if (!arguments.isEmpty()) {
        if (!flows_->OpenDocumentFile(arguments.first()))
            return false;
    } else if (!OnFileNew()) {
        return false;
    }
    // A new user without any tax-rate file is offered the shipped sample table.
    CFirstStart::OfferSampleTable(*this, QCoreApplication::applicationDirPath());

    frame_->show();
    return true;
}

bool CIftaApp::printFromCommandLine(const QStringList &arguments)
{
    QString file;
    QString pdf;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--pdf") && i + 1 < arguments.size())
            pdf = arguments[++i];
        else if (file.isEmpty())
            file = arguments[i];
    }
    QTextStream err(stderr);
    if (file.isEmpty()) {
        err << "usage: tollmark /p FILE.irc [--pdf OUT.pdf]\n";
        return false;
    }
    if (!flows_->OpenDocumentFile(file))
        return false;
    // A PDF comes out exactly as tollmark-cli print writes it; otherwise the default
    // printer prints the entry listing the window would show first.
    int pages = 0;
    Result printed;
    if (!pdf.isEmpty()) {
        printed = PrintDocumentToPdf(*doc_, PrintEntryList, pdf, PdfOptions{}, &pages);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        printed = PrintDocument(PrintEntryList, *doc_, printer, &pages);
    }
    if (!printed.ok) {
        prompts_->warn(printed.message);
        return false;
    }
    return true;
}

bool CIftaApp::GetDefaultTaxFile()
{
    TOLLMARK_SETTINGS(s);
    defaultTaxFile_ = ToPath(s.value(kTaxFileKey).toString());
    return !defaultTaxFile_.empty();
}

void CIftaApp::SetDefaultTaxFile(const std::string &path)
{
    defaultTaxFile_ = path;
    TOLLMARK_SETTINGS(s);
    s.setValue(kTaxFileKey, QFile::decodeName(path.c_str()));
}

bool CIftaApp::GetDefaultProfilesFile()
{
    TOLLMARK_SETTINGS(s);
    defaultProfilesFile_ = ToPath(s.value(kProfilesFileKey).toString());
    return !defaultProfilesFile_.empty();
}

void CIftaApp::SetDefaultProfilesFile(const std::string &path)
{
    defaultProfilesFile_ = path;
    TOLLMARK_SETTINGS(s);
    s.setValue(kProfilesFileKey, QFile::decodeName(path.c_str()));
}

bool CIftaApp::OpenProfilesFile(CProfileStore &store)
{
    const QString current = QDir::currentPath();
    if (current.isEmpty())
        return false;
    std::string path = GetDefaultProfilesFile() ? defaultProfilesFile_
                                                : ToPath(current + QStringLiteral("/ifta.usr"));
    if (!store.open(path).ok) {
        path = prompts_->openFileName(CProfileStore::kFilter);
        if (path.empty() || !store.open(path).ok)
            return false;
    }
    SetDefaultProfilesFile(path);
    return true;
}

QStringList CIftaApp::recentFiles() const
{
    TOLLMARK_SETTINGS(s);
    QStringList files;
    for (int f = 1; f <= kRecentFileCount; ++f) {
        const QString file = s.value(QStringLiteral("%1/File%2").arg(kRecentGroup).arg(f)).toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

void CIftaApp::AddToRecentFileList(const QString &path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    TOLLMARK_SETTINGS(s);
    for (int f = 1; f <= kRecentFileCount; ++f) {
        const QString key = QStringLiteral("%1/File%2").arg(kRecentGroup).arg(f);
        if (f <= files.size())
            s.setValue(key, files[f - 1]);
        else
            s.remove(key);
    }
    if (frame_)
        frame_->updateRecentFiles();
}

bool CIftaApp::OnFileNew()
{
    return flows_->NewDocumentFile();
}

void CIftaApp::OnFileOpen()
{
    const std::string path = prompts_->openFileName(kRecordFileFilter);
    if (!path.empty())
        OpenDocumentFile(QFile::decodeName(path.c_str()));
}

bool CIftaApp::OpenDocumentFile(const QString &path)
{
    return flows_->OpenDocumentFile(path);
}

void CIftaApp::OnImport()
{
    doc_->newDocumentPending = true;
    OnFileNew();
    if (doc_->newDocumentPending) {
        doc_->newDocumentPending = false;
        return; // the new record file was refused
    }
    ImportDialogData data;
    if (!prompts_->chooseImport(data) || data.filePath.empty())
        return;
    const Result imported = ImportCsv(*doc_, data.filePath, data.options);
    if (!imported.ok) {
        // The lines read before the failing one stay; the list is not refreshed.
        prompts_->warn(imported.message);
        return;
    }
    if (frame_)
        frame_->view()->OnUpdate();
}

void CIftaApp::OnOptions()
{
    GetDefaultTaxFile();
    GetDefaultProfilesFile();
    PreferencesData data{defaultTaxFile_, defaultProfilesFile_};
    if (!prompts_->editPreferences(data))
        return;
    // Changed rates are offered for saving before the new default replaces them (saving
    // remembers the saved file, so it comes before the dialog's path is stored).
    flows_->OfferToSaveModifiedTax(data.taxFile.empty()
                                       ? QDir::currentPath() + QStringLiteral("/ifta.itx")
                                       : QFile::decodeName(data.taxFile.c_str()));
    SetDefaultTaxFile(data.taxFile);
    SetDefaultProfilesFile(data.profilesFile);
    flows_->LoadDefaultTaxFile();
    OpenProfilesFile(*profiles_);
    if (frame_) {
        frame_->UpdateInfoBar();
        if (GetDefaultTaxFile())
            frame_->SetStatusText(1, QFile::decodeName(defaultTaxFile_.c_str()), true);
    }
}

void CIftaApp::OnAppAbout()
{
    prompts_->showAbout();
}

void CIftaApp::SelectDefaultPrinter()
{
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageOrientation(QPageLayout::Landscape);
}

void CIftaApp::OnFilePrintSetup()
{
    // Every Print Setup starts again from the default printer in landscape.
    SelectDefaultPrinter();
    prompts_->printSetup(*printer_);
}

QPrinter &CIftaApp::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void CIftaApp::OnAppExit()
{
    if (frame_)
        frame_->close();
}

void CIftaApp::OnHelp(unsigned context)
{
    prompts_->showHelp(context);
}
