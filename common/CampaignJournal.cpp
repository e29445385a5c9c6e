#include "CampaignJournal.h"

#include "CampaignSnapshot.h"
#include "DataFolder.h"
#include "Globals.h"
#include "SaveBatch.h"
#include "platform/Dialogs.h"
#include "platform/HeldWrites.h"
#include "platform/KeptWindows.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

QString campaignFolder() {
    return QDir(platform::diskPath(G().GamesPath)).absolutePath();
}

QString journalPath() {
    return campaignPath(journalFileName(G().CampaignName));
}

// The journal goes, and its going reaches the disk: the campaign is whole again.
void removeJournal(const QString& path) {
    if (platform::fileExists(path) && !platform::deleteFile(path))
        throw platform::FileError(QStringLiteral("Impossibile eliminare il file %1").arg(path), path);
    platform::syncFolder(G().GamesPath);
}

// The copies that the whole-file writer makes beside a file ("<file>.XXXXXX") and renames over it:
// one is left behind only when the program was killed while writing it. It was never part of the
// campaign.
void removeHalfWritten(const QString& campaign) {
    const QStringList names = campaignFileNames(campaign) << journalFileName(campaign);
    for (const QString& file : platform::filesIn(G().GamesPath)) {
        const bool copy = std::any_of(names.cbegin(), names.cend(), [&file](const QString& name) {
            return file.size() == name.size() + 7 && file.startsWith(name + u'.', Qt::CaseInsensitive);
        });
        if (copy) platform::deleteFile(campaignPath(file, campaign));
    }
}

// A step refused because the campaign's folder cannot be written: its message says all.
struct FolderNotWritable : platform::FileError {
    explicit FolderNotWritable(const QString& folder)
        : platform::FileError(platform::folderNotWritableMessage(folder), folder) {}
};

// The transaction open now: what it keeps, in memory and in its journal, and the files it changed.
struct Open {
    QString folder;  // found at the first change
    QString journal; // its path
    // Files changed that the journal does not keep (outside the campaign folder, or after a handler
    // closed the campaign): flushed to the disk at the commit all the same.
    QSet<QString> unkept;
    CampaignSnapshot kept = CampaignSnapshot::empty(QString());
    bool journalMade = false;
    QSet<QString> changed; // disk paths
    std::optional<SaveBatch> batch;
    long long failuresAtStart = 0;
    bool everything = false;        // keeps every file of the campaign at its first change
    bool byHandler = false;         // a handler's: only while a campaign is open (G().CampaignOpen)
    platform::HandlerSource source; // a handler's: what the player used to raise it
    // The campaign in memory as the transaction found it: the state object's values and the table
    // saves held back (the windows are kept by the platform, KeptWindows.h).
    std::optional<GlobalValues> memory;
    std::vector<void (*)()> savesDue;
    // A change was refused: the folder cannot be written (a handler that went on is undone all the same).
    bool refused = false;
};

// The open transaction, and those set aside while a window shown modal waits.
std::unique_ptr<Open>& current() {
    static std::unique_ptr<Open> open;
    return open;
}
std::vector<std::unique_ptr<Open>>& setAside() {
    static std::vector<std::unique_ptr<Open>> aside;
    return aside;
}
// While a left journal is put back, its changes are not a transaction's.
bool& puttingBackLeft() {
    static bool b = false;
    return b;
}
// A transaction's undoing failed: its journal waits beside the campaign.
bool& journalLeft() {
    static bool b = false;
    return b;
}

void place(Open& t) {
    if (!t.folder.isEmpty()) return;
    t.folder = campaignFolder();
    t.journal = journalPath();
}

// Puts back the journal that a failed undoing left, if any; true when there is none left.
bool putBackLeft(const QString& journal) {
    if (!platform::fileExists(journal)) return true;
    puttingBackLeft() = true;
    try {
        CampaignSnapshot::fromBytes(platform::readWholeFile(journal), journal).putBack();
        removeJournal(journal);
    } catch (...) {
        puttingBackLeft() = false;
        throw;
    }
    puttingBackLeft() = false;
    return true;
}

void flushJournal(Open& t, const QByteArray& bytes) {
    platform::appendToFile(t.journal, bytes);
    platform::syncFile(t.journal);
}

// The files that the table saves rewrite whole at the end of nearly every action: the group
// tables, the base table, the game state and the mine fields.
bool isTableFile(const QString& name, const QString& campaign) {
    return name.startsWith(QStringLiteral("Stack") + campaign, Qt::CaseInsensitive) ||
           name.compare(campaign + QStringLiteral("mine.dat"), Qt::CaseInsensitive) == 0;
}

// The journal's first bytes, made before the first change: its header and what it keeps up front.
// A journal left by a transaction whose undoing failed is put back first, so that nothing is done
// on top of a half-done action. The hour keeps every file of the campaign; a handler keeps the
// table files (small, and saved at the end of nearly every action), so that their saves at the
// commit need no flush of their own. The header tells the hour (the one step that keeps everything)
// from an action, and a handler's action by what raised it.
QByteArray startJournal(Open& t) {
    place(t);
    // A campaign whose folder this program cannot write can be looked at, not played: a step that
    // would change it is refused at its first change, before anything is written.
    if (!platform::folderWritable(t.folder)) {
        t.refused = true;
        throw FolderNotWritable(t.folder);
    }
    putBackLeft(t.journal);
    journalLeft() = false;
    if (t.everything)
        t.kept.setStep({QString::fromLatin1(CampaignSnapshot::kHourStep), {}, {}});
    else
        t.kept.setStep(
            {QString::fromLatin1(CampaignSnapshot::kActionStep), t.source.window, t.source.control});
    QByteArray bytes = t.kept.headerBytes();
    if (!t.everything && !t.byHandler) return bytes;
    const QString& campaign = t.kept.campaign();
    for (const QString& name : campaignFileNames(campaign)) {
        if (!t.everything && !isTableFile(name, campaign)) continue;
        const qint64 length = platform::fileLength(campaignPath(name));
        if (t.kept.keep(name, std::max<qint64>(length, 0))) bytes += t.kept.lastEntry();
    }
    return bytes;
}

// The journal's first bytes, with the entries that come with them, reach the disk, then the
// folder that holds it: one flush before the first change.
void writeJournalStart(Open& t, const QByteArray& bytes) {
    try {
        platform::appendToFile(t.journal, bytes);
    } catch (const platform::FileError&) {
        platform::deleteFile(t.journal);
        // Nothing is kept: a later first change keeps everything again.
        t.kept = CampaignSnapshot::empty(t.kept.campaign());
        throw;
    }
    t.journalMade = true;
    platform::syncFile(t.journal);
    platform::syncFolder(t.folder);
}

void watch(const QString& path, qint64 from) {
    Open* t = current().get();
    if (!t || puttingBackLeft()) return;
    // A handler that closes the campaign (or deletes it) goes on outside of it.
    place(*t);
    const QFileInfo file(path);
    if ((t->byHandler && !G().CampaignOpen) || file.absolutePath() != t->folder) {
        t->unkept.insert(path);
        return;
    }
    const QString name = file.fileName();
    if (name.compare(journalFileName(t->kept.campaign()), Qt::CaseInsensitive) == 0) return;
    if (!t->journalMade) {
        QByteArray bytes = startJournal(*t);
        if (t->kept.keep(name, from)) bytes += t->kept.lastEntry();
        writeJournalStart(*t, bytes);
    } else if (t->kept.keep(name, from)) {
        flushJournal(*t, t->kept.lastEntry());
    }
    t->changed.insert(path);
}

// The prior contents of the campaign files that the held writes change, kept in one entry run and
// one flush before the first of them is written (with the journal's start, when they begin it).
// The watch then finds each of them kept already.
void keepBeforeWrites(Open& t, const std::vector<platform::HeldWrite>& writes) {
    if (puttingBackLeft() || (t.byHandler && !G().CampaignOpen)) return;
    place(t);
    const bool starting = !t.journalMade;
    bool started = false;
    QByteArray bytes;
    for (const auto& [path, written] : writes) {
        const QFileInfo file(path);
        if (file.absolutePath() != t.folder) continue;
        const QString name = file.fileName();
        if (name.compare(journalFileName(t.kept.campaign()), Qt::CaseInsensitive) == 0) continue;
        // A file that holds these bytes already is not written.
        if (platform::fileLength(path) == written.size() && platform::readWholeFile(path) == written)
            continue;
        if (starting && !started) {
            bytes = startJournal(t);
            started = true;
        }
        if (t.kept.keep(name, 0)) bytes += t.kept.lastEntry();
    }
    if (started)
        writeJournalStart(t, bytes);
    else if (!bytes.isEmpty())
        flushJournal(t, bytes);
}

// The table saves held to the commit: what they write is gathered first, so that the prior
// contents of every file they change reach the journal in one flush, then written.
void commitSaves(Open& t) {
    std::vector<platform::HeldWrite> writes;
    {
        platform::WholeFileWriteHold hold;
        t.batch->commit();
        writes = hold.take();
    }
    keepBeforeWrites(t, writes);
    for (const auto& [path, bytes] : writes) platform::writeWholeFile(path, bytes);
}

// The campaign in memory as it is now, to be put back should the transaction be undone.
void keepMemory(Open& t) {
    t.memory = static_cast<const GlobalValues&>(G());
    t.savesDue = G().SavesDue;
    platform::keepWindows();
}

// The campaign in memory as the transaction found it: every value of the state object, the saves
// held back and the windows, whatever the step changed of them. Not when the step closed the
// campaign: nothing of it is left in memory.
void putMemoryBack(std::optional<GlobalValues>& memory, std::vector<void (*)()>& savesDue) {
    if (!memory || (memory->CampaignOpen && !G().CampaignOpen)) return;
    static_cast<GlobalValues&>(G()) = std::move(*memory);
    G().SavesDue = std::move(savesDue);
    platform::putWindowsBack();
}

void openNew() {
    auto t = std::make_unique<Open>();
    t->kept = CampaignSnapshot::empty(G().CampaignName);
    t->failuresAtStart = platform::writeFailures();
    platform::setChangeWatch(watch);
    // The commit flushes every file changed at once.
    platform::setSyncsDeferred(true);
    current() = std::move(t);
    current()->batch.emplace();
    keepMemory(*current());
}

// The transaction is empty again: nothing kept, nothing changed, a batch for what comes next.
void clear(Open& t) {
    t.refused = false;
    t.kept = CampaignSnapshot::empty(G().CampaignName);
    t.journalMade = false;
    t.changed.clear();
    t.unkept.clear();
    t.failuresAtStart = platform::writeFailures();
    t.batch.reset();
    t.batch.emplace();
}

void commitOpen(Open& t) {
    commitSaves(t);
    QSet<QString> folders;
    for (const QString& path : t.unkept) {
        platform::syncFile(path);
        folders.insert(QFileInfo(path).absolutePath());
    }
    for (const QString& folder : folders) platform::syncFolder(folder);
    if (t.journalMade) {
        for (const QString& path : t.changed) platform::syncFile(path);
        platform::syncFolder(t.folder);
        // The journal goes: the action is whole. Its going reaches the disk before the handler
        // returns, so that an action the player saw done is never undone by the next opening.
        if (!platform::deleteFile(t.journal) && platform::fileExists(t.journal))
            throw platform::FileError(QStringLiteral("Impossibile eliminare il file %1").arg(t.journal),
                                      t.journal);
        platform::syncFolder(t.folder);
    }
    clear(t);
    // What a later failure of the transaction puts back: memory as the step has made it whole.
    keepMemory(t);
}

void rollBackOpen(Open& t) {
    t.batch.reset();
    dropDueSaves();
    std::optional<platform::FileError> failure;
    if (t.journalMade) {
        // What is put back reaches the disk at once.
        platform::setSyncsDeferred(false);
        try {
            t.kept.putBack();
            removeJournal(t.journal);
        } catch (const platform::FileError& e) {
            failure = e;
            journalLeft() = true;
        }
        platform::setSyncsDeferred(true);
    }
    std::optional<GlobalValues> memory = std::move(t.memory);
    std::vector<void (*)()> savesDue = std::move(t.savesDue);
    clear(t);
    // Memory as it was when the transaction began (as the files were then, whether or not they
    // could be put back), then kept again for what comes next.
    putMemoryBack(memory, savesDue);
    keepMemory(t);
    if (failure) throw *failure;
}

// What a handler that failed tells the player: what went wrong, and where the campaign stands.
QString failureMessage(const QString& cause, const std::optional<QString>& undoFailure) {
    if (!undoFailure)
        return cause + QStringLiteral(".\nL'azione non è stata compiuta: la partita è rimasta com'era.");
    return cause + QStringLiteral(".\nL'azione non è stata compiuta, ma la partita non ha potuto essere "
                                  "riportata com'era (%1): lo sarà prima della prossima azione o alla "
                                  "prossima apertura.")
                       .arg(*undoFailure);
}

void runAsTransaction(const std::function<void()>& handler) {
    if (!G().CampaignOpen || current()) {
        handler();
        return;
    }
    if (journalLeft()) {
        // An action whose undoing failed is undone before the next one reads the files (the
        // tables in memory are as before it already).
        try {
            putBackLeft(journalPath());
            journalLeft() = false;
        } catch (const std::exception&) {
            // Still not: the first change of this action tries again, and is refused if it fails.
        }
    }
    CampaignTransaction t;
    current()->byHandler = true;
    current()->source = platform::handlerSource();
    const auto undo = [&t]() -> std::optional<QString> {
        try {
            t.rollBack();
        } catch (const platform::FileError& e) {
            return e.cause();
        } catch (const std::exception& e) {
            return QString::fromUtf8(e.what());
        }
        return std::nullopt;
    };
    try {
        handler();
        if (current()->refused) throw FolderNotWritable(current()->folder);
        // A handler that met a failed write and went on is not made whole: it is undone, and the
        // player told what failed first.
        if (t.changed() && platform::writeFailures() > current()->failuresAtStart) {
            const QString cause = platform::writeFailureCause(current()->failuresAtStart + 1);
            throw platform::FileError(
                cause.isEmpty() ? QStringLiteral("Una scrittura dei file della partita non è riuscita")
                                : cause,
                QString());
        }
        t.commit();
    } catch (const FolderNotWritable& e) {
        undo();
        throw platform::FileError(e.message(), e.path());
    } catch (const platform::FileError& e) {
        const std::optional<QString> undoFailure = undo();
        throw platform::FileError(failureMessage(e.cause(), undoFailure), e.path());
    } catch (...) {
        if (const std::optional<QString> undoFailure = undo())
            throw platform::FileError(failureMessage(QStringLiteral("L'azione si è interrotta"), undoFailure),
                                      QString());
        throw;
    }
}

} // namespace

void aboutToChangeCampaign() {
    Open* t = current().get();
    if (!t || t->journalMade || (t->byHandler && !G().CampaignOpen)) return;
    place(*t);
    if (platform::folderWritable(t->folder)) return;
    t->refused = true;
    throw FolderNotWritable(t->folder);
}

QString journalFileName(const QString& campaign) {
    return campaign + QStringLiteral(".jnl");
}

CampaignTransaction::CampaignTransaction(Capture capture) : outermost_(!current()) {
    if (outermost_) openNew();
    Open& t = *current();
    if (capture == Capture::Everything && !t.journalMade) {
        // A step that keeps everything is the whole of what it joins: its commit makes it whole.
        owns_ = true;
        t.everything = true;
        // An hour keeps every file before its first step, whatever it changes first. A refusal
        // goes to the step, which tells it: nothing has changed, and the handler that runs the
        // step has nothing more to tell.
        try {
            writeJournalStart(t, startJournal(t));
        } catch (const FolderNotWritable&) {
            t.refused = false;
            throw;
        }
    }
}

CampaignTransaction::~CampaignTransaction() {
    if (!outermost_) return;
    if (current() && current()->journalMade) {
        try {
            rollBackOpen(*current());
        } catch (...) {
            // The journal stays for the next opening.
        }
    }
    current().reset();
    platform::setSyncsDeferred(false);
    platform::forgetKeptWindows();
}

void CampaignTransaction::commit() {
    if (outermost_ || owns_) commitOpen(*current());
}

void CampaignTransaction::rollBack() {
    rollBackOpen(*current());
}

bool CampaignTransaction::changed() const {
    return current() && current()->journalMade;
}

CampaignSnapshot::Step& undoneStep() {
    static CampaignSnapshot::Step step;
    return step;
}

const CampaignSnapshot::Step& lastUndoneStep() {
    return undoneStep();
}

bool rollBackLeftJournal() {
    removeHalfWritten(G().CampaignName);
    const QString path = journalPath();
    if (!platform::fileExists(path)) return false;
    puttingBackLeft() = true;
    bool undone = false;
    try {
        const CampaignSnapshot left = CampaignSnapshot::fromBytes(platform::readWholeFile(path), path);
        undoneStep() = left.step();
        // A journal that keeps no file was stopped before anything it covers changed: nothing is
        // undone, and the player is told nothing.
        undone = !left.isEmpty();
        if (undone) left.putBack();
        removeJournal(path);
    } catch (const platform::FileError& e) {
        puttingBackLeft() = false;
        throw platform::FileError(
            QStringLiteral(
                "L'ultima ora o azione non è stata completata e non è stato possibile annullarla:\n%1")
                .arg(e.message()),
            e.path());
    }
    puttingBackLeft() = false;
    return undone;
}

void runHandlersAsTransactions() {
    platform::setHandlerScope(runAsTransaction);
    platform::setModalWaitHooks(
        [] {
            if (current()) {
                commitOpen(*current());
                current()->batch.reset();
            }
            setAside().push_back(std::move(current()));
            platform::setSyncsDeferred(false);
            // The window's own handlers keep what they change for themselves.
            platform::forgetKeptWindows();
        },
        [] {
            if (setAside().empty()) return;
            current() = std::move(setAside().back());
            setAside().pop_back();
            if (current()) {
                current()->batch.emplace();
                platform::setSyncsDeferred(true);
                // The handler that showed the window goes on from what the window left.
                keepMemory(*current());
            }
        });
}
