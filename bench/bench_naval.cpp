// The naval panel on the full campaign: filling the list of the side's 50 naval groups (with every
// group's mark), and picking one (the map redrawn with its marks, the working group, the combos,
// its route and status icons).
#include "BenchMain.h"
#include "MainWindowAction.h"

namespace {

void navalMode(FrmMain& f) {
    f.Command17_Click();
    f.Command5_Click();
    f.Command3_Click();
}

void BM_NavalListFill(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.ListaGNAlleati(); }, {}, bench::fullCampaign(), navalMode);
}
BENCHMARK(BM_NavalListFill)->Unit(benchmark::kMillisecond);

void BM_NavalGroupPick(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.List2.doPick(24); }, {}, bench::fullCampaign(), navalMode);
}
BENCHMARK(BM_NavalGroupPick)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
