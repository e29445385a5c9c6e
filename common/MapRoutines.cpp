#include "MapRoutines.h"

#include "Globals.h"
#include "Pictures.h"
#include "common/Dice.h"
#include "common/RangeRules.h"
#include "platform/Colors.h"
#include "platform/Controls.h"

#include <cmath>

namespace {
platform::PictureBox* map() {
    return G().MapPicture;
}

// The moves of one step of s map units along a course; other courses leave the point.
void stepAlong(int course, int s, Int16& x, Int16& y) {
    switch (course) {
    case 1:
        x -= s, y -= s;
        break;
    case 2:
        y -= s;
        break;
    case 3:
        x += s, y -= s;
        break;
    case 4:
        x -= s;
        break;
    case 5:
        x += s;
        break;
    case 6:
        x -= s, y += s;
        break;
    case 7:
        y += s;
        break;
    case 8:
        x += s, y += s;
        break;
    default:
        break;
    }
}

// A group that reached an off-map base is stopped in it.
void arriveAt(int base) {
    Globals& g = G();
    g.GnKnots = 0;
    g.GnNation = 0;
    g.GnSpeed = 0;
    g.BaseUnderGn = base;
    g.GnPosX = g.BaseMapXY[base][1];
    g.GnPosY = g.BaseMapXY[base][2];
    g.GnOffMap = 0;
    g.GnOffMapDistance = 0;
    g.GnRouteHours = 0;
    g.GnStoppedFlag = 1;
}
} // namespace

long mapColour(int x, int y) {
    const QImage& m = G().MapImage;
    if (m.isNull()) return -1;
    // The pixel under a point, as the map picture scales it.
    const int px = int(std::floor(double(x) * m.width() / kMapWidth));
    const int py = int(std::floor(double(y) * m.height() / kMapHeight));
    if (px < 0 || py < 0 || px >= m.width() || py >= m.height()) return -1;
    return platform::fromQColor(QColor(m.pixel(px, py)));
}

const QImage& reloadCleanMap() {
    Globals& g = G();
    g.MapImage = designPicture(g.MapPicturePath);
    return g.MapImage;
}

void MuoviGN() {
    Globals& g = G();
    g.GnOldPos[0] = 0;
    g.GnOldPos[1] = 0;
    if (g.GnOffMap > 0) {
        NavigazioneFuoriMappa();
        return;
    }
    g.GnOldPos[0] = g.GnPosX;
    g.GnOldPos[1] = g.GnPosY;
    stepAlong(g.GnCourse, g.GnSpeed, g.GnPosX, g.GnPosY);
    ControllaTerraGN();
}

void ControllaTerraGN() {
    Globals& g = G();
    g.LastSeaPos[0] = 0;
    g.LastSeaPos[1] = 0;
    g.SeaReferenceColour = mapColour(kSeaReferenceX, kSeaReferenceY);
    if (g.GnOffMap > 0 || g.BaseUnderGn > 13) NavigazioneFuoriMappa();

    // Outside the picture (or with no picture) is land.
    const long here = mapColour(g.GnPosX + 50, g.GnPosY + 40);
    if (here != -1 && here == g.SeaReferenceColour) {
        g.LastSeaPos[0] = g.GnPosX;
        g.LastSeaPos[1] = g.GnPosY;
        g.GnRouteHours -= 1;
        g.GnRegularUse += 1;
        if (g.GnKnots > 20) g.GnExtraUse += 1;
        return;
    }
    if (g.CurrentSide == kAllies && g.GnSpeed > 0) {
        const int course = g.GnCourse;
        GroupTable& t = g.GnTableAlle;
        const int row = g.WorkingGnIndex;
        const bool rowOk = row >= 1 && row <= kGroups;
        if (g.GnPosX <= 180 && (course == 1 || course == 4 || course == 6)) {
            g.GnOffMap = 1;
            if (rowOk) t[row][GnCol::Course] = 4, t[row][GnCol::RouteHours] = 1;
        } else if (g.GnPosX >= 15150 && (course == 3 || course == 5 || course == 8)) {
            g.GnOffMap = 2;
            if (rowOk) t[row][GnCol::Course] = 5, t[row][GnCol::RouteHours] = 1;
        }
    }
    g.GnPosX = g.GnOldPos[0];
    g.GnPosY = g.GnOldPos[1];
    g.LastSeaPos[0] = g.GnOldPos[0];
    g.LastSeaPos[1] = g.GnOldPos[1];
    g.GnRouteHours = 0;
}

namespace {
// The two edges beyond which Allied groups run: the course toward the map and away from it, the
// distance to the off-map base, and where a group comes back onto the map.
struct Edge {
    int toward, away;
    int distance;
    int base;
    int entryX, entrySides, entryFirstY;
    bool usesUpEntryY;
};
constexpr Edge kGibraltarEdge{5, 4, kGibraltarDistance, 14, 5, 1500, 1800, false};
constexpr Edge kAlexandriaEdge{4, 5, kAlexandriaDistance, 15, 15150, 1400, 4550, true};

void runBeyond(const Edge& e) {
    Globals& g = G();
    if (g.GnCourse == e.toward || g.GnCourse == e.away) {
        g.GnRouteHours = 1;
        g.GnPosX = 0;
        g.GnPosY = 0;
        g.GnOffMapDistance += g.GnCourse == e.toward ? -int(g.GnSpeed) : int(g.GnSpeed);
    }
    if (g.GnOffMapDistance >= e.distance) {
        arriveAt(e.base);
    } else if (g.GnOffMapDistance <= 0 && g.GnCourse == e.toward) {
        g.DiceSides = e.entrySides;
        const int roll = TiraDado(g.DiceSides);
        g.GnPosX = e.entryX;
        g.GnPosY = g.GnEntryY != 0 ? int(g.GnEntryY) : roll + e.entryFirstY;
        if (e.usesUpEntryY) g.GnEntryY = 0;
        g.GnRouteHours = 12;
        g.GnOffMap = 0;
        g.GnOffMapDistance = 0;
        g.GnStoppedFlag = 1;
    }
}
} // namespace

void NavigazioneFuoriMappa() {
    Globals& g = G();
    if (g.GnOffMap == 1)
        runBeyond(kGibraltarEdge);
    else if (g.GnOffMap == 2)
        runBeyond(kAlexandriaEdge);
    g.GnRegularUse += 1;
    if (g.GnKnots > 21) g.GnExtraUse += 1;
}

void TracciaRottaGN() {
    Globals& g = G();
    stepAlong(g.GnCourse, g.GnSpeed, g.GnOldPos[0], g.GnOldPos[1]);
}

bool onBaseSquare(double x, double y, int base) {
    const int bx = G().BaseMapXY[base][1], by = G().BaseMapXY[base][2];
    return bx <= x && x <= bx + 180 && by <= y && y <= by + 180;
}

bool onNavalGroupBox(double x, double y, int gx, int gy) {
    return gx <= x && x <= gx + 120 && gy <= y && y <= gy + 80;
}

bool onAirGroupBox(double x, double y, int gx, int gy) {
    return gx - 80 <= x && x <= gx + 80 && gy - 80 <= y && y <= gy + 80;
}

int BaseSottoGN() {
    Globals& g = G();
    int found = 0;
    for (int b = 1; b <= kBases && !found; ++b) {
        if (onBaseSquare(g.GnPosX, g.GnPosY, b)) found = b;
    }
    g.BaseUnderGn = found;
    const int row = g.SelectedItem;
    const bool rowOk = row >= 1 && row <= kGroups;
    if (g.CurrentSide == kAllies) {
        g.GnFriendlyPort = found >= 12 ? 1 : 0;
        if (rowOk) {
            GroupTable& t = g.GnTableAlle;
            t[row][GnCol::InFriendlyPort] = g.GnFriendlyPort;
            if (found == 14) t[row][GnCol::OffMap] = 1, t[row][GnCol::OffMapDistance] = kGibraltarDistance;
            if (found == 15) t[row][GnCol::OffMap] = 2, t[row][GnCol::OffMapDistance] = kAlexandriaDistance;
        }
    } else if (g.CurrentSide == kAxis) {
        g.GnFriendlyPort = found >= 1 && found <= 9 ? 1 : 0;
        if (rowOk) g.GnTableAsse[row][GnCol::InFriendlyPort] = g.GnFriendlyPort;
    }
    return found;
}

void DisegnaSegnoGN() {
    Globals& g = G();
    if (!map()) return;
    if (g.GnOffMap < 1 && g.BaseUnderGn <= 13 && g.SelectedBase <= 13 && g.GnPosX + g.GnPosY != 0)
        map()->box(g.GnPosX, g.GnPosY, g.GnPosX + 120, g.GnPosY + 80, g.SideColour, true);
}

void CerchiGN() {
    Globals& g = G();
    if (!map()) return;
    for (int r : {121, 221, 321}) map()->circle(g.GnPosX, g.GnPosY, r, platform::vbCyan);
}

void DisegnaBasi() {
    Globals& g = G();
    if (!map()) return;
    for (int b = 1; b <= 13; ++b) {
        const int x = g.BaseMapXY[b][1], y = g.BaseMapXY[b][2];
        map()->box(x, y, x + 200, y + 200, b <= 11 ? platform::vbRed : platform::vbYellow, false);
    }
    const int s = g.SelectedBase;
    if (g.BasesMode == 1 && s >= 1 && s <= 14) {
        const int x = g.BaseMapXY[s][1], y = g.BaseMapXY[s][2];
        map()->box(x, y, x + 200, y + 200, platform::vbGreen, false);
    }
}

void DisegnaSegnoMappa() {
    Globals& g = G();
    if (map() && g.GnPosX + g.GnPosY != 0) {
        const long inner = g.MarkWhiteFlag != 0 ? platform::vbWhite : platform::vbBlack;
        for (int r : {10, 20, 30}) map()->circle(g.GnPosX, g.GnPosY, r, inner);
        for (int r : {50, 60, 70}) map()->circle(g.GnPosX, g.GnPosY, r, g.SideColour);
    }
    g.MarkWhiteFlag = 0;
}

void CerchioMissione() {
    Globals& g = G();
    g.MissionRadius = RaggioMissione(g.MissionEndurance);
    if (g.PlotRangeFlag == 1 && map()) {
        map()->circle(g.MissionOrigin[0], g.MissionOrigin[1], g.MissionRadius, platform::vbRed);
        map()->circle(g.MissionOrigin[0], g.MissionOrigin[1], int(platform::intPart(g.MissionRadius / 1.6)),
                      platform::vbGreen);
    }
    g.MissionMiles = KmInMiglia(g.MissionSpeed);
}

void RicaricaMappa() {
    const QImage& clean = reloadCleanMap();
    if (!map()) return;
    map()->setPicture(clean);
    // Where the window is of another shape than the map, the rest of the picture box shows the sea
    // of the hour.
    const long sea = mapColour(kSeaReferenceX, kSeaReferenceY);
    if (sea != -1) map()->setBackColor(sea);
}
