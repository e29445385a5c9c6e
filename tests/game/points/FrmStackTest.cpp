// The supervisor's naval editor: choosing a side, a group, a port or all ships, viewing a ship,
// and writing a ship or one group value back.
#include "game/points/FrmStack.h"

#include "SupervisorFixture.h"
#include "common/GroupTables.h"
#include "game/main/CampaignOpen.h"

using namespace platform;

namespace {
namespace F = recordformat::ship;
using testcampaign::Ship;

class Stack : public SupervisorWindow {
  protected:
    // Allied groups 3 (two ships) and 7 (one ship, record 3), a ship in port at MALTA HQ (record 4).
    FrmStack& open() {
        Globals& g = G();
        for (int gn : {3, 7}) g.GnTableAlle[gn][GnCol::InUse] = 1;
        g.GnTableAlle[3][GnCol::Ships] = 2;
        g.GnTableAlle[7][GnCol::Ships] = 1;
        g.GnTableAlle[7][GnCol::Knots] = 20;
        g.GnTableAlle[7][GnCol::Step] = 200;
        g.GnTableAsse[1][GnCol::InUse] = 1;
        SalvaTabelleGruppi();
        Ship s3, s7, inPort;
        s3.group = 3;
        s7.group = 7, s7.knots = 24, s7.operativity = 80;
        testcampaign::appendShips(kAllies, {s3, s3, s7, inPort});
        setShipField(kAllies, 4, F::PORTO, "12");
        FrmStack& f = form<FrmStack>();
        f.Option1.doClick();
        return f;
    }
    int pick(ListBox& list, int record) {
        for (int i = 0; i < list.listCount(); ++i)
            if (list.itemData(i) == record) {
                list.doPick(i);
                return i;
            }
        ADD_FAILURE() << "record " << record << " not listed";
        return -1;
    }
};
} // namespace

TEST_F(Stack, ListsTheGroupsAPortOfTheSideAndAllShips) {
    FrmStack& f = open();
    EXPECT_EQ(G().CurrentSide, kAllies);
    EXPECT_TRUE(f.Command5.enabled());
    ASSERT_EQ(f.Combo1.listCount(), 2);
    EXPECT_EQ(f.Combo1.list(0), "GN 3 -Nv 2");
    EXPECT_EQ(f.Combo1.itemData(1), 7);
    EXPECT_EQ(f.Combo2.listCount(), kBases);
    EXPECT_EQ(f.Combo2.list(11), "MALTA HQ");

    f.Combo1.doPick(1);
    EXPECT_TRUE(f.Frame2.visible());
    EXPECT_EQ(f.Frame2.caption(), "GRUPPO NAVALE N°  7");
    EXPECT_EQ(f.Label2[GnCol::Knots - 1].caption(), "20");
    ASSERT_EQ(f.List1.listCount(), 1);
    EXPECT_EQ(f.List1.list(0), "(GN: 7) * CT_Nave 3          ");
    EXPECT_EQ(f.List1.itemData(0), 3);
    EXPECT_EQ(G().SelectedGn, 7);

    // TARANTO is the Axis': refused, nothing else changes.
    f.Combo2.doPick(0);
    EXPECT_EQ(f.Combo2.listIndex(), -1);
    EXPECT_EQ(f.List1.listCount(), 1);
    EXPECT_EQ(G().SelectedGn, 7);
    EXPECT_TRUE(f.Frame2.visible());

    f.Combo2.doPick(11);
    EXPECT_FALSE(f.Frame2.visible());
    EXPECT_EQ(f.Combo1.listIndex(), -1);
    ASSERT_EQ(f.List1.listCount(), 1);
    EXPECT_EQ(f.List1.list(0), "(MALTA HQ) * CT_Nave 4          ");
    EXPECT_EQ(G().SelectedGn, 12);

    f.Command5.doClick();
    EXPECT_EQ(f.List1.listCount(), 4);
    EXPECT_EQ(f.List1.list(2), "CT_Nave 3          ");
    EXPECT_TRUE(f.Frame3.visible() && f.Frame4.visible());

    f.Option2.doClick();
    EXPECT_EQ(G().CurrentSide, kAxis);
    EXPECT_EQ(f.Combo1.list(0), "GN 1 -Nv 0");
    EXPECT_EQ(f.List1.listCount(), 0);
    EXPECT_FALSE(f.Frame3.visible());
}

TEST_F(Stack, AShipViewShowsItsFieldsInTheirPlaces) {
    FrmStack& f = open();
    setShipField(kAllies, 3, F::MA, "7");
    setShipField(kAllies, 3, F::MAM, "6");
    setShipField(kAllies, 3, F::NON_OP, "1");
    f.Command5.doClick();
    pick(f.List1, 3);
    EXPECT_EQ(f.Label11.caption(), "3");
    EXPECT_EQ(G().SelectedGn, 3);
    EXPECT_EQ(f.Frame3.caption(), "Nave 3  **  (CACCIATORPEDINIERE)  **");
    EXPECT_EQ(f.Label7[1].caption().trimmed(), "Nave 3");
    EXPECT_EQ(f.Label7[20].caption().trimmed(), "24");
    EXPECT_EQ(f.Label7[33].caption().trimmed(), "7") << "NUMERO GN";
    EXPECT_EQ(f.Label7[37].caption().trimmed(), "1") << "NON OP";
    EXPECT_EQ(f.Label7[38].caption().trimmed(), "7") << "MA";
    EXPECT_EQ(f.Label7[39].caption().trimmed(), "6") << "MAM";
    EXPECT_EQ(f.Label6[38].caption(), "MA Movim.Aerei");
}

TEST_F(Stack, AShipIsWrittenBackWithItsFloorsAndItsGroupRecomputed) {
    FrmStack& f = open();
    const ShipRecord before = shipOnDisk(kAllies, 3);
    f.Combo1.doPick(1);
    pick(f.List1, 3);
    f.Text4.doType("123"); // NODIM takes two digits
    EXPECT_EQ(f.Label7[20].caption(), "12");
    f.Text5.doType("5");
    f.Text5.doDblClick(); // OPERATIVITAM emptied: floor 1
    EXPECT_EQ(f.Label7[21].caption(), "");
    f.Text17.doType("a2"); // STATUS takes digits only
    EXPECT_EQ(f.Label7[19].caption(), "2");
    f.Text7.setText("7x5"); // a pasted text keeps its digits
    EXPECT_EQ(f.Label7[24].caption(), "75");
    f.Text20.setText("x"); // MISSIONE: a letter refused whole leaves the record's value
    EXPECT_EQ(f.Label7[18].caption(), " ");
    f.Text1.doType("Ardito");
    f.Text18.doDblClick();
    EXPECT_EQ(f.Label7[32].caption(), "1");
    f.Command1.doClick();

    const ShipRecord after = shipOnDisk(kAllies, 3);
    EXPECT_EQ(after.text(F::NODIM), "12");
    EXPECT_EQ(after.text(F::OPERATIVITAM), "1  ");
    EXPECT_EQ(after.text(F::STATUS), "2");
    EXPECT_EQ(after.text(F::RESISTENZAM), "75  ");
    EXPECT_EQ(after.trimmed(F::NOME), "Ardito");
    EXPECT_EQ(after.text(F::AFF), "1 ");
    EXPECT_EQ(after.text(F::CLASSE), before.text(F::CLASSE));
    EXPECT_EQ(after.text(F::RESISTENZA), before.text(F::RESISTENZA));
    // Group 7 from its one ship, in the table and in its file.
    const Int16* gn7 = G().GnTableAlle[7];
    EXPECT_EQ(gn7[GnCol::MaxKnots], 12);
    EXPECT_EQ(gn7[GnCol::Knots], 12);
    EXPECT_EQ(gn7[GnCol::Step], 120);
    EXPECT_EQ(gn7[GnCol::MinOperativity], 1);
    EXPECT_EQ(tableLine("NaviAlle.dat", 7, GnCol::Step), "120");
    // The window waits for a new choice.
    EXPECT_FALSE(f.Frame3.visible());
    EXPECT_EQ(f.List1.listCount(), 0);
    EXPECT_EQ(f.Text4.text(), "");
    EXPECT_EQ(f.shipOnView(), 0);
}

TEST_F(Stack, AShipWrittenUntouchedKeepsItsFieldsButTheFloors) {
    FrmStack& f = open();
    setShipField(kAllies, 4, F::RESISTENZAM, "-3");
    const ShipRecord before = shipOnDisk(kAllies, 4);
    f.Command5.doClick();
    pick(f.List1, 4);
    f.Command1.doClick();
    const ShipRecord after = shipOnDisk(kAllies, 4);
    EXPECT_EQ(after.text(F::RESISTENZAM), "0   ");
    EXPECT_EQ(after.text(F::NOME), before.text(F::NOME));
    EXPECT_EQ(after.text(F::NODIM), before.text(F::NODIM));
    EXPECT_EQ(after.text(F::PORTO), before.text(F::PORTO));
}

// After "all ships" no ship is on view until one is chosen: the confirm writes nothing, whatever
// the shared record buffer and the selection number hold from the listing.
TEST_F(Stack, NoShipIsWrittenBeforeOneIsChosen) {
    FrmStack& f = open();
    f.Combo1.doPick(1);
    pick(f.List1, 3);
    f.Text4.doType("9");
    f.Command5.doClick();
    const QByteArray file = testsupport::readBytes(shipFilePath(kAllies));
    EXPECT_FALSE(f.Command1.enabled());
    f.Command1_Click();
    EXPECT_EQ(testsupport::readBytes(shipFilePath(kAllies)), file);
    // The ship then chosen is the one written, with its own values: the box typed into for the
    // ship shown before does not feed it.
    pick(f.List1, 1);
    f.Command1.doClick();
    EXPECT_EQ(shipOnDisk(kAllies, 1).text(F::NODIM), "30");
    EXPECT_EQ(shipOnDisk(kAllies, 3).text(F::NODIM), "24");
}

TEST_F(Stack, OneGroupValueIsChangedAndSaved) {
    testsupport::MessageBoxes boxes;
    FrmStack& f = open();
    f.Combo1.doPick(1);
    f.Label2[GnCol::Knots - 1].doClick();
    EXPECT_TRUE(f.Frame5.visible());
    EXPECT_EQ(f.Label12.caption(), "VEL. NODI EROGATA");
    EXPECT_EQ(f.Text2.text(), "20");
    EXPECT_EQ(f.List1.listCount(), 0) << "no ship can be chosen while the entry is open";

    // A text that is no 16-bit whole number is refused and nothing changes.
    f.Text2.setText("40000");
    f.Command3.doClick();
    EXPECT_EQ(boxes.prompts.size(), 1);
    EXPECT_TRUE(f.Frame5.visible());
    EXPECT_EQ(G().GnTableAlle[7][GnCol::Knots], 20);

    f.Text2.setText("");
    f.Text2.doType("x1.5");
    EXPECT_EQ(f.Text2.text(), "1.5");
    f.Command3.doClick();
    EXPECT_FALSE(f.Frame5.visible());
    EXPECT_EQ(f.Label2[GnCol::Knots - 1].caption(), "2");
    EXPECT_EQ(G().GnTableAlle[7][GnCol::Knots], 2);
    EXPECT_EQ(G().GnTableAlle[7][GnCol::Step], 200) << "nothing recomputed";
    EXPECT_EQ(tableLine("NaviAlle.dat", 7, GnCol::Knots), "2");
}

// What the next opening would refuse cannot be stored: a count below 0, more ships than the ship
// file holds, a group no longer in use with a ship in it, a port beyond the bases, a type code no
// ship has. The campaign opens afterwards.
TEST_F(Stack, AValueTheOpeningWouldRefuseIsRefusedWhereItIsTyped) {
    testsupport::MessageBoxes boxes;
    FrmStack& f = open();
    const QByteArray tables = testsupport::readBytes(stackFile("NaviAlle.dat"));
    const QByteArray ships = testsupport::readBytes(shipFilePath(kAllies));
    f.Combo1.doPick(1);
    const auto typeGroupValue = [&](int column, const QString& text) {
        f.Label2[column - 1].doClick();
        f.Text2.setText(text);
        f.Command3.doClick();
    };
    typeGroupValue(GnCol::Ships, "-3");
    typeGroupValue(GnCol::Ships, "5");
    typeGroupValue(GnCol::InUse, "0");
    ASSERT_EQ(boxes.prompts.size(), 3);
    EXPECT_EQ(boxes.prompts[0], "Valore non valido per NUM.NAVI: deve essere tra 0 e 32767.");
    EXPECT_EQ(
        boxes.prompts[1],
        "Valore non valido per NUM.NAVI: deve essere tra 0 e 2. Il file delle navi non ne contiene di più.");
    EXPECT_EQ(boxes.prompts[2],
              "Valore non valido per ATTIVO: deve essere tra 1 e 32767. Il gruppo ha navi in "
              "servizio nel file delle navi (record 3).");
    EXPECT_EQ(G().GnTableAlle[7][GnCol::Ships], 1);
    EXPECT_EQ(G().GnTableAlle[7][GnCol::InUse], 1);
    EXPECT_EQ(testsupport::readBytes(stackFile("NaviAlle.dat")), tables);
    typeGroupValue(GnCol::Ships, "2");
    EXPECT_EQ(G().GnTableAlle[7][GnCol::Ships], 2) << "as many as the file holds";

    f.Combo1.doPick(1);
    pick(f.List1, 3);
    f.Text21.doType("16");
    f.Command1.doClick();
    f.Text21.setText(QString());
    f.Text16.doType("ZZ");
    f.Command1.doClick();
    ASSERT_EQ(boxes.prompts.size(), 5);
    EXPECT_EQ(boxes.prompts[3], "Valore non valido per PORTO: deve essere tra 0 e 15.");
    EXPECT_TRUE(boxes.prompts[4].startsWith("Valore non valido per TIPO: deve essere uno dei codici PA, PL"))
        << boxes.prompts[4].toStdString();
    EXPECT_TRUE(f.Frame4.visible()) << "the ship stays on view, to be corrected";
    EXPECT_EQ(testsupport::readBytes(shipFilePath(kAllies)), ships);

    testcampaign::choose();
    EXPECT_NO_THROW(loadCampaign());
}

// A port chosen while the entry is open leaves the group's values on show: the confirm writes
// into that group's row, not into the row the port's number names.
TEST_F(Stack, AGroupValueConfirmedAfterAPortChoiceGoesToTheGroupShown) {
    FrmStack& f = open();
    G().GnTableAlle[12][GnCol::Fires] = 0;
    f.Combo1.doPick(1);
    f.Label2[GnCol::Fires - 1].doClick();
    f.Combo2.doPick(11);
    EXPECT_EQ(G().SelectedGn, 12);
    f.Text2.setText("9");
    f.Command3.doClick();
    EXPECT_EQ(G().GnTableAlle[7][GnCol::Fires], 9);
    EXPECT_EQ(G().GnTableAlle[12][GnCol::Fires], 0);
}
