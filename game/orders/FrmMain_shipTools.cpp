// The tools of the open group on one of its ships: scuttling, assistance, the damage entry and the
// class card. A single click on an icon explains it on the message line; the double-click acts.
#include "ShipTools.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/Pictures.h"
#include "common/RecordFiles.h"
#include "common/UnitLists.h"
#include "game/combat/FormDanniNavi.h"
#include "game/main/FrmMain.h"
#include "game/main/frmNaveClasse.h"

using namespace platform;

namespace {
const QString kPickToScuttle = QStringLiteral("Selezionare la nave (Lista blue) da AUTOAFFONDARE");
} // namespace

int FrmMain::highlightedGroupShip() const {
    const int i = List5.listIndex();
    return i >= 0 ? List5.itemData(i) : 0;
}

void FrmMain::Image15_Click() {
    Label17.setCaption(
        G().SelectedShip != 0
            ? QStringLiteral("ATT: Dbl Click ICONA e la nave selezionata è AUTOAFFONDATA - IRREVERSIBILE")
            : kPickToScuttle);
}

void FrmMain::Image16_Click() {
    Label17.setCaption(G().SelectedShip != 0
                           ? QStringLiteral("ATT: Dbl Click conferma la nave che OFFRE ASSISTENZA ")
                           : QStringLiteral("Selezionare la nave (Lista blu) che offre ASSISTENZA"));
}

void FrmMain::Image15_DblClick() {
    Globals& g = G();
    g.Files.close(kChannelGroupShips);
    g.Files.close(kChannelShips);
    // The ship is the one highlighted in the list: with none highlighted (after a scuttle the
    // list has no highlight) nothing is scuttled.
    const int record = highlightedGroupShip();
    if (g.SelectedShip == 0 || record < 1) {
        Label17.setCaption(kPickToScuttle);
        return;
    }
    const int count = g.GnShipCount;
    g.SelectedShip = 0;
    if (count < 1) {
        Label17.setCaption(QStringLiteral("almeno 1 nave nel GN d'origine"));
        return;
    }
    const shiptools::Scuttled s = shiptools::scuttleShip(record, g.LastPickedGn);
    if (!s.done) return;
    List7.setEnabled(false);
    Image12.setEnabled(false);
    Image13.setEnabled(false);
    Image14.setEnabled(false);
    Image16.setEnabled(false);
    g.GnShipCount = count - 1;
    List5.removeItem(List5.listIndex());
    if (s.groupFreed) {
        Label17.setCaption(QStringLiteral("ATTENZIONE - GN: ") + QString::number(g.LastPickedGn) +
                           QStringLiteral(" Eliminato"));
        Image15.setEnabled(false);
    }
    Frame11.setVisible(false);
}

void FrmMain::Image16_DblClick() {
    Globals& g = G();
    const int record = highlightedGroupShip();
    if (g.SelectedShip == 0 || record < 1) {
        Label17.setCaption(QStringLiteral("Selezionare la nave (Lista blue) per ASSISTENZA"));
        return;
    }
    g.SelectedShip = record;
    const QString icons = g.AppPath + QStringLiteral("\\Ico\\");
    switch (shiptools::toggleAssistance(record)) {
    case shiptools::Assistance::Started:
        loadPictureInto(Image18, icons + QStringLiteral("assisti.ico"));
        break;
    case shiptools::Assistance::Stopped:
        loadPictureInto(Image18, icons + QStringLiteral("kvz.ico"));
        break;
    case shiptools::Assistance::Refused:
        Label17.setCaption(QStringLiteral("ATT: NAVE NON ABILITATA A DARE ASSISTENZA"));
        g.SelectedShip = 0;
        break;
    }
}

void FrmMain::Command27_Click() {
    if (G().SelectedGn < 1) {
        Label17.setCaption(QStringLiteral("Selezionare un GN"));
        return;
    }
    NascondiRotta();
    Frame25.setVisible(false);
    Frame27.setVisible(false);
    openShipDamageEntry();
}

void FrmMain::Label5_Click() {
    Globals& g = G();
    Label5.setCaption(QString());
    if (g.SelectedShip <= 0) return;
    // The card is the class of the picked ship as its record stands now.
    const int count = openShipFile(kChannelShips, g.CurrentSide);
    if (g.SelectedShip <= count) {
        readShip(kChannelShips, g.SelectedShip);
        if (SchedaClasseNave()) platform::form<frmNaveClasse>().showModal();
    }
    g.SelectedShip = 0;
}
