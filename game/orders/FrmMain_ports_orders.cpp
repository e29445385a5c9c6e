// "Manovre Portuali": the work orders given to the ship picked in port, with the estimate of the
// hours they take, and the dockyard.
#include "PortOrders.h"
#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/PortWork.h"
#include "common/RecordFiles.h"
#include "game/main/FrmMain.h"
#include "platform/Dialogs.h"

#include <QWidget>

using namespace platform;
namespace F = recordformat::ship;

void FrmMain::Image10_Click() {
    if (G().NewGroupNumber >= 1 || List3.listCount() < 1) return;
    Command8.setEnabled(false);
    List3.setEnabled(true);
    Frame21.setVisible(true);
    // The frame lies over the lower part of the port panel: it shows in front of it.
    Frame21.zOrder(vbBringToFront);
    Label43.setVisible(false);
    Frame3.setVisible(false);
    Frame11.setVisible(false);
    NascondiRotta();
}

void FrmMain::Command15_Click() {
    Command8.setEnabled(true);
    Frame11.setVisible(false);
    Frame21.setVisible(false);
    Label43.setVisible(true);
    Frame3.setVisible(true);
    Label69.setCaption(QString());
    MostraLatoOra();
}

namespace {
// The record of the ship highlighted in the port list, 0 when none: the orders act on that ship only.
int pickedPortShip(const FrmMain& f) {
    const int index = f.List3.listIndex();
    return index < 0 ? 0 : f.List3.itemData(index);
}

void givePortOrder(FrmMain& f, PortOrder order) {
    Globals& g = G();
    const int record = pickedPortShip(f);
    // The order goes to the ship highlighted in the port list, read again from its file.
    if (record == 0 || !readShipInPort(g.CurrentSide, g.SelectedBase, record)) {
        Beep();
        return;
    }
    const bool estimated =
        order == PortOrder::Load || order == PortOrder::Unload || order == PortOrder::Refuel;
    const int rate = estimated ? portWorkRate(g.SelectedBase) : 0;
    const PortOrderDecision d = decidePortOrder(order, g.ShipRecordBuffer, rate);
    if (d.tooDamaged) {
        f.Label69.setCaption(QStringLiteral("NO !"));
        g.Files.close(kChannelShips);
        f.Label17.setCaption(QStringLiteral("ATT: Danni TROPPO gravi. Mandare in Cantiere"));
        f.ListaNaviBaseGN();
        return;
    }
    if (!d.given) {
        g.Files.close(kChannelShips);
        return;
    }
    writeShipAndClose(record);
    f.ListaNaviBaseGN();
    f.Label69.setCaption(d.hours ? QString::number(*d.hours) : QStringLiteral("ns"));
}
} // namespace

void FrmMain::Image19_Click() {
    givePortOrder(*this, PortOrder::Load);
}

void FrmMain::Image20_Click() {
    givePortOrder(*this, PortOrder::Unload);
}

void FrmMain::Image21_Click() {
    givePortOrder(*this, PortOrder::Refuel);
}

void FrmMain::Image22_Click() {
    givePortOrder(*this, PortOrder::Repair);
}

void FrmMain::Image23_Click() {
    givePortOrder(*this, PortOrder::Cancel);
}

void FrmMain::Image24_Click() {
    Label17.setCaption(
        QStringLiteral("ATT: Dbl Click e la nave è inviata al Bacino di Carenaggio. IRREVERSIBILE"));
}

void FrmMain::Image24_DblClick() {
    Globals& g = G();
    const int base = g.SelectedBase;
    const int record = pickedPortShip(*this);
    if (record == 0 || !readShipInPort(g.CurrentSide, base, record)) {
        Beep();
        return;
    }
    ShipRecord& s = g.ShipRecordBuffer;
    const DockyardRefusal refusal = dockyardRefusal(s, base);
    if (refusal != DockyardRefusal::None) {
        g.Files.close(kChannelShips);
        Label17.setCaption(dockyardRefusalText(refusal));
        return;
    }
    const int days = sendToDockyard(s);
    Label17.setCaption(QStringLiteral("La Nave: ") + s.trimmed(F::NOME) +
                       QStringLiteral(" è in Bacino per circa giorni ") + QString::number(days));
    writeShipAndClose(record);
    Int32& present = g.BaseTable[base][BaseCol::ShipsPresent];
    present = std::max<Int32>(0, present - 1);
    SalvaDatiBasi();
    AggiornaDatiBase();
    ListaNaviBaseGN();
    Label69.setCaption(QStringLiteral("ns"));
}
