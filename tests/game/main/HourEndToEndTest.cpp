// Two days of a campaign: two naval groups a side under orders, 48 presses of the hour button on
// the shipped map, then the groups' tracks, their meeting, the records of the two days and the
// files read back.
#include "game/main/FrmMain.h"

#include "game/combat/FrmContatti.h"

#include "TestCampaign.h"
#include "common/CampaignSetup.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/MapRoutines.h"
#include "common/NavalGroupValues.h"
#include "platform/Dialogs.h"
#include "tests/common/ContactTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct Group {
    int side, number;
    QStringList ships;
    int x, y, course, knots, routeHours;
};

// A group in use under way, its row consistent with its ships.
void placeGroup(const Group& grp) {
    Int16* r = G().gnTable(grp.side)[grp.number];
    r[GnCol::InUse] = 1, r[GnCol::MaxKnots] = 30, r[GnCol::Ships] = int(grp.ships.size()),
    r[GnCol::MinOperativity] = 100, r[GnCol::Order] = 1, r[GnCol::Side] = grp.side, r[GnCol::UnderWay] = 1;
    r[GnCol::Knots] = grp.knots, r[GnCol::Step] = 10 * grp.knots, r[GnCol::Course] = grp.course,
    r[GnCol::RouteHours] = grp.routeHours;
    r[GnCol::X] = grp.x, r[GnCol::Y] = grp.y;
    for (const QString& type : grp.ships) r[GnCol::Carriers + classGroupOf(type) - 1] += 1;
}

QByteArray campaignBytes() {
    QByteArray all;
    for (const QString& name : campaignFileNames(G().CampaignName))
        all += name.toLatin1() + ':' + testsupport::readBytes(G().GamesPath + name) + '\n';
    return all;
}

QList<ActivityRecord> activities() {
    QList<ActivityRecord> list;
    const int n = openActivityFile(20);
    for (int r = 1; r <= n; ++r) list << readActivity(20, r);
    G().Files.close(20);
    return list;
}

} // namespace

TEST(HourEndToEnd, TwoDaysOfTwoGroupsASide) {
    resetGlobals();
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;

    // Two pairs of destroyers sail toward each other south of Greece; three destroyers head
    // north from Malta for the Sicilian coast; a cruiser group runs west out of the map.
    const Group groups[] = {
        {kAllies, 1, {"CT", "CT"}, 7000, 4500, 5, 10, 30},
        {kAllies, 2, {"IL", "CT", "CT"}, 1000, 2500, 4, 15, 100},
        {kAxis, 1, {"CT", "CT"}, 10000, 4500, 4, 10, 30},
        {kAxis, 2, {"CT", "CT", "CT"}, 5850, 3960, 2, 10, 20},
    };
    for (const Group& grp : groups) placeGroup(grp);
    G().BaseTable[12][BaseCol::SightingValue] = 11; // MALTA HQ's look-out
    G().BaseTable[13][BaseCol::SightingValue] = 11;
    testcampaign::write({.season = 3, .day = 0, .hour = 6, .weather = 0});
    for (const Group& grp : groups) {
        QList<testcampaign::Ship> ships;
        for (const QString& type : grp.ships) ships << testcampaign::Ship{.type = type, .group = grp.number};
        testcampaign::appendShips(grp.side, ships);
    }
    const auto slot = G().GameSlots[1];
    resetGlobals();
    buildPathGlobals();
    G().GameSlots[1] = slot;
    G().SelectedSlot = 1;
    G().CampaignName = QStringLiteral("Prova");
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();

    // Middling percentages keep the weather fair; every other die shows its top face.
    setDiceSource([](int sides) { return sides == 100 ? 50 : std::max(sides, 1); });
    Globals& g = G();
    const GroupTable& allies = g.GnTableAlle;
    const GroupTable& axis = g.GnTableAsse;
    int contactsSeenAt = -1;
    for (int press = 1; press <= 48; ++press) {
        ASSERT_TRUE(f.Command22.enabled()) << press;
        f.Command22.doClick();
        ASSERT_EQ(errors.messages, QStringList()) << press;
        if (press <= 30) {
            EXPECT_EQ(allies[1][GnCol::X], 7000 + 100 * press) << press;
            EXPECT_EQ(axis[1][GnCol::X], 10000 - 100 * press) << press;
        }
        if (g.state(StateItem::Contacts) > 0) {
            contactsSeenAt = press;
            EXPECT_FALSE(f.Command22.enabled());
            EXPECT_TRUE(f.Label87.visible());
            f.Command23.doClick();
            platform::form<FrmContatti>().Command1.doClick();
        }
    }
    setDiceSource({});
    EXPECT_EQ(g.GameState[StateItem::Day], "2");
    EXPECT_EQ(g.GameState[StateItem::Hour], "6");
    EXPECT_EQ(boxes.prompts.size(), 0);

    // The destroyers pass each other and stop at the end of their routes, at sea: an ambush.
    EXPECT_EQ(contactsSeenAt, 15) << "they meet where their tracks cross";
    EXPECT_EQ(allies[1][GnCol::X], 10000);
    EXPECT_EQ(axis[1][GnCol::X], 7000);
    for (const Int16* r : {allies[GnCol::InUse], axis[GnCol::InUse]}) {
        EXPECT_EQ(r[GnCol::RouteHours], 0);
        EXPECT_EQ(r[GnCol::Step], 0);
        EXPECT_EQ(r[GnCol::Order], 5) << "small groups at rest at sea lie in ambush";
        EXPECT_EQ(r[GnCol::HoursUnderWay], 30) << "hours under way";
        EXPECT_EQ(r[GnCol::HoursSinceFormed], 48) << "hours since formed";
        EXPECT_EQ(r[GnCol::RegularUse], 4) << "consumption worn once at 26";
        EXPECT_EQ(r[GnCol::MinOperativity], 99);
    }
    // Stopped by the Sicilian coast: the next step north would end on land.
    EXPECT_EQ(axis[2][GnCol::Y], 3460);
    EXPECT_EQ(axis[2][GnCol::X], 5850);
    EXPECT_EQ(mapColour(5850 + 50, 3460 + 40), g.SeaReferenceColour);
    EXPECT_NE(mapColour(5850 + 50, 3360 + 40), g.SeaReferenceColour);
    EXPECT_EQ(axis[2][GnCol::HoursUnderWay], 6);
    EXPECT_EQ(axis[2][GnCol::Order], 5);
    // Out through the Gibraltar edge at the eighth hour, still running west.
    EXPECT_EQ(allies[2][GnCol::OffMap], 1);
    EXPECT_EQ(allies[2][GnCol::OffMapDistance], 150 * 40);
    EXPECT_EQ(allies[2][GnCol::Course], 4);
    EXPECT_EQ(allies[2][GnCol::Step], 150) << "never stopped beyond the edge";

    // The records of the two days: MALTA HQ glimpses the destroyers leaving, then the meeting.
    const QList<ActivityRecord> acts = activities();
    ASSERT_EQ(acts.size(), 2);
    EXPECT_EQ(encodeActivity(acts[0]), QByteArray::fromHex("0100 0700 da16 140f 0000803f 0200"));
    EXPECT_EQ(encodeActivity(acts[1]), QByteArray::fromHex("0100 1500 3421 9411 0000803f 0100"));
    openContactFile(20);
    ASSERT_EQ(g.Files.random(20).count(), 1);
    g.Files.close(20);
    EXPECT_EQ(contactBytes(1), contactFields({121, 1, 1,  1,  1, 1, 1, 2, 2, 8, 8, 0,  0, 5, 4,
                                              2,   2, 10, 10, 0, 0, 1, 2, 0, 0, 0, 14, 1, 0, 0}));
    EXPECT_EQ(g.GameState[StateItem::Activities], "0") << "nothing in the last hour";

    // Everything in memory was saved: the files read back into the same tables and write the same
    // bytes.
    const QByteArray onDisk = campaignBytes();
    GroupTable before[2];
    for (int side : {kAllies, kAxis})
        std::copy_n(&g.gnTable(side)[0][0], (kGroups + 1) * (kGroupColumns + 1), &before[side - 1][0][0]);
    const Int32 baseBefore = g.BaseTable[12][BaseCol::SightingValue];
    QString stateBefore[41];
    std::copy_n(g.GameState, 41, stateBefore);
    CaricaTabelleGruppi();
    CaricaDatiBasi();
    CaricaMine();
    for (int side : {kAllies, kAxis})
        for (int n = 1; n <= kGroups; ++n)
            for (int col = 1; col <= kGroupColumns; ++col)
                ASSERT_EQ(g.gnTable(side)[n][col], before[side - 1][n][col])
                    << side << " " << n << " " << col;
    EXPECT_EQ(g.BaseTable[12][BaseCol::SightingValue], baseBefore);
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(g.GameState[i], stateBefore[i]) << i;
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    SalvaMine();
    EXPECT_EQ(campaignBytes(), onDisk);
    platform::testing::resetForms();
    resetGlobals();
}
