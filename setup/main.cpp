#include "platform/Form.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("Torvsetup"));
    return app.exec();
}
