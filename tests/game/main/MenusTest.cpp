// The main window's menus and switches: the help pictures, the command submenus by side, the
// supervisor gestures, "Reset Menu Principale" with a group being formed in port, the automatic
// boxes, and "ATTACCA con &GN:" with its once-an-hour rule.
#include "game/main/FrmMain.h"

#include "MainWindowFixture.h"
#include "common/ContactFiles.h"
#include "common/RecordFiles.h"
#include "game/main/MapOverlays.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class Menus : public MainWindowFixture {
  protected:
    // A naval contact of the hour between Allied group 3 and Axis group 5, each side seeing the
    // other, with the two sides' detection values.
    static ContactRecord contact(int alliedValue, int axisValue) {
        ContactRecord c{};
        c.STLATO1 = c.STLATO2 = 1;
        c.STVEDELATO1 = c.STVEDELATO2 = 1;
        c.STNSTACKLATO1 = 3;
        c.STNSTACKLATO2 = 5;
        c.STDIFVEVLATO1 = Int16(alliedValue);
        c.STDIFVEVLATO2 = Int16(axisValue);
        c.STNUMNAVILATO1 = 2, c.STNUMNAVILATO2 = 4, c.STNODILATO1 = 20, c.STNODILATO2 = 24;
        c.STDISTANZA = 150;
        c.STB2 = kActNavalMeeting;
        return c;
    }
    static void writeContacts(const QList<ContactRecord>& records) {
        openContactFile(20);
        int n = 0;
        for (const ContactRecord& c : records) writeContact(20, ++n, c);
        G().Files.close(20);
    }
    static ContactRecord contactOnFile(int record) {
        openContactFile(20);
        const ContactRecord c = readContact(20, record);
        G().Files.close(20);
        return c;
    }
    // Takes the screen for a side, lists the hour's contacts and picks the first line.
    static void pickContact(FrmMain& f, int side) {
        side == kAllies ? f.Command5_Click() : f.Command6_Click();
        f.Image29_Click();
        ASSERT_GE(f.List9.listCount(), 1);
        f.List9.setListIndex(0);
    }
};

} // namespace

TEST_F(Menus, HelpPicturesShowOneAtATimeAndAClickHidesThem) {
    FrmMain& f = open();
    for (Menu* m : {&f.MnhelpNoteGen, &f.MnHelpALLEASSE, &f.MnHelpAEROPORTO, &f.MnHelpPorto, &f.MnHelpGA,
                    &f.MnHelpGN, &f.MnHelpGN2, &f.MnHelpPortaerei, &f.MnHelpContatti, &f.MnHelpDAnni,
                    &f.MnHelpOrdini, &f.HelpTxtIntroduzione, &f.MnHelpTxtTUTOR, &f.MnHelpTxtGrafica,
                    &f.MnHelpTxtTIPS, &f.MnHelpTxtCOntScontro}) {
        m->doClick();
        EXPECT_TRUE(f.Picture1.visible()) << m->name().toStdString();
        // Drawn for the picture box at its own size.
        EXPECT_EQ(f.Picture1.picture().size(), QSize(761, 553)) << m->name().toStdString();
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();

    f.MnHelpGA.doClick();
    const QImage first = f.Picture1.picture();
    f.MnHelpPorto.doClick();
    EXPECT_TRUE(f.Picture1.picture() != first) << "the second picture replaces the first";
    f.Picture1.doClick();
    EXPECT_FALSE(f.Picture1.visible());
}

TEST_F(Menus, TheCommandSubmenuFollowsTheSideAndTheSupervisorItsGestures) {
    FrmMain& f = open();
    f.MnAcq.doClick();
    EXPECT_FALSE(f.MnAcqGibilterra.enabled()) << "no side in play";
    EXPECT_FALSE(f.MnAcqTaranto.enabled());
    f.Command5_Click();
    f.MnAcq.doClick();
    EXPECT_TRUE(f.MnAcqGibilterra.enabled());
    EXPECT_FALSE(f.MnAcqTaranto.enabled());
    f.Command4_Click();
    f.Command6_Click();
    f.MnAcq.doClick();
    EXPECT_TRUE(f.MnAcqTaranto.enabled());
    EXPECT_FALSE(f.MnAcqGibilterra.enabled());

    f.Label31.doDblClick();
    EXPECT_TRUE(f.MnUtilSuper.enabled());
    f.Label29.doClick();
    EXPECT_FALSE(f.MnUtilSuper.enabled());
}

TEST_F(Menus, ResetWhileAGroupIsFormedInPortBringsItsShipsBack) {
    // Three Axis ships at TARANTO; two of them then moved into group 4 being formed there: no
    // port, group 4, whose row is not in use yet; the base counts the one left in port.
    ships[1] = {{.port = 1}, {.port = 1}, {.port = 1}};
    G().BaseTable[1][BaseCol::ShipsPresent] = 3;
    FrmMain& f = open();
    Globals& g = G();
    g.GnTableAsse[4][GnCol::Port] = 1;
    openShipFile(kChannelShips, kAxis);
    for (int r = 1; r <= 2; ++r) {
        readShip(kChannelShips, r);
        g.ShipRecordBuffer.setNumber(recordformat::ship::NUMERO_GN, 4);
        g.ShipRecordBuffer.setText(recordformat::ship::PORTO, QString());
        writeShip(kChannelShips, r);
    }
    g.Files.close(kChannelShips);
    g.BaseTable[1][BaseCol::ShipsPresent] = 1;
    f.Command6_Click();
    g.BasesMode = 1;
    g.SelectedBase = 1;
    g.NewGroupNumber = 4;
    f.Frame7.setVisible(true);

    f.mnFileReset.doClick();
    EXPECT_EQ(g.NewGroupNumber, 0);
    EXPECT_TRUE(f.Command17.visible() && f.Command17.enabled());
    EXPECT_EQ(g.BaseTable[1][BaseCol::ShipsPresent], 3);
    forEachShip(kAxis, [&](int record) {
        EXPECT_EQ(g.ShipRecordBuffer.whole(recordformat::ship::NUMERO_GN), 0) << record;
        EXPECT_EQ(g.ShipRecordBuffer.whole(recordformat::ship::PORTO), 1) << record;
        return true;
    });
    // The side buttons answer again.
    f.Command4_Click();
    EXPECT_EQ(g.CurrentSide, 0);
}

TEST_F(Menus, TheAutomaticBoxesSetTheirFlagAndAdviseOnTickAndUntick) {
    FrmMain& f = open();
    struct Box {
        CheckBox* box;
        Int16* flag;
        const char* advice;
    };
    const char* bombardment = "Si consiglia di effettuare il Bombardamento sempre in AUTO";
    for (const Box& b :
         {Box{&f.Check5, &G().AutoBombAir, bombardment},
          Box{&f.Check6, &G().AutoPatrol, "Si consiglia di effettuare il patrol sempre in AUTO"},
          Box{&f.Check7, &G().AutoBombNaval, bombardment}}) {
        f.Label17.setCaption(QString());
        b.box->doClick();
        EXPECT_EQ(*b.flag, 1) << b.box->name().toStdString();
        EXPECT_EQ(f.Label17.caption(), b.advice);
        f.Label17.setCaption(QString());
        b.box->doClick();
        EXPECT_EQ(*b.flag, 0) << b.box->name().toStdString();
        EXPECT_EQ(f.Label17.caption(), b.advice);
    }
}

TEST_F(Menus, AGroupAttacksOnceAnHourAndOnlyTheBetterSightedSideWrites) {
    FrmMain& f = open({.contacts = 2});
    writeContacts({contact(3, 1), contact(2, 2)});
    G().ContattiGestiti = 2;

    // The Axis sighted worse: nothing is written and the line stays as it was.
    pickContact(f, kAxis);
    const QString line = f.List9.list(0);
    EXPECT_EQ(line, "GN:3 N:2 K:20 (150)");
    f.Command19_Click();
    EXPECT_EQ(f.List9.list(0), line);
    EXPECT_EQ(contactOnFile(1).STATTACCOLATO2, 0);
    EXPECT_EQ(G().GnAttackMarksAsse[5][Globals::kMarkContact], 0);

    // The Allies sighted better: the record carries their attack, the group is committed.
    f.Command4_Click();
    pickContact(f, kAllies);
    f.Command19_Click();
    EXPECT_EQ(contactOnFile(1).STATTACCOLATO1, 1);
    EXPECT_EQ(contactOnFile(1).STATTACCOLATO2, 0);
    EXPECT_EQ(G().GnAttackMarksAlle[3][Globals::kMarkContact], 1);
    EXPECT_EQ(f.List9.list(f.List9.listCount() - 1), "GN:5 N:4 K:24 (150)ATT?");
    EXPECT_EQ(f.List9.itemData(f.List9.listCount() - 1), 1);

    // The same group against the second contact, in the same hour: refused.
    f.Command19.setVisible(true);
    f.List9.setListIndex(0);
    EXPECT_EQ(f.List9.itemData(0), 2);
    f.Command19_Click();
    EXPECT_FALSE(f.Command19.visible());
    EXPECT_EQ(f.Label84.caption(), "no");
    EXPECT_EQ(contactOnFile(2).STATTACCOLATO1, 0);
}

TEST_F(Menus, EqualValuesCommitBothGroupsSoNeitherAttacksAgain) {
    FrmMain& f = open({.contacts = 1});
    writeContacts({contact(2, 2)});
    G().ContattiGestiti = 1;
    pickContact(f, kAxis);
    f.Command19_Click();
    EXPECT_EQ(contactOnFile(1).STATTACCOLATO1, 1);
    EXPECT_EQ(contactOnFile(1).STATTACCOLATO2, 1);
    EXPECT_EQ(G().GnAttackMarksAsse[5][Globals::kMarkContact], 1);
    EXPECT_EQ(G().GnAttackMarksAlle[3][Globals::kMarkContact], 1);
    f.Command19.setVisible(true);
    f.List9.setListIndex(0);
    f.Command19_Click();
    EXPECT_EQ(f.Label84.caption(), "no");
    EXPECT_EQ(f.List9.list(0), "GN:3 N:2 K:20 (150)ATT?") << "marked once";
}

TEST_F(Menus, AContactThatCannotBeWrittenLeavesTheLineUnmarked) {
    FrmMain& f = open({.contacts = 1});
    writeContacts({contact(3, 1)});
    G().ContattiGestiti = 1;
    pickContact(f, kAllies);
    // The list line names a record the file does not hold.
    f.List9.setItemData(0, 9);
    f.Command19_Click();
    EXPECT_EQ(f.List9.list(0), "GN:5 N:4 K:24 (150)");
    EXPECT_TRUE(f.Label17.caption().startsWith("CONTATTO NON AGGIORNATO"))
        << f.Label17.caption().toStdString();
    EXPECT_EQ(G().GnAttackMarksAlle[3][Globals::kMarkContact], 0);
}
