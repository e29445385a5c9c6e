// The steps by which the file layer changes the disk (a file made, written, flushed or cut, a name
// renamed or removed, a folder made or flushed), counted, and the test seams of a program that
// stops between two of them: as a kill stops it, or as a power loss leaves the disk.
#pragma once

#include <functional>

namespace platform {

// The status a process ends with when a test's crash stops it.
constexpr int kCrashExitCode = 86;

// Disk steps made since the program started.
long long diskSteps();

// How many of a file's or a folder's changes since its last flush a power loss keeps (from 0 to
// `pending`, the first ones in the order made).
using KeptChanges = std::function<int(int pending)>;

// Test seam: the process ends at once (::_exit(kCrashExitCode): nothing flushed, no destructor
// run) just before its `step`-th disk step from now. With `power` set, the disk is first left as a
// power loss could leave it (losePower). 0 disarms.
void crashBeforeStep(long long step, KeptChanges power = {});

// Test seam of the power loss: from trackPowerLoss() on, the writes to each file since its last
// flush and the names made, renamed or removed in each folder since its last flush are noted (a
// file first met is kept as the disk holds it then); losePower() rewrites the disk as a power loss
// could leave it then and stops noting: of each file's unflushed writes, in the order made, the
// first `power(n)` are kept, and of each folder's unflushed name changes the first `power(n)`, the
// rest undone from the last. Files and folders are asked in the order first changed.
void trackPowerLoss();
void losePower(const KeptChanges& power);

} // namespace platform
