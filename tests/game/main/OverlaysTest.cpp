// The map overlays and the reports of the hour, and the marks printed beside the groups: activity
// zones, the hour's contact lines, base radii, group marks and routes, target circles, the
// percentile die and the mine messages.
#include "game/main/FrmMain.h"

#include "MainWindowFixture.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/MapRoutines.h"
#include "game/main/MapMarks.h"
#include "game/main/MapOverlays.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class Overlays : public MainWindowFixture {
  protected:
    static void writeActivities(const QList<ActivityRecord>& records) {
        openActivityFile(20);
        int n = 0;
        for (const ActivityRecord& a : records) G().Files.random(20).put(++n, encodeActivity(a));
        G().Files.close(20);
    }
    // A colour within two pixels of a map point (a line's pixel may fall either side of it).
    static bool near(FrmMain& f, int x, int y, long colour) {
        for (int dx = -15; dx <= 15; dx += 5)
            for (int dy = -15; dy <= 15; dy += 5)
                if (f.PicBitMap.point(x + dx, y + dy) == colour) return true;
        return false;
    }
    static Int16* group(int side, int n, int x, int y) {
        Int16* r = G().gnTable(side)[n];
        r[GnCol::InUse] = 1, r[GnCol::Ships] = 1, r[GnCol::X] = x, r[GnCol::Y] = y;
        return r;
    }
};

} // namespace

TEST_F(Overlays, ActivityZonesShrinkWithAgeAndTheHoursOwnAreRed) {
    FrmMain& f = open({.hour = 10});
    writeActivities({{1, 10, 100, 200, 1, 1}, {1, 10, 110, 210, 2, 1}, {1, 10, 120, 220, 3, 1}});
    const std::vector<MapCircle> three = activityZones();
    const std::vector<int> radii = {140, 180, 139, 179, 138, 178};
    ASSERT_EQ(three.size(), radii.size());
    for (size_t i = 0; i < radii.size(); ++i) {
        EXPECT_EQ(three[i].radius, radii[i]) << i;
        EXPECT_EQ(three[i].colour, i % 2 == 0 ? vbBlue : vbRed) << i;
    }
    EXPECT_EQ(three[0].x, 120) << "the newest first";

    // Only the newest 120 are drawn, and only those of the present hour in red.
    QList<ActivityRecord> many;
    for (int i = 1; i <= 200; ++i) many << ActivityRecord{1, Int16(i > 198 ? 10 : 9), 500, 500, float(i), 1};
    writeActivities(many);
    const std::vector<MapCircle> zones = activityZones();
    EXPECT_EQ(zones.size(), 122u) << "120 blue, 2 red";
    EXPECT_EQ(zones.back().radius, 21);
    EXPECT_EQ(zones.back().colour, vbBlue);
    f.Image27_Click();
    EXPECT_EQ(f.ActivityCircleCount, 120);
}

TEST_F(Overlays, TheContactListShowsTheNavalContactsTheSideSaw) {
    ContactRecord c{};
    c.STVEDELATO1 = 1, c.STNSTACKLATO2 = 7, c.STNUMNAVILATO2 = 4, c.STNODILATO2 = 24, c.STDISTANZA = 150;
    c.STB2 = kActNavalMeeting;
    EXPECT_EQ(contactLine(c, kAllies).value_or("-"), "GN:7 N:4 K:24 (150)");
    EXPECT_FALSE(contactLine(c, kAxis)) << "the Axis did not see";
    c.STATTACCOLATO1 = 1;
    EXPECT_EQ(contactLine(c, kAllies).value_or("-"), "GN:7 N:4 K:24 (150) ATT");
    c.STATTACCOLATO1 = 0, c.STB2 = kActAxisBombardment;
    EXPECT_EQ(contactLine(c, kAllies).value_or("-"), "GN:7 N:4 K:24 (150) BmNv");
    for (int kind = kActAlliedAirOnShips; kind <= kActAxisAirStrike; ++kind) {
        c.STB2 = Int16(kind);
        EXPECT_FALSE(contactLine(c, kAllies)) << kind;
    }

    // With no contact this hour the panel opens empty, over the group marks.
    FrmMain& f = open({.contacts = 0});
    f.Command5_Click();
    f.Image29_Click();
    EXPECT_TRUE(f.Frame27.visible());
    EXPECT_EQ(f.List9.listCount(), 0);
    EXPECT_FALSE(f.Command19.visible());
}

TEST_F(Overlays, BaseRadiiFollowTheLevelAndTheWeather) {
    EXPECT_EQ(baseDetectionRadius(2, 3), 800);
    EXPECT_EQ(baseDetectionRadius(3, 3), 600);
    EXPECT_EQ(baseDetectionRadius(6, 3), 500);
    EXPECT_EQ(baseDetectionRadius(1, 0), 1100);
    EXPECT_EQ(baseDetectionRadius(0, 0), 0) << "a base of no level draws no radius";
}

TEST_F(Overlays, TheSidesGroupsAreMarkedAndTheEnemyGroupsItSawNumbered) {
    group(kAxis, 1, 4000, 4000);
    group(kAllies, 2, 5000, 5000)[GnCol::Seen] = 2;
    group(kAllies, 3, 6000, 5000);
    FrmMain& f = open();
    f.Command6_Click();
    Globals& g = G();
    g.GnPosX = 77;
    f.TracciaGNAmici();
    EXPECT_NE(f.PicBitMap.point(4060, 4040), vbRed) << "nothing without the flag";
    g.GroupMarksFlag = 1;
    f.TracciaGNAmici();
    g.GroupMarksFlag = 0;
    EXPECT_EQ(f.PicBitMap.point(4060, 4040), vbRed);
    EXPECT_TRUE(near(f, 5000, 5060, vbBlack));
    EXPECT_FALSE(near(f, 6000, 5060, vbBlack)) << "an enemy group not seen";
    EXPECT_EQ(g.InterceptGn, 2);
    EXPECT_EQ(g.InterceptPoint[0], 5000);
    EXPECT_EQ(g.GnPosX, 77) << "the working group is left as it was";
}

TEST_F(Overlays, GroupSymbolsTellTheMakeOfTheGroup) {
    Int16* destroyers = group(kAxis, 1, 1000, 1000);
    destroyers[GnCol::Ships] = 3, destroyers[GnCol::Destroyers] = 3, destroyers[GnCol::MineHit] = 1;
    Int16* mixed = group(kAllies, 2, 1000, 1000);
    mixed[GnCol::Ships] = 4, mixed[GnCol::Destroyers] = 2, mixed[GnCol::Carriers] = 1;
    Int16* offMap = group(kAllies, 3, 0, 0);
    offMap[GnCol::OffMap] = 1;
    Int16* axisCarrier = group(kAxis, 4, 1000, 1000);
    axisCarrier[GnCol::Carriers] = 1;

    const GroupSymbols d = groupSymbols(kAxis, 1);
    EXPECT_TRUE(d.warships);
    EXPECT_EQ(d.number, "1[m]");
    const GroupSymbols m = groupSymbols(kAllies, 2);
    EXPECT_FALSE(m.warships) << "one merchant ship among warships";
    EXPECT_TRUE(m.carriers);
    EXPECT_EQ(m.number, "2");
    EXPECT_FALSE(groupSymbols(kAllies, 3).shown) << "off the map";
    EXPECT_FALSE(groupSymbols(kAxis, 4).carriers) << "only Allied groups show their carriers";
    EXPECT_TRUE(groupSymbols(kAxis, 4).warships);
}

TEST_F(Overlays, RoutesRunAheadOfTheGroupsAndAmbushesEndInCircles) {
    Int16* sailing = group(kAxis, 1, 3000, 3000);
    sailing[GnCol::RouteHours] = 2, sailing[GnCol::Step] = 300, sailing[GnCol::Course] = 5;
    Int16* ambush = group(kAxis, 2, 8000, 5500);
    ambush[GnCol::Order] = kNavalAmbush;
    Int16* still = group(kAxis, 3, 9000, 3000);
    still[GnCol::Step] = 300, still[GnCol::Course] = 5;
    ships[1] = {{.group = 1}, {.group = 1}, {.group = 2}, {.group = 3}};
    FrmMain& f = open();
    f.Command6_Click();
    G().GnPosX = 77;
    DisegnaRotteGN();
    EXPECT_TRUE(near(f, 3300, 3040, vbWhite));
    EXPECT_TRUE(near(f, 3600, 3040, vbWhite));
    EXPECT_FALSE(near(f, 3900, 3040, vbWhite)) << "two route hours, two boxes";
    EXPECT_TRUE(near(f, 8000 + 221, 5500, vbCyan)) << "ambush circles about its own point";
    EXPECT_FALSE(near(f, 9300, 3040, vbWhite)) << "no route hours, no route";
    EXPECT_EQ(G().GnPosX, 77);
}

TEST_F(Overlays, RoutesLookAsIfDrawnOncePerShipInFileOrder) {
    // An ambush that ends on another group's route, their ships interleaved in the file: the
    // route of group 1, whose ship comes last, lies over the ambush circles.
    Int16* a = group(kAxis, 1, 3000, 3000);
    a[GnCol::RouteHours] = 6, a[GnCol::Step] = 150, a[GnCol::Course] = 8;
    Int16* b = group(kAxis, 2, 3900, 3000);
    b[GnCol::RouteHours] = 3, b[GnCol::Step] = 150, b[GnCol::Course] = 6, b[GnCol::Order] = kNavalAmbush;
    ships[1] = {{.group = 1}, {.group = 2}, {.group = 1}, {.group = 2}, {.group = 1}};
    FrmMain& f = open();
    f.Command6_Click();
    RicaricaMappa();
    DisegnaRotteGN();
    const QImage drawn = f.PicBitMap.image();

    RicaricaMappa();
    for (int gn : {1, 2, 1, 2, 1}) {
        const Int16* r = G().GnTableAsse[gn];
        for (int pass = 0; pass < (r[GnCol::Order] == kNavalAmbush ? 2 : 1); ++pass) {
            int x = r[GnCol::X], y = r[GnCol::Y];
            const int dx = r[GnCol::Course] == 8 ? 150 : -150;
            for (int h = 0; h < r[GnCol::RouteHours]; ++h) {
                x += dx, y += 150;
                f.PicBitMap.box(x, y, x + 120, y + 80, vbWhite, false);
            }
            if (r[GnCol::Order] == kNavalAmbush)
                for (int radius : {121, 221, 321}) f.PicBitMap.circle(x, y, radius, vbCyan);
        }
    }
    EXPECT_TRUE(f.PicBitMap.image() == drawn);
}

TEST_F(Overlays, TheTargetCircleGoesWithTheKindOfMapClick) {
    Globals& g = G();
    g.SideColour = vbRed;
    const struct {
        int mode, radius;
        long colour;
    } cases[] = {{0, 120, vbRed},  {1, 520, vbYellow}, {2, 420, vbRed},     {3, 320, vbBlack},
                 {4, 160, vbCyan}, {9, 120, vbWhite},  {-1, 520, vbMagenta}};
    for (const auto& c : cases) {
        g.MapClickMode = Int16(c.mode);
        ColoreFascia();
        EXPECT_EQ(g.TargetCircleRadius, c.radius) << c.mode;
        EXPECT_EQ(g.TargetCircleColour, QString::number(c.colour)) << c.mode;
    }
    g.MapClickMode = 5;
    ColoreFascia();
    EXPECT_EQ(g.TargetCircleRadius, 520);
    EXPECT_EQ(g.TargetCircleColour, "16711935");
}

TEST_F(Overlays, TheDieTheMinesAndTheHourOfMineLaying) {
    FrmMain& f = open({.hour = 2});
    {
        ChosenDice dice({57});
        f.Label1.doClick();
        EXPECT_EQ(f.Label1.caption(), "57");
        EXPECT_EQ(dice.sides, QList<int>{100});
    }
    f.Label17.doDblClick();
    EXPECT_EQ(f.Label17.caption(), "POSA MINE SOLO ALLE ORE 1:00");
    G().setState(StateItem::Hour, 1);
    f.Label17.setCaption(QStringLiteral("prima"));
    f.Label95_Click();
    EXPECT_EQ(f.Label17.caption(), "prima") << "at one o'clock with no side in play nothing happens";
}
