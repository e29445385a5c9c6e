// The points, acquisition and supervisor menus of the main window.
#include "game/main/FrmMain.h"

void FrmMain::wirePointsHandlers() {
    // The supervisor submenu.
    MnUtilSuperNavi.Click = [this] { MnUtilSuperNavi_Click(); };
    MnUtilSuperAerei.Click = [this] { MnUtilSuperAerei_Click(); };
    MnUtilSuperContatti.Click = [this] { MnUtilSuperContatti_Click(); };
    MnUtilSuperEventi.Click = [this] { MnUtilSuperEventi_Click(); };
    // Ships, aircraft and point transfers.
    MnAcqGibilterraNavi.Click = [this] { MnAcqGibilterraNavi_Click(); };
    MnAcqTarantoNavi.Click = [this] { MnAcqTarantoNavi_Click(); };
    MnAcqGibilterraAerei.Click = [this] { MnAcqGibilterraAerei_Click(); };
    MnAcqTarantoAerei.Click = [this] { MnAcqTarantoAerei_Click(); };
    MnAcqTrPuntiAlle.Click = [this] { MnAcqTrPuntiAlle_Click(); };
    MnAcqTrPuntiAsse.Click = [this] { MnAcqTrPuntiAsse_Click(); };
    // The carriers' flight line and aircraft, and the objectives.
    MnAcqGibilterraLinea.Click = [this] { MnAcqGibilterraLinea_Click(); };
    MnAlleStatusPort.Click = [this] { MnAlleStatusPort_Click(); };
    MnUtilMission.Click = [this] { MnUtilMission_Click(); };
}
