// A campaign open without a window for the points and acquisition windows: the state the main
// window leaves when a side takes the screen.
#pragma once

#include "common/Globals.h"
#include "game/main/CampaignOpen.h"
#include "platform/Form.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

class PointsCampaign : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        testcampaign::write();
        testcampaign::choose();
        loadCampaign();
    }
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
        resetGlobals();
    }
    // The game state as its file holds it.
    QString savedState(int item) const {
        return testsupport::readLines(stateFile()).value(item - 1).remove(QLatin1Char('"'));
    }
    // A base-table field as its file holds it.
    QString savedBaseField(int base, int field) const {
        return testsupport::readLines(folder.file("Data/giochi/StackProvaDatiBasi.dat"))
            .value((base - 1) * kBaseFields + field - 1);
    }
    QString stateFile() const { return folder.file("Data/giochi/StackProvaeventigioco.dat"); }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};
