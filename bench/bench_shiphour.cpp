// The ship passes of one hour on a full campaign: 600 ships and 50 naval groups a side.
#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"
#include "common/SaveBatch.h"
#include "game/main/HourPhases.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

namespace F = recordformat::ship;

struct Campaign {
    QTemporaryDir dir;
    Campaign() {
        resetGlobals();
        Globals& g = G();
        g.GamesPath = dir.path() + "/";
        g.StackPrefix = dir.path() + "/Stack";
        g.CampaignName = "Bench";
        for (int i = 1; i <= 40; ++i) g.setState(i, 0);
        for (int side : {kAllies, kAxis}) {
            openShipFile(2, side);
            for (int i = 1; i <= 600; ++i) {
                ShipRecord& s = g.ShipRecordBuffer;
                s = ShipRecord();
                s.setText(F::Nome, QStringLiteral("NAVE %1").arg(i));
                s.setText(F::Tipo, "CT");
                s.setNumber(F::Status, 1);
                s.setNumber(F::ResistenzaM, 850);
                s.setNumber(F::NodiM, 30);
                s.setNumber(F::OperativitaM, 80);
                s.setNumber(F::NumeroGN, i % 51);
                s.setNumber(F::Porto, i % 51 == 0 ? 1 : 0);
                appendShip(2);
            }
            g.Files.close(2);
            for (int n = 1; n <= kGroups; ++n) g.gnTable(side)[n][1] = 1;
        }
        SalvaTabelleGruppi();
        SalvaDatiBasi();
    }
};

void BM_GroupValues(benchmark::State& state) {
    Campaign c;
    for (auto _ : state) {
        SaveBatch batch;
        for (int side : {kAllies, kAxis}) {
            G().CurrentSide = side;
            for (int n = 1; n <= kGroups; ++n) {
                G().CurrentGnIndex = n;
                AggiornaGNDaNavi();
            }
        }
        batch.commit();
    }
}
BENCHMARK(BM_GroupValues)->Unit(benchmark::kMillisecond);

void BM_SaveTables(benchmark::State& state) {
    Campaign c;
    for (auto _ : state) {
        SalvaTabelleGruppi();
        SalvaDatiBasi();
    }
}
BENCHMARK(BM_SaveTables)->Unit(benchmark::kMillisecond);

void BM_OtherShipPasses(benchmark::State& state) {
    Campaign c;
    for (auto _ : state) {
        SaveBatch batch;
        for (int side : {kAllies, kAxis}) {
            G().CurrentSide = side;
            InizioOraNavi();
            ColpiMine();
            DanniNaviOra();
            FaseSCA();
            FaseCAR();
            FaseRIF();
            FaseRIP();
            ChiusuraNaviOra();
            FaseCAA();
        }
        batch.commit();
    }
}
BENCHMARK(BM_OtherShipPasses)->Unit(benchmark::kMillisecond);

void BM_CopyFolder(benchmark::State& state) {
    Campaign c;
    for (auto _ : state) {
        QTemporaryDir to;
        for (const QString& f : QDir(c.dir.path()).entryList(QDir::Files))
            QFile::copy(c.dir.path() + "/" + f, to.path() + "/" + f);
    }
}
BENCHMARK(BM_CopyFolder)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
