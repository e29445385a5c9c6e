// The supervisor's windows on the full campaign (600 ships a side, 50 naval and 50 air groups a
// side, 50 contacts in the hour): each window opening, and its main clicks.
#include "BenchMain.h"
#include "MainWindowAction.h"
#include "common/ContactFiles.h"
#include "game/points/FrmContattiFile.h"
#include "game/points/FrmEventi.h"
#include "game/points/FrmStack.h"
#include "game/points/FrmStackA.h"

namespace {

using platform::form;
using platform::unload;

constexpr int kContacts = 50;

// The hour's contacts, written after the campaign opens.
void writeContacts() {
    openContactFile(20);
    for (int i = 1; i <= kContacts; ++i) {
        ContactRecord c{};
        c.STVEDELATO1 = 1, c.STNSTACKLATO1 = i, c.STNSTACKLATO2 = i, c.STNUMNAVILATO2 = 12;
        c.STDISTANZA = 100, c.STB2 = kActNavalMeeting;
        writeContact(20, i, c);
    }
    G().Files.close(20);
    G().setState(StateItem::Contacts, kContacts);
}

// The full campaign opened in the main window, the hour's contacts written, and `prepare` run
// untimed; then each iteration times `action` as a click runs it, with its repaint, and `restore`
// (untimed) puts back what it changed (bench::timeMainWindowAction).
void timeSupervisor(benchmark::State& state, const std::function<void()>& prepare,
                    const std::function<void()>& action, const std::function<void()>& restore = {}) {
    bench::timeMainWindowAction(
        state, [&](FrmMain&) { action(); },
        restore ? bench::MainWindowStep([&](FrmMain&) { restore(); }) : bench::MainWindowStep(),
        bench::fullCampaign(),
        [&](FrmMain&) {
            writeContacts();
            if (prepare) prepare();
        });
}

// ---------------------------------------------------------------- naval groups and ships

void BM_StackOpens(benchmark::State& state) {
    timeSupervisor(
        state, {},
        [] {
            FrmStack& f = form<FrmStack>();
            f.show();
            f.Option1.doClick();
        },
        [] { unload<FrmStack>(); });
}
BENCHMARK(BM_StackOpens)->Unit(benchmark::kMillisecond);

void BM_StackGroupChosen(benchmark::State& state) {
    timeSupervisor(
        state,
        [] {
            form<FrmStack>().show();
            form<FrmStack>().Option1.doClick();
        },
        [] { form<FrmStack>().Combo1.doPick(24); });
}
BENCHMARK(BM_StackGroupChosen)->Unit(benchmark::kMillisecond);

// "&TUTTE LE NAVI": the side's 600 ships listed.
void BM_StackAllShips(benchmark::State& state) {
    timeSupervisor(
        state,
        [] {
            form<FrmStack>().show();
            form<FrmStack>().Option1.doClick();
        },
        [] { form<FrmStack>().Command5.doClick(); });
}
BENCHMARK(BM_StackAllShips)->Unit(benchmark::kMillisecond);

// One ship of the 600 chosen and its record shown.
void BM_StackShipShown(benchmark::State& state) {
    timeSupervisor(
        state,
        [] {
            FrmStack& f = form<FrmStack>();
            f.show();
            f.Option1.doClick();
            f.Command5.doClick();
        },
        [] { form<FrmStack>().List1.doPick(599); });
}
BENCHMARK(BM_StackShipShown)->Unit(benchmark::kMillisecond);

// A ship written back with its speed changed: the record, its group recomputed from the side's
// ships, the tables saved.
void BM_StackShipWritten(benchmark::State& state) {
    auto choose = [] {
        FrmStack& f = form<FrmStack>();
        f.Command5.doClick();
        f.List1.doPick(599);
        f.Text4.setText(QStringLiteral("25"));
    };
    timeSupervisor(
        state,
        [&] {
            form<FrmStack>().show();
            form<FrmStack>().Option1.doClick();
            choose();
        },
        [] {
            FrmStack& f = form<FrmStack>();
            if (f.Label7[20].caption() != QLatin1String("25")) qFatal("the speed was not typed");
            f.Command1.doClick();
        },
        choose);
}
BENCHMARK(BM_StackShipWritten)->Apply(bench::timedAsAction);

// A group's ship count typed and confirmed: weighed against the side's ship file before it is
// stored, then the tables saved; the count is put back between clicks.
void BM_StackGroupValueStored(benchmark::State& state) {
    auto pick = [] {
        FrmStack& f = form<FrmStack>();
        f.Combo1.doPick(24);
        f.Label2[GnCol::Ships - 1].doClick();
    };
    timeSupervisor(
        state,
        [&] {
            form<FrmStack>().show();
            form<FrmStack>().Option1.doClick();
            pick();
        },
        [] {
            FrmStack& f = form<FrmStack>();
            f.Text2.setText(QStringLiteral("11"));
            f.Command3.doClick();
        },
        [&] {
            G().GnTableAlle[25][GnCol::Ships] = 12;
            pick();
        });
}
BENCHMARK(BM_StackGroupValueStored)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- air groups

void BM_StackAOpens(benchmark::State& state) {
    timeSupervisor(
        state, {},
        [] {
            FrmStackA& f = form<FrmStackA>();
            f.show();
            f.Option1.doClick();
        },
        [] { unload<FrmStackA>(); });
}
BENCHMARK(BM_StackAOpens)->Unit(benchmark::kMillisecond);

// A group that targets an enemy naval group: the enemy side's 600 ships are looked through.
void BM_StackAGroupPicked(benchmark::State& state) {
    timeSupervisor(
        state,
        [] {
            G().GaTableAlle[25][GaCol::TargetGn] = 25;
            form<FrmStackA>().show();
            form<FrmStackA>().Option1.doClick();
        },
        [] { form<FrmStackA>().List1.doPick(24); });
}
BENCHMARK(BM_StackAGroupPicked)->Unit(benchmark::kMillisecond);

// A group's aircraft count typed (one it does not hold) and confirmed, then the tables saved; the
// count is put back between clicks.
void BM_StackAValueStored(benchmark::State& state) {
    auto pick = [] {
        FrmStackA& f = form<FrmStackA>();
        f.List1.doPick(24);
        f.Label2[GaCol::Aircraft - 1].doClick();
    };
    timeSupervisor(
        state,
        [&] {
            form<FrmStackA>().show();
            form<FrmStackA>().Option1.doClick();
            pick();
        },
        [] {
            FrmStackA& f = form<FrmStackA>();
            Int16& count = G().GaTableAlle[f.pickedGroup()][GaCol::Aircraft];
            const int typed = count == 11 ? 12 : 11;
            f.Text1.setText(QString::number(typed));
            f.Command1.doClick();
            if (count != typed) qFatal("the count was not stored");
        },
        pick);
}
BENCHMARK(BM_StackAValueStored)->Apply(bench::timedAsAction);

// ---------------------------------------------------------------- contacts and game state

void BM_ContactsOpen(benchmark::State& state) {
    timeSupervisor(
        state, {}, [] { form<FrmContattiFile>().show(); }, [] { unload<FrmContattiFile>(); });
}
BENCHMARK(BM_ContactsOpen)->Unit(benchmark::kMillisecond);

void BM_ContactPicked(benchmark::State& state) {
    timeSupervisor(
        state, [] { form<FrmContattiFile>().show(); }, [] { form<FrmContattiFile>().List1.doPick(24); });
}
BENCHMARK(BM_ContactPicked)->Unit(benchmark::kMillisecond);

void BM_GameStateOpens(benchmark::State& state) {
    timeSupervisor(
        state, {}, [] { form<FrmEventi>().show(); }, [] { unload<FrmEventi>(); });
}
BENCHMARK(BM_GameStateOpens)->Unit(benchmark::kMillisecond);

void BM_GameStateBasePicked(benchmark::State& state) {
    timeSupervisor(
        state, [] { form<FrmEventi>().show(); }, [] { form<FrmEventi>().Combo1.doPick(11); });
}
BENCHMARK(BM_GameStateBasePicked)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithWindows(argc, argv);
}
