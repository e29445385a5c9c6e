#include "platform/Files.h"
#include "platform/HeldWrites.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using testsupport::readBytes;
using testsupport::writeBytes;

TEST(Files, TextFileOfOneValueALine) {
    testsupport::ProgramFolder folder(false);
    TextWriter w;
    w.writeText("MALTA HQ");
    w.writeNumber(-12);
    w.writeText("  blanks  ");
    w.writeText("");
    w.writeText(QString::fromUtf8("Prossimo Slot Libero N°"));
    const QString path = folder.path() + "/x.txt";
    w.commit(path);
    const QByteArray expected =
        QByteArray("\"MALTA HQ\"\r\n-12\r\n\"  blanks  \"\r\n\"\"\r\n\"Prossimo Slot Libero N") + char(0xB0) +
        "\"\r\n";
    EXPECT_EQ(readBytes(path), expected);

    TextReader r(path);
    EXPECT_EQ(r.readText(), "MALTA HQ");
    EXPECT_EQ(r.readWhole(), -12);
    EXPECT_EQ(r.readText(), "  blanks  ");
    EXPECT_EQ(r.readText(), "");
    EXPECT_EQ(r.readText(), QString::fromUtf8("Prossimo Slot Libero N°"));
    EXPECT_TRUE(r.atEnd());
    EXPECT_THROW(r.readText(), FileError);
}

TEST(Files, UnquotedValuesEndAtCommaOrLineEnd) {
    TextReader r(QByteArray("TWO WORDS \r\n1234.5,1235.5\r\n\"a,b\", 7\r\nxyz\r\n"), "mem");
    EXPECT_EQ(r.readText(), "TWO WORDS");
    EXPECT_EQ(r.readWhole(), 1234);
    EXPECT_EQ(r.readWhole(), 1236);
    EXPECT_EQ(r.readText(), "a,b");
    EXPECT_EQ(r.readWhole(), 7);
    try {
        r.readWhole();
        FAIL() << "a text where a number is expected is an error naming the file";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains("mem"));
    }
}

TEST(Files, MissingFileIsAnErrorNamingIt) {
    try {
        TextReader r("/nonexistent/folder/basename.txt");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains("basename.txt"));
    }
}

TEST(Files, NamesMatchWithoutRegardToCase) {
    testsupport::ProgramFolder folder(false);
    QDir().mkpath(folder.path() + "/Data/giochi");
    writeBytes(folder.path() + "/Data/giochi/NomeGiochi.txt", "x");
    EXPECT_TRUE(fileExists(folder.path() + "\\DATA\\Giochi\\nomegiochi.TXT"));
    EXPECT_EQ(diskPath(folder.path() + "\\data\\GIOCHI\\new.txt"), folder.path() + "/Data/giochi/new.txt");
    EXPECT_FALSE(fileExists(folder.path() + "/Data/giochi/other.txt"));
    // A name looked for and missing is found once it is made, by this program or by another, and
    // found again when another renames it, whatever the folder's time stamp says: on a file system
    // whose clock ticks every two seconds it may read the same before and after (set back here).
    const QString giochi = folder.path() + "/Data/giochi/";
    auto withinOneTick = [&](const std::function<void()>& change) {
        const QByteArray name = QFile::encodeName(giochi);
        struct stat before {};
        ASSERT_EQ(::stat(name.constData(), &before), 0);
        change();
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, name.constData(), times, 0), 0);
    };
    EXPECT_FALSE(fileExists(giochi + "made.txt"));
    writeWholeFile(giochi + "Made.TXT", "m");
    EXPECT_TRUE(fileExists(giochi + "made.txt"));
    EXPECT_FALSE(fileExists(giochi + "other.txt"));
    withinOneTick([&] { writeBytes(giochi + "Other.TXT", "o"); });
    EXPECT_TRUE(fileExists(giochi + "other.txt"));
    withinOneTick([&] {
        std::filesystem::rename((giochi + "Made.TXT").toStdString(), (giochi + "MADE.txt").toStdString());
    });
    EXPECT_EQ(diskPath(giochi + "made.txt"), giochi + "MADE.txt");
    withinOneTick([&] { std::filesystem::remove((giochi + "MADE.txt").toStdString()); });
    EXPECT_FALSE(fileExists(giochi + "made.txt"));

    // While record files are kept no other program writes: what another made before is found, and
    // so is what this program makes meanwhile.
    EXPECT_FALSE(fileExists(giochi + "before.txt"));
    withinOneTick([&] { writeBytes(giochi + "Before.TXT", "b"); });
    const KeptRecordFiles keptFiles;
    EXPECT_TRUE(fileExists(giochi + "before.txt"));
    EXPECT_FALSE(fileExists(giochi + "during.txt"));
    appendToFile(giochi + "During.TXT", "d");
    EXPECT_EQ(diskPath(giochi + "during.txt"), giochi + "During.TXT");
}

TEST(Files, RecordCountRoundsAndRecordsAreWrittenInPlace) {
    testsupport::ProgramFolder folder(false);
    const QString path = folder.path() + "/ships.dat";
    writeBytes(path, QByteArray(537, 'a'));
    RecordFile f(path, 179);
    EXPECT_EQ(f.count(), 3);
    f.put(4, "NEW");
    EXPECT_EQ(f.count(), 4);
    EXPECT_EQ(f.get(4), QByteArray("NEW") + QByteArray(176, ' '));
    f.put(2, QByteArray(200, 'b'));
    const QByteArray all = readBytes(path);
    EXPECT_EQ(all.size(), 4 * 179);
    EXPECT_EQ(all.mid(0, 179), QByteArray(179, 'a')) << "neighbours untouched";
    EXPECT_EQ(all.mid(179, 179), QByteArray(179, 'b')) << "cut to the record length";
    EXPECT_EQ(all.mid(358, 179), QByteArray(179, 'a'));
    EXPECT_EQ(f.get(9), QByteArray(179, '\0')) << "past the end reads zero";

    writeBytes(folder.path() + "/short.dat", QByteArray(268, 'c')); // 1.497 records
    EXPECT_EQ(RecordFile(folder.path() + "/short.dat", 179).count(), 1);
    writeBytes(folder.path() + "/half.dat", QByteArray(90, 'c')); // .503 records
    EXPECT_EQ(RecordFile(folder.path() + "/half.dat", 179).count(), 1);
}

TEST(Files, RecordFilesKeptWholeSeeEveryChangeOfTheProgram) {
    testsupport::ProgramFolder folder(false);
    const QString path = folder.path() + "/ships.dat";
    writeBytes(path, QByteArray(3 * 10, 'a'));
    const KeptRecordFiles keptFiles;
    RecordFile reader(path, 10);
    EXPECT_EQ(reader.get(2), QByteArray(10, 'a'));
    {
        RecordFile writer(path, 10); // another handle on the same file, as a window's channel
        writer.put(2, "bb");
        writer.put(4, "dd"); // past the copy's end
    }
    EXPECT_EQ(reader.get(2), QByteArray("bb") + QByteArray(8, ' '));
    EXPECT_EQ(reader.getPresent(4), QByteArray("dd") + QByteArray(8, ' '));
    reader.put(1, "x");
    EXPECT_EQ(reader.get(1), QByteArray("x") + QByteArray(9, ' '));
    writeWholeFile(path, QByteArray(10, 'w')); // put back whole, as the journal does
    RecordFile reopened(path, 10);
    EXPECT_EQ(reopened.get(1), QByteArray(10, 'w'));
    EXPECT_EQ(reopened.getPresent(2), QByteArray());
    EXPECT_EQ(reopened.count(), 1);

    // Every other change of the file through this layer is read again; a record written at the
    // end of the copy, or on another handle, is seen at once, with the count and the length.
    appendToFile(path, QByteArray(10, 'p'));
    EXPECT_EQ(reopened.count(), 2);
    EXPECT_EQ(reopened.get(2), QByteArray(10, 'p'));
    EXPECT_EQ(fileLength(path), 20);
    cutFile(path, 10);
    EXPECT_EQ(reopened.count(), 1);
    EXPECT_EQ(reopened.getPresent(2), QByteArray());
    reopened.put(2, "q");
    EXPECT_EQ(RecordFile(path, 10).get(2), QByteArray("q") + QByteArray(9, ' '));
    EXPECT_EQ(fileLength(path), 20);
    EXPECT_EQ(reader.count(), 2);
    ASSERT_TRUE(deleteFile(path));
    EXPECT_EQ(fileLength(path), -1);
    RecordFile made(path, 10);
    EXPECT_EQ(made.count(), 0);
    EXPECT_EQ(made.getPresent(1), QByteArray());
    made.put(1, "m");
    EXPECT_EQ(reader.get(1), QByteArray("m") + QByteArray(9, ' ')) << "handles opened since share the file";
    EXPECT_EQ(readBytes(path), QByteArray("m") + QByteArray(9, ' '));

    // A whole file read is read once, and sees the program's changes as the records do.
    EXPECT_EQ(readWholeFile(path), QByteArray("m") + QByteArray(9, ' '));
    made.put(2, "n");
    EXPECT_EQ(readWholeFile(path), QByteArray("m") + QByteArray(9, ' ') + "n" + QByteArray(9, ' '));
    appendToFile(path, "+");
    EXPECT_EQ(readWholeFile(path).right(2), " +");
    writeWholeFile(path, QByteArray(10, 'm'));
    EXPECT_EQ(readWholeFile(path), QByteArray(10, 'm'));
    EXPECT_EQ(reader.get(1), QByteArray(10, 'm'));

    // A change of another file leaves the copy as it is: kept files are for steps during which no
    // other program writes, so what one writes behind the program's back is not seen meanwhile.
    const QString other = folder.path() + "/other.dat";
    writeBytes(path, QByteArray(10, 'z'));
    writeWholeFile(other, "o");
    RecordFile(other, 10).put(2, "o");
    EXPECT_EQ(reader.get(1), QByteArray(10, 'm'));
    EXPECT_EQ(readWholeFile(path), QByteArray(10, 'm'));
}

TEST(Files, WhileRecordFilesAreKeptTheFolderIsListedOnce) {
    testsupport::ProgramFolder folder(false);
    const QString dir = folder.path() + "/Data";
    QDir().mkpath(dir);
    writeBytes(dir + "/There.dat", "t");
    const KeptRecordFiles keptFiles;
    // The files the folder holds are found by their listing, in any letter case; those it does
    // not hold are missing without a look at each.
    EXPECT_TRUE(fileExists(dir + "/there.DAT"));
    EXPECT_EQ(fileLength(dir + "/THERE.dat"), 1);
    EXPECT_FALSE(fileExists(dir + "/missing.dat"));
    EXPECT_EQ(fileLength(dir + "/missing.dat"), -1);
    // What this program makes or removes meanwhile is found or missing at once, also when it made
    // it through another spelling of the folder's path.
    writeWholeFile(dir + "/Made.dat", "mm");
    EXPECT_TRUE(fileExists(dir + "/made.dat"));
    EXPECT_EQ(fileLength(dir + "\\MADE.dat"), 2);
    writeWholeFile(dir + "/Appended.dat", "a");
    EXPECT_EQ(fileLength(dir + "/Appended.dat"), 1);
    appendToFile(dir + "/../Data/Appended.dat", "aaa");
    EXPECT_EQ(fileLength(dir + "/Appended.dat"), 4) << "the length looked up is forgotten";
    RecordFile(dir + "/./Records.dat", 10).put(1, "r");
    EXPECT_TRUE(fileExists(dir + "/Records.dat"));
    EXPECT_EQ(fileLength(dir + "/Records.dat"), 10);
    EXPECT_TRUE(deleteFile(dir + "/made.dat"));
    EXPECT_FALSE(fileExists(dir + "/Made.dat"));
    EXPECT_EQ(fileLength(dir + "/made.dat"), -1);
}

TEST(Files, RecordFileIsCreatedWhenMissing) {
    testsupport::ProgramFolder folder(false);
    RecordFile f(folder.path() + "/new.dat", 14);
    EXPECT_EQ(f.count(), 0);
    EXPECT_TRUE(QFileInfo::exists(folder.path() + "/new.dat"));
}

TEST(Files, ChannelsCloseOneOrAll) {
    testsupport::ProgramFolder folder(false);
    Channels ch;
    ch.openRandom(2, folder.path() + "/ships.dat", 179);
    ch.openOutput(4, folder.path() + "/table.dat");
    ch.output(4).writeNumber(5);
    EXPECT_FALSE(QFileInfo::exists(folder.path() + "/table.dat")) << "written whole when closed";
    ch.close(4);
    EXPECT_EQ(readBytes(folder.path() + "/table.dat"), "5\r\n");
    EXPECT_TRUE(ch.isOpen(2));
    ch.random(2).put(1, "A");
    ch.closeAll();
    EXPECT_FALSE(ch.isOpen(2));
    EXPECT_THROW(ch.random(2), ChannelError) << "a close-all breaks channel 2";
    EXPECT_EQ(ch.freeChannel(), 1);
}

TEST(Files, AppendAddsToTheEnd) {
    testsupport::ProgramFolder folder(false);
    writeBytes(folder.path() + "/log.txt", "\"a\"\r\n");
    Channels ch;
    ch.openAppend(3, folder.path() + "/log.txt");
    ch.output(3).writeText("b");
    ch.close(3);
    EXPECT_EQ(readBytes(folder.path() + "/log.txt"), "\"a\"\r\n\"b\"\r\n");
}

TEST(Files, WholeFileWriteLeavesNoTemporaryBehind) {
    testsupport::ProgramFolder folder(false);
    writeWholeFile(folder.path() + "/a.txt", "one");
    writeWholeFile(folder.path() + "/a.txt", "two");
    EXPECT_EQ(readBytes(folder.path() + "/a.txt"), "two");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.txt"});
    EXPECT_THROW(writeWholeFile(folder.path() + "/missing/dir/a.txt", "x"), FileError);
}

TEST(Files, HeldWholeFileWritesReachTheDiskOnlyWhenTaken) {
    testsupport::ProgramFolder folder(false);
    const QString a = folder.path() + "/a.txt", b = folder.path() + "/b.txt";
    writeBytes(a, "old");
    std::vector<HeldWrite> taken;
    {
        WholeFileWriteHold hold;
        writeWholeFile(b, "first");
        writeWholeFile(a, "a1");
        writeWholeFile(b, "bee");
        EXPECT_EQ(readBytes(a), "old") << "nothing written while held";
        EXPECT_FALSE(QFileInfo::exists(b));
        EXPECT_EQ(readWholeFile(a), "a1") << "the readers see what is held";
        EXPECT_EQ(fileLength(b), 3);
        EXPECT_EQ(TextReader(b).readLine(), "bee");
        taken = hold.take();
    }
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0], (HeldWrite{diskPath(b), "bee"})) << "the last bytes, in the order first given";
    EXPECT_EQ(taken[1], (HeldWrite{diskPath(a), "a1"}));
    EXPECT_EQ(readWholeFile(a), "old");
    writeWholeFile(a, "now");
    EXPECT_EQ(readBytes(a), "now") << "written at once after the hold";
    {
        WholeFileWriteHold dropped;
        writeWholeFile(a, "never");
    }
    EXPECT_EQ(readWholeFile(a), "now") << "a hold closed without take drops its writes";
}

TEST(Files, CodePageRoundTrip) {
    const QString s = QString::fromUtf8("è à ° € ‘");
    EXPECT_EQ(toCp1252(s), QByteArray("\xE8 \xE0 \xB0 \x80 \x91"));
    EXPECT_EQ(fromCp1252(toCp1252(s)), s);
    EXPECT_EQ(toCp1252(QString::fromUtf8("漢")), "?");
}

namespace {
// Lifts the seam's limit whatever a test leaves.
struct WriteLimit {
    explicit WriteLimit(qint64 bytes) { failWritesAfter(bytes); }
    ~WriteLimit() { failWritesAfter(-1); }
};
} // namespace

TEST(Files, AWriteThatFailsAtAnyByteLeavesTheOldFileAndNamesIt) {
    testsupport::ProgramFolder folder(false);
    const QString path = folder.path() + "/Stack.dat";
    const QByteArray old = QByteArray("old\r\n").repeated(20), next = QByteArray("new!\r\n").repeated(30);
    writeBytes(path, old);
    for (qint64 n = 0; n < next.size(); ++n) {
        WriteLimit limit(n);
        try {
            writeWholeFile(path, next);
            ADD_FAILURE() << "written with room for " << n << " bytes";
        } catch (const FileError& e) {
            EXPECT_TRUE(e.message().startsWith("Disco pieno")) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(path));
        }
        ASSERT_EQ(readBytes(path), old) << n;
        ASSERT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Stack.dat"}) << n;
    }
    {
        WriteLimit limit(next.size());
        writeWholeFile(path, next);
    }
    EXPECT_EQ(readBytes(path), next);

    // A record rewritten in place or added, and values appended, are taken back whole.
    const QString records = folder.path() + "/Navi.dat";
    writeBytes(records, QByteArray(10, 'a') + QByteArray(10, 'b'));
    RecordFile file(records, 10);
    for (int record : {2, 3}) {
        WriteLimit limit(4);
        EXPECT_THROW(file.put(record, QByteArray(10, 'z')), FileError);
        EXPECT_EQ(readBytes(records), QByteArray(10, 'a') + QByteArray(10, 'b')) << record;
    }
    WriteLimit limit(1);
    EXPECT_THROW(appendToFile(records, "xyz"), FileError);
    EXPECT_EQ(readBytes(records), QByteArray(10, 'a') + QByteArray(10, 'b'));
}

TEST(Files, NumbersTooLargeOrNotFiniteAreRefusedOrSaturated) {
    TextReader r(QByteArray("1").repeated(120) + ".0\r\nnan\r\ninf\r\n", "big.txt");
    EXPECT_EQ(r.readWhole(), std::numeric_limits<long long>::max());
    EXPECT_THROW(r.readWhole(), FileError);
    EXPECT_THROW(r.readReal(), FileError);
}

namespace {
// Lifts the seams of the system's refusals whatever a test leaves.
struct Refusals {
    ~Refusals() {
        for (DiskCall call :
             {DiskCall::Open, DiskCall::Write, DiskCall::Sync, DiskCall::Close, DiskCall::Rename})
            failNextDiskCall(call, 0);
        refuseChangesIn({}, 0);
    }
};

// The cause a failed change told, or "" when it did not fail.
QString causeOf(const std::function<void()>& change) {
    try {
        change();
    } catch (const FileError& e) {
        return e.message();
    }
    return {};
}
} // namespace

// A full disk (ENOSPC, or EDQUOT of a user's quota) is called a full disk, naming the file, whichever
// of the system's calls finds it: the write of a whole file, of a record or of an append, the flush,
// the close, the rename, the open that makes a file. Another error keeps the system's words. Nothing
// changes. A device that is always full makes the system itself say ENOSPC to a record and an append.
TEST(Files, AFullDiskIsCalledSoWhicheverCallOfTheSystemFindsIt) {
    Refusals lifted;
    testsupport::ProgramFolder folder(false);
    const QString whole = folder.path() + "/Stack.dat", records = folder.path() + "/Navi.dat",
                  appended = folder.path() + "/Contatti.dat";
    writeBytes(whole, "old\r\n");
    writeBytes(records, QByteArray(10, 'a') + QByteArray(10, 'b'));
    writeBytes(appended, "one\r\n");
    RecordFile file(records, 10);
    struct Case {
        std::string why;
        DiskCall call;
        int error;
        QString path;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"whole file: write", DiskCall::Write, ENOSPC, whole, [&] { writeWholeFile(whole, "new\r\n"); }},
        {"whole file: flush", DiskCall::Sync, ENOSPC, whole, [&] { writeWholeFile(whole, "new\r\n"); }},
        {"whole file: close", DiskCall::Close, EDQUOT, whole, [&] { writeWholeFile(whole, "new\r\n"); }},
        {"whole file: rename", DiskCall::Rename, ENOSPC, whole, [&] { writeWholeFile(whole, "new\r\n"); }},
        {"whole file: the copy made", DiskCall::Open, ENOSPC, whole,
         [&] { writeWholeFile(whole, "new\r\n"); }},
        {"record in place", DiskCall::Write, ENOSPC, records, [&] { file.put(2, QByteArray(10, 'z')); }},
        {"record added", DiskCall::Write, EDQUOT, records, [&] { file.put(3, QByteArray(10, 'z')); }},
        {"record file made", DiskCall::Open, ENOSPC, folder.path() + "/Nuovo.dat",
         [&] { RecordFile(folder.path() + "/Nuovo.dat", 10); }},
        {"append: write", DiskCall::Write, ENOSPC, appended, [&] { appendToFile(appended, "two\r\n"); }},
        {"append: close", DiskCall::Close, ENOSPC, appended, [&] { appendToFile(appended, "two\r\n"); }},
        {"flush of a file", DiskCall::Sync, ENOSPC, appended, [&] { syncFile(appended); }},
        {"cut", DiskCall::Sync, ENOSPC, appended, [&] { cutFile(appended, 2); }},
    };
    for (const Case& c : cases) {
        failNextDiskCall(c.call, c.error);
        const QString told = causeOf(c.change);
        EXPECT_TRUE(told.startsWith("Disco pieno: impossibile scrivere il file " + c.path))
            << c.why << ": " << told.toStdString();
        failNextDiskCall(c.call, 0);
        EXPECT_EQ(readBytes(whole), "old\r\n") << c.why;
        EXPECT_EQ(readBytes(records), QByteArray(10, 'a') + QByteArray(10, 'b')) << c.why;
        EXPECT_EQ(file.get(2), QByteArray(10, 'b')) << c.why << ": what the file's reader holds";
        EXPECT_EQ(readBytes(appended), "one\r\n") << c.why;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
                  QStringList({"Contatti.dat", "Navi.dat", "Stack.dat"}))
            << c.why;
    }
    failNextDiskCall(DiskCall::Sync, EIO);
    const QString io = causeOf([&] { writeWholeFile(whole, "new\r\n"); });
    EXPECT_TRUE(
        io.startsWith("Impossibile scrivere il file " + whole + " (" + QString::fromLocal8Bit(strerror(EIO))))
        << io.toStdString();
    EXPECT_EQ(readBytes(whole), "old\r\n");

    // The system's own full disk.
    const QString full = folder.path() + "/Pieno.dat";
    ASSERT_EQ(::symlink("/dev/full", QFile::encodeName(full).constData()), 0);
    RecordFile onFull(full, 10);
    QString told = causeOf([&] { onFull.put(1, QByteArray(10, 'z')); });
    EXPECT_TRUE(told.startsWith("Disco pieno: impossibile scrivere il file " + full)) << told.toStdString();
    told = causeOf([&] { appendToFile(full, "two\r\n"); });
    EXPECT_TRUE(told.startsWith("Disco pieno: impossibile scrivere il file " + full)) << told.toStdString();

    // The flush of a folder: what was made, renamed or removed there may not be on the disk.
    failNextDiskCall(DiskCall::SyncFolder, ENOSPC);
    EXPECT_EQ(causeOf([&] { syncFolder(folder.path()); }),
              "Disco pieno: impossibile registrare sul disco la cartella " + folder.path());
    failNextDiskCall(DiskCall::SyncFolder, EIO);
    told = causeOf([&] { syncFolder(folder.path()); });
    EXPECT_TRUE(told.startsWith("Impossibile registrare sul disco la cartella " + folder.path() + " (" +
                                QString::fromLocal8Bit(strerror(EIO))))
        << told.toStdString();
    EXPECT_FALSE(causeOf([&] { syncFolder(folder.path() + "/nessuna"); }).isEmpty()) << "no folder to flush";
    EXPECT_TRUE(causeOf([&] { syncFolder(folder.path()); }).isEmpty());
}

// A folder that cannot be written (a read-only disk, EROFS, or a folder the user may not write,
// EACCES; the file layer's seam refuses every change there as the system does): its record files
// are read, a missing one reads as empty and is not made, and a write of the bytes a file holds
// already needs nothing; any other change is refused naming the file and why, and nothing changes.
// The folder is told not writable, and is again once it can be written.
TEST(Files, AFolderThatCannotBeWrittenIsReadAndOnlyChangesAreRefused) {
    Refusals lifted;
    testsupport::ProgramFolder folder(false);
    const QString records = folder.path() + "/Navi.dat", table = folder.path() + "/Stack.dat";
    const QByteArray held = QByteArray(10, 'a') + QByteArray(10, 'b');
    EXPECT_TRUE(folderWritable(folder.path()));
    EXPECT_FALSE(folderWritable(folder.path() + "/nessuna"));
    for (const auto& [error, says] :
         {std::pair{EROFS, "il disco è in sola lettura"}, {EACCES, "permesso negato"}}) {
        writeBytes(records, held);
        writeBytes(table, "1\r\n");
        refuseChangesIn(folder.path(), error);
        EXPECT_FALSE(folderWritable(folder.path())) << error;
        {
            RecordFile file(records, 10);
            EXPECT_EQ(file.count(), 2);
            EXPECT_EQ(file.get(2), QByteArray(10, 'b'));
            file.put(1, QByteArray(10, 'a'));
            const QString told = causeOf([&] { file.put(2, "changed"); });
            EXPECT_TRUE(told.startsWith("Impossibile scrivere il file " + records + ": " + says))
                << told.toStdString();
            EXPECT_TRUE(causeOf([&] { file.put(3, "added"); }).contains(says));
            EXPECT_EQ(file.get(2), QByteArray(10, 'b'));
        }
        {
            KeptRecordFiles kept;
            RecordFile first(records, 10), second(records, 10);
            EXPECT_EQ(second.get(1), QByteArray(10, 'a'));
            EXPECT_TRUE(causeOf([&] { second.put(1, "changed"); }).contains(says)) << "opened once, refused";
        }
        const QString missing = folder.path() + "/Contatti.dat";
        RecordFile none(missing, 10);
        EXPECT_EQ(none.count(), 0);
        EXPECT_EQ(none.get(1), QByteArray(10, '\0'));
        EXPECT_TRUE(causeOf([&] { none.put(1, "x"); }).contains(says));
        writeWholeFile(table, "1\r\n");
        EXPECT_TRUE(causeOf([&] { writeWholeFile(table, "2\r\n"); }).contains(says));
        appendToFile(table, {});
        EXPECT_TRUE(causeOf([&] { appendToFile(table, "2\r\n"); }).contains(says));
        EXPECT_TRUE(causeOf([&] { cutFile(table, 1); }).contains(says));
        EXPECT_FALSE(deleteFile(table));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"Navi.dat", "Stack.dat"}));
        EXPECT_EQ(readBytes(records), held);
        EXPECT_EQ(readBytes(table), "1\r\n");
        refuseChangesIn({}, 0);
        EXPECT_TRUE(folderWritable(folder.path()));
    }
    const QString told = folderNotWritableMessage(folder.path());
    EXPECT_TRUE(told.startsWith("La cartella della partita " + folder.path() + " non può essere scritta"))
        << told.toStdString();
}

// The same on a file system that is read-only indeed, where one can be mounted (as root).
TEST(Files, AReadOnlyFileSystemIsReadAndRefusesChanges) {
    testsupport::ProgramFolder folder(false);
    const QString records = folder.path() + "/Navi.dat";
    const QByteArray mountPoint = QFile::encodeName(folder.path());
    writeBytes(records, QByteArray(10, 'a'));
    if (geteuid() != 0 ||
        ::mount(mountPoint.constData(), mountPoint.constData(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "no file system can be mounted here";
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{mountPoint};
    ASSERT_EQ(::mount(nullptr, mountPoint.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr),
              0);
    EXPECT_FALSE(folderWritable(folder.path()));
    RecordFile file(records, 10);
    EXPECT_EQ(file.get(1), QByteArray(10, 'a'));
    file.put(1, QByteArray(10, 'a'));
    const QString told = causeOf([&] { file.put(1, "changed"); });
    EXPECT_TRUE(told.contains("il disco è in sola lettura")) << told.toStdString();
    EXPECT_EQ(RecordFile(folder.path() + "/Contatti.dat", 10).count(), 0);
    EXPECT_EQ(readBytes(records), QByteArray(10, 'a'));
}
