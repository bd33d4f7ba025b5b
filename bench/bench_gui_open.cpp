// The main window with a record file of 1,000,000 trip lines. File Open: the file read into
// the document, the entry list refilled and the window painted with the first rows (target:
// under 1.5 s). Then the two other things a carrier does with the whole list: a sort by
// date and the report view; the window must stay responsive for both.

#include "app/ciftaapp.h"
#include "app/ciftadocflows.h"
#include "app/cmainframe.h"
#include "benchrecords.h"
#include "records/recordfile.h"
#include "records/taxratetable.h"
#include "ui/userprompts.h"
#include "views/centrylistctrl.h"
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
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dir_.filePath("settings"));
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

// The window of the run, started once, and the 1,000,000-line record file it opens.
struct Window {
    GuiSandbox sandbox;
    QString path = sandbox.path("quarter.irc");
    SilentPrompts prompts;
    std::unique_ptr<CIftaApp> app;
    CMainFrame *frame = nullptr;
    bool ready = false;

    explicit Window(size_t lines)
    {
        CIftaDoc source;
        bench::FillEntries(source, lines);
        if (!WriteRecordFile(source, path.toStdString()))
            return;
        app = std::make_unique<CIftaApp>(&prompts);
        if (!app->InitInstance({}))
            return;
        frame = app->mainFrame();
        frame->resize(1000, 700);
        QApplication::processEvents();
        ready = true;
    }

    void paint()
    {
        QApplication::processEvents();
        frame->repaint();
    }
    int rowsShown() const { return frame->view()->list()->model()->rowCount(); }
};

Window &TheWindow()
{
    static Window window(1000000);
    return window;
}

void BM_OpenRecordInWindow(benchmark::State &state)
{
    Window &w = TheWindow();
    if (!w.ready) {
        state.SkipWithError("the window or its record file could not be made");
        return;
    }
    for (auto _ : state) {
        if (!w.app->flows().OpenDocumentFile(w.path))
            state.SkipWithError("open failed");
        w.paint();
    }
    if (w.rowsShown() != 1000000)
        state.SkipWithError("the list does not show every trip line");
}

// A click on the Date heading re-orders the million rows shown.
void BM_SortByDateInWindow(benchmark::State &state)
{
    Window &w = TheWindow();
    if (!w.ready || !w.app->flows().OpenDocumentFile(w.path)) {
        state.SkipWithError("the record file could not be opened");
        return;
    }
    for (auto _ : state) {
        w.frame->view()->entryList().SortByColumn(1);
        w.paint();
    }
}

// "View Report" over the million lines, and back to the entry list.
void BM_ViewReportInWindow(benchmark::State &state)
{
    Window &w = TheWindow();
    if (!w.ready || !w.app->flows().OpenDocumentFile(w.path)) {
        state.SkipWithError("the record file could not be opened");
        return;
    }
    for (auto _ : state) {
        w.frame->view()->ShowReport();
        w.paint();
        state.PauseTiming();
        w.frame->view()->ShowList();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_OpenRecordInWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SortByDateInWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ViewReportInWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
