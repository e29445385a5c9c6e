// The base table and the game state of the open campaign and their two files.
#pragma once

constexpr int kBaseFields = 30;
constexpr int kStateItems = 40;

// Bases 10, 11 and 13 have no port.
bool hasPort(int base);

// Rewrites "DatiBasi.dat" and "eventigioco.dat" on channel 3, closing only channel 3, so that a
// caller's open ship or aircraft file stays open. A value the opening would refuse is not written:
// see below.
void SalvaDatiBasi();
// The base table and the game state as SalvaDatiBasi writes them: a value outside its range
// raises platform::FileError naming the file, the line and the field (CampaignChecks.h).
void checkDatiBasiBeforeSaving();
// Reads both files back on channel 3; the tables change only when both were read whole.
void CaricaDatiBasi();
