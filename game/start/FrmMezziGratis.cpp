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

// Label28 first tells where the free ships may go, then (kNoticeAircraft) where the aircraft may.
const platform::Layout<FrmMezziGratis>& FrmMezziGratis::layout() {
    using enum Kind;
    using enum On;
    static const Layout<FrmMezziGratis> rows = {
        // clang-format off
        // kind        name         container   left   top  width  height  caption, tool-tip, state at load, events
        {Button,       "Command2",  "",         120,  120,  1800,    420, "Navi Alleati", "", Visible, {{Click, &FrmMezziGratis::Command2_Click}}},
        {Button,       "Command3",  "",        2040,  120,  1800,    420, "Navi Asse", "", Disabled, {{Click, &FrmMezziGratis::Command3_Click}}},
        {Button,       "Command4",  "",        3960,  120,  1800,    420, "Aerei Alleati", "", Disabled, {{Click, &FrmMezziGratis::Command4_Click}}},
        {Button,       "Command5",  "",        5880,  120,  1800,    420, "Aerei Asse", "", Disabled, {{Click, &FrmMezziGratis::Command5_Click}}},
        {Button,       "Command1",  "",        7800,  120,  1200,    420, "&Start", "", Disabled, {{Click, &FrmMezziGratis::Command1_Click}}},
        {Label,        "Label28",   "",         120,  720,  9000,    600, "A Malta possono essere allocati solo Sommergibili \"SA\". Le altre navi debbono arrivare giocando!      Nei Porti Africani dell'Asse non può essere allocata nessuna nave gratis. Buon divertimento!", "", Visible},
        {Image,        "Image1",    "",        9240,   60,  2250,    600, "", "", Hidden},
        {Image,        "Image2",    "",        9240,  660,  2250,    600, "", "", Hidden},
        {Image,        "Image3",    "",        9240,   60,  2250,    600, "", "", Hidden},
        {Image,        "Image4",    "",        9240,  660,  2250,    600, "", "", Hidden},
        {Frame,        "Frame1",    "",         120, 1380, 11280,   6000, "", "", Hidden},
        {Label,        "Label3",    "Frame1",   240,  300,  3000,    285, "PRIMA la base POI le Navi", "", Visible},
        {DropDownList, "Combo1",    "Frame1",   240,  600,  2400,    315, "", "", Visible, {{Click, &FrmMezziGratis::Combo1_Click}}},
        {Label,        "Label9",    "Frame1",  2760,  630,   780,    285, "N° Base", "", Visible},
        {Label,        "Label5",    "Frame1",  3540,  600,   600,    315, "", "", Visible},
        {Label,        "Label10",   "Frame1",  4320,  630,  1320,    285, "In questa Base", "", Visible},
        {Label,        "Label11",   "Frame1",  5640,  600,   900,    315, "", "", Visible},
        {Label,        "Label8",    "Frame1",  6720,  630,  1920,    285, "Ancora   da assegnare", "", Visible},
        {Label,        "Label4",    "Frame1",  8640,  600,   600,    315, "", "", Visible},
        {Label,        "Label7",    "Frame1",   240, 4740,  2160,    285, "Tutte le NAVI assegnate:", "", Visible},
        {Label,        "Label12",   "Frame1",  2400, 4710,   600,    315, "", "", Visible},
        {List,         "List1",     "Frame1",   240, 1080,  5400,   3540, "", "", Disabled, {{Click, &FrmMezziGratis::List1_Click}, {DblClick, &FrmMezziGratis::List1_DblClick}}},
        {Label,        "Label6",    "Frame1",  3120, 4710,  7920,    315, "", "", Visible},
        {List,         "List2",     "Frame1",  5760, 1080,  3600,   3540, "", "", Visible},
        {Frame,        "Frame3",    "Frame1",  9480,  960,  1680,   3660, "Navi Gratis", "", Visible},
        {Line,         "Line3",     "Frame3",   120,  690,  1560,    690, "", "", Visible},
        {Line,         "Line4",     "Frame3",   120, 1140,  1560,   1140, "", "", Visible},
        {Line,         "Line5",     "Frame3",   120, 1590,  1560,   1590, "", "", Visible},
        {Line,         "Line6",     "Frame3",   120, 2040,  1560,   2040, "", "", Visible},
        {Line,         "Line7",     "Frame3",   120, 2490,  1560,   2490, "", "", Visible},
        {Line,         "Line8",     "Frame3",   120, 2940,  1560,   2940, "", "", Visible},
        {Line,         "Line9",     "Frame3",   120, 3390,  1560,   3390, "", "", Visible},
        {Label,        "Label1(0)", "Frame3",   180,  300,   600,    315, "", "", Visible},
        {Label,        "Label2(0)", "Frame3",   900,  300,   600,    315, "", "", Visible},
        {Label,        "Label1(1)", "Frame3",   180,  750,   600,    315, "", "", Visible},
        {Label,        "Label2(1)", "Frame3",   900,  750,   600,    315, "", "", Visible},
        {Label,        "Label1(2)", "Frame3",   180, 1200,   600,    315, "", "", Visible},
        {Label,        "Label2(2)", "Frame3",   900, 1200,   600,    315, "", "", Visible},
        {Label,        "Label1(3)", "Frame3",   180, 1650,   600,    315, "", "", Visible},
        {Label,        "Label2(3)", "Frame3",   900, 1650,   600,    315, "", "", Visible},
        {Label,        "Label1(4)", "Frame3",   180, 2100,   600,    315, "", "", Visible},
        {Label,        "Label2(4)", "Frame3",   900, 2100,   600,    315, "", "", Visible},
        {Label,        "Label1(5)", "Frame3",   180, 2550,   600,    315, "", "", Visible},
        {Label,        "Label2(5)", "Frame3",   900, 2550,   600,    315, "", "", Visible},
        {Label,        "Label1(6)", "Frame3",   180, 3000,   600,    315, "", "", Visible},
        {Label,        "Label2(6)", "Frame3",   900, 3000,   600,    315, "", "", Visible},
        {Label,        "Label14",   "Frame1",   240, 5280,  1320,    480, "FINE", "", Visible, {{Click, &FrmMezziGratis::Label14_Click}}},
        {Label,        "Label13",   "Frame1",  1680, 5280,  7200,    480, "Chiudere solo se NAVI gratis finite o se non si desiderano altre NAVI gratis", "", Visible},
        {Line,         "Line1",     "Frame1",   240,  990,  9360,    990, "", "", Visible},
        {Line,         "Line2",     "Frame1",   240, 5130, 11040,   5130, "", "", Visible},
        {Frame,        "Frame2",    "",         120, 1380, 11280,   6000, "", "", Hidden},
        {Label,        "Label15",   "Frame2",   240,  300,  3000,    285, "PRIMA la base POI gli Aerei", "", Visible},
        {DropDownList, "Combo2",    "Frame2",   240,  600,  2400,    315, "", "", Visible, {{Click, &FrmMezziGratis::Combo2_Click}}},
        {Label,        "Label16",   "Frame2",  2760,  630,   780,    285, "N° Base", "", Visible},
        {Label,        "Label17",   "Frame2",  3540,  600,   600,    315, "", "", Visible},
        {List,         "List3",     "Frame2",   240, 1080,  5400,   3540, "", "", Disabled, {{Click, &FrmMezziGratis::List3_Click}}},
        {Label,        "Label27",   "Frame2",   240, 4740,  1560,    285, "Di questo tipo >>", "", Visible},
        {Label,        "Label23",   "Frame2",  1800, 4710,  9240,    315, "", "", Visible},
        {Button,       "Command6",  "Frame2",   240, 5280,   600,    420, "+", "", Visible, {{Click, &FrmMezziGratis::Command6_Click}}},
        {Button,       "Command7",  "Frame2",   960, 5280,   600,    420, "-", "", Visible, {{Click, &FrmMezziGratis::Command7_Click}}},
        {Label,        "Label24",   "Frame2",  1680, 5295,   600,    390, "", "", Visible},
        {Button,       "Command8",  "Frame2",  2400, 5280,  2400,    420, "&Conferma N° Aerei", "", Visible, {{Click, &FrmMezziGratis::Command8_Click}}},
        {Label,        "Label18",   "Frame2",  5760,  300,  5280,    285, "Tutti gli AEREI assegnati a questa base:", "", Visible},
        {List,         "List4",     "Frame2",  5760,  600,  5280,   2700, "", "", Visible},
        {Label,        "Label19",   "Frame2",  5760, 3480,  3000,    285, "Ancora   da assegnare", "", Visible},
        {Label,        "Label20",   "Frame2",  8880, 3450,   900,    315, "", "", Visible},
        {Label,        "Label21",   "Frame2",  5760, 3870,  3000,    285, "Totale aerei in questa Base", "", Visible},
        {Label,        "Label22",   "Frame2",  8880, 3840,   900,    315, "", "", Visible},
        {Label,        "Label25",   "Frame2",  5760, 4260,  3000,    285, "Max Numero Aerei in questa Base", "", Visible},
        {Label,        "Label26",   "Frame2",  8880, 4230,   900,    315, "", "", Visible},
        {Button,       "Command9",  "Frame2",  8880, 5280,  2160,    420, "&Fine Aerei", "Chiude la fase quando gli aerei rimasti non trovano posto nelle basi", Disabled, {{Click, &FrmMezziGratis::Command9_Click}}},
        // clang-format on
    };
    return rows;
}

FrmMezziGratis::FrmMezziGratis() : FormWith("FrmMezziGratis") {
    setSize(11520, 7560);
    setFixedBorder(true);

    Image1.setPicture(sideBanner("ALLEATI", vbYellow, true));
    Image2.setPicture(sideBanner("NAVI-AEREI", vbYellow, true));
    Image3.setPicture(sideBanner("ASSE", vbRed, false));
    Image4.setPicture(sideBanner("NAVI-AEREI", vbRed, false));
    Label28.setWordWrap(true);
    Label28.setFontBold(true);

    for (Label* l : {&Label5, &Label11, &Label4, &Label12}) {
        l->setBorderStyle(1);
        l->setAlignment(2);
    }
    Label6.setBorderStyle(1);
    for (int k = 0; k < kFreeShipTypeCount; ++k) {
        Label2[k].setBorderStyle(1);
        Label2[k].setAlignment(2);
    }
    for (Line* l : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9})
        l->setBorderColor(vbGrayText);
    Label14.setAlignment(2);
    Label14.setBorderStyle(1);
    Label14.setFontBold(true);
    Label14.setBackColor(kRed);
    Label13.setWordWrap(true);

    for (Label* l : {&Label17, &Label23, &Label24, &Label20, &Label22, &Label26}) l->setBorderStyle(1);
    for (Label* l : {&Label17, &Label24, &Label20, &Label22, &Label26}) l->setAlignment(2);
    for (ListBox* l : {&List1, &List2, &List3, &List4}) l->setFontName("Courier New");
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
