// Timing a window opened from the main window on a campaign of the benchmarks: its opening, and
// one of its actions with the window open (and prepared) before the clock starts.
#pragma once

#include "MainWindowAction.h"
#include "common/CampaignSetup.h"

namespace bench {

// The settings of a 1942 campaign whose sides have points for all they may buy, with every new
// ship available.
inline void writeAmpleSettings() {
    std::array<long long, kSettings + 1> items{};
    items[1] = 30;
    items[2] = 3;
    items[3] = 1942;
    items[4] = items[5] = 100000000;
    items[6] = items[7] = 100000000;
    items[10] = items[11] = 100;
    writeSettingsFile(items);
}

template <class T>
void timeWindowAction(benchmark::State& state, const FullCampaign& campaign, int side,
                      const std::function<void(T&)>& action, const std::function<void(T&)>& restore = {},
                      const std::function<void(T&)>& prepare = {}) {
    timeMainWindowAction(
        state, [&](FrmMain&) { action(platform::form<T>()); },
        [&](FrmMain&) {
            if (restore) restore(platform::form<T>());
        },
        campaign,
        [&](FrmMain&) {
            G().CurrentSide = side;
            platform::form<T>().show();
            if (prepare) prepare(platform::form<T>());
        });
}

// The window built, loaded and shown for the side; unloaded after each time.
template <class T> void timeWindowOpening(benchmark::State& state, const FullCampaign& campaign, int side) {
    timeMainWindowAction(
        state,
        [side](FrmMain&) {
            G().CurrentSide = side;
            platform::form<T>().show();
        },
        [](FrmMain&) { platform::unload<T>(); }, campaign);
}

} // namespace bench
