// The four campaign slots of "NomeGiochi.txt": name, length in days, season and year of each.
#pragma once

#include "common/Globals.h"

#include <QString>
#include <QStringList>

inline const QString kFreeSlotName = QStringLiteral("nn");

// Reads the 16 values of the slot file on channel 1 into GameSlots, then closes every channel;
// GameSlots changes only when the whole file was read. A file holding more than four slots is
// refused (platform::FileError), so that no campaign beyond the fourth is dropped by a rewrite.
void readGameSlots();
// Writes GameSlots to the slot file on channel 1, then closes every channel.
void SalvaNomiGiochi();
// A slot whose name is neither "nn" nor, trimmed, a campaign name (letters only, 3 to 30): it cannot be
// opened.
bool isDamagedSlot(const Globals::GameSlot& slot);
// The campaigns in the campaign folder, by their base set-up files, in name order.
QStringList campaignsOnDisk();
// When the slot file is missing, writes it anew with the campaigns on disk in the first slots
// (their length, season and year from their settings) and returns what the player is told; an
// empty text when nothing was missing or no campaign was found. More than four campaigns on disk
// raise platform::FileError and nothing is written.
QString rebuildSlotFileIfMissing();
// NextFreeSlot := the first slot named exactly "nn", 5 when none; returns it.
int computeNextFreeSlot();
