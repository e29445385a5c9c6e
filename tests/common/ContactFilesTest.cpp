#include "common/ContactFiles.h"
#include "CampaignFixture.h"
#include "ContactTestSupport.h"
#include "common/Dice.h"

#include <gtest/gtest.h>

namespace {

// A naval group of 3 ships, 1 fire, 20 knots.
void placeGn(int side, int group, int x, int y, int heading) {
    Int16* r = G().gnTable(side)[group];
    r[GnCol::InUse] = 1, r[GnCol::Ships] = 3, r[GnCol::Fires] = 1, r[GnCol::Knots] = 20, r[GnCol::X] = x,
    r[GnCol::Y] = y, r[GnCol::Course] = heading;
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
    EXPECT_EQ(moveStamp(327, 23), 32723);
    EXPECT_EQ(moveStamp(328, 0), 3280);
    EXPECT_EQ(moveStamp(328, 10), 32767); // held at the 16-bit top instead of stopping the game
}

TEST(ContactFiles, EncounterWritesActivityAndContactOfTheHour) {
    CampaignFolder campaign;
    Globals& g = G();
    placeGn(kAllies, 2, 1001, 500, 0);
    placeGn(kAxis, 4, 2000, 700, 6);
    g.EncounterGnAlle = 2, g.EncounterGnAsse = 4, g.ActivityKind = 1, g.ContactDistance = 150;
    g.SightValueAlle = 12, g.EvasionValueAsse = 9, g.SightValueAsse = 8, g.EvasionValueAlle = 10;
    g.SightDieAlle = 5, g.SightDieAsse = 2;
    g.Files.openRandom(2, campaign.game("NaviAlleProva.dat"), 179); // a ship file left open

    ScriviAttivita(); // first day, hour 0: day 1, midpoint (1500.5, 600) rounds to the even 1500
    EXPECT_EQ(testsupport::readBytes(campaign.game("ProvaAttivita.dat")),
              QByteArray::fromHex("0100 0000 dc05 5802 0000803f 0100"));
    EXPECT_EQ(g.LastActivityRecord, 1);
    EXPECT_EQ(testsupport::readLines(campaign.game("StackProvaeventigioco.dat")).at(9), "\"1\"");

    ChosenDice dice({6, 11});
    ScriviContattoGN();
    EXPECT_EQ(dice.sides, (QList<int>{8, 14})); // the Allied heading 0 is rolled, then the attack time
    const QByteArray expected = contactFields(
        {10, 1, 1, 1, 0, 2, 4, 3, -2, 5, 2, 0, 0, 6, 6, 3, 3, 20, 20, 1, 1, 1, 1, 150, 0, 0, 11, 1, 0, 0});
    EXPECT_EQ(contactBytes(1), expected);
    EXPECT_EQ(encodeContact(g.CurrentContact), expected);
    EXPECT_EQ(g.GameState[StateItem::Contacts], "1");
    EXPECT_TRUE(g.Files.isOpen(2));
    EXPECT_FALSE(g.Files.isOpen(12) || g.Files.isOpen(13));
}

TEST(ContactFiles, ActivityPositionFollowsTheKind) {
    CampaignFolder campaign;
    Globals& g = G();
    placeGn(kAllies, 1, 1000, 500, 1);
    placeGn(kAxis, 3, 1001, 500, 1);
    g.GaTableAlle[5][GaCol::X] = 4000, g.GaTableAsse[6][GaCol::X] = 5000, g.GnTableAlle[7][GnCol::X] = 6000;
    g.GnTableAsse[8][GnCol::X] = 7000;
    g.EncounterGnAlle = 1, g.EncounterGnAsse = 3;
    g.GameState[StateItem::Day] = "2", g.GameState[StateItem::Hour] = "13";
    // kind, side, Allied unit, Axis unit, x
    const int cases[][5] = {{1, 0, 0, 0, 1000}, {2, 0, 0, 0, 1001},  {3, 0, 0, 0, 1000}, {4, 0, 5, 0, 4000},
                            {5, 0, 0, 6, 5000}, {6, 0, 5, 0, 4000},  {7, 0, 0, 6, 5000}, {8, 0, 7, 0, 6000},
                            {9, 0, 0, 8, 7000}, {10, 2, 5, 6, 5000}, {10, 0, 5, 6, 0},   {11, 1, 5, 6, 0}};
    int n = 0;
    for (const auto& k : cases) {
        g.ActivityKind = k[0], g.CurrentSide = k[1], g.ContactUnitAlle = k[2], g.ContactUnitAsse = k[3];
        ScriviAttivita();
        openActivityFile(20);
        const ActivityRecord r = readActivity(20, ++n);
        g.Files.close(20);
        EXPECT_EQ(r.X, k[4]) << "kind " << k[0];
        EXPECT_EQ(r.Day, 3);
        EXPECT_EQ(r.Hour, 13);
        EXPECT_EQ(r.Number, float(n));
    }
    EXPECT_EQ(g.GameState[StateItem::Activities], QString::number(n));
}

TEST(ContactFiles, ContactsOfTheHourAreTheLastRecords) {
    CampaignFolder campaign;
    Globals& g = G();
    g.ActivityKind = 3; // an Axis base sights an Allied group: the Allies see nothing
    g.SightValueAlle = 15;
    ChosenDice dice({4, 4, 4, 4, 4, 4, 4, 4, 4});
    ScriviContattoGN();
    ScriviContattoGN();
    EXPECT_EQ(g.GameState[StateItem::Contacts], "2");
    EXPECT_EQ(decodeContact(contactBytes(2)).STCONTATTI, 2);
    EXPECT_EQ(decodeContact(contactBytes(2)).STVEDELATO1, 0);

    g.ContattiGestiti = 0; // the next hour
    g.setState(StateItem::Contacts, 0);
    ScriviContattoGN();
    EXPECT_EQ(g.GameState[StateItem::Contacts], "1");
    EXPECT_EQ(firstRecordOfHour(contactCount(), g.state(StateItem::Contacts)), 3);
    EXPECT_EQ(firstRecordOfHour(2, 5), 1);
}

TEST(ContactFiles, ReconnaissanceMarksTheSightedGroupOnce) {
    CampaignFolder campaign;
    Globals& g = G();
    placeGn(kAxis, 7, 3000, 3000, 0);
    g.ActivityKind = 4, g.ContactUnitAlle = 3, g.EncounterGnAsse = 7, g.AirOrder = 3;
    g.SightValueAlle = 12, g.EvasionValueAsse = 9;

    ChosenDice dice({2, 7, 5, 2, 7, 5});
    ScriviContattoRicognizione();
    EXPECT_EQ(dice.sides, (QList<int>{8, 8, 14})); // both headings are 0 (no Allied group), then the time
    EXPECT_EQ(contactBytes(1), contactFields({10, 2, 1, 1,  0, 3, 7, 3, 0, 0, 0, 1, 0, 2, 7,
                                              0,  3, 0, 20, 0, 1, 1, 0, 0, 0, 3, 5, 4, 0, 0}));
    EXPECT_EQ(g.GnAttackMarksAlle[3][2], 7);
    ScriviContattoRicognizione(); // the group is marked now: no second attack
    EXPECT_EQ(decodeContact(contactBytes(2)).STATTACCOLATO1, 0);

    g.ActivityKind = 10; // nothing found
    ScriviContattoRicognizione();
    g.ActivityKind = 4, g.ContactUnitAlle = 0; // no acting unit
    ScriviContattoRicognizione();
    ScriviContattoGA();
    ScriviContattoGN2();
    EXPECT_EQ(contactCount(), 2);
    EXPECT_EQ(g.ContattiGestiti, 2);
}

TEST(ContactFiles, StrikeAndBombardmentRecords) {
    CampaignFolder campaign;
    Globals& g = G();
    g.CurrentContact.STVEDELATO1 = 1; // a contact the Allies saw, read just before
    g.CurrentContact.STNSTACKLATO1 = 9;
    g.CurrentSide = kAxis, g.ActivityKind = 7, g.ContactUnitAsse = 4;
    g.GaTableAsse[4][GaCol::TargetBase] = 12, g.GaTableAsse[4][GaCol::Order] = 6;
    g.GameState[StateItem::Day] = "4", g.GameState[StateItem::Hour] = "9";
    ChosenDice dice({13, 3});
    ScriviContattoGA(); // keeps nothing of the previous contact
    EXPECT_EQ(contactBytes(1), contactFields({59, 0, 0, 0, 1, 0, 4, 0, 0, 0,  0, 0,  1, 0, 0,
                                              0,  0, 0, 0, 0, 0, 1, 0, 0, 12, 6, 13, 7, 2, 0}));

    placeGn(kAllies, 2, 500, 500, 0);
    g.GnTableAlle[2][GnCol::BombardedBase] = 7, g.GnTableAlle[2][GnCol::Order] = 4;
    g.CurrentSide = kAllies, g.ActivityKind = 8, g.ContactUnitAlle = 2, g.ContactDistance = 40;
    ScriviContattoGN2(); // a heading of 0 stays 0: the only roll is the attack time
    EXPECT_EQ(dice.sides, (QList<int>{14, 14}));
    EXPECT_EQ(contactBytes(2), contactFields({59, 1, 0,  0, 1, 2, 0, 1, 2,  0, 0, 1, 0, 0, 0,
                                              3,  0, 20, 0, 1, 0, 2, 0, 40, 7, 4, 3, 8, 1, 0}));
}
