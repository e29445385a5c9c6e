// Whole-file writes held in memory for a while: what a run of saves will write is known before any
// file changes, so that a journal can keep the prior contents of all of them in one flush.
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace platform {

// A file's disk path and the bytes a held writeWholeFile was given for it.
using HeldWrite = std::pair<QString, QByteArray>;

// While one is open, writeWholeFile keeps the bytes it is given (the last ones, for a file given
// twice) instead of writing them, and readWholeFile, TextReader and fileLength see them. take()
// ends the hold and hands them over in the order first given; closed without take(), the writes
// held are dropped. Holds do not nest.
class WholeFileWriteHold {
  public:
    WholeFileWriteHold();
    ~WholeFileWriteHold();
    WholeFileWriteHold(const WholeFileWriteHold&) = delete;
    WholeFileWriteHold& operator=(const WholeFileWriteHold&) = delete;
    std::vector<HeldWrite> take();
};

} // namespace platform
