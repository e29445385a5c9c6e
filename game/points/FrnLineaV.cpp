#include "FrnLineaV.h"

#include "SidePictures.h"
#include "common/Globals.h"

using namespace platform;
using namespace carriers;

namespace {
// The six values: name shown beside each, and its tool-tip.
const char* const kValues[6][2] = {
    {"Punti disponibili", "Totale Punti Acquisizione disponibili"},
    {"Aerei imbarcabili", "Totale aerei Imbarcabili"},
    {"Già imbarcati", "Totale Aerei già imbarcati"},
    {"Di questo tipo", "Aerei di questo tipo imbarcati"},
    {"Costo unitario", "Costo Unitario per aereo"},
    {"Valore del tipo", "Valore Totale Aerei per Tipo"},
};
const char* const kYearTip = "Sono disponibili solo gli aerei dell'anno in corso";

int campaignYear() {
    return G().GameSettings[3];
}
} // namespace

FrnLineaV::FrnLineaV() : FormWith("FrnLineaV") {
    setCaption("Linea Volo Portaerei");
    setSize(9840, 5400);
    setFixedBorder(true);

    Label4.move(120, 120, 6720, 480);
    Label4.setWordWrap(true);
    Label4.setCaption("Operazione disponibile solo per le portaerei all'ancora nel porto di Gibilterra. Solo "
                      "aerei dell'anno di gioco");
    Label2.move(7080, 180, 1200, 255);
    Label3.move(8280, 120, 1440, 375);
    styleValue(Label3);
    for (Label* l : {&Label2, &Label3}) l->setToolTipText(kYearTip);

    Label6.move(120, 720, 4320, 255);
    List1.move(120, 990, 4320, 2640);
    Frame1.move(4560, 720, 5160, 2910);
    Label5.move(120, 330, 4920, 255);
    Label5.setFontBold(true);
    Label7.move(120, 585, 4920, 255);
    List2.move(120, 840, 4920, 1950);
    for (ListBox* l : {&List1, &List2}) l->setFontName("Courier New");

    for (int i = 0; i < 6; ++i) {
        const int x = i < 3 ? 120 : 3480;
        const int y = 3780 + 450 * (i % 3);
        ValueNames.add(i, *this, "ValueNames", kValues[i][0]).move(x, y + 60, 2100, 255);
        Label1.add(i, *this, "Label1").move(x + 2160, y, 960, 375);
        styleValue(Label1[i]);
        for (Label* l : {&ValueNames[i], &Label1[i]}) l->setToolTipText(kValues[i][1]);
    }

    Command2.move(6960, 3780, 1320, 420);
    Command2.setToolTipText("Imbarca gli aerei");
    Command3.move(8400, 3780, 1320, 420);
    Command3.setToolTipText("Sbarca gli aerei");
    Command5.move(6960, 4290, 2760, 420);
    Command5.setToolTipText("ATT: SALVARE PRIMA DI CHIUDERE");
    Command4.move(6960, 4800, 1320, 420);
    Command4.setToolTipText("ANNULLA I VALORI E NON SALVA");
    Command1.move(8400, 4800, 1320, 420);
    Command1.setToolTipText("Salvare i dati aggiornati prima di chiudere");
    for (CommandButton* c : {&Command2, &Command3}) c->setFontBold(true);

    List1.Click = [this] { List1_Click(); };
    List2.Click = [this] { List2_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
}

void FrnLineaV::Form_Load() {
    enableChanges(false, false, false);
    Label3.setCaption(QString::number(campaignYear()));
    List1.setEnabled(true);
    AzzeraValoriLinea();
    CaricaValoriLinea();
    MostraValoriLinea();
    PortaereiGib();
}

// ---------------------------------------------------------------- what the window shows

void FrnLineaV::PortaereiGib() {
    List1.clear();
    Label5.setCaption(QString());
    for (const ListedItem& c : anchoredCarriers()) {
        List1.addItem(c.text);
        List1.setItemData(List1.newIndex(), c.data);
    }
}

void FrnLineaV::ListaAereiPortaerei() {
    G().Files.closeAll();
    for (const ListedItem& a : carrierAircraftItems(Portaerei.code, campaignYear(), false, &IndexAerei)) {
        List2.addItem(a.text);
        List2.setItemData(List2.newIndex(), a.data);
    }
    Frame1.setCaption(NomePortaerei);
}

void FrnLineaV::PulisciValoriTipo() {
    for (int i = 3; i <= 5; ++i) Label1[i].setCaption(QString());
}

void FrnLineaV::AbilitaImbarco() {
    Command2.setEnabled(canEmbark(ValoriLineaVolo));
    Command3.setEnabled(canDisembark(ValoriLineaVolo));
}

void FrnLineaV::AzzeraValoriLinea() {
    ValoriLineaVolo.fill(0);
}

void FrnLineaV::CaricaValoriLinea() {
    carriers::CaricaValoriLinea(ValoriLineaVolo, Portaerei, TotTipoImb, CostoUnitaTipo);
}

void FrnLineaV::MostraValoriLinea() {
    for (int i = 0; i < 6; ++i) Label1[i].setCaption(QString::number(ValoriLineaVolo[i + 1]));
}

void FrnLineaV::forgetChoice() {
    Portaerei = {};
    NomePortaerei.clear();
    IndiceAereo = IndexAerei = TotTipoImb = CostoUnitaTipo = 0;
    Frame1.setCaption(QString());
    Label5.setCaption(QString());
}

void FrnLineaV::enableChanges(bool plus, bool minus, bool save) {
    Command2.setEnabled(plus);
    Command3.setEnabled(minus);
    Command5.setEnabled(save);
}

// ---------------------------------------------------------------- the player's actions

void FrnLineaV::List1_Click() {
    const int index = List1.listIndex();
    if (index < 0) return;
    for (CommandButton* c : {&Command1, &Command2, &Command3}) c->setEnabled(false);
    List2.clear();
    List2.setEnabled(true);
    PulisciValoriTipo();
    forgetChoice();
    Portaerei = readCarrier(List1.itemData(index));
    NomePortaerei = Portaerei.name.trimmed();
    if (Portaerei.port >= 1 && Portaerei.port <= kBases) Label5.setCaption(G().BaseNames[Portaerei.port]);
    ListaAereiPortaerei();
    AzzeraValoriLinea();
    CaricaValoriLinea();
    MostraValoriLinea();
    List1.setEnabled(false);
}

void FrnLineaV::List2_Click() {
    const int index = List2.listIndex();
    if (index < 0 || Portaerei.record < 1) return;
    PulisciValoriTipo();
    List1.setEnabled(false);
    IndiceAereo = List2.itemData(index);
    const AircraftRecord a = readCarrierAircraft(Portaerei.code, IndiceAereo, &IndexAerei);
    TotTipoImb = int(a.whole(recordformat::aircraft::Pronti));
    CostoUnitaTipo = int(a.whole(recordformat::aircraft::Costo));
    AzzeraValoriLinea();
    CaricaValoriLinea();
    MostraValoriLinea();
    AbilitaImbarco();
}

void FrnLineaV::Command2_Click() {
    Command5.setEnabled(true);
    List1.setEnabled(false);
    List2.setEnabled(false);
    embarkOne(ValoriLineaVolo);
    MostraValoriLinea();
    AbilitaImbarco();
}

void FrnLineaV::Command3_Click() {
    Command5.setEnabled(true);
    List1.setEnabled(false);
    List2.setEnabled(false);
    disembarkOne(ValoriLineaVolo);
    MostraValoriLinea();
    AbilitaImbarco();
}

void FrnLineaV::Command5_Click() {
    Command1.setEnabled(true);
    enableChanges(false, false, false);
    saveFlightLine(ValoriLineaVolo, Portaerei, IndiceAereo);
    List1.setEnabled(true);
    List2.setEnabled(false);
    List1.clear();
    List2.clear();
    forgetChoice();
    PortaereiGib();
    PulisciValoriTipo();
    AzzeraValoriLinea();
    MostraValoriLinea();
}

void FrnLineaV::Command4_Click() {
    forgetChoice();
    List2.clear();
    Command1.setEnabled(true);
    enableChanges(false, false, false);
    List1.setEnabled(true);
    List2.setEnabled(true);
    PulisciValoriTipo();
    PortaereiGib();
    AzzeraValoriLinea();
    CaricaValoriLinea();
    MostraValoriLinea();
}

void FrnLineaV::Command1_Click() {
    unloadForm(*this);
}
