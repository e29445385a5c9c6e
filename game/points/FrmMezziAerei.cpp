#include "FrmMezziAerei.h"

#include "PointTransfers.h"
#include "SidePictures.h"
#include "common/BaseTable.h"
#include "common/Globals.h"
#include "game/main/HourStart.h"
#include "platform/Dialogs.h"

using namespace platform;
using namespace acquisition;

namespace {
// The base's values: where each stands (column 0 PUNTI, 1 AEREI; row), its name and tool-tip.
struct BaseValue {
    int column, row;
    const char* name;
    const char* tip;
};
const BaseValue kBaseValues[9] = {
    {0, 0, "Totale", "Totale Punti Comando"},
    {0, 1, "Default", "Punti Comando  di Default"},
    {0, 2, "Spendib.", "Punti spendibili per acquisizione aerei  (31p minimo)"},
    {1, 0, "Limite", "LIMITE AEREI ALLOCABILI"},
    {1, 1, "Al suolo", "Aerei al suolo"},
    {1, 2, "In volo", "Aerei in Volo"},
    {1, 3, "Allocati", "TOTALE AERI ALLOCATI"},
    {1, 4, "Persi tipo", "NUMERO TOTALE AERI PERSI PER TIPO"},
    {0, 3, "Persi", "TOTALE PUNTI AERI PERSI"},
};
const char* const kCardCaptions[10][2] = {
    {"COSTO", "Costo Unittario"},
    {"AUT", "Autonomia di volo"},
    {"KMH", ""},
    {"NSL", "Numero Siluri Imbarcati"},
    {"RUOLO", "Ruolo Silurante/Bombardiere/Notturno"},
    {"FA", "Fattore D'Attaco"},
    {"FD", "Fattore Di Difesa"},
    {"FM", "Fattor di Mitragliamento"},
    {"CD", "Carico Differenziato"},
    {"GIU", "Giudizio"},
};
constexpr long kBlue = 0xFF0000;

QString number(long long v) {
    return QString::number(v);
}
} // namespace

FrmMezziAerei::FrmMezziAerei() : Form("FrmMezziAerei") {
    setSize(12600, 8160);
    setFixedBorder(true);

    sideFrames().layOut();
    Label2.move(2520, 120, 7560, 1140);
    Label2.setWordWrap(true);
    Label2.setCaption(
        "Selezionare una BASE dalla lista e controllare di avere punti disponibili ( Numero Bleu nel "
        "Riquadro PUNTI).  Premere il Tasto Genera Rnd List e appariranno gli aerei disponibli "
        "all'acquisizione.  ATTENZIONE: Ogni volta che il tasto Genera viene selezionato La Base "
        "spende punti attivazione.");
    Label13.move(10200, 180, 2280, 255);
    Label1.move(10200, 480, 2280, 420);
    Label1.setToolTipText("Totali Punti Acquisizione Mezzi");

    Label14.move(120, 1380, 3120, 255);
    List1.move(120, 1650, 3120, 2700);

    Frame3.move(120, 4440, 3120, 3000);
    Label11.move(90, 330, 1380, 255);
    Label12.move(1560, 330, 1470, 255);
    for (Label* l : {&Label11, &Label12}) l->setFontBold(true);
    for (int i = 0; i < 9; ++i) {
        const BaseValue& v = kBaseValues[i];
        const int x = v.column == 0 ? 90 : 1560;
        const int y = 660 + 330 * v.row;
        Label15.add(i, Frame3, "Label15", v.name).move(x, y + 30, 780, 255);
        Label5.add(i, Frame3, "Label5").move(x + 810, y, 630, 300);
        Label5[i].setToolTipText(v.tip);
    }

    Command2.move(3360, 1380, 2640, 450);
    Command2.setToolTipText("Ogni attivazione costa da 3 a 15 punti comando (mx Aerei Att. 15)");
    Label16.move(6120, 1440, 660, 255);
    Label10.move(6780, 1395, 660, 345);
    Label10.setToolTipText("Spesa per Tentativo Acquisizione aerei");
    Label17.move(7560, 1440, 1080, 255);
    Label4.move(8640, 1395, 660, 345);
    Label4.setToolTipText("TOTALE AEREI ACQUISIBILI ");
    List3.move(3360, 1950, 5940, 2400);
    List3.setToolTipText("Aerei Disponibili - Att: generare la lista costa dei PUNTI ");
    Command3.move(3360, 4440, 600, 450);
    Command4.move(4020, 4440, 600, 450);
    Label18.move(4740, 4500, 900, 255);
    Label8.move(5640, 4455, 600, 345);
    Label8.setToolTipText("Aerei Acquisiti");
    Label19.move(6360, 4500, 600, 255);
    Label9.move(6960, 4455, 600, 345);
    Label9.setToolTipText("Costo Acquisizione aerei");
    Command5.move(3360, 5010, 2880, 450);
    Command5.setToolTipText("Conferma e Salva");
    Command6.move(6360, 5010, 2940, 450);
    Command6.setToolTipText("Se non si vuole completare l'acquisizioe ma si vuole cambiare base");

    Frame4.move(9420, 1380, 3060, 3450);
    for (int i = 0; i < 10; ++i) {
        Label6.add(i, Frame4, "Label6", kCardCaptions[i][0]).move(120, 330 + 300 * i, 900, 255);
        Label7.add(i, Frame4, "Label7").move(1080, 330 + 300 * i, 1860, 255);
        for (Label* l : {&Label6[i], &Label7[i]}) l->setToolTipText(kCardCaptions[i][1]);
    }

    Label3.move(3360, 5580, 9120, 255);
    List2.move(3360, 5850, 9120, 1800);
    List2.setToolTipText("Aerei per Tipologia   a   Terra / In Volo - Click = Aerei Abbattuti per tipo");
    Command1.move(120, 7560, 3120, 450);
    Command1.setToolTipText("Esce dal Programma - NON SALVA I DATI ");
    MessageLine.move(3360, 7710, 9120, 315);
    MessageLine.setBorderStyle(1);

    for (Label* l : {&Label1, &Label10, &Label4, &Label8, &Label9}) styleValue(*l);
    for (int i = 0; i < 10; ++i) Label7[i].setBorderStyle(1);
    for (int i = 0; i < 9; ++i) {
        Label5[i].setBorderStyle(1);
        Label5[i].setAlignment(2);
        Label5[i].setBackColor(vbWhite);
    }
    for (ListBox* l : {&List1, &List2, &List3}) l->setFontName("Courier New");

    List1.Click = [this] { List1_Click(); };
    List2.Click = [this] { List2_Click(); };
    List3.Click = [this] { List3_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.Click = [this] { Command6_Click(); };
}

void FrmMezziAerei::Form_Load() {
    Globals& g = G();
    for (CommandButton* c : {&Command3, &Command4, &Command5}) c->setEnabled(false);
    PulisciValoriBase();
    Frame3.setCaption(QString());
    ListaBasiAeree();
    const bool allies = g.CurrentSide != kAxis;
    Label1.setCaption(number(points::acquisitionPointsLeft(g.CurrentSide)));
    setCaption(allies ? "ACQUISIZIONE AEREI ALLEATI" : "ACQUISIZIONE AEREI ASSE");
    setBackColor(allies ? vbYellow : vbRed);
    sideFrames().show(g.CurrentSide);
}

void FrmMezziAerei::Form_QueryUnload(int& cancel, int) {
    if (Purchase.acquired == 0) return;
    if (MsgBox("IL RECORD NON E' STATO SALVATO! Premi OK + [Conferma/Salva]", vbExclamation,
               "Chiudere senza salvare genera errori IRREVERSIBILI") == vbOK)
        cancel = 1;
}

// ---------------------------------------------------------------- what the window shows

SideFrames FrmMezziAerei::sideFrames() {
    return {Frame1, Image1, Image2, Frame2, Image3, Image4};
}

void FrmMezziAerei::ListaBasiAeree() {
    List1.clear();
    for (const ListedItem& b : airBaseItems(G().CurrentSide)) {
        List1.addItem(b.text);
        List1.setItemData(List1.newIndex(), b.data);
    }
}

void FrmMezziAerei::PulisciValoriBase() {
    for (int i = 0; i < 9; ++i) Label5[i].setCaption(QString());
    for (Label* l : {&Label4, &Label8, &Label9, &Label10}) l->setCaption(QString());
}

void FrmMezziAerei::MostraValoriBase() {
    const Globals& g = G();
    const int base = g.SelectedBase;
    const auto* f = g.BaseTable[base];
    Label4.setCaption(number(Purchase.acquirable));
    const long long spendable = points::spendablePoints(base);
    const long long values[7] = {points::baseCommandPoints(base),
                                 g.BasePoints[base],
                                 spendable,
                                 g.BaseAircraftCapacity[base],
                                 f[BaseCol::AircraftPresent],
                                 f[BaseCol::AircraftInFlight],
                                 f[BaseCol::AircraftPresent] + f[BaseCol::AircraftInFlight]};
    for (int i = 0; i < 7; ++i) Label5[i].setCaption(number(values[i]));
    Label5[2].setForeColor(spendable > 0 ? kBlue : vbRed);
    SalvaDatiBasi();
}

void FrmMezziAerei::showCounters() {
    Label4.setCaption(number(Purchase.acquirable));
    Label8.setCaption(number(Purchase.acquired));
    Label9.setCaption(number(Purchase.spent));
}

void FrmMezziAerei::PulisciSchedaAereo() {
    Frame4.setCaption(QString());
    for (int i = 0; i < 10; ++i) Label7[i].setCaption(QString());
}

void FrmMezziAerei::MostraSchedaAereo() {
    const AircraftCard card = aircraftCard(Aircraft);
    Frame4.setCaption(card.caption);
    for (int i = 0; i < 10; ++i) Label7[i].setCaption(card.values[i]);
}

void FrmMezziAerei::ElencoAereiBase() {
    List2.clear();
    for (const ListedItem& a : baseAircraftItems(G().CurrentSide, G().SelectedBase)) {
        List2.addItem(a.text);
        List2.setItemData(List2.newIndex(), a.data);
    }
}

void FrmMezziAerei::enableLeaving(bool enabled) {
    for (Control* c : std::initializer_list<Control*>{&Command1, &Command2, &Command6, &List1, &List3})
        c->setEnabled(enabled);
}

// ---------------------------------------------------------------- the player's actions

void FrmMezziAerei::List1_Click() {
    Globals& g = G();
    const int index = List1.listIndex();
    if (index < 0) return;
    PulisciValoriBase();
    PulisciSchedaAereo();
    Frame3.setCaption(QString());
    Purchase = {};
    Label4.setCaption("0");
    for (CommandButton* c : {&Command3, &Command4, &Command5}) c->setEnabled(false);
    List2.clear();
    List3.clear();
    MessageLine.setCaption(QString());
    g.SelectedBase = List1.itemData(index);
    MostraValoriBase();
    ElencoAereiBase();
    Label5[8].setCaption(number(g.BaseTable[g.SelectedBase][BaseCol::AircraftLostValue]));
    Frame3.setCaption(g.BaseNames[g.SelectedBase]);
}

void FrmMezziAerei::Command2_Click() {
    Globals& g = G();
    PulisciSchedaAereo();
    // A refused list leaves what the last one still allows: the counters start anew only with a
    // new list.
    if (g.SelectedBase > kLastMapAirBase) {
        MsgBox("Gibilterra ed Alessandria non possono usare gli aerei!", vbExclamation,
               " AEROPORTO FUORI MAPPA");
        return;
    }
    const QString refusal = aircraftListRefusal(g.SelectedBase);
    MessageLine.setCaption(refusal);
    if (!refusal.isEmpty()) return;
    Purchase = {};
    List3.clear();
    const AircraftDraw draw = drawAircraftList(g.CurrentSide, g.SelectedBase, openSlot().year);
    Purchase.acquirable = draw.acquirable;
    Label10.setCaption(number(draw.cost));
    MostraValoriBase();
    showCounters();
    for (const ListedItem& t : draw.types) {
        List3.addItem(t.text);
        List3.setItemData(List3.newIndex(), t.data);
    }
}

void FrmMezziAerei::List3_Click() {
    Globals& g = G();
    const int index = List3.listIndex();
    if (index < 0 || g.SelectedBase < 1) return;
    const long long spendable = points::spendablePoints(g.SelectedBase);
    PulisciSchedaAereo();
    PickedRecord = List3.itemData(index);
    g.SelectedItem = PickedRecord;
    Aircraft = readBaseAircraft(g.CurrentSide, g.SelectedBase, PickedRecord);
    PickedCount = static_cast<int>(Aircraft.whole(recordformat::aircraft::Pronti));
    PickedCost = static_cast<int>(Aircraft.whole(recordformat::aircraft::Costo));
    MostraSchedaAereo();
    const bool canBuy = Purchase.acquirable > 0 && PickedCost < spendable;
    for (CommandButton* c : {&Command3, &Command4, &Command5}) c->setEnabled(canBuy);
    MessageLine.setCaption(
        canBuy || Purchase.acquirable < 1
            ? QString()
            : QStringLiteral("Punti spendibili insufficienti per questo tipo: %1, costa %2")
                  .arg(spendable)
                  .arg(PickedCost));
}

void FrmMezziAerei::Command3_Click() {
    if (PickedRecord < 1) return;
    MessageLine.setCaption(addAircraft(Purchase, G().SelectedBase, PickedCost, PickedCount));
    showCounters();
    MostraValoriBase();
    enableLeaving(Purchase.acquired < 1);
}

void FrmMezziAerei::Command4_Click() {
    MessageLine.setCaption(QString());
    removeAircraft(Purchase, G().SelectedBase, PickedCost);
    showCounters();
    MostraValoriBase();
    for (Control* c : std::initializer_list<Control*>{&Command1, &Command2, &List1, &List3})
        c->setEnabled(Purchase.acquired < 1);
}

void FrmMezziAerei::Command5_Click() {
    Globals& g = G();
    for (CommandButton* c : {&Command3, &Command4, &Command5}) c->setEnabled(false);
    Command6.setEnabled(true);
    List2.clear();
    List3.setEnabled(true);
    confirmAircraft(Purchase, g.CurrentSide, g.SelectedBase, PickedRecord);
    PulisciValoriBase();
    PulisciSchedaAereo();
    MostraValoriBase();
    ElencoAereiBase();
    SalvaDatiBasi();
    if (Purchase.acquirable < 1) {
        List3.clear();
        for (Control* c : std::initializer_list<Control*>{&Command1, &Command2, &List1}) c->setEnabled(true);
    }
}

void FrmMezziAerei::Command6_Click() {
    Globals& g = G();
    g.Files.closeAll();
    PulisciValoriBase();
    PulisciSchedaAereo();
    List1.setEnabled(true);
    Frame3.setCaption(QString());
    Purchase = {};
    Label4.setCaption("0");
    Command1.setEnabled(true);
    Command2.setEnabled(true);
    for (CommandButton* c : {&Command3, &Command4, &Command5}) c->setEnabled(false);
    List2.clear();
    List3.clear();
    MessageLine.setCaption(QString());
    // The base's values are gone from the window: a new list needs a base chosen again.
    g.SelectedBase = 0;
    PickedRecord = 0;
}

void FrmMezziAerei::List2_Click() {
    const int index = List2.listIndex();
    if (index < 0) return;
    Command3.setEnabled(false);
    Command4.setEnabled(false);
    Label5[7].setCaption(QString());
    PulisciSchedaAereo();
    Aircraft = readBaseAircraft(G().CurrentSide, G().SelectedBase, List2.itemData(index));
    MostraSchedaAereo();
    Label5[7].setCaption(Aircraft.trimmed(recordformat::aircraft::Persi));
}

void FrmMezziAerei::Command1_Click() {
    SalvaDatiBasi();
    unloadForm(*this);
}
