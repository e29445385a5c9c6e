#include "FrmMezziNavi.h"

#include "PointTransfers.h"
#include "SidePictures.h"
#include "common/BaseTable.h"
#include "common/Globals.h"
#include "platform/Dialogs.h"

using namespace platform;
using namespace acquisition;

namespace {
const char* const kCardCaptions[15] = {
    "Classe", "Tipo",       "Nazione",         "Stazza ",    "AnnoDati", "Nodi",  "Operatività", "DirTiro",
    "Cargo",  "Resistenza", "Controllo A/Inc", "Aerei Imb.", "Radar",    "COSTO", "Aac/Aam"};
constexpr int kRow = 285;
} // namespace

FrmMezziNavi::FrmMezziNavi() : FormWith("FrmMezziNavi") {
    setSize(14160, 7200);
    setFixedBorder(true);

    sideFrames().layOut();
    Frame3.move(2520, 120, 2520, 1140);
    for (int i = 0; i < 2; ++i) {
        Option1.add(i, Frame3, "Option1").move(180, 330 + 390 * i, 2220, 330);
        Option1[i].Click = [this, i] { Option1_Click(i); };
    }

    Label10.move(5280, 180, 2280, 255);
    Label1.move(5280, 480, 2280, 420);
    Label1.setToolTipText("Totali Punti Acquisizione Mezzi");
    Label11.move(7680, 180, 1800, 255);
    Label6.move(7680, 480, 1800, 420);
    Label6.setToolTipText("Navi In Porto/Max Num Navi In Porto");
    Label12.move(9600, 180, 2040, 255);
    Label9.move(9600, 480, 2040, 420);
    Label9.setToolTipText("Navi Disponibili/Navi Attivabili");
    for (Label* l : {&Label1, &Label6, &Label9}) styleValue(*l, 11);
    Command1.move(12720, 120, 1320, 1140);
    Command1.setToolTipText("Non Chiudere se non sono terminate le acquisizioni");

    Command2.move(120, 1380, 3720, 420);
    Command2.setToolTipText("ATTENZIONE: Si può attivare la lista RANDOM solo UNA volta");
    Label13.move(120, 1860, 3720, 255);
    List1.move(120, 2130, 3720, 3900);
    List1.setToolTipText("Doppio Click per acquisire la nave (irreversibile)");
    Label14.move(3960, 1380, 3240, 255);
    List2.move(3960, 1650, 3240, 1980);
    Label15.move(3960, 3750, 3240, 255);
    List3.move(3960, 4020, 3240, 2010);
    for (ListBox* l : {&List1, &List2, &List3}) l->setFontName("Courier New");

    Frame4.move(7320, 1380, 4320, 4650);
    for (int i = 0; i < 15; ++i)
        Label7.add(i, Frame4, "Label7", kCardCaptions[i]).move(90, 330 + kRow * i, 1230, 255);
    for (int i = 0; i < 16; ++i) {
        Label8.add(i, Frame4, "Label8");
        if (i < 14)
            Label8[i].move(1320, 330 + kRow * i, 2910, 255);
        else
            Label8[i].move(i == 14 ? 1320 : 2820, 330 + kRow * 14, 1410, 255);
        Label8[i].setBorderStyle(1);
        Label8[i].setBackColor(vbWhite);
    }

    // As wide as its title, whose words head the columns.
    Frame5.move(11700, 1380, 2400, 4650);
    for (int i = 0; i < kShipTypes; ++i) {
        Label2.add(i, Frame5, "Label2", ShipTypeCodes[i]).move(180, 330 + kRow * i, 540, 255);
        Label3.add(i, Frame5, "Label3").move(840, 330 + kRow * i, 600, 255);
        Label4.add(i, Frame5, "Label4").move(1560, 330 + kRow * i, 600, 255);
        Label3[i].setToolTipText("Navi già in linea");
        for (Label* l : {&Label3[i], &Label4[i]}) styleValue(*l);
    }
    Label4[0].setToolTipText("Navi disponibili in archivio");
    // The longest type name must fit its box.
    Label8[1].setFontSize(7);

    Label5.move(120, 6150, 13920, 480);
    Label5.setWordWrap(true);
    Label5.setFontBold(true);
    Label5.setCaption(
        "ATTENZIONE:  Il RANDOM può essere attivato solo  UNA VOLTA, alle ore 01:00 (notte). Non è "
        "possibile fare acquisizioni di nuove navi in altri momenti del gioco.");
    MessageLine.move(120, 6750, 13920, 315);
    MessageLine.setBorderStyle(1);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    List1.Click = [this] { List1_Click(); };
    List1.DblClick = [this] { List1_DblClick(); };
    Label1.Click = [this] { Label1_Click(); };
    Label1.DblClick = [this] { Label1_DblClick(); };
}

void FrmMezziNavi::Form_Load() {
    Globals& g = G();
    CaricaDatiBasi();
    Command2.setEnabled(false);
    g.SelectedGn = 0;
    g.SelectedBase = 0;
    PulisciSchedaNave();
    const int side = g.CurrentSide;
    const bool allies = side != kAxis;
    setCaption(allies ? "ACQUISIZIONE NAVI ALLEATI" : "ACQUISIZIONE NAVI ASSE");
    setBackColor(allies ? vbYellow : vbRed);
    sideFrames().show(side);
    for (int i = 0; i < 2; ++i) Option1[i].setCaption(navalBase(side, i).caption);
    showPointsLeft();
    if (g.state(StateItem::sideItem(side, StateItem::RandomListAlle)) == 0) Command2.setEnabled(true);
    Option1[0].setValue(true);
    if (g.SelectedBase == 0) Option1_Click(0);
    showTypeCounts();
}

void FrmMezziNavi::showTypeCounts() {
    const ShipTypeCounts counts = countShipTypes(G().CurrentSide);
    for (int t = 0; t < kShipTypes; ++t) {
        Label3[t].setCaption(QString::number(counts.inUse[t]));
        Label4[t].setCaption(QString::number(counts.free[t]));
    }
}

SideFrames FrmMezziNavi::sideFrames() {
    return {Frame1, Image1, Image2, Frame2, Image3, Image4};
}

void FrmMezziNavi::showPointsLeft() {
    Label1.setCaption(QString::number(points::acquisitionPointsLeft(G().CurrentSide)));
}

void FrmMezziNavi::Option1_Click(int index) {
    ChosenOption = index;
    G().SelectedBase = navalBase(G().CurrentSide, index).base;
    Label6.setCaption(portOccupancy(G().SelectedBase));
    ListaNaviPorto();
}

void FrmMezziNavi::ListaNaviPorto() {
    List3.clear();
    for (const QString& ship : portShips(G().CurrentSide, G().SelectedBase)) List3.addItem(ship);
}

void FrmMezziNavi::PulisciSchedaNave() {
    for (int i = 0; i < 16; ++i) Label8[i].setCaption(QString());
}

void FrmMezziNavi::Command2_Click() {
    Command2.setEnabled(false);
    List1.clear();
    const RandomShipList list = drawRandomShipList(G().CurrentSide);
    for (const ListedShip& s : list.ships) {
        List1.addItem(s.text);
        List1.setItemData(List1.newIndex(), s.record);
    }
    Label6.setCaption(portOccupancy(G().SelectedBase));
    Label9.setCaption(QString::number(list.freeShips) + "/" + QString::number(list.ships.size()));
}

void FrmMezziNavi::List1_Click() {
    const int index = List1.listIndex();
    if (index < 0) return;
    PulisciSchedaNave();
    SelectedRecord = List1.itemData(index);
    const auto card = shipCard(G().CurrentSide, SelectedRecord);
    for (int i = 0; i < 16; ++i) Label8[i].setCaption(card[i]);
}

void FrmMezziNavi::List1_DblClick() {
    Globals& g = G();
    PulisciSchedaNave();
    const int index = List1.listIndex();
    if (index < 0) return;
    const int side = g.CurrentSide;
    const NavalBase& base = navalBase(side, ChosenOption);
    if (side == kAllies && base.base == kAlessandria && AlessandriaCount == kAlessandriaShips) {
        MsgBox("ALESSANDRIA: Solo 6 navi disponibili per Turn", vbCritical, "1");
        return;
    }
    SelectedRecord = List1.itemData(index);
    const ShipPurchase bought = buyShip(side, base, SelectedRecord);
    MessageLine.setCaption(bought.refusal);
    if (!bought.refusal.isEmpty()) return;
    List1.removeItem(index);
    List2.addItem(bought.line);
    showPointsLeft();
    // The bought ship is in service now: the type table says so at once.
    showTypeCounts();
    if (side == kAllies && base.base == kAlessandria) ++AlessandriaCount;
    Label6.setCaption(portOccupancy(base.base));
    ListaNaviPorto();
}

void FrmMezziNavi::Label1_Click() {
    Command2.setEnabled(false);
}

void FrmMezziNavi::Label1_DblClick() {
    Command2.setEnabled(true);
}

void FrmMezziNavi::Command1_Click() {
    AlessandriaCount = 0;
    SalvaDatiBasi();
    unloadForm(*this);
}
