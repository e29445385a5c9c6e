// The crash sweeps: a program driven through its windows as the player drives it, stopped at every
// disk step of every move (a move: one outermost handler), once as a kill stops it and once as a
// power loss leaves the disk; each campaign left must open as the move found it or as it left it.
#pragma once

#include "CampaignState.h"

#include "common/DataFolder.h"
#include "common/Dice.h"
#include "game/main/CampaignOpen.h"
#include "platform/Dialogs.h"
#include "platform/DiskSteps.h"
#include "platform/Form.h"
#include "tests/support/Lanes.h"

#include <QDataStream>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace crashsweep {

using campaignstate::Files;

// What is swept: `make` writes the campaign in the program folder, `drive` drives the windows
// from the campaign's opening, `choose` is what the start window does before an opening.
struct Subject {
    QString name;
    std::function<void()> make, drive, choose;
};

// A move that makes fewer steps than this is stopped at every one; a longer one at its first and
// last kEdge and at kSpread drawn between.
constexpr long long kEvery = 2000, kEdge = 300;

// The campaign as the opening (loadCampaign) leaves it, with the message of a refusal.
struct Opened {
    Files files;
    QString refused;
    QByteArray sum() const { return campaignstate::checksum(files) + refused.toUtf8(); }
};

// The campaign folder made `files`, then opened (the windows of the run are left as they are: a
// program stopped closes none, and the opening reads none).
inline Opened opened(const std::function<void()>& choose, const Files& files) {
    campaignstate::put(files);
    choose();
    // Dice of its own, should the opening roll any.
    setDiceSource([rng = std::mt19937(5u)](int sides) mutable {
        return int(rng() % unsigned(std::max(sides, 1))) + 1;
    });
    Opened o;
    try {
        loadCampaign();
    } catch (const std::exception& e) {
        o.refused = QString::fromUtf8(e.what());
    }
    o.files = campaignstate::files();
    return o;
}

// The moves' boundaries: a hook told at the start and at the end of every outermost handler.
inline std::function<void()>& boundaryHook() {
    static std::function<void()> hook;
    return hook;
}

// The program folder of the run going on: the test's, then each lane's own.
inline const testsupport::ProgramFolder*& programFolderInUse() {
    static const testsupport::ProgramFolder* folder = nullptr;
    return folder;
}

// Whether the moves now made are the subject's action (set by its drive; the moves before set it
// up and are not swept).
inline bool& inAction() {
    static bool in = false;
    return in;
}

// A stop's child that reaches the end of its move without stopping ends there.
constexpr int kNotReached = 87;
inline bool& stoppingChild() {
    static bool child = false;
    return child;
}
// A child whose power is lost once its move has returned: what the loss keeps.
inline platform::KeptChanges& powerLostAtReturn() {
    static platform::KeptChanges kept;
    return kept;
}

inline void atBoundary() {
    if (stoppingChild()) {
        if (powerLostAtReturn()) {
            platform::losePower(powerLostAtReturn());
            ::_exit(platform::kCrashExitCode);
        }
        ::_exit(kNotReached);
    }
    if (boundaryHook()) boundaryHook()();
}

// The record files open on channels, opened again on the files as they are now.
inline void reopenRecordFiles() {
    platform::Channels& files = G().Files;
    for (int c = 1; c < 512; ++c) {
        if (!files.isOpen(c)) continue;
        try {
            const platform::RecordFile& f = files.random(c);
            const QString path = f.path();
            const int length = f.recordLength();
            files.close(c);
            files.openRandom(c, path, length);
        } catch (const platform::ChannelError&) {
            // Not a record file.
        }
    }
}

// One move that changes the disk, of the undisturbed run.
struct Move {
    int subject, boundary; // the move starts at this boundary of its subject's run
    unsigned number;       // what its stops' seeds follow from (Sweep)
    long long steps;
    Files before;
    Opened openedBefore, openedAfter;
};

// One stop: a move, the step before which it stops, and whether the power is lost there. A stop
// after the move's last step is a power loss once its handler has returned: what the player saw
// done must be kept.
struct Case {
    int move;
    long long step;
    bool power;
    bool returned = false;
};

struct Counts {
    int subjects = 0, moves = 0;
    long long operations = 0, crashes = 0, powerLosses = 0, returnedLosses = 0;
};

struct LaneResult : testsupport::LaneFailure {
    long long crashes = 0, powerLosses = 0, returnedLosses = 0, ahead = 0;
};

// A sweep may be shared among tests, each sweeping some of the subjects: `place` is the place of
// the first in the whole. A subject's dice follow from its place, and a move's stops from its
// subject's place and its own among the subject's moves, so that a stop is the same in whichever
// test it is made.
class Sweep {
  public:
    Sweep(std::vector<Subject> subjects, int lanes, unsigned seed, long long spread, int stride = 1,
          int place = 0)
        : subjects_(std::move(subjects)), lanes_(lanes), seed_(seed), spread_(spread), stride_(stride),
          place_(unsigned(place)) {
        inner_ = platform::handlerScopeSet();
        platform::setHandlerScope([this](const std::function<void()>& handler) {
            atBoundary();
            inner_ ? inner_(handler) : handler();
            atBoundary();
        });
    }
    ~Sweep() {
        boundaryHook() = {};
        platform::setHandlerScope(inner_);
    }

    // The undisturbed run of every subject: its moves that change the disk, what they found and
    // left, and what the opening makes of both. Then the stops, shared out among the lanes.
    Counts run() {
        record();
        if (::testing::Test::HasFailure()) return counts_;
        std::vector<Case> cases;
        for (int m = 0; m < int(moves_.size()); ++m) {
            for (const long long n : stops(m)) {
                cases.push_back({m, n, false});
                cases.push_back({m, n, true});
            }
            cases.push_back({m, moves_[size_t(m)].steps + 1, true, true});
        }
        counts_.moves = int(moves_.size());
        const auto inLane = [&](int lane, LaneResult& result) {
            const auto folder = campaignstate::programFolderInMemory();
            programFolderInUse() = folder.get();
            std::vector<Case> mine;
            for (size_t i = size_t(lane); i < cases.size(); i += size_t(lanes_)) mine.push_back(cases[i]);
            runLane(mine, result);
            platform::testing::resetForms();
        };
        for (const LaneResult& r : testsupport::runLanes<LaneResult>(lanes_, inLane)) {
            counts_.crashes += r.crashes;
            counts_.powerLosses += r.powerLosses;
            counts_.returnedLosses += r.returnedLosses;
        }
        return counts_;
    }

  private:
    // The steps of move m at which it is stopped.
    std::vector<long long> stops(int m) const {
        const long long count = moves_[size_t(m)].steps;
        std::set<long long> at;
        if (count < kEvery) {
            for (long long n = 1; n <= count; n += stride_) at.insert(n);
        } else {
            for (long long n = 1; n <= kEdge; n += stride_) at.insert(n), at.insert(count + 1 - n);
            std::mt19937_64 rng(seed_ + moves_[size_t(m)].number);
            std::uniform_int_distribution<long long> between(kEdge + 1, count - kEdge);
            for (long long k = 0; k < spread_ / stride_; ++k) at.insert(between(rng));
        }
        return {at.begin(), at.end()};
    }

    // Makes subject s's campaign and drives it, telling `atBoundary` of each move's boundary.
    void drive(int s, const std::function<void(int boundary)>& atBoundary) {
        const Subject& subject = subjects_[size_t(s)];
        platform::testing::setModalHandler(nullptr);
        campaignstate::makeAnew(subject.make);
        const Files start = campaignstate::files();
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
        subject.choose();
        campaignstate::put(start);
        setDiceSource([rng = std::mt19937(seed_ + 1000u * (place_ + unsigned(s)))](int sides) mutable {
            return int(rng() % unsigned(std::max(sides, 1))) + 1;
        });
        int boundary = 0;
        inAction() = false;
        boundaryHook() = [&] { atBoundary(boundary++); };
        subject.drive();
        boundaryHook() = {};
        setDiceSource({});
        platform::testing::setModalHandler(nullptr);
    }

    void record() {
        counts_.subjects = int(subjects_.size());
        for (int s = 0; s < int(subjects_.size()); ++s) {
            std::vector<Files> at;
            std::vector<long long> steps;
            std::vector<bool> acting;
            drive(s, [&](int) {
                at.push_back(campaignstate::files());
                steps.push_back(platform::diskSteps());
                acting.push_back(inAction());
            });
            if (at.empty()) ADD_FAILURE() << subjects_[size_t(s)].name.toStdString() << ": no move";
            // The windows go before the openings: they may write as they close.
            platform::testing::resetForms();
            for (size_t b = 0, k = 0; b + 1 < at.size(); ++b) {
                if (steps[b + 1] == steps[b] || !acting[b]) continue;
                const unsigned number = place_ + unsigned(s) + 1000u * unsigned(k++);
                moves_.push_back({s, int(b), number, steps[b + 1] - steps[b], at[b], {}, {}});
                counts_.operations += steps[b + 1] - steps[b];
                moves_.back().openedBefore = opened(subjects_[size_t(s)].choose, at[b]);
                moves_.back().openedAfter = opened(subjects_[size_t(s)].choose, at[b + 1]);
            }
        }
    }

    QString which(const Case& c) const {
        const Move& m = moves_[size_t(c.move)];
        return QStringLiteral("%1, move at boundary %2, step %3 of %4, %5: ")
            .arg(subjects_[size_t(m.subject)].name)
            .arg(m.boundary)
            .arg(c.step)
            .arg(m.steps)
            .arg(c.returned ? QStringLiteral("power loss after the handler returned")
                 : c.power  ? QStringLiteral("power loss")
                            : QStringLiteral("kill"));
    }

    // What a power loss keeps of each change left unflushed, by the stop's own seed.
    platform::KeptChanges kept(const Case& c) const {
        const unsigned move = moves_[size_t(c.move)].number;
        return [rng = std::mt19937(seed_ ^ (move * 100003u + unsigned(c.step)))](int pending) mutable {
            return pending > 0 ? int(rng() % unsigned(pending + 1)) : 0;
        };
    }

    // The lane drives every subject; at the start of each move with stops of its own it forks a
    // child for each, which goes on and stops there; a checker forked after it opens what it left.
    void runLane(const std::vector<Case>& mine, LaneResult& result) {
        size_t next = 0;
        for (int s = 0; s < int(subjects_.size()) && !result.failure[0]; ++s) {
            drive(s, [&](int boundary) {
                bool first = true;
                while (next < mine.size() && !result.failure[0]) {
                    const Case& c = mine[next];
                    const Move& m = moves_[size_t(c.move)];
                    if (m.subject != s || m.boundary != boundary) break;
                    if (first && campaignstate::files() != m.before)
                        return result.fail(which(c) +
                                           QStringLiteral("the lane's run is not the undisturbed one"));
                    first = false;
                    ++next;
                    // The child goes on with the move, and stops at its step.
                    if (stop(c, m, result)) return;
                }
                reopenRecordFiles();
            });
        }
        if (!result.failure[0] && next != mine.size())
            result.fail(which(mine[next]) + QStringLiteral("not reached"));
    }

    // Forks the child of one stop: true in the child, armed to stop at the step.
    bool stop(const Case& c, const Move& m, LaneResult& result) {
        const pid_t child = ::fork();
        if (child < 0) {
            result.fail(which(c) + QStringLiteral("no fork"));
            return false;
        }
        if (child == 0) {
            reopenRecordFiles();
            stoppingChild() = true;
            if (c.returned) {
                // Noted from the move's start; lost at its end.
                platform::trackPowerLoss();
                powerLostAtReturn() = kept(c);
            } else {
                platform::crashBeforeStep(c.step, c.power ? kept(c) : platform::KeptChanges{});
            }
            return true;
        }
        int status = 0;
        if (::waitpid(child, &status, 0) != child) {
            result.fail(which(c) + QStringLiteral("waitpid"));
        } else if (!WIFEXITED(status) || WEXITSTATUS(status) != platform::kCrashExitCode) {
            result.fail(which(c) + QStringLiteral("not stopped at its step (status %1)").arg(status));
        } else {
            ++(c.returned ? result.returnedLosses : c.power ? result.powerLosses : result.crashes);
            check(c, m, result);
        }
        campaignstate::put(m.before);
        return false;
    }

    // The opening of what the stop left, in a process of its own: as before the move or as after.
    void check(const Case& c, const Move& m, LaneResult& result) {
        // The same files left by two stops of a move open the same way.
        const QByteArray left = campaignstate::checksum(campaignstate::files()) + QByteArray::number(c.move) +
                                (c.returned ? "r" : "");
        if (checked_.contains(left)) {
            result.ahead += checked_[left];
            return;
        }
        int report[2];
        if (::pipe(report) != 0) return result.fail(which(c) + QStringLiteral("pipe"));
        const pid_t checker = ::fork();
        if (checker == 0) {
            ::close(report[0]);
            const Opened o = opened(subjects_[size_t(m.subject)].choose, campaignstate::files());
            QByteArray verdict;
            if (o.sum() == m.openedAfter.sum())
                verdict = "after";
            else if (c.returned)
                verdict =
                    ("undone after its handler returned: " + o.refused + " | files differing from after: " +
                     QString::fromStdString(campaignstate::differences(o.files, m.openedAfter.files)))
                        .toUtf8();
            else if (o.sum() != m.openedBefore.sum())
                verdict = ("neither: " + o.refused + " | files differing from before: " +
                           QString::fromStdString(campaignstate::differences(o.files, m.openedBefore.files)) +
                           " | from after: " +
                           QString::fromStdString(campaignstate::differences(o.files, m.openedAfter.files)))
                              .toUtf8();
            const bool told =
                ::write(report[1], verdict.constData(), size_t(verdict.size())) == verdict.size();
            ::_exit(told ? 0 : 1);
        }
        ::close(report[1]);
        QByteArray verdict;
        char buffer[4096];
        for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;) verdict.append(buffer, n);
        ::close(report[0]);
        int status = 0;
        if (checker < 0 || ::waitpid(checker, &status, 0) != checker || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            return result.fail(which(c) + QStringLiteral("the opening did not end (status %1)").arg(status));
        if (!verdict.isEmpty() && verdict != "after")
            return result.fail(which(c) + QString::fromUtf8(verdict));
        checked_[left] = verdict == "after";
        result.ahead += checked_[left];
    }

    std::vector<Subject> subjects_;
    int lanes_;
    unsigned seed_;
    long long spread_;
    int stride_;
    unsigned place_;
    platform::HandlerScope inner_;
    std::vector<Move> moves_;
    Counts counts_;
    std::map<QByteArray, bool> checked_; // a lane's openings: whether as after the move
};

// A test of stops: fresh globals, a program folder in memory, the messages shown recorded; every
// window, dice source and modal answer gone after it.
class Fixture : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { campaignstate::cleanUp(); }
    std::unique_ptr<testsupport::ProgramFolder> folder = campaignstate::programFolderInMemory();
    testsupport::Errors errors;
};

} // namespace crashsweep
