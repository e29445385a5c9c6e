// Repair of base damage at the end of the hour ("AggiornaBasiOra").
#include "HourPhases.h"
#include "common/BaseTable.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/PortWork.h"

void AggiornaBasiOra() {
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
