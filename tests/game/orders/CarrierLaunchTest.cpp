// The carrier launch window opened from the carrier icon: a launch writes the new air group and
// wears the carrier, the handling limits the aircraft in flight, a ferry lands its aircraft on the
// MALTA BS line of their type, and the loads a torpedo line or an unarmed line may carry.
#include "game/orders/CarrierLaunch.h"
#include "game/orders/Carriers.h"
#include "game/orders/FrmPA.h"

#include "common/Dice.h"
#include "tests/game/main/MainWindowFixture.h"
#include "tests/support/LayoutCheck.h"

#include <gtest/gtest.h>

using namespace platform;
namespace A = recordformat::aircraft;
namespace S = recordformat::ship;

namespace {

constexpr int kCarrier = 2; // the carrier's record in the Allied ship file
constexpr int kGn = 3;      // its naval group

struct Line {
    QString name;
    QString role = QStringLiteral("CPT");
    int ready = 0;
    int flying = 0;
    int load = 0;
    bool torpedo = false;
    int endurance = 8;
};

void writeLines(const QString& path, const QList<Line>& lines) {
    G().Files.openRandom(9, path, AircraftRecord::kLength);
    int n = 0;
    for (const Line& l : lines) {
        AircraftRecord a;
        a.setText(A::Nome, l.name);
        a.setText(A::Ruolo, l.role);
        a.setText(A::Anno, QStringLiteral("1941"));
        a.setNumber(A::Autonomia, l.endurance);
        for (int f = A::Giudizio; f <= A::FattoreMitragliamento; ++f) a.setNumber(f, f);
        a.setNumber(A::Carico, l.load);
        a.setNumber(A::Siluri, l.torpedo ? 1 : 0);
        a.setNumber(A::Velocita, 250);
        a.setNumber(A::Costo, 30);
        a.setText(A::Silurante, l.torpedo ? QStringLiteral("S") : QStringLiteral("N"));
        a.setNumber(A::Pronti, l.ready);
        a.setNumber(A::InVolo, l.flying);
        writeAircraft(9, ++n, a);
    }
    G().Files.close(9);
}

AircraftRecord lineAt(const QString& path, int record) {
    G().Files.openRandom(9, path, AircraftRecord::kLength);
    const AircraftRecord a = readAircraft(9, record);
    G().Files.close(9);
    return a;
}

ShipRecord carrierRecord() {
    openShipFile(kChannelShips, kAllies);
    readShip(kChannelShips, kCarrier);
    G().Files.close(kChannelShips);
    return G().ShipRecordBuffer;
}

class CarrierLaunch : public MainWindowFixture {
  protected:
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        MainWindowFixture::TearDown();
    }
    // The Allies at the keyboard with carrier P1 (handling `ma`, `launched` aircraft launched since
    // its last wear) in naval group 3 at sea, its lines `lines`, picked in the ship list.
    FrmMain& openCarrier(int ma, int launched, const QList<Line>& lines, int weather = 0) {
        Int16* r = G().GnTableAlle[kGn];
        r[GnCol::InUse] = 1, r[GnCol::Ships] = 2, r[GnCol::X] = 5000, r[GnCol::Y] = 3000;
        ships[0] = {{.group = kGn}, {.type = "PA", .group = kGn, .knots = 25, .aircraft = 30}};
        ships[1] = {{.group = 0}};
        FrmMain& f = open({.weather = weather});
        Globals& g = G();
        g.Files.openRandom(kChannelShips, shipFilePath(kAllies), ShipRecord::kLength);
        readShip(kChannelShips, kCarrier);
        ShipRecord& s = g.ShipRecordBuffer;
        s.setNumber(S::MAM, ma);
        s.setNumber(S::OperativitaPersaAerei, launched);
        s.setText(S::CodicePortaerei, carrierCode(1));
        writeShip(kChannelShips, kCarrier);
        g.Files.closeAll();
        writeLines(carrierAircraftFilePath(carrierCode(1)), lines);
        g.CurrentSide = kAllies;
        g.WeatherSeverity = Int16(weather);
        g.SelectedShip = kCarrier;
        writeCarrierData(kAllies, kCarrier, s, weather);
        return f;
    }
    // Clicks the carrier icon and drives the window while it is shown.
    void launchWindow(FrmMain& f, const std::function<void(FrmPA&)>& drive) {
        bool shown = false;
        platform::testing::setModalHandler([&](Form& w) {
            shown = true;
            drive(static_cast<FrmPA&>(w));
            unloadForm(w);
        });
        f.Image18.doClick();
        EXPECT_TRUE(shown);
    }
    // Picks line `index`, takes an air-group number and chooses `aircraft` aircraft.
    static void choose(FrmPA& w, int index, int aircraft) {
        w.List1.doPick(index);
        w.Label4.doClick();
        w.Combo1.doPick(aircraft);
    }
    const Int16* row(int group) const { return G().GaTableAlle[group]; }
    QString carrierFile() const { return carrierAircraftFilePath(carrierCode(1)); }
};

} // namespace

TEST_F(CarrierLaunch, ALaunchWritesAFullRowAndEveryTwentyAircraftWearTheCarrier) {
    G().GaTableAlle[1][GaCol::InUse] = 1;
    FrmMain& f = openCarrier(5, 0, {{.name = "Fulmar", .ready = 30, .load = 250}});
    Globals& g = G();
    launchWindow(f, [&](FrmPA& w) {
        EXPECT_EQ(w.Frame1.caption(), "Nave 2 | P1");
        EXPECT_EQ(testsupport::layoutFaults(w), "");
        EXPECT_EQ(testsupport::tabFaults(w), "");

        choose(w, 0, 10);
        EXPECT_EQ(w.Label4.caption(), "2") << "the first free row";
        EXPECT_FALSE(w.List1.enabled());
        w.Combo2.doPick(3);  // 3 bombs
        w.Combo3.doPick(13); // of 90: 270 is above the line's 250
        w.Command2.doClick();
        EXPECT_EQ(w.Label3[3].caption(), "NO");
        EXPECT_EQ(row(2)[GaCol::InUse], 0);
        w.Combo3.doPick(12); // of 80
        w.Command2.doClick();
        EXPECT_EQ(w.Label4.caption(), "OK");
        EXPECT_EQ(g.NewGroupNumber, 0);
        EXPECT_EQ(w.Label5[0].caption(), "10");

        choose(w, 0, 10);
        w.Combo2.doPick(0);
        w.Command2.doClick();
        EXPECT_EQ(carrierRecord().whole(S::OperativitaPersaAerei), 20);
        EXPECT_EQ(carrierRecord().whole(S::OPERATIVITAM), 100) << "twenty launched wear nothing yet";
        choose(w, 0, 1);
        w.Command2.doClick();
    });

    const Int16* r = row(2);
    // clang-format off
    const std::map<int, int> expected = {
        {GaCol::InUse, 1}, {GaCol::SpeedKmh, 250}, {GaCol::AircraftCost, 30}, {GaCol::Aircraft, 10},
        {GaCol::Order, kOrderTakeOff}, {GaCol::Judgement, 7}, {GaCol::AttackFactor, 8},
        {GaCol::DefenceFactor, 9}, {GaCol::StrafingFactor, 10}, {GaCol::Bombs, 3}, {GaCol::BombSize, 80},
        {GaCol::CarrierNumber, kCarrier}, {GaCol::DefaultEndurance, 8}, {GaCol::X, 5000}, {GaCol::Y, 3000},
        {GaCol::AircraftRecord, 1}, {GaCol::OriginX, 5000}, {GaCol::OriginY, 3000}, {GaCol::TargetX, 5000},
        {GaCol::TargetY, 3000}, {GaCol::CarrierGroup, 1},
        {GaCol::CarrierGn, kGn}, {GaCol::EvasionValue, 11}};
    // clang-format on
    for (int c = 1; c <= kGroupColumns; ++c)
        EXPECT_EQ(r[c], expected.contains(c) ? expected.at(c) : 0) << "column " << c;
    EXPECT_EQ(g.GaNamesAlle[2][1], QStringLiteral("Fulmar").leftJustified(14) + "/P1");
    EXPECT_EQ(g.GaNamesAlle[2][2], "P1");
    EXPECT_EQ(g.GaNamesAlle[2][3], "CPT");

    const AircraftRecord a = lineAt(carrierFile(), 1);
    EXPECT_EQ(a.whole(A::Pronti), 9);
    EXPECT_EQ(a.whole(A::InVolo), 21);
    const ShipRecord s = carrierRecord();
    EXPECT_EQ(s.whole(S::OperativitaPersaAerei), 1);
    EXPECT_EQ(s.whole(S::OPERATIVITAM), 99) << "the 21st aircraft";
    EXPECT_EQ(s.whole(S::AEREIM), 30) << "launched aircraft stay the carrier's";
    g.GaTableAlle[2][GaCol::Aircraft] = 0;
    CaricaTabelleGruppi();
    EXPECT_EQ(row(2)[GaCol::Aircraft], 10) << "saved";
    EXPECT_EQ(g.OperationContext[15], 1) << "the carrier's launch data are read again";
}

TEST_F(CarrierLaunch, TheHandlingLimitsTheAircraftInFlightAndANumberIsNeeded) {
    FrmMain& f = openCarrier(4, 0, {{.name = "Skua", .ready = 10, .flying = 15, .load = 250}});
    Globals& g = G();
    testsupport::MessageBoxes boxes;
    for (int n = 1; n <= kGroups; ++n) g.GaTableAlle[n][GaCol::InUse] = 1;
    launchWindow(f, [&](FrmPA& w) {
        EXPECT_EQ(w.Label5[0].caption(), "15");
        // Every row in use: no number, nothing to launch.
        w.List1.doPick(0);
        w.Label4.doClick();
        EXPECT_EQ(f.Label17.caption(), "ATT: NESSUN GA LIBERO (tutti i 50 GA in uso)");
        EXPECT_EQ(g.NewGroupNumber, 0);
        EXPECT_FALSE(w.Combo1.enabled());
        g.OperationContext[10] = 1;
        EXPECT_EQ(carrierlaunch::checkLaunch(99, 0, false).refusal, carrierlaunch::Refusal::NoFreeGroup);

        for (int n = 1; n <= kGroups; ++n) g.GaTableAlle[n][GaCol::InUse] = 0;
        choose(w, 0, 6);
        w.Command2.doClick();
        ASSERT_EQ(boxes.prompts.size(), 1);
        EXPECT_EQ(boxes.prompts[0], "TROPPI AEREI IN VOLO - Consentito solo: 5 Aerei");
        EXPECT_EQ(w.Combo1.text(), "0");
        EXPECT_EQ(row(1)[GaCol::InUse], 0);
        w.Combo1.doPick(5);
        w.Command2.doClick();
        EXPECT_EQ(row(1)[GaCol::Aircraft], 5) << "five more are allowed";
    });
}

TEST_F(CarrierLaunch, AFerryLandsItsAircraftOnMaltasLineOfTheSameType) {
    FrmMain& f =
        openCarrier(5, 18, {{.name = "Hurricane", .ready = 12}, {.name = "Sea Gladiator", .ready = 6}}, 1);
    Globals& g = G();
    g.CarrierLaunchZone = 1;
    const QString malta = baseAircraftFilePath(carrierlaunch::kMaltaBs);
    writeLines(malta,
               {{.name = "Wellington", .ready = 5}, {.name = "Beaufort"}, {.name = "Hurricane", .ready = 3}});
    launchWindow(f, [&](FrmPA& w) {
        EXPECT_TRUE(w.Command5.enabled());
        choose(w, 0, 4);
        ChosenDice dice({19, 20, 1, 80});
        w.Command5.doClick();
        EXPECT_EQ(dice.sides, (QList<int>{100, 100, 100, 100}));
    });
    const Int16* r = row(1);
    EXPECT_EQ(r[GaCol::Aircraft], 4);
    EXPECT_EQ(r[GaCol::Damaged], 2) << "rolls below 20 in weather 1";
    EXPECT_EQ(f.Label17.caption(), "VOLO SU MALTA BS: 4 aerei partiti, 2 danneggiati dal maltempo");
    EXPECT_EQ(r[GaCol::Order], kOrderReturn);
    EXPECT_EQ(r[GaCol::OriginBase], carrierlaunch::kMaltaBs);
    EXPECT_EQ(r[GaCol::AircraftRecord], 3) << "MALTA BS's Hurricane line";
    EXPECT_EQ(r[GaCol::X], 3000);
    EXPECT_EQ(r[GaCol::Y], 4000);
    EXPECT_EQ(r[GaCol::TargetX], 7005);
    EXPECT_EQ(r[GaCol::OriginY], 5100);
    EXPECT_EQ(r[GaCol::CarrierGroup], 0);
    EXPECT_EQ(g.GaNamesAlle[1][2], "");
    EXPECT_EQ(lineAt(malta, 3).whole(A::InVolo), 4);
    EXPECT_EQ(lineAt(malta, 1).whole(A::InVolo), 0);
    EXPECT_EQ(lineAt(carrierFile(), 1).whole(A::Pronti), 8);
    EXPECT_EQ(lineAt(carrierFile(), 1).whole(A::InVolo), 0) << "ferried aircraft are not the carrier's aloft";
    ShipRecord s = carrierRecord();
    EXPECT_EQ(s.whole(S::AEREIM), 26);
    EXPECT_EQ(s.whole(S::OperativitaPersaAerei), 2);
    EXPECT_EQ(s.whole(S::OPERATIVITAM), 99);
    g.BaseTable[carrierlaunch::kMaltaBs][BaseCol::AircraftInFlight] = 0;
    CaricaDatiBasi();
    EXPECT_EQ(g.BaseTable[carrierlaunch::kMaltaBs][BaseCol::AircraftInFlight], 4);

    {
        ChosenDice dice({39, 40, 1});
        EXPECT_EQ(carrierlaunch::ferryLosses(3, 2), 2) << "rolls below 40 in weather 2";
    }

    // A type MALTA BS has no line of gets one; fine weather loses nothing.
    g.WeatherSeverity = 0;
    launchWindow(f, [&](FrmPA& w) {
        choose(w, 1, 2);
        ChosenDice none({});
        w.Command5.doClick();
    });
    EXPECT_EQ(row(2)[GaCol::Damaged], 0);
    EXPECT_EQ(row(2)[GaCol::AircraftRecord], 4);
    const AircraftRecord added = lineAt(malta, 4);
    EXPECT_EQ(added.trimmed(A::Nome), "Sea Gladiator");
    EXPECT_EQ(added.whole(A::InVolo), 2);
    EXPECT_EQ(added.whole(A::Pronti), 0);
}

TEST_F(CarrierLaunch, ATorpedoLineCarriesOneTorpedoAndAnUnarmedLineNothing) {
    FrmMain& f = openCarrier(5, 0,
                             {{.name = "Swordfish", .role = "ASI", .ready = 9, .load = 700, .torpedo = true},
                              {.name = "Walrus", .role = "RIC", .ready = 3}});
    Globals& g = G();
    launchWindow(f, [&](FrmPA& w) {
        choose(w, 0, 3);
        EXPECT_EQ(w.Label3[3].caption(), "1 siluro");
        EXPECT_EQ(w.Combo2.text(), "1");
        w.Combo2.doPick(4); // a count above one is still one torpedo
        EXPECT_EQ(w.Combo2.text(), "1");
        w.Combo3.setText("10");
        w.Combo3_Click();
        EXPECT_EQ(w.Combo3.text(), "0") << "no bomb size for a torpedo";
        w.Command2.doClick();

        choose(w, 1, 2);
        EXPECT_FALSE(w.Combo2.enabled());
        EXPECT_FALSE(w.Combo3.enabled());
        EXPECT_EQ(w.Label3[3].caption(), "0");
        w.Command2.doClick();
    });
    EXPECT_EQ(row(1)[GaCol::Torpedoes], 1);
    EXPECT_EQ(row(1)[GaCol::Bombs], 0);
    EXPECT_EQ(row(1)[GaCol::BombSize], 0);
    EXPECT_EQ(row(2)[GaCol::Aircraft], 2);
    EXPECT_EQ(row(2)[GaCol::Torpedoes], 0);
    EXPECT_EQ(row(2)[GaCol::Bombs], 0);
    EXPECT_EQ(row(2)[GaCol::BombSize], 0);
    EXPECT_EQ(g.GaNamesAlle[2][3], "RIC");
}

// A group launched and left without an order stays over the carrier's point; one ordered DECOLLO to
// a point 6000 units off, within its radius of 6250, flies there at its speed (89 map units a turn
// shown, 168 to count the hours: 36 turns) and is over it in the third hour. A row that names no target
// point, as launches once wrote, is flown to its origin instead of the map's corner.
TEST_F(CarrierLaunch, LaunchedGroupsFlyFromTheCarrierThroughThreeHours) {
    SeededDice dice(2);
    FrmMain& f = openCarrier(5, 0, {{.name = "Swordfish", .ready = 20, .endurance = 100}});
    Globals& g = G();
    launchWindow(f, [&](FrmPA& w) {
        choose(w, 0, 4);
        w.Command2.doClick();
        choose(w, 0, 3);
        w.Command2.doClick();
    });
    Int16* old = g.GaTableAlle[3];
    old[GaCol::InUse] = 1, old[GaCol::Aircraft] = 2, old[GaCol::Order] = kOrderTakeOff;
    old[GaCol::X] = old[GaCol::OriginX] = 4000, old[GaCol::Y] = old[GaCol::OriginY] = 2500;
    SalvaTabelleGruppi();

    f.Command17.doClick();
    f.Command5.doClick();
    f.Command9.doClick();
    bool listed = false;
    for (int i = 0; i < f.List8.listCount(); ++i)
        if (f.List8.itemData(i) == 2) f.List8.doPick(i), listed = true;
    ASSERT_TRUE(listed);
    f.Combo8.doPick(kOrderTakeOff - 1);
    f.PicBitMap.doMouseDown(vbLeftButton, 0, 11000, 3000);
    EXPECT_EQ(f.Label98.caption(), "89");
    f.Command20.doClick();
    EXPECT_EQ(row(2)[GaCol::TargetX], 11000);
    EXPECT_EQ(row(2)[GaCol::Step], 89);
    EXPECT_EQ(row(2)[GaCol::TurnsToTarget], 36);
    f.Command4.doClick();

    const int xs[] = {6335, 7670, 11000};
    for (int hour = 0; hour < 3; ++hour) {
        ASSERT_TRUE(f.Command22.enabled());
        f.Command22.doClick();
        ASSERT_EQ(errors.messages, QStringList());
        for (int n : {1, 2, 3}) EXPECT_EQ(row(n)[GaCol::Order], kOrderTakeOff) << n;
        EXPECT_EQ(row(1)[GaCol::X], 5000) << "hour " << hour + 1;
        EXPECT_EQ(row(1)[GaCol::Y], 3000);
        EXPECT_EQ(row(1)[GaCol::OverTarget], 1);
        EXPECT_EQ(row(2)[GaCol::X], xs[hour]) << "hour " << hour + 1;
        EXPECT_EQ(row(2)[GaCol::Y], 3000);
        EXPECT_EQ(row(2)[GaCol::OverTarget], hour == 2 ? 1 : 0);
        EXPECT_EQ(row(3)[GaCol::X], 4000);
        EXPECT_EQ(row(3)[GaCol::Y], 2500);
    }
    EXPECT_EQ(lineAt(carrierFile(), 1).whole(A::InVolo), 7) << "aloft until ordered home";
}
