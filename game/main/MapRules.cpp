#include "MapRules.h"

#include "common/Globals.h"
#include "platform/Numbers.h"

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

// An entry of a reference list, or the empty text for a code the list does not have.
template <int N> QString listEntry(const QString (&names)[N], int index) {
    return index >= 0 && index < N ? names[index] : QString();
}

QString str(int n) {
    return platform::numberTextWithSign(n);
}

const EntryStrip kGibraltarStrip{
    5, 0, 60, 120, 3720, 0, 200, QStringLiteral("CLICK MAPPA (AREA ROSSA)- PUNTO DI INGRESSO DA GIBILTERRA")};
const EntryStrip kAlexandriaStrip{
    4,    15130, 4545,  15250,
    6930, 15050, 15250, QStringLiteral("CLICK MAPPA (AREA ROSSA)- PUNTO DI INGRESSO DA ALESSANDRIA")};
} // namespace

bool isOwnBase(int side, int base) {
    if (side == kAllies) return base >= 12 && base <= 15;
    if (side == kAxis) return base >= 1 && base <= 11;
    return false;
}

bool isOwnMapBase(int side, int base) {
    return isOwnBase(side, base) && base <= 13;
}

QString baseHoverText(int side, int base) {
    const Globals& g = G();
    QString t = g.BaseNames[base];
    if (isOwnBase(side, base)) {
        const Int32* f = g.BaseTable[base];
        t += QStringLiteral(" a:%1/%2 n:%3/%4")
                 .arg(f[BaseCol::AircraftPresent])
                 .arg(f[BaseCol::AircraftInFlight])
                 .arg(f[BaseCol::ShipsPresent])
                 .arg(int(g.BaseShipCapacity[base]));
    }
    return t + kLineEnd;
}

bool navalGroupShownOnHover(int side, int n) {
    const Int16* r = G().gnTable(side)[n];
    return r[GnCol::InUse] > 0 && (side != kAllies || r[GnCol::OffMap] == 0);
}

QString navalGroupHoverLine(int side, int n) {
    const Globals& g = G();
    const Int16* r = G().gnTable(side)[n];
    return QStringLiteral("GN:") + str(n) + QStringLiteral(" N:") + QString::number(r[GnCol::Ships]) +
           QStringLiteral(" K:") + QString::number(r[GnCol::Knots]) + QStringLiteral(" [") +
           listEntry(g.NavalOrderNames, r[GnCol::Order]).left(2) + QStringLiteral("]>") +
           listEntry(g.CompassNames, r[GnCol::Course]) + u' ' + kLineEnd;
}

QString airGroupHoverLine(int side, int n) {
    Globals& g = G();
    const Int16* r = g.gaTable(side)[n];
    const int order = r[GaCol::Order];
    QString t = QStringLiteral("GA:") + str(n) + QStringLiteral(" (") + QString::number(r[GaCol::Aircraft]) +
                u'.' + QString::number(r[GaCol::Damaged]) + u'.' + QString::number(r[GaCol::ShotDown]) +
                u')' + g.gaNames(side)[n][3] + QStringLiteral(" St:") +
                QString::number(r[GaCol::FlightHours]) + u' ' + listEntry(g.AirOrderNames, order).left(3);
    if (order == kOrderCap || order == kOrderPatrol || order == kOrderIntercept)
        t += QStringLiteral(" n°A:") + QString::number(r[GaCol::InAction]);
    return t + kLineEnd;
}

QString popupGroupLine(int side, int n) {
    const Globals& g = G();
    const Int16* r = G().gnTable(side)[n];
    return QStringLiteral("GN") + str(n) + QStringLiteral(" n") + QString::number(r[GnCol::Ships]) +
           QStringLiteral(" k") + QString::number(r[GnCol::Knots]) + u' ' +
           listEntry(g.NavalOrderNames, r[GnCol::Order]).left(2) + u'>' +
           listEntry(g.CompassNames, r[GnCol::Course]) +
           (r[GnCol::MinOperativity] >= 2 ? QStringLiteral(" (-") : QStringLiteral(" (o")) +
           (r[GnCol::Fires] > 0 ? u'i' : u'-') + (r[GnCol::PatrolGroups] > 0 ? u'§' : u'-') +
           QString::number(r[GnCol::RouteHours]) + u')';
}

QString capGroupLine(int side, int n) {
    const Int16* r = G().gnTable(side)[n];
    const bool allies = side == kAllies;
    return QStringLiteral("GN:") + str(n) + (allies ? QStringLiteral(" N:") : QStringLiteral(" Nv:")) +
           QString::number(r[GnCol::Ships]) + (allies ? QStringLiteral(" K:") : QStringLiteral(" Kn:")) +
           QString::number(r[GnCol::Knots]) + QStringLiteral(" R:") +
           listEntry(G().CompassNames, r[GnCol::Course]) + u'*';
}

MapSpot hoverLabelSpot(int gx, int gy) {
    return {gx < 7600 ? gx + 400 : gx - 3200, gy <= 2450 ? gy + 400 : gy - 600};
}

PopupSpot popupSpot(int gx, int gy) {
    const bool below = gy <= 2450;
    return {gx < 7600 ? gx + 400 : gx - 3400, below ? gy + 400 : gy - 1300, below ? gy + 400 : gy - 1600};
}

const EntryStrip* entryStripFor(int course, int offMap) {
    if (course == 5 && offMap == 1) return &kGibraltarStrip;
    if (course == 4 && offMap == 2) return &kAlexandriaStrip;
    return nullptr;
}

const EntryStrip* entryStripOf(int mode) {
    if (mode == kGibraltarStrip.mode) return &kGibraltarStrip;
    if (mode == kAlexandriaStrip.mode) return &kAlexandriaStrip;
    return nullptr;
}

bool entryYAccepted(const EntryStrip& strip, double y, int reactionTime) {
    return y > strip.y1 && y < strip.y2 && reactionTime > kEntryReactionLimit;
}

QString entryTooLateMessage(int reactionTime) {
    return QStringLiteral("NON AMMESSO! TEMPO DI REAZIONE SOTTO IL LIMITE (%1 su 600)").arg(reactionTime);
}
