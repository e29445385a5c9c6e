// The open naval group on the full campaign: opening a group of 12 ships (its ship list and the near
// groups), moving one ship into a group split off it, merging a near group of 12 ships into it, and
// docking one of its ships at MALTA HQ. Each click is undone untimed: the files put back, the group
// opened again as before it.
#include "BenchMain.h"
#include "MainWindowAction.h"

namespace {

constexpr int kOpened = 25;  // the 25th item of the group list
constexpr int kJoining = 26; // moved beside it for the merge
constexpr int kMaltaHq = 12;
constexpr int kGibraltar = 14;

// The last Allied group never sailed: its ships are in port at GIBILTERRA, its row free for a split.
const bench::FullCampaign& splitCampaign() {
    static const bench::FullCampaign c([] {
        G().GnTableAlle[kGroups][GnCol::InUse] = 0;
        G().GnTableAlle[kGroups][GnCol::Ships] = 0;
        G().GnTableAlle[kGroups][GnCol::Port] = kGibraltar;
    });
    return c;
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

void splitUnderWay(FrmMain& f) {
    openGroup(f);
    f.Image12_Click();
}

void BM_SplitOneShip(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            f.List5.doPickDouble(0);
            if (f.List6.listCount() != 1) qFatal("the ship was not split off");
        },
        [](FrmMain& f) {
            f.Command12_Click();
            bench::putBackCampaignFiles();
            splitUnderWay(f);
        },
        splitCampaign(),
        [](FrmMain& f) {
            navalModeWithGroupPicked(f);
            for (int c = 1; c <= kGroupColumns; ++c) G().GnTableAlle[kGroups][c] = 0;
            splitUnderWay(f);
        });
}
BENCHMARK(BM_SplitOneShip)->Apply(bench::timedAsAction);

void mergePicked(FrmMain& f) {
    openGroup(f);
    for (int i = 0; i < f.List7.listCount(); ++i)
        if (f.List7.itemData(i) == kJoining) f.List7.doPick(i);
}

void BM_MergeNearGroup(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            f.Image13.doClick();
            if (G().GnTableAlle[kJoining][GnCol::InUse] != 0) qFatal("the groups were not merged");
        },
        [](FrmMain& f) {
            f.Command12_Click();
            bench::putBackCampaignFiles();
            mergePicked(f);
        },
        bench::fullCampaign(),
        [](FrmMain& f) {
            navalModeWithGroupPicked(f);
            Int16* b = G().GnTableAlle[kJoining];
            b[GnCol::X] = G().GnTableAlle[kOpened][GnCol::X] + 50;
            b[GnCol::Y] = G().GnTableAlle[kOpened][GnCol::Y];
            mergePicked(f);
        });
}
BENCHMARK(BM_MergeNearGroup)->Apply(bench::timedAsAction);

// The group lying in the port of MALTA HQ, opened, its first ship picked.
void dockingShipPicked(FrmMain& f) {
    openGroup(f);
    f.List5.doPick(0);
}

void BM_DockOneShip(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            f.Image11.doClick();
            if (f.List5.listCount() != 11) qFatal("the ship was not docked");
        },
        [](FrmMain& f) {
            f.Command12_Click();
            bench::putBackCampaignFiles();
            dockingShipPicked(f);
        },
        bench::fullCampaign(),
        [](FrmMain& f) {
            navalModeWithGroupPicked(f);
            Int16* r = G().GnTableAlle[kOpened];
            r[GnCol::X] = G().BaseMapXY[kMaltaHq][1] + 20;
            r[GnCol::Y] = G().BaseMapXY[kMaltaHq][2] + 20;
            r[GnCol::InFriendlyPort] = 1;
            dockingShipPicked(f);
        });
}
BENCHMARK(BM_DockOneShip)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
