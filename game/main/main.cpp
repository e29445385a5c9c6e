#include "common/CampaignJournal.h"
#include "common/Messages.h"
#include "game/start/FrmGame.h"
#include "platform/Dialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::initApplication(QStringLiteral("Zeltwar"));
    // What the rules report (a picture missing) is shown in a message box.
    setProblemSink([](const QString& m) { platform::showError(m); });
    // Each player's action reaches the campaign's files whole or not at all.
    runHandlersAsTransactions();
    platform::form<FrmGame>().show();
    const int code = app.exec();
    // The windows go before the application: freed after it, their widgets warn about timers.
    platform::unloadAllForms();
    platform::collectUnloadedForms();
    return code;
}
