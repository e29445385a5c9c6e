#include "SideInPlay.h"

SideLoan::SideLoan() {
    note();
}

SideLoan::~SideLoan() {
    giveBack();
}

void SideLoan::note() {
    const Globals& g = G();
    side_ = g.CurrentSide, colour_ = g.SideColour;
    group_ = g.SelectedGn, item_ = g.SelectedItem;
    held_ = true;
}

void SideLoan::take(int side) {
    if (!held_) note();
    G().CurrentSide = Int16(side);
}

void SideLoan::giveBack() {
    if (!held_) return;
    Globals& g = G();
    g.CurrentSide = side_, g.SideColour = colour_;
    g.SelectedGn = group_, g.SelectedItem = item_;
    held_ = false;
}
