#include "GameSlots.h"

#include "DataFolder.h"

namespace {
using Slots = Globals::GameSlot[kSlots + 1];
}

void readGameSlots() {
    Globals& g = G();
    Slots read;
    readOnChannel(kChannelLists, g.SlotFilePath, CloseRule::AllChannels, [&](platform::TextReader& r) {
        for (int s = 1; s <= kSlots; ++s) {
            read[s].name = r.readText();
            read[s].days = readWhole16(r);
            read[s].season = readWhole16(r);
            read[s].year = readWhole16(r);
        }
    });
    for (int s = 1; s <= kSlots; ++s) g.GameSlots[s] = read[s];
}

void SalvaNomiGiochi() {
    const Globals& g = G();
    writeOnChannel(kChannelLists, g.SlotFilePath, CloseRule::AllChannels, [&](platform::TextWriter& w) {
        for (int s = 1; s <= kSlots; ++s) {
            w.writeText(g.GameSlots[s].name);
            w.writeNumber(g.GameSlots[s].days);
            w.writeNumber(g.GameSlots[s].season);
            w.writeNumber(g.GameSlots[s].year);
        }
    });
}

void createSlotFileIfMissing() {
    Globals& g = G();
    if (platform::fileExists(g.SlotFilePath)) return;
    for (int s = 1; s <= kSlots; ++s) g.GameSlots[s] = {kFreeSlotName, 0, 0, 0};
    SalvaNomiGiochi();
}

int computeNextFreeSlot() {
    Globals& g = G();
    int free = kSlots + 1;
    for (int s = 1; s <= kSlots; ++s)
        if (g.GameSlots[s].name == kFreeSlotName) {
            free = s;
            break;
        }
    g.NextFreeSlot = free;
    return free;
}
