// One press of the hour button, as a click runs it, on a full campaign (50 naval and 50 air groups
// a side, 600 ships a side, every naval group under way on a grid of the open sea so that many meet
// and some pass in sight of a base), against one copy of the campaign folder that flushes each file
// and each folder to the disk once.
#include "BenchMain.h"
#include "FullCampaign.h"
#include "Paints.h"
#include "common/CampaignSnapshot.h"
#include "common/Dice.h"
#include "game/main/CampaignOpen.h"
#include "game/main/FrmMain.h"
#include "game/main/HourStep.h"

#include <QApplication>
#include <QElapsedTimer>
#include <fcntl.h>
#include <map>
#include <memory>
#include <set>
#include <unistd.h>
#include <vector>

namespace {

bench::FullCampaign& campaign() {
    static bench::FullCampaign c(fullcampaign::underWay);
    return c;
}

// The same campaign with 2,400 ships a side.
bench::FullCampaign& largeCampaign() {
    static bench::FullCampaign c(fullcampaign::underWay, 2400);
    return c;
}

// One copy of the campaign folder into `to`, as a step that rewrites the whole campaign safely
// would make it at the least: each file written and flushed to the disk once, then each folder of
// the copy once (no copy routine of the library, which may flush on its own besides).
void copyFolderSyncedOnce(const QString& from, const QString& to) {
    std::set<QString> folders{to};
    QDir().mkpath(to);
    std::vector<char> buffer(1 << 20);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + u'/' + QDir(from).relativeFilePath(src);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(dst);
            folders.insert(dst);
            continue;
        }
        QDir().mkpath(QFileInfo(dst).path());
        folders.insert(QFileInfo(dst).path());
        const int in = ::open(QFile::encodeName(src).constData(), O_RDONLY | O_CLOEXEC);
        const int out =
            ::open(QFile::encodeName(dst).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (in >= 0 && out >= 0) {
            for (ssize_t n; (n = ::read(in, buffer.data(), buffer.size())) > 0;) {
                if (::write(out, buffer.data(), std::size_t(n)) != n) break;
            }
            ::fsync(out);
        }
        if (in >= 0) ::close(in);
        if (out >= 0) ::close(out);
    }
    for (const QString& folder : folders) {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) continue;
        ::fsync(fd);
        ::close(fd);
    }
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t mid = v.size() / 2;
    return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

// The hour as the running program plays it: the hour button's click with the events processed
// after it, the main window shown and its progress bar painted as the hour goes. Each iteration is
// a pair, in the same run and on the same disk: the hour, and one copy of the campaign folder with
// its syncs, in turn the one first and then the other, the disk's dirty pages written out before
// each (untimed). The library's Time is the hour's wall time; "ratio" is the median over the pairs
// of the hour's wall time over the copy's, beside the median hour (wall_ms, cpu_ms, syncs), the
// median copy (copy_ms, copy_syncs) and the progress bar's paintings during an hour (bar_paints).
void hourAsPlayed(benchmark::State& state, bench::FullCampaign& c) {
    c.choose();
    if (!apriGioco()) state.SkipWithError("the campaign did not open");
    FrmMain& f = platform::form<FrmMain>();
    const QString folder = c.dir.path() + QStringLiteral("/Data/giochi");
    const CampaignSnapshot start;
    QApplication::processEvents();
    bench::Paints paints(f.ProgressBar1.widget());
    bench::ActionClock clock;
    std::vector<double> copies, copySyncCounts, ratios, barPaints;
    bool hourFirst = false, failed = false;
    int copy = 0;
    for (auto _ : state) {
        double hourMs = 0, copyMs = 0, copySyncs = 0;
        auto timeHour = [&] {
            ::sync();
            const long long paintsBefore = paints.count;
            const long long hourBefore = G().state(StateItem::Hour);
            QElapsedTimer t;
            t.start();
            clock.start();
            f.Command22.doClick();
            QApplication::processEvents();
            clock.stop();
            hourMs = double(t.nsecsElapsed()) / 1e6;
            barPaints.push_back(double(paints.count - paintsBefore));
            failed = G().state(StateItem::Hour) == hourBefore;
        };
        auto timeCopy = [&] {
            const QString to = c.dir.path() + QStringLiteral("/copy%1").arg(++copy);
            ::sync();
            QElapsedTimer t;
            t.start();
            const long long syncsBefore = bench::syncCount();
            copyFolderSyncedOnce(folder, to);
            copyMs = double(t.nsecsElapsed()) / 1e6;
            copySyncs = double(bench::syncCount() - syncsBefore);
            QDir(to).removeRecursively();
        };
        if (hourFirst) {
            timeHour();
            timeCopy();
        } else {
            timeCopy();
            timeHour();
        }
        if (failed) {
            state.SkipWithError("the hour was not played: its message is in the log");
            break;
        }
        hourFirst = !hourFirst;
        state.SetIterationTime(hourMs / 1e3);
        copies.push_back(copyMs);
        copySyncCounts.push_back(copySyncs);
        ratios.push_back(hourMs / std::max(copyMs, 1e-3));
        start.restore();
        f.Command22.setEnabled(true);
        QApplication::processEvents();
    }
    clock.report(state);
    state.counters["copy_ms"] = median(copies);
    state.counters["copy_syncs"] = median(copySyncCounts);
    state.counters["ratio"] = median(ratios);
    state.counters["bar_paints"] = median(barPaints);
    platform::testing::resetForms();
}

void BM_HourAsPlayed(benchmark::State& state) {
    hourAsPlayed(state, campaign());
}
BENCHMARK(BM_HourAsPlayed)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(bench::minTime<2>);

void BM_HourAsPlayed2400Ships(benchmark::State& state) {
    hourAsPlayed(state, largeCampaign());
}
BENCHMARK(BM_HourAsPlayed2400Ships)->UseManualTime()->Unit(benchmark::kMillisecond)->Apply(bench::minTime<2>);

// The copy the hour is weighed against, alone.
void BM_CopyCampaignFolder(benchmark::State& state) {
    const QString folder = campaign().dir.path() + QStringLiteral("/Data/giochi");
    const QTemporaryDir copies;
    const QString to = copies.path() + QStringLiteral("/giochi");
    bench::ActionClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(to).removeRecursively();
        ::sync();
        state.ResumeTiming();
        clock.start();
        copyFolderSyncedOnce(folder, to);
        clock.stop();
    }
    clock.report(state);
}
BENCHMARK(BM_CopyCampaignFolder)->Apply(bench::timedAsAction);

void BM_OneHour(benchmark::State& state) {
    bench::FullCampaign& c = campaign();
    c.choose();
    if (!apriGioco()) state.SkipWithError("the campaign did not open");
    FrmMain& f = platform::form<FrmMain>();
    const CampaignSnapshot start;
    int activities = 0, contacts = 0;
    bench::ActionClock clock;
    for (auto _ : state) {
        clock.start();
        f.Command22.doClick();
        clock.stop();
        state.PauseTiming();
        activities = int(G().state(StateItem::Activities));
        contacts = int(G().state(StateItem::Contacts));
        start.restore();
        f.Command22.setEnabled(true);
        state.ResumeTiming();
    }
    clock.report(state);
    state.counters["activities"] = activities;
    state.counters["contacts"] = contacts;
    platform::testing::resetForms();
}
BENCHMARK(BM_OneHour)->Apply(bench::timedAsAction);

// The same hour as rules, with no window.
void BM_OneHourWithoutWindow(benchmark::State& state) {
    bench::FullCampaign& c = campaign();
    c.choose();
    loadCampaign();
    const CampaignSnapshot start;
    HourView nothing;
    for (auto _ : state) {
        if (!runHourWhole(nothing).done) state.SkipWithError("the hour failed");
        state.PauseTiming();
        start.restore();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OneHourWithoutWindow)->Unit(benchmark::kMillisecond);

// The hour without its window against the size of the campaign: the same 50 naval groups a side
// under way, with the argument's ships a side shared among them. Time is the hour's wall time;
// us_per_ship the median hour's over the ships of both sides, which stays flat as the campaign
// grows (the hour's fixed cost weighs more on the smaller ones), cpu_us_per_ship the same of its
// CPU time. Every iteration plays the same hour (the same seeded dice), so that the sizes and two
// builds compare like with like. A short run plays the two smaller sizes, whose campaigns the other
// benchmarks have made already.
bench::FullCampaign& campaignOf(int shipsPerSide) {
    if (shipsPerSide == 600) return campaign();
    if (shipsPerSide == 2400) return largeCampaign();
    static std::map<int, std::unique_ptr<bench::FullCampaign>> made;
    std::unique_ptr<bench::FullCampaign>& c = made[shipsPerSide];
    if (!c) c = std::make_unique<bench::FullCampaign>(fullcampaign::underWay, shipsPerSide);
    return *c;
}

void BM_HourScale(benchmark::State& state) {
    const int ships = int(state.range(0));
    bench::FullCampaign& c = campaignOf(ships);
    c.choose();
    loadCampaign();
    const CampaignSnapshot start;
    HourView nothing;
    bench::ActionClock clock;
    std::vector<double> hours;
    for (auto _ : state) {
        const SeededDice dice(57);
        QElapsedTimer t;
        t.start();
        clock.start();
        const bool done = runHourWhole(nothing).done;
        clock.stop();
        hours.push_back(double(t.nsecsElapsed()) / 1e6);
        if (!done) {
            state.SkipWithError("the hour failed");
            break;
        }
        state.PauseTiming();
        start.restore();
        state.ResumeTiming();
    }
    clock.report(state);
    state.counters["us_per_ship"] = median(hours) * 1e3 / (2.0 * ships);
    state.counters["cpu_us_per_ship"] = state.counters["cpu_ms"] * 1e3 / (2.0 * ships);
}
BENCHMARK(BM_HourScale)
    ->Apply([](benchmark::internal::Benchmark* b) {
        for (int ships : {600, 2400, 4800, 9600, 16000})
            if (!bench::shortRun() || ships <= 2400) b->Arg(ships);
    })
    ->Apply(bench::timedAsAction)
    ->Apply(bench::minTime<1>);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
