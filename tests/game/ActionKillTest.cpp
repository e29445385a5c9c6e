// A program killed by a real SIGKILL during a player's actions between two hours (purchases,
// departures, splits and merges, each driven through its window's handlers) leaves a campaign that
// opens as it was before the handler that was running or as that handler left it: never half of
// one. The kills fall where they fall (the crash sweeps place them at each disk step): tried until
// enough of them have landed inside handlers' writes, within a bound of tries.
#include "ActionSetUps.h"
#include "CampaignState.h"
#include "CrashSweep.h"

#include "common/CampaignJournal.h"
#include "common/Dice.h"
#include "game/points/FrmMezziNavi.h"
#include "tests/game/main/ShipFiles.h"
#include "tests/support/Lanes.h"

#include <QDataStream>
#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;
using namespace actionsetups;
using campaignstate::Files;
using crashsweep::reopenRecordFiles;

namespace {

// Kills that must land inside handlers (the opening rolled their journal back), and the passes over
// the moves allowed to reach them.
constexpr int kKillsInside = 12;
constexpr int kPassesAtMost = 10;

// The player's moves of an action, each raising one handler as the player raises it.
using Moves = std::vector<std::function<void()>>;

// The side in play: the Axis, whose groups form and sail at TARANTO.
Moves axisAtTheScreen(FrmMain& f) {
    return {[&f] { f.Command17.doClick(); }, [&f] { f.Command6.doClick(); }};
}

// A ship bought at TARANTO from the random list.
Moves purchase(FrmMain&) {
    G().CurrentSide = kAxis;
    FrmMezziNavi& w = form<FrmMezziNavi>();
    return {[&w] { w.Label1.doDblClick(); }, [&w] { w.Command2.doClick(); },
            [&w] { w.List1.doPickDouble(0); }};
}

// The first two ships in port formed into a new group, which sails.
Moves departure(FrmMain& f) {
    Moves m = axisAtTheScreen(f);
    m.insert(m.end(), {[&f] { f.Command10.doClick(); },
                       [&f] {
                           const auto* xy = G().BaseMapXY[kTaranto];
                           f.PicBitMap.doMouseDown(1, 0, xy[1], xy[2]);
                       },
                       [&f] { f.Command7.doClick(); }, [&f] { f.Label56.doClick(); },
                       [&f] { f.List3.doPickDouble(0); }, [&f] { f.List3.doPickDouble(0); },
                       [&f] { f.Command2.doClick(); }});
    return m;
}

// The group of the highest number in use, opened in the naval panel.
Moves openLastGroup(FrmMain& f) {
    Moves m = axisAtTheScreen(f);
    m.insert(m.end(), {[&f] { f.Command3.doClick(); }, [&f] { f.List2.doPick(f.List2.listCount() - 1); },
                       [&f] { f.Command11.doClick(); }});
    return m;
}

// One ship of the last group split off into a group of its own.
Moves split(FrmMain& f) {
    Moves m = openLastGroup(f);
    m.insert(m.end(), {[&f] { f.Image12.doClick(); }, [&f] { f.List5.doPickDouble(0); }});
    return m;
}

// The last group merged with a group lying with it.
Moves merge(FrmMain& f) {
    Moves m = openLastGroup(f);
    m.insert(m.end(), {[&f] { f.List7.doPick(0); }, [&f] { f.Image13.doClick(); }});
    return m;
}

using Action = Moves (*)(FrmMain&);
const Action kActions[] = {purchase, departure, split, merge, purchase, departure, split, merge};
constexpr int kActionCount = int(std::size(kActions));

// Six Axis ships at TARANTO and three more to buy.
void makeCampaign() {
    G().BaseTable[kTaranto][BaseCol::ShipsPresent] = 6;
    testcampaign::write();
    testcampaign::appendShips(kAxis, QList<testcampaign::Ship>(6));
    for (int r = 1; r <= 6; ++r) changeShip(kAxis, r, [](ShipRecord& s) { s.setNumber(S::PORTO, kTaranto); });
    for (int k = 0; k < 3; ++k)
        shipfiles::addShip(kAxis, {{S::STATUS, 0}, {S::COSTO, 250}, {S::OPERATIVITA, 90}, {S::CARGO, 10}});
}

// The campaign opened in the main window for action `a`, with the action's own dice: they follow
// from the action alone, so that each run of it goes as the others.
FrmMain& prepare(int a) {
    setDiceSource([rng = std::mt19937(7919u * unsigned(a) + 17u)](int sides) mutable {
        return int(rng() % unsigned(std::max(sides, 1))) + 1;
    });
    FrmMain& f = openMain();
    Globals& g = G();
    g.GameSettings[3] = 1941;
    g.GameSettings[5] = 10000;
    g.GameSettings[11] = 100;
    return f;
}

// Writes all of `bytes` to `fd`: false when it cannot.
bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
        if (n <= 0) return false;
        at += n;
    }
    return true;
}

QByteArray readAll(int fd) {
    QByteArray bytes;
    char buffer[1 << 16];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, n);
    return bytes;
}

// The undisturbed run: the files before each action and after each of its moves, and the errors
// shown. It runs in a child process, so that the test's process stays as small as it starts: the
// lanes are forked from it.
struct Recorded {
    std::vector<std::vector<Files>> states; // [action][moves done]
    QStringList errors;
};

Recorded recordUndisturbed(const QStringList& errors) {
    int ends[2];
    Recorded r;
    if (::pipe(ends) != 0) return r;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        QList<QList<QMap<QString, QByteArray>>> states;
        Files files = campaignstate::files();
        for (int a = 0; a < kActionCount; ++a) {
            platform::testing::resetForms();
            testcampaign::choose();
            campaignstate::put(files);
            FrmMain& f = prepare(a);
            QList<QMap<QString, QByteArray>> steps{QMap<QString, QByteArray>(campaignstate::files())};
            for (const auto& move : kActions[a](f)) {
                move();
                steps << QMap<QString, QByteArray>(campaignstate::files());
            }
            files = steps.back().toStdMap();
            states << steps;
        }
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << states << errors;
        ::_exit(writeAll(ends[1], bytes) ? 0 : 2);
    }
    ::close(ends[1]);
    const QByteArray bytes = readAll(ends[0]);
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    QDataStream in(bytes);
    QList<QList<QMap<QString, QByteArray>>> states;
    in >> states >> r.errors;
    for (const auto& steps : states) {
        r.states.emplace_back();
        for (const auto& files : steps) r.states.back().push_back(files.toStdMap());
    }
    return r;
}

// The child: makes `move` on the windows its lane opened, telling it through `report`
// when the move begins (-1) and when it is done (1). It never returns.
[[noreturn]] void makeMove(const std::function<void()>& move, int report) {
    constexpr int kBegins = -1, kDone = 1;
    try {
        reopenRecordFiles();
        if (::write(report, &kBegins, sizeof kBegins) != sizeof kBegins) ::_exit(4);
        move();
        if (::write(report, &kDone, sizeof kDone) != sizeof kDone) ::_exit(4);
    } catch (...) {
        ::_exit(3);
    }
    ::_exit(0);
}

// What the next opening makes of the campaign folder `files`, and whether it put a journal back.
std::pair<Files, bool> opened(const Files& files) {
    platform::testing::resetForms();
    testcampaign::choose();
    campaignstate::put(files);
    const bool undone = loadCampaign();
    return {campaignstate::files(), undone};
}

// What a pass of kills found, sent whole through a pipe: counts, and the first failure.
struct PassResult : testsupport::LaneFailure {
    int killed = 0, trials = 0, undone = 0, ahead = 0;
    int looks = 40; // the most looks at the journal before a kill
};

// One pass over the actions in a program folder of its own: every action in turn, its windows
// opened once; before each of its moves that writes, a child is forked to make it and killed once
// its handler has begun to write (its journal is there), after a drawn number of looks more. Then
// the pass makes the move itself.
// Each campaign a kill left must open as the last move done left it or as the next one did. Stops
// at the first failure.
void runPass(const std::vector<std::vector<Files>>& states, unsigned seed, PassResult& result) {
    struct Left {
        int action, done;
        Files files;
    };
    std::vector<Left> lefts;
    std::mt19937 rng(seed);
    const QString journal = campaignstate::folder() + u'/' + journalFileName(G().CampaignName);
    for (int a = 0; a < kActionCount; ++a) {
        platform::testing::resetForms();
        testcampaign::choose();
        campaignstate::put(states[a].front());
        FrmMain& f = prepare(a);
        const Moves moves = kActions[a](f);
        if (moves.size() + 1 != states[a].size())
            return result.fail(QStringLiteral("action %1: moves").arg(a));
        for (int k = 1; k <= int(moves.size()); ++k) {
            const Files& before = states[a][k - 1];
            if (states[a][k] != before) {
                ++result.trials;
                int report[2];
                if (::pipe(report) != 0) return result.fail(QStringLiteral("pipe"));
                const pid_t child = ::fork();
                if (child < 0) return result.fail(QStringLiteral("fork"));
                if (child == 0) {
                    ::close(report[0]);
                    makeMove(moves[k - 1], report[1]);
                }
                ::close(report[1]);
                int n = 0, done = 0;
                if (::read(report[0], &n, sizeof n) == sizeof n) {
                    // The kill falls once the journal is there (the handler writes), after a drawn
                    // number of looks more; or not at all when the child is done first.
                    pollfd told{report[0], POLLIN, 0};
                    int looks = std::uniform_int_distribution<int>(0, result.looks)(rng);
                    bool writing = false;
                    while (::poll(&told, 1, 0) == 0 && (!writing || looks-- > 0))
                        writing = writing || QFileInfo::exists(journal);
                    if (::poll(&told, 1, 0) == 0) ::kill(child, SIGKILL);
                }
                while (::read(report[0], &n, sizeof n) == sizeof n) done = n;
                ::close(report[0]);
                int status = 0;
                if (::waitpid(child, &status, 0) != child) return result.fail(QStringLiteral("waitpid"));
                const QString which = QStringLiteral("action %1, move %2: ").arg(a).arg(k);
                if (WIFSIGNALED(status)) {
                    ++result.killed;
                    lefts.push_back({a, k - 1 + done, campaignstate::files()});
                } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                    return result.fail(which + QStringLiteral("status %1").arg(status));
                } else if (campaignstate::files() != states[a][k]) {
                    // A child that made its move undisturbed left the campaign as the recorded run.
                    return result.fail(which + QStringLiteral("undisturbed, not as recorded"));
                }
                campaignstate::put(before);
            }
            reopenRecordFiles();
            moves[k - 1]();
            if (campaignstate::files() != states[a][k])
                return result.fail(QStringLiteral("action %1, move %2: not as recorded").arg(a).arg(k));
        }
    }

    std::map<QByteArray, Files> openedOnce;
    const auto openedState = [&](const Files& s) -> const Files& {
        const QByteArray sum = campaignstate::checksum(s);
        if (!openedOnce.contains(sum)) openedOnce[sum] = opened(s).first;
        return openedOnce[sum];
    };
    for (const Left& l : lefts) {
        const QString which = QStringLiteral("action %1, %2 moves done: ").arg(l.action).arg(l.done);
        const auto& s = states[l.action];
        std::pair<Files, bool> reopened;
        try {
            reopened = opened(l.files);
        } catch (const std::exception& e) {
            return result.fail(which + QString::fromUtf8(e.what()));
        }
        result.undone += reopened.second;
        const bool before = reopened.first == openedState(s[l.done]);
        const bool after = l.done + 1 < int(s.size()) && reopened.first == openedState(s[l.done + 1]);
        if (!before && !after)
            return result.fail(which + QString::fromStdString(campaignstate::differences(
                                           reopened.first, openedState(s[l.done]))));
        result.ahead += after && !before;
    }
}

class ActionKill : public crashsweep::Fixture {};

} // namespace

TEST_F(ActionKill, RealKillsLeaveTheCampaignBeforeOrAfterOneHandler) {
    makeCampaign();
    testcampaign::choose();
    const Recorded run = recordUndisturbed(errors.messages);
    ASSERT_EQ(run.errors, QStringList());
    const auto& states = run.states;
    ASSERT_EQ(int(states.size()), kActionCount);
    for (int a = 0; a < kActionCount; ++a)
        ASSERT_TRUE(states[a].back() != states[a].front()) << "action " << a << " changed nothing";

    // Passes, each in a process and a program folder of its own, until enough kills have landed
    // inside handlers.
    int killed = 0, undone = 0, passes = 0;
    while (undone < kKillsInside && passes < kPassesAtMost && !HasFailure()) {
        const auto inPass = [&](int, PassResult& result) {
            const auto passFolder = campaignstate::programFolderInMemory();
            testcampaign::choose();
            runPass(states, 20261210u + unsigned(passes), result);
            if (!errors.messages.isEmpty())
                result.fail(QStringLiteral("shown: ") + errors.messages.join(QStringLiteral(" | ")));
            platform::testing::resetForms();
        };
        ++passes;
        for (const PassResult& result : testsupport::runLanes<PassResult>(1, inPass)) {
            killed += result.killed, undone += result.undone;
        }
    }
    EXPECT_GE(undone, kKillsInside) << "in " << passes << " passes, " << killed << " kills";
    EXPECT_EQ(errors.messages, QStringList());
}
