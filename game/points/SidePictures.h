// What the acquisition and points windows share of their look: the side's flags in their frames
// and the boxed values.
#pragma once

#include "platform/Controls.h"

// Loads the side's two flags (Allies GB and US, Axis IT and DE) from the program's icons.
void loadSideFlags(int side, platform::Image& left, platform::Image& right);

// The frames "Alleati" and "Asse" at the top left of a window, each holding its side's flags.
struct SideFrames {
    platform::Frame& allied;
    platform::Image& alliedLeft;
    platform::Image& alliedRight;
    platform::Frame& axis;
    platform::Image& axisLeft;
    platform::Image& axisRight;
    void layOut() const;
    // The side's frame with its flags; the other one hidden.
    void show(int side) const;
};

// A value in a white box, centred and bold.
void styleValue(platform::Label& value, double fontSize = 0);
