// The passes of the hourly step that the sequencer (FrmMain::RunTime) calls. Each takes no
// arguments; a per-side pass reads CurrentSide and does nothing when it is neither 1 nor 2.
#pragma once

#include <functional>

// Air groups: landing of the groups ordered home ("GAx"), weather damage, night and fatigue
// returns ("GA1"), movement in flight, combat air patrol and reconnaissance, arrival over
// targets, naval bombardment contacts.
void FaseGAx();
void FaseGA1();
void MuoviGAInVolo();
void PattugliaCAP();
void RicognizioneOra();
void ArrivoGA();
void ContattiGNOra();

// Ships and ports: start-of-hour ship pass, group values from their ships, mines, fires and
// sinking, port work, base repair, end-of-hour ship passes, end of day, mine decay, air groups
// at the map edges.
void InizioOraNavi();
void AggiornaGNDaNavi();
// AggiornaGNDaNavi for every naval group in use of CurrentSide (CurrentGnIndex set to each), from
// one opening of the side's ship file and one save of the tables; `each` is told each group before
// its pass.
void groupValuesOfSide(const std::function<void(int group)>& each = {});
void ColpiMine();
void DanniNaviOra();
void FaseSCA();
void FaseCAR();
void FaseRIF();
void FaseRIP();
// Repair of base damage with points, for the bases of CurrentSide.
void AggiornaBasiOra();
void ChiusuraNaviOra();
void FaseCAA();
void AggiornaNaviOra();
void DecadimentoMine();
void BordiMappaGA();
