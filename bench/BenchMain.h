// The main of a benchmark program. runBenchmarks runs the program's benchmarks; runWithWindows
// first makes a headless application (without its warnings about what it cannot do to windows),
// with errors and message boxes written to the log instead of waiting for a player.
//
// With BENCH_SHORT set, each benchmark runs once (one iteration, or one pair of the hour), so that
// a whole program runs in seconds: a check that every benchmark still runs. The program's exit
// status is not zero when a benchmark failed (an action's error message, a campaign that did not
// open), as it is when one aborts.
#pragma once

#include "ActionClock.h"
#include "common/CampaignJournal.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "tests/support/QuietOffscreen.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace bench {

inline bool shortRun() {
    static const bool yes = qEnvironmentVariableIsSet("BENCH_SHORT");
    return yes;
}

// Sets a benchmark's least running time, unless the run is short.
template <int Seconds> void minTime(benchmark::internal::Benchmark* b) {
    if (!shortRun()) b->MinTime(Seconds);
}

// The console's report, each failed benchmark remembered.
class FailureCountingReporter : public benchmark::ConsoleReporter {
  public:
    FailureCountingReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred) failed.push_back(r.benchmark_name() + ": " + r.error_message);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::vector<std::string> failed;
};

inline int runBenchmarks(int argc, char** argv) {
    // A short run's least time per benchmark: the first iteration is enough.
    std::vector<char*> args(argv, argv + argc);
    static char shortTime[] = "--benchmark_min_time=0.000000001";
    if (shortRun()) args.insert(args.begin() + 1, shortTime);
    int count = int(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;
    FailureCountingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const std::string& f : reporter.failed) std::fprintf(stderr, "FAILED %s\n", f.c_str());
    return reporter.failed.empty() ? 0 : 1;
}

inline int runWithWindows(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::quietOffscreenWarnings();
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("bench"));
    // Each window action as the program runs it: one transaction over the campaign's files.
    runHandlersAsTransactions();
    platform::testing::setErrorHandler([](const QString& m) {
        ++errorsShown();
        qWarning("%s", qPrintable(m));
    });
    platform::testing::setMessageBoxHandler([](const platform::MessageBoxCall& m) {
        qWarning("%s", qPrintable(m.prompt));
        return int(platform::vbOK);
    });
    return runBenchmarks(argc, argv);
}

} // namespace bench
