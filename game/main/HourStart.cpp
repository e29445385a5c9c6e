#include "HourStart.h"

#include "common/Dice.h"
#include "common/Globals.h"
#include "common/NavalGroupValues.h"
#include "platform/Files.h"

QString groupTextFolder() {
    return G().DataPath + QStringLiteral("\\gntext");
}

void emptyGroupTextFolder() {
    const QString folder = groupTextFolder();
    if (!platform::folderExists(folder)) return;
    for (const QString& name : platform::filesIn(folder)) {
        const QString path = folder + u'\\' + name;
        if (platform::fileExists(path) && !platform::deleteFile(path))
            throw platform::FileError(QStringLiteral("Impossibile eliminare il file %1").arg(path), path);
    }
}

void resetHourCounters() {
    Globals& g = G();
    for (int item = 10; item <= 14; ++item) g.setState(item, 0);
    g.ActivityCount = 0;
    g.ContattiGestiti = 0;
    g.AirReturnFlag = 0;
}

void advanceClock() {
    Globals& g = G();
    g.setState(2, g.state(2) + 1);
    if (g.state(2) == 24) {
        g.setState(1, g.state(1) + 1);
        g.setState(2, 0);
    }
}

bool setHourOneFlags() {
    Globals& g = G();
    const bool hourOne = g.state(2) == 1;
    g.setState(27, hourOne ? 0 : 1);
    g.setState(37, hourOne ? 0 : 1);
    return hourOne;
}

void weatherDrift() {
    Globals& g = G();
    g.WeatherSeverity = g.state(3);
    auto roll = [&] {
        g.DiceSides = 100;
        return TiraDado(g.DiceSides);
    };
    auto setLevel = [&](int level) {
        g.WeatherSeverity = level;
        g.setState(3, level);
    };
    // At `level`: a roll up to `low` gives `onLow`, a roll from `high` (when not 0) gives `onHigh`.
    struct Step {
        int level, low, onLow, high, onHigh;
    };
    static const Step kSteps[] = {{3, 30, 2, 90, 1}, {2, 20, 1, 94, 3}, {1, 20, 0, 94, 2}, {0, 10, 1, 0, 0}};
    for (const Step& s : kSteps) {
        if (g.WeatherSeverity != s.level) continue;
        const int r = roll();
        if (r <= s.low)
            setLevel(s.onLow);
        else if (s.high > 0 && r >= s.high)
            setLevel(s.onHigh);
    }
}

void resetGroupsForHour() {
    Globals& g = G();
    for (int n = 1; n <= kGroups; ++n) {
        for (GroupTable* t : {&g.GnTableAlle, &g.GnTableAsse})
            for (int c : {50, 18, 32}) (*t)[n][c] = 0;
        for (GroupTable* t : {&g.GnTableAlle, &g.GnTableAsse}) {
            Int16* r = (*t)[n];
            if (r[22] > 0) {
                r[23] += 1;
                if (r[23] >= 5) r[22] = 0, r[23] = 0;
            }
        }
        for (int c : {1, 2}) {
            g.GnAttackMarksAlle[n][c] = 0;
            g.GnAttackMarksAsse[n][c] = 0;
        }
    }
}

void groupTypesOfSide() {
    Globals& g = G();
    if (g.CurrentSide != kAllies && g.CurrentSide != kAxis) return;
    GroupTable& t = g.gnTable(g.CurrentSide);
    for (int n = 1; n <= kGroups; ++n) {
        AzzeraContaClassi();
        g.GroupType = 0;
        g.CountedGn = n;
        LeggiClassiGN();
        TipoGN();
        Int16* r = t[n];
        r[3] = g.GroupType;
        if (r[13] + r[5] == 0 && r[39] == r[4]) {
            const int nation = g.CurrentSide == kAxis ? int(r[45]) : 0;
            r[10] = ProvaDado(g.DayFlag, g.CurrentSide, r[14], nation);
        } else {
            r[10] = 0;
        }
    }
}
