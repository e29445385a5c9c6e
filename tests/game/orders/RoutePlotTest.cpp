// The projected route of a naval group against the hour that then sails it, on the shipped map;
// and the route-plot buttons of the naval panel.
#include "game/orders/RoutePlot.h"

#include "NavalPanelFixture.h"
#include "common/MapRoutines.h"
#include "game/main/NavalHour.h"
#include "tests/common/CampaignFixture.h"

using namespace platform;

namespace {

class RouteAhead : public ::testing::Test {
  protected:
    void SetUp() override {
        G().MapPicturePath = appFolder() + "\\ArchBmp\\Med1colDay.Bmp";
        ASSERT_FALSE(reloadCleanMap().isNull());
    }
    static void group(int side, int n, int x, int y, int course, int step, int routeHours) {
        Int16* r = G().gnTable(side)[n];
        r[GnCol::InUse] = 1, r[GnCol::Ships] = 3, r[GnCol::MinOperativity] = 50, r[GnCol::X] = x;
        r[GnCol::Y] = y, r[GnCol::Course] = course, r[GnCol::Step] = step, r[GnCol::RouteHours] = routeHours;
    }
    // Where the hour puts the group, hour after hour, for as many hours as it had route hours.
    static std::vector<QPoint> sailed(int side, int n) {
        const Int16* r = G().gnTable(side)[n];
        std::vector<QPoint> at;
        for (int h = r[GnCol::RouteHours]; h > 0; --h) {
            G().CurrentSide = Int16(side);
            moveNavalGroups();
            at.emplace_back(r[GnCol::X], r[GnCol::Y]);
        }
        return at;
    }
    CampaignFolder campaign{QStringLiteral("Prova"), true};
};

} // namespace

TEST_F(RouteAhead, TheRouteIsWhereTheHourSailsTheGroup) {
    group(kAllies, 1, 8500, 4500, 5, 150, 3);
    const std::vector<QPoint> east = routeAhead(kAllies, 1);
    ASSERT_EQ(east.size(), 3u);
    EXPECT_EQ(east[2], QPoint(8950, 4500));
    EXPECT_EQ(sailed(kAllies, 1), east);

    // Toward Sicily's west coast: the hour that would run aground leaves the group at its last sea
    // point and stops it; the route ends there, though route hours were left.
    group(kAxis, 2, 4427, 2871, 5, 200, 6);
    const std::vector<QPoint> aground = routeAhead(kAxis, 2);
    ASSERT_EQ(aground.size(), 3u);
    EXPECT_EQ(aground[2], QPoint(4827, 2871));
    const std::vector<QPoint> hours = sailed(kAxis, 2);
    EXPECT_EQ(std::vector<QPoint>(hours.begin(), hours.begin() + 3), aground);
}

TEST_F(RouteAhead, AGroupThatDoesNotMoveHasItsRouteOnItsOwnPoint) {
    Globals& g = G();
    group(kAllies, 1, 8500, 4500, 0, 100, 3); // no course
    group(kAllies, 2, 8500, 4000, 5, 0, 2);   // no step
    group(kAllies, 3, 0, 0, 5, 100, 3);
    g.gnTable(kAllies)[3][GnCol::OffMap] = 1;
    g.GnPosX = 111, g.GnRouteHours = 7, g.WorkingGnIndex = 9;

    EXPECT_EQ(routeAhead(kAllies, 1), std::vector<QPoint>(3, QPoint(8500, 4500)));
    EXPECT_EQ(routeAhead(kAllies, 2), std::vector<QPoint>(2, QPoint(8500, 4000)));
    EXPECT_TRUE(routeAhead(kAllies, 3).empty()) << "off the map";
    // The working group the panels hold is given back untouched.
    EXPECT_EQ(g.GnPosX, 111);
    EXPECT_EQ(g.GnRouteHours, 7);
    EXPECT_EQ(g.WorkingGnIndex, 9);
}

namespace {
class RoutePlotButtons : public NavalPanelFixture {
  protected:
    static void sailing(int n, int x, int y, int course, int step, int hours) {
        Int16* r = group(kAllies, n, x, y);
        r[GnCol::Knots] = 12, r[GnCol::Step] = step, r[GnCol::Course] = course, r[GnCol::RouteHours] = hours;
    }
    // The colour on the left side of a route box at a point.
    static long boxAt(FrmMain& f, int x, int y) { return f.PicBitMap.point(x, y + 40); }
};
} // namespace

TEST_F(RoutePlotButtons, OneGroupsRouteInTheChosenColourThenWiped) {
    sailing(2, 7000, 4500, 5, 150, 3);
    FrmMain& f = openNaval(kAllies);
    f.Label61.doClick();
    f.Command13.doClick();
    EXPECT_NE(boxAt(f, 7150, 4500), vbGreen) << "no group picked";

    pick(f, 2);
    f.Label61.doClick();
    EXPECT_EQ(f.Label61.borderStyle(), 1);
    EXPECT_EQ(f.Label63.borderStyle(), 0);
    f.Command13.doClick();
    EXPECT_EQ(boxAt(f, 7150, 4500), vbGreen);
    EXPECT_EQ(boxAt(f, 7450, 4500), vbGreen);
    EXPECT_NE(boxAt(f, 7600, 4500), vbGreen) << "three route hours, three boxes";

    f.Command14.doClick();
    EXPECT_NE(boxAt(f, 7450, 4500), vbGreen);
    EXPECT_EQ(G().GnOrder, 0);

    Int16* recon = G().gaTable(kAllies)[4];
    recon[GaCol::InUse] = 1, recon[GaCol::Order] = kOrderRecon;
    recon[GaCol::TargetX] = 8000, recon[GaCol::TargetY] = 4600;
    f.Image7.doClick();
    EXPECT_EQ(f.PicBitMap.point(8000 + 520, 4600), vbGreen) << "the reconnaissance area";
}

TEST_F(RoutePlotButtons, EveryGroupsRouteDisablesTheCoursePadUntilTheReset) {
    sailing(2, 7000, 4500, 5, 150, 2);
    sailing(5, 8000, 3500, 7, 100, 2);
    group(kAllies, 6, 9000, 4000)[GnCol::Order] = kNavalAmbush;
    group(kAxis, 3, 9000, 3000)[GnCol::RouteHours] = 2;
    FrmMain& f = openNaval(kAllies);
    pick(f, 2);
    f.Label62.doClick();

    f.Command21.doClick();
    EXPECT_EQ(boxAt(f, 7300, 4500), vbMagenta);
    EXPECT_EQ(boxAt(f, 8000, 3700), vbMagenta);
    EXPECT_EQ(f.PicBitMap.point(9000 + 121, 4000), vbCyan) << "the ambush circles";
    EXPECT_NE(boxAt(f, 9000, 3000), vbMagenta) << "only the side's own groups";
    EXPECT_FALSE(f.Frame5.enabled());

    f.Command16.doClick();
    EXPECT_TRUE(f.Frame5.enabled());
    EXPECT_NE(boxAt(f, 7300, 4500), vbMagenta) << "the map is clean again";
}

// A pick in the list of groups draws the route as route button "1" does: toward Sicily's west
// coast it stops where the group would run aground, though route hours are left.
TEST_F(RoutePlotButtons, APickDrawsTheRouteAsTheRouteButtonDoesStoppingAtTheCoast) {
    sailing(2, 4427, 2871, 5, 200, 6);
    FrmMain& f = openNaval(kAllies);
    pick(f, 2);
    for (int x : {4627, 4827}) EXPECT_EQ(boxAt(f, x, 2871), vbWhite) << x;
    for (int x : {5027, 5227, 5427, 5627}) EXPECT_NE(boxAt(f, x, 2871), vbWhite) << x << ": on land";
    EXPECT_EQ(G().RoutePointX, 4827) << "the route ends at its last sea point";

    f.Label61.doClick();
    f.Command13.doClick();
    for (int x : {4627, 4827}) EXPECT_EQ(boxAt(f, x, 2871), vbGreen) << x;
    for (int x : {5027, 5227, 5427, 5627}) EXPECT_NE(boxAt(f, x, 2871), vbGreen) << x;
}
