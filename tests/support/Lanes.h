// A long test's work shared among lanes: child processes that each run their part at once and
// report one plain result back through a pipe.
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

// Whether the address sanitizer is built in: it slows every run of a lane several times over.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// The first failure a lane met, kept as plain bytes so that a result crosses the pipe as it is.
struct LaneFailure {
    char failure[512] = {};
    void fail(const QString& why) {
        if (failure[0] == 0) qstrncpy(failure, why.toUtf8().constData(), sizeof failure);
    }
};

// Runs body(lane, result) in laneCount child processes at once and returns the results of the
// lanes that reported; a body that throws fails its lane. A lane that could not start, did not
// report or failed is a test failure.
template <class Result>
std::vector<Result> runLanes(int laneCount, const std::function<void(int lane, Result& result)>& body) {
    std::vector<pid_t> lanes;
    std::vector<int> reports;
    for (int lane = 0; lane < laneCount; ++lane) {
        int report[2];
        if (::pipe(report) != 0) {
            ADD_FAILURE() << "no pipe for lane " << lane;
            break;
        }
        const pid_t pid = ::fork();
        if (pid < 0) {
            ADD_FAILURE() << "lane " << lane << " not started";
            ::close(report[0]);
            ::close(report[1]);
            break;
        }
        if (pid == 0) {
            ::close(report[0]);
            Result result;
            try {
                body(lane, result);
            } catch (const std::exception& e) {
                result.fail(QStringLiteral("lane: ") + QString::fromUtf8(e.what()));
            }
            const bool told = ::write(report[1], &result, sizeof result) == sizeof result;
            ::_exit(told ? 0 : 1);
        }
        ::close(report[1]);
        lanes.push_back(pid);
        reports.push_back(report[0]);
    }
    std::vector<Result> results;
    for (size_t lane = 0; lane < lanes.size(); ++lane) {
        Result result;
        const bool told = ::read(reports[lane], &result, sizeof result) == sizeof result;
        ::close(reports[lane]);
        int status = 0;
        EXPECT_EQ(::waitpid(lanes[lane], &status, 0), lanes[lane]);
        EXPECT_TRUE(told) << "lane " << lane << ": status " << status;
        EXPECT_STREQ(result.failure, "") << "lane " << lane;
        if (told) results.push_back(result);
    }
    return results;
}

} // namespace testsupport
