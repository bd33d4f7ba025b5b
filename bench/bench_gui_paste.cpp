// Paste Trips in the main window: 100,000 spreadsheet rows (heading in its own order,
// miles and gallons, month-first dates) from the clipboard into an empty record, read by
// the import by heading, appended as one undo step, shown in the entry list and painted
// (target: under 2 s). Undo takes the paste back between runs.

#include "app/ciftaapp.h"
#include "app/cmainframe.h"
#include "records/ciftadoc.h"
#include "ui/commandids.h"
#include "ui/userprompts.h"
#include "views/ciftaview.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

QString SpreadsheetRows(size_t rows)
{
    const char *states[] = {"TX", "Oklahoma", "KY", "ar", "Tennessee", "GA", "fl", "AL"};
    std::string text = "State\tGallons\tTruck\tMiles\tDate\r\n";
    text.reserve(rows * 40);
    char line[96];
    for (size_t i = 0; i < rows; ++i) {
        std::snprintf(line, sizeof line, "%s\t%zu.%zu\t%zu\t%zu\t%02zu/%02zu/2026\r\n",
                      states[i % 8], i % 90, i % 10, 100 + i % 7, 50 + i % 400, 4 + i % 3,
                      1 + i % 28);
        text += line;
    }
    return QString::fromStdString(text);
}

// The window on the offscreen platform, its settings and current folder in a scratch
// folder that holds the shipped sample table.
struct Window {
    QTemporaryDir dir;
    int argc = 1;
    char name[6] = "bench";
    char *argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> qt;
    SilentPrompts prompts;
    std::unique_ptr<CIftaApp> app;
    bool ready = false;

    Window()
    {
        if (!std::getenv("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qt = std::make_unique<QApplication>(argc, argv);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("settings"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("settings"));
        QDir::setCurrent(dir.path());
        QFile::copy(QStringLiteral(TOLLMARK_SAMPLE_DATA "/ifta.itx"), dir.filePath("ifta.itx"));
        QFile::setPermissions(dir.filePath("ifta.itx"), QFile::ReadOwner | QFile::WriteOwner);
        app = std::make_unique<CIftaApp>(&prompts);
        ready = app->InitInstance({});
        if (ready)
            app->mainFrame()->resize(1000, 700);
    }
};

void BM_PasteTripsInWindow(benchmark::State &state)
{
    Window w;
    const auto rows = static_cast<size_t>(state.range(0));
    if (!w.ready) {
        state.SkipWithError("the window could not be started");
        return;
    }
    CMainFrame &frame = *w.app->mainFrame();
    QGuiApplication::clipboard()->setText(SpreadsheetRows(rows));
    size_t added = 0;
    for (auto _ : state) {
        frame.OnCommand(ID_EDIT_PASTE_TRIPS);
        QApplication::processEvents();
        frame.repaint();
        state.PauseTiming();
        added = w.app->document().entries().size();
        frame.OnCommand(ID_EDIT_UNDO);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    // One KY row in eight brings its surcharge line.
    if (added != rows + rows / 8)
        state.SkipWithError("the paste did not add every row");
    state.counters["lines"] = static_cast<double>(added);
}

} // namespace

BENCHMARK(BM_PasteTripsInWindow)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
