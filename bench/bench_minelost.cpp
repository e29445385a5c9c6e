// The mine-laying and lost-ships windows on the full campaign, its every ship (1200) in the
// lost-ship file: each window's opening and its main actions.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/LostShips.h"
#include "game/combat/FrmLost.h"
#include "game/orders/FrmMine.h"

namespace {

using platform::form;

constexpr int kLosses = 2 * 600;
constexpr int kField = 12;

// Every ship of the campaign lost, day after day, at sea with its group or in port.
struct LossCampaign : bench::FullCampaign {
    LossCampaign() {
        platform::RecordFile file(lostShipFilePath(), LostShipRecord::kLength);
        for (int i = 0; i < kLosses; ++i) {
            LostShipRecord r;
            r.Day = i / 40;
            r.Hour = i % 24;
            r.Side = i % 2 + 1;
            r.Record = i / 2 + 1;
            r.Type = QStringLiteral("CT");
            r.Name = QStringLiteral("Nave %1").arg(i / 2 + 1);
            r.Tonnage = 1500 + i;
            if (i % 5 == 0) {
                r.Port = i % 13 + 1;
            } else {
                r.Group = i / 2 % kGroups + 1;
                r.X = 6000 + 100 * r.Group;
                r.Y = 3500 + 30 * r.Group;
            }
            file.put(i + 1, encodeLostShip(r));
        }
    }
};

LossCampaign& campaign() {
    static LossCampaign c;
    return c;
}

// The main window at one o'clock with `side` in play and points enough for any purchase.
void atOneOClock(int side) {
    Globals& g = G();
    g.CurrentSide = Int16(side);
    g.setState(StateItem::Hour, 1);
    g.GameSettings[side == kAllies ? 4 : 5] = 100000;
}

template <class T>
void timeWindowAction(benchmark::State& state, const std::function<void(T&)>& action,
                      const std::function<void(T&)>& restore, const std::function<void()>& before) {
    bench::timeWindowAction<T>(state, action, restore, campaign(), before);
}

// ---------------------------------------------------------------- mines

void BM_MineWindowOpens(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            atOneOClock(kAxis);
            form<FrmMine>().show();
        },
        [](FrmMain&) { platform::unload<FrmMine>(); }, campaign());
}
BENCHMARK(BM_MineWindowOpens)->Unit(benchmark::kMillisecond);

void BM_MineFieldPicked(benchmark::State& state) {
    timeWindowAction<FrmMine>(
        state, [](FrmMine& w) { w.List1.doPick(kField - 1); }, {}, [] { atOneOClock(kAxis); });
}
BENCHMARK(BM_MineFieldPicked)->Unit(benchmark::kMillisecond);

// "&50" in a field, then the field emptied and the points given back.
void BM_MinesBought(benchmark::State& state) {
    timeWindowAction<FrmMine>(
        state,
        [](FrmMine& w) {
            w.Command1.doClick();
            if (G().MineFields[kField][kAxis] == 0) qFatal("no mines were bought");
        },
        [](FrmMine& w) {
            G().MineFields[kField][kAxis] = 0;
            G().setState(StateItem::AcquisitionUsedAsse, 0);
            w.List1.doPick(kField - 1);
        },
        [] {
            atOneOClock(kAxis);
            form<FrmMine>().List1.doPick(kField - 1);
        });
}
BENCHMARK(BM_MinesBought)->Apply(bench::timedAsAction);

// ---------------------------------------------------------------- losses

void BM_LossWindowOpens(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            G().setState(StateItem::SunkLastHour, kLosses);
            form<FrmLost>().show();
        },
        [](FrmMain&) { platform::unload<FrmLost>(); }, campaign());
}
BENCHMARK(BM_LossWindowOpens)->Unit(benchmark::kMillisecond);

void BM_AllLosses(benchmark::State& state) {
    timeWindowAction<FrmLost>(
        state, [](FrmLost& w) { w.Command2.doClick(); }, {}, [] {});
}
BENCHMARK(BM_AllLosses)->Unit(benchmark::kMillisecond);

void BM_LossMarked(benchmark::State& state) {
    timeWindowAction<FrmLost>(
        state, [](FrmLost& w) { w.List2.doPick(w.List2.listCount() - 1); }, {},
        [] { G().setState(StateItem::SunkLastHour, kLosses); });
}
BENCHMARK(BM_LossMarked)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
