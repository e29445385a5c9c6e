// Entry of a ship's data in the ship editor: what each list, box and prompt accepts, which label
// shows it and which entry value it sets. Every change of the entered data marks the record as
// not computed, so a card is never saved with ratings that no longer match its data.
#include "CardGlobals.h"
#include "Form1_Main.h"
#include "Form_PS.h"
#include "Form_TP.h"
#include "Form_TS.h"

using namespace platform;

namespace {
// The armour values are signed 16-bit: the lowest a prompt takes.
constexpr int kLowestArmour = -32768;
} // namespace

void Form1_Main::Combo1_Click() {
    Rosso();
    Label1.setCaption(Combo1.text());
    CG().ShipTypeNumber = float(Combo1.listIndex() + 1);
    if (CG().ShipTypeNumber <= 2) {
        Text8.setLocked(false);
    } else {
        Label50.setCaption(QString());
        Text8.setText(QString());
        Text8.setLocked(true);
    }
}

void Form1_Main::Combo2_Change() {
    for (ComboBox* c : {&Combo6, &Combo7, &Combo8, &Combo14, &Combo10, &Combo11, &Combo12}) c->clear();
}

// The nation, the speed and the launch year: the record is marked not computed once their label
// shows the pick, so that the line under the commands tells what the pick leaves missing.
void Form1_Main::Combo2_Click() {
    Combo2_Change();
    // The guns of the former nation go with its calibre lists.
    for (TextBox* t : {&Text3, &Text4, &Text5, &Text14}) t->setText(QString());
    for (Label* l : {&Label18, &Label19, &Label20, &Label62}) l->setCaption(QString());
    Label2.setCaption(Combo2.text());
    Rosso();
    CG().NationCode = Combo2.text().left(2);
    showFlag(CG().NationCode);
    LoadCalibri();
}

void Form1_Main::Combo3_Click() {
    Label6.setCaption(Combo3.text());
    Rosso();
}

void Form1_Main::Combo4_Click() {
    Rosso();
    Label14.setCaption(Combo4.text());
}

void Form1_Main::Combo5_Click() {
    Label8.setCaption(Combo5.text());
    CG().ShipKnots = textToWhole(Label8.caption().trimmed());
    Rosso();
}

void Form1_Main::GunCombo_Click(ComboBox& combo, Label& label) {
    Rosso();
    label.setCaption(combo.text());
}

void Form1_Main::Combo9_Click() {
    Rosso();
    CG().DepthChargeLaunchers = textToWhole(Combo9.text());
}

void Form1_Main::AaCombo_Click(int k) {
    TextBox* barrels[3] = {&Text9, &Text10, &Text11};
    ComboBox* combos[3] = {&Combo10, &Combo11, &Combo12};
    barrels[k]->setText(QString());
    CG().AaCalibre[k] = combos[k]->text();
    CG().AaCalibreFactor[k] = aaCalibreFactor(combos[k]->text());
    dataChanged();
}

void Form1_Main::Combo13_Click() {
    if (CG().CardStored == 1) return;
    Label35.setCaption(Combo13.text());
    CG().DataYear = numberText(textValue(Combo13.text()));
    dataChanged();
}

void Form1_Main::Text2_Change() {
    Label7.setCaption(Text2.text());
    CG().StandardDisplacement = float(textValue(Text2.text()));
    dataChanged();
}

void Form1_Main::Text7_Change() {
    Label37.setCaption(Text7.text());
    dataChanged();
}

void Form1_Main::Text8_Change() {
    Label38.setCaption(Text8.text());
    dataChanged();
}

void Form1_Main::AaBarrels_Change(int k) {
    TextBox* barrels[3] = {&Text9, &Text10, &Text11};
    Label* values[3] = {&Label26, &Label55, &Label56};
    CardGlobals& g = CG();
    g.AaBarrels[k] = textToWhole(barrels[k]->text());
    const float product = float(g.AaBarrels[k]) * g.AaCalibreFactor[k];
    values[k]->setCaption(numberTextWithSign(product));
    dataChanged();
}

void Form1_Main::Text12_Change() {
    CG().AaMachineGuns = float(textValue(Text12.text()));
    Label13.setCaption(machineGunValueText(CG().AaMachineGuns));
    dataChanged();
}

void Form1_Main::ArmourPrompt(int which) {
    static const char* armour[3] = {"VERTICALE", "ORIZZONTALE", "PLANCIA COMANDO"};
    Label* labels[3] = {&Label21, &Label22, &Label23};
    Int16* values[3] = {&CG().VerticalArmour, &CG().HorizontalArmour, &CG().BridgeArmour};
    Rosso();
    const QString answer =
        InputBox(QStringLiteral("Inserire Massima Corazzatura %1 IN mm ").arg(QLatin1String(armour[which])),
                 QStringLiteral("SOLO NUMERI INTERI INFERIORI A 999"));
    const double value = leadingNumber(answer);
    if (value >= 999) {
        MsgBox(QStringLiteral("Solo Numeri INFERIORI a 999"), vbExclamation + vbOKOnly,
               QStringLiteral("Valore Troppo Grande"));
    } else if (roundHalfEven(value) < kLowestArmour) {
        // Held in 16 bits: a value below them is refused here, in the prompt's own words.
        MsgBox(QStringLiteral("Corazzatura %1 IN mm: SOLO NUMERI INTERI da %2 a 998")
                   .arg(QLatin1String(armour[which]))
                   .arg(kLowestArmour),
               vbExclamation + vbOKOnly, QStringLiteral("Valore Troppo Piccolo"));
    } else {
        labels[which]->setCaption(numberText(value));
        *values[which] = roundHalfEven(value);
    }
}

void Form1_Main::Command9_Click() {
    Rosso();
    for (int i = 0; i < 4; ++i) CG().MainTurretArmour[i] = 0;
    platform::form<Form_TP>().showModal();
}

void Form1_Main::Command10_Click() {
    Rosso();
    for (int i = 0; i < 4; ++i) CG().SecondaryTurretArmour[i] = 0;
    platform::form<Form_TS>().showModal();
}

void Form1_Main::Command11_Click() {
    Rosso();
    CardGlobals& g = CG();
    if (g.ShipTypeNumber > 2) g.SpecialProtections[0] = 0;
    Form_PS& ps = platform::form<Form_PS>();
    // A window hidden by "Annulla" keeps its state: the flight-deck box follows the type shown now.
    ps.Check1.setEnabled(g.ShipTypeNumber <= 2);
    CheckBox* boxes[4] = {&ps.Check1, &ps.Check2, &ps.Check3, &ps.Check4};
    const int flags[4] = {g.SpecialProtections[0], g.SpecialProtections[1], g.SpecialProtections[2],
                          g.SpecialProtections[3]};
    for (int i = 0; i < 4; ++i) boxes[i]->setValue(flags[i] == 1 ? 1 : 0);
    ps.showModal();
}
