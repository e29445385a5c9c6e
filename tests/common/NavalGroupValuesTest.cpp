// Naval group values rebuilt from hand-made ship files, class counts, group type and the periscope die.
#include "common/NavalGroupValues.h"

#include "CampaignFixture.h"
#include "common/Dice.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"
#include "tests/game/main/TestCampaign.h"

#include <gtest/gtest.h>

namespace {
namespace F = recordformat::ship;
using testcampaign::Ship;

class GroupValues : public ::testing::Test {
  protected:
    void SetUp() override { G().CurrentSide = kAllies; }
    // Ships of group 3 and of other groups, in the Allied ship file.
    void ships(const QList<Ship>& list) { testcampaign::appendShips(kAllies, list); }
    Int16* row(int gn) { return G().GnTableAlle[gn]; }
    CampaignFolder campaign;
};

Ship ship(int group, int knots, int operativity = 100) {
    Ship s;
    s.group = group;
    s.knots = knots;
    s.operativity = operativity;
    return s;
}
} // namespace

TEST_F(GroupValues, ANewGroupTakesItsValuesFromItsShips) {
    Ship a = ship(3, 30, 80), b = ship(3, 28, 60), c = ship(3, 28, 90), other = ship(4, 10, 5);
    a.fires = 2;
    b.fires = 1;
    c.busy = 1;
    a.notOperational = 0, b.notOperational = 2, c.notOperational = 1;
    a.aircraft = 12;
    ships({a, other, b, c});
    G().DepartingGn = 3;
    G().SelectedGn = 0;
    G().NewGnShipCount = 3;
    RicalcolaGN();
    EXPECT_EQ(row(3)[2], 28) << "the slowest ship";
    EXPECT_EQ(row(3)[4], 3);
    EXPECT_EQ(row(3)[5], 3);
    EXPECT_EQ(row(3)[6], 60);
    EXPECT_EQ(row(3)[7], 1) << "order Transito";
    EXPECT_EQ(row(3)[8], 12);
    EXPECT_EQ(row(3)[11], 1);
    EXPECT_EQ(row(3)[13], 1) << "any not-operational ship marks the group";
    EXPECT_EQ(G().SelectedItem, 4) << "the record count of the ship file";
    EXPECT_FALSE(G().Files.isOpen(kChannelShips));
    // The tables are saved.
    CaricaTabelleGruppi();
    EXPECT_EQ(row(3)[6], 60);
}

TEST_F(GroupValues, AnExistingGroupSlowsToItsSlowestShip) {
    ships({ship(3, 18), ship(3, 25)});
    row(3)[4] = 9;
    row(3)[7] = 4;
    row(3)[14] = 20;
    row(3)[27] = 200;
    G().DepartingGn = 3;
    G().SelectedGn = 3;
    RicalcolaGN();
    EXPECT_EQ(row(3)[14], 18);
    EXPECT_EQ(row(3)[27], 180);
    EXPECT_EQ(row(3)[4], 9) << "ship count and order stay";
    EXPECT_EQ(row(3)[7], 4);

    row(5)[14] = 20;
    row(5)[27] = 200;
    ships({ship(5, 25)});
    G().DepartingGn = 5;
    G().SelectedGn = 5;
    RicalcolaGN();
    EXPECT_EQ(row(5)[14], 20);
    EXPECT_EQ(row(5)[27], 200);
}

TEST_F(GroupValues, AGroupWithoutShipsAndBadGroupNumbers) {
    ships({ship(1, 20)});
    G().DepartingGn = 9;
    G().SelectedGn = 0;
    RicalcolaGN();
    EXPECT_EQ(row(9)[2], 50);
    EXPECT_EQ(row(9)[6], 900);
    G().DepartingGn = 77;
    EXPECT_NO_THROW(RicalcolaGN()) << "no row to write";
    G().CurrentSide = 0;
    G().DepartingGn = 1;
    RicalcolaGN();
    EXPECT_EQ(row(1)[2], 0) << "no side in play";
}

TEST_F(GroupValues, WearAtSea) {
    ships({ship(3, 20, 1), ship(3, 20, 5), ship(4, 20, 5)});
    G().WorkingGnIndex = 3;
    RiduciOperativitaGN();
    openShipFile(kChannelShips, kAllies);
    QList<long long> ops;
    for (int r = 1; r <= 3; ++r) {
        readShip(kChannelShips, r);
        ops << G().ShipRecordBuffer.whole(F::OPERATIVITAM);
    }
    EXPECT_EQ(ops, (QList<long long>{1, 4, 5}));
}

TEST_F(GroupValues, ClassCountsAndRemovingTheLastShip) {
    Globals& g = G();
    row(6)[1] = 1;
    row(6)[4] = 2;
    row(6)[8] = 14;
    row(6)[24] = 31;
    row(6)[35] = 1;
    row(6)[37] = 1;
    g.setState(StateItem::NavalMovesAlle, 10);
    g.ShipRecordBuffer.setText(F::TIPO, "PA");
    AzzeraContaClassi();
    ContaNaviPerClasse();
    g.NewGroupAircraft = 12;
    g.SelectedGn = 6;
    TogliNaveDaGN();
    EXPECT_EQ(row(6)[35], 0);
    EXPECT_EQ(row(6)[4], 1);
    EXPECT_EQ(row(6)[8], 2);
    EXPECT_EQ(g.SelectedGn, 6);

    g.ShipRecordBuffer.setText(F::TIPO, "CT");
    AzzeraContaClassi();
    ContaNaviPerClasse();
    g.NewGroupAircraft = 2;
    TogliNaveDaGN();
    EXPECT_EQ(row(6)[1], 0) << "the last ship frees the row";
    EXPECT_EQ(row(6)[24], 0);
    EXPECT_EQ(g.GameState[StateItem::NavalMovesAlle], "41") << "its hours sailed go to the side's total";
    EXPECT_EQ(g.SelectedGn, 0);

    g.CountedGn = 8;
    row(8)[36] = 2;
    row(8)[40] = 3;
    LeggiClassiGN();
    EXPECT_EQ(g.ShipCategoryCounts[7], 5);
    g.ShipRecordBuffer.setText(F::TIPO, "MR");
    TogliNaveDaClasse();
    g.ShipRecordBuffer.setText(F::TIPO, "ZZ");
    ContaNaviPerClasse();
    EXPECT_EQ(g.ShipCategoryCounts[7], 4) << "an unknown code counts nowhere";
    ScriviClassiGN();
    EXPECT_EQ(row(8)[40], 2);
    EXPECT_EQ(g.CountedGn, 0);
    EXPECT_EQ(g.ShipCategoryCounts[6], 0);
}

TEST(GroupType, FromTheClassCounts) {
    resetGlobals();
    struct Case {
        QStringList types;
        int type;
    };
    for (const Case& c : std::initializer_list<Case>{{{"PT", "CT"}, 8},
                                                     {{"PT"}, 9},
                                                     {{"PA", "PA"}, 11},
                                                     {{"PA", "NB", "CT"}, 11},
                                                     {{"PA", "SA"}, 9},
                                                     {{"SA", "SA", "SC"}, 10},
                                                     {{"SA", "SA", "SA", "SA"}, 9},
                                                     {{"CT", "CT"}, 10},
                                                     {{"CT"}, 10},
                                                     {{"CT", "CT", "CT"}, 9},
                                                     {{"NB", "IL"}, 9}}) {
        AzzeraContaClassi();
        for (const QString& t : c.types) {
            G().ShipRecordBuffer.setText(F::TIPO, t);
            ContaNaviPerClasse();
        }
        TipoGN();
        EXPECT_EQ(G().GroupType, c.type) << c.types.join(' ').toStdString();
    }
    resetGlobals();
}

TEST(GroupType, TypeNamesAndPeriscopeDie) {
    resetGlobals();
    AzzeraContaTipi();
    G().ShipRecordBuffer.setText(F::TIPO, "IL");
    NomeClasseNave();
    NomeClasseNave();
    EXPECT_EQ(G().ShipTypeName, "INCROCIATORE LEGGERO/SUPERCACCIA");
    EXPECT_EQ(G().ShipTypeCounts[6], 2);
    G().ShipRecordBuffer.setText(F::TIPO, "XX");
    NomeClasseNave();
    EXPECT_EQ(G().ShipTypeName, "INCROCIATORE LEGGERO/SUPERCACCIA") << "an unknown code changes nothing";

    {
        ChosenDice dice({1});
        EXPECT_EQ(ProvaDado(1, kAllies, 8, 0), 1);
        EXPECT_EQ(dice.sides, QList<int>{100});
    }
    EXPECT_EQ(ProvaDado(1, kAllies, 9, 0), 0);
    EXPECT_EQ(ProvaDado(0, kAllies, 5, 0), 0) << "at night, no die";
    {
        ChosenDice dice({4, 5, 4});
        EXPECT_EQ(ProvaDado(1, kAxis, 6, 2), 0) << "German submarine, roll below 5";
        EXPECT_EQ(ProvaDado(1, kAxis, 6, 2), 1);
        EXPECT_EQ(ProvaDado(1, kAxis, 6, 1), 1) << "Italian submarines are not tested";
    }
    resetGlobals();
}
