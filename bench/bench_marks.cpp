// The map redrawn with every naval group's mark, symbols, number and route, the air groups'
// numbers and the enemy groups seen, on the full campaign with every group under way (12 ships a
// group, so each route is drawn twelve times); the sea-bed overlay with the base radii; and the
// ship class card opened from a shipped card.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "game/main/MapMarks.h"
#include "game/main/frmNaveClasse.h"

namespace {

// Every group under way for 12 hours in one of the eight courses; every fifth in ambush, every
// third seen by the enemy, every seventh struck by mines, half of them destroyers only.
bench::FullCampaign& routesCampaign() {
    static bench::FullCampaign c([] {
        Globals& g = G();
        for (int side : {kAllies, kAxis}) {
            for (int n = 1; n <= kGroups; ++n) {
                Int16* r = g.gnTable(side)[n];
                r[GnCol::RouteHours] = 12;
                r[GnCol::Step] = 120;
                r[GnCol::Course] = Int16(n % 8 + 1);
                if (n % 5 == 0) r[GnCol::Order] = kNavalAmbush;
                if (n % 3 == 0) r[GnCol::Seen] = 2;
                if (n % 7 == 0) r[GnCol::MineHit] = 1;
                if (n % 2 == 0) r[GnCol::Destroyers] = r[GnCol::Ships];
            }
        }
    });
    return c;
}

void takeAxisSide() {
    G().CurrentSide = kAxis;
    ColoreLato();
}

void BM_MarksAndRoutes(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            takeAxisSide();
            RicaricaMappa();
            DisegnaBasi();
            G().GroupMarksFlag = 1;
            f.TracciaGNAmici();
            StampaSimboliGN();
            G().GroupMarksFlag = 0;
            StampaSimboliGA();
            DisegnaRotteGN();
        },
        {}, routesCampaign());
}
BENCHMARK(BM_MarksAndRoutes)->Unit(benchmark::kMillisecond);

void BM_SeaBedOverlay(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            takeAxisSide();
            f.Image30_Click();
        },
        {}, routesCampaign());
}
BENCHMARK(BM_SeaBedOverlay)->Unit(benchmark::kMillisecond);

void BM_ClassCard(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            namespace f = recordformat::ship;
            recordformat::ShipRecord& r = G().ShipRecordBuffer;
            r.setText(f::CLASSE, QStringLiteral("Hood"));
            r.setText(f::TIPO, QStringLiteral("IB"));
            r.setText(f::NAZIONE, QStringLiteral("GB"));
            r.setText(f::ANNODATI, QStringLiteral("1940"));
            if (SchedaClasseNave()) platform::form<frmNaveClasse>().show();
        },
        [](FrmMain&) { platform::unload<frmNaveClasse>(); });
}
BENCHMARK(BM_ClassCard)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
