// The contact board on an hour of 30 contacts of the full campaign (every naval group under a
// combat air patrol): the board opened by the contact button, the plot redrawn at each step of its
// scale (the step changed, then the contact selected again), and a naval attack on a contact
// confirmed from the map's contact panel.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/ContactFiles.h"
#include "game/combat/FrmContatti.h"
#include "game/combat/FrmContatti2.h"
#include "game/main/CampaignOpen.h"

namespace {

constexpr int kContacts = 30;

// The hour's contacts: Allied group i commits against Axis group i, which lies at the same point.
void writeContacts() {
    Globals& g = G();
    g.ContattiGestiti = 0;
    g.ActivityKind = kActNavalMeeting;
    g.SightValueAlle = 12, g.EvasionValueAsse = 10, g.SightValueAsse = 5, g.EvasionValueAlle = 10;
    g.SightDieAlle = 6, g.SightDieAsse = 3;
    for (int i = 1; i <= kContacts; ++i) {
        g.EncounterGnAlle = g.EncounterGnAsse = i;
        ScriviContattoGN();
        const int n = openContactFile(20);
        ContactRecord c = readContact(20, n);
        c.STATTACCOLATO1 = 1;
        writeContact(20, n, c);
        g.Files.close(20);
    }
}

const bench::FullCampaign& contactCampaign() {
    static const bench::FullCampaign c([] {
        Globals& g = G();
        for (int side : {kAllies, kAxis})
            for (int n = 1; n <= kGroups; ++n) {
                g.gnTable(side)[n][GnCol::Course] = 5;
                g.gnTable(side)[n][GnCol::PatrolGroups] = 1;
                g.gaTable(side)[n][GaCol::CoveredGn] = n;
            }
    });
    static const bool written = [] {
        c.choose();
        loadCampaign();
        writeContacts();
        return true;
    }();
    (void)written;
    return c;
}

FrmContatti& board() {
    return platform::form<FrmContatti>();
}
FrmContatti2& plot() {
    return platform::form<FrmContatti2>();
}
// The contact in the middle of the list, whose neighbours lie on both sides of it.
void selectContact() {
    board().List1.doPick(kContacts / 2);
}

void BM_ContactBoardOpens(benchmark::State& state) {
    bench::timeMainWindowAction(
        state, [](FrmMain& f) { f.Command23_Click(); }, {}, contactCampaign());
}
BENCHMARK(BM_ContactBoardOpens)->Unit(benchmark::kMillisecond);

// The plot at step `range(0)`: reached by "&+" from the step below (by "&-" from step 2 for step 1)
// and the contact selected again; the opposite button puts the step back.
void BM_ContactPlotAtStep(benchmark::State& state) {
    const int step = int(state.range(0));
    const bool down = step == contactboard::kFirstPlotStep;
    bench::timeMainWindowAction(
        state,
        [down](FrmMain&) {
            if (down)
                plot().Command1_Click();
            else
                plot().Command2_Click();
            selectContact();
        },
        [down](FrmMain&) {
            if (down)
                plot().Command2_Click();
            else
                plot().Command1_Click();
        },
        contactCampaign(),
        [step, down](FrmMain& f) {
            f.Command23_Click();
            const int from = down ? step + 1 : step - 1;
            while (plot().PlotScaleStep < from) plot().Command2_Click();
            while (plot().PlotScaleStep > from) plot().Command1_Click();
            selectContact();
        });
    state.counters["step"] = step;
}
BENCHMARK(BM_ContactPlotAtStep)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

// The map's contact panel of the Allies with the contact in the middle of the list picked.
void contactPicked(FrmMain& f) {
    G().CurrentSide = kAllies;
    f.Image29_Click();
    f.List9.doPick(kContacts / 2);
}

// "ATTACCA con &GN:": the contact's record rewritten for the attack.
void BM_NavalAttackConfirmed(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain& f) {
            f.Command19.doClick();
            if (!f.List9.list(f.List9.listCount() - 1).endsWith(u'?')) qFatal("the attack was not committed");
        },
        [](FrmMain& f) {
            Globals& g = G();
            for (int n = 1; n <= kGroups; ++n)
                for (int k = 0; k < 3; ++k) g.GnAttackMarksAlle[n][k] = g.GnAttackMarksAsse[n][k] = 0;
            bench::putBackCampaignFiles();
            contactPicked(f);
        },
        contactCampaign(), contactPicked);
}
BENCHMARK(BM_NavalAttackConfirmed)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
