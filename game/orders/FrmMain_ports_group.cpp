// The port panel's naval group: ships moved from port into the group being formed and back, its
// number and departure, and a ship of a group at sea docked back into port.
#include "PortGroups.h"
#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/NavalGroupValues.h"
#include "common/Pictures.h"
#include "common/RecordFiles.h"
#include "common/SaveBatch.h"
#include "common/UnitLists.h"
#include "game/main/FrmMain.h"
#include "game/main/MapMarks.h"
#include "game/main/frmNaveClasse.h"
#include "game/orders/NavalOrders.h"
#include "platform/Dialogs.h"

using namespace platform;
namespace F = recordformat::ship;

namespace {
// The card of a ship picked in a port list goes beside the port panel (design twips).
constexpr int kPortCardLeft = 3615;
constexpr int kPortCardTop = 5700;

// Opens the side's ship file on the ships' channel and reads `record` when the file holds it.
bool readSideShip(int record) {
    Globals& g = G();
    g.Files.close(kChannelShips);
    const int count = openShipFile(kChannelShips, g.CurrentSide);
    if (record < 1 || record > count) return false;
    readShip(kChannelShips, record);
    return true;
}

int pickedItem(const ListBox& list) {
    const int index = list.listIndex();
    return index < 0 ? 0 : list.itemData(index);
}
} // namespace

// ---------------------------------------------------------------- ships in port

void FrmMain::showPortShipCard() {
    const double k = designTwipsPerMapUnit();
    placeOnMap(Frame11, kPortCardLeft / k, kPortCardTop / k);
    SchedaNaveDaLista();
}

void FrmMain::List3_Click() {
    Globals& g = G();
    const int record = pickedItem(List3);
    if (record == 0) return;
    const bool found = readSideShip(record);
    g.SelectedItem = record;
    g.SelectedShip = record;
    Label5.setCaption(QString::number(record));
    if (found) IconaStatoPorto();
    Label17.setCaption(QStringLiteral("o=Oper c=Cargo r=Resist k=Nodi a=AA i=CAI I=IncAtt d=DT m=MA s=SoS"));
    Label69.setCaption(QString());
    showPortShipCard();
}

void FrmMain::IconaStatoPorto() {
    QString icon;
    switch (G().ShipRecordBuffer.whole(F::MISSIONE)) {
    case 1:
        icon = QStringLiteral("ok2.ico");
        break;
    case 5:
        icon = QStringLiteral("ripara.ico");
        break;
    case 6:
        icon = QStringLiteral("cargoin.ico");
        break;
    case 7:
        icon = QStringLiteral("cargoout.ico");
        break;
    case 8:
        icon = QStringLiteral("refuel.ico");
        break;
    default:
        icon = QStringLiteral("kvz.ico");
    }
    loadPictureInto(Image10, G().AppPath + QStringLiteral("\\Ico\\") + icon);
}

void FrmMain::List4_Click() {
    Globals& g = G();
    const int record = pickedItem(List4);
    if (record == 0) return;
    readSideShip(record);
    g.SelectedItem = record;
    showPortShipCard();
}

void FrmMain::List3_DblClick() {
    Globals& g = G();
    const int group = g.NewGroupNumber;
    const int record = pickedItem(List3);
    if (group < 1 || group > kGroups || record == 0) return;
    g.SelectedItem = record;
    // A ship busy in port, or no longer in this port, is not moved.
    if (!moveIntoFormingGroup(g.CurrentSide, g.SelectedBase, record, group)) return;
    Label58.setCaption(QString::number(textToWhole(Label58.caption()) + 1));
    AggiornaDatiBase();
    ListaNaviBaseGN();
    Frame11.setVisible(false);
}

void FrmMain::List4_DblClick() {
    Globals& g = G();
    const int record = pickedItem(List4);
    if (record == 0) return;
    g.SelectedItem = record;
    if (!returnFromFormingGroup(g.CurrentSide, g.SelectedBase, record, g.NewGroupNumber)) return;
    Label58.setCaption(QString::number(textToWhole(Label58.caption()) - 1));
    g.NewGroupShips = textToWhole(Label58.caption());
    if (g.NewGroupShips < 0) {
        List3.setEnabled(false);
        Label56.setCaption(QStringLiteral("0"));
        g.NewGroupNumber = 0;
    }
    AggiornaDatiBase();
    ListaNaviBaseGN();
    Frame11.setVisible(false);
}

// ---------------------------------------------------------------- the group formed in port

void FrmMain::Label56_Click() {
    Globals& g = G();
    if (List3.listCount() < 1) return;
    const int base = g.SelectedBase;
    Label17.setCaption(QStringLiteral("ATT usare il Comando RESET per annulare l'operazione"));
    Frame3.setVisible(false);
    Command8.setVisible(false);
    const auto giveBackPanel = [this] {
        Frame3.setVisible(true);
        Command8.setVisible(true);
    };
    // A port that counts no ship starts no group (and leaves the player a way out).
    if (g.BaseTable[base][BaseCol::ShipsPresent] == 0) return giveBackPanel();
    const long long moved = textToWhole(Label58.caption());
    if (g.NewGroupNumber >= 1) {
        // A group with ships keeps its number and its aircraft; an empty one is withdrawn.
        if (moved > 0) return;
        Label56.setCaption(QString());
        g.NewGroupNumber = 0;
        return giveBackPanel();
    }
    List3.setEnabled(true);
    List4.setEnabled(true);
    g.NewGroupAircraft = 0;
    PrimoGNLibero();
    Label56.setCaption(QString::number(g.NewGroupNumber));
    if (g.NewGroupNumber < 1 || g.NewGroupNumber > kGroups) {
        // Every row of the side's table is in use: no group, and the panel as it was.
        Label17.setCaption(QStringLiteral("Limite GN Raggiunto"));
        g.NewGroupNumber = 0;
        return giveBackPanel();
    }
    // The class counts start from this group's ships only.
    AzzeraContaClassi();
    Label58.setCaption(QStringLiteral("0"));
    markFormingBase(g.CurrentSide, g.NewGroupNumber, base);
    Command2.setEnabled(true);
}

void FrmMain::Command2_Click() {
    Globals& g = G();
    Frame3.setVisible(true);
    Command8.setVisible(true);
    Frame11.setVisible(false);
    const int n = g.NewGroupNumber;
    const int side = g.CurrentSide;
    const int base = g.SelectedBase;
    g.DepartingGn = n;
    g.NewGroupShips = textToWhole(Label58.caption());
    g.GnOffMap = 0;
    if (g.NewGroupShips <= 0 || n < 1 || n > kGroups) {
        Label56.setCaption(QString());
        g.NewGroupNumber = 0;
        g.NewGroupAircraft = 0;
        List3.setEnabled(false);
        return;
    }
    const int ships = g.NewGroupShips;
    // The tables are saved twice on the way (the row, then its recount): written once, at the end.
    SaveBatch batch;
    writeDepartingGroup(side, base, n, ships, g.NewGroupAircraft);
    g.CountedGn = n;
    ScriviClassiGN();
    SalvaTabelleGruppi();
    // The recount of the group's values gives a group leaving port its ship count.
    g.NewGnShipCount = ships;
    RicalcolaGN();

    List4.clear();
    Label58.setCaption(QStringLiteral("0"));
    Label56.setCaption(QStringLiteral("0"));
    g.NewGroupNumber = 0;
    g.DepartingGn = 0;
    g.NewGroupAircraft = 0;
    g.GnOffMap = 0;
    g.BaseTable[base][BaseCol::PointsUsed] += ships + 10;
    SalvaDatiBasi();
    batch.commit();
    AggiornaDatiBase();
    ListaNaviBaseGN();
    List4.setEnabled(false);
    Command2.setEnabled(false);
    g.NewGroupShips = 0;
    AzzeraContaClassi();
    Label17.setCaption(QStringLiteral("ATT: AGGIORNARE SCHEDE NAVI DEL GN"));
    // The new group's symbol shows on the map at once (drawn over what is there: it is new).
    StampaSimboliGN();
}

// ---------------------------------------------------------------- docking

void FrmMain::Image11_Click() {
    Globals& g = G();
    const int side = g.CurrentSide;
    g.NewGroupAircraft = 0;
    // The same ship cannot be docked twice, nor a ship of no open group.
    if (!groupInUse(side, g.SelectedGn) || g.SelectedShip == g.LastDockedShip) {
        Beep();
        g.Files.close(kChannelShips);
        return;
    }
    g.Files.close(kChannelGroupShips);
    const int base = g.BaseUnderGn;
    DockOutcome out;
    if (g.SelectedShip != 0) out = dockShip(side, g.SelectedGn, g.SelectedShip, base);
    if (out.result == DockResult::PortFull) {
        Label17.setCaption(QStringLiteral("Il porto è saturo di navi"));
        g.Files.close(kChannelShips);
        return;
    }
    if (out.result == DockResult::NotInGroup) {
        Beep();
        return;
    }
    g.SelectedBase = base;
    Image18.setEnabled(false);
    if (out.carrier) RichiamaGAPortaerei();
    g.NewGroupAircraft = out.aircraft;
    AzzeraContaClassi();
    ContaNaviPerClasse();
    TogliNaveDaGN();
    if (g.SelectedGn == 0) {
        g.GnOffMap = 0;
        g.SelectedBase = 0;
        RicaricaMappa();
        DisegnaBasi();
        if (side == kAllies)
            ListaGNAlleati();
        else
            ListaGNAsse();
        StampaSimboliGN();
    }
    g.LastDockedShip = g.SelectedShip;
    if (g.SelectedGn > 0) {
        g.DepartingGn = g.SelectedGn;
        RicalcolaGN();
    }
    Label76.setCaption(QStringLiteral("%1/%2")
                           .arg(g.BaseTable[base][BaseCol::ShipsPresent])
                           .arg(int(g.BaseShipCapacity[base])));
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    ElencoNaviGN();
    Frame11.setVisible(false);
    if (List5.listCount() == 0) {
        Command12_Click();
        Label59.setCaption(QString());
    }
}

void FrmMain::Label76_Click() {
    Globals& g = G();
    if (g.SelectedShip == 0) return;
    // The card is of the ship picked, read again: the record buffer may hold another list's ship.
    const bool found = readSideShip(g.SelectedShip);
    g.Files.close(kChannelShips);
    if (found && SchedaClasseNave()) platform::form<frmNaveClasse>().showModal();
    g.SelectedShip = 0;
}
