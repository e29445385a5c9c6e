// The map of the main window on the full campaign: a pointer move over the groups (bases, naval
// and air groups tested), a press on a base that opens its panel and lists its aircraft and the
// ships in its port, and a redraw of the map with every naval group's mark and projected route.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/MapRoutines.h"
#include "common/RecordFiles.h"

namespace {

constexpr int kRouteHours = 12;

// The full campaign with every group under way, and TARANTO holding 40 ships in port and 20 lines
// of aircraft.
bench::FullCampaign& mapCampaign() {
    static bench::FullCampaign c([] {
        for (int side : {kAllies, kAxis})
            for (int n = 1; n <= kGroups; ++n) {
                Int16* r = G().gnTable(side)[n];
                r[GnCol::Course] = n % 8 + 1;
                r[GnCol::Step] = 120;
                r[GnCol::RouteHours] = kRouteHours;
            }
        // TARANTO counts present the aircraft of its 20 lines.
        G().BaseTable[1][BaseCol::AircraftPresent] = 20 * 6;
    });
    static const bool filled = [] {
        QList<testcampaign::Ship> inPort(40);
        testcampaign::appendShips(kAxis, inPort);
        // The ships just written are the last 40 of the file: put them in port at TARANTO.
        const int count = openShipFile(kChannelShips, kAxis);
        for (int r = count - 39; r <= count; ++r) {
            readShip(kChannelShips, r);
            G().ShipRecordBuffer.setNumber(recordformat::ship::PORTO, 1);
            writeShip(kChannelShips, r);
        }
        G().Files.close(kChannelShips);
        openAircraftFile(20, baseAircraftFilePath(1), kAxis);
        for (int i = 0; i < 20; ++i) {
            AircraftRecord a;
            a.setText(recordformat::aircraft::Nome, QStringLiteral("Aereo %1").arg(i));
            a.setText(recordformat::aircraft::Ruolo, QStringLiteral("BLR"));
            a.setNumber(recordformat::aircraft::Pronti, 6);
            appendAircraft(20, a);
        }
        G().Files.close(20);
        return true;
    }();
    (void)filled;
    return c;
}

void BM_MapHover(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            G().CurrentSide = kAxis;
            G().AirMode = 1;
            f.PicBitMap_MouseMove(0, 0, 6560, 3660);
        },
        {}, mapCampaign());
}
BENCHMARK(BM_MapHover)->Unit(benchmark::kMillisecond);

void BM_BasePanelPress(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            G().CurrentSide = kAxis;
            G().BasesMode = 1;
            f.PicBitMap_MouseDown(1, 0, G().BaseMapXY[1][1] + 90, G().BaseMapXY[1][2] + 90);
            f.PicBitMap_Click();
            f.ListaNaviBaseGN();
            if (f.List1.listCount() != 20 || f.List3.listCount() != 40) std::abort();
        },
        {}, mapCampaign());
}
BENCHMARK(BM_BasePanelPress)->Unit(benchmark::kMillisecond);

void BM_MapRedrawMarksAndRoutes(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            bench::redrawGroupMarks([](const Int16* row) {
                // The projected route: a box at each route hour along the course.
                Globals& g = G();
                g.GnCourse = row[GnCol::Course];
                g.GnSpeed = row[GnCol::Step];
                g.GnOldPos[0] = g.GnPosX;
                g.GnOldPos[1] = g.GnPosY;
                for (int h = 0; h < row[GnCol::RouteHours]; ++h) {
                    TracciaRottaGN();
                    g.MapPicture->box(g.GnOldPos[0], g.GnOldPos[1], g.GnOldPos[0] + 120, g.GnOldPos[1] + 80,
                                      platform::vbWhite, false);
                }
            });
        },
        {}, mapCampaign());
}
BENCHMARK(BM_MapRedrawMarksAndRoutes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
