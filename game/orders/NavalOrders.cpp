#include "NavalOrders.h"

#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/RangeRules.h"

#include <algorithm>

using platform::numberTextWithSign;

namespace {
// Groups that have sailed longer than this are marked in the list.
constexpr int kStressMark = 222;
// From this stress on, the composition line warns.
constexpr int kHighStress = 200;
// Groups of this operativity or less sail at 4 knots at most.
constexpr int kLowOperativity = 1;
constexpr int kLowOperativityKnots = 4;

Int16* rowOf(int side, int group) {
    return G().gnTable(side)[group];
}

bool sideInPlay(int side) {
    return side == kAllies || side == kAxis;
}

QString plain(int n) {
    return QString::number(n);
}
} // namespace

QString navalListItem(int side, int group) {
    const Int16* r = rowOf(side, group);
    const QString offMap = side == kAllies && r[GnCol::OffMap] > 0 ? QStringLiteral("*") : QString();
    QString state;
    if (r[GnCol::Order] == kNavalAmbush)
        state = QStringLiteral("p");
    else if (r[GnCol::RouteHours] == 0 || r[GnCol::Knots] == 0 || r[GnCol::Course] == 0)
        state = QStringLiteral("<FERMO");
    QString item = QStringLiteral("GN") + numberTextWithSign(group) + QStringLiteral(" Nv") +
                   numberTextWithSign(r[GnCol::Ships]) + QStringLiteral(" Kn") +
                   numberTextWithSign(r[GnCol::MaxKnots]) + QStringLiteral("/") +
                   numberTextWithSign(r[GnCol::Knots]) + QStringLiteral(" Op") +
                   numberTextWithSign(r[GnCol::MinOperativity]) + offMap + state;
    if (r[GnCol::HoursSinceFormed] > kStressMark) item += QStringLiteral(" SS");
    return item;
}

bool listedUnderFilter(int order, int filter) {
    return filter == 1 ? order == kNavalAmbush : filter == 0 && order != kNavalAmbush;
}

QString refusalText(NavalRefusal refusal, int value) {
    switch (refusal) {
    case NavalRefusal::None:
        return QString();
    case NavalRefusal::NoGroup:
        return QStringLiteral("ATT: selezionare prima un GN attivo nella lista");
    case NavalRefusal::MixedAmbush:
        return QStringLiteral("ATT: AGGUATO solo per GN di soli CT e sommergibili");
    case NavalRefusal::NoTarget:
        return QStringLiteral("ATT: scegliere prima il GN nemico nella lista dei contatti");
    case NavalRefusal::TargetTooFar:
        return QStringLiteral("ATT: GN nemico troppo lontano (") + plain(value) + QStringLiteral(" su 600)");
    case NavalRefusal::AmbushSpeed:
        return QStringLiteral("ATT: in AGGUATO il GN resta fermo");
    case NavalRefusal::AboveMaximum:
        return QStringLiteral("ATT: velocità oltre il massimo del GN (") + plain(value) +
               QStringLiteral(" Kn)");
    case NavalRefusal::OffMapCourse:
        return QStringLiteral("attenzione rotta est o ovest soltanto");
    }
    return QString();
}

bool groupInUse(int side, int group) {
    return sideInPlay(side) && group >= 1 && group <= kGroups && rowOf(side, group)[GnCol::InUse] > 0;
}

OrderCheck checkNavalOrder(int side, int group, int order, int target) {
    if (!groupInUse(side, group)) return {NavalRefusal::NoGroup};
    const Int16* r = rowOf(side, group);
    if (order == kNavalAmbush && r[GnCol::Submarines] + r[GnCol::Destroyers] != r[GnCol::Ships])
        return {NavalRefusal::MixedAmbush};
    if (order != kNavalIntercept) return {};
    const int enemy = side == kAllies ? kAxis : kAllies;
    if (!groupInUse(enemy, target)) return {NavalRefusal::NoTarget};
    const Int16* t = rowOf(enemy, target);
    const int d = DistanzaPunti(r[GnCol::X], r[GnCol::Y], t[GnCol::X], t[GnCol::Y]);
    if (d > kInterceptRange) return {NavalRefusal::TargetTooFar, d};
    return {NavalRefusal::None, d};
}

SpeedDecision decideSpeed(int order, int maxKnots, int operativity, int requested) {
    if (order == kNavalAmbush) return {NavalRefusal::AmbushSpeed};
    if (requested > maxKnots) return {NavalRefusal::AboveMaximum};
    if (operativity <= kLowOperativity && requested > kLowOperativityKnots)
        return {NavalRefusal::None, kLowOperativityKnots, true};
    return {NavalRefusal::None, std::max(requested, 0)};
}

void writeNavalOrder(int side, int group, int order, int knots, int target) {
    Int16* r = rowOf(side, group);
    r[GnCol::Order] = order;
    r[GnCol::Knots] = knots;
    r[GnCol::Step] = knots * 10;
    if (order == kNavalIntercept) {
        r[GnCol::TargetGn] = target;
        r[GnCol::TargetHours] = 0;
    } else {
        r[GnCol::TargetGn] = 0;
        r[GnCol::TargetHours] = 0;
    }
}

void writeNavalSpeed(int side, int group, int knots) {
    Int16* r = rowOf(side, group);
    r[GnCol::Knots] = knots;
    r[GnCol::Step] = knots * 10;
    r[GnCol::UnderWay] = 1;
    r[GnCol::InFriendlyPort] = 0;
}

int routeHoursFromText(const QString& text) {
    const double v = std::clamp(platform::leadingNumber(text), 0.0, double(kMaxRouteHours));
    return int(platform::roundHalfEven(v));
}

bool courseAllowed(int side, int group, int course) {
    if (side != kAllies || rowOf(kAllies, group)[GnCol::OffMap] <= 0) return true;
    return course == 4 || course == 5;
}

void AvviaFuoriMappa(int group) {
    Globals& g = G();
    if (!groupInUse(kAllies, group) || g.GnOrder >= 6 || g.GnSpeed <= 0) return;
    int distance = 0, flag = 0;
    if (g.BaseUnderGn == kGibraltarBase)
        distance = kGibraltarDistance, flag = 1;
    else if (g.BaseUnderGn == kAlexandriaBase)
        distance = kAlexandriaDistance, flag = 2;
    else
        return;
    Int16* r = rowOf(kAllies, group);
    r[GnCol::OffMapDistance] = distance;
    r[GnCol::OffMap] = flag;
    r[GnCol::X] = 0;
    r[GnCol::Y] = 0;
    r[GnCol::InFriendlyPort] = 0;
    g.GnOffMap = flag;
}

StatusIcons statusIcons(int step, int friendlyPort, int knots, int order, int fires, int operativity) {
    StatusIcons s;
    if (step == 0 && friendlyPort == 1)
        s.motion = QStringLiteral("ancora.ico");
    else if (step == 0 && friendlyPort == 0)
        s.motion = QStringLiteral("nogo.ico");
    else if (step > 0 && friendlyPort == 0)
        s.motion = QStringLiteral("go.ico");
    else
        s.motion = QStringLiteral("kvz.ico");
    s.ambush =
        knots == 0 && order == kNavalAmbush ? QStringLiteral("agguato.ico") : QStringLiteral("kvz.ico");
    if (step == 0 && order > kNavalAmbush)
        s.trouble = QStringLiteral("MANOVRA2.ico");
    else if (fires > 0)
        s.trouble = QStringLiteral("inc1.ico");
    else if (operativity < 2)
        s.trouble = QStringLiteral("inc2.ico");
    else
        s.trouble = QStringLiteral("kvz.ico");
    return s;
}

QString groupPlaceLine(int friendlyPort, int base, int x, int y, int course) {
    const Globals& g = G();
    const QString baseName = base >= 1 && base <= kBases ? g.BaseNames[base] : QString();
    const QString heading = course >= 0 && course <= 8 ? g.CompassNames[course] : QString();
    return QStringLiteral("(") + plain(friendlyPort) + QStringLiteral(") ") + baseName +
           numberTextWithSign(x) + QStringLiteral(":") + numberTextWithSign(y) + QStringLiteral(" ->") +
           heading;
}

QString routeLine(int routeHours, int course, const QString& gap) {
    const QString heading = course >= 0 && course <= 8 ? G().CompassNames[course] : QString();
    return numberTextWithSign(routeHours) + gap + QStringLiteral("Trn Rotta ") + heading;
}

QString offMapHoursLine(int from, const QString& place, int distance, int step, int course) {
    const QString heading = course >= 0 && course <= 8 ? G().CompassNames[course] : QString();
    const long long sailed = platform::intPart(double(from - distance) / step);
    const long long toMap = platform::intPart(double(distance) / step) + 1;
    return numberTextWithSign(double(sailed)) + place + QStringLiteral("rotta ") + heading +
           QStringLiteral(" (Mappa ") + plain(int(toMap)) + QStringLiteral(" h)");
}

QString compositionLine(int side, int group) {
    const Int16* r = rowOf(side, group);
    const int stress = r[GnCol::HoursSinceFormed];
    return QStringLiteral("PAL:") + plain(r[GnCol::Carriers]) + QStringLiteral("   NB IP IL:") +
           plain(r[GnCol::Capitals]) + QStringLiteral("   CT:") + plain(r[GnCol::Destroyers]) +
           QStringLiteral("   NML:") + plain(r[GnCol::MinorWarships]) + QStringLiteral("   SAC:") +
           plain(r[GnCol::Submarines]) + QStringLiteral("  CrG:") + plain(r[GnCol::OtherShips]) +
           (stress >= kHighStress ? QStringLiteral(" -(STRESS ALTO ") : QStringLiteral(" -(Stress: ")) +
           plain(stress) + QStringLiteral("/240)");
}
