// One press of the hour button, as a click runs it, on a full campaign (50 naval and 50 air groups
// a side, 600 ships a side, every naval group under way on a grid of the open sea so that many meet
// and some pass in sight of a base), against one copy of the campaign folder.
#include "BenchMain.h"
#include "FullCampaign.h"
#include "common/CampaignSnapshot.h"
#include "game/main/CampaignOpen.h"
#include "game/main/FrmMain.h"
#include "game/main/HourStep.h"

namespace {

bench::FullCampaign& campaign() {
    static bench::FullCampaign c(fullcampaign::underWay);
    return c;
}

void BM_CopyCampaignFolder(benchmark::State& state) {
    const QString folder = campaign().dir.path() + QStringLiteral("/Data/giochi");
    bench::ActionClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir to;
        state.ResumeTiming();
        clock.start();
        bench::copyTree(folder, to.path());
        clock.stop();
    }
    clock.report(state);
}
BENCHMARK(BM_CopyCampaignFolder)->Apply(bench::timedAsAction);

void BM_OneHour(benchmark::State& state) {
    bench::FullCampaign& c = campaign();
    c.choose();
    if (!apriGioco()) state.SkipWithError("the campaign did not open");
    FrmMain& f = platform::form<FrmMain>();
    const CampaignSnapshot start;
    int activities = 0, contacts = 0;
    bench::ActionClock clock;
    for (auto _ : state) {
        clock.start();
        f.Command22.doClick();
        clock.stop();
        state.PauseTiming();
        activities = int(G().state(StateItem::Activities));
        contacts = int(G().state(StateItem::Contacts));
        start.restore();
        f.Command22.setEnabled(true);
        state.ResumeTiming();
    }
    clock.report(state);
    state.counters["activities"] = activities;
    state.counters["contacts"] = contacts;
    platform::testing::resetForms();
}
BENCHMARK(BM_OneHour)->Apply(bench::timedAsAction);

// The same hour as rules, with no window.
void BM_OneHourWithoutWindow(benchmark::State& state) {
    bench::FullCampaign& c = campaign();
    c.choose();
    loadCampaign();
    const CampaignSnapshot start;
    HourView nothing;
    for (auto _ : state) {
        if (!runHourWhole(nothing).done) state.SkipWithError("the hour failed");
        state.PauseTiming();
        start.restore();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OneHourWithoutWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
