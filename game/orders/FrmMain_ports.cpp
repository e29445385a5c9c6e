// The base and port panel: base mode, the air base and its port, the off-map Allied bases. The
// group formed in port and docking are in FrmMain_ports_group.cpp, the port orders in
// FrmMain_ports_orders.cpp.
#include "PortGroups.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"
#include "game/main/MapMarks.h"
#include "game/main/MapPanels.h"
#include "game/orders/NavalOrders.h"

using namespace platform;

namespace {
// The aircraft list takes the colour of the weather: white, cyan, magenta, red.
long weatherColour(int weather) {
    switch (weather) {
    case 3:
        return vbRed;
    case 2:
        return 0xFF00FF;
    case 1:
        return 0xFFFF00;
    default:
        return vbWhite;
    }
}
} // namespace

// ---------------------------------------------------------------- base mode

void FrmMain::Command10_Click() {
    Globals& g = G();
    List12.setVisible(false);
    g.PlotRangeFlag = 1;
    g.SelectedItem = 0;
    g.AirMode = 0;
    g.GnOffMap = 0;
    g.MapClickMode = 0;
    MnUtil.setEnabled(false);
    MnAcq.setEnabled(false);
    const int side = g.CurrentSide;
    // A group being formed keeps the port panel as it is.
    if (g.NewGroupNumber >= 1 || (side != kAllies && side != kAxis)) return;
    leaveModePanels();

    Frame12.setVisible(false);
    List1.setBackColor(vbWhite);
    g.WeatherSeverity = g.state(StateItem::Weather);
    List1.setBackColor(weatherColour(g.WeatherSeverity));
    NascondiRotta();
    g.BasesMode = 1;
    g.NavalMode = 0;
    Label4[0].setCaption(QString());
    g.SelectedBase = 0;
    MostraPannelliMappa();
    ColoreLato();
    if (side == kAllies) {
        AbilitaBasiEsterne();
        ListaGNAlleati();
    } else {
        DisabilitaBasiEsterne();
        ListaGNAsse();
    }
    for (Control* c : std::initializer_list<Control*>{&Frame4, &Frame7, &Frame9, &Frame18, &Frame27, &Frame25,
                                                      &Frame11, &Frame21})
        c->setVisible(false);
    Label79.setCaption(g.GameState[StateItem::Activities]);
    Command20.setVisible(false);
    for (ComboBox* c : {&Combo1, &Combo2, &Combo3, &Combo4}) c->setListIndex(-1);
    drawBaseMap();
}

void FrmMain::drawBaseMap() {
    Globals& g = G();
    DisegnaBasi();
    RidisegnaBasi();
    g.DrawFlag = 1;
    TracciaGNAmici();
    StampaSimboliGN();
    g.DrawFlag = 0;
}

// ---------------------------------------------------------------- air base and port

void FrmMain::Command7_Click() {
    Globals& g = G();
    if (g.NewGroupNumber > 0) return;
    // Only the side's own ports open (a base without a port has ">>" disabled).
    if (!dockableBase(g.CurrentSide, g.SelectedBase)) return;
    g.NewGroupNumber = 0;
    List12.setVisible(false);
    // No ship of this port is picked nor given an order yet: the last pick and the last estimate
    // may have been another base's.
    g.SelectedShip = 0;
    Label5.setCaption(QString());
    Label69.setCaption(QString());
    ListaNaviBaseGN();
    Frame4.setVisible(false);
    Frame7.setVisible(true);
    List3.setEnabled(true);
    PulisciEtichetteGA();
    AggiornaDatiBase();
    Frame11.setVisible(false);
}

void FrmMain::Command8_Click() {
    Globals& g = G();
    List3.setEnabled(false);
    if (g.NewGroupNumber >= 1) return;
    g.NewGroupNumber = 0;
    g.DepartingGn = 0;
    g.NewGroupShips = 0;
    Label56.setCaption(QString());
    Label58.setCaption(QString());
    List12.setVisible(false);
    ListaAereiBase();
    Frame7.setVisible(false);
    Frame3.setVisible(true);
    Frame4.setVisible(true);
    Label43.setCaption(QString());
    Frame11.setVisible(false);
    AggiornaDatiBase();
}

// ---------------------------------------------------------------- the off-map bases

void FrmMain::Label15_Click() {
    openOffMapBase(kGibraltarBase, Label15);
}

void FrmMain::Label16_Click() {
    openOffMapBase(kAlexandriaBase, Label16);
}

void FrmMain::openOffMapBase(int base, Label& clicked) {
    Globals& g = G();
    if (g.NewGroupNumber > 0 || g.CurrentSide != kAllies) return;
    g.SelectedBase = 0;
    g.SelectedItem = 0;
    Label4[0].setCaption(QString());
    RicaricaMappa();
    DisegnaBasi();
    ColoraBasiEsterne();
    clicked.setBackColor(vbGreen);
    Frame21.setVisible(false);
    Command8.setEnabled(true);
    Command7.setEnabled(true);
    g.Files.closeAll();
    g.SelectedBase = base;
    MostraPannelloBase();
    ListaAereiBase();
    Command7_Click();
}
