// A small campaign for the supervisor's windows: the program folder, the campaign written as the
// wizard leaves it, and the ship and group-table files to look into afterwards.
#pragma once

#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"
#include "platform/Form.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

class SupervisorWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        testcampaign::write();
    }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }
    // A ship record of the side's file as it is on disk.
    ShipRecord shipOnDisk(int side, int record) {
        openShipFile(20, side);
        ShipRecord s;
        recordformat::readRecord(G().Files.random(20), record, s);
        G().Files.close(20);
        return s;
    }
    void setShipField(int side, int record, int field, const QString& value) {
        ShipRecord s = shipOnDisk(side, record);
        s.setText(field, value);
        openShipFile(20, side);
        recordformat::writeRecord(G().Files.random(20), record, s);
        G().Files.close(20);
    }
    // A group-table value as its file holds it (one value a line, group by group).
    QString tableLine(const QString& word, int group, int column) {
        return testsupport::readLines(stackFile(word)).value((group - 1) * kGroupColumns + column - 1);
    }

    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};
