// A test that opens a campaign of its own in the main window: the ships of each side are
// appended to the side's ship file before the campaign is opened as "APRI GIOCO" opens it.
#pragma once

#include "TestCampaign.h"
#include "game/main/FrmMain.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }
    FrmMain& open(const testcampaign::Options& o = {}) {
        testcampaign::write(o);
        // A side given no ships gets destroyers for the ships its groups count.
        for (int side : {kAllies, kAxis})
            if (!ships[side - 1].isEmpty())
                testcampaign::appendShips(side, ships[side - 1]);
            else
                testcampaign::shipsForGroups(side);
        testcampaign::choose(o.name);
        EXPECT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
        return platform::form<FrmMain>();
    }
    QList<testcampaign::Ship> ships[2];
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};
