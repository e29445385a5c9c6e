#include "SidePictures.h"

#include "common/Globals.h"
#include "common/Pictures.h"

void loadSideFlags(int side, platform::Image& left, platform::Image& right) {
    const QString icons = G().AppPath + "\\Ico\\";
    loadPictureInto(left, icons + (side == kAxis ? "IT.ico" : "GB.ico"));
    loadPictureInto(right, icons + (side == kAxis ? "DE.ico" : "US.ico"));
}

void SideFrames::layOut() const {
    for (platform::Frame* f : {&allied, &axis}) f->move(120, 120, 2280, 1140);
    for (platform::Image* i : {&alliedLeft, &axisLeft}) i->move(300, 420);
    for (platform::Image* i : {&alliedRight, &axisRight}) i->move(1320, 420);
}

void SideFrames::show(int side) const {
    allied.setVisible(side != kAxis);
    axis.setVisible(side == kAxis);
    if (side == kAxis)
        loadSideFlags(side, axisLeft, axisRight);
    else
        loadSideFlags(side, alliedLeft, alliedRight);
}

void styleValue(platform::Label& value, double fontSize) {
    value.setBorderStyle(1);
    value.setAlignment(2);
    value.setFontBold(true);
    if (fontSize > 0) value.setFontSize(fontSize);
    value.setBackColor(platform::vbWhite);
}
