// The program's own fsync and fdatasync, linked ahead of the C library's: each call is counted,
// then made by the kernel as the library would make it.
#include "SyncCount.h"

#include <atomic>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
std::atomic<long long> syncs{0};
} // namespace

extern "C" int fsync(int fd) {
    syncs.fetch_add(1, std::memory_order_relaxed);
    return int(::syscall(SYS_fsync, fd));
}

extern "C" int fdatasync(int fd) {
    syncs.fetch_add(1, std::memory_order_relaxed);
    return int(::syscall(SYS_fdatasync, fd));
}

long long bench::syncCount() {
    return syncs.load(std::memory_order_relaxed);
}
