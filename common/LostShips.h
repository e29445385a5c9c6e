// The campaign's lost-ship file: one 46-byte binary record per sunk ship, appended in the order of
// sinking, and the writer that books a loss in the side's counters and appends its record.
#pragma once

#include <QByteArray>
#include <QString>

struct LostShipRecord {
    static constexpr int kLength = 46;
    static constexpr int kNameLength = 10;
    int Day = 0;  // GameState item 1, days passed from 0
    int Hour = 0; // GameState item 2
    int Side = 0;
    int Record = 0; // the ship's record number in its side's ship file
    QString Type;   // two characters
    QString Name;   // the first ten characters of the ship's name
    int Tonnage = 0;
    int Operativity = 0;
    int Group = 0; // 0 when the ship was not in a naval group
    int Place = 0; // the group's off-map route: 0 on the map, 1 Gibraltar, 2 Alexandria
    int Port = 0;  // 0 at sea
    int X = 0;     // the group's map point, 0 when not in a group
    int Y = 0;
};

// Little-endian, texts in the code page padded with blanks, reserved values 0. A whole number
// that does not fit its field is refused with platform::RangeError.
QByteArray encodeLostShip(const LostShipRecord& r);
LostShipRecord decodeLostShip(const QByteArray& bytes); // short input reads as zeros

QString lostShipFilePath(); // GamesPath & CampaignName & "lostship.dat"
int lostShipCount();        // records in the file (0 when it is missing)
LostShipRecord readLostShip(int record);

// What the sinking pass knows of a ship it sinks.
struct SunkShip {
    int record = 0;
    int group = 0;
    int tonnage = 0;
    int operativity = 0;
    int cargo = 0;
    int port = 0;
    int shipClass = 1; // 1 warship, 2 merchant
    QString type;
    QString name;
};

// Books the loss for CurrentSide (ships lost, the loss total, warship or merchant tonnage in
// GameState) and appends the ship's record, with the group's route and map point when it was in
// a group.
void ScriviNavePersa(const SunkShip& ship);
