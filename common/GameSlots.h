// The four campaign slots of "NomeGiochi.txt": name, length in days, season and year of each.
#pragma once

#include <QString>

inline const QString kFreeSlotName = QStringLiteral("nn");

// Reads the 16 values of the slot file on channel 1 into GameSlots, then closes every channel;
// GameSlots changes only when the whole file was read.
void readGameSlots();
// Writes GameSlots to the slot file on channel 1, then closes every channel.
void SalvaNomiGiochi();
// Writes a slot file of four free slots when there is none.
void createSlotFileIfMissing();
// NextFreeSlot := the first slot named exactly "nn", 5 when none; returns it.
int computeNextFreeSlot();
