// The port panel on the full campaign (600 ships a side): opening the port of TARANTO, moving a
// ship into the group being formed, the group's departure, a port order with its estimate, and a
// damaged ship sent to the dockyard.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/RecordFiles.h"
#include "game/orders/PortGroups.h"

namespace {

constexpr int kTaranto = 1;

// Axis group 50 is free: its twelve ships, left in a group that never sailed, are back at TARANTO
// when the campaign opens.
bench::FullCampaign& portCampaign() {
    static bench::FullCampaign c([] {
        G().GnTableAsse[50][GnCol::InUse] = 0;
        G().GnTableAsse[50][GnCol::Ships] = 0;
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
        state,
        [](FrmMain& f) {
            f.List3.doPickDouble(0);
            if (f.List4.listCount() != 1) qFatal("the ship was not moved into the group");
        },
        [](FrmMain& f) { f.List4.doPickDouble(0); }, portCampaign(),
        [](FrmMain& f) {
            tarantoPort(f);
            f.Label56_Click();
        });
}
BENCHMARK(BM_PortShipIntoGroup)->Apply(bench::timedAsAction);

void BM_PortGroupDeparts(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            f.Command2.doClick();
            if (G().GnTableAsse[50][GnCol::InUse] != 1) qFatal("the group did not depart");
        },
        [](FrmMain& f) {
            // The files as before the departure hold the three ships in the group being formed: the
            // panel forms it again with them.
            bench::putBackCampaignFiles();
            f.Label56_Click();
            f.Label58.setCaption(QStringLiteral("3"));
            f.ListaNaviBaseGN();
        },
        portCampaign(),
        [](FrmMain& f) {
            tarantoPort(f);
            formThree(f);
        });
}
BENCHMARK(BM_PortGroupDeparts)->Apply(bench::timedAsAction);

void BM_PortOrderRefuel(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Image21.doClick(); }, [](FrmMain& f) { f.List3.doPick(0); }, portCampaign(),
        [](FrmMain& f) {
            tarantoPort(f);
            f.Image10_Click();
            f.List3.doPick(0);
        });
}
BENCHMARK(BM_PortOrderRefuel)->Apply(bench::timedAsAction);

// The first ship in port at TARANTO, its hull damaged, picked for the dockyard.
void damagedShipPicked(FrmMain& f) {
    Globals& g = G();
    const int record = f.List3.itemData(0);
    openShipFile(kChannelShips, kAxis);
    readShip(kChannelShips, record);
    g.ShipRecordBuffer.setNumber(recordformat::ship::RESISTENZAM, 50);
    writeShip(kChannelShips, record);
    g.Files.close(kChannelShips);
    f.List3.doPick(0);
}

void BM_PortDockyard(benchmark::State& state) {
    static int present = 0;
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            f.Image24.doDblClick();
            if (G().BaseTable[kTaranto][BaseCol::ShipsPresent] != present - 1)
                qFatal("the ship was not sent to the dockyard");
        },
        [](FrmMain& f) {
            bench::putBackCampaignFiles();
            f.ListaNaviBaseGN();
            f.List3.doPick(0);
        },
        portCampaign(),
        [](FrmMain& f) {
            tarantoPort(f);
            f.Image10_Click();
            damagedShipPicked(f);
            present = G().BaseTable[kTaranto][BaseCol::ShipsPresent];
        });
}
BENCHMARK(BM_PortDockyard)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
