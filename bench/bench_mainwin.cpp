// Opening a full campaign into the main window (50 naval and 50 air groups a side, 600 ships a
// side), and one redraw of the map with every naval group's mark.
#include "BenchMain.h"
#include "FullCampaign.h"
#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"

#include <QWidget>

namespace {

using bench::FullCampaign;

FullCampaign& campaign() {
    static FullCampaign c;
    return c;
}

void BM_OpenCampaign(benchmark::State& state) {
    FullCampaign& c = campaign();
    for (auto _ : state) {
        state.PauseTiming();
        c.choose();
        state.ResumeTiming();
        if (!apriGioco()) state.SkipWithError("the campaign did not open");
        state.PauseTiming();
        platform::testing::resetForms();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenCampaign)->Unit(benchmark::kMillisecond);

void BM_MapRedraw(benchmark::State& state) {
    FullCampaign& c = campaign();
    c.choose();
    if (!apriGioco()) state.SkipWithError("the campaign did not open");
    FrmMain& f = platform::form<FrmMain>();
    Globals& g = G();
    for (auto _ : state) {
        RicaricaMappa();
        DisegnaBasi();
        for (int side : {kAllies, kAxis}) {
            g.CurrentSide = side;
            g.SideColour = side == kAllies ? platform::vbYellow : platform::vbRed;
            for (int n = 1; n <= kGroups; ++n) {
                g.GnPosX = g.gnTable(side)[n][25];
                g.GnPosY = g.gnTable(side)[n][26];
                DisegnaSegnoGN();
            }
        }
        f.PicBitMap.widget()->repaint();
    }
    platform::testing::resetForms();
}
BENCHMARK(BM_MapRedraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
