#pragma once

#include "numbers/uitext.h"
#include "sessionbase/recoveryenvironment.h"
#include "sessionbase/recoverynote.h"

#include <cstdint>
#include <string>
#include <vector>

class CSession;
struct DocChange;

// A recovery copy found in the recovery folder: its note and where copy and note are.
struct RecoveryCopy {
    RecoveryNote note;
    std::string copyPath;
    std::string notePath;
};

// Recovery copies of unsaved changes, so that a crash, a power cut or a killed window
// loses at most the last few minutes. While the open record or the loaded tax-rate table
// has unsaved changes, the bytes a save would write are kept in the recovery folder, each
// with a note (RecoveryNote) of the original file, the time and this run's process id.
// A copy is written when the window's interval has passed (intervalElapsed) and after
// every kChangesPerCopy changes; the record's goes as soon as the record has no unsaved
// changes any more (saved, replaced by a new or opened one, changes dropped), the
// table's when the table is saved or read again, both at a normal end.
//
// At start, copies whose run is gone are offered one by one: Recover, Discard or Later.
// Copies of a run that is still there (a second window) are never offered or touched.
// Nothing is written before setFolder names the folder (tollmark-cli never does).
class CRecoverySession
{
public:
    static constexpr int kChangesPerCopy = 20;

    explicit CRecoverySession(CSession &session);
    ~CRecoverySession();
    CRecoverySession(const CRecoverySession &) = delete;
    CRecoverySession &operator=(const CRecoverySession &) = delete;

    // The clock and processes (tests give their own; it must outlive this object).
    void setEnvironment(RecoveryEnvironment &environment);
    // Where copies are kept (made when the first is written); empty: none are kept.
    void setFolder(const std::string &folder);
    const std::string &folder() const { return folder_; }

    // The window's interval has passed: changes not yet in a copy are written.
    void intervalElapsed();
    // Writes a copy of the record and of the table where they have changes not yet in
    // one. A copy that cannot be written is told once, until one can be written again;
    // false then. Recovery turned off in the settings removes this run's copies instead.
    bool writeDueCopies();
    // The run ends normally: this run's copies go.
    void closedNormally();

    // Copies left by runs that are gone, oldest first.
    std::vector<RecoveryCopy> orphanedCopies();
    // Asks about each orphaned copy (SessionPrompts::askRecover): Recover opens the record
    // (or loads the table) with its changes, under its own name and marked changed, and
    // the copy becomes this run's; Discard removes it; Later leaves it for the next start.
    void offerOrphanedCopies();
    // The question about `copy`: "Tollmark did not close normally. Recover the changes
    // to q2.irc from 14:32?".
    std::string question(const RecoveryCopy &copy);
    // Recovers one copy as Recover does; false (the copy stays) when it cannot be read
    // or the user kept the open record.
    bool recover(const RecoveryCopy &copy);

    // This run's copy of the record or the table (empty when there is none now).
    std::string recordCopyPath() const { return recordWritten_ ? copyPath(Kind::Record) : ""; }
    std::string tableCopyPath() const { return tableWritten_ ? copyPath(Kind::Table) : ""; }

private:
    using Kind = RecoveryNote::Kind;

    void recordChanged();
    void tableChanged();
    // writeDueCopies; `tell` false (a write at the 20th change, from inside the
    // document's notice) leaves telling a failure to the next interval: a message box
    // there would let the lists draw before they have heard of the change.
    bool writeDue(bool tell);
    bool recordChanges() const;
    bool tableChanges() const;
    bool writeCopy(Kind kind);
    void removeCopy(Kind kind);
    void removeOwnCopies();
    bool enabled();
    bool recoverRecord(const RecoveryCopy &copy);
    bool recoverTable(const RecoveryCopy &copy);
    // Whether the run that wrote `note` is still there; this run's own copies count.
    bool runIsAlive(const RecoveryNote &note, const std::string &noteName) const;
    std::string fileStem(Kind kind) const;
    std::string copyPath(Kind kind) const;
    std::string notePath(Kind kind) const;
    static void removeFiles(const RecoveryCopy &copy);

    CSession &session_;
    RecoveryEnvironment systemEnvironment_;
    RecoveryEnvironment *environment_ = &systemEnvironment_;
    std::string folder_;
    std::string runName_; // "tollmark-<pid>-<start>": this run's copies begin with it
    int docObserver_ = 0;
    int tableObserver_ = 0;
    int recordCount_ = 0; // changes since the last copy
    int tableCount_ = 0;
    bool recordWritten_ = false; // a copy of this run is in the folder
    bool tableWritten_ = false;
    bool failureTold_ = false;
    std::string failure_; // why the last write failed
};

// Told when a recovery copy cannot be written; %1 is the reason.
constexpr const char *kRecoveryWriteFailed = UI_TEXT_NOOP(
    "Messages",
    "The recovery copy of the unsaved changes could not be written:\n%1\n\nTollmark keeps "
    "trying; save your work to keep it safe.");
