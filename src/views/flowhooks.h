#pragma once

#include <functional>
#include <string>

// What the view's tax, download and merge flows need from the window around them: the
// remembered tax file, the record file's own steps and the view's mode switch. The view
// fills these in; a test fills them with its own stand-ins. An empty hook does nothing
// (a question hook then answers so that the flow goes on).
struct FlowHooks {
    // The remembered default tax file (empty when none), and storing a new one; storing
    // also shows it in the status bar and refreshes the information bar.
    std::function<std::string()> defaultTaxFile;
    std::function<void(const std::string &)> setDefaultTaxFile;
    // The information bar after the table's period changed.
    std::function<void()> updateInfoBar;
    // The record file's path (empty while it has never been saved) and saving it there;
    // true when written.
    std::function<std::string()> documentPath;
    std::function<bool()> saveDocument;
    // The question about a changed record file; false when the user cancelled.
    std::function<bool()> saveModified;
    // The plain new-document step: no path, not modified, no company dialog.
    std::function<void()> newDocumentStep;
    // The view's modes.
    std::function<void()> showEntryList;
    std::function<void()> showTaxRates;
};
