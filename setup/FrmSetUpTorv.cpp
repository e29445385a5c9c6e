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

FrmSetUpTorv::FrmSetUpTorv() : Form("FrmSetUpTorv") {
    setCaption(QStringLiteral("SetUpTorv"));
    layOut();

    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Option3.Click = [this] { Option3_Click(); };
    Option4.Click = [this] { Option4_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Image5.Click = [this] { Image5_Click(); };
    List1.DblClick = [this] { List1_DblClick(); };
    List4.Click = [this] { List4_Click(); };
    List3.Click = [this] { List3_Click(); };
    Label17.Click = [this] { Label17_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    Command8.Click = [this] { Command8_Click(); };
    Command9.Click = [this] { Command9_Click(); };
    Label18.DblClick = [this] { Label18_DblClick(); };
    Label19.DblClick = [this] { Label19_DblClick(); };
}

void FrmSetUpTorv::layOut() {
    setSize(14220, 7560);
    setFixedBorder(true);

    // Left column: side, kind, card commands.
    Frame1.move(120, 120, 3120, 1620);
    Option1.move(240, 420, 1320, 330);
    Option2.move(240, 960, 1320, 330);
    Line1.setPoints(1680, 300, 1680, 1500);
    Line1.setBorderColor(vbGrayText);
    const int flagLeft = 1860, flagWidth = 1080, flagHeight = 540;
    Image3.move(flagLeft, 330, flagWidth, flagHeight);
    Image4.move(flagLeft, 960, flagWidth, flagHeight);
    Image1.move(120 + flagLeft, 120 + 330, flagWidth, flagHeight);
    Image2.move(120 + flagLeft, 120 + 960, flagWidth, flagHeight);
    for (Image* i : {&Image1, &Image2, &Image3, &Image4}) {
        i->setStretch(true);
        i->setBorderStyle(1);
        i->setVisible(false);
    }

    Frame2.move(120, 1860, 3120, 1140);
    Frame2.setToolTipText(QStringLiteral("Reset per attivare opzione"));
    Option3.move(240, 420, 1200, 330);
    Option4.move(1680, 420, 1200, 330);

    Frame3.move(120, 3120, 3120, 1620);
    Command1.move(180, 270, 1320, 480);
    Command2.move(1620, 270, 1320, 480);
    Command3.move(180, 930, 1320, 480);
    Command4.move(1620, 930, 1320, 480);

    Image5.move(1200, 4980, 960, 960);
    Image5.setStretch(true);
    Image5.setToolTipText(QStringLiteral("Help"));
    Label15.move(120, 7080, 3120, 270);
    Label15.setAlignment(2);

    // Middle: the ship panel and the aircraft panel in one place.
    for (Frame* f : {&Frame4, &Frame5}) {
        f->move(3420, 120, 5880, 7260);
        f->setVisible(false);
    }
    // Two lists side by side, each as wide as the longest class or aircraft names.
    const int valueLeft = 180, valueWidth = 5520, listWidth = 2700, listGap = 120;
    Label* shipValues[] = {&Label1, &Label2, &Label3, &Label4};
    Label* airValues[] = {&Label10, &Label12, &Label11, &Label13, &Label16};
    for (int i = 0; i < 4; ++i) shipValues[i]->move(valueLeft, 330 + i * 360, valueWidth, 300);
    for (int i = 0; i < 5; ++i) airValues[i]->move(valueLeft, 330 + i * 300, valueWidth, 270);
    for (Label* l : {&Label1, &Label10}) {
        l->setFontBold(true);
        l->setFontSize(11);
    }
    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label10, &Label12, &Label11, &Label13, &Label16}) {
        l->setForeColor(kNavy);
        l->setBackStyle(0);
    }

    Label20.move(valueLeft, 1770, valueWidth, 270);
    Label20.setForeColor(kKill);
    Label20.setBackStyle(0);
    for (ListBox* l : {&List1, &List4}) l->move(valueLeft, 2100, listWidth, 3600);
    for (ListBox* l : {&List2, &List5}) l->move(valueLeft + listWidth + listGap, 2100, listWidth, 3600);
    // Under the lists, room for the notice of a record already in the archive.
    for (ListBox* l : {&List1, &List2, &List4, &List5}) l->setHeight(3000);
    for (Label* l : {&Label21, &Label22}) {
        l->move(valueLeft, 5160, valueWidth, 540);
        l->setForeColor(kKill);
        l->setBackStyle(0);
    }
    List1.setToolTipText(QStringLiteral("Doppio Click = inserisce record in archivio"));
    List4.setToolTipText(QStringLiteral("Doppio Click = inserisce record in archivio"));

    for (Label* l : {&Label5, &Label7}) {
        l->move(valueLeft, 5790, valueWidth, 270);
        l->setAlignment(2);
        l->setWordWrap(false);
    }
    for (Label* l : {&Label6, &Label8}) {
        l->move(valueLeft + (valueWidth - 720) / 2, 6090, 720, 330);
        l->setAlignment(2);
        l->setBorderStyle(1);
        l->setFontBold(true);
    }
    for (CommandButton* c : {&Command9, &Command8}) c->move(valueLeft, 6570, 2880, 480);
    Command9.setToolTipText(QStringLiteral("Double click  KILL"));
    Command8.setToolTipText(QStringLiteral("Bouble Click  KILL"));
    for (Label* l : {&Label19, &Label18}) {
        l->move(valueLeft + valueWidth - 1140, 6570, 1140, 480);
        l->setAlignment(2);
        l->setFontBold(true);
        l->setFontSize(12);
        l->setForeColor(vbWhite);
        l->setBackColor(kKill);
        l->setVisible(false);
    }
    Label19.setToolTipText(QStringLiteral("L'Archivo navi selezionato verrà DISTRUTTO"));
    Label18.setToolTipText(QStringLiteral("L'archivio selezionato viene DISTRUTTO"));

    // Right: the archive.
    Frame6.move(9480, 120, 4620, 7260);
    Label9.move(180, 330, 4260, 330);
    Label9.setAlignment(2);
    Label9.setFontBold(true);
    Label9.setFontSize(11);
    Label9.setForeColor(kNavy);
    List3.move(180, 720, 4260, 5100);
    List3.setFontName(kMonoFont);
    List3.setToolTipText(
        QStringLiteral("Attenzione il record Puntato è selezionato per essere CANCELLATO DEFINITIVAMENTE"));
    Label14.move(180, 5940, 2640, 300);
    Label17.move(2880, 5910, 900, 330);
    Label17.setBorderStyle(1);
    Label17.setAlignment(2);
    Command5.move(180, 6420, 1320, 480);
    Command6.move(1560, 6420, 1320, 480);
    Command7.move(3000, 6420, 1440, 480);

    Command1.setEnabled(false);
    Command2.setEnabled(false);
    Command5.setEnabled(false);
    Command6.setEnabled(false);
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
    Label21.setCaption(QString());
    Label22.setCaption(QString());
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
