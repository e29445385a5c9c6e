#include "MapPanels.h"

#include "FrmMain.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"

using namespace platform;

namespace {
constexpr long kPadRest = 0xFFFFC0;
constexpr long kPadCourse = 0xC0C000;

Label* courseLabel(FrmMain& f, int course) {
    Label* pad[9] = {nullptr,    &f.Label19, &f.Label20, &f.Label21, &f.Label22,
                     &f.Label24, &f.Label25, &f.Label26, &f.Label27};
    return course >= 1 && course <= 8 ? pad[course] : nullptr;
}
} // namespace

void NascondiPannelliMappa() {
    FrmMain& f = form<FrmMain>();
    f.Frame1.setVisible(false);
    f.Frame2.setVisible(false);
    RicaricaMappa();
}

void MostraPannelliMappa() {
    FrmMain& f = form<FrmMain>();
    if (G().CurrentSide == kAllies) {
        f.Frame1.setVisible(true);
        f.Frame2.setVisible(true);
    }
    RicaricaMappa();
}

void MostraRottaGN() {
    Globals& g = G();
    FrmMain& f = form<FrmMain>();
    f.Combo7.setText(QString::number(g.GnRouteHours));
    f.Label23.setCaption(g.GnSpeed < 1 ? QStringLiteral("STP") : numberTextWithSign(g.GnKnots));
    for (int c = 1; c <= 8; ++c) courseLabel(f, c)->setBackColor(kPadRest);
    if (Label* l = courseLabel(f, g.GnCourse)) l->setBackColor(kPadCourse);
}

void AzzeraEtichetteRotta() {
    FrmMain& f = form<FrmMain>();
    for (int c = 1; c <= 8; ++c) courseLabel(f, c)->setBackColor(kPadRest);
    f.Label23.setCaption(QStringLiteral("STP"));
    f.Label60.setCaption(QString());
}

void PulisciEtichetteGA() {
    FrmMain& f = form<FrmMain>();
    for (Label* l : {&f.Label49, &f.Label50, &f.Label52, &f.Label53}) l->setCaption(QString());
}
