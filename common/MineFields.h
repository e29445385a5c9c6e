// The mine fields on the map: whether a point lies in a field, and their drawing.
#pragma once

// Inside the field's rectangle, edges excluded: x1 < x < x2 and y1 < y < y2.
bool insideMineField(int field, int x, int y);
// Draws the 24 fields on the map picture in blue: the outline, the field's number, and, while a
// side is in play, that side's own mines in the field.
void DisegnaMine();
