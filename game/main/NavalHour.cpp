#include "NavalHour.h"

#include "common/Detection.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/NavalGroupValues.h"
#include "common/RangeRules.h"

#include <algorithm>

namespace {

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
    if (r[GnCol::Step] <= 0 || r[GnCol::InUse] <= 0) return;
    loadMovingGroup(r, allied);
    g.WorkingGnIndex = n;
    MuoviGN();

    r[GnCol::X] = g.GnPosX;
    r[GnCol::Y] = g.GnPosY;
    r[GnCol::RouteHours] = g.GnRouteHours;
    // A group beyond the map edge runs on whatever its route hours say.
    if (allied && g.GnOffMap > 0) g.GnRouteHours = 1;
    r[GnCol::OffMapDistance] = g.GnOffMapDistance;
    r[GnCol::OffMap] = g.GnOffMap;
    r[GnCol::ExtraUse] = g.GnExtraUse;
    r[GnCol::RegularUse] = g.GnRegularUse;
    r[GnCol::HoursUnderWay] += 1;

    if (g.GnRouteHours == 0) {
        r[GnCol::Knots] = 0;
        r[GnCol::Step] = 0;
        r[GnCol::Course] = 0;
        g.GnStoppedFlag = 1;
    }
    if (g.GnRegularUse + g.GnExtraUse >= 26) {
        RiduciOperativitaGN();
        r[GnCol::ExtraUse] = 0;
        r[GnCol::RegularUse] = 0;
        if (r[GnCol::MinOperativity] > 0) {
            r[GnCol::MinOperativity] -= 1;
            if (r[GnCol::MinOperativity] == 0) {
                r[GnCol::Knots] = 4;
                r[GnCol::MinOperativity] = 1;
                r[GnCol::Step] = 40;
            }
        }
    }
}

bool goesIntoAmbush(const Int16* r, bool allied) {
    return r[GnCol::RouteHours] == 0 && r[GnCol::InUse] > 0 && r[GnCol::MinOperativity] > 1 &&
           r[GnCol::Fires] == 0 && r[GnCol::Order] != kNavalAmbush && r[GnCol::InFriendlyPort] == 0 &&
           (!allied || r[GnCol::OffMap] == 0) &&
           (r[GnCol::Destroyers] == r[GnCol::Ships] || r[GnCol::Submarines] == r[GnCol::Ships]);
}

// The bases of one side look for the other side's groups in use.
void lookouts(std::initializer_list<int> bases, int seenSide, Int16 Globals::*seenGroup,
              Int16 Globals::*lookingBase, void (*sighting)()) {
    Globals& g = G();
    const GroupTable& t = g.gnTable(seenSide);
    for (int b : bases) {
        const int range = lookoutRange(g.BaseLevel[b], int(g.state(StateItem::Weather)));
        if (range < 0) continue;
        const int x = g.BaseMapXY[b][1] + 100, y = g.BaseMapXY[b][2] + 100;
        for (int h = 1; h <= kGroups; ++h) {
            if (t[h][GnCol::InUse] <= 0) continue;
            g.ContactDistance = DistanzaPunti(x, y, t[h][GnCol::X], t[h][GnCol::Y]);
            if (g.ContactDistance > range) continue;
            g.*seenGroup = h;
            g.*lookingBase = b;
            sighting();
        }
    }
}

} // namespace

void loadMovingGroup(const Int16* r, bool allied) {
    Globals& g = G();
    g.GnCourse = r[GnCol::Course];
    g.GnRouteHours = r[GnCol::RouteHours];
    g.GnKnots = r[GnCol::Knots];
    g.GnSpeed = r[GnCol::Step];
    g.GnExtraUse = r[GnCol::ExtraUse];
    g.GnRegularUse = r[GnCol::RegularUse];
    if (allied) g.GnEntryY = r[GnCol::EntryY];
    g.GnOffMapDistance = r[GnCol::OffMapDistance];
    g.GnOffMap = r[GnCol::OffMap];
    g.GnPosX = r[GnCol::X];
    g.GnPosY = r[GnCol::Y];
}

void countGroupHours() {
    Globals& g = G();
    for (GroupTable* t : {&g.GnTableAlle, &g.GnTableAsse})
        for (int n = 1; n <= kGroups; ++n)
            if ((*t)[n][GnCol::InUse] > 0) (*t)[n][GnCol::HoursSinceFormed] += 1;
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
            t[n][GnCol::Order] = kNavalAmbush;
            t[n][GnCol::Step] = 0;
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
        if (allies[a][GnCol::InUse] <= 0 || allies[a][GnCol::OffMap] != 0) continue;
        for (int h = 1; h <= kGroups; ++h) {
            if (axis[h][GnCol::InUse] <= 0) continue;
            g.EncounterCapLevel = std::max<int>(allies[a][GnCol::CapLevel], axis[h][GnCol::CapLevel]);
            g.ContactDistance =
                DistanzaPunti(allies[a][GnCol::X], allies[a][GnCol::Y], axis[h][GnCol::X], axis[h][GnCol::Y]);
            if (g.ContactDistance >= 60 * g.EncounterCapLevel + 301) continue;
            g.EncounterGnAsse = h;
            g.EncounterGnAlle = a;
            IncontroGN();
        }
    }
}
