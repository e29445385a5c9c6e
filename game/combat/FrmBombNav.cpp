#include "FrmBombNav.h"

#include "AttackLayout.h"
#include "common/BaseTable.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"

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

} // namespace

const platform::Layout<FrmBombNav>& FrmBombNav::layout() {
    using enum Kind;
    using enum On;
    static const Layout<FrmBombNav> rows = {
        // clang-format off
        // kind  name         container   left   top  width  height  caption, tool-tip, state at load, events
        {Frame,  "Frame1",    "",         120,  120,  5280,   5400, "Dati Porto sotto attacco", "", Visible},
        {Label,  "Label1",    "Frame1",   120,  510,  2760,    405, "", "", Visible},
        {Label,  "Label2",    "Frame1",  3000,  510,  1020,    405, "", "Danni Attuali  (max 100)", Visible},
        {Label,  "Label3",    "Frame1",  4140,  510,  1020,    405, "", "Danni procurati con il Bombardamento", Visible},
        {Label,  "Label4",    "Frame1",   120, 1020,  5040,    255, "Base    Port    AerPort    %AA    %AN     PesoAN", "", Visible},
        {List,   "List1",     "Frame1",   120, 2430,  5040,   1560, "", "Navi in porto", Visible},
        {Label,  "Label11",   "Frame1",   120, 4335,  1620,    315, "", "Totale Colpi del GN sulla Base", Visible},
        {Label,  "Label13",   "Frame1",  1800, 4335,  1620,    315, "", "Totale Peso Colpi GN sulla Base", Visible},
        {Label,  "Label16",   "Frame1",  3480, 4335,  1620,    315, "", "Danni alla Operatività per critico Base", Visible},
        {Label,  "Label18",   "Frame1",   120, 4740,  5040,    540, "", "Navi in porto colpite", Visible},
        {Label,  "Notes(0)",  "Frame1",  3000,  240,  1020,    255, "% Danni", "", Visible},
        {Label,  "Notes(1)",  "Frame1",  4140,  240,  1020,    255, "% Procurati", "", Visible},
        {Label,  "Label5(0)", "Frame1",   120, 1290,   780,    315, "", "", Visible},
        {Label,  "Label5(1)", "Frame1",   960, 1290,   780,    315, "", "", Visible},
        {Label,  "Label5(2)", "Frame1",  1800, 1290,   780,    315, "", "", Visible},
        {Label,  "Label5(3)", "Frame1",  2640, 1290,   780,    315, "", "", Visible},
        {Label,  "Label5(4)", "Frame1",  3480, 1290,   780,    315, "", "", Visible},
        {Label,  "Label5(5)", "Frame1",  4320, 1290,   780,    315, "", "Se negativo indica la minore reazione possibile", Visible},
        {Label,  "Notes(2)",  "Frame1",   120, 1740,  1200,    255, "Critici", "", Visible},
        {Label,  "Label5(6)", "Frame1",   120, 1995,  1200,    315, "", "Critico sulla  Base", Visible},
        {Label,  "Notes(3)",  "Frame1",  1380, 1740,  1200,    255, "Colpi porto", "", Visible},
        {Label,  "Label5(7)", "Frame1",  1380, 1995,  1200,    315, "", "Colpi su navi in porto", Visible},
        {Label,  "Notes(4)",  "Frame1",  2640, 1740,  1200,    255, "% su GN", "", Visible},
        {Label,  "Label5(8)", "Frame1",  2640, 1995,  1200,    315, "", "% effettiva di colpire il GN", Visible},
        {Label,  "Notes(5)",  "Frame1",  3900, 1740,  1200,    255, "Peso su GN", "", Visible},
        {Label,  "Label5(9)", "Frame1",  3900, 1995,  1200,    315, "", "Peso effettivo del colpo sul GN", Visible},
        {Label,  "Notes(6)",  "Frame1",   120, 4080,  1620,    255, "Colpi del GN", "", Visible},
        {Label,  "Notes(7)",  "Frame1",  1800, 4080,  1620,    255, "Peso colpi GN", "", Visible},
        {Label,  "Notes(8)",  "Frame1",  3480, 4080,  1620,    255, "Operativita persa", "", Visible},
        {Frame,  "Frame2",    "",        5520,  120,  5280,   5400, "Navi in Attacco", "", Visible},
        {Label,  "Label10",   "Frame2",   120,  480,  5040,    255, "P Base   P Modif    % Base  %Mod", "PesoColp Base e Modificato  Perc Base e Modificato", Visible},
        {Label,  "Label6",    "Frame2",   120,  750,  1200,    315, "", "", Visible},
        {Label,  "Label7",    "Frame2",  1380,  750,  1200,    315, "", "", Visible},
        {Label,  "Label8",    "Frame2",  2640,  750,  1200,    315, "", "", Visible},
        {Label,  "Label9",    "Frame2",  3900,  750,  1200,    315, "", "", Visible},
        {List,   "List2",     "Frame2",   120, 1200,  5040,   2790, "", "Navi in Attacco", Visible},
        {Label,  "Label12",   "Frame2",   120, 4335,  1620,    315, "", "Totale Colpi della Base che inquadrano il GN", Visible},
        {Label,  "Label14",   "Frame2",  1800, 4335,  1620,    315, "", "Totale peso colpi della Base in area GN", Visible},
        {Label,  "Label15",   "Frame2",  3480, 4335,  1620,    315, "", "Navi del GN colpite", Visible},
        {Label,  "Label17",   "Frame2",   120, 4740,  5040,    540, "", "Navi del GN colpite", Visible},
        {Label,  "Notes(9)",  "Frame2",   120, 4080,  1620,    255, "Colpi della Base", "", Visible},
        {Label,  "Notes(10)", "Frame2",  1800, 4080,  1620,    255, "Peso colpi Base", "", Visible},
        {Label,  "Notes(11)", "Frame2",  3480, 4080,  1620,    255, "Navi colpite", "", Visible},
        {Frame,  "Frame3",    "",         120, 5640,  3720,    735, "Distanza", "", Visible},
        {Option, "Option1",   "Frame3",   120,  300,  1120,    315, "Vicino", "", Visible, {{Click, &FrmBombNav::Option1_Click}}},
        {Option, "Option2",   "Frame3",  1300,  300,  1120,    315, "Medio", "", Set, {{Click, &FrmBombNav::Option2_Click}}},
        {Option, "Option3",   "Frame3",  2480,  300,  1120,    315, "Lontano", "", Visible, {{Click, &FrmBombNav::Option3_Click}}},
        {Frame,  "Frame4",    "",        3960, 5640,  3720,    735, "Durata", "", Visible},
        {Option, "Option4",   "Frame4",   120,  300,  1120,    315, "Massima", "", Set, {{Click, &FrmBombNav::Option4_Click}}},
        {Option, "Option5",   "Frame4",  1300,  300,  1120,    315, "Media", "", Visible, {{Click, &FrmBombNav::Option5_Click}}},
        {Option, "Option6",   "Frame4",  2480,  300,  1120,    315, "Minima", "", Visible, {{Click, &FrmBombNav::Option6_Click}}},
        {Button, "Command1",  "",        7920, 5760,  1320,    495, "&Fuoco!", "", Visible, {{Click, &FrmBombNav::Command1_Click}}},
        {Button, "Command2",  "",        9480, 5760,  1320,    495, "F&ine", "", Visible, {{Click, &FrmBombNav::Command2_Click}}},
        {Label,  "Label19",   "",         120, 6480, 10680,    660, "", "", Visible},
        // clang-format on
    };
    return rows;
}

FrmBombNav::FrmBombNav() : FormWith(QStringLiteral("FrmBombNav")) {
    setCaption(QStringLiteral("Bombardamento Navale dei Porti"));
    setSize(10920, 7320);
    setFixedBorder(true);

    for (Label* l : {&Label1, &Label2, &Label3, &Label6, &Label7, &Label8, &Label9, &Label11, &Label13,
                     &Label16, &Label12, &Label14, &Label15})
        valueBox(*l);
    for (int i = 0; i < 10; ++i) valueBox(Label5[i]);
    Label1.setFontSize(11);
    for (Label* l : {&Label1, &Label2, &Label3}) l->setFontBold(true);
    Command1.setFontBold(true);
    Label4.setColumns({0, 840, 1680, 2520, 3360, 4200});
    Label10.setColumns({0, 1260, 2520, 3780});
    // The names of the ships a salvo hit, under the result boxes, and what to do next.
    for (Label* l : {&Label18, &Label17, &Label19}) {
        l->setWordWrap(true);
        l->setBorderStyle(1);
    }
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
