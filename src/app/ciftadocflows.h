#pragma once

#include "sessionbase/sessionevents.h"
#include "ui/ccommandtable.h"

#include <QObject>
#include <QString>

class CIftaView;
class CSession;

// The window's side of the record file's use cases: the commands of the document (Save,
// Save As, Company Info, Profiles) and the framework's entry points (File New, File Open,
// the question before a changed record is dropped, closing), each a call into the
// session's CRecordSession. As the session's events it turns what the use cases changed
// into the window's updates: caption, recent files, lists, information and status bars.
class CIftaDocFlows : public QObject, public SessionEvents
{
    Q_OBJECT

public:
    explicit CIftaDocFlows(CSession &session, QObject *parent = nullptr);
    ~CIftaDocFlows() override;

    void setView(CIftaView *view) { view_ = view; }

    // The record file's full path, empty for a new one, and the caption's title: the
    // file's name, or "Untitled".
    QString pathName() const;
    QString title() const;

    // Commands of the document: Save, Save As, Company Info, Profiles, Filing Date and
    // Export Summary.
    CCommandTable &commands() { return commands_; }

signals:
    // The caption's title changed.
    void captionChanged(const QString &title);
    // A record file was opened or saved under `path`.
    void recentFileAdded(const QString &path);
    // The default tax-rate file was read again into the table (File New, Options).
    void defaultTaxTableReloaded();

private:
    // What the session tells.
    void titleChanged(const std::string &title) override;
    void recentFile(const std::string &path) override;
    void recordReplaced() override;
    void recordChanged() override;
    void linesUpdated() override;
    void periodsChanged() override;
    void taxTableReloaded() override;
    void taxRatesLoaded(const std::string &path) override;
    void taxRatesSaved(const std::string &path) override;

    CSession &session_;
    CIftaView *view_ = nullptr;
    CCommandTable commands_;
};
