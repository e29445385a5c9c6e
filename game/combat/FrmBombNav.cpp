#include "FrmBombNav.h"

#include "AttackLayout.h"
#include "common/BaseTable.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"

#include <array>

using namespace platform;
using namespace attacklayout;
using namespace bombardment;

namespace {

const QString kChoose =
    QStringLiteral("Selezionare i valori desiderati : DISTANZA e DURATA    Le condizioni atmosferiche vengo "
                   "considerate solo se in atto una BUFERA (navi -2)");
const QString kDone = QStringLiteral(
    " GIA FATTO !    L'ordine del GN                                                  è stato cambiato");

bool validGroup(int group) {
    return group >= 1 && group <= kGroups;
}

void fill(ListBox& list, const std::vector<contactboard::ListItem>& items) {
    list.clear();
    for (const contactboard::ListItem& item : items) {
        list.addItem(item.text);
        list.setItemData(list.newIndex(), item.data);
    }
}

// The three result boxes at the foot of a side's frame, each with its note over it.
void resultRow(ControlArray<Label>& notes, Frame& frame, const std::array<Label*, 3>& boxes,
               const std::array<const char*, 3>& texts, const std::array<const char*, 3>& tips) {
    for (int i = 0; i < 3; ++i) {
        addNote(notes, frame, texts[i], 120 + 1680 * i, 4080, 1620);
        boxes[i]->move(120 + 1680 * i, 4335, 1620, 315);
        boxes[i]->setToolTipText(QString::fromUtf8(tips[i]));
        valueBox(*boxes[i]);
    }
}

// The names of the ships a salvo hit, under the result boxes.
void namesBox(Label& l, const QString& tip) {
    l.move(120, 4740, 5040, 540);
    l.setToolTipText(tip);
    l.setWordWrap(true);
    l.setBorderStyle(1);
}

} // namespace

FrmBombNav::FrmBombNav() : Form(QStringLiteral("FrmBombNav")) {
    setCaption(QStringLiteral("Bombardamento Navale dei Porti"));
    setSize(10920, 7320);
    setFixedBorder(true);

    // ---------------------------------------------------------------- the base under fire
    Frame1.move(120, 120, 5280, 5400);
    Label1.move(120, 510, 2760, 405);
    Label1.setFontBold(true);
    Label1.setFontSize(11);
    addNote(Notes, Frame1, "% Danni", 3000, 240, 1020);
    Label2.move(3000, 510, 1020, 405);
    Label2.setToolTipText(QStringLiteral("Danni Attuali  (max 100)"));
    addNote(Notes, Frame1, "% Procurati", 4140, 240, 1020);
    Label3.move(4140, 510, 1020, 405);
    Label3.setToolTipText(QStringLiteral("Danni procurati con il Bombardamento"));
    for (Label* l : {&Label1, &Label2, &Label3}) valueBox(*l);
    Label2.setFontBold(true);
    Label3.setFontBold(true);
    Label4.move(120, 1020, 5040, 255);
    Label4.setColumns({0, 840, 1680, 2520, 3360, 4200});
    for (int i = 0; i < 6; ++i) {
        Label& l = Label5.add(i, Frame1, QStringLiteral("Label5"));
        l.move(120 + 840 * i, 1290, 780, 315);
    }
    Label5[5].setToolTipText(QStringLiteral("Se negativo indica la minore reazione possibile"));
    const char* const fireNotes[4] = {"Critici", "Colpi porto", "% su GN", "Peso su GN"};
    const char* const fireTips[4] = {"Critico sulla  Base", "Colpi su navi in porto",
                                     "% effettiva di colpire il GN", "Peso effettivo del colpo sul GN"};
    for (int i = 0; i < 4; ++i) {
        addNote(Notes, Frame1, fireNotes[i], 120 + 1260 * i, 1740, 1200);
        Label& l = Label5.add(6 + i, Frame1, QStringLiteral("Label5"));
        l.move(120 + 1260 * i, 1995, 1200, 315);
        l.setToolTipText(QString::fromUtf8(fireTips[i]));
    }
    for (int i = 0; i < 10; ++i) valueBox(Label5[i]);
    List1.move(120, 2430, 5040, 1560);
    List1.setToolTipText(QStringLiteral("Navi in porto"));
    resultRow(Notes, Frame1, {&Label11, &Label13, &Label16},
              {"Colpi del GN", "Peso colpi GN", "Operativita persa"},
              {"Totale Colpi del GN sulla Base", "Totale Peso Colpi GN sulla Base",
               "Danni alla Operatività per critico Base"});
    namesBox(Label18, QStringLiteral("Navi in porto colpite"));

    // ---------------------------------------------------------------- the bombarding group
    Frame2.move(5520, 120, 5280, 5400);
    Label10.move(120, 480, 5040, 255);
    Label10.setColumns({0, 1260, 2520, 3780});
    Label10.setToolTipText(QStringLiteral("PesoColp Base e Modificato  Perc Base e Modificato"));
    Label* groupValues[4] = {&Label6, &Label7, &Label8, &Label9};
    for (int i = 0; i < 4; ++i) {
        groupValues[i]->move(120 + 1260 * i, 750, 1200, 315);
        valueBox(*groupValues[i]);
    }
    List2.move(120, 1200, 5040, 2790);
    List2.setToolTipText(QStringLiteral("Navi in Attacco"));
    resultRow(Notes, Frame2, {&Label12, &Label14, &Label15},
              {"Colpi della Base", "Peso colpi Base", "Navi colpite"},
              {"Totale Colpi della Base che inquadrano il GN", "Totale peso colpi della Base in area GN",
               "Navi del GN colpite"});
    namesBox(Label17, QStringLiteral("Navi del GN colpite"));

    // ---------------------------------------------------------------- the choices
    Frame3.move(120, 5640, 3720, 735);
    Frame4.move(3960, 5640, 3720, 735);
    OptionButton* options[6] = {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6};
    for (int i = 0; i < 6; ++i) options[i]->move(120 + 1180 * (i % 3), 300, 1120, 315);
    // The values in force at opening: distance 100 ("Medio") and duration 100 ("Massima").
    Option2.setValue(true);
    Option4.setValue(true);
    Command1.move(7920, 5760, 1320, 495);
    Command1.setFontBold(true);
    Command2.move(9480, 5760, 1320, 495);
    Label19.move(120, 6480, 10680, 660);
    Label19.setWordWrap(true);
    Label19.setBorderStyle(1);

    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Option3.Click = [this] { Option3_Click(); };
    Option4.Click = [this] { Option4_Click(); };
    Option5.Click = [this] { Option5_Click(); };
    Option6.Click = [this] { Option6_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

// ---------------------------------------------------------------- loading

void FrmBombNav::Form_Load() {
    Globals& g = G();
    Label15.setCaption(QStringLiteral("0"));
    for (int i = 1; i <= 12; ++i) g.AttackTarget[i] = 0;
    Durata = kDefaultDuration;
    Distanza = kDefaultDistance;
    LatoAttacco = g.OperationContext[5] == kAllies ? kAllies : kAxis;
    LatoDifesa = LatoAttacco == kAllies ? kAxis : kAllies;
    Base = g.OperationContext[2];
    Gruppo = g.OperationContext[6];
    g.WeatherSeverity = static_cast<Int16>(g.state(StateItem::Weather));
    Label1.setCaption(contactboard::baseNameOrNone(Base));
    Label19.setCaption(kChoose);
    const bool baseValid = Base >= 1 && Base <= kBases;
    if (baseValid) {
        ValoriBersaglio();
        MostraValoriBase();
        ListaNaviPorto();
    }
    ListaNaviAttacco();
    CalcolaValoriTiro();
    // A group no longer under the bombardment order, or one that has fired on this contact,
    // cannot fire again.
    const bool bombarding =
        validGroup(Gruppo) && g.gnTable(LatoAttacco)[Gruppo][GnCol::Order] == kNavalBombardment;
    if (!bombarding || contactFought(LatoAttacco, Gruppo, g.OperationContext[1])) {
        Label19.setCaption(kDone);
        Command1.setEnabled(false);
    }
    if (!baseValid) Command1.setEnabled(false);
}

void FrmBombNav::ValoriBersaglio() {
    loadTarget(Base);
}

void FrmBombNav::MostraValoriBase() {
    const Int32* t = G().AttackTarget;
    Label2.setCaption(num(t[1]));
    Label3.setCaption(num(t[12]));
    for (int i = 0; i < 6; ++i) Label5[i].setCaption(num(t[2 + i]));
    Label5[6].setCaption(num(t[8]));
    Label5[7].setCaption(num(t[10]));
}

void FrmBombNav::ListaNaviPorto() {
    fill(List1, portShips(LatoDifesa, Base));
}

void FrmBombNav::ListaNaviAttacco() {
    const GroupShips s = validGroup(Gruppo) ? groupShips(LatoAttacco, Gruppo) : GroupShips();
    PesoGN = s.weight;
    TotaleDT = s.fireDirection;
    Label6.setCaption(num(PesoGN));
    fill(List2, s.items);
}

void FrmBombNav::CalcolaValoriTiro() {
    const Globals& g = G();
    Tiro = fireValues(Distanza, PesoGN, TotaleDT, g.AttackTarget[6], g.AttackTarget[7], g.WeatherSeverity,
                      g.DayFlag == 0);
    Label6.setCaption(num(PesoGN));
    Label7.setCaption(num(Tiro.groupWeightMod));
    Label8.setCaption(num(Tiro.groupPercent));
    Label9.setCaption(num(Tiro.groupPercentMod));
    Label5[8].setCaption(num(Tiro.basePercentMod));
    Label5[9].setCaption(num(Tiro.baseWeightMod));
}

// ---------------------------------------------------------------- the choices

void FrmBombNav::setDistance(int distance) {
    Distanza = distance;
    CalcolaValoriTiro();
}

void FrmBombNav::setDuration(int duration) {
    Durata = duration;
    CalcolaValoriTiro();
}

void FrmBombNav::Option1_Click() {
    setDistance(kDistances[0]);
}
void FrmBombNav::Option2_Click() {
    setDistance(kDistances[1]);
}
void FrmBombNav::Option3_Click() {
    setDistance(kDistances[2]);
}
void FrmBombNav::Option4_Click() {
    setDuration(kDurations[0]);
}
void FrmBombNav::Option5_Click() {
    setDuration(kDurations[1]);
}
void FrmBombNav::Option6_Click() {
    setDuration(kDurations[2]);
}

// ---------------------------------------------------------------- the salvo

void FrmBombNav::Command1_Click() {
    Colpi = Salvo();
    markContactFought(LatoAttacco, Gruppo, G().OperationContext[1]);
    EseguiFuoco();
    Command1.setEnabled(false);
}

void FrmBombNav::EseguiFuoco() {
    Colpi = fireSalvo(Durata, Tiro, G().BaseTable[Base][BaseCol::ShipsPresent] > 0);
    const long long onBase = Colpi.groupOnBase * Tiro.groupWeightMod;
    Label11.setCaption(num(Colpi.groupOnBase));
    Label12.setCaption(num(Colpi.baseOnGroup));
    Label13.setCaption(num(onBase));
    Label3.setCaption(num(intPart(onBase / 200.0)));
    Label16.setCaption(num(intPart(Tiro.groupWeightMod / 10.0 * double(Colpi.criticals))));
    Label14.setCaption(num(Tiro.baseWeightMod * Colpi.baseOnGroup));
    Label15.setCaption(num(Colpi.groupShips));
    Label5[6].setCaption(num(Colpi.criticals));
    Label5[7].setCaption(num(Colpi.portShips));
    if (Colpi.portShips > 0) DistribuisciColpiPorto();
    if (Colpi.groupShips > 0) DistribuisciColpiGN();
    DanniBase();
    UsuraGN();
    SalvaTabelleGruppi();
    SalvaDatiBasi();
}

void FrmBombNav::DistribuisciColpiPorto() {
    Label18.setCaption(QString());
    const QString names = distributePortHits(LatoDifesa, Base, Colpi.portShips, Tiro.groupWeightMod);
    ListaNaviPorto();
    Label18.setCaption(names);
}

void FrmBombNav::DistribuisciColpiGN() {
    Label17.setCaption(QString());
    const QString names = distributeGroupHits(LatoAttacco, Gruppo, Colpi.groupShips, Tiro.baseWeightMod);
    ListaNaviAttacco();
    Label17.setCaption(names);
}

void FrmBombNav::DanniBase() {
    damageBase(Base, Tiro, Colpi);
    Label2.setCaption(num(G().BaseTable[Base][BaseCol::DamagePercent]));
}

void FrmBombNav::UsuraGN() {
    wearGroup(LatoAttacco, Gruppo);
}

// ---------------------------------------------------------------- closing

void FrmBombNav::Command2_Click() {
    unload<FrmBombNav>();
    RicaricaMappa();
    DisegnaBasi();
}

void FrmBombNav::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    // Closed by its box: the map is put back as "F&ine" puts it.
    if (unloadMode != vbFormControlMenu) return;
    RicaricaMappa();
    DisegnaBasi();
}
