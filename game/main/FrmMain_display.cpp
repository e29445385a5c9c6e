// The clock panel and the weather panel of the main window.
#include "ClockRules.h"
#include "FrmMain.h"
#include "common/BaseTable.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/Pictures.h"

using namespace platform;

namespace {
// The open campaign's slot row (a blank row when no slot is chosen).
Globals::GameSlot slot() {
    const int s = G().SelectedSlot;
    return s >= 1 && s <= kSlots ? G().GameSlots[s] : Globals::GameSlot{};
}
} // namespace

void FrmMain::AggiornaDisplay() {
    Globals& g = G();
    const int season = slot().season;
    const Season s = seasonOf(season);
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
        g.DayNightIconName = QStringLiteral("sole") + level;
    } else {
        g.MapPicturePath = art + QStringLiteral("med1colnight.bmp");
        g.SeaBedPicturePath = art + QStringLiteral("MedFondaliN.bmp");
        g.DayFlag = 0;
        g.DayNightIconName = QStringLiteral("luna") + level;
    }
    SalvaDatiBasi();

    const long long day = g.state(StateItem::Day) + 1;
    Label31.setCaption(QString::number(day) + u'/' + QString::number(slot().days - day));
    Label30.setCaption(QString::number(hour));
    Label32.setCaption(QString::number(slot().year) + s.name);
    g.DayNightIconName += QStringLiteral(".ico");
    Image1.setToolTipText(g.DayFlag == 1 ? QStringLiteral(" GIORNO ") : QStringLiteral(" NOTTE "));

    const QString icons = g.AppPath + QStringLiteral("\\Ico\\");
    loadPictureInto(Image1, icons + g.DayNightIconName);
    loadPictureInto(Image17, icons + g.DayNightIconName);
    loadPictureInto(Image25, icons + QStringLiteral("mare") + level + QStringLiteral(".ico"));
    loadPictureInto(Image26, icons + QStringLiteral("vento") + level + QStringLiteral(".ico"));

    // A weather level out of 0..3 (a damaged game state) shows no texts rather than failing.
    const long long w = g.state(StateItem::Weather);
    Label74.setCaption(w >= 0 && w <= 3 ? g.WeatherStateNames[w] : QString());
    Label75.setCaption(w >= 0 && w <= 3 ? g.WeatherEffectNames[w] : QString());
}

void FrmMain::RecuperaAttivazioni() {
    Globals& g = G();
    for (int base = 1; base <= kBases; ++base) {
        g.DiceSides = recoverySides(g.BaseAirfieldLevel[base]);
        const int roll = TiraDado(g.DiceSides);
        g.BaseTable[base][BaseCol::ActivationAttempts] =
            recoveredAttempts(g.BaseTable[base][BaseCol::ActivationAttempts], roll);
    }
}

void FrmMain::Image1_Click() {
    Frame24.setVisible(true);
    Frame6.setVisible(false);
}

void FrmMain::Image17_Click() {
    Frame24.setVisible(false);
    Frame6.setVisible(true);
    Label17.setCaption(
        QStringLiteral(" ATT: ASSE con Aerei-2 NON volano la notte, se in volo possono subire danni"));
}
