#include "ContactFiles.h"

#include "BaseTable.h"
#include "Dice.h"
#include "Globals.h"

#include <algorithm>

using platform::RecordFile;

namespace {

// A group's row, or a row of zeros for a number outside the table.
const Int16* row(const GroupTable& table, int group) {
    static const Int16 kNone[kGroupColumns + 1] = {};
    return group >= 0 && group <= kGroups ? table[group] : kNone;
}

// A group's heading for a contact: a heading of 0 is replaced by an eight-sided roll.
int headingOrRoll(const Int16* r) {
    if (r[28] != 0) return r[28];
    G().DiceSides = 8;
    return TiraDado(G().DiceSides);
}

// Headings (with the roll for 0), ships, knots and fires of the two naval groups of a sighting.
void copyGroups(ContactRecord& c, int gnAlle, int gnAsse) {
    const Int16* a = row(G().GnTableAlle, gnAlle);
    const Int16* b = row(G().GnTableAsse, gnAsse);
    c.STROTTALATO1 = headingOrRoll(a);
    c.STROTTALATO2 = headingOrRoll(b);
    c.STNUMNAVILATO1 = a[4];
    c.STNUMNAVILATO2 = b[4];
    c.STNODILATO1 = a[14];
    c.STNODILATO2 = b[14];
    c.STINCLATO1 = a[5];
    c.STINCLATO2 = b[5];
}

// The reconnaissance mark of a unit, column 2 of the side's attack marks.
Int16* mark(Int16 (&marks)[kGroups + 1][3], int unit) {
    static Int16 none;
    none = 0;
    return unit >= 0 && unit <= kGroups ? &marks[unit][2] : &none;
}

RecordFile& records(int channel, int length) {
    RecordFile& f = G().Files.random(channel);
    if (f.recordLength() != length)
        throw platform::FileError(
            QStringLiteral("Il file %1 non è aperto con record di %2 byte").arg(f.path()).arg(length),
            f.path());
    return f;
}

// The steps every contact writer ends with: stamp, attack-time roll, kind and counters into the
// record, the counter into GameState item 11 and saved, then the record appended on its channel.
void finishContact(ContactRecord& c, int channel) {
    Globals& g = G();
    c.STMOSSA = moveStamp(g.state(1) + 1, g.state(2));
    g.DiceSides = 14;
    c.STB1 = TiraDado(g.DiceSides);
    c.STB2 = g.ActivityKind;
    c.STCONTATTI = g.ContattiGestiti;
    c.STNUMATTIVITA = g.LastActivityRecord;
    g.CurrentContact = c;
    g.setState(11, g.ContattiGestiti);
    SalvaDatiBasi();
    g.Files.openRandom(channel, contactFilePath(), ContactRecord::kLength);
    RecordFile& f = g.Files.random(channel);
    f.put(f.count() + 1, encodeContact(c));
    g.Files.close(channel);
}

bool noActingUnit() {
    const Globals& g = G();
    return (g.ContactUnitAlle <= 0 && g.ContactUnitAsse <= 0) || g.ActivityKind == 10;
}

} // namespace

QString activityFilePath() {
    return G().GamesPath + G().CampaignName + "Attivita.dat";
}
QString contactFilePath() {
    return G().GamesPath + G().CampaignName + "Contatto.dat";
}

int moveStamp(long long day, long long hour) {
    const double v = platform::leadingNumber(QString::number(day) + QString::number(hour));
    return static_cast<int>(std::clamp(v, -32768.0, 32767.0));
}

void ScriviAttivita() {
    Globals& g = G();
    g.ActivityCount += 1;
    int x = 0, y = 0;
    auto at = [&](const GroupTable& table, int group) {
        x = row(table, group)[25];
        y = row(table, group)[26];
    };
    switch (g.ActivityKind) {
    case 1: {
        const Int16* a = row(g.GnTableAlle, g.EncounterGnAlle);
        const Int16* b = row(g.GnTableAsse, g.EncounterGnAsse);
        x = static_cast<int>(platform::roundHalfEven((a[25] + b[25]) / 2.0));
        y = static_cast<int>(platform::roundHalfEven((a[26] + b[26]) / 2.0));
        break;
    }
    case 2:
        at(g.GnTableAsse, g.EncounterGnAsse);
        break;
    case 3:
        at(g.GnTableAlle, g.EncounterGnAlle);
        break;
    case 4:
    case 6:
        at(g.GaTableAlle, g.ContactUnitAlle);
        break;
    case 5:
    case 7:
        at(g.GaTableAsse, g.ContactUnitAsse);
        break;
    case 8:
        at(g.GnTableAlle, g.ContactUnitAlle);
        break;
    case 9:
        at(g.GnTableAsse, g.ContactUnitAsse);
        break;
    case 10:
        if (g.CurrentSide == kAllies)
            at(g.GaTableAlle, g.ContactUnitAlle);
        else if (g.CurrentSide == kAxis)
            at(g.GaTableAsse, g.ContactUnitAsse);
        break;
    default:
        break;
    }
    ActivityRecord r;
    r.Day = g.state(1) + 1;
    r.Hour = g.state(2);
    r.X = x;
    r.Y = y;
    r.Number = static_cast<float>(g.ActivityCount);
    r.Kind = g.ActivityKind;
    g.setState(10, g.ActivityCount);
    SalvaDatiBasi();
    g.Files.openRandom(12, activityFilePath(), ActivityRecord::kLength);
    RecordFile& f = g.Files.random(12);
    const int n = f.count() + 1;
    f.put(n, encodeActivity(r));
    g.LastActivityRecord = n;
    g.Files.close(12);
}

void ScriviContattoGN() {
    Globals& g = G();
    g.ContattiGestiti += 1;
    if (g.ActivityKind == 2) g.SightValueAsse = 0;
    if (g.ActivityKind == 3) g.SightValueAlle = 0;
    ContactRecord c{};
    c.STLATO1 = 1;
    c.STLATO2 = 1;
    c.STVEDELATO1 = g.SightValueAlle > g.EvasionValueAsse ? 1 : 0;
    c.STVEDELATO2 = g.SightValueAsse > g.EvasionValueAlle ? 1 : 0;
    c.STNSTACKLATO1 = g.EncounterGnAlle;
    c.STNSTACKLATO2 = g.EncounterGnAsse;
    c.STDIFVEVLATO1 = g.SightValueAlle - g.EvasionValueAsse;
    c.STDIFVEVLATO2 = g.SightValueAsse - g.EvasionValueAlle;
    c.STDADOLATO1 = g.SightDieAlle;
    c.STDADOLATO2 = g.SightDieAsse;
    copyGroups(c, g.EncounterGnAlle, g.EncounterGnAsse);
    c.STDISTANZA = g.ContactDistance;
    finishContact(c, 13);
}

void ScriviContattoRicognizione() {
    if (noActingUnit()) return;
    Globals& g = G();
    g.ContattiGestiti += 1;
    ContactRecord c{};
    c.STLATO1 = g.ContactUnitAlle >= 1 ? 2 : 1;
    c.STLATO2 = g.ContactUnitAsse >= 1 ? 2 : 1;
    const bool patrolOrStrike = g.AirOrder == 3 || g.AirOrder == 5;
    if (g.SightValueAlle > g.EvasionValueAsse) {
        c.STVEDELATO1 = 1;
        c.STA2 = g.AirOrder;
        c.STATTACCOLATO1 = *mark(g.GnAttackMarksAlle, g.ContactUnitAlle) == 0 && patrolOrStrike ? 1 : 0;
    }
    if (g.SightValueAsse > g.EvasionValueAlle) {
        c.STVEDELATO2 = 1;
        c.STA2 = g.AirOrder;
        c.STATTACCOLATO2 = *mark(g.GnAttackMarksAsse, g.ContactUnitAsse) == 0 && patrolOrStrike ? 1 : 0;
    }
    if (g.EncounterGnAlle > 0) {
        c.STNSTACKLATO1 = g.EncounterGnAlle;
    } else if (g.ContactUnitAlle > 0) {
        c.STNSTACKLATO1 = g.ContactUnitAlle;
        *mark(g.GnAttackMarksAlle, g.ContactUnitAlle) = g.EncounterGnAsse;
    }
    if (g.EncounterGnAsse >= 1) {
        c.STNSTACKLATO2 = g.EncounterGnAsse;
    } else if (g.ContactUnitAsse > 0) {
        c.STNSTACKLATO2 = g.ContactUnitAsse;
        *mark(g.GnAttackMarksAsse, g.ContactUnitAsse) = g.EncounterGnAlle;
    }
    c.STDIFVEVLATO1 = g.SightValueAlle - g.EvasionValueAsse;
    c.STDIFVEVLATO2 = g.SightValueAsse - g.EvasionValueAlle;
    copyGroups(c, g.EncounterGnAlle, g.EncounterGnAsse);
    c.STDISTANZA = g.ContactDistance;
    finishContact(c, 17);
}

void ScriviContattoGA() {
    if (noActingUnit()) return;
    Globals& g = G();
    g.ContattiGestiti += 1;
    ContactRecord c{};
    if (g.CurrentSide == kAllies) {
        const Int16* r = row(g.GaTableAlle, g.ContactUnitAlle);
        c.STVEDELATO1 = 1;
        c.STATTACCOLATO1 = 1;
        c.STNSTACKLATO1 = g.ContactUnitAlle;
        c.STA1 = r[30];
        c.STA2 = r[7];
    } else if (g.CurrentSide == kAxis) {
        const Int16* r = row(g.GaTableAsse, g.ContactUnitAsse);
        c.STVEDELATO2 = 1;
        c.STATTACCOLATO2 = 1;
        c.STNSTACKLATO2 = g.ContactUnitAsse;
        c.STA1 = r[30];
        c.STA2 = r[7];
    }
    c.STC1 = 2;
    finishContact(c, 17);
}

void ScriviContattoGN2() {
    if (noActingUnit()) return;
    Globals& g = G();
    g.ContattiGestiti += 1;
    ContactRecord c{};
    if (g.CurrentSide == kAllies) {
        const Int16* r = row(g.GnTableAlle, g.ContactUnitAlle);
        c.STLATO1 = 1;
        c.STVEDELATO2 = 1;
        c.STATTACCOLATO1 = 1;
        c.STNSTACKLATO1 = g.ContactUnitAlle;
        c.STA1 = r[33];
        c.STA2 = r[7];
        c.STROTTALATO1 = r[28];
        c.STNUMNAVILATO1 = r[4];
        c.STNODILATO1 = r[14];
        c.STINCLATO1 = r[5];
    } else if (g.CurrentSide == kAxis) {
        const Int16* r = row(g.GnTableAsse, g.ContactUnitAsse);
        c.STLATO2 = 1;
        c.STVEDELATO1 = 1;
        c.STATTACCOLATO2 = 1;
        c.STNSTACKLATO2 = g.ContactUnitAsse;
        c.STA1 = r[33];
        c.STA2 = r[7];
        c.STROTTALATO2 = r[28];
        c.STNUMNAVILATO2 = r[4];
        c.STNODILATO2 = r[14];
        c.STINCLATO2 = r[5];
    }
    c.STDIFVEVLATO1 = c.STVEDELATO1 + 1;
    c.STDIFVEVLATO2 = c.STVEDELATO2 + 1;
    c.STDISTANZA = g.ContactDistance;
    c.STC1 = 1;
    finishContact(c, 17);
}

int openActivityFile(int channel) {
    G().Files.openRandom(channel, activityFilePath(), ActivityRecord::kLength);
    return G().Files.random(channel).count();
}

int openContactFile(int channel) {
    G().Files.openRandom(channel, contactFilePath(), ContactRecord::kLength);
    return G().Files.random(channel).count();
}

ActivityRecord readActivity(int channel, int record) {
    return decodeActivity(records(channel, ActivityRecord::kLength).get(record));
}

ContactRecord readContact(int channel, int record) {
    return decodeContact(records(channel, ContactRecord::kLength).get(record));
}

void writeContact(int channel, int record, const ContactRecord& contact) {
    records(channel, ContactRecord::kLength).put(record, encodeContact(contact));
}

int firstRecordOfHour(int fileCount, int hourCount) {
    return std::max(1, fileCount - hourCount + 1);
}
