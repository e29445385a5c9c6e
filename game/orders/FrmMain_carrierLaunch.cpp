// The carrier icon of the open group's ship list: the launch window of the carrier picked.
#include "Carriers.h"
#include "FrmPA.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"
#include "game/main/FrmMain.h"

using namespace platform;

void FrmMain::Image18_Click() {
    Globals& g = G();
    if (g.OperationContext[15] != 1 || g.OperationTexts[2].trimmed().isEmpty()) {
        Label17.setCaption(carrierRefusal.isEmpty()
                               ? QStringLiteral(" PORTAEREI NON ATTIVABILE ")
                               : QStringLiteral(" PORTAEREI NON ATTIVABILE: ") + carrierRefusal);
        return;
    }
    FrmPA& w = platform::form<FrmPA>();
    w.ListaAereiPA();
    // The list starts the count of aircraft in flight afresh; the limit shown needs it counted.
    w.AereiInVolo();
    w.ValoriMa();
    w.showModal();

    // The window used the carrier's scratch values for its lines: the carrier's launch data are read
    // again from its record as the launches left it, so that the icon opens the window again while
    // the carrier may launch. Its file stays open with the ship in the buffer, as the ship list left it.
    const int record = g.SelectedShip;
    for (int i = 1; i <= 20; ++i) g.OperationContext[i] = 0;
    for (int i = 1; i <= 6; ++i) g.OperationTexts[i].clear();
    if (record < 1 || openShipFile(kChannelShips, g.CurrentSide) < record) return;
    readShip(kChannelShips, record);
    DatiPortaerei();
    carrierRefusal = g.OperationContext[15] == 1
                         ? QString()
                         : carrierLaunchRefusal(g.CurrentSide, g.ShipRecordBuffer, g.BaseUnderGn,
                                                int(g.state(StateItem::Weather)));
}
