// The ships of the open naval group: their list, splitting and merging, scuttling, carriers.
#include "game/main/FrmMain.h"

void FrmMain::wireShipHandlers() {}
