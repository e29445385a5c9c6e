// The supervisor's two views (the contacts of the hour with the groups around them, the game state
// and a base's values) and the four entries of the supervisor menu.
#include "game/points/FrmContattiFile.h"
#include "game/points/FrmEventi.h"
#include "game/points/FrmStack.h"
#include "game/points/FrmStackA.h"

#include "SupervisorFixture.h"
#include "common/BaseTable.h"
#include "common/ContactFiles.h"
#include "game/main/FrmMain.h"

using namespace platform;

namespace {

class Views : public SupervisorWindow {
  protected:
    void contacts(const QList<ContactRecord>& records) {
        openContactFile(20);
        for (int i = 0; i < records.size(); ++i) writeContact(20, i + 1, records[i]);
        G().Files.close(20);
    }
    void place(int side, int gn, int x, int y, int ships = 2) {
        Int16* r = G().gnTable(side)[gn];
        r[GnCol::InUse] = 1, r[GnCol::X] = x, r[GnCol::Y] = y, r[GnCol::Ships] = ships;
    }
    void patrol(int side, int ga, int over, int inAction) {
        G().gnTable(side)[over][GnCol::PatrolGroups] = 1;
        G().gaTable(side)[ga][GaCol::CoveredGn] = over;
        G().gaTable(side)[ga][GaCol::InAction] = inAction;
    }
};

// The Allies' group 2 saw the Axis' group 4: a naval contact of kind 1.
ContactRecord navalContact() {
    ContactRecord c{};
    c.STVEDELATO1 = 1, c.STNSTACKLATO1 = 2, c.STNSTACKLATO2 = 4, c.STNUMNAVILATO2 = 3, c.STNODILATO2 = 18;
    c.STDISTANZA = 100, c.STB1 = 7, c.STB2 = kActNavalMeeting;
    return c;
}
} // namespace

TEST_F(Views, TheContactsOfTheHourWithTheGroupsAroundThem) {
    // Axis group 4 (seen) with Axis neighbours at 150, 200 and 201 map units; Allied group 2 (the one
    // that saw it) 100 units off, with Allied group 9 50 units from group 4.
    place(kAxis, 4, 1000, 1000, 3);
    place(kAxis, 5, 1150, 1000);
    place(kAxis, 8, 1200, 1000);
    place(kAxis, 6, 1201, 1000);
    patrol(kAxis, 3, 5, 6);
    place(kAllies, 2, 1100, 1000, 4);
    place(kAllies, 9, 1050, 1000);
    patrol(kAllies, 4, 9, 5);
    ContactRecord earlier = navalContact(), nobody{};
    earlier.STDISTANZA = 999;
    contacts({earlier, nobody, navalContact()});
    G().setState(StateItem::Contacts, 2);

    FrmContattiFile& f = form<FrmContattiFile>();
    EXPECT_EQ(G().ContattiGestiti, 2);
    ASSERT_EQ(f.List1.listCount(), 1) << "the hour's two records, one of which nobody saw";
    EXPECT_EQ(f.List1.list(0), "GN:4 N:3 K:18 (100)");
    f.List1.doPick(0);
    EXPECT_EQ(f.Label2[23].caption(), "100");
    EXPECT_EQ(f.Label2[27].caption(), "1");
    EXPECT_EQ(f.Label6.caption(), "ASSE");
    EXPECT_EQ(f.Label4.caption(), "1000/1000");
    EXPECT_EQ(f.Label7.caption(), "ALLE");
    EXPECT_EQ(f.Label5.caption(), "1100/1000");
    ASSERT_EQ(f.List3.listCount(), 2);
    EXPECT_EQ(f.List3.list(0), "150 GN:5 N:2");
    EXPECT_EQ(f.List3.list(1), "200 GN:8 N:2");
    ASSERT_EQ(f.List2.listCount(), 1);
    EXPECT_EQ(f.List2.list(0), "150 [GN:5] GA:3 N:6");
    ASSERT_EQ(f.List4.listCount(), 1);
    EXPECT_EQ(f.List4.list(0), "TRN:7 GN:2 Nv:4");
    ASSERT_EQ(f.List6.listCount(), 1);
    EXPECT_EQ(f.List6.list(0), "50 GN:9 N:2");
    ASSERT_EQ(f.List5.listCount(), 1);
    EXPECT_EQ(f.List5.list(0), "50 [GN:9] GA:4 N:5");
    EXPECT_EQ(f.List7.listCount(), 0);
}

TEST_F(Views, AnAirContactNamesTheAttackingAirGroup) {
    ContactRecord c = navalContact();
    c.STB2 = kActAlliedAirOnShips;
    G().GaTableAlle[2][GaCol::InAction] = 8;
    G().GaTableAlle[2][GaCol::X] = 900;
    G().GaTableAlle[2][GaCol::Y] = 950;
    contacts({c});
    G().setState(StateItem::Contacts, 1);
    FrmContattiFile& f = form<FrmContattiFile>();
    f.List1.doPick(0);
    ASSERT_EQ(f.List7.listCount(), 1);
    EXPECT_EQ(f.List7.list(0), "TRN:7 GA:2 N:8");
    EXPECT_EQ(f.Label5.caption(), "900/950");
    EXPECT_EQ(f.List4.listCount(), 0);
}

TEST_F(Views, NoContactIsListedBeforeAnyInTheHour) {
    contacts({navalContact()});
    G().setState(StateItem::Contacts, 0);
    EXPECT_EQ(form<FrmContattiFile>().List1.listCount(), 0);
}

TEST_F(Views, TheGameStateAndTheValuesOfOneBase) {
    G().setState(StateItem::Hour, 10);
    G().setState(StateItem::ShipsLostAsse, 3);
    G().BaseTable[12][BaseCol::ShipsPresent] = 5;
    G().BaseTable[12][BaseCol::RepairPoints] = 40;
    FrmEventi& f = form<FrmEventi>();
    EXPECT_EQ(f.Label2[StateItem::Hour - 1].caption(), "10");
    EXPECT_EQ(f.Label2[StateItem::ShipsLostAsse - 1].caption(), "3");
    EXPECT_EQ(f.Label2[StateItem::ShipsLostAsse - 1].foreColor(), vbRed);
    EXPECT_EQ(f.Label2[StateItem::NavalMovesAlle - 1].foreColor(), vbBlue);
    EXPECT_EQ(f.Label1[StateItem::Contacts - 1].caption(), "NUM CONTATTI");
    ASSERT_EQ(f.Combo1.listCount(), kBases);
    EXPECT_EQ(f.Combo1.list(0), " 1-TARANTO");
    EXPECT_EQ(f.Label4[0].toolTipText(), "FileBasi:1");
    f.Combo1.doPick(11);
    EXPECT_EQ(f.Frame2.caption(), " 12-MALTA HQ");
    EXPECT_EQ(f.Label4[BaseCol::ShipsPresent - 1].caption(), "5");
    EXPECT_EQ(f.Label4[BaseCol::RepairPoints - 1].caption(), "40");
    EXPECT_EQ(f.Label3[BaseCol::ShipsPresent - 1].caption(), "NAVI PRESENTI");
}

TEST_F(Views, TheSupervisorMenuShowsEachWindowModal) {
    testcampaign::choose();
    ASSERT_TRUE(apriGioco());
    FrmMain& main = form<FrmMain>();
    main.MnUtilSuper.setEnabled(true);
    QStringList shown;
    platform::testing::setModalHandler([&](Form& f) { shown << f.name(); });
    main.MnUtilSuperNavi.doClick();
    main.MnUtilSuperAerei.doClick();
    main.MnUtilSuperContatti.doClick();
    main.MnUtilSuperEventi.doClick();
    platform::testing::setModalHandler({});
    EXPECT_EQ(shown, (QStringList{"FrmStack", "FrmStackA", "FrmContattiFile", "FrmEventi"}));
}
