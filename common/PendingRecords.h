// TEMPORARY: routines of the records and foundation branches, declared here until they are merged.
#pragma once

#include <QString>

int TiraDado(int n);
int RaggioMissione(int p);
int KmInMiglia(int x);
void CaricaTabelleNomi();
void CaricaCoordinateBasi();
void CaricaOrdini();
void CaricaTabelleGruppi();
void SalvaTabelleGruppi();
void CaricaMine();
void CaricaDatiBasi();
void SalvaDatiBasi();
void CaricaSetUpGioco();
void ColoreLato();
int pendingCampaignDays();
int pendingCampaignSeason();
int pendingCampaignYear();
int pendingAirfieldLevel(int base);
