#include "FrmBasi.h"

#include "FrmMezziGratis.h"
#include "NewCampaign.h"
#include "WizardExit.h"
#include "common/Globals.h"
#include "platform/Dialogs.h"

using namespace platform;

namespace {
const char* const kBaseNames[kBases] = {"TARANTO",  "NAPOLI",   "PALERMO",  "MESSINA",    "SIRACUSA",
                                        "CAGLIARI", "TRIPOLI",  "BENGASI",  "TOBRUCK",    "CASTELVETRANO",
                                        "PACHINO",  "MALTA HQ", "MALTA BS", "GIBILTERRA", "ALESSANDRIA"};
constexpr int kColumnLeft[6] = {1680, 2760, 3720, 4680, 5640, 6600};
// The background of a box that takes no value: the colour of an inactive title bar.
constexpr long kInactiveTitleBar = 0x80000003L;

// Each column of boxes raises its own column's handlers.
constexpr void (FrmBasi::*kChange[6])(int) = {&FrmBasi::Text1_Change, &FrmBasi::Text2_Change,
                                              &FrmBasi::Text3_Change, &FrmBasi::Text4_Change,
                                              &FrmBasi::Text5_Change, &FrmBasi::Text6_Change};
constexpr void (FrmBasi::*kDblClick[6])(int) = {&FrmBasi::Text1_DblClick, &FrmBasi::Text2_DblClick,
                                                &FrmBasi::Text3_DblClick, &FrmBasi::Text4_DblClick,
                                                &FrmBasi::Text5_DblClick, &FrmBasi::Text6_DblClick};
constexpr void (FrmBasi::*kKeyPress[6])(int, int&) = {&FrmBasi::Text1_KeyPress, &FrmBasi::Text2_KeyPress,
                                                      &FrmBasi::Text3_KeyPress, &FrmBasi::Text4_KeyPress,
                                                      &FrmBasi::Text5_KeyPress, &FrmBasi::Text6_KeyPress};

int rowTop(int base) {
    return 600 + 360 * (base - 1) + (base >= 12 ? 120 : 0);
}
} // namespace

FrmBasi::FrmBasi() : Form("FrmBasi") {
    setCaption("Navi e Porti");
    setSize(8520, 7680);
    setFixedBorder(true);

    Label16.setCaption(
        " BASE                            PORTO        AEROPOR      BASE            PUNTI           "
        "NAVI            AEREI");
    Label16.move(120, 240, 8280, 285);
    for (int base = 1; base <= kBases; ++base) {
        auto label =
            std::make_unique<Label>(*this, QStringLiteral("Label%1").arg(base), kBaseNames[base - 1]);
        label->move(120, rowTop(base) + 30, 1500, 285);
        BaseLabels.push_back(std::move(label));
        for (int column = 0; column < newcampaign::kBaseColumns; ++column) {
            TextBox& t = Text[column].add(base - 1, *this, QStringLiteral("Text%1").arg(column + 1));
            t.move(kColumnLeft[column], rowTop(base), 855, 285);
            t.setMaxLength(base == 1 && column == newcampaign::kPortColumn
                               ? 1
                               : newcampaign::kBaseColumn[column].maxLength);
            if (column == 5) t.setToolTipText("Min. 1 Max 100");
            const int index = base - 1;
            t.Change = [this, column, index] { (this->*kChange[column])(index); };
            t.DblClick = [this, column, index] { (this->*kDblClick[column])(index); };
            t.KeyPress = [this, column, index](int& key) { (this->*kKeyPress[column])(index, key); };
            if (newcampaign::hasNoPort(base) &&
                (column == newcampaign::kPortColumn || column == newcampaign::kShipColumn)) {
                t.setBackColor(kInactiveTitleBar);
                t.setEnabled(false);
            }
        }
    }
    Label17.move(3120, 7080, 2655, 285);
    Label17.setBorderStyle(1);
    Label17.setAlignment(2);
    Command1.move(1080, 6600, 1575, 375);
    Command2.move(6000, 6600, 1575, 375);
    Command3.move(1080, 7080, 1575, 375);
    Command4.move(6000, 7080, 1575, 375);
    Command2.setEnabled(false);
    Command4.setEnabled(false);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Label17.Change = [this] { Label17_Change(); };
}

void FrmBasi::Form_Load() {
    Label17.setCaption(G().CampaignName);
    // Without the defaults the grid stays empty and the values can be typed.
    try {
        CaricaDefaultBasi();
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmBasi::Label17_Change() {
    if (!Label17.caption().isEmpty()) Command2.setEnabled(true);
}

void FrmBasi::boxChange(int column, int index) {
    TextBox& t = Text[column][index];
    const QString capped = newcampaign::cappedBoxText(t.text(), newcampaign::kBaseColumn[column].cap);
    if (capped != t.text()) t.setText(capped);
    Command2.setEnabled(newcampaign::baseBoxValue(t.text()) >= 1);
}

void FrmBasi::boxDblClick(int column, int index) {
    Text[column][index].setText(QString());
}

// Digits and control keys (backspace, tab) only.
void FrmBasi::digitsOnly(int& keyAscii) {
    if (!(keyAscii <= 9 || (keyAscii >= '0' && keyAscii <= '9'))) keyAscii = 0;
}

void FrmBasi::CaricaDefaultBasi() {
    const newcampaign::BaseGrid grid = newcampaign::readBaseDefaults();
    for (int column = 0; column < newcampaign::kBaseColumns; ++column)
        for (int base = 1; base <= kBases; ++base)
            box(column, base).setText(QString::number(grid[column][base]));
}

void FrmBasi::SalvaSetUpBasi() {
    newcampaign::BaseGrid grid{};
    for (int column = 0; column < newcampaign::kBaseColumns; ++column)
        for (int base = 1; base <= kBases; ++base)
            grid[column][base] = newcampaign::baseBoxValue(box(column, base).text());
    newcampaign::saveBaseSetUp(grid);
}

void FrmBasi::AzzeraCaselle() {
    for (auto& column : Text)
        for (int i = 0; i < kBases; ++i) column[i].setText(QString());
}

void FrmBasi::Command1_Click() {
    CaricaDefaultBasi();
}

void FrmBasi::Command2_Click() {
    SalvaSetUpBasi();
    unloadForm(*this);
    platform::form<FrmMezziGratis>().show();
}

void FrmBasi::Command3_Click() {
    AzzeraCaselle();
}

void FrmBasi::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode == vbFormControlMenu && !leaveNewCampaign()) cancel = 1;
}
