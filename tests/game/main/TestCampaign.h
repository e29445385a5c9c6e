// A campaign written straight to the program folder, as the new-campaign wizard leaves one: slot,
// settings, set-up columns, group tables, base table and game state, mine fields, and ship files.
#pragma once

#include "common/BaseTable.h"
#include "common/CampaignSetup.h"
#include "common/DataFolder.h"
#include "common/GameSlots.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"
#include "common/ReferenceLists.h"

#include <array>

namespace testcampaign {

struct Options {
    QString name = QStringLiteral("Prova");
    int days = 30;
    int season = 3;
    int year = 1941;
    int day = 0;
    int hour = 10;
    int weather = 0;
    int contacts = 0; // game-state item 11
    int sunk = 0;     // game-state item 12
};

// Writes the campaign in slot 1 and leaves the state object as the start window leaves it when
// the campaign is chosen (paths, names, slots, CampaignName, SelectedSlot). Group tables, base
// table and mine fields are written as they stand in the state object.
inline void write(const Options& o = {}) {
    Globals& g = G();
    buildPathGlobals();
    makeDataFolders();
    CaricaTabelleNomi();
    g.CampaignName = o.name;
    for (int s = 1; s <= kSlots; ++s) g.GameSlots[s] = {QStringLiteral("nn"), 0, 0, 0};
    g.GameSlots[1] = {o.name, o.days, o.season, o.year};
    g.SelectedSlot = 1;
    SalvaNomiGiochi();

    std::array<long long, kSettings + 1> items{};
    items[1] = o.days;
    items[2] = o.season;
    items[3] = o.year;
    writeSettingsFile(items);
    const long long columns[kSetUpColumns] = {3, 2, 2, 40, 10, 30};
    for (int c = 0; c < kSetUpColumns; ++c) {
        std::array<long long, kBases + 1> values{};
        for (int b = 1; b <= kBases; ++b) values[b] = columns[c];
        writeSetUpFile(c, values);
    }
    for (int i = 1; i <= kStateItems; ++i)
        if (g.GameState[i].isEmpty()) g.setState(i, 0);
    g.setState(StateItem::Day, o.day);
    g.setState(StateItem::Hour, o.hour);
    g.setState(StateItem::Weather, o.weather);
    g.setState(StateItem::Contacts, o.contacts);
    g.setState(StateItem::SunkLastHour, o.sunk);
    SalvaDatiBasi();
    SalvaTabelleGruppi();
    SalvaMine();
}

// The state the start window leaves when the campaign written in slot 1 is chosen: a fresh state
// object with its paths, the slot's row and the campaign's name.
inline void choose(const QString& name = QStringLiteral("Prova")) {
    const auto slot = G().GameSlots[1];
    resetGlobals();
    buildPathGlobals();
    G().GameSlots[1] = slot;
    G().SelectedSlot = 1;
    G().CampaignName = name;
}

// A ship of a naval group or a port, appended to the side's ship file.
struct Ship {
    QString type = QStringLiteral("CT");
    int group = 0;
    int port = 0; // the base whose port it lies in (0: none)
    int knots = 30;
    int operativity = 100;
    int fires = 0;
    int busy = 0;
    int notOperational = 0;
    int aircraft = 0;
    int hull = 100;      // nominal and current hull points
    int fireControl = 4; // nominal and current
};

inline void appendShips(int side, const QList<Ship>& ships) {
    Globals& g = G();
    // Opened straight: the tables may already count the ships being written.
    g.Files.openRandom(kChannelShips, shipFilePath(side), ShipRecord::kLength);
    int n = 0;
    for (const Ship& s : ships) {
        ShipRecord& r = g.ShipRecordBuffer;
        r = ShipRecord();
        r.setText(recordformat::ship::CLASSE, QStringLiteral("Classe"));
        r.setText(recordformat::ship::NOME, QStringLiteral("Nave %1").arg(++n));
        r.setText(recordformat::ship::TIPO, s.type);
        r.setNumber(recordformat::ship::STATUS, 1);
        r.setNumber(recordformat::ship::NODIM, s.knots);
        r.setNumber(recordformat::ship::OPERATIVITAM, s.operativity);
        r.setNumber(recordformat::ship::INCENDI_ATTIVI, s.fires);
        r.setNumber(recordformat::ship::Assistenza, s.busy);
        r.setNumber(recordformat::ship::NON_OP, s.notOperational);
        r.setNumber(recordformat::ship::AEREIM, s.aircraft);
        for (int f : {recordformat::ship::RESISTENZA, recordformat::ship::RESISTENZAM})
            r.setNumber(f, s.hull);
        for (int f : {recordformat::ship::C_A_INCENDI, recordformat::ship::C_A_INCENDIM})
            r.setNumber(f, s.fireControl);
        r.setNumber(recordformat::ship::NUMERO_GN, s.group);
        if (s.port > 0) r.setNumber(recordformat::ship::PORTO, s.port);
        appendShip(kChannelShips);
    }
    g.Files.close(kChannelShips);
}

// Destroyers for the naval groups in use, as many as each group's column 4 counts, so that the
// ship files hold what the tables say (a campaign whose groups count ships the files lack does not
// open).
inline void shipsForGroups(int side) {
    QList<Ship> ships;
    for (int n = 1; n <= kGroups; ++n) {
        const Int16* r = G().gnTable(side)[n];
        if (r[GnCol::InUse] <= 0) continue;
        for (int k = 0; k < r[GnCol::Ships]; ++k) ships << Ship{.group = n};
    }
    if (!ships.isEmpty()) appendShips(side, ships);
}
inline void shipsForGroups() {
    for (int side : {kAllies, kAxis}) shipsForGroups(side);
}

} // namespace testcampaign
