#include "WizardExit.h"

#include "FrmGame.h"
#include "common/Globals.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"

using namespace platform;

bool leaveNewCampaign() {
    const int answer = MsgBox(QStringLiteral("Il nuovo gioco %1 non è completo.\n"
                                             "Cancellarlo?  (Annulla per continuare la creazione)")
                                  .arg(G().CampaignName),
                              vbYesNoCancel + vbQuestion, QStringLiteral("Nuovo Gioco"));
    if (answer == vbCancel) return false;
    G().CampaignOpen = false;
    G().Files.closeAll();
    if (answer == vbYes && G().WizardSlot >= 1) {
        G().SelectedSlot = G().WizardSlot;
        platform::form<FrmGame>().KillGame();
    }
    // Loaded afresh, the start window reads the slots again.
    unload<FrmGame>();
    platform::form<FrmGame>().show();
    return true;
}
