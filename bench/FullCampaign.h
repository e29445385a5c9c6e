// A full campaign (50 naval and 50 air groups a side, 600 ships a side unless asked for more) in a
// program folder of its own, written once for the benchmarks of a program run.
#pragma once

#include "common/Globals.h"
#include "platform/Files.h"
#include "tests/game/main/TestCampaign.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace bench {

inline void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + u'/' + QDir(from).relativeFilePath(src);
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

struct FullCampaign {
    QTemporaryDir dir;
    Globals::GameSlot slot;
    // `arrange` may change the tables before they are written; the ships are shared evenly among the
    // groups of each side.
    explicit FullCampaign(const std::function<void()>& arrange = {}, int shipsPerSide = 600) {
        copyTree(QStringLiteral(SHIPPED_DATA_DIR), dir.path());
        platform::setAppFolder(dir.path());
        resetGlobals();
        Globals& g = G();
        for (int side : {kAllies, kAxis}) {
            for (int n = 1; n <= kGroups; ++n) {
                Int16* gn = g.gnTable(side)[n];
                Int16* ga = g.gaTable(side)[n];
                gn[GnCol::InUse] = ga[GaCol::InUse] = 1;
                gn[GnCol::Ships] = Int16(shipsPerSide / kGroups);
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
        slot = g.GameSlots[1];
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

} // namespace bench
