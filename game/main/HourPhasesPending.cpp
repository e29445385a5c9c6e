// Passes of the hourly step not written yet: each does nothing until its own source replaces it
// (remove the pass from this file when it is written elsewhere).
#include "HourPhases.h"

void FaseGAx() {}
void FaseGA1() {}
void MuoviGAInVolo() {}
void PattugliaCAP() {}
void RicognizioneOra() {}
void ArrivoGA() {}
void ContattiGNOra() {}
