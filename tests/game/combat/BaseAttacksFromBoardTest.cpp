// The base attacks as a player reaches them: an Axis bomber over MALTA HQ and an Allied group on
// TRIPOLI, the hour run, the contact board opened with both automatic boxes ticked, and each
// window played through with chosen dice.
#include "BaseAttackShips.h"
#include "common/Dice.h"
#include "game/combat/FrmAuto.h"
#include "game/combat/FrmBombNav.h"
#include "game/combat/FrmContatti.h"
#include "game/main/FrmMain.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/LayoutCheck.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr int kMaltaHq = 12;
constexpr int kTripoli = 7;

class BaseAttacksFromTheBoard : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        setDiceSource({});
        platform::testing::resetForms();
        resetGlobals();
    }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
};

} // namespace

TEST_F(BaseAttacksFromTheBoard, AStrikeOnMaltaAndABombardmentOfTripoli) {
    {
        Globals& g = G();
        buildPathGlobals();
        CaricaCoordinateBasi();
        Int16* bomber = g.GaTableAsse[3];
        bomber[GaCol::InUse] = 1, bomber[GaCol::Aircraft] = 3, bomber[GaCol::Order] = kOrderBombing;
        bomber[GaCol::Bombs] = 1, bomber[GaCol::BombSize] = 30, bomber[GaCol::InterceptPercent] = 60;
        bomber[GaCol::TargetBase] = kMaltaHq, bomber[GaCol::TurnsFlown] = bomber[GaCol::TurnsToTarget] = 12;
        bomber[GaCol::FlightHours] = 2;
        bomber[GaCol::TargetX] = g.BaseMapXY[kMaltaHq][1], bomber[GaCol::TargetY] = g.BaseMapXY[kMaltaHq][2];

        Int16* gn = g.GnTableAlle[5];
        gn[GnCol::InUse] = 1, gn[GnCol::Ships] = 1, gn[GnCol::Order] = kNavalBombardment;
        gn[GnCol::X] = g.BaseMapXY[kTripoli][1] + 90, gn[GnCol::Y] = g.BaseMapXY[kTripoli][2] + 90;
        g.BaseTable[kTripoli][BaseCol::DamagePercent] = 10;

        testcampaign::write({.hour = 10});
        attackships::append(
            kAllies,
            {{.name = "Eagle", .port = kMaltaHq, .aa = 8},
             {.name = "Warspite", .group = 5, .aa = 5, .hull = 300, .fireDirection = 6, .type = "NB"}});
        attackships::append(kAxis, {{.name = "Zara", .port = kTripoli}});
        testcampaign::choose();
    }
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();
    Globals& g = G();
    const Int16* bomber = g.GaTableAsse[3];
    const Int16* gn = g.GnTableAlle[5];

    // The hour's dice: middling percentages, the top face of the rest.
    setDiceSource([](int sides) { return sides == 100 ? 50 : std::max(sides, 1); });
    f.Command22.doClick();
    ASSERT_EQ(errors.messages, QStringList());
    ASSERT_EQ(g.state(StateItem::Contacts), 2);
    ASSERT_EQ(g.state(StateItem::Weather), 0);
    ASSERT_EQ(g.DayFlag, 1);
    f.Command23.doClick();
    f.Check5.doClick();
    f.Check7.doClick();
    FrmContatti& board = form<FrmContatti>();
    ASSERT_EQ(board.List1.listCount(), 2);
    const int strike = board.List1.list(0) == "MALTA HQ BmbAer" ? 0 : 1;

    // The windows' dice: every aircraft caught and safe, every bomb on target without a
    // critical, each d1000 a percent of damage; the group hits the base at every exchange
    // (20 of 125 against 28), the base never the group (50 against 21).
    setDiceSource([](int sides) { return sides == 100 ? 50 : sides == 125 ? 20 : 1; });
    QStringList shown;
    platform::testing::setModalHandler([&](Form& w) {
        shown << w.caption();
        EXPECT_EQ(testsupport::layoutFaults(w), "") << w.caption().toStdString();
        if (auto* a = dynamic_cast<FrmAuto*>(&w))
            for (CommandButton* b : {&a->Command1, &a->Command3, &a->Command4, &a->Command5, &a->Command2})
                b->doClick();
        else if (auto* b = dynamic_cast<FrmBombNav*>(&w))
            for (CommandButton* c : {&b->Command1, &b->Command2}) c->doClick();
    });
    board.List1.doPick(strike);
    board.List1.doPick(1 - strike);
    board.List1.doPick(strike);
    platform::testing::setModalHandler(nullptr);
    EXPECT_EQ(shown, (QStringList{"Bombardamento Aereo", "Bombardamento Navale"})) << "each fought once";
    EXPECT_EQ(f.Label17.caption(), "ATT: CONTATTO GIA' COMBATTUTO IN QUEST'ORA");

    // The strike: the group home, MALTA HQ 60 % down (3 bombs of 30: a mass of 60). The
    // bombardment: 100 hits of 72 add 36 % to TRIPOLI's 10; the group, untouched, stays on it.
    EXPECT_EQ(bomber[GaCol::Order], kOrderReturn);
    EXPECT_EQ(bomber[GaCol::Bombs], 0);
    EXPECT_EQ(g.BaseTable[kMaltaHq][BaseCol::DamagePercent], 60);
    EXPECT_EQ(gn[GnCol::Order], kNavalBombardment);
    EXPECT_EQ(g.BaseTable[kTripoli][BaseCol::DamagePercent], 46);
}
