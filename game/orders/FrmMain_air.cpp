// The air-group panel of the main window.
#include "common/AirGroups.h"
#include "game/main/FrmMain.h"

void FrmMain::wireAirHandlers() {}

void FrmMain::CaricaComboAerei() {
    // The payload lists are filled by the air panel.
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
