// A program killed at any moment of the hourly step leaves a campaign that opens as it was after the
// last whole hour or after the hour that was running, every file of the same hour: never a mix.
#include "game/main/CampaignOpen.h"
#include "game/main/HourStep.h"

#include "SailingCampaign.h"
#include "common/Dice.h"
#include "platform/Files.h"
#include "tests/support/Lanes.h"
#include "tests/support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <ctime>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace platform;

namespace {

using Sums = std::map<QString, QByteArray>; // file of the campaign folder -> checksum

QString campaignFolder() {
    return diskPath(G().GamesPath);
}

Sums campaignSums() {
    Sums sums;
    const QDir folder(campaignFolder());
    for (const QString& name : folder.entryList(QDir::Files))
        sums[name] =
            QCryptographicHash::hash(testsupport::readBytes(folder.filePath(name)), QCryptographicHash::Md5);
    return sums;
}

// Hours since the campaign's first day began.
int campaignHour() {
    return int(G().state(StateItem::Day) * 24 + G().state(StateItem::Hour));
}

// The dice of an hour follow from its clock alone, so an hour run again after a kill rolls as it
// did in the uninterrupted run.
void diceOfTheHour() {
    setDiceSource([rng = std::mt19937(7919u * unsigned(campaignHour()) + 17u)](int sides) mutable {
        return int(rng() % unsigned(std::max(sides, 1))) + 1;
    });
}

// The start window's choice, then the opening: whether an hour cut short was undone.
bool openCampaign() {
    testcampaign::choose();
    return loadCampaign();
}

constexpr int kOpened = -1;

// The sanitizers slow every kill several times over: their build runs half the kills.
using testsupport::kSanitized;

// The child: opens the campaign and runs hours until `lastClock`, telling the parent through
// `report` that the campaign is open (kOpened), then each whole hour's clock. It never returns.
[[noreturn]] void runHours(int report, int lastClock) {
    int code = 0;
    try {
        openCampaign();
        if (::write(report, &kOpened, sizeof kOpened) != sizeof kOpened) code = 4;
        HourView nothing;
        while (campaignHour() < lastClock) {
            diceOfTheHour();
            if (!runHourWhole(nothing).done) {
                code = 2;
                break;
            }
            const int done = campaignHour();
            if (::write(report, &done, sizeof done) != sizeof done) code = 4;
        }
    } catch (...) {
        code = 3;
    }
    ::_exit(code);
}

// The processor time a process has used (0 when it cannot be read). Kills are placed by the
// child's own processor time, so that they fall in the same places of its work however busy the
// machine is and however many lanes run beside it.
qint64 cpuNs(pid_t process) {
    clockid_t clock;
    timespec t{};
    if (::clock_getcpuclockid(process, &clock) != 0 || ::clock_gettime(clock, &t) != 0) return 0;
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Kills the child once it has used `cpu` of processor time, unless it ends first; reaps it.
bool endChildAt(pid_t child, qint64 cpu, int& status) {
    clockid_t clock;
    const bool timed = ::clock_getcpuclockid(child, &clock) == 0;
    timespec t{};
    while (timed && ::clock_gettime(clock, &t) == 0 && qint64(t.tv_sec) * 1000000000 + t.tv_nsec < cpu) {
        if (::waitpid(child, &status, WNOHANG) == child) return true;
        std::this_thread::sleep_for(std::chrono::microseconds(20));
    }
    ::kill(child, SIGKILL);
    return ::waitpid(child, &status, 0) == child;
}

// What a lane of kills found, sent whole through a pipe: counts, and the first failure.
struct LaneResult : testsupport::LaneFailure {
    int kills = 0, undone = 0, ahead = 0, finished = 0;
};

// One lane: the campaign as it started, the checksums of the uninterrupted run by the hour's
// clock, the processor times of the opening and of an hour that place the kills, and its share of
// them with its own random sequence.
struct Lane {
    const std::map<QString, QByteArray>& startFiles;
    const std::map<int, Sums>& whole;
    int firstClock, lastClock;
    qint64 openCpuNs, hourCpuNs;
    int kills;
    unsigned seed;
};

// Kills at any moment of the child's opening and of its first hours, every other one after the
// opening whatever it took: in every phase, in the journal's writing and in the commit. After each
// kill the campaign must open as the last whole hour the child told of, or the one after, every
// file as the uninterrupted run left it then. Stops at the first failure.
void runLane(const Lane& lane, LaneResult& result) {
    auto restart = [&] {
        QDir folder(campaignFolder());
        for (const QString& name : folder.entryList(QDir::Files)) folder.remove(name);
        for (const auto& [name, bytes] : lane.startFiles)
            testsupport::writeBytes(folder.filePath(name), bytes);
    };
    restart();
    std::mt19937 rng(lane.seed);
    std::uniform_real_distribution<double> share(0.0, 1.0);
    // Beside the other lanes a child spends more processor time on the same work than the
    // uninterrupted run did; its openings say how much more, and the kills are stretched as much.
    double stretch = 1.0;
    int at = lane.firstClock;
    for (int kill = 0; kill < lane.kills; ++kill) {
        const QString which = QStringLiteral("kill %1: ").arg(kill);
        int report[2];
        if (::pipe(report) != 0) return result.fail(which + QStringLiteral("no pipe"));
        const pid_t child = ::fork();
        if (child < 0) return result.fail(which + QStringLiteral("no fork"));
        if (child == 0) {
            ::close(report[0]);
            runHours(report[1], lane.lastClock);
        }
        ::close(report[1]);
        int told = at, clockDone = 0;
        const bool afterOpening = kill % 2 == 1;
        if (afterOpening && ::read(report[0], &clockDone, sizeof clockDone) != sizeof clockDone)
            return result.fail(which + QStringLiteral("the child did not open the campaign"));
        qint64 killCpu = 0;
        if (afterOpening) {
            const qint64 opened = cpuNs(child);
            stretch = 0.75 * stretch + 0.25 * std::max(1.0, double(opened) / double(lane.openCpuNs));
            killCpu = opened + qint64(share(rng) * stretch * 2.5 * double(lane.hourCpuNs));
        } else {
            killCpu = qint64(share(rng) * stretch * double(lane.openCpuNs + 2 * lane.hourCpuNs));
        }
        int status = 0;
        if (!endChildAt(child, killCpu, status)) return result.fail(which + QStringLiteral("no child"));
        while (::read(report[0], &clockDone, sizeof clockDone) == sizeof clockDone)
            if (clockDone != kOpened) told = clockDone;
        ::close(report[0]);
        ++result.kills;
        if (!WIFSIGNALED(status)) {
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
                return result.fail(which + QStringLiteral("status %1").arg(status));
            ++result.finished;
        }

        try {
            result.undone += openCampaign();
        } catch (const std::exception& e) {
            return result.fail(which + QStringLiteral("the opening failed: ") + QString::fromUtf8(e.what()));
        }
        at = campaignHour();
        if (at != told && at != told + 1)
            return result.fail(which + QStringLiteral("at %1, told %2").arg(at).arg(told));
        result.ahead += at == told + 1;
        const Sums sums = campaignSums();
        const auto expected = lane.whole.find(at);
        if (expected == lane.whole.end()) return result.fail(which + QStringLiteral("no hour %1").arg(at));
        QStringList names, expectedNames;
        for (const auto& [name, sum] : sums) names << name;
        for (const auto& [name, sum] : expected->second) expectedNames << name;
        if (names != expectedNames)
            return result.fail(which + names.join(' ') + QStringLiteral(" instead of ") +
                               expectedNames.join(' '));
        for (const auto& [name, sum] : expected->second)
            if (sums.at(name) != sum) return result.fail(which + name + QStringLiteral(" at %1").arg(at));
        if (at >= lane.lastClock - 2) {
            restart();
            at = lane.firstClock;
        }
    }
}

class HourKill : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        setDiceSource({});
        resetGlobals();
    }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};

} // namespace

TEST_F(HourKill, AKillAtAnyMomentLeavesTheLastWholeHourOrTheOneBefore) {
    constexpr int kHours = 40;
    constexpr int kKills = kSanitized ? 100 : 200;
    const int laneCount = std::clamp(int(std::thread::hardware_concurrency()) / 2, 1, 4);
    sailing::writeCampaign(sailing::kSailing);
    std::map<QString, QByteArray> startFiles;
    for (const QString& name : QDir(campaignFolder()).entryList(QDir::Files))
        startFiles[name] = testsupport::readBytes(campaignFolder() + '/' + name);

    // The uninterrupted run: every file's checksum after each hour, by the hour's clock, and the
    // processor time the opening and an hour take.
    const pid_t self = ::getpid();
    qint64 start = cpuNs(self);
    ASSERT_FALSE(openCampaign());
    const qint64 openCpuNs = cpuNs(self) - start;
    const int firstClock = campaignHour();
    const int lastClock = firstClock + kHours;
    std::map<int, Sums> whole{{firstClock, campaignSums()}};
    HourView nothing;
    qint64 hourCpuNs = 0;
    while (campaignHour() < lastClock) {
        diceOfTheHour();
        start = cpuNs(self);
        ASSERT_TRUE(runHourWhole(nothing).done) << campaignHour();
        hourCpuNs += cpuNs(self) - start;
        whole[campaignHour()] = campaignSums();
    }
    hourCpuNs /= kHours;
    setDiceSource({});
    // The run moved ships and wrote activity and contact records: the kills fall among every kind
    // of write the hour makes.
    int changed = 0;
    for (const auto& [name, sum] : whole[lastClock]) {
        const auto before = whole[firstClock].find(name);
        changed += before == whole[firstClock].end() || before->second != sum;
    }
    EXPECT_GE(changed, 7);

    // The kills run in lanes, each a process with a program folder of its own that kills its own
    // children, so that the kills of several lanes run at once; the lanes report what they found.
    int kills = 0, undone = 0, ahead = 0, finished = 0;
    const auto inLane = [&](int lane, LaneResult& result) {
        const testsupport::ProgramFolder laneFolder;
        testcampaign::choose();
        runLane(Lane{startFiles, whole, firstClock, lastClock, openCpuNs, hourCpuNs,
                     kKills / laneCount + (lane < kKills % laneCount ? 1 : 0), 20261209u + unsigned(lane)},
                result);
        if (!errors.messages.isEmpty())
            result.fail(QStringLiteral("shown: ") + errors.messages.join(QStringLiteral(" | ")));
    };
    for (const LaneResult& result : testsupport::runLanes<LaneResult>(laneCount, inLane)) {
        kills += result.kills, undone += result.undone, ahead += result.ahead, finished += result.finished;
    }
    EXPECT_EQ(kills, kKills);
    EXPECT_EQ(errors.messages, QStringList());
    // The kills fell inside hours, whose journals the opening rolled back: well over a tenth of
    // them in a plain build, somewhat fewer where a sanitizer slows the opening more than the hour.
    EXPECT_GT(undone, kKills / 20) << "ahead " << ahead << ", finished " << finished;
    RecordProperty("undone", undone);
    RecordProperty("ahead", ahead);
}
