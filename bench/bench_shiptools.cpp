// The open group's ship tools on the full campaign: scuttling one ship of a group of 12 (the ship
// written, the group recomputed from the side's 600 ships, tables and game state saved), and a
// ship's assistance switched on and off.
#include "BenchMain.h"
#include "MainWindowAction.h"

#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"

namespace {

constexpr int kShip = 25; // a ship of group 25

struct Kept {
    ShipRecord ship;
    std::array<Int16, kGroupColumns + 1> row{};
    QString state[kStateItems + 1];
};

Kept kept;

void openGroup(FrmMain& f) {
    f.Command17_Click();
    f.Command5_Click();
    f.Command3_Click();
    Globals& g = G();
    openShipFile(20, kAllies);
    readShip(20, kShip);
    g.Files.close(20);
    kept.ship = g.ShipRecordBuffer;
    // The group's class counts as a real group of 12 destroyers holds them.
    g.gnTable(kAllies)[kShip][GnCol::Destroyers] = 12;
    std::copy_n(g.gnTable(kAllies)[kShip], kGroupColumns + 1, kept.row.begin());
    std::copy_n(g.GameState, kStateItems + 1, kept.state);
    f.List5.clear();
    f.List5.addItem(QStringLiteral("CT Nave"));
    f.List5.setItemData(0, kShip);
}

void putBack(FrmMain& f) {
    Globals& g = G();
    g.ShipRecordBuffer = kept.ship;
    openShipFile(20, kAllies);
    writeShip(20, kShip);
    g.Files.close(20);
    std::copy_n(kept.row.begin(), kGroupColumns + 1, g.gnTable(kAllies)[kShip]);
    std::copy_n(kept.state, kStateItems + 1, g.GameState);
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    if (f.List5.listCount() == 0) f.List5.addItem(QStringLiteral("CT Nave")), f.List5.setItemData(0, kShip);
    f.List5.setListIndex(0);
    f.Image16.setEnabled(true);
    g.SelectedShip = kShip, g.LastPickedGn = kShip, g.GnShipCount = 12;
}

void BM_ScuttleOneShip(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Image15.doDblClick(); }, putBack, bench::fullCampaign(),
        [](FrmMain& f) { openGroup(f), putBack(f); });
}
BENCHMARK(BM_ScuttleOneShip)->Apply(bench::timedAsAction);

void BM_AssistanceSwitched(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Image16.doDblClick(); }, putBack, bench::fullCampaign(),
        [](FrmMain& f) { openGroup(f), putBack(f); });
}
BENCHMARK(BM_AssistanceSwitched)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
