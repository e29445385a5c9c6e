#include "FrmSetUpGen.h"

#include "FrmBasi.h"
#include "FrmGame.h"
#include "NewCampaign.h"
#include "common/Globals.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

using namespace platform;

namespace {
const QString kTitle = QStringLiteral("SetUp Generale del Nuovo Gioco");

// Lists of the combos by settings item, in the order they are offered.
const QStringList& listOf(int item) {
    static const QStringList empty;
    static const std::map<int, QStringList> lists = {
        {1, {"15", "30", "45", "60"}},
        {2, {"1-Inverno", "2-Primavera", "3-Estate", "4-Autunno"}},
        {3, {"1940", "1941", "1942"}},
        {4, {"22000", "28000", "32000", "36000", "40000", "48000"}},
        {5, {"24000", "30000", "36000", "40000", "46000", "54000"}},
        {6, {"5000", "5500", "6000", "6500", "7800", "8800"}},
        {7, {"5500", "6500", "7500", "8000", "8800", "9800"}},
        {10, {"10", "12", "20", "25", "70"}},
        {11, {"10", "12", "16", "20", "70"}},
        {12, {"10", "15", "22", "32"}},
        {13, {"10", "15", "20", "28"}},
        {14, {"15", "17", "20", "24"}},
        {15, {"12", "14", "17", "20"}},
        {16, {"8", "10", "12", "18"}},
        {17, {"6", "8", "10", "16"}},
        {18, {"40", "50", "60", "80"}},
        {19, {"30", "45", "50", "70"}},
    };
    auto it = lists.find(item);
    return it == lists.end() ? empty : it->second;
}

constexpr int kComboItems[] = {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
} // namespace

FrmSetUpGen::FrmSetUpGen() : Form("FrmSetUpGen") {
    setCaption(kTitle);
    setSize(10920, 8520);
    setFixedBorder(true);

    Frame1.move(120, 120, 4800, 2280);
    Text1.move(240, 360, 4320, 315);
    Text1.setText("Nome della Campagna");
    Text1.setToolTipText("Per il salvataggio dati");
    Text1.setMaxLength(newcampaign::kNameMaxLength);
    Label1.move(240, 870, 2400, 285);
    Label2.move(240, 1320, 2400, 285);
    Label3.move(240, 1770, 2400, 285);
    Combo1.move(2760, 840, 1800, 315);
    Combo2.move(2760, 1290, 1800, 315);
    Combo3.move(2760, 1740, 1800, 315);
    Combo1.setToolTipText("Durata in Giorni");
    Combo2.setToolTipText("Per le condizioni Atmo");
    Combo3.setToolTipText("Periodo storico");

    Frame2.move(5040, 120, 5760, 2280);
    Frame2.setToolTipText("I valori inseriti influiscono sulle missioni ");
    Label6.move(2040, 420, 1500, 285);
    Label7.move(3840, 420, 1500, 285);
    Label4.move(240, 870, 1320, 285);
    Label4.setToolTipText("Acquisto Mezzi Navali / Punti Comando 3:1");
    Label5.move(240, 1320, 1320, 285);
    Label5.setToolTipText("Punti Trasportabili/Rifornimenti Basi/Acquisto Aerei");
    Combo4.move(2040, 840, 1680, 315);
    Combo5.move(3840, 840, 1680, 315);
    Combo6.move(2040, 1290, 1680, 315);
    Combo7.move(3840, 1290, 1680, 315);

    Frame3.move(120, 2520, 10680, 2760);
    Label13.move(6480, 300, 1680, 285);
    Label14.move(8640, 300, 1680, 285);
    platform::Label* rowLabels[] = {&Label8, &Label9, &Label10, &Label11, &Label12};
    for (int row = 0; row < 5; ++row) {
        const int top = 700 + 400 * row;
        rowLabels[row]->move(240, top + 30, 5640, 285);
        comboOf(10 + 2 * row).move(6480, top, 1680, 315);
        comboOf(11 + 2 * row).move(8640, top, 1680, 315);
    }
    Label8.setToolTipText("Se avete poche navi inserite 70");
    Label12.setToolTipText("Percentuale attivazione Mezzi");

    Frame4.move(120, 5400, 10680, 2280);
    Frame5.move(120, 300, 5160, 1860);
    Frame6.move(5400, 300, 5160, 1860);
    platform::Label* allied[] = {&Label15, &Label16, &Label17, &Label18};
    platform::Label* axis[] = {&Label19, &Label20, &Label21, &Label22};
    for (int i = 0; i < 4; ++i) {
        const int top = 330 + 360 * i;
        allied[i]->move(120, top, 4320, 285);
        axis[i]->move(120, top, 4320, 285);
        Label23.add(i, Frame5, "Label23").move(4440, top, 600, 285);
        Label24.add(i, Frame6, "Label24").move(4440, top, 600, 285);
        Label23[i].setBorderStyle(1);
        Label24[i].setBorderStyle(1);
        Label23[i].setAlignment(1);
        Label24[i].setAlignment(1);
    }

    Command1.move(120, 7860, 2280, 420);
    Command2.move(2640, 7860, 2280, 420);
    Command3.move(6000, 7860, 2280, 420);
    Command4.move(8520, 7860, 2280, 420);
    Command3.setEnabled(false);

    // Letters only; Backspace takes the last one back.
    Text1.KeyPress = [](int& key) {
        if (!((key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z') || key == 8)) key = 0;
    };
    Text1.DblClick = [this] { Text1.setText(QString()); };
    // Keys other than letters are dropped as typed; a pasted name is judged whole, so that a name
    // "Avanti" would refuse never leaves it enabled.
    Text1.Change = [this] { Command3.setEnabled(newcampaign::isValidCampaignName(Text1.text().trimmed())); };
    // The targets follow the values whether picked or typed, so the ones stored are the ones shown.
    for (int item : {1, 4, 5, 6, 7}) {
        comboOf(item).Click = [this] { CalcolaMissioni(); };
        comboOf(item).Change = [this] { CalcolaMissioni(); };
    }
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
}

ComboBox& FrmSetUpGen::comboOf(int item) {
    ComboBox* combos[] = {nullptr,  &Combo1,  &Combo2,  &Combo3,  &Combo4,  &Combo5,  &Combo6,
                          &Combo7,  nullptr,  nullptr,  &Combo10, &Combo11, &Combo12, &Combo13,
                          &Combo14, &Combo15, &Combo16, &Combo17, &Combo18, &Combo19};
    return *combos[item];
}

void FrmSetUpGen::Form_Load() {
    RiempiListeGen();
    // A missing defaults file must not leave the player without a window: say which file, and
    // let the values be chosen by hand.
    try {
        CaricaDefaultGen();
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
    try {
        CaricaMissioniDef();
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
    MostraValoriGen();
    CalcolaMissioni();
}

void FrmSetUpGen::RiempiListeGen() {
    for (int item : kComboItems)
        for (const QString& entry : listOf(item)) comboOf(item).addItem(entry);
}

void FrmSetUpGen::CaricaDefaultGen() {
    TextReader in(G().DataPath + "\\setupgendefault.txt");
    std::array<long long, newcampaign::kDefaultItems + 1> read{};
    for (int item = 1; item <= newcampaign::kDefaultItems; ++item) read[item] = in.readWhole();
    for (int item = 1; item <= newcampaign::kDefaultItems; ++item) G().GameSettings[item] = read[item];
}

void FrmSetUpGen::CaricaMissioniDef() {
    TextReader in(G().DataPath + "\\missionidef.txt");
    std::array<QString, 9> read;
    for (int i = 1; i <= newcampaign::kMissionItems; ++i) {
        read[i] = in.readText();
        bool ok = false;
        read[i].trimmed().toDouble(&ok);
        if (!ok)
            throw FileError(QStringLiteral("Valore non numerico nel file %1, riga %2: \"%3\"")
                                .arg(in.path())
                                .arg(i)
                                .arg(read[i].left(24)),
                            in.path());
    }
    MissionBaseValues = read;
    missionValuesRead_ = true;
}

void FrmSetUpGen::MostraValoriGen() {
    for (int item : kComboItems) comboOf(item).setText(QString::number(G().GameSettings[item]));
}

void FrmSetUpGen::CalcolaMissioni() {
    if (resetting_) return;
    newcampaign::MissionInputs in;
    in.days = leadingNumber(Combo1.text());
    in.pointsAlle = leadingNumber(Combo4.text());
    in.pointsAsse = leadingNumber(Combo5.text());
    in.commandAlle = leadingNumber(Combo6.text());
    in.commandAsse = leadingNumber(Combo7.text());
    for (int i = 0; i < newcampaign::kMissionItems; ++i) in.base[i] = leadingNumber(MissionBaseValues[i + 1]);
    const auto targets = missionValuesRead_ ? newcampaign::missionTargets(in) : std::nullopt;
    for (int i = 0; i < 4; ++i) {
        Label23[i].setCaption(targets ? QString::number((*targets)[i]) : QString());
        Label24[i].setCaption(targets ? QString::number((*targets)[4 + i]) : QString());
    }
}

void FrmSetUpGen::Command1_Click() {
    CaricaDefaultGen();
    if (!missionValuesRead_) CaricaMissioniDef();
    MostraValoriGen();
    CalcolaMissioni();
}

void FrmSetUpGen::Command2_Click() {
    AzzeraCombo();
}

void FrmSetUpGen::AzzeraCombo() {
    resetting_ = true;
    for (int item : kComboItems) comboOf(item).setText(QString());
    resetting_ = false;
}

void FrmSetUpGen::Command3_Click() {
    if (!missionValuesRead_) CaricaMissioniDef();
    const QString name = Text1.text().trimmed();
    if (!newcampaign::isValidCampaignName(name)) {
        MsgBox(
            QStringLiteral("Il nome della campagna deve avere solo lettere (da A a Z), almeno %1 e non più "
                           "di %2.")
                .arg(newcampaign::kNameMinLength)
                .arg(newcampaign::kNameMaxLength),
            vbExclamation, kTitle);
        return;
    }
    if (newcampaign::isCampaignNameTaken(name)) {
        MsgBox(QStringLiteral("Nome Doppio: esiste già un gioco di nome %1.").arg(name), vbExclamation,
               kTitle);
        Command3.setEnabled(false);
        return;
    }
    RaccogliValoriGen();
}

void FrmSetUpGen::RaccogliValoriGen() {
    newcampaign::SettingTexts texts;
    for (int item : kComboItems) texts[item] = comboOf(item).text();
    newcampaign::SettingValues items{};
    const QString refusal = newcampaign::collectGeneralSettings(texts, items);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vbExclamation, kTitle);
        return;
    }
    CalcolaMissioni();
    for (int item = 1; item <= newcampaign::kDefaultItems; ++item) G().GameSettings[item] = items[item];
    for (int i = 0; i < 4; ++i) {
        G().GameSettings[21 + i] = textToWhole(Label23[i].caption());
        G().GameSettings[25 + i] = textToWhole(Label24[i].caption());
    }
    G().CampaignName = Text1.text().trimmed();
    newcampaign::CreaNuovaCampagna();
    // The window is loaded afresh for the next campaign, as the other two windows are.
    unloadForm(*this);
    platform::form<FrmBasi>().show();
}

void FrmSetUpGen::Command4_Click() {
    unloadForm(*this);
    backToStartWindow();
}

void FrmSetUpGen::backToStartWindow() {
    platform::form<FrmGame>().show();
}

void FrmSetUpGen::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    // Closed from its title bar: nothing was created yet, so back to the start window.
    if (unloadMode == vbFormControlMenu) backToStartWindow();
}
