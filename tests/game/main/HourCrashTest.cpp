// A program stopped at any step by which the hour changes the disk, by a kill or by a power loss,
// leaves a campaign that opens as it was before the hour or as the hour left it, every file of the
// same hour: never a mix. One whole hour of the full campaign (50 groups and 600 ships a side,
// every naval group under way), pressed on the main window's hour button.
#include "game/main/FrmMain.h"
#include "tests/game/CrashSweep.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/FullCampaign.h"

#include <gtest/gtest.h>

namespace {

using testsupport::kSanitized;

class HourCrash : public crashsweep::Fixture {};

} // namespace

TEST_F(HourCrash, AStopAtAnyStepOfTheHourLeavesTheHourBeforeOrAfterIt) {
    crashsweep::Subject hour{QStringLiteral("the hour"), [] { fullcampaign::write(fullcampaign::underWay); },
                             [] {
                                 EXPECT_TRUE(apriGioco());
                                 FrmMain& f = platform::form<FrmMain>();
                                 crashsweep::inAction() = true;
                                 f.Command22.doClick();
                                 crashsweep::inAction() = false;
                             },
                             [] { testcampaign::choose(); }};
    crashsweep::programFolderInUse() = folder.get();
    crashsweep::Sweep sweep({hour}, 4, 20261210u, kSanitized ? 40 : 200, kSanitized ? 5 : 1);
    const crashsweep::Counts counts = sweep.run();
    EXPECT_EQ(counts.moves, 1);
    EXPECT_GE(counts.operations, 50);
    EXPECT_EQ(counts.crashes, counts.powerLosses);
    // Each move is also cut by a power loss once its handler has returned.
    EXPECT_EQ(counts.returnedLosses, counts.moves);
    EXPECT_EQ(errors.messages, QStringList());
    RecordProperty("moves", counts.moves);
    RecordProperty("operations", std::to_string(counts.operations));
    RecordProperty("crashes", std::to_string(counts.crashes));
    RecordProperty("power_losses", std::to_string(counts.powerLosses));
    RecordProperty("power_losses_after_return", std::to_string(counts.returnedLosses));
    std::cout << "moves " << counts.moves << ", operations " << counts.operations << ", crashes "
              << counts.crashes << ", power losses " << counts.powerLosses << ", after return "
              << counts.returnedLosses << "\n";
}
