// The main window's menus, help pictures, automatic-resolution switches and the naval attack
// command of the contact panel.
#include "FrmMain.h"
#include "MapOverlays.h"
#include "MenuRules.h"
#include "common/Globals.h"
#include "common/NavalGroupValues.h"
#include "common/Pictures.h"

#include <QWidget>

using namespace platform;

namespace {
// The help items and their pictures in the ArchBmp folder.
struct HelpItem {
    Menu FrmMain::*item;
    const char* picture;
};
constexpr HelpItem kHelpItems[] = {
    {&FrmMain::MnhelpNoteGen, "image1.bmp"},
    {&FrmMain::MnHelpALLEASSE, "image2.bmp"},
    {&FrmMain::MnHelpAEROPORTO, "image3.bmp"},
    {&FrmMain::MnHelpPorto, "image4.bmp"},
    {&FrmMain::MnHelpGA, "imageGA.bmp"},
    {&FrmMain::MnHelpGN, "imageGn.bmp"},
    {&FrmMain::MnHelpGN2, "imageGn2.bmp"},
    {&FrmMain::MnHelpPortaerei, "imageportaerei.bmp"},
    {&FrmMain::MnHelpContatti, "imageContatti.bmp"},
    {&FrmMain::MnHelpDAnni, "imagedanninavi.bmp"},
    {&FrmMain::MnHelpOrdini, "ordinigagn.bmp"},
    {&FrmMain::HelpTxtIntroduzione, "imageintro.bmp"},
    {&FrmMain::MnHelpTxtTUTOR, "imageTXT2.bmp"},
    {&FrmMain::MnHelpTxtGrafica, "imageTXt3.bmp"},
    {&FrmMain::MnHelpTxtTIPS, "imageTipsgn.bmp"},
    {&FrmMain::MnHelpTxtCOntScontro, "contattitxt.bmp"},
};

const QString kBombardmentAdvice =
    QStringLiteral("Si consiglia di effettuare il Bombardamento sempre in AUTO");
const QString kPatrolAdvice = QStringLiteral("Si consiglia di effettuare il patrol sempre in AUTO");
} // namespace

void FrmMain::wireMenuHandlers() {
    MnFileChiudi.Click = [this] { MnFileChiudi_Click(); };
    mnFileReset.Click = [this] { mnFileReset_Click(); };
    for (const HelpItem& h : kHelpItems) {
        const QString picture = QString::fromLatin1(h.picture);
        (this->*h.item).Click = [this, picture] { MostraHelp(picture); };
    }
    MnAcq.Click = [this] { MnAcq_Click(); };
}

// ---------------------------------------------------------------- file menu and help

void FrmMain::MnFileChiudi_Click() {
    UnloadAllForms();
    endProgram();
}

void FrmMain::mnFileReset_Click() {
    Globals& g = G();
    Command17.setVisible(true);
    Command17.setEnabled(true);
    // A ready air group is cancelled as its number's double-click cancels it: the attempt given back.
    if (airGroupReady()) Label50_DblClick();
    // A group being formed in port is abandoned: its ships go back to the port they left.
    const int n = g.NewGroupNumber;
    if (g.BasesMode == 1 && Frame7.visible() && n >= 1 && n <= kGroups &&
        (g.CurrentSide == kAllies || g.CurrentSide == kAxis) &&
        g.gnTable(g.CurrentSide)[n][GnCol::InUse] == 0) {
        const int back = returnFormingGroupToPort(g.CurrentSide, n, g.SelectedBase);
        g.NewGroupShips = 0;
        g.NewGroupAircraft = 0;
        AzzeraContaClassi();
        List4.clear();
        Label56.setCaption(QString());
        Label58.setCaption(QStringLiteral("0"));
        Command2.setEnabled(false);
        Command8.setVisible(true);
        Frame7.setVisible(false);
        Frame11.setVisible(false);
        if (back > 0) Label17.setCaption(QStringLiteral("GN annullato: navi tornate in porto %1").arg(back));
    }
    g.NewGroupNumber = 0;
    List1.setEnabled(true);
    Frame1.setVisible(false);
    Frame2.setVisible(false);
}

void FrmMain::MostraHelp(const QString& picture) {
    // A missing picture is reported and nothing is shown. The help lies over every panel.
    if (!loadPictureInto(Picture1, G().AppPath + QStringLiteral("\\ArchBmp\\") + picture)) return;
    Picture1.setVisible(true);
    Picture1.zOrder(vbBringToFront);
}

void FrmMain::Picture1_Click() {
    Picture1.setVisible(false);
}

// ---------------------------------------------------------------- automatic resolution

void FrmMain::Check5_Click() {
    G().AutoBombAir = Check5.value() == 1 ? 1 : 0;
    Label17.setCaption(kBombardmentAdvice);
}

void FrmMain::Check6_Click() {
    G().AutoPatrol = Check6.value() == 1 ? 1 : 0;
    Label17.setCaption(kPatrolAdvice);
}

void FrmMain::Check7_Click() {
    G().AutoBombNaval = Check7.value() == 1 ? 1 : 0;
    Label17.setCaption(kBombardmentAdvice);
}

// ---------------------------------------------------------------- the naval attack

void FrmMain::Command19_Click() {
    const int index = List9.listIndex();
    if (index < 0) return;
    const int record = List9.itemData(index);
    const QString line = List9.list(index);
    const AttackOutcome out = commitNavalAttack(G().CurrentSide, record);
    switch (out.result) {
    case AttackCommit::Written:
        // The line is marked only for a contact whose record now carries the attack.
        List9.removeItem(index);
        List9.addItem(committedLine(line));
        List9.setItemData(List9.newIndex(), record);
        break;
    case AttackCommit::AlreadyCommitted:
        Command19.setVisible(false);
        Label84.setCaption(QStringLiteral("no"));
        break;
    case AttackCommit::Outmatched:
        Label17.setCaption(
            QStringLiteral("ATTACCO NON POSSIBILE: il nemico ha il miglior valore di avvistamento"));
        break;
    case AttackCommit::NoGroup:
        Label17.setCaption(QStringLiteral("ATTACCO NON POSSIBILE: nessun GN amico sul contatto"));
        break;
    case AttackCommit::Failed:
        Label17.setCaption(QStringLiteral("CONTATTO NON AGGIORNATO: ") + out.failure);
        break;
    }
}

void FrmMain::Command18_Click() {
    List12.setVisible(false);
    Frame27.setVisible(false);
}

// ---------------------------------------------------------------- acquisition menu

void FrmMain::MnAcq_Click() {
    const int side = G().CurrentSide;
    if (side == kAllies) MnAcqGibilterra.setEnabled(true);
    if (side == kAxis) MnAcqTaranto.setEnabled(true);
}
