#include "platform/Files.h"
#include "platform/HeldWrites.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    appendToFile(dir + "/../Data/Appended.dat", "aaa");
    EXPECT_EQ(fileLength(dir + "/Appended.dat"), 3);
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
