// The clock panel and the weather panel of the main window.
#include "ClockRules.h"
#include "FrmMain.h"
#include "HourStart.h"
#include "common/Globals.h"
#include "common/Pictures.h"

using namespace platform;

void FrmMain::AggiornaDisplay() {
    dayAndWeather();
    showClock();
}

void FrmMain::showClock() {
    Globals& g = G();
    const Globals::GameSlot slot = openSlot();
    const int hour = int(g.state(StateItem::Hour));
    const QString level = g.GameState[StateItem::Weather].trimmed();
    const long long day = g.state(StateItem::Day) + 1;
    Label31.setCaption(QString::number(day) + u'/' + QString::number(slot.days - day));
    Label30.setCaption(QString::number(hour));
    Label32.setCaption(QString::number(slot.year) + seasonOf(slot.season).name);
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
