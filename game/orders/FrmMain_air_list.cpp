// Air mode of the main window: the air panel, the list of the side's air groups with its filter,
// the mission panel, the plot boxes, the naval-group chooser of a combat air patrol, and the lists
// of the enemy groups the side sighted (the air panel's List10 and the contact panel's List9).
#include "AirOrders.h"
#include "common/ContactFiles.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "common/Pictures.h"
#include "game/main/FrmMain.h"
#include "game/main/MapMarks.h"
#include "game/main/MapOverlays.h"
#include "game/main/MapPanels.h"

using namespace platform;

void FrmMain::Command9_Click() {
    Globals& g = G();
    g.SelectedItem = 0;
    if (g.CurrentSide != kAllies && g.CurrentSide != kAxis) return;
    leaveModePanels();

    g.AirMode = 1;
    g.NavalMode = 0;
    IndiceAereo = 0;
    List12.setVisible(false);
    ColoraBasiEsterne();
    g.GnOffMap = 0;
    g.MapClickMode = 0;
    g.TargetGn = 0;
    // No order is in preparation until a group is picked.
    g.AirOrder = 0;
    AirTargetRefused = 0;
    g.PlotRangeFlag = Check1.value();
    MnUtil.setEnabled(false);
    MnAcq.setEnabled(false);
    for (Control* c : std::initializer_list<Control*>{&Frame4, &Frame5, &Frame7, &Frame18, &Frame12, &Frame15,
                                                      &Frame27, &Frame25, &Command20})
        c->setVisible(false);
    Frame9.setVisible(true);
    Frame24.setVisible(true);
    Image29.setEnabled(false);
    Combo8.setEnabled(false);
    for (Label* l : {&Label86, &Label88, &Label89, &Label91}) l->setCaption(QString());
    Check1.setValue(0);
    Check3.setValue(0);
    ModoPlot = 0;
    g.BasesMode = 0;
    Label4[0].setCaption(QString());
    g.BaseUnderGn = 0;
    g.GaListFilter = 0;
    Option1[0].setValue(true);
    PulisciDatiMissioneGA();
    NascondiPannelliMappa();
    Combo8.clear();
    for (int k = 1; k <= 7; ++k) Combo8.addItem(g.AirOrderNames[k]);

    g.CurrentSide == kAllies ? ListaGAAlleati() : ListaGAAsse();
    g.DrawFlag = 1;
    TracciaGNAmici();
    StampaSimboliGN();
    g.DrawFlag = 0;
    StampaSimboliGA();
    ContattiAerei();
    g.GnPosX = 0;
    g.GnPosY = 0;
    // The map as drawn now is the clean map that the list's filter and picks put back.
    keepCleanMap();
}

// ---------------------------------------------------------------- the air-group list

void FrmMain::ListaGAAlleati() {
    fillAirList(kAllies);
}

void FrmMain::ListaGAAsse() {
    fillAirList(kAxis);
}

void FrmMain::fillAirList(int side) {
    Globals& g = G();
    List8.clear();
    DisegnaBasi();
    Frame9.setCaption(QStringLiteral(" Gruppi Aerei ") +
                      (side == kAllies ? QStringLiteral("ALLEATI") : QStringLiteral("ASSE")));
    const GroupTable& t = g.gaTable(side);
    for (int n = 1; n <= kGroups; ++n) {
        if (t[n][GaCol::InUse] <= 0) continue;
        if (listedUnderAirFilter(t[n], g.GaListFilter)) {
            List8.addItem(airListLine(side, n));
            List8.setItemData(List8.newIndex(), n);
        }
        // Every group is marked on the map, listed or not.
        g.GnPosX = t[n][GaCol::X];
        g.GnPosY = t[n][GaCol::Y];
        DisegnaSegnoMappa();
    }
}

void FrmMain::PulisciDatiMissioneGA() {
    for (int i = 0; i <= 12; ++i) Label85[i].setCaption(QString());
    for (Label* l : {&Label89, &Label91, &Label96, &Label97, &Label98, &Label99}) l->setCaption(QString());
    Image31.setPicture(QImage());
}

void FrmMain::TracciaRicognitori() {
    Globals& g = G();
    if (g.CurrentSide != kAllies && g.CurrentSide != kAxis) return;
    const GroupTable& t = g.gaTable(g.CurrentSide);
    for (int n = 1; n <= kGroups; ++n)
        if (t[n][GaCol::InUse] > 0 && t[n][GaCol::Order] == kOrderRecon)
            PicBitMap.circle(t[n][GaCol::TargetX], t[n][GaCol::TargetY], 520, vbGreen);
}

void FrmMain::ContattiAerei() {
    Globals& g = G();
    g.Files.close(kChannelContacts);
    // The list never keeps sightings of another side or of an earlier hour.
    List10.clear();
    if (List8.listCount() == 0) return;
    g.ContattiGestiti = Int16(std::clamp<long long>(g.state(StateItem::Contacts), 0, 32767));
    const int count = openContactFile(kChannelContacts);
    for (int r = firstRecordOfHour(count, g.ContattiGestiti); r <= count; ++r) {
        if (const auto line = airContactLine(readContact(kChannelContacts, r), g.CurrentSide)) {
            List10.addItem(*line);
            List10.setItemData(List10.newIndex(), r);
        }
    }
    g.Files.close(kChannelContacts);
}

// ---------------------------------------------------------------- plot boxes and mission labels

void FrmMain::Check1_Click() {
    Check1.setForeColor(Check1.value() == 1 ? vbRed : vbBlack);
}

void FrmMain::Check2_Click() {
    Image27_Click();
    Check2.setForeColor(Check2.value() == 1 ? vbBlue : vbBlack);
}

void FrmMain::Check3_Click() {
    ModoPlot = Check3.value() == 1 ? 2 : 0;
    Check3.setForeColor(Check3.value() == 1 ? vbBlue : vbBlack);
}

void FrmMain::Check4_Click() {
    Check4.setForeColor(Check4.value() == 1 ? vbBlue : vbBlack);
}

void FrmMain::Label85_Click(int index) {
    if (IndiceAereo < 1) {
        Label17.setCaption(QStringLiteral(" Selezionare un GN"));
        return;
    }
    Label17.setCaption(QString::number(IndiceAereo));
    if (index == 2) Label17.setCaption(QStringLiteral("Danneggiati"));
    if (index == 3) Label17.setCaption(QStringLiteral("Abbattuti"));
    if (index == 4) TracciaRicognitori();
}

// ---------------------------------------------------------------- the naval group of a patrol

void FrmMain::Command25_Click() {
    Frame18.setVisible(false);
    G().DrawFlag = 0;
}

void FrmMain::Command24_Click() {
    Globals& g = G();
    Frame18.setVisible(false);
    g.DrawFlag = 0;
    if (g.GnSceltoCap == 0) return;
    List12.setVisible(false);
    Command20.setVisible(true);
    g.AirMode = 0;
    Command20_Click();
    // The panel stays in air mode whether the order was written or refused.
    g.AirMode = 1;
}

// ---------------------------------------------------------------- enemy groups sighted

namespace {
// The contact of record `record` and its activity, read on channels 13 and 12, closed again; none
// for a record the files do not hold.
struct PickedContact {
    ContactRecord contact;
    ActivityRecord activity;
    bool activityRead = false;
};
std::optional<PickedContact> readPickedContact(int record, bool withActivity) {
    Globals& g = G();
    g.Files.close(kChannelContacts);
    g.Files.close(kChannelActivities);
    std::optional<PickedContact> out;
    const int count = openContactFile(kChannelContacts);
    if (record >= 1 && record <= count) {
        out = PickedContact{readContact(kChannelContacts, record), {}, false};
        if (withActivity) {
            const int activities = openActivityFile(kChannelActivities);
            const int a = out->contact.STNUMATTIVITA;
            if (a >= 1 && a <= activities) {
                out->activity = readActivity(kChannelActivities, a);
                out->activityRead = true;
            }
        }
    }
    g.Files.close(kChannelContacts);
    g.Files.close(kChannelActivities);
    return out;
}

bool inTable(int group) {
    return group >= 1 && group <= kGroups;
}
} // namespace

void FrmMain::List10_Click() {
    Globals& g = G();
    for (Label* l : {&Label86, &Label88, &Label17}) l->setCaption(QString());
    g.TargetGn = 0;
    ContactTime = 0;
    const int i = List10.listIndex();
    const int side = g.CurrentSide;
    if (i < 0 || (side != kAllies && side != kAxis)) return;
    const int record = List10.itemData(i);
    const auto picked = readPickedContact(record, false);
    if (!picked) return;
    const ContactRecord& c = picked->contact;
    ContactRecordNumber = record;
    ContactTime = c.STB1;
    ActivityRecordNumber = c.STNUMATTIVITA;

    const ContactView v = contactView(c, side);
    const int enemySide = side == kAllies ? kAxis : kAllies;
    if (!inTable(v.enemyGroup)) return;
    const Int16* enemy = g.gnTable(enemySide)[v.enemyGroup];
    const int x = enemy[GnCol::X], y = enemy[GnCol::Y];
    if (x + y == 0) {
        Label17.setCaption(QStringLiteral(" GN nemico Distrutto "));
        return;
    }
    g.InterceptPoint[0] = x;
    g.InterceptPoint[1] = y;
    PicBitMap.box(x, y, x + 120, y + 80, vbBlack, false);
    g.InterceptGn = Int16(v.enemyGroup);
    StampaNumeroGN();

    FireModifier = 0;
    if (v.enemyFires > 0) {
        loadPictureInto(Image31, g.AppPath + QStringLiteral("\\Ico\\inc1.ico"));
        FireModifier = 1;
    } else {
        Image31.setPicture(QImage());
    }
    Label86.setCaption(enemyComposition(enemySide, v.enemyGroup, v.viewerMargin, false));
    g.TargetGn = v.enemyGroup;
    const int course = v.enemyCourse;
    Label88.setCaption(QStringLiteral(">") +
                       (course >= 0 && course <= 8 ? g.CompassNames[course] : QString()));
    Label17.setCaption(
        QStringLiteral("GN nem - N= navi nem - K= Nodi nem - (dist/Sorpr) - (GN o GA amico) - Azione"));
}

void FrmMain::List9_Click() {
    Globals& g = G();
    for (Label* l : {&Label81, &Label82, &Label84}) l->setCaption(QString());
    g.TargetGn = 0;
    Command19.setVisible(false);
    const int i = List9.listIndex();
    if (i < 0) return;
    const int record = List9.itemData(i);
    const auto picked = readPickedContact(record, true);
    if (!picked) return;
    const ContactRecord& c = picked->contact;
    g.CurrentContact = c;
    ContactRecordNumber = record;
    ActivityRecordNumber = c.STNUMATTIVITA;

    const int weather = int(g.state(StateItem::Weather));
    const bool attack = navalAttackOffered(c, weather);
    if (picked->activityRead) {
        const int x = picked->activity.X, y = picked->activity.Y;
        if (attack) {
            PicBitMap.circle(x, y, 300, vbRed);
            PicBitMap.circle(x, y, 280, vbCyan);
            PicBitMap.circle(x, y, 260, vbRed);
        } else {
            PicBitMap.circle(x, y, 500, vbCyan);
            PicBitMap.circle(x, y, 480, vbWhite);
            PicBitMap.circle(x, y, 460, vbCyan);
        }
    }
    Command19.setVisible(attack);

    // The Axis group first, then the Allied one: InterceptPoint ends at the Allied group.
    for (const auto& [side, group] :
         {std::pair{kAxis, int(c.STNSTACKLATO2)}, std::pair{kAllies, int(c.STNSTACKLATO1)}}) {
        if (!inTable(group)) continue;
        const Int16* r = g.gnTable(side)[group];
        g.InterceptPoint[0] = r[GnCol::X];
        g.InterceptPoint[1] = r[GnCol::Y];
        PicBitMap.box(r[GnCol::X], r[GnCol::Y], r[GnCol::X] + 120, r[GnCol::Y] + 80, vbBlack, false);
        g.InterceptGn = Int16(group);
        StampaNumeroGN();
    }

    const int side = g.CurrentSide;
    if (side != kAllies && side != kAxis) return;
    const ContactView v = contactView(c, side);
    if (v.enemyFires > 0)
        loadPictureInto(Image28, g.AppPath + QStringLiteral("\\Ico\\inc1.ico"));
    else
        Image28.setPicture(QImage());
    Label81.setCaption(
        enemyComposition(side == kAllies ? kAxis : kAllies, v.enemyGroup, v.viewerMargin, true));
    g.TargetGn = v.enemyGroup;
    Label82.setCaption(v.enemyCourse >= 0 && v.enemyCourse <= 8 ? g.CompassNames[v.enemyCourse] : QString());
    Label84.setCaption(QString::number(v.ownGroup) + (v.ownFires > 0 ? QStringLiteral(".i") : QString()));
}
