// Buying ships: the random list of a side drawn from the shipped archive, and the purchases of the
// ship window with their refusals.
#include "PointsCampaign.h"
#include "common/Dice.h"
#include "common/RecordFiles.h"
#include "game/points/FrmMezziNavi.h"
#include "game/start/NewCampaign.h"
#include "platform/Dialogs.h"
#include "tests/game/start/WizardFixtures.h"

using namespace platform;
using namespace acquisition;
namespace F = recordformat::ship;

namespace {

class ShipAcquisition : public PointsCampaign {
  protected:
    // Rewrites ship `record` of the side's file after `change`.
    void changeShip(int side, int record, const std::function<void(ShipRecord&)>& change) {
        openShipFile(kChannelShips, side);
        readShip(kChannelShips, record);
        change(G().ShipRecordBuffer);
        writeShip(kChannelShips, record);
        G().Files.close(kChannelShips);
    }
    ShipRecord ship(int side, int record) {
        openShipFile(kChannelShips, side);
        readShip(kChannelShips, record);
        G().Files.close(kChannelShips);
        return G().ShipRecordBuffer;
    }
    // Destroyers of the given costs, free, as the wizard copies them from the archive.
    void appendDestroyers(int side, const QList<int>& costs) {
        openShipFile(kChannelShips, side);
        int n = 0;
        for (int cost : costs) {
            G().ShipRecordBuffer.setBytes(
                wizardtest::shipRecord({"CT", QStringLiteral("Caccia %1").arg(++n)}));
            G().ShipRecordBuffer.setNumber(F::COSTO, cost);
            appendShip(kChannelShips);
        }
        G().Files.close(kChannelShips);
    }
};

} // namespace

TEST_F(ShipAcquisition, TheAlliedRandomListFromTheShippedArchive) {
    newcampaign::CopiaArchivioNavi(G().AppPath + "\\archivio\\");
    changeShip(kAllies, 3, [](ShipRecord& s) { s.markDeleted(); });
    changeShip(kAllies, 4, [](ShipRecord& s) { s.setNumber(F::NON_OP, 1); });
    changeShip(kAllies, 5, [](ShipRecord& s) { s.setNumber(F::STATUS, 1); });
    G().GameSettings[3] = 1940;
    G().GameSettings[10] = 50;
    int rolls = 0;
    QString flagAtFirstRoll;
    QList<int> sides;
    // Ship 2 misses its roll; ship 6 makes it exactly.
    setDiceSource([&](int n) {
        if (rolls++ == 0) flagAtFirstRoll = savedState(StateItem::RandomListAlle);
        sides << n;
        return rolls == 2 ? 51 : rolls == 6 ? 50 : 1;
    });
    const RandomShipList list = drawRandomShipList(kAllies);
    setDiceSource({});

    EXPECT_EQ(flagAtFirstRoll, "1") << "the flag is saved before the first roll";
    EXPECT_EQ(sides, QList<int>(142, 100)) << "one d100 for every record, deleted ones included";
    EXPECT_EQ(list.freeShips, 141);
    // 88 ships of 1940 in the archive, less the missed, deleted, not operational and active ones.
    ASSERT_EQ(list.ships.size(), 84u);
    EXPECT_EQ(list.ships[0].record, 1);
    EXPECT_EQ(list.ships[0].text, "NB-Queen Elizabeth    ");
    EXPECT_EQ(list.ships[1].record, 6);
    EXPECT_EQ(list.ships.back().record, 139) << "the ships of 1941 and 1942 stay out";
    EXPECT_EQ(G().GameSettings[11], 0);
    EXPECT_EQ(savedState(StateItem::RandomListAsse), "0");
}

TEST_F(ShipAcquisition, PurchasesWriteTheShipThePointsAndThePortAndTheRefusalsSayWhy) {
    Globals& g = G();
    g.CurrentSide = kAllies;
    g.GameSettings[4] = 10000;
    g.GameSettings[5] = 777;
    g.GameSettings[3] = 1941;
    g.GameSettings[10] = 100;
    g.BaseShipCapacity[14] = 2;
    appendDestroyers(kAllies, {250, 250, 250, 250, 250, 250, 250, 8251, 8250, 0});
    FrmMezziNavi& w = form<FrmMezziNavi>();
    EXPECT_EQ(w.caption(), "ACQUISIZIONE NAVI ALLEATI");
    EXPECT_EQ(w.Option1[1].caption(), "Alessandria(6nv)");
    EXPECT_TRUE(w.Command2.enabled());
    EXPECT_EQ(w.Label4[6].caption(), "10") << "free destroyers";
    {
        ChosenDice dice(QList<int>(10, 100));
        w.Command2.doClick();
    }
    EXPECT_FALSE(w.Command2.enabled());
    ASSERT_EQ(w.List1.listCount(), 10);
    EXPECT_EQ(w.Label9.caption(), "10/10");

    const QString inService = w.Label3[6].caption(), free = w.Label4[6].caption();
    w.List1.doPickDouble(0);
    EXPECT_EQ(w.List2.list(0), "CT-Caccia 1   (14)Gi");
    EXPECT_EQ(w.Label3[6].caption().toInt(), inService.toInt() + 1) << "the bought destroyer is in service";
    EXPECT_EQ(w.Label4[6].caption().toInt(), free.toInt() - 1);
    const ShipRecord bought = ship(kAllies, 1);
    EXPECT_EQ(bought.trimmed(F::STATUS), "1");
    EXPECT_EQ(bought.trimmed(F::MISSIONE), "1");
    EXPECT_EQ(bought.trimmed(F::PORTO), "14");
    EXPECT_EQ(bought.trimmed(F::OPERATIVITAM), "90");
    EXPECT_EQ(bought.trimmed(F::CARGOM), "10");
    EXPECT_EQ(w.Label1.caption(), "9750");
    EXPECT_EQ(savedState(StateItem::AcquisitionUsedAlle), "250");
    EXPECT_EQ(savedState(StateItem::AcquisitionUsedAsse), "0");
    EXPECT_EQ(savedBaseField(14, BaseCol::ShipsPresent), "1");
    EXPECT_EQ(w.Label6.caption(), "1/2");
    EXPECT_EQ(w.List3.listCount(), 1);

    // Six at ALESSANDRIA, then the seventh is refused by the message box.
    w.Option1[1].doClick();
    for (int k = 0; k < 6; ++k) w.List1.doPickDouble(0);
    EXPECT_EQ(w.alessandriaCount(), 6);
    {
        testsupport::MessageBoxes boxes;
        w.List1.doPickDouble(0);
        EXPECT_EQ(boxes.prompts, QStringList{"ALESSANDRIA: Solo 6 navi disponibili per Turn"});
        EXPECT_EQ(boxes.titles, QStringList{"1"});
    }
    EXPECT_EQ(w.List1.listCount(), 3);
    EXPECT_EQ(w.Label1.caption(), "8250");

    // At Gibraltar: one point too many, then exactly the points left, then the base is full.
    w.Option1[0].doClick();
    w.List1.doPickDouble(0);
    EXPECT_EQ(w.MessageLine.caption(), "Punti insufficienti: la nave costa 8251, ne restano 8250");
    w.List1.doPickDouble(1);
    EXPECT_EQ(w.Label1.caption(), "0");
    w.List1.doPickDouble(1);
    EXPECT_EQ(w.MessageLine.caption(), "GIBILTERRA è al completo: 2/2 navi");
    EXPECT_EQ(w.List1.listCount(), 2);
    EXPECT_EQ(ship(kAllies, 10).trimmed(F::STATUS), "0");

    // Closed and opened again: the count starts anew, the list is empty and cannot be drawn
    // again unless the points label is double-clicked.
    w.Command1.doClick();
    ASSERT_FALSE(isLoaded<FrmMezziNavi>());
    FrmMezziNavi& again = form<FrmMezziNavi>();
    EXPECT_EQ(again.alessandriaCount(), 0);
    EXPECT_EQ(again.List1.listCount(), 0);
    EXPECT_FALSE(again.Command2.enabled());
    EXPECT_EQ(again.Label3[6].caption(), "8") << "destroyers in service";
    again.Label1.doDblClick();
    EXPECT_TRUE(again.Command2.enabled());
}
