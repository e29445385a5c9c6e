// The map picture of the main window: presses, pointer moves, clicks and hit tests, and the entry
// of Allied groups at the map edges.
#include "MapRules.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"

#include <algorithm>

using namespace platform;

namespace {
// The single-precision number of the pointer, as text in its shortest form.
QString pointerText(double v) {
    return QString::number(double(float(v)), 'g', 7);
}
} // namespace

void FrmMain::PicBitMap_MouseDown(int, int, double x, double y) {
    Globals& g = G();
    const int side = g.CurrentSide;
    pickBlocked_ = 0;
    g.CapTargetGn = 0;
    TargetOutOfRange = 0;
    if (g.NewGroupNumber == 0) Frame11.setVisible(false);
    PopupShowsShips = 0;

    if (EntryMode >= 1 && side == kAllies) {
        const EntryStrip* strip = entryStripOf(EntryMode);
        if (strip && entryYAccepted(*strip, y, ReactionTime) && g.SelectedItem >= 1 &&
            g.SelectedItem <= kGroups)
            g.GnTableAlle[g.SelectedItem][GnCol::EntryY] = roundHalfEven(y);
        if (strip) {
            IngressoGN();
            CancellaAreaIngresso();
        }
        SalvaTabelleGruppi();
        EntryMode = 0;
        return;
    }

    if (g.AirMode == 1 && g.AirOrder > 0) {
        PicBitMap.setCurrentX(float(x));
        PicBitMap.setCurrentY(float(y));
        g.TargetPoint[0] = roundHalfEven(PicBitMap.currentX());
        g.TargetPoint[1] = roundHalfEven(PicBitMap.currentY());
        if (g.MapClickMode > 0)
            RicognizionePlot();
        else if (g.AirOrder == kOrderTakeOff)
            takeOffTarget();
    }

    // A refused air target is never offered for confirmation.
    if ((g.MapClickMode == 3 && (Label17.caption().isEmpty() || TargetOutOfRange == 1)) ||
        airConfirmationRefused()) {
        pickBlocked_ = 1;
        Command20.setVisible(false);
        Command24.setVisible(false);
        Command24.setEnabled(false);
    } else {
        Command20.setVisible(true);
        Command24.setVisible(false);
        Command24.setEnabled(true);
    }

    List11.clear();
    if (pickBlocked_ == 0 && g.MapClickMode == 3 && TargetOutOfRange == 0 &&
        (side == kAllies || side == kAxis)) {
        for (int n = 1; n <= kGroups; ++n) {
            const Int16* r = g.gnTable(side)[n];
            if (!onNavalGroupBox(x, y, r[GnCol::X], r[GnCol::Y])) continue;
            List11.addItem(capGroupLine(side, n));
            List11.setItemData(List11.listCount() - 1, n);
        }
    }

    if ((side == kAllies || side == kAxis) && g.NewGroupNumber < 1 && g.BasesMode == 1) {
        g.SelectedItem = 0;
        Label4[0].setCaption(QString());
        Frame7.setVisible(false);
        Frame4.setVisible(false);
        Frame21.setVisible(false);
        Frame3.setVisible(true);
        for (int b = 1; b <= 13; ++b) {
            if (!isOwnMapBase(side, b) || !onBaseSquare(x, y, b)) continue;
            g.SelectedBase = b;
            DisegnaBasi();
            AttivazioneBasi();
        }
    }

    List12.setVisible(false);
    List12.clear();
    if (side != kAllies && side != kAxis) return;
    for (int n = 1; n <= kGroups; ++n) {
        const Int16* r = g.gnTable(side)[n];
        const int gx = r[GnCol::X], gy = r[GnCol::Y];
        if (!onNavalGroupBox(x, y, gx, gy)) continue;
        g.GnOrder = r[GnCol::Order];
        List12.addItem(popupGroupLine(side, n));
        List12.setItemData(List12.listCount() - 1, n);
        const PopupSpot spot = popupSpot(gx, gy);
        placeOnMap(List12, spot.left, spot.listTop);
        placeOnMap(Frame11, spot.left, spot.cardTop);
        List12.setVisible(true);
        g.ShipsListed = 0;
    }
}

void FrmMain::PicBitMap_MouseMove(int, int, double x, double y) {
    Globals& g = G();
    Label1.setCaption(pointerText(x) + u':' + pointerText(y));
    pickBlocked_ = 0;
    if (g.NewGroupNumber == 0) Frame11.setVisible(false);
    parkHoverLabel();
    hoverX_ = x;
    hoverY_ = y;
    const HoverText h = hoverTextAt(x, y);
    Label83.setBorderStyle(h.framed ? 1 : 0);
    if (h.placed) placeOnMap(Label83, h.x, h.y);
    showHoverText(h.places + h.air);
    // The message line names bases and naval groups, not air groups.
    Label17.setCaption(h.places);
}

FrmMain::HoverText FrmMain::hoverTextAt(double x, double y) const {
    Globals& g = G();
    const int side = g.CurrentSide;
    HoverText h;
    const int rx = int(roundHalfEven(x)), ry = int(roundHalfEven(y));
    for (int b = 1; b <= kBases; ++b) {
        if (!onBaseSquare(rx, ry, b)) continue;
        h.places = baseHoverText(side, b);
        h.framed = h.placed = true;
        h.x = rx - 1000;
        h.y = ry + 400;
    }
    const bool inPlay = side == kAllies || side == kAxis;
    for (int n = 1; inPlay && n <= kGroups; ++n) {
        const Int16* r = g.gnTable(side)[n];
        if (!navalGroupShownOnHover(side, n) || !onNavalGroupBox(x, y, r[GnCol::X], r[GnCol::Y])) continue;
        h.places += navalGroupHoverLine(side, n);
        const MapSpot spot = hoverLabelSpot(r[GnCol::X], r[GnCol::Y]);
        h.framed = h.placed = true;
        h.x = spot.left;
        h.y = spot.top;
    }
    if (g.AirMode != 1 || !inPlay) return h;
    for (int n = 1; n <= kGroups; ++n) {
        const Int16* r = g.gaTable(side)[n];
        if (r[GaCol::InUse] <= 0 || !onAirGroupBox(x, y, r[GaCol::X], r[GaCol::Y])) continue;
        h.air += airGroupHoverLine(side, n);
        const MapSpot spot = hoverLabelSpot(r[GaCol::X], r[GaCol::Y]);
        h.placed = true;
        h.x = spot.left;
        h.y = spot.top;
    }
    return h;
}

void FrmMain::refreshHoverText() {
    if (hoverX_ < 0 || Label83.caption().isEmpty()) return;
    const HoverText h = hoverTextAt(hoverX_, hoverY_);
    showHoverText(h.places + h.air);
}

void FrmMain::parkHoverLabel() {
    placeScaled(Label83, QPoint(0, 10110));
    Label83.setBorderStyle(0);
    showHoverText(QString());
}

void FrmMain::clearSideTraces() {
    parkHoverLabel();
    hoverX_ = hoverY_ = -1;
    Label17.setCaption(QString());
    Label1.setCaption(QString());
    // The launch mark of the base panel ("OK!") is this side's: the next side's panel starts without it.
    Label54.setCaption(QString());
    Frame11.setVisible(false);
    List11.clear();
}

void FrmMain::leaveModePanels() {
    Frame11.setVisible(false);
    parkHoverLabel();
}

void FrmMain::showHoverText(const QString& text) {
    // One line of the label's height for each line of the text.
    Label83.setHeight(225 * std::max<qsizetype>(1, text.count(u'\n')));
    Label83.setCaption(text);
}

void FrmMain::PicBitMap_Click() {
    Globals& g = G();
    g.SelectedItem = 0;
    // A ready air group keeps its base panel: its "Vai !" is the way back to the side panel.
    if (navalGroupForming()) {
        Frame4.setVisible(false);
        Frame11.setVisible(false);
    }
}

void FrmMain::PicBitMap_DblClick() {
    CircleAttivita();
}

void FrmMain::RidisegnaBasi() {
    const Globals& g = G();
    for (int b = 1; b <= 13; ++b) {
        const int x = g.BaseMapXY[b][1], y = g.BaseMapXY[b][2];
        PicBitMap.box(x + 30, y + 30, x + 170, y + 170, b <= 11 ? vbRed : vbYellow, false);
    }
}

// ---------------------------------------------------------------- entry at the map edges

namespace {
void drawEntryMarker(PictureBox& map, const EntryStrip& strip, int y) {
    map.box(strip.markerX1, y, strip.markerX2, y + 50, vbRed, true);
}
} // namespace

void FrmMain::IngressoGN() {
    Globals& g = G();
    EntryMode = 0;
    const int n = g.SelectedItem;
    if (n < 1 || n > kGroups) return;
    const Int16* r = g.GnTableAlle[n];
    ReactionTime = r[GnCol::OffMapDistance];
    EntryY = r[GnCol::EntryY];
    const EntryStrip* strip = entryStripFor(r[GnCol::Course], r[GnCol::OffMap]);
    if (!strip) return;
    PicBitMap.box(strip->x1, strip->y1, strip->x2, strip->y2, vbRed, false);
    EntryMode = strip->mode;
    drawEntryMarker(PicBitMap, *strip, EntryY);
    Label17.setCaption(strip->message);
    if (ReactionTime <= kEntryReactionLimit) Label17.setCaption(entryTooLateMessage(ReactionTime));
}

void FrmMain::CancellaAreaIngresso() {
    const EntryStrip* strip = entryStripOf(EntryMode);
    if (strip && ReactionTime > kEntryReactionLimit && EntryY >= 1)
        drawEntryMarker(PicBitMap, *strip, EntryY);
}
