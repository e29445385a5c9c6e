#include "FrmMain.h"

#include "CampaignOpen.h"
#include "MapPanels.h"
#include "common/BaseTable.h"
#include "common/CampaignJournal.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/Messages.h"
#include "common/Pictures.h"
#include "game/start/FrmGame.h"
#include "platform/Dialogs.h"

#include <QMainWindow>

using namespace platform;

FrmMain::FrmMain() : FormWith(QStringLiteral("FrmMain")) {
    buildLayout();
    setIcon(appFolder() + QStringLiteral("\\Ico\\Zeltwar.ico"));
    wireMenuHandlers();
    wirePointsHandlers();
}

FrmMain::~FrmMain() {
    releaseSeams();
}

void FrmMain::releaseSeams() {
    if (G().MapPicture == &PicBitMap) G().MapPicture = nullptr;
    if (messageLineOwner_) setMessageLineSinks({}, {});
    messageLineOwner_ = false;
}

// ---------------------------------------------------------------- start-up

void FrmMain::Form_Load() {
    Globals& g = G();
    setWindowState(2);

    g.WeatherEffectNames[0] = QStringLiteral(" ");
    g.WeatherEffectNames[1] = QStringLiteral("                                    Aerei -1 ");
    g.WeatherEffectNames[2] = QStringLiteral("    Visib -1     Navi -1     Aerei -2");
    g.WeatherEffectNames[3] = QStringLiteral("     Visib -2    Navi -2   NoAerei");
    g.WeatherStateNames[0] = QStringLiteral("     Buona     Calmo     Modesto");
    g.WeatherStateNames[1] = QStringLiteral("     Media     Mosso    Raffiche ");
    g.WeatherStateNames[2] = QStringLiteral("     Poca      Grosso      Forte");
    g.WeatherStateNames[3] = QStringLiteral("   Pessima    Agitato     Bufera");

    hourUndoneAtOpen_ = loadCampaign(&shipsReturnedAtOpen_);
    AggiornaTitolo();
    CaricaComboAerei();

    g.MapPicture = &PicBitMap;
    setMessageLineSinks([this](const QString& text) { Label17.setCaption(text); },
                        [this](const QString& text) { Label17.setCaption(Label17.caption() + text); });
    messageLineOwner_ = true;
    showClock();
    RicaricaMappa();
    DisegnaBasi();
    Form_Resize();

    if (g.state(StateItem::Hour) == 1) Label95.setVisible(true);
    Label64.setBackColor(g.state(StateItem::SunkLastHour) > 0 ? vbMagenta : vbBlack);
    Label83.setForeColor(g.DayFlag == 1 ? vbCyan : vbWhite);
    DisabilitaBasiEsterne();
    // The hour's contacts must be fought out before the next hour runs: the player is told so.
    setHourLock(lockBetweenHours(g.state(StateItem::Contacts), false));
    if (hourLock_ != HourLock::None) Label17.setCaption(hourLockMessage(hourLock_));
    loaded_ = true;
}

void FrmMain::AggiornaTitolo() {
    setCaption(caption() + G().CampaignName);
}

void FrmMain::Form_QueryUnload(int& cancel, int) {
    cancel = 0;
}

void FrmMain::Form_Unload(int&) {
    // A window whose campaign never opened leaves quietly (the start window comes back).
    if (loaded_ && !unloading_) {
        unloading_ = true;
        UnloadAllForms();
        G().CampaignOpen = false;
        releaseSeams();
        endProgram();
        return;
    }
    G().CampaignOpen = false;
    releaseSeams();
}

// The windows the campaign opened go first, while it is still open: what they write as they close
// is part of the step that closes the campaign, undone with it should a write fail.
void FrmMain::UnloadAllForms() {
    platform::unloadAllForms(this);
}

void FrmMain::DisabilitaBasiEsterne() {
    Frame1.setEnabled(false);
    Frame2.setEnabled(false);
}

void FrmMain::AbilitaBasiEsterne() {
    Frame1.setEnabled(true);
    Frame2.setEnabled(true);
}

namespace {
// The main window and what it opened leave; the start window comes back.
void backToStartWindow() {
    G().CampaignOpen = false;
    platform::unloadAllForms();
    G().MapPicture = nullptr;
    try {
        G().Files.closeAll();
    } catch (const platform::FileError&) {
        // What a channel held belongs to a campaign that did not open or was closed half undone.
    }
    form<FrmGame>().show();
}
} // namespace

void FrmMain::closeCampaign() {
    UnloadAllForms();
    loaded_ = false; // the program goes on
    backToStartWindow();
}

bool apriGioco() {
    unload<FrmGame>();
    try {
        FrmMain& f = form<FrmMain>();
        f.show();
        if (f.hourUndoneAtOpen()) MsgBox(undoneAtOpenText(lastUndoneStep()), vbInformation, G().CampaignName);
        if (!f.shipsReturnedAtOpen().isEmpty())
            MsgBox(f.shipsReturnedAtOpen(), vbInformation, G().CampaignName);
        return true;
    } catch (const std::exception& e) {
        const QString message = QStringLiteral("Il gioco %1 non può essere aperto:\n%2")
                                    .arg(G().CampaignName, QString::fromUtf8(e.what()));
        backToStartWindow();
        showError(message);
        return false;
    }
}

// ---------------------------------------------------------------- side cycle

void FrmMain::Command17_Click() {
    Globals& g = G();
    Command5.setVisible(true);
    Command6.setVisible(true);
    setHourLock(HourLock::Side);
    g.CurrentSide = 0;
    clearSideTraces();
    RicaricaMappa();
    ColoreLato();
    MostraBandieraLato();
    Frame3.setVisible(true);
    Label79.setCaption(g.GameState[StateItem::Activities]);
    Command17.setEnabled(false);
    Label64.setVisible(false);
    Picture1.setVisible(false);
}

void FrmMain::Command5_Click() {
    takeSide(kAllies);
}

void FrmMain::Command6_Click() {
    takeSide(kAxis);
}

void FrmMain::takeSide(int side) {
    Globals& g = G();
    if (g.NewGroupNumber > 0) return;
    if (side == kAllies) {
        Command6.setVisible(false);
        MnAcqTaranto.setEnabled(false);
    } else {
        Command5.setVisible(false);
        MnAcqGibilterra.setEnabled(false);
    }
    g.GnOffMap = 0;
    unloadContactBoard();
    g.CurrentSide = side;
    Frame13.setEnabled(true);
    MnUtil.setEnabled(true);
    MnAcq.setEnabled(true);
    ColoreLato();
    if (g.state(StateItem::sideItem(side, StateItem::StressAlle)) == 1) {
        Option2[0].setForeColor(vbRed);
        Option2[1].setForeColor(vbRed);
    }
    MostraBandieraLato();
    for (Control* c :
         std::initializer_list<Control*>{&Frame4, &Frame5, &Frame7, &Frame9, &Frame12, &List12, &Frame15})
        c->setVisible(false);
    if (side == kAxis) Frame25.setVisible(false);
    panelWorkA = 0;
    Label17.setCaption(QStringLiteral("Messaggi e gestione Campi Minati"));
}

bool FrmMain::airGroupReady() const {
    return attemptCounted_ && G().NewGroupNumber >= 1;
}

bool FrmMain::navalGroupForming() const {
    return G().NewGroupNumber >= 1 && !airGroupReady();
}

namespace {
// On the screen and enabled: the control and every frame that holds it.
bool pressable(const Control& c, const QWidget* window) {
    return c.widget()->isVisibleTo(window) && c.widget()->isEnabledTo(window) && c.enabled() && c.visible();
}
} // namespace

const Control* FrmMain::sideWayOn() const {
    for (const Control* c :
         std::initializer_list<const Control*>{&Command4, &Command12, &Command15, &Command1, &Command2})
        if (pressable(*c, window())) return c;
    return nullptr;
}

QString FrmMain::hourLockReason() const {
    if (hourLock_ != HourLock::Side) return hourLockMessage(hourLock_);
    const Control* way = sideWayOn();
    if (way == &Command1)
        return hourLockMessage(hourLock_,
                               QStringLiteral("\"Vai !\" del GA pronto, o doppio click sul suo numero"));
    if (way && way != &Command4)
        return hourLockMessage(
            hourLock_, QStringLiteral("\"%1\"").arg(static_cast<const CommandButton*>(way)->caption()));
    return hourLockMessage(hourLock_);
}

void FrmMain::MostraBandieraLato() {
    Globals& g = G();
    for (Frame* f : {&Frame3, &Frame8, &Frame13}) f->setBackColor(g.SideColour);
    QString left, right;
    if (g.CurrentSide == kAllies) {
        Frame8.setCaption(QStringLiteral("ALLEATI"));
        left = QStringLiteral("gb.ico");
        right = QStringLiteral("us.ico");
    } else if (g.CurrentSide == kAxis) {
        Frame8.setCaption(QStringLiteral("ASSE"));
        left = QStringLiteral("it.ico");
        right = QStringLiteral("de.ico");
    } else {
        left = right = QStringLiteral("kvz.ico");
    }
    loadPictureInto(Image5, g.AppPath + QStringLiteral("\\Ico\\") + left);
    loadPictureInto(Image32, g.AppPath + QStringLiteral("\\Ico\\") + right);
}

void FrmMain::Command4_Click() {
    Globals& g = G();
    if (g.NewGroupNumber > 0) return;
    g.AirMode = 0;
    g.BasesMode = 0;
    g.NavalMode = 0;
    ColoraBasiEsterne();
    g.GnOffMap = 0;
    g.GnCourse = 0;
    AzzeraEtichetteRotta();
    g.SelectedBase = 0;
    g.BaseUnderGn = 0;
    IndiceAereo = 0;
    panelWorkA = 0;
    panelWorkB = 0;
    g.GnPosX = 0;
    g.GnPosY = 0;
    g.CurrentSide = 0;
    g.SelectedItem = 0;
    Frame8.setCaption(QString());
    unloadContactBoard();
    Frame6.setVisible(true);
    Label64.setVisible(true);
    Option2[0].setForeColor(vbBlack);
    Option2[1].setForeColor(vbBlack);
    MnAcqGibilterra.setEnabled(false);
    MnAcqTaranto.setEnabled(false);
    MnUtil.setEnabled(true);
    MnAcq.setEnabled(true);
    List2.clear();
    List10.clear();
    List12.setVisible(false);
    for (Frame* f : {&Frame9, &Frame27, &Frame21, &Frame18}) f->setVisible(false);
    Check1.setValue(0);
    Check3.setValue(0);
    // Nothing of this side's orders and targets is left for the next side to read.
    clearSideTraces();
    // Contacts the board has released in this hour do not hold the hour button again.
    setHourLock(lockBetweenHours(g.state(StateItem::Contacts), contactBoardClosedThisHour()));
    if (hourLock_ != HourLock::None) Label17.setCaption(hourLockMessage(hourLock_));
    NascondiPannelliMappa();
    DisegnaBasi();
    ChiudiPannelloLato();
    Command17.setEnabled(true);
    Command20.setVisible(false);
    Command8.setEnabled(true);
}

void FrmMain::ChiudiPannelloLato() {
    Globals& g = G();
    g.Files.closeAll();
    Frame3.setVisible(false);
    for (Frame* f : {&Frame4, &Frame7, &Frame5, &Frame15, &Frame12}) f->setVisible(false);
    Frame12.setCaption(QString());
    Label59.setCaption(QString());
    Frame25.setVisible(false);
    g.NewGroupNumber = 0;
    g.CurrentSide = 0;
    DisabilitaBasiEsterne();
    for (ListBox* l : {&List1, &List2, &List3, &List4, &List5}) l->clear();
    for (Image* i : {&Image7, &Image8, &Image9}) i->setPicture(QImage());
}

void FrmMain::ColoraBasiEsterne() {
    Label15.setBackColor(vbYellow);
    Label16.setBackColor(vbYellow);
}
