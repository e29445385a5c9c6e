// The last window of the new-campaign wizard on the benchmarks' campaign, its ship and aircraft
// files made from the shipped archives as the window makes them when it opens: a free ship placed
// at GIBILTERRA, and ten free aircraft confirmed at an Allied air base. Each click is one step
// of the window, saved whole; it is undone by opening the window again on the files put back.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "game/start/FrmMezziGratis.h"

namespace {

using Step = std::function<void(FrmMezziGratis&)>;

FrmMezziGratis& wizard() {
    return platform::form<FrmMezziGratis>();
}

// The window opened on the campaign and `prepare` run; each click of `click` timed, then the window
// opened again on the files put back and prepared again.
void timeWizardStep(benchmark::State& state, const Step& prepare, const Step& click) {
    bench::fullCampaign().choose();
    const CampaignSnapshot chosen;
    wizard();
    if (!G().CampaignOpen) {
        state.SkipWithError("the wizard's last window did not open");
    } else {
        prepare(wizard());
        bench::timeClicks(
            state, [&] { click(wizard()); },
            [&] {
                platform::unload<FrmMezziGratis>();
                bench::putBackCampaignFiles();
                prepare(wizard());
            });
    }
    G().CampaignOpen = false;
    platform::testing::resetForms();
    chosen.putBack();
}

// The Allies' free ships, GIBILTERRA chosen.
void shipPhase(FrmMezziGratis& w) {
    w.Command2_Click();
    w.Command1_Click();
    w.Combo1.doPick(1);
}

void BM_WizardFreeShipPlaced(benchmark::State& state) {
    timeWizardStep(state, shipPhase, [](FrmMezziGratis& w) {
        const int placed = w.List2.listCount();
        w.List1.doPickDouble(0);
        if (w.List2.listCount() != placed + 1) qFatal("the free ship was not placed");
    });
}
BENCHMARK(BM_WizardFreeShipPlaced)->Apply(bench::timedAsAction);

// The Allies' free aircraft: the first air base, its first type, ten aircraft added.
void aircraftPhase(FrmMezziGratis& w) {
    w.Command4_Click();
    w.Command1_Click();
    w.Combo2.doPick(0);
    w.List3.doPick(0);
    for (int i = 0; i < 10; ++i) w.Command6.doClick();
}

void BM_WizardAircraftConfirmed(benchmark::State& state) {
    timeWizardStep(state, aircraftPhase, [](FrmMezziGratis& w) {
        if (w.pendingAircraft() != 10) qFatal("the aircraft were not added");
        w.Command8.doClick();
        if (w.pendingAircraft() != 0) qFatal("the aircraft were not confirmed");
    });
}
BENCHMARK(BM_WizardAircraftConfirmed)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
