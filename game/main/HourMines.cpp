// The mine fields in the hour: enemy mines strike the naval groups inside a field, the ships that
// meet them sweep some and may be damaged; in bad weather a side's mines decay.
#include "HourMines.h"
#include "HourPhases.h"

#include "common/CampaignSetup.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/MineFields.h"
#include "common/NavalGroupValues.h"
#include "common/RecordFiles.h"
#include "common/ShipDamage.h"

namespace F = recordformat::ship;

namespace {

bool sideInPlay() {
    return G().CurrentSide == kAllies || G().CurrentSide == kAxis;
}

// Mines swept or decayed: a field left with fewer than 10 is cleared.
Int16 minesLeft(long long mines) {
    return mines < 10 ? 0 : mines;
}

} // namespace

void ColpiMine() {
    Globals& g = G();
    if (!sideInPlay()) return;
    const bool allies = g.CurrentSide == kAllies;
    const int entryChance = allies ? 5 : 2, hitChance = allies ? 2 : 1;
    GroupTable& table = g.gnTable(g.CurrentSide);
    for (int n = 1; n <= kGroups; ++n) {
        Int16* row = table[n];
        if (row[GnCol::InUse] <= 0 || (allies && row[GnCol::OffMap] != 0)) continue;
        for (int f = 1; f <= kMineFields; ++f) {
            if (!insideMineField(f, row[GnCol::X], row[GnCol::Y])) continue;
            if (rollDie(100) > entryChance) continue;
            MineStrike strike;
            strike.field = f;
            strike.group = n;
            strike.mineRow = allies ? kAxis : kAllies;
            strike.destroyers = row[GnCol::Destroyers];
            strike.minorWarships = row[GnCol::MinorWarships];
            for (int m = g.MineFields[f][strike.mineRow]; m > 0; --m) {
                if (rollDie(100) > hitChance) continue;
                g.MineFields[f][5] += 1;
                ++strike.hits;
            }
            if (strike.hits == 0) continue;
            row[GnCol::MineHit] = 1;
            g.MineHitAlarm = 1;
            DanniMineNavi(strike);
            if (strike.damaged) {
                g.DepartingGn = n;
                g.SelectedGn = 1;
                RicalcolaGN();
                g.SelectedGn = 0;
            }
            // The hits counted, and any mines swept, are kept at once.
            SalvaMine();
        }
    }
}

void DanniMineNavi(MineStrike& strike) {
    Globals& g = G();
    if (!sideInPlay() || strike.field < 1 || strike.field > kMineFields) return;
    if (strike.mineRow != kAllies && strike.mineRow != kAxis) return;
    g.Files.closeAll();
    ShipRecord& s = g.ShipRecordBuffer;
    Int16& mines = g.MineFields[strike.field][strike.mineRow];
    int hits = strike.hits;
    forEachShip(g.CurrentSide, [&](int r) {
        if (s.whole(F::NUMERO_GN) != strike.group) return true;
        --hits;
        mines = minesLeft(mines - rollDie(10) * (2LL * strike.destroyers + strike.minorWarships));
        const int r1 = rollDie(100), r2 = rollDie(100), r3 = rollDie(100);
        long long hull = s.whole(F::RESISTENZAM), fires = s.whole(F::INCENDI_ATTIVI),
                  knots = s.whole(F::NODIM), operativity = s.whole(F::OPERATIVITAM);
        if (mineDamage(r1, r2, r3, hull, fires, knots, operativity)) {
            s.setNumber(F::RESISTENZAM, hull);
            s.setNumber(F::INCENDI_ATTIVI, fires);
            s.setNumber(F::NODIM, knots);
            s.setNumber(F::OPERATIVITAM, operativity);
            s.setText(F::NON_OP, QStringLiteral("4"));
            strike.damaged = true;
            writeShip(kChannelShips, r);
        }
        return hits > 0;
    });
}

void DecadimentoMine() {
    Globals& g = G();
    if (!sideInPlay()) return;
    const int weather = g.WeatherSeverity;
    // Mines decay only in bad weather, whoever calls.
    if (weather <= 1) return;
    for (int f = 1; f <= kMineFields; ++f) {
        if (rollDie(100) > weather) continue;
        Int16& mines = g.MineFields[f][g.CurrentSide];
        mines = minesLeft(mines - rollDie(20) * weather);
    }
    SalvaMine();
}
