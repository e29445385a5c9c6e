// The base panel over the map, and the lists of aircraft and ships of the base and naval panels.
#include "BasePanel.h"
#include "MapPanels.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/Pictures.h"
#include "common/UnitLists.h"
#include "game/main/FrmMain.h"

using namespace platform;

void FrmMain::AttivazioneBasi() {
    Command7.setEnabled(hasPort(G().SelectedBase));
    ColoraBasiEsterne();
    Frame21.setVisible(false);
    Command8.setEnabled(true);
    G().Files.closeAll();
    MostraPannelloBase();
    ListaAereiBase();
}

void FrmMain::MostraPannelloBase() {
    Frame4.setVisible(true);
    Frame7.setVisible(false);
    Command7.setVisible(true);
    PulisciEtichetteGA();
    AggiornaDatiBase();
}

namespace {
// "∞" stands for a limit the base's levels leave open.
QString limitText(int value) {
    return value == kNoLimit ? QStringLiteral("∞") : QString::number(value);
}

void showIcon(Image& image, const QString& name) {
    if (name.isEmpty())
        image.setPicture(QImage());
    else
        loadPictureInto(image, G().AppPath + QStringLiteral("\\Ico\\") + name);
}
} // namespace

void FrmMain::AggiornaDatiBase() {
    Globals& g = G();
    const int b = g.SelectedBase;
    if (b < 1 || b > kBases) return;
    const Int32* f = g.BaseTable[b];
    Frame4.setCaption(g.BaseNames[b] + QStringLiteral(" Base/Aereoporto"));
    Frame7.setCaption(g.BaseNames[b] + QStringLiteral(" Porto"));
    showIcon(Image2, baseLevelIcon(g.BaseLevel[b]));
    showIcon(Image6, baseLevelIcon(g.BaseLevel[b]));
    showIcon(Image3, portLevelIcon(b, g.BasePortLevel[b]));
    showIcon(Image4, airfieldLevelIcon(g.BaseAirfieldLevel[b]));
    const QString points = QString::number(basePointsAvailable(b));
    Label34.setCaption(points);
    Label46.setCaption(points);
    Label35.setCaption(QStringLiteral("%1/%2").arg(f[BaseCol::ShipsPresent]).arg(int(g.BaseShipCapacity[b])));
    Label36.setCaption(QStringLiteral("%1/%2/%3")
                           .arg(f[BaseCol::AircraftPresent])
                           .arg(f[BaseCol::AircraftInFlight])
                           .arg(int(g.BaseAircraftCapacity[b])));
    const QString damage = QString::number(f[BaseCol::DamagePercent]) + u'%';
    Label47.setCaption(damage);
    Label37.setCaption(damage);
    if (f[BaseCol::ShipsPresent] > 0) showIcon(Image10, QStringLiteral("ok2.ico"));
    if (const auto percent = activationPercent(g.CurrentSide, b))
        Label38.setCaption(QString::number(*percent) + QStringLiteral(" %"));
    if (const auto most = maxAircraftInFlight(g.CurrentSide, b)) Label39.setCaption(limitText(*most));
    Label40.setCaption(QString::number(f[BaseCol::ActivationAttempts]) + u'/' +
                       limitText(allowedActivationAttempts(b)));
    const bool used = activationAttemptsUsed(b);
    Label49.setEnabled(!used);
    Label49.setForeColor(used ? vbRed : vbGreen);
    Label41.setCaption(QString::number(f[BaseCol::AircraftInFlight]));
    refreshHoverText();
}

void FrmMain::ListaAereiBase() {
    Globals& g = G();
    g.Files.close(kChannelBaseAircraft);
    List1.clear();
    PulisciEtichetteGA();
    fillList(List1, baseAircraftItems(g.CurrentSide, g.SelectedBase));
}

void FrmMain::ListaNaviBaseGN() {
    Globals& g = G();
    g.Files.close(kChannelShips);
    List3.clear();
    List4.clear();
    showIcon(Image10, QStringLiteral("kvz.ico"));
    Label43.setCaption(QString());
    const PortShipItems items = portShipItems(g.CurrentSide, g.SelectedBase, g.NewGroupNumber);
    fillList(List3, items.inPort);
    fillList(List4, items.forming);
}

void FrmMain::ElencoNaviGN() {
    Globals& g = G();
    List5.clear();
    List5.setEnabled(true);
    fillList(List5, groupShipItems(g.CurrentSide, g.SelectedGn));
}
