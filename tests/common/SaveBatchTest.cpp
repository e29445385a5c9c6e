// Saves held back by a batch: written once at its commit, dropped without one.
#include "common/SaveBatch.h"
#include "CampaignFixture.h"
#include "common/BaseTable.h"
#include "common/CampaignSetup.h"
#include "common/GroupTables.h"

#include <gtest/gtest.h>

TEST(SaveBatch, HoldsTheSavesUntilItsCommit) {
    CampaignFolder campaign;
    Globals& g = G();
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    SalvaMine();
    const QString table = campaign.game("StackProvaNaviAlle.dat");
    const QString state = campaign.game("StackProvaeventigioco.dat");
    const QString mines = campaign.game("Provamine.dat");
    const QByteArray tableBefore = testsupport::readBytes(table);
    const QByteArray stateBefore = testsupport::readBytes(state);
    const QByteArray minesBefore = testsupport::readBytes(mines);
    {
        SaveBatch batch;
        g.GnTableAlle[1][GnCol::InUse] = 1;
        g.setState(StateItem::Hour, 7);
        g.MineFields[1][1] = 300;
        g.Files.openRandom(2, campaign.game("NaviAlleProva.dat"), 179);
        SalvaTabelleGruppi();
        EXPECT_FALSE(g.Files.isOpen(2)) << "the channels close as in a save";
        SalvaDatiBasi();
        SalvaMine();
        SalvaTabelleGruppi();
        SaveBatch joined;
        joined.commit(); // the outer batch writes
        EXPECT_EQ(testsupport::readBytes(table), tableBefore);
        EXPECT_EQ(testsupport::readBytes(state), stateBefore);
        EXPECT_EQ(testsupport::readBytes(mines), minesBefore);
    } // dropped
    EXPECT_EQ(testsupport::readBytes(table), tableBefore);
    {
        SaveBatch batch;
        SalvaDatiBasi();
        SalvaTabelleGruppi();
        batch.commit();
        EXPECT_EQ(testsupport::readLines(table).at(0), "1");
        EXPECT_EQ(testsupport::readLines(state).at(1), "\"7\"");
        EXPECT_EQ(testsupport::readBytes(mines), minesBefore) << "not called in this batch";
        g.GnTableAlle[1][GnCol::InUse] = 2;
        SalvaTabelleGruppi(); // the batch is closed: written at once
        EXPECT_EQ(testsupport::readLines(table).at(0), "2");
    }
    {
        // A loader reads what the tables hold: a save of its files that is due is made first.
        SaveBatch batch;
        g.setState(StateItem::Hour, 9);
        SalvaDatiBasi();
        CaricaDatiBasi();
        EXPECT_EQ(g.state(StateItem::Hour), 9);
        EXPECT_EQ(testsupport::readLines(state).at(1), "\"9\"");
    }
}
