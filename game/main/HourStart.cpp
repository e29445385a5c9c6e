#include "HourStart.h"

#include "ClockRules.h"
#include "common/BaseTable.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/NavalGroupValues.h"
#include "platform/Files.h"

QString groupTextFolder() {
    return G().DataPath + QStringLiteral("\\gntext");
}

void emptyGroupTextFolder() {
    // A folder that is not there lists no file.
    const QString folder = groupTextFolder();
    for (const QString& name : platform::filesIn(folder)) {
        const QString path = folder + u'\\' + name;
        if (platform::fileExists(path) && !platform::deleteFile(path))
            throw platform::FileError(QStringLiteral("Impossibile eliminare il file %1").arg(path), path);
    }
}

void resetHourCounters() {
    Globals& g = G();
    for (int item = StateItem::Activities; item <= StateItem::StressAsse; ++item) g.setState(item, 0);
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

void RecuperaAttivazioni() {
    Globals& g = G();
    for (int base = 1; base <= kBases; ++base) {
        g.DiceSides = recoverySides(g.BaseAirfieldLevel[base]);
        const int roll = TiraDado(g.DiceSides);
        g.BaseTable[base][BaseCol::ActivationAttempts] =
            recoveredAttempts(g.BaseTable[base][BaseCol::ActivationAttempts], roll);
    }
}

Globals::GameSlot openSlot() {
    const int s = G().SelectedSlot;
    return s >= 1 && s <= kSlots ? G().GameSlots[s] : Globals::GameSlot{};
}

void dayAndWeather() {
    Globals& g = G();
    const int season = openSlot().season;
    const int hour = int(g.state(StateItem::Hour));
    if ((hour == 1 || hour == 12) && g.HourStepActive == 1) {
        RecuperaAttivazioni();
        g.DiceSides = 100;
        const int level = seasonalWeather(season, TiraDado(g.DiceSides));
        if (level >= 0) g.WeatherSeverity = level;
        g.setState(StateItem::Weather, g.WeatherSeverity);
    }
    const QString level = g.GameState[StateItem::Weather].trimmed();
    const QString art = g.AppPath + QStringLiteral("\\ArchBmp\\");
    if (isDaylight(hour, season)) {
        g.MapPicturePath = art + QStringLiteral("Med1colDay.Bmp");
        g.SeaBedPicturePath = art + QStringLiteral("MedFondaliG.bmp");
        g.DayFlag = 1;
        g.DayNightIconName = QStringLiteral("sole") + level + QStringLiteral(".ico");
    } else {
        g.MapPicturePath = art + QStringLiteral("med1colnight.bmp");
        g.SeaBedPicturePath = art + QStringLiteral("MedFondaliN.bmp");
        g.DayFlag = 0;
        g.DayNightIconName = QStringLiteral("luna") + level + QStringLiteral(".ico");
    }
    reloadCleanMap();
    SalvaDatiBasi();
}
