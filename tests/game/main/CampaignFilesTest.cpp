// A campaign whose files are damaged, or whose disk fills up, is refused or left as it was: the
// player is told which file, and every file of the campaign stays byte for byte as before.
#include "game/main/FrmMain.h"

#include "TestCampaign.h"
#include "common/CampaignRanges.h"
#include "common/CampaignSnapshot.h"
#include "common/Dice.h"
#include "common/records/RecordRanges.h"
#include "game/main/CampaignOpen.h"
#include "game/main/HourStep.h"
#include "game/points/CarrierAircraft.h"
#include "game/points/Supervisor.h"
#include "game/start/FrmGame.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <tuple>
#include <unistd.h>

using namespace platform;
using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

const QString kEnd = QStringLiteral("La campagna è com'era prima dell'ora.");

class CampaignFiles : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        failWritesAfter(-1);
        platform::testing::resetForms();
        resetGlobals();
    }
    // Allied group 1 holds two ships; the port of PALERMO one Axis ship.
    void make() {
        Int16* r = G().GnTableAlle[1];
        r[1] = 1, r[2] = 30, r[4] = 2, r[6] = 100, r[37] = 2, r[25] = 8500, r[26] = 4500;
        G().BaseTable[3][10] = 1;
        testcampaign::write();
        testcampaign::appendShips(kAllies, {{.group = 1}, {.group = 1}});
        testcampaign::appendShips(kAxis, {{.port = 3}});
    }
    bool open() {
        testcampaign::choose();
        return apriGioco();
    }
    QString file(const QString& name) const { return folder.file("Data/giochi/" + name); }
    // Every file of the campaign folder with its bytes.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> all;
        for (const QString& name : QDir(file("")).entryList(QDir::Files)) all[name] = readBytes(file(name));
        return all;
    }
    // Replaces one line (from 0) of a CRLF text file.
    void setLine(const QString& name, int line, const QByteArray& text) {
        QList<QByteArray> lines = readBytes(file(name)).split('\n');
        lines[line] = text + '\r';
        writeBytes(file(name), lines.join('\n'));
    }
    // Field `field` of record `record` (from 1) of a record file set to `text`.
    static void setField(const QString& path, const recordformat::RecordLayout& layout, int record, int field,
                         const QByteArray& text) {
        QByteArray bytes = readBytes(path);
        const recordformat::FieldSpec f = layout.field(field);
        bytes.replace((record - 1) * layout.length + f.offset, f.width, text.leftJustified(f.width, ' '));
        writeBytes(path, bytes);
    }
    // A damage done to the campaign's files, the file the opening's refusal names and what it says.
    struct Damage {
        std::string why;
        QString named, says;
        std::function<void()> damage;
    };
    // Each damage done to the files as `good` holds them is refused, and the files put back.
    template <size_t N>
    void expectEachRefused(const Damage (&damages)[N], const QMap<QString, QByteArray>& good) {
        for (const Damage& d : damages) {
            d.damage();
            expectRefused(d.named, d.why);
            EXPECT_TRUE(errors.messages.value(0).contains(d.says))
                << d.why << ": " << errors.messages.value(0).toStdString();
            for (const QString& name : files().keys()) QFile::remove(file(name));
            for (const QString& name : good.keys()) writeBytes(file(name), good[name]);
        }
        errors.messages.clear();
    }
    // The opening is refused with one message naming the file, and nothing changes.
    void expectRefused(const QString& named, const std::string& why) {
        const QMap<QString, QByteArray> before = files();
        errors.messages.clear();
        EXPECT_FALSE(open()) << why;
        ASSERT_EQ(errors.messages.size(), 1) << why;
        EXPECT_TRUE(errors.messages[0].contains(named)) << why << ": " << errors.messages[0].toStdString();
        EXPECT_EQ(files(), before) << why;
        EXPECT_TRUE(isLoaded<FrmGame>()) << why;
        platform::testing::resetForms();
    }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
};

} // namespace

TEST_F(CampaignFiles, AShipFileMissingEmptyCutOrGarbledStopsTheOpening) {
    make();
    const QString ships = file("NaviAlleProva.dat");
    const QByteArray good = readBytes(ships);
    QByteArray garbled(good.size(), 0);
    for (int i = 0; i < garbled.size(); ++i) garbled[i] = char((i * 37 + 11) % 251);
    const std::pair<std::string, std::function<void()>> damages[] = {
        {"missing", [&] { QFile::remove(ships); }},
        {"empty", [&] { writeBytes(ships, ""); }},
        {"cut", [&] { writeBytes(ships, good.left(good.size() - 10)); }},
        {"garbled", [&] { writeBytes(ships, garbled); }},
    };
    for (const auto& [why, damage] : damages) {
        damage();
        expectRefused("NaviAlleProva.dat", why);
        writeBytes(ships, good);
    }
    EXPECT_TRUE(open());
}

TEST_F(CampaignFiles, GameStateOutOfRangeAndNegativeCountsStopTheOpening) {
    make();
    const QString state = "StackProvaeventigioco.dat";
    const QByteArray good = readBytes(file(state));
    for (const char* hour : {"xyz", "-7", "70000", "99999999999", ""}) {
        setLine(state, 1, QByteArray("\"") + hour + '"');
        expectRefused(state, hour);
    }
    writeBytes(file(state), good);
    setLine(state, 2, "\"4\"");
    expectRefused(state, "weather 4");
    writeBytes(file(state), good);
    setLine(state, 10, "\"-1\"");
    expectRefused(state, "contacts -1");
    writeBytes(file(state), good);

    const QString groups = "StackProvaNaviAlle.dat";
    setLine(groups, 3, "-2");
    expectRefused(groups, "group 1 with -2 ships");
    setLine(groups, 3, "2");
    const QString bases = "StackProvaDatiBasi.dat";
    setLine(bases, 2 * 30 + 9, "-1");
    expectRefused(bases, "PALERMO with -1 ships");
    setLine(bases, 2 * 30 + 9, "1");
    EXPECT_TRUE(open());
}

// Files that no campaign can hold, or that disagree with the tables, stop the opening with a
// message naming the file; nothing is moved or made again.
TEST_F(CampaignFiles, RecordFilesThatDisagreeWithTheTablesOrHoldWhatCannotBeStopTheOpening) {
    namespace S = recordformat::ship;
    namespace A = recordformat::aircraft;
    // MALTA HQ counts 40 aircraft present, ready in two lines of its aircraft file.
    G().BaseTable[12][BaseCol::AircraftPresent] = 40;
    make();
    for (int ready : {25, 15}) {
        AircraftRecord a;
        a.setText(A::Nome, QStringLiteral("Hurricane"));
        a.setNumber(A::Pronti, ready);
        openAircraftFile(20, baseAircraftFilePath(12), kAllies);
        appendAircraft(20, a);
        G().Files.close(20);
    }
    const QString ships = file("NaviAlleProva.dat");
    const QString maltaName = QStringLiteral("MALTA HQAereiAlleProva.dat");
    const QString malta = file(maltaName);
    const QMap<QString, QByteArray> good = files();
    const auto ship = [&](int record, int field, const QByteArray& text) {
        setField(ships, recordformat::shipLayout(), record, field, text);
    };
    const Damage damages[] = {
        {"ship file cut on a record boundary", "NaviAlleProva.dat", "ne contano 2",
         [&] { writeBytes(ships, readBytes(ships).left(ShipRecord::kLength)); }},
        {"group -5", "NaviAlleProva.dat", "tra 0 e 50", [&] { ship(1, S::NUMERO_GN, "-5"); }},
        {"group 51", "NaviAlleProva.dat", "tra 0 e 50", [&] { ship(2, S::NUMERO_GN, "51"); }},
        {"port 16", "NaviAlleProva.dat", "tra 0 e 15", [&] { ship(2, S::PORTO, "16"); }},
        {"tonnage 70000", "NaviAlleProva.dat", "70000", [&] { ship(2, S::STAZZA, "70000"); }},
        // A group split off whose tables were never saved: its row is not in use on disk.
        {"ship at sea in a group not in use", "NaviAlleProva.dat", "gruppo navale 9",
         [&] { ship(2, S::NUMERO_GN, "9"); }},
        {"aircraft file missing", maltaName, "mancante", [&] { QFile::remove(malta); }},
        {"aircraft file empty", maltaName, "mancante o vuoto", [&] { writeBytes(malta, ""); }},
        {"aircraft file cut on a record boundary", maltaName, "25 aerei pronti",
         [&] { writeBytes(malta, readBytes(malta).left(AircraftRecord::kLength)); }},
        {"aircraft ready at -5", maltaName, "tra 0 e 999",
         [&] { setField(malta, recordformat::aircraftLayout(), 2, A::Pronti, "-5"); }},
        {"70000 aircraft present", "StackProvaDatiBasi.dat", "70000",
         [&] {
             setLine("StackProvaDatiBasi.dat", 11 * kBaseFields + BaseCol::AircraftPresent - 1, "70000");
         }},
    };
    expectEachRefused(damages, good);
    EXPECT_TRUE(open());
}

// A carrier's aircraft file is checked at the opening as a base's is, against the aircraft the
// carrier's record counts on board (those flown from it included): missing or empty while it counts
// some, cut, or holding more ready or in flight than it counts, the file stops the opening, named.
// Fewer is no fault (a carrier back from the dockyard counts its full complement on board), nor is a
// missing file of a carrier that counts none. The supervisor does not save a carrier's record that
// its file would then disagree with.
TEST_F(CampaignFiles, ACarrierAircraftFileMissingEmptyCutOrOverCountedStopsTheOpening) {
    namespace S = recordformat::ship;
    namespace A = recordformat::aircraft;
    G().BaseTable[carriers::kGibilterra][BaseCol::ShipsPresent] = 2;
    make();
    // Records 3 and 4: ARK ROYAL (P1, 12 aircraft on board) and FURIOUS (P2, none and no file).
    testcampaign::appendShips(kAllies, {{.type = "PA", .port = carriers::kGibilterra, .aircraft = 12},
                                        {.type = "PL", .port = carriers::kGibilterra}});
    const QString ships = file("NaviAlleProva.dat");
    setField(ships, recordformat::shipLayout(), 3, S::CodicePortaerei, "P1");
    setField(ships, recordformat::shipLayout(), 3, S::NOME, "ARK ROYAL");
    setField(ships, recordformat::shipLayout(), 4, S::CodicePortaerei, "P2");
    // Fulmars: 8 ready and 2 flying; Swordfish: 2 ready.
    const QString p1 = file("P1Prova.dat");
    openAircraftFile(20, p1, kAllies);
    for (const auto& [name, ready, flying] : {std::tuple{"Fulmar", 8, 2}, {"Swordfish", 2, 0}}) {
        AircraftRecord a;
        a.setText(A::Nome, QString::fromLatin1(name));
        a.setText(A::Imbarcato, QStringLiteral("1"));
        a.setNumber(A::Pronti, ready);
        a.setNumber(A::InVolo, flying);
        appendAircraft(20, a);
    }
    G().Files.close(20);
    const QMap<QString, QByteArray> good = files();
    const auto line = [&](int record, int field, const QByteArray& text) {
        setField(p1, recordformat::aircraftLayout(), record, field, text);
    };
    const Damage damages[] = {
        {"missing", "P1Prova.dat", "mancante o vuoto, mentre il record 3", [&] { QFile::remove(p1); }},
        {"empty", "P1Prova.dat", "mancante o vuoto", [&] { writeBytes(p1, ""); }},
        {"cut", "P1Prova.dat", "non un numero intero di record",
         [&] { writeBytes(p1, readBytes(p1).left(AircraftRecord::kLength + 20)); }},
        {"999 ready", "P1Prova.dat", "contiene 1003 aerei pronti o in volo",
         [&] { line(1, A::Pronti, "999"); }},
        {"one more flying", "P1Prova.dat", "ne conta 12 a bordo della portaerei ARK ROYAL",
         [&] { line(1, A::InVolo, "3"); }},
        {"aircraft on a carrier that counts none", "P2Prova.dat", "contiene 1 aerei pronti o in volo",
         [&] {
             const QString p2 = file("P2Prova.dat");
             writeBytes(p2, readBytes(p1).left(AircraftRecord::kLength));
             setField(p2, recordformat::aircraftLayout(), 1, A::Pronti, "1");
             setField(p2, recordformat::aircraftLayout(), 1, A::InVolo, "0");
         }},
    };
    expectEachRefused(damages, good);
    line(1, A::Pronti, "5");
    EXPECT_TRUE(open()) << "fewer than on board";
    ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages[0].toStdString();

    ShipRecord carrier;
    carrier.setBytes(readBytes(ships).mid(2 * ShipRecord::kLength, ShipRecord::kLength));
    carrier.setNumber(S::AEREIM, 8);
    const QString refused =
        supervisor::shipWriteRefusal(kAllies, 3, carrier, [](int) { return QStringLiteral("AEREIM"); });
    EXPECT_TRUE(refused.contains("P1Prova.dat contiene 9 aerei pronti o in volo")) << refused.toStdString();
    carrier.setNumber(S::AEREIM, 9);
    EXPECT_EQ(supervisor::shipWriteRefusal(kAllies, 3, carrier, [](int) { return QString(); }), "");
}

// A campaign in a folder that cannot be written (the file layer's seam refuses every change there,
// as a read-only disk does) opens, and every list shows what the files hold: the naval groups and
// their ships, the ports and theirs; nothing is written.
TEST_F(CampaignFiles, ACampaignInAFolderThatCannotBeWrittenOpensAndShowsItsLists) {
    make();
    const QMap<QString, QByteArray> before = files();
    struct Lift {
        ~Lift() { refuseChangesIn({}, 0); }
    } lift;
    refuseChangesIn(file(""), EROFS);
    ASSERT_TRUE(open());
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.value(0).toStdString();
    FrmMain& f = form<FrmMain>();
    f.Command17_Click();
    f.Command5_Click();
    f.Command3_Click();
    ASSERT_EQ(f.List2.listCount(), 1);
    f.List2.doPick(0);
    f.Command11.doClick();
    EXPECT_EQ(f.List5.listCount(), 2);
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.value(0).toStdString();
    EXPECT_TRUE(boxes.prompts.isEmpty()) << boxes.prompts.value(0).toStdString();
    EXPECT_EQ(files(), before);
}

// Every game-state item, every column of a naval and an air group in use, every base field and
// every number field of a ship and an aircraft record, one past its range: the opening refuses the
// campaign, naming the file and the item, column or field with its range.
TEST_F(CampaignFiles, EveryValueOnePastItsRangeStopsTheOpeningNamingTheFileAndTheField) {
    namespace A = recordformat::aircraft;
    G().GaTableAlle[1][GaCol::InUse] = 1;
    G().BaseTable[12][BaseCol::AircraftPresent] = 4;
    make();
    {
        AircraftRecord a;
        a.setText(A::Nome, QStringLiteral("Hurricane"));
        a.setNumber(A::Pronti, 4);
        openAircraftFile(20, baseAircraftFilePath(12), kAllies);
        appendAircraft(20, a);
        G().Files.close(20);
    }
    const QMap<QString, QByteArray> good = files();
    const auto restore = [&] {
        for (const QString& name : files().keys()) QFile::remove(file(name));
        for (const QString& name : good.keys()) writeBytes(file(name), good[name]);
    };
    // One past each end of a range, as text; a record field too narrow for it holds a letter.
    const auto pastEnds = [](ValueRange r) { return QList<long long>{r.low - 1, r.high + 1}; };
    int refusals = 0;
    const auto expectNamed = [&](const QString& name, const QString& field, ValueRange range,
                                 const QString& how) {
        expectRefused(name, how.toStdString());
        const QString said = errors.messages.value(0);
        EXPECT_TRUE(said.contains(field) && said.contains(QString::number(range.low)) &&
                    said.contains(QString::number(range.high)))
            << how.toStdString() << ": " << said.toStdString();
        restore();
        ++refusals;
    };

    const QString state = "StackProvaeventigioco.dat";
    for (int i = 1; i <= kStateItems; ++i)
        for (long long v : pastEnds(campaignRange(CampaignTable::GameState, i))) {
            setLine(state, i - 1, "\"" + QByteArray::number(v) + '"');
            expectNamed(state, QStringLiteral("voce %1 ").arg(i), campaignRange(CampaignTable::GameState, i),
                        QStringLiteral("state item %1 at %2").arg(i).arg(v));
        }
    for (const auto& [table, name] : {std::pair{CampaignTable::NavalGroup, "StackProvaNaviAlle.dat"},
                                      std::pair{CampaignTable::AirGroup, "StackProvaAereiAlle.dat"}})
        for (int c = 1; c <= kGroupColumns; ++c) {
            const ValueRange range = campaignRange(table, c);
            for (long long v : pastEnds(range)) {
                if (c == GnCol::InUse && v < range.low) continue; // a group not in use holds anything
                setLine(name, c - 1, QByteArray::number(v));
                expectNamed(name, QStringLiteral("colonna %1 ").arg(c), range,
                            QStringLiteral("%1 column %2 at %3").arg(name).arg(c).arg(v));
            }
        }
    const QString bases = "StackProvaDatiBasi.dat";
    for (int f = 1; f <= kBaseFields; ++f)
        for (long long v : pastEnds(campaignRange(CampaignTable::Base, f))) {
            setLine(bases, f - 1, QByteArray::number(v));
            expectNamed(bases, QStringLiteral("campo %1 ").arg(f), campaignRange(CampaignTable::Base, f),
                        QStringLiteral("base field %1 at %2").arg(f).arg(v));
        }
    const QString maltaName = QStringLiteral("MALTA HQAereiAlleProva.dat");
    for (const auto& [layout, name, rules] :
         {std::tuple{&recordformat::shipLayout(), QStringLiteral("NaviAlleProva.dat"),
                     recordformat::shipFieldRules()},
          std::tuple{&recordformat::aircraftLayout(), maltaName, recordformat::aircraftFieldRules()}})
        for (const recordformat::FieldRule& rule : rules)
            for (long long v : pastEnds(rule.range)) {
                const recordformat::FieldSpec f = layout->field(rule.field);
                QByteArray text = QByteArray::number(v);
                if (text.size() > f.width) text = "x";
                QByteArray bytes = readBytes(file(name));
                bytes.replace(f.offset, f.width, text.leftJustified(f.width, ' '));
                writeBytes(file(name), bytes);
                expectNamed(name, QStringLiteral("campo %1 %2").arg(rule.field).arg(rule.name), rule.range,
                            QStringLiteral("%1 field %2 at %3").arg(name, rule.name).arg(v));
            }
    EXPECT_EQ(refusals,
              2 * (kStateItems + 2 * kGroupColumns - 1 + kBaseFields +
                   int(recordformat::shipFieldRules().size() + recordformat::aircraftFieldRules().size())));
    EXPECT_TRUE(open());
}

// The set-up files, the settings and the mine fields: a value beyond its cell, or no number, is
// refused naming the file and its line.
TEST_F(CampaignFiles, ASetUpSettingsOrMineValueBeyondItsCellNamesTheFileAndTheLine) {
    make();
    const QMap<QString, QByteArray> good = files();
    for (const QString& path : {setUpFilePath(2), settingsFilePath(), mineFilePath()}) {
        const QString name = QFileInfo(diskPath(path)).fileName();
        for (const QByteArray& bad : {QByteArray("99999999999"), QByteArray("12abc")}) {
            QList<QByteArray> lines = readBytes(file(name)).split('\n');
            const bool quoted = lines[1].startsWith('"');
            lines[1] = (quoted ? '"' + bad + '"' : bad) + '\r';
            writeBytes(file(name), lines.join('\n'));
            expectRefused(name, (name + " " + bad).toStdString());
            EXPECT_TRUE(errors.messages.value(0).contains("riga 2"))
                << errors.messages.value(0).toStdString();
            for (const QString& n : good.keys()) writeBytes(file(n), good[n]);
        }
    }
    EXPECT_TRUE(open());
}

TEST_F(CampaignFiles, AShipFileCutOrARecordGarbledDuringPlayStopsTheHour) {
    make();
    ASSERT_TRUE(open());
    const QString ships = file("NaviAlleProva.dat");
    const QByteArray good = readBytes(ships);
    // One record changed since the opening found the file whole is checked again.
    ShipRecord second;
    second.setBytes(good.mid(ShipRecord::kLength, ShipRecord::kLength));
    second.setText(recordformat::ship::TIPO, QStringLiteral("ZZ"));
    writeBytes(ships, good.left(ShipRecord::kLength) + second.bytes());
    const QMap<QString, QByteArray> garbled = files();
    form<FrmMain>().Command22.doClick();
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_TRUE(boxes.prompts[0].contains("NaviAlleProva.dat")) << boxes.prompts[0].toStdString();
    EXPECT_TRUE(boxes.prompts[0].contains("record 2")) << boxes.prompts[0].toStdString();
    EXPECT_EQ(files(), garbled);
    boxes.prompts.clear();

    writeBytes(ships, good.left(300));
    const QMap<QString, QByteArray> before = files();
    form<FrmMain>().Command22.doClick();
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_TRUE(boxes.prompts[0].contains("NaviAlleProva.dat")) << boxes.prompts[0].toStdString();
    EXPECT_TRUE(boxes.prompts[0].endsWith(kEnd));
    EXPECT_EQ(files(), before);
}

TEST_F(CampaignFiles, AWriteFailureAnywhereInTheHourLeavesTheCampaignAsItWas) {
    SeededDice dice(1);
    make();
    ASSERT_TRUE(open());
    const QMap<QString, QByteArray> before = files();
    FrmMain& f = form<FrmMain>();
    int failed = 0;
    for (qint64 n = 0;; n = n < 4096 ? 2 * n + 1 : n + 2500) {
        failWritesAfter(n);
        f.Command22.doClick();
        if (boxes.prompts.size() == failed) break; // room enough for the whole hour
        ++failed;
        const QString& told = boxes.prompts.last();
        // Any other failure would repeat at every room: the first one ends the test.
        ASSERT_TRUE(told.contains("Disco pieno")) << n << ": " << told.toStdString();
        EXPECT_TRUE(told.endsWith(kEnd)) << n << ": " << told.toStdString();
        ASSERT_EQ(files(), before) << "with room for " << n << " bytes";
        ASSERT_EQ(G().GameState[2], "10");
    }
    EXPECT_GT(failed, 10);
    EXPECT_EQ(G().GameState[2], "11") << "the hour ran once there was room";
}

TEST_F(CampaignFiles, AFullFileSystemLosesNothing) {
    SeededDice dice(5);
    const QString folderPath = file("");
    const QByteArray mountPoint = QFile::encodeName(folderPath);
    if (geteuid() != 0 || ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{mountPoint};
    make();
    ASSERT_TRUE(open());
    // Not one free page left.
    const int fd = ::open((mountPoint + "/riempitivo").constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    const QByteArray page(4096, 'x');
    while (::write(fd, page.constData(), page.size()) > 0) {
    }
    ::close(fd);
    const QMap<QString, QByteArray> before = files();

    form<FrmMain>().Command22.doClick();
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_TRUE(boxes.prompts[0].contains("Disco pieno")) << boxes.prompts[0].toStdString();
    EXPECT_TRUE(boxes.prompts[0].endsWith(kEnd)) << boxes.prompts[0].toStdString();
    EXPECT_EQ(files(), before);

    QFile::remove(folderPath + "/riempitivo");
    form<FrmMain>().Command22.doClick();
    EXPECT_EQ(boxes.prompts.size(), 1);
    EXPECT_EQ(G().GameState[2], "11");
}

// A disk that stays full from a point of the hour on: the hour fails, and so does its undoing. The
// journal stays, and the next hour or opening puts the campaign back, the tables in memory too,
// before anything else: the groups never move twice.
class HourNotUndone : public CampaignFiles {
  protected:
    void TearDown() override {
        setDiceSource({});
        CampaignFiles::TearDown();
    }
    // The same rolls for every hour run from the same state.
    static void sameDice() {
        setDiceSource([n = 0](int sides) mutable { return (n++ * 7) % std::max(sides, 1) + 1; });
    }
    // Fails the hour at growing points past its journal until its undoing fails too.
    HourOutcome failWithItsUndoing(const std::function<HourOutcome()>& hour) {
        const qint64 journal = CampaignSnapshot(CampaignSnapshot::Growing::Length).toBytes().size();
        for (qint64 room = journal; room < journal + 100000; room += 512) {
            failWritesAfter(room, true);
            const HourOutcome outcome = hour();
            failWritesAfter(-1);
            EXPECT_FALSE(outcome.done) << "room for " << room << " bytes";
            if (!outcome.restoreFailure.isEmpty()) return outcome;
        }
        ADD_FAILURE() << "the undoing never failed";
        return {};
    }
    QMap<QString, QByteArray> afterOneHour() {
        make();
        const QMap<QString, QByteArray> before = files();
        testcampaign::choose();
        loadCampaign();
        sameDice();
        EXPECT_TRUE(runHourWhole(nothing).done);
        const QMap<QString, QByteArray> after = files();
        for (const QString& name : after.keys()) QFile::remove(file(name));
        for (const QString& name : before.keys()) writeBytes(file(name), before[name]);
        return after;
    }
    HourView nothing;
};

TEST_F(HourNotUndone, TheNextHourUndoesItFirst) {
    const QMap<QString, QByteArray> oneHour = afterOneHour();
    testcampaign::choose();
    loadCampaign();
    failWithItsUndoing([this] { return runHourWhole(nothing); });

    sameDice();
    const HourOutcome next = runHourWhole(nothing);
    EXPECT_TRUE(next.done) << next.failure.toStdString();
    EXPECT_TRUE(next.undoneFirst);
    EXPECT_EQ(files(), oneHour) << "one hour after the campaign as it was, not two";
}

TEST_F(HourNotUndone, TheWindowClosesAndTheNextOpeningUndoesIt) {
    SeededDice dice(4);
    make();
    ASSERT_TRUE(open());
    const QMap<QString, QByteArray> before = files();
    failWithItsUndoing([this] {
        form<FrmMain>().Command22.doClick();
        return HourOutcome{.failure = boxes.prompts.value(boxes.prompts.size() - 1),
                           .restoreFailure = isLoaded<FrmMain>() ? QString() : QStringLiteral("closed")};
    });
    EXPECT_TRUE(boxes.prompts.last().contains("Disco pieno")) << boxes.prompts.last().toStdString();
    EXPECT_TRUE(boxes.prompts.last().contains("verrà aperta di nuovo")) << boxes.prompts.last().toStdString();
    EXPECT_TRUE(isLoaded<FrmGame>());
    EXPECT_NE(files(), before) << "the journal and what the hour wrote are there";

    const qsizetype told = boxes.prompts.size();
    ASSERT_TRUE(open());
    ASSERT_EQ(boxes.prompts.size(), told + 1);
    EXPECT_TRUE(boxes.prompts.last().contains("è stata annullata")) << boxes.prompts.last().toStdString();
    EXPECT_EQ(files(), before);
    EXPECT_EQ(G().GameState[2], "10");
}

// A campaign whose values stand at the limits of their ranges opens and plays an hour: the game
// state's items, the numbers of its ships' records and of its aircraft lines (their group and port
// as placed, the port's and the base's counts as the files hold) at the top. An hour that would take
// a count past its top is not played, naming the file, the item and the range, and leaves the
// campaign as it was, which opens again; with that count at the bottom of its range instead, the
// hour is played, and what it leaves opens.
TEST_F(CampaignFiles, ACampaignWithItsValuesAtTheirLimitsOpensAndPlaysAnHour) {
    namespace A = recordformat::aircraft;
    namespace S = recordformat::ship;
    G().BaseTable[12][BaseCol::AircraftPresent] = 999;
    make();
    for (int i = 1; i <= kStateItems; ++i) {
        const ValueRange range = campaignRange(CampaignTable::GameState, i);
        G().setState(i, range.high);
    }
    G().setState(StateItem::Hour, 22);
    SalvaDatiBasi();
    const auto atTop = [](recordformat::TextRecord& r, std::span<const recordformat::FieldRule> rules,
                          std::initializer_list<int> kept) {
        for (const recordformat::FieldRule& rule : rules)
            if (std::find(kept.begin(), kept.end(), rule.field) == kept.end())
                r.setNumber(rule.field, rule.range.high);
    };
    for (int side : {kAllies, kAxis}) {
        openShipFile(20, side);
        const int count = G().Files.random(20).count();
        for (int n = 1; n <= count; ++n) {
            readShip(20, n);
            atTop(G().ShipRecordBuffer, recordformat::shipFieldRules(),
                  {S::NUMERO_GN, S::PORTO, S::STATUS, S::MISSIONE, S::AFF, S::NON_OP, S::ANNODATI});
            writeShip(20, n);
        }
        G().Files.close(20);
    }
    AircraftRecord a;
    a.setText(A::Nome, QStringLiteral("Hurricane"));
    atTop(a, recordformat::aircraftFieldRules(), {A::InVolo, A::Persi});
    openAircraftFile(20, baseAircraftFilePath(12), kAllies);
    appendAircraft(20, a);
    G().Files.close(20);

    const QString state = "StackProvaeventigioco.dat";
    static const QRegularExpression pastTop(
        QStringLiteral("^Limite della campagna raggiunto: .*%1, riga (\\d+), voce \\1 \\((\\d+)\\): deve "
                       "essere tra (-?\\d+) e (\\d+)$")
            .arg(QRegularExpression::escape(state)));
    QList<int> pastTheirTop;
    HourOutcome hour;
    while (!hour.done && pastTheirTop.size() < 10) {
        ASSERT_TRUE(open()) << errors.messages.join('\n').toStdString();
        const QMap<QString, QByteArray> before = files();
        setDiceSource([n = 0](int sides) mutable { return (n++ * 7) % std::max(sides, 1) + 1; });
        HourView view;
        hour = runHourWhole(view);
        setDiceSource({});
        platform::testing::resetForms();
        if (hour.done) break;
        const QRegularExpressionMatch told = pastTop.match(hour.failure);
        ASSERT_TRUE(told.hasMatch()) << hour.failure.toStdString();
        const int item = told.captured(1).toInt();
        const ValueRange range = campaignRange(CampaignTable::GameState, item);
        EXPECT_GT(told.captured(2).toLongLong(), range.high) << hour.failure.toStdString();
        EXPECT_EQ(told.captured(4).toLongLong(), range.high) << hour.failure.toStdString();
        EXPECT_EQ(files(), before) << "item " << item;
        pastTheirTop << item;
        setLine(state, item - 1, "\"" + QByteArray::number(range.low) + '"');
    }
    EXPECT_TRUE(hour.done) << hour.failure.toStdString();
    // An Allied warship sinks in the hour: the ships lost, the warship tonnage lost and the loss
    // total of the Allies, one after the other.
    EXPECT_EQ(pastTheirTop,
              (QList<int>{StateItem::ShipsLostAlle, StateItem::WarshipTonsAlle, StateItem::LossTotalAlle}));
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();
    EXPECT_TRUE(open()) << errors.messages.join('\n').toStdString();
}

// The day at the top of its range at 23 o'clock: the hour would begin a day past it. It is not
// played, with the file, the item and the range named, whether its commit finds the day or a
// record of the hour is too narrow for the day first (an air group arriving over its target
// records the attack); the campaign is as it was and opens again.
TEST_F(CampaignFiles, AnHourThatWouldTakeTheDayPastItsRangeIsNotPlayed) {
    make();
    G().setState(StateItem::Day, campaignRange(CampaignTable::GameState, StateItem::Day).high);
    G().setState(StateItem::Hour, 23);
    SalvaDatiBasi();
    const QMap<QString, QByteArray> before = files();
    for (bool arriving : {false, true}) {
        ASSERT_TRUE(open()) << errors.messages.join('\n').toStdString();
        if (arriving) {
            Int16* r = G().GaTableAlle[1];
            r[GaCol::InUse] = 1, r[GaCol::Order] = kOrderBombing, r[GaCol::Aircraft] = 4,
            r[GaCol::TurnsFlown] = 4, r[GaCol::TurnsToTarget] = 4, r[GaCol::OriginBase] = 12,
            r[GaCol::X] = r[GaCol::TargetX] = 5000, r[GaCol::Y] = r[GaCol::TargetY] = 3000,
            r[GaCol::UsableEndurance] = 20;
        }
        SeededDice dice(5);
        boxes.prompts.clear();
        form<FrmMain>().Command22.doClick();
        ASSERT_EQ(boxes.prompts.size(), 1) << arriving;
        EXPECT_EQ(boxes.prompts[0],
                  QStringLiteral("L'ora non è stata eseguita:\nLimite della campagna raggiunto: "
                                 "%1, riga 1, voce 1 (32767): deve essere tra 0 e 32766\n\nLa "
                                 "campagna è com'era prima dell'ora.")
                      .arg(file("StackProvaeventigioco.dat")))
            << arriving;
        EXPECT_EQ(files(), before) << arriving;
        platform::testing::resetForms();
    }
    EXPECT_TRUE(open()) << errors.messages.join('\n').toStdString();
    EXPECT_EQ(G().state(StateItem::Day), 32766);
}
