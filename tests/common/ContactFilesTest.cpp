#include "common/ContactFiles.h"
#include "CampaignFixture.h"
#include "common/Dice.h"

#include <gtest/gtest.h>

namespace {

void placeGn(int side, int group, int x, int y, int heading = 5) {
    Int16* r = G().gnTable(side)[group];
    r[1] = 1;
    r[4] = 3;   // ships
    r[5] = 1;   // fires
    r[14] = 20; // knots
    r[25] = x;
    r[26] = y;
    r[28] = heading;
}

ContactRecord contactAt(int record) {
    openContactFile(20);
    const ContactRecord c = readContact(20, record);
    G().Files.close(20);
    return c;
}

int contactCount() {
    const int n = openContactFile(20);
    G().Files.close(20);
    return n;
}

} // namespace

TEST(ContactFiles, MoveStampIsTheDayFollowedByTheHour) {
    EXPECT_EQ(moveStamp(3, 14), 314);
    EXPECT_EQ(moveStamp(1, 7), 17);
    EXPECT_EQ(moveStamp(1, 0), 10);
    EXPECT_EQ(moveStamp(327, 23), 32723);
    EXPECT_EQ(moveStamp(328, 0), 3280);
    EXPECT_EQ(moveStamp(328, 10), 32767); // held at the 16-bit top instead of stopping the game
    EXPECT_EQ(moveStamp(1000, 5), 10005);
}

TEST(ContactFiles, EncounterWritesActivityAndContactOfTheHour) {
    CampaignFolder campaign;
    Globals& g = G();
    placeGn(kAllies, 2, 1001, 500, 0);
    placeGn(kAxis, 4, 2000, 700, 6);
    g.EncounterGnAlle = 2;
    g.EncounterGnAsse = 4;
    g.ActivityKind = 1;
    g.SightValueAlle = 12;
    g.EvasionValueAsse = 9;
    g.SightValueAsse = 8;
    g.EvasionValueAlle = 10;
    g.SightDieAlle = 5;
    g.SightDieAsse = 2;
    g.ContactDistance = 150;
    g.Files.openRandom(2, campaign.game("NaviAlleProva.dat"), 179); // a ship file left open

    ScriviAttivita();
    EXPECT_EQ(g.ActivityCount, 1);
    EXPECT_EQ(g.LastActivityRecord, 1);
    EXPECT_EQ(g.GameState[10], "1");
    EXPECT_EQ(testsupport::readLines(campaign.game("StackProvaeventigioco.dat")).at(9), "\"1\"");
    EXPECT_EQ(testsupport::readBytes(campaign.game("ProvaAttivita.dat")),
              QByteArray::fromHex("0100"
                                  "0000"
                                  "dc05"
                                  "5802"
                                  "0000803f"
                                  "0100")); // day 1, (1500, 600)

    ChosenDice dice({6, 11});
    ScriviContattoGN();
    EXPECT_EQ(dice.sides, (QList<int>{8, 14})); // the Allied heading 0 is rolled, then the attack time
    EXPECT_EQ(g.ContattiGestiti, 1);
    EXPECT_EQ(g.GameState[11], "1");
    const ContactRecord c = contactAt(1);
    EXPECT_EQ(c.STMOSSA, 10);
    EXPECT_EQ(c.STLATO1, 1);
    EXPECT_EQ(c.STVEDELATO1, 1);
    EXPECT_EQ(c.STVEDELATO2, 0);
    EXPECT_EQ(c.STNSTACKLATO1, 2);
    EXPECT_EQ(c.STNSTACKLATO2, 4);
    EXPECT_EQ(c.STDIFVEVLATO1, 3);
    EXPECT_EQ(c.STDIFVEVLATO2, -2);
    EXPECT_EQ(c.STDADOLATO1, 5);
    EXPECT_EQ(c.STROTTALATO1, 6);
    EXPECT_EQ(c.STROTTALATO2, 6);
    EXPECT_EQ(c.STNUMNAVILATO2, 3);
    EXPECT_EQ(c.STNODILATO1, 20);
    EXPECT_EQ(c.STINCLATO2, 1);
    EXPECT_EQ(c.STCONTATTI, 1);
    EXPECT_EQ(c.STNUMATTIVITA, 1);
    EXPECT_EQ(c.STDISTANZA, 150);
    EXPECT_EQ(c.STB1, 11);
    EXPECT_EQ(c.STB2, 1);
    EXPECT_EQ(encodeContact(g.CurrentContact), encodeContact(c));
    EXPECT_TRUE(g.Files.isOpen(2));
    EXPECT_FALSE(g.Files.isOpen(12));
    EXPECT_FALSE(g.Files.isOpen(13));
}

TEST(ContactFiles, ActivityPositionFollowsTheKind) {
    CampaignFolder campaign;
    Globals& g = G();
    placeGn(kAllies, 1, 1000, 500);
    placeGn(kAxis, 3, 1001, 500);
    g.GaTableAlle[5][25] = 4000, g.GaTableAlle[5][26] = 4100;
    g.GaTableAsse[6][25] = 5000, g.GaTableAsse[6][26] = 5100;
    g.GnTableAlle[7][25] = 6000, g.GnTableAlle[7][26] = 6100;
    g.GnTableAsse[8][25] = 7000, g.GnTableAsse[8][26] = 7100;
    g.EncounterGnAlle = 1;
    g.EncounterGnAsse = 3;
    g.GameState[1] = "2";
    g.GameState[2] = "13";
    struct Case {
        int kind, side, unitAlle, unitAsse, x, y;
    };
    const Case cases[] = {{1, 0, 0, 0, 1000, 500},   {2, 0, 0, 0, 1001, 500},  {3, 0, 0, 0, 1000, 500},
                          {4, 0, 5, 0, 4000, 4100},  {5, 0, 0, 6, 5000, 5100}, {6, 0, 5, 0, 4000, 4100},
                          {7, 0, 0, 6, 5000, 5100},  {8, 0, 7, 0, 6000, 6100}, {9, 0, 0, 8, 7000, 7100},
                          {10, 2, 5, 6, 5000, 5100}, {10, 0, 5, 6, 0, 0},      {11, 1, 5, 6, 0, 0}};
    int n = 0;
    for (const Case& k : cases) {
        g.ActivityKind = k.kind;
        g.CurrentSide = k.side;
        g.ContactUnitAlle = k.unitAlle;
        g.ContactUnitAsse = k.unitAsse;
        ScriviAttivita();
        openActivityFile(20);
        const ActivityRecord r = readActivity(20, ++n);
        g.Files.close(20);
        EXPECT_EQ(r.Day, 3);
        EXPECT_EQ(r.Hour, 13);
        EXPECT_EQ(r.X, k.x) << "kind " << k.kind;
        EXPECT_EQ(r.Y, k.y) << "kind " << k.kind;
        EXPECT_EQ(r.Kind, k.kind);
        EXPECT_EQ(r.Number, float(n));
    }
    EXPECT_EQ(g.GameState[10], QString::number(n));
}

TEST(ContactFiles, TwoContactsInOneHourAreTheLastTwoRecords) {
    CampaignFolder campaign;
    Globals& g = G();
    placeGn(kAllies, 1, 100, 100);
    placeGn(kAxis, 1, 200, 200);
    g.EncounterGnAlle = 1;
    g.EncounterGnAsse = 1;
    g.ActivityKind = 3; // an Axis base sights an Allied group: the Allies see nothing
    g.SightValueAlle = 15;
    g.EvasionValueAsse = 0;
    ChosenDice dice({4, 9, 4, 9, 4, 9});
    ScriviContattoGN();
    ScriviContattoGN();
    EXPECT_EQ(g.GameState[11], "2");
    EXPECT_EQ(contactCount(), 2);
    EXPECT_EQ(contactAt(2).STCONTATTI, 2);
    EXPECT_EQ(contactAt(2).STVEDELATO1, 0);
    EXPECT_EQ(firstRecordOfHour(contactCount(), g.state(11)), 1);

    // The next hour starts its counters again; its contact is the last record of the file.
    g.ContattiGestiti = 0;
    g.setState(11, 0);
    ScriviContattoGN();
    EXPECT_EQ(g.GameState[11], "1");
    EXPECT_EQ(firstRecordOfHour(contactCount(), g.state(11)), 3);
    EXPECT_EQ(firstRecordOfHour(2, 5), 1);
}

TEST(ContactFiles, ReconnaissanceMarksTheSightedGroupOnce) {
    CampaignFolder campaign;
    Globals& g = G();
    placeGn(kAxis, 7, 3000, 3000, 0);
    g.ActivityKind = 4;
    g.ContactUnitAlle = 3;
    g.EncounterGnAsse = 7;
    g.AirOrder = 3;
    g.SightValueAlle = 12;
    g.EvasionValueAsse = 9;

    ChosenDice dice({2, 7, 5, 2, 7, 5});
    ScriviContattoRicognizione();
    EXPECT_EQ(dice.sides, (QList<int>{8, 8, 14})); // both headings are 0 (no Allied group), then the time
    ContactRecord c = contactAt(1);
    EXPECT_EQ(c.STLATO1, 2);
    EXPECT_EQ(c.STLATO2, 1);
    EXPECT_EQ(c.STVEDELATO1, 1);
    EXPECT_EQ(c.STATTACCOLATO1, 1);
    EXPECT_EQ(c.STA2, 3);
    EXPECT_EQ(c.STNSTACKLATO1, 3);
    EXPECT_EQ(c.STNSTACKLATO2, 7);
    EXPECT_EQ(c.STROTTALATO2, 7);
    EXPECT_EQ(g.GnAttackMarksAlle[3][2], 7);

    ScriviContattoRicognizione(); // the group is marked now: no second attack
    EXPECT_EQ(contactAt(2).STATTACCOLATO1, 0);

    // Nothing is written for "nothing found" or with no acting unit.
    g.ActivityKind = 10;
    ScriviContattoRicognizione();
    g.ActivityKind = 4;
    g.ContactUnitAlle = 0;
    ScriviContattoRicognizione();
    ScriviContattoGA();
    ScriviContattoGN2();
    EXPECT_EQ(contactCount(), 2);
    EXPECT_EQ(g.ContattiGestiti, 2);
}

TEST(ContactFiles, AirStrikeRecordKeepsNothingFromThePreviousContact) {
    CampaignFolder campaign;
    Globals& g = G();
    g.CurrentContact.STVEDELATO1 = 1; // a contact the Allies saw, read just before
    g.CurrentContact.STNSTACKLATO1 = 9;
    g.CurrentContact.STLATO1 = 2;
    g.CurrentSide = kAxis;
    g.ActivityKind = 7;
    g.ContactUnitAsse = 4;
    g.GaTableAsse[4][30] = 12;
    g.GaTableAsse[4][7] = 6;
    g.GameState[1] = "4";
    g.GameState[2] = "9";

    ChosenDice dice({13});
    ScriviContattoGA();
    ContactRecord expected{};
    expected.STMOSSA = 59;
    expected.STVEDELATO2 = 1;
    expected.STATTACCOLATO2 = 1;
    expected.STNSTACKLATO2 = 4;
    expected.STA1 = 12;
    expected.STA2 = 6;
    expected.STB1 = 13;
    expected.STB2 = 7;
    expected.STC1 = 2;
    expected.STCONTATTI = 1;
    EXPECT_EQ(encodeContact(contactAt(1)), encodeContact(expected));
}

TEST(ContactFiles, BombardmentKeepsAHeadingOfZero) {
    CampaignFolder campaign;
    Globals& g = G();
    placeGn(kAllies, 2, 500, 500, 0);
    g.GnTableAlle[2][33] = 7;
    g.GnTableAlle[2][7] = 4;
    g.CurrentSide = kAllies;
    g.ActivityKind = 8;
    g.ContactUnitAlle = 2;
    g.ContactDistance = 40;

    ChosenDice dice({3});
    ScriviContattoGN2();
    EXPECT_EQ(dice.sides, (QList<int>{14})); // no heading roll
    const ContactRecord c = contactAt(1);
    EXPECT_EQ(c.STLATO1, 1);
    EXPECT_EQ(c.STLATO2, 0);
    EXPECT_EQ(c.STVEDELATO2, 1);
    EXPECT_EQ(c.STATTACCOLATO1, 1);
    EXPECT_EQ(c.STNSTACKLATO1, 2);
    EXPECT_EQ(c.STA1, 7);
    EXPECT_EQ(c.STA2, 4);
    EXPECT_EQ(c.STROTTALATO1, 0);
    EXPECT_EQ(c.STNUMNAVILATO1, 3);
    EXPECT_EQ(c.STDIFVEVLATO1, 1);
    EXPECT_EQ(c.STDIFVEVLATO2, 2);
    EXPECT_EQ(c.STDISTANZA, 40);
    EXPECT_EQ(c.STC1, 1);
    EXPECT_EQ(c.STB2, 8);
}
