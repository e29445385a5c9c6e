#include "SaveBatch.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {
struct Batch {
    bool open = false;
    std::vector<void (*)()> due;
};
Batch& batch() {
    static Batch b;
    return b;
}
} // namespace

SaveBatch::SaveBatch() {
    if (batch().open) throw std::logic_error("SaveBatch: a batch is already open");
    batch().open = true;
    batch().due.clear();
}

SaveBatch::~SaveBatch() {
    batch().open = false;
    batch().due.clear();
}

void SaveBatch::commit() {
    const std::vector<void (*)()> due = std::move(batch().due);
    batch().due.clear();
    batch().open = false;
    for (auto saver : due) saver();
}

bool holdSave(void (*saver)()) {
    Batch& b = batch();
    if (!b.open) return false;
    if (std::find(b.due.begin(), b.due.end(), saver) == b.due.end()) b.due.push_back(saver);
    return true;
}
