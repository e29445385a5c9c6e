#include "FrmMezziGratis.h"

#include "FrmGame.h"
#include "WizardExit.h"
#include "common/BaseTable.h"
#include "common/CampaignSetup.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/ReferenceLists.h"
#include "common/SaveBatch.h"
#include "platform/Dialogs.h"

#include <QPainter>

using namespace platform;
using namespace newcampaign;

namespace {
const QString kNoticeShips = QStringLiteral(
    "A Malta possono essere allocati solo Sommergibili \"SA\". Le altre navi debbono arrivare giocando!      "
    "Nei Porti Africani dell'Asse non può essere allocata nessuna nave gratis. Buon divertimento!");
const QString kNoticeAircraft = QStringLiteral(
    "ATTENZIONE:  CASTELVETRANO E SIRACUSA  sono gli unici aeroporti dell'ASSE che possono accogliere aerei "
    "TEDESCHI.");
constexpr long kGreen = 0x00FF00;
constexpr long kRed = 0x0000FF;

// The side's banner beside the phase buttons, in the side's colour.
QImage sideBanner(const QString& word, long colour, bool roundel) {
    QImage img(150, 40, QImage::Format_RGB32);
    img.fill(toQColor(colour));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (roundel) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 36, 125));
        p.drawEllipse(QPointF(20, 20), 16, 16);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(20, 20), 10, 10);
        p.setBrush(QColor(200, 16, 46));
        p.drawEllipse(QPointF(20, 20), 5, 5);
    } else {
        p.fillRect(4, 6, 10, 28, QColor(0, 146, 70));
        p.fillRect(14, 6, 10, 28, Qt::white);
        p.fillRect(24, 6, 10, 28, QColor(206, 43, 55));
    }
    p.setPen(Qt::black);
    QFont f = p.font();
    f.setBold(true);
    f.setPointSize(11);
    p.setFont(f);
    p.drawText(QRect(40, 0, 110, 40), Qt::AlignCenter, word);
    return img;
}

QString plain(long long v) {
    return QString::number(v);
}
} // namespace

FrmMezziGratis::FrmMezziGratis() : Form("FrmMezziGratis") {
    setSize(11520, 7560);
    setFixedBorder(true);

    Command2.move(120, 120, 1800, 420);
    Command3.move(2040, 120, 1800, 420);
    Command4.move(3960, 120, 1800, 420);
    Command5.move(5880, 120, 1800, 420);
    Command1.move(7800, 120, 1200, 420);
    Command3.setEnabled(false);
    Command4.setEnabled(false);
    Command5.setEnabled(false);
    Command1.setEnabled(false);
    Image1.move(9240, 60);
    Image2.move(9240, 660);
    Image3.move(9240, 60);
    Image4.move(9240, 660);
    Image1.setPicture(sideBanner("ALLEATI", vbYellow, true));
    Image2.setPicture(sideBanner("NAVI-AEREI", vbYellow, true));
    Image3.setPicture(sideBanner("ASSE", vbRed, false));
    Image4.setPicture(sideBanner("NAVI-AEREI", vbRed, false));
    for (Image* i : {&Image1, &Image2, &Image3, &Image4}) i->setVisible(false);
    Label28.move(120, 720, 9000, 600);
    Label28.setWordWrap(true);
    Label28.setCaption(kNoticeShips);
    Label28.setFontBold(true);

    Frame1.move(120, 1380, 11280, 6000);
    Frame1.setVisible(false);
    Label3.move(240, 300, 3000, 285);
    Combo1.move(240, 600, 2400, 315);
    Label9.move(2760, 630, 780, 285);
    Label5.move(3540, 600, 600, 315);
    Label10.move(4320, 630, 1320, 285);
    Label11.move(5640, 600, 900, 315);
    Label8.move(6720, 630, 1920, 285);
    Label4.move(8640, 600, 600, 315);
    Label7.move(240, 4740, 2160, 285);
    Label12.move(2400, 4710, 600, 315);
    for (Label* l : {&Label5, &Label11, &Label4, &Label12}) {
        l->setBorderStyle(1);
        l->setAlignment(2);
    }
    List1.move(240, 1080, 5400, 3540);
    List2.move(5760, 1080, 3600, 3540);
    Label6.move(3120, 4710, 7920, 315);
    Label6.setBorderStyle(1);
    Frame3.move(9480, 960, 1680, 3660);
    for (int k = 0; k < kFreeShipTypeCount; ++k) {
        Label1.add(k, Frame3, "Label1").move(180, 300 + 450 * k, 600, 315);
        Label2.add(k, Frame3, "Label2").move(900, 300 + 450 * k, 600, 315);
        Label2[k].setBorderStyle(1);
        Label2[k].setAlignment(2);
    }
    // Rules under the port row, above the end row, and under each free type.
    Line1.setPoints(240, 990, 9360, 990);
    Line2.setPoints(240, 5130, 11040, 5130);
    Line* typeRules[] = {&Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9};
    for (int k = 0; k < kFreeShipTypeCount; ++k) {
        const int y = 300 + 450 * k + 390;
        typeRules[k]->setPoints(120, y, 1560, y);
    }
    for (Line* l : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9})
        l->setBorderColor(vbGrayText);
    Label14.move(240, 5280, 1320, 480);
    Label14.setAlignment(2);
    Label14.setBorderStyle(1);
    Label14.setFontBold(true);
    Label14.setBackColor(kRed);
    Label13.move(1680, 5280, 7200, 480);
    Label13.setWordWrap(true);
    List1.setEnabled(false);

    Frame2.move(120, 1380, 11280, 6000);
    Frame2.setVisible(false);
    Label15.move(240, 300, 3000, 285);
    Combo2.move(240, 600, 2400, 315);
    Label16.move(2760, 630, 780, 285);
    Label17.move(3540, 600, 600, 315);
    List3.move(240, 1080, 5400, 3540);
    Label27.move(240, 4740, 1560, 285);
    Label23.move(1800, 4710, 9240, 315);
    Command6.move(240, 5280, 600, 420);
    Command7.move(960, 5280, 600, 420);
    Label24.move(1680, 5295, 600, 390);
    Command8.move(2400, 5280, 2400, 420);
    Label18.move(5760, 300, 5280, 285);
    List4.move(5760, 600, 5280, 2700);
    Label19.move(5760, 3480, 3000, 285);
    Label20.move(8880, 3450, 900, 315);
    Label21.move(5760, 3870, 3000, 285);
    Label22.move(8880, 3840, 900, 315);
    Label25.move(5760, 4260, 3000, 285);
    Label26.move(8880, 4230, 900, 315);
    for (Label* l : {&Label17, &Label23, &Label24, &Label20, &Label22, &Label26}) l->setBorderStyle(1);
    for (Label* l : {&Label17, &Label24, &Label20, &Label22, &Label26}) l->setAlignment(2);
    Command9.move(8880, 5280, 2160, 420);
    Command9.setToolTipText("Chiude la fase quando gli aerei rimasti non trovano posto nelle basi");
    Command9.setEnabled(false);
    List3.setEnabled(false);
    for (ListBox* l : {&List1, &List2, &List3, &List4}) l->setFontName("Courier New");

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Command8.Click = [this] { Command8_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    Combo1.Click = [this] { Combo1_Click(); };
    Combo2.Click = [this] { Combo2_Click(); };
    List1.Click = [this] { List1_Click(); };
    List1.DblClick = [this] { List1_DblClick(); };
    List3.Click = [this] { List3_Click(); };
    Label14.Click = [this] { Label14_Click(); };
}

void FrmMezziGratis::Form_Load() {
    setCaption("SetUpMezzi " + G().CampaignName);
    // Without its tables the campaign cannot be completed: the phase buttons stay off and the
    // window's close box offers to delete it.
    try {
        CaricaTabelleNomi();
        CaricaDatiBasi();
        CaricaSetUpGioco();
        G().CurrentSide = 0;
        ArchivePath = G().AppPath + "\\archivio\\";
        const QStringList missing = missingArchives(ArchivePath);
        const QStringList refused = refusedArchiveRecords(ArchivePath);
        CarrierCount = CopiaArchivioNavi(ArchivePath);
        CopiaArchivioAerei(ArchivePath);
        CreaFileAereiPortaerei(ArchivePath, CarrierCount);
        if (!missing.isEmpty())
            MsgBox("Archivio mancante (il lato non avrà questi mezzi):\n" + missing.join('\n'), vbExclamation,
                   caption());
        if (!refused.isEmpty())
            MsgBox("Record degli archivi che un gioco non può contenere, lasciati fuori dal gioco:\n" +
                       refused.join('\n'),
                   vbExclamation, caption());
        // From here on each step of the window reaches the campaign's files whole or not at all.
        G().CampaignOpen = true;
    } catch (const std::exception& e) {
        Command2.setEnabled(false);
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmMezziGratis::showSide(int side) {
    Image1.setVisible(side == kAllies);
    Image2.setVisible(side == kAllies);
    Image3.setVisible(side == kAxis);
    Image4.setVisible(side == kAxis);
}

// ---------------------------------------------------------------- ship phases

void FrmMezziGratis::Command2_Click() {
    beginShipPhase(kAllies);
}

void FrmMezziGratis::Command3_Click() {
    beginShipPhase(kAxis);
}

void FrmMezziGratis::beginShipPhase(int side) {
    G().CurrentSide = side;
    WizardPhase = 1;
    showSide(side);
    Frame1.setCaption(side == kAllies ? "NAVI ALLEATI" : "NAVI ASSE");
    PreparaNaviGratis();
    ListaBasiNavi();
    if (side == kAllies)
        ListaNaviGratisAlle();
    else
        ListaNaviGratisAsse();
    Command1.setEnabled(true);
    (side == kAllies ? Command2 : Command3).setEnabled(false);
}

void FrmMezziGratis::Command1_Click() {
    if (WizardPhase == 1)
        Frame1.setVisible(true);
    else
        Frame2.setVisible(true);
    for (CommandButton* c : {&Command1, &Command2, &Command3, &Command4}) c->setEnabled(false);
}

void FrmMezziGratis::FreeShipQuota() {
    QuotaLeft = freeShipQuota(G().GameSettings[1]);
}

void FrmMezziGratis::PreparaNaviGratis() {
    for (int k = 0; k < kFreeShipTypeCount; ++k) Label1[k].setCaption(FreeShipTypes[k]);
    FreeShipQuota();
    AggiornaQuote();
}

void FrmMezziGratis::AggiornaQuote() {
    FreeShipsLeft = 0;
    for (int k = 0; k < kFreeShipTypeCount; ++k) {
        Label2[k].setCaption(plain(QuotaLeft[k]));
        FreeShipsLeft += QuotaLeft[k];
    }
    Label4.setCaption(plain(FreeShipsLeft));
    Label11.setCaption(plain(G().BaseTable[FreeBase][BaseCol::ShipsPresent]) + "/" +
                       plain(G().BaseShipCapacity[FreeBase]));
    SalvaDatiBasi();
    Label14.setBackColor(FreeShipsLeft == 0 ? kGreen : kRed);
}

void FrmMezziGratis::ListaBasiNavi() {
    Combo1.clear();
    for (int base : freeShipPorts(G().CurrentSide)) Combo1.addItem(G().BaseNames[base]);
}

void FrmMezziGratis::ListaNaviGratisAlle() {
    ListaNaviGratis(kAllies);
}

void FrmMezziGratis::ListaNaviGratisAsse() {
    ListaNaviGratis(kAxis);
}

void FrmMezziGratis::ListaNaviGratis(int side) {
    for (const ListedUnit& u : freeShipList(side, G().GameSettings[3])) {
        List1.addItem(u.text);
        List1.setItemData(List1.newIndex(), u.record);
    }
}

void FrmMezziGratis::Combo1_Click() {
    const std::vector<int> ports = freeShipPorts(G().CurrentSide);
    const int i = Combo1.listIndex();
    if (i < 0 || i >= int(ports.size())) return;
    List1.setEnabled(true);
    FreeBase = ports[i];
    Label5.setCaption(plain(FreeBase));
    Label11.setCaption(plain(G().BaseTable[FreeBase][BaseCol::ShipsPresent]) + "/" +
                       plain(G().BaseShipCapacity[FreeBase]));
}

void FrmMezziGratis::List1_Click() {
    Label6.setCaption(QString());
    if (FreeBase < 1 || List1.listIndex() < 0) return;
    if (G().BaseTable[FreeBase][BaseCol::ShipsPresent] >= G().BaseShipCapacity[FreeBase]) return;
    PickedRecord = List1.itemData(List1.listIndex());
    Label6.setCaption(shipDetails(G().CurrentSide, PickedRecord));
}

void FrmMezziGratis::List1_DblClick() {
    if (G().CurrentSide == kAllies)
        AssegnaNaveAlle();
    else if (G().CurrentSide == kAxis)
        AssegnaNaveAsse();
}

void FrmMezziGratis::AssegnaNaveAlle() {
    AssegnaNave(kAllies);
}

void FrmMezziGratis::AssegnaNaveAsse() {
    AssegnaNave(kAxis);
}

void FrmMezziGratis::AssegnaNave(int side) {
    const int index = List1.listIndex();
    if (FreeBase < 1 || index < 0) return;
    PickedRecord = List1.itemData(index);
    const QString placed = placeFreeShip(side, FreeBase, PickedRecord, QuotaLeft);
    AggiornaQuote();
    if (placed.isEmpty()) return;
    List1.removeItem(index);
    List2.addItem(placed);
    Label12.setCaption(plain(textToWhole(Label12.caption()) + 1));
    Label6.setCaption(QString());
}

void FrmMezziGratis::Label14_Click() {
    Label28.setVisible(false);
    if (G().CurrentSide == kAllies) {
        Command2.setEnabled(false);
        Command3.setEnabled(true);
    } else {
        Command3.setEnabled(false);
        Command4.setEnabled(true);
    }
    List1.clear();
    List2.clear();
    Combo1.setListIndex(-1);
    List1.setEnabled(false);
    for (Label* l : {&Label5, &Label11, &Label4, &Label6, &Label12}) l->setCaption(QString());
    Label14.setBackColor(kRed);
    Frame1.setVisible(false);
    FreeBase = 0;
    FreeShipsLeft = 0;
    SalvaDatiBasi();
}

// ---------------------------------------------------------------- aircraft phases

void FrmMezziGratis::Command4_Click() {
    beginAircraftPhase(kAllies);
}

void FrmMezziGratis::Command5_Click() {
    Label28.setCaption(kNoticeAircraft);
    Label28.setVisible(true);
    beginAircraftPhase(kAxis);
}

void FrmMezziGratis::beginAircraftPhase(int side) {
    G().CurrentSide = side;
    WizardPhase = 2;
    showSide(side);
    Frame2.setCaption(side == kAllies ? "AEREI ALLEATI" : "AEREI ASSE");
    ListaBasiAerei();
    AircraftPool = side == kAllies ? kAlliedAircraftPool : kAxisAircraftPool;
    Label20.setCaption(plain(AircraftPool));
    Command1.setEnabled(true);
    (side == kAllies ? Command4 : Command5).setEnabled(false);
    refreshEndOfAircraft();
}

void FrmMezziGratis::ListaBasiAerei() {
    for (int base : airBases(G().CurrentSide)) Combo2.addItem(G().BaseNames[base]);
}

void FrmMezziGratis::restorePending() {
    if (PendingAircraft == 0 || FreeBase < 1) return;
    G().BaseTable[FreeBase][BaseCol::AircraftPresent] -= PendingAircraft;
    AircraftPool += PendingAircraft;
    PendingAircraft = 0;
    Label24.setCaption(QString());
    Label20.setCaption(plain(AircraftPool));
}

void FrmMezziGratis::Combo2_Click() {
    const std::vector<int> bases = airBases(G().CurrentSide);
    const int i = Combo2.listIndex();
    if (i < 0 || i >= int(bases.size())) return;
    // Aircraft added to the base left and not confirmed go back to the pool.
    restorePending();
    List3.setEnabled(true);
    FreeBase = bases[i];
    Label23.setCaption(QString());
    Label17.setCaption(plain(FreeBase));
    Label22.setCaption(plain(G().BaseTable[FreeBase][BaseCol::AircraftPresent]));
    Label26.setCaption(plain(G().BaseAircraftCapacity[FreeBase]));
    Label20.setCaption(plain(AircraftPool));
    List3.clear();
    List4.clear();
    if (G().CurrentSide == kAllies)
        ListaAereiGratisAlle();
    else
        ListaAereiGratisAsse();
    refreshEndOfAircraft();
}

void FrmMezziGratis::ListaAereiGratisAlle() {
    ListaAereiGratis(kAllies);
}

void FrmMezziGratis::ListaAereiGratisAsse() {
    ListaAereiGratis(kAxis);
}

void FrmMezziGratis::ListaAereiGratis(int side) {
    List3.clear();
    const AircraftLists lists = freeAircraftLists(side, FreeBase);
    for (const ListedUnit& u : lists.types) {
        List3.addItem(u.text);
        List3.setItemData(List3.newIndex(), u.record);
    }
    for (const QString& line : lists.placed) List4.addItem(line);
}

void FrmMezziGratis::List3_Click() {
    if (FreeBase < 1 || List3.listIndex() < 0) return;
    PickedRecord = List3.itemData(List3.listIndex());
    Label23.setCaption(aircraftDetails(G().CurrentSide, FreeBase, PickedRecord));
}

void FrmMezziGratis::Command6_Click() {
    if (Label23.caption().isEmpty() || AircraftPool == 0) return;
    if (G().BaseTable[FreeBase][BaseCol::AircraftPresent] >= G().BaseAircraftCapacity[FreeBase]) return;
    ++PendingAircraft;
    G().BaseTable[FreeBase][BaseCol::AircraftPresent] += 1;
    Label22.setCaption(plain(G().BaseTable[FreeBase][BaseCol::AircraftPresent]));
    Label24.setCaption(plain(PendingAircraft));
    --AircraftPool;
    Label20.setCaption(plain(AircraftPool));
    refreshEndOfAircraft();
}

void FrmMezziGratis::Command7_Click() {
    if (Label23.caption().isEmpty() || PendingAircraft <= 0) return;
    --PendingAircraft;
    G().BaseTable[FreeBase][BaseCol::AircraftPresent] -= 1;
    Label22.setCaption(plain(G().BaseTable[FreeBase][BaseCol::AircraftPresent]));
    Label24.setCaption(plain(PendingAircraft));
    ++AircraftPool;
    Label20.setCaption(plain(AircraftPool));
    refreshEndOfAircraft();
}

void FrmMezziGratis::Command8_Click() {
    if (PendingAircraft == 0) return;
    List4.addItem(confirmFreeAircraft(G().CurrentSide, FreeBase, PickedRecord, PendingAircraft));
    PendingAircraft = 0;
    SalvaDatiBasi();
    Label23.setCaption(QString());
    Label24.setCaption(QString());
    Label22.setCaption(plain(G().BaseTable[FreeBase][BaseCol::AircraftPresent]));
    if (AircraftPool == 0)
        endAircraftPhase();
    else
        refreshEndOfAircraft();
}

void FrmMezziGratis::Command9_Click() {
    if (PendingAircraft != 0 || canPlaceMoreAircraft(G().CurrentSide)) return;
    endAircraftPhase();
}

// The way out of a phase whose pool cannot be placed is offered only then.
void FrmMezziGratis::refreshEndOfAircraft() {
    Command9.setEnabled(WizardPhase == 2 && AircraftPool > 0 && PendingAircraft == 0 &&
                        !canPlaceMoreAircraft(G().CurrentSide));
}

void FrmMezziGratis::endAircraftPhase() {
    if (G().CurrentSide == kAllies) {
        Combo2.clear();
        List3.clear();
        List4.clear();
        for (Label* l : {&Label23, &Label26, &Label24, &Label22, &Label20, &Label17})
            l->setCaption(QString());
        Frame2.setVisible(false);
        List3.setEnabled(false);
        Command9.setEnabled(false);
        FreeBase = 0;
        Command5.setEnabled(true);
        return;
    }
    // The table saves held for the end of the step are made while the campaign is still open, so
    // that they are kept and undone with the rest of the step: the window closes the campaign.
    for (void (*saver)() : {SalvaDatiBasi, SalvaTabelleGruppi, SalvaMine}) saveNowIfDue(saver);
    G().CampaignOpen = false;
    G().Files.closeAll();
    unloadForm(*this);
    platform::form<FrmGame>().show();
}

void FrmMezziGratis::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode == vbFormControlMenu && !leaveNewCampaign()) cancel = 1;
}
