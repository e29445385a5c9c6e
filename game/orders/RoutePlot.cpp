#include "RoutePlot.h"

#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/SideInPlay.h"
#include "game/main/NavalHour.h"

#include <algorithm>

namespace {

// Every value of the working naval group and the movement's state that the hourly move changes,
// put back when the projection is done; the group's side is borrowed from the screen meanwhile.
class WorkingGroupKept {
  public:
    explicit WorkingGroupKept(int side) : g_(G()), saved_(capture(g_)) { sideLoan_.take(side); }
    ~WorkingGroupKept() { restore(g_, saved_); }
    WorkingGroupKept(const WorkingGroupKept&) = delete;
    WorkingGroupKept& operator=(const WorkingGroupKept&) = delete;

  private:
    struct Values {
        Int16 x, y, oldX, oldY, course, speed, knots, routeHours, regularUse, extraUse, offMap,
            offMapDistance, entryY, nation, base, stopped, seaX, seaY, index, diceSides;
        long seaColour;
    };
    static Values capture(const Globals& g) {
        return {g.GnPosX,         g.GnPosY,        g.GnOldPos[0],
                g.GnOldPos[1],    g.GnCourse,      g.GnSpeed,
                g.GnKnots,        g.GnRouteHours,  g.GnRegularUse,
                g.GnExtraUse,     g.GnOffMap,      g.GnOffMapDistance,
                g.GnEntryY,       g.GnNation,      g.BaseUnderGn,
                g.GnStoppedFlag,  g.LastSeaPos[0], g.LastSeaPos[1],
                g.WorkingGnIndex, g.DiceSides,     g.SeaReferenceColour};
    }
    static void restore(Globals& g, const Values& v) {
        g.GnPosX = v.x, g.GnPosY = v.y, g.GnOldPos[0] = v.oldX, g.GnOldPos[1] = v.oldY;
        g.GnCourse = v.course, g.GnSpeed = v.speed, g.GnKnots = v.knots, g.GnRouteHours = v.routeHours;
        g.GnRegularUse = v.regularUse, g.GnExtraUse = v.extraUse, g.GnOffMap = v.offMap;
        g.GnOffMapDistance = v.offMapDistance, g.GnEntryY = v.entryY, g.GnNation = v.nation;
        g.BaseUnderGn = v.base, g.GnStoppedFlag = v.stopped, g.LastSeaPos[0] = v.seaX;
        g.LastSeaPos[1] = v.seaY, g.WorkingGnIndex = v.index, g.DiceSides = v.diceSides;
        g.SeaReferenceColour = v.seaColour;
    }
    Globals& g_;
    Values saved_;
    SideLoan sideLoan_;
};

const Int16* groupRow(int side, int group) {
    if ((side != kAllies && side != kAxis) || group < 1 || group > kGroups) return nullptr;
    const Int16* r = G().gnTable(side)[group];
    return r[GnCol::InUse] > 0 ? r : nullptr;
}

} // namespace

std::vector<QPoint> routeAhead(int side, int group) {
    std::vector<QPoint> route;
    const Int16* r = groupRow(side, group);
    if (!r || r[GnCol::OffMap] > 0) return route;
    Globals& g = G();
    const WorkingGroupKept kept(side);
    // The row goes into the working group as the hour puts it there; row index 0 keeps the
    // movement from writing the edge run into the table.
    loadMovingGroup(r, side == kAllies);
    g.WorkingGnIndex = 0;
    g.BaseUnderGn = 0;
    const int hours = r[GnCol::RouteHours];
    route.reserve(size_t(std::max(hours, 0)));
    try {
        for (int h = 1; h <= hours; ++h) {
            // The hour leaves a group of no step where it lies.
            if (g.GnSpeed > 0) MuoviGN();
            route.emplace_back(g.GnPosX, g.GnPosY);
            if (g.GnSpeed > 0 && (g.GnRouteHours <= 0 || g.GnOffMap > 0)) break;
        }
    } catch (const platform::RangeError&) {
        // A step that leaves the table's range ends the route where it got to.
    }
    return route;
}
