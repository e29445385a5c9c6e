// An hourly pass over a side's ship file: every record of a 600-ship file read into the shared
// buffer, changed and written back in place.
#include "common/Globals.h"
#include "common/RecordFiles.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ShipFilePass(benchmark::State& state) {
    QTemporaryDir dir;
    resetGlobals();
    Globals& g = G();
    g.GamesPath = dir.path() + "/";
    g.CampaignName = "Bench";
    openShipFile(2, kAllies);
    for (int i = 1; i <= 600; ++i) {
        g.ShipRecordBuffer.setText(recordformat::ship::NOME, QStringLiteral("NAVE %1").arg(i));
        g.ShipRecordBuffer.setNumber(recordformat::ship::RESISTENZAM, 850);
        g.ShipRecordBuffer.setNumber(recordformat::ship::NUMERO_GN, i % 50);
        appendShip(2);
    }
    g.Files.close(2);

    for (auto _ : state) {
        const int count = openShipFile(2, kAllies);
        for (int r = 1; r <= count; ++r) {
            readShip(2, r);
            const long long fires = g.ShipRecordBuffer.whole(recordformat::ship::INCENDI_ATTIVI);
            g.ShipRecordBuffer.setNumber(recordformat::ship::INCENDI_ATTIVI, (fires + 1) % 10);
            writeShip(2, r);
        }
        g.Files.close(2);
    }
    state.SetItemsProcessed(state.iterations() * 600);
}
BENCHMARK(BM_ShipFilePass)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
