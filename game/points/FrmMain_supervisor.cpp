// The supervisor submenu of the main window: each entry shows its window modal, and unloads it once
// it is no longer shown, so that whatever it borrowed from the screen (the side in play) goes back
// with it, and the next opening starts from the screen's side.
#include "FrmContattiFile.h"
#include "FrmEventi.h"
#include "FrmStack.h"
#include "FrmStackA.h"
#include "game/main/FrmMain.h"

namespace {
template <class Window> void showSupervisorWindow() {
    platform::form<Window>().showModal();
    platform::unload<Window>();
}
} // namespace

void FrmMain::MnUtilSuperNavi_Click() {
    showSupervisorWindow<FrmStack>();
}

void FrmMain::MnUtilSuperAerei_Click() {
    showSupervisorWindow<FrmStackA>();
}

void FrmMain::MnUtilSuperContatti_Click() {
    showSupervisorWindow<FrmContattiFile>();
}

void FrmMain::MnUtilSuperEventi_Click() {
    showSupervisorWindow<FrmEventi>();
}
