// The clock of a player's action: for each click its wall time, the CPU time of the whole program
// and the syncs it asked of the disk, reported as the median click beside the library's columns.
// A saving action is registered with timedAsAction, so that the library's own columns are the
// wall time and the process CPU time as well.
#pragma once

#include "SyncCount.h"

#include <QtGlobal>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace bench {

// The error messages the windows have shown since the program started (BenchMain.h counts them): a
// click that shows one has failed.
inline long long& errorsShown() {
    static long long n = 0;
    return n;
}

// With BENCH_MARK_CLICKS set, each click timed is bracketed in a system-call trace (strace) by a
// write of "click" / "end of click" to no file, so that the syncs of one click can be told apart.
inline void markInTrace(const char* text) {
    static const bool marking = qEnvironmentVariableIsSet("BENCH_MARK_CLICKS");
    if (marking) (void)!::write(-1, text, std::strlen(text));
}

// With BENCH_PERF_CTL_FD set to the control descriptor of a sampling profiler started disabled
// (perf record -D -1 --control fd:N), the profiler samples the timed clicks only.
inline void profileClicks(bool on) {
    static const int fd = qEnvironmentVariableIsSet("BENCH_PERF_CTL_FD")
                              ? qEnvironmentVariableIntValue("BENCH_PERF_CTL_FD")
                              : -1;
    if (fd < 0) return;
    const char* command = on ? "enable\n" : "disable\n";
    (void)!::write(fd, command, std::strlen(command));
}

class ActionClock {
  public:
    void start() {
        markInTrace("click");
        profileClicks(true);
        wallStart_ = std::chrono::steady_clock::now();
        cpuStart_ = processCpuMs();
        syncsStart_ = syncCount();
    }
    void stop() {
        const auto wall = std::chrono::steady_clock::now() - wallStart_;
        wall_.push_back(std::chrono::duration<double, std::milli>(wall).count());
        cpu_.push_back(processCpuMs() - cpuStart_);
        syncs_.push_back(double(syncCount() - syncsStart_));
        profileClicks(false);
        markInTrace("end of click");
    }
    // wall_ms, cpu_ms and syncs of the median click.
    void report(benchmark::State& state) const {
        if (wall_.empty()) return;
        state.counters["wall_ms"] = median(wall_);
        state.counters["cpu_ms"] = median(cpu_);
        state.counters["syncs"] = median(syncs_);
    }

  private:
    static double processCpuMs() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }
    static double median(std::vector<double> v) {
        const auto mid = v.begin() + std::ptrdiff_t(v.size() / 2);
        std::nth_element(v.begin(), mid, v.end());
        if (v.size() % 2) return *mid;
        return (*mid + *std::max_element(v.begin(), mid)) / 2;
    }
    std::chrono::steady_clock::time_point wallStart_;
    double cpuStart_ = 0;
    long long syncsStart_ = 0;
    std::vector<double> wall_, cpu_, syncs_;
};

// Wall time decides the iterations and is the "Time" column; "CPU" is the whole program's.
inline void timedAsAction(benchmark::internal::Benchmark* b) {
    b->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
}

} // namespace bench
