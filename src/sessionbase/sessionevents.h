#pragma once

#include <string>

// What the session tells the front end after a use case changed something it shows. The
// window refreshes its caption, lists, information bar and status bar; tollmark-cli
// shows nothing and keeps the defaults, which do nothing. Which list the window shows is
// its own choice, made from what the document and the table say changed (DocChange).
class SessionEvents
{
public:
    virtual ~SessionEvents() = default;

    // The caption's title ("Untitled" or the record file's name).
    virtual void titleChanged(const std::string &) {}
    // A record file was opened or saved under this full path.
    virtual void recentFile(const std::string &) {}
    // Another record is shown: a new one, or a file opened. Its first display.
    virtual void recordReplaced() {}
    // The record's lines or company data changed: show them again.
    virtual void recordChanged() {}
    // The trip lines changed in place (their rates brought up to the table's): refresh
    // whatever shows them, in the mode shown.
    virtual void linesUpdated() {}
    // The record's or the table's period changed: the information bar.
    virtual void periodsChanged() {}
    // The default tax-rate file was read again into the table (File New, Options).
    virtual void taxTableReloaded() {}
    // Load Tax Rates read `path` (now the default tax file): show the tax-rate list.
    virtual void taxRatesLoaded(const std::string &) {}
    // Save Tax Rates wrote `path` (now the default tax file).
    virtual void taxRatesSaved(const std::string &) {}
};
