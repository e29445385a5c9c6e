// The points economy of the bases: the points a base has to spend, the work its port does in an
// hour, and the chance of repairing its damage.
#pragma once

// Set-up points - points used (field 22) + points arrived (field 21); 0 for a number that is no
// base.
long long availablePoints(int base);
// The port's work rate of this hour for CurrentSide: SelectedBase := base, then ValoriBase and
// FormulaRapporto. May be 0 or below.
int portWorkRate(int base);
// The chance (out of 100, beaten by a d100 below it) that a base repairs in an hour: 70 / its
// base level. A base of level 0 or below has no repair organisation and repairs nothing (0).
double baseRepairChance(int baseLevel);
