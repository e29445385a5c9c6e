// The naval bombardment with chosen dice: an Allied group shelling TRIPOLI, its fire values by
// distance, one salvo spread over the ships in port and the group's own ships, the base's damage
// and the group's wear; a contact fought once; hits with no ship to take them; the fire values by
// weather, night, full damage and without defences.
#include "game/combat/FrmBombNav.h"

#include "BaseAttackShips.h"
#include "common/Dice.h"
#include "game/main/CampaignOpen.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;
namespace F = recordformat::ship;

namespace {

constexpr int kTripoli = 7;
constexpr int kGroup = 5;
constexpr int kContact = 12;

class BombardmentTest : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }

    // The Allied group 5 under the bombardment order on TRIPOLI.
    Int16* group() {
        Int16* r = G().GnTableAlle[kGroup];
        r[GnCol::InUse] = 1, r[GnCol::Ships] = 2, r[GnCol::Order] = kNavalBombardment;
        r[GnCol::MaxKnots] = 30, r[GnCol::Knots] = 28, r[GnCol::Step] = 280, r[GnCol::MinOperativity] = 100;
        r[GnCol::BombardedBase] = kTripoli;
        return r;
    }
    void open() {
        testcampaign::write({.hour = 10});
        attackships::append(kAllies, alliedShips);
        attackships::append(kAxis, axisShips);
        testcampaign::choose();
        loadCampaign();
    }
    // The group's row and TRIPOLI's fields in the state object of the open campaign.
    Int16* row() { return G().GnTableAlle[kGroup]; }
    Int32* tripoli() { return G().BaseTable[kTripoli]; }
    FrmBombNav& bombardment(int contact = kContact) {
        G().OperationContext[1] = contact;
        G().OperationContext[2] = kTripoli;
        G().OperationContext[5] = kAllies;
        G().OperationContext[6] = kGroup;
        return form<FrmBombNav>();
    }
    QStringList items(const ListBox& l) {
        QStringList out;
        for (int i = 0; i < l.listCount(); ++i) out << l.list(i);
        return out;
    }

    QList<attackships::Ship> alliedShips = {
        {.name = "Warspite", .group = kGroup, .aa = 5, .hull = 100, .fireDirection = 4},
        {.name = "Valiant", .group = kGroup, .aa = 5, .hull = 250, .fireDirection = 5},
    };
    QList<attackships::Ship> axisShips = {
        {.name = "Bolzano", .port = kTripoli},
        {.name = "Gorizia", .port = kTripoli},
        {.name = "Fiume", .port = 6},
    };
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};

} // namespace

TEST_F(BombardmentTest, ASalvoOnTripoliHitsThePortTheGroupAndTheBase) {
    group();
    Int32* base = tripoli();
    base[BaseCol::DamagePercent] = 20, base[BaseCol::ShipsPresent] = 2, base[BaseCol::PointsUsed] = 3;
    open();
    const Int16* r = row();
    base = tripoli();
    FrmBombNav& f = bombardment();

    // The base: Int((200 - 60) / 4) = 35, anti-ship Int(35 / 1.5) = 23, weight Int(35 x 3.5).
    EXPECT_EQ(f.Label2.caption(), "20");
    EXPECT_EQ(f.Label5[0].caption(), "2");
    EXPECT_EQ(f.Label5[1].caption(), "3");
    EXPECT_EQ(f.Label5[2].caption(), "2");
    EXPECT_EQ(f.Label5[3].caption(), "35");
    EXPECT_EQ(f.Label5[4].caption(), "23");
    EXPECT_EQ(f.Label5[5].caption(), "122");
    EXPECT_EQ(items(f.List1), (QStringList{"CT_Bolzano   ", "CT_Gorizia   "}));
    EXPECT_EQ(items(f.List2), (QStringList{"CT_Warspite   DT:4 |4 ", "CT_Valiant    DT:5 |5 "}));
    // The group: weight 4 + 1 = 5, then 5 + 5 + 2.5 = 12 (half to even); fire direction 9.
    EXPECT_EQ(f.Label6.caption(), "12");
    EXPECT_EQ(f.Label8.caption(), "14") << "Int((9 + 20) / 2)";
    EXPECT_EQ(f.Label7.caption(), "74") << "Int(112 / 1.5)";
    EXPECT_EQ(f.Label9.caption(), "28") << "Int(114 / 4)";
    EXPECT_EQ(f.Label5[8].caption(), "20") << "Int(123 / 6)";
    EXPECT_EQ(f.Label5[9].caption(), "148") << "Int(222 / 1.5)";
    EXPECT_TRUE(f.Option4.value()) << "the duration in force, 100";

    f.Option3.doClick(); // "Lontano"
    EXPECT_EQ(f.Label7.caption(), "41");
    EXPECT_EQ(f.Label9.caption(), "16");
    EXPECT_EQ(f.Label5[8].caption(), "12");
    EXPECT_EQ(f.Label5[9].caption(), "114");
    f.Option6.doClick(); // "Minima": 50 exchanges
    f.Option2.doClick(); // back to "Medio"
    EXPECT_EQ(f.Label7.caption(), "74");

    // Exchange 1: the base frames the group and a ship (20 / 2 >= 10); the group hits the base
    // with a critical (28 / 2 >= 14) and a ship in port (28 / 2.5 >= 11). Exchange 2: the base
    // frames the group only. Exchanges 2 to 6: the group hits the base. The rest miss.
    QList<int> faces = {1, 10, 1, 14, 11, 20, 11, 28, 15, 12};
    for (int i = 2; i < 6; ++i) faces << 21 << 28 << 15 << 12;
    for (int i = 6; i < 50; ++i) faces << 21 << 29;
    // In port: Bolzano missed (50), Gorizia hit (9), kind 2. The group: both missed, then
    // Warspite hit (9), kind 4.
    faces << 50 << 9 << 2 << 10 << 50 << 9 << 4;
    {
        ChosenDice dice(faces);
        f.Command1.doClick();
        EXPECT_EQ(dice.remaining(), 0);
    }
    EXPECT_FALSE(f.Command1.enabled()) << "one salvo";
    EXPECT_EQ(f.Label11.caption(), "6");
    EXPECT_EQ(f.Label12.caption(), "2");
    EXPECT_EQ(f.Label13.caption(), "444");
    EXPECT_EQ(f.Label3.caption(), "2");
    EXPECT_EQ(f.Label16.caption(), "7");
    EXPECT_EQ(f.Label14.caption(), "296");
    EXPECT_EQ(f.Label15.caption(), "1");
    EXPECT_EQ(f.Label5[6].caption(), "1");
    EXPECT_EQ(f.Label5[7].caption(), "1");
    EXPECT_EQ(f.Label18.caption(), "Gorizia      ");
    EXPECT_EQ(f.Label17.caption(), "Warspite     ");
    EXPECT_EQ(f.Label2.caption(), "22");
    EXPECT_EQ(items(f.List1), (QStringList{"CT_Bolzano   ", "CT_Gorizia    [Iro]"}));
    EXPECT_EQ(f.Label6.caption(), "10") << "3 + 0, then 3 + 5 + 2.5 to even";

    // Gorizia: kind 2 at 74, 100 - 74 hull, a fire, 2 operability.
    EXPECT_EQ(attackships::field(kAxis, 2, F::RESISTENZAM), 26);
    EXPECT_EQ(attackships::field(kAxis, 2, F::INCENDI_ATTIVI), 1);
    EXPECT_EQ(attackships::field(kAxis, 2, F::OPERATIVITAM), 98);
    EXPECT_EQ(attackships::field(kAxis, 1, F::RESISTENZAM), 100);
    // Warspite: kind 4 at 148, the hull at 0 (not -122), three fires, a point of fire direction,
    // 2 anti-aircraft, 5 knots, 4 operability, then a point of wear.
    EXPECT_EQ(attackships::field(kAllies, 1, F::RESISTENZAM), 0);
    EXPECT_EQ(attackships::field(kAllies, 1, F::INCENDI_ATTIVI), 3);
    EXPECT_EQ(attackships::field(kAllies, 1, F::D_TIROM), 3);
    EXPECT_EQ(attackships::field(kAllies, 1, F::AAMM), 3);
    EXPECT_EQ(attackships::field(kAllies, 1, F::NODIM), 25);
    EXPECT_EQ(attackships::field(kAllies, 1, F::OPERATIVITAM), 95);
    EXPECT_EQ(attackships::field(kAllies, 2, F::OPERATIVITAM), 99) << "worn, not hit";
    EXPECT_EQ(attackships::field(kAllies, 2, F::RESISTENZAM), 250);

    // The tables as saved.
    CaricaTabelleGruppi();
    CaricaDatiBasi();
    EXPECT_EQ(r[GnCol::Order], kNavalTransit);
    EXPECT_EQ(r[GnCol::Fires], 3);
    EXPECT_EQ(r[GnCol::MaxKnots], 25);
    EXPECT_EQ(r[GnCol::Knots], 25);
    EXPECT_EQ(r[GnCol::Step], 250);
    EXPECT_EQ(r[GnCol::MinOperativity], 95);
    EXPECT_EQ(base[BaseCol::DamagePercent], 22);
    EXPECT_EQ(base[BaseCol::BombardmentHits], 444);
    EXPECT_EQ(base[BaseCol::PointsUsed], 10) << "3 + Int(7.4 x 1)";
}

TEST_F(BombardmentTest, AContactIsFoughtOnce) {
    group();
    G().BaseTable[kTripoli][BaseCol::DamagePercent] = 99;
    open();
    FrmBombNav& f = bombardment();
    f.Option6.doClick();
    {
        // No hit on either side: the order stays 4.
        QList<int> faces;
        for (int i = 0; i < 50; ++i) faces << 100 << 125;
        ChosenDice dice(faces);
        f.Command1.doClick();
    }
    EXPECT_EQ(G().GnTableAlle[kGroup][GnCol::Order], kNavalBombardment);
    f.Command2.doClick();

    FrmBombNav& again = bombardment();
    EXPECT_FALSE(again.Command1.enabled());
    EXPECT_EQ(again.Label19.caption(), " GIA FATTO !    L'ordine del GN                                    "
                                       "              è stato cambiato");
    again.Command2.doClick();

    FrmBombNav& nextHour = bombardment(kContact + 4);
    EXPECT_TRUE(nextHour.Command1.enabled()) << "the next hour's contact";
    nextHour.Command2.doClick();

    G().GnTableAlle[kGroup][GnCol::Order] = kNavalTransit;
    EXPECT_FALSE(bombardment(kContact + 8).Command1.enabled()) << "no longer bombarding";
}

TEST_F(BombardmentTest, HitsWithNoShipToFallOnAreDropped) {
    group()[GnCol::Ships] = 0;
    G().BaseTable[kTripoli][BaseCol::DamagePercent] = 90;
    // Each side's only ship lies elsewhere: none is a target.
    alliedShips = {{.name = QStringLiteral("Lontana"), .port = 14}};
    axisShips = {{.name = QStringLiteral("Altrove"), .port = 1}};
    open();
    // The counts say ships that are not there (set in the open campaign: a campaign whose files
    // disagree so does not open).
    row()[GnCol::Ships] = 2;
    tripoli()[BaseCol::ShipsPresent] = 3;
    FrmBombNav& f = bombardment();
    f.Option1.doClick();
    f.Option6.doClick();
    // At 150 the group fires at 40 %, the base at 25 %: every exchange hits both ways, with a
    // ship of each side.
    QList<int> faces;
    for (int i = 0; i < 50; ++i) faces << 1 << 1 << 1 << 1 << 1;
    ChosenDice dice(faces);
    f.Command1.doClick();
    EXPECT_EQ(dice.remaining(), 0) << "no roll for a ship that is not there";
    EXPECT_EQ(f.Label15.caption(), "50");
    EXPECT_EQ(f.Label5[7].caption(), "50");
    EXPECT_EQ(f.Label17.caption(), "");
    EXPECT_EQ(f.Label18.caption(), "");
    EXPECT_EQ(G().BaseTable[kTripoli][BaseCol::DamagePercent], 100) << "never above 100";
}

TEST_F(BombardmentTest, FireValuesByWeatherNightDamageAndDefences) {
    using bombardment::fireValues;
    EXPECT_EQ(fireValues(100, 12, 9, 23, 122, 2, false).groupWeightMod, 74) << "weather 2 changes nothing";
    const bombardment::FireValues storm = fireValues(100, 12, 9, 23, 122, 3, false);
    EXPECT_EQ(storm.groupWeightMod, 37);
    EXPECT_EQ(storm.groupPercentMod, 14);
    EXPECT_EQ(storm.baseWeightMod, 74);
    EXPECT_EQ(storm.basePercentMod, 10);
    const bombardment::FireValues stormNight = fireValues(100, 12, 9, 23, 122, 3, true);
    EXPECT_EQ(stormNight.groupWeightMod, 20) << "Int(37 / 1.8)";
    EXPECT_EQ(stormNight.basePercentMod, 5);
    EXPECT_EQ(fireValues(50, 0, 0, 2, -350, 0, false).baseWeightMod, 0) << "a negative weight ends at 0";

    const bombardment::BaseFire wrecked = bombardment::baseFire(100, 2, 2, false, 0);
    EXPECT_EQ(wrecked.antiAircraft, 2);
    EXPECT_EQ(wrecked.antiShip, 2);
    EXPECT_EQ(wrecked.weight, -88) << "Int(-25 x 3.5), left negative";
    const bombardment::BaseFire none = bombardment::baseFire(0, 0, 0, false, 0);
    EXPECT_EQ(none.antiAircraft, 2) << "no levels: the lowest fire, not a division by 0";
    EXPECT_EQ(none.weight, 7);
}
