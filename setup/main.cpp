#include "setup/FrmSetUpTorv.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("Torvsetup"));
    platform::form<FrmSetUpTorv>().show();
    const int code = app.exec();
    // The windows go before the application: freed after it, their widgets warn about timers.
    platform::unloadAllForms();
    platform::collectUnloadedForms();
    return code;
}
