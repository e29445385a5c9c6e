// The land test reads the colour of the map picture; the shipped maps must hold one sea colour
// where the game expects open water and another on land.
#include "MapForm.h"
#include "platform/Form.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
class ShippedMap : public ::testing::TestWithParam<const char*> {
  protected:
    void TearDown() override { platform::testing::resetForms(); }
};

// Map point of a longitude and latitude.
double mapX(double lon) {
    return (lon - 5.2) * 622.449;
}
double mapY(double lat) {
    return (41.7 - lat) * 693;
}
} // namespace

TEST_P(ShippedMap, SeaWhereGroupsEnterAndLandOnTheIslands) {
    testsupport::ProgramFolder folder;
    PictureBox& map = form<MapForm>().PicBitMap;
    ASSERT_TRUE(map.loadPicture(folder.path() + "\\ArchBmp\\" + GetParam()));
    map.setScale(0, 0, 15250, 6930);
    const long sea = map.point(12210, 990);
    ASSERT_NE(sea, -1);

    // The Gibraltar entry band and the Alexandria entry band, with the middle of a group's box.
    for (int y = 1801; y <= 3300; y += 7)
        for (int x : {5, 60, 110, 160}) {
            ASSERT_EQ(map.point(x, y), sea) << x << "," << y;
            ASSERT_EQ(map.point(x + 50, y + 40), sea) << x << "," << y;
        }
    for (int y = 4551; y <= 5950; y += 7)
        for (int x : {15000, 15050, 15100, 15150}) {
            ASSERT_EQ(map.point(x, y), sea) << x << "," << y;
            ASSERT_EQ(map.point(x + 50, y + 40), sea) << x << "," << y;
        }

    struct Place {
        const char* name;
        double lon, lat;
    };
    for (const Place& p :
         {Place{"Sicily, Caltanissetta", 14.06, 37.49}, Place{"Sicily, Enna", 14.28, 37.57},
          Place{"Crete, Mount Ida", 24.77, 35.23}, Place{"Crete, Heraklion inland", 25.13, 35.25},
          Place{"Sardinia", 9.0, 40.0}, Place{"Libya, Cyrenaica", 21.8, 32.6}})
        EXPECT_NE(map.point(mapX(p.lon), mapY(p.lat)), sea) << p.name;
    for (const Place& p : {Place{"Ionian Sea", 18.5, 37.0}, Place{"Sicily Channel", 12.5, 36.5},
                           Place{"Tyrrhenian Sea", 12.0, 40.0}, Place{"south of Crete", 25.0, 34.5}})
        EXPECT_EQ(map.point(mapX(p.lon), mapY(p.lat)), sea) << p.name;
}

INSTANTIATE_TEST_SUITE_P(DayAndNight, ShippedMap, ::testing::Values("Med1colDay.Bmp", "med1colnight.bmp"));
