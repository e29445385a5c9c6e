// The reference lists of the data folder: base names, compass names, nations, base map points,
// order names and plot-scale captions. Each reader loads all its lists or, when one is missing
// or short, none (the error names the file).
#pragma once

// "basename.txt", "rosaventi.txt", "RosaShort.txt", "nazioni.txt".
void CaricaTabelleNomi();
// "coobasiX.txt", "coobasiY.txt" into BaseMapXY.
void CaricaCoordinateBasi();
// "ordinenavi.txt", "ordineAEREI.txt", "nearvalue.txt".
void CaricaOrdini();
