// The points, acquisition and supervisor menus of the main window.
#include "game/main/FrmMain.h"

void FrmMain::wirePointsHandlers() {
    // The supervisor submenu.
    MnUtilSuperNavi.Click = [this] { MnUtilSuperNavi_Click(); };
    MnUtilSuperAerei.Click = [this] { MnUtilSuperAerei_Click(); };
    MnUtilSuperContatti.Click = [this] { MnUtilSuperContatti_Click(); };
    MnUtilSuperEventi.Click = [this] { MnUtilSuperEventi_Click(); };
}
