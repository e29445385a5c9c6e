#include "MapMarks.h"

#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/RecordFiles.h"
#include "game/orders/RoutePlot.h"
#include "platform/Controls.h"

#include <vector>

using namespace platform;

namespace {

// Prints on the map and puts the map's font and print position back when done. The print colour
// stays as the last print set it (every caller sets its own); since the map's colour reaches the
// panels over it, it is changed only when it must be.
class MapPrinter {
  public:
    explicit MapPrinter(PictureBox& map)
        : map_(map), size_(map.printFontSize()), bold_(map.printFontBold()), x_(map.currentX()),
          y_(map.currentY()) {}
    ~MapPrinter() {
        map_.setPrintFontSize(size_);
        map_.setPrintFontBold(bold_);
        map_.setCurrentX(x_);
        map_.setCurrentY(y_);
    }
    MapPrinter(const MapPrinter&) = delete;
    MapPrinter& operator=(const MapPrinter&) = delete;

    void print(double x, double y, const QString& text, long colour, double size, bool bold) {
        if (map_.foreColor() != colour) map_.setForeColor(colour);
        map_.setPrintFontSize(size);
        map_.setPrintFontBold(bold);
        map_.setCurrentX(x);
        map_.setCurrentY(y);
        map_.print(text);
    }

  private:
    PictureBox& map_;
    double size_;
    bool bold_;
    double x_, y_;
};

// The working naval group that a drawing borrows, given back as it was.
class WorkingGroupKept {
  public:
    WorkingGroupKept() {
        const Globals& g = G();
        x_ = g.GnPosX, y_ = g.GnPosY, course_ = g.GnCourse, speed_ = g.GnSpeed;
        old_[0] = g.GnOldPos[0], old_[1] = g.GnOldPos[1];
    }
    ~WorkingGroupKept() {
        Globals& g = G();
        g.GnPosX = x_, g.GnPosY = y_, g.GnCourse = course_, g.GnSpeed = speed_;
        g.GnOldPos[0] = old_[0], g.GnOldPos[1] = old_[1];
    }
    WorkingGroupKept(const WorkingGroupKept&) = delete;
    WorkingGroupKept& operator=(const WorkingGroupKept&) = delete;

  private:
    Int16 x_, y_, course_, speed_, old_[2];
};

bool sideInPlay(int side) {
    return side == kAllies || side == kAxis;
}

// One white box a route hour from the group's point along its course; an ambush ends in its
// circles.
void drawRoute(PictureBox& map, const Int16* row) {
    Globals& g = G();
    g.GnOldPos[0] = row[GnCol::X];
    g.GnOldPos[1] = row[GnCol::Y];
    g.GnCourse = row[GnCol::Course];
    g.GnSpeed = row[GnCol::Step];
    for (int h = 1; h <= row[GnCol::RouteHours]; ++h) {
        TracciaRottaGN();
        map.box(g.GnOldPos[0], g.GnOldPos[1], g.GnOldPos[0] + 120, g.GnOldPos[1] + 80, vbWhite, false);
    }
    if (row[GnCol::Order] == kNavalAmbush) {
        g.GnPosX = g.GnOldPos[0];
        g.GnPosY = g.GnOldPos[1];
        CerchiGN();
    }
}

const Int16* groupInUseRow(int side, int group) {
    if (!sideInPlay(side) || group < 1 || group > kGroups) return nullptr;
    const Int16* r = G().gnTable(side)[group];
    return r[GnCol::InUse] > 0 ? r : nullptr;
}

} // namespace

GroupSymbols groupSymbols(int side, int group) {
    GroupSymbols s;
    if (!sideInPlay(side) || group < 1 || group > kGroups) return s;
    const Int16* r = G().gnTable(side)[group];
    if (r[GnCol::InUse] <= 0 || (side == kAllies && r[GnCol::OffMap] != 0)) return s;
    s.shown = true;
    s.warships = r[GnCol::Carriers] + r[GnCol::Capitals] + r[GnCol::Destroyers] == r[GnCol::Ships];
    s.carriers = side == kAllies && r[GnCol::Carriers] > 0;
    s.number = QString::number(group) + (r[GnCol::MineHit] == 1 ? QStringLiteral("[m]") : QString());
    return s;
}

void StampaSimboliGN() {
    Globals& g = G();
    if (!g.MapPicture || !sideInPlay(g.CurrentSide)) return;
    MapPrinter p(*g.MapPicture);
    const GroupTable& t = g.gnTable(g.CurrentSide);
    GroupSymbols s[kGroups + 1];
    for (int n = 1; n <= kGroups; ++n) s[n] = groupSymbols(g.CurrentSide, n);
    // The symbols in the side colour first, then the numbers in white: one change of colour each.
    for (int n = 1; n <= kGroups; ++n) {
        const int x = t[n][GnCol::X], y = t[n][GnCol::Y];
        if (s[n].warships) p.print(x, y - 200, QStringLiteral("|~"), g.SideColour, 10, true);
        if (s[n].carriers) p.print(x, y - 200, QStringLiteral("|>"), g.SideColour, 10, true);
    }
    for (int n = 1; n <= kGroups; ++n)
        if (s[n].shown) p.print(t[n][GnCol::X] + 50, t[n][GnCol::Y] + 70, s[n].number, vbWhite, 10, true);
}

void StampaSimboliGA() {
    Globals& g = G();
    if (!g.MapPicture || !sideInPlay(g.CurrentSide)) return;
    MapPrinter p(*g.MapPicture);
    const GroupTable& t = g.gaTable(g.CurrentSide);
    for (int n = 1; n <= kGroups; ++n) {
        if (t[n][GaCol::InUse] > 0)
            p.print(t[n][GaCol::X] + 30, t[n][GaCol::Y] + 30, QString::number(n), vbBlack, 8, true);
    }
}

void StampaNumeroGN() {
    Globals& g = G();
    if (!g.MapPicture) return;
    MapPrinter p(*g.MapPicture);
    p.print(g.InterceptPoint[0] + 30, g.InterceptPoint[1] + 30, QString::number(g.InterceptGn), vbBlack, 8,
            true);
}

void DisegnaRotteGN() {
    Globals& g = G();
    const int side = g.CurrentSide;
    if (!g.MapPicture || !sideInPlay(side)) return;
    PictureBox& map = *g.MapPicture;
    const WorkingGroupKept kept;
    const GroupTable& t = g.gnTable(side);
    // The routes go in file order, a group's once for each of its ships. Drawing the same boxes
    // and circles again changes no pixel but those that later drawings covered, so each group is
    // drawn once, at the place of its last ship, and the map comes out the same.
    std::vector<int> last;
    g.Files.close(kChannelShips);
    forEachShip(side, [&](int) {
        const long long gn = g.ShipRecordBuffer.whole(recordformat::ship::NUMERO_GN);
        if (gn < 1 || gn > kGroups) return true;
        std::erase(last, int(gn));
        last.push_back(int(gn));
        return true;
    });
    for (int gn : last) {
        const Int16* row = t[gn];
        if ((row[GnCol::RouteHours] > 0 && row[GnCol::OffMap] < 1) || row[GnCol::Order] == kNavalAmbush)
            drawRoute(map, row);
    }
}

QPoint drawRoute(int side, int group, long colour) {
    const Int16* r = groupInUseRow(side, group);
    if (!r) return {};
    QPoint last(r[GnCol::X], r[GnCol::Y]);
    PictureBox* map = G().MapPicture;
    for (const QPoint& p : routeAhead(side, group)) {
        if (map) map->box(p.x(), p.y(), p.x() + 120, p.y() + 80, colour, false);
        last = p;
    }
    if (r[GnCol::Order] == kNavalAmbush) {
        Globals& g = G();
        const Int16 x = g.GnPosX, y = g.GnPosY;
        g.GnPosX = r[GnCol::X], g.GnPosY = r[GnCol::Y];
        CerchiGN();
        g.GnPosX = x, g.GnPosY = y;
    }
    return last;
}

void ColoreFascia() {
    Globals& g = G();
    struct Fascia {
        int mode, radius;
        long colour;
    };
    static constexpr Fascia kFasce[] = {{1, 520, vbYellow}, {2, 420, vbRed},   {3, 320, vbBlack},
                                        {4, 160, vbCyan},   {9, 120, vbWhite}, {-1, 520, vbMagenta}};
    if (g.MapClickMode == 0) {
        g.TargetCircleRadius = 120;
        g.TargetCircleColour = QString::number(g.SideColour);
        return;
    }
    for (const Fascia& f : kFasce) {
        if (f.mode != g.MapClickMode) continue;
        g.TargetCircleRadius = Int16(f.radius);
        g.TargetCircleColour = QString::number(f.colour);
    }
}
