// Timing a window opened from the main window on a campaign of the benchmarks: its opening (its
// actions are timed with bench::timeWindowAction of MainWindowAction.h), and campaign settings
// rich enough for every purchase.
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
