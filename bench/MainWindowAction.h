// Timing one player action in the main window on the full campaign. A window's benchmark is a few
// lines:
//
//     void BM_PanelOpens(benchmark::State& state) {
//         bench::timeMainWindowAction(state, [](FrmMain& f) { f.Command17_Click(); });
//     }
//     BENCHMARK(BM_PanelOpens)->Unit(benchmark::kMillisecond);
//
// The campaign is opened into the main window once per run of a benchmark, and its files are put
// back as they were opened at the end of the run. Each iteration times the action as a click runs
// it (through platform::runHandler: one transaction over the campaign's files, its commit and
// syncs included) and the repaint it asks for; ActionClock.h gives the wall time, the CPU time and
// the syncs of the median click. `restore`, untimed, then puts back what the action changed in the
// windows, and the campaign's files and the tables in memory are put back as the first click found
// them, so that every click finds what the first one found. A window opened from the main
// window is reached inside the action (platform::form<FrmX>()). `prepare`, untimed, runs once
// after the campaign opens (a window opened, a state reached).
#pragma once

#include "ActionClock.h"
#include "FullCampaign.h"
#include "common/BaseTable.h"
#include "common/CampaignSetup.h"
#include "common/CampaignSnapshot.h"
#include "common/DataFolder.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/SaveBatch.h"
#include "game/main/FrmMain.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>
#include <map>
#include <optional>

namespace bench {

// The tables a campaign's files hold, as memory holds them now (what a click has not saved yet
// included).
class KeptTables {
  public:
    KeptTables() {
        const Globals& g = G();
        copy(g.GnTableAlle, gnAlle_), copy(g.GnTableAsse, gnAsse_);
        copy(g.GaTableAlle, gaAlle_), copy(g.GaTableAsse, gaAsse_);
        copy(g.GaNamesAlle, namesAlle_), copy(g.GaNamesAsse, namesAsse_);
        copy(g.BaseTable, bases_), copy(g.GameState, state_), copy(g.MineFields, mines_);
    }
    void putBack() const {
        Globals& g = G();
        copy(gnAlle_, g.GnTableAlle), copy(gnAsse_, g.GnTableAsse);
        copy(gaAlle_, g.GaTableAlle), copy(gaAsse_, g.GaTableAsse);
        copy(namesAlle_, g.GaNamesAlle), copy(namesAsse_, g.GaNamesAsse);
        copy(bases_, g.BaseTable), copy(state_, g.GameState), copy(mines_, g.MineFields);
    }

  private:
    template <class T, std::size_t N> static void copy(const T (&from)[N], T (&to)[N]) {
        for (std::size_t i = 0; i < N; ++i) copy(from[i], to[i]);
    }
    template <class T> static void copy(const T& from, T& to) { to = from; }
    GroupTable gnAlle_, gnAsse_, gaAlle_, gaAsse_;
    GroupNames namesAlle_, namesAsse_;
    decltype(Globals::BaseTable) bases_;
    decltype(Globals::GameState) state_;
    decltype(Globals::MineFields) mines_;
};

// The open campaign as a click finds it: its files, and the tables in memory.
class KeptCampaign {
  public:
    KeptCampaign() {
        if (!qEnvironmentVariableIsSet("BENCH_SHOW_PUT_BACK")) return;
        for (const QString& name : campaignFileNames(G().CampaignName)) {
            const QString path = platform::diskPath(campaignPath(name));
            files_[path] =
                platform::fileExists(path) ? std::optional(platform::readWholeFile(path)) : std::nullopt;
        }
    }
    // Puts the files and the tables back; the files that differ are named in the log when
    // BENCH_SHOW_PUT_BACK is set.
    void putBack() const {
        for (const auto& [path, bytes] : files_) {
            const bool exists = platform::fileExists(path);
            if (exists != bytes.has_value() || (exists && platform::readWholeFile(path) != *bytes))
                qWarning("put back: %s", qPrintable(path));
        }
        // Table saves held for the end of the handler would write over the files put back.
        dropDueSaves();
        snapshot_.putBack();
        tables_.putBack();
    }

  private:
    CampaignSnapshot snapshot_;
    KeptTables tables_;
    std::map<QString, std::optional<QByteArray>> files_;
};

inline const KeptCampaign*& keptCampaign() {
    static const KeptCampaign* kept = nullptr;
    return kept;
}

// For a `restore` that fills a window again from the files: they are put back first.
inline void putBackCampaignFiles() {
    if (keptCampaign()) keptCampaign()->putBack();
}

// Times `click` as a handler, with the repaint it asks for. Then, untimed, `restore` undoes it in
// the windows (and in what memory holds beside the tables), and the files and the tables are put
// back as the first click found them. A click that shows an error message stops the benchmark.
// `restore` (and `prepare` of the callers) runs outside any handler, so that each click it makes
// is a transaction of its own, as a player's clicks are: a table change made in memory and not
// saved yet stays for the timed click to save.
inline void timeClicks(benchmark::State& state, const std::function<void()>& click,
                       const std::function<void()>& restore) {
    std::optional<KeptCampaign> kept;
    if (restore) kept.emplace();
    keptCampaign() = kept ? &*kept : nullptr;
    QApplication::processEvents();
    ActionClock clock;
    for (auto _ : state) {
        const long long errors = errorsShown();
        clock.start();
        platform::runHandler(click);
        QApplication::processEvents();
        clock.stop();
        if (errorsShown() != errors) {
            state.SkipWithError("the action failed: its message is in the log");
            break;
        }
        if (restore) {
            state.PauseTiming();
            restore();
            kept->putBack();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
    clock.report(state);
    keptCampaign() = nullptr;
}

// The campaign of the benchmarks that need nothing special, written once per program.
inline FullCampaign& fullCampaign() {
    static FullCampaign c;
    return c;
}

using MainWindowStep = std::function<void(FrmMain&)>;

inline void timeMainWindowAction(benchmark::State& state, const MainWindowStep& action,
                                 const MainWindowStep& restore = {},
                                 const FullCampaign& campaign = fullCampaign(),
                                 const MainWindowStep& prepare = {}) {
    campaign.choose();
    if (!apriGioco()) {
        state.SkipWithError("the campaign did not open");
        platform::testing::resetForms();
        return;
    }
    // The library runs a benchmark more than once: each run finds the files as the first did.
    const CampaignSnapshot opened;
    FrmMain& f = platform::form<FrmMain>();
    if (prepare) prepare(f);
    timeClicks(
        state, [&] { action(f); },
        restore ? std::function<void()>([&] { restore(f); }) : std::function<void()>());
    platform::testing::resetForms();
    opened.putBack();
}

// The map reloaded with its base squares and every naval group's mark, both sides; `afterMark`
// runs after each group's mark with the working group set to it.
inline void redrawGroupMarks(const std::function<void(const Int16* row)>& afterMark = {}) {
    Globals& g = G();
    RicaricaMappa();
    DisegnaBasi();
    for (int side : {kAllies, kAxis}) {
        g.CurrentSide = side;
        g.SideColour = side == kAllies ? platform::vbYellow : platform::vbRed;
        for (int n = 1; n <= kGroups; ++n) {
            const Int16* row = g.gnTable(side)[n];
            g.GnPosX = row[GnCol::X];
            g.GnPosY = row[GnCol::Y];
            DisegnaSegnoGN();
            if (afterMark) afterMark(row);
        }
    }
}

// Times `action` on the window T opened from the main window: `beforeOpening` sets the state it
// opens in (the side in play, the hour), then T is shown and prepared, all before the clock starts.
template <class T>
void timeWindowAction(benchmark::State& state, const std::function<void(T&)>& action,
                      const std::function<void(T&)>& restore, const FullCampaign& campaign,
                      const std::function<void()>& beforeOpening = {},
                      const std::function<void(T&)>& prepare = {}) {
    timeMainWindowAction(
        state, [&](FrmMain&) { action(platform::form<T>()); },
        [&](FrmMain&) {
            if (restore) restore(platform::form<T>());
        },
        campaign,
        [&](FrmMain&) {
            if (beforeOpening) beforeOpening();
            platform::form<T>().show();
            if (prepare) prepare(platform::form<T>());
        });
}

} // namespace bench
