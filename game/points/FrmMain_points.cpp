// The points, acquisition and supervisor menus of the main window.
#include "game/main/FrmMain.h"

void FrmMain::wirePointsHandlers() {}
