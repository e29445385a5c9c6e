#include "PointTransfers.h"

#include "common/CampaignJournal.h"
#include "common/Globals.h"

namespace points {

namespace {

int sideSetting(int side, int alliedItem) {
    return G().GameSettings[side == kAxis ? alliedItem + 1 : alliedItem];
}

void addToState(int side, int alliedItem, long long amount) {
    const int item = StateItem::sideItem(side, alliedItem);
    G().setState(item, G().state(item) + amount);
}

// The row so far, padded with blanks to the next column; a part that fills or passes its column
// keeps one blank before the next, so two parts never run together.
QString toColumn(const QString& row, int column) {
    return row.size() < column ? row.leftJustified(column) : row + u' ';
}

QString tooFew(const QString& what, long long there, int wanted) {
    return QStringLiteral("%1 insufficienti: %2, ne servono %3").arg(what).arg(there).arg(wanted);
}

} // namespace

long long acquisitionPointsLeft(int side) {
    return sideSetting(side, 4) - G().state(StateItem::sideItem(side, StateItem::AcquisitionUsedAlle));
}

long long sideCommandPoints(int side) {
    const Globals& g = G();
    return sideSetting(side, 6) - g.state(StateItem::sideItem(side, StateItem::CommandUsedAlle)) +
           g.state(StateItem::sideItem(side, StateItem::CommandGainedAlle));
}

long long baseCommandPoints(int base) {
    const Globals& g = G();
    return g.BasePoints[base] - g.BaseTable[base][BaseCol::PointsUsed] +
           g.BaseTable[base][BaseCol::PointsArrived];
}

long long spendablePoints(int base) {
    return G().BaseTable[base][BaseCol::PointsArrived] - G().BaseTable[base][BaseCol::PointsUsed];
}

QString basePointsRow(int base) {
    const Globals& g = G();
    const auto* f = g.BaseTable[base];
    QString row = toColumn(g.BaseNames[base], 13);
    row = toColumn(row + "PUNTI:" + QString::number(baseCommandPoints(base)), 25);
    row = toColumn(row + "AcqAer: " + QString::number(spendablePoints(base)), 40);
    row = toColumn(row + "DANNI:" + QString::number(f[BaseCol::DamagePercent]) + "%", 51);
    row = toColumn(row + "AEREI:" + QString::number(g.BaseAircraftCapacity[base]) + "/" +
                       QString::number(f[BaseCol::AircraftInFlight] + f[BaseCol::AircraftPresent]),
                   64);
    return row + "NAVI:" + QString::number(g.BaseShipCapacity[base]) + "/" +
           QString::number(f[BaseCol::ShipsPresent]);
}

QString convertToCommandPoints(int side, const PointStep& step) {
    const long long left = acquisitionPointsLeft(side);
    if (left < step.increment) return tooFew(QStringLiteral("Punti acquisizione"), left, step.increment);
    aboutToChangeCampaign();
    addToState(side, StateItem::AcquisitionUsedAlle, step.increment);
    addToState(side, StateItem::CommandGainedAlle, step.increment - step.penalty);
    return {};
}

QString transferToBase(int side, int base, int increment) {
    const long long pool = sideCommandPoints(side);
    if (pool < increment) return tooFew(QStringLiteral("Punti comando"), pool, increment);
    aboutToChangeCampaign();
    addToState(side, StateItem::CommandUsedAlle, increment);
    G().BaseTable[base][BaseCol::PointsArrived] += increment;
    return {};
}

QString moveMaltaPoints(int increment) {
    const long long hq = baseCommandPoints(kMaltaHq);
    if (hq < increment) return tooFew(QStringLiteral("Punti comando di MALTA HQ"), hq, increment);
    aboutToChangeCampaign();
    G().BaseTable[kMaltaHq][BaseCol::PointsArrived] -= increment;
    G().BaseTable[kMaltaBs][BaseCol::PointsArrived] += increment;
    return {};
}

} // namespace points
