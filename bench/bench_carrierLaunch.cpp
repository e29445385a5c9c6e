// The carrier launch window on the full campaign, with the first Allied ship a carrier of group 1
// at sea carrying twenty aircraft lines and the last Allied air-group row free: the window opened
// from the carrier icon, one launch, and ten aircraft ferried to MALTA BS.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "game/orders/Carriers.h"
#include "game/orders/FrmPA.h"

namespace {

namespace S = recordformat::ship;
namespace A = recordformat::aircraft;

constexpr int kCarrier = 1;
constexpr int kLines = 20;

void writeCarrierLines() {
    Globals& g = G();
    g.Files.openRandom(9, carrierAircraftFilePath(carrierCode(1)), AircraftRecord::kLength);
    for (int n = 1; n <= kLines; ++n) {
        AircraftRecord a;
        a.setText(A::Nome, QStringLiteral("Aereo %1").arg(n));
        a.setText(A::Ruolo, QStringLiteral("CPT"));
        a.setNumber(A::Autonomia, 8);
        a.setNumber(A::Carico, 500);
        a.setNumber(A::Velocita, 300);
        a.setNumber(A::Pronti, 30);
        a.setNumber(A::InVolo, n % 3);
        writeAircraft(9, n, a);
    }
    g.Files.close(9);
}

struct CarrierCampaign : bench::FullCampaign {
    CarrierCampaign() : bench::FullCampaign([] { G().GaTableAlle[kGroups][GaCol::InUse] = 0; }) {
        Globals& g = G();
        openShipFile(kChannelShips, kAllies);
        readShip(kChannelShips, kCarrier);
        ShipRecord& s = g.ShipRecordBuffer;
        s.setText(S::TIPO, QStringLiteral("PA"));
        s.setNumber(S::MAM, 20);
        // Room on board for every line's aircraft, ready or in flight: the opening counts them.
        s.setNumber(S::AEREIM, 999);
        s.setText(S::CodicePortaerei, carrierCode(1));
        writeShip(kChannelShips, kCarrier);
        g.Files.closeAll();
        writeCarrierLines();
    }
};

CarrierCampaign& campaign() {
    static CarrierCampaign c;
    return c;
}

// The carrier picked in the open group's ship list, in the zone from which aircraft reach MALTA BS.
void pickCarrier() {
    Globals& g = G();
    g.CurrentSide = kAllies;
    g.SelectedShip = kCarrier;
    g.CarrierLaunchZone = 1;
    openShipFile(kChannelShips, kAllies);
    readShip(kChannelShips, kCarrier);
    writeCarrierData(kAllies, kCarrier, g.ShipRecordBuffer, 1);
}

void BM_CarrierLaunchOpens(benchmark::State& state) {
    platform::testing::setModalHandler([](platform::Form& w) { platform::unloadForm(w); });
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Image18_Click(); }, {}, campaign(), [](FrmMain&) { pickCarrier(); });
    platform::testing::setModalHandler(nullptr);
}
BENCHMARK(BM_CarrierLaunchOpens)->Unit(benchmark::kMillisecond);

// A line picked, a number taken and ten aircraft chosen, from the carrier's lines as its file holds
// them.
void chooseLaunch(FrmPA& w) {
    w.ListaAereiPA();
    w.List1.doPick(0);
    w.Label4.doClick();
    w.Combo1.doPick(10);
}

// The launch undone with the campaign's files; the same choice made again.
void undoLaunch(FrmPA& w) {
    bench::putBackCampaignFiles();
    chooseLaunch(w);
}

void launched(platform::CommandButton& button) {
    button.doClick();
    if (G().GaTableAlle[kGroups][GaCol::InUse] != 1) qFatal("the aircraft were not launched");
}

void BM_CarrierLaunchOneLaunch(benchmark::State& state) {
    bench::timeWindowAction<FrmPA>(
        state, [](FrmPA& w) { launched(w.Command2); }, undoLaunch, campaign(), pickCarrier, chooseLaunch);
}
BENCHMARK(BM_CarrierLaunchOneLaunch)->Apply(bench::timedAsAction);

void BM_CarrierFerryToMalta(benchmark::State& state) {
    bench::timeWindowAction<FrmPA>(
        state, [](FrmPA& w) { launched(w.Command5); }, undoLaunch, campaign(), pickCarrier, chooseLaunch);
}
BENCHMARK(BM_CarrierFerryToMalta)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
