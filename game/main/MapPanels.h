// The main window's panels tied to the map: the off-map bases and the course pad.
#pragma once

// Hides the GIBILTERRA and ALESSANDRIA panels and reloads the clean map.
void NascondiPannelliMappa();
// Shows them for the Allies and reloads the clean map.
void MostraPannelliMappa();
// Shows the working naval group's route hours, knots and heading on the course pad.
void MostraRottaGN();
// Course pad back to rest.
void AzzeraEtichetteRotta();
// Clears the air-group panel's labels.
void PulisciEtichetteGA();
