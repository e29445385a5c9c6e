// The base table and the game state of the open campaign and their two files.
#pragma once

constexpr int kBaseFields = 30;
constexpr int kStateItems = 40;

// Bases 10, 11 and 13 have no port.
bool hasPort(int base);

// Rewrites "DatiBasi.dat" and "eventigioco.dat" on channel 3, closing only channel 3, so that a
// caller's open ship or aircraft file stays open.
void SalvaDatiBasi();
// Reads both files back on channel 3; the tables change only when both were read whole.
void CaricaDatiBasi();
