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

// The mission targets follow the length and the starting points whether picked or typed, so the
// ones stored are the ones shown.
const platform::Layout<FrmSetUpGen>& FrmSetUpGen::layout() {
    using enum Kind;
    using enum On;
    static const Layout<FrmSetUpGen> rows = {
        // clang-format off
        // kind  name          container   left   top  width  height  caption, tool-tip, state at load, events
        {Frame,  "Frame1",     "",         120,  120,  4800,   2280, "Dati Generali Capagna", "", Visible},
        {Text,   "Text1",      "Frame1",   240,  360,  4320,    315, "Nome della Campagna", "Per il salvataggio dati", Visible, {{DblClick, &FrmSetUpGen::Text1_DblClick}, {Change, &FrmSetUpGen::Text1_Change}, {KeyPress, &FrmSetUpGen::Text1_KeyPress}}},
        {Label,  "Label1",     "Frame1",   240,  870,  2400,    285, "Durata Camp. in giorni", "", Visible},
        {Label,  "Label2",     "Frame1",   240, 1320,  2400,    285, "Stagione", "", Visible},
        {Label,  "Label3",     "Frame1",   240, 1770,  2400,    285, "Anno", "", Visible},
        {Combo,  "Combo1",     "Frame1",  2760,  840,  1800,    315, "", "Durata in Giorni", Visible, {{Click, &FrmSetUpGen::CalcolaMissioni}, {Change, &FrmSetUpGen::CalcolaMissioni}}},
        {Combo,  "Combo2",     "Frame1",  2760, 1290,  1800,    315, "", "Per le condizioni Atmo", Visible},
        {Combo,  "Combo3",     "Frame1",  2760, 1740,  1800,    315, "", "Periodo storico", Visible},
        {Frame,  "Frame2",     "",        5040,  120,  5760,   2280, "Punteggio di partenza", "I valori inseriti influiscono sulle missioni ", Visible},
        {Label,  "Label6",     "Frame2",  2040,  420,  1500,    285, "ALLEATI", "", Visible},
        {Label,  "Label7",     "Frame2",  3840,  420,  1500,    285, "ASSE", "", Visible},
        {Label,  "Label4",     "Frame2",   240,  870,  1320,    285, "MEZZI", "Acquisto Mezzi Navali / Punti Comando 3:1", Visible},
        {Label,  "Label5",     "Frame2",   240, 1320,  1320,    285, "COMANDO", "Punti Trasportabili/Rifornimenti Basi/Acquisto Aerei", Visible},
        {Combo,  "Combo4",     "Frame2",  2040,  840,  1680,    315, "", "", Visible, {{Click, &FrmSetUpGen::CalcolaMissioni}, {Change, &FrmSetUpGen::CalcolaMissioni}}},
        {Combo,  "Combo5",     "Frame2",  3840,  840,  1680,    315, "", "", Visible, {{Click, &FrmSetUpGen::CalcolaMissioni}, {Change, &FrmSetUpGen::CalcolaMissioni}}},
        {Combo,  "Combo6",     "Frame2",  2040, 1290,  1680,    315, "", "", Visible, {{Click, &FrmSetUpGen::CalcolaMissioni}, {Change, &FrmSetUpGen::CalcolaMissioni}}},
        {Combo,  "Combo7",     "Frame2",  3840, 1290,  1680,    315, "", "", Visible, {{Click, &FrmSetUpGen::CalcolaMissioni}, {Change, &FrmSetUpGen::CalcolaMissioni}}},
        {Frame,  "Frame3",     "",         120, 2520, 10680,   2760, "Numeri e Mezzi in gioco", "", Visible},
        {Label,  "Label13",    "Frame3",  6480,  300,  1680,    285, "ALLEATI", "", Visible},
        {Label,  "Label14",    "Frame3",  8640,  300,  1680,    285, "ASSE", "", Visible},
        {Label,  "Label8",     "Frame3",   240,  730,  5640,    285, "Percentuale Arrivi/Disponibilità Nuove Navi", "Se avete poche navi inserite 70", Visible},
        {Label,  "Label9",     "Frame3",   240, 1130,  5640,    285, "Coefficente Riparazione danni lievi alle Navi", "", Visible},
        {Label,  "Label10",    "Frame3",   240, 1530,  5640,    285, "Coefficente movimento orario  materiali dei Porti", "", Visible},
        {Label,  "Label11",    "Frame3",   240, 1930,  5640,    285, "Coefficente tentativi attivaz. aerei", "", Visible},
        {Label,  "Label12",    "Frame3",   240, 2330,  5640,    285, "Percentuale Media di attivazione e reazione", "Percentuale attivazione Mezzi", Visible},
        {Combo,  "Combo10",    "Frame3",  6480,  700,  1680,    315, "", "", Visible},
        {Combo,  "Combo11",    "Frame3",  8640,  700,  1680,    315, "", "", Visible},
        {Combo,  "Combo12",    "Frame3",  6480, 1100,  1680,    315, "", "", Visible},
        {Combo,  "Combo13",    "Frame3",  8640, 1100,  1680,    315, "", "", Visible},
        {Combo,  "Combo14",    "Frame3",  6480, 1500,  1680,    315, "", "", Visible},
        {Combo,  "Combo15",    "Frame3",  8640, 1500,  1680,    315, "", "", Visible},
        {Combo,  "Combo16",    "Frame3",  6480, 1900,  1680,    315, "", "", Visible},
        {Combo,  "Combo17",    "Frame3",  8640, 1900,  1680,    315, "", "", Visible},
        {Combo,  "Combo18",    "Frame3",  6480, 2300,  1680,    315, "", "", Visible},
        {Combo,  "Combo19",    "Frame3",  8640, 2300,  1680,    315, "", "", Visible},
        {Frame,  "Frame4",     "",         120, 5400, 10680,   2280, "Missioni", "", Visible},
        {Frame,  "Frame5",     "Frame4",   120,  300,  5160,   1860, "ALLEATI", "", Visible},
        {Label,  "Label15",    "Frame5",   120,  330,  4320,    285, "Affondare naviglio mercantile per Ton.", "", Visible},
        {Label,  "Label16",    "Frame5",   120,  690,  4320,    285, "Affondare naviglio da guerra per Ton.", "", Visible},
        {Label,  "Label17",    "Frame5",   120, 1050,  4320,    285, "Mantenere Malta HQ sopra Punti Comando", "", Visible},
        {Label,  "Label18",    "Frame5",   120, 1410,  4320,    285, "Portare Tobruck sotto punti Comando", "", Visible},
        {Label,  "Label23(0)", "Frame5",  4440,  330,   600,    285, "", "", Visible},
        {Label,  "Label23(1)", "Frame5",  4440,  690,   600,    285, "", "", Visible},
        {Label,  "Label23(2)", "Frame5",  4440, 1050,   600,    285, "", "", Visible},
        {Label,  "Label23(3)", "Frame5",  4440, 1410,   600,    285, "", "", Visible},
        {Frame,  "Frame6",     "Frame4",  5400,  300,  5160,   1860, "ASSE", "", Visible},
        {Label,  "Label19",    "Frame6",   120,  330,  4320,    285, "Mantenere Tobruck+Bengasi oltre punti Comando", "", Visible},
        {Label,  "Label20",    "Frame6",   120,  690,  4320,    285, "Mantenere Tripoli oltre punti Comando", "", Visible},
        {Label,  "Label21",    "Frame6",   120, 1050,  4320,    285, "Portare Malta HQ sotto punti Comando", "", Visible},
        {Label,  "Label22",    "Frame6",   120, 1410,  4320,    285, "Affondare naviglio nemico per Ton.", "", Visible},
        {Label,  "Label24(0)", "Frame6",  4440,  330,   600,    285, "", "", Visible},
        {Label,  "Label24(1)", "Frame6",  4440,  690,   600,    285, "", "", Visible},
        {Label,  "Label24(2)", "Frame6",  4440, 1050,   600,    285, "", "", Visible},
        {Label,  "Label24(3)", "Frame6",  4440, 1410,   600,    285, "", "", Visible},
        {Button, "Command1",   "",         120, 7860,  2280,    420, "Valori Di &Default", "", Visible, {{Click, &FrmSetUpGen::Command1_Click}}},
        {Button, "Command2",   "",        2640, 7860,  2280,    420, "&Reset", "", Visible, {{Click, &FrmSetUpGen::Command2_Click}}},
        {Button, "Command3",   "",        6000, 7860,  2280,    420, "&Conferma e Salva", "", Disabled, {{Click, &FrmSetUpGen::Command3_Click}}},
        {Button, "Command4",   "",        8520, 7860,  2280,    420, "&Esce senza creare", "", Visible, {{Click, &FrmSetUpGen::Command4_Click}}},
        // clang-format on
    };
    return rows;
}

FrmSetUpGen::FrmSetUpGen() : FormWith("FrmSetUpGen") {
    setCaption(kTitle);
    setSize(10920, 8520);
    setFixedBorder(true);
    Text1.setMaxLength(newcampaign::kNameMaxLength);
    for (int i = 0; i < 4; ++i) {
        for (Label* l : {&Label23[i], &Label24[i]}) {
            l->setBorderStyle(1);
            l->setAlignment(1);
        }
    }
}

void FrmSetUpGen::Text1_KeyPress(int& keyAscii) {
    if (!((keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z') || keyAscii == 8))
        keyAscii = 0;
}

void FrmSetUpGen::Text1_DblClick() {
    Text1.setText(QString());
}

void FrmSetUpGen::Text1_Change() {
    Command3.setEnabled(newcampaign::isValidCampaignName(Text1.text().trimmed()));
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
