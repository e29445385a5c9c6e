#include "AirForming.h"

#include "common/BaseTable.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "game/main/BasePanel.h"

#include <algorithm>

using platform::intPart;
using platform::leadingNumber;
using platform::roundHalfEven;
namespace aircraft = recordformat::aircraft;

int payloadValue(const QString& text, int max) {
    // Read as a wide number first, so that a long run of digits is held, not overflowed.
    const double v = std::clamp(leadingNumber(text), 0.0, double(max));
    return int(roundHalfEven(v));
}

// ---------------------------------------------------------------- the activation die

ActivationRefusal activationRefusal(const ActivationInputs& in) {
    if (in.groupReady) return ActivationRefusal::GroupReady;
    if (in.ready == 0) return ActivationRefusal::NoAircraft;
    if (in.mostInFlight != kNoLimit && in.inFlight == in.mostInFlight)
        return ActivationRefusal::InFlightLimit;
    if (in.base > 13) return ActivationRefusal::OffMapBase;
    if (in.base >= 1 && activationAttemptsUsed(in.base)) return ActivationRefusal::AttemptsUsedUp;
    if (in.weather >= 3 || (in.side == kAxis && in.weather == 2 && in.night))
        return ActivationRefusal::NoFlyingWeather;
    if (!in.linePicked || in.base < 1) return ActivationRefusal::NoLine;
    return ActivationRefusal::None;
}

bool activationBeeps(ActivationRefusal r) {
    return r == ActivationRefusal::OffMapBase || r == ActivationRefusal::AttemptsUsedUp;
}

bool activationSucceeds(int roll, int percent) {
    return roll <= percent;
}

void countActivationAttempt(int base) {
    G().BaseTable[base][BaseCol::ActivationAttempts] += 1;
    SalvaDatiBasi();
}

void giveActivationAttemptBack(int base) {
    Int32& made = G().BaseTable[base][BaseCol::ActivationAttempts];
    if (made > 0) made -= 1;
    SalvaDatiBasi();
}

// ---------------------------------------------------------------- the payload

int aircraftAllowed(int chosen, int available, int mostInFlight, int inFlight) {
    int n = std::min(chosen, available);
    if (mostInFlight != kNoLimit) n = std::min(n, mostInFlight - inFlight);
    return std::max(n, 0);
}

int payloadWeight(int bombs, int bombSize) {
    return bombs * bombSize;
}

namespace {
long long largestPayload(const recordformat::AircraftRecord& a) {
    return a.number(aircraft::Carico) >= 1 ? a.whole(aircraft::Carico) : 0;
}
} // namespace

bool payloadTooHeavy(int bombs, int bombSize, const recordformat::AircraftRecord& a) {
    return payloadWeight(bombs, bombSize) > largestPayload(a);
}

QString payloadTooHeavyMessage(int bombs, int bombSize, const recordformat::AircraftRecord& a) {
    return QStringLiteral("ATT: CARICO ECCESSIVO %1x%2 = %3 (massimo per aereo: %4)")
        .arg(bombs)
        .arg(bombSize)
        .arg(payloadWeight(bombs, bombSize))
        .arg(largestPayload(a));
}

QString payloadIncompleteMessage() {
    return QStringLiteral("ATT: indicare sia N° Bombe sia Taglio Bombe");
}

// ---------------------------------------------------------------- take-off and cost

int takeOffDelay(int baseLevel, int die, int aircraft) {
    const long long d = intPart(double(baseLevel + die) * aircraft / 4.0);
    return int(std::clamp<long long>(d, 1, 10));
}

int rollTakeOffDelay(int baseLevel, int weather, int aircraft) {
    Globals& g = G();
    g.DiceSides = weather + 3;
    return takeOffDelay(baseLevel, TiraDado(g.DiceSides), aircraft);
}

int formingCost(const Payload& p, int weight) {
    if (p.torpedoes > 0) return 5 + 5 * p.torpedoes * p.aircraft;
    const int w = std::max<int>(1, int(roundHalfEven(weight / 100.0)));
    return 5 + w * p.aircraft;
}

void takeAircraftOff(recordformat::AircraftRecord& a, int aircraft) {
    a.setNumberWithSign(aircraft::Pronti, a.whole(aircraft::Pronti) - aircraft);
    a.setNumberWithSign(aircraft::InVolo, a.whole(aircraft::InVolo) + aircraft);
}

void writeNewAirGroup(int side, int group, int base, int record, const recordformat::AircraftRecord& a,
                      const Payload& p, int delay) {
    Globals& g = G();
    Int16* r = g.gaTable(side)[group];
    QString* names = g.gaNames(side)[group];
    names[1] = a.text(aircraft::Nome);
    names[2] = QString();
    names[3] = a.text(aircraft::Ruolo);
    const int x = g.BaseMapXY[base][1], y = g.BaseMapXY[base][2];
    r[GaCol::InUse] = 1;
    r[GaCol::SpeedKmh] = a.whole(aircraft::Velocita);
    r[GaCol::AircraftCost] = a.whole(aircraft::Costo);
    r[GaCol::Aircraft] = p.aircraft;
    r[GaCol::Order] = kOrderTakeOff;
    r[GaCol::Judgement] = a.whole(aircraft::Giudizio);
    r[GaCol::AttackFactor] = a.whole(aircraft::FattoreAttacco);
    r[GaCol::DefenceFactor] = a.whole(aircraft::FattoreDifesa);
    r[GaCol::StrafingFactor] = a.whole(aircraft::FattoreMitragliamento);
    r[GaCol::Torpedoes] = p.torpedoes;
    r[GaCol::Bombs] = p.bombs;
    r[GaCol::BombSize] = p.bombSize;
    r[GaCol::OriginBase] = base;
    r[GaCol::DefaultEndurance] = a.whole(aircraft::Autonomia);
    r[GaCol::TakeOffDelay] = delay;
    r[GaCol::X] = r[GaCol::TargetX] = r[GaCol::OriginX] = x;
    r[GaCol::Y] = r[GaCol::TargetY] = r[GaCol::OriginY] = y;
    r[GaCol::AircraftRecord] = record;
    if (side == kAxis) r[GaCol::Nation] = a.text(aircraft::Nazione).startsWith(QStringLiteral("IT")) ? 1 : 2;
    r[GaCol::Unused45] = 0;
}

void chargeBaseForLaunch(int base, int aircraft, int cost) {
    Int32* b = G().BaseTable[base];
    b[BaseCol::AircraftPresent] -= aircraft;
    b[BaseCol::AircraftInFlight] += aircraft;
    b[BaseCol::PointsUsed] += cost;
    SalvaDatiBasi();
}
