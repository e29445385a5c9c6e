#include "SaveBatch.h"

#include "Globals.h"

#include <algorithm>

SaveBatch::SaveBatch() : outermost_(!G().SaveBatchOpen) {
    Globals& g = G();
    if (!outermost_) return;
    g.SaveBatchOpen = true;
    g.SavesDue.clear();
}

SaveBatch::~SaveBatch() {
    if (!outermost_ || !open_) return;
    G().SaveBatchOpen = false;
    G().SavesDue.clear();
}

void SaveBatch::commit() {
    if (!outermost_ || !open_) return;
    Globals& g = G();
    const std::vector<void (*)()> due = std::move(g.SavesDue);
    g.SavesDue.clear();
    g.SaveBatchOpen = false;
    open_ = false;
    for (auto saver : due) saver();
}

bool holdSave(void (*saver)()) {
    Globals& g = G();
    if (!g.SaveBatchOpen) return false;
    if (std::find(g.SavesDue.begin(), g.SavesDue.end(), saver) == g.SavesDue.end())
        g.SavesDue.push_back(saver);
    return true;
}

void saveNowIfDue(void (*saver)()) {
    Globals& g = G();
    const auto it = std::find(g.SavesDue.begin(), g.SavesDue.end(), saver);
    if (it == g.SavesDue.end()) return;
    g.SavesDue.erase(it);
    g.SaveBatchOpen = false;
    try {
        saver();
    } catch (...) {
        g.SaveBatchOpen = true;
        throw;
    }
    g.SaveBatchOpen = true;
}

void dropDueSaves() {
    G().SavesDue.clear();
}
