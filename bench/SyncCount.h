// The flushes to the disk (fsync, fdatasync) the program has asked for since it started: each
// benchmark program counts them, so that a timing says how many syncs an action cost.
#pragma once

namespace bench {

long long syncCount();

} // namespace bench
