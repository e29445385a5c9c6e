// The main window's part of the end of the hour: base repair and the circles of the hour's
// activities.
#include "FrmMain.h"

#include "common/BaseTable.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/PortWork.h"

#include <algorithm>

using namespace platform;

void FrmMain::AggiornaBasiOra() {
    Globals& g = G();
    int first = 1, last = 0, tries = 0;
    if (g.CurrentSide == kAllies) {
        first = 12, last = 13, tries = 25;
    } else if (g.CurrentSide == kAxis) {
        first = 1, last = 11, tries = 18;
    }
    // A base never spends below this many points on repairs.
    constexpr int kReserve = 102;
    for (int b = first; b <= last; ++b) {
        Int32* base = g.BaseTable[b];
        long long points = availablePoints(b);
        const double chance = baseRepairChance(g.BaseLevel[b]);
        if (base[BaseCol::DamagePercent] <= 0 || points <= kReserve || chance <= 0) continue;
        if (!(chance > rollDie(100))) continue;
        for (int t = 1; t <= tries; ++t) {
            if (chance > rollDie(100) && base[BaseCol::DamagePercent] > 0 && points > kReserve) {
                base[BaseCol::PointsUsed] += 1;
                base[BaseCol::RepairsMade] += 1;
                points -= 1;
                base[BaseCol::DamagePercent] -= 1;
            }
        }
    }
    SalvaDatiBasi();
}

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
            if (a.Kind == 6 || a.Kind == 7) {
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
