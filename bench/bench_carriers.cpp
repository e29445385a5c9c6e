// The carrier windows and the objectives window on the full campaign, with the shipped archive's
// seven carriers in service at GIBILTERRA and ALESSANDRIA, their air files made as the wizard makes
// them, and one ship in four of each side lost: each window's opening and its main actions.
#include "BenchMain.h"
#include "WindowAction.h"
#include "game/points/FrmMission.h"
#include "game/points/FrmStatusPort.h"
#include "game/points/FrnLineaV.h"
#include "game/start/NewCampaign.h"

namespace {

namespace F = recordformat::ship;

struct CarrierCampaign : bench::FullCampaign {
    CarrierCampaign() {
        Globals& g = G();
        const QString archive = g.AppPath + "\\Archivio\\";
        const QByteArray ships = platform::readWholeFile(archive + "ALLEATINavi.Dat");
        int carriers = 0;
        for (int side : {kAllies, kAxis}) {
            const int count = openShipFile(kChannelShips, side);
            ShipRecord& s = g.ShipRecordBuffer;
            for (int r = 4; r <= count; r += 4) {
                readShip(kChannelShips, r);
                s.setNumber(F::STATUS, 3);
                s.setNumber(F::NON_OP, 2 + r % 5);
                writeShip(kChannelShips, r);
            }
            for (int at = 0; side == kAllies && at + ShipRecord::kLength <= ships.size();
                 at += ShipRecord::kLength) {
                s.setBytes(ships.mid(at, ShipRecord::kLength));
                if (s.text(F::TIPO) != "PA" && s.text(F::TIPO) != "PL") continue;
                s.setText(F::CodicePortaerei, carrierCode(++carriers));
                s.setNumber(F::STATUS, 1);
                s.setNumber(F::PORTO, carriers % 2 ? 14 : 15);
                appendShip(kChannelShips);
            }
            g.Files.close(kChannelShips);
        }
        newcampaign::CreaFileAereiPortaerei(archive, carriers);
        bench::writeAmpleSettings();
    }
};

CarrierCampaign& campaign() {
    static CarrierCampaign c;
    return c;
}

template <class T>
void timeWindowAction(benchmark::State& state, const std::function<void(T&)>& action,
                      const std::function<void(T&)>& restore = {},
                      const std::function<void(T&)>& prepare = {}) {
    bench::timeWindowAction<T>(
        state, action, restore, campaign(), [] { G().CurrentSide = kAllies; }, prepare);
}

// ---------------------------------------------------------------- opening each window

void BM_FlightLineOpens(benchmark::State& state) {
    bench::timeWindowOpening<FrnLineaV>(state, campaign(), kAllies);
}
BENCHMARK(BM_FlightLineOpens)->Unit(benchmark::kMillisecond);

void BM_StatusPortOpens(benchmark::State& state) {
    bench::timeWindowOpening<FrmStatusPort>(state, campaign(), kAllies);
}
BENCHMARK(BM_StatusPortOpens)->Unit(benchmark::kMillisecond);

void BM_MissionOpens(benchmark::State& state) {
    bench::timeWindowOpening<FrmMission>(state, campaign(), kAllies);
}
BENCHMARK(BM_MissionOpens)->Unit(benchmark::kMillisecond);

// The menu entry as the player picks it: the map reloaded, the window filled, then closed.
void BM_MissionMenu(benchmark::State& state) {
    platform::testing::setModalHandler([](platform::Form& w) { platform::unloadForm(w); });
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.MnUtilMission_Click(); }, {}, campaign());
    platform::testing::setModalHandler(nullptr);
}
BENCHMARK(BM_MissionMenu)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- flight line

void pickCarrier(FrnLineaV& w) {
    w.Command4.doClick();
    w.List1.doPick(0);
}

void pickType(FrnLineaV& w) {
    pickCarrier(w);
    w.List2.doPick(0);
}

void BM_FlightLineCarrierChosen(benchmark::State& state) {
    timeWindowAction<FrnLineaV>(
        state, [](FrnLineaV& w) { w.List1.doPick(0); }, [](FrnLineaV& w) { w.Command4.doClick(); });
}
BENCHMARK(BM_FlightLineCarrierChosen)->Unit(benchmark::kMillisecond);

void BM_FlightLineTypeChosen(benchmark::State& state) {
    timeWindowAction<FrnLineaV>(
        state, [](FrnLineaV& w) { w.List2.doPick(0); }, pickCarrier, pickCarrier);
}
BENCHMARK(BM_FlightLineTypeChosen)->Unit(benchmark::kMillisecond);

void BM_FlightLineEmbark(benchmark::State& state) {
    timeWindowAction<FrnLineaV>(
        state, [](FrnLineaV& w) { w.Command2.doClick(); }, [](FrnLineaV& w) { w.Command3.doClick(); },
        pickType);
}
BENCHMARK(BM_FlightLineEmbark)->Unit(benchmark::kMillisecond);

// A save of one aircraft embarked, then of one disembarked, in turn.
void oneChange(FrnLineaV& w) {
    pickType(w);
    (w.Command3.enabled() ? w.Command3 : w.Command2).doClick();
}

void BM_FlightLineSaved(benchmark::State& state) {
    timeWindowAction<FrnLineaV>(
        state, [](FrnLineaV& w) { w.Command5.doClick(); }, oneChange, oneChange);
}
BENCHMARK(BM_FlightLineSaved)->Apply(bench::timedAsAction);

// ---------------------------------------------------------------- embarked aircraft

void BM_StatusPortCarrierChosen(benchmark::State& state) {
    timeWindowAction<FrmStatusPort>(state, [](FrmStatusPort& w) { w.List1.doPick(0); });
}
BENCHMARK(BM_StatusPortCarrierChosen)->Unit(benchmark::kMillisecond);

void BM_StatusPortTypeChosen(benchmark::State& state) {
    timeWindowAction<FrmStatusPort>(
        state, [](FrmStatusPort& w) { w.List2.doPick(0); }, {}, [](FrmStatusPort& w) { w.List1.doPick(0); });
}
BENCHMARK(BM_StatusPortTypeChosen)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
