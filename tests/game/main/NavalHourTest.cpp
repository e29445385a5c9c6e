// The naval phases of the hour on the shipped map: movement with the land test, the end of the
// route, wear, ambush; the bases' look-out and the encounters at their range limits.
#include "game/main/NavalHour.h"
#include "TestCampaign.h"
#include "common/Dice.h"
#include "common/MapRoutines.h"
#include "tests/common/CampaignFixture.h"

#include <gtest/gtest.h>

namespace {

namespace F = recordformat::ship;

class NavalHour : public ::testing::Test {
  protected:
    // The land test reads the map the game holds: no window is needed.
    void SetUp() override {
        G().MapPicturePath = platform::appFolder() + "\\ArchBmp\\Med1colDay.Bmp";
        ASSERT_FALSE(reloadCleanMap().isNull());
    }
    // A group in use of five ships at a point, with course, step, route hours and knots.
    Int16* group(int side, int n, int x, int y, int course = 0, int step = 0, int routeHours = 0,
                 int knots = 10) {
        Int16* r = G().gnTable(side)[n];
        for (int c = 1; c <= kGroupColumns; ++c) r[c] = 0;
        r[GnCol::InUse] = 1, r[GnCol::Ships] = 5, r[GnCol::MinOperativity] = 50, r[GnCol::X] = x,
        r[GnCol::Y] = y;
        r[GnCol::Course] = course, r[GnCol::Step] = step, r[GnCol::RouteHours] = routeHours,
        r[GnCol::Knots] = knots;
        return r;
    }
    void move(int side) {
        G().CurrentSide = side;
        moveNavalGroups();
        G().CurrentSide = 0;
    }
    // Which looks or encounters a phase rolled dice for: the d7 of a base, the d8s of a meeting.
    int rollsOf(const std::function<void()>& phase, int sides) {
        QList<int> rolled;
        setDiceSource([&](int n) {
            rolled << n;
            return 1;
        });
        phase();
        setDiceSource({});
        return int(rolled.count(sides));
    }
    CampaignFolder campaign{QStringLiteral("Prova"), true};
};

// Middle of Sicily, less the offset of the middle of a group's box.
constexpr int kSicilyX = 5477 - 50, kSicilyY = 2911 - 40;

} // namespace

TEST_F(NavalHour, GroupsMoveByTheLandTest) {
    Globals& g = G();
    Int16* atSea = group(kAllies, 1, 8500, 4500, 5, 100, 3);
    Int16* lastHour = group(kAllies, 2, 8500, 4000, 7, 100, 1, 25);
    Int16* ashore = group(kAxis, 3, kSicilyX - 300, kSicilyY, 5, 300, 6);
    Int16* moored = group(kAxis, 4, 8000, 4500, 5, 0, 6);
    Int16* free = group(kAxis, 5, 8000, 4000, 5, 100, 6);
    free[GnCol::InUse] = 0;
    g.GnStoppedFlag = 0;
    move(kAllies);
    EXPECT_EQ(g.GnStoppedFlag, 1);
    move(kAxis);

    EXPECT_EQ(atSea[GnCol::X], 8600);
    EXPECT_EQ(atSea[GnCol::RouteHours], 2);
    EXPECT_EQ(atSea[GnCol::HoursUnderWay], 1);
    EXPECT_EQ(atSea[GnCol::RegularUse], 1);
    EXPECT_EQ(atSea[GnCol::Step], 100) << "still under way";

    EXPECT_EQ(lastHour[GnCol::Y], 4100);
    EXPECT_EQ(lastHour[GnCol::ExtraUse], 1) << "above 20 knots";
    EXPECT_EQ(lastHour[GnCol::Knots], 0) << "stopped at the end of its route";
    EXPECT_EQ(lastHour[GnCol::Step], 0);
    EXPECT_EQ(lastHour[GnCol::Course], 0);

    EXPECT_EQ(ashore[GnCol::X], kSicilyX - 300) << "the step onto Sicily is undone";
    EXPECT_EQ(ashore[GnCol::RouteHours], 0);
    EXPECT_EQ(ashore[GnCol::Step], 0);
    EXPECT_EQ(ashore[GnCol::RegularUse], 0);

    EXPECT_EQ(moored[GnCol::X], 8000);
    EXPECT_EQ(moored[GnCol::HoursUnderWay], 0) << "a group with no step does not count an hour under way";
    EXPECT_EQ(free[GnCol::X], 8000);
}

TEST_F(NavalHour, AnAlliedGroupLeavesTheMapAndRunsBeyondIt) {
    Globals& g = G();
    Int16* west = group(kAllies, 1, 150, 2500, 4, 300, 5);
    move(kAllies);
    EXPECT_EQ(west[GnCol::OffMap], 1) << "through the Gibraltar edge";
    EXPECT_EQ(west[GnCol::Course], 4);
    EXPECT_EQ(west[GnCol::Step], 300) << "an off-map group is not stopped";
    EXPECT_EQ(west[GnCol::RouteHours], 0);

    Int16* back = group(kAllies, 2, 0, 0, 5, 300, 1);
    back[GnCol::OffMap] = 1, back[GnCol::OffMapDistance] = 900;
    west[GnCol::InUse] = 0;
    move(kAllies);
    EXPECT_EQ(back[GnCol::OffMapDistance], 600);
    EXPECT_EQ(back[GnCol::RouteHours], 1);
    EXPECT_EQ(back[GnCol::Step], 300);
    EXPECT_EQ(back[GnCol::HoursUnderWay], 1);

    Int16* axis = group(kAxis, 1, 150, 2500, 4, 300, 5);
    move(kAxis);
    EXPECT_EQ(axis[GnCol::OffMap], 0) << "only Allied groups leave the map";
    EXPECT_EQ(axis[GnCol::Step], 0);
    EXPECT_EQ(g.GnTableAlle[1][GnCol::Course], 4) << "the Axis move wrote nothing into the Allied table";
}

TEST_F(NavalHour, ConsumptionWearsTheShips) {
    testcampaign::appendShips(
        kAllies,
        {{.group = 1, .operativity = 5}, {.group = 2, .operativity = 5}, {.group = 1, .operativity = 1}});
    Int16* worn = group(kAllies, 1, 8500, 4500, 5, 100, 5);
    worn[GnCol::RegularUse] = 19, worn[GnCol::ExtraUse] = 6, worn[GnCol::MinOperativity] = 1;
    Int16* fresh = group(kAllies, 2, 8500, 4000, 5, 100, 5);
    fresh[GnCol::RegularUse] = 18, fresh[GnCol::ExtraUse] = 6, fresh[GnCol::MinOperativity] = 3;
    move(kAllies);
    EXPECT_EQ(worn[GnCol::ExtraUse], 0);
    EXPECT_EQ(worn[GnCol::RegularUse], 0);
    EXPECT_EQ(worn[GnCol::MinOperativity], 1) << "down to 0, then 1 again at 4 knots";
    EXPECT_EQ(worn[GnCol::Knots], 4);
    EXPECT_EQ(worn[GnCol::Step], 40);
    EXPECT_EQ(fresh[GnCol::RegularUse], 19) << "25 is not yet worn";
    EXPECT_EQ(fresh[GnCol::MinOperativity], 3);

    Globals& g = G();
    const int count = openShipFile(kChannelShips, kAllies);
    QList<int> operativity;
    for (int r = 1; r <= count; ++r) {
        readShip(kChannelShips, r);
        operativity << int(g.ShipRecordBuffer.whole(F::OPERATIVITAM));
    }
    g.Files.close(kChannelShips);
    EXPECT_EQ(operativity, (QList<int>{4, 5, 1})) << "group 1's ships, never below 1";
}

TEST_F(NavalHour, SmallGroupsAtRestTurnToAmbush) {
    Globals& g = G();
    Int16* subs = group(kAllies, 1, 8500, 4500);
    subs[GnCol::Ships] = 3, subs[GnCol::Submarines] = 3, subs[GnCol::MinOperativity] = 2;
    Int16* tired = group(kAllies, 2, 8500, 4000);
    tired[GnCol::Ships] = 3, tired[GnCol::Submarines] = 3, tired[GnCol::MinOperativity] = 1;
    Int16* offMap = group(kAllies, 3, 0, 0);
    offMap[GnCol::Ships] = 2, offMap[GnCol::Destroyers] = 2, offMap[GnCol::OffMap] = 1;
    Int16* destroyers = group(kAxis, 1, 8000, 4500);
    destroyers[GnCol::Ships] = 2, destroyers[GnCol::Destroyers] = 2, destroyers[GnCol::Step] = 30;
    Int16* mixed = group(kAxis, 2, 8000, 4000);
    mixed[GnCol::Ships] = 2, mixed[GnCol::Destroyers] = 1, mixed[GnCol::Submarines] = 1;
    Int16* inPort = group(kAxis, 3, 8000, 3500);
    inPort[GnCol::Ships] = 1, inPort[GnCol::Destroyers] = 1, inPort[GnCol::InFriendlyPort] = 1;
    Int16* sailing = group(kAxis, 4, 8000, 3000, 5, 100, 2);
    sailing[GnCol::Ships] = 1, sailing[GnCol::Destroyers] = 1;
    Int16* burning = group(kAxis, 5, 8000, 2500);
    burning[GnCol::Ships] = 1, burning[GnCol::Destroyers] = 1, burning[GnCol::Fires] = 1;
    setAmbushes();
    EXPECT_EQ(subs[GnCol::Order], 5);
    EXPECT_EQ(destroyers[GnCol::Order], 5);
    EXPECT_EQ(destroyers[GnCol::Step], 0) << "an ambush waits";
    for (const Int16* r : {tired, offMap, mixed, inPort, sailing, burning}) EXPECT_NE(r[GnCol::Order], 5);
    EXPECT_EQ(g.GnTableAsse[50][GnCol::Order], 0) << "free rows stay";
}

TEST_F(NavalHour, BasesSeeToTheirRange) {
    Globals& g = G();
    g.BaseMapXY[12][1] = 5000, g.BaseMapXY[12][2] = 3000; // look-out point (5100, 3100)
    g.BaseLevel[12] = 1;
    g.BaseLevel[13] = 0; // a base outside levels 1..6 does not look out
    group(kAxis, 1, 5100 + 900, 3100);
    const struct {
        int level, weather, x, sightings;
    } cases[] = {{1, 0, 900, 1}, {1, 0, 901, 0}, {2, 3, 630, 1}, {2, 3, 631, 0}, {3, 1, 660, 1},
                 {4, 1, 661, 0}, {5, 0, 650, 1}, {6, 3, 380, 1}, {6, 3, 381, 0}};
    for (const auto& c : cases) {
        g.BaseLevel[12] = c.level;
        g.setState(StateItem::Weather, c.weather);
        g.GnTableAsse[1][GnCol::X] = 5100 + c.x;
        EXPECT_EQ(rollsOf(alliedBaseLookouts, 7), c.sightings) << c.level << " " << c.weather << " " << c.x;
    }
    EXPECT_EQ(g.ContactDistance, 381) << "the last distance measured";

    // The Axis bases look at every Allied group in use, also one beyond the map edge.
    for (int b = 1; b <= 11; ++b) g.BaseLevel[b] = 0;
    g.BaseLevel[7] = 5;
    g.BaseMapXY[7][1] = 4870, g.BaseMapXY[7][2] = 6000;
    g.setState(StateItem::Weather, 0);
    group(kAllies, 2, 4970, 6100 - 650);
    group(kAllies, 3, 4970, 6100 - 651);
    Int16* offMap = group(kAllies, 4, 0, 0);
    offMap[GnCol::OffMap] = 1;
    g.BaseMapXY[1][1] = -100, g.BaseMapXY[1][2] = -100;
    g.BaseLevel[1] = 1;
    EXPECT_EQ(rollsOf(axisBaseLookouts, 7), 2);
    EXPECT_EQ(g.EncounterGnAsse, 0);
    EXPECT_EQ(lookoutRange(0, 0), -1);
    EXPECT_EQ(lookoutRange(7, 0), -1);
}

TEST_F(NavalHour, GroupsMeetWithinTheirRange) {
    Globals& g = G();
    Int16* allied = group(kAllies, 1, 5000, 3000);
    Int16* axis = group(kAxis, 2, 5300, 3000);
    EXPECT_EQ(rollsOf(navalEncounters, 8), 2) << "300 apart without aircraft";
    EXPECT_EQ(g.EncounterGnAlle, 1);
    EXPECT_EQ(g.EncounterGnAsse, 2);
    EXPECT_EQ(g.ContactDistance, 300);
    axis[GnCol::X] = 5301;
    EXPECT_EQ(rollsOf(navalEncounters, 8), 0);
    axis[GnCol::CapLevel] = 4; // either side's CAP level widens the range
    axis[GnCol::X] = 5540;
    EXPECT_EQ(rollsOf(navalEncounters, 8), 2);
    EXPECT_EQ(g.EncounterCapLevel, 4);
    axis[GnCol::X] = 5541;
    EXPECT_EQ(rollsOf(navalEncounters, 8), 0);
    axis[GnCol::CapLevel] = 0, allied[GnCol::CapLevel] = 4, axis[GnCol::X] = 5500;
    EXPECT_EQ(rollsOf(navalEncounters, 8), 2);
    allied[GnCol::OffMap] = 1;
    EXPECT_EQ(rollsOf(navalEncounters, 8), 0) << "an Allied group off the map meets nobody";
    allied[GnCol::OffMap] = 0, axis[GnCol::InUse] = 0;
    EXPECT_EQ(rollsOf(navalEncounters, 8), 0);

    countGroupHours();
    EXPECT_EQ(allied[GnCol::HoursSinceFormed], 1);
    EXPECT_EQ(axis[GnCol::HoursSinceFormed], 0) << "a free row counts no hours";
}
