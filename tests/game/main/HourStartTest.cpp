// The start of the hour with chosen dice: the clock across midnight, the weather drift, the resets
// of the group rows, the group types of the hour, and the emptying of the group text folder.
#include "game/main/HourStart.h"
#include "TestCampaign.h"
#include "common/Dice.h"
#include "tests/common/CampaignFixture.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(HourStart, ClockAcrossMidnightAndTheHourOneFlags) {
    CampaignFolder campaign;
    Globals& g = G();
    g.setState(StateItem::Day, 4);
    g.setState(StateItem::Hour, 23);
    advanceClock();
    EXPECT_EQ(g.GameState[StateItem::Day], "5");
    EXPECT_EQ(g.GameState[StateItem::Hour], "0");
    EXPECT_FALSE(setHourOneFlags());
    EXPECT_EQ(g.GameState[StateItem::RandomListAlle] + g.GameState[StateItem::RandomListAsse], "11");
    advanceClock();
    EXPECT_EQ(g.GameState[StateItem::Hour], "1");
    EXPECT_TRUE(setHourOneFlags());
    EXPECT_EQ(g.GameState[StateItem::RandomListAlle] + g.GameState[StateItem::RandomListAsse], "00");
    advanceClock();
    EXPECT_EQ(g.GameState[StateItem::Day], "5");
    EXPECT_EQ(g.GameState[StateItem::Hour], "2");

    for (int item = 10; item <= 14; ++item) g.setState(item, 3);
    g.ActivityCount = 3, g.ContattiGestiti = 2, g.AirReturnFlag = 1;
    resetHourCounters();
    for (int item = 10; item <= 14; ++item) EXPECT_EQ(g.GameState[item], "0");
    EXPECT_EQ(g.ActivityCount + g.ContattiGestiti + g.AirReturnFlag, 0);
}

TEST(HourStart, WeatherDriftCascade) {
    CampaignFolder campaign;
    Globals& g = G();
    // from, rolls, to
    const struct {
        int from;
        QList<int> rolls;
        int to;
    } cases[] = {
        {3, {95, 50}, 1},         // straight to 1, then rolled again as 1
        {3, {30, 20, 20, 10}, 1}, // 3, 2, 1, 0 and back to 1 in one hour
        {3, {89}, 3},             // 31..89 keep 3, and no lower level is tested
        {2, {94}, 3},             // up to 3, whose test came before
        {2, {21}, 2},
        {1, {20, 11}, 0}, // down to 0, which stays on 11
        {1, {94}, 2},
        {0, {10}, 1},
        {0, {100}, 0},
    };
    for (const auto& c : cases) {
        g.setState(StateItem::Weather, c.from);
        g.WeatherSeverity = 9;
        ChosenDice dice(c.rolls);
        weatherDrift();
        EXPECT_EQ(g.WeatherSeverity, c.to) << c.from << " " << c.rolls.first();
        EXPECT_EQ(g.state(StateItem::Weather), c.to);
        EXPECT_EQ(dice.sides, QList<int>(c.rolls.size(), 100)) << c.from << " " << c.rolls.first();
    }
}

TEST(HourStart, ResetsOfEveryGroupRow) {
    CampaignFolder campaign;
    Globals& g = G();
    for (GroupTable* t : {&g.GnTableAlle, &g.GnTableAsse})
        for (int n = 1; n <= kGroups; ++n) (*t)[n][50] = (*t)[n][18] = (*t)[n][32] = 2; // free rows too
    g.GnTableAlle[3][GnCol::TargetGn] = 3, g.GnTableAlle[3][GnCol::TargetHours] = 4;
    g.GnTableAsse[3][GnCol::TargetGn] = 7, g.GnTableAsse[3][GnCol::TargetHours] = 1;
    g.GnTableAsse[4][GnCol::TargetHours] = 2; // no intercept order: the count does not move
    g.GnAttackMarksAlle[5][1] = 9, g.GnAttackMarksAsse[50][2] = 4;
    resetGroupsForHour();
    for (GroupTable* t : {&g.GnTableAlle, &g.GnTableAsse})
        for (int n = 1; n <= kGroups; ++n) EXPECT_EQ((*t)[n][50] + (*t)[n][18] + (*t)[n][32], 0) << n;
    EXPECT_EQ(g.GnTableAlle[3][GnCol::TargetGn], 0) << "the order lapses at its fifth hour";
    EXPECT_EQ(g.GnTableAlle[3][GnCol::TargetHours], 0);
    EXPECT_EQ(g.GnTableAsse[3][GnCol::TargetGn], 7);
    EXPECT_EQ(g.GnTableAsse[3][GnCol::TargetHours], 2);
    EXPECT_EQ(g.GnTableAsse[4][GnCol::TargetHours], 2);
    EXPECT_EQ(g.GnAttackMarksAlle[5][1] + g.GnAttackMarksAsse[50][2], 0);
}

TEST(HourStart, GroupTypesAndPeriscopeDepth) {
    CampaignFolder campaign;
    Globals& g = G();
    GroupTable& t = g.GnTableAsse;
    t[1][GnCol::InUse] = 1, t[1][GnCol::Ships] = 2, t[1][GnCol::Submarines] = 2, t[1][GnCol::Knots] = 6,
    t[1][GnCol::Nation] = 1; // two Italian submarines
    t[2][GnCol::InUse] = 1, t[2][GnCol::Ships] = 2, t[2][GnCol::Submarines] = 1, t[2][GnCol::Destroyers] = 1,
    t[2][GnCol::Periscope] = 1; // a submarine and a destroyer
    t[3][GnCol::InUse] = 1, t[3][GnCol::Ships] = 2, t[3][GnCol::Submarines] = 2, t[3][GnCol::Fires] = 1,
    t[3][GnCol::Periscope] = 1;                                                // submarines on fire
    t[4][GnCol::InUse] = 1, t[4][GnCol::Ships] = 2, t[4][GnCol::Carriers] = 2; // two carriers
    g.CurrentSide = kAxis;
    g.DayFlag = 0; // at night no periscope roll at all
    groupTypesOfSide();
    EXPECT_EQ(t[1][GnCol::Type], 10);
    EXPECT_EQ(t[2][GnCol::Type], 9);
    EXPECT_EQ(t[4][GnCol::Type], 11);
    EXPECT_EQ(t[50][GnCol::Type], 9) << "free rows too";
    for (int n : {1, 2, 3}) EXPECT_EQ(t[n][GnCol::Periscope], 0) << n;

    g.DayFlag = 1; // by day every all-submarine row at 8 knots or less rolls, free rows included
    QList<int> rolled;
    setDiceSource([&](int sides) {
        rolled << sides;
        return 50;
    });
    groupTypesOfSide();
    setDiceSource({});
    EXPECT_EQ(t[1][GnCol::Periscope], 1);
    EXPECT_EQ(t[2][GnCol::Periscope], 0);
    EXPECT_EQ(t[3][GnCol::Periscope], 0);
    EXPECT_EQ(t[4][GnCol::Periscope], 0);
    EXPECT_EQ(rolled.size(), 1 + 46) << "group 1 and the 46 free rows";
    g.CurrentSide = 0;
    t[1][GnCol::Type] = 0;
    groupTypesOfSide();
    EXPECT_EQ(t[1][GnCol::Type], 0);
}

TEST(HourStart, GroupTextFolderIsEmptiedOfItsFilesOnly) {
    CampaignFolder campaign;
    const QString folder = campaign.data("gntext");
    for (const char* name : {"testGN.txt", "GN3.txt", "a*b.txt", ".hidden"})
        testsupport::writeBytes(folder + "/" + name, "x");
    QDir(folder).mkdir("inner");
    testsupport::writeBytes(folder + "/inner/keep.txt", "x");
    testsupport::writeBytes(campaign.data("keep.txt"), "x");
    emptyGroupTextFolder();
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"inner"});
    EXPECT_TRUE(QFile::exists(folder + "/inner/keep.txt"));
    EXPECT_TRUE(QFile::exists(campaign.data("keep.txt")));
    emptyGroupTextFolder(); // an empty folder is no error
    QDir(folder).removeRecursively();
    emptyGroupTextFolder(); // nor a missing one
}
