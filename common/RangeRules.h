// Measures on the map and the small numeric rules built on them. Whole numbers are 16-bit; a
// result that does not fit is refused with platform::RangeError.
#pragma once

// Int(Sqr((x2 - x1)² + (y2 - y1)²)): whole map units between two points.
int DistanzaPunti(int x1, int y1, int x2, int y2);
// The band value of a distance: 32 up to 500, 28 to 800, 26 to 1000, 22 to 1800, 18 to 3600,
// 14 to 4600, else 10; doubled while MapClickMode is above 0.
int FasciaDistanza(int d);
// The mission radius of endurance p at MissionSpeed v: u := p - Int(p / 5) goes to
// UsableEndurance, and the result is Int(v / 1.6 × Int(u / 2)).
int RaggioMissione(int p);
// Int(x / 1.853).
int KmInMiglia(int x);
// For SelectedBase: PortLevel := BasePortLevel, PortDamageStep := Int(BaseTable field 3 / 20),
// PortCoefficient := GameSettings item 14 (Allies) or 15 (Axis), kept with no side in play.
void ValoriBase();
// The port work rate of an hour: Int((a + 12) / (b + 1) - c); may be 0 or below.
int FormulaRapporto(int a, int b, int c);
