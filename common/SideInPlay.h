// The side in play (CurrentSide) belongs to the screen: the main window sets it when a player takes
// the screen and clears it when that side is done. A window or a routine that must read or edit
// another side borrows it through a SideLoan, which gives back what the screen had (the side, its
// colour, the naval group and the item picked on it) when the loan ends, whichever way the
// borrower stops: its own call, its destruction, an exception going through.
#pragma once

#include "common/Globals.h"

class SideLoan {
  public:
    // Notes what the screen has; nothing changes yet.
    SideLoan();
    // Gives it back, unless given back already.
    ~SideLoan();
    SideLoan(const SideLoan&) = delete;
    SideLoan& operator=(const SideLoan&) = delete;

    // `side` becomes the side in play until the loan ends; after a give-back, the screen is noted
    // again first.
    void take(int side);
    // The screen's side, colour and picks back as noted; nothing when already given back.
    void giveBack();

  private:
    void note();
    bool held_ = false;
    Int16 side_ = 0, group_ = 0, item_ = 0;
    long colour_ = 0;
};
