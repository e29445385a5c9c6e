// Opening a full campaign into the main window and without it (50 naval and 50 air groups a side,
// 600 ships a side), one redraw of the map with every naval group's mark, and the main menu's button.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/MapRoutines.h"
#include "game/main/CampaignOpen.h"

namespace {

void BM_OpenCampaign(benchmark::State& state) {
    bench::FullCampaign& c = bench::fullCampaign();
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

// The opening without the window: the lists and tables read, every record file checked and
// weighed against the tables.
void BM_LoadCampaign(benchmark::State& state) {
    bench::FullCampaign& c = bench::fullCampaign();
    for (auto _ : state) {
        state.PauseTiming();
        c.choose();
        state.ResumeTiming();
        loadCampaign();
    }
}
BENCHMARK(BM_LoadCampaign)->Unit(benchmark::kMillisecond);

void BM_MapRedraw(benchmark::State& state) {
    bench::timeMainWindowAction(state, [](FrmMain&) { bench::redrawGroupMarks(); });
}
BENCHMARK(BM_MapRedraw)->Unit(benchmark::kMillisecond);

// "APRI MENU PRINCIPALE": the map reloaded and the side buttons offered; the side panel's close
// button brings the button back.
void BM_MainMenu(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Command17_Click(); }, [](FrmMain& f) { f.Command4_Click(); });
}
BENCHMARK(BM_MainMenu)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
