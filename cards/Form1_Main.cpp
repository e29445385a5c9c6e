#include "Form1_Main.h"

#include "CardGlobals.h"
#include "FormStart.h"

#include "cards/format/ArchiveRecords.h"

#include "platform/Files.h"

#include <set>

using namespace platform;

namespace {
// A missing reference file is named in a message; the window goes on loading.
void runGuarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const FileError& e) {
        showError(e.message());
    }
}

template <class T> void collect(Container& c, std::vector<T*>& out) {
    for (Control* child : c.children()) {
        if (auto* t = dynamic_cast<T*>(child)) out.push_back(t);
        if (auto* inner = dynamic_cast<Container*>(child)) collect(*inner, out);
    }
}
} // namespace

const platform::Layout<Form1_Main>& Form1_Main::layout() {
    using enum Kind;
    using enum On;
    static const Layout<Form1_Main> rows = {
        // clang-format off
        // kind  name         container    left   top  width  height  caption, tool-tip, state at load, events
        {Frame,  "Frame1",    "",          120,   60,  6720,   2460, "Anagrafica Nave", "ATT: - fare un RESET prima di un NUOVO inserimento", Visible},
        {Label,  "Label61",   "Frame1",    120,  330,  1080,    285, "", "", Visible},
        {Text,   "Text1",     "Frame1",   1200,  330,  5340,    315, "", "Nome del CapoClasse  ATT: FARE UN RESET PRIMA DI INSERIRE UN NUOVO RECORD ", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, &Form1_Main::Text1_DblClick}, {Change, &Form1_Main::dataChanged}}},
        {Combo,  "Combo1",    "Frame1",    120,  780,  3240,    315, "", "Tipologia Nave *ATT: LE SIGLE SONO FISSE *", Visible, {{Click, &Form1_Main::Combo1_Click}}},
        {Combo,  "Combo2",    "Frame1",   3480,  780,  3060,    315, "", "Nazionalità *ATT: LE SIGLE SONO FISSE *", Visible, {{Click, &Form1_Main::Combo2_Click}, {Change, &Form1_Main::Combo2_Change}}},
        {Label,  "Label1",    "Frame1",    120, 1260,  5580,    285, "", "", Visible, {{Click, &Form1_Main::Label1_Click}}},
        {Label,  "Label2",    "Frame1",    120, 1680,  5580,    285, "", "Un CLICK e TUTTE le stampe attivate sono stampate (Max 5 per foglio)", Visible, {{Click, &Form1_Main::Label2_Click}}},
        {Image,  "Image2",    "Frame1",   5880, 1440,   480,    480, "", "Ad ogni CLICK si attiva UNA stampa", Visible, {{Click, &Form1_Main::Image2_Click}}},
        {Frame,  "Frame2",    "",         6960,   60,  5700,   2460, "Cantieristica Nave", "", Visible},
        {Label,  "Label4",    "Frame2",    120,  360,  1980,    285, "", "", Visible},
        {Text,   "Text2",     "Frame2",   2160,  330,  1560,    315, "", "Inserire la STAZZA STANDARD - Questo dato è DETERMINANTE !! ", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text2.setText(QString()); }}, {Change, &Form1_Main::Text2_Change}, {KeyPress, digitsOnlyKey}}},
        {Label,  "Label7",    "Frame2",   3840,  360,  1680,    285, "", "Dati reali inseriti", Visible},
        {Label,  "Label5",    "Frame2",    120,  960,  1980,    285, "", "", Visible},
        {Combo,  "Combo5",    "Frame2",   2160,  930,  1560,    315, "", "Massima velocità di superficie dichiarata ", Visible, {{Click, &Form1_Main::Combo5_Click}}},
        {Label,  "Label8",    "Frame2",   3840,  960,  1680,    285, "", "Dati reali inseriti", Visible},
        {Label,  "Label3",    "Frame2",    120, 1560,  1980,    285, "", "", Visible},
        {Combo,  "Combo3",    "Frame2",   2160, 1530,  1560,    315, "", "Anno del Varo del capo classe  (Determina l'Impost. Finale del Progetto)", Visible, {{Click, &Form1_Main::Combo3_Click}}},
        {Label,  "Label6",    "Frame2",   3840, 1560,  1680,    285, "", "Dati reali inseriti", Visible},
        {Frame,  "Frame3",    "",        12780,   60,  2700,   2460, "Resistenza e Antincendio", "", Visible},
        {Label,  "Label9",    "Frame3",    120,  360,  2400,    285, "", "", Visible},
        {Label,  "Label11",   "Frame3",    120,  660,  1200,    375, "", "", Visible},
        {Label,  "Label10",   "Frame3",    120, 1260,  2400,    285, "", "", Visible},
        {Label,  "Label12",   "Frame3",    120, 1560,  1200,    375, "", "", Visible},
        {Frame,  "Frame4",    "",         5940, 2580,  9540,   2820, "Armamento AA - Siluri - BP - Aerei Imb. ", "", Visible},
        {Combo,  "Combo4",    "Frame4",    120,  330,  3360,    315, "", "", Visible, {{Click, &Form1_Main::Combo4_Click}}},
        {Label,  "Label14",   "Frame4",   3600,  330,  3240,    315, "", "", Visible},
        {Text,   "Text6",     "Frame4",   6960,  330,   960,    315, "", "", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text6.setText(QString()); }}, {Change, &Form1_Main::dataChanged}}},
        {Label,  "Label63",   "Frame4",   8040,  360,   840,    285, "", "", Visible},
        {Text,   "Text15",    "Frame4",   8880,  330,   540,    315, "", "", Visible, {{Change, &Form1_Main::dataChanged}, {KeyPress, digitsOnlyKey}}},
        {Combo,  "Combo9",    "Frame4",    120,  720,  1440,    315, "", "", Visible, {{Click, &Form1_Main::Combo9_Click}}},
        {Label,  "Label54",   "Frame4",   1680,  720,   720,    315, "", "", Visible},
        {Label,  "Label16",   "Frame4",   2640,  750,  1560,    285, "", "", Visible},
        {Text,   "Text7",     "Frame4",   4200,  720,   600,    315, "", "", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text7.setText(QString()); }}, {Change, &Form1_Main::Text7_Change}, {KeyPress, digitsOnlyKey}}},
        {Label,  "Label37",   "Frame4",   4860,  720,   600,    315, "", "", Visible},
        {Label,  "Label17",   "Frame4",   5640,  750,  1980,    285, "", "", Visible},
        {Text,   "Text8",     "Frame4",   7620,  720,   300,    315, "", "", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text8.setText(QString()); }}, {Change, &Form1_Main::Text8_Change}, {KeyPress, digitsOnlyKey}}},
        {Label,  "Label38",   "Frame4",   7980,  720,   420,    315, "", "", Visible},
        {Label,  "Label57",   "Frame4",    120, 1200,  6960,    285, "", "", Visible, {{Click, &Form1_Main::Label57_Click}}},
        {Combo,  "Combo10",   "Frame4",    120, 1500,  1800,    315, "Primari", "", Visible, {{Click, [](Form1_Main& f) { f.AaCombo_Click(0); }}}},
        {Combo,  "Combo11",   "Frame4",   2520, 1500,  1800,    315, "Secondari", "", Visible, {{Click, [](Form1_Main& f) { f.AaCombo_Click(1); }}}},
        {Combo,  "Combo12",   "Frame4",   4920, 1500,  1800,    315, "Altri", "", Visible, {{Click, [](Form1_Main& f) { f.AaCombo_Click(2); }}}},
        {Text,   "Text9",     "Frame4",   1980, 1500,   480,    315, "", "", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text9.setText(QString()); }}, {Change, [](Form1_Main& f) { f.AaBarrels_Change(0); }}, {KeyPress, digitsOnlyKey}}},
        {Text,   "Text10",    "Frame4",   4380, 1500,   480,    315, "", "", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text10.setText(QString()); }}, {Change, [](Form1_Main& f) { f.AaBarrels_Change(1); }}, {KeyPress, digitsOnlyKey}}},
        {Text,   "Text11",    "Frame4",   6780, 1500,   480,    315, "", "", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text11.setText(QString()); }}, {Change, [](Form1_Main& f) { f.AaBarrels_Change(2); }}, {KeyPress, digitsOnlyKey}}},
        {Label,  "Label26",   "Frame4",   1980, 1920,   480,    315, "", "", Visible},
        {Label,  "Label55",   "Frame4",   4380, 1920,   480,    315, "", "", Visible},
        {Label,  "Label56",   "Frame4",   6780, 1920,   480,    315, "", "", Visible},
        {Label,  "Label58",   "Frame4",   7140, 1200,  2280,    285, "", "", Visible},
        {Text,   "Text12",    "Frame4",   7320, 1500,   540,    315, "", "", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text12.setText(QString()); }}, {Change, &Form1_Main::Text12_Change}, {KeyPress, digitsOnlyKey}}},
        {Label,  "Label13",   "Frame4",   7920, 1500,   540,    315, "", "", Visible},
        {Label,  "Label59",   "Frame4",   7920, 1920,  1200,    315, "", "", Visible},
        {Frame,  "Frame5",    "",          120, 2580,  5700,   2820, "Artiglierie Principali e Secondarie", "", Visible},
        {Label,  "Label15",   "Frame5",   3240,  270,  2400,    285, "", "", Visible},
        {Combo,  "Combo6",    "Frame5",    120,  600,  1680,    315, "Torri Princ.", "", Visible, {{Click, [](Form1_Main& f) { f.GunCombo_Click(f.Combo6, f.Label18); }}}},
        {Combo,  "Combo7",    "Frame5",    120, 1140,  1680,    315, "Torri Second.", "", Visible, {{Click, [](Form1_Main& f) { f.GunCombo_Click(f.Combo7, f.Label19); }}}},
        {Combo,  "Combo8",    "Frame5",    120, 1680,  1680,    315, "Altre TS", "", Visible, {{Click, [](Form1_Main& f) { f.GunCombo_Click(f.Combo8, f.Label20); }}}},
        {Combo,  "Combo14",   "Frame5",    120, 2220,  1680,    315, "Altre TS", "", Visible, {{Click, [](Form1_Main& f) { f.GunCombo_Click(f.Combo14, f.Label62); }}}},
        {Label,  "Label18",   "Frame5",   1920,  600,  1560,    315, "", "", Visible},
        {Label,  "Label19",   "Frame5",   1920, 1140,  1560,    315, "", "", Visible},
        {Label,  "Label20",   "Frame5",   1920, 1680,  1560,    315, "", "", Visible},
        {Label,  "Label62",   "Frame5",   1920, 2220,  1560,    315, "", "", Visible},
        {Text,   "Text3",     "Frame5",   3600,  600,  1920,    315, "", "Numero Torri e numero  canne per torre", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text3.setText(QString()); }}, {Change, &Form1_Main::dataChanged}}},
        {Text,   "Text4",     "Frame5",   3600, 1140,  1920,    315, "", "es: 4T*2C", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text4.setText(QString()); }}, {Change, &Form1_Main::dataChanged}}},
        {Text,   "Text5",     "Frame5",   3600, 1680,  1920,    315, "", "oppure: 2-3-3-2", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text5.setText(QString()); }}, {Change, &Form1_Main::dataChanged}}},
        {Text,   "Text14",    "Frame5",   3600, 2220,  1920,    315, "", "", Visible, {{Click, &Form1_Main::Rosso}, {DblClick, [](Form1_Main& f) { f.Text14.setText(QString()); }}, {Change, &Form1_Main::dataChanged}}},
        {Frame,  "Frame6",    "",          120, 5460, 11520,   3060, "Protezione (Inserimento dati e ricalcolo valori)", "** Attenzione : Se si cambia la Tipologia Nave in corso di inserimento dati questa area DEVE essere Riverificata ***", Visible},
        {Button, "Command6",  "Frame6",    120,  330,  2760,    375, "Cor. Verticale - VR", "", Visible, {{Click, [](Form1_Main& f) { f.ArmourPrompt(0); }}}},
        {Button, "Command7",  "Frame6",    120,  780,  2760,    375, "Cor. Orizzontale - OR", "", Visible, {{Click, [](Form1_Main& f) { f.ArmourPrompt(1); }}}},
        {Button, "Command8",  "Frame6",    120, 1230,  2760,    375, "Cor. Plancia/TorCom - PL", "", Visible, {{Click, [](Form1_Main& f) { f.ArmourPrompt(2); }}}},
        {Button, "Command9",  "Frame6",    120, 1680,  2760,    375, "Cor. Torri Principali - TP", "", Visible, {{Click, &Form1_Main::Command9_Click}}},
        {Button, "Command10", "Frame6",    120, 2130,  2760,    375, "Cor. Torri Secondarie - TS", "", Visible, {{Click, &Form1_Main::Command10_Click}}},
        {Button, "Command11", "Frame6",    120, 2580,  2760,    375, "Protezioni Speciali", "", Visible, {{Click, &Form1_Main::Command11_Click}}},
        {Label,  "Label21",   "Frame6",   3000,  360,  3120,    315, "", "", Visible},
        {Label,  "Label22",   "Frame6",   3000,  810,  3120,    315, "", "", Visible},
        {Label,  "Label23",   "Frame6",   3000, 1260,  3120,    315, "", "", Visible},
        {Label,  "Label24",   "Frame6",   3000, 1710,  3120,    315, "", "Dati reali inseriti ( il quarto valore 1= Torri Chiuse 0=Torri Aperte)", Visible},
        {Label,  "Label25",   "Frame6",   3000, 2160,  3120,    315, "", "Dati reali inseriti ( il quarto valore 1= Torri Chiuse 0=Torri Aperte)", Visible},
        {Label,  "Label40",   "Frame6",   3000, 2610,  3120,    315, "", "1=Positivo - 0=Negativo - Particolari protezioni ", Visible},
        {Label,  "Label30",   "Frame6",   6240,  360,   720,    315, "", "", Visible},
        {Label,  "Label31",   "Frame6",   6240,  810,   720,    315, "", "", Visible},
        {Label,  "Label32",   "Frame6",   6240, 1260,   720,    315, "", "", Visible},
        {Label,  "Label33",   "Frame6",   6240, 1710,   720,    315, "", "", Visible},
        {Label,  "Label34",   "Frame6",   6240, 2160,   720,    315, "", "", Visible},
        {Label,  "Label27",   "Frame6",   7200,  390,  2400,    285, "", "", Visible},
        {Label,  "Label28",   "Frame6",   7200,  840,  2400,    285, "", "", Visible},
        {Label,  "Label29",   "Frame6",   7200, 1290,  2400,    285, "", "", Visible},
        {Label,  "Label41",   "Frame6",   9660,  360,   720,    315, "", "", Visible},
        {Label,  "Label42",   "Frame6",   9660,  810,   720,    315, "", "", Visible},
        {Label,  "Label43",   "Frame6",   9660, 1260,   720,    315, "", "", Visible},
        {Image,  "Image1",    "Frame6",   9660, 1800,   480,    480, "", "Informazioni", Visible, {{Click, &Form1_Main::Image1_Click}}},
        {Label,  "Label36",   "Frame6",   7200, 2640,  2400,    285, "", "", Visible},
        {Frame,  "Frame7",    "",        15600, 2580,  2940,   2820, "Altri Dati Fissi", "", Visible},
        {Label,  "Label44",   "Frame7",    120,  390,  1800,    285, "", "", Visible},
        {Label,  "Label45",   "Frame7",    120,  870,  1800,    285, "", "", Visible},
        {Label,  "Label46",   "Frame7",    120, 1350,  1800,    285, "", "", Visible},
        {Label,  "Label47",   "Frame7",    120, 1830,  1800,    285, "", "", Visible},
        {Label,  "Label48",   "Frame7",    120, 2310,  1800,    285, "", "", Visible},
        {Label,  "Label49",   "Frame7",   1920,  360,   840,    315, "", "", Visible},
        {Label,  "Label50",   "Frame7",   1920,  840,   840,    315, "", "", Visible},
        {Label,  "Label51",   "Frame7",   1920, 1320,   840,    315, "", "", Visible},
        {Label,  "Label52",   "Frame7",   1920, 1800,   840,    315, "", "", Visible},
        {Label,  "Label53",   "Frame7",   1920, 2280,   840,    315, "", "", Visible},
        {Frame,  "Frame8",    "",        11760, 5460,  6780,   3060, "", "", Visible},
        {Text,   "Text13",    "Frame8",    120,  300,  3000,    315, "", "Scrivere il nome e  inserire ", Visible, {{DblClick, [](Form1_Main& f) { f.Text13.setText(QString()); }}, {Change, &Form1_Main::Text13_Change}}},
        {Button, "Command22", "Frame8",   3240,  270,  2400,    375, "&Inserisci Nuovo Nome", "", Visible, {{Click, &Form1_Main::Command22_Click}}},
        {List,   "List1",     "Frame8",    120,  720,  3360,   2220, "", "Nome delle Navi di questa Classe", Visible, {{Click, &Form1_Main::List1_Click}}},
        {Label,  "Label60",   "Frame8",   3600,  720,  2040,    315, "", "", Visible},
        {Frame,  "Frame9",    "",        15600,   60,  2940,   1140, "Anno dei Dati", " Anno di riferimento dei dati tecnici inseriti ", Visible},
        {Label,  "Label35",   "Frame9",    240,  330,  2460,    600, "", "Il fondo rosso indica che i dati non sono elaborati  - Fare click per la procedura ", Visible, {{Click, &Form1_Main::Label35_Click}, {DblClick, &Form1_Main::Label35_DblClick}}},
        {Frame,  "Frame10",   "",        15600, 1680,  2940,    840, "ATTENZIONE:", "ATTENZIONE SI STA PER ELIMINARE IL RECORD CORRENTE *", Visible},
        {Button, "Command5",  "Frame10",   120,  330,  1500,    405, "&Cancella Record", "", Visible, {{Click, &Form1_Main::Command5_Click}}},
        {Label,  "Label39",   "Frame10",  1680,  420,  1200,    285, "", "", Visible},
        {Combo,  "Combo13",   "",        15600, 1260,  2940,    315, "", "1939 per Default -  La stessa classe può essere salvata con i valori di anni diversi", Visible, {{Click, &Form1_Main::Combo13_Click}}},
        {Button, "Command1",  "",          120, 8640,  2400,    435, "&Salva Nuovo Record", "", Visible, {{Click, &Form1_Main::Command1_Click}}},
        {Button, "Command2",  "",         5160, 8640,  2040,    435, "&ResetForm", "Cancella il FORM e azzera i valori", Visible, {{Click, &Form1_Main::Command2_Click}}},
        {Button, "Command3",  "",         9840, 8640,  1800,    435, "Chiude/&Fine", "", Visible, {{Click, &Form1_Main::Command3_Click}}},
        {Button, "Command4",  "",         2640, 8640,  2400,    435, "&Apri Archivio Record", "I Record salvati NON possono essere modificati - vanno cancellati e risalvati", Visible, {{Click, &Form1_Main::Command4_Click}}},
        {Button, "Command12", "",         7320, 8640,  2400,    435, "Stam&pa Modulo Gioco", "Clicca qui - Poi clicca sulla Bandiera", Visible, {{Click, &Form1_Main::Command12_Click}}},
        {Image,  "Image3",    "",        11880, 8625,   480,    480, "", "CLICK - Attiva tasto CANCELLA RECORD", Visible, {{Click, &Form1_Main::Image3_Click}}},
        {Label,  "Label64",   "",          120, 9180, 18300,    420, "", "", Visible},
        {Label,  "Label65",   "",        12480, 8640,  6060,    480, "", "", Visible},
        // clang-format on
    };
    return rows;
}

Form1_Main::Form1_Main() : Form("Form1_Main") {
    setCaption(QStringLiteral("Torvcard - Genera Schede Navali "));
    // The window is wide enough for the longest torpedo and ship type names in their lists.
    setSize(18660, 9660);
    collect(*this, labels_);
    collect(*this, texts_);
    collect(*this, combos_);

    // Captions lie on their frame; every other label shows a value in a white box.
    const std::set<Label*> captions = {&Label61, &Label4,  &Label5,  &Label3,  &Label9,  &Label10,
                                       &Label15, &Label63, &Label16, &Label17, &Label57, &Label58,
                                       &Label27, &Label28, &Label29, &Label36, &Label44, &Label45,
                                       &Label46, &Label47, &Label48, &Label39, &Label64, &Label65};
    for (Label* l : labels_) {
        if (captions.contains(l)) {
            l->setBackStyle(0);
            continue;
        }
        l->setBorderStyle(1);
        l->setBackColor(vbWhite);
        l->setAlignment(2);
    }
    for (Label* l : {&Label11, &Label12}) l->setFontSize(11);
    Label35.setFontSize(16);
    Label39.setFontSize(7);
    for (Label* l : {&Label11, &Label12, &Label35, &Label39, &Label57, &Label59}) l->setFontBold(true);
    Label39.setForeColor(vbRed);
    for (Label* l : {&Label64, &Label65}) l->setForeColor(0x800000);
    // The torpedo's whole name on one line, and the headings.
    for (Label* l : {&Label14, &Label15, &Label58}) l->setWordWrap(false);
    // Each heading stands over its calibre list.
    Label57.setColumns({0, 2400, 4800});

    for (TextBox* t : {&Text1, &Text13}) t->setMaxLength(30);
    for (TextBox* t : {&Text3, &Text4, &Text5}) t->setMaxLength(11);
    for (TextBox* t : {&Text7, &Text9, &Text10, &Text11, &Text12}) t->setMaxLength(3);
    Text2.setMaxLength(5);
    Text6.setMaxLength(14);
    Text15.setMaxLength(2);
    Text8.setMaxLength(1);
    // Only a pick counts in the gun, torpedo and anti-aircraft lists: a count typed there by
    // mistake would stand in the list, not in its box beside it.
    for (ComboBox* c : {&Combo6, &Combo7, &Combo8, &Combo14, &Combo4, &Combo10, &Combo11, &Combo12})
        c->setPickOnly();
}

void Form1_Main::Form_Load() {
    CardGlobals& g = CG();
    g.CardStored = 0;
    g.CardOpened = 0;
    for (int i = 0; i <= 6; ++i) Combo9.addItem(QString::number(i));
    for (int y = 1938; y <= 1945; ++y) Combo13.addItem(QString::number(y));
    g.DataYear = QStringLiteral("1939");
    ++quiet_;
    ClearMainLabels();
    ClearMainTexts();
    ShowDataYearCaption();
    --quiet_;
    // A missing reference file is named in a message and leaves the editor usable.
    runGuarded([this] { LoadShipRatingTables(); });
    ResetMainCaptions();
    ShowComboPrompts();
    runGuarded([this] { LoadTipologiaNavi(); });
    runGuarded([this] { LoadNazioni(); });
    runGuarded([this] { LoadAnnoVaro(); });
    runGuarded([this] { LoadNodi(); });
    runGuarded([this] { LoadSiluri(); });
    Command1.setEnabled(false);
    Command5.setEnabled(false);
    Command22.setEnabled(false);
    Text8.setLocked(true);
    Image3.loadPicture(g.AppFolder + QStringLiteral("\\Ico\\kvz.ico"));
    Image3.move(11880, 8625, 480, 480);
    Image1.setStretch(true);
    Image1.loadPicture(g.AppFolder + QStringLiteral("\\ArchBmp\\TorvcardNavi.bmp"));
    Image1.move(9660, 1800, 1440, 720);
    showFlag(QStringLiteral("kvz"));
    Rosso();
}

void Form1_Main::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode == vbAppWindows || programEnded()) return;
    const int answer = MsgBox(QStringLiteral("Hai salvato il Record. Sei sicuro?"), vbYesNo + vbExclamation,
                              QStringLiteral("Chiude Progetto Torvcard"));
    if (answer == vbNo) cancel = 1;
}

void Form1_Main::Form_Unload(int&) {
    if (!programEnded()) platform::form<FormStart>().show();
}

void Form1_Main::Command3_Click() {
    unloadForm(*this);
}

void Form1_Main::Rosso() {
    Label35.setBackColor(vbRed);
    updateSaveLine();
}

void Form1_Main::Verde() {
    Label35.setBackColor(vbGreen);
    updateSaveLine();
}

void Form1_Main::updateSaveLine() {
    const SaveState save =
        shipSaveState({ratingAsked_, Label35.backColor() == vbGreen, CG().CardStored == 1,
                       missingRatingEntry(Label7.caption(), Label8.caption(), Label6.caption()), refused_,
                       int(Text1.text().size()), !Label2.caption().isEmpty()});
    Command1.setEnabled(save.enabled);
    saveLine_.show(save.why);
}

void Form1_Main::dataChanged() {
    if (quiet_ == 0) Rosso();
}

void Form1_Main::Label35_Click() {
    CardGlobals& g = CG();
    if (Label35.caption().isEmpty()) return;
    ratingAsked_ = true;
    if (g.CardStored == 1) {
        updateSaveLine(); // not rated again: the line says why
        return;
    }
    for (int i = 1; i <= kShipCardValues; ++i) g.ShipData[i].clear();
    // A refused rating leaves the record red, and the line says why until the next rating; an
    // entry missing is said by its own reason, for as long as it is missing.
    auto refuse = [this](RatingRefusal why) {
        refused_ =
            missingRatingEntry(Label7.caption(), Label8.caption(), Label6.caption()) == MissingEntry::None
                ? why
                : RatingRefusal::None;
        Rosso();
    };
    try {
        ++quiet_;
        struct Leave {
            int& q;
            ~Leave() { --q; }
        } leave{quiet_};
        ComputeShipRatings();
        // A card whose record no campaign could hold is refused here, where its values are
        // shown: it cannot be saved. Without a type the saving says what is missing.
        if (Label1.caption().trimmed().size() >= 2) checkedShipArchiveRecord(g.ShipData);
    } catch (const RangeError&) {
        refuse(RatingRefusal::OutOfScale);
        throw;
    } catch (const FileError&) {
        refuse(RatingRefusal::MissingTable);
        throw;
    }
    // Marked computed only once the rating has gone through.
    refused_ = RatingRefusal::None;
    Verde();
}

void Form1_Main::Label35_DblClick() {
    Rosso();
}

void Form1_Main::Text1_DblClick() {
    Rosso();
    Text1.setText(QString());
}

void Form1_Main::Label1_Click() {
    showHelpText(CG().DataFolder + QStringLiteral("tipologianavitesto.txt"));
}
void Form1_Main::Label57_Click() {
    showHelpText(CG().DataFolder + QStringLiteral("cannoniAAHelp.txt"));
}
void Form1_Main::Image1_Click() {
    showHelpText(CG().DataFolder + QStringLiteral("Abouthelp.txt"));
}

void Form1_Main::showFlag(const QString& iconName) {
    Image2.loadPicture(CG().AppFolder + QStringLiteral("\\Ico\\") + iconName + QStringLiteral(".ico"));
    Image2.move(5880, 1440, 480, 480);
}

void Form1_Main::setEntryEnabled(bool enabled) {
    Text1.setEnabled(enabled);
    Combo1.setEnabled(enabled);
    Combo2.setEnabled(enabled);
    for (Frame* f : {&Frame2, &Frame3, &Frame4, &Frame5, &Frame6}) f->setEnabled(enabled);
}
