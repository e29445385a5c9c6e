#include "Form_PS.h"

#include "CardGlobals.h"
#include "Form1_Main.h"

using namespace platform;

Form_PS::Form_PS() : Form("Form_PS") {
    setCaption(QStringLiteral("Protezioni Speciali"));
    setSize(5400, 3000);
    setFixedBorder(true);
    CheckBox* boxes[4] = {&Check1, &Check2, &Check3, &Check4};
    for (int i = 0; i < 4; ++i) {
        boxes[i]->move(240, 180 + i * 420, 4920, 345);
        CheckBox* box = boxes[i];
        box->Click = [box, i] { CG().SpecialProtections[i] = box->value() == 1 ? 1 : 0; };
    }
    Check1.setToolTipText(QStringLiteral("Solo per le Portaerei che hanno un ponte continuo corazzato"));
    Check2.setToolTipText(QStringLiteral("Doppia intercapedine. Corazzature aggiuntive o inclinate "));
    Check3.setToolTipText(QStringLiteral("Doppia intercapedine. Corazzature aggiuntive o inclinate "));
    Check4.setToolTipText(
        QStringLiteral("Cilindri di assorbimento - Doppie intercapedini - Corazzature Sotto la "
                       "linea di galleggiamento. Ecc."));
    Command2.move(240, 2040, 1560, 405);
    Command1.move(1920, 2040, 1560, 405);
    Command3.move(3600, 2040, 1560, 405);
    Command2.Click = [this] { Command2_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command3.Click = [this] { Command3_Click(); };
}

void Form_PS::Form_Load() {
    Check1.setEnabled(CG().ShipTypeNumber <= 2);
}

void Form_PS::Command2_Click() {
    if (isLoaded<Form1_Main>()) platform::form<Form1_Main>().Label40.setCaption(SpecialProtectionsCaption());
    unloadForm(*this);
}

void Form_PS::Command1_Click() {
    hide();
}

void Form_PS::Command3_Click() {
    for (CheckBox* b : {&Check1, &Check2, &Check3, &Check4}) b->setValue(0);
    for (auto& p : CG().SpecialProtections) p = 0;
}
