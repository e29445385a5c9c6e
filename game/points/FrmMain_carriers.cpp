// The acquisition menu's carrier entries and the utility menu's objectives entry.
#include "FrmMission.h"
#include "FrmStatusPort.h"
#include "FrnLineaV.h"
#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"

void FrmMain::MnAcqGibilterraLinea_Click() {
    platform::form<FrnLineaV>().showModal();
}

void FrmMain::MnAlleStatusPort_Click() {
    platform::form<FrmStatusPort>().showModal();
}

void FrmMain::MnUtilMission_Click() {
    RicaricaMappa();
    platform::form<FrmMission>().showModal();
}
