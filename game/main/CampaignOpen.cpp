#include "CampaignOpen.h"

#include "HourStart.h"
#include "common/BaseTable.h"
#include "common/CampaignChecks.h"
#include "common/CampaignJournal.h"
#include "common/CampaignSetup.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/ReferenceLists.h"
#include "game/orders/PortGroups.h"

bool loadCampaign() {
    Globals& g = G();
    g.CampaignOpen = false;
    g.CurrentSide = 0;
    g.BasesMode = 0;
    g.NavalMode = 0;
    CaricaTabelleNomi();
    CaricaCoordinateBasi();
    // An hour cut short is undone before anything of the campaign is read.
    const bool undone = rollBackLeftJournal();
    CaricaTabelleGruppi();
    CaricaMine();
    CaricaDatiBasi();
    CaricaSetUpGioco();
    // Record files that no campaign can hold stop the opening before anything reads them.
    checkCampaignRecordFiles();
    // Ships left in a group that never left port go back to their port.
    {
        CampaignTransaction returning;
        returnStrandedShips();
        returning.commit();
    }
    CaricaOrdini();
    dayAndWeather();
    g.WeatherSeverity = g.state(StateItem::Weather);
    g.CampaignOpen = true;
    return undone;
}
