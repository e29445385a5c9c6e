// The values of the base panel: level icons, points, the activation percentage of the air base,
// the most aircraft it may have in flight at once and the activation attempts it is allowed.
#pragma once

#include "common/BaseTable.h"

#include <QString>
#include <optional>

// Icon file names (in the program's icon folder) for the levels of a base; an empty name for a
// port level that has no icon.
QString baseLevelIcon(int level);
QString portLevelIcon(int base, int level);
QString airfieldLevelIcon(int level);

// Points available at a base: its set-up points plus those arrived minus those used.
int basePointsAvailable(int base);
// The percentage of air activation of a base for a side (1 or 2); none with no side in play.
std::optional<int> activationPercent(int side, int base);
// The most aircraft of a base in flight at once for a side; none with no side in play. A base whose
// airfield and base levels are both 0 has no limit (kNoLimit).
constexpr int kNoLimit = -1;
std::optional<int> maxAircraftInFlight(int side, int base);
// The activation attempts allowed to a base, Int(30 / airfield level); an airfield of level 0 has
// no limit (kNoLimit).
int allowedActivationAttempts(int base);
// Whether a base has used up its activation attempts.
bool activationAttemptsUsed(int base);
