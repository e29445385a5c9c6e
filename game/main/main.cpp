#include "game/start/FrmGame.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("Zeltwar"));
    platform::form<FrmGame>().show();
    return app.exec();
}
