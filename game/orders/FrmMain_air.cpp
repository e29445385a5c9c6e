// The air-group panel of the main window.
#include "game/main/FrmMain.h"

void FrmMain::CaricaComboAerei() {
    // The payload lists are filled by the air panel.
}
