// The overlays of the map and the reports of the last hour: group marks, activity zones, the
// hour's naval contacts, base radii over the sea-bed map, mine fields, the percentile die and the
// supervisor's gestures.
#include "FrmMain.h"
#include "MapMarks.h"
#include "MapOverlays.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/MineFields.h"
#include "common/Pictures.h"
#include "game/combat/FrmLost.h"
#include "game/orders/FrmMine.h"

using namespace platform;

namespace {
// Centre of the Allied carriers' launch zone, and its radius.
constexpr int kLaunchZoneX = 2300;
constexpr int kLaunchZoneY = 2800;
constexpr int kLaunchZoneRadius = 1300;
} // namespace

void FrmMain::TracciaGNAmici() {
    Globals& g = G();
    const int side = g.CurrentSide;
    if (g.GroupMarksFlag != 1 || (side != kAllies && side != kAxis)) return;
    const GroupTable& own = g.gnTable(side);
    const GroupTable& enemy = g.gnTable(side == kAllies ? kAxis : kAllies);

    // The marks borrow the working naval group; the panels find it as they left it.
    const Int16 x = g.GnPosX, y = g.GnPosY, course = g.GnCourse, offMap = g.GnOffMap;
    for (int n = 1; n <= kGroups; ++n) {
        if (own[n][GnCol::InUse] <= 0) continue;
        g.GnPosX = own[n][GnCol::X];
        g.GnPosY = own[n][GnCol::Y];
        g.GnCourse = own[n][GnCol::Course];
        g.GnOffMap = own[n][GnCol::OffMap];
        DisegnaSegnoGN();
    }
    g.GnPosX = x, g.GnPosY = y, g.GnCourse = course, g.GnOffMap = offMap;

    for (int n = 1; n <= kGroups; ++n) {
        if (enemy[n][GnCol::Seen] <= 0) continue;
        g.InterceptPoint[0] = enemy[n][GnCol::X];
        g.InterceptPoint[1] = enemy[n][GnCol::Y];
        PicBitMap.box(g.InterceptPoint[0], g.InterceptPoint[1], g.InterceptPoint[0] + 120,
                      g.InterceptPoint[1] + 80, vbBlack, false);
        g.InterceptGn = Int16(n);
        StampaNumeroGN();
    }
}

void FrmMain::Image27_Click() {
    List12.setVisible(false);
    ActivityCircleCount = 0;
    for (const MapCircle& c : activityZones()) {
        PicBitMap.circle(c.x, c.y, c.radius, c.colour);
        if (c.colour == vbBlue) ++ActivityCircleCount;
    }
}

void FrmMain::Image29_Click() {
    Globals& g = G();
    List9.clear();
    List12.setVisible(false);
    g.ContattiGestiti = Int16(g.state(StateItem::Contacts));
    Frame27.setVisible(true);
    Image28.setPicture(QImage());
    for (Label* l : {&Label81, &Label82, &Label84}) l->setCaption(QString());
    Command19.setVisible(false);

    g.GroupMarksFlag = 1;
    TracciaGNAmici();
    g.GroupMarksFlag = 0;

    for (const ContactLine& line : contactLinesOfHour(g.CurrentSide)) {
        List9.addItem(line.text);
        List9.setItemData(List9.newIndex(), line.record);
    }
}

void FrmMain::Image30_Click() {
    Globals& g = G();
    // A ship transfer picked before the map changes is dropped.
    g.JoiningGn = 0;
    for (Frame* f : {&Frame5, &Frame15, &Frame27}) f->setVisible(false);
    PicBitMap.setPicture(designPicture(g.SeaBedPicturePath));

    DisegnaBasi();
    g.GroupMarksFlag = 1;
    TracciaGNAmici();
    StampaSimboliGN();
    DisegnaRotteGN();
    g.GroupMarksFlag = 0;

    const int weather = int(g.state(StateItem::Weather));
    for (int b = 1; b <= 13; ++b) {
        // A base of no level watches nothing beyond its own square.
        const int r = baseDetectionRadius(g.BaseLevel[b], weather);
        if (r <= 0) continue;
        PicBitMap.circle(g.BaseMapXY[b][1] + 100, g.BaseMapXY[b][2] + 100, r, b <= 11 ? vbRed : vbYellow);
    }
}

void FrmMain::Image25_Click() {
    Frame24.setVisible(false);
    Frame6.setVisible(true);
    Label17.setCaption(
        QStringLiteral("ATT: con mare forte le navi piccole o danneggiate possono subire seri danni"));
}

void FrmMain::Image26_Click() {
    Frame24.setVisible(false);
    Frame6.setVisible(true);
}

void FrmMain::Label1_Click() {
    Label1.setCaption(QString::number(rollDie(100)));
}

void FrmMain::Label17_Click() {
    List12.setVisible(false);
    DisegnaMine();
    if (G().CurrentSide == kAllies) PicBitMap.circle(kLaunchZoneX, kLaunchZoneY, kLaunchZoneRadius, vbGreen);
}

void FrmMain::Label17_DblClick() {
    const Globals& g = G();
    if (g.state(StateItem::Hour) != 1) {
        Label17.setCaption(QStringLiteral("POSA MINE SOLO ALLE ORE 1:00"));
        return;
    }
    if (g.CurrentSide != kAllies && g.CurrentSide != kAxis) return;
    platform::form<FrmMine>().showModal();
}

void FrmMain::Label95_Click() {
    DisegnaMine();
    Label17_DblClick();
}

void FrmMain::Label29_Click() {
    MnUtilSuper.setEnabled(false);
    CircleAttivita();
}

void FrmMain::Label29_DblClick() {
    Image27_Click();
}

void FrmMain::Label31_DblClick() {
    MnUtilSuper.setEnabled(true);
}

void FrmMain::Label64_Click() {
    platform::form<FrmLost>().showModal();
}
