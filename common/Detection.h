// Whether a naval group is seen: one rule of sighting and evasion values built from the group's
// modifiers, a d8 and its type value, used when two enemy groups meet (IncontroGN), when a base
// looks out (AvvistamentoBaseAlle / AvvistamentoBaseAsse) and when a reconnaissance air group is
// over an enemy group (AvvistamentoRicognitore). The caller sets the parties (EncounterGnAlle,
// EncounterGnAsse, SightingBaseAlle / Asse, ContactUnitAlle / Asse, ReconSightValue, AirOrder) and
// ContactDistance, EncounterCapLevel, DayFlag and WeatherSeverity; the outcome goes to the
// activity and contact files and to the seen group's column 18.
//
// A group number outside 0..50 or a base outside 0..15 is refused with platform::RangeError.
#pragma once

#include <QList>
#include <QString>

void AzzeraModificatori();
// The Axis group EncounterGnAsse against the Allied group EncounterGnAlle: EvasionValueAsse,
// SightValueAsse and its d8 in SightDieAsse.
void ModificatoriAvvistamento();
// The Allied group EncounterGnAlle against EncounterGnAsse, into the Allied values.
void ModificatoriAvvistamentoAlle();

void IncontroGN();
void AvvistamentoBaseAlle();
void AvvistamentoBaseAsse();
void AvvistamentoRicognitore();

// The aircraft band of a group with so many aircraft aboard (before night and weather).
int aircraftBand(int aircraft);
// The evasion modifier of the distance between the two parties.
int distanceModifier(int distance);

// The lines of the main window's list of own groups near the open group SelectedGn of
// CurrentSide, with their group numbers; ContactDistance keeps the last distance measured.
struct NearbyGroupLine {
    QString text;
    int group;
};
QList<NearbyGroupLine> nearbyGroupLines();
