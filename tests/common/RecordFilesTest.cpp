#include "common/RecordFiles.h"
#include "CampaignFixture.h"

#include <gtest/gtest.h>

TEST(RecordFiles, FileNames) {
    CampaignFolder campaign;
    Globals& g = G();
    g.BaseNames[1] = "TARANTO";
    g.BaseNames[11] = "PACHINO";
    g.BaseNames[12] = "MALTA HQ";
    EXPECT_EQ(shipFilePath(kAllies), g.GamesPath + "NaviAlleProva.dat");
    EXPECT_EQ(shipFilePath(kAxis), g.GamesPath + "NaviAsseProva.dat");
    EXPECT_EQ(baseAircraftFilePath(1), g.GamesPath + "TARANTOAereiAsseProva.dat");
    EXPECT_EQ(baseAircraftFilePath(11), g.GamesPath + "PACHINOAereiAsseProva.dat");
    EXPECT_EQ(baseAircraftFilePath(12), g.GamesPath + "MALTA HQAereiAlleProva.dat");
    EXPECT_EQ(carrierCode(3), "P3");
    EXPECT_EQ(carrierCode(12), "P12");
    EXPECT_EQ(carrierAircraftFilePath("P3 "), g.GamesPath + "P3Prova.dat");
}

TEST(RecordFiles, ShipsGoThroughTheOneBuffer) {
    CampaignFolder campaign;
    Globals& g = G();
    EXPECT_EQ(openShipFile(2, 0), 0);
    EXPECT_FALSE(g.Files.isOpen(2));

    EXPECT_EQ(openShipFile(2, kAxis), 0);
    EXPECT_EQ(g.PathNaviAsse, shipFilePath(kAxis));
    for (const char* name : {"ZARA", "FIUME", "POLA"}) {
        g.ShipRecordBuffer.setText(recordformat::ship::Nome, name);
        g.ShipRecordBuffer.setNumber(recordformat::ship::NumeroGN, 4);
        appendShip(2);
    }
    g.Files.close(2);
    EXPECT_EQ(testsupport::readBytes(campaign.game("NaviAsseProva.dat")).size(), 3 * 179);

    EXPECT_EQ(openShipFile(2, kAxis), 3);
    EXPECT_EQ(g.SelectedItem, 3);
    readShip(2, 2);
    EXPECT_EQ(g.RecordNave.trimmed(recordformat::ship::Nome), "FIUME"); // one buffer, three names
    g.ShipBuffer.setNumber(recordformat::ship::NumeroGN, 0);
    writeShip(2, 2);
    readShip(2, 1);
    EXPECT_EQ(g.ShipRecordBuffer.whole(recordformat::ship::NumeroGN), 4);
    readShip(2, 2);
    EXPECT_EQ(g.ShipRecordBuffer.whole(recordformat::ship::NumeroGN), 0);
}

TEST(RecordFiles, AircraftFiles) {
    CampaignFolder campaign;
    Globals& g = G();
    g.BaseNames[3] = "PALERMO";
    const QString path = baseAircraftFilePath(3);
    EXPECT_EQ(openAircraftFile(1, path, kAxis), 0);
    EXPECT_EQ(g.PathAereiAsse, path);
    AircraftRecord a;
    a.setText(recordformat::aircraft::Nome, "CR.42 FALCO");
    a.setNumber(recordformat::aircraft::Pronti, 18);
    EXPECT_EQ(appendAircraft(1, a), 1);
    a.setNumber(recordformat::aircraft::Pronti, 9);
    EXPECT_EQ(appendAircraft(1, a), 2);
    EXPECT_EQ(readAircraft(1, 1).whole(recordformat::aircraft::Pronti), 18);
    a.markDeleted();
    writeAircraft(1, 1, a);
    EXPECT_TRUE(readAircraft(1, 1).isDeleted());
    EXPECT_THROW(readShip(1, 1), platform::FileError); // a channel of aircraft records
}
