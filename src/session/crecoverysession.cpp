#include "session/crecoverysession.h"

#include "formats/recordfile.h"
#include "formats/taxfile.h"
#include "numbers/uitext.h"
#include "platform/pathnames.h"
#include "platform/platformfile.h"
#include "platform/safefile.h"
#include "records/ciftadoc.h"
#include "records/loadedtaxtable.h"
#include "session/csession.h"
#include "sessionbase/sessionprompts.h"
#include "sessionbase/sessionsettings.h"
#include "sessionbase/withname.h"

#include <algorithm>
#include <filesystem>

namespace {

// A note is a few lines; anything larger is not one of ours.
constexpr uint64_t kNoteLimit = 64 * 1024;
constexpr const char *kNoteExtension = ".txt";

bool EndsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The name without its last extension.
std::string Stem(const std::string &name)
{
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

} // namespace

CRecoverySession::CRecoverySession(CSession &session) : session_(session)
{
    docObserver_ =
        session_.document().observers().add([this](const DocChange &) { recordChanged(); });
    tableObserver_ =
        session_.taxRates().observers().add([this](const DocChange &) { tableChanged(); });
}

CRecoverySession::~CRecoverySession()
{
    session_.document().observers().remove(docObserver_);
    session_.taxRates().observers().remove(tableObserver_);
}

void CRecoverySession::setEnvironment(RecoveryEnvironment &environment)
{
    environment_ = &environment;
}

void CRecoverySession::setFolder(const std::string &folder)
{
    removeOwnCopies();
    folder_ = folder;
    // The start time tells this run's copies from those of an earlier run that had the
    // same process id (ids are reused after a restart).
    runName_ = "tollmark-" + std::to_string(environment_->processId()) + "-" +
               std::to_string(environment_->now());
}

bool CRecoverySession::enabled()
{
    return !folder_.empty() && session_.settings().recoveryMinutes() > 0;
}

bool CRecoverySession::recordChanges() const
{
    return recordCount_ > 0 && session_.document().isModified();
}

bool CRecoverySession::tableChanges() const
{
    return tableCount_ > 0 && session_.taxRates().isModified();
}

void CRecoverySession::recordChanged()
{
    // Saved, or another record: the changes are in a file or were dropped on purpose.
    if (!session_.document().isModified()) {
        recordCount_ = 0;
        removeCopy(Kind::Record);
        return;
    }
    if (++recordCount_ >= kChangesPerCopy)
        writeDue(false);
}

void CRecoverySession::tableChanged()
{
    if (!session_.taxRates().isModified()) {
        tableCount_ = 0;
        removeCopy(Kind::Table);
        return;
    }
    if (++tableCount_ >= kChangesPerCopy)
        writeDue(false);
}

void CRecoverySession::intervalElapsed()
{
    writeDueCopies();
}

bool CRecoverySession::writeDueCopies()
{
    return writeDue(true);
}

bool CRecoverySession::writeDue(bool tell)
{
    if (!enabled()) {
        removeOwnCopies();
        return true;
    }
    bool written = true;
    if (recordChanges())
        written = writeCopy(Kind::Record) && written;
    if (tableChanges())
        written = writeCopy(Kind::Table) && written;
    if (!written && tell && !failureTold_) {
        session_.prompts().warn(WithName(kRecoveryWriteFailed, failure_));
        failureTold_ = true;
    }
    return written;
}

bool CRecoverySession::writeCopy(Kind kind)
{
    const bool record = kind == Kind::Record;
    RecoveryNote note;
    note.kind = kind;
    note.copyName = FileNameOf(copyPath(kind));
    note.originalPath =
        record ? session_.record().pathName() : session_.settings().defaultTaxFile();
    note.time = environment_->now();
    note.processId = environment_->processId();
    std::error_code ignored; // a folder that cannot be made fails the write below
    std::filesystem::create_directories(PathFromUtf8(folder_), ignored);
    const LoadedTaxTable &rates = session_.taxRates();
    Result written =
        SafeFile::writeAll(copyPath(kind), record ? BuildRecordBytes(session_.document())
                                                  : FormatTaxText(rates.table(), rates.period()));
    // The note comes second: a note always names a whole copy. A copy without its note
    // is still this run's to remove.
    if (written) {
        (record ? recordWritten_ : tableWritten_) = true;
        written = SafeFile::writeAll(notePath(kind), FormatRecoveryNote(note));
    }
    if (!written) {
        failure_ = written.message;
        return false;
    }
    failureTold_ = false;
    (record ? recordCount_ : tableCount_) = 0;
    return true;
}

void CRecoverySession::removeCopy(Kind kind)
{
    bool &written = kind == Kind::Record ? recordWritten_ : tableWritten_;
    if (!written)
        return;
    // The note first: a note never names a copy that is gone.
    RemoveFileAt(notePath(kind));
    RemoveFileAt(copyPath(kind));
    written = false;
}

void CRecoverySession::removeOwnCopies()
{
    removeCopy(Kind::Record);
    removeCopy(Kind::Table);
}

void CRecoverySession::closedNormally()
{
    removeOwnCopies();
    recordCount_ = 0;
    tableCount_ = 0;
}

std::string CRecoverySession::fileStem(Kind kind) const
{
    return runName_ + (kind == Kind::Record ? "-record" : "-table");
}

std::string CRecoverySession::copyPath(Kind kind) const
{
    return JoinPath(folder_, fileStem(kind) + (kind == Kind::Record ? ".irc" : ".itx"));
}

std::string CRecoverySession::notePath(Kind kind) const
{
    return JoinPath(folder_, fileStem(kind) + kNoteExtension);
}

bool CRecoverySession::runIsAlive(const RecoveryNote &note, const std::string &noteName) const
{
    // Another run with this run's process id was before it: that one is gone.
    if (note.processId == environment_->processId())
        return noteName.compare(0, runName_.size(), runName_) == 0;
    return environment_->processRunning(note.processId);
}

std::vector<RecoveryCopy> CRecoverySession::orphanedCopies()
{
    std::vector<RecoveryCopy> found;
    if (folder_.empty())
        return found;
    for (const std::string &name : FolderEntryNames(folder_)) {
        if (!IsRecoveryFileName(name) || !EndsWith(name, kNoteExtension))
            continue;
        RecoveryCopy copy;
        copy.notePath = JoinPath(folder_, name);
        std::string text;
        if (!SafeFile::readAll(copy.notePath, text, kNoteLimit) ||
            !ParseRecoveryNote(text, copy.note) || Stem(copy.note.copyName) != Stem(name) ||
            runIsAlive(copy.note, name))
            continue;
        copy.copyPath = JoinPath(folder_, copy.note.copyName);
        if (IsReadableFile(copy.copyPath))
            found.push_back(copy);
    }
    std::sort(found.begin(), found.end(), [](const RecoveryCopy &a, const RecoveryCopy &b) {
        return a.note.time != b.note.time ? a.note.time < b.note.time : a.notePath < b.notePath;
    });
    return found;
}

std::string CRecoverySession::question(const RecoveryCopy &copy)
{
    const std::string &path = copy.note.originalPath;
    std::string name = FileNameOf(path);
    if (path.empty() || name.empty())
        name = copy.note.kind == Kind::Record ? UiText("CRecoverySession", "Untitled")
                                              : UiText("CRecoverySession", "the tax-rate table");
    return UiArgs(UiText("CRecoverySession",
                         "Tollmark did not close normally. Recover the changes to %1 from %2?"),
                  {name, environment_->timeText(copy.note.time)});
}

void CRecoverySession::offerOrphanedCopies()
{
    for (const RecoveryCopy &copy : orphanedCopies()) {
        switch (session_.prompts().askRecover(question(copy))) {
        case SessionPrompts::RecoveryAnswer::Recover:
            recover(copy);
            break;
        case SessionPrompts::RecoveryAnswer::Discard:
            removeFiles(copy);
            break;
        case SessionPrompts::RecoveryAnswer::Later:
            break;
        }
    }
}

bool CRecoverySession::recover(const RecoveryCopy &copy)
{
    const bool record = copy.note.kind == Kind::Record;
    if (!(record ? recoverRecord(copy) : recoverTable(copy)))
        return false;
    // The changes are this run's now: its own copy replaces the old one, which stays
    // when the new one cannot be written.
    (record ? recordCount_ : tableCount_) = std::max(record ? recordCount_ : tableCount_, 1);
    if (writeDueCopies() || !enabled())
        removeFiles(copy);
    return true;
}

bool CRecoverySession::recoverRecord(const RecoveryCopy &copy)
{
    std::string bytes;
    const Result read = SafeFile::readAll(copy.copyPath, bytes, SafeFile::kRecordFileLimit);
    if (!read) {
        session_.prompts().warn(read.message);
        return false;
    }
    return session_.record().openRecovered(bytes, copy.note.originalPath);
}

bool CRecoverySession::recoverTable(const RecoveryCopy &copy)
{
    std::string text;
    Result read = SafeFile::readAll(copy.copyPath, text, SafeFile::kTableFileLimit);
    LoadedTaxTable &rates = session_.taxRates();
    TaxRateTable slots = rates.table();
    TaxPeriod period = rates.period();
    if (read)
        read = ParseTaxText(text, slots, period);
    if (!read) {
        session_.prompts().warn(read.message);
        return false;
    }
    session_.tax().offerToSaveOnClose();
    rates.replaceFromFile(slots);
    rates.setPeriod(period);
    rates.setModified(true);
    const std::string &original = copy.note.originalPath;
    if (!original.empty())
        session_.settings().setDefaultTaxFile(original);
    session_.events().taxRatesLoaded(original);
    return true;
}

void CRecoverySession::removeFiles(const RecoveryCopy &copy)
{
    RemoveFileAt(copy.notePath);
    RemoveFileAt(copy.copyPath);
}
