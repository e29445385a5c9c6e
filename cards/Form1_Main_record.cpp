// The ship record moved between the editor's controls and ShipData, the routines that blank the
// editor, the reference-table loaders and the rating command.
#include "CardGlobals.h"
#include "Form1_Main.h"

#include "platform/Files.h"

using namespace platform;

namespace {
// The values that a label or a text box of the editor shows as they stand, by card item.
template <class C> using Items = std::vector<std::pair<int, C*>>;
Items<Label> labelItems(const Form1_Main& f) {
    return {{2, &f.Label1},   {3, &f.Label2},   {5, &f.Label35},  {6, &f.Label6},   {7, &f.Label7},
            {8, &f.Label8},   {10, &f.Label11}, {11, &f.Label12}, {12, &f.Label49}, {13, &f.Label50},
            {14, &f.Label51}, {15, &f.Label52}, {16, &f.Label53}, {18, &f.Label14}, {21, &f.Label54},
            {22, &f.Label37}, {23, &f.Label38}, {24, &f.Label18}, {26, &f.Label19}, {28, &f.Label20},
            {31, &f.Label30}, {32, &f.Label31}, {33, &f.Label32}, {34, &f.Label33}, {35, &f.Label34},
            {37, &f.Label41}, {38, &f.Label42}, {39, &f.Label43}, {42, &f.Label26}, {45, &f.Label55},
            {48, &f.Label56}, {50, &f.Label13}, {51, &f.Label62}};
}
Items<TextBox> textItems(const Form1_Main& f) {
    return {{1, &f.Text1},   {19, &f.Text6},  {25, &f.Text3},  {27, &f.Text4},
            {29, &f.Text5},  {41, &f.Text9},  {44, &f.Text10}, {47, &f.Text11},
            {49, &f.Text12}, {52, &f.Text14}, {53, &f.Text15}};
}
// The anti-aircraft calibre lists by card item.
Items<ComboBox> comboItems(const Form1_Main& f) {
    return {{20, &f.Combo9}, {40, &f.Combo10}, {43, &f.Combo11}, {46, &f.Combo12}};
}

QString numberValue(double v) {
    return numberText(v);
}
} // namespace

void Form1_Main::ShipFormToData() {
    CG().ShipData = formValues();
}

ShipValues Form1_Main::formValues() const {
    const CardGlobals& g = CG();
    ShipValues d;
    for (const auto& [item, label] : labelItems(*this)) d[item] = label->caption();
    for (const auto& [item, text] : textItems(*this)) d[item] = text->text();
    d[4] = Label2.caption().left(2);
    d[9] = d[17] = d[30] = d[36] = QString();
    d[20] = numberValue(g.DepthChargeLaunchers);
    for (int k = 0; k < 3; ++k) {
        d[40 + 3 * k] = g.AaCalibre[k];
        d[41 + 3 * k] = numberValue(g.AaBarrels[k]);
    }
    d[49] = numberValue(g.AaMachineGuns);
    for (int i = 54; i <= kShipCardValues; ++i) d[i].clear();
    return d;
}

void Form1_Main::ShipDataToForm() {
    const ShipValues d = CG().ShipData;
    static const int order[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
                                19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36,
                                37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 52, 53, 51};
    const Items<Label> labels = labelItems(*this);
    const Items<TextBox> texts = textItems(*this);
    const Items<ComboBox> combos = comboItems(*this);
    for (int item : order) {
        for (const auto& [i, label] : labels)
            if (i == item) label->setCaption(d[item]);
        for (const auto& [i, text] : texts)
            if (i == item) text->setText(d[item]);
        for (const auto& [i, combo] : combos)
            if (i == item) combo->setText(d[item]);
    }
    Label59.setCaption(numberTextWithSign(textValue(Label26.caption()) + textValue(Label55.caption()) +
                                          textValue(Label56.caption())));
    if (!d[4].isEmpty()) showFlag(d[4]);
}

void Form1_Main::ClearMainLabels() {
    for (Label* l : labels_) l->setCaption(QString());
}

void Form1_Main::ClearMainTexts() {
    for (TextBox* t : texts_) t->setText(QString());
    List1.clear();
    Frame8.setCaption(QString());
}

void Form1_Main::ClearMainCombos() {
    for (ComboBox* c : combos_) c->setText(QString());
}

QString SpecialProtectionsCaption() {
    const auto& p = CG().SpecialProtections;
    return QStringLiteral("PV:%1  OD:%2  VD:%3  AS:%4")
        .arg(int(p[0]))
        .arg(int(p[1]))
        .arg(int(p[2]))
        .arg(int(p[3]));
}

void Form1_Main::ResetMainCaptions() {
    Label40.setCaption(SpecialProtectionsCaption());
    Label3.setCaption(QStringLiteral("Anno Varo/Ristruttur."));
    Label4.setCaption(QStringLiteral("Stazza Standard"));
    Label5.setCaption(QStringLiteral("Velocità reale/Nodi"));
    Label9.setCaption(QStringLiteral("Resistenza Globale"));
    Label10.setCaption(QStringLiteral("Controllo Incendi"));
    Label16.setCaption(QStringLiteral("Tot. Aerei/Ricogn."));
    Label17.setCaption(QStringLiteral("Num. Elevatori Aerei"));
    Label27.setCaption(QStringLiteral("Centrale di Tiro - CT"));
    Label28.setCaption(QStringLiteral("Fumaiolo - FU"));
    Label29.setCaption(QStringLiteral("Protez. Generale - CG"));
    Label44.setCaption(QStringLiteral("Direz. Tiro - DT"));
    Label45.setCaption(QStringLiteral("Mov. Aerei - MA"));
    Label46.setCaption(QStringLiteral("Operatività - OP"));
    Label47.setCaption(QStringLiteral("Cargo"));
    Label61.setCaption(QStringLiteral("Nome Nave:"));
    Label48.setCaption(QStringLiteral("Costo Unitario"));
    Label36.setCaption(QStringLiteral("Rel. 2.00 2004"));
    Label15.setCaption(QStringLiteral("< Armi   *   Btg x Arma >"));
    Label57.setCaption(QStringLiteral("Cannoni AA su TP       Cannoni AA su TS       Altri Cannoni AA "));
    Label58.setCaption(QStringLiteral("< AAM * VALORE * AAC  >"));
    Label63.setCaption(QStringLiteral("Tot.Siluri"));
    Label39.setCaption(QStringLiteral("IRREVERSIBILE"));
    // The instruction line is not a value: it stays on the window.
    Label64.setCaption(
        QStringLiteral("Dopo aver inserito tutti i dati richiesti, o averli solo modificati, CLICCARE il "
                       "Bottone ANNO DEI DATI per "
                       "permettere al programma di elaborare le informazioni e creare la scheda CLASSE."));
}

void Form1_Main::ShowComboPrompts() {
    Combo1.setText(QStringLiteral("TIPOLOGIA NAVE"));
    Combo2.setText(QStringLiteral("NAZIONE"));
    Combo4.setText(QStringLiteral("SILURI"));
    Combo9.setText(QStringLiteral("Lancia BTG"));
    Combo13.setText(QStringLiteral("Anno Dati"));
}

void ResetShipFlags() {
    CardGlobals& g = CG();
    for (int i = 0; i < 5; ++i) g.MainTurretArmour[i] = g.SecondaryTurretArmour[i] = 0;
    for (auto& p : g.SpecialProtections) p = 0;
    g.VerticalArmour = g.HorizontalArmour = g.BridgeArmour = 0;
    g.ShipKnots = 0;
    g.AircraftCount = 0;
    g.CargoValue = 0;
    g.DepthChargeLaunchers = 0;
    g.ChargesPerLauncher = 0;
    g.GlobalResistance = 0;
    g.FireFighting = 0;
    g.ShipRatings = ShipRatingValues{};
    g.ShipCost = 0;
    g.ShipTypeNumber = 0;
    g.StandardDisplacement = 0;
    g.YearFactor = 0;
    for (int k = 0; k < 3; ++k) {
        g.AaBarrels[k] = 0;
        g.AaCalibreFactor[k] = 0;
        g.AaCalibre[k] = QStringLiteral("0");
    }
    g.AaMachineGuns = 0;
    g.RatingTables = ShipRatingTables{};
    for (QString& v : g.ShipData) v.clear();
}

void Form1_Main::ShowDataYearCaption() {
    Label35.setCaption(CG().DataYear);
}

// ---------------------------------------------------------------- reference tables

void Form1_Main::LoadShipRatingTables() {
    CG().RatingTables = loadShipRatingTables(CG().DataFolder);
}

namespace {
void fill(ComboBox& combo, const QString& path) {
    for (const QString& item : readPickList(path)) combo.addItem(item);
}
} // namespace

void Form1_Main::LoadTipologiaNavi() {
    fill(Combo1, CG().DataFolder + QStringLiteral("tipologianavi.txt"));
}
void Form1_Main::LoadNazioni() {
    fill(Combo2, CG().DataFolder + QStringLiteral("nazioni.txt"));
}
void Form1_Main::LoadAnnoVaro() {
    fill(Combo3, CG().DataFolder + QStringLiteral("annovaro.txt"));
}
void Form1_Main::LoadNodi() {
    fill(Combo5, CG().DataFolder + QStringLiteral("Nodi.txt"));
}
void Form1_Main::LoadSiluri() {
    fill(Combo4, CG().DataFolder + QStringLiteral("siluri.txt"));
}

void Form1_Main::LoadCalibri() {
    const QStringList items = readPickList(CG().DataFolder + CG().NationCode + QStringLiteral("Calibri.txt"));
    for (const QString& item : items) {
        Combo6.addItem(item);
        if (isDualPurpose(item))
            for (ComboBox* aa : {&Combo10, &Combo11, &Combo12}) aa->addItem(item);
        for (ComboBox* gun : {&Combo7, &Combo8, &Combo14}) gun->addItem(item);
    }
    for (ComboBox* aa : {&Combo10, &Combo11, &Combo12}) aa->addItem(QStringLiteral(" "));
}

// ---------------------------------------------------------------- rating

void Form1_Main::ComputeShipRatings() {
    CardGlobals& g = CG();
    // The displacement, the speed and the launch year are rated from what their labels show: an
    // empty one would rate the class as if it were 0.
    if (const MissingEntry missing = missingRatingEntry(Label7.caption(), Label8.caption(), Label6.caption());
        missing != MissingEntry::None)
        throw RangeError(missingEntryMessage(missing));
    // The tables are read anew first, so that a missing one leaves the record as it was.
    const ShipRatingTables tables = loadShipRatingTables(g.DataFolder);

    ShipRatingInput in;
    in.typeNumber = g.ShipTypeNumber;
    in.displacement = g.StandardDisplacement;
    in.knots = g.ShipKnots;
    in.verticalArmour = g.VerticalArmour;
    in.horizontalArmour = g.HorizontalArmour;
    in.bridgeArmour = g.BridgeArmour;
    for (int i = 0; i < 4; ++i) in.specialProtections[i] = g.SpecialProtections[i];
    for (int i = 0; i < 5; ++i) {
        in.mainTurretArmour[i] = g.MainTurretArmour[i];
        in.secondaryTurretArmour[i] = g.SecondaryTurretArmour[i];
    }
    in.depthChargeLaunchers = g.DepthChargeLaunchers;
    in.launchYear = Label6.caption();
    in.mainCalibre = Label18.caption();
    in.secondaryCalibre = Label19.caption();
    in.thirdCalibre = Label20.caption();
    in.aaMainValue = Label26.caption();
    in.aaSecondaryValue = Label55.caption();
    in.aaOtherValue = Label56.caption();
    in.machineGunValue = Label13.caption();
    in.aircraft = Label37.caption();
    in.elevators = Label38.caption();
    const ShipRatingResult r = rateShip(in, tables);

    Text1.setText(ReplaceAll(Text1.text(), QStringLiteral(" ")));
    g.RatingTables = tables;
    ShowDataYearCaption();
    g.YearFactor = r.yearFactor;
    g.GlobalResistance = int(r.resistance);
    g.FireFighting = int(r.fireFighting);
    g.ShipRatings = r.ratings;
    g.CargoValue = int(r.cargo);
    g.ShipCost = int(r.shipCost);
    g.AircraftCount = int(r.aircraftCount);
    g.ChargesPerLauncher = int(r.chargesPerLauncher);
    const ShipRatingValues& s = r.ratings;
    auto show = [](Label& l, long long v) { l.setCaption(QString::number(v)); };
    show(Label11, r.resistance);
    show(Label12, r.fireFighting);
    show(Label30, s.VR);
    show(Label31, s.OR);
    show(Label43, s.CG);
    show(Label42, s.FU);
    show(Label32, s.PL);
    show(Label41, s.CT);
    show(Label49, s.DT);
    show(Label33, s.TP);
    show(Label34, s.TS);
    Label59.setCaption(r.aaTotalText);
    show(Label51, s.OP);
    show(Label53, r.unitCost);
    show(Label50, s.MA);
    show(Label52, r.cargo);
    show(Label54, r.chargesPerLauncher);
    ShipFormToData();
}
