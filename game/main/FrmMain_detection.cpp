// The main window's list of own naval groups near the open one.
#include "FrmMain.h"
#include "common/Detection.h"

void FrmMain::TestoListaGN() {
    List7.clear();
    for (const NearbyGroupLine& line : nearbyGroupLines()) {
        List7.addItem(line.text);
        List7.setItemData(List7.newIndex(), line.group);
    }
}
