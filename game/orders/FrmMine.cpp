#include "FrmMine.h"

#include "MineLaying.h"
#include "common/BaseTable.h"
#include "common/CampaignSetup.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/MineFields.h"
#include "game/points/SidePictures.h"
#include "platform/Numbers.h"

using namespace platform;

namespace {
const char* const kLabelTips[5] = {"Punti Disponibili", "Numero Campo Minato in analisi", "Mine Incrementate",
                                   "Mine Dislocate", "Totale Gen. Centri "};

int pickedField() {
    return G().SelectedItem;
}

bool fieldPicked() {
    return pickedField() >= 1 && pickedField() <= kMineFields;
}
} // namespace

FrmMine::FrmMine() : FormWith(QStringLiteral("FrmMine")) {
    setCaption(QStringLiteral("Gestione Campi Minati"));
    setSize(6000, 5760);
    setFixedBorder(true);

    // Tall enough for the 24 fields at once.
    List1.move(120, 120, 3000, 5520);
    List1.setFontName(QStringLiteral("Courier New"));
    for (int i = 0; i < 5; ++i) {
        Label& l = Label1.add(i, *this, "Label1");
        l.move(3360, 120 + 600 * i, 2520, 375);
        styleValue(l, 10);
        l.setToolTipText(QString::fromUtf8(kLabelTips[i]));
    }
    Command1.move(3360, 3240, 1200, 495);
    Command1.setToolTipText(QStringLiteral("Incrementa di 50"));
    Command2.move(4680, 3240, 1200, 495);
    Command2.setToolTipText(QStringLiteral("Incrementa al Massimo"));
    Label2.move(3360, 4080, 2520, 1560);
    Label2.setWordWrap(true);
    Label2.setBorderStyle(1);
    Label2.setAlignment(2);

    List1.Click = [this] { List1_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void FrmMine::Form_Load() {
    Command1.setEnabled(false);
    Command2.setEnabled(false);
    ListaCampiMinati();
}

void FrmMine::ListaCampiMinati() {
    const int side = G().CurrentSide;
    List1.clear();
    for (int f = 1; f <= kMineFields; ++f) {
        List1.addItem(mines::fieldLine(f, side));
        List1.setItemData(List1.newIndex(), f);
    }
    showPoints();
}

void FrmMine::showPoints() {
    if (G().CurrentSide == kAllies)
        PuntiDisponibiliAlleati();
    else if (G().CurrentSide == kAxis)
        PuntiDisponibiliAsse();
}

void FrmMine::PuntiDisponibiliAlleati() {
    Label1[0].setCaption(QString::number(mines::pointsAvailable(kAllies)));
}

void FrmMine::PuntiDisponibiliAsse() {
    Label1[0].setCaption(QString::number(mines::pointsAvailable(kAxis)));
}

void FrmMine::CalcolaPuntiDisponibili() {
    const int side = G().CurrentSide;
    if (side == kAllies || side == kAxis) PointsAvailable = mines::pointsAvailable(side);
}

void FrmMine::disableBuying() {
    Command1.setEnabled(false);
    Command2.setCaption(QStringLiteral("600"));
    Command2.setEnabled(false);
}

void FrmMine::List1_Click() {
    CalcolaPuntiDisponibili();
    if (PointsAvailable < mines::kPointsToBuy || List1.listIndex() < 0) {
        disableBuying();
        return;
    }
    MinesAdded = 0;
    disableBuying();
    G().SelectedItem = Int16(List1.itemData(List1.listIndex()));
    MostraCampoMinato();
}

void FrmMine::MostraCampoMinato() {
    const Globals& g = G();
    const int f = pickedField();
    const int held = mines::minesInField(f, g.CurrentSide);
    showPoints();
    Label1[1].setCaption(QStringLiteral("MF: %1").arg(f));
    Label1[3].setCaption(QString::number(held));
    Label1[2].setCaption(QString::number(MinesAdded));
    Label1[4].setCaption(QString::number(g.MineFields[f][mines::kHitsRow]));
    if (held >= mines::kFieldCapacity) {
        disableBuying();
        return;
    }
    Command1.setEnabled(true);
    // The count of the mines that fill the field, in the old number form (a blank before it).
    Command2.setCaption(numberTextWithSign(mines::kFieldCapacity - held));
    Command2.setEnabled(true);
}

void FrmMine::buy(int amount) {
    const int side = G().CurrentSide;
    MinesAdded += amount;
    mines::layMines(side, pickedField(), amount);
    MostraCampoMinato();
    SalvaMine();
    SalvaDatiBasi();
    ListaCampiMinati();
    RicaricaMappa();
    DisegnaMine();
}

void FrmMine::Command1_Click() {
    CalcolaPuntiDisponibili();
    if (PointsAvailable < mines::kPointsToBuy || !fieldPicked()) {
        disableBuying();
        return;
    }
    const int amount = mines::smallPurchase(mines::minesInField(pickedField(), G().CurrentSide));
    if (amount > 0) buy(amount);
}

void FrmMine::Command2_Click() {
    CalcolaPuntiDisponibili();
    if (PointsAvailable < mines::kPointsToBuy || !fieldPicked()) {
        disableBuying();
        return;
    }
    const int amount = mines::fillPurchase(mines::minesInField(pickedField(), G().CurrentSide));
    if (amount > 0) buy(amount);
    Command2.setEnabled(false);
    Command1.setEnabled(false);
}
