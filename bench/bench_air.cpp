// The air panel on the full campaign: picking an air group in the list (the map put back clean,
// the mission panel filled, the group's route and range drawn), and a map press that sets the
// target of a patrol (range, hours to the target, route and circle drawn).
#include "BenchMain.h"
#include "MainWindowAction.h"

namespace {

// Every air group a patrol of 9 bombers out of TARANTO, on its way to its point.
const bench::FullCampaign& airCampaign() {
    static bench::FullCampaign c([] {
        Globals& g = G();
        for (int side : {kAllies, kAxis})
            for (int n = 1; n <= kGroups; ++n) {
                Int16* r = g.gaTable(side)[n];
                r[GaCol::SpeedKmh] = 400, r[GaCol::DefaultEndurance] = 30, r[GaCol::UsableEndurance] = 24;
                r[GaCol::Bombs] = 4, r[GaCol::BombSize] = 50, r[GaCol::Order] = kOrderPatrol;
                r[GaCol::OriginBase] = 1, r[GaCol::OriginX] = 8700, r[GaCol::OriginY] = 2900;
                r[GaCol::TargetX] = 9500, r[GaCol::TargetY] = 4400, r[GaCol::Step] = 143;
                r[GaCol::TurnsToTarget] = 6, r[GaCol::ControlFlag] = 2;
            }
    });
    return c;
}

void airMode(FrmMain& f) {
    f.Command17_Click();
    f.Command6_Click();
    f.Command9_Click();
}

void BM_AirGroupPick(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.List8.doPick(24); }, {}, airCampaign(), airMode);
}
BENCHMARK(BM_AirGroupPick)->Unit(benchmark::kMillisecond);

void BM_AirTargetPress(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.PicBitMap.doMouseDown(1, 0, 9400, 4300); }, {}, airCampaign(),
        [](FrmMain& f) {
            airMode(f);
            f.List8.doPick(24);
            f.Combo8.doPick(kOrderPatrol - 1);
        });
}
BENCHMARK(BM_AirTargetPress)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
