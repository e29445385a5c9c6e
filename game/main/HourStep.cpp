#include "HourStep.h"

#include "HourPhases.h"
#include "HourStart.h"
#include "HourTrace.h"
#include "NavalHour.h"
#include "common/BaseTable.h"
#include "common/CampaignChecks.h"
#include "common/CampaignJournal.h"
#include "common/CampaignSnapshot.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/SaveBatch.h"
#include "platform/Files.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

HourObserver& observer() {
    static HourObserver o;
    return o;
}

// One pass with the side in play.
void pass(const char* name, const std::function<void()>& routine, int side) {
    G().CurrentSide = side;
    if (observer()) traceHour(QStringLiteral("%1/%2").arg(QLatin1String(name)).arg(side));
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
        if (observer())
            groupValuesOfSide(
                [side](int n) { traceHour(QStringLiteral("AggiornaGNDaNavi/%1#%2").arg(side).arg(n)); });
        else
            groupValuesOfSide();
    }
    g.CurrentSide = 0;
}

// The phase code and the progress point, told to the view and to the trace.
struct Steps {
    HourView& view;
    int point = 1;
    void phase(const char* code) {
        view.phase(code);
        if (observer()) traceHour(QStringLiteral("[%1]").arg(QLatin1String(code)));
    }
    void show(int value) {
        view.progress(value);
        if (observer()) traceHour(QString::number(value));
    }
    void advance() { show(++point); }
};

} // namespace

void setHourObserver(HourObserver o) {
    observer() = std::move(o);
}

void traceHour(const QString& step) {
    if (observer()) observer()(step);
}

void runHourPhases(HourView& view) {
    Globals& g = G();
    Steps steps{view};

    steps.phase("EVG");
    view.hourBegins();
    emptyGroupTextFolder();
    g.HourStepActive = 1;
    resetHourCounters();
    steps.show(steps.point);
    g.SelectedItem = 0;
    g.BaseUnderGn = 0;
    advanceClock();
    view.hourOne(setHourOneFlags());
    steps.advance();
    weatherDrift();
    steps.advance();
    dayAndWeather();
    view.clockChanged();
    resetGroupsForHour();
    perSide("InizioOraNavi", InizioOraNavi, After::StaysAxis);
    steps.advance();

    steps.phase("TSG");
    groupValuesFromShips();
    steps.advance();

    steps.phase("EVV");
    perSide("TipoGN", groupTypesOfSide, After::NoSide);
    steps.advance();

    steps.phase("GAx");
    once("FaseGAx", FaseGAx);
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    steps.advance();

    steps.phase("GA1");
    once("FaseGA1", FaseGA1);
    steps.advance();
    steps.advance();
    perSide("MuoviGAInVolo", MuoviGAInVolo, After::StaysAxis);
    steps.advance();

    steps.phase("CAP");
    perSide("PattugliaCAP", PattugliaCAP, After::StaysAxis);
    steps.advance();
    perSide("RicognizioneOra", RicognizioneOra, After::StaysAxis);
    steps.advance();

    steps.phase("BBA");
    g.ActivityKind = kActAlliedAirStrike;
    pass("ArrivoGA", ArrivoGA, kAllies);
    g.ActivityKind = kActAxisAirStrike;
    pass("ArrivoGA", ArrivoGA, kAxis);
    steps.advance();

    steps.phase("MIN");
    perSide("ColpiMine", ColpiMine, After::StaysAxis);
    steps.advance();

    steps.phase("MGN");
    countGroupHours();
    steps.advance();
    pass("MuoviGN", moveNavalGroups, kAllies);
    steps.advance();
    pass("MuoviGN", moveNavalGroups, kAxis);
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    g.CurrentSide = 0;
    steps.advance();
    setAmbushes();

    steps.phase("TST");
    perSide("DanniNaviOra", DanniNaviOra, After::NoSide);
    steps.advance();

    steps.phase("BAS");
    alliedBaseLookouts();
    steps.advance();
    axisBaseLookouts();
    steps.advance();

    steps.phase("BBN");
    perSide("ContattiGNOra", ContattiGNOra, After::StaysAxis);
    SalvaTabelleGruppi();
    steps.advance();

    steps.phase("TSG");
    groupValuesFromShips();
    steps.advance();

    steps.phase("AVV");
    g.CurrentSide = 0;
    navalEncounters();
    steps.advance();

    const struct {
        const char *code, *name;
        void (*routine)();
    } ports[] = {{"SCA", "FaseSCA", FaseSCA},
                 {"CAR", "FaseCAR", FaseCAR},
                 {"RIF", "FaseRIF", FaseRIF},
                 {"RIP", "FaseRIP", FaseRIP}};
    for (const auto& p : ports) {
        steps.phase(p.code);
        perSide(p.name, p.routine, After::NoSide);
        steps.advance();
    }

    perSide("AggiornaBasiOra", AggiornaBasiOra, After::NoSide);
    steps.advance();
    perSide("ChiusuraNaviOra", ChiusuraNaviOra, After::NoSide);

    steps.phase("CAA");
    perSide("FaseCAA", FaseCAA, After::NoSide);
    steps.advance();
    if (g.state(StateItem::Hour) == 23) perSide("AggiornaNaviOra", AggiornaNaviOra, After::NoSide);
    steps.advance();

    steps.phase("DMN");
    if (g.WeatherSeverity > 1) perSide("DecadimentoMine", DecadimentoMine, After::NoSide);
    steps.advance();

    // The end of the hour.
    pass("BordiMappaGA", BordiMappaGA, 0);
    view.alarms({g.GnStoppedFlag == 1, g.ContattiGestiti > 0, g.AirReturnFlag > 0, g.MineHitAlarm > 0});
    SalvaDatiBasi();
    view.redrawMap();
    steps.advance();
    pass(
        "CircleAttivita", [&view] { view.drawActivities(); }, 0);
    steps.phase("STP");
    g.HourStepActive = 0;
    view.hourEnds();
}

namespace {

// What the hour changes in memory besides the campaign's tables: kept before it, put back when it
// is undone.
struct HourMemory {
    static constexpr int kMarks = (kGroups + 1) * 3;
    Int16 marks[2][kMarks];
    ContactRecord contact;
    Int16 lastActivity;

    HourMemory() {
        const Globals& g = G();
        std::copy_n(&g.GnAttackMarksAlle[0][0], kMarks, marks[0]);
        std::copy_n(&g.GnAttackMarksAsse[0][0], kMarks, marks[1]);
        contact = g.CurrentContact;
        lastActivity = g.LastActivityRecord;
    }
    void putBack() const {
        Globals& g = G();
        std::copy_n(marks[0], kMarks, &g.GnAttackMarksAlle[0][0]);
        std::copy_n(marks[1], kMarks, &g.GnAttackMarksAsse[0][0]);
        g.CurrentContact = contact;
        g.LastActivityRecord = lastActivity;
    }
};

// The values that follow from the game state once the tables are read again.
void clockFromState() {
    Globals& g = G();
    g.HourStepActive = 0;
    g.CurrentSide = 0;
    g.ActivityCount = g.state(StateItem::Activities);
    g.ContattiGestiti = 0;
    g.WeatherSeverity = g.state(StateItem::Weather);
    g.GnStoppedFlag = g.MineHitAlarm = g.AirReturnFlag = 0;
    dayAndWeather();
}

} // namespace

HourOutcome runHourWhole(HourView& view) {
    Globals& g = G();
    HourOutcome outcome;
    // No other program writes the files during the hour: each record file is read once (the
    // phases read the ships of one group after another), and the folder is listed once, from the
    // look for a journal left on.
    std::optional<platform::KeptRecordFiles> keptFiles(std::in_place);
    // An hour whose undoing failed is undone before another one runs on top of it.
    try {
        if (rollBackLeftJournal()) {
            reloadCampaignTables();
            clockFromState();
            outcome.undoneFirst = true;
        }
    } catch (const std::exception& e) {
        outcome.failure = outcome.restoreFailure = QString::fromUtf8(e.what());
        return outcome;
    }

    const HourMemory memory;
    g.GnStoppedFlag = g.MineHitAlarm = g.AirReturnFlag = 0;
    g.ContattiGestiti = 0;
    std::optional<CampaignTransaction> journal;
    try {
        // A ship or aircraft file garbled since the opening stops the hour before it reads it.
        checkCampaignRecordFiles();
        journal.emplace(CampaignTransaction::Capture::Everything);
        SaveBatch batch;
        runHourPhases(view);
        batch.commit();
        journal->commit();
        outcome.done = true;
        return outcome;
    } catch (const platform::FileError& e) {
        // What went wrong; where the campaign stands is told apart.
        outcome.failure = e.cause();
    } catch (const std::exception& e) {
        // A number too wide for a cell: when the hour took a value of the tables past its range
        // (the day past its last), that value is what the player is told of.
        const QString limit = campaignLimitReached();
        outcome.failure = limit.isEmpty() ? QString::fromUtf8(e.what()) : limit;
    }

    // Everything the hour changed goes back: files, tables, marks and the clock values. When the
    // files cannot go back, the journal stays to put them back at the next opening or hour.
    keptFiles.reset();
    if (journal) {
        try {
            journal->rollBack();
            reloadCampaignTables();
        } catch (const std::exception& e) {
            outcome.restoreFailure = QString::fromUtf8(e.what());
        }
    }
    memory.putBack();
    try {
        clockFromState();
    } catch (const std::exception& e) {
        if (outcome.restoreFailure.isEmpty()) outcome.restoreFailure = QString::fromUtf8(e.what());
    }
    return outcome;
}
