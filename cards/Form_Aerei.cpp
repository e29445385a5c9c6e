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

const platform::Layout<Form_Aerei>& Form_Aerei::layout() {
    using enum Kind;
    using enum On;
    static const Layout<Form_Aerei> rows = {
        // clang-format off
        // kind  name          container    left   top  width  height  caption, tool-tip, state at load, events
        {Frame,  "Frame1",     "",          120,   60,  6720,   3840, "Anagrafica", "", Visible},
        {Label,  "Label48",    "Frame1",    240,  360,  3120,    225, "NAZIONALITA'", "", Visible},
        {Label,  "Label49",    "Frame1",    240, 1410,  3000,    225, "FABBRICA", "", Visible},
        {Label,  "Label50",    "Frame1",   3300, 1410,  3240,    225, "TIPOLOGIA", "", Visible},
        {Combo,  "Combo2",     "Frame1",    240,  585,  3120,    315, "", "NAZIONALITA'", Visible, {{Click, &Form_Aerei::Combo2_Click}, {Change, &Form_Aerei::Combo2_Change}}},
        {Image,  "Image1",     "Frame1",   3600,  420,   480,    480, "", "", Visible},
        {Text,   "Text1",      "Frame1",    240, 1020,  6240,    315, "", "NOME UFFICIALE / NOME IN  CODICE", Disabled, {{DblClick, [](Form_Aerei& f) { f.Text1.setText(QString()); }}, {Change, &Form_Aerei::Text1_Change}}},
        {Combo,  "Combo1",     "Frame1",    240, 1635,  3000,    315, "", "FABBRICA", Visible, {{Click, &Form_Aerei::Combo1_Click}}},
        {Combo,  "Combo3",     "Frame1",   3300, 1635,  3240,    315, "", "TIPOLOGIA", Visible, {{Click, &Form_Aerei::Combo3_Click}}},
        {Check,  "Check3",     "Frame1",    240, 2370,  3000,    285, " Imbarcato su unità da guerra", "", Visible, {{Click, &Form_Aerei::Check3_Click}}},
        {Check,  "Check4",     "Frame1",   3360, 2370,  3000,    285, "Solo Idro (senza ruote)", "", Visible, {{Click, &Form_Aerei::Check4_Click}}},
        {Label,  "Label9",     "Frame1",    240, 2790,  2400,    255, "ANNO di entrata in servizio", "", Visible},
        {Combo,  "Combo11",    "Frame1",   2700, 2730,  1200,    315, "", "ENTRATA IN SERVIZIO", Visible, {{Click, &Form_Aerei::Combo11_Click}}},
        {Label,  "Label8",     "Frame1",    240, 3150,  6240,    255, "Autonomia in Km  -  dati ufficiali -      Velocità Kmh", "", Visible},
        {Text,   "Text2",      "Frame1",    240, 3420,  1800,    315, "", "AUTONOMIA REALE IN KM (senza punteggiatura od altro)", Visible, {{DblClick, [](Form_Aerei& f) { f.Text2.setText(QString()); }}, {Change, &Form_Aerei::Text2_Change}, {KeyPress, digitsOnlyKey}}},
        {Text,   "Text4",      "Frame1",   3360, 3420,  1800,    315, "", "VELOCITA' REALE IN KMH", Visible, {{DblClick, [](Form_Aerei& f) { f.Text4.setText(QString()); }}, {Change, &Form_Aerei::Text4_Change}, {KeyPress, digitsOnlyKey}}},
        {Option, "Option1(0)", "Frame1",    240, 2040,  1500,    285, "notturno SI", "", Visible, {{Click, &Form_Aerei::Option1_Click}}},
        {Option, "Option1(1)", "Frame1",   1800, 2040,  1500,    285, "notturno NO", "", Set, {{Click, &Form_Aerei::Option1_Click}}},
        {Frame,  "Frame2",     "",          120, 3960,  6720,    900, "Giudizio ", "", Visible},
        {Button, "Command1",   "Frame2",    240,  360,  2640,    435, "L'esperto dice........", "ESPRIMIAMO UN GIUDIZIO DA TECNICI", Visible, {{Click, &Form_Aerei::Command1_Click}}},
        {Label,  "Label10",    "Frame2",   3120,  390,   720,    375, "", "MEDIA GIUDIZIO FINALE", Visible, {{Click, &Form_Aerei::Label10_Click}, {Change, &Form_Aerei::Label10_Change}}},
        {Label,  "Label25",    "Frame2",   3960,  450,   900,    255, "su 14", "Votazione massima", Visible},
        {Frame,  "Frame3",     "",          120, 4920,  6720,   3840, "Armamento e Carico", "ATTENZIONE: Ri-inserire l'armamento dopo ogni variazione.", Visible},
        {Combo,  "Combo4",     "Frame3",    240,  420,   900,    315, "", "CANNONI", Visible, {{Click, [](Form_Aerei& f) { f.WeaponCount_Click(1); }}}},
        {Combo,  "Combo5",     "Frame3",    240,  825,   900,    315, "", "CANNONI", Visible, {{Click, [](Form_Aerei& f) { f.WeaponCount_Click(2); }}}},
        {Combo,  "Combo6",     "Frame3",    240, 1230,   900,    315, "", "CANNONI", Visible, {{Click, [](Form_Aerei& f) { f.WeaponCount_Click(3); }}}},
        {Combo,  "Combo7",     "Frame3",    240, 1635,   900,    315, "", "CANNONI", Visible, {{Click, [](Form_Aerei& f) { f.WeaponCount_Click(4); }}}},
        {Combo,  "Combo8",     "Frame3",    240, 2040,   900,    315, "", "CANNONI", Visible, {{Click, [](Form_Aerei& f) { f.WeaponCount_Click(5); }}}},
        {Combo,  "Combo9",     "Frame3",    240, 2445,   900,    315, "", "MITRAGLIATRICI LEGGERE ", Visible, {{Click, [](Form_Aerei& f) { f.WeaponCount_Click(6); }}}},
        {Label,  "Label1",     "Frame3",   1260,  465,  3000,    255, "  Cann. Oltre 37mm          x 2.9", "COEFFICENTE PER CANNONE", Visible},
        {Label,  "Label2",     "Frame3",   1260,  870,  3000,    255, "  da 33mm a 37mm          x 2.6", "COEFFICENTE PER CANNONE", Visible},
        {Label,  "Label3",     "Frame3",   1260, 1275,  3000,    255, "  da 28mm a 32mm          x 2.4", "COEFFICENTE PER CANNONE", Visible},
        {Label,  "Label4",     "Frame3",   1260, 1680,  3000,    255, "  da 21mm a 27mm          x 2.1", "COEFFICENTE PER CANNONE", Visible},
        {Label,  "Label5",     "Frame3",   1260, 2085,  3000,    255, "  da 15mm a 20mm          x 1.8", "COEFFICENTE PER CANNONE", Visible},
        {Label,  "Label6",     "Frame3",   1260, 2490,  3000,    255, "  Mitragliatrici Legg.         x 1.2", "COEFFICENTE PER MITRAGLIATRICE", Visible},
        {Label,  "Label7",     "Frame3",    240, 2940,  6000,    255, "    Kg. Bombe                                  Num.Siluri", "", Visible},
        {Text,   "Text3",      "Frame3",    240, 3240,  1500,    315, "", "CARICO BELLICO IN KG (senza punti ecc)", Visible, {{DblClick, [](Form_Aerei& f) { f.Text3.setText(QString()); }}, {Change, &Form_Aerei::Text3_Change}, {KeyPress, digitsOnlyKey}}},
        {Combo,  "Combo10",    "Frame3",   2820, 3240,   900,    315, "", "SILURI IMBARCATI", Visible, {{Click, &Form_Aerei::Combo10_Click}}},
        {Check,  "Check2",     "Frame3",   4500,  840,  2000,    285, "Bombardiere", "Solo per gli aerei che hanno operato da bombardieri", Visible, {{Click, &Form_Aerei::Check2_Click}}},
        {Check,  "Check1",     "Frame3",   4500, 1260,  2000,    285, "Silurante", "Solo per gli aerei che potevano imbarcare siluri", Visible, {{Click, &Form_Aerei::Check1_Click}}},
        {List,   "List1",      "",          120,  120,  6720,   8640, "", "Lista degli aerei selezionati", Hidden, {{Click, &Form_Aerei::List1_Click}}},
        {List,   "List2",      "",          120,  120,  6720,   1000, "", "", Hidden},
        {Frame,  "Frame4",     "",         6960,   60,  8370,   7020, "Riepilogo Dati elaborati", "", Visible},
        {Image,  "Image2",     "Frame4",    240,  300,   480,    480, "", "OGNI CLICK AGGIUNGE UN RECORD", Disabled, {{Click, &Form_Aerei::Image2_Click}}},
        {Label,  "Label43",    "Frame4",    840,  420,   600,    285, "", "Totale linee inviate alla stampa", Visible},
        {Label,  "Label11",    "Frame4",   1560,  390,  5520,    330, "", "", Visible},
        {Image,  "Image3",     "Frame4",   7560,  300,   480,    480, "", "UN CLICK E STAMPA TUTTA LA LISTA", Disabled, {{Click, &Form_Aerei::Image3_Click}}},
        {Label,  "Label12",    "Frame4",    240,  900,  7800,    375, "", "", Visible},
        {Label,  "Label13",    "Frame4",    240, 1290,  7800,    285, "", "", Visible},
        {Label,  "Label14",    "Frame4",    240, 1590,  7800,    285, "", "", Visible},
        {Label,  "Label44",    "Frame4",    240, 1890,  3600,    285, "", "", Visible},
        {Label,  "Label45",    "Frame4",   4440, 1890,  3600,    285, "", "", Visible},
        {Label,  "Label15",    "Frame4",    240, 2190,  2400,    285, "", "", Visible},
        {Label,  "Label23",    "Frame4",    240, 2580,  7800,    255, " DATI INSERITI                                                     DATI ELABORATI", "", Visible},
        {Label,  "Label47",    "Frame4",   1800, 2910,  3600,    255, "VOLO NOTTURNO  si/no", "", Visible},
        {Label,  "Label46",    "Frame4",   6360, 2910,  1200,    255, "", "", Visible},
        {Label,  "Label16",    "Frame4",    240, 3240,  1320,    300, "", "", Visible},
        {Label,  "Label17",    "Frame4",    240, 3615,  1320,    300, "", "", Visible},
        {Label,  "Label18",    "Frame4",    240, 3990,  1320,    300, "", "", Visible},
        {Label,  "Label19",    "Frame4",    240, 5115,  1320,    300, "", "", Visible},
        {Label,  "Label20",    "Frame4",    240, 5490,  1320,    300, "", "", Visible},
        {Label,  "Label21",    "Frame4",    240, 5865,  1320,    300, "", "", Visible},
        {Label,  "Label22",    "Frame4",    240, 6240,  1320,    300, "", "", Visible},
        {Label,  "Label24",    "Frame4",   1680, 3270,  4560,    270, "AUTONOM. Turni Auton >  TA", "", Visible},
        {Label,  "Label26",    "Frame4",   1680, 3645,  4560,    270, "GIUDIZIO                        >  GI", "", Visible},
        {Label,  "Label27",    "Frame4",   1680, 4020,  4560,    270, "ARMAMENTO     Fatt.att. > FA", "Valore di Attacco Ottimale", Visible},
        {Label,  "Label28",    "Frame4",   1680, 4395,  4560,    270, "  Fatt. difesa > FD", "Valore di attacco penalizzato", Visible},
        {Label,  "Label29",    "Frame4",   1680, 4770,  4560,    270, "Peso Mitragliamento >  PM", "Fattore del Peso colpi al mitragliamento", Visible},
        {Label,  "Label30",    "Frame4",   1680, 5145,  4560,    270, "BOMBE       Carico Differ. > CD", "", Visible},
        {Label,  "Label31",    "Frame4",   1680, 5520,  4560,    270, "SILURI IMBARCATI          > SL", "", Visible},
        {Label,  "Label40",    "Frame4",   1680, 5895,  4560,    270, "VELOCITA' ORARIA         > KM", "", Visible},
        {Label,  "Label41",    "Frame4",   1680, 6270,  4560,    270, "< COSTO   *    DISPONIBILITA' > ", "", Visible},
        {Label,  "Label32",    "Frame4",   6360, 3240,  1200,    300, "", "", Visible},
        {Label,  "Label33",    "Frame4",   6360, 3615,  1200,    300, "", "", Visible},
        {Label,  "Label34",    "Frame4",   6360, 3990,  1200,    300, "", "", Visible},
        {Label,  "Label35",    "Frame4",   6360, 4365,  1200,    300, "", "", Visible},
        {Label,  "Label39",    "Frame4",   6360, 4740,  1200,    300, "", "", Visible},
        {Label,  "Label36",    "Frame4",   6360, 5115,  1200,    300, "", "", Visible},
        {Label,  "Label37",    "Frame4",   6360, 5490,  1200,    300, "", "", Visible},
        {Label,  "Label38",    "Frame4",   6360, 5865,  1200,    300, "", "", Visible},
        {Label,  "Label42",    "Frame4",   6360, 6240,  1200,    300, "", "", Visible},
        {Frame,  "Frame5",     "",         6960, 7200,  4080,    900, "Gestione File", "", Visible},
        {Button, "Command5",   "Frame5",    240,  360,  1680,    435, "Apri File", "", Visible, {{Click, &Form_Aerei::Command5_Click}}},
        {Button, "Command6",   "Frame5",   2100,  360,  1740,    435, "Elimina File", "", Disabled, {{Click, &Form_Aerei::Command6_Click}}},
        {Button, "Command2",   "",        11280, 7260,  1800,    435, "Salva", "", Disabled, {{Click, &Form_Aerei::Command2_Click}}},
        {Button, "Command3",   "",        13260, 7260,  2040,    435, "Reset Form", "", Visible, {{Click, &Form_Aerei::Command3_Click}}},
        {Button, "Command4",   "",        11280, 7800,  1800,    435, "Stampa 4 Moduli", "STAMPA 4 MODULI DELL'ULTIMO RECOD EVIDENZIATO SOPRA", Disabled, {{Click, &Form_Aerei::Command4_Click}}},
        {Button, "Command7",   "",        13260, 8880,  2040,    435, "Chiude", "", Visible, {{Click, &Form_Aerei::Command7_Click}}},
        {Button, "Command8",   "",        13260, 7800,  2040,    435, "StampaLista", "Attiva la stampa di una lista  - Bandiera a sinistra per aggiungere recorda -Bandiera a destra per stampare", Disabled, {{Click, &Form_Aerei::Command8_Click}}},
        {Label,  "Label51",    "",         6960, 8340,  6180,    540, "", "", Visible},
        // clang-format on
    };
    return rows;
}

Form_Aerei::Form_Aerei() : Form("Form_Aerei") {
    setCaption(QStringLiteral("Genera Schede Aerei"));
    setSize(15450, 9720);
    setFixedBorder(true);

    for (Image* i : {&Image1, &Image2, &Image3}) i->setStretch(true);
    for (Label* caption : {&Label48, &Label49, &Label50}) caption->setFontSize(7);
    Text2.setMaxLength(5);
    Text4.setMaxLength(5);
    Label10.setAlignment(2);
    Label10.setBorderStyle(1);
    Label10.setBackColor(vbRed);

    Label11.setAlignment(2);
    Label12.setFontSize(12);
    Label15.setForeColor(RGB(128, 0, 0));
    // The summary table: entered values on the left, rated values on the right.
    for (Label* entered : {&Label16, &Label17, &Label18, &Label19, &Label20, &Label21, &Label22}) {
        entered->setBorderStyle(1);
        entered->setBackColor(vbWhite);
    }
    for (Label* rated :
         {&Label32, &Label33, &Label34, &Label35, &Label39, &Label36, &Label37, &Label38, &Label42}) {
        rated->setBorderStyle(1);
        rated->setBackColor(vbWhite);
        rated->setAlignment(2);
        if (rated != &Label42) rated->setForeColor(vbRed);
    }
    for (Label* l : {&Label10, &Label11, &Label12, &Label15, &Label23, &Label22, &Label32, &Label33, &Label34,
                     &Label35, &Label39, &Label36, &Label37, &Label38})
        l->setFontBold(true);

    // Captions without a border take the colour of their frame.
    for (Container* c : std::initializer_list<Container*>{&Frame1, &Frame2, &Frame3, &Frame4})
        for (Control* child : c->children())
            if (auto* l = dynamic_cast<Label*>(child); l && l->borderStyle() == 0) l->setBackStyle(0);
}

ComboBox& Form_Aerei::weaponList(int weaponClass) {
    ComboBox* lists[] = {&Combo4, &Combo5, &Combo6, &Combo7, &Combo8, &Combo9};
    return *lists[weaponClass - 1];
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
    // The name comes next: the line under the commands says so while "Salva" waits for it.
    updateSaveCommand();
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
    const SaveState save =
        rating::saveState({int(Label12.caption().size()), Text1.enabled() && Frame1.visible(),
                           autonomyRefused_, autonomyMissing_, loadRefused_});
    Command2.setEnabled(save.enabled);
    // The line under the commands says why "Salva" is grey; where the last card went stays on it
    // until then.
    saveLine_.show(save.why);
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

void Form_Aerei::Check1_Click() {
    if (Check1.value() != CG().TorpedoFlag) Check1.setValue(CG().TorpedoFlag);
}

void Form_Aerei::Check2_Click() {
    if (Check2.value() != CG().BomberFlag) Check2.setValue(CG().BomberFlag);
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
    saveLine_.saved(g.AircraftCardPath);
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
                     &Label38, &Label39, &Label42, &Label43, &Label44, &Label45, &Label46})
        l->setCaption(QString());
    saveLine_.clear();
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
