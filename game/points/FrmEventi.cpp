#include "FrmEventi.h"

#include "common/BaseTable.h"
#include "common/Globals.h"

using namespace platform;

namespace {
const char* const kItemNames[kStateItems] = {"GIORNO",
                                             "ORA",
                                             "ATMO",
                                             "NN",
                                             "NN",
                                             "NN",
                                             "NN",
                                             "NN",
                                             "NN",
                                             "NUM ATTIVITA",
                                             "NUM CONTATTI",
                                             "NN",
                                             "NN",
                                             "NN",
                                             "NN",
                                             "NN",
                                             "N NAVI PERSE ALLE",
                                             "N AER PERSI ALLE",
                                             "N NAVI PERS ASSE",
                                             "N AER PERS ASSSE",
                                             "TOT MOV NAVALI",
                                             "MERC.PERSI STL",
                                             "MILIT PERSE STL",
                                             "PUNTI AEREI PERSI",
                                             "NN",
                                             "NN",
                                             "FLAG",
                                             "PUNTI MEZZI USATI",
                                             "PUNTI COM USATI",
                                             "PUNTI COM ACQUIS",
                                             "TOT MOV NAVALI",
                                             "MERC PERSI STL",
                                             "MILIT PERSE STL",
                                             "PUNTI AEREI PERSI",
                                             "NN",
                                             "NN",
                                             "FLAG",
                                             "PUNTI MEZZI USATI",
                                             "PUNTI COM USATI",
                                             "PUNTI COM ACQUIS"};

QString baseFieldName(int field) {
    switch (field) {
    case BaseCol::DamagePercent:
        return "PERC DANNI";
    case BaseCol::AircraftPresent:
        return "AEREI PRESENTI";
    case BaseCol::ActivationAttempts:
        return "TENT ATTIV GA fatti";
    case BaseCol::AircraftInFlight:
        return "AEREI IN VOLO";
    case BaseCol::AircraftLostValue:
        return "VAL AEREI PERSI";
    case BaseCol::ShipsPresent:
        return "NAVI PRESENTI";
    case BaseCol::SightingValue:
        return "EV/V";
    case BaseCol::PointsArrived:
        return "PUNTI ARRIVATI";
    case BaseCol::PointsUsed:
        return "PUNTI USATI";
    default:
        return "NN";
    }
}

// The colour of an item's value: blue for the Allies' items, red for the Axis', black else.
long itemColour(int item) {
    using namespace StateItem;
    if (item == ShipsLostAlle || item == AircraftLostAlle ||
        (item >= NavalMovesAlle && item <= CommandGainedAlle))
        return vbBlue;
    if (item == ShipsLostAsse || item == AircraftLostAsse ||
        (item >= NavalMovesAsse && item <= CommandGainedAsse))
        return vbRed;
    return vbBlack;
}
} // namespace

FrmEventi::FrmEventi() : Form("FrmEventi") {
    // The warning is too long for a title bar, which would cut it: the title names the window and
    // the warning stands whole across its top.
    setCaption("Eventi Gioco");
    setSize(13440, 8220);
    setFixedBorder(true);
    Label6.move(120, 120, 13200, 300);
    Label6.setFontBold(true);
    Label6.setForeColor(vbRed);
    Label6.setCaption("L'Uso di questa Utility è estremamente delicato. Si raccomanda la massima "
                      "attenzione, potrebbero generarsi DANNI IRREVERSIBILI");
    constexpr int kTop = 540;

    for (int k = 0; k < kStateItems; ++k) {
        const int x = k < 20 ? 120 : 3900;
        const int top = kTop + 330 * (k % 20);
        Label1.add(k, *this, "Label1", kItemNames[k]).move(x, top + 15, 2400, 285);
        Label& value = Label2.add(k, *this, "Label2");
        value.move(x + 2460, top, 1140, 300);
        value.setBorderStyle(1);
        value.setAlignment(1);
        value.setForeColor(itemColour(k + 1));
    }
    Combo1.move(7800, kTop, 3240, 315);
    Frame2.move(7800, kTop + 480, 5400, 5820);
    for (int k = 0; k < kBaseFields; ++k) {
        const int x = k < 15 ? 120 : 2760;
        const int top = 330 + 360 * (k % 15);
        Label3.add(k, Frame2, "Label3", baseFieldName(k + 1)).move(x, top + 15, 1680, 285);
        Label& value = Label4.add(k, Frame2, "Label4");
        value.move(x + 1740, top, 780, 300);
        value.setBorderStyle(1);
        value.setAlignment(1);
    }
    Label5.move(120, kTop + 6720, 13080, 600);
    Label5.setWordWrap(true);
    Label5.setCaption(
        "I DATI in colore Blue si riferiscono agli ALLEATI, quelli in colore ROSSO all'ASSE - "
        "Inutile ricordare che i giocatori non devono in nessun modo sbirciare questa tabella. ");

    Combo1.Click = [this] { Combo1_Click(); };
}

void FrmEventi::Form_Load() {
    Globals& g = G();
    for (int item = 1; item <= kStateItems; ++item) Label2[item - 1].setCaption(g.GameState[item]);
    for (int b = 1; b <= kBases; ++b) Combo1.addItem(numberTextWithSign(b) + "-" + g.BaseNames[b]);
    for (int k = 0; k < kBaseFields; ++k) {
        Label4[k].setCaption("0");
        Label4[k].setToolTipText("FileBasi:" + QString::number(k + 1));
    }
}

void FrmEventi::Combo1_Click() {
    const int i = Combo1.listIndex();
    if (i < 0) return;
    const int b = i + 1;
    for (int field = 1; field <= kBaseFields; ++field)
        Label4[field - 1].setCaption(QString::number(G().BaseTable[b][field]));
    Frame2.setCaption(Combo1.list(i));
}
