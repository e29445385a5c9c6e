// What the map of the main window shows under the pointer and beside the groups: the hover lines of
// bases, naval groups and air groups, the lines of the pop-up list and of the patrol list, where
// those lists and labels go, and the entry strips of Allied groups coming in from the map edges.
// Positions are in map units.
#pragma once

#include <QString>

// Bases of a side: the Allies hold 12 to 15, the Axis 1 to 11.
bool isOwnBase(int side, int base);
// The bases of a side that can be picked on the map (the off-map bases have their own squares).
bool isOwnMapBase(int side, int base);

// The hover text of a base: its name, with its aircraft and ships for the side that holds it, and a
// line end.
QString baseHoverText(int side, int base);
// The hover line of naval group n of a side, with its line end.
QString navalGroupHoverLine(int side, int n);
// The hover line of air group n of a side, with its line end.
QString airGroupHoverLine(int side, int n);
// A naval group counts for the hover when in use and, for the Allies, on the map.
bool navalGroupShownOnHover(int side, int n);

// The line of naval group n in the map's pop-up list.
QString popupGroupLine(int side, int n);
// The line of naval group n in the list of groups a combat air patrol may cover.
QString capGroupLine(int side, int n);

// Where the hover label goes beside a group at (gx, gy).
struct MapSpot {
    int left = 0;
    int top = 0;
};
MapSpot hoverLabelSpot(int gx, int gy);
// Where the pop-up list and the unit card go beside a group at (gx, gy).
struct PopupSpot {
    int left = 0;
    int listTop = 0;
    int cardTop = 0;
};
PopupSpot popupSpot(int gx, int gy);

// The entry strip along a map edge that an Allied group waiting off the map may come in through.
struct EntryStrip {
    int mode;           // 5 Gibraltar, 4 Alexandria
    int x1, y1, x2, y2; // the strip's outline
    int markerX1, markerX2;
    QString message;
};
// The strip a group with this course and off-map flag arms; null when it arms none.
const EntryStrip* entryStripFor(int course, int offMap);
// The strip of an armed entry mode; null for any other mode.
const EntryStrip* entryStripOf(int mode);
// The entry y may be chosen only while the group is more than this far from the edge.
constexpr int kEntryReactionLimit = 600;
// Whether a press at y inside the strip is taken as the entry y.
bool entryYAccepted(const EntryStrip& strip, double y, int reactionTime);
// The message of a group too close to the edge to choose its entry.
QString entryTooLateMessage(int reactionTime);
