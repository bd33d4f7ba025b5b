// Opens a record file in the real main window and saves a picture of the window in the
// entry list, the report (with its chart) and the tax-rate table, of the check view over
// the record spoiled in two places, of the company and trip dialogs filled from that
// record, and of typing and pasting trips (the new-trip row with its completion list, the
// question of a paste with bad rows):
//   tollmark-screenshots FILE.irc OUTPUT_FOLDER
// Run it in a folder holding ifta.itx, with a throw-away settings folder.
#include "app/ciftaapp.h"
#include "app/cmainframe.h"
#include "dialogs/ccompanydlg.h"
#include "dialogs/cimportdlg.h"
#include "imports/csvimport.h"
#include "platform/cp1252.h"
#include "profiles/cprofilestore.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "sessionbase/tripclipboard.h"
#include "ui/commandids.h"
#include "ui/userprompts.h"
#include "views/centrydlg.h"
#include "views/ciftaview.h"
#include "views/cnewtriprow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
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

// The answers of a paste as the window's question box shows them: the question is kept,
// and answered No.
class QuestionKept : public SilentPrompts
{
public:
    bool askYesNo(const std::string &text) override
    {
        question = text;
        return false;
    }
    std::string question;
};

// The new-trip row being typed in, its completion list open ("kent"), taken from the
// screen so that the list, a window of its own, shows; then the question of a paste whose
// rows are not all good, in a question box as the window asks it.
bool GrabKeyboardEntry(CIftaApp &app, const QDir &out)
{
    CMainFrame &frame = *app.mainFrame();
    frame.OnCommand(ID_VIEW_LIST);
    frame.show();
    frame.activateWindow();
    CNewTripRow &row = frame.view()->newTripRow();
    // Let the window become the active one, so that the row's box has the focus.
    for (int i = 0; i < 20 && !frame.isActiveWindow(); ++i) {
        QApplication::processEvents();
        QThread::msleep(30);
    }
    row.enter();
    auto *box = row.findChild<QLineEdit *>(QStringLiteral("rowState"));
    if (!box)
        return false;
    box->setFocus(Qt::TabFocusReason);
    for (const QChar c : QStringLiteral("kent")) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A + (c.unicode() - 'a'), Qt::NoModifier,
                      QString(c));
        QApplication::sendEvent(box, &key);
    }
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(30);
    }
    const QRect shown = frame.frameGeometry();
    if (!QGuiApplication::primaryScreen()
             ->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height())
             .save(out.filePath("new-trip-row.png")))
        return false;
    row.clear();

    QuestionKept prompts;
    CIftaDoc pasted(&app.document().rates());
    PasteTripsText(pasted, prompts,
                   "State\tMiles\tGallons\tDate\n"
                   "KY\t412\t88.5\t04/03/2026\n"
                   "Tennessee\t163\t0\t04/31/2026\n"
                   "ohio\t250\t61.2\t04/04/2026\n"
                   "Ontaria\t95\t0\t04/04/2026\n");
    QMessageBox question(QMessageBox::Question, QStringLiteral("Tollmark"),
                         QString::fromStdString(Cp1252ToUtf8(prompts.question)),
                         QMessageBox::Yes | QMessageBox::No, &frame);
    question.show();
    return Grab(question, out.filePath("paste-question.png"));
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
    // The row and the paste over the record as it was read, before it is spoiled.
    if (!GrabKeyboardEntry(app, out)) {
        err << "could not write the pictures of the new-trip row and the paste\n";
        return 1;
    }
    QTextStream(stdout) << out.filePath("new-trip-row.png") << "\n"
                        << out.filePath("paste-question.png") << "\n";
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
