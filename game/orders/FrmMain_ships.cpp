// The open naval group: opening and closing it, its ships and their cards, the near own groups,
// splitting ships off into a new group, merging a near group into it, its text file, and the
// carriers' air groups. The rules are in GroupSplitMerge.cpp and Carriers.cpp.
#include "Carriers.h"
#include "GroupSplitMerge.h"
#include "NavalOrders.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/NavalGroupValues.h"
#include "common/Pictures.h"
#include "common/RecordFiles.h"
#include "common/UnitLists.h"
#include "game/main/FrmMain.h"

#include <QWidget>

using namespace platform;
namespace F = recordformat::ship;

namespace {
// Design spots (twips) of the group tools, over the group list that is out of reach while a group
// is open and clear of the panel's buttons (the naval panel's top), and of the ship card beside
// the list it came from.
constexpr int kToolsTop = 4620;
constexpr int kCardLeft = 3915; // beside the naval panel
constexpr int kGroupShipCardTop = 8010;
constexpr int kNearShipCardTop = 5050;

const char* const kShipListHints[] = {
    "o=Oper c=Cargo r=Resist k=Nodi a=AA i=CAI I=IncAtt d=DT m=MA s=SoS",
    "ATT: tra i danni non segnala [o] quando è la sola carenza ",
    "GN assistiti possono recuperare fino al 50% dei danni e 3 di operatività",
};

// The state icon of a ship of the open group: burning, out of action, assisting, a carrier ready to
// launch, or none of these.
QString shipStateIcon(const ShipRecord& s, bool carrierReady) {
    const long long notOperational = s.whole(F::NON_OP);
    if (s.whole(F::INCENDI_ATTIVI) > 0 && notOperational == 0) return QStringLiteral("inc1.ico");
    if (notOperational == 1) return QStringLiteral("inc2.ico");
    if (s.whole(F::Assistenza) > 0) return QStringLiteral("ASSISTI.ico");
    if (carrierReady) return QStringLiteral("port3.ico");
    return QStringLiteral("kvz.ico");
}
} // namespace

int FrmMain::openGroup() const {
    return groupInUse(G().CurrentSide, OpenGn) ? OpenGn : 0;
}

QString FrmMain::portShipsCaption() const {
    const Globals& g = G();
    const int base = g.BaseUnderGn;
    if (base < 1 || base > kBases) return QStringLiteral("SCHEDA NAVE");
    return QString::number(g.BaseTable[base][BaseCol::ShipsPresent]) + u'/' +
           QString::number(g.BaseShipCapacity[base]);
}

bool FrmMain::showShipCard(int record, int left, int top) {
    Globals& g = G();
    const int count = openShipFile(kChannelShips, g.CurrentSide);
    if (record < 1 || record > count) {
        g.Files.close(kChannelShips);
        return false;
    }
    const double k = designTwipsPerMapUnit();
    placeOnMap(Frame11, left / k, top / k);
    g.SelectedItem = Int16(record);
    SchedaNaveDaLista();
    Frame11.zOrder(vbBringToFront);
    return true;
}

// ---------------------------------------------------------------- opening and closing

void FrmMain::Command11_Click() {
    Globals& g = G();
    List6.clear();
    List7.clear();
    Label76.setCaption(QString());
    List12.setVisible(false);
    Frame11.setVisible(false);
    Label17.setCaption(QStringLiteral("ATT: ricordati di CHIUDERE GN per proseguire"));
    if (!groupInUse(g.CurrentSide, g.SelectedGn)) return;

    OpenGn = g.SelectedGn;
    Frame14.setEnabled(false);
    for (Frame* f : {&Frame5, &Frame15, &Frame3, &Frame25}) f->setVisible(false);
    placeOnMap(Frame16, 0, kToolsTop / designTwipsPerMapUnit());
    Frame16.zOrder(vbBringToFront);
    Frame16.setVisible(true);
    Command11.setEnabled(false);
    Command12.setEnabled(true);
    // The ship list is wanted at sea as in port; only docking waits for a friendly port.
    Frame20.setVisible(true);
    Image11.setVisible(g.GnInFriendlyPort == 1);
    TestoListaGN();
    ElencoNaviGN();
    Label76.setCaption(portShipsCaption());
}

void FrmMain::Command12_Click() {
    Globals& g = G();
    g.SelectedGn = 0;
    OpenGn = 0;
    Frame14.setEnabled(true);
    Frame17.setEnabled(true);
    List12.setVisible(false);
    Frame11.setVisible(false);
    for (ListBox* l : {&List2, &List5, &List6, &List7}) l->clear();
    Combo5.setListIndex(-1);
    List7.setEnabled(true);
    for (Image* i : {&Image12, &Image13, &Image14, &Image15, &Image16, &Image18}) i->setEnabled(true);
    Command12.setEnabled(false);
    Command11.setEnabled(true);

    g.SelectedShip = 0;
    g.Files.close(kChannelShips);
    g.Files.close(kChannelGroupShips);
    g.NewGroupNumber = 0;
    g.SplitMode = 0;
    g.JoiningGn = 0;
    Label17.setCaption(QStringLiteral("Messaggi e gestione Campi Minati"));
    g.LastDockedShip = 0;
    EntryMode = 0;
    Label76.setCaption(QString());

    Image18.setPicture(QImage());
    Frame3.setVisible(true);
    for (Frame* f : {&Frame16, &Frame11, &Frame20}) f->setVisible(false);
    refillNavalList();
    for (Image* i : {&Image7, &Image8, &Image9}) i->setPicture(QImage());
}

// ---------------------------------------------------------------- the ships of the open group

void FrmMain::List5_Click() {
    Globals& g = G();
    const int index = List5.listIndex();
    if (index < 0) return;
    Label76.setCaption(QString());
    g.DiceSides = 3;
    Label17.setCaption(QString::fromUtf8(kShipListHints[TiraDado(g.DiceSides) - 1]));
    g.Files.closeAll();
    for (int i = 1; i <= 20; ++i) g.OperationContext[i] = 0;
    for (int i = 1; i <= 6; ++i) g.OperationTexts[i].clear();
    g.SelectedShip = 0;
    carrierRefusal.clear();
    Image18.setPicture(QImage());
    if (g.CurrentSide != kAllies && g.CurrentSide != kAxis) return;

    const int record = List5.itemData(index);
    if (!showShipCard(record, kCardLeft, kGroupShipCardTop)) return;
    // The ship stays in the record buffer and its file open on channel 2 for docking.
    g.SelectedShip = Int16(record);
    const ShipRecord& s = g.ShipRecordBuffer;
    if (isCarrierType(s.trimmed(F::TIPO)) && s.whole(F::NON_OP) == 0 && g.BaseUnderGn == 0) DatiPortaerei();
    Label76.setCaption(portShipsCaption());
    g.ShipTonnage = Int32(s.whole(F::STAZZA));
    const bool carrierReady = g.OperationContext[15] == 1;
    const QString icon = shipStateIcon(s, carrierReady);
    loadPictureInto(Image18, g.AppPath + QStringLiteral("\\Ico\\") + icon);
    if (icon == QLatin1String("port3.ico"))
        Label17.setCaption(QStringLiteral(" Click Icona per attivare Portaerei"));
    // A carrier shown without its launch icon says why.
    if (isCarrierType(s.trimmed(F::TIPO)))
        carrierRefusal =
            carrierLaunchRefusal(g.CurrentSide, s, g.BaseUnderGn, int(g.state(StateItem::Weather)));
    if (!carrierReady && !carrierRefusal.isEmpty())
        Label17.setCaption(QStringLiteral(" PORTAEREI NON ATTIVABILE: ") + carrierRefusal);
}

void FrmMain::List5_DblClick() {
    Globals& g = G();
    g.Files.close(kChannelGroupShips);
    g.Files.close(kChannelShips);
    g.SelectedShip = 0;
    const int index = List5.listIndex();
    const int source = openGroup();
    if (g.SplitMode != 1 || index < 0 || source == 0) return;
    if (g.gnTable(g.CurrentSide)[source][GnCol::Ships] < 2) {
        Label17.setCaption(QStringLiteral("almeno 1 nave nel GN d'origine"));
        return;
    }
    Label17.setCaption(QStringLiteral("ATTENZIONE: Verificare Nodi e Rotta dei GN"));
    List7.setEnabled(false);

    const int record = List5.itemData(index);
    const SplitMove move = moveShipToSplitGroup(source, g.NewGroupNumber, record);
    if (!move.moved) return;
    List5.removeItem(index);
    List6.addItem(move.listText);
    List6.setItemData(List6.newIndex(), record);
    g.GnShipCount = g.gnTable(g.CurrentSide)[source][GnCol::Ships];
    AzzeraContaClassi();
}

void FrmMain::List6_Click() {
    Globals& g = G();
    g.Files.closeAll();
    const int index = List6.listIndex();
    if (index < 0) return;
    const int record = List6.itemData(index);
    // An item that names no ship shows no card.
    if (record < 1) return;
    g.SelectedItem = Int16(record);
    if (g.CurrentSide != kAllies && g.CurrentSide != kAxis) return;
    showShipCard(record, kCardLeft, kNearShipCardTop);
}

void FrmMain::List7_Click() {
    Globals& g = G();
    List6.clear();
    g.SelectedItem = 0;
    g.JoiningGn = 0;
    g.Files.close(kChannelGroupShips);
    const int index = List7.listIndex();
    const int side = g.CurrentSide;
    if (index < 0) return;
    const int n = List7.itemData(index);
    if (!groupInUse(side, n) || n == OpenGn) return;
    const Int16* r = g.gnTable(side)[n];
    PicBitMap.box(r[GnCol::X], r[GnCol::Y], r[GnCol::X] + 120, r[GnCol::Y] + 80, vbBlack, false);
    g.JoiningGn = Int16(n);
    fillList(List6, groupShipItems(side, n));
    Frame11.setVisible(false);
}

// ---------------------------------------------------------------- the group tools

void FrmMain::Image12_Click() {
    Globals& g = G();
    const int n = openGroup();
    if (n == 0 || g.SplitMode == 1) return;
    if (!splitAllowed(n)) {
        Label17.setCaption(QStringLiteral("Non ammesso (GN di 1 nave o fuori mappa)"));
        return;
    }
    Label17.setCaption(QStringLiteral("Messaggi e gestione Campi Minati"));
    PrimoGNLibero();
    if (g.NewGroupNumber >= 1 && g.NewGroupNumber <= kGroups) {
        g.SplitMode = 1;
        List6.clear();
        List7.setEnabled(false);
        Frame17.setEnabled(false);
        Label17.setCaption(QStringLiteral("Creato Nuovo GN: ") + QString::number(g.NewGroupNumber) +
                           QStringLiteral(" DoppioClik sulle navi da trasferire"));
    } else {
        // Nothing is reserved: the side panel and the port panel stay free.
        g.NewGroupNumber = 0;
        Label17.setCaption(QStringLiteral("Limite GN Raggiunto"));
    }
}

void FrmMain::Image13_Click() {
    Globals& g = G();
    const int open = openGroup();
    const int joining = g.JoiningGn;
    g.Files.close(kChannelShips);
    const QString needTwo = QStringLiteral("Sono necessari 2 GN per procedere alla fusione");
    if (open == 0 || joining == 0) {
        Label17.setCaption(needTwo);
        return;
    }
    Label17.setCaption(
        QStringLiteral("ATTENZIONE: Verificare Nodi e Rotta dei GN coinvolti nell'operazione"));
    if (!mergeGroups(open, joining)) {
        Label17.setCaption(needTwo);
        return;
    }
    List6.clear();
    g.JoiningGn = 0;
    // The working group is the merged one, stopped until it is given a speed.
    const Int16* r = g.gnTable(g.CurrentSide)[open];
    g.GnShipCount = r[GnCol::Ships];
    g.GnMaxKnots = r[GnCol::MaxKnots];
    g.GnOperability = r[GnCol::MinOperativity];
    g.GnFires = r[GnCol::Fires];
    g.GnKnots = 0;
    g.GnSpeed = 0;
    // The joined group's mark goes from the map; the open group is marked as picked.
    drawNavalMap();
    g.GnPosX = r[GnCol::X];
    g.GnPosY = r[GnCol::Y];
    g.SideColour = vbGreen;
    DisegnaSegnoGN();
    ColoreLato();
    Frame11.setVisible(false);
    TestoListaGN();
    ElencoNaviGN();
}

void FrmMain::Image14_Click() {
    Globals& g = G();
    const int n = openGroup();
    if (List5.listCount() == 0 || n == 0) return;
    Label17.setCaption(QStringLiteral("Crea GN-Txt file"));
    g.Files.close(kChannelShips);
    g.Files.close(kChannelGroupShips);
    writeGroupTextFile(n, List5.listCount());
    Label17.setCaption(QStringLiteral("File GN") + QString::number(n) + QStringLiteral(" CREATO IN GNTEXT"));
}

// ---------------------------------------------------------------- carriers

void FrmMain::DatiPortaerei() {
    Globals& g = G();
    writeCarrierData(g.CurrentSide, g.SelectedShip, g.ShipRecordBuffer, int(g.state(StateItem::Weather)));
}

void FrmMain::GAPortaereiGN() {
    moveCarrierAirGroups(G().CurrentSide, GnPortaereiDa, GnPortaereiA, 0);
}

void FrmMain::RichiamaGAPortaerei() {
    recallCarrierAirGroups(G().CurrentSide, G().SelectedShip);
}
