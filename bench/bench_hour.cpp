// One press of the hour button on a full campaign (50 naval and 50 air groups a side, 600 ships a
// side, every naval group under way on a grid of the open sea so that many meet and some pass in
// sight of a base), against one copy of the campaign folder.
#include "BenchMain.h"
#include "FullCampaign.h"
#include "common/CampaignSnapshot.h"
#include "game/main/FrmMain.h"

namespace {

// Allied groups on a 10 x 5 grid sailing east, the Axis groups between them sailing west: after
// their step each lies 237 map units from an enemy.
void underWay() {
    Globals& g = G();
    for (int side : {kAllies, kAxis}) {
        for (int n = 1; n <= kGroups; ++n) {
            Int16* r = g.gnTable(side)[n];
            const int i = (n - 1) % 10, j = (n - 1) / 10;
            r[25] = 4200 + 550 * i + (side == kAxis ? 275 : 0);
            r[26] = 3700 + 450 * j + (side == kAxis ? 225 : 0);
            r[28] = side == kAllies ? 5 : 4;
            r[14] = 10;
            r[27] = 100;
            r[29] = 200;
            r[6] = 100;
            r[37] = 12;
        }
    }
}

bench::FullCampaign& campaign() {
    static bench::FullCampaign c(underWay);
    return c;
}

void BM_CopyCampaignFolder(benchmark::State& state) {
    const QString folder = campaign().dir.path() + QStringLiteral("/Data/giochi");
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir to;
        state.ResumeTiming();
        bench::copyTree(folder, to.path());
    }
}
BENCHMARK(BM_CopyCampaignFolder)->Unit(benchmark::kMillisecond);

void BM_OneHour(benchmark::State& state) {
    bench::FullCampaign& c = campaign();
    c.choose();
    if (!apriGioco()) state.SkipWithError("the campaign did not open");
    FrmMain& f = platform::form<FrmMain>();
    const CampaignSnapshot start;
    int activities = 0, contacts = 0;
    for (auto _ : state) {
        f.Command22_Click();
        state.PauseTiming();
        activities = int(G().state(10));
        contacts = int(G().state(11));
        start.restore();
        f.Command22.setEnabled(true);
        state.ResumeTiming();
    }
    state.counters["activities"] = activities;
    state.counters["contacts"] = contacts;
    platform::testing::resetForms();
}
BENCHMARK(BM_OneHour)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
