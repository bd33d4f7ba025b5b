// tollmark-cli print: the printout of one view mode written as a PDF file, drawn exactly
// as Print draws it.

#include "cli/cliargs.h"
#include "cli/cliprompts.h"
#include "cli/commands.h"
#include "cli/filingoptions.h"

#include "formats/recordfile.h"
#include "print/ciftaprint.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "session/ctaxsession.h"
#include "session/printout.h"
#include "sessionbase/sessionsettings.h"

#include <QGuiApplication>
#include <QString>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

// The view mode of a --what value, false for any other text.
bool ModeOf(const std::string &what, ViewMode &mode)
{
    if (what == "entries")
        mode = ViewMode::EntryList;
    else if (what == "report")
        mode = ViewMode::Report;
    else if (what == "rates")
        mode = ViewMode::TaxRates;
    else if (what == "check")
        mode = ViewMode::Check;
    else if (what == "vehicles")
        mode = ViewMode::Vehicles;
    else
        return false;
    return true;
}

// Fonts need a GUI application; without a display it runs on the offscreen platform.
// Windows always has its own platform, whose fonts are the system's: the offscreen
// one there would look for fonts in a folder of Qt's that an installation has not.
std::unique_ptr<QGuiApplication> StartGui()
{
    if (!QGuiApplication::instance()) {
#ifndef _WIN32
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        static int argc = 1;
        static char name[] = "tollmark-cli";
        static char *argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return nullptr;
}

} // namespace

int CmdPrint(const CliArgs &args)
{
    ViewMode mode = ViewMode::EntryList;
    if (!ModeOf(args.value("what"), mode))
        return UsageError("--what takes entries, report, rates, check or vehicles");
    PdfOptions options;
    options.landscape = args.has("landscape");
    const std::string size = args.value("page-size", "Letter");
    if (size == "A4")
        options.pageSize = QPageSize::A4;
    else if (size != "Letter")
        return UsageError("--page-size takes Letter or A4");

    FilingOptions filingOptions;
    std::string error;
    if (!ParseFilingOptions(args, filingOptions, error))
        return UsageError(error);

    CliPrompts prompts;
    MemorySettings settings;
    CSession session(prompts, settings);
    session.record().skipStartUpSteps();
    CIftaDoc &doc = session.document();
    if (const int failed = ReadRatesAndRecord(args, session.taxRates(), doc))
        return failed;
    ApplyFilingOptions(filingOptions, session, settings);
    // A late return's interest goes on the form; one that cannot be computed fails here
    // rather than printing a form without it.
    if (mode == ViewMode::Report) {
        SayFilingDate(filingOptions, session);
        LateReturn late;
        const Result computed = session.filing().lateReturn(late);
        if (!computed)
            return InputFailure(computed.message);
    }

    const std::unique_ptr<QGuiApplication> app = StartGui();
    int pages = 0;
    PrintState state;
    const Result printed =
        PrintDocumentToPdf(PreparePrintout(doc, mode, RoundingOption(args), &session.filing()),
                           QString::fromStdString(args.value("pdf")), state, options, &pages);
    if (!printed)
        return InputFailure(printed.message);
    std::cout << pages << (pages == 1 ? " page" : " pages") << " written to " << args.value("pdf")
              << '\n';
    return ExitOk;
}
