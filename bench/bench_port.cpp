// The port panel on the full campaign (600 ships a side): opening the port of TARANTO, moving a
// ship into the group being formed, the group's departure, and a port order with its estimate.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "game/orders/PortGroups.h"

namespace {

constexpr int kTaranto = 1;

// Axis group 50 is free: its twelve ships, left in a group that never sailed, are back at TARANTO
// when the campaign opens.
bench::FullCampaign& portCampaign() {
    static bench::FullCampaign c([] {
        G().GnTableAsse[50][GnCol::InUse] = 0;
        G().GnTableAsse[50][GnCol::Port] = kTaranto;
    });
    return c;
}

void tarantoBase(FrmMain& f) {
    f.Command17_Click();
    f.Command6_Click();
    f.Command10_Click();
    f.PicBitMap_MouseDown(1, 0, G().BaseMapXY[kTaranto][1], G().BaseMapXY[kTaranto][2]);
}

void tarantoPort(FrmMain& f) {
    tarantoBase(f);
    f.Command7_Click();
}

// A new group with three ships of the port.
void formThree(FrmMain& f) {
    f.Label56_Click();
    for (int k = 0; k < 3; ++k) f.List3.doPickDouble(0);
}

void BM_PortPanelOpens(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Command7_Click(); }, [](FrmMain& f) { f.Command8_Click(); }, portCampaign(),
        tarantoBase);
}
BENCHMARK(BM_PortPanelOpens)->Unit(benchmark::kMillisecond);

void BM_PortShipIntoGroup(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.List3.doPickDouble(0); }, [](FrmMain& f) { f.List4.doPickDouble(0); },
        portCampaign(),
        [](FrmMain& f) {
            tarantoPort(f);
            f.Label56_Click();
        });
}
BENCHMARK(BM_PortShipIntoGroup)->Unit(benchmark::kMillisecond);

void BM_PortGroupDeparts(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Command2_Click(); },
        [](FrmMain& f) {
            // The group is taken off the table and its ships go back to port, then a new one forms.
            G().GnTableAsse[50][GnCol::InUse] = 0;
            returnStrandedShips();
            G().BaseTable[kTaranto][BaseCol::PointsUsed] = 0;
            f.ListaNaviBaseGN();
            formThree(f);
        },
        portCampaign(),
        [](FrmMain& f) {
            tarantoPort(f);
            formThree(f);
        });
}
BENCHMARK(BM_PortGroupDeparts)->Unit(benchmark::kMillisecond);

void BM_PortOrderRefuel(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Image21_Click(); }, [](FrmMain& f) { f.List3.doPick(0); }, portCampaign(),
        [](FrmMain& f) {
            tarantoPort(f);
            f.Image10_Click();
            f.List3.doPick(0);
        });
}
BENCHMARK(BM_PortOrderRefuel)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
