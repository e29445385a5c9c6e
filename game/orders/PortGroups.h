// Naval groups formed in port and ships docked back into port: moving a ship of a port into the
// group being formed and back, the group's row written at its departure, docking a ship of a group
// at sea, and the ships left in a group that never left port, returned when a campaign opens.
// The routines work on the side's ship file (channel 2, closed again), the side's naval-group
// table and the base table, and save the base table when they change it.
#pragma once

#include <QString>
#include <vector>

// Ports that take a side's ships: its own bases that have a port (the Axis 1 to 9, the Allies 12,
// 14 and 15).
bool dockableBase(int side, int base);

// Records `base` as the port where group `group` of `side`, not yet in use, is being formed, and
// saves the group tables, so that its ships can be returned there if it never leaves.
void markFormingBase(int side, int group, int base);

// Moves ship `record`, lying in port at `base` in no group and under no port order (mission code
// 0 or 1), into group `group`: its group field is set and its port cleared; the port counts one ship
// fewer; the ship's aircraft are added to NewGroupAircraft and its class to ShipCategoryCounts.
// False, with nothing written, for any other ship.
bool moveIntoFormingGroup(int side, int base, int record, int group);
// Returns ship `record` of group `group` (not yet in use) to the port of `base`: the reverse of the
// move. False, with nothing written, for a ship not in that group or not at sea.
bool returnFromFormingGroup(int side, int base, int record, int group);

// The row of group `group` of `side` leaving `base` with `ships` ships carrying `aircraft`
// aircraft: in use, under order 1, in its friendly port at the base's point; an Allied group at
// GIBILTERRA or ALESSANDRIA starts on its run toward the map (9600 or 3000 map units, off-map flag
// 1 or 2) at point 0, 0. Returns the off-map flag written (0 on the map).
int writeDepartingGroup(int side, int base, int group, int ships, int aircraft);

// Docking ship `record` of group `group` of `side` at `base`.
enum class DockResult {
    Docked,
    PortFull,   // no port of the side under the group, or the port is full: nothing written
    NotInGroup, // the ship is no longer in the group: nothing written
};
struct DockOutcome {
    DockResult result = DockResult::PortFull;
    bool carrier = false; // the docked ship is a carrier ("PA" or "PL")
    int aircraft = 0;     // the aircraft it carries
};
// On docking the ship leaves its group for the port: port orders none, fires out, no assistance,
// back in service, one point of operativity spent (never below 1); the port counts one ship more.
// The ship record is written; the caller takes the ship out of the group's counts.
DockOutcome dockShip(int side, int group, int record, int base);

// A ship returned to port when a campaign opens.
struct ReturnedShip {
    int side = 0;
    int record = 0;
    int group = 0;
    int port = 0;
    QString name;
};
// Ships of either side in service in a group being formed in port (formingInPort: the game was
// left before the group sailed): each goes back to the port where its group was being formed, and
// the port counts it again. A ship of any other group not in use stays where it is (the opening
// refuses such a file before this runs). Returns the ships returned; the base table is saved when
// any was.
std::vector<ReturnedShip> returnStrandedShips();
// What the player is told of them: each group, its port and its ships.
QString returnedShipsText(std::vector<ReturnedShip> ships);
