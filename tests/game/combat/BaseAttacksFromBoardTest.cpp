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
namespace F = recordformat::ship;

namespace {

constexpr int kMaltaHq = 12;
constexpr int kTripoli = 7;

// Every die of the hour: middling percentages, the top face of the rest.
int hourDice(int sides) {
    return sides == 100 ? 50 : std::max(sides, 1);
}

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

    setDiceSource(hourDice);
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

    QStringList shown;
    platform::testing::setModalHandler([&](Form& w) {
        shown << w.caption();
        EXPECT_EQ(testsupport::layoutFaults(w), "") << w.caption().toStdString();
        if (auto* a = dynamic_cast<FrmAuto*>(&w)) {
            // Three aircraft: one caught and shot down in the first pass, the one bomb of each of
            // the three on target, a d1000 of 1 among the mass of 60; nothing caught after.
            ChosenDice dice(QList<int>{1, 60, 60, 96, 10, 10, 10, 1} + QList<int>(59, 500) +
                            QList<int>{70, 70});
            a->Command1.doClick();
            a->Command3.doClick();
            a->Command4.doClick();
            a->Command5.doClick();
            EXPECT_EQ(dice.remaining(), 0);
            a->Command2.doClick();
        } else if (auto* b = dynamic_cast<FrmBombNav*>(&w)) {
            // 50 exchanges at "Minima": the group hits the base in the first, nothing else.
            QList<int> faces = {100, 1, 125, 125};
            for (int i = 1; i < 50; ++i) faces << 100 << 125;
            b->Option6.doClick();
            ChosenDice dice(faces);
            b->Command1.doClick();
            EXPECT_EQ(dice.remaining(), 0);
            b->Command2.doClick();
        }
    });
    board.List1.doPick(strike);
    board.List1.doPick(1 - strike);
    setDiceSource(hourDice);
    board.List1.doPick(strike);
    platform::testing::setModalHandler(nullptr);
    EXPECT_EQ(shown, (QStringList{"Bombardamento Aereo", "Bombardamento Navale"})) << "each fought once";
    EXPECT_EQ(f.Label17.caption(), "ATT: CONTATTO GIA' COMBATTUTO IN QUEST'ORA");

    // The strike: the group home with its loss, MALTA HQ 1 % down and its port untouched.
    EXPECT_EQ(bomber[GaCol::Order], kOrderReturn);
    EXPECT_EQ(bomber[GaCol::ShotDown], 1);
    EXPECT_EQ(bomber[GaCol::Bombs], 0);
    EXPECT_EQ(g.BaseTable[kMaltaHq][BaseCol::DamagePercent], 1);
    // The bombardment: one hit of the group's weight on TRIPOLI, the group worn and still on it.
    EXPECT_EQ(gn[GnCol::Order], kNavalBombardment);
    EXPECT_EQ(g.BaseTable[kTripoli][BaseCol::BombardmentHits], 72);
    EXPECT_EQ(attackships::field(kAllies, 2, F::OPERATIVITAM), 99);
}
