// The three return forms as they are drawn: each page held, call by call (every text with
// its position, size, style and alignment, every line and box), against a golden file of
// tests/data/print. A change of the forms' layout shows here as a readable diff; when
// it is meant, rerun with TOLLMARK_UPDATE_GOLDEN=1 and read the new files before
// committing them. That no text crosses a frame or another text is checked on the PDF
// (pdfprinttest).

#include "print/englishform.h"
#include "print/quebecform.h"
#include "printfixtures.h"
#include "recordingcanvas.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

struct GoldenPage {
    const char *file;
    const char *country;
    const char *province;
    int rows;
    int linesPerPage;
    int landscape;
    int page;
    std::function<void(FormCanvas &, const PrintFixture &, PrintState &, int)> print;
};

void English(FormCanvas &canvas, const PrintFixture &f, PrintState &state, int page,
             FormUnits units)
{
    PrintEnglishForm(canvas, *f.doc, f.report, state, page, units);
}

// The first differing line of two dumps, for the failure message.
std::string FirstDifference(const QString &expected, const QString &actual)
{
    const QStringList a = expected.split('\n');
    const QStringList b = actual.split('\n');
    for (int i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString x = i < a.size() ? a[i] : QString("(end)");
        const QString y = i < b.size() ? b[i] : QString("(end)");
        if (x != y)
            return QString("line %1:\n  golden: %2\n  drawn:  %3")
                .arg(i + 1)
                .arg(x, y)
                .toStdString();
    }
    return {};
}

TEST(FormGolden, EveryFormPageDrawsItsGoldenFile)
{
    using namespace std::placeholders;
    const GoldenPage pages[] = {
        {"english-miles.txt", "US", "IA", 6, 32, 1, 1,
         [](FormCanvas &c, const PrintFixture &f, PrintState &s, int p) {
             English(c, f, s, p, FormUnits::MilesGallons);
         }},
        {"english-kilometres.txt", "Canada", "ON", 6, 32, 1, 1,
         [](FormCanvas &c, const PrintFixture &f, PrintState &s, int p) {
             English(c, f, s, p, FormUnits::KilometresLitres);
         }},
        {"quebec.txt", "Canada", "QC", 6, 32, 1, 1,
         [](FormCanvas &c, const PrintFixture &f, PrintState &s, int p) {
             PrintQuebecForm(c, *f.doc, f.report, s, p);
         }},
        // The second landscape page: rows carried over, the totals and the form number.
        {"quebec-landscape-2.txt", "Canada", "QC", 20, 16, 2, 2,
         [](FormCanvas &c, const PrintFixture &f, PrintState &s, int p) {
             PrintQuebecForm(c, *f.doc, f.report, s, p);
         }},
    };
    const bool update = std::getenv("TOLLMARK_UPDATE_GOLDEN") != nullptr;
    for (const GoldenPage &g : pages) {
        SCOPED_TRACE(g.file);
        PrintFixture f = MakeReportDoc(g.rows, g.country, g.province);
        PrintState state = FormState(g.linesPerPage, g.landscape);
        RecordingCanvas canvas;
        g.print(canvas, f, state, g.page);
        const QString drawn = canvas.dump();
        QFile file(QString(TOLLMARK_TEST_DATA "/print/") + g.file);
        if (update) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(drawn.toUtf8());
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no golden file " << g.file;
        const QString golden = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(golden == drawn) << FirstDifference(golden, drawn);
    }
}

} // namespace
