// The acquisition menus' entries for ships, aircraft and point transfers.
#include "FrmMezziAerei.h"
#include "FrmMezziNavi.h"
#include "FrmPunti.h"
#include "common/Globals.h"
#include "game/main/FrmMain.h"

void FrmMain::MnAcqGibilterraNavi_Click() {
    openShipAcquisition(kAllies);
}

void FrmMain::MnAcqTarantoNavi_Click() {
    openShipAcquisition(kAxis);
}

void FrmMain::openShipAcquisition(int side) {
    Frame4.setVisible(false);
    Frame7.setVisible(false);
    FrmMezziNavi& ships = platform::form<FrmMezziNavi>();
    if (G().state(StateItem::sideItem(side, StateItem::RandomListAlle)) == 1)
        ships.Command2.setEnabled(false);
    ships.showModal();
}

void FrmMain::MnAcqGibilterraAerei_Click() {
    openAircraftAcquisition();
}

void FrmMain::MnAcqTarantoAerei_Click() {
    openAircraftAcquisition();
}

void FrmMain::openAircraftAcquisition() {
    Frame4.setVisible(false);
    Frame7.setVisible(false);
    platform::form<FrmMezziAerei>().showModal();
}

void FrmMain::MnAcqTrPuntiAlle_Click() {
    openPointTransfers(kAllies);
}

void FrmMain::MnAcqTrPuntiAsse_Click() {
    openPointTransfers(kAxis);
}

void FrmMain::openPointTransfers(int side) {
    Frame4.setVisible(false);
    Frame7.setVisible(false);
    FrmPunti& transfers = platform::form<FrmPunti>();
    transfers.setCaption(side == kAllies ? "Gestione Punti Alleati" : "Gestione Punti Asse");
    transfers.Frame1.setVisible(side == kAllies);
    transfers.Frame2.setVisible(side == kAxis);
    transfers.showModal();
}
