#include "common/RecordFiles.h"
#include "CampaignFixture.h"

#include <gtest/gtest.h>

using namespace recordformat;

TEST(RecordFiles, FileNames) {
    CampaignFolder campaign;
    Globals& g = G();
    g.BaseNames[11] = "PACHINO";
    g.BaseNames[12] = "MALTA HQ";
    EXPECT_EQ(shipFilePath(kAxis), g.GamesPath + "NaviAsseProva.dat");
    EXPECT_EQ(baseAircraftFilePath(11), g.GamesPath + "PACHINOAereiAsseProva.dat");
    EXPECT_EQ(baseAircraftFilePath(12), g.GamesPath + "MALTA HQAereiAlleProva.dat");
    EXPECT_EQ(carrierAircraftFilePath(carrierCode(12) + " "), g.GamesPath + "P12Prova.dat");
}

TEST(RecordFiles, ShipsGoThroughTheOneBuffer) {
    CampaignFolder campaign;
    Globals& g = G();
    EXPECT_EQ(openShipFile(2, 0), 0);
    EXPECT_FALSE(g.Files.isOpen(2));
    openShipFile(2, kAxis);
    EXPECT_EQ(g.PathNaviAsse, shipFilePath(kAxis));
    for (const char* name : {"ZARA", "FIUME", "POLA"}) {
        g.ShipRecordBuffer.setText(ship::NOME, name);
        g.ShipRecordBuffer.setText(ship::TIPO, "IP");
        g.ShipRecordBuffer.setNumber(ship::NUMERO_GN, 4);
        appendShip(2);
    }
    EXPECT_EQ(openShipFile(2, kAxis), 3);
    EXPECT_EQ(g.SelectedItem, 3);
    readShip(2, 2);
    EXPECT_EQ(g.RecordNave.trimmed(ship::NOME), "FIUME"); // one buffer by its three names
    g.ShipBuffer.setNumber(ship::NUMERO_GN, 0);
    writeShip(2, 2);
    readShip(2, 1);
    EXPECT_EQ(g.ShipRecordBuffer.whole(ship::NUMERO_GN), 4);
    readShip(2, 2);
    EXPECT_EQ(g.ShipRecordBuffer.whole(ship::NUMERO_GN), 0);

    g.BaseNames[3] = "PALERMO";
    EXPECT_EQ(openAircraftFile(1, baseAircraftFilePath(3), kAxis), 0);
    EXPECT_EQ(g.PathAereiAsse, baseAircraftFilePath(3));
    AircraftRecord a;
    a.setNumber(aircraft::Pronti, 18);
    EXPECT_EQ(appendAircraft(1, a), 1);
    a.markDeleted();
    writeAircraft(1, 1, a);
    EXPECT_TRUE(readAircraft(1, 1).isDeleted());
    EXPECT_THROW(readShip(1, 1), platform::FileError); // a channel of aircraft records
}
