// Set-ups shared by the tests that drive the saving actions through their windows: the campaign of
// slot 1 opened as the start window opens it, the main window's panels, and ships and groups.
#pragma once

#include "common/RecordFiles.h"
#include "game/main/CampaignOpen.h"
#include "game/main/FrmMain.h"
#include "platform/Form.h"
#include "tests/game/main/TestCampaign.h"

#include <gtest/gtest.h>

namespace actionsetups {

namespace S = recordformat::ship;

constexpr int kTaranto = 1;

// The campaign of slot 1 opened as the start window opens it, without the main window.
inline void openCampaign() {
    testcampaign::choose();
    loadCampaign();
}

// The main window on the campaign of slot 1, opened as "APRI GIOCO" opens it.
inline FrmMain& openMain() {
    testcampaign::choose();
    EXPECT_TRUE(apriGioco());
    return platform::form<FrmMain>();
}

inline void changeShip(int side, int record, const std::function<void(ShipRecord&)>& change) {
    Globals& g = G();
    openShipFile(20, side);
    readShip(20, record);
    change(g.ShipRecordBuffer);
    writeShip(20, record);
    g.Files.close(20);
}

// Set while a session goes on after one of its clicks was undone or left out: a record the list
// does not show is not picked, as the player cannot pick it.
inline bool& pickOnlyWhatIsListed() {
    static bool only = false;
    return only;
}

// The record's row of a list picked, or double-clicked, as the player picks it.
inline void pickIn(platform::ListBox& list, int record, bool dbl) {
    for (int i = 0; i < list.listCount(); ++i)
        if (list.itemData(i) == record) return dbl ? list.doPickDouble(i) : list.doPick(i);
    if (!pickOnlyWhatIsListed()) ADD_FAILURE() << "record " << record << " is not listed";
}

// A naval group of `side` in use at (x, y), of destroyers of 30 knots.
inline Int16* groupRow(int side, int n, int ships, int x, int y) {
    Int16* r = G().gnTable(side)[n];
    r[GnCol::InUse] = 1, r[GnCol::Ships] = ships, r[GnCol::Destroyers] = ships, r[GnCol::MaxKnots] = 30;
    r[GnCol::MinOperativity] = 100, r[GnCol::Order] = kNavalTransit, r[GnCol::Side] = side;
    r[GnCol::X] = x, r[GnCol::Y] = y;
    return r;
}

// The Axis side in base mode with the port panel of TARANTO open.
inline FrmMain& openTaranto() {
    FrmMain& f = openMain();
    f.Command17.doClick();
    f.Command6.doClick();
    f.Command10.doClick();
    f.PicBitMap.doMouseDown(1, 0, G().BaseMapXY[kTaranto][1], G().BaseMapXY[kTaranto][2]);
    f.Command7.doClick();
    return f;
}

// The naval panel of `side` with group `n` open and its ships listed.
inline FrmMain& openGroup(int side, int n) {
    FrmMain& f = openMain();
    f.Command17.doClick();
    (side == kAllies ? f.Command5 : f.Command6).doClick();
    f.Command3.doClick();
    pickIn(f.List2, n, false);
    f.Command11.doClick();
    return f;
}

} // namespace actionsetups
