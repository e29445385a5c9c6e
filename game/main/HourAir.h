// Rules of the air passes of the hourly step that the passes share with the map.
#pragma once

// A point on a base's square: the 180 × 180 box from the base's point, edges included.
bool onBaseSquare(int x, int y, int bx, int by);
