// An hourly pass over a side's ship file: every record of the full campaign's 600-ship Allied file
// read into the shared buffer, changed and written back in place.
#include "BenchMain.h"
#include "FullCampaign.h"
#include "common/RecordFiles.h"

namespace {

void BM_ShipFilePass(benchmark::State& state) {
    static const bench::FullCampaign campaign;
    campaign.choose();
    Globals& g = G();
    int ships = 0;
    for (auto _ : state) {
        ships = openShipFile(kChannelShips, kAllies);
        for (int r = 1; r <= ships; ++r) {
            readShip(kChannelShips, r);
            const long long fires = g.ShipRecordBuffer.whole(recordformat::ship::INCENDI_ATTIVI);
            g.ShipRecordBuffer.setNumber(recordformat::ship::INCENDI_ATTIVI, (fires + 1) % 10);
            writeShip(kChannelShips, r);
        }
        g.Files.close(kChannelShips);
    }
    if (ships != 600) state.SkipWithError("the Allied ship file does not hold 600 ships");
    state.SetItemsProcessed(state.iterations() * ships);
}
BENCHMARK(BM_ShipFilePass)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv);
}
