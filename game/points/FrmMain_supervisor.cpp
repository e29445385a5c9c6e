// The supervisor submenu of the main window: each entry shows its window modal.
#include "FrmContattiFile.h"
#include "FrmEventi.h"
#include "FrmStack.h"
#include "FrmStackA.h"
#include "game/main/FrmMain.h"

void FrmMain::MnUtilSuperNavi_Click() {
    platform::form<FrmStack>().showModal();
}

void FrmMain::MnUtilSuperAerei_Click() {
    platform::form<FrmStackA>().showModal();
}

void FrmMain::MnUtilSuperContatti_Click() {
    platform::form<FrmContattiFile>().showModal();
}

void FrmMain::MnUtilSuperEventi_Click() {
    platform::form<FrmEventi>().showModal();
}
