// The main window with record files of 10,000, 100,000 and 1,000,000 trip lines. File Open:
// the file read into the document, the entry list refilled and the window painted with the
// first rows (target at a million lines: 300 ms). Then the two other things a carrier does
// with the whole list: a sort by date (target 150 ms) and the report view. Each benchmark
// also reports the process's peak memory so far (target 160 MB): the record files are
// written by a child process, so the peak is the window's own.

#include "app/ciftaapp.h"
#include "app/ciftadocflows.h"
#include "app/cmainframe.h"
#include "benchrecords.h"
#include "formats/recordfile.h"
#include "records/entrylist.h"
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
#include <map>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr size_t kSizes[] = {10000, 100000, 1000000};

QString RecordName(size_t lines)
{
    return QStringLiteral("quarter-%1.irc").arg(lines);
}

// Writes the record files in a child process: the lines made for them never count in
// this process's peak memory.
bool WriteRecordFiles(const QString &folder)
{
    const pid_t child = ::fork();
    if (child == 0) {
        for (size_t lines : kSizes) {
            CIftaDoc source;
            bench::FillEntries(source, lines);
            if (!WriteRecordFile(source, (folder + '/' + RecordName(lines)).toStdString()))
                ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// The window runs on the offscreen platform in a scratch folder that is also the
// settings location, with the shipped sample table as the current folder's ifta.itx.
class GuiSandbox
{
public:
    GuiSandbox()
    {
        filesWritten_ = WriteRecordFiles(dir_.path());
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

    bool filesWritten() const { return filesWritten_; }
    QString path(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    bool filesWritten_ = false;
    int argc_ = 1;
    char name_[6] = "bench";
    char *argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// The window of the run, started once, and the record files it opens.
struct Window {
    GuiSandbox sandbox;
    SilentPrompts prompts;
    std::unique_ptr<CIftaApp> app;
    CMainFrame *frame = nullptr;
    bool ready = false;

    Window()
    {
        if (!sandbox.filesWritten())
            return;
        app = std::make_unique<CIftaApp>(&prompts);
        if (!app->InitInstance({}))
            return;
        frame = app->mainFrame();
        frame->resize(1000, 700);
        QApplication::processEvents();
        ready = true;
    }

    QString path(size_t lines) const { return sandbox.path(RecordName(lines)); }
    bool open(size_t lines) { return ready && app->OpenDocumentFile(path(lines)); }
    void paint()
    {
        QApplication::processEvents();
        frame->repaint();
    }
    int rowsShown() const { return frame->view()->list()->model()->rowCount(); }
};

Window &TheWindow()
{
    static Window window;
    return window;
}

// The process's peak resident memory so far, in MB.
void ReportPeak(benchmark::State &state)
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) * 1024 / 1e6;
}

void BM_OpenRecordInWindow(benchmark::State &state)
{
    Window &w = TheWindow();
    const auto lines = static_cast<size_t>(state.range(0));
    if (!w.ready) {
        state.SkipWithError("the window or its record files could not be made");
        return;
    }
    for (auto _ : state) {
        // Each open starts from a window that shows a small record, as a carrier's does:
        // the large record read is never beside another one as large.
        state.PauseTiming();
        w.open(kSizes[0]);
        w.paint();
        state.ResumeTiming();
        if (!w.open(lines))
            state.SkipWithError("open failed");
        w.paint();
    }
    if (w.rowsShown() != static_cast<int>(lines))
        state.SkipWithError("the list does not show every trip line");
    ReportPeak(state);
}

// A click on the Date heading re-orders the rows shown.
void BM_SortByDateInWindow(benchmark::State &state)
{
    Window &w = TheWindow();
    if (!w.open(kSizes[0]) || !w.open(static_cast<size_t>(state.range(0)))) {
        state.SkipWithError("the record file could not be opened");
        return;
    }
    for (auto _ : state) {
        w.frame->view()->entryList().SortByColumn(EntryColumnDate);
        w.paint();
    }
    ReportPeak(state);
}

// "View Report" over the lines, and back to the entry list.
void BM_ViewReportInWindow(benchmark::State &state)
{
    Window &w = TheWindow();
    if (!w.open(kSizes[0]) || !w.open(static_cast<size_t>(state.range(0)))) {
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
    ReportPeak(state);
}

} // namespace

BENCHMARK(BM_OpenRecordInWindow)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_SortByDateInWindow)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ViewReportInWindow)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
