// The marks the map overlays and the order panels print beside the groups on the main window's map
// picture: naval-group symbols and numbers, air-group numbers, the number of a sighted enemy group,
// the projected routes of the side's naval groups, and the target circle of each kind of map click.
// They draw on G().MapPicture (nothing when no window shows the map) for CurrentSide, and leave
// the map's font and print position, and the working naval group, as they found them; the print
// colour stays as the last print set it.
#pragma once

#include <QPoint>
#include <QString>

// Symbols and numbers of the side's naval groups: "|~" over a group of carriers, battleships,
// cruisers and destroyers only, "|>" over an Allied group with carriers, and the group's number
// (with "[m]" when mines struck it this hour) in its box. Allied groups off the map get nothing.
void StampaSimboliGN();
// The numbers of the side's air groups.
void StampaSimboliGA();
// InterceptGn beside the enemy group's mark at InterceptPoint.
void StampaNumeroGN();
// The route ahead of the side's naval groups, a white box a route hour, and the ambush circles
// at the end of an ambush, for the groups of the ships of the side's ship file (channel 2) in
// file order: the map looks as if each route were drawn once for each of its ships.
void DisegnaRotteGN();
// The projected route of a group of the side (routeAhead): a box a route hour (120 x 80 map units
// from each position) in `colour`, and the ambush circles around a group under the ambush order.
// Returns the last position of the route (the group's own point when it has no route hours).
QPoint drawRoute(int side, int group, long colour);
// TargetCircleRadius and TargetCircleColour for MapClickMode; other modes leave both.
void ColoreFascia();

// What StampaSimboliGN prints for one group of a side's table.
struct GroupSymbols {
    bool shown = false;    // in use, and on the map for the Allies
    bool warships = false; // "|~": carriers, battleships, cruisers and destroyers only
    bool carriers = false; // "|>": an Allied group with carriers
    QString number;        // "12", or "12[m]" when mines struck it this hour
};
GroupSymbols groupSymbols(int side, int group);
