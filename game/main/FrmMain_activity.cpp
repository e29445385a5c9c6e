// The circles of the hour's activities on the map.
#include "FrmMain.h"

#include "common/ContactFiles.h"
#include "common/Globals.h"

#include <algorithm>

using namespace platform;

void FrmMain::CircleAttivita() {
    Globals& g = G();
    const long long hourCount = g.state(StateItem::Activities);
    if (hourCount <= 0) return;
    const int channel = g.Files.freeChannel();
    const int count = openActivityFile(channel);
    for (int r = firstRecordOfHour(count, int(std::min<long long>(hourCount, count))); r <= count; ++r) {
        const ActivityRecord a = readActivity(channel, r);
        if (a.X == 0) break;
        if (a.Kind > 3) {
            PicBitMap.circle(a.X, a.Y, 160, vbCyan);
            if (a.Kind == kActAlliedAirStrike || a.Kind == kActAxisAirStrike) {
                PicBitMap.circle(a.X, a.Y, 100, vbMagenta);
                PicBitMap.circle(a.X, a.Y, 60, vbMagenta);
            }
        }
        PicBitMap.circle(a.X, a.Y, 420, vbWhite);
        PicBitMap.circle(a.X, a.Y, 400, vbRed);
        PicBitMap.circle(a.X, a.Y, 380, vbWhite);
    }
    g.Files.close(channel);
}
