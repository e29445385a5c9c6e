// The ship passes of the hourly step beyond those the sequencer calls itself (HourPhases.h).
#pragma once

// The sinking test of the side's ships after the damage pass: a sunk ship is marked lost, leaves
// its group and port, is counted and is appended to the lost-ship file.
void AffondamentoNavi();
