#include "FrmLost.h"

#include "LostShipList.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/Messages.h"
#include "platform/Colors.h"

using namespace platform;
using namespace lostships;

namespace {

const QString kListTip = QStringLiteral("Click per evidenziare il luogo del disastro in mare");

void fill(ListBox& list, const SideLosses& side) {
    for (const LossLine& line : side.lines) {
        list.addItem(line.text);
        list.setItemData(list.newIndex(), line.record);
    }
}

// Prints a loss's mark on the map, leaving the map's font and print position as they were.
void printMark(PictureBox& map, int x, int y, const QString& text, long colour) {
    const double size = map.printFontSize(), oldX = map.currentX(), oldY = map.currentY();
    const bool bold = map.printFontBold();
    map.setCurrentX(x);
    map.setCurrentY(y);
    map.setPrintFontBold(true);
    map.setPrintFontSize(6);
    map.setForeColor(colour);
    map.print(text);
    map.setPrintFontSize(size);
    map.setPrintFontBold(bold);
    map.setCurrentX(oldX);
    map.setCurrentY(oldY);
}

} // namespace

FrmLost::FrmLost() : Form(QStringLiteral("FrmLost")) {
    setCaption(QStringLiteral("perdite ultima ora"));
    setSize(7200, 5160);
    setFixedBorder(true);

    Label1.move(120, 120, 3420, 285);
    Label2.move(120, 420, 1800, 375);
    Label3.move(2040, 420, 1500, 375);
    Label4.move(3660, 420, 1800, 375);
    Label5.move(5580, 420, 1500, 375);
    for (Label* l : {&Label2, &Label3}) {
        l->setToolTipText(QStringLiteral("ALLE"));
        l->setForeColor(vbYellow);
    }
    for (Label* l : {&Label4, &Label5}) {
        l->setToolTipText(QStringLiteral("ASSE"));
        l->setForeColor(vbRed);
    }
    // The side colours read on a dark ground.
    for (Label* l : {&Label2, &Label3, &Label4, &Label5}) {
        l->setBackColor(vbBlack);
        l->setBorderStyle(1);
        l->setAlignment(2);
        l->setFontBold(true);
    }
    List1.move(120, 900, 3420, 3600);
    List2.move(3660, 900, 3420, 3600);
    for (ListBox* l : {&List1, &List2}) {
        l->setFontName(QStringLiteral("Courier New"));
        l->setToolTipText(kListTip);
    }
    Command1.move(120, 4620, 1500, 420);
    Command2.move(1740, 4620, 1500, 420);
    Command3.move(5580, 4620, 1500, 420);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    List1.Click = [this] { List1_Click(); };
    List2.Click = [this] { List2_Click(); };
}

void FrmLost::Form_Load() {
    UltimaOra();
}

void FrmLost::listLosses(const Losses& losses) {
    setMessageLine(QString());
    fill(List1, losses.allies);
    fill(List2, losses.axis);
    Label2.setCaption(QString::number(losses.allies.ships));
    Label3.setCaption(QString::number(losses.allies.tonnage));
    Label4.setCaption(QString::number(losses.axis.ships));
    Label5.setCaption(QString::number(losses.axis.tonnage));
}

void FrmLost::UltimaOra() {
    List1.clear();
    List2.clear();
    listLosses(lossesOfLastHour(G().state(StateItem::SunkLastHour)));
}

void FrmLost::Tutte() {
    listLosses(allLosses());
}

void FrmLost::Command1_Click() {
    setMessageLine(QString());
    RicaricaMappa();
    UltimaOra();
}

void FrmLost::Command2_Click() {
    List1.clear();
    List2.clear();
    setMessageLine(QString());
    RicaricaMappa();
    Tutte();
}

void FrmLost::Command3_Click() {
    unloadForm(*this);
}

// Closing by the button or by the window's close box: the marks are wiped.
void FrmLost::Form_Unload(int&) {
    setMessageLine(QString());
    RicaricaMappa();
}

void FrmLost::markLoss(const ListBox& list, bool alliedList) {
    setMessageLine(QString());
    if (list.listIndex() < 0) return;
    const LostShipRecord r = readLostShip(list.itemData(list.listIndex()));
    const LossMark mark = lossMark(r, alliedList);
    if (mark.at && G().MapPicture)
        printMark(*G().MapPicture, mark.at->first, mark.at->second, mark.text, mark.colour);
    setMessageLine(mark.message);
}

void FrmLost::List1_Click() {
    markLoss(List1, true);
}

void FrmLost::List2_Click() {
    markLoss(List2, false);
}
