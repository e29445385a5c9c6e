#include "cards/FormStart.h"

#include "platform/Dialogs.h"
#include "platform/Form.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("Torvcard"));
    platform::runHandler([] { platform::form<FormStart>().show(); });
    const int code = app.exec();
    // The windows go before the application: freed after it, their widgets warn about timers.
    platform::unloadAllForms();
    platform::collectUnloadedForms();
    return code;
}
