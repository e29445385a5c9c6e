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

// Allied groups on a 10 x 5 grid sailing east, the Axis groups between them sailing west: after
// their step each lies 237 map units from an enemy.
void underWay() {
    Globals& g = G();
    for (int side : {kAllies, kAxis}) {
        for (int n = 1; n <= kGroups; ++n) {
            Int16* r = g.gnTable(side)[n];
            const int i = (n - 1) % 10, j = (n - 1) / 10;
            r[GnCol::X] = 4200 + 550 * i + (side == kAxis ? 275 : 0);
            r[GnCol::Y] = 3700 + 450 * j + (side == kAxis ? 225 : 0);
            r[GnCol::Course] = side == kAllies ? 5 : 4;
            r[GnCol::Knots] = 10;
            r[GnCol::Step] = 100;
            r[GnCol::RouteHours] = 200;
            r[GnCol::MinOperativity] = 100;
            r[GnCol::Destroyers] = 12;
        }
    }
}

bench::FullCampaign& campaign() {
    static bench::FullCampaign c(underWay);
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
