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
constexpr long kBlue = 0xFF0000;

QString number(long long v) {
    return QString::number(v);
}
} // namespace

const platform::Layout<FrmMezziAerei>& FrmMezziAerei::layout() {
    using enum Kind;
    using enum On;
    static const Layout<FrmMezziAerei> rows = {
        // clang-format off
        // kind  name           container    left   top  width  height  caption, tool-tip, state at load, events
        {Frame,  "Frame1",      "",          120,  120,  2280,   1140, "Alleati", "", Visible},
        {Image,  "Image1",      "Frame1",    300,  420,  1200,    375, "", "", Visible},
        {Image,  "Image2",      "Frame1",   1320,  420,  1200,    375, "", "", Visible},
        {Frame,  "Frame2",      "",          120,  120,  2280,   1140, "Asse", "", Visible},
        {Image,  "Image3",      "Frame2",    300,  420,  1200,    375, "", "", Visible},
        {Image,  "Image4",      "Frame2",   1320,  420,  1200,    375, "", "", Visible},
        {Label,  "Label2",      "",         2520,  120,  7560,   1140, "Selezionare una BASE dalla lista e controllare di avere punti disponibili ( Numero Bleu nel Riquadro PUNTI).  Premere il Tasto Genera Rnd List e appariranno gli aerei disponibli all'acquisizione.  ATTENZIONE: Ogni volta che il tasto Genera viene selezionato La Base spende punti attivazione.", "", Visible},
        {Label,  "Label13",     "",        10200,  180,  2280,    255, "Punti Acquisizione", "", Visible},
        {Label,  "Label1",      "",        10200,  480,  2280,    420, "", "Totali Punti Acquisizione Mezzi", Visible},
        {Label,  "Label14",     "",          120, 1380,  3120,    255, "Basi Aeree", "", Visible},
        {List,   "List1",       "",          120, 1650,  3120,   2700, "", "", Visible, {{Click, &FrmMezziAerei::List1_Click}}},
        {Frame,  "Frame3",      "",          120, 4440,  3120,   3000, "", "", Visible},
        {Label,  "Label11",     "Frame3",     90,  330,  1380,    255, "PUNTI", "", Visible},
        {Label,  "Label12",     "Frame3",   1560,  330,  1470,    255, "AEREI", "", Visible},
        {Label,  "Label15(0)",  "Frame3",     90,  690,   780,    255, "Totale", "", Visible},
        {Label,  "Label5(0)",   "Frame3",    900,  660,   630,    300, "", "Totale Punti Comando", Visible},
        {Label,  "Label15(1)",  "Frame3",     90, 1020,   780,    255, "Default", "", Visible},
        {Label,  "Label5(1)",   "Frame3",    900,  990,   630,    300, "", "Punti Comando  di Default", Visible},
        {Label,  "Label15(2)",  "Frame3",     90, 1350,   780,    255, "Spendib.", "", Visible},
        {Label,  "Label5(2)",   "Frame3",    900, 1320,   630,    300, "", "Punti spendibili per acquisizione aerei  (31p minimo)", Visible},
        {Label,  "Label15(3)",  "Frame3",   1560,  690,   780,    255, "Limite", "", Visible},
        {Label,  "Label5(3)",   "Frame3",   2370,  660,   630,    300, "", "LIMITE AEREI ALLOCABILI", Visible},
        {Label,  "Label15(4)",  "Frame3",   1560, 1020,   780,    255, "Al suolo", "", Visible},
        {Label,  "Label5(4)",   "Frame3",   2370,  990,   630,    300, "", "Aerei al suolo", Visible},
        {Label,  "Label15(5)",  "Frame3",   1560, 1350,   780,    255, "In volo", "", Visible},
        {Label,  "Label5(5)",   "Frame3",   2370, 1320,   630,    300, "", "Aerei in Volo", Visible},
        {Label,  "Label15(6)",  "Frame3",   1560, 1680,   780,    255, "Allocati", "", Visible},
        {Label,  "Label5(6)",   "Frame3",   2370, 1650,   630,    300, "", "TOTALE AERI ALLOCATI", Visible},
        {Label,  "Label15(7)",  "Frame3",   1560, 2010,   780,    255, "Persi tipo", "", Visible},
        {Label,  "Label5(7)",   "Frame3",   2370, 1980,   630,    300, "", "NUMERO TOTALE AERI PERSI PER TIPO", Visible},
        {Label,  "Label15(8)",  "Frame3",     90, 1680,   780,    255, "Persi", "", Visible},
        {Label,  "Label5(8)",   "Frame3",    900, 1650,   630,    300, "", "TOTALE PUNTI AERI PERSI", Visible},
        {Button, "Command2",    "",         3360, 1380,  2640,    450, "&Genera Random List", "Ogni attivazione costa da 3 a 15 punti comando (mx Aerei Att. 15)", Visible, {{Click, &FrmMezziAerei::Command2_Click}}},
        {Label,  "Label16",     "",         6120, 1440,   660,    255, "Spesa", "", Visible},
        {Label,  "Label10",     "",         6780, 1395,   660,    345, "", "Spesa per Tentativo Acquisizione aerei", Visible},
        {Label,  "Label17",     "",         7560, 1440,  1080,    255, "Acquisibili", "", Visible},
        {Label,  "Label4",      "",         8640, 1395,   660,    345, "", "TOTALE AEREI ACQUISIBILI ", Visible},
        {List,   "List3",       "",         3360, 1950,  5940,   2400, "", "Aerei Disponibili - Att: generare la lista costa dei PUNTI ", Visible, {{Click, &FrmMezziAerei::List3_Click}}},
        {Button, "Command3",    "",         3360, 4440,   600,    450, "&+", "", Visible, {{Click, &FrmMezziAerei::Command3_Click}}},
        {Button, "Command4",    "",         4020, 4440,   600,    450, "&-", "", Visible, {{Click, &FrmMezziAerei::Command4_Click}}},
        {Label,  "Label18",     "",         4740, 4500,   900,    255, "Acquisiti", "", Visible},
        {Label,  "Label8",      "",         5640, 4455,   600,    345, "", "Aerei Acquisiti", Visible},
        {Label,  "Label19",     "",         6360, 4500,   600,    255, "Costo", "", Visible},
        {Label,  "Label9",      "",         6960, 4455,   600,    345, "", "Costo Acquisizione aerei", Visible},
        {Button, "Command5",    "",         3360, 5010,  2880,    450, "Conferma e &Salva", "Conferma e Salva", Visible, {{Click, &FrmMezziAerei::Command5_Click}}},
        {Button, "Command6",    "",         6360, 5010,  2940,    450, "&Reset", "Se non si vuole completare l'acquisizioe ma si vuole cambiare base", Visible, {{Click, &FrmMezziAerei::Command6_Click}}},
        {Frame,  "Frame4",      "",         9420, 1380,  3060,   3450, "", "", Visible},
        {Label,  "Label6(0)",   "Frame4",    120,  330,   900,    255, "COSTO", "Costo Unittario", Visible},
        {Label,  "Label7(0)",   "Frame4",   1080,  330,  1860,    255, "", "Costo Unittario", Visible},
        {Label,  "Label6(1)",   "Frame4",    120,  630,   900,    255, "AUT", "Autonomia di volo", Visible},
        {Label,  "Label7(1)",   "Frame4",   1080,  630,  1860,    255, "", "Autonomia di volo", Visible},
        {Label,  "Label6(2)",   "Frame4",    120,  930,   900,    255, "KMH", "", Visible},
        {Label,  "Label7(2)",   "Frame4",   1080,  930,  1860,    255, "", "", Visible},
        {Label,  "Label6(3)",   "Frame4",    120, 1230,   900,    255, "NSL", "Numero Siluri Imbarcati", Visible},
        {Label,  "Label7(3)",   "Frame4",   1080, 1230,  1860,    255, "", "Numero Siluri Imbarcati", Visible},
        {Label,  "Label6(4)",   "Frame4",    120, 1530,   900,    255, "RUOLO", "Ruolo Silurante/Bombardiere/Notturno", Visible},
        {Label,  "Label7(4)",   "Frame4",   1080, 1530,  1860,    255, "", "Ruolo Silurante/Bombardiere/Notturno", Visible},
        {Label,  "Label6(5)",   "Frame4",    120, 1830,   900,    255, "FA", "Fattore D'Attaco", Visible},
        {Label,  "Label7(5)",   "Frame4",   1080, 1830,  1860,    255, "", "Fattore D'Attaco", Visible},
        {Label,  "Label6(6)",   "Frame4",    120, 2130,   900,    255, "FD", "Fattore Di Difesa", Visible},
        {Label,  "Label7(6)",   "Frame4",   1080, 2130,  1860,    255, "", "Fattore Di Difesa", Visible},
        {Label,  "Label6(7)",   "Frame4",    120, 2430,   900,    255, "FM", "Fattor di Mitragliamento", Visible},
        {Label,  "Label7(7)",   "Frame4",   1080, 2430,  1860,    255, "", "Fattor di Mitragliamento", Visible},
        {Label,  "Label6(8)",   "Frame4",    120, 2730,   900,    255, "CD", "Carico Differenziato", Visible},
        {Label,  "Label7(8)",   "Frame4",   1080, 2730,  1860,    255, "", "Carico Differenziato", Visible},
        {Label,  "Label6(9)",   "Frame4",    120, 3030,   900,    255, "GIU", "Giudizio", Visible},
        {Label,  "Label7(9)",   "Frame4",   1080, 3030,  1860,    255, "", "Giudizio", Visible},
        {Label,  "Label3",      "",         3360, 5580,  9120,    255, "LISTA AEREI PRESENTI SULLA BASE SELEZIONATA SOPRA:", "", Visible},
        {List,   "List2",       "",         3360, 5850,  9120,   1800, "", "Aerei per Tipologia   a   Terra / In Volo - Click = Aerei Abbattuti per tipo", Visible, {{Click, &FrmMezziAerei::List2_Click}}},
        {Button, "Command1",    "",          120, 7560,  3120,    450, "&Chiudi", "Esce dal Programma - NON SALVA I DATI ", Visible, {{Click, &FrmMezziAerei::Command1_Click}}},
        {Label,  "MessageLine", "",         3360, 7710,  9120,    315, "", "", Visible},
        // clang-format on
    };
    return rows;
}

FrmMezziAerei::FrmMezziAerei() : FormWith("FrmMezziAerei") {
    setSize(12600, 8160);
    setFixedBorder(true);

    Label2.setWordWrap(true);
    for (Label* l : {&Label11, &Label12}) l->setFontBold(true);
    MessageLine.setBorderStyle(1);
    for (Label* l : {&Label1, &Label10, &Label4, &Label8, &Label9}) styleValue(*l);
    for (int i = 0; i < 10; ++i) Label7[i].setBorderStyle(1);
    for (int i = 0; i < 9; ++i) {
        Label5[i].setBorderStyle(1);
        Label5[i].setAlignment(2);
        Label5[i].setBackColor(vbWhite);
    }
    for (ListBox* l : {&List1, &List2, &List3}) l->setFontName("Courier New");
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
    // Aircraft added and not confirmed are not in the base's aircraft file yet: the base table is
    // saved with them by the confirmation, so that the files never count aircraft they lack.
    if (Purchase.acquired == 0) SalvaDatiBasi();
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
