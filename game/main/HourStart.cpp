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
    g.setState(StateItem::Hour, g.state(StateItem::Hour) + 1);
    if (g.state(StateItem::Hour) == 24) {
        g.setState(StateItem::Day, g.state(StateItem::Day) + 1);
        g.setState(StateItem::Hour, 0);
    }
}

bool setHourOneFlags() {
    Globals& g = G();
    const bool hourOne = g.state(StateItem::Hour) == 1;
    g.setState(StateItem::RandomListAlle, hourOne ? 0 : 1);
    g.setState(StateItem::RandomListAsse, hourOne ? 0 : 1);
    return hourOne;
}

void weatherDrift() {
    Globals& g = G();
    g.WeatherSeverity = g.state(StateItem::Weather);
    auto roll = [&] {
        g.DiceSides = 100;
        return TiraDado(g.DiceSides);
    };
    auto setLevel = [&](int level) {
        g.WeatherSeverity = level;
        g.setState(StateItem::Weather, level);
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
            for (int c : {GnCol::PatrolGroups, GnCol::Seen, GnCol::MineHit}) (*t)[n][c] = 0;
        for (GroupTable* t : {&g.GnTableAlle, &g.GnTableAsse}) {
            Int16* r = (*t)[n];
            if (r[GnCol::TargetGn] > 0) {
                r[GnCol::TargetHours] += 1;
                if (r[GnCol::TargetHours] >= 5) r[GnCol::TargetGn] = 0, r[GnCol::TargetHours] = 0;
            }
        }
        for (int c : {Globals::kMarkContact, Globals::kMarkReconTarget}) {
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
        r[GnCol::Type] = g.GroupType;
        if (r[GnCol::NotOperational] + r[GnCol::Fires] == 0 && r[GnCol::Submarines] == r[GnCol::Ships]) {
            const int nation = g.CurrentSide == kAxis ? int(r[GnCol::Nation]) : 0;
            r[GnCol::Periscope] = ProvaDado(g.DayFlag, g.CurrentSide, r[GnCol::Knots], nation);
        } else {
            r[GnCol::Periscope] = 0;
        }
    }
}
