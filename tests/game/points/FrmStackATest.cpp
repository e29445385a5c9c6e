// The supervisor's air-group editor: a side's groups, the picked group's attributes, origin, order,
// target and the ships it targets, and one attribute changed and saved.
#include "game/points/FrmStackA.h"
#include "game/points/Supervisor.h"

#include "SupervisorFixture.h"

using namespace platform;

namespace {
using testcampaign::Ship;

class StackA : public SupervisorWindow {
  protected:
    // Allied air groups 2 and 5; group 5 flies from a carrier, bombs PALERMO and targets Axis naval
    // group 4, whose two ships are records 2 and 3 of the Axis file.
    FrmStackA& open() {
        Globals& g = G();
        for (int ga : {2, 5}) {
            g.GaTableAlle[ga][GaCol::InUse] = 1;
            g.GaTableAlle[ga][GaCol::Aircraft] = 9;
            g.GaNamesAlle[ga][1] = QStringLiteral("AEREO %1").arg(ga);
            g.GaNamesAlle[ga][3] = "BMR";
        }
        Int16* ga5 = g.GaTableAlle[5];
        ga5[GaCol::CarrierGroup] = 1;
        ga5[GaCol::TargetBase] = 3;
        ga5[GaCol::Order] = kOrderBombing;
        ga5[GaCol::TargetGn] = 4;
        g.GaTableAsse[1][GaCol::InUse] = 1;
        g.GaTableAsse[1][GaCol::CarrierGroup] = 1;
        g.GaTableAsse[1][GaCol::OriginBase] = 6;
        SalvaTabelleGruppi();
        Ship other, target;
        target.group = 4;
        testcampaign::appendShips(kAxis, {other, target, target});
        FrmStackA& f = form<FrmStackA>();
        f.Option1.doClick();
        return f;
    }
};
} // namespace

TEST_F(StackA, APickedGroupShowsItsAttributesOriginTargetAndTheShipsItTargets) {
    FrmStackA& f = open();
    ASSERT_EQ(f.List1.listCount(), 2);
    EXPECT_EQ(f.List1.list(1), "GAn 5_9 BMR_AEREO 5");
    f.List1.doPick(1);
    EXPECT_EQ(f.pickedGroup(), 5);
    EXPECT_EQ(f.Label2[GaCol::Aircraft - 1].caption(), "9");
    EXPECT_EQ(f.Label2[GaCol::TargetGn - 1].caption(), "4");
    EXPECT_EQ(f.Label3.caption(), "Portaerei");
    EXPECT_EQ(f.Label4.caption(), "PALERMO");
    EXPECT_EQ(f.Label5.caption(), G().AirOrderNames[kOrderBombing]);
    ASSERT_EQ(f.List2.listCount(), 2);
    EXPECT_EQ(f.List2.list(0), "(GN: 4) * CT_Nave 2          ");
    EXPECT_FALSE(G().Files.isOpen(supervisor::kChannelSupervisorShips));

    // An Axis group never flies from a carrier here.
    f.Option2.doClick();
    f.List1.doPick(0);
    EXPECT_EQ(f.Label3.caption(), "CAGLIARI");
    EXPECT_EQ(f.List2.listCount(), 0);
}

TEST_F(StackA, OneAttributeIsChangedAndSaved) {
    testsupport::MessageBoxes boxes;
    FrmStackA& f = open();
    EXPECT_FALSE(f.Command1.enabled()) << "nothing picked";
    f.List1.doPick(1);
    f.Label2[GaCol::Aircraft - 1].doClick();
    EXPECT_EQ(f.Frame1.caption(), "NUM AEREI TOT");
    EXPECT_EQ(f.Text1.text(), "9");
    EXPECT_TRUE(f.Command1.enabled());
    f.Text1.doDblClick();
    EXPECT_FALSE(f.Command1.enabled());
    f.Text1.doType("-1a2");
    EXPECT_EQ(f.Text1.text(), "12");
    f.Command1.doClick();
    EXPECT_EQ(G().GaTableAlle[5][GaCol::Aircraft], 12);
    EXPECT_EQ(G().GaTableAlle[5][GaCol::TargetGn], 4);
    EXPECT_EQ(tableLine("AereiAlle.dat", 5, GaCol::Aircraft), "12");
    EXPECT_EQ(f.Frame1.caption(), "");
    EXPECT_EQ(f.Text1.text(), "");

    // A number beyond 16 bits is refused.
    f.Label2[GaCol::Aircraft - 1].doClick();
    f.Text1.setText("40000");
    f.Command1.doClick();
    EXPECT_EQ(boxes.prompts.size(), 1);
    EXPECT_EQ(G().GaTableAlle[5][GaCol::Aircraft], 12);

    // Another side: nothing is written until one of its groups is picked.
    f.Option2.doClick();
    EXPECT_FALSE(f.Command1.enabled());
    EXPECT_EQ(f.pickedGroup(), 0);
}
