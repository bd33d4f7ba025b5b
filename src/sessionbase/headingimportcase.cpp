#include "sessionbase/headingimportcase.h"

#include "imports/csvimport.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "records/ciftadoc.h"
#include "records/units.h"
#include "sessionbase/sessionprompts.h"

namespace {

std::string WithPath(const char *pattern, const std::string &path)
{
    return UiArgs(UiText("Messages", pattern), {Utf8ToCp1252(path)});
}

// Reads the file by its heading, asking for the date order when it is needed. False
// after the failure was told, or when the user cancelled.
bool ReadFile(const CIftaDoc &doc, SessionPrompts &prompts, const HeadingImportRequest &request,
              HeadingImport &import)
{
    // The same reading, messages and UTF-8 conversion as the import by columns.
    std::string text;
    if (const Result read = ReadImportText(request.path, text); !read) {
        prompts.warn(read.message);
        return false;
    }
    HeadingImportSettings settings;
    settings.mapping = request.mapping;
    settings.dateOrder = request.dateOrder;
    settings.units = ImportUnits(request.options);
    return ReadTextByHeading(doc, prompts, text, request.path, settings, import);
}

// Whether the good lines are kept after refused ones were told.
bool KeepGoodLines(SessionPrompts &prompts, const HeadingImportRequest &request,
                   const HeadingImport &import)
{
    const std::string refused = RefusedLinesText(import.refused);
    if (import.lines.empty()) {
        prompts.warn(
            UiArgs(UiText("HeadingImport", "%1\n\nNo line of the file was imported."), {refused}));
        return false;
    }
    switch (request.badLines) {
    case BadLines::Keep:
        prompts.warn(refused);
        return true;
    case BadLines::Refuse:
        prompts.warn(UiArgs(UiText("HeadingImport", "%1\n\nNothing was imported."), {refused}));
        return false;
    case BadLines::Ask:
        break;
    }
    return prompts.askYesNo(UiArgs(UiText("HeadingImport", "%1\n\nKeep the %2 good lines?"),
                                   {refused, std::to_string(import.lines.size())}));
}

} // namespace

bool ReadTextByHeading(const CIftaDoc &doc, SessionPrompts &prompts, std::string_view text,
                       const std::string &name, HeadingImportSettings settings,
                       HeadingImport &import)
{
    settings.canadianCarrier = IsCanada(doc.company().country);
    Result read = ImportByHeading(text, doc.taxTable(), doc.isDiesel(), settings, import);
    if (!read && import.datesAmbiguous) {
        switch (prompts.askYesNoCancel(WithPath(kDateOrderQuestion, name))) {
        case SessionPrompts::Answer::Yes:
            settings.dateOrder = DateOrder::MonthFirst;
            break;
        case SessionPrompts::Answer::No:
            settings.dateOrder = DateOrder::DayFirst;
            break;
        case SessionPrompts::Answer::Cancel:
            return false;
        }
        read = ImportByHeading(text, doc.taxTable(), doc.isDiesel(), settings, import);
    }
    if (!read) {
        prompts.warn(read.message);
        return false;
    }
    return true;
}

bool ImportFileByHeading(CIftaDoc &doc, SessionPrompts &prompts,
                         const HeadingImportRequest &request, HeadingImport &import)
{
    if (!ReadFile(doc, prompts, request, import))
        return false;
    if (!import.refused.empty() && !KeepGoodLines(prompts, request, import))
        return false;
    if (import.lines.empty() && import.leftOut.empty()) {
        prompts.warn(UiArgs(UiText("HeadingImport", "The file %1 has no lines to import."),
                            {Utf8ToCp1252(request.path)}));
        return false;
    }
    std::vector<TripEntry> lines = std::move(import.lines);
    import.lines.clear();
    InsertSurchargeLines(lines, doc.taxTable(), doc.isDiesel());
    std::vector<TripEntry> all;
    if (request.append) {
        all.reserve(doc.entries().size() + lines.size());
        all = doc.entries();
        all.insert(all.end(), std::make_move_iterator(lines.begin()),
                   std::make_move_iterator(lines.end()));
    } else {
        all = std::move(lines);
    }
    for (size_t i = 0; i < all.size(); ++i)
        all[i].tripNumber = static_cast<int32_t>(i + 1);
    doc.replaceEntries(std::move(all));
    doc.setModified();
    const std::string leftOut = LeftOutText(import);
    if (!leftOut.empty())
        prompts.inform(leftOut);
    return true;
}
