#include "app/ciftaapp.h"

#include "app/cfirststart.h"
#include "app/ciftadocflows.h"
#include "app/cmainframe.h"
#include "app/crecoverytimer.h"
#include "app/cwindowprompts.h"
#include "formats/recordfile.h"
#include "print/ciftaprint.h"
#include "print/cprintcommands.h"
#include "session/csession.h"
#include "session/printout.h"
#include "ui/commandids.h"
#include "ui/helptopicmap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextStream>

// The window library is static: its resources (toolbar images, help pages in English and
// in French) are linked in only when something names them.
static void InitResources()
{
    Q_INIT_RESOURCE(tollmark);
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(help_fr);
}

CIftaApp::CIftaApp(UserPrompts *prompts, QObject *parent)
    : QObject(parent)
    , printCommands_(std::make_unique<CPrintCommands>())
{
    if (!prompts) {
        ownPrompts_ = std::make_unique<CWindowPrompts>(settings_);
        prompts = ownPrompts_.get();
    }
    prompts_ = prompts;
    session_ = std::make_unique<CSession>(*prompts_, settings_);
    // Interest on late returns comes from the shipped table unless Options names another.
    session_->filing().setShippedInterestRates(
        FindShippedInterestRates(QCoreApplication::applicationDirPath().toUtf8().toStdString()));
    flows_ = std::make_unique<CIftaDocFlows>(*session_);
    recoveryTimer_ = std::make_unique<CRecoveryTimer>(session_->recovery(), settings_);
    connect(flows_.get(), &CIftaDocFlows::recentFileAdded, this, &CIftaApp::AddToRecentFileList);
    InitResources();
    buildCommands();
    // Print and Print Preview start from the same printer settings as Print Setup.
    printCommands_->setApplicationPrinter([this]() -> QPrinter & { return printer(); });
    printCommands_->setFiling(&session_->filing());
    // The return form rounds fuel as the Options say at the time of each job.
    printCommands_->setFuelRounding([this] { return session_->fuelRounding(); });
}

CIftaApp::~CIftaApp()
{
    // The program ends in order: its recovery copies are not needed any more.
    session_->recovery().closedNormally();
    frame_.reset();
    flows_->setView(nullptr);
    printCommands_->setApplicationPrinter({});
    printCommands_->setFuelRounding({});
}

CIftaDoc &CIftaApp::document()
{
    return session_->document();
}

CProfileStore &CIftaApp::profileStore()
{
    return session_->profiles();
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
    // Settings and the recent-file list are read from settings_ when they are needed.
    // The ".irc" file type is registered by the installed desktop entry and MIME type.
    if (!arguments.isEmpty() &&
        arguments.first().compare(QStringLiteral("/p"), Qt::CaseInsensitive) == 0) {
        printOnly_ = true;
        exitCode_ = printFromCommandLine(arguments) ? 0 : 1;
        return exitCode_ == 0;
    }

    frame_ = std::make_unique<CMainFrame>(*this);

    if (!arguments.isEmpty()) {
        // A file named on the command line that is refused (the user was told why) leaves
        // a new Untitled record, never one under the refused file's name.
        OpenDocumentFile(arguments.first());
    } else if (!OnFileNew()) {
        return false;
    }
    // A new user without any tax-rate file is offered the shipped sample table.
    CFirstStart::OfferSampleTable(*this, QCoreApplication::applicationDirPath());

    frame_->show();
    // Asked over the window; a copy recovered replaces the record just opened.
    session_->recovery().setFolder(recoveryFolder().toUtf8().toStdString());
    session_->recovery().offerOrphanedCopies();
    recoveryTimer_->restart();
    return true;
}

QString CIftaApp::recoveryFolder() const
{
    if (!recoveryFolder_.isEmpty())
        return recoveryFolder_;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
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
    if (!OpenDocumentFile(file))
        return false;
    // A PDF comes out exactly as tollmark-cli print writes it; otherwise the default
    // printer prints the entry listing the window would show first.
    int pages = 0;
    Result printed;
    // A late return's figures, filed today, like the window's.
    const Printout printout = PreparePrintout(document(), ViewMode::EntryList,
                                              session_->fuelRounding(), &session_->filing());
    PrintState &state = printCommands_->printState();
    if (!pdf.isEmpty()) {
        printed = PrintDocumentToPdf(printout, pdf, state, PdfOptions{}, &pages);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        printed = PrintJob(printout, printer, state, &pages);
    }
    if (!printed.ok()) {
        prompts_->warn(printed.message);
        return false;
    }
    return true;
}

void CIftaApp::AddToRecentFileList(const QString &path)
{
    settings_.addRecentFile(path);
    if (frame_)
        frame_->updateRecentFiles();
}

bool CIftaApp::OnFileNew()
{
    return session_->record().newRecord();
}

void CIftaApp::OnFileOpen()
{
    const std::string path = prompts_->openFileName(kRecordFileFilter);
    if (!path.empty())
        OpenDocumentFile(QString::fromUtf8(path.c_str()));
}

bool CIftaApp::OpenDocumentFile(const QString &path)
{
    // The core takes paths as UTF-8 on every system (QFile::encodeName would give the
    // ANSI code page on Windows).
    return session_->record().open(path.toUtf8().toStdString());
}

void CIftaApp::OnImport()
{
    session_->record().importCsv();
}

void CIftaApp::OnOptions()
{
    if (!session_->record().options() || !frame_)
        return;
    recoveryTimer_->restart();
    frame_->UpdateInfoBar();
    // The status bar names the table's file only when there is one to read.
    const std::string taxFile = settings_.defaultTaxFile();
    if (!taxFile.empty() && QFile::exists(QString::fromUtf8(taxFile.c_str())))
        frame_->SetStatusText(1, QString::fromUtf8(taxFile.c_str()), true);
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
