#include "FrmAuto.h"

#include "AirStrike.h"
#include "AttackLayout.h"
#include "ContactBoard.h"
#include "common/CampaignJournal.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"

using namespace platform;
using namespace airstrike;
using namespace attacklayout;

namespace {

// A label's caption read back as a number (an empty one reads 0).
long long shown(const Label& l) {
    return textToWhole(l.caption());
}

} // namespace

const platform::Layout<FrmAuto>& FrmAuto::layout() {
    using enum Kind;
    using enum On;
    static const Layout<FrmAuto> rows = {
        // clang-format off
        // kind  name          container  left   top  width height  caption, tool-tip, state at load, events
        {Button, "Command1",   "",        120, 4530, 1200,  495, "AU&TO", "", Visible, {{Click, &FrmAuto::Command1_Click}}},
        {Frame,  "Frame3",     "",       1440, 4380, 4080,  735, "", "", Visible},
        {Button, "Command3",   "Frame3",  120,  150, 1200,  495, "AA1", "Primo Urto Antiaerea e CAP", Visible, {{Click, &FrmAuto::Command3_Click}}},
        {Button, "Command4",   "Frame3", 1440,  150, 1200,  495, "&ATTACCO", "Lancio Bombe", Visible, {{Click, &FrmAuto::Command4_Click}}},
        {Button, "Command5",   "Frame3", 2760,  150, 1200,  495, "AA2", "Secondo urto antiaerea e CAP", Visible, {{Click, &FrmAuto::Command5_Click}}},
        {Button, "Command2",   "",       7560, 4530, 1680,  495, "&FINE AZIONE", "", Visible, {{Click, &FrmAuto::Command2_Click}}},
        {Frame,  "Frame1",     "",        120,  120, 5280, 4200, "Base sotto attacco", "", Visible},
        {Label,  "Label1",     "Frame1",  120,  510, 2880,  405, "", "Nome Base sotto attacco", Visible},
        {Label,  "Label2",     "Frame1", 3120,  510,  960,  405, "", "% Danni Attuali", Visible},
        {Label,  "Label3",     "Frame1", 4200,  510,  960,  405, "", "% danni subiti", Visible},
        {Label,  "Label14",    "Frame1",  120, 1080, 5040,  255, "Base    Port    AerPort    %AA    %AN   Peso", "", Visible},
        {Label,  "Label4",     "Frame1",  120, 1350,  780,  315, "", "Base tipo ", Visible},
        {Label,  "Label5",     "Frame1",  960, 1350,  780,  315, "", "Porto tipo", Visible},
        {Label,  "Label6",     "Frame1", 1800, 1350,  780,  315, "", "Aereoporto tipo", Visible},
        {Label,  "Label7",     "Frame1", 2640, 1350,  780,  315, "", "% AA", Visible},
        {Label,  "Label8",     "Frame1", 3480, 1350,  780,  315, "", "% antinave", Visible},
        {Label,  "Label9",     "Frame1", 4320, 1350,  780,  315, "", "peso colpo antinave", Visible},
        {Label,  "Label24",    "Frame1",  120, 1800, 2400,  255, "DANNI SPECIALI", "", Visible},
        {Label,  "Label22",    "Frame1", 2760, 2070, 1140,  315, "", "Punti Comando distrutti", Visible},
        {Label,  "Label23",    "Frame1", 4020, 2070, 1140,  315, "", "Totale AA Navi Attive in Porto", Visible},
        {List,   "List1",      "Frame1",  120, 2520, 5040, 1560, "", "Danni Resistenza alle Navi in Porto", Visible},
        {Label,  "Label16(0)", "Frame1",  120, 2070,  780,  315, "", "Critico Operativita (Distrugge Punti Comando)", Visible},
        {Label,  "Label16(1)", "Frame1",  960, 2070,  780,  315, "", "Critico Aereoporto (blocca Tentativi di decollo)", Visible},
        {Label,  "Label16(2)", "Frame1", 1800, 2070,  780,  315, "", "Critico Porto (causa Danni alle navi in porto)", Visible},
        {Label,  "Notes(0)",   "Frame1", 3120,  240,  960,  255, "% Danni", "", Visible},
        {Label,  "Notes(1)",   "Frame1", 4200,  240,  960,  255, "% Subiti", "", Visible},
        {Label,  "Notes(2)",   "Frame1", 2760, 1800, 1140,  255, "P.Com. distr.", "", Visible},
        {Label,  "Notes(3)",   "Frame1", 4020, 1800, 1140,  255, "AA navi porto", "", Visible},
        {Frame,  "Frame2",     "",       5520,  120, 3720, 4200, "Aerei in attacco", "", Visible},
        {Label,  "Label10",    "Frame2",  120,  480, 3480,  315, "", "Nome aereo", Visible},
        {Label,  "Label12",    "Frame2",  120,  840, 2280,  315, "", "Tipologia", Visible},
        {Label,  "Label13",    "Frame2", 2520,  840, 1080,  315, "", "Numero GA", Visible},
        {Label,  "Label15",    "Frame2",  120, 1320, 3480,  255, "Aeri    Dann  Abbat   NumB  TagB    % Att", "", Visible},
        {Label,  "Label18",    "Frame2", 2520, 2160, 1080,  315, "", "Aerei Inquadrati ", Visible},
        {Label,  "Label19",    "Frame2", 2520, 2580, 1080,  315, "", "Test di salvezza", Visible},
        {Label,  "Label20",    "Frame2", 2520, 3000, 1080,  315, "", "Bombe a bersaglio valido", Visible},
        {Label,  "Label21",    "Frame2", 2520, 3420, 1080,  315, "", "Totale Massa Danni", Visible},
        {Label,  "Label11(0)", "Frame2",  120, 1590,  540,  315, "", "", Visible},
        {Label,  "Label11(1)", "Frame2",  700, 1590,  540,  315, "", "", Visible},
        {Label,  "Label11(2)", "Frame2", 1280, 1590,  540,  315, "", "", Visible},
        {Label,  "Label11(3)", "Frame2", 1860, 1590,  540,  315, "", "", Visible},
        {Label,  "Label11(4)", "Frame2", 2440, 1590,  540,  315, "", "", Visible},
        {Label,  "Label11(5)", "Frame2", 3020, 1590,  540,  315, "", "", Visible},
        {Label,  "Notes(4)",   "Frame2",  120, 2190, 2280,  255, "Aerei inquadrati", "", Visible},
        {Label,  "Notes(5)",   "Frame2",  120, 2610, 2280,  255, "Test di salvezza", "", Visible},
        {Label,  "Notes(6)",   "Frame2",  120, 3030, 2280,  255, "Bombe a bersaglio", "", Visible},
        {Label,  "Notes(7)",   "Frame2",  120, 3450, 2280,  255, "Massa danni", "", Visible},
        {Label,  "Label17",    "",        120, 5190, 9120,  315, "", "", Visible},
        // clang-format on
    };
    return rows;
}

FrmAuto::FrmAuto() : FormWith(QStringLiteral("FrmAuto")) {
    setCaption(QStringLiteral("Bombardamento Aereo"));
    setSize(9360, 5640);
    setFixedBorder(true);

    for (Label* l :
         {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label22, &Label23,
          &Label10, &Label12, &Label13, &Label18, &Label19, &Label20, &Label21})
        valueBox(*l);
    for (int i = 0; i < 3; ++i) {
        valueBox(Label16[i]);
        Label16[i].setForeColor(vbRed);
    }
    for (int i = 0; i < 6; ++i) valueBox(Label11[i]);
    for (Label* l : {&Label1, &Label2, &Label3}) {
        l->setFontBold(true);
        l->setFontSize(11);
    }
    for (Label* l : {&Label24, &Label10, &Label17}) l->setFontBold(true);
    Label14.setColumns({0, 840, 1680, 2520, 3360, 4200});
    Label15.setColumns({0, 580, 1160, 1740, 2320, 2900});
    Frame3.setBorderStyle(0);
    Label17.setBorderStyle(1);
    Label17.setForeColor(vbRed);
}

// ---------------------------------------------------------------- loading

void FrmAuto::Form_Load() {
    Globals& g = G();
    for (int i = 1; i <= 12; ++i) g.AttackTarget[i] = 0, g.AttackGroup[i] = 0;
    g.WeatherSeverity = static_cast<Int16>(g.state(StateItem::Weather));
    Base = g.OperationContext[2];
    Side = g.OperationContext[5] == kAllies ? kAllies : kAxis;
    Group = g.OperationContext[6];
    Label1.setCaption(contactboard::baseNameOrNone(Base));

    Frame3.setVisible(false);
    Command1.setEnabled(true);
    Command2.setEnabled(false);
    Command3.setEnabled(true);
    Command4.setEnabled(false);
    Command5.setEnabled(false);

    if (Base >= 1 && Base <= kBases) {
        CalcolaBersaglio();
        MostraBersaglio();
    }
    if (Group >= 1 && Group <= kGroups) {
        Label10.setCaption(g.gaNames(Side)[Group][1]);
        Label12.setCaption(g.gaNames(Side)[Group][3]);
    }
    Label13.setCaption(num(Group));
    CaricaGruppoAttacco();
    MostraGruppo();
    // A group whose bombs are gone has struck already; a contact with no base has nothing to strike.
    if (g.AttackGroup[4] == 0 || Base < 1 || Base > kBases) {
        if (g.AttackGroup[4] == 0) Label17.setCaption(QStringLiteral("GIA' FATTO!"));
        Label18.setCaption(QString());
        Label19.setCaption(QString());
        stepsOver();
    }
}

void FrmAuto::CaricaGruppoAttacco() {
    loadAttackGroup(Side, Group);
}

void FrmAuto::CalcolaBersaglio() {
    TotaleAANaviPorto();
    loadTarget(Base, TotAANaviAttive);
}

void FrmAuto::TotaleAANaviPorto() {
    TotAANaviAttive = portAntiAircraft(Base);
}

void FrmAuto::MostraBersaglio() {
    const Int32* t = G().AttackTarget;
    Label2.setCaption(num(t[1]));
    Label3.setCaption(num(t[12]));
    Label* values[6] = {&Label4, &Label5, &Label6, &Label7, &Label8, &Label9};
    for (int i = 0; i < 6; ++i) values[i]->setCaption(num(t[2 + i]));
    for (int i = 0; i < 3; ++i) Label16[i].setCaption(num(t[8 + i]));
    Label22.setCaption(num(commandPoints(1.5)));
    Label23.setCaption(num(TotAANaviAttive));
}

void FrmAuto::MostraGruppo() {
    for (int i = 0; i < 6; ++i) Label11[i].setCaption(num(G().AttackGroup[1 + i]));
}

// ---------------------------------------------------------------- the steps

void FrmAuto::Command1_Click() {
    Frame3.setVisible(true);
    Command1.setEnabled(false);
}

void FrmAuto::PassaggioAA() {
    const PassResult p = antiAircraftPass();
    AereiColpiti = p.caught;
    Label18.setCaption(num(AereiColpiti));
    // The saving test counts on from what the label shows; no aircraft safe leaves it empty.
    Label19.setCaption(p.safe > 0 ? num(shown(Label19) + p.safe) : QString());
    MostraGruppo();
    AereiBuoni = operationalAircraft();
    if (AereiBuoni < 1) {
        Label17.setCaption(QStringLiteral("Zero Aerei Operativi"));
        Label18.setCaption(QString());
        Label19.setCaption(QString());
        stepsOver();
    }
}

void FrmAuto::nextPass() {
    Label18.setCaption(QString());
    Label19.setCaption(QString());
    AereiBuoni = operationalAircraft();
    PassaggioAA();
}

void FrmAuto::Command3_Click() {
    // A strike under way is ended as the window closes: in a folder that cannot be written it is
    // refused before its first pass.
    aboutToChangeCampaign();
    nextPass();
    Command3.setEnabled(false);
    Command4.setEnabled(true);
    // A group that lost every aircraft in the first pass goes home with its losses written.
    if (AereiBuoni < 1) FineAzione();
}

void FrmAuto::Bombardamento() {
    const BombingResult b = bombBase(Base);
    Label20.setCaption(num(b.onTarget));
    Label21.setCaption(num(G().AttackTarget[11]));
    MostraBersaglio();
}

void FrmAuto::Command4_Click() {
    Bombardamento();
    Command4.setEnabled(false);
    Command5.setEnabled(true);
}

void FrmAuto::Command5_Click() {
    nextPass();
    Command5.setEnabled(false);
    Frame3.setEnabled(false);
    Command2.setEnabled(true);
    FineAzione();
}

void FrmAuto::FineAzione() {
    if (Ended) return;
    Ended = true;
    const QStringList lines = finishStrike(Side, Group, Base);
    Label22.setCaption(num(commandPoints(2.0)));
    for (const QString& l : lines) List1.addItem(l);
}

void FrmAuto::stepsOver() {
    Frame3.setVisible(false);
    Command2.setEnabled(true);
    Command1.setEnabled(false);
}

bool FrmAuto::underWay() const {
    return !Command3.enabled() && !Ended;
}

// ---------------------------------------------------------------- closing

void FrmAuto::Command2_Click() {
    Frame3.setVisible(false);
    unload<FrmAuto>();
    RicaricaMappa();
    DisegnaBasi();
}

void FrmAuto::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    if (unloadMode != vbFormControlMenu) return;
    // Closed by its box: a strike under way ends as it stands, so that no pass is fought twice.
    if (underWay()) FineAzione();
    RicaricaMappa();
    DisegnaBasi();
}
