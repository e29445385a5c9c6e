// The air attack of a patrol on the full campaign: an Axis group of 18 aircraft attacks an Allied
// group of 10 ships, each aircraft through the anti-aircraft fire, four bombs on target and
// strafing, so that every ship's record and the group tables are written as the hits fall; the
// window opened with the contact's values and closed at the end; and one release of bombs alone,
// the hit written. The ship damage entry: on a group of 12 ships, one ship's damage confirmed.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"
#include "game/combat/FormDanniNavi.h"
#include "game/combat/FrmPatrol.h"

#include <array>

namespace {

namespace F = recordformat::ship;

constexpr int kAircraft = 18;
constexpr int kShips = 10;
constexpr int kTarget = 1; // Allied naval group
constexpr int kRaid = 1;   // Axis air group

const bench::FullCampaign& patrolCampaign() {
    static const bench::FullCampaign c([] {
        Globals& g = G();
        Int16* a = g.GaTableAsse[kRaid];
        a[GaCol::Order] = kOrderPatrol, a[GaCol::Aircraft] = kAircraft, a[GaCol::InAction] = kAircraft;
        a[GaCol::StrafingFactor] = 3, a[GaCol::Bombs] = 4, a[GaCol::BombSize] = 50;
        a[GaCol::AttackFactor] = 20, a[GaCol::InterceptPercent] = 60;
        g.GnTableAlle[kTarget][GnCol::Aam] = 30;
    });
    return c;
}

// What the attack changes, kept to put back between two attacks.
struct Saved {
    QByteArray ships;
    std::array<Int16, kGroupColumns + 1> target{}, raid{};
};
Saved& saved() {
    static Saved s;
    return s;
}

// The target group down to 10 ships with some AA each (two of its twelve left in port), the
// dice chosen so that the fire misses (15 over 10 %), every bomb hits (1 of 125) for 3 points, and
// the strafing hits (15 under 17 %).
void prepareAttack(FrmMain&) {
    Globals& g = G();
    g.DayFlag = 1;
    int inGroup = 0;
    const int count = openShipFile(kChannelShips, kAllies);
    for (int r = 1; r <= count; ++r) {
        readShip(kChannelShips, r);
        ShipRecord& s = g.ShipRecordBuffer;
        if (s.whole(F::NUMERO_GN) != kTarget) continue;
        if (++inGroup > kShips) s.setNumber(F::NUMERO_GN, 0);
        s.setNumber(F::AAM, 3);
        s.setNumber(F::AAMM, 3);
        writeShip(kChannelShips, r);
    }
    g.Files.close(kChannelShips);
    saved().ships = platform::readWholeFile(shipFilePath(kAllies));
    std::copy(std::begin(g.GnTableAlle[kTarget]), std::end(g.GnTableAlle[kTarget]), saved().target.begin());
    std::copy(std::begin(g.GaTableAsse[kRaid]), std::end(g.GaTableAsse[kRaid]), saved().raid.begin());
    setDiceSource([](int sides) { return sides == 125 ? 1 : sides == 100 ? 15 : 3; });
}

void restoreAttack(FrmMain&) {
    Globals& g = G();
    platform::writeWholeFile(shipFilePath(kAllies), saved().ships);
    std::copy(saved().target.begin(), saved().target.end(), std::begin(g.GnTableAlle[kTarget]));
    std::copy(saved().raid.begin(), saved().raid.end(), std::begin(g.GaTableAsse[kRaid]));
    SalvaTabelleGruppi(); // the next run opens the campaign from its files
}

void BM_PatrolAttackOf18AircraftOn10Ships(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            Int32* oc = G().OperationContext;
            oc[5] = kAxis, oc[6] = kRaid, oc[15] = kTarget, oc[16] = 0, oc[8] = kAxis;
            FrmPatrol& p = platform::form<FrmPatrol>();
            p.show();
            for (int i = 0; i < kAircraft; ++i) {
                p.List1.doPickDouble(i % kShips);
                p.Command3.doClick();
                p.Command1.doClick();
                p.Command2.doClick();
            }
            if (p.Label16.caption() != QLatin1String("ATTACCO TERMINATO"))
                qFatal("the attack did not end: %s", qPrintable(p.Label16.caption()));
            p.Command4.doClick();
        },
        restoreAttack, patrolCampaign(), prepareAttack);
}
BENCHMARK(BM_PatrolAttackOf18AircraftOn10Ships)->Unit(benchmark::kMillisecond);

// The patrol's window opened with the contact's values, the first aircraft through the fire.
void firstAircraftOverTarget(FrmMain&) {
    Int32* oc = G().OperationContext;
    oc[5] = kAxis, oc[6] = kRaid, oc[15] = kTarget, oc[16] = 0, oc[8] = kAxis;
    FrmPatrol& p = platform::form<FrmPatrol>();
    p.show();
    p.List1.doPickDouble(0);
    p.Command3.doClick();
}

// "Sgancio": the bombs hit the ship, whose record and group are written.
void BM_PatrolBombsReleased(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            FrmPatrol& p = platform::form<FrmPatrol>();
            p.Command1.doClick();
            if (!p.Command2.enabled()) qFatal("the bombs were not released");
        },
        [](FrmMain& f) {
            platform::unload<FrmPatrol>();
            bench::putBackCampaignFiles();
            firstAircraftOverTarget(f);
        },
        patrolCampaign(),
        [](FrmMain& f) {
            prepareAttack(f);
            firstAircraftOverTarget(f);
        });
}
BENCHMARK(BM_PatrolBombsReleased)->Apply(bench::timedAsAction);

// The window opened on the group, the first ship picked and a fire typed.
void damageTyped(FrmMain&) {
    G().CurrentSide = kAllies;
    G().SelectedGn = kTarget;
    FormDanniNavi& f = platform::form<FormDanniNavi>();
    f.show();
    f.List1.doPick(0);
    f.Text1[damageentry::kFiresRow].setText(QStringLiteral("1"));
}

// "Conferma": the ship's record written.
void BM_ShipDamageEntryConfirmed(benchmark::State& state) {
    bench::timeMainWindowAction(
        state,
        [](FrmMain&) {
            FormDanniNavi& f = platform::form<FormDanniNavi>();
            f.Command2.doClick();
            if (f.Command2.enabled()) qFatal("the damage was not confirmed");
        },
        [](FrmMain& f) {
            platform::unload<FormDanniNavi>();
            bench::putBackCampaignFiles();
            damageTyped(f);
        },
        patrolCampaign(), damageTyped);
}
BENCHMARK(BM_ShipDamageEntryConfirmed)->Apply(bench::timedAsAction);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
