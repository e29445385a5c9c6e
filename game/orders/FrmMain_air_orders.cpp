// The order of the air group picked in the air panel: the pick itself, the order choice, the
// judgement of a target pressed on the map or picked in the contact list, the confirmation that
// writes the order into the group's row, and the losses entered by hand.
#include "AirOrders.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/RangeRules.h"
#include "common/RecordFiles.h"
#include "game/main/FrmMain.h"
#include "game/main/MapMarks.h"
#include "platform/Dialogs.h"

using namespace platform;

namespace {
bool sideInPlay(int side) {
    return side == kAllies || side == kAxis;
}

long colourOf(const QString& decimal) {
    return decimal.toLong();
}

QString interceptText(int percent) {
    return QString::number(percent) + u'/' + QString::number(intPart(percent / 2.2));
}
} // namespace

void FrmMain::airMissionCircle() {
    Globals& g = G();
    // The map's range circles work on the mission values: those of the group in hand.
    g.MissionSpeed = g.AircraftSpeed;
    g.MissionEndurance = g.AircraftEndurance;
    g.MissionOrigin[0] = g.RangeCentreX;
    g.MissionOrigin[1] = g.RangeCentreY;
    CerchioMissione();
}

bool FrmMain::airConfirmationRefused() const {
    const Globals& g = G();
    if (g.AirMode != 1) return false;
    if (IndiceAereo < 1 || g.AirOrder < kOrderTakeOff || g.AirOrder > kOrderReturn) return true;
    return orderHasTarget(g.AirOrder) && AirTargetRefused == 1;
}

// ---------------------------------------------------------------- the pick

void FrmMain::List8_Click() {
    Globals& g = G();
    auto& w = g.WorkingAirGroup;
    Combo8.setListIndex(-1);
    DisegnaSegnoMappa();
    List12.setVisible(false);
    g.DrawFlag = Check2.value();
    for (Label* l : {&Label89, &Label91, &Label17, &Label96, &Label97, &Label98, &Label99})
        l->setCaption(QString());
    g.RangeCentreX = g.RangeCentreY = 0;
    w.GaPosX = w.GaPosY = 0;
    IndiceAereo = 0;
    Command20.setVisible(false);
    g.MapClickMode = 0;
    AirTargetRefused = 0;
    // With the filter "RiPaCp" the drawings of earlier picks stay, to compare the patrols.
    if (g.GaListFilter != 2) restoreCleanMap();

    const int i = List8.listIndex();
    const int side = g.CurrentSide;
    if (i < 0 || !sideInPlay(side)) return;
    const int n = List8.itemData(i);
    if (n < 1 || n > kGroups) return;
    IndiceAereo = n;
    const Int16* r = g.gaTable(side)[n];
    const int c7 = r[GaCol::Order];
    if (c7 >= 1 && c7 <= 7) Combo8.setText(g.AirOrderNames[c7]);
    Label85[0].setCaption(QString::number(r[GaCol::SpeedKmh]));
    Label85[2].setCaption(QString::number(r[GaCol::Damaged]));
    Label85[3].setCaption(QString::number(r[GaCol::ShotDown]));
    const int total = r[GaCol::Aircraft], lost = r[GaCol::Damaged] + r[GaCol::ShotDown];
    Label85[1].setCaption(lost < 1 ? QString::number(total)
                                   : QStringLiteral("%1 (%2)").arg(total).arg(total - lost));
    Label85[4].setCaption(g.gaNames(side)[n][3]);
    Label85[5].setCaption(QString::number(r[GaCol::Torpedoes]));
    Label85[6].setCaption(QString::number(r[GaCol::Bombs]));
    Label85[7].setCaption(QString::number(r[GaCol::BombSize]));
    Label85[8].setCaption(QString::number(r[GaCol::AttackFactor]));
    Label85[9].setCaption(QString::number(r[GaCol::DefenceFactor]));
    Label85[10].setCaption(QString::number(r[GaCol::Judgement]));
    w.TakeOffDelay = r[GaCol::TakeOffDelay];
    Label85[11].setCaption(
        QStringLiteral("%1/%2").arg(4 * r[GaCol::TakeOffDelay]).arg(r[GaCol::TakeOffDelay]));
    const int origin = r[GaCol::OriginBase];
    Label89.setCaption(origin >= 1 && origin <= kBases ? g.BaseNames[origin] : QString());

    g.RangeCentreX = r[GaCol::OriginX];
    g.RangeCentreY = r[GaCol::OriginY];
    w.GaPosX = r[GaCol::X];
    w.GaPosY = r[GaCol::Y];
    g.AircraftSpeed = r[GaCol::SpeedKmh];
    g.MissionMiles = KmInMiglia(g.AircraftSpeed);
    g.AircraftEndurance = r[GaCol::DefaultEndurance];
    g.UsableEndurance = r[GaCol::UsableEndurance];
    w.UsableEndurance = r[GaCol::UsableEndurance];
    g.MapClickMode = r[GaCol::ControlFlag];
    w.GaTurnsDone = r[GaCol::TurnsFlown];
    w.GaFlightHours = r[GaCol::FlightHours];
    g.TargetPoint[0] = r[GaCol::TargetX];
    g.TargetPoint[1] = r[GaCol::TargetY];
    w.GaTargetBase = r[GaCol::TargetBase];
    w.TurnsToTarget = r[GaCol::TurnsToTarget];
    w.GaStep = r[GaCol::Step];
    g.TargetDistance = r[GaCol::DistanceFromBase];
    w.InterceptPercent = r[GaCol::InterceptPercent];
    g.AirOrder = c7;
    Label99.setCaption(QString::number(r[GaCol::InAction]));
    if (side == kAllies && r[GaCol::CarrierGroup] == 1) {
        // A carrier's group names its carrier.
        const int channel = g.Files.freeChannel();
        const int ships = openShipFile(channel, kAllies);
        if (r[GaCol::CarrierNumber] >= 1 && r[GaCol::CarrierNumber] <= ships) {
            readShip(channel, r[GaCol::CarrierNumber]);
            Label89.setCaption(g.ShipRecordBuffer.trimmed(recordformat::ship::NOME));
        }
        g.Files.close(channel);
    }

    OrarioGA();
    TracciaGNAmici();
    StampaSimboliGN();

    g.GnPosX = w.GaPosX;
    g.GnPosY = w.GaPosY;
    g.MarkWhiteFlag = 1;
    ColoreFascia();
    const int radius = g.TargetCircleRadius;
    const long colour = colourOf(g.TargetCircleColour);
    PicBitMap.circle(w.GaPosX, w.GaPosY, radius, colour);
    if (ModoPlot == 2) PicBitMap.line(w.GaPosX, w.GaPosY, g.RangeCentreX, g.RangeCentreY, vbWhite);
    if (Check4.value() == 1) {
        DisegnaRotteGN();
        Check4.setValue(0);
        Check2.setValue(0);
        g.DrawFlag = 0;
    }
    if (c7 == kOrderTakeOff || Check1.value() == 1) {
        g.PlotRangeFlag = 1;
        airMissionCircle();
        g.PlotRangeFlag = 0;
    }
    if (w.TurnsToTarget != w.GaTurnsDone) {
        // The way still to fly, and the group's number at its target.
        const int tx = g.TargetPoint[0], ty = g.TargetPoint[1];
        PicBitMap.line(w.GaPosX, w.GaPosY, tx, ty, vbCyan);
        PicBitMap.circle(tx, ty, radius, vbCyan);
        const double size = PicBitMap.printFontSize();
        const bool bold = PicBitMap.printFontBold();
        PicBitMap.setPrintFontBold(true);
        PicBitMap.setPrintFontSize(8);
        PicBitMap.setForeColor(vbCyan);
        PicBitMap.setCurrentX(tx + 30);
        PicBitMap.setCurrentY(ty + 30);
        PicBitMap.print(QString::number(n));
        PicBitMap.setPrintFontSize(size);
        PicBitMap.setPrintFontBold(bold);
    }
    DisegnaSegnoMappa();
    g.AirOrder = 0;
    Label17.setCaption(
        QStringLiteral("Num GA / Num.Aerei Totali - Nome Aereo Num GN nemico - Ordine Oper GA"));
    Combo8.setEnabled(c7 != kOrderReturn);
}

// ---------------------------------------------------------------- the order

void FrmMain::refuseAirOrder(const QString& caption, const QString& reason) {
    Globals& g = G();
    Beep();
    Label91.setCaption(caption);
    Label17.setCaption(reason);
    Command20.setVisible(false);
    // A refused order is no order: nothing can be confirmed until another is chosen.
    g.AirOrder = 0;
    AirTargetRefused = 1;
}

void FrmMain::Combo8_Click() {
    Globals& g = G();
    if (Combo8.text().isEmpty()) return;
    if (g.MapClickMode == 9) {
        Beep();
        Command20.setVisible(false);
        return;
    }
    Frame18.setVisible(false);
    g.PlotRangeFlag = Check1.value();
    g.DrawFlag = Check2.value();
    Label91.setCaption(QString());
    auto& w = g.WorkingAirGroup;
    g.MissionMiles = 0;
    w.GaStep = 0;
    w.InterceptPercent = 0;
    g.GnSceltoCap = 0;
    Command20.setVisible(false);
    AirTargetRefused = 0;
    g.AirOrder = Combo8.listIndex() + 1;
    if (g.AirOrder == 0) return;

    OrderGroupValues v;
    v.previousMode = g.MapClickMode;
    v.turnsDone = w.GaTurnsDone;
    v.torpedoes = int(textToWhole(Label85[5].caption()));
    v.bombs = int(textToWhole(Label85[6].caption()));
    v.targetGn = g.TargetGn;
    const int order = g.AirOrder;
    const OrderChoice choice = chooseAirOrder(order, v);
    if (!choice.accepted) return refuseAirOrder(choice.caption, choice.reason);
    Label91.setCaption(choice.caption);

    switch (order) {
    case kOrderTakeOff:
        g.MapClickMode = choice.mapClickMode;
        airMissionCircle();
        break;
    case kOrderCap:
        if (IndiceAereo > 0) Frame18.setVisible(true);
        g.DrawFlag = 1;
        TracciaGNAmici();
        g.DrawFlag = 0;
        g.MapClickMode = choice.mapClickMode;
        airMissionCircle();
        break;
    case kOrderPatrol:
        g.TargetGn = 0;
        g.MapClickMode = choice.mapClickMode;
        airMissionCircle();
        Image27_Click();
        break;
    case kOrderRecon:
        TracciaRicognitori();
        g.MapClickMode = choice.mapClickMode;
        airMissionCircle();
        Image27_Click();
        break;
    case kOrderIntercept:
        interceptionSetUp();
        break;
    case kOrderBombing:
        g.TargetGn = 0;
        g.MapClickMode = choice.mapClickMode;
        airMissionCircle();
        break;
    case kOrderReturn:
        g.MapClickMode = choice.mapClickMode;
        Command20.setVisible(true);
        break;
    default:
        break;
    }
}

void FrmMain::interceptionSetUp() {
    Globals& g = G();
    auto& w = g.WorkingAirGroup;
    g.TargetPoint[0] = 0;
    g.TargetPoint[1] = 0;
    if (g.InterceptPoint[0] == 0 || g.TargetGn == 0)
        return refuseAirOrder(QStringLiteral("Non Permesso"),
                              QStringLiteral("Non Permesso: ") + noInterceptTargetReason());
    g.MapClickMode = -1;
    airMissionCircle();
    ColoreFascia();
    g.TargetDistance =
        DistanzaPunti(g.RangeCentreX, g.RangeCentreY, g.InterceptPoint[0], g.InterceptPoint[1]);
    if (g.MissionRadius < g.TargetDistance) {
        Beep();
        Command20.setVisible(false);
        g.AirOrder = 0;
        AirTargetRefused = 1;
        return;
    }
    Command20.setVisible(true);
    EtaBersaglio();
    if (AirTargetRefused == 1) g.AirOrder = 0;
    const int x = g.InterceptPoint[0] + 60, y = g.InterceptPoint[1] + 40;
    PicBitMap.line(g.RangeCentreX, g.RangeCentreY, x, y, vbMagenta);
    PicBitMap.circle(x, y, 260, vbMagenta);
    PicBitMap.circle(x, y, 650, vbMagenta);
    Label98.setCaption(QString::number(w.GaStep));
    w.InterceptPercent = interceptPercentFor(g.TargetDistance, FireModifier, true);
    Label97.setCaption(interceptText(w.InterceptPercent));
}

// ---------------------------------------------------------------- the target on the map

void FrmMain::RicognizionePlot() {
    Globals& g = G();
    auto& w = g.WorkingAirGroup;
    g.BaseUnderGn = 0;
    ColoreFascia();
    AirTargetRefused = 0;
    if (g.TargetPoint[0] == 0) return;
    w.InterceptPercent = 0;
    g.InterceptPoint[0] = g.TargetPoint[0];
    g.InterceptPoint[1] = g.TargetPoint[1];
    g.TargetDistance =
        DistanzaPunti(g.RangeCentreX, g.RangeCentreY, g.InterceptPoint[0], g.InterceptPoint[1]);
    TargetOutOfRange = 0;
    if (g.TargetDistance > g.MissionRadius) {
        Beep();
        TargetOutOfRange = 1;
        AirTargetRefused = 1;
        return;
    }
    Command20.setVisible(true);
    EtaBersaglio();
    const int tx = g.TargetPoint[0], ty = g.TargetPoint[1];
    PicBitMap.line(w.GaPosX, w.GaPosY, tx, ty, vbWhite);
    PicBitMap.circle(tx, ty, g.TargetCircleRadius, colourOf(g.TargetCircleColour));
    g.GnPosX = tx;
    g.GnPosY = ty;
    DisegnaSegnoMappa();
    g.MissionMiles = KmInMiglia(g.AircraftSpeed);
    Label98.setCaption(QString::number(shownStep(g.MissionMiles)));
    w.InterceptPercent = interceptPercentFor(g.TargetDistance, FireModifier, false);
    Label97.setCaption(interceptText(w.InterceptPercent));
    if (g.MapClickMode != 4) return;
    g.BaseUnderGn = 0;
    BombBase();
    if (strikeAllowed(g.CurrentSide, g.BaseUnderGn)) {
        Label91.setCaption(g.BaseNames[g.BaseUnderGn]);
        // A base in range but beyond the group's endurance stays refused.
        Command20.setVisible(AirTargetRefused == 0);
    } else {
        Label91.setCaption(kTargetRefused);
        Beep();
        Command20.setVisible(false);
        AirTargetRefused = 1;
    }
}

// A take-off to a point has no target to judge, but its way is flown at the group's speed: the
// step and the hours to the point are worked out as for a target, so that the confirmation writes
// them and the group does not cover any distance in one hour.
void FrmMain::takeOffTarget() {
    Globals& g = G();
    auto& w = g.WorkingAirGroup;
    g.TargetDistance = DistanzaPunti(g.RangeCentreX, g.RangeCentreY, g.TargetPoint[0], g.TargetPoint[1]);
    g.MissionMiles = KmInMiglia(g.AircraftSpeed);
    EtaBersaglio();
    Label98.setCaption(QString::number(shownStep(g.MissionMiles)));
    PicBitMap.line(w.GaPosX, w.GaPosY, g.TargetPoint[0], g.TargetPoint[1], vbWhite);
}

void FrmMain::BombBase() {
    Globals& g = G();
    g.BaseUnderGn = 0;
    g.GnPosX = g.TargetPoint[0];
    g.GnPosY = g.TargetPoint[1];
    g.BaseUnderGn = baseUnderPoint(g.TargetPoint[0], g.TargetPoint[1]);
}

void FrmMain::EtaBersaglio() {
    Globals& g = G();
    auto& w = g.WorkingAirGroup;
    w.GaStep = targetStep(g.MissionMiles);
    // A step of 0 leaves the hours as they were.
    if (const auto hours = hoursToTarget(g.TargetDistance, w.GaStep, w.TakeOffDelay))
        w.TurnsToTarget = *hours;
    OperatingMargin = g.UsableEndurance - w.TurnsToTarget;
    if (OperatingMargin >= 1) {
        Label96.setForeColor(vbBlue);
        Command20.setVisible(true);
    } else {
        Label96.setForeColor(vbRed);
        Command20.setVisible(false);
        Label17.setCaption(QStringLiteral("ATT: ZERO MARGINE OPERATIVO"));
        AirTargetRefused = 1;
    }
    Label96.setCaption(QStringLiteral("%1/%2").arg(OperatingMargin).arg(w.TurnsToTarget));
}

// ---------------------------------------------------------------- the confirmation

void FrmMain::Command20_Click() {
    Globals& g = G();
    auto& w = g.WorkingAirGroup;
    const int side = g.CurrentSide, order = g.AirOrder;
    // The order is judged again: a target refused on the map is never written.
    AirOrderDraft d;
    d.side = side;
    d.group = IndiceAereo;
    d.order = order;
    d.originX = g.RangeCentreX, d.originY = g.RangeCentreY;
    d.targetX = g.TargetPoint[0], d.targetY = g.TargetPoint[1];
    d.interceptX = g.InterceptPoint[0], d.interceptY = g.InterceptPoint[1];
    d.targetGn = g.TargetGn;
    d.capGn = g.GnSceltoCap;
    d.speed = g.AircraftSpeed, d.endurance = g.AircraftEndurance, d.takeOffDelay = w.TakeOffDelay;
    const TargetRefusal refusal = checkAirOrder(d);
    if (refusal != TargetRefusal::None) {
        Beep();
        Command20.setVisible(false);
        if (refusal == TargetRefusal::NoMargin)
            Label17.setCaption(QStringLiteral("ATT: ZERO MARGINE OPERATIVO"));
        else if (refusal == TargetRefusal::BaseRefused)
            Label91.setCaption(kTargetRefused);
        else
            Label17.setCaption(QStringLiteral("ORDINE NON CONFERMATO"));
        return;
    }

    Combo8.setEnabled(false);
    int tx = g.TargetPoint[0], ty = g.TargetPoint[1];
    if (order == kOrderIntercept)
        tx = g.InterceptPoint[0], ty = g.InterceptPoint[1];
    else
        g.TargetGn = 0;
    List12.setVisible(false);
    AirOrderRow o;
    o.order = order;
    o.targetGn = g.TargetGn;
    o.targetBase = order == kOrderBombing ? int(g.BaseUnderGn) : 0;
    o.usableEndurance = g.UsableEndurance;
    o.targetX = tx, o.targetY = ty;
    o.step = int(std::clamp<long long>(textToWhole(Label98.caption()), -32768, 32767));
    o.radius = g.TargetCircleRadius;
    o.contactTime = ContactTime;
    o.turnsToTarget = turnsToTargetColumn(g.TargetDistance, w.GaStep);
    o.searchTurns = OperatingMargin;
    o.interceptPercent = w.InterceptPercent;
    o.distance = g.TargetDistance;
    o.mapClickMode = g.MapClickMode;
    o.capGn = g.GnSceltoCap;
    writeAirOrder(side, IndiceAereo, o);
    if (order == kOrderCap) g.AirMode = 1;

    IndiceAereo = 0;
    g.AirOrder = 0;
    g.TargetGn = 0;
    g.BaseUnderGn = 0;
    w.InterceptPercent = 0;
    g.UsableEndurance = 0;
    g.TargetCircleRadius = 0;
    g.TargetPoint[0] = g.TargetPoint[1] = 0;
    ContactTime = 0;
    w.TakeOffDelay = 0;
    w.GaTurnsDone = 0;
    OperatingMargin = 0;
    g.TargetDistance = 0;
    w.GaStep = 0;
    w.TurnsToTarget = 0;
    w.GaFlightHours = 0;
    AirTargetRefused = 0;
    List11.clear();
    Command24.setVisible(false);
    Command24.setEnabled(false);
    Frame18.setVisible(false);
    side == kAllies ? ListaGAAlleati() : ListaGAAsse();
    SalvaTabelleGruppi();
    Command20.setVisible(false);
    ContattiAerei();
}

// ---------------------------------------------------------------- losses entered by hand

void FrmMain::Command28_Click() {
    enterLosses(GaCol::Damaged, QStringLiteral("Aerei Danneggiati"));
}

void FrmMain::Command29_Click() {
    enterLosses(GaCol::ShotDown, QStringLiteral("Aerei Abbattuti"));
}

void FrmMain::enterLosses(int column, const QString& title) {
    Globals& g = G();
    const int side = g.CurrentSide;
    if (IndiceAereo == 0 || !sideInPlay(side)) return;
    const QString answer = InputBox(QStringLiteral("ATT: Solo valori Numerici"), title);
    const LossEntry e = enterAirLosses(side, IndiceAereo, column, answer);
    if (!e.accepted) {
        Label17.setCaption(QStringLiteral("ATT: INPUT ERRATO"));
        return;
    }
    const int total = g.gaTable(side)[IndiceAereo][GaCol::Aircraft];
    Label85[1].setCaption(QStringLiteral("%1 (%2)").arg(total).arg(e.remaining));
    Label85[column == GaCol::Damaged ? 2 : 3].setCaption(QString::number(e.value));
    SalvaTabelleGruppi();
}
