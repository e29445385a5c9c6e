// Test programs run with a real application object on the headless platform.
#include "platform/Form.h"
#include "tests/support/QuietOffscreen.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    testsupport::quietOffscreenWarnings();
    testsupport::tempFilesInMemory();
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("test"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
