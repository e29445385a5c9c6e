#include "TurretArmourForm.h"

#include "CardGlobals.h"

using namespace platform;

TurretArmourForm::TurretArmourForm(const QString& name, const Texts& texts, Int16* record,
                                   Label* (*editorLabel)())
    : Form(name), record_(record), editorLabel_(editorLabel) {
    setCaption(QString::fromUtf8(texts.caption));
    setSize(6240, 3600);
    setFixedBorder(true);
    Frame2.move(120, 120, 3360, 2520);
    Label1.move(120, 360, 2280, 285);
    Text1.move(2520, 330, 660, 315);
    if (texts.frontalTip) Text1.setToolTipText(QString::fromUtf8(texts.frontalTip));
    Label2.move(120, 840, 2280, 285);
    Text2.move(2520, 810, 660, 315);
    Label3.move(120, 1380, 2280, 285);
    Text3.move(2520, 1350, 660, 315);
    Label4.move(120, 1920, 2280, 285);
    Text4.move(2520, 1890, 660, 315);
    Frame1.setCaption(QString::fromUtf8(texts.structureCaption));
    Frame1.move(3600, 120, 2520, 1500);
    Frame1.setToolTipText(QStringLiteral("Modificare il valore di Default se opportuno"));
    Option1.move(120, 360, 1800, 315);
    Option2.move(120, 840, 2340, 375);
    for (OptionButton* o : {&Option1, &Option2})
        o->setToolTipText(QStringLiteral("Modificare il valore di Default se opportuno"));
    Command3.move(3720, 1800, 2280, 375);
    Command2.move(3720, 2280, 2280, 375);
    Command1.setCaption(QString::fromUtf8(texts.clearCaption));
    Command1.move(120, 2880, 3360, 375);

    for (TextBox* t : {&Text1, &Text2, &Text3, &Text4}) {
        t->setMaxLength(3);
        t->KeyPress = digitsOnlyKey;
        t->DblClick = [t] { t->setText(QString()); };
    }
    Text1.Change = [this] { Text1_Change(); };
    Command3.Click = [this] { Command3_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void TurretArmourForm::Text1_Change() {
    const float t = CG().ShipTypeNumber;
    const bool closed = t == 3 || t == 4 || t == 5 || t == 6;
    Option1.setValue(closed);
    Option2.setValue(!closed);
}

void TurretArmourForm::Command3_Click() {
    TextBox* boxes[4] = {&Text1, &Text2, &Text3, &Text4};
    for (int i = 0; i < 4; ++i) record_[i] = textToWhole(boxes[i]->text());
    record_[4] = Option1.value() ? 1 : 0;
    if (Label* l = editorLabel_()) l->setCaption(TurretArmourCaption(record_));
    hide();
    for (TextBox* t : boxes) t->setText(QString());
    Option1.setValue(false);
    Option2.setValue(false);
}

void TurretArmourForm::Command2_Click() {
    hide();
}

void TurretArmourForm::Command1_Click() {
    for (TextBox* t : {&Text1, &Text2, &Text3, &Text4}) t->setText(QString());
}

QString TurretArmourCaption(const Int16* record) {
    QStringList parts;
    for (int i = 0; i < 5; ++i) parts << numberTextWithSign(record[i]);
    return parts.join(u' ');
}
