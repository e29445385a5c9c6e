// The route plot of the naval panel on the full campaign, every group of both sides under way for
// the longest route (24 route hours): one group's route, and the routes of all the side's groups.
#include "BenchMain.h"
#include "MainWindowAction.h"

namespace {

const bench::FullCampaign& underWay() {
    static const bench::FullCampaign c([] {
        for (int side : {kAllies, kAxis}) {
            for (int n = 1; n <= kGroups; ++n) {
                Int16* r = G().gnTable(side)[n];
                r[GnCol::Course] = n % 2 ? 5 : 8;
                r[GnCol::Step] = 60;
                r[GnCol::Knots] = 6;
                r[GnCol::RouteHours] = 24;
            }
        }
    });
    return c;
}

void navalModeWithPick(FrmMain& f) {
    f.Command17_Click();
    f.Command5_Click();
    f.Command3_Click();
    f.List2.doPick(24);
}

void BM_RoutePlotOne(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Command13_Click(); }, {}, underWay(), navalModeWithPick);
}
BENCHMARK(BM_RoutePlotOne)->Unit(benchmark::kMillisecond);

void BM_RoutePlotAll(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Command21_Click(); }, {}, underWay(), navalModeWithPick);
}
BENCHMARK(BM_RoutePlotAll)->Unit(benchmark::kMillisecond);

void BM_RoutePlotWipe(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Command14_Click(); }, {}, underWay(), navalModeWithPick);
}
BENCHMARK(BM_RoutePlotWipe)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
