#include "cards/FormStart.h"

#include "platform/Dialogs.h"
#include "platform/Form.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("Torvcard"));
    platform::runHandler([] { platform::form<FormStart>().show(); });
    return app.exec();
}
