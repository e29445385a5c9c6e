// The naval-group panel of the main window: naval mode, the orders, speed, route hours and course
// of the picked group, and the panel toggles. The list and the pick are in FrmMain_naval_list.cpp.
#include "NavalOrders.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"
#include "game/main/MapMarks.h"
#include "game/main/MapPanels.h"
#include "platform/Dialogs.h"

using namespace platform;

namespace {
constexpr int kMaxComboKnots = 42;

// The speed the combo shows (" 12" reads 12); a group whose speed the combo does not list shows
// none, and keeps its own.
int comboKnots(const ComboBox& c, int own) {
    if (c.listIndex() < 0) return own;
    return int(std::clamp(textToWhole(c.text()), -32768LL, 32767LL));
}
} // namespace

void FrmMain::Combo7_KeyPress(int& keyAscii) {
    if (keyAscii == 13) {
        keyAscii = 0;
        Combo7_Click();
    } else {
        digitsOnly(keyAscii);
    }
}

// ---------------------------------------------------------------- naval mode

void FrmMain::Command3_Click() {
    Globals& g = G();
    g.SelectedItem = 0;
    for (int i = 1; i <= 20; ++i) g.OperationContext[i] = 0;
    if (g.CurrentSide != kAllies && g.CurrentSide != kAxis) return;
    leaveModePanels();

    g.NavalMode = 1;
    g.BasesMode = 0;
    ColoraBasiEsterne();
    g.AirMode = 0;
    Frame12.setVisible(true);
    Frame25.setVisible(true);
    Label79.setCaption(g.GameState[StateItem::Activities]);
    Image29.setEnabled(true);
    Frame5.setVisible(true);
    Frame5.setEnabled(true);
    Frame15.setVisible(true);
    ActivityCircleCount = 0;
    g.MapClickMode = 0;
    g.SelectedGn = 0;
    PickedGn = 0;
    PickedGnSide = 0;
    MnUtil.setEnabled(false);
    MnAcq.setEnabled(false);
    for (Control* c : std::initializer_list<Control*>{&Frame4, &Frame7, &Frame9, &Frame18})
        c->setVisible(false);
    Frame27.setVisible(true);
    List12.setVisible(false);
    Label59.setCaption(QString());
    g.GnOffMap = 0;
    g.SelectedBase = 0;
    g.BaseUnderGn = 0;
    g.NavalListFilter = 0;
    Option2[0].setValue(true);
    g.SelectedItem = 0;
    Label4[0].setCaption(QString());
    NascondiPannelliMappa();

    Combo5.clear();
    for (int k = 1; k <= 5; ++k) Combo5.addItem(g.NavalOrderNames[k]);
    Combo6.clear();
    for (int k = 0; k <= kMaxComboKnots; ++k) Combo6.addItem(numberTextWithSign(k));
    Combo7.clear();
    for (int k = 1; k <= kMaxRouteHours; ++k) Combo7.addItem(numberTextWithSign(k));

    refillNavalList();
    StampaSimboliGN();
    Command20.setVisible(false);
    g.DrawFlag = 1;
    TracciaGNAmici();
    StampaSimboliGN();
    g.DrawFlag = 0;
    // The map as drawn now is the clean map that the filter buttons put back.
    keepCleanMap();
    Image29_Click();
    Frame27.setVisible(List9.listCount() > 0);
}

void FrmMain::drawNavalMap() {
    Globals& g = G();
    // The group marks test the base under the working group; no mark is left out for it here.
    const Int16 base = g.BaseUnderGn;
    g.BaseUnderGn = 0;
    RicaricaMappa();
    DisegnaBasi();
    g.DrawFlag = 1;
    TracciaGNAmici();
    StampaSimboliGN();
    g.DrawFlag = 0;
    g.BaseUnderGn = base;
}

// ---------------------------------------------------------------- the picked group

int FrmMain::pickedGroup() {
    const Globals& g = G();
    if (PickedGnSide == g.CurrentSide && groupInUse(g.CurrentSide, PickedGn)) return PickedGn;
    refuse(refusalText(NavalRefusal::NoGroup));
    return 0;
}

void FrmMain::refuse(const QString& why) {
    shownRefusal_ = why;
    Label17.setCaption(why);
}

void FrmMain::clearRefusal() {
    if (!shownRefusal_.isEmpty() && Label17.caption() == shownRefusal_) Label17.setCaption(QString());
    shownRefusal_.clear();
}

void FrmMain::refillNavalList() {
    if (G().CurrentSide == kAllies)
        ListaGNAlleati();
    else if (G().CurrentSide == kAxis)
        ListaGNAsse();
}

void FrmMain::showKnots(int knots) {
    for (int i = 0; i < Combo6.listCount(); ++i) {
        if (textToWhole(Combo6.list(i)) == knots) {
            Combo6.setText(Combo6.list(i));
            return;
        }
    }
    Combo6.setListIndex(-1);
}

void FrmMain::showOrder(int order) {
    Combo5.setListIndex(-1);
    if (order >= kNavalTransit && order <= kNavalAmbush) Combo5.setText(G().NavalOrderNames[order]);
}

// ---------------------------------------------------------------- order and speed

void FrmMain::Combo5_Click() {
    Globals& g = G();
    const int side = g.CurrentSide;
    const int n = pickedGroup();
    if (n == 0) {
        Combo5.setListIndex(-1);
        return;
    }
    Int16* r = g.gnTable(side)[n];
    const int order = Combo5.listIndex() + 1;
    if (order < kNavalTransit || order > kNavalAmbush) return;

    const OrderCheck check = checkNavalOrder(side, n, order, g.TargetGn);
    if (order == kNavalIntercept) g.TargetDistance = check.distance;
    if (check.refusal != NavalRefusal::None) {
        // The order in force stays, and the player is told why.
        showOrder(r[GnCol::Order]);
        refuse(refusalText(check.refusal, check.distance));
        return;
    }
    if (order == kNavalIntercept) {
        const Int16* t = g.gnTable(side == kAllies ? kAxis : kAllies)[g.TargetGn];
        const int x = r[GnCol::X], y = r[GnCol::Y], tx = t[GnCol::X], ty = t[GnCol::Y];
        PicBitMap.line(x, y, tx, ty, g.SideColour);
        for (int shift : {20, 30, 50}) PicBitMap.line(x + shift, y, tx + shift, ty, g.SideColour);
    }

    clearRefusal();
    // The speed goes with the order, under the speed combo's own rules.
    int knots = 0;
    if (order == kNavalAmbush) {
        showKnots(0);
    } else {
        const SpeedDecision d = decideSpeed(order, r[GnCol::MaxKnots], r[GnCol::MinOperativity],
                                            comboKnots(Combo6, r[GnCol::Knots]));
        if (d.refusal != NavalRefusal::None) {
            knots = r[GnCol::Knots];
            showKnots(knots);
            refuse(refusalText(d.refusal, r[GnCol::MaxKnots]));
        } else {
            knots = d.knots;
            if (d.capped) {
                showKnots(knots);
                Beep();
                Label17.setCaption(QStringLiteral("ATT: OPERATIVITA TROPPO BASSA per velocità maggiori"));
            }
        }
    }
    g.GnKnots = knots;
    g.GnSpeed = knots * 10;
    g.GnOrder = order;
    writeNavalOrder(side, n, order, knots, g.TargetGn);
    if (side == kAllies) AvviaFuoriMappa(n);
    refillNavalList();
    for (Image* i : {&Image7, &Image8, &Image9}) i->setPicture(QImage());
    SalvaTabelleGruppi();
}

void FrmMain::Combo6_Click() {
    Globals& g = G();
    const int side = g.CurrentSide;
    const int n = pickedGroup();
    if (n == 0) {
        Combo6.setListIndex(-1);
        return;
    }
    const Int16* r = g.gnTable(side)[n];
    // The rules read the picked group's own row: a map press or another list may have put other
    // values in the working group since the pick.
    g.GnOrder = r[GnCol::Order];
    g.GnMaxKnots = r[GnCol::MaxKnots];
    g.GnOperability = r[GnCol::MinOperativity];
    const SpeedDecision d =
        decideSpeed(g.GnOrder, g.GnMaxKnots, g.GnOperability, comboKnots(Combo6, r[GnCol::Knots]));
    if (d.refusal != NavalRefusal::None) {
        g.GnKnots = r[GnCol::Knots];
        showKnots(g.GnKnots);
        refuse(refusalText(d.refusal, g.GnMaxKnots));
        return;
    }
    clearRefusal();
    g.GnKnots = d.knots;
    if (d.capped) {
        showKnots(g.GnKnots);
        Beep();
        Label17.setCaption(QStringLiteral("ATT: OPERATIVITA TROPPO BASSA per velocità maggiori"));
    }
    writeNavalSpeed(side, n, g.GnKnots);
    g.GnSpeed = g.GnKnots * 10;
    if (side == kAllies) AvviaFuoriMappa(n);
    refillNavalList();
    for (Image* i : {&Image7, &Image8, &Image9}) i->setPicture(QImage());
    SalvaTabelleGruppi();
    Label60.setCaption(routeLine(g.GnRouteHours, g.GnCourse, QStringLiteral("  ")));
    Label59.setCaption(QString());
}

// ---------------------------------------------------------------- route hours and course

void FrmMain::Combo7_Click() {
    G().GnRouteHours = routeHoursFromText(Combo7.text());
    CambiaRottaGN();
}

void FrmMain::setCourse(int course) {
    Globals& g = G();
    if (pickedGroup() == 0) return;
    if (g.GnOrder <= kNavalAmbush) {
        g.GnCourse = course;
        MostraRottaGN();
        CambiaRottaGN();
    } else {
        Combo7.setText(QString());
    }
}

void FrmMain::Label19_Click() {
    setCourse(1);
}
void FrmMain::Label20_Click() {
    setCourse(2);
}
void FrmMain::Label21_Click() {
    setCourse(3);
}
void FrmMain::Label22_Click() {
    setCourse(4);
}
void FrmMain::Label24_Click() {
    setCourse(5);
}
void FrmMain::Label25_Click() {
    setCourse(6);
}
void FrmMain::Label26_Click() {
    setCourse(7);
}
void FrmMain::Label27_Click() {
    setCourse(8);
}

void FrmMain::Label23_Click() {
    Globals& g = G();
    if (pickedGroup() == 0) return;
    Combo7.setText(QString());
    g.GnCourse = 0;
    g.GnRouteHours = 0;
    MostraRottaGN();
    CambiaRottaGN();
}

void FrmMain::CambiaRottaGN() {
    Globals& g = G();
    Command13.setVisible(true);
    const QString typed = Combo7.text();
    g.GnRouteHours = routeHoursFromText(typed);
    // Hours typed beyond the list's range show as they are taken.
    if (leadingNumber(typed) != g.GnRouteHours) Combo7.setText(QString::number(g.GnRouteHours));
    const int n = pickedGroup();
    if (n == 0) return;
    const int side = g.CurrentSide;
    if (!courseAllowed(side, n, g.GnCourse)) {
        g.GnCourse = 0;
        MostraRottaGN();
        refuse(refusalText(NavalRefusal::OffMapCourse));
        return;
    }
    clearRefusal();
    Int16* r = g.gnTable(side)[n];
    r[GnCol::Course] = g.GnCourse;
    r[GnCol::RouteHours] = g.GnRouteHours;
    Label60.setCaption(routeLine(g.GnRouteHours, g.GnCourse));
    for (Image* i : {&Image7, &Image8, &Image9}) i->setPicture(QImage());
    SalvaTabelleGruppi();
}

// ---------------------------------------------------------------- panel toggles

void FrmMain::NascondiRotta() {
    Frame5.setVisible(false);
    Frame15.setVisible(false);
}

void FrmMain::MostraLatoOra() {
    Frame3.setVisible(true);
    Frame6.setVisible(true);
}

void FrmMain::Image31_Click() {
    List12.setVisible(false);
}
