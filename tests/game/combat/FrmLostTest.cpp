// The lost-ships window on a lost-ship file written by the sinking pass's own writer: the last
// hour's losses and all of them by side with their totals, and a loss clicked marked on the map
// (a loss in port at its port, a loss on an off-map route not at all).
#include "game/combat/FrmLost.h"

#include "common/LostShips.h"
#include "platform/Colors.h"
#include "tests/game/main/MainWindowFixture.h"
#include "tests/support/LayoutCheck.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class LostShipsWindow : public MainWindowFixture {
  protected:
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        MainWindowFixture::TearDown();
    }
    // A ship of `side` sunk on `day` at `hour`, in `group` (placed as given) or in `port`.
    static void sink(int side, int day, int hour, const QString& type, const QString& name, int tonnage,
                     int group, int port = 0, int place = 0, int x = 0, int y = 0) {
        Globals& g = G();
        g.CurrentSide = Int16(side);
        g.setState(StateItem::Day, day);
        g.setState(StateItem::Hour, hour);
        if (group > 0) {
            Int16* r = g.gnTable(side)[group];
            r[GnCol::OffMap] = Int16(place), r[GnCol::X] = Int16(x), r[GnCol::Y] = Int16(y);
        }
        ScriviNavePersa(
            {.record = 1, .group = group, .tonnage = tonnage, .port = port, .type = type, .name = name});
    }
    // The main window with one loss on the Gibraltar route on the first day, then three in the
    // last hour of the third: an Allied destroyer at sea, an Axis cruiser at sea and one in port.
    FrmMain& openWithLosses() {
        FrmMain& f = open({.day = 2, .hour = 7});
        sink(kAllies, 0, 3, "PA", "Ark Royal", 22000, 4, 0, 1, 10, 3300);
        sink(kAllies, 2, 7, "CT", "Nave Alleata Lunga", 1500, 5, 0, 0, 6000, 3000);
        sink(kAxis, 2, 7, "IP", "Zara", 11500, 7, 0, 0, 9000, 2000);
        sink(kAxis, 2, 7, "IP", "Pola", 11000, 0, 3);
        G().CurrentSide = kAllies;
        G().setState(StateItem::SunkLastHour, 3);
        return f;
    }
    void showLosses(FrmMain& f, const std::function<void(FrmLost&)>& drive) {
        bool shown = false;
        platform::testing::setModalHandler([&](Form& w) {
            shown = true;
            drive(static_cast<FrmLost&>(w));
        });
        f.Label64.doClick();
        EXPECT_TRUE(shown);
    }
    // Whether the map shows `colour` in the box of `width` x `height` map units at (x, y).
    static bool colourIn(const FrmMain& f, int x, int y, int width, int height, long colour) {
        for (int dx = 0; dx < width; dx += 4)
            for (int dy = 0; dy < height; dy += 4)
                if (f.PicBitMap.point(x + dx, y + dy) == colour) return true;
        return false;
    }
};

} // namespace

TEST_F(LostShipsWindow, TheLastHourOrAllLossesBySideWithTheirTotals) {
    FrmMain& f = openWithLosses();
    showLosses(f, [](FrmLost& w) {
        EXPECT_EQ(w.caption(), "perdite ultima ora");
        ASSERT_EQ(w.List1.listCount(), 1);
        EXPECT_EQ(w.List1.list(0), "CT Nave Allea 1500");
        EXPECT_EQ(w.List1.itemData(0), 2);
        ASSERT_EQ(w.List2.listCount(), 2);
        EXPECT_EQ(w.List2.list(0), "IP Zara       11500");
        EXPECT_EQ(w.List2.list(1), "IP Pola       11000");
        EXPECT_EQ(w.Label2.caption(), "1");
        EXPECT_EQ(w.Label3.caption(), "1500");
        EXPECT_EQ(w.Label4.caption(), "2");
        EXPECT_EQ(w.Label5.caption(), "22500");

        w.Command2.doClick();
        ASSERT_EQ(w.List1.listCount(), 2);
        EXPECT_EQ(w.List1.list(0), "PA Ark Royal  22000");
        EXPECT_EQ(w.Label2.caption(), "2");
        EXPECT_EQ(w.Label3.caption(), "23500");
        EXPECT_EQ(w.List2.listCount(), 2);
        EXPECT_EQ(testsupport::layoutFaults(w), "");
        EXPECT_EQ(testsupport::tabFaults(w), "");

        // More sinkings counted than the file holds list the file.
        G().setState(StateItem::SunkLastHour, 9);
        w.Command1.doClick();
        EXPECT_EQ(w.List1.listCount(), 2);
        EXPECT_EQ(w.List2.listCount(), 2);
        G().setState(StateItem::SunkLastHour, 0);
        w.Command1.doClick();
        EXPECT_EQ(w.List1.listCount(), 0);
        EXPECT_EQ(w.List2.listCount(), 0);
        EXPECT_EQ(w.Label2.caption(), "0");
        EXPECT_EQ(w.Label5.caption(), "0");
        w.Command3.doClick();
    });
    EXPECT_FALSE(isLoaded<FrmLost>());
}

TEST_F(LostShipsWindow, ALossClickedIsMarkedWhereItHappened) {
    FrmMain& f = openWithLosses();
    const int portX = G().BaseMapXY[3][1], portY = G().BaseMapXY[3][2];
    QImage clean;
    showLosses(f, [&](FrmLost& w) {
        w.Command2.doClick();
        clean = f.PicBitMap.image();
        ASSERT_FALSE(colourIn(f, portX, portY, 400, 150, vbBlack));
        ASSERT_FALSE(colourIn(f, 6000, 3000, 400, 150, vbYellow));
        w.List1.doPick(0);
        EXPECT_EQ(f.Label17.caption(), "Rotta Gibilt. Il 1° giorno di campagna alle ore: 3");
        EXPECT_EQ(f.PicBitMap.image(), clean) << "no mark for a loss off the map";

        w.List1.doPick(1);
        EXPECT_EQ(f.Label17.caption(), "Il 3° giorno di campagna alle ore: 7");
        EXPECT_TRUE(colourIn(f, 6000, 3000, 400, 150, vbYellow));

        w.List2.doPick(1); // sunk in port: no point of its own
        EXPECT_EQ(f.Label17.caption(), "Il 3° giorno di campagna alle ore: 7");
        EXPECT_TRUE(colourIn(f, portX, portY, 400, 150, vbBlack)) << "marked at its port";
        EXPECT_FALSE(colourIn(f, 0, 0, 400, 150, vbBlack)) << "not at the map's corner";
        EXPECT_TRUE(colourIn(f, 6000, 3000, 400, 150, vbYellow)) << "marks add up";

        w.Command1.doClick();
        EXPECT_EQ(f.PicBitMap.image(), clean) << "the marks wiped";
        w.List2.doPick(0);
        w.Command3.doClick();
    });
    EXPECT_EQ(f.PicBitMap.image(), clean);
    EXPECT_EQ(f.Label17.caption(), "");
}
