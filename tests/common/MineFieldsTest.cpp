#include "common/MineFields.h"

#include "MapForm.h"
#include "common/Globals.h"

#include "platform/Colors.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
class MineMap : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        PictureBox& map = form<MapForm>().PicBitMap;
        QImage sea(2034, 924, QImage::Format_RGB32);
        sea.fill(Qt::white);
        map.setPicture(sea);
        map.setScale(0, 0, 15250, 6930);
        map.move(0, 0, 2034 * 15, 924 * 15); // shown whole, so that lines are one pixel wide
        G().MapPicture = &map;
        G().MineFieldRects[3] = {3000, 4500, 3000, 4500};
        G().MineFields[3][kAllies] = 120;
        G().MineFields[3][kAxis] = 80;
    }
    void TearDown() override {
        resetGlobals();
        platform::testing::resetForms();
    }
    // Blue points in a band of the field, below its number.
    int bluePoints(int fromY, int toY) {
        int n = 0;
        for (int y = fromY; y < toY; y += 7)
            for (int x = 3100; x < 3400; x += 7) n += G().MapPicture->point(x, y) == vbBlue ? 1 : 0;
        return n;
    }
};
} // namespace

TEST_F(MineMap, AFieldIsInsideItsEdges) {
    EXPECT_TRUE(insideMineField(3, 3001, 4499));
    EXPECT_FALSE(insideMineField(3, 3000, 3500));
    EXPECT_FALSE(insideMineField(3, 3500, 4500));
    EXPECT_FALSE(insideMineField(4, 0, 0)) << "an empty rectangle holds nothing";
}

TEST_F(MineMap, FieldsAreDrawnWithTheSidesOwnMines) {
    G().CurrentSide = 0;
    const long colour = G().MapPicture->foreColor();
    DisegnaMine();
    EXPECT_EQ(G().MapPicture->point(3000, 3700), vbBlue) << "the outline";
    EXPECT_GT(bluePoints(3030, 3180), 0) << "the field's number";
    EXPECT_EQ(bluePoints(3200, 3400), 0) << "no side, no mine count";
    G().CurrentSide = kAllies;
    DisegnaMine();
    EXPECT_GT(bluePoints(3200, 3400), 0);
    EXPECT_EQ(G().MapPicture->foreColor(), colour) << "the picture's own colour is kept";
}
