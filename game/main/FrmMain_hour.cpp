// The hourly step: the hour button, the phase sequencer and the contact button.
#include "FrmMain.h"
#include "HourPhases.h"
#include "HourStart.h"
#include "HourTrace.h"
#include "MapPanels.h"
#include "NavalHour.h"
#include "common/BaseTable.h"
#include "common/CampaignSnapshot.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/SaveBatch.h"
#include "platform/Dialogs.h"

#include <QWidget>
#include <algorithm>
#include <optional>

using namespace platform;

namespace {

HourObserver& observer() {
    static HourObserver o;
    return o;
}

constexpr int kLastProgress = 32;
constexpr int kHourglass = 11;

// One pass with the side in play.
void pass(const char* name, const std::function<void()>& routine, int side) {
    G().CurrentSide = side;
    traceHour(QStringLiteral("%1/%2").arg(QLatin1String(name)).arg(side));
    routine();
}

// A pass that works through both sides itself.
void once(const char* name, void (*routine)()) {
    traceHour(QLatin1String(name));
    routine();
}

enum class After { StaysAxis, NoSide };

// A pass for the Allies, then for the Axis.
void perSide(const char* name, const std::function<void()>& routine, After after) {
    pass(name, routine, kAllies);
    pass(name, routine, kAxis);
    if (after == After::NoSide) G().CurrentSide = 0;
}

// "TSG": the group values from the ships, for every group in use of each side.
void groupValuesFromShips() {
    Globals& g = G();
    for (int side : {kAllies, kAxis}) {
        g.CurrentSide = side;
        for (int n = 1; n <= kGroups; ++n) {
            if (g.gnTable(side)[n][GnCol::InUse] <= 0) continue;
            g.CurrentGnIndex = n;
            traceHour(QStringLiteral("AggiornaGNDaNavi/%1#%2").arg(side).arg(n));
            AggiornaGNDaNavi();
        }
    }
    g.CurrentSide = 0;
}

} // namespace

void setHourObserver(HourObserver o) {
    observer() = std::move(o);
}

void traceHour(const QString& step) {
    if (observer()) observer()(step);
}

// ---------------------------------------------------------------- the hour button

void FrmMain::Command22_Click() {
    Globals& g = G();
    RicaricaMappa();
    Label17.setCaption(QString());
    Label17.setVisible(false);
    Frame24.setVisible(false);
    Frame6.setVisible(true);
    Label32.setCaption(QStringLiteral("STP"));
    Label29.setCaption(QStringLiteral("STP"));
    Label32.setBackColor(vbRed);
    Label80.setVisible(false);
    Label95.setVisible(false);
    for (CheckBox* c : {&Check5, &Check6, &Check7}) c->setValue(0);
    unloadContactBoard();
    g.GnStoppedFlag = 0;
    g.MineHitAlarm = 0;
    g.BasesMode = 0;
    g.NavalMode = 0;
    EntryMode = 0;
    Label18.setVisible(false);
    g.ContattiGestiti = 0;
    Label87.setVisible(false);
    g.AirReturnFlag = 0;
    Label101.setVisible(false);
    Command22.setEnabled(false);

    const bool whole = runHourWhole();

    Label17.setVisible(true);
    // Contacts of the hour wait for the contact board; an hour undone leaves the button as it was.
    Command22.setEnabled(!whole || g.state(StateItem::Contacts) == 0);
    Label83.setForeColor(g.DayFlag == 1 ? vbCyan : vbWhite);
    Label29.setCaption(g.GameState[StateItem::Activities]);
}

bool FrmMain::runHourWhole() {
    Globals& g = G();
    std::optional<CampaignSnapshot> before;
    constexpr int kMarks = (kGroups + 1) * 3;
    Int16 marks[2][kMarks];
    std::copy_n(&g.GnAttackMarksAlle[0][0], kMarks, marks[0]);
    std::copy_n(&g.GnAttackMarksAsse[0][0], kMarks, marks[1]);
    QString failure;
    try {
        before.emplace();
        SaveBatch batch;
        RunTime();
        batch.commit();
        return true;
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }

    // Everything the hour changed goes back: files, tables, marks and the window.
    QString restoreFailure;
    if (before) {
        try {
            before->restore();
        } catch (const std::exception& e) {
            restoreFailure = QString::fromUtf8(e.what());
        }
    }
    std::copy_n(marks[0], kMarks, &g.GnAttackMarksAlle[0][0]);
    std::copy_n(marks[1], kMarks, &g.GnAttackMarksAsse[0][0]);
    g.HourStepActive = 0;
    g.CurrentSide = 0;
    g.ActivityCount = g.state(StateItem::Activities);
    g.ContattiGestiti = 0;
    g.WeatherSeverity = g.state(StateItem::Weather);
    g.GnStoppedFlag = g.MineHitAlarm = g.AirReturnFlag = 0;
    for (Label* l : {&Label80, &Label87, &Label101, &Label18}) l->setVisible(false);
    Label95.setVisible(g.state(StateItem::Hour) == 1);
    Label64.setBackColor(g.state(StateItem::SunkLastHour) > 0 ? vbMagenta : vbBlack);
    try {
        AggiornaDisplay();
        RicaricaMappa();
        DisegnaBasi();
    } catch (const std::exception& e) {
        if (restoreFailure.isEmpty()) restoreFailure = QString::fromUtf8(e.what());
    }
    ProgressBar1.setVisible(false);
    PicBitMap.setMousePointer(0);
    Command17.setVisible(true);

    QString message = QStringLiteral("L'ora non è stata eseguita:\n%1\n\n").arg(failure);
    if (restoreFailure.isEmpty())
        message += QStringLiteral("La campagna è com'era prima dell'ora.");
    else
        message += QStringLiteral("Non è stato possibile riportare la campagna com'era prima dell'ora:\n%1")
                       .arg(restoreFailure);
    MsgBox(message, vbCritical, QStringLiteral("RUN TIME"));
    return false;
}

void FrmMain::showPhase(const char* code) {
    Label29.setCaption(QLatin1String(code));
    traceHour(QStringLiteral("[%1]").arg(QLatin1String(code)));
    if (Label29.widget()->isVisible()) Label29.widget()->repaint();
}

void FrmMain::showProgress(int value) {
    ProgressBar1.setValue(value);
    traceHour(QString::number(value));
    if (ProgressBar1.widget()->isVisible()) ProgressBar1.widget()->repaint();
}

// ---------------------------------------------------------------- the phase sequencer

void FrmMain::RunTime() {
    Globals& g = G();
    int progress = 1;
    auto advance = [&] { showProgress(++progress); };

    showPhase("EVG");
    Command17.setVisible(false);
    emptyGroupTextFolder();
    g.HourStepActive = 1;
    resetHourCounters();
    Label64.setBackColor(vbBlack);
    ProgressBar1.setVisible(true);
    ProgressBar1.setMin(0);
    ProgressBar1.setMax(kLastProgress);
    showProgress(progress);
    PicBitMap.setMousePointer(kHourglass);
    g.SelectedItem = 0;
    g.BaseUnderGn = 0;
    advanceClock();
    Label95.setVisible(setHourOneFlags());
    advance();
    weatherDrift();
    advance();
    AggiornaDisplay();
    NascondiPannelliMappa();
    resetGroupsForHour();
    perSide("InizioOraNavi", InizioOraNavi, After::StaysAxis);
    advance();

    showPhase("TSG");
    groupValuesFromShips();
    advance();

    showPhase("EVV");
    perSide("TipoGN", groupTypesOfSide, After::NoSide);
    advance();

    showPhase("GAx");
    once("FaseGAx", FaseGAx);
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    advance();

    showPhase("GA1");
    once("FaseGA1", FaseGA1);
    advance();
    advance();
    perSide("MuoviGAInVolo", MuoviGAInVolo, After::StaysAxis);
    advance();

    showPhase("CAP");
    perSide("PattugliaCAP", PattugliaCAP, After::StaysAxis);
    advance();
    perSide("RicognizioneOra", RicognizioneOra, After::StaysAxis);
    advance();

    showPhase("BBA");
    g.ActivityKind = kActAlliedAirStrike;
    pass("ArrivoGA", ArrivoGA, kAllies);
    g.ActivityKind = kActAxisAirStrike;
    pass("ArrivoGA", ArrivoGA, kAxis);
    advance();

    showPhase("MIN");
    perSide("ColpiMine", ColpiMine, After::StaysAxis);
    advance();

    showPhase("MGN");
    countGroupHours();
    advance();
    pass("MuoviGN", moveNavalGroups, kAllies);
    advance();
    pass("MuoviGN", moveNavalGroups, kAxis);
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    g.CurrentSide = 0;
    advance();
    setAmbushes();

    showPhase("TST");
    perSide("DanniNaviOra", DanniNaviOra, After::NoSide);
    advance();

    showPhase("BAS");
    alliedBaseLookouts();
    advance();
    axisBaseLookouts();
    advance();

    showPhase("BBN");
    perSide("ContattiGNOra", ContattiGNOra, After::StaysAxis);
    SalvaTabelleGruppi();
    advance();

    showPhase("TSG");
    groupValuesFromShips();
    advance();

    showPhase("AVV");
    g.CurrentSide = 0;
    navalEncounters();
    advance();

    const struct {
        const char *code, *name;
        void (*routine)();
    } ports[] = {{"SCA", "FaseSCA", FaseSCA},
                 {"CAR", "FaseCAR", FaseCAR},
                 {"RIF", "FaseRIF", FaseRIF},
                 {"RIP", "FaseRIP", FaseRIP}};
    for (const auto& p : ports) {
        showPhase(p.code);
        perSide(p.name, p.routine, After::NoSide);
        advance();
    }

    perSide(
        "AggiornaBasiOra", [this] { AggiornaBasiOra(); }, After::NoSide);
    advance();
    perSide("ChiusuraNaviOra", ChiusuraNaviOra, After::NoSide);

    showPhase("CAA");
    perSide("FaseCAA", FaseCAA, After::NoSide);
    advance();
    if (g.state(StateItem::Hour) == 23) perSide("AggiornaNaviOra", AggiornaNaviOra, After::NoSide);
    advance();

    showPhase("DMN");
    if (g.WeatherSeverity > 1) perSide("DecadimentoMine", DecadimentoMine, After::NoSide);
    advance();

    // The end of the hour.
    pass("BordiMappaGA", BordiMappaGA, 0);
    if (g.GnStoppedFlag == 1) Label80.setVisible(true);
    if (g.ContattiGestiti > 0) Label87.setVisible(true);
    if (g.AirReturnFlag > 0) Label101.setVisible(true);
    if (g.MineHitAlarm > 0) Label18.setVisible(true);
    SalvaDatiBasi();
    RicaricaMappa();
    DisegnaBasi();
    advance();
    pass(
        "CircleAttivita", [this] { CircleAttivita(); }, 0);
    PicBitMap.setMousePointer(0);
    showPhase("STP");
    if (g.state(StateItem::SunkLastHour) > 0) Label64.setBackColor(vbMagenta);
    g.HourStepActive = 0;
    ProgressBar1.setVisible(false);
    Command17.setVisible(true);
}

// ---------------------------------------------------------------- the contact button

void FrmMain::Command23_Click() {
    unloadContactBoard();
    Command22.setEnabled(false);
    showContactBoard();
    Label17.setCaption(
        QStringLiteral("E' buona norma verificare che tutti i combattimenti siano stai eseguiti"));
}
