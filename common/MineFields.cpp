#include "MineFields.h"

#include "Globals.h"

#include "platform/Colors.h"
#include "platform/Controls.h"

bool insideMineField(int field, int x, int y) {
    const MineFieldRect& r = G().MineFieldRects[field];
    return r.x1 < x && x < r.x2 && r.y1 < y && y < r.y2;
}

void DisegnaMine() {
    Globals& g = G();
    platform::PictureBox* map = g.MapPicture;
    if (!map) return;
    const int side = g.CurrentSide;
    const bool inPlay = side == kAllies || side == kAxis;
    const long colour = map->foreColor();
    const double size = map->printFontSize();
    const bool bold = map->printFontBold();
    map->setForeColor(platform::vbBlue);
    map->setPrintFontSize(8);
    map->setPrintFontBold(true);
    for (int f = 1; f <= kMineFields; ++f) {
        const MineFieldRect& r = g.MineFieldRects[f];
        map->box(r.x1, r.y1, r.x2, r.y2, platform::vbBlue, false);
        map->setCurrentX(r.x1 + 30);
        map->setCurrentY(r.y1 + 30);
        // Printed numbers keep the old form, with a blank before them.
        map->print(platform::numberTextWithSign(f));
        if (inPlay) {
            map->setCurrentX(r.x1 + 30);
            map->setCurrentY(r.y1 + 200);
            map->print(platform::numberTextWithSign(g.MineFields[f][side]));
        }
    }
    map->setForeColor(colour);
    map->setPrintFontSize(size);
    map->setPrintFontBold(bold);
}
