#include "FrmAuto.h"

#include "AirStrike.h"
#include "AttackLayout.h"
#include "ContactBoard.h"
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

FrmAuto::FrmAuto() : Form(QStringLiteral("FrmAuto")) {
    setCaption(QStringLiteral("Bombardamento Aereo"));
    setSize(9360, 5640);
    setFixedBorder(true);

    // ---------------------------------------------------------------- the base
    Frame1.move(120, 120, 5280, 4200);
    Label1.move(120, 510, 2880, 405);
    Label1.setFontBold(true);
    Label1.setFontSize(11);
    Label1.setToolTipText(QStringLiteral("Nome Base sotto attacco"));
    valueBox(Label1);
    Label2.move(3120, 510, 960, 405);
    Label2.setToolTipText(QStringLiteral("% Danni Attuali"));
    Label3.move(4200, 510, 960, 405);
    Label3.setToolTipText(QStringLiteral("% danni subiti"));
    for (Label* l : {&Label2, &Label3}) {
        valueBox(*l);
        l->setFontBold(true);
        l->setFontSize(11);
    }
    Label14.move(120, 1080, 5040, 255);
    Label14.setColumns({0, 840, 1680, 2520, 3360, 4200});
    const char* const targetTips[6] = {"Base tipo ", "Porto tipo", "Aereoporto tipo",
                                       "% AA",       "% antinave", "peso colpo antinave"};
    Label* targetValues[6] = {&Label4, &Label5, &Label6, &Label7, &Label8, &Label9};
    for (int i = 0; i < 6; ++i) {
        targetValues[i]->move(120 + 840 * i, 1350, 780, 315);
        targetValues[i]->setToolTipText(QString::fromUtf8(targetTips[i]));
        valueBox(*targetValues[i]);
    }
    Label24.move(120, 1800, 2400, 255);
    Label24.setFontBold(true);
    const char* const criticalTips[3] = {"Critico Operativita (Distrugge Punti Comando)",
                                         "Critico Aereoporto (blocca Tentativi di decollo)",
                                         "Critico Porto (causa Danni alle navi in porto)"};
    for (int i = 0; i < 3; ++i) {
        Label& l = Label16.add(i, Frame1, QStringLiteral("Label16"));
        l.move(120 + 840 * i, 2070, 780, 315);
        l.setToolTipText(QString::fromUtf8(criticalTips[i]));
        valueBox(l);
        l.setForeColor(vbRed);
    }
    addNote(Notes, Frame1, "% Danni", 3120, 240, 960);
    addNote(Notes, Frame1, "% Subiti", 4200, 240, 960);
    addNote(Notes, Frame1, "P.Com. distr.", 2760, 1800, 1140);
    addNote(Notes, Frame1, "AA navi porto", 4020, 1800, 1140);
    Label22.move(2760, 2070, 1140, 315);
    Label22.setToolTipText(QStringLiteral("Punti Comando distrutti"));
    Label23.move(4020, 2070, 1140, 315);
    Label23.setToolTipText(QStringLiteral("Totale AA Navi Attive in Porto"));
    for (Label* l : {&Label22, &Label23}) valueBox(*l);
    List1.move(120, 2520, 5040, 1560);
    List1.setToolTipText(QStringLiteral("Danni Resistenza alle Navi in Porto"));

    // ---------------------------------------------------------------- the air group
    Frame2.move(5520, 120, 3720, 4200);
    Label10.move(120, 480, 3480, 315);
    Label10.setToolTipText(QStringLiteral("Nome aereo"));
    Label10.setFontBold(true);
    Label12.move(120, 840, 2280, 315);
    Label12.setToolTipText(QStringLiteral("Tipologia"));
    Label13.move(2520, 840, 1080, 315);
    Label13.setToolTipText(QStringLiteral("Numero GA"));
    for (Label* l : {&Label10, &Label12, &Label13}) valueBox(*l);
    Label15.move(120, 1320, 3480, 255);
    Label15.setColumns({0, 580, 1160, 1740, 2320, 2900});
    for (int i = 0; i < 6; ++i) {
        Label& l = Label11.add(i, Frame2, QStringLiteral("Label11"));
        l.move(120 + 580 * i, 1590, 540, 315);
        valueBox(l);
    }
    Label18.setToolTipText(QStringLiteral("Aerei Inquadrati "));
    Label19.setToolTipText(QStringLiteral("Test di salvezza"));
    Label20.setToolTipText(QStringLiteral("Bombe a bersaglio valido"));
    Label21.setToolTipText(QStringLiteral("Totale Massa Danni"));
    Label* results[4] = {&Label18, &Label19, &Label20, &Label21};
    const char* const resultNotes[4] = {"Aerei inquadrati", "Test di salvezza", "Bombe a bersaglio",
                                        "Massa danni"};
    for (int i = 0; i < 4; ++i) {
        addNote(Notes, Frame2, resultNotes[i], 120, 2190 + 420 * i, 2280);
        results[i]->move(2520, 2160 + 420 * i, 1080, 315);
        valueBox(*results[i]);
    }

    // ---------------------------------------------------------------- the steps
    Command1.move(120, 4530, 1200, 495);
    Frame3.move(1440, 4380, 4080, 735);
    Frame3.setBorderStyle(0);
    Command3.move(120, 150, 1200, 495);
    Command3.setToolTipText(QStringLiteral("Primo Urto Antiaerea e CAP"));
    Command4.move(1440, 150, 1200, 495);
    Command4.setToolTipText(QStringLiteral("Lancio Bombe"));
    Command5.move(2760, 150, 1200, 495);
    Command5.setToolTipText(QStringLiteral("Secondo urto antiaerea e CAP"));
    Command2.move(7560, 4530, 1680, 495);
    Label17.move(120, 5190, 9120, 315);
    Label17.setBorderStyle(1);
    Label17.setFontBold(true);
    Label17.setForeColor(vbRed);

    Command1.Click = [this] { Command1_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command2.Click = [this] { Command2_Click(); };
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
