#include "ContactFiles.h"

#include "BaseTable.h"
#include "DataFolder.h"
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

using ContactField = Int16 ContactRecord::*;
using SideValue = Int16 Globals::*;

// One side's fields of the contact record and the globals that fill them.
struct Side {
    int number;
    ContactField lato, vede, nstack, difvev, dado, attacco, rotta, numnavi, nodi, inc;
    SideValue unit, encounter, sight, evasion, die;
    Int16 (Globals::*marks)[kGroups + 1][3];
};

const Side kSides[2] = {
    {kAllies, &ContactRecord::STLATO1, &ContactRecord::STVEDELATO1, &ContactRecord::STNSTACKLATO1,
     &ContactRecord::STDIFVEVLATO1, &ContactRecord::STDADOLATO1, &ContactRecord::STATTACCOLATO1,
     &ContactRecord::STROTTALATO1, &ContactRecord::STNUMNAVILATO1, &ContactRecord::STNODILATO1,
     &ContactRecord::STINCLATO1, &Globals::ContactUnitAlle, &Globals::EncounterGnAlle,
     &Globals::SightValueAlle, &Globals::EvasionValueAlle, &Globals::SightDieAlle,
     &Globals::GnAttackMarksAlle},
    {kAxis, &ContactRecord::STLATO2, &ContactRecord::STVEDELATO2, &ContactRecord::STNSTACKLATO2,
     &ContactRecord::STDIFVEVLATO2, &ContactRecord::STDADOLATO2, &ContactRecord::STATTACCOLATO2,
     &ContactRecord::STROTTALATO2, &ContactRecord::STNUMNAVILATO2, &ContactRecord::STNODILATO2,
     &ContactRecord::STINCLATO2, &Globals::ContactUnitAsse, &Globals::EncounterGnAsse,
     &Globals::SightValueAsse, &Globals::EvasionValueAsse, &Globals::SightDieAsse,
     &Globals::GnAttackMarksAsse},
};

const Side& other(const Side& s) {
    return kSides[s.number == kAllies ? 1 : 0];
}
const Side* sideInPlay() {
    const int side = G().CurrentSide;
    return side == kAllies || side == kAxis ? &kSides[side - 1] : nullptr;
}

// The side sees when its sighting value beats the other side's evasion value.
int margin(const Side& s) {
    return G().*s.sight - G().*other(s).evasion;
}

// Heading (an eight-sided roll for 0), ships, knots and fires of a side's naval group.
void copyGroup(ContactRecord& c, const Side& s, const Int16* r, bool rollForNoHeading) {
    c.*s.rotta = r[GnCol::Course];
    if (r[GnCol::Course] == 0 && rollForNoHeading) {
        G().DiceSides = 8;
        c.*s.rotta = TiraDado(G().DiceSides);
    }
    c.*s.numnavi = r[GnCol::Ships];
    c.*s.nodi = r[GnCol::Knots];
    c.*s.inc = r[GnCol::Fires];
}

// The naval groups of a sighting, Allies first.
void copyGroups(ContactRecord& c) {
    for (const Side& s : kSides) copyGroup(c, s, row(G().gnTable(s.number), G().*s.encounter), true);
}

// The reconnaissance mark of a unit, column 2 of the side's attack marks.
Int16* mark(const Side& s, int unit) {
    static Int16 none;
    none = 0;
    return unit >= 0 && unit <= kGroups ? &(G().*s.marks)[unit][Globals::kMarkReconTarget] : &none;
}

// The acting group of a strike or bombardment: its side attacks, with the group's number, the base
// it strikes (column targetColumn of its row) and its order.
const Int16* attacker(ContactRecord& c, const Side& s, const GroupTable& table, int targetColumn) {
    const int unit = G().*s.unit;
    const Int16* r = row(table, unit);
    c.*s.attacco = 1;
    c.*s.nstack = unit;
    c.STA1 = r[targetColumn];
    c.STA2 = r[GnCol::Order]; // the order is column 7 of both tables
    return r;
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
    c.STMOSSA = moveStamp(g.state(StateItem::Day) + 1, g.state(StateItem::Hour));
    g.DiceSides = 14;
    c.STB1 = TiraDado(g.DiceSides);
    c.STB2 = g.ActivityKind;
    c.STCONTATTI = g.ContattiGestiti;
    c.STNUMATTIVITA = g.LastActivityRecord;
    g.CurrentContact = c;
    g.setState(StateItem::Contacts, g.ContattiGestiti);
    SalvaDatiBasi();
    g.Files.openRandom(channel, contactFilePath(), ContactRecord::kLength);
    RecordFile& f = g.Files.random(channel);
    f.put(f.count() + 1, encodeContact(c));
    g.Files.close(channel);
}

bool noActingUnit() {
    const Globals& g = G();
    return (g.ContactUnitAlle <= 0 && g.ContactUnitAsse <= 0) || g.ActivityKind == kActNothingFound;
}

} // namespace

QString activityFilePath() {
    return campaignPath(G().CampaignName + "Attivita.dat");
}
QString contactFilePath() {
    return campaignPath(G().CampaignName + "Contatto.dat");
}

int moveStamp(long long day, long long hour) {
    const double v = platform::leadingNumber(QString::number(day) + QString::number(hour));
    return static_cast<int>(std::clamp(v, -32768.0, 32767.0));
}

void ScriviAttivita() {
    Globals& g = G();
    g.ActivityCount += 1;
    int x = 0, y = 0;
    // The map point is columns 25 and 26 in the naval and the air tables alike.
    auto at = [&](const GroupTable& table, int group) {
        x = row(table, group)[GnCol::X];
        y = row(table, group)[GnCol::Y];
    };
    switch (g.ActivityKind) {
    case kActNavalMeeting: {
        const Int16* a = row(g.GnTableAlle, g.EncounterGnAlle);
        const Int16* b = row(g.GnTableAsse, g.EncounterGnAsse);
        x = static_cast<int>(platform::roundHalfEven((a[GnCol::X] + b[GnCol::X]) / 2.0));
        y = static_cast<int>(platform::roundHalfEven((a[GnCol::Y] + b[GnCol::Y]) / 2.0));
        break;
    }
    case kActAlliedBaseSights:
        at(g.GnTableAsse, g.EncounterGnAsse);
        break;
    case kActAxisBaseSights:
        at(g.GnTableAlle, g.EncounterGnAlle);
        break;
    case kActAlliedAirOnShips:
    case kActAlliedAirStrike:
        at(g.GaTableAlle, g.ContactUnitAlle);
        break;
    case kActAxisAirOnShips:
    case kActAxisAirStrike:
        at(g.GaTableAsse, g.ContactUnitAsse);
        break;
    case kActAlliedBombardment:
        at(g.GnTableAlle, g.ContactUnitAlle);
        break;
    case kActAxisBombardment:
        at(g.GnTableAsse, g.ContactUnitAsse);
        break;
    case kActNothingFound:
        if (g.CurrentSide == kAllies)
            at(g.GaTableAlle, g.ContactUnitAlle);
        else if (g.CurrentSide == kAxis)
            at(g.GaTableAsse, g.ContactUnitAsse);
        break;
    default:
        break;
    }
    ActivityRecord r;
    r.Day = g.state(StateItem::Day) + 1;
    r.Hour = g.state(StateItem::Hour);
    r.X = x;
    r.Y = y;
    r.Number = static_cast<float>(g.ActivityCount);
    r.Kind = g.ActivityKind;
    g.setState(StateItem::Activities, g.ActivityCount);
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
    if (g.ActivityKind == kActAlliedBaseSights) g.SightValueAsse = 0;
    if (g.ActivityKind == kActAxisBaseSights) g.SightValueAlle = 0;
    ContactRecord c{};
    for (const Side& s : kSides) {
        c.*s.lato = 1;
        c.*s.vede = margin(s) > 0 ? 1 : 0;
        c.*s.nstack = g.*s.encounter;
        c.*s.difvev = margin(s);
        c.*s.dado = g.*s.die;
    }
    copyGroups(c);
    c.STDISTANZA = g.ContactDistance;
    finishContact(c, 13);
}

void ScriviContattoRicognizione() {
    if (noActingUnit()) return;
    Globals& g = G();
    g.ContattiGestiti += 1;
    ContactRecord c{};
    for (const Side& s : kSides) {
        const int unit = g.*s.unit;
        c.*s.lato = unit >= 1 ? 2 : 1;
        if (margin(s) > 0) {
            c.*s.vede = 1;
            c.STA2 = g.AirOrder;
            c.*s.attacco = *mark(s, unit) == 0 && (g.AirOrder == 3 || g.AirOrder == 5) ? 1 : 0;
        }
        if (g.*s.encounter > 0) {
            c.*s.nstack = g.*s.encounter;
        } else if (unit > 0) {
            c.*s.nstack = unit;
            *mark(s, unit) = g.*other(s).encounter;
        }
        c.*s.difvev = margin(s);
    }
    copyGroups(c);
    c.STDISTANZA = g.ContactDistance;
    finishContact(c, 17);
}

void ScriviContattoGA() {
    if (noActingUnit()) return;
    Globals& g = G();
    g.ContattiGestiti += 1;
    ContactRecord c{};
    if (const Side* s = sideInPlay()) {
        attacker(c, *s, g.gaTable(s->number), GaCol::TargetBase);
        c.*s->vede = 1;
    }
    c.STC1 = kContactAirTarget;
    finishContact(c, 17);
}

void ScriviContattoGN2() {
    if (noActingUnit()) return;
    Globals& g = G();
    g.ContattiGestiti += 1;
    ContactRecord c{};
    if (const Side* s = sideInPlay()) {
        copyGroup(c, *s, attacker(c, *s, g.gnTable(s->number), GnCol::BombardedBase), false);
        c.*s->lato = 1;
        c.*other(*s).vede = 1;
    }
    c.STDIFVEVLATO1 = c.STVEDELATO1 + 1;
    c.STDIFVEVLATO2 = c.STVEDELATO2 + 1;
    c.STDISTANZA = g.ContactDistance;
    c.STC1 = kContactBombardment;
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
