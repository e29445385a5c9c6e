#include "CampaignOpen.h"

#include "HourStart.h"
#include "common/BaseTable.h"
#include "common/CampaignChecks.h"
#include "common/CampaignJournal.h"
#include "common/CampaignSetup.h"
#include "common/CampaignSnapshot.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/ReferenceLists.h"
#include "common/records/RecordRanges.h"
#include "game/orders/PortGroups.h"

bool loadCampaign(QString* returned) {
    Globals& g = G();
    g.CampaignOpen = false;
    g.CurrentSide = 0;
    g.BasesMode = 0;
    g.NavalMode = 0;
    CaricaTabelleNomi();
    CaricaCoordinateBasi();
    // An hour or an action cut short is undone before anything of the campaign is read.
    const bool undone = rollBackLeftJournal();
    CaricaTabelleGruppi();
    CaricaMine();
    CaricaDatiBasi();
    CaricaSetUpGioco();
    // Record files that no campaign can hold, or that disagree with the tables, stop the opening
    // before anything reads or changes them.
    const bool forming = checkCampaignAtOpening();
    // Ships left in a group that never left port go back to their port.
    if (returned) returned->clear();
    if (forming) {
        CampaignTransaction returning;
        const QString text = returnedShipsText(returnStrandedShips());
        returning.commit();
        if (returned) *returned = text;
    }
    CaricaOrdini();
    dayAndWeather();
    g.WeatherSeverity = g.state(StateItem::Weather);
    g.CampaignOpen = true;
    return undone;
}

QString undoneAtOpenText(const CampaignSnapshot::Step& step) {
    const Globals& g = G();
    const long long day = g.state(StateItem::Day) + 1, hour = g.state(StateItem::Hour);
    if (step.kind != QLatin1String(CampaignSnapshot::kActionStep))
        return QStringLiteral(
                   "L'ultima ora giocata non era stata completata ed è stata annullata: la campagna "
                   "è com'era prima di quell'ora (giorno %1, ore %2).")
            .arg(day)
            .arg(hour);
    // What started the action, as the screen showed it; a journal that does not tell it gets the
    // kinds of action.
    const auto shown = [](const QString& words) { return recordformat::readableValue(words, 40); };
    QString action =
        QStringLiteral("un acquisto, un ordine, una partenza, una modifica o un'altra azione tra "
                       "un'ora e l'altra");
    if (!step.control.isEmpty() && !step.window.isEmpty())
        action = QStringLiteral("\"%1\" nella finestra \"%2\"").arg(shown(step.control), shown(step.window));
    else if (!step.control.isEmpty())
        action = QStringLiteral("\"%1\"").arg(shown(step.control));
    else if (!step.window.isEmpty())
        action = QStringLiteral("nella finestra \"%1\"").arg(shown(step.window));
    return QStringLiteral("L'ultima azione compiuta (%1) non era stata completata ed è stata annullata: la "
                          "campagna è com'era prima di quell'azione (giorno %2, ore %3).")
        .arg(action, QString::number(day), QString::number(hour));
}
