// The naval-group list of the main window: filling it, picking the working group, its status icons
// and detail line, and the make-up line of a double-click.
#include "NavalOrders.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/NavalGroupValues.h"
#include "common/Pictures.h"
#include "common/RangeRules.h"
#include "game/main/FrmMain.h"
#include "game/main/MapMarks.h"
#include "game/main/MapPanels.h"

using namespace platform;

void FrmMain::ListaGNAlleati() {
    fillNavalList(kAllies);
}

void FrmMain::ListaGNAsse() {
    fillNavalList(kAxis);
}

void FrmMain::fillNavalList(int side) {
    Globals& g = G();
    List2.clear();
    DisegnaBasi();
    Frame12.setCaption(QStringLiteral(" Gruppi Navali ") +
                       (side == kAllies ? QStringLiteral("ALLEATI") : QStringLiteral("ASSE")));
    // Every group of the side is marked through the working group's values, given back after.
    const Int16 x = g.GnPosX, y = g.GnPosY, course = g.GnCourse, offMap = g.GnOffMap, base = g.BaseUnderGn;
    g.BaseUnderGn = 0;
    const GroupTable& t = g.gnTable(side);
    for (int n = 1; n <= kGroups; ++n) {
        const Int16* r = t[n];
        if (r[GnCol::InUse] <= 0) continue;
        if (listedUnderFilter(r[GnCol::Order], g.NavalListFilter)) {
            List2.addItem(navalListItem(side, n));
            List2.setItemData(List2.newIndex(), n);
        }
        g.GnPosX = r[GnCol::X];
        g.GnPosY = r[GnCol::Y];
        g.GnCourse = r[GnCol::Course];
        g.GnOffMap = side == kAllies ? int(r[GnCol::OffMap]) : 0;
        DisegnaSegnoGN();
    }
    g.GnPosX = x, g.GnPosY = y, g.GnCourse = course, g.GnOffMap = offMap, g.BaseUnderGn = base;
}

void FrmMain::List2_Click() {
    Globals& g = G();
    const int index = List2.listIndex();
    if (index < 0) return;
    Label59.setCaption(QString());
    Label60.setCaption(QString());
    g.GnOffMap = 0;
    g.GnSceltoCap = 0;
    g.CarrierLaunchZone = 0;
    Frame5.setVisible(true);
    Frame5.setEnabled(true);
    Frame15.setVisible(true);
    Frame25.setVisible(true);
    List12.clear();
    List12.setVisible(false);
    List5.clear();
    DisegnaBasi();
    drawNavalMap();
    Label17.setCaption(QStringLiteral("Dbl Click - mostra qui la composizione sintetica del GN"));

    const int side = g.CurrentSide;
    if (side == kAllies || side == kAxis) {
        // The previous pick's mark goes back to the side colour.
        if (g.SelectedItem > 0) DisegnaSegnoGN();
        const int n = List2.itemData(index);
        g.SelectedItem = n;
        g.SelectedGn = n;
        PickedGn = n;
        PickedGnSide = side;
        AzzeraContaClassi();
        g.CountedGn = n;
        LeggiClassiGN();
        g.LastPickedGn = n;
        const Int16* r = g.gnTable(side)[n];
        g.GnShipCount = r[GnCol::Ships];
        g.GnCourse = r[GnCol::Course];
        g.GnRouteHours = r[GnCol::RouteHours];
        g.GnMaxKnots = r[GnCol::MaxKnots];
        g.GnKnots = r[GnCol::Knots];
        g.GnSpeed = r[GnCol::Step];
        g.GnFires = r[GnCol::Fires];
        g.GnOrder = r[GnCol::Order];
        g.GnInFriendlyPort = r[GnCol::InFriendlyPort];
        g.GnOperability = r[GnCol::MinOperativity];
        g.GnPosX = r[GnCol::X];
        g.GnPosY = r[GnCol::Y];
        g.GnOffMapDistance = r[GnCol::OffMapDistance];
        g.GnOffMap = r[GnCol::OffMap];
        Label17.setCaption(QStringLiteral("AA Mitr.: ") + QString::number(r[GnCol::Aam]) +
                           QStringLiteral("  | AA Cann: ") + QString::number(r[GnCol::Aac]));
        IconaStatoGN();
        BaseSottoGN();

        // The combos show the group's speed and order without giving them again.
        Combo6.clear();
        const int top = g.GnOperability > 1 ? int(r[GnCol::MaxKnots]) : 4;
        for (int k = 1; k <= top; ++k) Combo6.addItem(numberTextWithSign(k));
        showKnots(g.GnKnots);
        showOrder(g.GnOrder);

        g.GnPosX = r[GnCol::X];
        g.GnPosY = r[GnCol::Y];
        MostraRottaGN();
        g.SideColour = vbGreen;
        DisegnaSegnoGN();
        ColoreLato();

        if (side == kAllies) {
            const int d = DistanzaPunti(g.GnPosX, g.GnPosY, kLaunchZoneX, kLaunchZoneY);
            if (r[GnCol::Carriers] > 0 && d < kLaunchZoneRadius) {
                g.CarrierLaunchZone = 1;
                PicBitMap.circle(kLaunchZoneX, kLaunchZoneY, kLaunchZoneRadius, vbGreen);
            }
            IngressoGN();
        }
    }

    g.RoutePointX = g.GnPosX;
    g.RoutePointY = g.GnPosY;
    if (g.GnOffMap == 0) {
        // The route as route button "1" plots it: hour by hour as the group moves, stopping where
        // it would run aground; the ambush circles with it.
        if (side == kAllies || side == kAxis) {
            const QPoint last = drawRoute(side, g.SelectedGn, vbWhite);
            g.RoutePointX = Int16(last.x());
            g.RoutePointY = Int16(last.y());
            g.GnOldPos[0] = g.RoutePointX;
            g.GnOldPos[1] = g.RoutePointY;
        }
        BaseSottoGN();
        Label59.setCaption(groupPlaceLine(g.GnInFriendlyPort, g.BaseUnderGn, g.GnPosX, g.GnPosY, g.GnCourse));
        Label60.setCaption(routeLine(g.GnRouteHours, g.GnCourse));
        RoutePlotColour = QString::number(vbWhite);
        ElencoNaviGN();
        List5.setEnabled(false);
    } else {
        DettaglioGN();
    }
}

void FrmMain::List2_DblClick() {
    const Globals& g = G();
    Label17.setCaption(QString());
    if (PickedGnSide == g.CurrentSide && groupInUse(g.CurrentSide, PickedGn))
        Label17.setCaption(compositionLine(g.CurrentSide, PickedGn));
}

void FrmMain::IconaStatoGN() {
    const Globals& g = G();
    const StatusIcons s =
        statusIcons(g.GnSpeed, g.GnInFriendlyPort, g.GnKnots, g.GnOrder, g.GnFires, g.GnOperability);
    const QString folder = g.AppPath + QStringLiteral("\\Ico\\");
    loadPictureInto(Image7, folder + s.motion);
    loadPictureInto(Image8, folder + s.ambush);
    loadPictureInto(Image9, folder + s.trouble);
}

void FrmMain::DettaglioGN() {
    Globals& g = G();
    if (g.GnOffMap == 1 && g.GnSpeed > 0) {
        Label59.setCaption(offMapHoursLine(kGibraltarDistance, QStringLiteral(" h da Gib "),
                                           g.GnOffMapDistance, g.GnSpeed, g.GnCourse));
    } else if (g.GnOffMapDistance == kGibraltarDistance) {
        g.GnInFriendlyPort = 1;
        g.BaseUnderGn = kGibraltarBase;
        Label59.setCaption(groupPlaceLine(1, kGibraltarBase, g.GnPosX, g.GnPosY, g.GnCourse));
    }
    if (g.GnOffMap == 2 && g.GnSpeed >= 1) {
        Label59.setCaption(offMapHoursLine(kAlexandriaDistance, QStringLiteral(" h da Ales "),
                                           g.GnOffMapDistance, g.GnSpeed, g.GnCourse));
    } else if (g.GnOffMapDistance == kAlexandriaDistance && g.GnOffMap == 2) {
        g.GnInFriendlyPort = 1;
        g.BaseUnderGn = kAlexandriaBase;
        Label59.setCaption(groupPlaceLine(1, kAlexandriaBase, g.GnPosX, g.GnPosY, g.GnCourse));
    }
}
