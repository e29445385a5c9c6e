// The projected route of a naval group against the hour that then sails it, on the shipped map;
// and the route-plot buttons of the naval panel as a player drives them.
#include "game/orders/RoutePlot.h"

#include "NavalPanelFixture.h"
#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"
#include "game/main/NavalHour.h"
#include "tests/common/CampaignFixture.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Middle of Sicily, less the offset of the middle of a group's box.
constexpr int kSicilyX = 5477 - 50, kSicilyY = 2911 - 40;

class RouteAhead : public ::testing::Test {
  protected:
    void SetUp() override {
        G().MapPicturePath = platform::appFolder() + "\\ArchBmp\\Med1colDay.Bmp";
        ASSERT_FALSE(reloadCleanMap().isNull());
    }
    static Int16* group(int side, int n, int x, int y, int course, int step, int routeHours) {
        Int16* r = G().gnTable(side)[n];
        for (int c = 1; c <= kGroupColumns; ++c) r[c] = 0;
        r[GnCol::InUse] = 1, r[GnCol::Ships] = 3, r[GnCol::MinOperativity] = 50, r[GnCol::X] = x;
        r[GnCol::Y] = y, r[GnCol::Course] = course, r[GnCol::Step] = step, r[GnCol::RouteHours] = routeHours;
        r[GnCol::Knots] = 10;
        return r;
    }
    // Where the hour puts the group, hour after hour, for as many hours as it had route hours.
    static std::vector<QPoint> sailed(int side, int n) {
        Globals& g = G();
        const Int16* r = g.gnTable(side)[n];
        std::vector<QPoint> at;
        for (int h = r[GnCol::RouteHours]; h > 0; --h) {
            g.CurrentSide = Int16(side);
            moveNavalGroups();
            g.CurrentSide = 0;
            at.emplace_back(r[GnCol::X], r[GnCol::Y]);
        }
        return at;
    }
    CampaignFolder campaign{QStringLiteral("Prova"), true};
};

} // namespace

TEST_F(RouteAhead, TheRouteIsWhereTheHourSailsTheGroup) {
    Globals& g = G();
    group(kAllies, 1, 8500, 4500, 5, 150, 3);
    const std::vector<QPoint> east = routeAhead(kAllies, 1);
    ASSERT_EQ(east.size(), 3u);
    EXPECT_EQ(east[0], QPoint(8650, 4500));
    EXPECT_EQ(east[1], QPoint(8800, 4500));
    EXPECT_EQ(east[2], QPoint(8950, 4500));
    EXPECT_EQ(g.gnTable(kAllies)[1][GnCol::RouteHours], 3) << "the projection sails nothing";
    EXPECT_EQ(sailed(kAllies, 1), east);

    // Toward Sicily: the hour that would run aground leaves the group at its last sea point and
    // stops it; the route ends there, though route hours were left.
    group(kAxis, 2, kSicilyX - 1000, kSicilyY, 5, 200, 6);
    const std::vector<QPoint> aground = routeAhead(kAxis, 2);
    ASSERT_EQ(aground.size(), 3u);
    EXPECT_EQ(aground[1], QPoint(kSicilyX - 600, kSicilyY));
    EXPECT_EQ(aground[2], aground[1]);
    const std::vector<QPoint> hours = sailed(kAxis, 2);
    EXPECT_EQ(std::vector<QPoint>(hours.begin(), hours.begin() + 3), aground);
    EXPECT_EQ(hours.back(), aground.back()) << "the group lies there for the hours left";
}

TEST_F(RouteAhead, AGroupThatDoesNotMoveHasItsRouteOnItsOwnPoint) {
    Globals& g = G();
    group(kAllies, 1, 8500, 4500, 0, 100, 3); // no course
    group(kAllies, 2, 8500, 4000, 5, 0, 2);   // no step
    group(kAllies, 3, 8500, 3500, 5, 100, 0); // no route hours
    group(kAllies, 4, 0, 0, 5, 100, 3)[GnCol::OffMap] = 1;
    group(kAllies, 5, 8500, 3000, 5, 100, 3)[GnCol::InUse] = 0;
    g.GnPosX = 111, g.GnPosY = 222, g.GnRouteHours = 7, g.GnOffMap = 2, g.WorkingGnIndex = 9;
    g.CurrentSide = kAxis;

    EXPECT_EQ(routeAhead(kAllies, 1), std::vector<QPoint>(3, QPoint(8500, 4500)));
    EXPECT_EQ(routeAhead(kAllies, 2), std::vector<QPoint>(2, QPoint(8500, 4000)));
    EXPECT_TRUE(routeAhead(kAllies, 3).empty());
    EXPECT_TRUE(routeAhead(kAllies, 4).empty()) << "off the map";
    EXPECT_TRUE(routeAhead(kAllies, 5).empty()) << "not in use";
    EXPECT_TRUE(routeAhead(kAllies, 51).empty());

    // The working group the panels hold is given back untouched.
    EXPECT_EQ(g.GnPosX, 111);
    EXPECT_EQ(g.GnPosY, 222);
    EXPECT_EQ(g.GnRouteHours, 7);
    EXPECT_EQ(g.GnOffMap, 2);
    EXPECT_EQ(g.WorkingGnIndex, 9);
    EXPECT_EQ(g.CurrentSide, kAxis);
}

namespace {

class RoutePlotButtons : public NavalPanelFixture {
  protected:
    static Int16* sailing(int side, int n, int x, int y, int course, int step, int hours) {
        Int16* r = group(side, n, x, y);
        r[GnCol::Knots] = 12, r[GnCol::Step] = step, r[GnCol::Course] = course, r[GnCol::RouteHours] = hours;
        return r;
    }
    // The colour at the top-left corner of a route box (the box's own line).
    static long boxAt(FrmMain& f, QPoint p) { return f.PicBitMap.point(p.x(), p.y() + 40); }
};

} // namespace

TEST_F(RoutePlotButtons, OneGroupsRouteInTheChosenColourThenWiped) {
    sailing(kAllies, 2, 7000, 4500, 5, 150, 3);
    FrmMain& f = openNaval(kAllies);
    Globals& g = G();
    pick(f, 2);
    EXPECT_EQ(f.RoutePlotColour, QString::number(vbWhite));

    f.Label61.doClick();
    EXPECT_EQ(f.RoutePlotColour, QString::number(vbGreen));
    EXPECT_EQ(f.Label61.borderStyle(), 1);
    EXPECT_EQ(f.Label62.borderStyle(), 0);
    EXPECT_EQ(f.Label63.borderStyle(), 0);
    f.Command13.doClick();
    EXPECT_EQ(boxAt(f, {7150, 4500}), vbGreen);
    EXPECT_EQ(boxAt(f, {7450, 4500}), vbGreen);
    EXPECT_NE(boxAt(f, {7600, 4500}), vbGreen) << "three route hours, three boxes";
    EXPECT_EQ(g.RoutePointX, 7450);
    EXPECT_EQ(g.gnTable(kAllies)[2][GnCol::X], 7000) << "a plot moves no group";

    f.Label62.doClick();
    EXPECT_EQ(f.RoutePlotColour, QString::number(vbMagenta));
    EXPECT_EQ(f.Label61.borderStyle(), 0);
    EXPECT_EQ(f.Label62.borderStyle(), 1);
    EXPECT_EQ(boxAt(f, {7450, 4500}), vbGreen) << "what is drawn keeps its colour";

    f.Command14.doClick();
    EXPECT_NE(boxAt(f, {7450, 4500}), vbGreen);
    EXPECT_EQ(g.GnOrder, 0);
    EXPECT_FALSE(f.List12.visible());
}

TEST_F(RoutePlotButtons, EveryGroupsRouteDisablesTheCoursePadUntilNavalModeAgain) {
    sailing(kAllies, 2, 7000, 4500, 5, 150, 2);
    sailing(kAllies, 5, 8000, 3500, 7, 100, 2);
    group(kAllies, 6, 9000, 4000)[GnCol::Order] = kNavalAmbush;
    sailing(kAxis, 3, 9000, 3000, 5, 100, 2);
    FrmMain& f = openNaval(kAllies);
    pick(f, 2);
    f.Label62.doClick();

    f.Command21.doClick();
    EXPECT_EQ(boxAt(f, {7300, 4500}), vbMagenta);
    EXPECT_EQ(boxAt(f, {8000, 3700}), vbMagenta);
    EXPECT_EQ(f.PicBitMap.point(9000 + 121, 4000), vbCyan) << "the ambush circles";
    EXPECT_NE(boxAt(f, {9200, 3000}), vbMagenta) << "only the side's own groups";
    EXPECT_FALSE(f.Frame5.enabled());
    EXPECT_EQ(f.Label60.caption(), "");

    f.Command16.doClick();
    EXPECT_TRUE(f.Frame5.enabled());
    EXPECT_NE(boxAt(f, {7300, 4500}), vbMagenta) << "the map is clean again";
    EXPECT_EQ(f.Label79.caption(), G().GameState[StateItem::Activities]);
}

TEST_F(RoutePlotButtons, AGroupAtGibraltarOrNonePickedPlotsNothing) {
    const int gx = 5 + 20, gy = 3320 + 20; // inside GIBILTERRA's box
    sailing(kAllies, 4, gx, gy, 5, 150, 3);
    sailing(kAllies, 7, 7000, 4500, 5, 150, 3);
    FrmMain& f = openNaval(kAllies);
    Globals& g = G();
    f.Label62.doClick();

    f.Command13.doClick();
    EXPECT_NE(boxAt(f, {7150, 4500}), vbMagenta) << "no group picked";
    pick(f, 4);
    ASSERT_EQ(g.BaseUnderGn, 14);
    f.Label62.doClick();
    f.Command13.doClick();
    EXPECT_NE(boxAt(f, {gx, gy}), vbMagenta);
    EXPECT_NE(boxAt(f, {gx + 150, gy}), vbMagenta);
}
