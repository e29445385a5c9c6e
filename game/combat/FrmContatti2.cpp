#include "FrmContatti2.h"

#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/Pictures.h"
#include "game/main/FrmMain.h"
#include "platform/Colors.h"

#include <algorithm>

using namespace platform;
using namespace contactboard;

namespace {
constexpr long kDefaultStepColour = 0xFFFF00; // cyan
}

FrmContatti2::FrmContatti2() : FormWith(QStringLiteral("FrmContatti2")) {
    setCaption(QStringLiteral("Grafico dei Contatti"));
    setSize(3600, 4230);
    setFixedBorder(true);

    Picture1.move(105, 105, 3375, 2535);
    Picture1.setBorderStyle(1);
    Picture1.setToolTipText(
        QStringLiteral(" Il GN Attaccato è sempre al centro del grafico e di colore bianco "));
    Label1.move(105, 2700, 3375, 450);
    Label1.setWordWrap(true);
    Label1.setToolTipText(QStringLiteral("Click per Help "));
    Command1.move(105, 3240, 615, 375);
    Command1.setToolTipText(QStringLiteral("Diminuisce la distanza delle icone "));
    Label2.move(840, 3270, 615, 315);
    Label2.setBorderStyle(1);
    Label2.setAlignment(2);
    Label2.setToolTipText(QStringLiteral(" Valore di Default: 3.4  (Click Reset)"));
    Command2.move(1575, 3240, 615, 375);
    Command2.setToolTipText(QStringLiteral("Aumenta la distanza delle icone"));
    CommandButton& seaBed =
        Command3.add(0, *this, QStringLiteral("Command3"), QStringLiteral("Mappa Fondali"));
    seaBed.move(105, 3720, 1635, 375);
    seaBed.setToolTipText(QStringLiteral("Basta che una piccola porzione di basso..."));
    CommandButton& normal = Command3.add(1, *this, QStringLiteral("Command3"), QStringLiteral("Reset Mappa"));
    normal.move(1845, 3720, 1635, 375);
    normal.setToolTipText(QStringLiteral("... fondale sia inclusa nel rettangolo di gioco."));

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    seaBed.Click = [this] { Command3_Click(0); };
    normal.Click = [this] { Command3_Click(1); };
    Label2.Click = [this] { Label2_Click(); };
}

void FrmContatti2::Form_Load() {
    Label2.setBackColor(kDefaultStepColour);
    // Over the main window, as the board is.
    if (isLoaded<FrmMain>()) setOwner(platform::form<FrmMain>());
}

void FrmContatti2::Command1_Click() {
    if (PlotScaleStep <= kFirstPlotStep) return;
    PlotScale -= kPlotScaleChange;
    PlotScaleStep -= 1;
    Command2.setEnabled(true);
    if (PlotScaleStep == kFirstPlotStep) Command1.setEnabled(false);
    scaleChanged();
}

void FrmContatti2::Command2_Click() {
    if (PlotScaleStep >= kLastPlotStep) return;
    PlotScale += kPlotScaleChange;
    PlotScaleStep += 1;
    Command1.setEnabled(true);
    if (PlotScaleStep == kLastPlotStep) Command2.setEnabled(false);
    scaleChanged();
}

void FrmContatti2::Label2_Click() {
    if (PlotScaleStep == kDefaultPlotStep) return;
    PlotScale = kDefaultPlotScale;
    PlotScaleStep = kDefaultPlotStep;
    Command1.setEnabled(true);
    Command2.setEnabled(true);
    scaleChanged();
}

void FrmContatti2::scaleChanged() {
    Label2.setCaption(G().NearValues[std::clamp(PlotScaleStep, kFirstPlotStep, kLastPlotStep)]);
    Label2.setBackColor(PlotScaleStep == kDefaultPlotStep ? kDefaultStepColour : vbRed);
    RicaricaMappa();
    Picture1.setPicture(QImage());
}

void FrmContatti2::Command3_Click(int index) {
    if (index == 0) {
        if (G().MapPicture) loadPictureInto(*G().MapPicture, G().SeaBedPicturePath);
    } else if (index == 1) {
        RicaricaMappa();
    } else {
        return;
    }
    DisegnaBasi();
}
