// The map picture of the main window: presses, clicks and hit tests, the pop-up list, the unit
// cards and the base panel.
#include "game/main/FrmMain.h"

void FrmMain::wireMapHandlers() {}
