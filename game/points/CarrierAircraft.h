// The Allied carriers' aircraft: the carriers lying at GIBILTERRA or ALESSANDRIA, on which aircraft
// of the campaign year are embarked and disembarked against acquisition points, and the carriers in
// service with the aircraft they carry. A carrier's aircraft are in the air file named by its
// carrier code; its ship record counts the aircraft on board.
#pragma once

#include "AircraftAcquisition.h"

#include <QString>
#include <array>
#include <vector>

namespace carriers {

using acquisition::ListedItem;

constexpr int kGibilterra = 14;
constexpr int kAlessandria = 15;
// "+" needs at least this many acquisition points left.
constexpr int kEmbarkPointsMinimum = 30;

// The carriers of the Allied ship file at GIBILTERRA or ALESSANDRIA: code, type, 12 characters of
// name, space "/" aircraft on board, 2 letters of the port; the ship's record.
std::vector<ListedItem> anchoredCarriers();
// The carriers in service, the place being the port's 2 letters or "GN: " and the group.
std::vector<ListedItem> carriersInService();

// What the windows keep of a carrier chosen.
struct Carrier {
    int record = 0;
    QString name;     // the 30-character name field
    QString code;     // the air-file code, trimmed
    int space = 0;    // aircraft it can carry (field 14)
    int embarked = 0; // aircraft on board (field 27)
    int port = 0;
};
Carrier readCarrier(int record);

// The carrier's aircraft types whose year of service is not after the campaign year: role, 14
// characters of name, the bomber and torpedo marks, the year; with the counts on board, in flight
// and lost when `counts` is set. A carrier without an air file has no types. `recordCount` gets the
// file's record count.
std::vector<ListedItem> carrierAircraftItems(const QString& code, int campaignYear, bool counts,
                                             int* recordCount = nullptr);
// A record of the carrier's air file (blank when the file is missing); `count` gets its record count.
AircraftRecord readCarrierAircraft(const QString& code, int record, int* count = nullptr);

// ValoriLineaVolo: the flight line's values, items 1 to 20.
enum LineItem {
    PointsLeft = 1,
    Space = 2,
    SpaceUsed = 3,
    TypeEmbarked = 4,
    UnitCost = 5,
    TypeValue = 6,
    PointsSpent = 10,
};
using LineValues = std::array<long long, 21>;

// Items 1 to 6 from the points left and the carrier and type chosen (0 where none is).
void CaricaValoriLinea(LineValues& v, const Carrier& carrier, int typeEmbarked, int unitCost);
// "+" needs 30 points, and enough for the type's cost; "-" an aircraft of the type on board.
bool canEmbark(const LineValues& v);
bool canDisembark(const LineValues& v);
// One aircraft of the type embarked (while the carrier has room and the points do not go below 0)
// or disembarked; false when nothing changed.
bool embarkOne(LineValues& v);
bool disembarkOne(LineValues& v);
// Charges the points spent, writes the type's count into the carrier's air file and the aircraft
// on board into its ship record, and saves the game state.
void saveFlightLine(const LineValues& v, const Carrier& carrier, int aircraftRecord);

} // namespace carriers
