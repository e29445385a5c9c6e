// The base attack windows on the full campaign, each played whole as from the contact board: an
// Axis strike of 18 bombers on MALTA HQ (opened, the four steps, "&FINE AZIONE") and an Allied
// group of 12 ships bombarding TRIPOLI at full duration (opened, "&Fuoco!", "F&ine"), with ten
// ships in each port; and each window's click that writes the outcome alone (the strike's last
// pass, the salvo). The dice are chosen: a fixed sequence that runs over every face, begun again
// for each click timed alone.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/Dice.h"
#include "game/combat/FrmAuto.h"
#include "game/combat/FrmBombNav.h"
#include "tests/game/combat/BaseAttackShips.h"

namespace {

constexpr int kMaltaHq = 12;
constexpr int kTripoli = 7;
constexpr int kBomber = 3;
constexpr int kBombarding = 1;

// Faces stepping by a prime through each die, so that hits, misses and criticals all come up.
long long roll = 0;
int chosenFace(int sides) {
    return int(++roll * 37 % std::max(sides, 1)) + 1;
}

void armBomber() {
    Int16* r = G().GaTableAsse[kBomber];
    r[GaCol::Order] = kOrderBombing, r[GaCol::Aircraft] = 18, r[GaCol::Damaged] = 0, r[GaCol::ShotDown] = 0;
    r[GaCol::Bombs] = 4, r[GaCol::BombSize] = 250, r[GaCol::InterceptPercent] = 60;
    r[GaCol::TargetBase] = kMaltaHq;
    G().BaseTable[kMaltaHq][BaseCol::DamagePercent] = 0;
}

void orderBombardment() {
    Int16* r = G().GnTableAlle[kBombarding];
    r[GnCol::Order] = kNavalBombardment, r[GnCol::BombardedBase] = kTripoli;
    r[bombardment::kFoughtContactColumn] = 0;
    G().BaseTable[kTripoli][BaseCol::DamagePercent] = 0;
    G().BaseTable[kTripoli][BaseCol::ShipsPresent] = 10;
}

const bench::FullCampaign& attackCampaign() {
    static const bench::FullCampaign c([] {
        armBomber();
        orderBombardment();
    });
    static const bool written = [] {
        c.choose();
        QList<attackships::Ship> malta, tripoli;
        for (int i = 0; i < 10; ++i) {
            malta << attackships::Ship{.name = QStringLiteral("Porto %1").arg(i), .port = kMaltaHq, .aa = 12};
            tripoli << attackships::Ship{.name = QStringLiteral("Porto %1").arg(i), .port = kTripoli};
        }
        attackships::append(kAllies, malta);
        attackships::append(kAxis, tripoli);
        return true;
    }();
    (void)written;
    return c;
}

void handOver(int base, int side, int group) {
    Int32* oc = G().OperationContext;
    oc[1] = 0, oc[2] = base, oc[5] = side, oc[6] = group;
}

void BM_AirStrikeWhole(benchmark::State& state) {
    setDiceSource(chosenFace);
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            handOver(kMaltaHq, kAxis, kBomber);
            FrmAuto& f = platform::form<FrmAuto>();
            for (platform::CommandButton* b :
                 {&f.Command1, &f.Command3, &f.Command4, &f.Command5, &f.Command2})
                b->doClick();
        },
        [](FrmMain&) {
            platform::unload<FrmAuto>();
            armBomber();
        },
        attackCampaign());
    setDiceSource({});
}
BENCHMARK(BM_AirStrikeWhole)->Unit(benchmark::kMillisecond);

void BM_NavalBombardmentWhole(benchmark::State& state) {
    setDiceSource(chosenFace);
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            handOver(kTripoli, kAllies, kBombarding);
            FrmBombNav& f = platform::form<FrmBombNav>();
            f.Command1.doClick();
            f.Command2.doClick();
        },
        [](FrmMain&) {
            platform::unload<FrmBombNav>();
            orderBombardment();
        },
        attackCampaign());
    setDiceSource({});
}
BENCHMARK(BM_NavalBombardmentWhole)->Unit(benchmark::kMillisecond);

// The strike opened and taken to its last pass, the dice begun again.
void strikeAtLastPass(FrmMain&) {
    roll = 0;
    handOver(kMaltaHq, kAxis, kBomber);
    FrmAuto& f = platform::form<FrmAuto>();
    for (platform::CommandButton* b : {&f.Command1, &f.Command3, &f.Command4}) b->doClick();
}

// "&FINE AZIONE" after the bombing: the last pass, the group, the base and the port's ships written.
void BM_AirStrikeEnded(benchmark::State& state) {
    setDiceSource(chosenFace);
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            FrmAuto& f = platform::form<FrmAuto>();
            f.Command5.doClick();
            if (f.Command5.enabled() || !f.Command2.enabled()) qFatal("the strike did not end");
        },
        [](FrmMain& m) {
            platform::unload<FrmAuto>();
            bench::putBackCampaignFiles();
            strikeAtLastPass(m);
        },
        attackCampaign(), strikeAtLastPass);
    setDiceSource({});
}
BENCHMARK(BM_AirStrikeEnded)->Apply(bench::timedAsAction);

// The bombardment opened, the dice begun again.
void bombardmentOpened(FrmMain&) {
    roll = 0;
    handOver(kTripoli, kAllies, kBombarding);
    platform::form<FrmBombNav>();
}

// "&Fuoco!": the salvo's hits on the port's ships and the group's, the base and the tables written.
void BM_NavalBombardmentSalvo(benchmark::State& state) {
    setDiceSource(chosenFace);
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            FrmBombNav& f = platform::form<FrmBombNav>();
            f.Command1.doClick();
            if (f.Command1.enabled()) qFatal("the salvo was not fired");
        },
        [](FrmMain& m) {
            platform::unload<FrmBombNav>();
            bench::putBackCampaignFiles();
            bombardmentOpened(m);
        },
        attackCampaign(), bombardmentOpened);
    setDiceSource({});
}
BENCHMARK(BM_NavalBombardmentSalvo)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
