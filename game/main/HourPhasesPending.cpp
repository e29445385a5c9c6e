// Passes of the hourly step not written yet: each does nothing until its own source replaces it
// (remove the pass from this file when it is written elsewhere).
#include "HourPhases.h"

void InizioOraNavi() {}
void AggiornaGNDaNavi() {}
void ColpiMine() {}
void DanniNaviOra() {}
void FaseSCA() {}
void FaseCAR() {}
void FaseRIF() {}
void FaseRIP() {}
void ChiusuraNaviOra() {}
void FaseCAA() {}
void AggiornaNaviOra() {}
void DecadimentoMine() {}
void BordiMappaGA() {}

#include "FrmMain.h"

void FrmMain::CircleAttivita() {}
void FrmMain::AggiornaBasiOra() {}
