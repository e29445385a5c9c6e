#include "FrmStackA.h"

#include "Supervisor.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/Pictures.h"
#include "common/RecordFiles.h"
#include "platform/Dialogs.h"

using namespace platform;
using namespace supervisor;

namespace {
namespace F = recordformat::ship;

const char* const kAttributeNames[kGroupColumns] = {"ATTIVO (1=si   0=no)",
                                                    "VELOCITA' REALE km",
                                                    "COSTO AEREO",
                                                    "NUM AEREI TOT",
                                                    "NUM AEREI DANN",
                                                    "NUM AEREI ABBAT",
                                                    "CODICE ORDINE OPERAT",
                                                    "% INTERC BASE (al Via)",
                                                    "RADAR (1=SI  0=NO)",
                                                    "RAGGIO DI EVV (tweep)",
                                                    "TIME TRN  (del contatto)",
                                                    "GI (giudizio)",
                                                    "FA (fatt.attacco)",
                                                    "FD (fatt.difesa)",
                                                    "FM (fatt.Mitragliamento)",
                                                    "NUM SILURI IMBARC",
                                                    "NUM BOMBE IMBARC",
                                                    "TAGLIO BOMBE",
                                                    "PORTAER. Num del File",
                                                    "AEROP. ORIGINE (1-15)",
                                                    "AUTONOMIA DEFAULT",
                                                    "TRN FATTI",
                                                    "RITARDO AL VIA (trn)",
                                                    "AUTON. UTILE (trn)",
                                                    "X  ATTUALE",
                                                    "Y  ATTUALE",
                                                    "VELOCITA TWEEP",
                                                    "X  OBBIETTIVO",
                                                    "Y  OBBIETTIVO",
                                                    "NUM BASE BERSAGLIO",
                                                    "NUM GN BERSAGLIO",
                                                    "TRN VERSO OBBIETT.",
                                                    "TRN RICERCA (incl ritar)",
                                                    "CONTROFLAG2",
                                                    "DISTANZA (dalla base/port)",
                                                    "SU BERSAGLIO  (1=si)",
                                                    "TOT ORE DI VOLO",
                                                    "INDICE AERO (file Aerei)",
                                                    "X  BASE DI ORIGINE",
                                                    "Y  BASE DI ORIGINE",
                                                    "NUM.AEREI IN AZIONE",
                                                    "NN",
                                                    "GA DI PORTAEREI  (1=si)",
                                                    "N° GN della Portaerei",
                                                    "NN",
                                                    "NN",
                                                    "NN",
                                                    "NN",
                                                    "NUM GN DELLA CAP",
                                                    "EVV AEREI (11xtutti)"};

constexpr long kDarkRed = 192;
constexpr int kMaxDigits = 5;

QString baseName(int base) {
    return base >= 1 && base <= kBases ? G().BaseNames[base] : QString();
}
} // namespace

FrmStackA::FrmStackA() : FormWith("FrmStackA") {
    setCaption("FrmStackA");
    setSize(12840, 9720);
    setFixedBorder(true);

    Option1.move(120, 180, 900, 300);
    Option2.move(120, 600, 900, 300);
    Image1.move(1140, 120);
    Image2.move(1140, 540);
    List1.move(120, 1080, 4200, 4140);
    List1.setFontName("Courier");
    List1.setToolTipText("Lista di tutti i GA amici in volo ");
    Label3.move(120, 5340, 4200, 315);
    Label3.setToolTipText("BASE/PORTAEREI D'ORIGINE");
    Label5.move(120, 5700, 4200, 315);
    Label5.setToolTipText("Ordine operativo");
    Label4.move(120, 6060, 4200, 315);
    Label4.setToolTipText("BASE BERSAGLIO del GA selezionato");
    for (Label* l : {&Label3, &Label4, &Label5}) l->setBorderStyle(1);
    Image3.move(120, 6540, 480, 480);
    List2.move(720, 6480, 3600, 1500);
    List2.setToolTipText("Lista dei GN nemici avvistati");

    Frame1.move(120, 8100, 4200, 1380);
    Text1.move(240, 390, 1200, 315);
    Text1.setToolTipText("NUOVI VALORI (solo Numerici)");
    Text1.setMaxLength(kMaxDigits);
    Command1.move(1560, 330, 2460, 375);
    Command1.setToolTipText("Conferma il valore digitato");
    Command1.setEnabled(false);
    Command2.move(1560, 810, 2460, 375);
    Command2.setToolTipText("Nessun Cambiamento verrà effettuato");

    for (int k = 0; k < kGroupColumns; ++k) {
        const int x = k < 25 ? 4560 : 8640;
        const int top = 120 + 330 * (k % 25);
        Label1.add(k, *this, "Label1", kAttributeNames[k]).move(x, top + 15, 2760, 285);
        Label& value = Label2.add(k, *this, "Label2");
        value.move(x + 2820, top, 1140, 300);
        value.setBorderStyle(1);
        value.setAlignment(1);
        value.Click = [this, k] { Label2_Click(k); };
    }
    Label6.move(4560, 8520, 8160, 720);
    Label6.setWordWrap(true);
    Label6.setFontBold(true);
    Label6.setCaption("ATT: La manipolazione di questi valori è altamente delicata. Agire con cautela e "
                      "responsabilità. Un valore errato e il TUTOR può andare in Crash.");

    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    List1.Click = [this] { List1_Click(); };
    Text1.KeyPress = [this](int& key) { Text1_KeyPress(key); };
    Text1.Change = [this] { Text1_Change(); };
    Text1.DblClick = [this] { Text1_DblClick(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void FrmStackA::Form_Load() {
    G().Files.closeAll();
    PulisciValoriGA();
    for (int k = 0; k < kGroupColumns; ++k) {
        Label2[k].setForeColor(kDarkRed);
        Label2[k].setToolTipText(QString::number(k + 1));
    }
}

void FrmStackA::Form_Unload(int&) {
    sideLoan_.giveBack();
}

void FrmStackA::Option1_Click() {
    chooseSide(kAllies);
}

void FrmStackA::Option2_Click() {
    chooseSide(kAxis);
}

// What the other side's group showed goes with it: nothing can be written into the new side's
// tables until one of its groups is picked.
void FrmStackA::chooseSide(int side) {
    Globals& g = G();
    PulisciValoriGA();
    clearGroupView();
    Index3 = 0;
    enableConfirm();
    List1.clear();
    g.Files.close(kChannelSupervisorShips);
    sideLoan_.take(side);
    const auto flags = sideFlags(side);
    loadPictureInto(Image1, g.AppPath + flags[0]);
    loadPictureInto(Image2, g.AppPath + flags[1]);
    ListaGruppiAerei();
}

void FrmStackA::ListaGruppiAerei() {
    Globals& g = G();
    List1.clear();
    if (g.CurrentSide != kAllies && g.CurrentSide != kAxis) return;
    for (int i = 1; i <= kGroups; ++i) {
        const Int16* row = g.gaTable(g.CurrentSide)[i];
        if (row[GaCol::InUse] <= 0) continue;
        const QString* names = g.gaNames(g.CurrentSide)[i];
        List1.addItem(airGroupLine(i, row[GaCol::Aircraft], names[3], names[1]));
        List1.setItemData(List1.newIndex(), i);
    }
}

void FrmStackA::clearGroupView() {
    List2.clear();
    Image3.setPicture(QImage());
    GNBersaglioGA = 0;
    for (Label* l : {&Label3, &Label4, &Label5}) l->setCaption(QString());
}

void FrmStackA::List1_Click() {
    const int i = List1.listIndex();
    if (i < 0) return;
    Globals& g = G();
    clearGroupView();
    Index3 = List1.itemData(i);
    const Int16* row = g.gaTable(g.CurrentSide)[Index3];
    Origine = row[GaCol::OriginBase];
    Bersaglio = row[GaCol::TargetBase];
    OrdineOperativo = row[GaCol::Order];
    GNBersaglioGA = row[GaCol::TargetGn];
    DaPortaerei = g.CurrentSide == kAllies ? int(row[GaCol::CarrierGroup]) : 0;
    if (DaPortaerei == 1) PortNome = "Portaerei";
    MostraValoriGA();
    Label3.setCaption(DaPortaerei == 1 ? PortNome : baseName(Origine));
    if (OrdineOperativo >= 0 && OrdineOperativo <= 7) Label5.setCaption(g.AirOrderNames[OrdineOperativo]);
    if (Bersaglio > 0) Label4.setCaption(baseName(Bersaglio));
    if (GNBersaglioGA > 0) {
        ApriNaviNemiche();
        ListaNaviBersaglio();
    }
    enableConfirm();
}

void FrmStackA::MostraValoriGA() {
    Globals& g = G();
    for (Label* l : {&Label3, &Label4, &Label5}) l->setCaption(QString());
    const Int16* row = g.gaTable(g.CurrentSide)[Index3];
    for (int k = 0; k < kGroupColumns; ++k) Label2[k].setCaption(QString::number(row[k + 1]));
}

void FrmStackA::PulisciValoriGA() {
    for (int k = 0; k < kGroupColumns; ++k) Label2[k].setCaption(QString());
}

void FrmStackA::ApriNaviNemiche() {
    Globals& g = G();
    const int enemy = g.CurrentSide == kAllies ? kAxis : kAllies;
    List2.clear();
    openShipFile(kChannelSupervisorShips, enemy);
    if (GNBersaglioGA <= kGroups && g.gnTable(enemy)[GNBersaglioGA][GnCol::Fires] >= 1)
        loadPictureInto(Image3, g.AppPath + "\\Ico\\inc1.ico");
}

void FrmStackA::ListaNaviBersaglio() {
    Globals& g = G();
    for (int r = 1; r <= g.SelectedItem; ++r) {
        readShip(kChannelSupervisorShips, r);
        if (GNBersaglioGA >= 1 && g.RecordNave.whole(F::NUMERO_GN) == GNBersaglioGA)
            List2.addItem(shipLineOfGroup(GNBersaglioGA, g.RecordNave));
    }
    g.Files.close(kChannelSupervisorShips);
}

void FrmStackA::Label2_Click(int index) {
    if (Index3 <= 0) return;
    CampoSelezionato = index;
    attributePicked_ = true;
    Frame1.setCaption(Label1[index].caption());
    Text1.setText(Label2[index].caption());
    enableConfirm();
}

void FrmStackA::Text1_KeyPress(int& keyAscii) {
    digitKey(keyAscii);
}

void FrmStackA::Text1_Change() {
    // A pasted text is held to the same rule as typed keys.
    const QString held = digitsOf(Text1.text()).left(kMaxDigits);
    if (held != Text1.text()) {
        Text1.setText(held);
        return;
    }
    enableConfirm();
}

void FrmStackA::Text1_DblClick() {
    Text1.setText(QString());
}

// The value can be confirmed once a group and one of its attributes are picked and a value typed.
void FrmStackA::enableConfirm() {
    Command1.setEnabled(Index3 > 0 && attributePicked_ && !Text1.text().isEmpty());
}

void FrmStackA::Command1_Click() {
    Globals& g = G();
    if (Index3 <= 0 || !attributePicked_ || (g.CurrentSide != kAllies && g.CurrentSide != kAxis)) return;
    const std::optional<int> value = airGroupValue(Text1.text());
    const QString refusal =
        airGroupValueRefusal(CampoSelezionato + 1, value, Label1[CampoSelezionato].caption());
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vbExclamation, caption());
        return;
    }
    Label2[CampoSelezionato].setCaption(QString::number(*value));
    g.gaTable(g.CurrentSide)[Index3][CampoSelezionato + 1] = *value;
    SalvaTabelleGruppi();
    Frame1.setCaption(QString());
    attributePicked_ = false;
    Text1.setText(QString());
    enableConfirm();
}

void FrmStackA::Command2_Click() {
    Frame1.setCaption(QString());
    Text1.setText(QString());
    G().SelectedItem = 0;
    CampoSelezionato = 0;
    attributePicked_ = false;
    enableConfirm();
}
