#include "FrmContatti.h"

#include "AttackWindows.h"
#include "ContactBoard.h"
#include "FrmContatti2.h"
#include "common/ContactFiles.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/Messages.h"
#include "common/Pictures.h"
#include "game/main/FrmMain.h"
#include "platform/Dialogs.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

using namespace platform;
using namespace contactboard;

namespace {

// The attacked group's box on the plot; every other icon is placed by its offset from the corner.
constexpr int kPlotLeft = 1610;
constexpr int kPlotTop = 1260;

QString colourText(long colour) {
    return QString::number(colour);
}

int otherSide(int side) {
    return side == kAllies ? kAxis : kAllies;
}

FrmContatti2& plot() {
    return form<FrmContatti2>();
}

// The main window while it is open; the board never opens it itself.
FrmMain* mainWindow() {
    return isLoaded<FrmMain>() ? &form<FrmMain>() : nullptr;
}

void addItem(ListBox& list, const ListItem& item) {
    list.addItem(item.text);
    list.setItemData(list.newIndex(), item.data);
}

} // namespace

FrmContatti::FrmContatti() : FormWith(QStringLiteral("FrmContatti")) {
    setCaption(QStringLiteral("CONTROLLO CONTATTI E ATTACCO"));
    setSize(9600, 4590);
    setFixedBorder(true);

    List1.move(120, 120, 2895, 3855);
    List1.setToolTipText(QStringLiteral(" Selezionare il GN sotto attacco "));
    Label1.move(3135, 120, 1455, 285);
    Label1.setToolTipText(QStringLiteral(" DIFENSORE (con *xx* = simultaneo)"));
    Label3.move(4695, 120, 1515, 285);
    List3.move(3135, 480, 3075, 1695);
    List3.setToolTipText(QStringLiteral("GN amici del GN sotto attacco e vicini "));
    List2.move(3135, 2280, 3075, 1695);
    List2.setToolTipText(QStringLiteral("GA in CAP su GN sotto attacco/vicini "));
    Label2.move(6330, 120, 1455, 285);
    Label2.setToolTipText(QStringLiteral(" ATTACCANTE "));
    Label4.move(7890, 120, 1590, 285);
    List4.move(6330, 480, 3150, 615);
    List4.setToolTipText(QStringLiteral("GN/GA in attacco (Il primo numero è l'ora di inizio attacco) "));
    List6.move(6330, 1200, 3150, 1335);
    List6.setToolTipText(
        QStringLiteral("GN vicini al GN in attacco (il primo numero è la distanza dal GN amico) "));
    List5.move(6330, 2640, 3150, 1335);
    List5.setToolTipText(
        QStringLiteral("GA in CAP su GN in attacco o vicini (il primo numero è la distanza dal GN amico)"));
    Label5.move(3135, 4095, 4755, 315);
    Label5.setBorderStyle(1);
    Label5.setToolTipText(QStringLiteral("ATT: i GN sotto attacco sono sempre PALESI  se non specificato"));
    Label6.move(7995, 4095, 315, 315);
    Label6.setBorderStyle(1);
    Label6.setBackColor(vbCyan);
    Label6.setToolTipText(QStringLiteral("REGOLA SHIERAMENTO DI CHI VEDE"));
    Command1.move(8415, 4065, 1065, 375);
    for (Label* l : {&Label1, &Label2, &Label3, &Label4}) l->setAlignment(2);

    List1.Click = [this] { List1_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    List2.Click = [this] { List2_Click(); };
    List3.Click = [this] { List3_Click(); };
    List4.Click = [this] { List4_Click(); };
    List5.Click = [this] { List5_Click(); };
    List6.Click = [this] { List6_Click(); };
    List2.DblClick = [this] { List2_DblClick(); };
    List3.DblClick = [this] { List3_DblClick(); };
    List4.DblClick = [this] { List4_DblClick(); };
    List5.DblClick = [this] { List5_DblClick(); };
    List6.DblClick = [this] { List6_DblClick(); };
}

// ---------------------------------------------------------------- the hour's contacts

void FrmContatti::Form_Load() {
    Globals& g = G();
    g.ContattiGestiti = static_cast<Int16>(g.state(StateItem::Contacts));
    if (isLoaded<FrmContatti2>()) {
        plot().PlotScale = kDefaultPlotScale;
        plot().PlotScaleStep = kDefaultPlotStep;
    }
    List1.clear();
    int read = 0;
    for (const ListItem& item : hourContacts(g.ContattiGestiti, &read)) addItem(List1, item);
    // Contacts that hold the hour button but call for no attack are not listed: the board says so.
    Label5.setCaption(unlistedContactsText(read, List1.listCount()));
    // The close button takes the focus: a list given the focus would make its first contact current
    // and select it before the player chose one.
    Command1.setFocus();
    // The board at the bottom left of the screen, over the land of the map's corner, and its plot
    // just above it, where neither hides the other nor the message line. Both stay over the main
    // window: a click on the map must not bury the board whose "&Chiudi" frees the hour button.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        constexpr int kTitle = 30, kBorder = 4;
        const QSize plotSize = isLoaded<FrmContatti2>() ? plot().window()->size() : QSize();
        const BoardPlaces at =
            boardPlaces(screen->availableGeometry(), window()->size(), plotSize, kTitle, kBorder);
        setFirstPlace(at.board);
        if (isLoaded<FrmContatti2>()) plot().setFirstPlace(at.plot);
    }
    if (FrmMain* main = mainWindow()) setOwner(*main);
}

// ---------------------------------------------------------------- a contact selected

void FrmContatti::List1_Click() {
    Globals& g = G();
    setMessageLine(QStringLiteral(
        " GN=Numero del GN - Nv=Numero Navi - kn=velocità - * distanza dal GN nemico - > Rotta"));
    for (int i = 1; i <= 20; ++i) g.OperationContext[i] = 0;
    if (g.MapPicture) loadPictureInto(*g.MapPicture, g.SeaBedPicturePath);
    plot().Picture1.setPicture(QImage());
    for (ListBox* l : {&List2, &List3, &List4, &List5, &List6}) l->clear();
    Label5.setCaption(QString());
    if (List1.listIndex() < 0) return;

    IndCont = List1.itemData(List1.listIndex());
    g.Files.close(kChannel);
    openContactFile(kChannel);
    g.CurrentContact = readContact(kChannel, IndCont);
    g.Files.close(kChannel);
    const ContactRecord& c = g.CurrentContact;
    // A contact left to be fought by hand tells which box sends it to its attack window.
    const QString box = boxToTick(c, g.AutoPatrol, g.AutoBombAir, g.AutoBombNaval);
    if (!box.isEmpty()) setMessageLine(boxToTickText(box));
    if (isBaseAttack(c.STB2) || (c.STA2 == kOrderPatrol && g.AutoPatrol == 1))
        attackPath();
    else
        MostraContatto();
}

void FrmContatti::MostraContatto() {
    Globals& g = G();
    const ContactRecord& c = g.CurrentContact;
    const long long hour = g.state(StateItem::Hour);
    loadPlotPicture(QStringLiteral("bmp1.bmp"));

    int d = 0;
    if (const int attacker = seeingAttacker(c)) {
        const int defender = otherSide(attacker);
        const ContactSide att = contactSide(c, attacker);
        const ContactSide def = contactSide(c, defender);
        d = att.die - def.die;
        const bool air = isAirContact(c.STB2);
        const Int16* defRow = navalRow(defender, def.group);
        // An air attacker has no naval row: no naval icon, and its depth reads as the surface's.
        const Int16* attRow = navalRow(attacker, air ? 0 : att.group);

        XVisto = defRow[GnCol::X];
        YVisto = defRow[GnCol::Y];
        Gnum = QString::number(def.group);
        PlotVisto();
        if (!air) {
            XNear = attRow[GnCol::X];
            YNear = attRow[GnCol::Y];
            Gnum = QString::number(att.group);
            ColoreNave = colourText(sideColour(attacker));
            PlotNear();
        }
        setSides(defender, sideCaption(defender), attacker);
        Label4.setCaption(attRow[GnCol::Periscope] == 1 ? QStringLiteral("Q Periscopio")
                                                        : QStringLiteral("Superfice"));
        Label3.setCaption(defRow[GnCol::Periscope] == 1 ? QStringLiteral("Q Periscopio")
                                                        : QStringLiteral("Superfice"));

        if (XVisto == 0 && YVisto == 0) {
            const QString gone = QStringLiteral("ATT: IL GN E' STATO DISTRUTTO");
            if (attacker == kAllies)
                MsgBox(gone);
            else
                setMessageLine(gone);
        } else if (g.MapPicture) {
            g.MapPicture->box(XVisto - 150, YVisto - 100, XVisto + 150, YVisto + 100, vbMagenta, false);
        }
        GnGa = c.STB2;

        listNear(defender, def.group, def.course, true, List3, List2);

        if (c.STB2 == kActNavalMeeting) {
            addItem(List4, navalAttackerItem(c, attacker, hour));
            listNear(attacker, att.group, att.course, false, List6, List5);
        } else if (air) {
            addItem(List4, airAttackerItem(c, attacker, hour));
            const Int16* r = airRow(attacker, att.group);
            XNear = r[GaCol::TargetX] + 100;
            YNear = r[GaCol::TargetY];
            Gnum = QString::number(att.group);
            ColoreAerei = colourText(sideColour(attacker));
            Label4.setCaption(QStringLiteral("Aerei"));
            PlotAerei();
        }
    }
    if (c.STB2 == kActNavalMeeting) Label5.setCaption(alertCaption(d));
    if (c.STA2 == kOrderPatrol) Label5.setCaption(kPatrolAlert);
}

void FrmContatti::listNear(int side, int exclude, int course, bool blankBeforeGn, ListBox& naval,
                           ListBox& patrols) {
    for (const NearEntry& e : nearGroups(side, XVisto, YVisto, exclude, course, blankBeforeGn)) {
        addItem(e.air ? patrols : naval, e.item);
        XNear = e.x;
        YNear = e.y;
        Gnum = QString::number(e.item.data);
        if (e.air) {
            ColoreAerei = colourText(sideColour(side));
            PlotAerei();
        } else {
            ColoreNave = colourText(sideColour(side));
            PlotNear();
        }
    }
}

void FrmContatti::setSides(int defender, const QString& defenderCaption, int attacker) {
    Label1.setCaption(defenderCaption);
    Label1.setBackColor(sideColour(defender));
    Label2.setCaption(sideCaption(attacker));
    Label2.setBackColor(sideColour(attacker));
}

void FrmContatti::attackPath() {
    Globals& g = G();
    const ContactRecord& c = g.CurrentContact;
    const int side = strikingSide(c);
    if (side == 0) return;
    fillAttacker(side);
    // Both sides striking at once read "*SS*" on the defender's label.
    const bool both = side == kAllies && c.STATTACCOLATO2 == 1;
    setSides(otherSide(side), both ? QStringLiteral("*SS*") : sideCaption(otherSide(side)), side);
    const ListItem item = strikeAttackerItem(c, side, g.state(StateItem::Hour));
    if (!item.text.isEmpty()) addItem(List4, item);

    AttackKind kind;
    QString picture;
    if (g.AutoPatrol == 1 && c.STA2 == kOrderPatrol) {
        kind = AttackKind::Patrol;
        picture = QStringLiteral("patrolatt.bmp");
    } else if (g.AutoBombAir == 1 && (c.STB2 == kActAlliedAirStrike || c.STB2 == kActAxisAirStrike)) {
        kind = AttackKind::AirStrike;
        picture = QStringLiteral("bombaereo.bmp");
    } else if (g.AutoBombNaval == 1 && (c.STB2 == kActAlliedBombardment || c.STB2 == kActAxisBombardment)) {
        kind = AttackKind::NavalBombardment;
        picture = QStringLiteral("bombnavale.bmp");
    } else {
        return; // fought by hand
    }
    FrmMain* main = mainWindow();
    if (main && main->contactFought(IndCont)) {
        setMessageLine(QStringLiteral("ATT: CONTATTO GIA' COMBATTUTO IN QUEST'ORA"));
        return;
    }
    if (kind == AttackKind::NavalBombardment) MostraDatiGN();
    CompilaContestoOperazione(IndCont);
    loadPlotPicture(picture);
    if (main) main->markContactFought(IndCont);
    openAttackWindow(kind);
}

void FrmContatti::MostraDatiGN() {
    setMessageLine(attackingGroupClasses(G().CurrentContact));
}

void FrmContatti::loadPlotPicture(const QString& file) {
    loadPictureInto(plot().Picture1, G().AppPath + QStringLiteral("\\archbmp\\") + file);
}

// ---------------------------------------------------------------- closing

void FrmContatti::Command1_Click() {
    if (FrmMain* main = mainWindow()) main->contactBoardClosed();
    unload<FrmContatti>();
    unload<FrmContatti2>();
    RicaricaMappa();
    DisegnaBasi();
    setMessageLine(QString());
}

void FrmContatti::Form_Unload(int&) {
    if (FrmMain* main = mainWindow()) main->contactBoardUnloaded();
}

// ---------------------------------------------------------------- the plot

void FrmContatti::PlotVisto() {
    PictureBox& p = plot().Picture1;
    p.box(kPlotLeft, kPlotTop, kPlotLeft + 120, kPlotTop + 80, vbWhite, true);
    p.setCurrentX(kPlotLeft);
    p.setCurrentY(kPlotTop);
    p.setPrintFontBold(false);
    p.setForeColor(vbBlue);
    p.setPrintFontSize(10);
    p.print(Gnum);
}

void FrmContatti::PlotNear() {
    const int dx = plotOffset(plot().PlotScale, XNear - XVisto);
    const int dy = plotOffset(plot().PlotScale, YNear - YVisto);
    PictureBox& p = plot().Picture1;
    const long colour = static_cast<long>(textToWhole(ColoreNave));
    p.box(kPlotLeft + dx, kPlotTop + dy, kPlotLeft + 120 + dx, kPlotTop + 80 + dy, colour, true);
    p.setCurrentX(kPlotLeft + dx);
    p.setCurrentY(kPlotTop + dy);
    p.setPrintFontBold(false);
    p.setForeColor(vbBlack);
    p.setPrintFontSize(10);
    p.print(Gnum);
}

void FrmContatti::PlotAerei() {
    const int x = kPlotLeft + plotOffset(kAirPlotScale, XNear - XVisto);
    const int y = kPlotTop + plotOffset(kAirPlotScale, YNear - YVisto);
    PictureBox& p = plot().Picture1;
    const long colour = static_cast<long>(textToWhole(ColoreAerei));
    for (int r : {10, 20, 30, 40}) p.circle(x, y, r, colour);
    p.circle(x, y, 60, vbBlack);
    p.setCurrentX(x);
    p.setCurrentY(y);
    p.setPrintFontBold(false);
    p.setForeColor(vbBlack);
    p.setPrintFontSize(10);
    p.print(Gnum);
}

// ---------------------------------------------------------------- the side lists

int FrmContatti::selectedGroup(const ListBox& list) {
    return list.listIndex() >= 0 ? list.itemData(list.listIndex()) : 0;
}

void FrmContatti::showDetail(const Label& sideLabel, const ListBox& list, QString (*detail)(int, int)) {
    const int side = sideOfCaption(sideLabel.caption());
    setMessageLine(side ? detail(side, selectedGroup(list)) : QString());
}

void FrmContatti::List2_Click() {
    setMessageLine(
        QStringLiteral("Dist dal GN sotto att/N°GN sotto att/Tipo aer/x=Tot aer (Dbl Click=Tipo Aereo)"));
}

void FrmContatti::List3_Click() {
    setMessageLine(QStringLiteral(
        "leg: Dist dal GN sotto att/N° gn sotto att/nv=Tot navi/kn=Nodi/>=Rotta (DBL Click Ordine del GN)"));
}

void FrmContatti::List4_Click() {
    setMessageLine(QStringLiteral("Il primo num è il TRN-TIME (nnx4) determina la sequenza di gioco "));
}

void FrmContatti::List5_Click() {
    setMessageLine(QStringLiteral(" leg: Dist dal GN in att/N°GN in att/Tipo aereo/x=Tot aerei"));
}

void FrmContatti::List6_Click() {
    setMessageLine(QStringLiteral(
        "leg: Dist dal GN in att/N° gn in att/nv=Tot navi/kn=Nodi/>=Rotta (DBL Click Ordine del GN)"));
}

void FrmContatti::List2_DblClick() {
    showDetail(Label1, List2, patrolDetail);
}

void FrmContatti::List3_DblClick() {
    showDetail(Label1, List3, navalOrderDetail);
}

void FrmContatti::List4_DblClick() {
    // Only an air attacker has a detail; a naval one leaves the line as it is.
    if (GnGa >= 2) showDetail(Label2, List4, attackingAirDetail);
}

void FrmContatti::List5_DblClick() {
    showDetail(Label2, List5, patrolDetail);
}

void FrmContatti::List6_DblClick() {
    showDetail(Label2, List6, navalOrderDetail);
}
