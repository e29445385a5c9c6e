// The base attack windows on the full campaign, each played whole as from the contact board: an
// Axis strike of 18 bombers on MALTA HQ (opened, the four steps, "&FINE AZIONE") and an Allied
// group of 12 ships bombarding TRIPOLI at full duration (opened, "&Fuoco!", "F&ine"), with ten
// ships in each port. The dice are chosen: a fixed sequence that runs over every face.
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
int chosenFace(int sides) {
    static long long roll = 0;
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

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
