// TEMPORARY stand-ins until the records and foundation branches are merged.
#include "PendingRecords.h"

#include "Globals.h"

int TiraDado(int n) { return n > 0 ? 1 : 1; }
int RaggioMissione(int p) { return p; }
int KmInMiglia(int x) { return x; }
void CaricaTabelleNomi() {}
void CaricaCoordinateBasi() {}
void CaricaOrdini() {}
void CaricaTabelleGruppi() {}
void SalvaTabelleGruppi() {}
void CaricaMine() {}
void CaricaDatiBasi() {}
void SalvaDatiBasi() {}
void CaricaSetUpGioco() {}
void ColoreLato() {
    G().SideColour = G().CurrentSide == 1 ? 0xFFFF : G().CurrentSide == 2 ? 0xFF : 0x8000000AL;
}
int pendingCampaignDays() { return 30; }
int pendingCampaignSeason() { return 3; }
int pendingCampaignYear() { return 1941; }
int pendingAirfieldLevel(int) { return 0; }
