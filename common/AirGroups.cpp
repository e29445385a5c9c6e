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
    g.AirOrder = r[GaCol::Order];
    g.TargetGn = r[GaCol::TargetGn];
    w.GaTargetBase = r[GaCol::TargetBase];
    w.TargetBaseCheck = r[GaCol::TargetBase];
    w.AircraftEndurance = r[GaCol::DefaultEndurance];
    w.UsableEndurance = r[GaCol::UsableEndurance];
    w.GaPosX = r[GaCol::X];
    w.GaPosY = r[GaCol::Y];
    w.TargetX = r[GaCol::TargetX];
    w.TargetY = r[GaCol::TargetY];
    w.GaStep = r[GaCol::Step];
    w.Radius = r[GaCol::EvasionRadius];
    w.TurnTime = r[GaCol::ContactTurn];
    w.TurnsToTarget = r[GaCol::TurnsToTarget];
    w.SearchTurns = r[GaCol::SearchTurns];
    w.InterceptPercent = r[GaCol::InterceptPercent];
    w.GaTurnsDone = r[GaCol::TurnsFlown];
    w.GaFlightHours = r[GaCol::FlightHours];
    g.ReconSightValue = r[GaCol::EvasionValue];
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
    return std::max(0, row[GaCol::Aircraft] - row[GaCol::Damaged] - row[GaCol::ShotDown]);
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
    row[GaCol::InAction] =
        std::min(row[GaCol::InAction] + 1, std::max<int>(operational, row[GaCol::InAction]));
    return true;
}

void sendAirGroupHome(Int16* row) {
    if (row[GaCol::Order] == kOrderCap) row[GaCol::CoveredGn] = 0;
    row[GaCol::Order] = kOrderReturn;
    row[GaCol::ControlFlag] = 9;
    row[GaCol::OverTarget] = 0;
    row[GaCol::EvasionValue] = 0;
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
