#include "SaveBatch.h"

#include "Globals.h"

#include <algorithm>
#include <stdexcept>

SaveBatch::SaveBatch() {
    Globals& g = G();
    if (g.SaveBatchOpen) throw std::logic_error("SaveBatch: a batch is already open");
    g.SaveBatchOpen = true;
    g.SavesDue.clear();
}

SaveBatch::~SaveBatch() {
    G().SaveBatchOpen = false;
    G().SavesDue.clear();
}

void SaveBatch::commit() {
    Globals& g = G();
    const std::vector<void (*)()> due = std::move(g.SavesDue);
    g.SavesDue.clear();
    g.SaveBatchOpen = false;
    for (auto saver : due) saver();
}

bool holdSave(void (*saver)()) {
    Globals& g = G();
    if (!g.SaveBatchOpen) return false;
    if (std::find(g.SavesDue.begin(), g.SavesDue.end(), saver) == g.SavesDue.end())
        g.SavesDue.push_back(saver);
    return true;
}
