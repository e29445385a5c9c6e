// The hour after its contacts, as two players at one screen meet it: a patrol attack, a strike and
// a bombardment, each fought in its window and closed as a player closes it, then one press of the
// contact board's "&Chiudi" and a side's turn leave the hour button free, and it runs the next hour.
// While it is held its tool-tip and the message line say why; the board and its plot open apart,
// both kept above the main window.
#include "BaseAttackShips.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/RecordFiles.h"
#include "game/combat/FrmAuto.h"
#include "game/combat/FrmBombNav.h"
#include "game/combat/FrmContatti.h"
#include "game/combat/FrmContatti2.h"
#include "game/combat/FrmPatrol.h"
#include "game/main/FrmMain.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/TestSupport.h"

#include <QMainWindow>
#include <QWindow>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr int kPalermo = 3, kTripoli = 7, kMaltaHq = 12;
constexpr int kBomber = 3, kRaid = 4; // Axis air groups: a strike on MALTA HQ, a patrol
constexpr int kTarget = 1;            // the Allied naval group under the patrol
constexpr int kBombarding = 5;        // the Allied naval group on TRIPOLI

class ContactHour : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        setDiceSource([](int sides) { return sides == 100 ? 50 : std::max(sides, 1); });
    }
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        setDiceSource({});
        platform::testing::resetForms();
        resetGlobals();
    }

    // Three contacts of hour 10 waiting: the strike, the bombardment and the patrol attack; both Axis
    // air groups come from PALERMO, whose air file has their lines.
    FrmMain& open() {
        Globals& g = G();
        buildPathGlobals();
        CaricaCoordinateBasi();
        const int px = g.BaseMapXY[kPalermo][1], py = g.BaseMapXY[kPalermo][2];
        Int16* bomber = g.GaTableAsse[kBomber];
        bomber[GaCol::InUse] = 1, bomber[GaCol::Aircraft] = 3, bomber[GaCol::Order] = kOrderBombing;
        bomber[GaCol::Bombs] = 1, bomber[GaCol::BombSize] = 30, bomber[GaCol::InterceptPercent] = 60;
        bomber[GaCol::TargetBase] = kMaltaHq, bomber[GaCol::TurnsFlown] = bomber[GaCol::TurnsToTarget] = 12;
        bomber[GaCol::TargetX] = g.BaseMapXY[kMaltaHq][1], bomber[GaCol::TargetY] = g.BaseMapXY[kMaltaHq][2];
        Int16* raid = g.GaTableAsse[kRaid];
        raid[GaCol::InUse] = 1, raid[GaCol::Order] = kOrderPatrol, raid[GaCol::Aircraft] = 2;
        raid[GaCol::InAction] = 2, raid[GaCol::Bombs] = 1, raid[GaCol::BombSize] = 50;
        raid[GaCol::AttackFactor] = 20, raid[GaCol::InterceptPercent] = 50, raid[GaCol::OverTarget] = 1;
        raid[GaCol::X] = raid[GaCol::TargetX] = 8000, raid[GaCol::Y] = raid[GaCol::TargetY] = 4000;
        for (int n : {kBomber, kRaid}) {
            Int16* r = g.GaTableAsse[n];
            r[GaCol::OriginBase] = kPalermo, r[GaCol::AircraftRecord] = n - 2, r[GaCol::AircraftCost] = 5;
            r[GaCol::OriginX] = px, r[GaCol::OriginY] = py, r[GaCol::FlightHours] = 2;
            g.GaNamesAsse[n][1] = n == kBomber ? QStringLiteral("SM.79") : QStringLiteral("Ju 87");
        }
        Int16* t = g.GnTableAlle[kTarget];
        t[GnCol::InUse] = 1, t[GnCol::Ships] = 1, t[GnCol::X] = 8000, t[GnCol::Y] = 4000;
        t[GnCol::MaxKnots] = t[GnCol::Knots] = 20, t[GnCol::Aam] = 3, t[GnCol::MinOperativity] = 100;
        Int16* gn = g.GnTableAlle[kBombarding];
        gn[GnCol::InUse] = 1, gn[GnCol::Ships] = 1, gn[GnCol::Order] = kNavalBombardment;
        gn[GnCol::X] = g.BaseMapXY[kTripoli][1] + 90, gn[GnCol::Y] = g.BaseMapXY[kTripoli][2] + 90;
        // The four ready aircraft of each of PALERMO's two lines, counted present at the base.
        g.BaseTable[kPalermo][BaseCol::AircraftPresent] = 8;
        testcampaign::write({.hour = 10});
        attackships::append(kAllies, {{.name = "Eagle", .port = kMaltaHq, .aa = 8},
                                      {.name = "Warspite",
                                       .group = kBombarding,
                                       .aa = 5,
                                       .hull = 300,
                                       .fireDirection = 6,
                                       .type = "NB"},
                                      {.name = "Janus", .group = kTarget, .aa = 3}});
        attackships::append(kAxis, {{.name = "Zara", .port = kTripoli}});
        g.Files.openRandom(9, baseAircraftFilePath(kPalermo), AircraftRecord::kLength);
        for (int r : {1, 2}) {
            AircraftRecord a;
            a.setText(recordformat::aircraft::Nome, g.GaNamesAsse[r + 2][1]);
            a.setNumber(recordformat::aircraft::Pronti, 4);
            a.setNumber(recordformat::aircraft::InVolo, g.GaTableAsse[r + 2][GaCol::Aircraft]);
            writeAircraft(9, r, a);
        }
        g.Files.close(9);

        g.CurrentSide = kAxis, g.ActivityKind = kActAxisAirStrike, g.ContactUnitAsse = kBomber;
        ScriviContattoGA();
        g.CurrentSide = kAllies, g.ActivityKind = kActAlliedBombardment, g.ContactUnitAlle = kBombarding;
        g.ContactUnitAsse = 0;
        gn[GnCol::BombardedBase] = kTripoli;
        ScriviContattoGN2();
        g.ActivityKind = kActAxisAirOnShips, g.AirOrder = kOrderPatrol;
        g.ContactUnitAlle = 0, g.ContactUnitAsse = kRaid, g.EncounterGnAlle = kTarget, g.EncounterGnAsse = 0;
        g.SightValueAsse = 12, g.EvasionValueAlle = 10, g.SightValueAlle = 0, g.EvasionValueAsse = 10;
        ScriviContattoRicognizione();
        const int n = openContactFile(20);
        ContactRecord c = readContact(20, n);
        c.STATTACCOLATO2 = 1, c.STVEDELATO2 = 1, c.STA2 = kOrderPatrol;
        writeContact(20, n, c);
        g.Files.close(20);
        g.CurrentSide = 0;
        SalvaTabelleGruppi();
        testcampaign::choose();
        EXPECT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
        return form<FrmMain>();
    }

    // The contact of `text` fought in its window, driven to its end and closed as a player closes
    // it; then one press of the board's "&Chiudi". The window's caption.
    QString fight(FrmMain& f, const QString& text) {
        for (CheckBox* c : {&f.Check5, &f.Check6, &f.Check7}) c->doClick();
        f.Command23.doClick();
        EXPECT_FALSE(f.Command22.enabled());
        EXPECT_EQ(f.hourLock(), HourLock::Board);
        FrmContatti& board = form<FrmContatti>();
        int index = -1;
        for (int i = 0; i < board.List1.listCount(); ++i)
            if (board.List1.list(i).startsWith(text)) index = i;
        EXPECT_GE(index, 0) << text.toStdString();
        QString shown;
        platform::testing::setModalHandler([&](Form& w) {
            shown = w.caption();
            if (auto* a = dynamic_cast<FrmAuto*>(&w)) {
                for (CommandButton* b :
                     {&a->Command1, &a->Command3, &a->Command4, &a->Command5, &a->Command2})
                    b->doClick();
            } else if (auto* b = dynamic_cast<FrmBombNav*>(&w)) {
                for (CommandButton* c : {&b->Command1, &b->Command2}) c->doClick();
            } else if (auto* p = dynamic_cast<FrmPatrol*>(&w)) {
                for (int turn = 0; turn < 10 && !p->Command4.enabled(); ++turn) {
                    p->List1.doPickDouble(0);
                    for (CommandButton* c : {&p->Command3, &p->Command1, &p->Command2}) c->doClick();
                }
                EXPECT_EQ(p->Label16.caption(), "ATTACCO TERMINATO");
                p->Command4.doClick();
            }
        });
        board.List1.doPick(index);
        platform::testing::setModalHandler(nullptr);
        EXPECT_TRUE(isLoaded<FrmContatti>()) << "the board is back after the window";
        if (isLoaded<FrmContatti>()) form<FrmContatti>().Command1.doClick();
        return shown;
    }

    // A side takes the screen and closes it; the hour button then runs the next hour.
    void sideTurnThenHour(FrmMain& f) {
        EXPECT_TRUE(f.Command22.enabled()) << "one press of the board's Chiudi";
        f.Command17.doClick();
        EXPECT_EQ(f.hourLock(), HourLock::Side);
        f.Command5.doClick();
        f.Command4.doClick();
        EXPECT_TRUE(f.Command22.enabled()) << "the side cycle does not hold the hour again";
        EXPECT_EQ(f.Command22.toolTipText(), "RUN TIME (assicurarsi che tutti abbiano mosso)");
        f.Command22.doClick();
        EXPECT_EQ(errors.messages, QStringList());
        EXPECT_EQ(G().state(StateItem::Hour), 11) << "the next hour ran";
    }

    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
};

} // namespace

TEST_F(ContactHour, APatrolAttackThenOneChiudiAndTheHourRuns) {
    FrmMain& f = open();
    EXPECT_EQ(fight(f, QStringLiteral("GN1 ")), "Attacco Aereo in Patrol");
    EXPECT_EQ(G().GaTableAsse[kRaid][GaCol::Order], kOrderReturn);
    sideTurnThenHour(f);
    EXPECT_EQ(G().GaTableAsse[kRaid][GaCol::InUse], 0) << "landed at PALERMO";
}

TEST_F(ContactHour, AStrikeThenOneChiudiAndTheHourRuns) {
    FrmMain& f = open();
    EXPECT_EQ(fight(f, QStringLiteral("MALTA HQ")), "Bombardamento Aereo");
    EXPECT_EQ(G().GaTableAsse[kBomber][GaCol::Order], kOrderReturn);
    sideTurnThenHour(f);
}

TEST_F(ContactHour, ABombardmentThenOneChiudiAndTheHourRuns) {
    FrmMain& f = open();
    EXPECT_EQ(fight(f, QStringLiteral("TRIPOLI")), "Bombardamento Navale");
    sideTurnThenHour(f);
}

// Contacts waiting hold the hour button from the campaign's opening; its tool-tip, and the message
// line at the opening, at a side's close and at a press on the held button, say what frees it.
// Before the board has been closed with "&Chiudi" (not by its title bar), a side's turn holds it
// again; the board and its plot open apart and stay above the main window.
TEST_F(ContactHour, TheHeldHourButtonSaysWhyAndTheBoardStaysInView) {
    FrmMain& f = open();
    const QString contacts = "ORA BLOCCATA: CONTATTI DA RISOLVERE (aprire CONTATTI, poi Chiudi del quadro)";
    EXPECT_FALSE(f.Command22.enabled());
    EXPECT_EQ(f.Label17.caption(), contacts);
    EXPECT_TRUE(f.Command22.toolTipText().contains("BLOCCATO: contatti dell'ora da risolvere"));
    f.Label17.setCaption(QString());
    f.Command22.MouseDown(vbLeftButton, 0, 10, 10);
    EXPECT_EQ(f.Label17.caption(), contacts) << "a press on the held button";

    f.Command17.doClick();
    f.Command22.MouseDown(vbLeftButton, 0, 10, 10);
    EXPECT_EQ(f.Label17.caption(), "ORA BLOCCATA: UN LATO HA LO SCHERMO (premere Chiudi del lato)");
    f.Command6.doClick();
    f.Command4.doClick();
    EXPECT_FALSE(f.Command22.enabled()) << "the board has not been closed in this hour";
    EXPECT_EQ(f.Label17.caption(), contacts);

    // The board closed by its title bar releases nothing, and the button no longer says it is open.
    f.Command23.doClick();
    form<FrmContatti>().window()->close();
    EXPECT_FALSE(isLoaded<FrmContatti>());
    EXPECT_EQ(f.hourLock(), HourLock::Contacts);
    EXPECT_EQ(f.Label17.caption(), contacts);

    f.Command23.doClick();
    f.Command22.MouseDown(vbLeftButton, 0, 10, 10);
    EXPECT_EQ(f.Label17.caption(), "ORA BLOCCATA: QUADRO CONTATTI APERTO (chiuderlo con il suo Chiudi)");
    FrmContatti& board = form<FrmContatti>();
    FrmContatti2& plot = form<FrmContatti2>();
    EXPECT_FALSE(board.window()->frameGeometry().intersects(plot.window()->frameGeometry()))
        << "the plot is not behind the board";
    for (Form* w : std::initializer_list<Form*>{&board, &plot}) {
        ASSERT_NE(w->window()->windowHandle(), nullptr);
        EXPECT_EQ(w->window()->windowHandle()->transientParent(), f.window()->windowHandle())
            << w->caption().toStdString() << " stays above the main window";
    }
    board.Command1.doClick();
    EXPECT_TRUE(f.Command22.enabled());
    EXPECT_EQ(f.Command22.toolTipText(), "RUN TIME (assicurarsi che tutti abbiano mosso)");
    f.Label17.setCaption(QString());
    f.Command22.MouseDown(vbLeftButton, 0, 10, 10);
    EXPECT_EQ(f.Label17.caption(), "") << "a free button says nothing";
}
