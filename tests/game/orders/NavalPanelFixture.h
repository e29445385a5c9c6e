// The main window in naval mode for a side, with groups placed in its tables and picked in the
// naval-group list as a player picks them.
#pragma once

#include "game/main/FrmMain.h"
#include "tests/game/main/MainWindowFixture.h"

class NavalPanelFixture : public MainWindowFixture {
  protected:
    // A group in use at (x, y): one destroyer of 30 knots, operativity 100, under way for Transito.
    static Int16* group(int side, int n, int x, int y) {
        Int16* r = G().gnTable(side)[n];
        r[GnCol::InUse] = 1, r[GnCol::Ships] = 1, r[GnCol::Destroyers] = 1, r[GnCol::MaxKnots] = 30;
        r[GnCol::MinOperativity] = 100, r[GnCol::Order] = kNavalTransit, r[GnCol::Side] = side;
        r[GnCol::X] = x, r[GnCol::Y] = y;
        return r;
    }
    FrmMain& openNaval(int side) {
        FrmMain& f = open();
        f.Command17_Click();
        side == kAllies ? f.Command5_Click() : f.Command6_Click();
        f.Command3_Click();
        return f;
    }
    static void pick(FrmMain& f, int n) {
        for (int i = 0; i < f.List2.listCount(); ++i)
            if (f.List2.itemData(i) == n) return f.List2.doPick(i);
        ADD_FAILURE() << "group " << n << " is not listed";
    }
};
