// The base and port panel: groups formed in port, docking, port orders and the dockyard.
#include "game/main/FrmMain.h"

void FrmMain::wirePortHandlers() {}
