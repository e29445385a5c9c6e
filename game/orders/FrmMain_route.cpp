// The route plot of the naval panel: the projected route of the picked group or of every group of
// the side in the chosen colour, its wiping, the map reset, and the reconnaissance areas.
#include "NavalOrders.h"
#include "RoutePlot.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"
#include "game/main/MapMarks.h"

using namespace platform;

namespace {
// The route colour as the decimal text it is kept in; a blank one is the default white.
long routeColour(const QString& text) {
    bool ok = false;
    const long c = text.toLong(&ok);
    return ok ? c : vbWhite;
}
} // namespace

void FrmMain::Command13_Click() {
    Globals& g = G();
    // Groups off the map or lying at GIBILTERRA or ALESSANDRIA have no route on the map.
    if (g.GnOffMap > 0 || g.SelectedBase > 13 || g.BaseUnderGn > 13) return;
    // Only a group picked for the side at the keyboard, and still in use, is projected.
    if (PickedGnSide != g.CurrentSide || !groupInUse(g.CurrentSide, PickedGn)) return;
    List12.setVisible(false);
    const QPoint last = drawRoute(g.CurrentSide, PickedGn, routeColour(RoutePlotColour));
    g.RoutePointX = Int16(last.x());
    g.RoutePointY = Int16(last.y());
}

void FrmMain::Command21_Click() {
    Globals& g = G();
    const int side = g.CurrentSide;
    if (side != kAllies && side != kAxis) return;
    g.DrawFlag = 1;
    List12.setVisible(false);
    DisegnaSegnoGN();
    const long colour = routeColour(RoutePlotColour);
    for (int n = 1; n <= kGroups; ++n)
        if (groupInUse(side, n)) drawRoute(side, n, colour);
    StampaSimboliGN();
    g.DrawFlag = 0;
    // No course is given while every route is shown.
    Frame5.setEnabled(false);
    Label60.setCaption(QString());
}

void FrmMain::Command14_Click() {
    Command3_Click();
    G().GnOrder = 0;
    List12.setVisible(false);
}

void FrmMain::Command16_Click() {
    Globals& g = G();
    ActivityCircleCount = 0;
    List12.setVisible(false);
    Label79.setCaption(g.GameState[StateItem::Activities]);
    RicaricaMappa();
    DisegnaBasi();
    Command3_Click();
}

void FrmMain::chooseRouteColour(Label& chosen, long colour) {
    RoutePlotColour = QString::number(colour);
    for (Label* l : {&Label61, &Label62, &Label63}) l->setBorderStyle(l == &chosen ? 1 : 0);
}

void FrmMain::Label61_Click() {
    chooseRouteColour(Label61, vbGreen);
}

void FrmMain::Label62_Click() {
    chooseRouteColour(Label62, vbMagenta);
}

void FrmMain::Label63_Click() {
    StampaSimboliGN();
    chooseRouteColour(Label63, vbWhite);
}

void FrmMain::Image7_Click() {
    TracciaRicognitori();
}
