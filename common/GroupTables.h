// The naval-group and air-group tables of both sides and their air-group names: their six files,
// the free-group searches and the side colour.
#pragma once

// Rewrites the six files of the open campaign from the tables; every channel is closed before,
// between the files and after. A value the opening would refuse is not written: see below.
void SalvaTabelleGruppi();
// The four group tables as SalvaTabelleGruppi writes them: a column of a group in use outside its
// range raises platform::FileError naming the file, the group and the column (CampaignChecks.h).
void checkGroupTablesBeforeSaving();
// Reads the six files back; the tables change only when all six were read whole.
void CaricaTabelleGruppi();
// NewGroupNumber := the first free naval group of CurrentSide, its columns cleared; 99 when none.
void PrimoGNLibero();
// NewGroupNumber := the first free air group of CurrentSide (row left as it is); 99 when none.
void PrimoGALibero();
// SideColour from CurrentSide: yellow for the Allies, red for the Axis, the system colour else.
void ColoreLato();
