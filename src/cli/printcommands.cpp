// tollmark-cli print: the printout of one view mode written as a PDF file, drawn exactly
// as Print draws it.

#include "cli/cliargs.h"
#include "cli/commands.h"

#include "print/ciftaprint.h"
#include "records/ciftadoc.h"
#include "records/recordfile.h"
#include "records/safefile.h"
#include "records/taxfile.h"
#include "report/report.h"

#include <QGuiApplication>
#include <QString>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

Result LoadRates(const std::string &path, TaxRateTable &table, TaxPeriod &period)
{
    std::string text;
    const Result read = SafeFile::readAll(path, text);
    if (!read)
        return read;
    return ParseTaxText(text, table, period);
}

// The view mode of a --what value, or -1.
int ModeOf(const std::string &what)
{
    if (what == "entries")
        return PrintEntryList;
    if (what == "report")
        return PrintReportForm;
    if (what == "rates")
        return PrintTaxRateList;
    return -1;
}

// Fonts need a GUI application; without a display it runs on the offscreen platform.
std::unique_ptr<QGuiApplication> StartGui()
{
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tollmark-cli";
        static char *argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return nullptr;
}

} // namespace

int CmdPrint(int argc, char **argv)
{
    CliArgs args;
    if (!args.parse(argc, argv, {"landscape"}))
        return UsageError(args.error());
    if (args.positional().size() != 1)
        return UsageError("expected exactly one record file");
    if (args.value("rates").empty() || args.value("pdf").empty())
        return UsageError("missing --rates T.itx or --pdf OUT.pdf");
    const int mode = ModeOf(args.value("what"));
    if (mode < 0)
        return UsageError("--what takes entries, report or rates");
    PdfOptions options;
    options.landscape = args.has("landscape");
    const std::string size = args.value("page-size", "Letter");
    if (size == "A4")
        options.pageSize = QPageSize::A4;
    else if (size != "Letter")
        return UsageError("--page-size takes Letter or A4");

    TaxRateTable table;
    CIftaDoc doc(&table);
    const Result rates = LoadRates(args.value("rates"), table, doc.tablePeriod);
    if (!rates)
        return InputFailure(rates.message);
    const Result read = ReadRecordFile(doc, args.positional()[0]);
    if (!read)
        return InputFailure(read.message);
    // The form prints the report the view computed when it was shown.
    if (mode == PrintReportForm)
        ListReport(doc);

    const std::unique_ptr<QGuiApplication> app = StartGui();
    int pages = 0;
    const Result printed = PrintDocumentToPdf(doc, mode, QString::fromStdString(args.value("pdf")),
                                              options, &pages);
    if (!printed)
        return InputFailure(printed.message);
    std::cout << pages << (pages == 1 ? " page" : " pages") << " written to "
              << args.value("pdf") << '\n';
    return ExitOk;
}
