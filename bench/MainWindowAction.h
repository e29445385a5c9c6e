// Timing one player action in the main window on the full campaign. A window's benchmark is a few
// lines:
//
//     void BM_PanelOpens(benchmark::State& state) {
//         bench::timeMainWindowAction(state, [](FrmMain& f) { f.Command17_Click(); });
//     }
//     BENCHMARK(BM_PanelOpens)->Unit(benchmark::kMillisecond);
//
// The campaign is opened into the main window once per benchmark. Each iteration times the action
// as a click runs it (through platform::runHandler) and the repaint it asks for; `restore`, untimed,
// then puts back what the action changed so that every click finds what the first one found. A
// window opened from the main window is reached inside the action (platform::form<FrmX>()).
// `prepare`, untimed, runs once after the campaign opens (a window opened, a state reached).
#pragma once

#include "FullCampaign.h"
#include "common/MapRoutines.h"
#include "game/main/FrmMain.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>

namespace bench {

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
    FrmMain& f = platform::form<FrmMain>();
    if (prepare) platform::runHandler([&] { prepare(f); });
    QApplication::processEvents();
    for (auto _ : state) {
        platform::runHandler([&] { action(f); });
        QApplication::processEvents();
        if (restore) {
            state.PauseTiming();
            platform::runHandler([&] { restore(f); });
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
    platform::testing::resetForms();
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
