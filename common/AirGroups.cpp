#include "AirGroups.h"

#include "Dice.h"

#include <algorithm>
#include <cmath>
#include <limits>

using platform::intPart;
using platform::numberText;
using platform::roundHalfEven;

Int16 saturate16(long long value) {
    return std::clamp<long long>(value, std::numeric_limits<int16_t>::min(),
                                 std::numeric_limits<int16_t>::max());
}

void CaricaDatiGA() {
    Globals& g = G();
    if (g.CurrentSide != kAllies && g.CurrentSide != kAxis) return;
    if (g.CurrentGaIndex < 1 || g.CurrentGaIndex > kGroups) return;
    const Int16* r = g.gaTable(g.CurrentSide)[g.CurrentGaIndex];
    auto& w = g.WorkingAirGroup;
    g.AirOrder = r[7];
    g.TargetGn = r[31];
    w.GaTargetBase = r[30];
    w.TargetBaseCheck = r[30];
    w.AircraftEndurance = r[21];
    w.UsableEndurance = r[24];
    w.GaPosX = r[25];
    w.GaPosY = r[26];
    w.TargetX = r[28];
    w.TargetY = r[29];
    w.GaStep = r[27];
    w.Radius = r[10];
    w.TurnTime = r[11];
    w.TurnsToTarget = r[32];
    w.SearchTurns = r[33];
    w.InterceptPercent = r[8];
    w.GaTurnsDone = r[22];
    w.GaFlightHours = r[37];
    g.ReconSightValue = r[50];
}

void MuoviGA() {
    Globals& g = G();
    auto& w = g.WorkingAirGroup;
    const double x = w.GaPosX, y = w.GaPosY, tx = w.TargetX, ty = w.TargetY;
    const double d = double(kTurnsPerHour) * w.GaStep;
    w.GaStep = saturate16(static_cast<long long>(d));
    double dy = y - ty;
    if (dy == 0) dy = 1;
    const double a = std::abs(std::atan((x - tx) / dy));
    double nx = x, ny = y;
    if (x > tx)
        nx = x - d * std::sin(a);
    else if (x < tx)
        nx = x + d * std::sin(a);
    if (y > ty)
        ny = y - d * std::cos(a);
    else if (y < ty)
        ny = y + d * std::cos(a);
    g.InterceptPoint[0] = saturate16(roundHalfEven(nx));
    g.InterceptPoint[1] = saturate16(roundHalfEven(ny));
}

int operationalAircraft(const Int16* row) {
    return std::max(0, row[4] - row[5] - row[6]);
}

int searchThreshold() {
    const Globals& g = G();
    const auto& w = g.WorkingAirGroup;
    const int s = std::min<int>(w.SearchTurns, kTurnsPerHour);
    const long long p = g.DayFlag == 0 ? intPart(w.InterceptPercent / 2.2) : w.InterceptPercent.value();
    return static_cast<int>(s + p - 5 * g.WeatherSeverity);
}

bool searchRoll(Int16* row, int threshold, int operational) {
    Globals& g = G();
    g.DiceSides = 100;
    if (TiraDado(g.DiceSides) >= threshold) return false;
    row[41] = std::min(row[41] + 1, std::max<int>(operational, row[41]));
    return true;
}

void sendAirGroupHome(Int16* row) {
    if (row[7] == kOrderCap) row[49] = 0;
    row[7] = kOrderReturn;
    row[34] = 9;
    row[36] = 0;
    row[50] = 0;
    G().AirReturnFlag = 1;
}

MissionTiming missionTiming() {
    const Globals& g = G();
    const auto& w = g.WorkingAirGroup;
    const int base = w.GaTargetBase;
    MissionTiming t;
    t.targetBase = base >= 1 && base <= kBases ? g.BaseNames[base] : QString();
    t.delay = numberText(4.0 * w.TakeOffDelay) + "/" + numberText(w.TakeOffDelay);
    t.flightHours = numberText(w.GaFlightHours);
    t.intercept =
        numberText(w.InterceptPercent) + "/" + numberText(double(intPart(w.InterceptPercent / 2.2)));
    t.step = numberText(w.GaStep);
    t.margin = numberText(double(w.UsableEndurance) - w.TurnsToTarget) + "/" + numberText(w.TurnsToTarget);
    return t;
}
