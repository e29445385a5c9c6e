// The main window's menus, help pictures and automatic-resolution switches.
#include "game/main/FrmMain.h"

void FrmMain::wireMenuHandlers() {}
