#include "FrmStatusPort.h"

#include "CarrierAircraft.h"
#include "SidePictures.h"
#include "common/Globals.h"

using namespace platform;
using namespace carriers;
namespace A = recordformat::aircraft;

FrmStatusPort::FrmStatusPort() : FormWith("FrmStatusPort") {
    setCaption("Aerei Imbarcati sulle portaerei");
    setSize(10320, 3720);
    setFixedBorder(true);

    Label4.move(120, 120, 4080, 255);
    List1.move(120, 420, 4080, 3075);
    Label3.move(4320, 120, 5880, 255);
    Label3.setFontBold(true);
    List2.move(4320, 420, 5880, 2280);
    for (ListBox* l : {&List1, &List2}) l->setFontName("Courier New");

    Label1.move(4320, 2820, 4440, 255);
    Label1.setColumns({0, 1500, 3000});
    const char* const tips[3] = {"Aerei pronti", "Aerei in volo", "Aerei persi"};
    for (int i = 0; i < 3; ++i) {
        Label2.add(i, *this, "Label2").move(4320 + 1500 * i, 3120, 1200, 375);
        styleValue(Label2[i]);
        Label2[i].setToolTipText(tips[i]);
    }
    Command1.move(8880, 3075, 1320, 420);

    List1.Click = [this] { List1_Click(); };
    List2.Click = [this] { List2_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void FrmStatusPort::Form_Load() {
    ListaPortaereiInServizio();
}

void FrmStatusPort::ListaPortaereiInServizio() {
    PulisciStatoAerei();
    List1.clear();
    for (const ListedItem& c : carriersInService()) {
        List1.addItem(c.text);
        List1.setItemData(List1.newIndex(), c.data);
    }
}

void FrmStatusPort::ListaAereiImbarcati() {
    List2.clear();
    for (const ListedItem& a : carrierAircraftItems(CodicePortaerei, G().GameSettings[3], true)) {
        List2.addItem(a.text);
        List2.setItemData(List2.newIndex(), a.data);
    }
}

void FrmStatusPort::PulisciStatoAerei() {
    for (int i = 0; i < 3; ++i) Label2[i].setCaption(QString());
}

void FrmStatusPort::List1_Click() {
    const int index = List1.listIndex();
    if (index < 0) return;
    PulisciStatoAerei();
    const Carrier carrier = readCarrier(List1.itemData(index));
    CodicePortaerei = carrier.code;
    ListaAereiImbarcati();
    Label3.setCaption(carrier.name + "  " + CodicePortaerei);
}

void FrmStatusPort::List2_Click() {
    const int index = List2.listIndex();
    if (index < 0) return;
    const AircraftRecord a = readCarrierAircraft(CodicePortaerei, List2.itemData(index));
    const int fields[3] = {A::Pronti, A::InVolo, A::Persi};
    for (int i = 0; i < 3; ++i) Label2[i].setCaption(QString::number(a.whole(fields[i])));
}

void FrmStatusPort::Command1_Click() {
    G().Files.closeAll();
    unloadForm(*this);
}
