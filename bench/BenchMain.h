// The main of a benchmark program that builds windows: a headless application (without its
// warnings about what it cannot do to windows), and errors and message boxes written to the log
// instead of waiting for a player.
#pragma once

#include "ActionClock.h"
#include "common/CampaignJournal.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "tests/support/QuietOffscreen.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace bench {

inline int runWithWindows(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::quietOffscreenWarnings();
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("bench"));
    // Each window action as the program runs it: one transaction over the campaign's files.
    runHandlersAsTransactions();
    platform::testing::setErrorHandler([](const QString& m) {
        ++errorsShown();
        qWarning("%s", qPrintable(m));
    });
    platform::testing::setMessageBoxHandler([](const platform::MessageBoxCall& m) {
        qWarning("%s", qPrintable(m.prompt));
        return int(platform::vbOK);
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
