// Command points: the conversion with its penalty, the transfers to the bases and from MALTA HQ,
// and the base list's rows.
#include "game/points/PointTransfers.h"
#include "PointsCampaign.h"

using namespace points;

using PointTransfers = PointsCampaign;

TEST_F(PointTransfers, ConversionsAndTransfersMoveOneIncrementWhenThePointsAreThere) {
    Globals& g = G();
    g.GameSettings[4] = 100;
    g.GameSettings[6] = 50;

    EXPECT_EQ(convertToCommandPoints(kAllies, kPointSteps[0]), "");
    EXPECT_EQ(g.GameState[StateItem::AcquisitionUsedAlle], "30");
    EXPECT_EQ(g.GameState[StateItem::CommandGainedAlle], "20") << "30 points less the penalty of 10";
    EXPECT_EQ(convertToCommandPoints(kAllies, kPointSteps[4]), "");
    EXPECT_EQ(g.GameState[StateItem::CommandGainedAlle], "22");
    EXPECT_EQ(convertToCommandPoints(kAllies, kPointSteps[3]),
              "Punti acquisizione insufficienti: 67, ne servono 300");
    EXPECT_EQ(g.GameState[StateItem::AcquisitionUsedAlle], "33");
    EXPECT_EQ(sideCommandPoints(kAllies), 72);

    // Exactly the side's points can go; then not one more.
    EXPECT_EQ(transferToBase(kAllies, 14, 72), "");
    EXPECT_EQ(g.GameState[StateItem::CommandUsedAlle], "72");
    EXPECT_EQ(baseCommandPoints(14), 112) << "40 of the set-up and 72 arrived";
    EXPECT_EQ(spendablePoints(14), 72);
    EXPECT_EQ(transferToBase(kAllies, 14, 3), "Punti comando insufficienti: 0, ne servono 3");
    EXPECT_EQ(basePointsRow(14), "GIBILTERRA   PUNTI:112   AcqAer: 72     DANNI:0%   AEREI:30/0   NAVI:10/0");
    EXPECT_TRUE(basePointsRow(10).startsWith("CASTELVETRANO PUNTI:"))
        << "a name that fills its column keeps a blank before the points";

    EXPECT_EQ(moveMaltaPoints(40), "");
    EXPECT_EQ(g.BaseTable[kMaltaHq][BaseCol::PointsArrived], -40);
    EXPECT_EQ(g.BaseTable[kMaltaBs][BaseCol::PointsArrived], 40);
    EXPECT_EQ(moveMaltaPoints(1), "Punti comando di MALTA HQ insufficienti: 0, ne servono 1");
    EXPECT_EQ(sideCommandPoints(kAllies), 0) << "the move within Malta changes no side total";
    EXPECT_EQ(g.GameState[StateItem::AcquisitionUsedAsse], "0");
}
