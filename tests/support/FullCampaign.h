// A full campaign (50 naval and 50 air groups a side, 600 ships a side unless asked for more),
// written in the program folder set or in a program folder of its own: the benchmarks' campaign,
// and the crash sweep's.
#pragma once

#include "common/Globals.h"
#include "platform/Files.h"
#include "tests/game/main/TestCampaign.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace fullcampaign {

inline void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + u'/' + QDir(from).relativeFilePath(src);
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

// Writes the campaign in the program folder set; `arrange` may change the tables before they are
// written; the ships are shared evenly among the groups of each side.
inline void write(const std::function<void()>& arrange = {}, int shipsPerSide = 600) {
    resetGlobals();
    Globals& g = G();
    for (int side : {kAllies, kAxis}) {
        for (int n = 1; n <= kGroups; ++n) {
            Int16* gn = g.gnTable(side)[n];
            Int16* ga = g.gaTable(side)[n];
            gn[GnCol::InUse] = ga[GaCol::InUse] = 1;
            gn[GnCol::Ships] = Int16(shipsPerSide / kGroups);
            gn[GnCol::Destroyers] = gn[GnCol::Ships]; // the ships are destroyers (CT)
            gn[GnCol::X] = 6000 + 100 * n;
            gn[GnCol::Y] = 3500 + 30 * n;
            ga[GaCol::Aircraft] = 9;
            ga[GaCol::X] = 7000 + 100 * n;
            ga[GaCol::Y] = 4000;
            g.gaNames(side)[n][1] = QStringLiteral("AEREO %1").arg(n);
        }
    }
    if (arrange) arrange();
    testcampaign::write({.hour = 10, .weather = 1});
    for (int side : {kAllies, kAxis}) {
        QList<testcampaign::Ship> ships;
        for (int i = 0; i < shipsPerSide; ++i) {
            testcampaign::Ship s;
            s.group = i % kGroups + 1;
            ships << s;
        }
        testcampaign::appendShips(side, ships);
    }
}

// Allied groups on a 10 x 5 grid sailing east, the Axis groups between them sailing west: after
// their step each lies 237 map units from an enemy.
inline void underWay() {
    Globals& g = G();
    for (int side : {kAllies, kAxis}) {
        for (int n = 1; n <= kGroups; ++n) {
            Int16* r = g.gnTable(side)[n];
            const int i = (n - 1) % 10, j = (n - 1) / 10;
            r[GnCol::X] = 4200 + 550 * i + (side == kAxis ? 275 : 0);
            r[GnCol::Y] = 3700 + 450 * j + (side == kAxis ? 225 : 0);
            r[GnCol::Course] = side == kAllies ? 5 : 4;
            r[GnCol::Knots] = 10;
            r[GnCol::Step] = 100;
            r[GnCol::RouteHours] = 200;
            r[GnCol::MinOperativity] = 100;
            r[GnCol::Destroyers] = 12;
        }
    }
}

// The campaign in a program folder of its own.
struct FullCampaign {
    QTemporaryDir dir;
    Globals::GameSlot slot;
    explicit FullCampaign(const std::function<void()>& arrange = {}, int shipsPerSide = 600) {
        copyTree(QStringLiteral(SHIPPED_DATA_DIR), dir.path());
        platform::setAppFolder(dir.path());
        write(arrange, shipsPerSide);
        slot = G().GameSlots[1];
    }
    // The state the start window leaves when the campaign is chosen.
    void choose() const {
        resetGlobals();
        buildPathGlobals();
        G().GameSlots[1] = slot;
        G().SelectedSlot = 1;
        G().CampaignName = QStringLiteral("Prova");
    }
};

} // namespace fullcampaign
