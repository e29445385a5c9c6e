#include "RangeRules.h"

#include "Globals.h"

#include <cmath>

using platform::checked16;
using platform::intPart;

int DistanzaPunti(int x1, int y1, int x2, int y2) {
    const double dx = std::abs(double(x2) - x1), dy = std::abs(double(y2) - y1);
    return checked16(intPart(std::sqrt(dx * dx + dy * dy)));
}

int FasciaDistanza(int d) {
    int v = 10;
    if (d >= 1 && d <= 500)
        v = 32;
    else if (d >= 501 && d <= 800)
        v = 28;
    else if (d >= 801 && d <= 1000)
        v = 26;
    else if (d >= 1001 && d <= 1800)
        v = 22;
    else if (d >= 1801 && d <= 3600)
        v = 18;
    else if (d >= 3601 && d <= 4600)
        v = 14;
    return G().MapClickMode > 0 ? 2 * v : v;
}

int RaggioMissione(int p) {
    Globals& g = G();
    const long long u = p - intPart(p / 5.0);
    g.UsableEndurance = u;
    return checked16(intPart(g.MissionSpeed / 1.6 * double(intPart(u / 2.0))));
}

int KmInMiglia(int x) {
    return checked16(intPart(x / 1.853));
}

void ValoriBase() {
    Globals& g = G();
    const int base = g.SelectedBase;
    if (base < 0 || base > kBases)
        throw platform::RangeError(QStringLiteral("Base %1 inesistente").arg(base));
    g.PortLevel = g.BasePortLevel[base];
    g.PortDamageStep = intPart(g.BaseTable[base][BaseCol::DamagePercent] / 20.0);
    if (g.CurrentSide == kAllies)
        g.PortCoefficient = g.GameSettings[14];
    else if (g.CurrentSide == kAxis)
        g.PortCoefficient = g.GameSettings[15];
}

int FormulaRapporto(int a, int b, int c) {
    const double r = (a + 12.0) / (b + 1.0) - c;
    if (!std::isfinite(r))
        throw platform::RangeError(QStringLiteral("Livello del porto non valido (%1)").arg(b));
    return checked16(intPart(r));
}
