// Test programs run with a real application object on the headless platform, and with dice that
// refuse: a test that rolls chooses its rolls (ChosenDice) or seeds them (SeededDice).
#include "common/Dice.h"
#include "platform/Form.h"
#include "tests/support/QuietOffscreen.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <string>

int main(int argc, char** argv) {
    // The headless platform on a screen of 1920 x 1080, where every window shows at its design
    // size, unless the test is run on a screen of its own (tests/support/screens).
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TEST_SOURCE_DIR "/support/screens/1920x1080.json");
    testsupport::quietOffscreenWarnings();
    testsupport::tempFilesInMemory();
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("test"));
    ::testing::InitGoogleTest(&argc, argv);
    // A refused roll fails the test even where a window's handler catches the throw and shows it.
    setDiceRefusalHook([](const std::string& message) { ADD_FAILURE() << message; });
    // What setDiceSource({}) gives back too: the tests never roll the program's clock-seeded dice.
    setDefaultDiceSource([](int sides) -> int {
        refuseRoll("a roll of a d" + std::to_string(sides) +
                   " from the program's clock-seeded dice: the test sets no source (SeededDice)");
    });
    return RUN_ALL_TESTS();
}
