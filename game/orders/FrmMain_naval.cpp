// The naval-group panel of the main window: the list, orders, speed, route hours and course.
#include "game/main/FrmMain.h"

void FrmMain::wireNavalHandlers() {}
