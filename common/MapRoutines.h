// The common marks of the campaign map and the hourly step of one naval group: its move along its
// course, the land test by the colour of the map, and the run beyond the Gibraltar and Alexandria
// edges. The routines work on the working naval group (GnPosX, GnPosY, ... in the state object).
// The land test reads the clean map of the hour that the game holds (MapImage); the marks are drawn
// on the main window's map picture (MapPicture) and are left out when no window shows the map.
#pragma once

#include <QImage>

// The map's own units: the map picture spans 0..kMapWidth by 0..kMapHeight, whatever its pixels.
constexpr int kMapWidth = 15250;
constexpr int kMapHeight = 6930;

// Sea point of the map whose colour is the sea colour of the land test.
constexpr int kSeaReferenceX = 12210;
constexpr int kSeaReferenceY = 990;
// Distance run beyond the edges to reach the off-map bases.
constexpr int kGibraltarDistance = 9600;
constexpr int kAlexandriaDistance = 3000;

void MuoviGN();
void ControllaTerraGN();
void NavigazioneFuoriMappa();
void TracciaRottaGN();
int BaseSottoGN();
// A point on the square of a base: the 180 × 180 box from the base's point, edges included.
bool onBaseSquare(double x, double y, int base);
// A point on the icon of a naval group at (gx, gy): the 120 × 80 box from its point, edges included.
bool onNavalGroupBox(double x, double y, int gx, int gy);
// A point on an air group at (gx, gy): 80 either side of its point, edges included.
bool onAirGroupBox(double x, double y, int gx, int gy);
void DisegnaSegnoGN();
void CerchiGN();
void DisegnaBasi();
void DisegnaSegnoMappa();
void CerchioMissione();
void RicaricaMappa();

// The colour of a point of the clean map (-1 outside the picture or with no map).
long mapColour(int x, int y);
// The clean map of the hour (MapPicturePath), read again from its file when the file changed.
const QImage& reloadCleanMap();
