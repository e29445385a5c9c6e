// The ship, aircraft and points windows on the full campaign, with the shipped archive's ships free
// in the Allied ship file (742 records) and the archive's aircraft types at every air base: each
// window's opening and its main actions.
#include "BenchMain.h"
#include "WindowAction.h"
#include "game/points/FrmMezziAerei.h"
#include "game/points/FrmMezziNavi.h"
#include "game/points/FrmPunti.h"
#include "game/start/NewCampaign.h"

namespace {

using platform::form;

void basePoints() {
    for (int b = 1; b <= kBases; ++b) G().BaseTable[b][BaseCol::PointsArrived] = 5000;
}

struct PointsCampaign : bench::FullCampaign {
    PointsCampaign() : FullCampaign(basePoints) {
        Globals& g = G();
        const QByteArray archive = platform::readWholeFile(g.AppPath + "\\Archivio\\ALLEATINavi.Dat");
        openShipFile(kChannelShips, kAllies);
        for (int at = 0; at + ShipRecord::kLength <= archive.size(); at += ShipRecord::kLength) {
            g.ShipRecordBuffer.setBytes(archive.mid(at, ShipRecord::kLength));
            appendShip(kChannelShips);
        }
        g.Files.close(kChannelShips);
        newcampaign::CopiaArchivioAerei(g.AppPath + "\\Archivio\\");
        bench::writeAmpleSettings();
    }
};

PointsCampaign& campaign() {
    static PointsCampaign c;
    return c;
}

template <class T>
void timeWindowAction(benchmark::State& state, int side, const std::function<void(T&)>& action,
                      const std::function<void(T&)>& restore = {},
                      const std::function<void(T&)>& prepare = {}) {
    bench::timeWindowAction<T>(
        state, action, restore, campaign(), [side] { G().CurrentSide = Int16(side); }, prepare);
}

// ---------------------------------------------------------------- opening each window

template <class T> void opening(benchmark::State& state, int side) {
    bench::timeWindowOpening<T>(state, campaign(), side);
}

void BM_ShipWindowOpens(benchmark::State& state) {
    opening<FrmMezziNavi>(state, kAllies);
}
BENCHMARK(BM_ShipWindowOpens)->Unit(benchmark::kMillisecond);

void BM_AircraftWindowOpens(benchmark::State& state) {
    opening<FrmMezziAerei>(state, kAxis);
}
BENCHMARK(BM_AircraftWindowOpens)->Unit(benchmark::kMillisecond);

void BM_PointsWindowOpens(benchmark::State& state) {
    opening<FrmPunti>(state, kAxis);
}
BENCHMARK(BM_PointsWindowOpens)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- ships

void BM_ShipRandomList(benchmark::State& state) {
    // The list can be drawn again after a double-click on the points label.
    timeWindowAction<FrmMezziNavi>(
        state, kAllies, [](FrmMezziNavi& w) { w.Command2.doClick(); },
        [](FrmMezziNavi& w) { w.Label1.doDblClick(); });
}
BENCHMARK(BM_ShipRandomList)->Unit(benchmark::kMillisecond);

void BM_ShipCard(benchmark::State& state) {
    timeWindowAction<FrmMezziNavi>(
        state, kAllies, [](FrmMezziNavi& w) { w.List1.doPick(w.List1.listCount() - 1); }, {},
        [](FrmMezziNavi& w) {
            w.Label1.doDblClick();
            w.Command2.doClick();
        });
}
BENCHMARK(BM_ShipCard)->Unit(benchmark::kMillisecond);

// A purchase; the ship is then given back to the list (its record, the points and the port are
// put back with the campaign's files).
void BM_ShipPurchase(benchmark::State& state) {
    struct Kept {
        QString text;
        int record = 0;
    };
    static Kept kept;
    timeWindowAction<FrmMezziNavi>(
        state, kAllies,
        [](FrmMezziNavi& w) {
            kept.text = w.List1.list(0);
            kept.record = w.List1.itemData(0);
            w.List1.doPickDouble(0);
            if (w.List2.listCount() != 1) qFatal("the ship was not bought");
        },
        [](FrmMezziNavi& w) {
            w.List1.addItem(kept.text, 0);
            w.List1.setItemData(0, kept.record);
            w.List2.clear();
        },
        [](FrmMezziNavi& w) {
            w.Label1.doDblClick();
            w.Command2.doClick();
        });
}
BENCHMARK(BM_ShipPurchase)->Apply(bench::timedAsAction);

// ---------------------------------------------------------------- aircraft

void BM_AircraftBaseChosen(benchmark::State& state) {
    timeWindowAction<FrmMezziAerei>(state, kAxis, [](FrmMezziAerei& w) { w.List1.doPick(9); });
}
BENCHMARK(BM_AircraftBaseChosen)->Unit(benchmark::kMillisecond);

void BM_AircraftRandomList(benchmark::State& state) {
    timeWindowAction<FrmMezziAerei>(
        state, kAxis, [](FrmMezziAerei& w) { w.Command2.doClick(); },
        [](FrmMezziAerei&) { G().BaseTable[10][BaseCol::PointsUsed] = 0; },
        [](FrmMezziAerei& w) { w.List1.doPick(9); });
}
BENCHMARK(BM_AircraftRandomList)->Unit(benchmark::kMillisecond);

// A fresh random list at CASTELVETRANO, where every German type is listed, with the first type's
// count back to 0 and the base emptied.
void freshAircraftList(FrmMezziAerei& w) {
    Globals& g = G();
    w.Command6.doClick();
    g.BaseTable[10][BaseCol::PointsUsed] = 0;
    g.BaseTable[10][BaseCol::AircraftPresent] = 0;
    w.List1.doPick(9);
    w.Command2.doClick();
    openAircraftFile(1, baseAircraftFilePath(10), kAxis);
    AircraftRecord a = readAircraft(1, w.List3.itemData(0));
    a.setNumber(recordformat::aircraft::Pronti, 0);
    writeAircraft(1, w.List3.itemData(0), a);
    g.Files.close(1);
}

void BM_AircraftTypePicked(benchmark::State& state) {
    timeWindowAction<FrmMezziAerei>(
        state, kAxis, [](FrmMezziAerei& w) { w.List3.doPick(0); }, {}, freshAircraftList);
}
BENCHMARK(BM_AircraftTypePicked)->Unit(benchmark::kMillisecond);

// "&+", taken back with "&-" before the next.
void BM_AircraftAdded(benchmark::State& state) {
    timeWindowAction<FrmMezziAerei>(
        state, kAxis, [](FrmMezziAerei& w) { w.Command3.doClick(); },
        [](FrmMezziAerei& w) { w.Command4.doClick(); },
        [](FrmMezziAerei& w) {
            freshAircraftList(w);
            w.List3.doPick(0);
        });
}
BENCHMARK(BM_AircraftAdded)->Apply(bench::timedAsAction);

// "Conferma e &Salva" of one aircraft; a new list and one more aircraft for the next.
void BM_AircraftConfirmed(benchmark::State& state) {
    const auto oneAdded = [](FrmMezziAerei& w) {
        freshAircraftList(w);
        w.List3.doPick(0);
        w.Command3.doClick();
    };
    timeWindowAction<FrmMezziAerei>(
        state, kAxis,
        [](FrmMezziAerei& w) {
            if (w.purchase().acquired != 1)
                qFatal("no aircraft was added: %s", qPrintable(w.MessageLine.caption()));
            w.Command5.doClick();
        },
        oneAdded, oneAdded);
}
BENCHMARK(BM_AircraftConfirmed)->Apply(bench::timedAsAction);

// ---------------------------------------------------------------- points

void BM_PointTransfer(benchmark::State& state) {
    timeWindowAction<FrmPunti>(state, kAxis, [](FrmPunti& w) { w.Label9.doClick(); });
}
BENCHMARK(BM_PointTransfer)->Unit(benchmark::kMillisecond);

void BM_PointConversion(benchmark::State& state) {
    timeWindowAction<FrmPunti>(state, kAxis, [](FrmPunti& w) { w.Label8.doClick(); });
}
BENCHMARK(BM_PointConversion)->Unit(benchmark::kMillisecond);

// A transfer of command points to TARANTO, then "Chiudi": the base table and the game state saved.
void BM_PointTransferSaved(benchmark::State& state) {
    timeWindowAction<FrmPunti>(
        state, kAxis,
        [](FrmPunti& w) {
            w.Label9.doClick();
            w.Command2.doClick();
        },
        [](FrmPunti&) {
            G().CurrentSide = kAxis;
            form<FrmPunti>().show();
        });
}
BENCHMARK(BM_PointTransferSaved)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
