// The hourly step as rules: a day run without any window leaves the campaign's files byte for byte
// as the same day run through the hour button, and a campaign opened after another in the same
// run sees nothing of the first.
#include "game/combat/FrmContatti.h"
#include "game/main/CampaignOpen.h"
#include "game/main/FrmMain.h"
#include "game/main/HourStep.h"

#include "SailingCampaign.h"
#include "TestCampaign.h"
#include "common/Dice.h"
#include "common/NavalGroupValues.h"
#include "platform/Form.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <stdexcept>

using namespace platform;

namespace {

using Files = std::map<QString, QByteArray>;
using sailing::Group;
using sailing::kSailing;
using sailing::writeCampaign;

// The folders the hour writes in: the campaigns' and the group texts'.
QStringList hourFolders() {
    return {diskPath(G().GamesPath), diskPath(G().DataPath + "\\gntext")};
}

// Every file of those folders, by folder and name.
Files campaignFiles() {
    Files files;
    for (const QString& folder : hourFolders()) {
        QDirIterator it(folder, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            files[path] = testsupport::readBytes(path);
        }
    }
    return files;
}

void putBack(const Files& files) {
    for (const QString& folder : hourFolders()) {
        // An empty path would be the working folder: never emptied.
        if (G().DataPath.isEmpty() || !QDir::isAbsolutePath(folder))
            throw std::logic_error("no campaign folder");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    }
    for (const auto& [path, bytes] : files) testsupport::writeBytes(path, bytes);
}

// The same rolls every run: the dice of a seeded generator.
void seededDice() {
    setDiceSource([rng = std::mt19937(20261209)](int sides) mutable {
        return int(rng() % unsigned(std::max(sides, 1))) + 1;
    });
}

// Hours run with no window: the view shows nothing.
Files hoursWithoutWindow(int hours) {
    loadCampaign();
    HourView nothing;
    seededDice();
    for (int h = 0; h < hours; ++h) {
        const HourOutcome outcome = runHourWhole(nothing);
        EXPECT_TRUE(outcome.done) << h << " " << outcome.failure.toStdString();
    }
    setDiceSource({});
    EXPECT_FALSE(isLoaded<FrmMain>()) << "no window was made";
    return campaignFiles();
}

class HourWithoutWindow : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        setDiceSource({});
        platform::testing::resetForms();
        resetGlobals();
    }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
};

} // namespace

TEST_F(HourWithoutWindow, ADayRunsAsThroughTheHourButton) {
    writeCampaign(kSailing);
    const Files start = campaignFiles();
    const auto slot = G().GameSlots[1];

    const Files rules = hoursWithoutWindow(24);

    testcampaign::choose();
    G().GameSlots[1] = slot;
    putBack(start);
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();
    seededDice();
    int contacts = 0;
    for (int h = 0; h < 24; ++h) {
        ASSERT_TRUE(f.Command22.enabled()) << h;
        f.Command22.doClick();
        if (G().state(StateItem::Contacts) > 0) {
            ++contacts;
            f.Command23.doClick();
            form<FrmContatti>().Command1.doClick();
        }
    }
    setDiceSource({});
    const Files window = campaignFiles();

    EXPECT_GT(contacts, 0) << "the day had contacts to write";
    ASSERT_EQ(rules.size(), window.size());
    for (const auto& [name, bytes] : window) {
        const auto other = rules.find(name);
        ASSERT_NE(other, rules.end()) << name.toStdString();
        EXPECT_EQ(other->second, bytes) << name.toStdString();
    }
    EXPECT_EQ(errors.messages, QStringList());
}

TEST_F(HourWithoutWindow, ASecondCampaignSeesNothingOfTheFirst) {
    // The second campaign alone: same name and folder, its groups numbered otherwise.
    const QList<Group> second = {
        {kAllies, 3, {"CT", "CT", "CT"}, 7000, 4500, 5, 10, 30},
        {kAxis, 4, {"CT", "CT"}, 10000, 4500, 4, 10, 30},
    };
    writeCampaign(second);
    const Files secondStart = campaignFiles();
    const auto secondSlot = G().GameSlots[1];
    const Files alone = hoursWithoutWindow(3);

    // The first campaign in the main window for a few hours, then the second in the same run. The
    // second's ship files go first: the first's would hold its ships too.
    for (int side : {kAllies, kAxis}) platform::deleteFile(shipFilePath(side));
    resetGlobals();
    writeCampaign(kSailing);
    ASSERT_TRUE(apriGioco());
    seededDice();
    for (int h = 0; h < 3; ++h) {
        form<FrmMain>().Command22.doClick();
        if (G().state(StateItem::Contacts) > 0) {
            form<FrmMain>().Command23.doClick();
            form<FrmContatti>().Command1.doClick();
        }
    }
    setDiceSource({});
    platform::testing::resetForms();

    testcampaign::choose();
    G().GameSlots[1] = secondSlot;
    putBack(secondStart);
    const Files after = hoursWithoutWindow(3);
    EXPECT_TRUE(after == alone);
}
