// File Open of a record file of 1,000,000 trip lines in the main window: the file read
// into the document, the entry list refilled and the window painted with the first rows.
// Target: under 1.5 s.

#include "app/ciftaapp.h"
#include "app/ciftadocflows.h"
#include "app/cmainframe.h"
#include "app/userprompts.h"
#include "benchrecords.h"
#include "records/recordfile.h"
#include "records/taxratetable.h"
#include "views/ciftaview.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// The window runs on the offscreen platform in a scratch folder that is also the
// settings location, with the shipped sample table as the current folder's ifta.itx.
class GuiSandbox
{
public:
    GuiSandbox()
    {
        if (!std::getenv("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("settings"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath("settings"));
        QDir::setCurrent(dir_.path());
        QFile::copy(QStringLiteral(TOLLMARK_SAMPLE_DATA "/ifta.itx"), dir_.filePath("ifta.itx"));
        QFile::setPermissions(dir_.filePath("ifta.itx"), QFile::ReadOwner | QFile::WriteOwner);
    }

    QString path(const QString &name) const { return dir_.filePath(name); }

private:
    int argc_ = 1;
    char name_[6] = "bench";
    char *argv_[2] = {name_, nullptr};
    QTemporaryDir dir_;
    std::unique_ptr<QApplication> app_;
};

void BM_OpenRecordInWindow(benchmark::State &state)
{
    GuiSandbox sandbox;
    const QString path = sandbox.path("quarter.irc");
    {
        TaxRateTable table;
        CIftaDoc source(&table);
        bench::FillEntries(source, static_cast<size_t>(state.range(0)));
        if (!WriteRecordFile(source, path.toStdString())) {
            state.SkipWithError("could not write the record file to open");
            return;
        }
    }

    SilentPrompts prompts;
    CIftaApp app(&prompts);
    if (!app.InitInstance({})) {
        state.SkipWithError("the window did not start");
        return;
    }
    CMainFrame *frame = app.mainFrame();
    frame->resize(1000, 700);
    QApplication::processEvents();

    for (auto _ : state) {
        if (!app.flows().OpenDocumentFile(path))
            state.SkipWithError("open failed");
        QApplication::processEvents();
        frame->repaint();
    }
    const int rows = frame->view()->list()->model()->rowCount();
    if (rows != state.range(0))
        state.SkipWithError("the list does not show every trip line");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_OpenRecordInWindow)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
