// The air passes of the hourly step, with chosen dice: landing, returns, flight, patrol,
// reconnaissance, bombers over their targets and naval bombardments.
#include "TestCampaign.h"
#include "common/AirGroups.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "game/main/FrmMain.h"
#include "game/main/HourPhases.h"
#include "tests/support/TestSupport.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace recordformat;
using testsupport::readBytes;

namespace {

class HourAir : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        testcampaign::write();
        CaricaCoordinateBasi();
        G().DayFlag = 1;
    }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }

    // An air group in flight from (ox, oy) with n aircraft of the given cost.
    Int16* group(int side, int n, int order, int aircraft = 6, int ox = 1000, int oy = 3000) {
        Int16* r = G().gaTable(side)[n];
        r[GaCol::InUse] = 1, r[GaCol::AircraftCost] = 7, r[GaCol::Aircraft] = aircraft,
        r[GaCol::Order] = order;
        r[GaCol::X] = ox, r[GaCol::Y] = oy, r[GaCol::OriginX] = ox, r[GaCol::OriginY] = oy;
        return r;
    }
    // An aircraft line written into a file, its counts at the base, in flight and lost.
    static void aircraftLine(const QString& path, int record, int ready, int flying, int lost) {
        G().Files.openRandom(9, path, AircraftRecord::kLength);
        AircraftRecord a;
        a.setText(aircraft::Nome, QStringLiteral("SM.79 SPARVIERO"));
        a.setNumber(aircraft::Pronti, ready);
        a.setNumber(aircraft::InVolo, flying);
        a.setNumber(aircraft::Persi, lost);
        for (int n = 1; n <= record; ++n) writeAircraft(9, n, a);
        G().Files.close(9);
    }
    static AircraftRecord aircraftAt(const QString& path, int record) {
        G().Files.openRandom(9, path, AircraftRecord::kLength);
        AircraftRecord a = readAircraft(9, record);
        G().Files.close(9);
        return a;
    }
    QString file(const QString& name) const { return folder.file("Data/giochi/" + name); }
    testsupport::ProgramFolder folder;
};

// Little-endian 16-bit numbers, as a contact record lies on disk.
QByteArray words(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) {
        char w[2];
        qToLittleEndian<qint16>(static_cast<qint16>(v), w);
        b.append(w, 2);
    }
    return b;
}

} // namespace

// ---------------------------------------------------------------- flight

TEST_F(HourAir, AGroupFliesToItsTargetAndArrivesByTurns) {
    Globals& g = G();
    Int16* r = group(kAxis, 4, kOrderPatrol);
    r[GaCol::Step] = 40, r[GaCol::TargetX] = 1000, r[GaCol::TargetY] = 1000,
    r[GaCol::TurnsToTarget] = 50; // 600 units an hour, 2000 to fly
    g.CurrentSide = kAxis;
    const int ys[] = {2400, 1800, 1200, 1000, 1000};
    for (int hour = 0; hour < 5; ++hour) {
        MuoviGAInVolo();
        EXPECT_EQ(r[GaCol::X], 1000);
        EXPECT_EQ(r[GaCol::Y], ys[hour]) << "hour " << hour + 1;
        EXPECT_EQ(r[GaCol::OverTarget], hour >= 3 ? 1 : 0)
            << "on target from the fourth hour, when 60 turns pass 50";
        EXPECT_EQ(r[GaCol::TurnsFlown], std::min(15 * (hour + 1), 50));
        EXPECT_EQ(r[GaCol::FlightHours], hour + 1);
    }
    EXPECT_EQ(g.GaTableAlle[4][GaCol::TurnsFlown], 0) << "only the side's own groups move";
    const QStringList lines = testsupport::readLines(file("StackProvaAereiAsse.dat"));
    EXPECT_EQ(lines.at(3 * 50 + 25), "1000") << "the pass saves the tables";
    EXPECT_EQ(lines.at(3 * 50 + 21), "50");
}

TEST_F(HourAir, AGroupTooNearItsTargetOvershootsAndComesBack) {
    Int16* r = group(kAllies, 2, kOrderRecon, 6, 1000, 1300);
    r[GaCol::Step] = 40, r[GaCol::TargetX] = 1000, r[GaCol::TargetY] = 1000, r[GaCol::TurnsToTarget] = 30;
    G().CurrentSide = kAllies;
    MuoviGAInVolo();
    EXPECT_EQ(r[GaCol::Y], 700) << "passed beyond the target";
    EXPECT_EQ(r[GaCol::OverTarget], 0);
    MuoviGAInVolo();
    EXPECT_EQ(r[GaCol::Y], 1000) << "placed on the target when its turns are flown";
    EXPECT_EQ(r[GaCol::OverTarget], 1);
}

TEST_F(HourAir, FlightHoursAndAircraftInActionByOrder) {
    Globals& g = G();
    Int16* intercept = group(kAllies, 1, kOrderIntercept);
    Int16* bomber = group(kAllies, 2, kOrderBombing);
    Int16* recon = group(kAllies, 3, kOrderRecon);
    Int16* home = group(kAllies, 4, kOrderReturn);
    Int16* free = group(kAllies, 5, kOrderRecon);
    free[GaCol::InUse] = 0;
    for (Int16* r : {intercept, bomber, recon, home, free})
        r[GaCol::TurnsToTarget] = 100, r[GaCol::InAction] = 5, r[GaCol::Step] = 10;
    g.CurrentSide = kAllies;
    MuoviGAInVolo();
    EXPECT_EQ(intercept[GaCol::FlightHours], 4);
    EXPECT_EQ(bomber[GaCol::FlightHours], 1);
    EXPECT_EQ(recon[GaCol::FlightHours], 1);
    EXPECT_EQ(intercept[GaCol::InAction], 0);
    EXPECT_EQ(bomber[GaCol::InAction], 5) << "a bomber keeps its aircraft in action";
    for (Int16* r : {home, free}) {
        EXPECT_EQ(r[GaCol::FlightHours], 0);
        EXPECT_EQ(r[GaCol::TurnsFlown], 0);
        EXPECT_EQ(r[GaCol::Y], 3000);
    }
}

// ---------------------------------------------------------------- returns of "GA1"

TEST_F(HourAir, WorstWeatherDamagesEveryGroupInFlightAndSendsItHome) {
    Globals& g = G();
    g.setState(StateItem::Weather, 3);
    Int16* near = group(kAllies, 1, kOrderPatrol, 3);
    near[GaCol::Y] = 3350; // 350 from home: 5 in 100 by day
    Int16* far = group(kAxis, 1, kOrderPatrol, 4);
    far[GaCol::Y] = 4250, far[GaCol::ShotDown] = 1, far[GaCol::Damaged] = 2,
    far[GaCol::Nation] = 2; // 1250 from home: 12 by day
    Int16* taking = group(kAllies, 2, kOrderTakeOff);
    ChosenDice dice({5, 6, 100, 12, 12, 60});
    FaseGA1();
    EXPECT_EQ(dice.sides, QList<int>(6, 100)) << "one roll an aircraft still flying";
    EXPECT_EQ(near[GaCol::Damaged], 1);
    EXPECT_EQ(far[GaCol::Damaged], 3) << "never more damaged than still flying";
    for (Int16* r : {near, far}) {
        EXPECT_EQ(r[GaCol::Order], kOrderReturn);
        EXPECT_EQ(r[GaCol::ControlFlag], 9);
        EXPECT_EQ(r[GaCol::EvasionValue], 0);
    }
    EXPECT_EQ(near[GaCol::X], 1200) << "set off 200 to the east";
    EXPECT_EQ(taking[GaCol::Order], kOrderTakeOff) << "a group still taking off stays";
    EXPECT_EQ(g.AirReturnFlag, 1);
    EXPECT_EQ(g.WeatherSeverity, 3);
}

TEST_F(HourAir, ByNightTheStormIsWorseAndSendsItalianGroupsHomeTwice) {
    G().setState(StateItem::Weather, 3);
    G().DayFlag = 0;
    Int16* r = group(kAxis, 1, kOrderPatrol, 2);
    r[GaCol::Y] = 4250, r[GaCol::Nation] = 1, r[GaCol::FlightHours] = 5; // 1250 from home: 22 by night
    ChosenDice dice({22, 23, 1});
    FaseGA1();
    EXPECT_EQ(r[GaCol::Damaged], 1);
    EXPECT_EQ(r[GaCol::X], 1400) << "by the storm and again as an Italian group at night";
}

TEST_F(HourAir, ItalianGroupsMayTurnBackAtNight) {
    Globals& g = G();
    g.DayFlag = 0;
    Int16* tired = group(kAxis, 1, kOrderPatrol);
    Int16* lucky = group(kAxis, 2, kOrderPatrol);
    Int16* fresh = group(kAxis, 3, kOrderPatrol);
    Int16* german = group(kAxis, 4, kOrderPatrol);
    Int16* allied = group(kAllies, 1, kOrderPatrol);
    tired[GaCol::Nation] = lucky[GaCol::Nation] = fresh[GaCol::Nation] = 1, german[GaCol::Nation] = 2,
    allied[GaCol::Nation] = 1;
    tired[GaCol::FlightHours] = lucky[GaCol::FlightHours] = german[GaCol::FlightHours] =
        allied[GaCol::FlightHours] = 4,
    fresh[GaCol::FlightHours] = 3;
    {
        ChosenDice dice({60, 61, 1});
        FaseGA1();
        EXPECT_EQ(dice.remaining(), 0) << "one roll each Italian group in flight, none for others";
    }
    EXPECT_EQ(tired[GaCol::Order], kOrderReturn) << "60 or less at weather 0";
    EXPECT_EQ(tired[GaCol::X], 1200);
    EXPECT_EQ(lucky[GaCol::Order], kOrderPatrol);
    EXPECT_EQ(fresh[GaCol::Order], kOrderPatrol) << "not before 4 hours of flight";
    EXPECT_EQ(german[GaCol::Order], kOrderPatrol);
    EXPECT_EQ(allied[GaCol::Order], kOrderPatrol);

    g.setState(StateItem::Weather, 2);
    ChosenDice always({100, 100, 100});
    FaseGA1();
    EXPECT_EQ(lucky[GaCol::Order], kOrderReturn) << "at weather 2 any roll turns it back";
}

TEST_F(HourAir, FatigueSendsLongFlightsAndHeavyLossesHome) {
    Globals& g = G();
    Int16* allied = group(kAllies, 1, kOrderPatrol);
    Int16* axis = group(kAxis, 1, kOrderPatrol);
    Int16* fine = group(kAllies, 2, kOrderPatrol);
    Int16* losses = group(kAxis, 2, kOrderPatrol, 4);
    Int16* unused = group(kAllies, 3, kOrderPatrol);
    allied[GaCol::FlightHours] = axis[GaCol::FlightHours] = 14, fine[GaCol::FlightHours] = 13,
    unused[GaCol::FlightHours] = 20, unused[GaCol::InUse] = 0;
    losses[GaCol::Damaged] = 3, losses[GaCol::ShotDown] = 2, losses[GaCol::FlightHours] = 1; // t = 6
    {
        ChosenDice dice({14, 15, 7});
        FaseGA1();
        EXPECT_EQ(dice.sides, (QList<int>{100, 90, 90})) << "rows not in use are skipped";
    }
    EXPECT_EQ(allied[GaCol::Order], kOrderReturn);
    EXPECT_EQ(allied[GaCol::X], 1000) << "fatigue leaves the position";
    EXPECT_EQ(axis[GaCol::Order], kOrderPatrol);
    EXPECT_EQ(fine[GaCol::Order], kOrderPatrol);
    EXPECT_EQ(losses[GaCol::Order], kOrderPatrol) << "7 is above 6";

    g.setState(StateItem::Weather, 1);
    ChosenDice worse({16, 16, 16});
    FaseGA1();
    EXPECT_EQ(axis[GaCol::Order], kOrderReturn) << "16 less 10 a weather level";
    EXPECT_EQ(losses[GaCol::Order], kOrderReturn);
}

// ---------------------------------------------------------------- landing of "GAx"

TEST_F(HourAir, LandingBooksLossesIntoTheFileTheBaseAndThePoints) {
    Globals& g = G();
    const QString path = baseAircraftFilePath(3);
    aircraftLine(path, 2, 10, 6, 3);
    Int16* r = group(kAxis, 5, kOrderReturn);
    r[GaCol::Damaged] = 2, r[GaCol::ShotDown] = 1, r[GaCol::OriginBase] = 3, r[GaCol::AircraftRecord] = 2;
    g.GaNamesAsse[5][1] = QStringLiteral("SM.79");
    g.BaseTable[3][BaseCol::AircraftInFlight] = 6, g.BaseTable[3][BaseCol::AircraftPresent] = 20,
    g.BaseTable[3][BaseCol::AircraftLostValue] = 1;
    g.setState(StateItem::AirPointsLostAsse, 5);
    ChosenDice dice({49, 50});
    FaseGAx();
    const AircraftRecord a = aircraftAt(path, 2);
    EXPECT_EQ(a.text(aircraft::Pronti), " 14") << "6 back less 2 lost, on 10";
    EXPECT_EQ(a.text(aircraft::InVolo), " 0 ");
    EXPECT_EQ(a.text(aircraft::Persi), "5   ");
    EXPECT_EQ(aircraftAt(path, 1).text(aircraft::Pronti), "10 ") << "the other line is untouched";
    EXPECT_EQ(g.BaseTable[3][BaseCol::AircraftInFlight], 0);
    EXPECT_EQ(g.BaseTable[3][BaseCol::AircraftPresent], 24);
    EXPECT_EQ(g.BaseTable[3][BaseCol::AircraftLostValue], 15);
    EXPECT_EQ(g.GameState[StateItem::AirPointsLostAsse], "19");
    EXPECT_EQ(g.SelectedBase, 3);
    EXPECT_EQ(g.PathAereiAsse, path);
    for (int c = 1; c <= kGroupColumns; ++c) EXPECT_EQ(r[c], 0) << "column " << c;
    EXPECT_TRUE(g.GaNamesAsse[5][1].isEmpty());
    const QStringList state = testsupport::readLines(file("StackProvaeventigioco.dat"));
    EXPECT_EQ(state.at(33), "\"19\"") << "saved";
    EXPECT_EQ(testsupport::readLines(file("StackProvaAereiAsse.dat")).at(4 * 50), "0");
}

TEST_F(HourAir, ACarrierGroupLandsOnItsCarrier) {
    Globals& g = G();
    testcampaign::appendShips(kAllies, {{.type = "CT"}, {.type = "PA", .aircraft = 20}});
    const QString path = carrierAircraftFilePath(QStringLiteral("P1"));
    aircraftLine(path, 1, 0, 9, 0);
    Int16* r = group(kAllies, 2, kOrderReturn, 9);
    r[GaCol::Damaged] = 1, r[GaCol::ShotDown] = 2, r[GaCol::CarrierNumber] = 2, r[GaCol::AircraftRecord] = 1,
    r[GaCol::CarrierGroup] = 1, r[GaCol::OriginBase] = 14;
    g.GaNamesAlle[2][2] = QStringLiteral("P1 ");
    g.BaseTable[14][BaseCol::AircraftInFlight] = 9;
    ChosenDice dice({1});
    FaseGAx();
    const AircraftRecord a = aircraftAt(path, 1);
    EXPECT_EQ(a.whole(aircraft::Pronti), 6);
    EXPECT_EQ(a.whole(aircraft::InVolo), 0);
    EXPECT_EQ(a.whole(aircraft::Persi), 3);
    openShipFile(kChannelShips, kAllies);
    readShip(kChannelShips, 2);
    EXPECT_EQ(g.ShipRecordBuffer.text(ship::AEREIM), " 17");
    g.Files.closeAll();
    EXPECT_EQ(g.BaseTable[14][BaseCol::AircraftInFlight], 9) << "no base is touched";
    EXPECT_EQ(g.GameState[StateItem::AirPointsLostAlle], "21");
    EXPECT_EQ(r[GaCol::InUse], 0);
}

TEST_F(HourAir, LandingKeepsThreeDigitCountsAndClampsEveryBase) {
    Globals& g = G();
    aircraftLine(baseAircraftFilePath(1), 1, 95, 110, 0);
    aircraftLine(baseAircraftFilePath(2), 1, 0, 4, 0);
    Int16* a = group(kAxis, 1, kOrderReturn, 10);
    Int16* b = group(kAxis, 2, kOrderReturn, 4);
    a[GaCol::OriginBase] = 1, a[GaCol::AircraftRecord] = 1, b[GaCol::OriginBase] = 2,
    b[GaCol::AircraftRecord] = 1;
    g.BaseTable[1][BaseCol::AircraftInFlight] = 3, g.BaseTable[2][BaseCol::AircraftInFlight] = 2,
    g.BaseTable[5][BaseCol::AircraftInFlight] = 7;
    FaseGAx();
    const AircraftRecord r = aircraftAt(baseAircraftFilePath(1), 1);
    EXPECT_EQ(r.text(aircraft::Pronti), "105");
    EXPECT_EQ(r.text(aircraft::InVolo), "100");
    EXPECT_EQ(g.BaseTable[1][BaseCol::AircraftInFlight], 0);
    EXPECT_EQ(g.BaseTable[2][BaseCol::AircraftInFlight], 0) << "not only the last base landed at";
    EXPECT_EQ(g.BaseTable[5][BaseCol::AircraftInFlight], 7) << "a base nobody landed at is left alone";
}

TEST_F(HourAir, ALandingWithoutItsAircraftLineIsRefusedWithTheFileName) {
    const QString path = baseAircraftFilePath(1);
    aircraftLine(path, 1, 0, 2, 0);
    Int16* r = group(kAxis, 1, kOrderReturn, 2);
    r[GaCol::OriginBase] = 1, r[GaCol::AircraftRecord] = 4;
    try {
        FaseGAx();
        FAIL() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("TARANTOAereiAsseProva.dat")) << e.what();
    }
    EXPECT_EQ(r[GaCol::InUse], 1) << "the group stays in the air";
    EXPECT_EQ(aircraftAt(path, 1).whole(aircraft::InVolo), 2);
    EXPECT_EQ(platform::fileLength(path), AircraftRecord::kLength) << "nothing is added to the file";
}

// ---------------------------------------------------------------- combat air patrol

TEST_F(HourAir, APatrolStaysOverItsGroupAndIsSentHomeBeyondItsRadius) {
    Globals& g = G();
    Int16* gn = g.GnTableAlle[5];
    gn[GnCol::InUse] = 1, gn[GnCol::HoursSinceFormed] = 10, gn[GnCol::X] = 1500, gn[GnCol::Y] = 1000;
    // Speed 320 and endurance 12: a radius of 1000 around (1000, 1000).
    Int16* near = group(kAllies, 3, kOrderCap, 2, 1000, 1000);
    Int16* short_ = group(kAllies, 4, kOrderCap, 2, 1000, 1000);
    for (Int16* r : {near, short_})
        r[GaCol::SpeedKmh] = 320, r[GaCol::DefaultEndurance] = 12, r[GaCol::CoveredGn] = 5,
        r[GaCol::TurnsFlown] = r[GaCol::TurnsToTarget] = 30;
    near[GaCol::SearchTurns] = 5, near[GaCol::InterceptPercent] = 20;
    short_[GaCol::DefaultEndurance] = 5; // radius 400
    g.CurrentSide = kAllies;
    ChosenDice dice({24, 25});
    PattugliaCAP();
    EXPECT_EQ(gn[GnCol::PatrolGroups], 1) << "one patrol in range, one out";
    EXPECT_EQ(near[GaCol::InAction], 1) << "one search roll below 5 + 20";
    EXPECT_EQ(near[GaCol::X], 1500) << "an arrived patrol stays over its moving group";
    EXPECT_EQ(near[GaCol::Order], kOrderCap);
    EXPECT_EQ(short_[GaCol::Order], kOrderReturn);
    EXPECT_EQ(short_[GaCol::CoveredGn], 0);
    EXPECT_EQ(g.AirReturnFlag, 1);

    gn[GnCol::X] = 2100, gn[GnCol::PatrolGroups] = 0; // the group sails on, out of the patrol's reach
    PattugliaCAP();
    EXPECT_EQ(near[GaCol::Order], kOrderReturn);
    EXPECT_EQ(gn[GnCol::PatrolGroups], 0);
}

TEST_F(HourAir, APatrolWhoseGroupIsGoneGoesHomeAndDoesNothingElse) {
    Globals& g = G();
    Int16* gone = g.GnTableAsse[6];
    gone[GnCol::X] = 1100, gone[GnCol::Y] = 1000,
    gone[GnCol::HoursSinceFormed] = 3; // disbanded: column 1 is 0
    Int16* r = group(kAxis, 1, kOrderCap, 4, 1000, 1000);
    r[GaCol::SpeedKmh] = 320, r[GaCol::DefaultEndurance] = 12, r[GaCol::CoveredGn] = 6,
    r[GaCol::TurnsFlown] = r[GaCol::TurnsToTarget] = 15, r[GaCol::SearchTurns] = 15,
    r[GaCol::InterceptPercent] = 50;
    g.CurrentSide = kAxis;
    ChosenDice none({});
    PattugliaCAP();
    EXPECT_EQ(none.sides.size(), 0) << "no search rolls";
    EXPECT_EQ(r[GaCol::Order], kOrderReturn);
    EXPECT_EQ(r[GaCol::CoveredGn], 0);
    EXPECT_EQ(r[GaCol::InAction], 0);
    EXPECT_EQ(r[GaCol::X], 1000);
    EXPECT_EQ(gone[GnCol::PatrolGroups], 0);
    EXPECT_EQ(g.AirReturnFlag, 1);
}

// ---------------------------------------------------------------- reconnaissance

TEST_F(HourAir, AScoutFindsAGroupWithASuccessRollAndNotWithAFailure) {
    Globals& g = G();
    Int16* enemy = g.GnTableAsse[8];
    enemy[GnCol::InUse] = 1, enemy[GnCol::Type] = 9, enemy[GnCol::Ships] = 3, enemy[GnCol::X] = 5100,
    enemy[GnCol::Y] = 2000, enemy[GnCol::Course] = 5;
    Int16* r = group(kAllies, 2, kOrderRecon, 1, 5000, 2000);
    r[GaCol::OverTarget] = 1, r[GaCol::EvasionRadius] = 300, r[GaCol::SearchTurns] = 15,
    r[GaCol::InterceptPercent] = 20, r[GaCol::EvasionValue] = 11; // succeeds below 35
    g.CurrentSide = kAllies;
    {
        ChosenDice fail({35});
        RicognizioneOra();
    }
    EXPECT_EQ(g.ActivityCount, 0) << "no sighting roll after a failed search";
    EXPECT_EQ(enemy[GnCol::Seen], 0);
    EXPECT_EQ(r[GaCol::InAction], 0);
    {
        // Search 34; d8 of the scout 8, d8 of the group 1: 8 + 11 + 1 against 1 + 9 + 1 (distance
        // 100); the Allied heading roll, then the attack time.
        ChosenDice success({34, 8, 1, 3, 7});
        RicognizioneOra();
        EXPECT_EQ(success.remaining(), 0);
    }
    EXPECT_EQ(r[GaCol::InAction], 1);
    EXPECT_EQ(enemy[GnCol::Seen], 3);
    EXPECT_EQ(g.GameState[StateItem::Contacts], "1");
    openContactFile(20);
    const ContactRecord c = readContact(20, 1);
    g.Files.close(20);
    EXPECT_EQ(c.STB2, 4);
    EXPECT_EQ(c.STNSTACKLATO2, 8);
    EXPECT_EQ(c.STDISTANZA, 100);
}

TEST_F(HourAir, AScoutOverAPatrolledGroupMayBeIntercepted) {
    Globals& g = G();
    FrmMain& f = platform::form<FrmMain>(); // the campaign open in the main window
    f.Label17.setCaption(QStringLiteral("GA2: "));
    Int16* enemy = g.GnTableAlle[3];
    enemy[GnCol::InUse] = 1, enemy[GnCol::Type] = 9, enemy[GnCol::Ships] = 3, enemy[GnCol::X] = 5100,
    enemy[GnCol::Y] = 2000, enemy[GnCol::Course] = 5;
    enemy[GnCol::PatrolGroups] = 1;
    Int16* r = group(kAxis, 2, kOrderRecon, 5, 5000, 2000);
    r[GaCol::OverTarget] = 1, r[GaCol::EvasionRadius] = 300, r[GaCol::SearchTurns] = 15,
    r[GaCol::InterceptPercent] = 20, r[GaCol::Damaged] = 2;
    g.CurrentSide = kAxis;
    // Three search rolls: the first succeeds (a sighting that fails, then the interception roll
    // of 10), the others still count.
    ChosenDice dice({1, 1, 8, 10, 1, 1});
    RicognizioneOra();
    EXPECT_EQ(dice.remaining(), 0);
    EXPECT_EQ(r[GaCol::Order], kOrderReturn);
    EXPECT_EQ(r[GaCol::Damaged], 2) << "the damaged count never goes down";
    EXPECT_EQ(r[GaCol::InAction], 3) << "the remaining rolls still count";
    EXPECT_EQ(g.AirReturnFlag, 1);
    EXPECT_EQ(f.Label17.caption(), "GA2: RICOGNITORE INTERCETTATO *** ");
}

// ---------------------------------------------------------------- bombers and bombardments

TEST_F(HourAir, ABomberOverABaseWritesOneActivityAndOneContact) {
    Globals& g = G();
    g.setState(StateItem::Day, 2), g.setState(StateItem::Hour, 13);
    Int16* r = group(kAllies, 4, kOrderBombing, 6, 5000, 2000);
    r[GaCol::TurnsFlown] = r[GaCol::TurnsToTarget] = 30, r[GaCol::TargetBase] = 3;
    Int16* onTheWay = group(kAllies, 5, kOrderBombing);
    onTheWay[GaCol::TurnsFlown] = 15, onTheWay[GaCol::TurnsToTarget] = 30;
    Int16* patrol = group(kAllies, 6, kOrderPatrol);
    patrol[GaCol::TurnsFlown] = patrol[GaCol::TurnsToTarget] = 30;
    g.CurrentSide = kAllies, g.ActivityKind = 6;
    ChosenDice dice({9});
    ArrivoGA();
    EXPECT_EQ(readBytes(activityFilePath()), QByteArray::fromHex("0300 0d00 8813 d007 0000803f 0600"));
    EXPECT_EQ(readBytes(contactFilePath()), words({313, 0, 0, 1, 0, 4, 0, 0, 0, 0, 0, 1, 0, 0, 0,
                                                   0,   0, 0, 0, 0, 0, 1, 1, 0, 3, 6, 9, 6, 2, 0}));

    g.CurrentSide = kAxis, g.ActivityKind = 7;
    ArrivoGA();
    EXPECT_EQ(g.GameState[StateItem::Activities], "1") << "no Axis bomber: nothing more";
}

TEST_F(HourAir, ABombardingGroupOnAnEnemyBaseWritesOneActivityAndOneContact) {
    Globals& g = G();
    const int bx = g.BaseMapXY[3][1], by = g.BaseMapXY[3][2];
    Int16* gn = g.GnTableAlle[2];
    gn[GnCol::InUse] = 1, gn[GnCol::Ships] = 3, gn[GnCol::Fires] = 1, gn[GnCol::Order] = 4,
    gn[GnCol::Knots] = 20, gn[GnCol::X] = bx + 180, gn[GnCol::Y] = by;
    Int16* away = g.GnTableAlle[3];
    away[GnCol::InUse] = 1, away[GnCol::Order] = 4, away[GnCol::X] = 100, away[GnCol::Y] = 100,
    away[GnCol::BombardedBase] = 9;
    Int16* disbanded = g.GnTableAlle[4];
    disbanded[GnCol::Order] = 4, disbanded[GnCol::X] = bx, disbanded[GnCol::Y] = by;
    g.CurrentSide = kAllies;
    ChosenDice dice({5});
    ContattiGNOra();
    EXPECT_EQ(gn[GnCol::BombardedBase], 3);
    EXPECT_EQ(away[GnCol::BombardedBase], 9);
    QByteArray activity = words({1, 10, bx + 180, by});
    activity += QByteArray::fromHex("0000803f 0800");
    EXPECT_EQ(readBytes(activityFilePath()), activity);
    // 128 from the middle of the base's marker; the heading 0 is copied as it stands.
    EXPECT_EQ(readBytes(contactFilePath()), words({110, 1, 0,  0, 1, 2, 0, 1, 2,   0, 0, 1, 0, 0, 0,
                                                   3,   0, 20, 0, 1, 0, 1, 1, 128, 3, 4, 5, 8, 1, 0}));
}

TEST_F(HourAir, TheAxisBombardsOnlyMalta) {
    Globals& g = G();
    Int16* onBs = g.GnTableAsse[1];
    onBs[GnCol::InUse] = 1, onBs[GnCol::Order] = 4, onBs[GnCol::X] = g.BaseMapXY[13][1],
    onBs[GnCol::Y] = g.BaseMapXY[13][2];
    Int16* malta = g.GnTableAsse[2];
    malta[GnCol::InUse] = 1, malta[GnCol::Order] = 4, malta[GnCol::X] = g.BaseMapXY[12][1] + 30,
    malta[GnCol::Y] = g.BaseMapXY[12][2] + 40;
    g.CurrentSide = kAxis;
    ChosenDice dice({5});
    ContattiGNOra();
    EXPECT_EQ(g.GameState[StateItem::Contacts], "1");
    EXPECT_EQ(malta[GnCol::BombardedBase], 12);
    EXPECT_EQ(g.ActivityKind, 9);
    EXPECT_EQ(g.ContactDistance, 50) << "measured to the base's point";
}
