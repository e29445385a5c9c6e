// Where the main window shows a point of the map: twips of the picture box per map unit, as the
// picture is painted (from the top left, keeping its proportions).
#pragma once

#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"

#include <algorithm>

inline double shownTwipsPerMapUnit(const FrmMain& f) {
    const QImage& img = f.PicBitMap.image();
    return std::min(double(f.PicBitMap.width()) / img.width(), double(f.PicBitMap.height()) / img.height()) *
           img.width() / kMapWidth;
}
