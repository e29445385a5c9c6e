// The disk steps of the file layer: counted, a crash just before one of them, and the power loss's
// model of what the disk keeps of the writes and name changes not yet flushed.
#include "platform/DiskSteps.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;
using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// The power loss keeps none, all, or the first of the changes since a flush.
const KeptChanges kNone = [](int) { return 0; };
const KeptChanges kAll = [](int pending) { return pending; };
const KeptChanges kFirst = [](int pending) { return std::min(pending, 1); };

} // namespace

TEST(DiskSteps, EachChangeOfTheDiskIsAStepAndACrashEndsTheProcessJustBeforeOne) {
    testsupport::ProgramFolder folder(false);
    const QString path = folder.path() + "/a.dat";
    writeBytes(path, "old");
    // A whole file: the copy made, written, flushed, renamed into place, its folder flushed.
    long long before = diskSteps();
    writeWholeFile(path, "new");
    EXPECT_EQ(diskSteps() - before, 5);
    // An append to a file that is there: one write.
    before = diskSteps();
    appendToFile(path, "+");
    EXPECT_EQ(diskSteps() - before, 1);
    // Nothing to change, nothing done.
    before = diskSteps();
    writeWholeFile(path, "new+");
    EXPECT_EQ(diskSteps(), before);

    // A crash before the second step of a whole file's write: the copy is made, empty, and the
    // file holds what it held.
    const pid_t child = ::fork();
    if (child == 0) {
        crashBeforeStep(2);
        writeWholeFile(path, "newer");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kCrashExitCode);
    const QStringList names = namesIn(folder.path());
    ASSERT_EQ(names.size(), 2) << names.join(' ').toStdString();
    EXPECT_EQ(names[0], "a.dat");
    EXPECT_TRUE(names[1].startsWith("a.dat.") && names[1].size() == 12) << names[1].toStdString();
    EXPECT_EQ(readBytes(path), "new+");
    EXPECT_EQ(readBytes(folder.path() + '/' + names[1]), "");
}

TEST(DiskSteps, APowerLossKeepsWhatWasFlushedAndAPrefixOfTheRest) {
    testsupport::ProgramFolder folder(false);
    const QString path = folder.path() + "/a.dat";
    writeBytes(path, "old");
    // A whole file written without its flushes, then flushed but not its folder: the copy made
    // and renamed may both be undone, or the rename alone, leaving the old file and the copy,
    // which holds its bytes only if they were flushed.
    for (const bool fileFlushed : {false, true}) {
        SCOPED_TRACE(fileFlushed);
        writeBytes(path, "old");
        trackPowerLoss();
        setSyncsDeferred(true);
        writeWholeFile(path, "new");
        setSyncsDeferred(false);
        if (fileFlushed) syncFile(path);
        losePower(kNone);
        EXPECT_EQ(namesIn(folder.path()), QStringList{"a.dat"});
        EXPECT_EQ(readBytes(path), "old");
        trackPowerLoss();
        setSyncsDeferred(true);
        writeWholeFile(path, "new");
        setSyncsDeferred(false);
        if (fileFlushed) syncFile(path);
        // The folder is asked first: its first change (the copy made) is kept; no write is.
        losePower([asked = 0](int pending) mutable { return ++asked == 1 ? std::min(pending, 1) : 0; });
        const QStringList names = namesIn(folder.path());
        ASSERT_EQ(names.size(), 2);
        EXPECT_EQ(readBytes(path), "old");
        EXPECT_EQ(readBytes(folder.path() + '/' + names[1]), fileFlushed ? "new" : "");
        QFile::remove(folder.path() + '/' + names[1]);
        // Every change kept: the new file alone.
        trackPowerLoss();
        setSyncsDeferred(true);
        writeWholeFile(path, "new");
        setSyncsDeferred(false);
        losePower(kAll);
        EXPECT_EQ(namesIn(folder.path()), QStringList{"a.dat"});
        EXPECT_EQ(readBytes(path), "new");
    }

    // Appends: the first flushed, then two more of which the loss keeps the first.
    writeBytes(path, "0");
    trackPowerLoss();
    appendToFile(path, "1");
    syncFile(path);
    appendToFile(path, "2");
    appendToFile(path, "3");
    losePower(kFirst);
    EXPECT_EQ(readBytes(path), "012");

    // A file removed comes back whole until its folder is flushed.
    for (const bool folderFlushed : {false, true}) {
        writeBytes(path, "kept");
        trackPowerLoss();
        EXPECT_TRUE(deleteFile(path));
        if (folderFlushed) syncFolder(folder.path());
        losePower(kNone);
        EXPECT_EQ(QFileInfo::exists(path), !folderFlushed);
        if (!folderFlushed) {
            EXPECT_EQ(readBytes(path), "kept");
        }
    }
}

TEST(DiskSteps, APowerLossUndoesTheNamesMadeSinceTheFolderWasFlushed) {
    testsupport::ProgramFolder folder(false);
    // A record file made and written, its bytes flushed: without a flush of its folder it is gone.
    const QString records = folder.path() + "/r.dat";
    trackPowerLoss();
    {
        RecordFile f(records, 4);
        f.put(1, "abcd");
        f.put(2, "efgh");
    }
    syncFile(records);
    losePower(kNone);
    EXPECT_FALSE(QFileInfo::exists(records));

    // Its folder flushed, a record written in place since: the loss keeps the first record only.
    trackPowerLoss();
    {
        RecordFile f(records, 4);
        f.put(1, "abcd");
    }
    syncFile(records);
    syncFolder(folder.path());
    {
        RecordFile f(records, 4);
        f.put(1, "ABCD");
        f.put(2, "efgh");
    }
    losePower(kFirst);
    EXPECT_EQ(readBytes(records), "ABCD");

    // A folder made with a file in it, not flushed: both go; flushed, both stay, the file empty.
    for (const bool flushed : {false, true}) {
        const QString sub = folder.path() + "/sub" + QString::number(flushed) + "/deeper";
        trackPowerLoss();
        makeFolder(sub);
        appendToFile(sub + "/x.txt", "x");
        if (flushed) {
            syncFolder(folder.path());
            syncFolder(QFileInfo(sub).path());
            syncFolder(sub);
        }
        losePower(kNone);
        EXPECT_EQ(QFileInfo::exists(sub + "/x.txt"), flushed);
        EXPECT_EQ(QFileInfo::exists(QFileInfo(sub).path()), flushed);
        if (flushed) {
            EXPECT_EQ(readBytes(sub + "/x.txt"), "");
        }
    }
}
