// The projected route of a naval group: where the hourly movement will put it hour by hour (the
// main window's map marks draw it).
#pragma once

#include <QPoint>
#include <vector>

// The group's positions after each of its route hours, as the hour's movement gives them (the
// moves along its course and the land test of the clean map): a group of step 0 stays where it
// lies; one that would run aground, or leave the map at an edge, stops there and the route ends
// with that hour. Nothing for a group not in use or off the map. The working naval group and the
// side's table are left as they were.
std::vector<QPoint> routeAhead(int side, int group);
