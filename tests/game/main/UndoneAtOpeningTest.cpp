// A program stopped during an action or an hour: the next "APRI GIOCO" puts the campaign back and
// tells the player which step it undid, an action by what the player used to start it.
#include "common/CampaignJournal.h"
#include "common/Dice.h"
#include "common/records/RecordRanges.h"
#include "game/main/CampaignOpen.h"
#include "game/main/FrmMain.h"
#include "game/points/FrmMezziNavi.h"
#include "platform/DiskSteps.h"
#include "platform/Form.h"
#include "tests/game/ActionSetUps.h"
#include "tests/game/main/ShipFiles.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;
using namespace actionsetups;

namespace {

class UndoneAtOpening : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        // Six Axis ships at TARANTO and one to buy.
        G().BaseTable[kTaranto][BaseCol::ShipsPresent] = 6;
        testcampaign::write();
        testcampaign::appendShips(kAxis, QList<testcampaign::Ship>(6));
        for (int r = 1; r <= 6; ++r)
            changeShip(kAxis, r, [](ShipRecord& s) { s.setNumber(S::PORTO, kTaranto); });
        shipfiles::addShip(kAxis, {{S::STATUS, 0}, {S::COSTO, 250}, {S::OPERATIVITA, 90}, {S::CARGO, 10}});
    }
    void TearDown() override {
        setDiceSource({});
        platform::testing::resetForms();
        resetGlobals();
    }
    // The main window opened, `ready` run, then the program stopped before its `step`-th disk step
    // from there, during `move`: the child's exit status.
    int stopped(const std::function<void(FrmMain&)>& ready, const std::function<void(FrmMain&)>& move,
                long long step) {
        const pid_t child = ::fork();
        if (child == 0) {
            setDiceSource([n = 0](int sides) mutable { return (n++ * 7) % std::max(sides, 1) + 1; });
            FrmMain& f = openMain();
            Globals& g = G();
            g.GameSettings[3] = 1941;
            g.GameSettings[5] = 10000;
            g.GameSettings[11] = 100;
            ready(f);
            crashBeforeStep(step);
            move(f);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The first stop of `move` whose journal the next opening puts back: what the opening told.
    QString toldAfterStop(const std::function<void(FrmMain&)>& ready,
                          const std::function<void(FrmMain&)>& move) {
        const QString campaign = G().GamesPath;
        for (long long step = 1; step <= 40; ++step) {
            const int status = stopped(ready, move, step);
            EXPECT_EQ(status, kCrashExitCode) << "the move ended before its step " << step;
            if (status != kCrashExitCode) return {};
            boxes.prompts.clear();
            testcampaign::choose();
            EXPECT_TRUE(apriGioco()) << errors.messages.join('\n').toStdString();
            platform::testing::resetForms();
            for (const QString& p : boxes.prompts)
                if (p.contains(QStringLiteral("è stata annullata"))) return p;
        }
        ADD_FAILURE() << "no stop left a journal";
        return {};
    }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
};

} // namespace

// The purchase of a ship (a double-click on it in the list of the purchase window) and the hour
// (its button), each stopped once its journal is on the disk.
TEST_F(UndoneAtOpening, TheOpeningNamesTheActionOrTheHourItUndid) {
    const QString picked = folder.file("picked.txt");
    const QString purchase = toldAfterStop(
        [](FrmMain&) {
            G().CurrentSide = kAxis;
            FrmMezziNavi& w = form<FrmMezziNavi>();
            w.Label1.doDblClick();
            w.Command2.doClick();
        },
        [&picked](FrmMain&) {
            FrmMezziNavi& w = form<FrmMezziNavi>();
            QFile out(picked);
            if (!out.open(QIODevice::WriteOnly) || out.write(w.List1.list(0).simplified().toUtf8()) < 0)
                ::_exit(3);
            out.close();
            w.List1.doPickDouble(0);
        });
    const QString ship = QString::fromUtf8(testsupport::readBytes(picked));
    ASSERT_FALSE(ship.isEmpty());
    EXPECT_EQ(purchase, QStringLiteral("L'ultima azione compiuta (\"%1\" nella finestra \"ACQUISIZIONE NAVI "
                                       "ASSE\") non era stata completata ed è stata annullata: la campagna "
                                       "è com'era prima di quell'azione (giorno 1, ore 10).")
                            .arg(recordformat::readableValue(ship, 40)));

    const QString hour = toldAfterStop([](FrmMain&) {}, [](FrmMain& f) { f.Command22.doClick(); });
    EXPECT_EQ(hour, QStringLiteral("L'ultima ora giocata non era stata completata ed è stata annullata: la "
                                   "campagna è com'era prima di quell'ora (giorno 1, ore 10)."));
}

// What the opening tells of a journal written before its header told the action, or the step.
TEST_F(UndoneAtOpening, AJournalOfAnEarlierHeaderIsToldAsBefore) {
    G().setState(StateItem::Day, 4);
    G().setState(StateItem::Hour, 7);
    const QString action =
        QStringLiteral("L'ultima azione compiuta (un acquisto, un ordine, una partenza, una "
                       "modifica o un'altra azione tra un'ora e l'altra) non era stata "
                       "completata ed è stata annullata: la campagna è com'era prima di "
                       "quell'azione (giorno 5, ore 7).");
    EXPECT_EQ(undoneAtOpenText({"azione", "", ""}), action);
    const QString hour =
        QStringLiteral("L'ultima ora giocata non era stata completata ed è stata annullata: la "
                       "campagna è com'era prima di quell'ora (giorno 5, ore 7).");
    EXPECT_EQ(undoneAtOpenText({"", "", ""}), hour);
    EXPECT_EQ(undoneAtOpenText({"ora", "", ""}), hour);
    // Words too long for a message are cut; a menu item is named with its menus.
    EXPECT_EQ(
        undoneAtOpenText({"azione", "Zeltwar WW2 Gioco : Prova", "Supervisore > Modifica Stack Navale"}),
        QStringLiteral("L'ultima azione compiuta (\"Supervisore > Modifica Stack Navale\" nella finestra "
                       "\"Zeltwar WW2 Gioco : Prova\") non era stata completata ed è stata annullata: la "
                       "campagna è com'era prima di quell'azione (giorno 5, ore 7)."));
    EXPECT_TRUE(undoneAtOpenText({"azione", "", QString(60, u'x')}).contains(QString(37, u'x') + "...\""));
}
