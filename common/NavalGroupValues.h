// A naval group's values rebuilt from its ships: slowest speed, lowest operativity, fires,
// aircraft, busy ships, the counts by class group, the group type, and the periscope die of a
// submarine group. The routines work on CurrentSide (1 or 2; any other side does nothing).
#pragma once

#include <QByteArrayView>
#include <QString>

// Whether a ship type code is a carrier's ("PA" or "PL").
bool isCarrierType(const QString& typeCode);
// Class group 1..6 of a ship type code (PA PL, NB IB IP IL, CT, NM NL, SA SC, PT MR NX AX); 0 for
// a code outside them.
int classGroupOf(const QString& typeCode);
// The same for a code as a record stores it (TextRecord::stored).
int classGroupOfStored(QByteArrayView typeCode);

// Recomputes group DepartingGn from the side's ship file and saves the group tables.
void RicalcolaGN();
// Wears the ships of group WorkingGnIndex: current operativity - 1, never below 1.
void RiduciOperativitaGN();
void AzzeraContaClassi();
// Counts the ship in ShipRecordBuffer into its class group (TogliNaveDaClasse takes it out).
void ContaNaviPerClasse();
void TogliNaveDaClasse();
void ScriviClassiGN();
void LeggiClassiGN();
// Takes the counted ship (aircraft in NewGroupAircraft) out of group SelectedGn; the last ship
// frees the group's row.
void TogliNaveDaGN();
// GroupType from ShipCategoryCounts: 8 convoy, 9 ordinary, 10 small, 11 carriers.
void TipoGN();
// ShipTypeName and ShipTypeCounts from the type code of the ship in ShipRecordBuffer.
void NomeClasseNave();
void AzzeraContaTipi();
// 1 when a submarine group is at periscope depth, else 0.
int ProvaDado(int dayFlag, int side, int knots, int nation);
