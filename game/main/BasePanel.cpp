#include "BasePanel.h"

#include "common/Globals.h"

#include <algorithm>

using platform::intPart;
using platform::roundHalfEven;

namespace {
// The icon of levels 1-2, 3-4 and 5-6; `other` for any other level.
QString levelIcon(const char* stem, bool highFirst, int level, const QString& other) {
    if (level < 1 || level > 6) return other;
    const int step = (level + 1) / 2; // 1, 2 or 3
    return QString::fromLatin1(stem) + QString::number(highFirst ? 4 - step : step) + QStringLiteral(".ico");
}
} // namespace

QString baseLevelIcon(int level) {
    // More stars for the lower levels; any other level shows one.
    return levelIcon("star", true, level, QStringLiteral("star1.ico"));
}

QString portLevelIcon(int base, int level) {
    if (!hasPort(base)) return QStringLiteral("kvz.ico");
    return levelIcon("porto", false, level, QString());
}

QString airfieldLevelIcon(int level) {
    return levelIcon("aerop", false, level, QStringLiteral("kvz.ico"));
}

int basePointsAvailable(int base) {
    const Globals& g = G();
    return g.BasePoints[base] - g.BaseTable[base][BaseCol::PointsUsed] +
           g.BaseTable[base][BaseCol::PointsArrived];
}

std::optional<int> activationPercent(int side, int base) {
    const Globals& g = G();
    if (side != kAllies && side != kAxis) return std::nullopt;
    const bool allies = side == kAllies;
    const double mean = allies ? g.GameSettings[18] * 1.2 : g.GameSettings[19] * 1.1;
    const double value = mean - g.BaseTable[base][BaseCol::DamagePercent] - 6.0 * g.BaseLevel[base] -
                         6.0 * double(g.state(StateItem::Weather));
    return int(std::clamp<long long>(roundHalfEven(value), allies ? 5 : 2, 80));
}

std::optional<int> maxAircraftInFlight(int side, int base) {
    const Globals& g = G();
    if (side != kAllies && side != kAxis) return std::nullopt;
    const int levels = g.BaseAirfieldLevel[base] + g.BaseLevel[base];
    if (levels == 0) return kNoLimit;
    const double v =
        side == kAllies ? double(g.GameSettings[16]) / levels * 20 : double(g.GameSettings[17]) / levels * 18;
    return int(std::max<long long>(0, intPart(v)));
}

int allowedActivationAttempts(int base) {
    const int level = G().BaseAirfieldLevel[base];
    return level == 0 ? kNoLimit : int(intPart(30.0 / level));
}

bool activationAttemptsUsed(int base) {
    const int allowed = allowedActivationAttempts(base);
    return allowed != kNoLimit && allowed <= G().BaseTable[base][BaseCol::ActivationAttempts];
}
