// Sighting and evasion with chosen dice: every modifier moves the outcome of an encounter, the
// three settings write their records, and the list of nearby own groups.
#include "common/Detection.h"
#include "CampaignFixture.h"
#include "ContactTestSupport.h"
#include "common/Dice.h"
#include "common/RangeRules.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class Detection : public ::testing::Test {
  protected:
    // Allied group 1 and Axis group 1: five ships each, type value 9, headed NE and S, 200 apart,
    // by day in good weather; nothing else.
    void SetUp() override { place(); }
    void place() {
        Globals& g = G();
        for (int side : {kAllies, kAxis}) {
            Int16* r = g.gnTable(side)[1];
            for (int c = 1; c <= kGroupColumns; ++c) r[c] = 0;
            r[GnCol::InUse] = 1, r[GnCol::Type] = 9, r[GnCol::Ships] = 5, r[GnCol::Knots] = 20,
            r[GnCol::Y] = 2000;
        }
        g.GnTableAlle[1][GnCol::X] = 1000, g.GnTableAlle[1][GnCol::Course] = 3;
        g.GnTableAsse[1][GnCol::X] = 1200, g.GnTableAsse[1][GnCol::Course] = 7;
        g.EncounterGnAlle = 1, g.EncounterGnAsse = 1;
        g.ContactDistance = 200, g.DayFlag = 1, g.WeatherSeverity = 0, g.EncounterCapLevel = 0;
    }
    Int16* allied() { return G().GnTableAlle[1]; }
    Int16* axis() { return G().GnTableAsse[1]; }
    // An encounter with the two d8 rolls (Allies first); true when the Allies sighted the Axis group.
    bool alliesSee(int alliedDie, int axisDie) {
        const int before = G().ContattiGestiti;
        ChosenDice dice({alliedDie, axisDie, 1});
        IncontroGN();
        return G().ContattiGestiti > before && axis()[18] == 2;
    }
    CampaignFolder campaign;
};

} // namespace

TEST_F(Detection, EveryModifierMovesTheOutcome) {
    // Without modifiers the Allies' margin over the Axis evasion is their die - the Axis die - 2
    // (distance 200). A modifier that raises the margin turns a margin of 0 into a sighting; one
    // that lowers it turns a margin of 1 into none.
    struct Case {
        const char* what;
        std::function<void(Globals&, Int16* allied, Int16* axis)> apply;
        bool raises;
    };
    const Case cases[] = {
        {"periscope depth hides the group", [](Globals&, Int16*, Int16* x) { x[GnCol::Periscope] = 1; },
         false},
        {"periscope depth blinds the looker", [](Globals&, Int16* a, Int16*) { a[GnCol::Periscope] = 1; },
         false},
        {"a single ship", [](Globals&, Int16*, Int16* x) { x[GnCol::Ships] = 1; }, false},
        {"ten ships", [](Globals&, Int16*, Int16* x) { x[GnCol::Ships] = 10; }, true},
        {"two fires", [](Globals&, Int16*, Int16* x) { x[GnCol::Fires] = 2; }, true},
        {"already seen", [](Globals&, Int16*, Int16* x) { x[GnCol::Seen] = 1; }, true},
        {"ships busy", [](Globals&, Int16*, Int16* x) { x[GnCol::BusyShips] = 1; }, true},
        {"weather", [](Globals& g, Int16*, Int16*) { g.WeatherSeverity = 1; }, false},
        {"close by", [](Globals& g, Int16*, Int16*) { g.ContactDistance = 60; }, true},
        {"far off", [](Globals& g, Int16*, Int16*) { g.ContactDistance = 361; }, false},
        {"aircraft aboard", [](Globals&, Int16* a, Int16*) { a[GnCol::CapAircraft] = 4; }, true},
        {"night", [](Globals& g, Int16*, Int16*) { g.DayFlag = 0; }, false},
        {"the group it hunts", [](Globals&, Int16* a, Int16*) { a[GnCol::TargetGn] = 1; }, true},
        {"radar", [](Globals&, Int16* a, Int16*) { a[GnCol::RadarShips] = 1; }, true},
        {"ambush", [](Globals&, Int16* a, Int16*) { a[GnCol::Order] = 5; }, true},
        {"combat air patrol", [](Globals& g, Int16*, Int16*) { g.EncounterCapLevel = 1; }, true},
        {"type value", [](Globals&, Int16*, Int16* x) { x[GnCol::Type] = 10; }, false},
    };
    for (const Case& c : cases) {
        const int alliedDie = c.raises ? 4 : 5;
        place();
        EXPECT_EQ(alliesSee(alliedDie, 2), !c.raises) << c.what << " (without)";
        place();
        c.apply(G(), allied(), axis());
        EXPECT_EQ(alliesSee(alliedDie, 2), c.raises) << c.what;
    }
}

TEST_F(Detection, ValuesOfOneGroup) {
    Globals& g = G();
    // One ship at periscope depth, 50 units off, by day in good weather, type value 10.
    axis()[4] = 1, axis()[10] = 1, axis()[3] = 10;
    g.ContactDistance = 50;
    {
        ChosenDice dice({6});
        ModificatoriAvvistamento();
        EXPECT_EQ(dice.sides, QList<int>{8});
    }
    EXPECT_EQ(g.EvasionValueAsse, 3 + 1 - 2 + 6 + 10);
    EXPECT_EQ(g.SightValueAsse, -1 + 6 + 10);
    EXPECT_EQ(g.SightDieAsse, 6);

    // Seventy aircraft at night in the worst weather: the band falls to 0, night costs 2 more.
    AzzeraModificatori();
    allied()[8] = 70;
    g.DayFlag = 0, g.WeatherSeverity = 3, g.ContactDistance = -1;
    {
        ChosenDice dice({3});
        ModificatoriAvvistamentoAlle();
    }
    EXPECT_EQ(g.DetectionModifiers.aircraftBand, 0);
    EXPECT_EQ(g.DetectionModifiers.night, -2);
    EXPECT_EQ(g.DetectionModifiers.distance, 8) << "a distance of -1 counts as far";
    EXPECT_EQ(g.SightValueAlle, -2 + 3 + 9);
    EXPECT_EQ(g.EvasionValueAlle, 3 + 8 + 3 + 9);

    // An ambushing destroyer: +4 up to 80 units, +1 beyond.
    allied()[7] = 5, allied()[37] = 1;
    for (auto [distance, ambush] : {std::pair{80, 4}, {81, 1}}) {
        AzzeraModificatori();
        g.ContactDistance = distance;
        ChosenDice dice({1});
        ModificatoriAvvistamentoAlle();
        EXPECT_EQ(g.DetectionModifiers.ambush, ambush) << distance;
    }
    // Limits that change nothing: one fire, nine ships; twelve aircraft at night in weather 2.
    AzzeraModificatori();
    axis()[5] = 1, axis()[4] = 9, axis()[10] = 0, axis()[8] = 12;
    g.WeatherSeverity = 2;
    {
        ChosenDice dice({1});
        ModificatoriAvvistamento();
    }
    EXPECT_EQ(g.DetectionModifiers.fires + g.DetectionModifiers.largeGroup, 0);
    EXPECT_EQ(g.DetectionModifiers.aircraftBand, 0);
    EXPECT_EQ(aircraftBand(3), 1);
    EXPECT_EQ(aircraftBand(4), 2);
    EXPECT_EQ(aircraftBand(62), 4);
    EXPECT_EQ(aircraftBand(63), 6);
    EXPECT_EQ(aircraftBand(1001), 0);
    EXPECT_EQ(distanceModifier(61), 1);
    EXPECT_EQ(distanceModifier(220), 2);
    EXPECT_EQ(distanceModifier(360), 4);
}

TEST_F(Detection, EncounterWritesItsRecordsByteForByte) {
    Globals& g = G();
    g.GameState[StateItem::Hour] = "5";
    ChosenDice dice({6, 2, 9});
    IncontroGN(); // Allies 6 + 9 = 15 against 2 + 2 + 9 = 13; Axis 2 + 9 = 11 against 2 + 6 + 9 = 17
    EXPECT_EQ(dice.sides, (QList<int>{8, 8, 14}));
    EXPECT_EQ(testsupport::readBytes(campaign.game("ProvaAttivita.dat")),
              QByteArray::fromHex("0100 0500 4c04 d007 0000803f 0100"));
    EXPECT_EQ(contactBytes(1), contactFields({15, 1, 1,  1,  0, 1, 1, 2, -6,  6, 2, 0, 0, 3, 7,
                                              5,  5, 20, 20, 0, 0, 1, 1, 200, 0, 0, 9, 1, 0, 0}));
    EXPECT_EQ(axis()[18], 2);
    EXPECT_EQ(allied()[18], 0);
    EXPECT_EQ(g.GameState[StateItem::Activities], "1");
    EXPECT_EQ(g.GameState[StateItem::Contacts], "1");
    EXPECT_EQ(testsupport::readLines(campaign.game("StackProvaNaviAsse.dat")).at(17), "2") << "tables saved";
}

TEST_F(Detection, EncounterOutcomes) {
    Globals& g = G();
    // Equal values: an activity of kind 1, no contact, no mark.
    {
        ChosenDice dice({4, 2});
        IncontroGN();
    }
    EXPECT_EQ(g.ActivityKind, 1);
    EXPECT_EQ(g.GameState[StateItem::Activities], "1");
    EXPECT_EQ(g.ContattiGestiti, 0);
    EXPECT_EQ(axis()[18] + allied()[18], 0);

    // Far apart in values: nothing is written, but the tables are saved.
    place();
    g.ContactDistance = 400;
    {
        ChosenDice dice({1, 1});
        IncontroGN();
    }
    EXPECT_EQ(g.ActivityKind, 0);
    EXPECT_EQ(g.GameState[StateItem::Activities], "1");

    // Both see each other: only the Axis group is marked, one contact.
    place();
    allied()[9] = 1, axis()[9] = 1, g.EncounterCapLevel = 4, g.ContactDistance = 50;
    {
        ChosenDice dice({8, 8, 1});
        IncontroGN();
    }
    EXPECT_EQ(axis()[18], 2);
    EXPECT_EQ(allied()[18], 0);
    EXPECT_EQ(g.ContattiGestiti, 1);

    // Only the Axis sees: the Allied group is marked.
    place();
    axis()[8] = 70;
    {
        ChosenDice dice({1, 8, 1});
        IncontroGN();
    }
    EXPECT_EQ(allied()[18], 2);
    EXPECT_EQ(axis()[18], 0);
    EXPECT_EQ(g.ContattiGestiti, 2);
    EXPECT_EQ(decodeContact(contactBytes(2)).STVEDELATO2, 1);

    g.EncounterGnAsse = 51;
    ChosenDice dice({1, 1});
    EXPECT_THROW(IncontroGN(), platform::RangeError);
}

TEST_F(Detection, BaseLookout) {
    Globals& g = G();
    g.BaseTable[12][BaseCol::SightingValue] = 10;
    g.SightingBaseAlle = 12;
    // The Axis group hides at 2 (distance) + die 2 + 9 = 13; the base sees 10 + d7.
    const struct { int roll, activities, contacts; } cases[] = {{1, 0, 0}, {2, 1, 0}, {4, 2, 0}, {5, 3, 1}};
    for (const auto& c : cases) {
        ChosenDice dice({c.roll, 2, 3});
        AvvistamentoBaseAlle();
        EXPECT_EQ(g.state(StateItem::Activities), c.activities) << c.roll;
        EXPECT_EQ(g.ContattiGestiti, c.contacts) << c.roll;
        EXPECT_EQ(dice.sides.mid(0, 2), (QList<int>{7, 8}));
    }
    EXPECT_EQ(g.ActivityKind, 2);
    EXPECT_EQ(axis()[18], 0) << "a base does not mark the group";
    const ContactRecord c = decodeContact(contactBytes(1));
    EXPECT_EQ(c.STDIFVEVLATO1, 2);
    EXPECT_EQ(c.STDADOLATO1, 5);
    EXPECT_EQ(c.STB2, 2);
    openActivityFile(20);
    EXPECT_EQ(readActivity(20, 3).X, 1200) << "at the Axis group";
    g.Files.close(20);

    // An Axis base against the Allied group.
    g.BaseTable[3][BaseCol::SightingValue] = 11;
    g.SightingBaseAsse = 3;
    ChosenDice dice({7, 1, 1});
    AvvistamentoBaseAsse(); // 11 + 7 = 18 against 2 + 1 + 9 = 12
    EXPECT_EQ(g.ActivityKind, 3);
    EXPECT_EQ(g.ContattiGestiti, 2);
    EXPECT_EQ(g.SightValueAlle, 0) << "the Allies see nothing from an Axis base";
}

TEST_F(Detection, Reconnaissance) {
    Globals& g = G();
    g.GaTableAlle[3][GaCol::X] = 1150, g.GaTableAlle[3][GaCol::Y] = 1900;
    g.CurrentSide = kAllies, g.ContactUnitAlle = 3, g.EncounterGnAlle = 0, g.ReconSightValue = 11;
    g.AirOrder = 2;
    // The Axis group hides at 2 + 1 + 9 = 12; the scout sees 1 + 11 = 12: not enough.
    {
        ChosenDice dice({1, 1});
        AvvistamentoRicognitore();
    }
    EXPECT_EQ(g.ContattiGestiti, 0);
    EXPECT_EQ(g.ActivityKind, 0);
    openActivityFile(20);
    ActivityRecord a = readActivity(20, 1);
    EXPECT_EQ(a.Kind, 10);
    EXPECT_EQ(a.X, 1150) << "at the scout";
    g.Files.close(20);

    // On a search-and-strike order the scout sees one better.
    g.AirOrder = 3;
    {
        ChosenDice dice({1, 1, 4, 6});
        AvvistamentoRicognitore();
    }
    EXPECT_EQ(axis()[18], 3);
    EXPECT_EQ(g.ContattiGestiti, 1);
    const ContactRecord c = decodeContact(contactBytes(1));
    EXPECT_EQ(c.STB2, 4);
    EXPECT_EQ(c.STNSTACKLATO1, 3);
    EXPECT_EQ(c.STATTACCOLATO1, 1);
    EXPECT_EQ(g.GnAttackMarksAlle[3][2], 1);

    // The Axis scout over the Allied group; and no side in play writes nothing found.
    g.CurrentSide = kAxis, g.ContactUnitAsse = 2, g.EncounterGnAsse = 0, g.EncounterGnAlle = 1;
    {
        ChosenDice dice({8, 1, 1, 1});
        AvvistamentoRicognitore();
    }
    EXPECT_EQ(allied()[18], 3);
    g.CurrentSide = 0;
    AvvistamentoRicognitore();
    EXPECT_EQ(g.state(StateItem::Activities), 4);
    EXPECT_EQ(g.ContattiGestiti, 2);
}

TEST_F(Detection, NearbyOwnGroups) {
    Globals& g = G();
    GroupTable& t = g.GnTableAlle;
    t[2][GnCol::X] = 1000, t[2][GnCol::Y] = 1000;
    t[3][GnCol::X] = 1060, t[3][GnCol::Y] = 1080, t[3][GnCol::Ships] = 4, t[3][GnCol::MinOperativity] = 90,
    t[3][GnCol::Fires] = -1;
    t[4][GnCol::X] = 1000, t[4][GnCol::Y] = 1101;
    g.SelectedGn = 2;
    g.CurrentSide = kAllies;
    const QList<NearbyGroupLine> lines = nearbyGroupLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].text, "(GN 3) * Nv 4   OpM: 90   IncAtt:-1");
    EXPECT_EQ(lines[0].group, 3);
    EXPECT_EQ(g.ContactDistance, DistanzaPunti(1000, 1000, 0, 0)) << "the last row measured";

    t[2][GnCol::OffMap] = 1; // the open Allied group is off the map
    EXPECT_TRUE(nearbyGroupLines().isEmpty());
    g.CurrentSide = 0;
    EXPECT_TRUE(nearbyGroupLines().isEmpty());
}
