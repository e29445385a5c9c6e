#include "Form1_Main.h"

#include "CardGlobals.h"
#include "FormStart.h"

#include "cards/format/ArchiveRecords.h"

#include "platform/Files.h"

using namespace platform;

namespace {
void valueLabel(Label& l, int left, int top, int width, int height = 285) {
    l.move(left, top, width, height);
    l.setBorderStyle(1);
    l.setBackColor(vbWhite);
    l.setAlignment(2);
}

void captionLabel(Label& l, int left, int top, int width, int height = 285) {
    l.move(left, top, width, height);
    l.setBackStyle(0);
}

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

Form1_Main::Form1_Main() : Form("Form1_Main") {
    setCaption(QStringLiteral("Torvcard - Genera Schede Navali "));
    layOut();
    collect(*this, labels_);
    collect(*this, texts_);
    collect(*this, combos_);
    wireEntryHandlers();
    wireCardHandlers();
    Label35.Click = [this] { Label35_Click(); };
    Label35.DblClick = [this] { Label35_DblClick(); };
    Label1.Click = [this] { Label1_Click(); };
    Label57.Click = [this] { Label57_Click(); };
    Image1.Click = [this] { Image1_Click(); };
    Command3.Click = [this] { Command3_Click(); };
}

void Form1_Main::layOut() {
    // The window is wide enough for the longest torpedo and ship type names in their lists.
    setSize(18660, 9660);

    // Frame1: name, type, nation
    Frame1.move(120, 60, 6720, 2460);
    Frame1.setToolTipText(QStringLiteral("ATT: - fare un RESET prima di un NUOVO inserimento"));
    captionLabel(Label61, 120, 330, 1080);
    Text1.move(1200, 330, 5340, 315);
    Text1.setMaxLength(30);
    Text1.setToolTipText(
        QStringLiteral("Nome del CapoClasse  ATT: FARE UN RESET PRIMA DI INSERIRE UN NUOVO RECORD "));
    Combo1.move(120, 780, 3240, 315);
    Combo1.setToolTipText(QStringLiteral("Tipologia Nave *ATT: LE SIGLE SONO FISSE *"));
    Combo2.move(3480, 780, 3060, 315);
    Combo2.setToolTipText(QStringLiteral("Nazionalità *ATT: LE SIGLE SONO FISSE *"));
    valueLabel(Label1, 120, 1260, 5580);
    valueLabel(Label2, 120, 1680, 5580);
    Label2.setToolTipText(
        QStringLiteral("Un CLICK e TUTTE le stampe attivate sono stampate (Max 5 per foglio)"));
    Image2.move(5880, 1440, 480, 480);
    Image2.setToolTipText(QStringLiteral("Ad ogni CLICK si attiva UNA stampa"));

    // Frame2: displacement, speed, launch year
    Frame2.move(6960, 60, 5700, 2460);
    const int rows2[3] = {360, 960, 1560};
    captionLabel(Label4, 120, rows2[0], 1980);
    Text2.move(2160, rows2[0] - 30, 1560, 315);
    Text2.setMaxLength(5);
    Text2.setToolTipText(QStringLiteral("Inserire la STAZZA STANDARD - Questo dato è DETERMINANTE !! "));
    valueLabel(Label7, 3840, rows2[0], 1680);
    captionLabel(Label5, 120, rows2[1], 1980);
    Combo5.move(2160, rows2[1] - 30, 1560, 315);
    Combo5.setToolTipText(QStringLiteral("Massima velocità di superficie dichiarata "));
    valueLabel(Label8, 3840, rows2[1], 1680);
    captionLabel(Label3, 120, rows2[2], 1980);
    Combo3.move(2160, rows2[2] - 30, 1560, 315);
    Combo3.setToolTipText(
        QStringLiteral("Anno del Varo del capo classe  (Determina l'Impost. Finale del Progetto)"));
    valueLabel(Label6, 3840, rows2[2], 1680);
    for (Label* l : {&Label6, &Label7, &Label8}) l->setToolTipText(QStringLiteral("Dati reali inseriti"));

    // Frame3: resistance and fire fighting
    Frame3.move(12780, 60, 2700, 2460);
    captionLabel(Label9, 120, 360, 2400);
    valueLabel(Label11, 120, 660, 1200, 375);
    Label11.setFontSize(11);
    Label11.setFontBold(true);
    captionLabel(Label10, 120, 1260, 2400);
    valueLabel(Label12, 120, 1560, 1200, 375);
    Label12.setFontSize(11);
    Label12.setFontBold(true);

    // Frame9, Combo13, Frame10: data year and delete
    Frame9.move(15600, 60, 2940, 1140);
    Frame9.setToolTipText(QStringLiteral(" Anno di riferimento dei dati tecnici inseriti "));
    valueLabel(Label35, 240, 330, 2460, 600);
    Label35.setFontSize(16);
    Label35.setFontBold(true);
    Label35.setToolTipText(QStringLiteral(
        "Il fondo rosso indica che i dati non sono elaborati  - Fare click per la procedura "));
    Combo13.move(15600, 1260, 2940, 315);
    Combo13.setToolTipText(QStringLiteral(
        "1939 per Default -  La stessa classe può essere salvata con i valori di anni diversi"));
    Frame10.move(15600, 1680, 2940, 840);
    Frame10.setToolTipText(QStringLiteral("ATTENZIONE SI STA PER ELIMINARE IL RECORD CORRENTE *"));
    Command5.move(120, 330, 1500, 405);
    captionLabel(Label39, 1680, 420, 1200);
    Label39.setFontSize(7);
    Label39.setForeColor(vbRed);
    Label39.setFontBold(true);

    // Frame5: guns
    Frame5.move(120, 2580, 5700, 2820);
    captionLabel(Label15, 3240, 270, 2400);
    Label15.setWordWrap(false);
    ComboBox* guns[4] = {&Combo6, &Combo7, &Combo8, &Combo14};
    Label* gunLabels[4] = {&Label18, &Label19, &Label20, &Label62};
    TextBox* mounts[4] = {&Text3, &Text4, &Text5, &Text14};
    const char* gunTexts[4] = {"Torri Princ.", "Torri Second.", "Altre TS", "Altre TS"};
    for (int i = 0; i < 4; ++i) {
        const int y = 600 + i * 540;
        guns[i]->move(120, y, 1680, 315);
        guns[i]->setText(QString::fromUtf8(gunTexts[i]));
        // Only a pick counts in the gun, torpedo and anti-aircraft lists: a count typed there by
        // mistake would stand in the list, not in its box beside it.
        guns[i]->setPickOnly();
        valueLabel(*gunLabels[i], 1920, y, 1560, 315);
        mounts[i]->move(3600, y, 1920, 315);
    }
    Text3.setToolTipText(QStringLiteral("Numero Torri e numero  canne per torre"));
    Text4.setToolTipText(QStringLiteral("es: 4T*2C"));
    Text5.setToolTipText(QStringLiteral("oppure: 2-3-3-2"));
    for (TextBox* t : {&Text3, &Text4, &Text5}) t->setMaxLength(11);

    // Frame4: anti-aircraft weapons, torpedoes, depth charges, aircraft
    Frame4.move(5940, 2580, 9540, 2820);
    Combo4.move(120, 330, 3360, 315);
    Combo4.setPickOnly();
    // The torpedo's whole name on one line.
    valueLabel(Label14, 3600, 330, 3240, 315);
    Label14.setWordWrap(false);
    Text6.move(6960, 330, 960, 315);
    Text6.setMaxLength(14);
    captionLabel(Label63, 8040, 360, 840);
    Text15.move(8880, 330, 540, 315);
    Text15.setMaxLength(2);
    Combo9.move(120, 720, 1440, 315);
    valueLabel(Label54, 1680, 720, 720, 315);
    captionLabel(Label16, 2640, 750, 1560);
    Text7.move(4200, 720, 600, 315);
    Text7.setMaxLength(3);
    valueLabel(Label37, 4860, 720, 600, 315);
    captionLabel(Label17, 5640, 750, 1980);
    Text8.move(7620, 720, 300, 315);
    Text8.setMaxLength(1);
    valueLabel(Label38, 7980, 720, 420, 315);
    captionLabel(Label57, 120, 1200, 6960);
    Label57.setFontBold(true);
    // Each heading stands over its calibre list.
    Label57.setColumns({0, 2400, 4800});
    ComboBox* aa[3] = {&Combo10, &Combo11, &Combo12};
    TextBox* barrels[3] = {&Text9, &Text10, &Text11};
    Label* aaValues[3] = {&Label26, &Label55, &Label56};
    const char* aaTexts[3] = {"Primari", "Secondari", "Altri"};
    for (int i = 0; i < 3; ++i) {
        const int x = 120 + i * 2400;
        aa[i]->move(x, 1500, 1800, 315);
        aa[i]->setText(QString::fromUtf8(aaTexts[i]));
        aa[i]->setPickOnly();
        barrels[i]->move(x + 1860, 1500, 480, 315);
        barrels[i]->setMaxLength(3);
        valueLabel(*aaValues[i], x + 1860, 1920, 480, 315);
    }
    captionLabel(Label58, 7140, 1200, 2280);
    Label58.setWordWrap(false);
    Text12.move(7320, 1500, 540, 315);
    Text12.setMaxLength(3);
    valueLabel(Label13, 7920, 1500, 540, 315);
    valueLabel(Label59, 7920, 1920, 1200, 315);
    Label59.setFontBold(true);

    // Frame6: protection
    Frame6.move(120, 5460, 11520, 3060);
    Frame6.setToolTipText(
        QStringLiteral("** Attenzione : Se si cambia la Tipologia Nave in corso di inserimento dati "
                       "questa area DEVE essere Riverificata ***"));
    CommandButton* armour[6] = {&Command6, &Command7, &Command8, &Command9, &Command10, &Command11};
    Label* entered[6] = {&Label21, &Label22, &Label23, &Label24, &Label25, &Label40};
    Label* rated[5] = {&Label30, &Label31, &Label32, &Label33, &Label34};
    for (int i = 0; i < 6; ++i) {
        const int y = 330 + i * 450;
        armour[i]->move(120, y, 2760, 375);
        valueLabel(*entered[i], 3000, y + 30, 3120, 315);
        if (i < 5) valueLabel(*rated[i], 6240, y + 30, 720, 315);
    }
    Label24.setToolTipText(
        QStringLiteral("Dati reali inseriti ( il quarto valore 1= Torri Chiuse 0=Torri Aperte)"));
    Label25.setToolTipText(
        QStringLiteral("Dati reali inseriti ( il quarto valore 1= Torri Chiuse 0=Torri Aperte)"));
    Label40.setToolTipText(QStringLiteral("1=Positivo - 0=Negativo - Particolari protezioni "));
    Label* others[3] = {&Label27, &Label28, &Label29};
    Label* otherValues[3] = {&Label41, &Label42, &Label43};
    for (int i = 0; i < 3; ++i) {
        captionLabel(*others[i], 7200, 390 + i * 450, 2400);
        valueLabel(*otherValues[i], 9660, 360 + i * 450, 720, 315);
    }
    Image1.move(9660, 1800, 480, 480);
    Image1.setToolTipText(QStringLiteral("Informazioni"));
    captionLabel(Label36, 7200, 2640, 2400);

    // Frame7: other fixed values
    Frame7.move(15600, 2580, 2940, 2820);
    Label* fixedCaptions[5] = {&Label44, &Label45, &Label46, &Label47, &Label48};
    Label* fixedValues[5] = {&Label49, &Label50, &Label51, &Label52, &Label53};
    for (int i = 0; i < 5; ++i) {
        captionLabel(*fixedCaptions[i], 120, 390 + i * 480, 1800);
        valueLabel(*fixedValues[i], 1920, 360 + i * 480, 840, 315);
    }

    // Frame8: ship names
    Frame8.move(11760, 5460, 6780, 3060);
    Text13.move(120, 300, 3000, 315);
    Text13.setMaxLength(30);
    Text13.setToolTipText(QStringLiteral("Scrivere il nome e  inserire "));
    Command22.move(3240, 270, 2400, 375);
    List1.move(120, 720, 3360, 2220);
    List1.setToolTipText(QStringLiteral("Nome delle Navi di questa Classe"));
    valueLabel(Label60, 3600, 720, 2040, 315);

    // Commands
    const int yc = 8640;
    Command1.move(120, yc, 2400, 435);
    Command4.move(2640, yc, 2400, 435);
    Command4.setToolTipText(
        QStringLiteral("I Record salvati NON possono essere modificati - vanno cancellati e risalvati"));
    Command2.move(5160, yc, 2040, 435);
    Command2.setToolTipText(QStringLiteral("Cancella il FORM e azzera i valori"));
    Command12.move(7320, yc, 2400, 435);
    Command12.setToolTipText(QStringLiteral("Clicca qui - Poi clicca sulla Bandiera"));
    Command3.move(9840, yc, 1800, 435);
    Image3.move(11880, yc - 15, 480, 480);
    Image3.setToolTipText(QStringLiteral("CLICK - Attiva tasto CANCELLA RECORD"));
    captionLabel(Label64, 120, 9180, 18300, 420);
    captionLabel(Label65, 12480, 8640, 6060, 480);
    Label65.setForeColor(0x800000);
    Label64.setForeColor(0x800000);
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
    Combo1.setText(QStringLiteral("TIPOLOGIA NAVE"));
    Combo2.setText(QStringLiteral("NAZIONE"));
    Combo4.setText(QStringLiteral("SILURI"));
    Combo9.setText(QStringLiteral("Lancia BTG"));
    Combo13.setText(QStringLiteral("Anno Dati"));
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
    Command1.setEnabled(false);
}

void Form1_Main::Verde() {
    Label35.setBackColor(vbGreen);
    const CardGlobals& g = CG();
    if (Text1.text().size() > 1 && !Label2.caption().isEmpty() && g.CardStored == 0)
        Command1.setEnabled(true);
}

void Form1_Main::dataChanged() {
    if (quiet_ == 0) Rosso();
}

void Form1_Main::Label35_Click() {
    CardGlobals& g = CG();
    if (Label35.caption().isEmpty() || g.CardStored == 1) return;
    for (int i = 1; i <= kShipCardValues; ++i) g.ShipData[i].clear();
    ++quiet_;
    struct Leave {
        int& q;
        ~Leave() { --q; }
    } leave{quiet_};
    ComputeShipRatings();
    // A card whose record no campaign could hold is refused here, where its values are shown,
    // and stays red: it cannot be saved. Without a type the saving says what is missing.
    if (Label1.caption().trimmed().size() >= 2) checkedShipArchiveRecord(g.ShipData);
    // Marked computed only once the rating has gone through; a refused rating stays red.
    Verde();
}

void Form1_Main::Label35_DblClick() {
    Rosso();
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
