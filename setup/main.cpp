#include "setup/FrmSetUpTorv.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("Torvsetup"));
    platform::form<FrmSetUpTorv>().show();
    return app.exec();
}
