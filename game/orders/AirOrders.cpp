#include "AirOrders.h"

#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/RangeRules.h"

#include <QRegularExpression>
#include <limits>

using platform::intPart;
using platform::roundHalfEven;

namespace {
bool sideInPlay(int side) {
    return side == kAllies || side == kAxis;
}
bool groupNumber(int n) {
    return n >= 1 && n <= kGroups;
}
} // namespace

// ---------------------------------------------------------------- the list

QString airListLine(int side, int group) {
    const Globals& g = G();
    const GroupTable& t = side == kAxis ? g.GaTableAsse : g.GaTableAlle;
    const Int16* r = t[group];
    QString tag;
    switch (int(r[GaCol::Order])) {
    case kOrderCap:
        tag = QString::number(r[GaCol::CoveredGn]) + QStringLiteral("cp");
        break;
    case kOrderPatrol:
        tag = QStringLiteral("-pt");
        break;
    case kOrderRecon:
        tag = QStringLiteral("-rc");
        break;
    case kOrderIntercept:
        tag = QString::number(r[GaCol::TargetGn]) + QStringLiteral("ia");
        break;
    case kOrderBombing:
        tag = QString::number(r[GaCol::TargetBase]) + QStringLiteral("bm");
        break;
    default:
        tag = QString::number(r[GaCol::TargetGn]);
        break;
    }
    // The name as the aircraft record holds it, blanks to its width, so that " *" stands in one
    // column for every line.
    const QString name =
        (side == kAxis ? g.GaNamesAsse : g.GaNamesAlle)[group][1].leftJustified(22, u' ', true);
    return QStringLiteral("GA%1/%2-").arg(group).arg(r[GaCol::Aircraft]) + name + QStringLiteral(" *") + tag;
}

bool listedUnderAirFilter(const Int16* row, int filter) {
    const int order = row[GaCol::Order];
    switch (filter) {
    case 1:
        return order == kOrderIntercept;
    case 2:
        return order == kOrderCap || order == kOrderPatrol || order == kOrderRecon;
    case 3:
        return order == kOrderTakeOff || order == kOrderReturn;
    case 4:
        return row[GaCol::FlightHours] > 12;
    default:
        return true;
    }
}

// ---------------------------------------------------------------- enemy groups sighted

ContactView contactView(const ContactRecord& c, int side) {
    ContactView v;
    if (side == kAllies) {
        v = {c.STNSTACKLATO2, c.STROTTALATO2, c.STINCLATO2, c.STDIFVEVLATO1, c.STNSTACKLATO1, c.STINCLATO1};
    } else if (side == kAxis) {
        v = {c.STNSTACKLATO1, c.STROTTALATO1, c.STINCLATO1, c.STDIFVEVLATO2, c.STNSTACKLATO2, c.STINCLATO2};
    }
    return v;
}

std::optional<QString> airContactLine(const ContactRecord& c, int side) {
    if (!sideInPlay(side)) return std::nullopt;
    const bool allies = side == kAllies;
    const int saw = allies ? c.STVEDELATO1 : c.STVEDELATO2;
    const int ships = allies ? c.STNUMNAVILATO2 : c.STNUMNAVILATO1;
    if (saw != 1 || ships <= 0) return std::nullopt;
    const ContactView v = contactView(c, side);
    const int knots = allies ? c.STNODILATO2 : c.STNODILATO1;
    QString line = QStringLiteral("GN:%1 N:%2 K:%3 (%4) [%5")
                       .arg(v.enemyGroup)
                       .arg(ships)
                       .arg(knots)
                       .arg(c.STDISTANZA)
                       .arg(v.ownGroup);
    switch (int(c.STB2)) {
    case kActNavalMeeting:
        line += QStringLiteral("GN]");
        break;
    case kActAlliedBaseSights:
    case kActAxisBaseSights:
        line += QStringLiteral("b]");
        break;
    case kActAlliedAirOnShips:
    case kActAxisAirOnShips:
        line += QStringLiteral("GA]");
        break;
    case kActAlliedBombardment:
    case kActAxisBombardment:
        line += QStringLiteral("BmNv]");
        break;
    default:
        break;
    }
    const int attacks = allies ? c.STATTACCOLATO1 : c.STATTACCOLATO2;
    if (attacks == 1 && groupNumber(v.ownGroup) && G().gaTable(side)[v.ownGroup][GaCol::InAction] > 0)
        line += QStringLiteral(" ATT");
    return line;
}

QString enemyComposition(int enemySide, int enemyGroup, int viewerMargin, bool contactPanel) {
    if (viewerMargin <= 1 || !sideInPlay(enemySide) || !groupNumber(enemyGroup))
        return QStringLiteral("NAVI NON IDENTIF.");
    const Int16* r = G().gnTable(enemySide)[enemyGroup];
    return QStringLiteral("PA/PL%1 -NB/IB/IP/IL%2 -CT%3 -NM/NL%4%5%6 -ALTRE%7")
        .arg(r[GnCol::Carriers])
        .arg(r[GnCol::Capitals])
        .arg(r[GnCol::Destroyers])
        .arg(r[GnCol::MinorWarships])
        .arg(contactPanel ? QStringLiteral(" -SA/SC") : QStringLiteral(" SA/SC"))
        .arg(r[GnCol::Submarines])
        .arg(r[GnCol::OtherShips]);
}

int navalAttackRange(int weather) {
    return 210 - 10 * weather;
}

bool navalAttackOffered(const ContactRecord& c, int weather) {
    return navalAttackRange(weather) > c.STDISTANZA && c.STB2 == kActNavalMeeting;
}

// ---------------------------------------------------------------- the order

bool orderHasTarget(int order) {
    return order >= kOrderCap && order <= kOrderBombing;
}

QString noInterceptTargetReason() {
    return QStringLiteral("scegliere prima il GN nemico tra le Formazioni Nemiche avvistate");
}

namespace {
// Each order's caption in the order label and what the next map press means once it is taken.
struct OrderEntry {
    const char* caption;
    int mode;
};
constexpr OrderEntry kOrders[] = {{"", 0},
                                  {"DECOLLO", 0},
                                  {"Click GN su Mappa", 3},
                                  {"PATROL(Click Mappa)", 2},
                                  {"RICOGNIZIONE (Clicca Mappa)", 1},
                                  {"INTERC/ATTACCA", -1},
                                  {"BOMBARDAMENTO (Click Base)", 4},
                                  {"RIENTRA ALLA BASE", 9}};
const QString kOrderRefused = QStringLiteral("Non Permesso");
} // namespace

const QString kTargetRefused = QStringLiteral("NON AMMESSO");

QStringList airOrderCaptions() {
    QStringList out;
    for (const OrderEntry& e : kOrders)
        if (*e.caption) out << QString::fromLatin1(e.caption);
    return out << kOrderRefused << kTargetRefused;
}

OrderChoice chooseAirOrder(int order, const OrderGroupValues& v) {
    // The first reason that holds, in the game's words; none, the order is taken.
    const QString onMission = QStringLiteral("il GA è già in missione");
    QString reason;
    switch (order) {
    case kOrderTakeOff:
        if (v.turnsDone > 0) reason = onMission;
        break;
    case kOrderCap:
        if (v.torpedoes > 0) reason = QStringLiteral("un GA con siluri non fa CAP");
        break;
    case kOrderPatrol:
        if (v.bombs < 1)
            reason = QStringLiteral("il PATROL vuole un GA con bombe");
        else if (v.turnsDone > 0)
            reason = onMission;
        else if (v.previousMode == -1)
            reason = QStringLiteral("il GA è in intercettazione");
        break;
    case kOrderRecon:
        if (v.bombs > 0 || v.torpedoes > 0)
            reason = QStringLiteral("un ricognitore non porta bombe né siluri");
        break;
    case kOrderIntercept:
        if (v.previousMode > 0 && v.turnsDone > 0)
            reason = onMission;
        else if (v.targetGn == 0)
            reason = noInterceptTargetReason();
        break;
    case kOrderBombing:
        if (v.bombs < 1)
            reason = QStringLiteral("il BOMBARDAMENTO vuole un GA con bombe");
        else if (v.previousMode != 4 && v.turnsDone >= 1)
            reason = onMission;
        break;
    case kOrderReturn:
        break;
    default:
        reason = QStringLiteral("ordine sconosciuto");
        break;
    }
    OrderChoice c;
    c.mapClickMode = v.previousMode;
    if (!reason.isEmpty()) {
        c.caption = kOrderRefused;
        c.reason = QStringLiteral("Non Permesso: ") + reason;
        return c;
    }
    c.accepted = true;
    c.caption = QString::fromLatin1(kOrders[order].caption);
    c.mapClickMode = kOrders[order].mode;
    return c;
}

// ---------------------------------------------------------------- the target

int baseUnderPoint(int x, int y) {
    for (int b = 1; b <= kBases; ++b)
        if (onBaseSquare(x, y, b)) return b;
    return kNoBaseUnder;
}

bool strikeAllowed(int side, int base) {
    if (side == kAllies) return base >= 1 && base <= 11;
    if (side == kAxis) return base >= 12 && base <= 14;
    return false;
}

int missionRange(int speed, int endurance) {
    Globals& g = G();
    const Int16 keptSpeed = g.MissionSpeed, keptUsable = g.UsableEndurance;
    g.MissionSpeed = speed;
    const int range = RaggioMissione(endurance);
    g.MissionSpeed = keptSpeed;
    g.UsableEndurance = keptUsable;
    return range;
}

int targetStep(int miles) {
    return int(intPart(miles * 10 / 8.0 + 0.5));
}

int shownStep(int miles) {
    return int(intPart(miles * 10 / 15.0));
}

std::optional<int> hoursToTarget(int distance, int step, int delay) {
    if (step == 0) return std::nullopt;
    const long long h = intPart(double(distance) / step + delay);
    if (h < std::numeric_limits<int16_t>::min() || h > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int(h);
}

int interceptPercentFor(int distance, int fireModifier, bool interception) {
    const int p = FasciaDistanza(distance) + 5 * fireModifier;
    return interception ? 3 * p : p;
}

TargetRefusal checkAirOrder(const AirOrderDraft& d) {
    if (!sideInPlay(d.side) || !groupNumber(d.group) || G().gaTable(d.side)[d.group][GaCol::InUse] <= 0)
        return TargetRefusal::NoGroup;
    if (d.order < kOrderTakeOff || d.order > kOrderReturn) return TargetRefusal::NoOrder;
    if (!orderHasTarget(d.order)) return TargetRefusal::None;

    int tx = d.targetX, ty = d.targetY;
    if (d.order == kOrderIntercept) {
        if (d.targetGn == 0 || d.interceptX == 0) return TargetRefusal::NoTarget;
        tx = d.interceptX, ty = d.interceptY;
    } else if (tx < 1) {
        // No point pressed: the order is written for the group's origin.
        tx = d.originX, ty = d.originY;
    }
    if (d.order == kOrderCap && d.capGn < 1) return TargetRefusal::NoTarget;

    const int distance = DistanzaPunti(d.originX, d.originY, tx, ty);
    if (distance > missionRange(d.speed, d.endurance)) return TargetRefusal::OutOfRange;
    const int usable = d.endurance - int(intPart(d.endurance / 5.0));
    const auto hours = hoursToTarget(distance, targetStep(KmInMiglia(d.speed)), d.takeOffDelay);
    if (!hours || usable - *hours < 1) return TargetRefusal::NoMargin;
    if (d.order == kOrderBombing && !strikeAllowed(d.side, baseUnderPoint(tx, ty)))
        return TargetRefusal::BaseRefused;
    return TargetRefusal::None;
}

// ---------------------------------------------------------------- the order written

std::optional<int> turnsToTargetColumn(int distance, int step) {
    if (step == 0) return std::nullopt;
    const long long t = intPart(double(distance) / step + 0.5);
    if (t < std::numeric_limits<int16_t>::min() || t > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int(t);
}

bool writeAirOrder(int side, int group, const AirOrderRow& o) {
    if (!sideInPlay(side) || !groupNumber(group) || o.order < kOrderTakeOff || o.order > kOrderReturn)
        return false;
    Int16* r = G().gaTable(side)[group];
    if (o.order == kOrderReturn) {
        r[GaCol::Order] = kOrderReturn;
        return true;
    }
    r[GaCol::Order] = o.order;
    r[GaCol::TargetGn] = o.targetGn;
    r[GaCol::TargetBase] = o.targetBase;
    r[GaCol::UsableEndurance] = o.usableEndurance;
    const bool point = o.targetX >= 1;
    r[GaCol::TargetX] = point ? Int16(o.targetX) : r[GaCol::OriginX];
    r[GaCol::TargetY] = point ? Int16(o.targetY) : r[GaCol::OriginY];
    r[GaCol::Step] = o.step;
    r[GaCol::EvasionRadius] = o.radius;
    r[GaCol::ContactTurn] = o.contactTime;
    if (o.turnsToTarget) r[GaCol::TurnsToTarget] = *o.turnsToTarget;
    r[GaCol::SearchTurns] = o.searchTurns;
    r[GaCol::InterceptPercent] = o.interceptPercent;
    r[GaCol::DistanceFromBase] = o.distance;
    r[GaCol::TurnsFlown] = 0;
    r[GaCol::ControlFlag] = o.mapClickMode;
    r[GaCol::X] = r[GaCol::OriginX];
    r[GaCol::Y] = r[GaCol::OriginY];
    r[GaCol::OverTarget] = 0;
    r[GaCol::InAction] = o.order == kOrderBombing ? r[GaCol::Aircraft] : Int16(0);
    r[GaCol::EvasionValue] = 11;
    r[GaCol::CoveredGn] = o.order == kOrderCap ? o.capGn : 0;
    return true;
}

// ---------------------------------------------------------------- losses entered by hand

LossEntry enterAirLosses(int side, int group, int column, const QString& answer) {
    LossEntry e;
    if (!sideInPlay(side) || !groupNumber(group) || (column != GaCol::Damaged && column != GaCol::ShotDown))
        return e;
    const QString text = answer.trimmed();
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!text.isEmpty() && !digits.match(text).hasMatch()) return e;
    // A long run of digits is more than any group holds; it is refused below, not overflowed.
    const long long n = text.isEmpty() ? 0 : (text.size() > 6 ? 1000000 : text.toLongLong());
    Int16* r = G().gaTable(side)[group];
    const long long total = r[GaCol::Aircraft], damaged = r[GaCol::Damaged], shot = r[GaCol::ShotDown];
    if (n + damaged + shot > total) return e;
    r[column] = r[column] + n;
    e.accepted = true;
    e.value = r[column];
    e.remaining = int(total - damaged - shot - n);
    if (e.remaining == 0) {
        r[GaCol::Order] = kOrderReturn;
        e.sentHome = true;
    }
    return e;
}
