// Ships for the base attack windows' tests: appended to a side's ship file with the fields the
// attacks read (group, port, fire direction, anti-aircraft, knots, operability, hull), nominal
// values equal to the current ones; and a record read back.
#pragma once

#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"

namespace attackships {

struct Ship {
    QString name;
    int group = 0;
    int port = 0;
    int aa = 0;
    int hull = 100;
    int fireDirection = 4;
    int knots = 30;
    int operability = 100;
    QString type = QStringLiteral("CT");
};

inline void append(int side, const QList<Ship>& ships) {
    namespace F = recordformat::ship;
    Globals& g = G();
    // Opened straight: the tables may already count the ships being written.
    g.Files.openRandom(kChannelShips, shipFilePath(side), ShipRecord::kLength);
    for (const Ship& s : ships) {
        ShipRecord& r = g.ShipRecordBuffer;
        r = ShipRecord();
        r.setText(F::CLASSE, QStringLiteral("Classe"));
        r.setText(F::NOME, s.name);
        r.setText(F::TIPO, s.type);
        r.setNumber(F::STATUS, 1);
        for (int f : {F::NODI, F::NODIM}) r.setNumber(f, s.knots);
        for (int f : {F::OPERATIVITA, F::OPERATIVITAM}) r.setNumber(f, s.operability);
        for (int f : {F::DIR_TIRO, F::D_TIROM}) r.setNumber(f, s.fireDirection);
        for (int f : {F::RESISTENZA, F::RESISTENZAM}) r.setNumber(f, s.hull);
        for (int f : {F::AAM, F::AAMM}) r.setNumber(f, s.aa);
        for (int f : {F::C_A_INCENDI, F::C_A_INCENDIM}) r.setNumber(f, 4);
        if (s.group) r.setNumber(F::NUMERO_GN, s.group);
        if (s.port) r.setNumber(F::PORTO, s.port);
        appendShip(kChannelShips);
    }
    g.Files.close(kChannelShips);
}

inline ShipRecord read(int side, int record) {
    openShipFile(kChannelShips, side);
    readShip(kChannelShips, record);
    G().Files.close(kChannelShips);
    return G().ShipRecordBuffer;
}

inline long long field(int side, int record, int f) {
    return read(side, record).whole(f);
}

} // namespace attackships
