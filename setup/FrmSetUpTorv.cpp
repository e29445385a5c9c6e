#include "FrmSetUpTorv.h"

#include "SetupGlobals.h"
#include "SideArchive.h"
#include "cards/help/Form1_info1.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <QFileInfo>

using namespace platform;

namespace {
const long kNavy = RGB(0, 0, 96);
const long kKill = RGB(200, 0, 0);
const QString kMonoFont = QStringLiteral("DejaVu Sans Mono");
} // namespace

const platform::Layout<FrmSetUpTorv>& FrmSetUpTorv::layout() {
    using enum Kind;
    using enum On;
    static const Layout<FrmSetUpTorv> rows = {
        // clang-format off
        // kind  name        container   left   top  width  height  caption, tool-tip, state at load, events
        {Frame,  "Frame1",   "",         120,  120,  3120,   1620, "Seleziona Crea Archivio", "", Visible},
        {Option, "Option1",  "Frame1",   240,  420,  1320,    330, "Alleati", "", Visible, {{Click, &FrmSetUpTorv::Option1_Click}}},
        {Option, "Option2",  "Frame1",   240,  960,  1320,    330, "Asse", "", Visible, {{Click, &FrmSetUpTorv::Option2_Click}}},
        {Line,   "Line1",    "Frame1",  1680,  300,  1680,   1500, "", "", Visible},
        {Image,  "Image3",   "Frame1",  1860,  330,  1080,    540, "", "", Hidden},
        {Image,  "Image4",   "Frame1",  1860,  960,  1080,    540, "", "", Hidden},
        // The Allied flags, made after Frame1 so that they lie over it, where the Axis flags lie.
        {Image,  "Image1",   "",        1980,  450,  1080,    540, "", "", Hidden},
        {Image,  "Image2",   "",        1980, 1080,  1080,    540, "", "", Hidden},
        {Frame,  "Frame2",   "",         120, 1860,  3120,   1140, "Mezzi", "Reset per attivare opzione", Visible},
        {Option, "Option3",  "Frame2",   240,  420,  1200,    330, "Navi", "", Visible, {{Click, &FrmSetUpTorv::Option3_Click}}},
        {Option, "Option4",  "Frame2",  1680,  420,  1200,    330, "Aerei", "", Visible, {{Click, &FrmSetUpTorv::Option4_Click}}},
        {Frame,  "Frame3",   "",         120, 3120,  3120,   1620, "", "", Visible},
        {Button, "Command1", "Frame3",   180,  270,  1320,    480, "Apri Navi", "", Disabled, {{Click, &FrmSetUpTorv::Command1_Click}}},
        {Button, "Command2", "Frame3",  1620,  270,  1320,    480, "Apri Aerei", "", Disabled, {{Click, &FrmSetUpTorv::Command2_Click}}},
        {Button, "Command3", "Frame3",   180,  930,  1320,    480, "Reset", "", Visible, {{Click, &FrmSetUpTorv::Command3_Click}}},
        {Button, "Command4", "Frame3",  1620,  930,  1320,    480, "Esce", "", Visible, {{Click, &FrmSetUpTorv::Command4_Click}}},
        {Frame,  "Frame4",   "",        3420,  120,  5880,   7260, "Navi", "", Hidden},
        {Label,  "Label1",   "Frame4",   180,  330,  5520,    300, "", "", Visible},
        {Label,  "Label2",   "Frame4",   180,  690,  5520,    300, "", "", Visible},
        {Label,  "Label3",   "Frame4",   180, 1050,  5520,    300, "", "", Visible},
        {Label,  "Label4",   "Frame4",   180, 1410,  5520,    300, "", "", Visible},
        {List,   "List1",    "Frame4",   180, 2100,  2700,   3000, "", "Doppio Click = inserisce record in archivio", Visible, {{DblClick, &FrmSetUpTorv::List1_DblClick}}},
        {List,   "List2",    "Frame4",  3000, 2100,  2700,   3000, "", "", Visible},
        {Label,  "Label20",  "Frame4",   180, 1770,  5520,    270, "", "", Visible},
        {Label,  "Label22",  "Frame4",   180, 5160,  5520,    540, "", "", Visible},
        {Label,  "Label5",   "Frame4",   180, 5790,  5520,    270, "  Dall'archivio   >>>>>>   al   >>>>>>  Gioco", "", Visible},
        {Label,  "Label6",   "Frame4",  2580, 6090,   720,    330, "", "", Visible},
        {Button, "Command9", "Frame4",   180, 6570,  2880,    480, "Distruggi Archivio Navi", "Double click  KILL", Visible, {{Click, &FrmSetUpTorv::Command9_Click}}},
        {Label,  "Label19",  "Frame4",  4560, 6570,  1140,    480, "KILL", "L'Archivo navi selezionato verrà DISTRUTTO", Hidden, {{DblClick, &FrmSetUpTorv::Label19_DblClick}}},
        {Frame,  "Frame5",   "",        3420,  120,  5880,   7260, "Aerei", "", Hidden},
        {Label,  "Label10",  "Frame5",   180,  330,  5520,    270, "", "", Visible},
        {Label,  "Label12",  "Frame5",   180,  630,  5520,    270, "", "", Visible},
        {Label,  "Label11",  "Frame5",   180,  930,  5520,    270, "", "", Visible},
        {Label,  "Label13",  "Frame5",   180, 1230,  5520,    270, "", "", Visible},
        {Label,  "Label16",  "Frame5",   180, 1530,  5520,    270, "", "", Visible},
        {List,   "List4",    "Frame5",   180, 2100,  2700,   3000, "", "Doppio Click = inserisce record in archivio", Visible, {{Click, &FrmSetUpTorv::List4_Click}}},
        {List,   "List5",    "Frame5",  3000, 2100,  2700,   3000, "", "", Visible},
        {Label,  "Label7",   "Frame5",   180, 5790,  5520,    270, "  Dall'archivio   >>>>>>   al   >>>>>>  Gioco", "", Visible},
        {Label,  "Label8",   "Frame5",  2580, 6090,   720,    330, "", "", Visible},
        {Label,  "Label21",  "Frame5",   180, 5160,  5520,    540, "", "", Visible},
        {Button, "Command8", "Frame5",   180, 6570,  2880,    480, "Distruggi Archivio Aerei", "Bouble Click  KILL", Visible, {{Click, &FrmSetUpTorv::Command8_Click}}},
        {Label,  "Label18",  "Frame5",  4560, 6570,  1140,    480, "KILL", "L'archivio selezionato viene DISTRUTTO", Hidden, {{DblClick, &FrmSetUpTorv::Label18_DblClick}}},
        {Frame,  "Frame6",   "",        9480,  120,  4620,   7260, "Mezzi Inseriti", "", Visible},
        {Label,  "Label9",   "Frame6",   180,  330,  4260,    330, "", "", Visible},
        {List,   "List3",    "Frame6",   180,  720,  4260,   4410, "", "Attenzione il record Puntato è selezionato per essere CANCELLATO DEFINITIVAMENTE", Visible, {{Click, &FrmSetUpTorv::List3_Click}}},
        {Label,  "Label23",  "Frame6",   180, 5160,  4260,    720, "", "", Visible},
        {Label,  "Label14",  "Frame6",   180, 5940,  2640,    300, "Cancella File Selezionato:", "", Visible},
        {Label,  "Label17",  "Frame6",  2880, 5910,   900,    330, "", "", Visible, {{Click, &FrmSetUpTorv::Label17_Click}}},
        {Button, "Command5", "Frame6",   180, 6420,  1320,    480, "CancNave", "", Disabled, {{Click, &FrmSetUpTorv::Command5_Click}}},
        {Button, "Command6", "Frame6",  1560, 6420,  1320,    480, "CancAereo", "", Disabled, {{Click, &FrmSetUpTorv::Command6_Click}}},
        {Button, "Command7", "Frame6",  3000, 6420,  1440,    480, "Stampa lista ", "", Visible, {{Click, &FrmSetUpTorv::Command7_Click}}},
        {Label,  "Label15",  "",         120, 7080,  3120,    270, "Rel: 1.001.2004", "", Visible},
        {Image,  "Image5",   "",        1200, 4980,   960,    960, "", "Help", Visible, {{Click, &FrmSetUpTorv::Image5_Click}}},
        // clang-format on
    };
    return rows;
}

FrmSetUpTorv::FrmSetUpTorv() : Form("FrmSetUpTorv") {
    setCaption(QStringLiteral("SetUpTorv"));
    setSize(14220, 7560);
    setFixedBorder(true);

    Line1.setBorderColor(vbGrayText);
    for (Image* i : {&Image1, &Image2, &Image3, &Image4}) i->setBorderStyle(1);
    for (Image* i : {&Image1, &Image2, &Image3, &Image4, &Image5}) i->setStretch(true);
    List3.setFontName(kMonoFont);

    // The card's values in navy on their panel, the notices in red; the counts and the record
    // marked for deletion in boxes.
    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label10, &Label12, &Label11, &Label13, &Label16,
                     &Label20, &Label21, &Label22, &Label23})
        l->setBackStyle(0);
    for (Label* l :
         {&Label1, &Label2, &Label3, &Label4, &Label10, &Label12, &Label11, &Label13, &Label16, &Label9})
        l->setForeColor(kNavy);
    for (Label* l : {&Label20, &Label21, &Label22, &Label23}) l->setForeColor(kKill);
    for (Label* l : {&Label6, &Label8, &Label17}) l->setBorderStyle(1);
    for (Label* l : {&Label15, &Label5, &Label7, &Label6, &Label8, &Label19, &Label18, &Label9, &Label17})
        l->setAlignment(2);
    for (Label* l : {&Label5, &Label7}) l->setWordWrap(false);
    for (Label* l : {&Label1, &Label10, &Label9}) l->setFontSize(11);
    for (Label* l : {&Label1, &Label10, &Label9, &Label6, &Label8, &Label19, &Label18}) l->setFontBold(true);
    // "KILL", white on red.
    for (Label* l : {&Label19, &Label18}) {
        l->setFontSize(12);
        l->setForeColor(vbWhite);
        l->setBackColor(kKill);
    }
}

void FrmSetUpTorv::Form_Load() {
    SetupGlobals& g = SG();
    g.PrintFlag = 0;
    g.AppFolder = appFolder();
    g.DataFolder = g.AppFolder + QStringLiteral("\\Data\\");
    g.ArchiveFolder = g.AppFolder + QStringLiteral("\\Archivio\\");
    g.ArchiveSide = 1;
    setIcon(g.AppFolder + QStringLiteral("\\Ico\\kvz.ico"));
    for (auto [image, flag] : {std::pair{&Image1, "GB"}, {&Image2, "US"}, {&Image3, "IT"}, {&Image4, "DE"}})
        image->loadPicture(g.AppFolder + QStringLiteral("\\Ico\\%1.ico").arg(QLatin1String(flag)));
    Label6.setCaption(QStringLiteral("0"));
    Label8.setCaption(QStringLiteral("0"));
    Command5.setEnabled(false);
    Command1.setEnabled(g.ArchiveSide > 0 && g.UnitKind > 0 && !g.SideWord.isEmpty());
    showKindPicture(QStringLiteral("kvz0.ico"));
    // The help viewer leaves no unit panel open behind it.
    Form1_info1::beforeLoad = [] {
        if (!isLoaded<FrmSetUpTorv>()) return;
        FrmSetUpTorv& w = platform::form<FrmSetUpTorv>();
        w.Frame4.setVisible(false);
        w.Frame5.setVisible(false);
    };
}

void FrmSetUpTorv::Form_QueryUnload(int& cancel, int unloadMode) {
    // The close box leaves as "Esce" does.
    if (unloadMode == vbFormControlMenu) {
        cancel = 1;
        Command4_Click();
    }
}

void FrmSetUpTorv::showKindPicture(const QString& icon) {
    Image5.loadPicture(SG().AppFolder + QStringLiteral("\\Ico\\") + icon);
}

void FrmSetUpTorv::clearLists() {
    for (ListBox* l : {&List1, &List2, &List3, &List4, &List5}) l->clear();
    for (Label* l : {&Label21, &Label22, &Label23}) l->setCaption(QString());
    // The record picked in the archive list goes with the list.
    SG().SelectedRecord = 0;
    Label17.setCaption(QString());
}

// ---------------------------------------------------------------- side and kind

void FrmSetUpTorv::Option1_Click() {
    chooseSide(sidearchive::kAlliesSide);
}

void FrmSetUpTorv::Option2_Click() {
    chooseSide(sidearchive::kAxisSide);
}

void FrmSetUpTorv::chooseSide(int side) {
    ClearRecordLabels();
    Command5.setEnabled(false);
    clearLists();
    SetupGlobals& g = SG();
    g.ArchiveSide = side;
    const bool allies = side == sidearchive::kAlliesSide;
    Image1.setVisible(allies);
    Image2.setVisible(allies);
    Image3.setVisible(!allies);
    Image4.setVisible(!allies);
    g.SideWord = sidearchive::sideWord(g.ArchiveSide);
    Label9.setCaption(g.SideWord);
    CheckShipNation();
    ShowArchiveTitle();
}

void FrmSetUpTorv::Option3_Click() {
    chooseKind(sidearchive::kShips);
}

void FrmSetUpTorv::Option4_Click() {
    chooseKind(sidearchive::kAircraft);
}

void FrmSetUpTorv::chooseKind(int kind) {
    const bool ships = kind == sidearchive::kShips;
    Command5.setEnabled(false);
    Frame4.setVisible(ships);
    Frame5.setVisible(!ships);
    clearLists();
    SG().UnitKind = kind;
    showKindPicture(ships ? QStringLiteral("nave.ico") : QStringLiteral("rico.ico"));
    ShowArchiveTitle();
}

void FrmSetUpTorv::ShowArchiveTitle() {
    const SetupGlobals& g = SG();
    // Without a side the archive would have no name the game could find: no card can be opened.
    if (g.ArchiveSide == 0 || g.UnitKind == 0 || g.SideWord.isEmpty()) return;
    const bool ships = g.UnitKind == sidearchive::kShips;
    Command1.setEnabled(ships);
    Command2.setEnabled(!ships);
    Label9.setCaption((ships ? QStringLiteral("NAVI ") : QStringLiteral("AEREI ")) + g.SideWord);
}

// ---------------------------------------------------------------- cards

QString FrmSetUpTorv::chooseCard(const QString& subfolder, const QString& title, const QString& filter) {
    FileDialog dialog;
    dialog.InitDir = SG().AppFolder + subfolder;
    dialog.DialogTitle = title;
    dialog.Filter = filter;
    dialog.FileName.clear();
    // A cancelled dialog is an empty name.
    return dialog.ShowOpen() ? dialog.FileName : QString();
}

void FrmSetUpTorv::Command1_Click() {
    ClearRecordLabels();
    clearLists();
    ListShipArchive();
    Frame2.setEnabled(false);

    const QString chosen =
        chooseCard(QStringLiteral("\\Navi\\"), QStringLiteral("Seleziona il Record Nave da aprire"),
                   QStringLiteral("File Dati Nave (*.sns)|*.sns"));
    if (chosen.isEmpty()) return;

    // Nothing of the previous card stays behind a card that cannot be read.
    SetupGlobals& g = SG();
    g.ShipCardValues = ShipValues{};
    g.CardShipRecord = recordformat::ShipRecord{};
    g.CardPath = chosen;
    const ShipValues values = readShipCard(g.CardPath);
    const recordformat::ShipRecord record = checkedShipArchiveRecord(values);
    g.ShipCardValues = values;
    g.CardShipRecord = record;

    ShowShipRecordLabels();
    CheckShipNation();
    Command5.setEnabled(false);
    OpenShipNameList();
    showIdenticalShips();
}

void FrmSetUpTorv::Command2_Click() {
    ClearRecordLabels();
    Label8.setCaption(QStringLiteral("0"));
    clearLists();
    ListAircraftArchive();
    Frame2.setEnabled(false);

    const QString chosen =
        chooseCard(QStringLiteral("\\Aerei\\"), QStringLiteral("Seleziona il Record Aereo da aprire"),
                   QStringLiteral("File Dati Aereo (*.SNK)|*.SNK"));
    if (chosen.isEmpty()) return;

    SetupGlobals& g = SG();
    g.AircraftCardValues = aircraftcard::AircraftData{};
    g.CardAircraftRecord = recordformat::AircraftRecord{};
    const aircraftcard::AircraftData values = aircraftcard::readCard(chosen);
    const recordformat::AircraftRecord record = checkedAircraftArchiveRecord(values);
    g.AircraftCardValues = values;
    g.CardAircraftRecord = record;

    List4.addItem(values[aircraftcard::Name]);
    ShowAircraftRecordLabels();
    CheckShipNation();
    Command6.setEnabled(false);
    showIdenticalAircraft();
}

void FrmSetUpTorv::OpenShipNameList() {
    SetupGlobals& g = SG();
    // The list lies beside its card, whatever the card's own file is called.
    g.CardPath = QFileInfo(diskPath(g.CardPath)).path() + u'/' +
                 shipNameListFileName(g.ShipCardValues[kCardClass], g.ShipCardValues[kCardDataYear]);
    LoadShipNameList();
}

void FrmSetUpTorv::LoadShipNameList() {
    for (const QString& name : readShipNameList(SG().CardPath)) List1.addItem(name);
}

void FrmSetUpTorv::CheckShipNation() {
    const QString nation = Label3.caption();
    const int side = SG().ArchiveSide;
    List1.setEnabled(sidearchive::shipNationAccepted(nation, side));
    Label20.setCaption(sidearchive::shipNationRefusal(nation, side));
}

void FrmSetUpTorv::ShowShipRecordLabels() {
    const ShipValues& v = SG().ShipCardValues;
    Label1.setCaption(v[kCardClass]);
    Label2.setCaption(v[kCardType]);
    Label3.setCaption(v[kCardNationCode]);
    Label4.setCaption(v[kCardDataYear]);
}

void FrmSetUpTorv::ShowAircraftRecordLabels() {
    const aircraftcard::AircraftData& v = SG().AircraftCardValues;
    Label10.setCaption(v[aircraftcard::Name]);
    Label12.setCaption(v[aircraftcard::Nation].left(2));
    Label11.setCaption(v[aircraftcard::Type]);
    Label13.setCaption(v[aircraftcard::Year]);
    Label16.setCaption(v[aircraftcard::CarrierBorne]);
}

void FrmSetUpTorv::ClearRecordLabels() {
    for (Label* l :
         {&Label1, &Label2, &Label3, &Label4, &Label10, &Label12, &Label11, &Label13, &Label16, &Label20})
        l->setCaption(QString());
}

// ---------------------------------------------------------------- reset, exit, help

void FrmSetUpTorv::Command3_Click() {
    Frame2.setEnabled(true);
    Frame4.setVisible(false);
    Frame5.setVisible(false);
    Option3.setValue(false);
    Option4.setValue(false);
    clearLists();
    Label6.setCaption(QStringLiteral("0"));
    Label8.setCaption(QStringLiteral("0"));
    Label18.setVisible(false);
    Label19.setVisible(false);
    Command5.setEnabled(false);
    Command6.setEnabled(false);
    SG().PrintFlag = 0;
    showKindPicture(QStringLiteral("kvz0.ico"));
    ClearRecordLabels();
}

void FrmSetUpTorv::Command4_Click() {
    Frame2.setEnabled(true);
    Command5.setEnabled(false);
    Option3.setValue(false);
    Option4.setValue(false);
    Frame4.setVisible(false);
    Frame5.setVisible(false);
    showKindPicture(QStringLiteral("kvz0.ico"));
    clearLists();
    Label17.setCaption(QString());
    Form1_info1::beforeLoad = nullptr;
    endProgram();
}

void FrmSetUpTorv::Image5_Click() {
    showHelpText(SG().DataFolder + QStringLiteral("setuptorvhelp.txt"));
}
