// The rules of the naval-group panel as plain values: the list item of a group and the list filter,
// which orders and speeds a group may take, route hours and courses, the off-map departure of an
// Allied group, the status icons and the detail lines. The panel's handlers
// (game/orders/FrmMain_naval*.cpp) read the controls, call these and write the controls back.
#pragma once

#include <QString>

// The Allies' off-map bases.
constexpr int kGibraltarBase = 14;
constexpr int kAlexandriaBase = 15;
// Allied carrier groups within this distance of the point may launch their aircraft.
constexpr int kLaunchZoneX = 2300;
constexpr int kLaunchZoneY = 2800;
constexpr int kLaunchZoneRadius = 1300;

// ---------------------------------------------------------------- the list

// The item of group `group` of `side` in the naval-group list: "GN 3 Nv 4 Kn 28/ 12 Op 100",
// then "*" for an Allied group off the map, "p" under ambush or "<FERMO" for a group without
// route hours, knots or course, and " SS" when it has sailed more than 222 hours.
QString navalListItem(int side, int group);
// Whether a group under `order` is listed under `filter` (0 orders other than ambush, 1 ambush).
bool listedUnderFilter(int order, int filter);

// ---------------------------------------------------------------- orders and speed

// Why the panel refuses an order, a speed or a course.
enum class NavalRefusal {
    None,
    NoGroup,      // no group picked, or the group is no longer in use
    MixedAmbush,  // ambush asked for a group not made of destroyers and submarines only
    NoTarget,     // interception with no enemy group picked, or one no longer in use
    TargetTooFar, // interception of an enemy group beyond 600 map units
    AmbushSpeed,  // a speed asked for a group in ambush (it lies still)
    AboveMaximum, // a speed above the group's maximum
    OffMapCourse, // an Allied group off the map sails only east or west
};
// The message-line text of a refusal; `value` is the distance or the maximum speed it names.
QString refusalText(NavalRefusal refusal, int value = 0);

// Group `group` of `side` is a row of the side's table in use.
bool groupInUse(int side, int group);

// Distance beyond which an enemy group cannot be intercepted.
constexpr int kInterceptRange = 600;

struct OrderCheck {
    NavalRefusal refusal = NavalRefusal::None;
    int distance = 0; // to the target, for an interception
};
// Order `order` (1..5) for group `group` of `side`; `target` is the enemy group of an interception.
OrderCheck checkNavalOrder(int side, int group, int order, int target);

struct SpeedDecision {
    NavalRefusal refusal = NavalRefusal::None;
    int knots = 0;       // the speed to write when not refused
    bool capped = false; // held to 4 knots for a group of operativity 1 or less
};
// The speed a group under `order` may take when `requested` knots are asked.
SpeedDecision decideSpeed(int order, int maxKnots, int operativity, int requested);

// The order and its speed written into the row: column 7, 14 and 27 (the step, 10 a knot); an
// interception also names its target (22) and starts its count (23); any other order drops them.
void writeNavalOrder(int side, int group, int order, int knots, int target);
// A new speed: knots, step, under way, out of its friendly port.
void writeNavalSpeed(int side, int group, int knots);

// ---------------------------------------------------------------- course and route hours

constexpr int kMaxRouteHours = 24;
// The route hours a text asks for, held to 0..24 (0, or no number, is no route).
int routeHoursFromText(const QString& text);
// Whether group `group` of `side` may take course `course` (0 stop, 1..8): an Allied group off the
// map only east or west.
bool courseAllowed(int side, int group, int course);

// ---------------------------------------------------------------- off-map departure

// An Allied group lying at GIBILTERRA or ALESSANDRIA (BaseUnderGn 14 or 15) under an order of
// 1..5 with a speed (GnOrder, GnSpeed of the working group) starts its run toward the map: 9600
// or 3000 map units, off the map (column 17 and GnOffMap 1 or 2), no position, out of port. Other
// groups are left as they are. Nothing is saved.
void AvviaFuoriMappa(int group);

// ---------------------------------------------------------------- what the panel shows

// The three status pictures of the working group (file names in the icon folder).
struct StatusIcons {
    QString motion, ambush, trouble;
};
StatusIcons statusIcons(int step, int friendlyPort, int knots, int order, int fires, int operativity);

// "(1) GIBILTERRA 5: 3320 ->EST": friendly port, base under the group, position and course.
QString groupPlaceLine(int friendlyPort, int base, int x, int y, int course);
// " 12 Trn Rotta NORD": route hours and course, after `gap` ("  " for the speed combo's line).
QString routeLine(int routeHours, int course, const QString& gap = QStringLiteral(" "));
// " 3 h da Gib rotta EST (Mappa 6 h)": hours since leaving an off-map base `from` away (9600
// Gibraltar, 3000 Alexandria) and hours to the map, for a group running at `step`.
QString offMapHoursLine(int from, const QString& place, int distance, int step, int course);
// The double-click line of a group: its ships by class group and its stress.
QString compositionLine(int side, int group);
