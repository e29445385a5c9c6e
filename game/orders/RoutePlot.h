// The projected route of a naval group: where the hourly movement will put it hour by hour, and
// the drawing of that route on the main window's map picture.
#pragma once

#include <QPoint>
#include <vector>

// The group's positions after each of its route hours, as the hour's movement gives them (the
// moves along its course and the land test of the clean map): a group of step 0 stays where it
// lies; one that would run aground, or leave the map at an edge, stops there and the route ends
// with that hour. Nothing for a group not in use or off the map. The working naval group and the
// side's table are left as they were.
std::vector<QPoint> routeAhead(int side, int group);

// A box a route hour (120 x 80 map units from each position) in `colour`, and the ambush circles
// around a group under the ambush order. Returns the last position of the route (the group's own
// point when it has no route hours).
QPoint drawRoute(int side, int group, long colour);
