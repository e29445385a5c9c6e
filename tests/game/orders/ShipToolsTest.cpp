// The open group's tools on one ship: scuttling books the loss and takes the ship out of its group
// (the last one frees the row), assistance needs a ship at least half whole and without fires, and
// the panel acts only on the ship highlighted in the group's list.
#include "game/orders/ShipTools.h"

#include "common/DataFolder.h"
#include "common/Dice.h"
#include "tests/game/main/MainWindowFixture.h"

namespace F = recordformat::ship;
using namespace StateItem;

namespace {

class ShipTools : public MainWindowFixture {
  protected:
    // Axis group 7: a destroyer of 9,000 tons (record 1) and a merchant ship of 1,000 (record 2).
    FrmMain& openGroup() {
        Int16* r = G().gnTable(kAxis)[7];
        r[GnCol::InUse] = 1, r[GnCol::Ships] = 2, r[GnCol::Destroyers] = 1, r[GnCol::OtherShips] = 1;
        r[GnCol::MaxKnots] = 10, r[GnCol::Knots] = 10, r[GnCol::HoursUnderWay] = 37;
        r[GnCol::Side] = kAxis, r[GnCol::X] = 4000, r[GnCol::Y] = 3000;
        ships[1] = {{.type = "CT", .group = 7, .knots = 30, .operativity = 80},
                    {.type = "NX", .group = 7, .knots = 10, .operativity = 60}};
        FrmMain& f = open();
        edit(1, [](ShipRecord& s) { s.setNumber(F::STAZZA, 9000), s.setNumber(F::CARGOM, 5); });
        edit(2, [](ShipRecord& s) { s.setNumber(F::STAZZA, 1000); });
        G().CurrentSide = kAxis;
        return f;
    }
    static void edit(int record, const std::function<void(ShipRecord&)>& change) {
        openShipFile(20, kAxis);
        readShip(20, record);
        change(G().ShipRecordBuffer);
        writeShip(20, record);
        G().Files.close(20);
    }
    static ShipRecord ship(int record) {
        openShipFile(20, kAxis);
        readShip(20, record);
        G().Files.close(20);
        return G().ShipRecordBuffer;
    }
    static int cell(int column) { return G().gnTable(kAxis)[7][column]; }
};

TEST_F(ShipTools, ScuttlingBooksTheLossAndTheLastShipFreesTheGroup) {
    openGroup();
    const shiptools::Scuttled first = shiptools::scuttleShip(1, 7);
    EXPECT_TRUE(first.done);
    EXPECT_FALSE(first.groupFreed);
    const ShipRecord lost = ship(1);
    EXPECT_EQ(lost.trimmed(F::NON_OP), "2");
    EXPECT_EQ(lost.trimmed(F::NUMERO_GN), "");
    EXPECT_EQ(lost.trimmed(F::STATUS), "3");
    EXPECT_EQ(G().state(ShipsLostAsse), 1);
    EXPECT_EQ(G().state(WarshipTonsAsse), 6000);
    EXPECT_EQ(G().state(LossTotalAsse), 85);
    EXPECT_EQ(G().state(MerchantTonsAsse), 0);
    EXPECT_EQ(cell(GnCol::Ships), 1);
    EXPECT_EQ(cell(GnCol::Destroyers), 0);
    EXPECT_EQ(cell(GnCol::OtherShips), 1);
    EXPECT_EQ(cell(GnCol::MaxKnots), 10);
    EXPECT_EQ(cell(GnCol::MinOperativity), 60);

    // The same ship cannot be scuttled twice.
    EXPECT_FALSE(shiptools::scuttleShip(1, 7).done);
    EXPECT_EQ(G().state(ShipsLostAsse), 1);

    const shiptools::Scuttled last = shiptools::scuttleShip(2, 7);
    EXPECT_TRUE(last.groupFreed);
    EXPECT_EQ(G().state(MerchantTonsAsse), 666);
    EXPECT_EQ(G().state(ShipsLostAsse), 2);
    EXPECT_EQ(G().state(NavalMovesAsse), 37);
    for (int c = 1; c <= kGroupColumns; ++c) EXPECT_EQ(cell(c), 0) << "column " << c;
    EXPECT_EQ(G().state(NavalMovesAlle), 0) << "the Allied block is untouched";
}

TEST_F(ShipTools, AssistanceNeedsHalfOfEveryValueAndNoFire) {
    openGroup();
    ShipRecord s;
    s.setNumber(F::RESISTENZA, 10), s.setNumber(F::NODI, 7), s.setNumber(F::OPERATIVITA, 8);
    s.setNumber(F::RESISTENZAM, 5), s.setNumber(F::NODIM, 4), s.setNumber(F::OPERATIVITAM, 4);
    EXPECT_TRUE(shiptools::mayAssist(s));
    s.setNumber(F::NODIM, 3);
    EXPECT_FALSE(shiptools::mayAssist(s)) << "3 is below half of 7";
    s.setNumber(F::NODIM, 4), s.setNumber(F::RESISTENZAM, 4);
    EXPECT_FALSE(shiptools::mayAssist(s));
    s.setNumber(F::RESISTENZAM, 10), s.setNumber(F::INCENDI_ATTIVI, 1);
    EXPECT_FALSE(shiptools::mayAssist(s)) << "one fire is enough to refuse";

    using shiptools::Assistance;
    EXPECT_EQ(shiptools::toggleAssistance(2), Assistance::Started);
    EXPECT_EQ(ship(2).trimmed(F::Assistenza), "1");
    EXPECT_EQ(shiptools::toggleAssistance(2), Assistance::Stopped);
    EXPECT_EQ(ship(2).trimmed(F::Assistenza), "0");
    edit(2, [](ShipRecord& r) { r.setNumber(F::Assistenza, 1), r.setNumber(F::INCENDI_ATTIVI, 2); });
    EXPECT_EQ(shiptools::toggleAssistance(2), Assistance::Refused);
    EXPECT_EQ(ship(2).trimmed(F::Assistenza), "0") << "a refused ship stops assisting";
}

TEST_F(ShipTools, ThePanelActsOnTheHighlightedShipOnly) {
    SeededDice dice(10);
    FrmMain& f = openGroup();
    G().LastPickedGn = 7, G().GnShipCount = 2;
    f.List5.addItem(QStringLiteral("CT Nave 1")), f.List5.setItemData(0, 1);
    f.List5.addItem(QStringLiteral("NX Nave 2")), f.List5.setItemData(1, 2);

    f.Image15.doClick();
    EXPECT_EQ(f.Label17.caption(), "Selezionare la nave (Lista blue) da AUTOAFFONDARE");
    G().SelectedShip = 1;
    f.Image15.doClick();
    EXPECT_EQ(f.Label17.caption(),
              "ATT: Dbl Click ICONA e la nave selezionata è AUTOAFFONDATA - IRREVERSIBILE");
    f.List5.setListIndex(-1);
    f.Image15.doDblClick();
    EXPECT_EQ(ship(1).trimmed(F::STATUS), "1") << "nothing highlighted: nothing scuttled";

    f.List5.setListIndex(0);
    f.Image15.doDblClick();
    EXPECT_EQ(ship(1).trimmed(F::STATUS), "3");
    EXPECT_EQ(f.List5.listCount(), 1);
    EXPECT_EQ(G().GnShipCount, 1);
    EXPECT_FALSE(f.Frame11.visible());
    f.Image15.doDblClick();
    EXPECT_EQ(ship(2).trimmed(F::STATUS), "1") << "a second double-click finds nothing highlighted";
    EXPECT_EQ(G().state(ShipsLostAsse), 1);

    EXPECT_FALSE(f.Image16.enabled()) << "the group tools rest after a scuttle";
    f.Image16.setEnabled(true);
    G().SelectedShip = 2;
    f.List5.setListIndex(0);
    edit(2, [](ShipRecord& r) { r.setNumber(F::INCENDI_ATTIVI, 1); });
    f.Image16.doDblClick();
    EXPECT_EQ(f.Label17.caption(), "ATT: NAVE NON ABILITATA A DARE ASSISTENZA");
    EXPECT_EQ(G().SelectedShip, 0);

    G().SelectedGn = 0;
    f.Command27.doClick();
    EXPECT_EQ(f.Label17.caption(), "Selezionare un GN");
}

} // namespace
