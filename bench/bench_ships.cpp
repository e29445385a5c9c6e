// The open naval group on the full campaign: opening a group of 12 ships (its ship list and the near
// groups), moving one ship into a group split off it, and merging a near group of 12 ships into it.
// Each click is undone untimed: the tables, the game state and the ship records put back, the group
// opened again.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/BaseTable.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int kOpened = 25;  // the 25th item of the group list
constexpr int kJoining = 26; // moved beside it for the merge

struct Tables {
    GroupTable gnAlle;
    GroupTable gaAlle;
    std::array<QString, 41> state;
    void keep() {
        const Globals& g = G();
        std::memcpy(gnAlle, g.GnTableAlle, sizeof(GroupTable));
        std::memcpy(gaAlle, g.GaTableAlle, sizeof(GroupTable));
        std::copy(std::begin(g.GameState), std::end(g.GameState), state.begin());
    }
    // Saved as well: the benchmark library runs each benchmark more than once on the same files.
    void restore() const {
        Globals& g = G();
        std::memcpy(g.GnTableAlle, gnAlle, sizeof(GroupTable));
        std::memcpy(g.GaTableAlle, gaAlle, sizeof(GroupTable));
        std::copy(state.begin(), state.end(), std::begin(g.GameState));
        SalvaTabelleGruppi();
        SalvaDatiBasi();
    }
};
Tables kept;

// The Allied ships of `records` back in group `group`.
void shipsBack(const std::vector<int>& records, int group) {
    openShipFile(kChannelShips, kAllies);
    for (int r : records) {
        readShip(kChannelShips, r);
        G().ShipRecordBuffer.setNumber(recordformat::ship::NUMERO_GN, group);
        writeShip(kChannelShips, r);
    }
    G().Files.close(kChannelShips);
}

std::vector<int> shipsOf(int group) {
    std::vector<int> records;
    forEachShip(kAllies, [&](int r) {
        if (G().ShipRecordBuffer.whole(recordformat::ship::NUMERO_GN) == group) records.push_back(r);
        return true;
    });
    return records;
}

void openGroup(FrmMain& f) {
    f.List2.doPick(kOpened - 1);
    f.Command11_Click();
}

void navalModeWithGroupPicked(FrmMain& f) {
    f.Command17_Click();
    f.Command5_Click();
    f.Command3_Click();
    f.List2.doPick(kOpened - 1);
}

void BM_OpenGroupOf12Ships(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Command11.doClick(); },
        [](FrmMain& f) {
            f.Command12_Click();
            f.List2.doPick(kOpened - 1);
        },
        bench::fullCampaign(), navalModeWithGroupPicked);
}
BENCHMARK(BM_OpenGroupOf12Ships)->Unit(benchmark::kMillisecond);

// The split needs a free row: the last group of the side is given up first.
void splitUnderWay(FrmMain& f) {
    openGroup(f);
    f.Image12_Click();
}

void BM_SplitOneShip(benchmark::State& state) {
    static int moved = 0;
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.List5.doPickDouble(0); },
        [](FrmMain& f) {
            if (f.List6.listCount() != 1) qFatal("the ship was not split off");
            f.Command12_Click();
            kept.restore();
            shipsBack({moved}, kOpened);
            splitUnderWay(f);
        },
        bench::fullCampaign(),
        [](FrmMain& f) {
            navalModeWithGroupPicked(f);
            for (int c = 1; c <= kGroupColumns; ++c) G().GnTableAlle[kGroups][c] = 0;
            kept.keep();
            splitUnderWay(f);
            moved = f.List5.itemData(0);
        });
}
BENCHMARK(BM_SplitOneShip)->Unit(benchmark::kMillisecond);

void mergePicked(FrmMain& f) {
    openGroup(f);
    for (int i = 0; i < f.List7.listCount(); ++i)
        if (f.List7.itemData(i) == kJoining) f.List7.doPick(i);
}

void BM_MergeNearGroup(benchmark::State& state) {
    static std::vector<int> joining;
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Image13.doClick(); },
        [](FrmMain& f) {
            if (G().GnTableAlle[kJoining][GnCol::InUse] != 0) qFatal("the groups were not merged");
            f.Command12_Click();
            kept.restore();
            shipsBack(joining, kJoining);
            mergePicked(f);
        },
        bench::fullCampaign(),
        [](FrmMain& f) {
            navalModeWithGroupPicked(f);
            Int16* b = G().GnTableAlle[kJoining];
            b[GnCol::X] = G().GnTableAlle[kOpened][GnCol::X] + 50;
            b[GnCol::Y] = G().GnTableAlle[kOpened][GnCol::Y];
            kept.keep();
            joining = shipsOf(kJoining);
            mergePicked(f);
        });
}
BENCHMARK(BM_MergeNearGroup)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
