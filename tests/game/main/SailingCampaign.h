// A small campaign with naval groups under way toward each other and along the coasts, written to
// the program folder as the wizard leaves one, for tests that run many hours of it.
#pragma once

#include "TestCampaign.h"
#include "common/NavalGroupValues.h"

#include <QList>
#include <QStringList>

namespace sailing {

struct Group {
    int side, number;
    QStringList ships;
    int x, y, course, knots, routeHours;
};

// Groups under way toward each other and along the coasts, with their ships; the campaign is
// left chosen, as the start window leaves it.
inline void writeCampaign(const QList<Group>& groups) {
    for (const Group& grp : groups) {
        Int16* r = G().gnTable(grp.side)[grp.number];
        r[GnCol::InUse] = 1, r[GnCol::MaxKnots] = 30, r[GnCol::Ships] = int(grp.ships.size());
        r[GnCol::MinOperativity] = 100, r[GnCol::Order] = kNavalTransit, r[GnCol::Side] = grp.side;
        r[GnCol::UnderWay] = 1, r[GnCol::Knots] = grp.knots, r[GnCol::Step] = 10 * grp.knots;
        r[GnCol::Course] = grp.course, r[GnCol::RouteHours] = grp.routeHours;
        r[GnCol::X] = grp.x, r[GnCol::Y] = grp.y;
        for (const QString& type : grp.ships) r[GnCol::Carriers + classGroupOf(type) - 1] += 1;
    }
    G().BaseTable[12][BaseCol::SightingValue] = 11;
    G().BaseTable[13][BaseCol::SightingValue] = 11;
    testcampaign::write({.season = 3, .day = 0, .hour = 6, .weather = 1});
    for (const Group& grp : groups) {
        QList<testcampaign::Ship> ships;
        for (const QString& type : grp.ships) ships << testcampaign::Ship{.type = type, .group = grp.number};
        testcampaign::appendShips(grp.side, ships);
    }
    testcampaign::choose();
}

inline const QList<Group> kSailing = {
    {kAllies, 1, {"CT", "CT"}, 7000, 4500, 5, 10, 30},
    {kAllies, 2, {"IL", "CT", "CT"}, 1000, 2500, 4, 15, 100},
    {kAxis, 1, {"CT", "CT"}, 10000, 4500, 4, 10, 30},
    {kAxis, 2, {"CT", "CT", "CT"}, 5850, 3960, 2, 10, 20},
};

} // namespace sailing
