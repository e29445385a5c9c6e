#include "NavalHour.h"

#include "common/Detection.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/NavalGroupValues.h"
#include "common/RangeRules.h"

#include <algorithm>

namespace {

// Naval-group columns the movement reads and writes.
enum Column {
    kInUse = 1,
    kShips = 4,
    kFires = 5,
    kOperativity = 6,
    kOrder = 7,
    kCapLevel = 12,
    kKnots = 14,
    kOffMapDistance = 16,
    kOffMap = 17,
    kFriendlyPort = 20,
    kHoursUnderWay = 24,
    kX = 25,
    kY = 26,
    kStep = 27,
    kCourse = 28,
    kRouteHours = 29,
    kExtraUse = 30,
    kRegularUse = 31,
    kDestroyers = 37,
    kSubmarines = 39,
    kHoursSinceFormed = 41,
    kEntryY = 46,
};
constexpr int kAmbush = 5;

void clearWorkingGroup() {
    Globals& g = G();
    g.GnCourse = g.GnRouteHours = g.GnKnots = g.GnSpeed = 0;
    g.GnExtraUse = g.GnRegularUse = g.GnEntryY = 0;
    g.GnOffMapDistance = g.GnOffMap = g.GnPosX = g.GnPosY = 0;
}

void moveGroup(int n) {
    Globals& g = G();
    const bool allied = g.CurrentSide == kAllies;
    Int16* r = g.gnTable(g.CurrentSide)[n];
    clearWorkingGroup();
    if (r[kStep] <= 0 || r[kInUse] <= 0) return;
    g.GnCourse = r[kCourse];
    g.GnRouteHours = r[kRouteHours];
    g.GnKnots = r[kKnots];
    g.GnSpeed = r[kStep];
    g.GnExtraUse = r[kExtraUse];
    g.GnRegularUse = r[kRegularUse];
    if (allied) g.GnEntryY = r[kEntryY];
    g.GnOffMapDistance = r[kOffMapDistance];
    g.GnOffMap = r[kOffMap];
    g.GnPosX = r[kX];
    g.GnPosY = r[kY];

    g.WorkingGnIndex = n;
    MuoviGN();

    r[kX] = g.GnPosX;
    r[kY] = g.GnPosY;
    r[kRouteHours] = g.GnRouteHours;
    // A group beyond the map edge runs on whatever its route hours say.
    if (allied && g.GnOffMap > 0) g.GnRouteHours = 1;
    r[kOffMapDistance] = g.GnOffMapDistance;
    r[kOffMap] = g.GnOffMap;
    r[kExtraUse] = g.GnExtraUse;
    r[kRegularUse] = g.GnRegularUse;
    r[kHoursUnderWay] += 1;

    if (g.GnRouteHours == 0) {
        r[kKnots] = 0;
        r[kStep] = 0;
        r[kCourse] = 0;
        g.GnStoppedFlag = 1;
    }
    if (g.GnRegularUse + g.GnExtraUse >= 26) {
        RiduciOperativitaGN();
        r[kExtraUse] = 0;
        r[kRegularUse] = 0;
        if (r[kOperativity] > 0) {
            r[kOperativity] -= 1;
            if (r[kOperativity] == 0) {
                r[kKnots] = 4;
                r[kOperativity] = 1;
                r[kStep] = 40;
            }
        }
    }
}

bool goesIntoAmbush(const Int16* r, bool allied) {
    return r[kRouteHours] == 0 && r[kInUse] > 0 && r[kOperativity] > 1 && r[kFires] == 0 &&
           r[kOrder] != kAmbush && r[kFriendlyPort] == 0 && (!allied || r[kOffMap] == 0) &&
           (r[kDestroyers] == r[kShips] || r[kSubmarines] == r[kShips]);
}

// The bases of one side look for the other side's groups in use.
void lookouts(std::initializer_list<int> bases, int seenSide, Int16 Globals::*seenGroup,
              Int16 Globals::*lookingBase, void (*sighting)()) {
    Globals& g = G();
    const GroupTable& t = g.gnTable(seenSide);
    for (int b : bases) {
        const int range = lookoutRange(g.BaseLevel[b], int(g.state(3)));
        if (range < 0) continue;
        const int x = g.BaseMapXY[b][1] + 100, y = g.BaseMapXY[b][2] + 100;
        for (int h = 1; h <= kGroups; ++h) {
            if (t[h][kInUse] <= 0) continue;
            g.ContactDistance = DistanzaPunti(x, y, t[h][kX], t[h][kY]);
            if (g.ContactDistance > range) continue;
            g.*seenGroup = h;
            g.*lookingBase = b;
            sighting();
        }
    }
}

} // namespace

void countGroupHours() {
    Globals& g = G();
    for (GroupTable* t : {&g.GnTableAlle, &g.GnTableAsse})
        for (int n = 1; n <= kGroups; ++n)
            if ((*t)[n][kInUse] > 0) (*t)[n][kHoursSinceFormed] += 1;
}

void moveNavalGroups() {
    const int side = G().CurrentSide;
    if (side != kAllies && side != kAxis) return;
    for (int n = 1; n <= kGroups; ++n) moveGroup(n);
}

void setAmbushes() {
    Globals& g = G();
    for (int side : {kAllies, kAxis}) {
        GroupTable& t = g.gnTable(side);
        for (int n = 1; n <= kGroups; ++n) {
            if (!goesIntoAmbush(t[n], side == kAllies)) continue;
            t[n][kOrder] = kAmbush;
            t[n][kStep] = 0;
        }
    }
}

int lookoutRange(int level, int weather) {
    int range;
    if (level == 1 || level == 2)
        range = 900;
    else if (level == 3 || level == 4)
        range = 750;
    else if (level == 5 || level == 6)
        range = 650;
    else
        return -1;
    return range - 90 * weather;
}

void alliedBaseLookouts() {
    Globals& g = G();
    g.SightingBaseAlle = 0;
    g.SightingBaseAsse = 0;
    lookouts({12, 13}, kAxis, &Globals::EncounterGnAsse, &Globals::SightingBaseAlle, AvvistamentoBaseAlle);
}

void axisBaseLookouts() {
    Globals& g = G();
    g.EncounterGnAlle = 0;
    g.EncounterGnAsse = 0;
    g.SightingBaseAlle = 0;
    g.SightingBaseAsse = 0;
    lookouts({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, kAllies, &Globals::EncounterGnAlle,
             &Globals::SightingBaseAsse, AvvistamentoBaseAsse);
}

void navalEncounters() {
    Globals& g = G();
    const GroupTable& allies = g.GnTableAlle;
    const GroupTable& axis = g.GnTableAsse;
    for (int a = 1; a <= kGroups; ++a) {
        if (allies[a][kInUse] <= 0 || allies[a][kOffMap] != 0) continue;
        for (int h = 1; h <= kGroups; ++h) {
            if (axis[h][kInUse] <= 0) continue;
            g.EncounterCapLevel = std::max<int>(allies[a][kCapLevel], axis[h][kCapLevel]);
            g.ContactDistance = DistanzaPunti(allies[a][kX], allies[a][kY], axis[h][kX], axis[h][kY]);
            if (g.ContactDistance >= 60 * g.EncounterCapLevel + 301) continue;
            g.EncounterGnAsse = h;
            g.EncounterGnAlle = a;
            IncontroGN();
        }
    }
}
