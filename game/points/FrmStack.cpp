#include "FrmStack.h"

#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/NavalGroupValues.h"
#include "common/Pictures.h"
#include "common/RecordFiles.h"
#include "platform/Dialogs.h"

using namespace platform;
using namespace supervisor;

namespace {
namespace F = recordformat::ship;

struct Caption {
    const char* text;
    const char* tip;
};
const Caption kGroupCaptions[kGroupColumns] = {
    {"ATTIVO", ""},
    {"VEL. NODI MASSIMA", ""},
    {"EVV", ""},
    {"NUM.NAVI", ""},
    {"INCENDI ATTIVI", ""},
    {"OPERAT. MINIMA", ""},
    {"ORDINE ", "1=Transito 2=Appoggio 3=Interc/Attacca 4=Bombardamento 5= Agguato"},
    {"CAP (NUM.AEREI)", ""},
    {"RADAR (NUM. NAVI)", ""},
    {"QUOTA PERISC 1=Si", ""},
    {"RIF/SOCCORSO N=N°", "Numero Navi impegnate in Rif o soccorso"},
    {"LIVELLO CAP (1.2.3.4)", "Sulla base degli aerei propri del GN"},
    {"NON OPER 1=No", "Causa danni a RUNTIME"},
    {"VEL. NODI EROGATA", ""},
    {"1=ALLE 2=ASSE", ""},
    {"NAV FUORI MAPPA", ""},
    {"1=Gib  2=Aless", ""},
    {"1=Visto 2=Contat 3=aer", ""},
    {"1=NAVIGA", ""},
    {"PORTOAMICO =1", ""},
    {"INDICE PORTO ATT", ""},
    {"N° GN da Interc/att", ""},
    {"TRN Interc/Att (4 Mx)", ""},
    {"TOT.TURN DI NAVIG", ""},
    {"X ATTUALE", ""},
    {"Y ATTUALE", ""},
    {"VELOC. TWEEP", ""},
    {"DIREZIONE ROTTA", "1=no 2=n 3=ne 4=o 5=e 6=so 7=s 8=se"},
    {"ORE ROTTA", ""},
    {"EXTRA CONSUMO", ""},
    {"CONSUMO REG", ""},
    {"COLP DA MINE  1=SI", ""},
    {"Base Sotto Bomb Nav", ""},
    {"NN", ""},
    {"PA PL", ""},
    {"NB IB IP IL", ""},
    {"CT", ""},
    {"NM NL", ""},
    {"SA SC", ""},
    {"ALTRE", ""},
    {"TOT. GLOBALE RUN", "Tutti i TRN trascorsi dalla creazione del gn"},
    {"Tot AAM", ""},
    {"Tot AAC", ""},
    {"NN", ""},
    {"NazAsse 1=it 2=de", ""},
    {"Y ARRIVO GIBAL", ""},
    {"NN", ""},
    {"NN", ""},
    {"NN", ""},
    {"(49) GA IN CAP", ""},
};

const Caption kShipCaptions[kShipLabels] = {
    {"CLASSE", ""},
    {"NOME", ""},
    {"TIPO", ""},
    {"NAZIONE", ""},
    {"STAZZA", ""},
    {"ANNODATI", ""},
    {"NODI", ""},
    {"OPERATIVITA", ""},
    {"DIR.TIRO", ""},
    {"CARGO", ""},
    {"COSTO", ""},
    {"RESISTENZA", ""},
    {"C.A.INCENDI", ""},
    {"AEREI", ""},
    {"RADAR", ""},
    {"AAM", ""},
    {"AAC", ""},
    {"ST18 (canc= XXX)", ""},
    {"MISSIONE", ""},
    {"STATUS", ""},
    {"NODIM", ""},
    {"OPERATIVITAM", ""},
    {"D.TIROM", ""},
    {"CARGOM", ""},
    {"RESISTENZAM", ""},
    {"C.A.INCENDIM", ""},
    {"AEREIM", ""},
    {"RADARM", ""},
    {"AAMM", ""},
    {"AACM", ""},
    {"INCENDI ATTIVI", ""},
    {"ST32(cod Portaerei)", "Per il file aerei"},
    {"ST33 (1=AFF/AZI)", ""},
    {"NUMERO  GN", ""},
    {"PORTO", ""},
    {"ST36 (oper dec aerei)", "Ogni 20 aerei dec 1 punto opera/nave speso"},
    {"(st37)IN  RIF/SOCC", ""},
    {"(st38)NON OP 1=no", "1=NON Operativa  2=Buona"},
    {"MA Movim.Aerei", ""},
    {"MAM", ""},
};

// The rows of the ship view below class and name: the base values on the left, each current value
// on the right on the row of its base value.
constexpr int kLeftRows[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 38};
constexpr int kRightRows[] = {30, 31, 32, 35, 20, 21, 22, 23, 36, 24, 25, 26, 27, 28, 29, 34, 33, 37, 39};

const char* const kStatusTips[kStatusPlaces] = {"Locazione", "Attività", "Incendi e Danni", "Riparazioni",
                                                "Persa"};

const QString kWarning = QStringLiteral(
    "GESTIONE dei GN (Gruppi Navali) e delle NAVI  -  La modifica dei VALORI può causare danni al TUTOR. Si "
    "raccomanda di eseguire questa operazione solo in casi eccezionali e con la dovuta attenzione. I "
    "giocatori "
    "non devono accedere a quest funzione. NON E' POSSIBILE MODIFICARE I VALORI DI DEFAULT.");

constexpr long kDarkRed = 0xC0;
constexpr long kWhite = 0xFFFFFF;
constexpr int kGroupRowTop = 600;
constexpr int kGroupRowStep = 315;
constexpr int kShipRowTop = 1020;
constexpr int kShipRowStep = 400;
} // namespace

FrmStack::FrmStack() : FormWith("FrmStack") {
    setCaption("FrmStack");
    setSize(15600, 10140);
    setFixedBorder(true);

    Frame1.move(120, 60, 4800, 6480);
    Option1.move(240, 330, 1200, 300);
    Option2.move(240, 750, 1200, 300);
    Image1.move(1500, 240);
    Image2.move(1500, 660);
    Command5.move(2640, 360, 1980, 600);
    Command5.setEnabled(false);
    Label5.move(240, 1200, 4400, 285);
    Combo1.move(240, 1500, 2100, 315);
    Combo2.move(2460, 1500, 2160, 315);
    Label4.move(240, 1920, 4400, 285);
    List1.move(240, 2220, 4380, 3540);
    Label9.move(240, 5820, 4380, 540);
    Label9.setWordWrap(true);

    Frame4.move(120, 6660, 4800, 1620);
    Command1.move(240, 420, 2160, 480);
    Command2.move(2520, 420, 1080, 480);
    Label11.move(3780, 480, 840, 315);
    Label11.setBorderStyle(1);
    Label11.setAlignment(2);
    Label11.setToolTipText("indice oggetto");
    Frame5.move(120, 6660, 4800, 1620);
    Label12.move(240, 330, 4320, 285);
    Label12.setBorderStyle(1);
    Text2.move(240, 720, 1500, 315);
    Command3.move(240, 1140, 2400, 375);
    Command4.move(2760, 1140, 1200, 375);

    Frame6.move(120, 8400, 4800, 960);
    for (int i = 0; i < kStatusPlaces; ++i) {
        Image& icon = Image3.add(i, Frame6, "Image3");
        icon.move(360 + 900 * i, 330, 480, 480);
        icon.setToolTipText(kStatusTips[i]);
    }

    Label10.move(120, 9420, 15360, 600);
    Label10.setWordWrap(true);
    Label10.setFontBold(true);
    Label10.setCaption(kWarning);

    buildGroupFrame();
    buildShipFrame();
    for (Frame* f : {&Frame2, &Frame3, &Frame4, &Frame5}) f->setVisible(false);

    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Combo1.Click = [this] { Combo1_Click(); };
    Combo2.Click = [this] { Combo2_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    List1.Click = [this] { List1_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Text2.KeyPress = [this](int& key) { Text2_KeyPress(key); };
    Text2.DblClick = [this] { Text2_DblClick(); };
}

void FrmStack::buildGroupFrame() {
    Frame2.move(5040, 60, 10440, 9300);
    Label3.move(120, 330, 10200, 255);
    Label3.setCaption("  NOME CAMPO      VALORI                  NOME CAMPO       VALORI");
    for (int i = 0; i < kGroupColumns; ++i) {
        const bool left = i <= 25;
        const int top = kGroupRowTop + kGroupRowStep * (left ? i : i - 26);
        const int x = left ? 120 : 5280;
        Label& caption = Label1.add(i, Frame2, "Label1", kGroupCaptions[i].text);
        caption.move(x, top, 2800, 285);
        caption.setToolTipText(kGroupCaptions[i].tip);
        Label& value = Label2.add(i, Frame2, "Label2");
        value.move(x + 2880, top, 1500, 285);
        value.setBorderStyle(1);
        value.setAlignment(1);
        value.Click = [this, i] { Label2_Click(i); };
    }
    Label8.move(120, 8820, 10200, 420);
    Label8.setWordWrap(true);
    Label8.setCaption(
        "Con un click aprire i campi in rosso e dalla finestra INPUT inserire il nuovo valore. Sono "
        "accettati solo valori numerici. ");
}

void FrmStack::buildShipFrame() {
    Frame3.move(5040, 60, 10440, 9300);
    for (int k = 0; k < kShipLabels; ++k) {
        Label6.add(k, Frame3, "Label6", kShipCaptions[k].text).setToolTipText(kShipCaptions[k].tip);
        Label7.add(k, Frame3, "Label7").setBorderStyle(1);
    }
    Label7[32].setToolTipText("CODICE 1  LA NAVE AFFONDA A RUNTIME");
    Label6[0].move(120, 345, 3600, 240);
    Label7[0].move(120, 600, 3600, 315);
    Label6[1].move(3840, 345, 3600, 240);
    Label7[1].move(3840, 600, 3600, 315);
    for (int r = 0; r < int(std::size(kLeftRows)); ++r) {
        const int top = kShipRowTop + kShipRowStep * r;
        Label6[kLeftRows[r]].move(120, top + 30, 2100, 285);
        Label7[kLeftRows[r]].move(2280, top, 1500, 315);
        Label6[kRightRows[r]].move(5040, top + 30, 2280, 285);
        Label7[kRightRows[r]].move(7380, top, 1500, 315);
    }

    shipBoxes_ = {{&Text1, 1, false},  {&Text16, 2, false}, {&Text22, 17, false}, {&Text20, 18, true},
                  {&Text17, 19, true}, {&Text4, 20, true},  {&Text5, 21, true},   {&Text6, 22, true},
                  {&Text15, 23, true}, {&Text7, 24, true},  {&Text8, 25, true},   {&Text9, 26, true},
                  {&Text10, 27, true}, {&Text11, 28, true}, {&Text12, 29, true},  {&Text3, 30, true},
                  {&Text18, 32, true}, {&Text21, 34, true}, {&Text14, 36, true},  {&Text13, 37, true},
                  {&Text19, 39, true}};
    for (int i = 0; i < int(shipBoxes_.size()); ++i) {
        const ShipBox& b = shipBoxes_[i];
        const Label& value = Label7[b.label];
        const int width = b.label == 1 ? 2760 : 900;
        b.box->move(value.left() + value.width() + 60, value.top(), width, 315);
        const bool dblClickEmpties = b.box != &Text16 && b.box != &Text22 && b.box != &Text20 &&
                                     b.box != &Text17 && b.box != &Text21 && b.box != &Text18;
        wireShipBox(i, dblClickEmpties);
    }
    Text1.setToolTipText("Modificare il nome della nave solo in casi di effettiva necessità");
    Text22.setToolTipText("inserire \"XXX\" (maiuscolo) e la nave viene cancellata definitivamente");
    Text18.setToolTipText("ATT:  INSERIRE \"1\"  PER AFFONDARE LA NAVE ** IRREVERSIBILE**");
    Text22.setBackColor(vbRed);
    Text18.setBackColor(vbRed);
    Text16.Click = [this] { Text16_Click(); };
    Text22.Click = [this] { Text22_Click(); };
    Text22.DblClick = [this] { Text22_DblClick(); };
    Text18.DblClick = [this] { Text18_DblClick(); };
}

// The change copy: the box's text becomes its value label's caption. A box holds no more than its
// field and, for a numeric field, digits only, whether the text was typed or pasted; a text refused
// whole leaves the box, and its label, as they were.
void FrmStack::wireShipBox(int index, bool emptiedByDblClick) {
    const ShipBox& b = shipBoxes_[index];
    const int field = kShipViewField[b.label];
    b.box->setMaxLength(recordformat::shipLayout().field(field).width);
    b.box->Change = [this, index, field] {
        ShipBox& box = shipBoxes_[index];
        const QString held = boxText(box.box->text(), field, box.digits);
        if (held != box.box->text()) {
            box.box->setText(held);
            return;
        }
        if (held == box.accepted) return;
        box.accepted = held;
        Label7[box.label].setCaption(held);
    };
    if (b.digits) b.box->KeyPress = [](int& key) { digitKey(key); };
    if (emptiedByDblClick) b.box->DblClick = [box = b.box] { box->setText(QString()); };
}

void FrmStack::Form_Load() {
    G().Files.closeAll();
    for (int i = 0; i < kGroupColumns; ++i) Label2[i].setForeColor(kDarkRed);
}

// ---------------------------------------------------------------- selection

void FrmStack::Form_Unload(int&) {
    sideLoan_.giveBack();
}

void FrmStack::Option1_Click() {
    chooseSide(kAllies);
}

void FrmStack::Option2_Click() {
    chooseSide(kAxis);
}

void FrmStack::chooseSide(int side) {
    Globals& g = G();
    Label11.setCaption(QString());
    for (Frame* f : {&Frame2, &Frame3, &Frame4, &Frame5}) f->setVisible(false);
    Command5.setEnabled(true);
    clearIcons();
    List1.clear();
    g.Files.close(kChannelSupervisorShips);
    shipRecord_ = 0;
    groupShown_ = 0;
    entryIndex_ = -1;
    sideLoan_.take(side);
    const auto flags = sideFlags(side);
    loadPictureInto(Image1, g.AppPath + flags[0]);
    loadPictureInto(Image2, g.AppPath + flags[1]);
    CaricaListeSelezione();
}

void FrmStack::CaricaListeSelezione() {
    Globals& g = G();
    Combo1.clear();
    for (int n = 1; n <= kGroups; ++n) {
        const Int16* row = g.gnTable(g.CurrentSide)[n];
        if (row[GnCol::InUse] <= 0) continue;
        Combo1.addItem(groupLine(n, row[GnCol::Ships]));
        Combo1.setItemData(Combo1.newIndex(), n);
    }
    Combo2.clear();
    for (int b = 1; b <= kBases; ++b) {
        Combo2.addItem(g.BaseNames[b]);
        Combo2.setItemData(Combo2.newIndex(), b);
    }
}

void FrmStack::ApriFileNavi() {
    List1.clear();
    openShipFile(kChannelSupervisorShips, G().CurrentSide);
}

void FrmStack::Combo1_Click() {
    const int i = Combo1.listIndex();
    if (i < 0) return;
    Globals& g = G();
    Frame3.setVisible(false);
    Frame2.setVisible(true);
    Frame4.setVisible(false);
    clearIcons();
    List1.clear();
    g.Files.close(kChannelSupervisorShips);
    Combo2.setListIndex(-1);
    shipRecord_ = 0;
    g.SelectedGn = Combo1.itemData(i);
    groupShown_ = g.SelectedGn;
    ApriFileNavi();
    ElencaNaviGruppo();
    Frame2.setCaption("GRUPPO NAVALE N° " + numberTextWithSign(g.SelectedGn));
}

void FrmStack::ElencaNaviGruppo() {
    Globals& g = G();
    const int gn = g.SelectedGn;
    for (int r = 1; r <= g.SelectedItem; ++r) {
        readShip(kChannelSupervisorShips, r);
        if (gn > 0 && g.RecordNave.whole(F::NUMERO_GN) == gn) {
            List1.addItem(shipLineOfGroup(gn, g.RecordNave));
            List1.setItemData(List1.newIndex(), r);
        }
    }
    const Int16* row = g.gnTable(g.CurrentSide)[gn];
    for (int c = 1; c <= kGroupColumns; ++c) Label2[c - 1].setCaption(QString::number(row[c]));
}

void FrmStack::Combo2_Click() {
    const int i = Combo2.listIndex();
    if (i < 0) return;
    Globals& g = G();
    const int p = Combo2.itemData(i);
    if (!portOfSide(g.CurrentSide, p)) {
        Combo2.setListIndex(-1);
        return;
    }
    for (Frame* f : {&Frame3, &Frame2, &Frame4}) f->setVisible(false);
    clearIcons();
    List1.clear();
    g.Files.close(kChannelSupervisorShips);
    Combo1.setListIndex(-1);
    shipRecord_ = 0;
    g.SelectedGn = p;
    ApriFileNavi();
    ElencaNaviPorto();
}

void FrmStack::ElencaNaviPorto() {
    Globals& g = G();
    const int p = g.SelectedGn;
    for (int r = 1; r <= g.SelectedItem; ++r) {
        readShip(kChannelSupervisorShips, r);
        if (g.RecordNave.whole(F::PORTO) == p) {
            List1.addItem(shipLineOfPort(g.BaseNames[p], g.RecordNave));
            List1.setItemData(List1.newIndex(), r);
        }
    }
}

void FrmStack::Command5_Click() {
    Globals& g = G();
    Frame2.setVisible(false);
    Frame5.setVisible(false);
    entryIndex_ = -1;
    showShipFrame(true);
    clearIcons();
    List1.clear();
    PulisciValoriNave();
    g.Files.close(kChannelSupervisorShips);
    Combo1.setListIndex(-1);
    Combo2.setListIndex(-1);
    Label11.setCaption(QString());
    // No ship is on view until one is chosen: there is nothing to write back.
    Frame3.setCaption(QString());
    shipRecord_ = 0;
    Command1.setEnabled(false);
    ApriFileNavi();
    ElencaTutteLeNavi();
}

void FrmStack::ElencaTutteLeNavi() {
    Globals& g = G();
    for (int r = 1; r <= g.SelectedItem; ++r) {
        readShip(kChannelSupervisorShips, r);
        List1.addItem(shipLine(g.RecordNave));
        List1.setItemData(List1.newIndex(), r);
    }
}

void FrmStack::List1_Click() {
    const int i = List1.listIndex();
    if (i < 0) return;
    Globals& g = G();
    Frame2.setVisible(false);
    Frame5.setVisible(false);
    entryIndex_ = -1;
    showShipFrame(true);
    const int r = List1.itemData(i);
    Label11.setCaption(QString::number(r));
    g.SelectedGn = r;
    if (!g.Files.isOpen(kChannelSupervisorShips)) openShipFile(kChannelSupervisorShips, g.CurrentSide);
    readShip(kChannelSupervisorShips, r);
    // The window keeps the record it shows, so that the record written back is this one whatever
    // the shared buffer holds by then.
    shownShip_ = g.RecordNave;
    shipRecord_ = r;
    Command1.setEnabled(true);
    MostraRecordNave();
    IconeStatoNave();
    AzzeraContaTipi();
    NomeClasseNave();
    Frame3.setCaption(shownShip_.trimmed(F::NOME) + "  **  (" + g.ShipTypeName + ")  **");
}

void FrmStack::showShipFrame(bool withCommands) {
    Frame3.setVisible(true);
    Frame4.setVisible(withCommands);
}

void FrmStack::MostraRecordNave() {
    for (int k = 0; k < kShipLabels; ++k) Label7[k].setCaption(shownShip_.text(kShipViewField[k]));
}

void FrmStack::PulisciValoriNave() {
    for (int k = 0; k < kShipLabels; ++k) Label7[k].setCaption(QString());
}

void FrmStack::clearIcons() {
    for (int i = 0; i < kStatusPlaces; ++i) Image3[i].setPicture(QImage());
}

void FrmStack::IconeStatoNave() {
    clearIcons();
    const auto icons = statusIcons(shownShip_);
    for (int i = 0; i < kStatusPlaces; ++i)
        if (!icons[i].isEmpty()) loadPictureInto(Image3[i], G().AppPath + icons[i]);
}

// ---------------------------------------------------------------- a group value

void FrmStack::Label2_Click(int index) {
    if (groupShown_ <= 0) return;
    // No ship may be chosen while the entry is open: that would change SelectedGn.
    List1.clear();
    entryIndex_ = index;
    Frame5.setVisible(true);
    Text2.setText(Label2[index].caption());
    Label12.setCaption(Label1[index].caption());
}

void FrmStack::Text2_KeyPress(int& keyAscii) {
    if (keyAscii == '-' || keyAscii == '.') return;
    digitKey(keyAscii);
}

void FrmStack::Text2_DblClick() {
    Text2.setText(QString());
}

// The value goes into the row of the group whose values are on show, which a port chosen since
// does not change.
void FrmStack::Command3_Click() {
    if (entryIndex_ < 0 || groupShown_ <= 0) {
        Frame5.setVisible(false);
        return;
    }
    Globals& g = G();
    const std::optional<int> value = groupValue(Text2.text());
    const QString refusal =
        groupValueRefusal(g.CurrentSide, groupShown_, entryIndex_ + 1, value, Label1[entryIndex_].caption());
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vbExclamation, caption());
        return;
    }
    Frame5.setVisible(false);
    Label2[entryIndex_].setCaption(QString::number(*value));
    g.gnTable(g.CurrentSide)[groupShown_][entryIndex_ + 1] = *value;
    entryIndex_ = -1;
    clearIcons();
    SalvaTabelleGruppi();
}

void FrmStack::Command4_Click() {
    Frame5.setVisible(false);
    Label12.setCaption(QString());
    entryIndex_ = -1;
    clearIcons();
}

// ---------------------------------------------------------------- a ship's fields

void FrmStack::Text16_Click() {
    Text16.setText(QString());
}

void FrmStack::Text22_Click() {
    Text22.setText("XXX");
    Text22.setBackColor(vbRed);
}

void FrmStack::Text22_DblClick() {
    Text22.setText(QString());
    Text22.setBackColor(kWhite);
}

void FrmStack::Text18_DblClick() {
    Text18.setText(Text18.text().isEmpty() ? "1" : "");
}

void FrmStack::Command1_Click() {
    // Without a ship chosen since the list was shown there is no record to write.
    if (shipRecord_ <= 0) return;
    Frame4.setVisible(false);
    clearIcons();
    ShipLabels labels;
    for (int k = 0; k < kShipLabels; ++k) labels[k] = Label7[k].caption();
    applyShipFloors(labels);
    for (int k = 0; k < kShipLabels; ++k) Label7[k].setCaption(labels[k]);
    const ShipRecord ship = shipFromLabels(shownShip_, labels);
    const QString refusal = shipWriteRefusal(G().CurrentSide, shipRecord_, ship, [this](int field) {
        for (int k = 0; k < kShipLabels; ++k)
            if (kShipViewField[k] == field) return Label6[k].caption();
        return QString::number(field);
    });
    if (!refusal.isEmpty()) {
        // The ship stays on view with its commands, to be corrected or dropped.
        Frame4.setVisible(true);
        MsgBox(refusal, vbExclamation, caption());
        return;
    }
    writeShipBack(G().CurrentSide, shipRecord_, ship);
    shipRecord_ = 0;
    List1.clear();
    Frame3.setVisible(false);
    PulisciCampiNave();
}

void FrmStack::Command2_Click() {
    shipRecord_ = 0;
    PulisciCampiNave();
    Frame4.setVisible(false);
    Frame3.setVisible(false);
    clearIcons();
}

void FrmStack::PulisciCampiNave() {
    Label11.setCaption(QString());
    for (const ShipBox& b : shipBoxes_) b.box->setText(QString());
    Text2.setText(QString());
    Text22.setBackColor(kWhite);
}
