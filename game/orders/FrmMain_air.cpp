// The air-group panel of the main window: the wiring of its controls, and forming an air group
// at the base of the base panel (the aircraft line, the activation die, the payload, the launch).
// Air mode and its lists are in FrmMain_air_list.cpp, the orders in FrmMain_air_orders.cpp.
#include "AirForming.h"
#include "common/AirGroups.h"
#include "common/Dice.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/RecordFiles.h"
#include "common/UnitLists.h"
#include "game/main/BasePanel.h"
#include "game/main/FrmMain.h"
#include "game/main/MapMarks.h"
#include "platform/Dialogs.h"

using namespace platform;
namespace aircraft = recordformat::aircraft;

void FrmMain::digitsOnly(int& keyAscii) {
    if (keyAscii >= 32 && (keyAscii < '0' || keyAscii > '9')) keyAscii = 0;
}

void FrmMain::CaricaComboAerei() {
    Combo1.clear();
    for (int n = 1; n <= kMaxGroupAircraft; ++n) Combo1.addItem(QString::number(n));
    Combo2.clear();
    for (int n = 1; n <= kMaxBombs; ++n) Combo2.addItem(QString::number(n));
    Combo3.clear();
    for (int n = kBombSizeStep; n <= kMaxBombSize; n += kBombSizeStep) Combo3.addItem(QString::number(n));
    Combo4.clear();
    for (int n = 0; n <= kMaxTorpedoes; ++n) Combo4.addItem(QString::number(n));
}

void FrmMain::OrarioGA() {
    const MissionTiming t = missionTiming();
    Label91.setCaption(t.targetBase);
    Label85[11].setCaption(t.delay);
    Label85[12].setCaption(t.flightHours);
    Label97.setCaption(t.intercept);
    Label98.setCaption(t.step);
    Label96.setCaption(t.margin);
}

// ---------------------------------------------------------------- the aircraft line

namespace {
// The base's aircraft file on channel 1, as its list left it or opened again (a save closes every
// channel); its record count.
int baseAircraftFile() {
    Globals& g = G();
    if (g.Files.isOpen(kChannelBaseAircraft)) return g.Files.random(kChannelBaseAircraft).count();
    return openAircraftFile(kChannelBaseAircraft, baseAircraftFilePath(g.SelectedBase), g.CurrentSide);
}

// The most aircraft of the base in flight at once (kNoLimit: none).
int inFlightLimit() {
    const Globals& g = G();
    return maxAircraftInFlight(g.CurrentSide, g.SelectedBase).value_or(0);
}
} // namespace

void FrmMain::List1_Click() {
    Globals& g = G();
    List12.setVisible(false);
    Label17.setCaption(QStringLiteral("ATT: con -2 le probabilità di intercettare il bersaglio oltre il "
                                      "limite verde del RAGGIO d'azione sono scarse"));
    Label54.setCaption(QString());
    Frame10.setEnabled(false);
    const int i = List1.listIndex();
    const int base = g.SelectedBase;
    if (i < 0 || (g.CurrentSide != kAllies && g.CurrentSide != kAxis) || base < 1 || base > kBases) return;
    const int record = List1.itemData(i);
    if (record < 1 || record > baseAircraftFile()) return;
    pickedAircraftLine_ = record;
    g.SelectedItem = record;
    g.AircraftRecordBuffer = readAircraft(kChannelBaseAircraft, record);
    const AircraftRecord& a = g.AircraftRecordBuffer;

    placeScaled(Frame11, QPoint(3615, 6360));
    SchedaAereo();
    Label52.setCaption(a.text(aircraft::Nome));
    const int n = int(std::clamp<long long>(a.whole(aircraft::Pronti), 0, 999));
    Label53.setCaption(QString::number(n));
    // The die waits for aircraft to ready, and for an attempt left to the base.
    Label49.setEnabled(n != 0 && !activationAttemptsUsed(base));
    const int m = std::min(n, kMaxGroupAircraft);
    Combo1.clear();
    for (int k = 1; k <= m; ++k) Combo1.addItem(QString::number(k));
    g.AircraftSpeed = a.whole(aircraft::Velocita);
    g.AircraftEndurance = a.whole(aircraft::Autonomia);
    Combo4.setText(a.trimmed(aircraft::Silurante) == QStringLiteral("S") ? QStringLiteral("1")
                                                                         : QStringLiteral("0"));
}

void FrmMain::List1_MouseMove(int, int, double, double) {
    static const char* const kWeather[] = {"Meteo: PERFETTO", "Meteo: CATTIVO TEMPO (-1)",
                                           "Meteo: BRUTTO TEMPO (-2)", "Meteo: PESSIMO Non si vola"};
    Label52_MouseMove(0, 0, 0, 0);
    const int w = G().WeatherSeverity;
    if (w >= 0 && w <= 3) List1.setToolTipText(QString::fromUtf8(kWeather[w]));
}

void FrmMain::Label52_MouseMove(int, int, double, double) {
    if (platform::leadingNumber(Label4[0].caption()) > 1 && G().SelectedItem > 0) Frame11.setVisible(true);
}

void FrmMain::ColoraListaAerei() {
    Globals& g = G();
    g.WeatherSeverity = Int16(std::clamp<long long>(g.state(StateItem::Weather), -32768, 32767));
    const long colours[] = {vbWhite, vbCyan, vbMagenta, vbRed};
    List1.setBackColor(g.WeatherSeverity >= 1 && g.WeatherSeverity <= 3 ? colours[g.WeatherSeverity]
                                                                        : vbWhite);
}

// ---------------------------------------------------------------- the activation die

void FrmMain::Label49_Click() {
    Globals& g = G();
    const int base = g.SelectedBase;
    ActivationInputs in;
    in.side = g.CurrentSide;
    in.base = base;
    in.groupReady = g.NewGroupNumber >= 1;
    in.linePicked = !Label53.caption().isEmpty() && pickedAircraftLine_ > 0;
    in.ready = int(g.AircraftRecordBuffer.whole(aircraft::Pronti));
    in.inFlight = base >= 1 && base <= kBases ? int(g.BaseTable[base][BaseCol::AircraftInFlight]) : 0;
    in.mostInFlight = base >= 1 && base <= kBases ? inFlightLimit() : kNoLimit;
    in.weather = g.WeatherSeverity;
    if (g.state(StateItem::Weather) == 3) in.weather = 3;
    in.night = g.DayFlag == 0;
    const ActivationRefusal refusal = activationRefusal(in);
    if (refusal == ActivationRefusal::GroupReady) return;
    if (refusal == ActivationRefusal::NoAircraft) {
        Label17.setCaption(QStringLiteral("NESSUN AEREO DISPONIBILE"));
        return;
    }
    Label17.setCaption(QStringLiteral("ATT: Dbl Click accidentale consuma inutilmente tentativi di decollo"));
    if (refusal == ActivationRefusal::InFlightLimit) {
        Label17.setCaption(QStringLiteral("VERIFICARE IL NUMERO AEREI ATTIVABILI"));
        return;
    }
    if (activationBeeps(refusal)) Beep();
    if (refusal == ActivationRefusal::NoLine) Label54.setCaption(QStringLiteral("0"));
    if (refusal != ActivationRefusal::None) return;
    Label54.setCaption(QStringLiteral("0"));

    g.DiceSides = 100;
    const int roll = TiraDado(g.DiceSides);
    const auto percent = activationPercent(g.CurrentSide, base);
    if (percent && activationSucceeds(roll, *percent)) {
        PrimoGALibero();
        if (g.NewGroupNumber == 99) {
            // Every row of the side's table is in use: nothing is readied and no attempt is spent.
            g.NewGroupNumber = 0;
            Beep();
            Label17.setCaption(QStringLiteral("Limite GA Raggiunto"));
            return;
        }
        Frame3.setVisible(false);
        countActivationAttempt(base);
        attemptCounted_ = true;
        List1.setEnabled(false);
        AggiornaDatiBase();
        Label49.setCaption(QString::number(roll));
        Label50.setCaption(QString::number(g.NewGroupNumber));
        Frame10.setEnabled(true);
    } else {
        Label49.setCaption(QString::number(roll));
        Label50.setCaption(QString());
        Frame10.setEnabled(false);
        countActivationAttempt(base);
        AggiornaDatiBase();
    }
}

void FrmMain::Label50_DblClick() {
    Globals& g = G();
    if (g.NewGroupNumber < 1) return;
    Label49.setBackColor(vbGreen);
    Label50.setCaption(QString());
    Label49.setCaption(QString());
    for (ComboBox* c : {&Combo1, &Combo2, &Combo3}) c->setText(QString());
    Frame3.setVisible(true);
    Frame10.setEnabled(false);
    if (attemptCounted_ && g.SelectedBase >= 1 && g.SelectedBase <= kBases)
        giveActivationAttemptBack(g.SelectedBase);
    attemptCounted_ = false;
    AggiornaDatiBase();
    g.NewGroupNumber = 0;
    List1.setEnabled(true);
    Frame11.setVisible(false);
}

// ---------------------------------------------------------------- the map from the panel

void FrmMain::Label52_Click() {
    Globals& g = G();
    List12.setVisible(false);
    ActivityCircleCount = 0;
    Label79.setCaption(g.GameState[StateItem::Activities]);
    RicaricaMappa();
    DisegnaBasi();
    RidisegnaBasi();
    g.DrawFlag = 1;
    TracciaGNAmici();
    if (g.CurrentSide == kAllies) {
        AbilitaBasiEsterne();
        ListaGNAlleati();
    } else if (g.CurrentSide == kAxis) {
        DisabilitaBasiEsterne();
        ListaGNAsse();
    } else {
        g.DrawFlag = 0;
        return;
    }
    StampaSimboliGN();
    g.DrawFlag = 0;
}

void FrmMain::Label53_Click() {
    Globals& g = G();
    const int base = g.SelectedBase;
    if (base < 1 || base > 13) return;
    g.RangeCentreX = g.BaseMapXY[base][1] + 100;
    g.RangeCentreY = g.BaseMapXY[base][2] + 100;
    Label17.setCaption(
        QStringLiteral("Entro il limite verde operatività ottimale. Oltre è tendente al peggio  "));
    g.DrawFlag = 1;
    // The label promises the range circles: they are drawn whatever the air panel's box says.
    const Int16 plot = g.PlotRangeFlag;
    g.PlotRangeFlag = 1;
    airMissionCircle();
    g.PlotRangeFlag = plot;
    TracciaGNAmici();
    g.DrawFlag = 0;
    Frame11.setVisible(false);
}

// ---------------------------------------------------------------- the payload

int FrmMain::payloadOf(const ComboBox& c) const {
    if (&c == &Combo1) return payloadValue(c.text(), kMaxGroupAircraft);
    if (&c == &Combo2) return payloadValue(c.text(), kMaxBombs);
    if (&c == &Combo3) return payloadValue(c.text(), kMaxBombSize);
    return payloadValue(c.text(), kMaxTorpedoes);
}

void FrmMain::colourPayload(ComboBox& c) {
    c.setBackColor(payloadOf(c) > 0 ? vbGreen : vbWhite);
}

namespace {
// A typed value beyond the list's range is written back as the range's end.
void holdToRange(ComboBox& c, int max) {
    if (platform::leadingNumber(c.text()) > max) c.setText(QString::number(max));
}
} // namespace

void FrmMain::Combo1_Change() {
    holdToRange(Combo1, kMaxGroupAircraft);
}

void FrmMain::Combo1_Click() {
    Globals& g = G();
    Label17.setCaption(QStringLiteral(" Massimo 18 aerei"));
    const int chosen = payloadOf(Combo1);
    const int available = int(platform::textToWhole(Label53.caption()));
    if (available < chosen)
        Combo1.setText(Label53.caption());
    else if (chosen == 1)
        Combo4.setText(QStringLiteral("0"));
    const int base = g.SelectedBase;
    if (base < 1 || base > kBases) return;
    const int inFlight = g.BaseTable[base][BaseCol::AircraftInFlight];
    const int allowed = aircraftAllowed(payloadOf(Combo1), kMaxGroupAircraft, inFlightLimit(), inFlight);
    if (allowed < payloadOf(Combo1)) Combo1.setText(QString::number(allowed));
}

void FrmMain::Combo2_Change() {
    holdToRange(Combo2, kMaxBombs);
    colourPayload(Combo2);
}

void FrmMain::Combo2_Click() {
    ControllaCarico();
    colourPayload(Combo2);
}

void FrmMain::Combo3_Change() {
    holdToRange(Combo3, kMaxBombSize);
    colourPayload(Combo3);
}

void FrmMain::Combo3_Click() {
    ControllaCarico();
    colourPayload(Combo3);
}

void FrmMain::showTorpedoAdvice() {
    const bool torpedoes = payloadOf(Combo4) > 0;
    Combo4.setBackColor(torpedoes ? vbGreen : vbWhite);
    Label17.setCaption(torpedoes ? QStringLiteral("ATT: Ricognitori e Patrol  NO SILURI! ") : QString());
}

void FrmMain::Combo4_Change() {
    holdToRange(Combo4, kMaxTorpedoes);
    showTorpedoAdvice();
}

void FrmMain::Combo4_Click() {
    const AircraftRecord& a = G().AircraftRecordBuffer;
    if (payloadOf(Combo4) > 0) {
        Combo2.setText(QString());
        Combo3.setText(QString());
        Label54.setCaption(QStringLiteral("0"));
    }
    if (payloadOf(Combo4) > a.whole(aircraft::Siluri))
        Combo4.setText(QString::number(a.whole(aircraft::Siluri)));
    showTorpedoAdvice();
}

void FrmMain::ControllaCarico() {
    const int bombs = payloadOf(Combo2), size = payloadOf(Combo3);
    const AircraftRecord& a = G().AircraftRecordBuffer;
    CaricoEccessivo = payloadTooHeavy(bombs, size, a) ? 1 : 0;
    Label54.setCaption(QString::number(payloadWeight(bombs, size)));
    const bool torpedoes = payloadOf(Combo4) > 0;
    if (torpedoes) {
        // A torpedo load and a bomb load never go together.
        Combo2.setText(QString());
        Combo3.setText(QString());
        Label54.setCaption(QStringLiteral("0"));
    }
    // A load the aircraft cannot lift is told where the player looks, before "Vai !".
    const bool tooHeavy = CaricoEccessivo == 1 && !torpedoes;
    Label54.setForeColor(tooHeavy ? vbRed : vbBlack);
    if (tooHeavy) Label17.setCaption(payloadTooHeavyMessage(bombs, size, a));
}

// ---------------------------------------------------------------- the launch

void FrmMain::Command1_Click() {
    Globals& g = G();
    const int side = g.CurrentSide, base = g.SelectedBase;
    if (g.NewGroupNumber < 1 || g.NewGroupNumber > kGroups || base < 1 || base > 13 ||
        (side != kAllies && side != kAxis) || pickedAircraftLine_ < 1)
        return;
    const int n = payloadOf(Combo1);
    if (n < 1) return;
    if (platform::textToWhole(Label53.caption()) < n) {
        Combo1.setText(QStringLiteral("0"));
        return;
    }
    const long long mostTorpedoes = g.AircraftRecordBuffer.whole(aircraft::Siluri);
    if (payloadOf(Combo4) > mostTorpedoes) Combo4.setText(QString::number(mostTorpedoes));
    const bool bombs = !Combo2.text().isEmpty(), size = !Combo3.text().isEmpty();
    if (bombs != size) {
        (bombs ? Combo2 : Combo3).setText(QString());
        Label54.setCaption(QStringLiteral("No!"));
        Label17.setCaption(payloadIncompleteMessage());
        return;
    }
    ControllaCarico();
    if (CaricoEccessivo == 1) {
        Combo2.setText(QString());
        Combo3.setText(QString());
        Label54.setCaption(QStringLiteral("No!"));
        return;
    }

    List1.setEnabled(true);
    Frame11.setVisible(false);
    // The line read again, so that the launch takes its aircraft from what the file holds now.
    if (pickedAircraftLine_ > baseAircraftFile()) return;
    AircraftRecord a = readAircraft(kChannelBaseAircraft, pickedAircraftLine_);
    takeAircraftOff(a, n);
    writeAircraft(kChannelBaseAircraft, pickedAircraftLine_, a);
    g.Files.close(kChannelBaseAircraft);
    g.AircraftRecordBuffer = a;
    side == kAllies ? CreaGAAlleati() : CreaGAAsse();

    for (ComboBox* c : {&Combo1, &Combo2, &Combo3, &Combo4}) c->setText(QString());
    Label52.setCaption(QString());
    Label53.setCaption(QString());
    Label54.setCaption(QStringLiteral("OK!"));
    Label54.setForeColor(vbBlack);
    Label49.setCaption(QString());
    g.NewGroupNumber = 0;
    attemptCounted_ = false;
    Label50.setCaption(QString());
    Frame10.setEnabled(false);
    Frame3.setVisible(true);
    ListaAereiBase();
}

namespace {
void createAirGroup(int side, int line, const Payload& p) {
    Globals& g = G();
    const int base = g.SelectedBase;
    const int delay = rollTakeOffDelay(g.BaseLevel[base], int(g.state(StateItem::Weather)), p.aircraft);
    g.WorkingAirGroup.TakeOffDelay = delay;
    writeNewAirGroup(side, g.NewGroupNumber, base, line, g.AircraftRecordBuffer, p, delay);
    SalvaTabelleGruppi();
    chargeBaseForLaunch(base, p.aircraft, formingCost(p, payloadWeight(p.bombs, p.bombSize)));
}
} // namespace

void FrmMain::CreaGAAlleati() {
    createAirGroup(kAllies, pickedAircraftLine_,
                   {payloadOf(Combo1), payloadOf(Combo2), payloadOf(Combo3), payloadOf(Combo4)});
    AggiornaDatiBase();
}

void FrmMain::CreaGAAsse() {
    createAirGroup(kAxis, pickedAircraftLine_,
                   {payloadOf(Combo1), payloadOf(Combo2), payloadOf(Combo3), payloadOf(Combo4)});
    AggiornaDatiBase();
}
