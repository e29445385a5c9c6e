#include "ContactBoard.h"

#include "common/ContactFiles.h"
#include "common/Globals.h"
#include "common/RangeRules.h"
#include "platform/Colors.h"
#include "platform/Numbers.h"

namespace contactboard {

namespace {

// A group's row, or a row of zeros for a number outside 1..50: the contact writers are trusted
// with the numbers they store, the board is not.
const Int16* row(const GroupTable& table, int group) {
    static const Int16 kNone[kGroupColumns + 1] = {};
    return group >= 1 && group <= kGroups ? table[group] : kNone;
}
QString gaName(int side, int group, int field) {
    return group >= 1 && group <= kGroups ? G().gaNames(side)[group][field] : QString();
}

int otherSide(int side) {
    return side == kAllies ? kAxis : kAllies;
}

// Knots as the board shows them: below 4 (a stopped or crawling group) reads 8.
int shownKnots(int knots) {
    return knots < 4 ? 8 : knots;
}

QString num(long long v) {
    return QString::number(v);
}

// Groups closer than this to the attacked group count as its neighbours.
constexpr int kNearLimit = 241;

} // namespace

const Int16* navalRow(int side, int group) {
    return row(G().gnTable(side), group);
}

const Int16* airRow(int side, int group) {
    return row(G().gaTable(side), group);
}

const QString kPatrolAlert = QStringLiteral(" ALLARME AEREO (Patrol in attacco)");

long sideColour(int side) {
    return side == kAxis ? platform::vbRed : platform::vbYellow;
}

QString sideCaption(int side) {
    return side == kAxis ? QStringLiteral("ASSE") : QStringLiteral("ALLE");
}

int sideOfCaption(const QString& caption) {
    const QString s = caption.trimmed();
    if (s == QLatin1String("ALLE")) return kAllies;
    if (s == QLatin1String("ASSE")) return kAxis;
    return 0;
}

ContactSide contactSide(const ContactRecord& c, int side) {
    if (side == kAxis)
        return {kAxis,          c.STVEDELATO2,    c.STNSTACKLATO2, c.STDADOLATO2, c.STATTACCOLATO2,
                c.STROTTALATO2, c.STNUMNAVILATO2, c.STNODILATO2};
    return {kAllies,          c.STVEDELATO1,  c.STNSTACKLATO1,  c.STDADOLATO1,
            c.STATTACCOLATO1, c.STROTTALATO1, c.STNUMNAVILATO1, c.STNODILATO1};
}

int seeingAttacker(const ContactRecord& c) {
    if (c.STVEDELATO1 == 1 && c.STATTACCOLATO1 == 1) return kAllies;
    if (c.STVEDELATO2 == 1 && c.STATTACCOLATO2 == 1) return kAxis;
    return 0;
}

int strikingSide(const ContactRecord& c) {
    if (c.STATTACCOLATO1 == 1) return kAllies;
    if (c.STATTACCOLATO2 == 1) return kAxis;
    return 0;
}

const QString kPatrolBox = QStringLiteral("PATROL AUTO/MANUALE");
const QString kAirStrikeBox = QStringLiteral("BOMB. AEREO AUTO/MANUALE");
const QString kBombardmentBox = QStringLiteral("BOMB. NAVALE AUTO/MANUALE");

QString boxToTick(const ContactRecord& c, int autoPatrol, int autoBombAir, int autoBombNaval) {
    if (strikingSide(c) == 0) return {};
    // In the order in which the board tries the attack windows.
    const struct {
        bool calledFor;
        bool ticked;
        const QString& name;
    } boxes[] = {
        {c.STA2 == kOrderPatrol, autoPatrol == 1, kPatrolBox},
        {c.STB2 == kActAlliedAirStrike || c.STB2 == kActAxisAirStrike, autoBombAir == 1, kAirStrikeBox},
        {c.STB2 == kActAlliedBombardment || c.STB2 == kActAxisBombardment, autoBombNaval == 1,
         kBombardmentBox},
    };
    for (const auto& b : boxes)
        if (b.calledFor && b.ticked) return {};
    for (const auto& b : boxes)
        if (b.calledFor) return b.name;
    return {};
}

QString boxToTickText(const QString& box) {
    // The boxes are pictures beside the contact button: their names show as the pointer rests there.
    return QStringLiteral("ATT: ATTACCO MANUALE - SPUNTARE \"%1\" (SOPRA IL TASTO CONTATTI) PER LA "
                          "FINESTRA D'ATTACCO")
        .arg(box);
}

bool isBaseAttack(int kind) {
    return kind >= kActAlliedAirStrike && kind <= kActAxisBombardment;
}

bool isAirContact(int kind) {
    return kind >= kActAlliedBaseSights && kind <= kActAxisAirOnShips;
}

QString baseNameOrNone(int base) {
    return base >= 1 && base <= kBases ? G().BaseNames[base] : QStringLiteral("NESSUNA BASE");
}

QString courseText(int course) {
    return course >= 0 && course <= 8 ? G().CompassShortNames[course] : QString();
}

QString contactLine(const ContactRecord& c) {
    if ((c.STATTACCOLATO1 > 0 || c.STATTACCOLATO2 > 0) && c.STB2 <= kActAxisAirOnShips) {
        // The line names the group under attack.
        const int attacker = seeingAttacker(c);
        if (attacker != 0) {
            const ContactSide seen = contactSide(c, otherSide(attacker));
            if (seen.ships != 0)
                return QStringLiteral("GN") + num(seen.group) + QStringLiteral(" nv") + num(seen.ships) +
                       QStringLiteral(" kn") + num(seen.knots == 0 ? 8 : seen.knots) + QStringLiteral(" [") +
                       num(c.STDISTANZA) + QStringLiteral("]>") + courseText(seen.course);
        }
    }
    if (c.STB2 == kActAlliedAirStrike || c.STB2 == kActAxisAirStrike)
        return baseNameOrNone(c.STA1) + QStringLiteral(" BmbAer");
    if (c.STB2 == kActAlliedBombardment || c.STB2 == kActAxisBombardment)
        return baseNameOrNone(c.STA1) + QStringLiteral(" BmbNav");
    return QString();
}

std::vector<ListItem> hourContacts(int hourCount, int* recordsRead) {
    Globals& g = G();
    g.Files.close(kChannel);
    std::vector<ListItem> items;
    if (recordsRead) *recordsRead = 0;
    const int count = openContactFile(kChannel);
    if (hourCount > 0) {
        for (int r = firstRecordOfHour(count, hourCount); r <= count; ++r) {
            const QString line = contactLine(readContact(kChannel, r));
            if (!line.isEmpty()) items.push_back({line, r});
            if (recordsRead) ++*recordsRead;
        }
    }
    g.Files.close(kChannel);
    return items;
}

QString attackTime(long long hour, int roll) {
    return (hour == 0 ? QStringLiteral("23") : num(hour - 1)) + QStringLiteral(":") + num(4LL * roll);
}

QString alertCaption(int d) {
    if (d <= 0) return QStringLiteral(" ALLARME Pronti al Fuoco(AVV+2) DUMMY");
    if (d == 1) return QStringLiteral(" PRE-ALLARME Pronti al Fuoco(AVV+1) DUMMY");
    if (d == 2) return QStringLiteral(" ALLERTA Pronti al Fuoco");
    if (d == 3) return QStringLiteral(" IN GUARDIA Fuoco di reazione");
    if (d == 4) return QStringLiteral(" MEZZA GUARDIA Fuoco di reaz. (-1 TRN/Manovra)");
    return QStringLiteral(" RIPOSO (-1 TRN Fuoco e Manovra)");
}

std::vector<NearEntry> nearGroups(int side, int x, int y, int exclude, int course, bool blankBeforeGn) {
    Globals& g = G();
    const GroupTable& gn = g.gnTable(side);
    const GroupTable& ga = g.gaTable(side);
    std::vector<NearEntry> out;
    for (int j = 1; j <= kGroups; ++j) {
        const Int16* r = gn[j];
        if (r[GnCol::X] <= 0 || r[GnCol::Y] <= 0) continue;
        const int d = DistanzaPunti(x, y, r[GnCol::X], r[GnCol::Y]);
        g.TargetDistance = d;
        if (d >= kNearLimit) continue;
        if (j != exclude) {
            const QString text = num(d) + (blankBeforeGn ? QStringLiteral(" GN") : QStringLiteral("GN")) +
                                 num(j) + QStringLiteral(" nv") + num(r[GnCol::Ships]) +
                                 QStringLiteral(" kn") + num(shownKnots(r[GnCol::Knots])) +
                                 QStringLiteral(">") + courseText(course);
            out.push_back({false, {text, j}, r[GnCol::X], r[GnCol::Y]});
        }
        if (r[GnCol::PatrolGroups] <= 0) continue;
        for (int k = 1; k <= kGroups; ++k) {
            const Int16* a = ga[k];
            if (a[GaCol::CoveredGn] != j) continue;
            const bool loaded = a[GaCol::Torpedoes] + a[GaCol::Bombs] != 0;
            const QString text = num(d) + QStringLiteral("(GN") + num(j) + QStringLiteral(") GA") + num(k) +
                                 QStringLiteral(" ") + gaName(side, k, 3) + QStringLiteral("x") +
                                 num(a[GaCol::InAction]) +
                                 (loaded ? QStringLiteral(" capB") : QStringLiteral(" cap"));
            out.push_back({true, {text, k}, a[GaCol::X], a[GaCol::Y]});
        }
    }
    return out;
}

ListItem navalAttackerItem(const ContactRecord& c, int side, long long hour) {
    const ContactSide s = contactSide(c, side);
    const Int16* r = navalRow(side, s.group);
    const QString text = attackTime(hour, c.STB1) + QStringLiteral("(") + num(c.STB1) +
                         QStringLiteral(") GN") + num(s.group) + QStringLiteral(" nv") +
                         num(r[GnCol::Ships]) +
                         (side == kAllies ? QStringLiteral(" Kn") : QStringLiteral(" kn")) +
                         num(shownKnots(r[GnCol::Knots])) + QStringLiteral(">") + courseText(s.course);
    return {text, s.group};
}

ListItem airAttackerItem(const ContactRecord& c, int side, long long hour) {
    const int n = contactSide(c, side).group;
    const Int16* r = airRow(side, n);
    const bool loaded = r[GaCol::Torpedoes] + r[GaCol::Bombs] != 0;
    const QString text = attackTime(hour, c.STB1) + QStringLiteral("(") + num(c.STB1) +
                         QStringLiteral(") GA") + num(n) + QStringLiteral("  ") + gaName(side, n, 3) +
                         QStringLiteral("x") + num(r[GaCol::InAction]) +
                         (loaded ? QStringLiteral(" att") : QStringLiteral(" int"));
    return {text, n};
}

ListItem strikeAttackerItem(const ContactRecord& c, int side, long long hour) {
    const int n = contactSide(c, side).group;
    const QString head = attackTime(hour, c.STB1) + QStringLiteral("(") + num(c.STB1) + QStringLiteral(")");
    if (c.STC1 == kContactAirTarget)
        return {head + QStringLiteral(" - GA") + num(n) + QStringLiteral(" Na: ") +
                    num(airRow(side, n)[GaCol::InAction]) + QStringLiteral(" ") + gaName(side, n, 3),
                n};
    if (c.STC1 == kContactBombardment)
        return {head + QStringLiteral(" - GN") + num(n) + QStringLiteral(" nv") +
                    num(navalRow(side, n)[GnCol::Ships]),
                n};
    return {QString(), n};
}

QString attackingGroupClasses(const ContactRecord& c) {
    const int side = strikingSide(c);
    if (side == 0) return QString();
    const Int16* r = navalRow(side, contactSide(c, side).group);
    return QStringLiteral("PAL:") + num(r[GnCol::Carriers]) + QStringLiteral("   NB IP IL:") +
           num(r[GnCol::Capitals]) + QStringLiteral("   CT:") + num(r[GnCol::Destroyers]) +
           QStringLiteral("   NML:") + num(r[GnCol::MinorWarships]) + QStringLiteral("   SAC:") +
           num(r[GnCol::Submarines]) + QStringLiteral("  CrG:") + num(r[GnCol::OtherShips]);
}

void CompilaContestoOperazione(int record) {
    Globals& g = G();
    const ContactRecord& c = g.CurrentContact;
    Int32* oc = g.OperationContext;
    oc[1] = record;
    oc[2] = c.STA1;
    oc[3] = c.STB2;
    oc[4] = c.STB1;
    // The side that saw, and the periscope depth of the group it saw.
    if (c.STVEDELATO1 == 1) {
        oc[8] = kAllies;
        oc[17] = navalRow(kAxis, c.STNSTACKLATO2)[GnCol::Periscope];
    } else if (c.STVEDELATO2 == 1) {
        oc[8] = kAxis;
        oc[17] = navalRow(kAllies, c.STNSTACKLATO1)[GnCol::Periscope];
    }
    oc[9] = c.STINCLATO1;
    oc[10] = c.STINCLATO2;
    oc[11] = c.STNODILATO1;
    oc[12] = c.STNODILATO2;
    oc[13] = c.STDADOLATO1;
    oc[14] = c.STDADOLATO2;
    oc[15] = c.STNSTACKLATO1;
    oc[16] = c.STNSTACKLATO2;
    oc[20] = c.STNUMATTIVITA;
}

void fillAttacker(int side) {
    Globals& g = G();
    g.OperationContext[5] = side;
    g.OperationContext[6] = contactSide(g.CurrentContact, side).group;
    g.OperationContext[7] = g.CurrentContact.STC1;
}

QString patrolDetail(int side, int group) {
    const Int16* r = airRow(side, group);
    QString text = gaName(side, group, 1);
    if (r[GaCol::Torpedoes] > 0)
        text += QStringLiteral("( 1 siluro)");
    else if (r[GaCol::Bombs] > 0)
        text +=
            QStringLiteral(" bombe ") + num(r[GaCol::Bombs]) + QStringLiteral("x") + num(r[GaCol::BombSize]);
    return text;
}

QString navalOrderDetail(int side, int group) {
    const int order = navalRow(side, group)[GnCol::Order];
    return order >= 0 && order <= 5 ? G().NavalOrderNames[order] : QString();
}

QString attackingAirDetail(int side, int group) {
    const Int16* r = airRow(side, group);
    QString text = gaName(side, group, 1);
    if (r[GaCol::Torpedoes] > 0)
        text += side == kAllies ? QStringLiteral(" (1 siluro)") : QStringLiteral("( 1 siluro)");
    else if (r[GaCol::Bombs] > 0)
        text += QStringLiteral(" (bombe ") + num(r[GaCol::Bombs]) + QStringLiteral("x") +
                num(r[GaCol::BombSize]) + QStringLiteral(")");
    return text;
}

int plotOffset(double scale, int delta) {
    return static_cast<int>(platform::roundHalfEven(scale * delta));
}

QString unlistedContactsText(int read, int listed) {
    const int unlisted = read - listed;
    if (unlisted <= 0) return QString();
    if (listed <= 0) return QStringLiteral("Solo avvistamenti: nessun attacco (Chiudi libera l'ORA)");
    return QStringLiteral("+%1 avvistamenti senza attacco, non elencati").arg(unlisted);
}

BoardPlaces boardPlaces(const QRect& area, const QSize& board, const QSize& plot, int title, int border) {
    constexpr int kMargin = 8;
    BoardPlaces p;
    p.board = QPoint(area.left() + kMargin + border, area.bottom() + 1 - kMargin - border - board.height());
    const int plotAbove = p.board.y() - title - kMargin - border - plot.height();
    if (plotAbove - title >= area.top())
        p.plot = QPoint(p.board.x(), plotAbove);
    else
        p.plot = QPoint(p.board.x() + board.width() + 2 * border + kMargin,
                        area.bottom() + 1 - kMargin - border - plot.height());
    return p;
}

} // namespace contactboard
