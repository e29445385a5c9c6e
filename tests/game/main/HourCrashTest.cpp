// A program stopped at any step by which the hour changes the disk, by a kill or by a power loss,
// leaves a campaign that opens as it was before the hour or as the hour left it, every file of the
// same hour: never a mix. One whole hour of the full campaign (50 groups and 600 ships a side,
// every naval group under way), pressed on the main window's hour button; and one of the largest
// campaigns, whose files pass any size the file layer once read record by record (a ship file of
// 9,600 records is 1.7 MB).
#include "game/main/FrmMain.h"
#include "tests/game/CrashSweep.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/FullCampaign.h"

#include <gtest/gtest.h>

namespace {

using testsupport::kSanitized;

class HourCrash : public crashsweep::Fixture {};

// One hour of the full campaign of `ships` ships a side, every naval group under way, pressed on
// the main window's hour button.
crashsweep::Subject hourOf(const QString& name, int ships) {
    return {name, [ships] { fullcampaign::write(fullcampaign::underWay, ships); },
            [] {
                EXPECT_TRUE(apriGioco());
                FrmMain& f = platform::form<FrmMain>();
                crashsweep::inAction() = true;
                f.Command22.doClick();
                crashsweep::inAction() = false;
            },
            [] { testcampaign::choose(); }};
}

// The hour's sweep: one move, each stop as a kill and as a power loss, and a power loss once its
// handler has returned; never a message. Its counts, printed and recorded.
crashsweep::Counts sweepHour(const crashsweep::Subject& hour, unsigned seed, int sampled) {
    crashsweep::Sweep sweep({hour}, 4, seed, sampled, kSanitized ? 5 : 1);
    const crashsweep::Counts counts = sweep.run();
    EXPECT_EQ(counts.moves, 1);
    EXPECT_GE(counts.operations, 50);
    EXPECT_EQ(counts.crashes, counts.powerLosses);
    EXPECT_EQ(counts.returnedLosses, counts.moves);
    ::testing::Test::RecordProperty("operations", std::to_string(counts.operations));
    ::testing::Test::RecordProperty("crashes", std::to_string(counts.crashes));
    ::testing::Test::RecordProperty("power_losses", std::to_string(counts.powerLosses));
    ::testing::Test::RecordProperty("power_losses_after_return", std::to_string(counts.returnedLosses));
    std::cout << "moves " << counts.moves << ", operations " << counts.operations << ", crashes "
              << counts.crashes << ", power losses " << counts.powerLosses << ", after return "
              << counts.returnedLosses << "\n";
    return counts;
}

} // namespace

TEST_F(HourCrash, AStopAtAnyStepOfTheHourLeavesTheHourBeforeOrAfterIt) {
    crashsweep::programFolderInUse() = folder.get();
    const crashsweep::Counts counts =
        sweepHour(hourOf(QStringLiteral("the hour"), 600), 20261210u, kSanitized ? 40 : 200);
    RecordProperty("moves", counts.moves);
    EXPECT_EQ(errors.messages, QStringList());
}

// Every step of the hour of the largest campaigns.
TEST_F(HourCrash, AStopInAnHourOf9600ShipsASideLeavesTheHourBeforeOrAfterIt) {
    crashsweep::programFolderInUse() = folder.get();
    sweepHour(hourOf(QStringLiteral("the hour of 9,600 ships a side"), 9600), 57u, 0);
    EXPECT_EQ(errors.messages, QStringList());
}
