// New ships for a side's two main naval bases, bought with its acquisition points among the ships
// of its campaign file not yet in play: the random list of those available (drawn once, the flag
// saved first), the purchase, and what the window shows of the file and the bases.
#pragma once

#include <QString>
#include <array>
#include <vector>

namespace acquisition {

// A naval base that takes new ships: its number, the option's caption and the short label that
// follows a bought ship in the purchase list.
struct NavalBase {
    int base;
    const char* caption;
    const char* shortLabel;
};
// Option 0 (chosen when the window opens) or 1 of the side.
const NavalBase& navalBase(int side, int option);

constexpr int kAlessandria = 15;
// Ships ALESSANDRIA takes in one opening of the window.
constexpr int kAlessandriaShips = 6;

constexpr int kShipTypes = 15;
// The type codes in type order: PA PL NB IB IP IL CT NM SA SC NX AX PT MR NL.
extern const std::array<QString, kShipTypes> ShipTypeCodes;

// Ships present at the base & "/" & its ship capacity.
QString portOccupancy(int base);

// Ships of the side's file by type: in service (status 1) and free (status below 1), deleted
// records counted with the others.
struct ShipTypeCounts {
    std::array<int, kShipTypes> inUse{};
    std::array<int, kShipTypes> free{};
};
ShipTypeCounts countShipTypes(int side);

struct ListedShip {
    int record;
    QString text;
};

// The side's random list: state item 27 / 37 := "1" and saved before anything is rolled; then one
// d100 a record, and a ship is listed when the roll is within the side's availability percentage
// (settings 10 / 11) and it is not deleted, not later than the campaign year, operational and free.
struct RandomShipList {
    std::vector<ListedShip> ships; // type & "-" & name, 22 characters
    int freeShips = 0;             // status below 1, listed or not
};
RandomShipList drawRandomShipList(int side);

// The 16 values of a ship's card: class, type name, nation, tonnage, data year, knots,
// operativity, fire direction, cargo, hull, fire fighting, aircraft, radar, cost, AAC, AAM.
std::array<QString, 16> shipCard(int side, int record);

// The ships whose port is the base, whatever their status: type & "-" & 16 characters of name.
std::vector<QString> portShips(int side, int base);

// Buys ship `record` for the base: refused when the points left are below its cost, it is already
// in service, or the base is full. Otherwise the ship becomes active in the base (status and
// mission 1, port, current operativity and cargo from the nominal ones), the side's points used
// rise by its cost, the base counts one more ship, and the base table and state are saved.
struct ShipPurchase {
    QString refusal; // why it was refused; empty when bought
    QString line;    // the purchase list's line: 12 characters of type & "-" & name, " ", short label
};
ShipPurchase buyShip(int side, const NavalBase& base, int record);

} // namespace acquisition
