// The base table and the game state: saved together after nearly every change.
#pragma once

// Writes BaseTable (bases 1..15, fields 1..30) and GameState (items 1..40, quoted) to the
// campaign's "Stack" files on channel 3, closing only channel 3, so a caller's open ship or
// aircraft file stays open.
void SalvaDatiBasi();
