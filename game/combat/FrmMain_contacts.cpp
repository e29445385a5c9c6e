// The main window's side of the contact board.
#include "game/main/FrmMain.h"

void FrmMain::unloadContactBoard() {
    // The contact board and its plot window are unloaded here once they exist.
}
