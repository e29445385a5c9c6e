// One hourly step of a naval group on the shipped map: moves along the eight courses, the land
// test, and the runs beyond the Gibraltar and Alexandria edges with chosen dice.
#include "common/MapRoutines.h"
#include "MapForm.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
class NavalMove : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        PictureBox& map = form<MapForm>().PicBitMap;
        ASSERT_TRUE(map.loadPicture(folder.path() + "\\ArchBmp\\Med1colDay.Bmp"));
        map.setScale(0, 0, 15250, 6930);
        G().MapPicture = &map;
        G().MapPicturePath = folder.path() + "\\ArchBmp\\Med1colDay.Bmp";
        reloadCleanMap();
        setProblemSink([](const QString& m) { showError(m); });
        G().BaseMapXY[14][1] = 100;
        G().BaseMapXY[14][2] = 2600;
        G().BaseMapXY[15][1] = 15000;
        G().BaseMapXY[15][2] = 5200;
    }
    void TearDown() override {
        setProblemSink({});
        resetGlobals();
        platform::testing::resetForms();
    }
    void group(int side, int x, int y, int course, int step, int knots = 15, int routeHours = 5) {
        Globals& g = G();
        g.CurrentSide = side;
        g.WorkingGnIndex = 7;
        g.GnPosX = x;
        g.GnPosY = y;
        g.GnCourse = course;
        g.GnSpeed = step;
        g.GnKnots = knots;
        g.GnRouteHours = routeHours;
        g.GnEntryY = 0;
        g.GnRegularUse = 0;
        g.GnExtraUse = 0;
        g.GnOffMap = 0;
        g.GnOffMapDistance = 0;
        g.BaseUnderGn = 0;
        g.GnStoppedFlag = 0;
    }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};

// Steps of the eight courses, 1 NO .. 8 SE.
const int kDx[9] = {0, -1, 0, 1, -1, 1, -1, 0, 1};
const int kDy[9] = {0, -1, -1, -1, 0, 0, 1, 1, 1};
// Middle of Sicily (14.0 E, 37.5 N), less the offset of the middle of a group's box.
constexpr int kSicilyX = 5477 - 50, kSicilyY = 2911 - 40;
} // namespace

TEST_F(NavalMove, EightCoursesAtSea) {
    for (int course = 1; course <= 8; ++course) {
        group(kAxis, 8500, 4500, course, 300, 21);
        G().GnRegularUse = 2;
        MuoviGN();
        EXPECT_EQ(G().GnPosX, 8500 + 300 * kDx[course]) << course;
        EXPECT_EQ(G().GnPosY, 4500 + 300 * kDy[course]) << course << " diagonals move both by the full step";
        EXPECT_EQ(G().GnOldPos[0], 8500);
        EXPECT_EQ(G().LastSeaPos[0], G().GnPosX);
        EXPECT_EQ(G().GnRouteHours, 4);
        EXPECT_EQ(G().GnRegularUse, 3);
        EXPECT_EQ(G().GnExtraUse, 1) << "above 20 knots the extra consumption counts";
    }
    group(kAxis, 8500, 4500, 0, 300);
    MuoviGN();
    EXPECT_EQ(G().GnPosX, 8500) << "a stopped group stays";
}

TEST_F(NavalMove, EightCoursesOntoLandAreUndone) {
    for (int course = 1; course <= 8; ++course) {
        const int x = kSicilyX - 400 * kDx[course], y = kSicilyY - 400 * kDy[course];
        group(kAllies, x, y, course, 400);
        MuoviGN();
        EXPECT_EQ(G().GnPosX, x) << course;
        EXPECT_EQ(G().GnPosY, y) << course;
        EXPECT_EQ(G().LastSeaPos[0], x);
        EXPECT_EQ(G().GnRouteHours, 0) << "the route ends on land";
        EXPECT_EQ(G().GnOffMap, 0) << "land inside the map is no edge";
        EXPECT_EQ(G().GnRegularUse, 0);
    }
}

TEST_F(NavalMove, OnlyAlliedGroupsLeaveTheMap) {
    group(kAxis, 150, 2500, 4, 300);
    MuoviGN();
    EXPECT_EQ(G().GnPosX, 150);
    EXPECT_EQ(G().GnRouteHours, 0);
    EXPECT_EQ(G().GnOffMap, 0);

    group(kAllies, 150, 2500, 4, 300);
    MuoviGN();
    EXPECT_EQ(G().GnOffMap, 1) << "west through the Gibraltar edge";
    EXPECT_EQ(G().GnTableAlle[7][GnCol::Course], 4);
    EXPECT_EQ(G().GnTableAlle[7][GnCol::RouteHours], 1);
    EXPECT_EQ(G().GnPosX, 150);

    group(kAllies, 15100, 5000, 8, 300);
    MuoviGN();
    EXPECT_EQ(G().GnOffMap, 2) << "south-east through the Alexandria edge";
    EXPECT_EQ(G().GnTableAlle[7][GnCol::Course], 5);

    group(kAllies, 150, 0, 2, 300);
    MuoviGN();
    EXPECT_EQ(G().GnOffMap, 0) << "north off the top is land, not an edge";
}

TEST_F(NavalMove, GibraltarRunAndReEntry) {
    // Leaving GIBILTERRA eastward with step 300: the 32nd step is the entry.
    group(kAllies, 0, 0, 5, 300, 15, 1);
    G().GnOffMap = 1;
    G().GnOffMapDistance = kGibraltarDistance;
    for (int step = 1; step <= 31; ++step) {
        MuoviGN();
        ASSERT_EQ(G().GnOffMap, 1) << step;
        EXPECT_EQ(G().GnRouteHours, 1);
    }
    EXPECT_EQ(G().GnOffMapDistance, 300);
    ChosenDice dice({700});
    MuoviGN();
    EXPECT_EQ(dice.sides, QList<int>{1500});
    EXPECT_EQ(G().GnOffMap, 0);
    EXPECT_EQ(G().GnPosX, 5);
    EXPECT_EQ(G().GnPosY, 2500);
    EXPECT_EQ(G().GnRouteHours, 12);
    EXPECT_EQ(G().GnStoppedFlag, 1);
    EXPECT_EQ(G().GnRegularUse, 32);
    EXPECT_EQ(G().GnExtraUse, 0);
}

TEST_F(NavalMove, ChosenEntryPointAndAlexandria) {
    group(kAllies, 0, 0, 5, 300, 22, 1);
    G().GnOffMap = 1;
    G().GnOffMapDistance = 200;
    G().GnEntryY = 2000;
    {
        ChosenDice dice({1500});
        MuoviGN();
    }
    EXPECT_EQ(G().GnPosY, 2000);
    EXPECT_EQ(G().GnEntryY, 2000) << "kept at the Gibraltar edge";
    EXPECT_EQ(G().GnExtraUse, 1) << "22 knots counts beyond the edge";

    group(kAllies, 0, 0, 4, 300, 21, 1);
    G().GnOffMap = 2;
    G().GnOffMapDistance = 300;
    {
        ChosenDice dice({1});
        MuoviGN();
        EXPECT_EQ(dice.sides, QList<int>{1400});
    }
    EXPECT_EQ(G().GnPosX, 15150);
    EXPECT_EQ(G().GnPosY, 4551);
    EXPECT_EQ(G().GnExtraUse, 0) << "21 knots does not count beyond the edge";

    group(kAllies, 0, 0, 4, 300, 21, 1);
    G().GnOffMap = 2;
    G().GnOffMapDistance = 10;
    G().GnEntryY = 5000;
    {
        ChosenDice dice({9});
        MuoviGN();
    }
    EXPECT_EQ(G().GnPosY, 5000);
    EXPECT_EQ(G().GnEntryY, 0) << "used up at the Alexandria edge";
}

TEST_F(NavalMove, BackIntoTheOffMapBases) {
    group(kAllies, 0, 0, 4, 300, 18, 3);
    G().GnOffMap = 1;
    G().GnOffMapDistance = kGibraltarDistance;
    G().GnNation = 3;
    MuoviGN();
    EXPECT_EQ(G().BaseUnderGn, 14) << "sailing west from port arrives at once";
    EXPECT_EQ(G().GnPosX, 100);
    EXPECT_EQ(G().GnPosY, 2600);
    EXPECT_EQ(G().GnOffMap, 0);
    EXPECT_EQ(G().GnKnots, 0);
    EXPECT_EQ(G().GnSpeed, 0);
    EXPECT_EQ(G().GnRouteHours, 0);
    EXPECT_EQ(G().GnStoppedFlag, 1);

    group(kAllies, 0, 0, 5, 300, 18, 3);
    G().GnOffMap = 2;
    G().GnOffMapDistance = 2800;
    MuoviGN();
    EXPECT_EQ(G().BaseUnderGn, 15);
    EXPECT_EQ(G().GnPosX, 15000);
}

TEST_F(NavalMove, BaseUnderTheGroupAndPorts) {
    Globals& g = G();
    g.BaseMapXY[3][1] = 5000;
    g.BaseMapXY[3][2] = 2000;
    g.SelectedItem = 4;
    group(kAxis, 5180, 2180, 0, 0);
    EXPECT_EQ(BaseSottoGN(), 3) << "the box edges count";
    EXPECT_EQ(g.GnFriendlyPort, 1);
    EXPECT_EQ(g.GnTableAsse[4][GnCol::InFriendlyPort], 1);
    group(kAxis, 5181, 2180, 0, 0);
    EXPECT_EQ(BaseSottoGN(), 0);
    EXPECT_EQ(g.GnTableAsse[4][GnCol::InFriendlyPort], 0);

    group(kAllies, 100, 2600, 0, 0);
    EXPECT_EQ(BaseSottoGN(), 14);
    EXPECT_EQ(g.GnTableAlle[4][GnCol::InFriendlyPort], 1);
    EXPECT_EQ(g.GnTableAlle[4][GnCol::OffMap], 1);
    EXPECT_EQ(g.GnTableAlle[4][GnCol::OffMapDistance], kGibraltarDistance);
    group(kAllies, 5100, 2100, 0, 0);
    EXPECT_EQ(BaseSottoGN(), 3);
    EXPECT_EQ(g.GnFriendlyPort, 0) << "an Axis port is no Allied port";
}

TEST_F(NavalMove, MarksOnTheMap) {
    Globals& g = G();
    PictureBox& map = *g.MapPicture;
    g.SideColour = vbYellow;
    group(kAllies, 8000, 4000, 0, 0);
    DisegnaSegnoGN();
    EXPECT_EQ(map.point(8060, 4040), vbYellow);
    group(kAllies, 0, 0, 0, 0);
    const long corner = map.point(30, 30);
    DisegnaSegnoGN();
    EXPECT_EQ(map.point(30, 30), corner) << "a group at (0, 0) gets no box";

    for (int b = 1; b <= 13; ++b) g.BaseMapXY[b][1] = 1000 + 400 * b, g.BaseMapXY[b][2] = 6000;
    g.BasesMode = 1;
    g.SelectedBase = 12;
    DisegnaBasi();
    EXPECT_EQ(map.point(1400, 6100), vbRed);
    EXPECT_EQ(map.point(5800, 6100), vbGreen) << "the chosen base again in green";
    EXPECT_EQ(map.point(6200, 6100), vbYellow);

    g.MapPicturePath = folder.path() + "\\ArchBmp\\Missing.bmp";
    RicaricaMappa();
    EXPECT_FALSE(map.hasPicture()) << "a missing map leaves a blank picture";
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("Missing.bmp"));
    g.MapPicturePath = folder.path() + "\\ArchBmp\\Med1colDay.Bmp";
    RicaricaMappa();
    EXPECT_EQ(map.point(8060, 4040), RGB(120, 170, 220)) << "reloading wipes the drawings";

    group(kAllies, 9000, 4000, 0, 0);
    g.MarkWhiteFlag = 1;
    DisegnaSegnoMappa();
    EXPECT_EQ(g.MarkWhiteFlag, 0);
    g.SideColour = vbRed;
    CerchiGN();
}

TEST_F(NavalMove, RouteProjection) {
    Globals& g = G();
    group(kAxis, 0, 0, 6, 250);
    g.GnOldPos[0] = 3000;
    g.GnOldPos[1] = 3000;
    for (int h = 0; h < 3; ++h) TracciaRottaGN();
    EXPECT_EQ(g.GnOldPos[0], 2250);
    EXPECT_EQ(g.GnOldPos[1], 3750);
}

TEST_F(NavalMove, MissionCircles) {
    Globals& g = G();
    g.MissionEndurance = 12;
    g.MissionSpeed = 16;
    g.MissionOrigin[0] = 8000;
    g.MissionOrigin[1] = 4000;
    g.PlotRangeFlag = 1;
    CerchioMissione();
    EXPECT_EQ(g.MissionRadius, 50);
    EXPECT_EQ(g.MissionMiles, 8);
}
