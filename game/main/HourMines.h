// A mine strike on a naval group, as the mine pass of the hour finds it.
#pragma once

struct MineStrike {
    int hits = 0;
    int field = 0;
    int group = 0;
    int mineRow = 0;       // the striking mines: 2 (Axis) against an Allied group, 1 against an Axis one
    int destroyers = 0;    // the group's CT
    int minorWarships = 0; // the group's NM and NL
    bool damaged = false;  // set when a ship was damaged
};

// Applies a strike to the ships of the struck group of CurrentSide, in file order, one hit a
// ship: each ship that meets the mines sweeps some of them and may be damaged.
void DanniMineNavi(MineStrike& strike);
