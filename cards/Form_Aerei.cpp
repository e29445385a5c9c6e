// The aircraft editor: loading, layout, entry handlers, rating procedures, saving.
#include "Form_Aerei.h"

#include "AircraftRating.h"
#include "CardGlobals.h"
#include "FormStart.h"
#include "Form_Giudizio.h"
#include "ShipTables.h"
#include "cards/format/ArchiveRecords.h"
#include "help/Form1_info1.h"

#include "platform/Files.h"
#include "platform/Numbers.h"

using namespace platform;
namespace rating = aircraftrating;
using aircraftcard::AircraftData;

namespace {
QString plain(long long v) {
    return QString::number(v);
}
} // namespace

Form_Aerei::Form_Aerei() : Form("Form_Aerei") {
    setCaption(QStringLiteral("Genera Schede Aerei"));
    Option1.add(0, Frame1, "Option1", QStringLiteral("notturno SI"));
    Option1.add(1, Frame1, "Option1", QStringLiteral("notturno NO"));
    layOut();
    connectHandlers();
}

void Form_Aerei::layOut() {
    setSize(15450, 9720);
    setFixedBorder(true);

    Frame1.move(120, 60, 6720, 3840);
    Label48.move(240, 360, 3120, 225);
    Combo2.move(240, 585, 3120, 315);
    Combo2.setToolTipText(QStringLiteral("NAZIONALITA'"));
    Image1.move(3600, 420, 480, 480);
    Image1.setStretch(true);
    Text1.move(240, 1020, 6240, 315);
    Text1.setToolTipText(QStringLiteral("NOME UFFICIALE / NOME IN  CODICE"));
    Label49.move(240, 1410, 3000, 225);
    Label50.move(3300, 1410, 3240, 225);
    Combo1.move(240, 1635, 3000, 315);
    Combo1.setToolTipText(QStringLiteral("FABBRICA"));
    Combo3.move(3300, 1635, 3240, 315);
    Combo3.setToolTipText(QStringLiteral("TIPOLOGIA"));
    for (Label* caption : {&Label48, &Label49, &Label50}) caption->setFontSize(7);
    Option1[0].move(240, 2040, 1500, 285);
    Option1[1].move(1800, 2040, 1500, 285);
    Check3.move(240, 2370, 3000, 285);
    Check4.move(3360, 2370, 3000, 285);
    Label9.move(240, 2790, 2400, 255);
    Combo11.move(2700, 2730, 1200, 315);
    Combo11.setToolTipText(QStringLiteral("ENTRATA IN SERVIZIO"));
    Label8.move(240, 3150, 6240, 255);
    Text2.move(240, 3420, 1800, 315);
    Text2.setToolTipText(QStringLiteral("AUTONOMIA REALE IN KM (senza punteggiatura od altro)"));
    Text4.move(3360, 3420, 1800, 315);
    Text4.setToolTipText(QStringLiteral("VELOCITA' REALE IN KMH"));
    Text2.setMaxLength(5);
    Text4.setMaxLength(5);

    Frame2.move(120, 3960, 6720, 900);
    Command1.move(240, 360, 2640, 435);
    Command1.setToolTipText(QStringLiteral("ESPRIMIAMO UN GIUDIZIO DA TECNICI"));
    Label10.move(3120, 390, 720, 375);
    Label10.setAlignment(2);
    Label10.setBorderStyle(1);
    Label10.setFontBold(true);
    Label10.setToolTipText(QStringLiteral("MEDIA GIUDIZIO FINALE"));
    Label25.move(3960, 450, 900, 255);
    Label25.setToolTipText(QStringLiteral("Votazione massima"));

    Frame3.move(120, 4920, 6720, 3840);
    Frame3.setToolTipText(QStringLiteral("ATTENZIONE: Ri-inserire l'armamento dopo ogni variazione."));
    platform::Label* coefficientLabels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6};
    for (int k = 1; k <= rating::kWeaponClassCount; ++k) {
        const int top = 420 + (k - 1) * 405;
        weaponList(k).move(240, top, 900, 315);
        weaponList(k).setToolTipText(k < rating::kWeaponClassCount
                                         ? QStringLiteral("CANNONI")
                                         : QStringLiteral("MITRAGLIATRICI LEGGERE "));
        coefficientLabels[k - 1]->move(1260, top + 45, 3000, 255);
        coefficientLabels[k - 1]->setToolTipText(k < rating::kWeaponClassCount
                                                     ? QStringLiteral("COEFFICENTE PER CANNONE")
                                                     : QStringLiteral("COEFFICENTE PER MITRAGLIATRICE"));
    }
    Check2.move(4500, 840, 2000, 285);
    Check2.setToolTipText(QStringLiteral("Solo per gli aerei che hanno operato da bombardieri"));
    Check1.move(4500, 1260, 2000, 285);
    Check1.setToolTipText(QStringLiteral("Solo per gli aerei che potevano imbarcare siluri"));
    Label7.move(240, 2940, 6000, 255);
    Text3.move(240, 3240, 1500, 315);
    Text3.setToolTipText(QStringLiteral("CARICO BELLICO IN KG (senza punti ecc)"));
    Combo10.move(2820, 3240, 900, 315);
    Combo10.setToolTipText(QStringLiteral("SILURI IMBARCATI"));

    List1.move(120, 120, 6720, 8640);
    List1.setToolTipText(QStringLiteral("Lista degli aerei selezionati"));
    List1.setVisible(false);
    List2.move(120, 120, 6720, 1000);
    List2.setVisible(false);

    Frame4.move(6960, 60, 8370, 7020);
    Image2.move(240, 300, 480, 480);
    Image2.setStretch(true);
    Image2.setToolTipText(QStringLiteral("OGNI CLICK AGGIUNGE UN RECORD"));
    Label43.move(840, 420, 600, 285);
    Label43.setToolTipText(QStringLiteral("Totale linee inviate alla stampa"));
    Label11.move(1560, 390, 5520, 330);
    Label11.setAlignment(2);
    Label11.setFontBold(true);
    Image3.move(7560, 300, 480, 480);
    Image3.setStretch(true);
    Image3.setToolTipText(QStringLiteral("UN CLICK E STAMPA TUTTA LA LISTA"));
    Label12.move(240, 900, 7800, 375);
    Label12.setFontSize(12);
    Label12.setFontBold(true);
    Label13.move(240, 1290, 7800, 285);
    Label14.move(240, 1590, 7800, 285);
    Label44.move(240, 1890, 3600, 285);
    Label45.move(4440, 1890, 3600, 285);
    Label15.move(240, 2190, 2400, 285);
    Label15.setForeColor(RGB(128, 0, 0));
    Label15.setFontBold(true);
    Label23.move(240, 2580, 7800, 255);
    Label23.setFontBold(true);
    Label47.move(1800, 2910, 3600, 255);
    Label46.move(6360, 2910, 1200, 255);

    platform::Label* entered[] = {&Label16, &Label17, &Label18, nullptr, nullptr,
                                  &Label19, &Label20, &Label21, &Label22};
    platform::Label* captions[] = {&Label24, &Label26, &Label27, &Label28, &Label29,
                                   &Label30, &Label31, &Label40, &Label41};
    platform::Label* rated[] = {&Label32, &Label33, &Label34, &Label35, &Label39,
                                &Label36, &Label37, &Label38, &Label42};
    for (int row = 0; row < 9; ++row) {
        const int top = 3240 + row * 375;
        if (entered[row]) {
            entered[row]->move(240, top, 1320, 300);
            entered[row]->setBorderStyle(1);
            entered[row]->setBackColor(vbWhite);
        }
        captions[row]->move(1680, top + 30, 4560, 270);
        rated[row]->move(6360, top, 1200, 300);
        rated[row]->setBorderStyle(1);
        rated[row]->setBackColor(vbWhite);
        rated[row]->setAlignment(2);
        if (row < 8) {
            rated[row]->setForeColor(vbRed);
            rated[row]->setFontBold(true);
        }
    }
    Label22.setFontBold(true);
    Label27.setToolTipText(QStringLiteral("Valore di Attacco Ottimale"));
    Label28.setToolTipText(QStringLiteral("Valore di attacco penalizzato"));
    Label29.setToolTipText(QStringLiteral("Fattore del Peso colpi al mitragliamento"));

    Frame5.move(6960, 7200, 4080, 900);
    Command5.move(240, 360, 1680, 435);
    Command6.move(2100, 360, 1740, 435);

    Command2.move(11280, 7260, 1800, 435);
    Command3.move(13260, 7260, 2040, 435);
    Command4.move(11280, 7800, 1800, 435);
    Command4.setToolTipText(QStringLiteral("STAMPA 4 MODULI DELL'ULTIMO RECOD EVIDENZIATO SOPRA"));
    Command8.move(13260, 7800, 2040, 435);
    Command8.setToolTipText(
        QStringLiteral("Attiva la stampa di una lista  - Bandiera a sinistra per aggiungere "
                       "recorda -Bandiera a destra per stampare"));
    Command7.move(13260, 8880, 2040, 435);
    Label51.move(6960, 8340, 6180, 540);
    Label51.setBackStyle(0);
    Label51.setForeColor(0x800000);

    // Captions without a border take the colour of their frame.
    for (Container* c : std::initializer_list<Container*>{&Frame1, &Frame2, &Frame3, &Frame4})
        for (Control* child : c->children())
            if (auto* l = dynamic_cast<Label*>(child); l && l->borderStyle() == 0) l->setBackStyle(0);

    Text1.setEnabled(false);
    Label10.setBackColor(vbRed);
    Option1[1].setValue(true);
    Command2.setEnabled(false);
    Command4.setEnabled(false);
    Command6.setEnabled(false);
    Command8.setEnabled(false);
    Image2.setEnabled(false);
    Image3.setEnabled(false);
}

ComboBox& Form_Aerei::weaponList(int weaponClass) {
    ComboBox* lists[] = {&Combo4, &Combo5, &Combo6, &Combo7, &Combo8, &Combo9};
    return *lists[weaponClass - 1];
}

void Form_Aerei::connectHandlers() {
    Combo2.Click = [this] { Combo2_Click(); };
    Combo2.Change = [this] { Combo2_Change(); };
    Combo1.Click = [this] { Combo1_Click(); };
    Combo3.Click = [this] { Combo3_Click(); };
    Combo11.Click = [this] { Combo11_Click(); };
    for (int k = 1; k <= rating::kWeaponClassCount; ++k)
        weaponList(k).Click = [this, k] { WeaponCount_Click(k); };
    Combo10.Click = [this] { Combo10_Click(); };
    Text1.Change = [this] { Text1_Change(); };
    Text2.Change = [this] { Text2_Change(); };
    Text3.Change = [this] { Text3_Change(); };
    Text4.Change = [this] { Text4_Change(); };
    // Kilograms are a number too, so the war load box takes digits only, as the other number boxes.
    for (TextBox* t : {&Text2, &Text3, &Text4}) t->KeyPress = digitsOnlyKey;
    for (TextBox* t : {&Text1, &Text2, &Text3, &Text4}) t->DblClick = [t] { t->setText(QString()); };
    Option1[0].Click = [this] { Option1_Click(0); };
    Option1[1].Click = [this] { Option1_Click(1); };
    Check3.Click = [this] { Check3_Click(); };
    Check4.Click = [this] { Check4_Click(); };
    // The two marks follow the war load and the torpedo count only: a tick by hand is undone.
    Check1.Click = [this] {
        if (Check1.value() != CG().TorpedoFlag) Check1.setValue(CG().TorpedoFlag);
    };
    Check2.Click = [this] {
        if (Check2.value() != CG().BomberFlag) Check2.setValue(CG().BomberFlag);
    };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Label10.Click = [this] { Label10_Click(); };
    Label10.Change = [this] { Label10_Change(); };

    Command5.Click = [this] { Command5_Click(); };
    List1.Click = [this] { List1_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command8.Click = [this] { Command8_Click(); };
    Image2.Click = [this] { Image2_Click(); };
    Image3.Click = [this] { Image3_Click(); };
}

// ---------------------------------------------------------------- loading and closing

void Form_Aerei::Form_Load() {
    Combo1.clear();
    Combo3.clear();
    ResetAircraftForm();
    LoadRoleTables();
    ClearWeaponProducts();
    CG().JudgementAverage = 0;
    ClearAircraftLists();
    Combo2AereiLoad();
    EnsureFolder(CG().AircraftCardFolder);
    // A printed list left under way by an earlier showing of the window can still be added to and sent.
    setListFlagsActive(CG().PrintLineCounter > 0);
}

void Form_Aerei::Form_QueryUnload(int& cancel, int unloadMode) {
    unloadMode_ = unloadMode;
    if (unloadMode == vbAppWindows || programEnded()) return;
    if (MsgBox(QStringLiteral("Hai salvato il Record. Sei sicuro?"), vbYesNo + vbExclamation,
               QStringLiteral("Chiude Progetto Torvcard")) != vbYes)
        cancel = 1;
}

void Form_Aerei::Form_Unload(int&) {
    if (unloadMode_ != vbAppWindows && !programEnded()) platform::form<FormStart>().show();
}

void Form_Aerei::Command7_Click() {
    unloadForm(*this);
}

// ---------------------------------------------------------------- pick lists

void Form_Aerei::Combo2AereiLoad() {
    for (const QString& nation : readPickList(CG().DataFolder + QStringLiteral("nazioni.txt")))
        Combo2.addItem(nation);
}

void Form_Aerei::Combo3AereiLoad() {
    for (const QString& type : readPickList(CG().DataFolder + QStringLiteral("tipologiaAerei.txt")))
        Combo3.addItem(type);
}

void Form_Aerei::Combo1AereiLoad() {
    // Both files are read before any list changes, so a missing one leaves the lists as they were.
    const QStringList makers = readPickList(CG().DataFolder + CG().NationCode + QStringLiteral("Brand.txt"));
    Combo3AereiLoad();
    FillCountLists();
    for (const QString& maker : makers) Combo1.addItem(maker);
}

void Form_Aerei::setFlagPicture(Image& image, const QString& code) {
    // A missing flag leaves the picture empty; it is decoration only.
    image.loadPicture(CG().AppFolder + QStringLiteral("\\Ico\\") + code + QStringLiteral(".ico"));
}

// ---------------------------------------------------------------- entry handlers

void Form_Aerei::Combo2_Click() {
    const QString nation = Combo2.text();
    const QString code = nation.left(2);
    // A nation whose lists cannot be read is not taken: the message names the missing file.
    try {
        readPickList(CG().DataFolder + code + QStringLiteral("Brand.txt"));
        readPickList(CG().DataFolder + QStringLiteral("tipologiaAerei.txt"));
    } catch (const FileError&) {
        Combo2.setText(Label11.caption());
        throw;
    }
    Text1.setEnabled(true);
    Combo1.clear();
    Combo3.clear();
    ResetAircraftForm();
    Label11.setCaption(nation);
    // The summary shows what the unticked boxes mean, so that a card never holds an empty mark,
    // which the set-up program would read as carrier-borne or seaplane.
    Label44.setCaption(QStringLiteral("Non Imbarcato"));
    Label45.setCaption(QStringLiteral("Non idro"));
    Label46.setCaption(QStringLiteral("N"));
    CG().NationCode = code;
    setFlagPicture(Image1, CG().NationCode);
    Combo1AereiLoad();
}

void Form_Aerei::Combo2_Change() {
    if (Combo2.text().isEmpty()) Text1.setEnabled(false);
}

void Form_Aerei::Combo1_Click() {
    Label13.setCaption(Combo1.text());
}

void Form_Aerei::Combo11_Click() {
    Label15.setCaption(Combo11.text());
}

void Form_Aerei::Combo3_Click() {
    CG().BomberFlag = 0;
    Check2.setValue(0);
    CG().TorpedoFlag = 0;
    Check1.setValue(0);
    Check3.setValue(0);
    Label14.setCaption(Combo3.text());
    CG().AircraftTypeIndex = Combo3.listIndex() + 1;
    if (rating::isCarrierBorneType(CG().AircraftTypeIndex)) {
        Check3.setValue(1);
        Label44.setCaption(QStringLiteral("Imbarcato"));
    } else {
        Check3.setValue(0);
        Label44.setCaption(QStringLiteral("Non Imbarcato"));
    }
    // The marks follow the war load and the torpedo count already entered, whatever the type.
    deriveLoadMarks();
    SumWeapons();
}

void Form_Aerei::deriveLoadMarks() {
    auto& g = CG();
    g.BomberFlag = rating::isBomberLoad(leadingNumber(Text3.text())) ? 1 : 0;
    Check2.setValue(g.BomberFlag);
    const QString torpedoes = Label20.caption();
    g.TorpedoFlag = !torpedoes.isEmpty() && torpedoes != QStringLiteral("0") ? 1 : 0;
    Check1.setValue(g.TorpedoFlag);
}

void Form_Aerei::WeaponCount_Click(int weaponClass) {
    CG().WeaponProducts[weaponClass] =
        rating::weaponProduct(weaponClass, leadingNumber(weaponList(weaponClass).text()));
    SumWeapons();
}

void Form_Aerei::Combo10_Click() {
    auto& g = CG();
    Label20.setCaption(Combo10.text());
    if (Label20.caption() != QStringLiteral("0")) {
        g.TorpedoFlag = 1;
        Check1.setValue(1);
    } else {
        g.TorpedoFlag = 0;
        Check1.setValue(0);
        Label20.setCaption(QStringLiteral("0"));
    }
    Label37.setCaption(Label20.caption());
    ComputeAircraftCost();
}

void Form_Aerei::Text3_Change() {
    auto& g = CG();
    const double kg = leadingNumber(Text3.text());
    Label19.setCaption(Text3.text());
    g.BomberFlag = rating::isBomberLoad(kg) ? 1 : 0;
    Check2.setValue(g.BomberFlag);
    rateOrRefuse(loadRefused_, Label36, [this] {
        Label36.setCaption(plain(rating::bombLoadValue(leadingNumber(Label19.caption()))));
    });
    ComputeAircraftCost();
    updateSaveCommand();
}

void Form_Aerei::rateOrRefuse(bool& refused, Label& shown, const std::function<void()>& step) {
    try {
        step();
        refused = false;
    } catch (const RangeError&) {
        refused = true;
        shown.setCaption(QString());
        ComputeAircraftCost();
        updateSaveCommand();
        throw;
    }
}

void Form_Aerei::recomputeAutonomy() {
    CG().AutonomyTurns = 0;
    std::optional<int> turns;
    rateOrRefuse(autonomyRefused_, Label32,
                 [&] { turns = rating::autonomyTurns(Text2.text(), Text4.text()); });
    // A range and a speed that give no autonomy (a speed of 0) leave none on show, and nothing
    // to save until they give one.
    autonomyMissing_ = !turns && !(Text2.text().isEmpty() && Text4.text().isEmpty());
    if (turns) {
        CG().AutonomyTurns = *turns;
        Label32.setCaption(plain(*turns));
    } else {
        Label32.setCaption(QString());
    }
}

void Form_Aerei::Text2_Change() {
    Label16.setCaption(Text2.text());
    // The autonomy follows the range as well as the speed.
    recomputeAutonomy();
    ComputeAircraftCost();
    updateSaveCommand();
}

void Form_Aerei::Text4_Change() {
    Label21.setCaption(Text4.text());
    Label38.setCaption(Label21.caption());
    recomputeAutonomy();
    ComputeAircraftCost();
    updateSaveCommand();
}

void Form_Aerei::Text1_Change() {
    Label12.setCaption(ReplaceAll(Text1.text(), QStringLiteral(" ")));
    updateSaveCommand();
}

void Form_Aerei::updateSaveCommand() {
    Command2.setEnabled(Label12.caption().size() > 1 && !autonomyRefused_ && !autonomyMissing_ &&
                        !loadRefused_);
}

void Form_Aerei::Option1_Click(int index) {
    Label46.setCaption(index == 0 ? QStringLiteral("S") : QStringLiteral("N"));
    ComputeAircraftCost();
}

void Form_Aerei::Check3_Click() {
    Label44.setCaption(Check3.value() == 1 ? QStringLiteral("Imbarcato") : QStringLiteral("Non Imbarcato"));
}

void Form_Aerei::Check4_Click() {
    Label45.setCaption(Check4.value() == 1 ? QStringLiteral("Idro") : QStringLiteral("Non idro"));
}

void Form_Aerei::Command1_Click() {
    platform::form<Form_Giudizio>().showModal();
    CG().JudgementAverage = textToWhole(Label33.caption());
    SumWeapons();
    ComputeAircraftCost();
}

void Form_Aerei::Label10_Click() {
    showHelpText(CG().DataFolder + QStringLiteral("AereiHelp.txt"));
}

void Form_Aerei::Label10_Change() {
    Label33.setCaption(Label10.caption());
}

void Form_Aerei::Command2_Click() {
    auto& g = CG();
    // Without a year or a nation there is no card to name.
    if (Label15.caption().isEmpty() || Label11.caption().isEmpty()) return;
    g.AircraftNationFolder = g.AircraftCardFolder + Label11.caption();
    const QString parts =
        Label11.caption() + Label12.caption() + Label14.caption().left(3) + Label15.caption();
    if (const QChar bad = aircraftcard::forbiddenFileCharacter(parts); !bad.isNull())
        throw FileError(
            QStringLiteral("La scheda non può essere salvata: il carattere \"%1\" non è ammesso nel "
                           "nome di un file (nazione, nome, tipologia o anno).")
                .arg(bad),
            g.AircraftNationFolder);
    // Only a card that a campaign can hold is saved.
    FormToAircraftData();
    checkedAircraftArchiveRecord(g.AircraftData);
    EnsureFolder(g.AircraftNationFolder);
    WriteAircraftCard();
    Label51.setCaption(cardSavedMessage(g.AircraftCardPath));
}

// ---------------------------------------------------------------- rating procedures

void Form_Aerei::LoadRoleTables() {
    CG().RoleTables = rating::loadRoleTables(CG().DataFolder);
}

void Form_Aerei::FillCountLists() {
    for (int k = 1; k <= rating::kWeaponClassCount; ++k) {
        ComboBox& list = weaponList(k);
        list.clear();
        for (int n = 0; n <= rating::kWeaponClasses[k].maxCount; ++n) list.addItem(plain(n));
    }
    Combo10.clear();
    for (int n = 0; n <= 4; ++n) Combo10.addItem(plain(n));
    Combo11.clear();
    for (int year = 1945; year >= 1927; --year) Combo11.addItem(plain(year));
}

void Form_Aerei::ClearAircraftLists() {
    for (ComboBox* c : {&Combo1, &Combo2, &Combo3, &Combo4, &Combo5, &Combo6, &Combo7, &Combo8, &Combo9,
                        &Combo10, &Combo11})
        c->clear();
}

void Form_Aerei::ClearWeaponProducts() {
    CG().WeaponProducts.fill(0);
    CG().WeaponTotal = 0;
}

void Form_Aerei::SumWeapons() {
    auto& g = CG();
    const rating::WeaponSums sums = rating::sumWeapons(g.WeaponProducts);
    g.CannonTotal = sums.cannonTotal;
    g.WeaponTotal = sums.weaponTotal;
    Label18.setCaption(QString::number(sums.weaponTotal, 'g', 15));
    ComputeAircraftFactors();
}

void Form_Aerei::ComputeAircraftFactors() {
    auto& g = CG();
    const rating::Factors f = rating::computeFactors({g.WeaponTotal, g.CannonTotal}, g.JudgementAverage,
                                                     g.RoleTables.factor(g.AircraftTypeIndex));
    g.AttackFactor = f.attack;
    g.DefenceFactor = f.defence;
    g.StrafingWeight = f.strafing;
    Label34.setCaption(plain(f.attack));
    Label35.setCaption(plain(f.defence));
    Label39.setCaption(plain(f.strafing));
    ComputeAircraftCost();
}

void Form_Aerei::ComputeAircraftCost() {
    if (autonomyRefused_ || loadRefused_) {
        CG().AircraftCost = 0;
        Label22.setCaption(QString());
        return;
    }
    auto n = [](const Label& l) { return leadingNumber(l.caption()); };
    rating::CostInputs in;
    in.autonomy = n(Label32);
    in.judgement = n(Label33);
    in.attack = n(Label34);
    in.defence = n(Label35);
    in.strafing = n(Label39);
    in.speed = n(Label38);
    in.torpedoes = n(Label37);
    in.bombLoad = n(Label36);
    in.night = Option1[0].value();
    in.typeIndex = CG().AircraftTypeIndex;
    CG().AircraftCost = rating::computeCost(in);
    Label22.setCaption(plain(CG().AircraftCost));
}

void Form_Aerei::ResetAircraftForm() {
    auto& g = CG();
    ClearWeaponProducts();
    g.WeaponTotal = 0;
    // The judgement shown is emptied below, so the one used by the rating goes with it.
    g.JudgementAverage = 0;
    Check2.setValue(0);
    Check3.setValue(0);
    Check4.setValue(0);
    g.BomberFlag = 0;
    g.TorpedoFlag = 0;
    Check1.setValue(0);
    // The night option goes back to its default with the rest, so the cost and the card agree.
    Option1[1].setValue(true);
    Combo11.setText(QString());
    Combo3.setText(QString());
    Text1.setText(QString());
    Text2.setText(QString());
    Text3.setText(QString());
    Text4.setText(QString());
    Label10.setBackColor(vbRed);
    Label10.setCaption(QString());
    for (Label* l : {&Label11, &Label12, &Label13, &Label14, &Label15, &Label16, &Label17, &Label18, &Label19,
                     &Label20, &Label21, &Label22, &Label32, &Label33, &Label34, &Label35, &Label36, &Label37,
                     &Label38, &Label39, &Label42, &Label43, &Label44, &Label45, &Label46, &Label51})
        l->setCaption(QString());
}

// ---------------------------------------------------------------- the card

void Form_Aerei::FormToAircraftData() {
    using namespace aircraftcard;
    AircraftData& d = CG().AircraftData;
    d[Nation] = Label11.caption();
    d[Name] = Text1.text();
    d[Maker] = Label13.caption();
    d[Type] = Label14.caption();
    d[Year] = Label15.caption();
    d[Autonomy] = Label32.caption();
    d[Judgement] = Label33.caption();
    d[Attack] = Label34.caption();
    d[Defence] = Label35.caption();
    d[Strafing] = Label39.caption();
    d[BombLoad] = Label36.caption();
    d[Torpedoes] = Label37.caption();
    d[Speed] = Label38.caption();
    d[Cost] = Label22.caption();
    d[Availability] = Label42.caption();
    d[CarrierBorne] = Label44.caption();
    d[Seaplane] = Label45.caption();
    d[Night] = Label46.caption();
    for (int n = 19; n <= 28; ++n) d[n] = QStringLiteral("0");
    d[TorpedoMark] = CG().TorpedoFlag == 1 ? QStringLiteral("S") : QStringLiteral("-");
    d[BomberMark] = CG().BomberFlag == 1 ? QStringLiteral("B") : QStringLiteral("-");
}

void Form_Aerei::WriteAircraftCard() {
    auto& g = CG();
    g.AircraftCardPath = g.AircraftNationFolder + u'\\' +
                         aircraftcard::cardFileName(Label12.caption(), Label14.caption(), Label15.caption());
    FormToAircraftData();
    aircraftcard::writeCard(g.AircraftCardPath, g.AircraftData);
}

void Form_Aerei::AircraftDataToForm() {
    using namespace aircraftcard;
    const AircraftData& d = CG().AircraftData;
    Label11.setCaption(d[Nation]);
    Label12.setCaption(d[Name]);
    Label13.setCaption(d[Maker]);
    Label14.setCaption(d[Type]);
    Label15.setCaption(d[Year]);
    Label32.setCaption(d[Autonomy]);
    Label33.setCaption(d[Judgement]);
    Label34.setCaption(d[Attack]);
    Label35.setCaption(d[Defence]);
    Label39.setCaption(d[Strafing]);
    Label36.setCaption(d[BombLoad]);
    Label37.setCaption(d[Torpedoes]);
    Label38.setCaption(d[Speed]);
    Label22.setCaption(d[Cost]);
    Label42.setCaption(d[Availability]);
    Label44.setCaption(d[CarrierBorne]);
    Label45.setCaption(d[Seaplane]);
    Label46.setCaption(d[Night]);
}
