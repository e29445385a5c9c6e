// Opening a full campaign into the main window (50 naval and 50 air groups a side, 600 ships a
// side), and one redraw of the map with every naval group's mark.
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "tests/game/main/TestCampaign.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + u'/' + QDir(from).relativeFilePath(src);
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

// A full campaign in a program folder of its own, written once.
struct FullCampaign {
    QTemporaryDir dir;
    Globals::GameSlot slot;
    FullCampaign() {
        copyTree(QStringLiteral(SHIPPED_DATA_DIR), dir.path());
        platform::setAppFolder(dir.path());
        resetGlobals();
        Globals& g = G();
        for (int side : {kAllies, kAxis}) {
            for (int n = 1; n <= kGroups; ++n) {
                Int16* gn = g.gnTable(side)[n];
                Int16* ga = g.gaTable(side)[n];
                gn[1] = ga[1] = 1;
                gn[4] = 12;
                gn[25] = 6000 + 100 * n;
                gn[26] = 3500 + 30 * n;
                ga[4] = 9;
                ga[25] = 7000 + 100 * n;
                ga[26] = 4000;
                g.gaNames(side)[n][1] = QStringLiteral("AEREO %1").arg(n);
            }
        }
        testcampaign::write({.hour = 10, .weather = 1});
        for (int side : {kAllies, kAxis}) {
            QList<testcampaign::Ship> ships;
            for (int i = 0; i < 600; ++i) {
                testcampaign::Ship s;
                s.group = i % 50 + 1;
                ships << s;
            }
            testcampaign::appendShips(side, ships);
        }
        slot = g.GameSlots[1];
    }
    void choose() const {
        resetGlobals();
        buildPathGlobals();
        G().GameSlots[1] = slot;
        G().SelectedSlot = 1;
        G().CampaignName = QStringLiteral("Prova");
    }
};

FullCampaign& campaign() {
    static FullCampaign c;
    return c;
}

void BM_OpenCampaign(benchmark::State& state) {
    FullCampaign& c = campaign();
    for (auto _ : state) {
        state.PauseTiming();
        c.choose();
        state.ResumeTiming();
        if (!apriGioco()) state.SkipWithError("the campaign did not open");
        state.PauseTiming();
        platform::testing::resetForms();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenCampaign)->Unit(benchmark::kMillisecond);

void BM_MapRedraw(benchmark::State& state) {
    FullCampaign& c = campaign();
    c.choose();
    if (!apriGioco()) state.SkipWithError("the campaign did not open");
    FrmMain& f = platform::form<FrmMain>();
    Globals& g = G();
    for (auto _ : state) {
        RicaricaMappa();
        DisegnaBasi();
        for (int side : {kAllies, kAxis}) {
            g.CurrentSide = side;
            g.SideColour = side == kAllies ? platform::vbYellow : platform::vbRed;
            for (int n = 1; n <= kGroups; ++n) {
                g.GnPosX = g.gnTable(side)[n][25];
                g.GnPosY = g.gnTable(side)[n][26];
                DisegnaSegnoGN();
            }
        }
        f.PicBitMap.widget()->repaint();
    }
    platform::testing::resetForms();
}
BENCHMARK(BM_MapRedraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("bench"));
    platform::testing::setErrorHandler([](const QString& m) { qWarning("%s", qPrintable(m)); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
