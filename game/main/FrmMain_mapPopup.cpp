// The map's pop-up list of the groups under a press and their ships, the list of groups a patrol
// may cover, the unit cards, and the clean map that wipes the drawings.
#include "UnitCards.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/Pictures.h"
#include "common/RecordFiles.h"
#include "common/UnitLists.h"
#include "game/main/FrmMain.h"
#include "platform/Files.h"

using namespace platform;

void FrmMain::List11_Click() {
    const int i = List11.listIndex();
    G().CapTargetGn = i >= 0 ? List11.itemData(i) : 0;
    Command24.setVisible(G().CapTargetGn >= 1);
}

void FrmMain::List12_Click() {
    Frame5.setVisible(false);
    Frame27.setVisible(false);
    if (PopupShowsShips != 1) ListaNaviGN();
}

void FrmMain::List12_DblClick() {
    Globals& g = G();
    if (PopupShowsShips == 0 || g.NewGroupNumber > 0) {
        Label17.setCaption(QStringLiteral("ERRORE: NON AMMESSO SE CREA GN E' ATTIVO"));
        return;
    }
    const int i = List12.listIndex();
    if (i < 0) return;
    PopupShipRecord = List12.itemData(i);
    SchedaNave();
    Frame11.setVisible(true);
}

void FrmMain::ListaNaviGN() {
    Globals& g = G();
    if (g.ShipsListed == 1) return;
    const int i = List12.listIndex();
    if (i < 0) return;
    const int group = List12.itemData(i);
    List12.clear();
    Label17.setCaption(QStringLiteral("o=Oper c=Cargo r=Resist k=Nodi a=AA i=CAI I=IncAtt d=DT m=MA s=SoS"));
    fillList(List12, popupShipItems(g.CurrentSide, group));
    g.ShipsListed = 1;
    PopupShowsShips = 1;
}

// ---------------------------------------------------------------- the clean map

void FrmMain::keepCleanMap() {
    cleanMap_ = PicBitMap.image();
}

void FrmMain::restoreCleanMap() {
    if (cleanMap_.isNull())
        RicaricaMappa();
    else
        PicBitMap.setPicture(cleanMap_);
}

void FrmMain::Option1_Click(int index) {
    Globals& g = G();
    restoreCleanMap();
    IndiceAereo = 0;
    Combo8.setText(QString());
    for (Label* l : {&Label89, &Label91, &Label17, &Label96, &Label97, &Label98, &Label99})
        l->setCaption(QString());
    for (int i = 0; i <= 12; ++i) Label85[i].setCaption(QString());
    g.AirListFilter = index;
    if (g.CurrentSide == kAllies)
        ListaGAAlleati();
    else if (g.CurrentSide == kAxis)
        ListaGAAsse();
}

void FrmMain::Option2_Click(int index) {
    restoreCleanMap();
    G().NavalListFilter = index;
    if (G().CurrentSide == kAllies)
        ListaGNAlleati();
    else if (G().CurrentSide == kAxis)
        ListaGNAsse();
}

// ---------------------------------------------------------------- unit cards

namespace {
// The picture of a unit; a unit without one keeps the placeholder, without a word: most have none.
void loadUnitPicture(PictureBox& box, const QString& path) {
    QImage img;
    if (fileExists(path) && img.load(diskPath(path))) box.setPicture(img);
}
} // namespace

void FrmMain::showCardFrame(const CardFrame& frame) {
    Label2.setCaption(frame.header1);
    Label3.setCaption(frame.header2);
    PicShip.setPicture(designPicture(frame.placeholder));
}

void FrmMain::showUnitCard(const UnitCard& card) {
    for (int i = 0; i < kCardCells; ++i) {
        if (card.cells[i].colour != kKeepColour) Label4[i].setForeColor(card.cells[i].colour);
        Label4[i].setCaption(card.cells[i].text);
    }
    Frame11.setCaption(card.caption);
    loadUnitPicture(PicShip, card.picture);
}

void FrmMain::SchedaNave() {
    Globals& g = G();
    g.Files.closeAll();
    showCardFrame(shipCardFrame());
    const int channel = g.Files.freeChannel();
    const int count = openShipFile(channel, g.CurrentSide);
    const bool found = PopupShipRecord >= 1 && PopupShipRecord <= count;
    if (found) readShip(channel, PopupShipRecord);
    g.Files.closeAll();
    if (found) showUnitCard(shipCard(g.ShipRecordBuffer));
}

void FrmMain::SchedaNaveDaLista() {
    Globals& g = G();
    Frame11.setVisible(true);
    showCardFrame(shipCardFrame());
    if (!g.Files.isOpen(kChannelShips) || g.SelectedItem < 1) return;
    readShip(kChannelShips, g.SelectedItem);
    showUnitCard(shipCard(g.ShipRecordBuffer));
}

void FrmMain::SchedaAereo() {
    Globals& g = G();
    Frame11.setVisible(true);
    showCardFrame(aircraftCardFrame());
    if (!g.Files.isOpen(kChannelBaseAircraft) || g.SelectedItem < 1) return;
    const AircraftRecord a = readAircraft(kChannelBaseAircraft, g.SelectedItem);
    Label17.setCaption(a.trimmed(recordformat::aircraft::Nome));
    showUnitCard(aircraftCard(a));
}

void FrmMain::PicShip_Click() {
    Frame11.setVisible(false);
}
