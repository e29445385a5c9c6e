// Opening a full campaign into the main window and without it (50 naval and 50 air groups a side,
// 600 ships a side), one redraw of the map with every naval group's mark, and the main menu's button.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "Paints.h"
#include "common/MapRoutines.h"
#include "game/main/CampaignOpen.h"
#include "game/start/FrmGame.h"

namespace {

// "APRI GIOCO" clicked in the start window, the campaign chosen, until the main window is painted.
void BM_OpenCampaign(benchmark::State& state) {
    bench::FullCampaign& c = bench::fullCampaign();
    bench::ActionClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        c.choose();
        platform::form<FrmGame>().show();
        QApplication::processEvents();
        state.ResumeTiming();
        clock.start();
        platform::runHandler([] { platform::form<FrmGame>().Label19_Click(); });
        const bool painted =
            G().CampaignOpen &&
            bench::Paints(platform::form<FrmMain>().PicBitMap.widget()).processEventsUntilPainted();
        clock.stop();
        state.PauseTiming();
        platform::testing::resetForms();
        state.ResumeTiming();
        if (!painted) {
            state.SkipWithError("the campaign did not open into a painted main window");
            break;
        }
    }
    clock.report(state);
}
BENCHMARK(BM_OpenCampaign)->Apply(bench::timedAsAction);

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
