// The hour of the largest campaigns is whole or not at all too: its files pass any size the file
// layer once read record by record (a ship file of 9,600 records is 1.7 MB). One hour of the full
// campaign with 9,600 ships a side, pressed on the main window's hour button and stopped at each of
// its steps, by a kill and by a power loss: the campaign left opens as before the hour or as the
// hour left it.
#include "game/main/FrmMain.h"
#include "tests/game/CrashSweep.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/FullCampaign.h"

#include <gtest/gtest.h>

namespace {

class LargeHourCrash : public crashsweep::Fixture {};

} // namespace

TEST_F(LargeHourCrash, AStopInAnHourOf9600ShipsASideLeavesTheHourBeforeOrAfterIt) {
    crashsweep::Subject hour{QStringLiteral("the hour of 9,600 ships a side"),
                             [] { fullcampaign::write(fullcampaign::underWay, 9600); },
                             [] {
                                 EXPECT_TRUE(apriGioco());
                                 FrmMain& f = platform::form<FrmMain>();
                                 crashsweep::inAction() = true;
                                 f.Command22.doClick();
                                 crashsweep::inAction() = false;
                             },
                             [] { testcampaign::choose(); }};
    crashsweep::programFolderInUse() = folder.get();
    // Every step of the hour, each as a kill and as a power loss.
    crashsweep::Sweep sweep({hour}, 4, 57u, 0, testsupport::kSanitized ? 5 : 1);
    const crashsweep::Counts counts = sweep.run();
    EXPECT_EQ(counts.moves, 1);
    EXPECT_GE(counts.operations, 50);
    EXPECT_EQ(counts.crashes, counts.powerLosses);
    EXPECT_EQ(counts.returnedLosses, counts.moves);
    EXPECT_EQ(errors.messages, QStringList());
    std::cout << "operations " << counts.operations << ", crashes " << counts.crashes << ", power losses "
              << counts.powerLosses << ", after return " << counts.returnedLosses << "\n";
}
