// Opens a record file in the real main window and saves a picture of the window in the
// entry list, the report (with its chart) and the tax-rate table, of the check view over
// the record spoiled in two places, and of the company and trip dialogs filled from that
// record:
//   tollmark-screenshots FILE.irc OUTPUT_FOLDER
// Run it in a folder holding ifta.itx, with a throw-away settings folder.
#include "app/ciftaapp.h"
#include "app/cmainframe.h"
#include "dialogs/ccompanydlg.h"
#include "dialogs/cimportdlg.h"
#include "imports/csvimport.h"
#include "profiles/cprofilestore.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "ui/commandids.h"
#include "ui/userprompts.h"
#include "views/centrydlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

namespace {

bool Grab(QWidget &window, const QString &path)
{
    // Let the list finish laying out and painting before the picture is taken.
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(30);
    }
    return window.grab().save(path);
}

// The company dialog as Company Info opens it, and the trip dialog as Modify opens it on
// the record's first line.
bool GrabDialogs(CIftaApp &app, const QDir &out)
{
    CIftaDoc &doc = app.document();
    CompanyDialogData company;
    company.company = doc.company();
    company.fuelChoice = doc.entries().empty();
    company.withPeriodDates = true;
    CCompanyDlg companyDialog(app.prompts(), &app.profileStore(), company, app.mainFrame());
    companyDialog.show();
    if (!Grab(companyDialog, out.filePath("company.png")))
        return false;

    EntryDialogData entry;
    if (!doc.entries().empty())
        entry.entry = doc.entries().front();
    entry.add = false;
    entry.useOdometer = doc.company().useOdometer;
    entry.table = &doc.taxTable();
    CEntryDlg entryDialog(app.prompts(), entry, app.mainFrame());
    entryDialog.show();
    if (!Grab(entryDialog, out.filePath("entry.png")))
        return false;

    // The import dialog over a fuel card's export, its columns found by their names.
    QTemporaryDir folder;
    QFile card(folder.filePath(QStringLiteral("fuel-card-2q2026.csv")));
    if (!card.open(QIODevice::WriteOnly))
        return false;
    card.write("Transaction Date,Card Number,Unit,Merchant Name,Merchant State,Product Code,"
               "Fuel Qty Gallons,Amount\n"
               "04/03/2026 07:42,7083-1142,T-104,Petro Stop,ON,ULSD,112.418,498.12\n"
               "04/03/2026 07:45,7083-1142,T-104,Petro Stop,ON,DEF,4.000,19.96\n");
    card.close();
    CImportDlg importDialog(app.prompts(),
                            ImportDialogData{std::string(), kDefaultImportOptions, false, {}},
                            app.settings(), app.mainFrame());
    importDialog.setFile(card.fileName().toStdString());
    importDialog.show();
    return Grab(importDialog, out.filePath("import-mapping.png"));
}

// The record with a trip started 35 units past the previous one's odometer out and another
// dated after the quarter, as a bookkeeper might have entered them, for the check view.
void SpoilForTheCheck(CIftaDoc &doc)
{
    const struct {
        size_t position;
        int odometerShift;
        const char *date;
    } spoils[] = {{7, 35, nullptr}, {13, 0, "2026/07/02"}};
    for (const auto &spoil : spoils) {
        if (spoil.position >= doc.entries().size())
            continue;
        TripEntry entry = doc.entries()[spoil.position];
        entry.odometerIn += spoil.odometerShift;
        if (spoil.date)
            entry.date = spoil.date;
        doc.modifyEntry(spoil.position, entry);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication qt(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: tollmark-screenshots FILE.irc OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir out(arguments[2]);
    SilentPrompts prompts;
    CIftaApp app(&prompts);
    // The sample quarter as it is filed on its due date, whatever day the pictures are made.
    app.session().clock().fix(CivilDate{2026, 7, 31});
    if (!app.InitInstance({arguments[1]}) || !app.mainFrame()) {
        err << "could not open " << arguments[1] << "\n";
        return 1;
    }
    CMainFrame &frame = *app.mainFrame();
    frame.resize(1100, 860);
    const struct {
        int command;
        const char *file;
    } shots[] = {{ID_VIEW_LIST, "entries.png"},
                 {ID_VIEW_REPORT, "report.png"},
                 {ID_VIEW_TAX_RATES, "rates.png"}};
    for (const auto &shot : shots) {
        frame.OnCommand(shot.command);
        const QString path = out.filePath(QString::fromLatin1(shot.file));
        if (!Grab(frame, path)) {
            err << "could not write " << path << "\n";
            return 1;
        }
        QTextStream(stdout) << path << "\n";
    }
    SpoilForTheCheck(app.document());
    frame.OnCommand(ID_VIEW_CHECK);
    if (!Grab(frame, out.filePath("check.png"))) {
        err << "could not write the check picture\n";
        return 1;
    }
    QTextStream(stdout) << out.filePath("check.png") << "\n";
    if (!GrabDialogs(app, out)) {
        err << "could not write the dialog pictures\n";
        return 1;
    }
    QTextStream(stdout) << out.filePath("company.png") << "\n" << out.filePath("entry.png") << "\n";
    return 0;
}
