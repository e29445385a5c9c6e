#include "PortWork.h"

#include "Globals.h"
#include "RangeRules.h"

long long availablePoints(int base) {
    const Globals& g = G();
    if (base < 1 || base > kBases) return 0;
    return static_cast<long long>(g.BasePoints[base]) - g.BaseTable[base][BaseCol::PointsUsed] +
           g.BaseTable[base][BaseCol::PointsArrived];
}

int portWorkRate(int base) {
    Globals& g = G();
    g.SelectedBase = base;
    ValoriBase();
    return FormulaRapporto(g.PortCoefficient, g.PortLevel, g.PortDamageStep);
}

double baseRepairChance(int baseLevel) {
    return baseLevel >= 1 ? 70.0 / baseLevel : 0.0;
}
