// The headless platform warns at every window raised or sized that it cannot do so; those lines
// drown the output of tests and benchmarks. They are dropped, every other message goes on.
#pragma once

#include <QString>
#include <QtGlobal>

namespace testsupport {

inline void quietOffscreenWarnings() {
    static QtMessageHandler previous = nullptr;
    previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            static const char* const kUnsupported[] = {"raise()",
                                                       "lower()",
                                                       "propagateSizeHints()",
                                                       "setParent!",
                                                       "setting window opacity",
                                                       "setting window masks",
                                                       "grabbing the keyboard",
                                                       "grabbing the mouse"};
            if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support ")))
                for (const char* what : kUnsupported)
                    if (message.endsWith(QLatin1String(what))) return;
            if (previous) previous(type, context, message);
        });
}

} // namespace testsupport
