// The main window's panels float over the map without ever covering a base, at the window's
// default size and maximised on a screen of 1600 x 1000.
#include "game/main/FrmMain.h"

#include "MapView.h"
#include "TestCampaign.h"
#include "common/MapRoutines.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QRect>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class MapLayout : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }
    testsupport::ProgramFolder folder;
};

// The client area of the window in pixels.
void resizeClient(FrmMain& f, int width, int height) {
    f.setWindowState(0);
    QApplication::processEvents();
    f.setSize(width * kTwipsPerPixel, height * kTwipsPerPixel);
    QApplication::processEvents();
    f.Form_Resize();
}

// A base's drawn square as the picture box shows it, in twips.
QRect baseSquare(const FrmMain& f, int base) {
    const QImage& img = f.PicBitMap.image();
    const double k =
        std::min(double(f.PicBitMap.width()) / img.width(), double(f.PicBitMap.height()) / img.height()) *
        img.width() / kMapWidth;
    const int x = G().BaseMapXY[base][1], y = G().BaseMapXY[base][2];
    return QRect(QPoint(int(x * k), int(y * k)), QPoint(int((x + 200) * k), int((y + 200) * k)));
}

QRect area(const Control& c) {
    return QRect(c.left(), c.top(), c.width(), c.height());
}

} // namespace

TEST_F(MapLayout, NoPanelCoversABaseAtTheDefaultSizeOrMaximised) {
    testcampaign::write();
    testcampaign::choose();
    ASSERT_TRUE(apriGioco());
    FrmMain& f = form<FrmMain>();
    // The help picture covers the map until clicked; the pop-up list and the hover label go beside
    // the pointer.
    const QSet<const Control*> besideThePointer = {&f.Picture1, &f.List12, &f.Label83};
    for (const QSize& client : {QSize(1233, 721), QSize(1600, 1000), QSize(1600, 940)}) {
        resizeClient(f, client.width(), client.height());
        ASSERT_EQ(f.PicBitMap.width(), client.width() * kTwipsPerPixel);
        for (int b = 1; b <= 13; ++b) {
            const QRect square = baseSquare(f, b);
            ASSERT_LE(square.bottom(), f.PicBitMap.height());
            for (const Control* c : f.PicBitMap.children()) {
                if (besideThePointer.contains(c)) continue;
                EXPECT_FALSE(area(*c).intersects(square))
                    << c->name().toStdString() << " covers " << G().BaseNames[b].toStdString() << " at "
                    << client.width() << "x" << client.height();
            }
        }
        // Every panel stays inside the window.
        for (const Control* c : f.PicBitMap.children()) {
            if (besideThePointer.contains(c)) continue;
            EXPECT_LE(c->left() + c->width(), f.PicBitMap.width()) << c->name().toStdString();
            EXPECT_LE(c->top() + c->height(), f.PicBitMap.height()) << c->name().toStdString();
        }
    }
    // Below the map the picture box shows the sea of the hour.
    EXPECT_EQ(f.PicBitMap.backColor(), f.PicBitMap.point(kSeaReferenceX, kSeaReferenceY));
}
