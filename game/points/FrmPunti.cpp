#include "FrmPunti.h"

#include "SidePictures.h"
#include "common/BaseTable.h"
#include "common/Globals.h"
#include "game/main/FrmMain.h"
#include "game/start/NewCampaign.h"

using namespace platform;
using namespace points;

namespace {
const char* const kStepCaptions[5] = {"30", "90", "150", "300", "3"};
const QString kAcquisitionTip =
    QStringLiteral("TOTALE GENERALE  PUNTI  ACQUISIZIONE MEZZI( Punti Comando 3:2)");

// One side's frame laid out alike: pictures, increments, the two totals, four bases, the list.
struct SideFrame {
    Frame& frame;
    Image& left;
    Image& right;
    Frame& steps;
    ControlArray<OptionButton>& options;
    const char* optionName;
    Label *acquisitionName, *acquisition, *commandName, *command, *hint;
    Label* bases[4][2]; // name, points
    ListBox& list;
    CommandButton& close;
};

void layOut(const SideFrame& s) {
    s.frame.move(120, 120, 9960, 6000);
    s.left.move(240, 360);
    s.right.move(840, 360);
    s.steps.move(1560, 210, 3960, 750);
    for (int i = 0; i < 5; ++i)
        s.options.add(i, s.steps, s.optionName, kStepCaptions[i]).move(150 + 760 * i, 330, 700, 300);
    s.acquisitionName->move(5760, 270, 1920, 255);
    s.acquisition->move(5760, 540, 1920, 405);
    s.commandName->move(7800, 270, 1920, 255);
    s.command->move(7800, 540, 1920, 405);
    s.hint->move(240, 1200, 9480, 255);
    for (int i = 0; i < 4; ++i) {
        s.bases[i][0]->move(240 + 2370 * i, 1500, 2280, 255);
        s.bases[i][1]->move(240 + 2370 * i, 1770, 2280, 405);
    }
    for (Label* l : {s.acquisition, s.command, s.bases[0][1], s.bases[1][1], s.bases[2][1], s.bases[3][1]})
        styleValue(*l, 11);
    for (int i = 0; i < 4; ++i) s.bases[i][0]->setAlignment(2);
    // All eleven Axis bases without a scroll bar.
    s.list.move(240, 2640, 9480, 2700);
    s.list.setFontName("Courier New");
    s.close.move(7680, 5460, 2040, 420);
}

// Clears the side's list and fills it again, one row a base.
void fillBaseList(ListBox& list, int side) {
    list.clear();
    for (int base : newcampaign::airBases(side)) list.addItem(basePointsRow(base));
}

QString number(long long v) {
    return QString::number(v);
}
} // namespace

FrmPunti::FrmPunti() : FormWith("FrmPunti") {
    setSize(10200, 6720);
    setFixedBorder(true);
    layOut({Frame1,
            Image1,
            Image2,
            Frame3,
            Option1,
            "Option1",
            &Label13,
            &Label4,
            &Label14,
            &Label1,
            &Label19,
            {{&Label15, &Label5}, {&Label16, &Label6}, {&Label17, &Label3}, {&Label18, &Label2}},
            List1,
            Command1});
    layOut({Frame2,
            Image3,
            Image4,
            Frame4,
            Option2,
            "Option2",
            &Label21,
            &Label7,
            &Label22,
            &Label8,
            &Label23,
            {{&Label24, &Label9}, {&Label25, &Label10}, {&Label26, &Label11}, {&Label27, &Label12}},
            List2,
            Command2});
    Label20.move(240, 2280, 9480, 255);
    Label20.setForeColor(vbRed);
    MessageLine.move(120, 6270, 9960, 315);
    MessageLine.setBorderStyle(1);

    Label4.setToolTipText(kAcquisitionTip);
    Label7.setToolTipText(kAcquisitionTip);
    Label1.setToolTipText("TOTALE GENERALE PUNTI COMANDO");
    Label8.setToolTipText("TOTALE GENERALE PUNTI COMANDO");
    Label5.setToolTipText("MALTA HQ - Punti Comando ");
    Label6.setToolTipText("MALTA/BS * PUNTI COMANDO");
    Label3.setToolTipText("GIBILTERRA * PUNTI COMANDO");
    Label2.setToolTipText("ALESSANDRIA * PUNTI COMANDO");
    Label9.setToolTipText("TARANTO * PUNTI COMANDO");
    Label10.setToolTipText("NAPOLI * PUNTI COMANDO");
    Label11.setToolTipText("CASTELVETRANO * PUNTI COMANDO");
    Label12.setToolTipText("PACHINO * PUNTI COMANDO");

    for (int i = 0; i < 5; ++i) {
        Option1[i].Click = [this, i] { Option1_Click(i); };
        Option2[i].Click = [this, i] { Option2_Click(i); };
    }
    Label1.Click = [this] { Label1_Click(); };
    Label2.Click = [this] { Label2_Click(); };
    Label3.Click = [this] { Label3_Click(); };
    Label6.Click = [this] { Label6_Click(); };
    Label8.Click = [this] { Label8_Click(); };
    Label9.Click = [this] { Label9_Click(); };
    Label10.Click = [this] { Label10_Click(); };
    Label11.Click = [this] { Label11_Click(); };
    Label12.Click = [this] { Label12_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void FrmPunti::Form_Load() {
    Step = kPointSteps[kDefaultStep];
    Option1[kDefaultStep].setValue(true);
    Option2[kDefaultStep].setValue(true);
    loadSideFlags(kAllies, Image1, Image2);
    loadSideFlags(kAxis, Image3, Image4);
    if (G().CurrentSide == kAllies)
        AggiornaLabelBasiAlle();
    else if (G().CurrentSide == kAxis)
        AggiornaLabelBasiAsse();
}

void FrmPunti::AggiornaLabelBasiAlle() {
    List1.clear();
    Label4.setCaption(number(acquisitionPointsLeft(kAllies)));
    Label1.setCaption(number(sideCommandPoints(kAllies)));
    Label5.setCaption(number(baseCommandPoints(kMaltaHq)));
    Label6.setCaption(number(baseCommandPoints(kMaltaBs)));
    Label3.setCaption(number(baseCommandPoints(14)));
    Label2.setCaption(number(baseCommandPoints(15)));
    fillBaseList(List1, kAllies);
}

void FrmPunti::AggiornaLabelBasiAsse() {
    List2.clear();
    Label7.setCaption(number(acquisitionPointsLeft(kAxis)));
    Label8.setCaption(number(sideCommandPoints(kAxis)));
    Label9.setCaption(number(baseCommandPoints(1)));
    Label10.setCaption(number(baseCommandPoints(2)));
    Label11.setCaption(number(baseCommandPoints(10)));
    Label12.setCaption(number(baseCommandPoints(11)));
    fillBaseList(List2, kAxis);
}

void FrmPunti::afterMove(int side, const QString& refusal) {
    MessageLine.setCaption(refusal);
    if (side == kAllies)
        AggiornaLabelBasiAlle();
    else
        AggiornaLabelBasiAsse();
}

void FrmPunti::Option1_Click(int index) {
    Step = kPointSteps[index];
}

void FrmPunti::Option2_Click(int index) {
    Step = kPointSteps[index];
}

void FrmPunti::Label1_Click() {
    afterMove(kAllies, convertToCommandPoints(kAllies, Step));
}

void FrmPunti::Label2_Click() {
    afterMove(kAllies, transferToBase(kAllies, 15, Step.increment));
}

void FrmPunti::Label3_Click() {
    afterMove(kAllies, transferToBase(kAllies, 14, Step.increment));
}

void FrmPunti::Label6_Click() {
    afterMove(kAllies, moveMaltaPoints(Step.increment));
}

void FrmPunti::Label8_Click() {
    afterMove(kAxis, convertToCommandPoints(kAxis, Step));
}

void FrmPunti::Label9_Click() {
    afterMove(kAxis, transferToBase(kAxis, 1, Step.increment));
}

void FrmPunti::Label10_Click() {
    afterMove(kAxis, transferToBase(kAxis, 2, Step.increment));
}

void FrmPunti::Label11_Click() {
    afterMove(kAxis, transferToBase(kAxis, 10, Step.increment));
}

void FrmPunti::Label12_Click() {
    afterMove(kAxis, transferToBase(kAxis, 11, Step.increment));
}

void FrmPunti::saveAndClose(int side) {
    SalvaDatiBasi();
    if (platform::isLoaded<FrmMain>()) {
        FrmMain& main = platform::form<FrmMain>();
        (side == kAllies ? main.MnAcqGibilterra : main.MnAcqTaranto).setEnabled(false);
    }
}

void FrmPunti::Command1_Click() {
    saveAndClose(kAllies);
    unloadForm(*this);
}

void FrmPunti::Command2_Click() {
    saveAndClose(kAxis);
    unloadForm(*this);
}

// The close box keeps the transfers as the close buttons do.
void FrmPunti::Form_QueryUnload(int&, int unloadMode) {
    if (unloadMode != vbFormCode) saveAndClose(Frame2.visible() ? kAxis : kAllies);
}
