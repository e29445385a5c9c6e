// A player's session of clicks in which one write fails once, at each write of the session in turn;
// the player dismisses the message and goes on with the session's next clicks. The failed click is
// undone in memory as on the disk (tables, globals, windows), so the campaign the session leaves
// opens with "APRI GIOCO" as the same session with that click left out leaves it.
#include "ActionSetUps.h"
#include "CampaignState.h"
#include "CrashSweep.h"
#include "SavingActions.h"
#include "common/Dice.h"
#include "game/combat/FrmAuto.h"
#include "game/combat/FrmPatrol.h"
#include "game/main/FrmMain.h"
#include "game/points/FrmPunti.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Form.h"
#include "tests/game/main/TestCampaign.h"

#include <QMainWindow>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <utility>

using campaignstate::Files;
using campaignstate::Tables;

namespace {

class ClickFailures : public ::testing::Test, public savingactions::Sweeper {
  protected:
    void SetUp() override {
        resetGlobals();
        inner_ = platform::handlerScopeSet();
        // Each outermost handler is a click: counted, with the writes it made, or left out.
        platform::setHandlerScope([this](const std::function<void()>& handler) {
            const int click = clicks_++;
            if (click == leftOut_) return;
            spans_.push_back(Click{click, platform::checkedWrites() - base_, -1});
            const size_t at = spans_.size() - 1;
            const int outer = std::exchange(rolling_, click);
            inner_ ? inner_(handler) : handler();
            rolling_ = outer;
            spans_[at].end = platform::checkedWrites() - base_;
        });
    }
    void TearDown() override {
        platform::failWrite(0);
        platform::setHandlerScope(inner_);
        campaignstate::cleanUp();
    }

    void sweep(const std::function<void()>& make, const savingactions::Run& run) override {
        campaignstate::makeAnew(make);
        start_ = campaignstate::files();
        run_ = run;
        const Played undisturbed = play(0, -1);
        ASSERT_TRUE(undisturbed.messages.isEmpty()) << undisturbed.messages.join('\n').toStdString();
        const std::vector<Click> clicks = spans_;
        // The session without each click that failed: the tables it left in memory, and what the
        // opening makes of its files.
        std::map<int, std::pair<Tables, crashsweep::Opened>> leftOut;
        for (long long w = 1; w <= undisturbed.writes && !HasFailure(); ++w) {
            // The innermost click making the write: the one it fails.
            const Click* failed = nullptr;
            for (const Click& c : clicks)
                if (c.start < w && w <= c.end && (!failed || c.start >= failed->start)) failed = &c;
            if (!failed) continue;
            ++counts_.failures;
            SCOPED_TRACE(::testing::Message()
                         << "write " << w << " of " << undisturbed.writes << ", click " << failed->index);
            const Played played = play(w, -1);
            // Told once (a handler that tells its failures on its own window shows no message box:
            // the write-failure sweeps check what it says).
            EXPECT_LE(played.messages.size(), 1) << played.messages.join("\n---\n").toStdString();
            auto reference = leftOut.find(failed->index);
            if (reference == leftOut.end()) {
                ++counts_.references;
                const Played without = play(0, failed->index);
                reference =
                    leftOut.emplace(failed->index, std::pair{without.memory, opened(without.files)}).first;
            }
            const auto& [memory, files] = reference->second;
            EXPECT_TRUE(played.memory == memory) << "tables in memory / in memory without the click: "
                                                 << played.memory.firstDifference(memory);
            const crashsweep::Opened left = opened(played.files);
            EXPECT_TRUE(left.sum() == files.sum())
                << left.refused.toStdString() << " | files differing from the session without the click: "
                << campaignstate::differences(left.files, files.files);
        }
        ++counts_.sessions;
        counts_.clicks += int(clicks.size());
    }

    const testsupport::ProgramFolder& programFolder() const override { return *folder; }

    struct Counts {
        int sessions = 0, clicks = 0, failures = 0, references = 0;
    };
    void report(const char* name) {
        EXPECT_GE(counts_.failures, counts_.sessions);
        RecordProperty("sessions", counts_.sessions);
        RecordProperty("clicks", counts_.clicks);
        RecordProperty("failed_writes", counts_.failures);
        std::cout << name << ": sessions " << counts_.sessions << ", clicks " << counts_.clicks
                  << ", writes failed " << counts_.failures << ", sessions without a click "
                  << counts_.references << "\n";
    }

    std::unique_ptr<testsupport::ProgramFolder> folder = campaignstate::programFolderInMemory();
    testsupport::Errors errors;

  private:
    struct Click {
        int index;
        long long start, end; // the session's writes before it and after it
    };
    struct Played {
        Files files;
        Tables memory;
        QStringList messages;
        long long writes = 0;
    };

    // The session from the campaign `make` wrote: its `failing`-th write fails once (none at 0), its
    // click `leftOut` is not made (none when negative).
    Played play(long long failing, int leftOut) {
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
        testcampaign::choose();
        campaignstate::put(start_);
        errors.messages.clear();
        clicks_ = 0;
        leftOut_ = leftOut;
        spans_.clear();
        base_ = platform::checkedWrites();
        // Each click rolls dice of its own, whatever the clicks before it rolled (a session that
        // chooses its dice chooses them the same way in every play).
        dice_.clear();
        rolling_ = -1;
        setDiceSource([this](int sides) {
            auto it = dice_.try_emplace(rolling_, 20261209u + 7919u * unsigned(rolling_ + 1)).first;
            return int(it->second() % unsigned(std::max(sides, 1))) + 1;
        });
        platform::failWrite(failing);
        actionsetups::pickOnlyWhatIsListed() = failing > 0 || leftOut >= 0;
        run_({[] {}, [] {}, [](const QString&) {}});
        actionsetups::pickOnlyWhatIsListed() = false;
        platform::failWrite(0);
        setDiceSource({});
        Played p;
        p.writes = platform::checkedWrites() - base_;
        p.files = campaignstate::files();
        p.memory = Tables::inMemory();
        p.messages = errors.messages;
        // The windows go before the opening: they may write as they close.
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
        return p;
    }

    crashsweep::Opened opened(const Files& files) {
        return crashsweep::opened([] { testcampaign::choose(); }, files);
    }

    platform::HandlerScope inner_;
    savingactions::Run run_;
    Files start_;
    int clicks_ = 0, leftOut_ = -1, rolling_ = -1;
    std::map<int, std::mt19937> dice_;
    long long base_ = 0;
    std::vector<Click> spans_;
    Counts counts_;
};

} // namespace

// Each saving action's sessions, from the campaign's opening to the action and what follows it.
class SessionFailures : public ClickFailures, public ::testing::WithParamInterface<size_t> {};

TEST_P(SessionFailures, OneWriteFailingOnceAtEachWriteOfTheSession) {
    const auto& [name, actions] = savingactions::all().at(GetParam());
    actions(*this);
    report(name);
}

INSTANTIATE_TEST_SUITE_P(EverySavingAction, SessionFailures,
                         ::testing::Range(size_t(0), savingactions::all().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return std::string(savingactions::all().at(info.param).first);
                         });

namespace {

// A campaign with an Axis air group on patrol and an Allied naval group at sea.
void makePatrolCampaign() {
    actionsetups::groupRow(kAllies, 1, 1, 5000, 3000);
    Int16* a = G().GaTableAsse[4];
    a[GaCol::InUse] = 1, a[GaCol::Order] = kOrderPatrol, a[GaCol::Aircraft] = 3, a[GaCol::InAction] = 2;
    a[GaCol::Bombs] = 2, a[GaCol::BombSize] = 50, a[GaCol::AttackFactor] = 20;
    testcampaign::write({.hour = 10});
    testcampaign::appendShips(kAllies, {{.group = 1}});
}

// The patrol attack's window open over the naval group.
FrmPatrol& openPatrolAttack() {
    G().DayFlag = 1;
    Int32* oc = G().OperationContext;
    oc[5] = kAxis, oc[6] = 4, oc[15] = 1, oc[8] = kAllies;
    platform::runHandler([] { platform::form<FrmPatrol>(); });
    return platform::form<FrmPatrol>();
}

// The Allies' point transfers open, points moved by the smallest step.
FrmPunti& openPointTransfers() {
    G().CurrentSide = kAllies;
    G().GameSettings[4] = 1000;
    platform::runHandler([] { platform::form<FrmPunti>(); });
    FrmPunti& w = platform::form<FrmPunti>();
    w.Option1[0].doClick();
    return w;
}

// The windows that write as they close, each left open as the player leaves it: a patrol attack
// begun (one aircraft has bombed: closing books the attack's end on the air group) and the point
// transfers with points moved (closing saves them).
struct EndWindow {
    const char* name;
    std::function<void()> open;
};

const std::vector<EndWindow>& endWindows() {
    static const std::vector<EndWindow> windows = {
        {"patrol attack begun",
         [] {
             FrmPatrol& p = openPatrolAttack();
             p.List1.doPickDouble(0);
             p.Command1.doClick();
             ASSERT_GT(p.AereoInAzione, 0);
         }},
        {"point transfers",
         [] {
             FrmPunti& w = openPointTransfers();
             w.Label1.doClick();
             w.Label3.doClick();
         }},
    };
    return windows;
}

class ClosingFailures : public ClickFailures {
  protected:
    // The campaign made anew and opened, by the main window (`main`) or as the start window opens
    // it, and `w` open over it as the player left it: the campaign's files then.
    Files openAtTheEnd(const EndWindow& w, bool main) {
        campaignstate::makeAnew(makePatrolCampaign);
        setDiceSource([](int) { return 100; });
        main ? (void)actionsetups::openMain() : actionsetups::openCampaign();
        w.open();
        errors.messages.clear();
        return campaignstate::files();
    }
    // The program has ended: no window is left, and the campaign opens.
    void expectEnded() {
        EXPECT_TRUE(platform::FormRegistry::loaded().empty());
        platform::testing::resetForms();
        EXPECT_NO_THROW(loadCampaign());
    }
};

} // namespace

// As the program's main does once its event loop has ended, outside any handler: each window open,
// alone or with the main window (which closes the others in its own closing), its closing
// undisturbed, then with each of its writes failing once. A closing that fails is told once and
// leaves the campaign as it told; it is not tried again (which would do what the player was told
// was not done), and the program ends.
TEST_F(ClosingFailures, EachWindowOpenAtTheProgramsEndWithEachOfItsWritesFailingOnce) {
    for (const EndWindow& w : endWindows())
        for (const bool main : {false, true}) {
            SCOPED_TRACE(::testing::Message() << w.name << (main ? ", with the main window" : ""));
            const Files before = openAtTheEnd(w, main);
            long long writes = platform::checkedWrites();
            platform::unloadAllForms();
            writes = platform::checkedWrites() - writes;
            EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n---\n").toStdString();
            EXPECT_FALSE(campaignstate::files() == before) << "the closing saves";
            expectEnded();
            for (long long n = 1; n <= writes; ++n) {
                SCOPED_TRACE(::testing::Message() << "write " << n << " of " << writes);
                ASSERT_TRUE(openAtTheEnd(w, main) == before);
                platform::failWrite(n);
                platform::unloadAllForms();
                platform::failWrite(0);
                EXPECT_EQ(errors.messages.size(), 1) << errors.messages.join("\n---\n").toStdString();
                EXPECT_TRUE(errors.messages.value(0).contains("L'azione non è stata compiuta"))
                    << errors.messages.value(0).toStdString();
                EXPECT_TRUE(campaignstate::files() == before)
                    << campaignstate::differences(campaignstate::files(), before);
                expectEnded();
            }
        }
}

// The same windows over a campaign whose folder cannot be written: the closing is refused and told
// once, and the program ends.
TEST_F(ClosingFailures, InAFolderThatCannotBeWrittenEachWindowOpenAtTheEndIsRefusedOnce) {
    for (const EndWindow& w : endWindows())
        for (const bool main : {false, true}) {
            SCOPED_TRACE(::testing::Message() << w.name << (main ? ", with the main window" : ""));
            const Files before = openAtTheEnd(w, main);
            platform::refuseChangesIn(campaignstate::folder(), EROFS);
            platform::unloadAllForms();
            platform::refuseChangesIn({}, 0);
            ASSERT_EQ(errors.messages.size(), 1) << errors.messages.join("\n---\n").toStdString();
            EXPECT_TRUE(errors.messages[0].contains("non è stata compiuta"))
                << errors.messages[0].toStdString();
            EXPECT_TRUE(campaignstate::files() == before);
            expectEnded();
        }
}

// A window's close box whose closing fails: the step is undone and told, and the window stays open
// as it stood, its attack still under way.
TEST_F(ClosingFailures, AWindowWhoseClosingFailsStaysOpen) {
    const Files before = openAtTheEnd(endWindows()[0], true);
    FrmPatrol& p = platform::form<FrmPatrol>();
    p.show();
    const int aircraft = p.AereoInAzione;
    platform::failWrite(1);
    p.window()->close();
    EXPECT_EQ(errors.messages.size(), 1) << errors.messages.join("\n---\n").toStdString();
    ASSERT_TRUE(platform::isLoaded<FrmPatrol>());
    EXPECT_TRUE(p.visible() && p.window()->isVisible());
    EXPECT_EQ(p.AereoInAzione, aircraft);
    EXPECT_TRUE(campaignstate::files() == before)
        << campaignstate::differences(campaignstate::files(), before);
}

// The main window's close box: the patrol window's closing books the attack in the same step,
// whose saving fails; the program ends as the player asked, the step undone and told.
TEST_F(ClosingFailures, TheMainWindowsCloseWhoseSavingFailsIsUndoneAndTold) {
    const Files before = openAtTheEnd(endWindows()[0], true);
    platform::failWrite(1);
    platform::form<FrmMain>().window()->close();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(errors.messages.size(), 1) << errors.messages.join("\n---\n").toStdString();
    EXPECT_TRUE(campaignstate::files() == before)
        << campaignstate::differences(campaignstate::files(), before);
    expectEnded();
}

namespace {

// Every saving action, its campaign's folder made one that cannot be written just before the
// action's click (as a read-only disk or a folder of another user refuses every change): the action
// is refused at once, told once, and leaves the files and the tables in memory as they were.
class ReadOnlyFolder : public ::testing::Test, public savingactions::Sweeper {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::refuseChangesIn({}, 0);
        campaignstate::cleanUp();
    }

    void sweep(const std::function<void()>& make, const savingactions::Run& run) override {
        campaignstate::makeAnew(make);
        testcampaign::choose();
        errors.messages.clear();
        setDiceSource([](int sides) { return (sides + 1) / 2; });
        Files before;
        Tables memory;
        bool armed = false;
        run({[&] {
                 armed = true;
                 before = campaignstate::files();
                 memory = Tables::inMemory();
                 errors.messages.clear();
                 platform::refuseChangesIn(campaignstate::folder(), EROFS);
             },
             [] {}, [](const QString&) {}});
        ASSERT_TRUE(armed);
        const Files after = campaignstate::files();
        const Tables memoryAfter = Tables::inMemory();
        platform::refuseChangesIn({}, 0);
        // A handler that tells its failures on its own window shows no message box.
        ASSERT_LE(errors.messages.size(), 1) << errors.messages.join("\n---\n").toStdString();
        if (!errors.messages.isEmpty()) {
            EXPECT_EQ(errors.messages.value(0).toStdString(),
                      platform::folderNotWritableMessage(campaignstate::folder()).toStdString());
        }
        EXPECT_TRUE(after == before) << campaignstate::differences(after, before);
        EXPECT_TRUE(memoryAfter == memory) << memoryAfter.firstDifference(memory);
        ++refused_;
    }
    const testsupport::ProgramFolder& programFolder() const override { return *folder; }

    std::unique_ptr<testsupport::ProgramFolder> folder = campaignstate::programFolderInMemory();
    testsupport::Errors errors;
    int refused_ = 0;
};

} // namespace

TEST_F(ReadOnlyFolder, EverySavingActionIsRefusedOnceBeforeItWritesAnything) {
    for (const auto& [name, actions] : savingactions::all()) {
        SCOPED_TRACE(name);
        actions(*this);
    }
    EXPECT_GE(refused_, 30);
}

// The hour button over a folder that cannot be written: the hour is refused before it begins and
// told once, as a full disk is, and the campaign is as it was.
TEST_F(ReadOnlyFolder, TheHourIsRefusedOnce) {
    campaignstate::makeAnew([] { testcampaign::write({.hour = 10}); });
    FrmMain& f = actionsetups::openMain();
    const Files before = campaignstate::files();
    testsupport::MessageBoxes boxes;
    setDiceSource([](int sides) { return (sides + 1) / 2; });
    platform::refuseChangesIn(campaignstate::folder(), EROFS);
    f.Command22.doClick();
    platform::refuseChangesIn({}, 0);
    const QStringList told = boxes.prompts + errors.messages;
    ASSERT_EQ(told.size(), 1) << told.join("\n---\n").toStdString();
    EXPECT_TRUE(told[0].startsWith("L'ora non è stata eseguita:\n" +
                                   platform::folderNotWritableMessage(campaignstate::folder())))
        << told[0].toStdString();
    EXPECT_TRUE(campaignstate::files() == before)
        << campaignstate::differences(campaignstate::files(), before);
    EXPECT_EQ(G().GameState[StateItem::Hour], "10");
    EXPECT_TRUE(f.Command22.enabled());
}

// The windows whose work is booked as they close (the point transfers, a patrol attack, an air
// strike), over a folder that cannot be written from the opening on: the work is refused at its
// first click, told once, and changes nothing, so each window closes by its box with nothing to
// book and no second refusal. (Refused only as the window closed, a window would stay open for
// ever, its closing refused again at each try.)
TEST_F(ReadOnlyFolder, WorkBookedAtAWindowsCloseIsRefusedAtItsFirstClickAndTheWindowThenCloses) {
    struct Case {
        const char* name;
        std::function<void()> make;
        std::function<platform::Form&()> open; // the window open, its first move made
    };
    const Case cases[] = {
        {"point transfers", [] { testcampaign::write(); },
         [] {
             FrmPunti& w = openPointTransfers();
             w.Label1.doClick();
             return std::ref(w);
         }},
        {"patrol attack", makePatrolCampaign,
         [] {
             FrmPatrol& p = openPatrolAttack();
             p.List1.doPickDouble(0);
             EXPECT_EQ(p.AereoInAzione, 0);
             return std::ref(p);
         }},
        {"air strike",
         [] {
             Int16* r = G().GaTableAsse[3];
             r[GaCol::InUse] = 1, r[GaCol::Aircraft] = 4, r[GaCol::Order] = kOrderBombing,
             r[GaCol::Bombs] = 2;
             r[GaCol::BombSize] = 3, r[GaCol::InterceptPercent] = 60, r[GaCol::TargetBase] = 12;
             testcampaign::write({.hour = 10});
         },
         [] {
             G().CurrentSide = kAxis;
             Int32* oc = G().OperationContext;
             oc[2] = 12, oc[5] = kAxis, oc[6] = 3;
             platform::runHandler([] { platform::form<FrmAuto>(); });
             FrmAuto& f = platform::form<FrmAuto>();
             f.Command1.doClick();
             f.Command3.doClick();
             return std::ref(f);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        campaignstate::makeAnew(c.make);
        actionsetups::openCampaign();
        setDiceSource([](int sides) { return (sides + 1) / 2; });
        const Files before = campaignstate::files();
        const Tables memory = Tables::inMemory();
        errors.messages.clear();
        platform::refuseChangesIn(campaignstate::folder(), EROFS);
        platform::Form& w = c.open();
        ASSERT_EQ(errors.messages.size(), 1) << errors.messages.join("\n---\n").toStdString();
        EXPECT_EQ(errors.messages[0].toStdString(),
                  platform::folderNotWritableMessage(campaignstate::folder()).toStdString());
        EXPECT_TRUE(Tables::inMemory() == memory) << Tables::inMemory().firstDifference(memory);
        w.show();
        w.window()->close();
        EXPECT_TRUE(platform::FormRegistry::loaded().empty());
        EXPECT_EQ(errors.messages.size(), 1) << errors.messages.join("\n---\n").toStdString();
        platform::refuseChangesIn({}, 0);
        EXPECT_TRUE(campaignstate::files() == before)
            << campaignstate::differences(campaignstate::files(), before);
        platform::testing::resetForms();
    }
}
